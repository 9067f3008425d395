// The page's host end to end: the real module loaded, the host loop on this
// thread and the page's requests posted from another, as the HTTP server
// posts them. Each scenario ends with the host closed and no breach seen.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "apps/tackpin_serve/host_loop.h"
#include "simhost/contract/violations.h"
#include "simhost/plugin_module.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kExamples = std::string(TACKPIN_SOURCE) + "/examples";

fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() / ("tackpin-serve-" + std::to_string(::getpid()) + "-" + name);
}

// One host as tackpin-serve runs it, started from `script`.
class ServedHost {
public:
    explicit ServedHost(const std::string& script,
                        const fs::path& settings = TempPath("settings.xml"))
        : session_(Options(settings), console_.Transcript(), console_.Notes()),
          host_(session_, queue_, console_, kExamples) {
        status_ = host_.Start(script, stderr);
    }

    int StartStatus() const { return status_; }

    // The page: `scenario` runs on a second thread while this thread serves;
    // the host closes after it. Returns the status of closing.
    int Run(const std::function<void()>& scenario) {
        std::thread page([&] {
            scenario();
            queue_.RequestStop();
        });
        const int status = host_.Serve(stderr);
        page.join();
        return status;
    }

    serve::Reply Act(const std::string& body) {
        return queue_.Post([this, body] { return host_.Act(body, 0); });
    }
    serve::Reply Act(const json& action) { return Act(action.dump()); }
    json State() {
        return json::parse(queue_.Post([this] { return host_.State(0); }).body);
    }
    std::string Script() {
        return queue_.Post([this] { return host_.Script(); }).body;
    }
    // The state but for the console, which says what was refused.
    json Unchanged() {
        json state = State();
        state.erase("console");
        return state;
    }
    serve::JobQueue& Queue() { return queue_; }
    const serve::SessionRecord& Record() const { return host_.Record(); }

private:
    static host_tool::SessionOptions Options(const fs::path& settings) {
        host_tool::SessionOptions options;
        options.modulePath = sim::DefaultPluginPath();
        options.settingsPath = settings.string();
        return options;
    }

    serve::ConsoleLog console_;
    host_tool::Session session_;
    serve::JobQueue queue_;
    serve::HostLoop host_;
    int status_ = 0;
};

// The panel's widgets by class and caption, as the page finds them.
int FindWidget(const json& node, const std::string& widgetClass, const std::string& text,
               int skip = 0) {
    int found = 0;
    std::function<bool(const json&)> walk = [&](const json& widget) {
        if (widget["class"] == widgetClass &&
            (text.empty() || widget["props"].value("text", "") == text) && skip-- == 0) {
            found = widget["id"];
            return true;
        }
        for (const char* kind : {"children", "windows"})
            for (const json& child : widget[kind])
                if (walk(child)) return true;
        return false;
    };
    for (const json& window : node["windows"])
        if (walk(window)) break;
    return found;
}

// Object unique ids count on from one host to the next: found by name.
int ObjectId(const json& state, const std::string& name) {
    for (const json& object : state["objects"])
        if (object["name"] == name) return object["id"];
    return 0;
}

json Row(const json& state, int row) {
    for (const json& drawing : state["drawing"])
        if (drawing["row"] == row) return drawing;
    return json();
}

std::string Error(const serve::Reply& reply) { return json::parse(reply.body).value("error", ""); }

const std::string kPinboard = kExamples + "/pinboard.tps";

class ServeHostTest : public ::testing::Test {
protected:
    void SetUp() override { fs::remove(TempPath("settings.xml")); }
    void TearDown() override { EXPECT_EQ(sim::ViolationReport(), ""); }
};

TEST_F(ServeHostTest, RefusalsAnswerTheirStatusAndChangeNothing) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    EXPECT_EQ(host.Run([&] {
        const json start = host.State();
        const std::string board = std::to_string(ObjectId(start, "board"));
        const std::string head = std::to_string(ObjectId(start, "head"));
        ASSERT_EQ(host.Act(json{{"action", "select"},
                                {"object", ObjectId(start, "board")},
                                {"faces", {3}}})
                      .status,
                  200);
        const json before = host.Unchanged();
        const std::size_t recorded = host.Record().Lines().size();
        struct Case {
            std::string body;
            int status;
            std::string reason;
        };
        const Case cases[] = {
            {"{\"action\": \"click\"", 400, "the body is not JSON"},
            {"[1, 2]", 400, "an action is a JSON object"},
            {R"({"action": "juggle"})", 400, "unknown action \"juggle\""},
            {R"({"action": "click"})", 400, "missing field \"widget\""},
            {R"({"action": "click", "widget": "105"})", 400, "\"widget\" is not an integer"},
            {R"({"action": "click", "widget": 105, "button": "middle"})", 400, "\"button\""},
            {R"({"action": "click", "widget": 99999})", 404, "unknown widget 99999"},
            {R"({"action": "spin", "widget": 105, "value": 2})", 400, "not a spin box"},
            {R"({"action": "colour", "widget": 105, "rgb": [1, 2, 3]})", 404, "unknown widget"},
            {R"({"action": "select", "object": 99999, "faces": [1]})", 404, "unknown object 99999"},
            {R"({"action": "select", "object": )" + board + R"(, "faces": [1, 999]})", 409,
             "no face 999"},
            {R"({"action": "select", "object": )" + head + R"(, "lines": [[0, 9]]})", 409,
             "no line 0:9"},
            {R"({"action": "answer", "answer": "ok"})", 409, "no question is open"},
            {R"({"action": "open-example", "name": "../CMakeLists.txt"})", 404, "no example"},
            {R"({"action": "start"})", 409, "already started"},
            {R"({"action": "view"})", 400, "name \"vertices\""},
        };
        for (const Case& c : cases) {
            serve::Reply reply = host.Act(c.body);
            EXPECT_EQ(reply.status, c.status) << c.body;
            EXPECT_NE(Error(reply).find(c.reason), std::string::npos)
                << c.body << ": " << Error(reply);
            EXPECT_EQ(host.Unchanged(), before) << c.body;
        }
        EXPECT_EQ(host.Record().Lines().size(), recorded);
        // The console tells each refusal.
        int errors = 0;
        const json state = host.State();
        for (const json& line : state["console"]) errors += line["kind"] == "error";
        EXPECT_EQ(errors, static_cast<int>(std::size(cases)));
    }),
              0);
}

TEST_F(ServeHostTest, ActionsRunAsTheLanguagesCommands) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    host.Run([&] {
        const json state = host.State();
        ASSERT_EQ(state["drawing"].size(), 3u);
        const int setRow0 = FindWidget(state, "button", "Set");
        const int toggle1 = FindWidget(state, "button", "1");
        const int normal = FindWidget(state, "checkbox", "Normal");
        const int spin = FindWidget(state, "doublespinbox", "");
        const int panel = FindWidget(state, "window", "");
        const int head = ObjectId(state, "head"), needle = ObjectId(state, "needle");
        const std::size_t start = host.Record().Lines().size();
        for (const json& action : {
                 json{{"action", "select"}, {"object", head}, {"faces", {8}}},
                 json{{"action", "select"},
                      {"object", head},
                      {"mode", "add"},
                      {"vertices", {0, 1, 2, 5}}},
                 json{
                     {"action", "select"}, {"object", head}, {"mode", "remove"}, {"vertices", {1}}},
                 json{{"action", "click"}, {"widget", setRow0}, {"shift", true}},
                 json{
                     {"action", "click"}, {"widget", toggle1}, {"button", "right"}, {"ctrl", true}},
                 json{{"action", "click"}, {"widget", normal}},
                 json{{"action", "spin"}, {"widget", spin}, {"value", 0.25}},
                 json{{"action", "view"}, {"lines", false}},
                 json{{"action", "place"}, {"x", 30}, {"y", 40}},
                 json{{"action", "hide"}, {"object", needle}},
                 json{{"action", "close"}, {"widget", panel}},
             }) {
            const serve::Reply reply = host.Act(action);
            EXPECT_EQ(reply.status, 200) << action.dump() << reply.body;
        }
        std::vector<std::string> lines(host.Record().Lines().begin() + start,
                                       host.Record().Lines().end());
        std::vector<std::string> commands;
        for (const std::string& line : lines)
            if (line != "draw") commands.push_back(line);
        EXPECT_EQ(commands, (std::vector<std::string>{
                                "current [1]", "select none", "select faces 8",
                                "select vertices 0-2 5", "deselect vertices 1", "click shift set 0",
                                "click right ctrl toggle 1", "check normal on", "spin 0.25",
                                "view lines off", "place 30 40", "hide [2]", "close"}));
        // The host draws after every action, as the real host redraws.
        EXPECT_EQ(lines.size(), 2 * 11u + 2);
        const json after = host.State();
        EXPECT_EQ(after["selection"][std::to_string(head)]["vertices"], json({0, 2, 5}));
        EXPECT_FALSE(after["view"]["lines"]);
        EXPECT_FALSE(after["objects"][2]["visible"]);
    });
}

TEST_F(ServeHostTest, AQuestionRepliesAtOnceAndWaitsForTheAnswer) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    host.Run([&] {
        const json state = host.State();
        const int setRow0 = FindWidget(state, "button", "Set");
        const json before = Row(state, 0);
        ASSERT_EQ(host.Act(json{{"action", "select"},
                                {"object", ObjectId(state, "board")},
                                {"faces", {0, 1}}})
                      .status,
                  200);
        // The reply comes while the plug-in waits: it shows the question.
        json asked = json::parse(host.Act(json{{"action", "click"}, {"widget", setRow0}}).body);
        ASSERT_EQ(asked["modal"].size(), 1u);
        EXPECT_EQ(asked["modal"][0]["message"], "Overwrite?");
        EXPECT_EQ(asked["modal"][0]["title"], "Marker");
        // Other events arrive and are delivered nested; Cancel keeps the marker.
        EXPECT_EQ(host.Act(json{{"action", "draw"}}).status, 200);
        json cancelled =
            json::parse(host.Act(json{{"action", "answer"}, {"answer", "cancel"}}).body);
        EXPECT_TRUE(cancelled["modal"].empty());
        EXPECT_EQ(Row(cancelled, 0)["vertices"], before["vertices"]);
        // OK replaces it.
        host.Act(json{{"action", "click"}, {"widget", setRow0}});
        json replaced = json::parse(host.Act(json{{"action", "answer"}, {"answer", "ok"}}).body);
        EXPECT_NE(Row(replaced, 0)["vertices"], before["vertices"]);
        const std::string script = host.Script();
        EXPECT_NE(script.find("answer cancel\ninside question draw\nclick set 0\ndraw\n"
                              "answer ok\nclick set 0\n"),
                  std::string::npos)
            << script;
    });
}

TEST_F(ServeHostTest, TheColourDialogTakesItsColourAndButton) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    host.Run([&] {
        const int setRow1 = FindWidget(host.State(), "button", "Set", 1);
        json open = json::parse(
            host.Act(json{{"action", "click"}, {"widget", setRow1}, {"button", "right"}}).body);
        ASSERT_EQ(open["modal"].size(), 1u);
        EXPECT_EQ(open["modal"][0]["kind"], "dialog");
        const int colourPanel = FindWidget(open, "colorpanel", "");
        const int ok = FindWidget(open, "button", "OK");
        // The panel's own widgets are not the dialog's colour panel.
        EXPECT_EQ(
            host.Act(json{{"action", "colour"}, {"widget", setRow1}, {"rgb", {1, 2, 3}}}).status,
            404);
        EXPECT_EQ(
            host.Act(json{{"action", "colour"}, {"widget", colourPanel}, {"rgb", {51, 102, 0}}})
                .status,
            200);
        json chosen = json::parse(host.Act(json{{"action", "click"}, {"widget", ok}}).body);
        EXPECT_TRUE(chosen["modal"].empty());
        const json colour = Row(chosen, 1)["colour"];
        ASSERT_EQ(colour.size(), 3u);
        EXPECT_FLOAT_EQ(colour[0].get<float>(), 0.2f);
        EXPECT_FLOAT_EQ(colour[1].get<float>(), 0.4f);
        EXPECT_FLOAT_EQ(colour[2].get<float>(), 0.0f);
        EXPECT_NE(host.Script().find("colour 51 102 0 ok\nclick right set 1\n"), std::string::npos);
    });
}

TEST_F(ServeHostTest, ClosingWhileAQuestionIsOpenExitsNestedAndKeepsTheSettings) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    EXPECT_EQ(host.Run([&] {
        const int setRow2 = FindWidget(host.State(), "button", "Set", 2);
        ASSERT_EQ(
            host.Act(json{{"action", "click"}, {"widget", setRow2}}).body.find("Overwrite?") !=
                std::string::npos,
            true);
    }),
              0);
    std::ifstream settings(TempPath("settings.xml"));
    std::string text((std::istreambuf_iterator<char>(settings)), {});
    EXPECT_NE(text.find("<r2>0.000000e+000</r2>"), std::string::npos) << text;
}

TEST_F(ServeHostTest, AnExitWhileTheQuestionIsOpenTakesThePanelAndThePageGoesOn) {
    ServedHost host(kPinboard);
    ASSERT_EQ(host.StartStatus(), 0);
    host.Run([&] {
        const int setRow0 = FindWidget(host.State(), "button", "Set");
        host.Act(json{{"action", "click"}, {"widget", setRow0}});
        json exited = json::parse(host.Act(json{{"action", "exit"}}).body);
        EXPECT_FALSE(exited["plugin"]["started"]);
        ASSERT_EQ(exited["modal"].size(), 1u);
        // The handler that waits still has its panel; a click on it is refused.
        EXPECT_EQ(host.Act(json{{"action", "click"}, {"widget", setRow0}}).status, 409);
        // Once the handler is done, the panel is gone.
        json answered = json::parse(host.Act(json{{"action", "answer"}, {"answer", "ok"}}).body);
        EXPECT_TRUE(answered["modal"].empty());
        EXPECT_TRUE(answered["windows"].empty());
        EXPECT_EQ(answered["breaches"], 0);
        EXPECT_NE(host.Script().find("answer ok\ninside question exit\ninside question draw\n"
                                     "click set 0\n"),
                  std::string::npos)
            << host.Script();
    });
}

TEST_F(ServeHostTest, TheRecordRunByTackpinHostReachesTheSameDrawing) {
    json live;
    std::string script;
    {
        ServedHost host(kPinboard);
        ASSERT_EQ(host.StartStatus(), 0);
        host.Run([&] {
            const json state = host.State();
            const int setRow0 = FindWidget(state, "button", "Set");
            const int setRow1 = FindWidget(state, "button", "Set", 1);
            host.Act(json{{"action", "select"},
                          {"object", ObjectId(state, "board")},
                          {"vertices", {0, 1, 2}}});
            host.Act(json{{"action", "click"}, {"widget", setRow0}});
            // Inside the question: the colour dialog of row 1, answered.
            json dialog = json::parse(
                host.Act(json{{"action", "click"}, {"widget", setRow1}, {"button", "right"}}).body);
            host.Act(json{{"action", "colour"},
                          {"widget", FindWidget(dialog, "colorpanel", "")},
                          {"rgb", {0, 255, 0}}});
            host.Act(json{{"action", "click"}, {"widget", FindWidget(dialog, "button", "OK")}});
            host.Act(json{{"action", "answer"}, {"answer", "ok"}});
            host.Act(json{{"action", "check"},
                          {"widget", FindWidget(state, "checkbox", "Normal")},
                          {"on", true}});
            live = host.State();
            script = host.Script();
        });
    }
    auto drawing = [](json state) {
        for (json& object : state["drawing"]) object.erase("handle");
        return state["drawing"];
    };
    ASSERT_EQ(live["drawing"].size(), 3u);
    const fs::path record = TempPath("record.tps");
    std::ofstream(record) << script << "expect drawing-objects = 3\n";
    // tackpin-host runs it through without a failure or a breach...
    fs::remove(TempPath("replay-settings.xml"));
    const std::string command = std::string(TACKPIN_HOST) + " -q --settings " +
                                TempPath("replay-settings.xml").string() + " " + record.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << script;
    // ...and the same engine, started from it, shows the same drawing.
    fs::remove(TempPath("settings.xml"));
    ServedHost replay(record.string());
    ASSERT_EQ(replay.StartStatus(), 0);
    replay.Run([&] { EXPECT_EQ(drawing(replay.State()), drawing(live)) << script; });
}

}  // namespace
