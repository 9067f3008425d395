// Host events as the modeler sends them: start and exit, activation, draw
// passes with the view's options, a new document, unloading and loading the
// module again, a whole restart of the host, and any raw event number.
#include <set>

#include "session_engine/commands/commands.h"
#include "session_engine/panel/marker_probe.h"
#include "session_engine/panel/panel_widgets.h"
#include "session_engine/pictures/pictures.h"
#include "session_engine/session/counted.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"
#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

// A command without arguments that is one operation of the session.
std::function<void(Session&, Arguments&)> Plain(void (Session::*operation)()) {
    return [operation](Session& session, Arguments& args) {
        args.End();
        (session.*operation)();
    };
}

void Load(Session& session, Arguments& args) {
    std::string path = args.More() ? args.Path("module path") : session.Options().modulePath;
    args.End();
    session.LoadModule(path);
}

void Activate(Session& session, Arguments& args) {
    args.End();
    session.RequireModule();
    session.SetLastAnswer(session.Plugin().Activate(session.Document(), 1));
    session.Say("activate: answered " + std::to_string(session.LastAnswer()));
}

void Deactivate(Session& session, Arguments& args) {
    args.End();
    session.RequireModule();
    session.SetLastAnswer(session.Plugin().Activate(session.Document(), 0));
    session.Say("deactivate: answered " + std::to_string(session.LastAnswer()));
}

std::string ViewText(const sim::SceneOptions& view) {
    auto onOff = [](int value) { return value != 0 ? "on" : "off"; };
    return std::string("vertices ") + onOff(view.showVertex) + ", lines " + onOff(view.showLine) +
           ", faces " + onOff(view.showFace);
}

void View(Session& session, Arguments& args) {
    sim::SceneOptions& view = session.ViewOptions();
    while (args.More()) {
        int which = args.Choice("option", {"vertices", "lines", "faces"});
        int value = args.OnOff("state") ? 1 : 0;
        (which == 0 ? view.showVertex : which == 1 ? view.showLine : view.showFace) = value;
    }
    session.Say("view: " + ViewText(view));
}

void Draw(Session& session, Arguments& args) {
    args.End();
    session.RequireModule();
    sim::DocumentModel& documents = sim::Documents();
    documents.SetSceneOptions(session.Scene(), session.ViewOptions());
    std::set<MQObject> before;
    for (const sim::DrawObjectInfo& info : documents.DrawObjects(session.Document()))
        before.insert(info.handle);
    session.SetLastAnswer(
        session.Plugin().Draw(session.Document(), session.Scene(), kViewWidth, kViewHeight));
    std::vector<sim::DrawObjectInfo> after = documents.DrawObjects(session.Document());
    // A pass that made drawing objects replaced them all: tell their rows anew.
    bool made = false;
    for (const sim::DrawObjectInfo& info : after) made = made || before.count(info.handle) == 0;
    if (made) {
        std::map<MQObject, int> rows;
        std::vector<int> drawn = DrawnRows(session, after.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) rows[after[i].handle] = drawn[i];
        session.SetMarkerRows(std::move(rows));
    }
    session.Say("draw (" + ViewText(session.ViewOptions()) + "): " +
                Counted(after.size(), "drawing object", "drawing objects") + " in the document");
    // A plug-in draws only while it is active, which the host shows by its
    // panel: a script that forgot to activate it learns why nothing came.
    if (after.empty())
        if (int panel = FindPanel(); panel != 0 && !sim::Widgets().IsShown(panel))
            session.Say(
                "nothing drawn: the plug-in is not active (\"activate\" activates it "
                "and shows its panel)");
}

void NewDocument(Session& session, Arguments& args) {
    args.End();
    session.NewDocument();
}

void Event(Session& session, Arguments& args) {
    int number = args.Int("event number");
    args.End();
    session.RequireModule();
    session.SetLastAnswer(session.Plugin().Event(session.Document(), number, nullptr));
    session.Say("event " + std::to_string(number) + ": answered " +
                std::to_string(session.LastAnswer()));
}

void Quit(Session& session, Arguments& args) {
    args.End();
    session.RequestEnd();
}

}  // namespace

std::vector<CommandEntry> HostCommands() {
    return {
        {"start", "start",
         "host event 1: the plug-in starts (builds its panel, reads its settings)",
         Plain(&Session::Start)},
        {"activate", "activate", "host event 100 with 1: the user activates the plug-in", Activate},
        {"deactivate", "deactivate", "host event 100 with 0", Deactivate},
        {"view", "view [vertices|lines|faces on|off] ...", "the view options the next draw passes",
         View},
        {"draw", "draw", "host event 110: a draw pass of the 3D view", Draw},
        {"new-document", "new-document", "the host opens a new, empty document (event 200)",
         NewDocument},
        {"event", "event NUMBER", "any host event, without arguments", Event},
        {"exit", "exit", "host event 2: the plug-in exits; the host writes its settings file",
         Plain(&Session::Exit)},
        {"unload", "unload", "the host unloads the plug-in module", Plain(&Session::Unload)},
        {"load", "load [MODULE]", "the host loads and initialises the module again", Load},
        {"restart", "restart",
         "the host closes (exit, unload) and starts again with the same settings file",
         Plain(&Session::Restart)},
        {"quit", "quit", "end the session (the host closes as at the end of a script)", Quit},
    };
}

}  // namespace host_tool
