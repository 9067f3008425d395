// The widget model: the host's widgets as a whole, the dispatch of each
// MQWidget_Value call to its message, what tests see of the widgets, the
// checks at the plug-in's exit and the dump. The messages themselves are in
// widget_model_tree.cpp (creation, destruction, children and child windows),
// widget_model_properties.cpp (reading and setting a property) and
// widget_model_runs.cpp (event handlers, message boxes, modal runs, the main
// window's lookup).
#include "simhost/widgets/widget_model.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "simhost/contract/violations.h"
#include "simhost/widgets/widget_calls.h"
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
    const MessagePlace where(message, id);
    WidgetMessage logged;
    logged.id = id;
    logged.message = message;
    logged.keys.reserve(static_cast<std::size_t>(CountPairs(list)));
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
    case widget_msg::kCreate: return Create(list, where.Creating(log_.back().name));
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

WidgetModel::Widget* WidgetModel::Addressed(int id, const MessagePlace& where) {
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
        ReportViolation(where + ": " + DescribeWidget(id, found->second.widgetClass) +
                        " was destroyed");
        return nullptr;
    }
    return &found->second;
}

int WidgetModel::Ignore() {
    log_.back().ignored = true;
    return 1;
}

// ---- what tests see ---------------------------------------------------------

bool WidgetModel::Exists(int id) const { return Find(id) != nullptr; }

bool WidgetModel::IsAlive(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr && widget->alive;
}

bool WidgetModel::OfEndedRun(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr && widget->ofEndedRun;
}

std::string WidgetModel::ClassOf(int id) const {
    const Widget* widget = Find(id);
    return widget != nullptr ? widget->widgetClass : std::string();
}

bool WidgetModel::IsShown(int id) const {
    // Parents and owners form a tree; the bound guards against a cycle a
    // faulty plug-in might have made.
    const Widget* widget = Find(id);
    for (std::size_t depth = 0; widget != nullptr && depth <= widgets_.size(); ++depth) {
        if (!widget->alive) return false;
        auto visible = widget->properties.find("visible");
        if (visible != widget->properties.end()) {
            const bool* shown = std::get_if<bool>(&visible->second);
            if (shown != nullptr && !*shown) return false;
        }
        const int next = widget->parent != 0 ? widget->parent : widget->ownerWindow;
        if (next == 0) return true;
        widget = Find(next);
    }
    return false;
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
    auto matches = [&](const Widget& widget) {
        if (widget.createdAs == 0 || !widget.alive || widget.widgetClass != widgetClass)
            return false;
        auto caption = widget.properties.find("text");
        if (caption == widget.properties.end()) return false;
        const auto* captionText = std::get_if<std::u16string>(&caption->second);
        return captionText != nullptr && *captionText == text;
    };
    std::vector<int> found;
    if (within == 0) {
        for (int id : creationOrder_) {
            const Widget* widget = Find(id);
            if (widget != nullptr && matches(*widget)) found.push_back(id);
        }
        return found;
    }
    // Only the window's own tree is walked: a long session has made far more
    // widgets than one window holds, and tests look up a panel's controls
    // after every step.
    std::vector<const Widget*> inside;
    std::vector<int> pending{within};
    while (!pending.empty()) {
        const Widget* widget = Find(pending.back());
        pending.pop_back();
        if (widget == nullptr) continue;
        if (matches(*widget)) inside.push_back(widget);
        pending.insert(pending.end(), widget->children.begin(), widget->children.end());
        pending.insert(pending.end(), widget->childWindows.begin(), widget->childWindows.end());
    }
    std::sort(inside.begin(), inside.end(),
              [](const Widget* a, const Widget* b) { return a->createdAs < b->createdAs; });
    inside.erase(std::unique(inside.begin(), inside.end()), inside.end());
    for (const Widget* widget : inside) found.push_back(widget->id);
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
    const PropertyInfo* propertyInfo = FindPropertyInfo(widget->widgetClass, name);
    if (propertyInfo == nullptr || propertyInfo->form != FormOf(value)) return false;
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
    const std::vector<int> live = LiveWidgetsOfPlugin();
    for (int id : live) widgets_[id].ofEndedRun = true;
    if (eventDepth_ > 0) {
        // A run started and ended again inside the same event adds its panel.
        for (int id : live)
            if (std::find(aliveAtExit_.begin(), aliveAtExit_.end(), id) == aliveAtExit_.end())
                aliveAtExit_.push_back(id);
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
        std::string what = "after exit: " + DescribeWidget(id, widget.widgetClass);
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
            // Appended in two steps: GCC 12 warns (-Wrestrict) on " " + a
            // temporary string, a false alarm of its own.
            destroyed += ' ';
            destroyed += std::to_string(id);
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
