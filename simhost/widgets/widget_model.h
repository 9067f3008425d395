// The host's widgets: ids, classes, typed properties, the parent tree, child
// windows, event handlers, the main window, message boxes and modal runs,
// and the checks of every MQWidget_Value call the plug-in makes. The
// model's parts are in widget_model.cpp (the whole, what tests see, the
// exit checks), widget_model_tree.cpp, widget_model_properties.cpp and
// widget_model_runs.cpp (the messages, by what they do).
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "simhost/contract/host_contract.h"
#include "simhost/widgets/widget_calls.h"
#include "simhost/widgets/widget_properties.h"

namespace sim {

// One MQWidget_Value call as the host received it.
struct WidgetMessage {
    int id = 0;
    int message = 0;
    std::vector<std::string> keys;  // the list's keys, in order
    // create: the class; get, set: the property; add event: the event;
    // run: "messagebox" or "modal"; system lookup: the system name.
    std::string name;
    int child = 0;  // add child, add child window: the child's id
    // The host ignored the call: it addressed id 0 as the wrapper of a
    // creation the host had refused, within what such a wrapper may send.
    bool ignored = false;
};

// One event handler registration (add event).
struct WidgetHandler {
    std::string type;
    WidgetEventProcType proc = nullptr;
    void* pointer = nullptr;
    bool prior = false;
};

class WidgetModel {
public:
    // A new host: only the main window, no messages, no faults.
    void Reset();
    // The widget tree with classes and properties, for failure messages.
    std::string Dump() const;
    // Called after the plug-in handled the exit event: every widget it
    // created must be destroyed by then (the main window is the host's).
    // An exit delivered while a widget event is being handled (nested in a
    // message box or a modal run) is checked once the outermost event has
    // returned, as the handler that waited may still be using its panel.
    // Every widget of the plug-in alive at the exit belongs to an ended run
    // from then on.
    void CheckAfterExit();
    // Widget events being delivered now, nested ones included; SendWidgetEvent
    // counts them.
    void BeginEvent() { ++eventDepth_; }
    void EndEvent();

    // MQWidget_Value: checks and carries out one call. Returns 1 when the
    // call was well formed, else 0 (after reporting the violation).
    int HandleMessage(int id, int message, KeyValuePair* list);

    // The widgets as tests see them.
    int MainWindowId() const { return mainWindow_; }
    bool Exists(int id) const;
    bool IsAlive(int id) const;
    // The widget was the plug-in's when it exited: its events may reach the
    // plug-in only while the handler that waited in a modal run ends.
    bool OfEndedRun(int id) const;
    std::string ClassOf(int id) const;
    int ParentOf(int id) const;  // 0: not added anywhere
    std::vector<int> ChildrenOf(int id) const;
    std::vector<int> ChildWindowsOf(int id) const;
    std::vector<WidgetHandler> HandlersOf(int id) const;
    // The widget is alive and on screen: neither it nor any widget it lies
    // in (its parent, its window, that window's owner) is hidden. A control
    // added nowhere counts as shown.
    bool IsShown(int id) const;
    // `id` is `root` or lies inside it: among its children and child
    // windows, at any depth.
    bool Contains(int root, int id) const;
    // Widgets the plug-in created that are still alive, oldest first.
    std::vector<int> LiveWidgetsOfPlugin() const;
    // Live widgets of `widgetClass` whose "text" is `text`, oldest first;
    // only those inside `within` (and its child windows) when it is nonzero.
    std::vector<int> FindByText(const std::string& widgetClass, const std::u16string& text,
                                int within = 0) const;
    std::optional<PropertyValue> Property(int id, const std::string& name) const;
    std::optional<bool> BoolProperty(int id, const std::string& name) const;
    std::optional<int> IntProperty(int id, const std::string& name) const;
    std::optional<double> DoubleProperty(int id, const std::string& name) const;
    std::optional<std::u16string> TextProperty(int id, const std::string& name) const;
    std::optional<std::string> NarrowProperty(int id, const std::string& name) const;
    std::optional<RgbValue> RgbProperty(int id, const std::string& name) const;
    // The user (or the host itself) changes a property; no event is sent.
    // False when the widget is not alive or the property is not of its
    // class and form.
    bool SetByUser(int id, const std::string& name, const PropertyValue& value);

    // Every call received since the last reset, oldest first.
    const std::vector<WidgetMessage>& Log() const { return log_; }
    // The logged calls with message number `message`.
    std::vector<WidgetMessage> LogOf(int message) const;
    void ClearLog() { log_.clear(); }

    // Faults on demand.
    // The next `count` creations answer id 0. The plug-in's wrapper of each
    // then goes on with id 0: the calls it may send (its class's properties
    // and events, its place among parents and children, the modal run of a
    // dialog) are ignored and logged as such, until the plug-in exits; any
    // other call on id 0 is a breach.
    void FailNextCreations(int count = 1) { failCreations_ = count; }
    // Classes of the creations refused since the reset or the last exit.
    const std::vector<std::string>& RefusedClasses() const { return refusedClasses_; }
    // The next creation gets `id` again, which must be a destroyed id: the
    // host reuses ids only when a test asks it to.
    void ReuseIdForNextCreation(int id) { reuseId_ = id; }
    // Property reads are left unanswered: the plug-in's preset stays.
    void LeaveReadsUnanswered(bool unanswered) { readsUnanswered_ = unanswered; }
    // The main-window lookup is left unanswered.
    void LeaveSystemLookupUnanswered(bool unanswered) { lookupUnanswered_ = unanswered; }

    // The document handed to widget event callbacks.
    void SetEventDocument(MQDocument document) { eventDocument_ = document; }
    MQDocument EventDocument() const { return eventDocument_; }

private:
    struct Widget {
        int id = 0;
        std::string widgetClass;
        int createdAs = 0;  // 1 for the first widget made, and so on; 0: the main window
        bool alive = true;
        bool ofPlugin = true;  // created by the plug-in (not the main window)
        bool inModalRun = false;
        bool ofEndedRun = false;  // alive when the plug-in exited
        int openBoxes = 0;        // message boxes open over this window
        int parent = 0;           // add child
        int ownerWindow = 0;      // add child window
        std::vector<int> children;
        std::vector<int> childWindows;
        std::map<std::string, PropertyValue> properties;
        std::vector<WidgetHandler> handlers;
    };

    const Widget* Find(int id) const;
    Widget* FindAlive(int id);
    // The live widget `id` or null after reporting why a message cannot
    // address it.
    Widget* Addressed(int id, const MessagePlace& where);
    // True when a creation of a class that `accepts` was refused: a call on
    // id 0 may then come from that class's wrapper.
    template <typename Accepts>
    bool RefusedOne(Accepts accepts) const {
        return std::any_of(refusedClasses_.begin(), refusedClasses_.end(),
                           [&](const std::string& refused) { return accepts(refused); });
    }
    // Marks the call just logged as ignored; the answer for it.
    int Ignore();
    void Destroy(Widget& widget);
    // Why `id` (with what it contains) cannot be destroyed now: a dialog
    // inside runs modally or a message box is open over a window inside;
    // empty when it can.
    std::string BusyInside(int id) const;
    // Reports each of `ids` (all widgets of the plug-in when null) that is
    // still alive after the exit.
    void ReportLiveAfterExit(const std::vector<int>* ids = nullptr);
    void DumpWidget(const Widget& widget, int depth, std::string& out) const;

    int Create(KeyValuePair* list, const MessagePlace& where);
    int DestroyMessage(int id, KeyValuePair* list, const MessagePlace& where);
    // One side of an add child or add child window: the live widget `id`
    // when `fits(class, made by the plug-in)` holds for it (else reported);
    // null when `id` is 0 as the wrapper of a refused creation that fits;
    // nothing when the call ends here.
    template <typename Fits>
    std::optional<Widget*> TreeSide(int id, const MessagePlace& where, Fits fits,
                                    const char* misfit);
    int AddChild(int id, KeyValuePair* list, const MessagePlace& where);
    int AddChildWindow(int id, KeyValuePair* list, const MessagePlace& where);
    // The widget and property a one-property read or set addresses, after the
    // checks both share; no property when the call ends there (reported). A
    // call on id 0 from the wrapper of a refused creation has the property
    // but no widget: it is checked like any other, then ignored.
    struct PropertyCall {
        Widget* widget = nullptr;
        const PropertyInfo* propertyInfo = nullptr;
        bool refused = false;
    };
    PropertyCall CheckPropertyCall(int id, KeyValuePair* list, const MessagePlace& where,
                                   const char* verb);
    int GetProperty(int id, KeyValuePair* list, const MessagePlace& where);
    int SetProperty(int id, KeyValuePair* list, const MessagePlace& where);
    int AddEvent(int id, KeyValuePair* list, const MessagePlace& where);
    int Run(int id, KeyValuePair* list, const MessagePlace& where);
    int SystemLookup(int id, KeyValuePair* list, const MessagePlace& where);

    std::map<int, Widget> widgets_;
    std::vector<int> creationOrder_;
    int creations_ = 0;  // widgets made since the reset
    std::vector<WidgetMessage> log_;
    int mainWindow_ = 0;
    int nextId_ = 0;
    int failCreations_ = 0;
    std::vector<std::string> refusedClasses_;
    int reuseId_ = 0;
    bool readsUnanswered_ = false;
    bool lookupUnanswered_ = false;
    MQDocument eventDocument_ = nullptr;
    int eventDepth_ = 0;
    bool exitCheckPending_ = false;
    // The plug-in's widgets when a nested exit came (every exit of the nest
    // adds its own): those must be gone once the outermost event has
    // returned (a later start makes new ones).
    std::vector<int> aliveAtExit_;
};

WidgetModel& Widgets();

}  // namespace sim
