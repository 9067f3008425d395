// The widget messages that build and take apart the widget tree: creation,
// destruction, add child and add child window, each checked before it acts.
#include "simhost/widgets/widget_model.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "simhost/contract/violations.h"
#include "simhost/host_changes.h"
#include "simhost/widgets/widget_calls.h"

namespace sim {

namespace {

bool IsControlClass(std::string_view widgetClass) {
    return IsKnownWidgetClass(widgetClass) && !IsWindowClass(widgetClass);
}

}  // namespace

int WidgetModel::Create(KeyValuePair* list, const MessagePlace& where) {
    auto* type = RequiredValue(list, "type", where);
    auto* out = static_cast<int*>(RequiredValue(list, "id", where));
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
    widget.createdAs = ++creations_;
    for (auto& [name, value] : InitialProperties(widgetClass)) widget.properties[name] = value;
    widgets_[newId] = std::move(widget);
    creationOrder_.erase(std::remove(creationOrder_.begin(), creationOrder_.end(), newId),
                         creationOrder_.end());
    creationOrder_.push_back(newId);
    *out = newId;
    TellHostChange([&] { return where + ": made " + DescribeWidget(newId, widgetClass); });
    return 1;
}

int WidgetModel::DestroyMessage(int id, KeyValuePair* list, const MessagePlace& where) {
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
    TellHostChange(
        [&] { return where + ": destroyed " + DescribeWidget(id, widget->widgetClass); });
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
        return DescribeWidget(id, widget->widgetClass) + " inside is still running modally";
    if (widget->openBoxes > 0)
        return "a message box over " + DescribeWidget(id, widget->widgetClass) + " is still open";
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
std::optional<WidgetModel::Widget*> WidgetModel::TreeSide(int id, const MessagePlace& where,
                                                          Fits fits, const char* misfit) {
    // After the host refused a creation, the plug-in goes on with id 0 as
    // that wrapper: a refused frame or window as a parent, a refused control
    // as a child, a refused window or dialog as either side of a child window.
    if (id == 0 && RefusedOne([&](const std::string& refused) { return fits(refused, true); }))
        return nullptr;
    Widget* widget = Addressed(id, where);
    if (widget == nullptr) return std::nullopt;
    if (!fits(widget->widgetClass, widget->ofPlugin)) {
        ReportViolation(where + ": " + DescribeWidget(id, widget->widgetClass) + misfit);
        return std::nullopt;
    }
    return widget;
}

int WidgetModel::AddChild(int id, KeyValuePair* list, const MessagePlace& where) {
    auto* child = static_cast<int*>(RequiredValue(list, "child", where));
    auto* result = static_cast<int*>(RequiredValue(list, "result", where));
    if (child == nullptr || result == nullptr) return 0;
    const std::optional<Widget*> parent = TreeSide(
        id, where, [](std::string_view widgetClass, bool) { return IsContainerClass(widgetClass); },
        " takes no children");
    if (!parent) return 0;
    const std::optional<Widget*> added = TreeSide(
        *child, where.Side("child"),
        [](std::string_view widgetClass, bool ofPlugin) {
            return IsControlClass(widgetClass) && ofPlugin;
        },
        " is a window, not a control");
    if (!added) return 0;
    // The side that is not a refused wrapper is checked; the call is ignored.
    if (*parent == nullptr || *added == nullptr) return Ignore();
    if ((*added)->parent != 0 || Contains(*child, id)) {
        ReportViolation(
            where + ": " + DescribeWidget(*child, (*added)->widgetClass) +
            ((*added)->parent != 0 ? " already has a parent" : " would contain its own parent"));
        return 0;
    }
    (*added)->parent = id;
    (*parent)->children.push_back(*child);
    *result = static_cast<int>((*parent)->children.size()) - 1;
    return 1;
}

int WidgetModel::AddChildWindow(int id, KeyValuePair* list, const MessagePlace& where) {
    auto* child = static_cast<int*>(RequiredValue(list, "child", where));
    auto* result = static_cast<int*>(RequiredValue(list, "result", where));
    if (child == nullptr || result == nullptr) return 0;
    const std::optional<Widget*> owner = TreeSide(
        id, where, [](std::string_view widgetClass, bool) { return IsWindowClass(widgetClass); },
        " is not a window");
    if (!owner) return 0;
    const std::optional<Widget*> window = TreeSide(
        *child, where.Side("child"),
        [](std::string_view widgetClass, bool ofPlugin) {
            return IsWindowClass(widgetClass) && ofPlugin;
        },
        " cannot be a child window");
    if (!window) return 0;
    if (*owner == nullptr || *window == nullptr) return Ignore();
    if ((*window)->ownerWindow != 0 || Contains(*child, id)) {
        ReportViolation(where + ": " + DescribeWidget(*child, (*window)->widgetClass) +
                        " already belongs to a window");
        return 0;
    }
    (*window)->ownerWindow = id;
    (*owner)->childWindows.push_back(*child);
    *result = static_cast<int>((*owner)->childWindows.size()) - 1;
    return 1;
}

}  // namespace sim
