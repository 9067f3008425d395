// The widget messages that register event handlers and run something: a
// message box, a dialog's modal run (the user answers through the dialogs'
// queue meanwhile, and the host's events may come nested) and the main
// window's lookup.
#include "simhost/widgets/widget_model.h"

#include <optional>
#include <string>
#include <utility>

#include "simhost/contract/violations.h"
#include "simhost/widgets/widget_calls.h"
#include "simhost/widgets/widget_dialogs.h"

namespace sim {

namespace {

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

}  // namespace

int WidgetModel::AddEvent(int id, KeyValuePair* list, const MessagePlace& where) {
    auto* type = RequiredValue(list, "type", where);
    auto* proc = RequiredValue(list, "proc", where);
    auto* pointer = RequiredValue(list, "pointer", where);
    auto* prior = static_cast<unsigned char*>(RequiredValue(list, "prior", where));
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

int WidgetModel::Run(int id, KeyValuePair* list, const MessagePlace& where) {
    auto* type = RequiredValue(list, "type", where);
    auto* result = static_cast<int*>(RequiredValue(list, "result", where));
    if (type == nullptr || result == nullptr) return 0;
    std::string kind = ReadNarrowText(type).value_or("");
    if (kind == "messagebox") {
        if (id != 0) ReportViolation(where + ": a message box is run with widget id 0");
        auto* messageType = RequiredValue(list, "messagetype", where);
        auto* parent = static_cast<int*>(RequiredValue(list, "parent", where));
        auto* message = RequiredValue(list, "message", where);
        auto* title = RequiredValue(list, "title", where);
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
            const Widget* window = Addressed(*parent, where.Side("parent"));
            if (window == nullptr) return 0;
            if (!IsWindowClass(window->widgetClass)) {
                ReportViolation(where + ": the parent " +
                                DescribeWidget(*parent, window->widgetClass) + " is not a window");
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
            ReportViolation(where + ": " + DescribeWidget(id, dialog->widgetClass) +
                            " is not a dialog");
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

int WidgetModel::SystemLookup(int id, KeyValuePair* list, const MessagePlace& where) {
    auto* system = RequiredValue(list, "system", where);
    auto* result = static_cast<int*>(RequiredValue(list, "result", where));
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

}  // namespace sim
