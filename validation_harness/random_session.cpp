#include "validation_harness/random_session.h"

#include <functional>
#include <utility>
#include <vector>

#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh_builders.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/module_controls.h"
#include "validation_harness/nested_events.h"

namespace validation {

namespace {

using sim::Documents;

// One step of the session: what it did, in a few words.
class Steps {
public:
    // `foreign`: the module's panel has none of Tackpin's controls, so the
    // user works whatever controls it registered.
    Steps(Stage& stage, Choices& choices, std::vector<std::string>& trail, bool foreign)
        : stage_(stage), pick_(choices), trail_(trail), foreign_(foreign) {}

    int ModuleControlActions() const { return moduleControlActions_; }

    std::string Take() {
        using Step = std::string (Steps::*)();
        static const Step kSteps[] = {
            &Steps::AddVertex,     &Steps::AddFace,     &Steps::DeleteVertex,
            &Steps::DeleteFace,    &Steps::MoveVertex,  &Steps::Compact,
            &Steps::EditObjects,   &Steps::NewDocument, &Steps::Select,
            &Steps::Select,        &Steps::ClickPanel,  &Steps::ClickPanel,
            &Steps::ClickPanel,    &Steps::AnswerBox,   &Steps::AnswerDialog,
            &Steps::Activate,      &Steps::Draw,        &Steps::Draw,
            &Steps::DocumentEvent, &Steps::OtherEvent,  &Steps::NestInQuestion,
            &Steps::NestInDialog,  &Steps::StartAgain};
        constexpr int kCount = static_cast<int>(sizeof kSteps / sizeof kSteps[0]);
        return (this->*kSteps[pick_.Pick(kCount)])();
    }

private:
    MQObject Current() const {
        const int index = Documents().CurrentObjectIndex(stage_.doc);
        return index < 0 ? nullptr : Documents().ObjectAt(stage_.doc, index);
    }
    // A live vertex of `object`, or -1.
    int LiveVertex(MQObject object) {
        const int count = Documents().VertexCount(object);
        if (count == 0) return -1;
        const int v = pick_.Pick(count);
        return Documents().VertexUniqueId(object, v) < 0 ? -1 : v;
    }
    int LiveFace(MQObject object) {
        const int count = Documents().FaceCount(object);
        if (count == 0) return -1;
        const int f = pick_.Pick(count);
        return Documents().FacePoints(object, f).empty() ? -1 : f;
    }
    float Coordinate() { return static_cast<float>(pick_.Pick(9) - 4) * 0.5f; }

    std::string AddVertex() {
        MQObject object = Current();
        if (object == nullptr) return "add vertex: no current object";
        const int v = Documents().AddVertex(object, {Coordinate(), Coordinate(), Coordinate()});
        return "add vertex " + std::to_string(v);
    }
    std::string AddFace() {
        MQObject object = Current();
        if (object == nullptr) return "add face: no current object";
        const int corners = 2 + pick_.Pick(3);
        std::vector<int> points;
        std::string text = "add face";
        for (int i = 0; i < corners; ++i) {
            const int v = LiveVertex(object);
            if (v < 0) return text + ": no live vertex";
            for (int p : points)
                if (p == v) return text + ": a vertex twice";
            points.push_back(v);
            // Appended piece by piece: " " + a temporary string trips a false
            // -Wrestrict of MinGW's g++ 12.
            text += ' ';
            text += std::to_string(v);
        }
        Documents().AddFace(object, points);
        return text;
    }
    std::string DeleteVertex() {
        MQObject object = Current();
        const int v = object == nullptr ? -1 : LiveVertex(object);
        if (v < 0) return "delete vertex: none";
        Documents().DeleteVertex(object, v);
        return "delete vertex " + std::to_string(v);
    }
    std::string DeleteFace() {
        MQObject object = Current();
        const int f = object == nullptr ? -1 : LiveFace(object);
        if (f < 0) return "delete face: none";
        Documents().DeleteFace(object, f);
        return "delete face " + std::to_string(f);
    }
    std::string MoveVertex() {
        MQObject object = Current();
        const int v = object == nullptr ? -1 : LiveVertex(object);
        if (v < 0) return "move vertex: none";
        Documents().SetVertexPosition(object, v, {Coordinate(), Coordinate(), Coordinate()});
        return "move vertex " + std::to_string(v);
    }
    std::string Compact() {
        if (pick_.Pick(2) == 0) {
            Documents().CompactObjects(stage_.doc);
            return "compact objects";
        }
        MQObject object = Current();
        if (object == nullptr) return "compact: no current object";
        Documents().Compact(object);
        return "compact current object";
    }
    std::string EditObjects() {
        const int count = Documents().ObjectCount(stage_.doc);
        const int index = count == 0 ? 0 : pick_.Pick(count);
        MQObject object = count == 0 ? nullptr : Documents().ObjectAt(stage_.doc, index);
        switch (pick_.Pick(4)) {
        case 0: {
            MQObject added = Documents().AddObject(stage_.doc, "added");
            sim::AddQuad(added, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
            return "add object";
        }
        case 1:
            if (object == nullptr) return "delete object: none";
            Documents().DeleteObject(stage_.doc, object);
            return "delete object " + std::to_string(index);
        case 2:
            if (object == nullptr) return "set current object: none";
            Documents().SetCurrentObject(stage_.doc, index);
            return "set current object " + std::to_string(index);
        default:
            if (object == nullptr) return "hide object: none";
            Documents().SetObjectVisible(object, !Documents().ObjectVisible(object));
            return "show or hide object " + std::to_string(index);
        }
    }
    std::string NewDocument() {
        stage_.OpenDocument();
        if (pick_.Pick(4) == 0) return "new document (no event)";
        stage_.plugin.LoadDocument(stage_.doc, "random.mqo");
        return "new document";
    }
    std::string Select() {
        MQObject object = Current();
        if (object == nullptr) return "select: no current object";
        switch (pick_.Pick(4)) {
        case 0: {
            const int v = LiveVertex(object);
            if (v < 0) return "select vertex: none";
            Documents().SelectVertex(stage_.doc, object, v);
            return "select vertex " + std::to_string(v);
        }
        case 1: {
            const int f = LiveFace(object);
            if (f < 0) return "select line: none";
            const int line = pick_.Pick(static_cast<int>(Documents().FacePoints(object, f).size()));
            Documents().SelectLine(stage_.doc, object, f, line);
            return "select line " + std::to_string(f) + "/" + std::to_string(line);
        }
        case 2: {
            const int f = LiveFace(object);
            if (f < 0) return "select face: none";
            Documents().SelectFace(stage_.doc, object, f);
            return "select face " + std::to_string(f);
        }
        default: Documents().ClearSelection(stage_.doc); return "clear selection";
        }
    }
    std::string ClickPanel() { return ClickPanel(Stage::Panel()); }
    // A click on the panel a question or dialog opened on, that was on its
    // way before whatever came inside hid that panel.
    std::string ClickOnItsWay(const PanelControls& panel) {
        const sim::HiddenInputScope late;
        return ClickPanel(panel);
    }
    // A click, a key or a change on one control of `panel`, which may be a
    // panel the plug-in no longer shows.
    std::string ClickPanel(const PanelControls& panel) {
        if (foreign_) return ActOnModuleControl();
        const std::size_t row = static_cast<std::size_t>(pick_.Pick(3));
        const int controls[] = {panel.toggles[row], panel.sets[row], panel.clears[row],
                                panel.view,         panel.normal,    panel.overwrite,
                                panel.allways,      panel.spin,      panel.window};
        static const char* const kNames[] = {"toggle",    "set",     "clear", "view",  "normal",
                                             "overwrite", "allways", "spin",  "window"};
        const int which = pick_.Pick(9);
        const int id = controls[which];
        const int buttons = pick_.Pick(4) * sim::button_bits::kShift;  // none, shift, ctrl, both
        std::string text = std::string(kNames[which]) + " " + std::to_string(row);
        if (id == 0) return text + ": not on the panel";
        switch (pick_.Pick(3)) {
        case 0:
            if (which == 7) {
                sim::UserChangeSpin(id, static_cast<double>(pick_.Pick(41) - 20) * 2.5);
                return text + " changed";
            }
            if (which == 8) {
                sim::UserCloseWindow(id);
                return "panel closed";
            }
            sim::UserClick(id);
            return text + " clicked";
        case 1:
            Stage::Press(id, buttons);
            return text + " left down, keys " + std::to_string(buttons);
        default:
            Stage::PressRight(id, buttons);
            return text + " right down, keys " + std::to_string(buttons);
        }
    }
    // One action on one of the controls the module registered.
    std::string ActOnModuleControl() {
        const std::vector<int> controls = ModuleControls();
        if (controls.empty()) return "no control of the module's to act on";
        ++moduleControlActions_;
        const int id =
            controls[static_cast<std::size_t>(pick_.Pick(static_cast<int>(controls.size())))];
        return ActOnControl(id, pick_);
    }
    std::string AnswerBox() {
        const int answer = 1 + pick_.Pick(2);
        Stage::AnswerNextBox(answer);
        return "next box answered " + std::to_string(answer);
    }
    std::string AnswerDialog() {
        static const char16_t* const kCaptions[] = {u"OK", u"Cancel", u""};
        const int which = pick_.Pick(3);
        const sim::RgbValue rgb{pick_.Pick(256), pick_.Pick(256), pick_.Pick(256)};
        Stage::AnswerNextColorDialog(kCaptions[which], rgb);
        return std::string("next colour dialog ") + (which == 0   ? "OK"
                                                     : which == 1 ? "Cancel"
                                                                  : "closed");
    }
    std::string Activate() {
        const int flag = pick_.Pick(2);
        stage_.plugin.Activate(stage_.doc, flag);
        return "activate " + std::to_string(flag);
    }
    std::string Draw() {
        sim::SceneOptions options{pick_.Pick(2), pick_.Pick(2), pick_.Pick(2), pick_.Pick(2), 0};
        Documents().SetSceneOptions(stage_.scene, options);
        stage_.Draw();
        return "draw";
    }
    std::string DocumentEvent() {
        static const int kEvents[] = {210, 211, 212, 220, 221, 221, 222, 230, 231};
        const int event = kEvents[pick_.Pick(9)];
        stage_.plugin.DocumentEvent(stage_.doc, event, pick_.Pick(3));
        return "document event " + std::to_string(event);
    }
    std::string OtherEvent() {
        switch (pick_.Pick(4)) {
        case 0: stage_.plugin.IsActivated(stage_.doc); return "is activated";
        case 1: {
            int flag = pick_.Pick(2);
            stage_.plugin.Event(stage_.doc, 102, &flag);
            return "station notice";
        }
        case 2: stage_.plugin.Event(stage_.doc, 201, nullptr); return "event 201";
        default: {
            int saveUid = 0;
            KeyValuePair list[] = {{"xml_elem", nullptr},
                                   {"filename", const_cast<char*>("saved.mqo")},
                                   {"save_uid", &saveUid},
                                   {nullptr, nullptr}};
            stage_.plugin.Event(stage_.doc, 202, list);
            return "document saved";
        }
        }
    }

    // What comes while the next question or colour dialog is open, written
    // into the trail as it comes: mostly one host event; else several
    // things (see Inside).
    std::string NestInQuestion() { return Nest(true); }
    std::string NestInDialog() { return Nest(false); }
    std::string Nest(bool question) {
        const std::string where = Queue(question, 1);
        // Mostly the user opens one at once.
        if (pick_.Pick(4) == 0) return "things to come inside " + where;
        return "things to come inside " + where + ", " + Open(question);
    }
    // Queues what comes inside the next question or colour dialog, `depth`
    // modal runs deep; answers where.
    std::string Queue(bool question, int depth) {
        const std::string where = question ? "the next question" : "the next colour dialog";
        auto action = [this, where, depth, question] {
            const int asking = question ? Stage::PanelOfLastQuestion() : Stage::PanelOfLastDialog();
            Inside(where, Stage::PanelOf(asking), depth);
        };
        if (question)
            sim::Dialogs().QueueWhileMessageBoxOpen(action);
        else
            sim::Dialogs().QueueWhileModalRunOpen(action);
        return where;
    }
    // The user opens a question or the colour dialog on the plug-in's panel
    // now, its answer queued: a click on a row's "Set" or "Clr" (a question
    // when the row holds a marker), or a right click on "Set".
    std::string Open(bool question) {
        if (foreign_) {
            if (question)
                AnswerBox();
            else
                sim::Dialogs().QueueModalAnswer(1 + pick_.Pick(2));
            return ActOnModuleControl();
        }
        const PanelControls panel = Stage::Panel();
        const std::size_t row = static_cast<std::size_t>(pick_.Pick(3));
        const std::string text = "row " + std::to_string(row);
        if (!question) {
            AnswerDialog();
            Stage::PressRight(panel.sets[row]);
            return text + " right down on set";
        }
        AnswerBox();
        switch (pick_.Pick(3)) {
        case 0: Stage::Press(panel.sets[row]); return text + " set left down";
        case 1: Stage::Press(panel.sets[row], sim::button_bits::kCtrl); return text + " set ctrl";
        default: Stage::Press(panel.clears[row]); return text + " clear left down";
        }
    }
    // Inside a question or colour dialog that the plug-in's panel `runsIn`
    // opened: one host event, or two to four things among host events, the
    // host starting the plug-in again after an exit, clicks on `runsIn` and
    // on the plug-in's panel now (after an exit and a start, not the same),
    // the exit, a start, a click on each of the two and a draw in a row, and
    // a second question or colour dialog opened inside this one.
    void Inside(const std::string& where, const PanelControls& runsIn, int depth) {
        const int count = pick_.Pick(2) == 0 ? 1 : 2 + pick_.Pick(3);
        for (int i = 0; i < count; ++i) {
            // The line first: what this step opens writes its own after it.
            const std::size_t line = trail_.size();
            trail_.push_back("inside " + where + ": ");
            const std::string step = i == 0 && count == 1 ? HostEvent() : InsideStep(runsIn, depth);
            trail_[line] += step;
        }
    }
    std::string InsideStep(const PanelControls& runsIn, int depth) {
        constexpr int kDeepest = 3;
        // After an exit the host mostly starts the plug-in again at once.
        if (!started_ && pick_.Pick(2) == 0) return StartAgain();
        switch (pick_.Pick(depth < kDeepest ? 9 : 7)) {
        case 0:
        case 1:
        case 2: return HostEvent();
        case 3: return started_ ? Draw() : StartAgain();
        case 4: return "the panel it opened on: " + ClickOnItsWay(runsIn);
        case 5: return "the panel now: " + ClickPanel(Stage::Panel());
        case 6: {
            if (!started_) return StartAgain();
            // The host's exit and a new start, with the user's hands on
            // both panels while the older one still waits here.
            std::string text = HostEvent(NestedEvent::Exit) + ", " + StartAgain();
            text += ", the panel it opened on: " + ClickOnItsWay(runsIn);
            text += ", the panel now: " + ClickPanel(Stage::Panel());
            return text + ", " + Draw();
        }
        default: {
            const bool question = pick_.Pick(2) == 0;
            const std::string where = Queue(question, depth + 1);
            return "things to come inside " + where + ", " + Open(question);
        }
        }
    }
    std::string HostEvent() {
        static const NestedEvent kEvents[] = {
            NestedEvent::Draw,         NestedEvent::Draw,       NestedEvent::Exit,
            NestedEvent::LoadDocument, NestedEvent::Deactivate, NestedEvent::Activate,
            NestedEvent::Event210,     NestedEvent::Event220,   NestedEvent::Event221};
        constexpr int kCount = static_cast<int>(sizeof kEvents / sizeof kEvents[0]);
        return HostEvent(kEvents[pick_.Pick(kCount)]);
    }
    std::string HostEvent(NestedEvent event) {
        // The host exits a plug-in only once; it may start it again.
        if (event == NestedEvent::Exit && !started_) return "exit: not started";
        if (event == NestedEvent::Exit) started_ = false;
        DeliverNested(stage_, event);
        return NestedEventName(event);
    }
    // After an exit (nested in a question or dialog) the host starts the
    // plug-in again.
    std::string StartAgain() {
        if (started_) return "start: the plug-in runs";
        stage_.plugin.Start();
        started_ = true;
        return "start";
    }

    Stage& stage_;
    Choices& pick_;
    std::vector<std::string>& trail_;
    bool started_ = true;  // the session starts the plug-in first
    bool foreign_ = false;
    int moduleControlActions_ = 0;
};

}  // namespace

RandomSessionResult RunRandomSession(Stage& stage, Choices& choices, int maxSteps) {
    RandomSessionResult result;
    stage.OpenDocument();
    stage.plugin.Start();
    Steps steps(stage, choices, result.trail, !HasTackpinControls(Stage::Panel()));
    while (result.steps < maxSteps && choices.More() && sim::Violations().empty()) {
        // The line first: what comes inside a question the step opens
        // follows it.
        const std::size_t line = result.trail.size();
        result.trail.emplace_back();
        result.trail[line] = steps.Take();
        ++result.steps;
    }
    // What no question or dialog took is dropped: it refers to these steps.
    sim::Dialogs().DropPending();
    result.moduleControlActions = steps.ModuleControlActions();
    return result;
}

}  // namespace validation
