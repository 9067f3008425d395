#include "simhost/widgets/widget_model.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "simhost/contract/violations.h"
#include "simhost/widgets/widget_dialogs.h"

namespace sim {

WidgetModel& Widgets() {
    // A host starts with its main window, reset or not.
    static WidgetModel model = [] {
        WidgetModel fresh;
        fresh.Reset();
        return fresh;
    }();
    return model;
}

namespace {

// Ids start well above small numbers, so that an index passed as an id
// does not land on a widget by chance.
constexpr int kMainWindowId = 100;

const KeyValuePair* FindPair(const KeyValuePair* list, const char* key) {
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair) {
        if (std::strcmp(pair->key, key) == 0) return pair;
    }
    return nullptr;
}

int CountPairs(const KeyValuePair* list) {
    int count = 0;
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair) ++count;
    return count;
}

// The value of a key the message needs; null after reporting a missing key
// or a null value.
void* Required(const KeyValuePair* list, const char* key, const std::string& where) {
    const KeyValuePair* pair = FindPair(list, key);
    if (pair == nullptr) {
        ReportViolation(where + ": the list has no \"" + key + "\"");
        return nullptr;
    }
    if (pair->value == nullptr) {
        ReportViolation(where + ": \"" + key + "\" has a null value pointer");
        return nullptr;
    }
    return pair->value;
}

std::string MessageName(int message) {
    switch (message) {
    case widget_msg::kRun: return "run 0x001";
    case widget_msg::kSystemLookup: return "system lookup 0x100";
    case widget_msg::kCreate: return "create 0x101";
    case widget_msg::kDestroy: return "destroy 0x102";
    case widget_msg::kAddChild: return "add child 0x201";
    case widget_msg::kAddChildWindow: return "add child window 0x203";
    case widget_msg::kGetProperty: return "get property 0x301";
    case widget_msg::kSetProperty: return "set property 0x302";
    case widget_msg::kAddEvent: return "add event 0x304";
    }
    return "message " + std::to_string(message);
}

bool IsKnownEvent(const std::string& type) {
    static const char* const kEvents[] = {
        "leftdown",  "leftup",  "leftdoubleclick",  "middledown", "middleup",   "middledoubleclick",
        "rightdown", "rightup", "rightdoubleclick", "mousemove",  "mousewheel", "keydown",
        "keyup",     "paint",   "execute",          "changing",   "changed",    "hide",
        "show"};
    for (const char* known : kEvents) {
        if (type == known) return true;
    }
    return false;
}

bool IsControlClass(std::string_view widgetClass) {
    return IsKnownWidgetClass(widgetClass) && !IsWindowClass(widgetClass);
}

std::string Describe(int id, const std::string& widgetClass) {
    return "widget " + std::to_string(id) + " (" + widgetClass + ")";
}

}  // namespace

void WidgetModel::Reset() {
    *this = WidgetModel{};
    Dialogs().Reset();
    mainWindow_ = kMainWindowId;
    nextId_ = kMainWindowId + 1;
    Widget main;
    main.id = mainWindow_;
    main.widgetClass = "window";
    main.ofPlugin = false;
    for (auto& [name, value] : InitialProperties("window")) main.properties[name] = value;
    main.properties["visible"] = true;
    main.properties["title"] = std::u16string(u"Main window");
    main.properties["pos_x"] = 0;
    main.properties["pos_y"] = 0;
    widgets_[mainWindow_] = std::move(main);
}

// ---- the plug-in's calls --------------------------------------------------

int WidgetModel::HandleMessage(int id, int message, KeyValuePair* list) {
    const std::string where =
        "MQWidget_Value(" + MessageName(message) + ", widget " + std::to_string(id) + ")";
    WidgetMessage logged;
    logged.id = id;
    logged.message = message;
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair)
        logged.keys.emplace_back(pair->key);
    if (message == widget_msg::kGetProperty || message == widget_msg::kSetProperty) {
        if (!logged.keys.empty()) logged.name = logged.keys.front();
    } else {
        const char* nameKey = message == widget_msg::kSystemLookup ? "system" : "type";
        const KeyValuePair* pair = FindPair(list, nameKey);
        if (pair != nullptr && pair->value != nullptr) {
            logged.name = ReadNarrowText(pair->value).value_or("");
        }
        const KeyValuePair* child = FindPair(list, "child");
        if (child != nullptr && child->value != nullptr)
            logged.child = *static_cast<int*>(child->value);
    }
    log_.push_back(std::move(logged));

    if (list == nullptr) {
        ReportViolation(where + ": null list");
        return 0;
    }
    switch (message) {
    case widget_msg::kCreate: return Create(list, where + " of \"" + log_.back().name + "\"");
    case widget_msg::kDestroy: return DestroyMessage(id, list, where);
    case widget_msg::kAddChild: return AddChild(id, list, where);
    case widget_msg::kAddChildWindow: return AddChildWindow(id, list, where);
    case widget_msg::kGetProperty: return GetProperty(id, list, where);
    case widget_msg::kSetProperty: return SetProperty(id, list, where);
    case widget_msg::kAddEvent: return AddEvent(id, list, where);
    case widget_msg::kRun: return Run(id, list, where);
    case widget_msg::kSystemLookup: return SystemLookup(id, list, where);
    }
    ReportViolation(where + ": unknown message number");
    return 0;
}

const WidgetModel::Widget* WidgetModel::Find(int id) const {
    auto found = widgets_.find(id);
    return found != widgets_.end() ? &found->second : nullptr;
}

WidgetModel::Widget* WidgetModel::FindAlive(int id) {
    auto found = widgets_.find(id);
    return found != widgets_.end() && found->second.alive ? &found->second : nullptr;
}

WidgetModel::Widget* WidgetModel::Addressed(int id, const std::string& where) {
    auto found = widgets_.find(id);
    if (found == widgets_.end()) {
        std::string why;
        if (id == 0 && !refusedClasses_.empty()) {
            why = " (no refused creation sends this: refused were";
            for (const std::string& refused : refusedClasses_) why += " " + refused;
            why += ")";
        }
        ReportViolation(where + ": widget " + std::to_string(id) + " does not exist" + why);
        return nullptr;
    }
    if (!found->second.alive) {
        ReportViolation(where + ": " + Describe(id, found->second.widgetClass) + " was destroyed");
        return nullptr;
    }
    return &found->second;
}

template <typename Accepts>
bool WidgetModel::RefusedOne(Accepts accepts) const {
    return std::any_of(refusedClasses_.begin(), refusedClasses_.end(),
                       [&](const std::string& refused) { return accepts(refused); });
}

int WidgetModel::Ignore() {
    log_.back().ignored = true;
    return 1;
}

int WidgetModel::Create(KeyValuePair* list, const std::string& where) {
    auto* type = Required(list, "type", where);
    auto* out = static_cast<int*>(Required(list, "id", where));
    if (type == nullptr || out == nullptr) return 0;
    std::string widgetClass = ReadNarrowText(type).value_or("");
    if (!IsKnownWidgetClass(widgetClass)) {
        ReportViolation(where + ": the host has no widget class \"" + widgetClass + "\"");
        return 0;
    }
    if (failCreations_ > 0) {
        --failCreations_;
        refusedClasses_.push_back(widgetClass);
        *out = 0;
        return 1;
    }
    int newId = nextId_;
    if (reuseId_ != 0) {
        const Widget* old = Find(reuseId_);
        if (old != nullptr && !old->alive) newId = reuseId_;
        reuseId_ = 0;
    }
    if (newId == nextId_) ++nextId_;
    Widget widget;
    widget.id = newId;
    widget.widgetClass = widgetClass;
    for (auto& [name, value] : InitialProperties(widgetClass)) widget.properties[name] = value;
    widgets_[newId] = std::move(widget);
    creationOrder_.erase(std::remove(creationOrder_.begin(), creationOrder_.end(), newId),
                         creationOrder_.end());
    creationOrder_.push_back(newId);
    *out = newId;
    return 1;
}

int WidgetModel::DestroyMessage(int id, KeyValuePair* list, const std::string& where) {
    Widget* widget = Addressed(id, where);
    if (widget == nullptr) return 0;
    if (!widget->ofPlugin) {
        ReportViolation(where + ": the plug-in destroyed the host's main window");
        return 0;
    }
    if (CountPairs(list) != 0) ReportViolation(where + ": the list is not empty");
    if (widget->inModalRun) {
        ReportViolation(where + ": the dialog is still running modally");
    } else if (std::string busy = BusyInside(id); !busy.empty()) {
        ReportViolation(where + ": " + busy);
    }
    Destroy(*widget);
    return 1;
}

void WidgetModel::Destroy(Widget& widget) {
    widget.alive = false;
    widget.handlers.clear();
    // Children and child windows go with their widget.
    for (int child : widget.children) {
        if (Widget* alive = FindAlive(child)) Destroy(*alive);
    }
    for (int child : widget.childWindows) {
        if (Widget* alive = FindAlive(child)) Destroy(*alive);
    }
    if (Widget* parent = FindAlive(widget.parent)) {
        std::erase(parent->children, widget.id);
    }
    if (Widget* owner = FindAlive(widget.ownerWindow)) {
        std::erase(owner->childWindows, widget.id);
    }
}

std::string WidgetModel::BusyInside(int id) const {
    const Widget* widget = Find(id);
    if (widget == nullptr || !widget->alive) return {};
    if (widget->inModalRun)
        return Describe(id, widget->widgetClass) + " inside is still running modally";
    if (widget->openBoxes > 0)
        return "a message box over " + Describe(id, widget->widgetClass) + " is still open";
    for (const std::vector<int>* inside : {&widget->children, &widget->childWindows}) {
        for (int child : *inside) {
            if (std::string busy = BusyInside(child); !busy.empty()) return busy;
        }
    }
    return {};
}

bool WidgetModel::Contains(int root, int id) const {
    if (root == id) return true;
    const Widget* widget = Find(root);
    if (widget == nullptr) return false;
    for (int child : widget->children) {
        if (Contains(child, id)) return true;
    }
    for (int child : widget->childWindows) {
        if (Contains(child, id)) return true;
    }
    return false;
}

template <typename Fits>
std::optional<WidgetModel::Widget*> WidgetModel::TreeSide(int id, const std::string& where,
                                                          Fits fits, const char* misfit) {
    // After the host refused a creation, the plug-in goes on with id 0 as
    // that wrapper: a refused frame or window as a parent, a refused control
    // as a child, a refused window or dialog as either side of a child window.
    if (id == 0 && RefusedOne([&](const std::string& refused) { return fits(refused, true); }))
        return nullptr;
    Widget* widget = Addressed(id, where);
    if (widget == nullptr) return std::nullopt;
    if (!fits(widget->widgetClass, widget->ofPlugin)) {
        ReportViolation(where + ": " + Describe(id, widget->widgetClass) + misfit);
        return std::nullopt;
    }
    return widget;
}

int WidgetModel::AddChild(int id, KeyValuePair* list, const std::string& where) {
    auto* child = static_cast<int*>(Required(list, "child", where));
    auto* result = static_cast<int*>(Required(list, "result", where));
    if (child == nullptr || result == nullptr) return 0;
    const std::optional<Widget*> parent = TreeSide(
        id, where, [](std::string_view widgetClass, bool) { return IsContainerClass(widgetClass); },
        " takes no children");
    if (!parent) return 0;
    const std::optional<Widget*> added = TreeSide(
        *child, where + " child",
        [](std::string_view widgetClass, bool ofPlugin) {
            return IsControlClass(widgetClass) && ofPlugin;
        },
        " is a window, not a control");
    if (!added) return 0;
    // The side that is not a refused wrapper is checked; the call is ignored.
    if (*parent == nullptr || *added == nullptr) return Ignore();
    if ((*added)->parent != 0 || Contains(*child, id)) {
        ReportViolation(
            where + ": " + Describe(*child, (*added)->widgetClass) +
            ((*added)->parent != 0 ? " already has a parent" : " would contain its own parent"));
        return 0;
    }
    (*added)->parent = id;
    (*parent)->children.push_back(*child);
    *result = static_cast<int>((*parent)->children.size()) - 1;
    return 1;
}

int WidgetModel::AddChildWindow(int id, KeyValuePair* list, const std::string& where) {
    auto* child = static_cast<int*>(Required(list, "child", where));
    auto* result = static_cast<int*>(Required(list, "result", where));
    if (child == nullptr || result == nullptr) return 0;
    const std::optional<Widget*> owner = TreeSide(
        id, where, [](std::string_view widgetClass, bool) { return IsWindowClass(widgetClass); },
        " is not a window");
    if (!owner) return 0;
    const std::optional<Widget*> window = TreeSide(
        *child, where + " child",
        [](std::string_view widgetClass, bool ofPlugin) {
            return IsWindowClass(widgetClass) && ofPlugin;
        },
        " cannot be a child window");
    if (!window) return 0;
    if (*owner == nullptr || *window == nullptr) return Ignore();
    if ((*window)->ownerWindow != 0 || Contains(*child, id)) {
        ReportViolation(where + ": " + Describe(*child, (*window)->widgetClass) +
                        " already belongs to a window");
        return 0;
    }
    (*window)->ownerWindow = id;
    (*owner)->childWindows.push_back(*child);
    *result = static_cast<int>((*owner)->childWindows.size()) - 1;
    return 1;
}

WidgetModel::PropertyCall WidgetModel::CheckPropertyCall(int id, KeyValuePair* list,
                                                         const std::string& where,
                                                         const char* verb) {
    PropertyCall call;
    if (CountPairs(list) != 1) {
        ReportViolation(where + ": a " + verb + " carries exactly one property, got " +
                        std::to_string(CountPairs(list)));
        return call;
    }
    const std::string name = list[0].key;
    // The wrapper of a refused creation goes on with id 0, with the
    // properties of its class.
    const PropertySpec* refusedProperty = nullptr;
    if (id == 0) {
        RefusedOne([&](const std::string& refused) {
            refusedProperty = FindPropertySpec(refused, name);
            return refusedProperty != nullptr;
        });
    }
    Widget* widget = nullptr;
    const PropertySpec* propertySpec = refusedProperty;
    if (refusedProperty == nullptr) {
        widget = Addressed(id, where);
        if (widget == nullptr) return call;
        propertySpec = FindPropertySpec(widget->widgetClass, name);
        if (propertySpec == nullptr) {
            ReportViolation(where + ": " + Describe(id, widget->widgetClass) +
                            " has no property \"" + name + "\"");
            return call;
        }
    }
    if (list[0].value == nullptr) {
        ReportViolation(where + ": \"" + name + "\" has a null value pointer");
        return call;
    }
    call.widget = widget;
    call.propertySpec = propertySpec;
    call.refused = widget == nullptr;
    return call;
}

int WidgetModel::GetProperty(int id, KeyValuePair* list, const std::string& where) {
    PropertyCall call = CheckPropertyCall(id, list, where, "read");
    if (call.propertySpec == nullptr) return 0;
    const std::string name = list[0].key;
    if (!IsReadableForm(call.propertySpec->form)) {
        ReportViolation(where + ": \"" + name + "\" (" + FormName(call.propertySpec->form) +
                        ") cannot be read through an out variable");
        return 0;
    }
    if (call.refused) return Ignore();
    if (readsUnanswered_) return 1;
    WriteValue(call.widget->properties.at(name), list[0].value);
    return 1;
}

int WidgetModel::SetProperty(int id, KeyValuePair* list, const std::string& where) {
    PropertyCall call = CheckPropertyCall(id, list, where, "set");
    if (call.propertySpec == nullptr) return 0;
    const std::string name = list[0].key;
    std::string problem;
    std::optional<PropertyValue> value = ReadValue(*call.propertySpec, list[0].value, problem);
    if (!value) {
        ReportViolation(where + ": \"" + name + "\" is not in its form (" +
                        FormName(call.propertySpec->form) + "): " + problem);
        return 0;
    }
    if (call.refused) return Ignore();
    call.widget->properties[name] = *value;
    return 1;
}

int WidgetModel::AddEvent(int id, KeyValuePair* list, const std::string& where) {
    auto* type = Required(list, "type", where);
    auto* proc = Required(list, "proc", where);
    auto* pointer = Required(list, "pointer", where);
    auto* prior = static_cast<unsigned char*>(Required(list, "prior", where));
    if (type == nullptr || proc == nullptr || pointer == nullptr || prior == nullptr) return 0;
    std::string event = ReadNarrowText(type).value_or("");
    if (!IsKnownEvent(event)) {
        ReportViolation(where + ": the host has no event \"" + event + "\"");
        return 0;
    }
    if (*prior > 1) {
        ReportViolation(where + ": \"prior\" is not a bool byte");
        return 0;
    }
    // Any refused wrapper may bind handlers; the host never calls them.
    if (id == 0 && RefusedOne([](const std::string&) { return true; })) return Ignore();
    Widget* widget = Addressed(id, where);
    if (widget == nullptr) return 0;
    WidgetHandler handler;
    handler.type = event;
    handler.proc = reinterpret_cast<WidgetEventProcType>(proc);
    handler.pointer = pointer;
    handler.prior = *prior == 1;
    widget->handlers.push_back(handler);
    return 1;
}

int WidgetModel::Run(int id, KeyValuePair* list, const std::string& where) {
    auto* type = Required(list, "type", where);
    auto* result = static_cast<int*>(Required(list, "result", where));
    if (type == nullptr || result == nullptr) return 0;
    std::string kind = ReadNarrowText(type).value_or("");
    if (kind == "messagebox") {
        if (id != 0) ReportViolation(where + ": a message box is run with widget id 0");
        auto* messageType = Required(list, "messagetype", where);
        auto* parent = static_cast<int*>(Required(list, "parent", where));
        auto* message = Required(list, "message", where);
        auto* title = Required(list, "title", where);
        if (messageType == nullptr || parent == nullptr || message == nullptr || title == nullptr)
            return 0;
        MessageBoxRecord box;
        box.parent = *parent;
        box.messageType = ReadNarrowText(messageType).value_or("");
        if (box.messageType != "okcancel" && box.messageType != "ok" &&
            box.messageType != "yesno" && box.messageType != "yesnocancel") {
            ReportViolation(where + ": unknown message box type \"" + box.messageType + "\"");
            return 0;
        }
        if (*parent != 0) {
            const Widget* window = Addressed(*parent, where + " parent");
            if (window == nullptr) return 0;
            if (!IsWindowClass(window->widgetClass)) {
                ReportViolation(where + ": the parent " + Describe(*parent, window->widgetClass) +
                                " is not a window");
                return 0;
            }
        }
        std::optional<std::u16string> messageText = ReadWideText(message);
        std::optional<std::u16string> titleText = ReadWideText(title);
        if (!messageText || !titleText) {
            ReportViolation(where + ": message or title is not NUL-terminated UTF-16 text");
            return 0;
        }
        box.message = *messageText;
        box.title = *titleText;
        const int over = *parent;
        if (Widget* window = FindAlive(over)) ++window->openBoxes;
        // The user and the host act now; nothing here may hold on to a
        // widget across it.
        std::optional<int> answer = Dialogs().AnswerMessageBox(std::move(box));
        if (Widget* window = FindAlive(over)) --window->openBoxes;
        if (answer) *result = *answer;
        return 1;
    }
    if (kind == "modal") {
        // A refused dialog runs as id 0: the host shows nothing and answers
        // nothing.
        if (id == 0 && RefusedOne([](const std::string& refused) { return refused == "dialog"; }))
            return Ignore();
        Widget* dialog = Addressed(id, where);
        if (dialog == nullptr) return 0;
        if (dialog->widgetClass != "dialog") {
            ReportViolation(where + ": " + Describe(id, dialog->widgetClass) + " is not a dialog");
            return 0;
        }
        if (dialog->inModalRun) {
            ReportViolation(where + ": the dialog is already running modally");
            return 0;
        }
        dialog->inModalRun = true;
        dialog->properties["visible"] = true;
        // The user acts now; nothing here may hold on to a widget across it.
        std::optional<int> answer = Dialogs().RunModal(id);
        if (Widget* after = FindAlive(id)) {
            after->inModalRun = false;
            after->properties["visible"] = false;
        }
        if (answer) *result = *answer;
        return 1;
    }
    ReportViolation(where + ": unknown run type \"" + kind + "\"");
    return 0;
}

int WidgetModel::SystemLookup(int id, KeyValuePair* list, const std::string& where) {
    auto* system = Required(list, "system", where);
    auto* result = static_cast<int*>(Required(list, "result", where));
    if (system == nullptr || result == nullptr) return 0;
    if (id != 0) ReportViolation(where + ": a system lookup is sent with widget id 0");
    std::string name = ReadNarrowText(system).value_or("");
    if (name != "main_window") {
        ReportViolation(where + ": unknown system widget \"" + name + "\"");
        return 0;
    }
    if (!lookupUnanswered_) *result = mainWindow_;
    return 1;
}

// ---- what tests see ---------------------------------------------------------

bool WidgetModel::Exists(int id) const { return Find(id) != nullptr; }

bool WidgetModel::IsAlive(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr && widget->alive;
}

std::string WidgetModel::ClassOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr ? widget->widgetClass : std::string();
}

int WidgetModel::ParentOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr ? widget->parent : 0;
}

std::vector<int> WidgetModel::ChildrenOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr ? widget->children : std::vector<int>{};
}

std::vector<int> WidgetModel::ChildWindowsOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr ? widget->childWindows : std::vector<int>{};
}

std::vector<WidgetHandler> WidgetModel::HandlersOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr && widget->alive ? widget->handlers : std::vector<WidgetHandler>{};
}

std::vector<int> WidgetModel::LiveWidgetsOfPlugin() const {
    std::vector<int> live;
    for (int id : creationOrder_) {
        const Widget* widget = Find(id);
        if (widget != nullptr && widget->alive && widget->ofPlugin) live.push_back(id);
    }
    return live;
}

std::vector<int> WidgetModel::FindByText(const std::string& widgetClass, const std::u16string& text,
                                         int within) const {
    std::vector<int> found;
    for (int id : creationOrder_) {
        const Widget* widget = Find(id);
        if (widget == nullptr || !widget->alive || widget->widgetClass != widgetClass) continue;
        if (within != 0 && !Contains(within, id)) continue;
        auto caption = widget->properties.find("text");
        if (caption != widget->properties.end() && caption->second == PropertyValue(text))
            found.push_back(id);
    }
    return found;
}

std::optional<PropertyValue> WidgetModel::Property(int id, const std::string& name) const {
    const Widget* widget = Find(id);
    if (widget == nullptr) return std::nullopt;
    auto found = widget->properties.find(name);
    if (found == widget->properties.end()) return std::nullopt;
    return found->second;
}

namespace {
template <typename V>
std::optional<V> As(const std::optional<PropertyValue>& value) {
    if (!value || !std::holds_alternative<V>(*value)) return std::nullopt;
    return std::get<V>(*value);
}
}  // namespace

std::optional<bool> WidgetModel::BoolProperty(int id, const std::string& name) const {
    return As<bool>(Property(id, name));
}
std::optional<int> WidgetModel::IntProperty(int id, const std::string& name) const {
    return As<int>(Property(id, name));
}
std::optional<double> WidgetModel::DoubleProperty(int id, const std::string& name) const {
    return As<double>(Property(id, name));
}
std::optional<std::u16string> WidgetModel::TextProperty(int id, const std::string& name) const {
    return As<std::u16string>(Property(id, name));
}
std::optional<std::string> WidgetModel::NarrowProperty(int id, const std::string& name) const {
    return As<std::string>(Property(id, name));
}
std::optional<RgbValue> WidgetModel::RgbProperty(int id, const std::string& name) const {
    return As<RgbValue>(Property(id, name));
}

bool WidgetModel::SetByUser(int id, const std::string& name, const PropertyValue& value) {
    Widget* widget = FindAlive(id);
    if (widget == nullptr) return false;
    const PropertySpec* propertySpec = FindPropertySpec(widget->widgetClass, name);
    if (propertySpec == nullptr || propertySpec->form != FormOf(value)) return false;
    widget->properties[name] = value;
    return true;
}

std::vector<WidgetMessage> WidgetModel::LogOf(int message) const {
    std::vector<WidgetMessage> selected;
    for (const WidgetMessage& logged : log_) {
        if (logged.message == message) selected.push_back(logged);
    }
    return selected;
}

void WidgetModel::CheckAfterExit() {
    if (eventDepth_ > 0) {
        if (!exitCheckPending_) aliveAtExit_ = LiveWidgetsOfPlugin();
        exitCheckPending_ = true;
        return;
    }
    ReportLiveAfterExit();
}

void WidgetModel::EndEvent() {
    if (eventDepth_ > 0) --eventDepth_;
    if (eventDepth_ > 0 || !exitCheckPending_) return;
    exitCheckPending_ = false;
    const std::vector<int> ids = std::move(aliveAtExit_);
    aliveAtExit_.clear();
    ReportLiveAfterExit(&ids);
}

void WidgetModel::ReportLiveAfterExit(const std::vector<int>* ids) {
    // No wrapper of the plug-in outlives its exit, a refused one included.
    refusedClasses_.clear();
    for (int id : ids != nullptr ? *ids : LiveWidgetsOfPlugin()) {
        if (!IsAlive(id)) continue;
        const Widget& widget = *Find(id);
        std::string what = "after exit: " + Describe(id, widget.widgetClass);
        auto caption = widget.properties.find("text");
        if (caption != widget.properties.end()) {
            what += ' ';
            what += sim::Describe(caption->second);
        }
        ReportViolation(what + " is still alive");
    }
}

// ---- dump -------------------------------------------------------------------

void WidgetModel::DumpWidget(const Widget& widget, int depth, std::string& out) const {
    out += std::string(2 * depth + 2, ' ') + "#" + std::to_string(widget.id) + " " +
           widget.widgetClass;
    if (!widget.ofPlugin) out += " (main window)";
    for (const auto& [name, value] : widget.properties)
        out += " " + name + "=" + sim::Describe(value);
    for (const WidgetHandler& handler : widget.handlers) out += " on:" + handler.type;
    out += "\n";
    for (int child : widget.children) {
        if (const Widget* alive = Find(child)) DumpWidget(*alive, depth + 1, out);
    }
    for (int child : widget.childWindows) {
        if (const Widget* alive = Find(child)) {
            out += std::string(2 * depth + 4, ' ') + "child window:\n";
            DumpWidget(*alive, depth + 2, out);
        }
    }
}

std::string WidgetModel::Dump() const {
    std::string out = "widgets:\n";
    if (const Widget* main = Find(mainWindow_)) DumpWidget(*main, 0, out);
    std::string loose;
    std::string destroyed;
    for (int id : creationOrder_) {
        const Widget& widget = *Find(id);
        if (!widget.alive) {
            destroyed += " " + std::to_string(id);
        } else if (widget.parent == 0 && widget.ownerWindow == 0) {
            DumpWidget(widget, 1, loose);
        }
    }
    if (!loose.empty()) out += "  not placed:\n" + loose;
    if (!destroyed.empty()) out += "  destroyed:" + destroyed + "\n";
    if (!refusedClasses_.empty()) {
        out += "  refused creations:";
        for (const std::string& refused : refusedClasses_) out += " " + refused;
        const auto ignored = std::count_if(
            log_.begin(), log_.end(), [](const WidgetMessage& logged) { return logged.ignored; });
        out += "; calls on id 0 ignored: " + std::to_string(ignored) + "\n";
    }
    return out;
}

}  // namespace sim
