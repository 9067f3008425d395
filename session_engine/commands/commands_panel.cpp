// The panel as the user works it: clicks on the rows' buttons with either
// mouse button and Shift or Ctrl, the answers to the panel's questions and
// the colour dialog, the check boxes, the spin box and closing the panel.
#include "session_engine/commands/commands.h"
#include "session_engine/panel/panel_user.h"
#include "session_engine/panel/panel_widgets.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

// What the dialogs of one user action came to, told after the action.
class DialogReport {
public:
    DialogReport() : boxes_(sim::Dialogs().MessageBoxes().size()) {}

    void Tell(Session& session, const std::vector<std::string>& colourLog) const {
        const auto& boxes = sim::Dialogs().MessageBoxes();
        for (std::size_t i = boxes_; i < boxes.size(); ++i) {
            std::string answer = !boxes[i].answer        ? "no answer, which counts as Cancel"
                                 : *boxes[i].answer == 1 ? "OK"
                                 : *boxes[i].answer == 2 ? "Cancel"
                                                         : std::to_string(*boxes[i].answer);
            session.Say("asked \"" + sim::Printable(boxes[i].message) + "\" in \"" +
                        sim::Printable(boxes[i].title) + "\": " + answer);
        }
        for (const std::string& line : colourLog) session.Say(line);
        // Answers are given for the next action's questions: what it did not
        // ask for goes now, told here, not to a question long after. Inside
        // an open question they may still be meant for one after it.
        if (sim::Dialogs().OpenNow() == 0) {
            const std::size_t dropped = sim::Dialogs().DropMessageBoxAnswers();
            if (dropped > 0)
                session.Say((dropped == 1 ? std::string("1 answer was")
                                          : std::to_string(dropped) + " answers were") +
                            " given for a question this action did not ask: dropped");
        } else if (std::size_t waiting = sim::Dialogs().PendingMessageBoxAnswers(); waiting > 0) {
            session.Say(waiting == 1
                            ? "1 answer still waits for a question"
                            : std::to_string(waiting) + " answers still wait for a question");
        }
        if (sim::Dialogs().PendingModalActions() > 0)
            session.Say("a colour choice waits for the next colour dialog");
        if (sim::Dialogs().PendingWhileMessageBoxOpen() > 0)
            session.Say("commands wait for the next question");
        if (sim::Dialogs().PendingWhileModalRunOpen() > 0)
            session.Say("commands wait for the next colour dialog");
    }

private:
    std::size_t boxes_;
};

// The colour choices stay queued in the host until a dialog takes them, so
// the log they write must outlive the command that queued them.
std::vector<std::string>& ColourLog() {
    static std::vector<std::string> log;
    return log;
}

void Outcome(Session& session, const std::string& what, const sim::EventOutcome& outcome) {
    session.SetLastAnswer(outcome.answer);
    if (outcome.hidden)
        throw SessionError(what + ": the panel is hidden, so no click or key reaches it; the " +
                           "host shows it when the plug-in is activated (\"activate\")");
    if (!outcome.delivered) {
        session.Say(what + ": the widget is gone");
    } else if (outcome.handlersCalled == 0) {
        session.Say(what + ": no handler of the plug-in");
    } else {
        session.Say(what + ": handler answered " + std::to_string(outcome.answer));
    }
}

void Click(Session& session, Arguments& args) {
    session.RequireStarted();
    bool right = false, shift = false, ctrl = false;
    int kind = -1, row = -1;
    while (args.More()) {
        std::string word = args.Peek();
        if (args.Take("right")) {
            right = true;
            continue;
        }
        if (args.Take("left")) {
            right = false;
            continue;
        }
        if (args.Take("shift")) {
            shift = true;
            continue;
        }
        if (args.Take("ctrl")) {
            ctrl = true;
            continue;
        }
        if (kind < 0) {
            kind = args.Choice("button", {"toggle", "set", "clr"});
            continue;
        }
        if (row < 0) {
            row = args.Int("row");
            continue;
        }
        args.Fail("unexpected \"" + word + "\"");
    }
    if (kind < 0 || row < 0) args.Fail("name a button and its row");
    int button = RowButton(kind, row);
    std::string what = std::string(right ? "right" : "left") + " click on " +
                       Quoted(Caption(button)) + " in row " + std::to_string(row) +
                       (shift ? " with Shift" : "") + (ctrl ? " with Ctrl" : "");
    // Found before the click: the host may take the panel away during it
    // (an exit while its question is open).
    const int toggle = RowButton(0, row);
    ColourLog().clear();
    DialogReport report;
    sim::PointerInfo pointer = PointerAt(button, shift, ctrl);
    sim::EventOutcome outcome =
        right ? sim::UserRightDown(button, pointer) : sim::UserLeftDown(button, pointer);
    Outcome(session, what, outcome);
    report.Tell(session, ColourLog());
    ColourLog().clear();
    // A left click may press or release the row's toggle; a right click never does.
    if (right) return;
    const std::string rowToggle = "row " + std::to_string(row) + "'s toggle";
    if (!sim::Widgets().IsAlive(toggle)) {
        session.Say(rowToggle + " went away with the panel during the click");
        return;
    }
    session.Say(rowToggle + " is " +
                (sim::Widgets().BoolProperty(toggle, "down").value_or(false) ? "down" : "up"));
}

void Answer(Session& session, Arguments& args) {
    if (!args.More()) args.Fail("missing answer");
    std::string answers;
    while (args.More()) {
        int answer = args.Choice("answer", {"ok", "cancel"});
        sim::Dialogs().QueueMessageBoxAnswer(answer + 1);
        AppendWord(answers, answer == 0 ? "OK" : "Cancel", ", then ");
    }
    session.Say("the user will answer " + answers + " to the next question");
}

void Colour(Session& session, Arguments& args) {
    std::optional<sim::RgbValue> colour;
    int red = 0;
    if (ReadInt(args.Peek(), red)) {
        sim::RgbValue rgb;
        rgb.r = args.Int("red");
        rgb.g = args.Int("green");
        rgb.b = args.Int("blue");
        for (int component : {rgb.r, rgb.g, rgb.b})
            if (component < 0 || component > 255) args.Fail("colour components run from 0 to 255");
        colour = rgb;
    }
    ColourExit exit = ColourExit::Ok;
    if (args.More() || !colour)
        exit = static_cast<ColourExit>(args.Choice("button", {"ok", "cancel", "close"}));
    args.End();
    QueueColourDialog(colour, exit, &ColourLog());
    static const char* const kExits[] = {"click OK", "click Cancel", "close the dialog"};
    std::string plan = colour ? "set " + RgbText(*colour) + " and " : std::string();
    session.Say("in the next colour dialog the user will " + plan + kExits[static_cast<int>(exit)]);
}

// Command lines that `inside` queued for the next question (0) or the next
// colour dialog (1). They outlive the command that queued them, as the
// colour choices do.
std::vector<std::vector<std::string>>& WaitingInside(int where) {
    static std::vector<std::vector<std::string>> waiting[2];
    return waiting[where];
}

void Inside(Session& session, Arguments& args) {
    const int where = args.Choice("where", {"question", "dialog"});
    if (!args.More()) args.Fail("name the command to carry out inside");
    std::vector<std::string> words;
    while (args.More()) words.push_back(args.Word("command"));
    sim::DialogResponder& dialogs = sim::Dialogs();
    const bool queued = where == 0 ? dialogs.PendingWhileMessageBoxOpen() > 0
                                   : dialogs.PendingWhileModalRunOpen() > 0;
    std::vector<std::vector<std::string>>& waiting = WaitingInside(where);
    // Lines left from a host that has since been reset wait for nothing.
    if (!queued) waiting.clear();
    waiting.push_back(words);
    static const char* const kWhere[] = {"inside the question", "inside the colour dialog"};
    if (!queued) {
        Session* const host = &session;
        auto deliver = [host, where] {
            // Taken whole: a command may queue lines for a later one.
            std::vector<std::vector<std::string>> lines = std::move(WaitingInside(where));
            WaitingInside(where).clear();
            for (const std::vector<std::string>& line : lines)
                host->ExecuteNested(kWhere[where], line);
        };
        if (where == 0)
            dialogs.QueueWhileMessageBoxOpen(deliver);
        else
            dialogs.QueueWhileModalRunOpen(deliver);
    }
    std::string line;
    for (const std::string& word : words) AppendWord(line, word);
    session.Say(std::string("\"") + line + "\" will be carried out " + kWhere[where] +
                (where == 0 ? " the panel asks next" : " the panel opens next") +
                ", before the user answers");
}

const char16_t* const kCheckBoxes[] = {u"View", u"Normal", u"Overwrite", u"Allways"};

void Check(Session& session, Arguments& args) {
    session.RequireStarted();
    int which = args.Choice("check box", {"view", "normal", "overwrite", "allways"});
    std::optional<bool> wanted;
    if (args.More()) wanted = args.OnOff("state");
    args.End();
    int box = CheckBox(kCheckBoxes[which]);
    const std::string name = sim::Printable(kCheckBoxes[which]);
    bool checked = sim::Widgets().BoolProperty(box, "checked").value_or(false);
    if (wanted && *wanted == checked) {
        session.Say(name + " is already " + (checked ? "on" : "off"));
        return;
    }
    Outcome(session, "click on " + name, sim::UserClick(box, PointerAt(box, false, false)));
    session.Say(name + " is " +
                (sim::Widgets().BoolProperty(box, "checked").value_or(false) ? "on" : "off"));
}

void Spin(Session& session, Arguments& args) {
    session.RequireStarted();
    double value = args.Number("value");
    args.End();
    const int box = SpinBox();
    const sim::EventOutcome outcome = sim::UserChangeSpin(box, value);
    // The box holds what it takes within its range, not what was typed.
    const double taken = sim::Widgets().DoubleProperty(box, "position").value_or(value);
    std::string what = "spin box set to " + NumberText(taken);
    if (taken != value) what += " (" + NumberText(value) + " typed; the box's range ends there)";
    Outcome(session, what, outcome);
}

void Place(Session& session, Arguments& args) {
    session.RequireStarted();
    int x = args.Int("x");
    int y = args.Int("y");
    args.End();
    int panel = Panel();
    sim::Widgets().SetByUser(panel, "pos_x", x);
    sim::Widgets().SetByUser(panel, "pos_y", y);
    session.Say("panel dragged to " + std::to_string(x) + " " + std::to_string(y));
}

void Close(Session& session, Arguments& args) {
    session.RequireStarted();
    args.End();
    int panel = Panel();
    Outcome(session, "panel closed", sim::UserCloseWindow(panel));
}

}  // namespace

std::vector<CommandEntry> PanelCommands() {
    return {
        {"click", "click [right] [shift] [ctrl] toggle|set|clr ROW",
         "click a row's button on the panel (left button unless \"right\")", Click},
        {"answer", "answer ok|cancel ...", "answer the next question(s) the panel asks", Answer},
        {"inside", "inside question|dialog COMMAND [ARGUMENTS]",
         "carry out COMMAND (a host event, another click, ...) while the next question is open "
         "or the next colour dialog runs, before the user answers; several go in order (not "
         "load, unload or restart: the plug-in waits there)",
         Inside},
        {"colour", "colour [R G B] [ok|cancel|close]",
         "what the user does in the next colour dialog: set R G B (0 to 255), then OK (or Cancel, "
         "or close it)",
         Colour},
        {"check", "check view|normal|overwrite|allways [on|off]",
         "click a check box (only if it differs)", Check},
        {"spin", "spin VALUE", "type a value into the panel's spin box", Spin},
        {"place", "place X Y", "drag the panel to a place on the screen", Place},
        {"close", "close", "close the panel with its close box", Close},
    };
}

}  // namespace host_tool
