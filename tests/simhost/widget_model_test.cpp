// The simulated host's widgets: what it does with each call, the breaches it
// reports, the faults it injects and its scripted dialogs.
#include "simhost/widgets/widget_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "simhost/contract/violations.h"
#include "simhost/deliveries.h"
#include "simhost/host_state.h"
#include "simhost/widgets/widget_calls.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "tests/simhost/widget_host_calls.h"

extern "C" void MQ_RefreshView(void* options);

namespace {

using namespace host_calls;

class WidgetModel : public ::testing::Test {
protected:
    void SetUp() override { sim::ResetHost(); }
    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport() << host.Dump();
        sim::ResetHost();
    }

    // `action` makes exactly one breach, whose report contains `part`.
    void ExpectBreach(const std::string& part, const std::function<void()>& action) {
        SCOPED_TRACE(part);
        sim::ClearViolations();
        action();
        ASSERT_EQ(sim::Violations().size(), 1u) << sim::ViolationReport();
        EXPECT_NE(sim::Violations()[0].find(part), std::string::npos) << sim::Violations()[0];
        sim::ClearViolations();
    }

    sim::WidgetModel& host = sim::Widgets();
};

TEST_F(WidgetModel, CreationGivesFreshIdsAndTheClassesFirstValues) {
    int button = Create("button");
    int check = Create("checkbox");
    EXPECT_NE(button, 0);
    EXPECT_NE(check, button);
    EXPECT_NE(button, host.MainWindowId());
    EXPECT_EQ(host.ClassOf(button), "button");
    EXPECT_EQ(host.BoolProperty(button, "down"), false);
    EXPECT_EQ(host.TextProperty(button, "text"), u"");
    EXPECT_EQ(host.BoolProperty(check, "checked"), false);
    EXPECT_EQ(host.LiveWidgetsOfPlugin(), (std::vector<int>{button, check}));
    // Destroyed ids are not given out again.
    Destroy(button);
    EXPECT_NE(Create("button"), button);
}

TEST_F(WidgetModel, MainWindowIsTheHostsAndFoundByTheSystemLookup) {
    EXPECT_EQ(MainWindow(), host.MainWindowId());
    EXPECT_TRUE(host.IsAlive(host.MainWindowId()));
    EXPECT_TRUE(host.LiveWidgetsOfPlugin().empty());
    host.CheckAfterExit();  // the main window does not count
}

TEST_F(WidgetModel, PropertiesAreStoredAndAnsweredInTheirForms) {
    int spin = Create("doublespinbox");
    double position = 7.5;
    Set(spin, "position", &position);
    EXPECT_EQ(Get(spin, "position", 0.0), 7.5);
    int panel = Create("colorpanel");
    int rgb[3] = {255, 0, 128};
    Set(panel, "rgb", rgb);
    int read[3] = {};
    KeyValuePair list[] = {{"rgb", read}, {nullptr, nullptr}};
    MQWidget_Value(panel, 0x301, list);
    EXPECT_EQ(read[0], 255);
    EXPECT_EQ(read[2], 128);
    int frame = Create("frame");
    Set(frame, "alignment", "vert");
    EXPECT_EQ(host.NarrowProperty(frame, "alignment"), "vert");
    int window = Create("window");
    Set(window, "title", u"Tackpin");
    EXPECT_EQ(host.TextProperty(window, "title"), u"Tackpin");
    bool visible = true;
    Set(window, "visible", &visible);
    EXPECT_TRUE(Get(window, "visible", false));
}

TEST_F(WidgetModel, DestroyingAWidgetDestroysItsChildrenAndChildWindows) {
    int window = Create("window");
    int frame = Create("frame");
    int button = Create("button");
    int dialog = Create("dialog");
    EXPECT_EQ(AddChildWindow(host.MainWindowId(), window), 0);
    EXPECT_EQ(AddChild(window, frame), 0);
    EXPECT_EQ(AddChild(frame, button), 0);
    AddChildWindow(window, dialog);
    EXPECT_EQ(host.ParentOf(button), frame);
    EXPECT_EQ(host.ChildWindowsOf(window), std::vector<int>{dialog});

    Destroy(window);
    for (int id : {window, frame, button, dialog}) EXPECT_FALSE(host.IsAlive(id)) << id;
    EXPECT_TRUE(host.ChildWindowsOf(host.MainWindowId()).empty());
    EXPECT_TRUE(host.LiveWidgetsOfPlugin().empty());
}

TEST_F(WidgetModel, LogKeepsEveryCallWithItsKeysInOrder) {
    int button = Create("button");
    Set(button, "text", u"Set");
    const auto& log = host.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].message, sim::widget_msg::kCreate);
    EXPECT_EQ(log[0].name, "button");
    EXPECT_EQ(log[1].id, button);
    EXPECT_EQ(log[1].name, "text");
    EXPECT_EQ(log[1].keys, std::vector<std::string>{"text"});
}

TEST_F(WidgetModel, MessagesToWidgetsThatAreNotThereAreBreaches) {
    int button = Create("button");
    bool down = true;
    ExpectBreach("widget 9999 does not exist", [&] { Set(9999, "down", &down); });
    ExpectBreach("widget 0 does not exist", [&] { Set(0, "down", &down); });
    Destroy(button);
    ExpectBreach("was destroyed", [&] { Destroy(button); });
    ExpectBreach("was destroyed", [&] { Get(button, "down", false); });
    ExpectBreach("was destroyed", [&] {
        AddEvent(
            button, "leftdown", [](MQDocument, KeyValuePair*, void*) { return 0; }, &down);
    });
}

TEST_F(WidgetModel, PropertiesInAnotherFormOrUnknownToTheClassAreBreaches) {
    int button = Create("button");
    int check = Create("checkbox");
    int frame = Create("frame");
    int spin = Create("doublespinbox");
    unsigned char two = 2;
    ExpectBreach("a bool is one byte 0 or 1", [&] { Set(button, "down", &two); });
    ExpectBreach("is not one of its values", [&] { Set(frame, "alignment", "diagonal"); });
    double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectBreach("not a finite number", [&] { Set(spin, "position", &nan); });
    char16_t lone[] = {0xD800, u'x', 0};
    ExpectBreach("not NUL-terminated UTF-16", [&] { Set(button, "text", lone); });
    bool on = true;
    ExpectBreach("has no property \"toggle\"", [&] { Set(check, "toggle", &on); });
    ExpectBreach("has no property \"text\"", [&] { Set(frame, "text", u"x"); });
    ExpectBreach("cannot be read", [&] { Get(button, "text", 0); });
    EXPECT_EQ(host.BoolProperty(button, "down"), false);
}

TEST_F(WidgetModel, MalformedListsAreBreaches) {
    int frame = Create("frame");
    int button = Create("button");
    ExpectBreach("null list", [&] { MQWidget_Value(frame, 0x302, nullptr); });
    ExpectBreach("has no \"id\"", [&] {
        KeyValuePair list[] = {{"type", const_cast<char*>("button")}, {nullptr, nullptr}};
        MQWidget_Value(0, 0x101, list);
    });
    ExpectBreach("\"child\" has a null value pointer", [&] {
        int result = -1;
        KeyValuePair list[] = {{"child", nullptr}, {"result", &result}, {nullptr, nullptr}};
        MQWidget_Value(frame, 0x201, list);
    });
    ExpectBreach("\"down\" has a null value pointer", [&] { Set(button, "down", nullptr); });
    ExpectBreach("exactly one property", [&] {
        bool down = false;
        KeyValuePair list[] = {{"down", &down}, {"toggle", &down}, {nullptr, nullptr}};
        MQWidget_Value(button, 0x302, list);
    });
    ExpectBreach("the list is not empty", [&] {
        int zero = 0;
        KeyValuePair list[] = {{"now", &zero}, {nullptr, nullptr}};
        MQWidget_Value(button, 0x102, list);
    });
    ExpectBreach("has no \"proc\"", [&] {
        bool prior = false;
        KeyValuePair list[] = {{"type", const_cast<char*>("execute")},
                               {"pointer", &prior},
                               {"prior", &prior},
                               {nullptr, nullptr}};
        MQWidget_Value(frame, 0x304, list);
    });
}

TEST_F(WidgetModel, AReportNamesTheCallTheWidgetAndTheSideAtFault) {
    const int window = Create("window");
    const int frame = Create("frame");
    ExpectBreach("MQWidget_Value(add child 0x201, widget " + std::to_string(window) +
                     ") child: widget 9999 does not exist",
                 [&] { AddChild(window, 9999); });
    ExpectBreach("MQWidget_Value(add child window 0x203, widget " + std::to_string(frame) +
                     "): widget " + std::to_string(frame) + " (frame) is not a window",
                 [&] { AddChild(frame, window, 0x203); });
    ExpectBreach(
        "MQWidget_Value(create 0x101, widget 0) of \"gadget\": the host has no widget "
        "class \"gadget\"",
        [&] { Create("gadget"); });
    ExpectBreach("MQWidget_Value(message 4660, widget " + std::to_string(frame) +
                     "): unknown message number",
                 [&] { AddChild(frame, window, 0x1234); });
}

TEST_F(WidgetModel, TextsAreFoundInsideAWindowInTheOrderTheyWereMade) {
    const int window = Create("window");
    const int frame = Create("frame");
    AddChildWindow(host.MainWindowId(), window);
    AddChild(window, frame);
    auto button = [&](const char16_t* text) {
        const int id = Create("button");
        Set(id, "text", text);
        AddChild(frame, id);
        return id;
    };
    const int gone = button(u"Set");
    const int first = button(u"Set");
    const int outside = Create("button");
    Set(outside, "text", u"Set");
    Destroy(gone);
    // Made last under the lower id of a destroyed one: found last all the same.
    host.ReuseIdForNextCreation(gone);
    const int last = button(u"Set");
    ASSERT_EQ(last, gone);
    button(u"Clr");

    EXPECT_EQ(host.FindByText("button", u"Set", window), (std::vector<int>{first, last}));
    EXPECT_EQ(host.FindByText("button", u"Set", 0), (std::vector<int>{first, outside, last}));
    EXPECT_TRUE(host.FindByText("checkbox", u"Set", window).empty());
    EXPECT_EQ(host.FindByText("button", u"Set", outside), std::vector<int>{outside});
}

TEST_F(WidgetModel, CallsOutsideTheProtocolAreBreaches) {
    int button = Create("button");
    int frame = Create("frame");
    int window = Create("window");
    int dummy = 0;
    ExpectBreach("no widget class \"label\"", [&] { Create("label"); });
    ExpectBreach("unknown message number", [&] {
        KeyValuePair list[] = {{nullptr, nullptr}};
        MQWidget_Value(button, 0x999, list);
    });
    ExpectBreach("no event \"click\"", [&] {
        AddEvent(
            button, "click", [](MQDocument, KeyValuePair*, void*) { return 0; }, &dummy);
    });
    ExpectBreach("destroyed the host's main window", [&] { Destroy(host.MainWindowId()); });
    ExpectBreach("takes no children", [&] { AddChild(button, frame); });
    AddChild(window, frame);
    ExpectBreach("already has a parent", [&] { AddChild(window, frame); });
    ExpectBreach("is a window, not a control", [&] { AddChild(frame, window); });
    ExpectBreach("cannot be a child window", [&] { AddChildWindow(window, button); });
    ExpectBreach("is not a dialog", [&] { RunModal(window); });
    ExpectBreach("unknown system widget", [&] {
        int result = -1;
        KeyValuePair list[] = {
            {"system", const_cast<char*>("desktop")}, {"result", &result}, {nullptr, nullptr}};
        MQWidget_Value(0, 0x100, list);
    });
    ExpectBreach("widget 4242 does not exist", [&] { MessageBox(4242, u"Clear?", u"Marker"); });
    ExpectBreach("unknown run type", [&] {
        int result = 0;
        KeyValuePair list[] = {
            {"type", const_cast<char*>("popup")}, {"result", &result}, {nullptr, nullptr}};
        MQWidget_Value(0, 1, list);
    });
}

TEST_F(WidgetModel, WidgetsThePluginLeftAliveAreReportedAfterExit) {
    int window = Create("window");
    int button = Create("button");
    Set(button, "text", u"Set");
    AddChild(window, button);
    host.CheckAfterExit();
    ASSERT_EQ(sim::Violations().size(), 2u) << sim::ViolationReport();
    EXPECT_NE(sim::Violations()[1].find("(button) \"Set\" is still alive"), std::string::npos)
        << sim::Violations()[1];
    sim::ClearViolations();
}

TEST_F(WidgetModel, RefusedCreationAnswersZeroAndCallsOnIdZeroAreIgnored) {
    host.FailNextCreations(1);
    EXPECT_EQ(Create("button"), 0);
    bool down = true;
    Set(0, "down", &down);
    EXPECT_FALSE(Get(0, "down", false));
    int frame = Create("frame");
    EXPECT_NE(frame, 0);
    AddChild(frame, 0);
    EXPECT_TRUE(host.ChildrenOf(frame).empty());
}

// A refused wrapper goes on with id 0 and sends what its class sends: the
// host ignores that, and logs it as ignored. Anything else on id 0 is a
// breach, and so is every call on id 0 once the plug-in has exited.
TEST_F(WidgetModel, CallsOnIdZeroAreIgnoredOnlyAsTheRefusedWrapperWouldSendThem) {
    auto proc = [](MQDocument, KeyValuePair*, void*) { return 0; };
    bool on = true;
    ExpectBreach("widget 0 does not exist", [&] { Set(0, "down", &on); });
    struct Case {
        const char* refusedClass;
        std::vector<std::function<void()>> ignored;
        std::vector<std::function<void()>> breaches;
    };
    int frame = Create("frame");
    int window = Create("window");
    const Case cases[] = {
        {"button",
         {[&] { Set(0, "down", &on); }, [&] { Get(0, "down", false); }, [&] { AddChild(frame, 0); },
          [&] { AddEvent(0, "leftdown", proc, &on); }},
         {[&] { Set(0, "checked", &on); }, [&] { AddChild(0, frame); },
          [&] { AddChildWindow(window, 0); }, [&] { RunModal(0); }, [&] { Destroy(0); }}},
        {"dialog",
         {[&] { EXPECT_EQ(RunModal(0), 0); }, [&] { AddChildWindow(window, 0); },
          [&] { Set(0, "title", u"Colour"); }, [&] { AddChild(0, Create("button")); }},
         {[&] { Set(0, "down", &on); }, [&] { AddChild(frame, 0); }}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusedClass);
        host.FailNextCreations(1);
        EXPECT_EQ(Create(c.refusedClass), 0);
        EXPECT_EQ(host.RefusedClasses(), std::vector<std::string>{c.refusedClass});
        for (const auto& call : c.ignored) {
            call();
            EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
            EXPECT_TRUE(host.Log().back().ignored) << host.Log().back().message;
        }
        for (const auto& call : c.breaches)
            ExpectBreach("does not exist (no refused creation sends this", call);
        for (int id : host.LiveWidgetsOfPlugin()) Destroy(id);
        host.CheckAfterExit();
        EXPECT_TRUE(host.RefusedClasses().empty());
        ExpectBreach("widget 0 does not exist", c.ignored.front());
        frame = Create("frame");
        window = Create("window");
    }
}

TEST_F(WidgetModel, UnansweredReadsAndLookupsLeaveThePresets) {
    int button = Create("button");
    bool down = true;
    Set(button, "down", &down);
    host.LeaveReadsUnanswered(true);
    EXPECT_FALSE(Get(button, "down", false));
    host.LeaveSystemLookupUnanswered(true);
    EXPECT_EQ(MainWindow(), -1);
}

TEST_F(WidgetModel, AnIdIsReusedOnlyWhenATestAsksAndOnlyOnceDead) {
    int first = Create("window");
    host.ReuseIdForNextCreation(first);
    EXPECT_NE(Create("button"), first);  // still alive: not reused
    Destroy(first);
    host.ReuseIdForNextCreation(first);
    EXPECT_EQ(Create("button"), first);
    EXPECT_EQ(host.ClassOf(first), "button");
    EXPECT_TRUE(host.IsAlive(first));
}

TEST_F(WidgetModel, MessageBoxesTakeQueuedAnswersAndAreRecorded) {
    int window = Create("window");
    sim::Dialogs().QueueMessageBoxAnswer(1);
    EXPECT_EQ(MessageBox(window, u"Overwrite?", u"Marker"), 1);
    EXPECT_EQ(MessageBox(window, u"Clear?", u"Marker"), 0);  // unanswered
    const auto& boxes = sim::Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].parent, window);
    EXPECT_EQ(boxes[0].message, u"Overwrite?");
    EXPECT_EQ(boxes[0].title, u"Marker");
    EXPECT_EQ(boxes[0].answer, 1);
    EXPECT_FALSE(boxes[1].answer.has_value());
}

TEST_F(WidgetModel, ModalRunShowsTheDialogWhileTheUserActs) {
    int dialog = Create("dialog");
    int seenDialog = 0;
    bool visibleDuringRun = false;
    sim::Dialogs().QueueModalAction([&](int id) -> std::optional<int> {
        seenDialog = id;
        visibleDuringRun = host.BoolProperty(id, "visible").value_or(false);
        return 2;
    });
    EXPECT_EQ(RunModal(dialog), 2);
    EXPECT_EQ(seenDialog, dialog);
    EXPECT_TRUE(visibleDuringRun);
    EXPECT_EQ(host.BoolProperty(dialog, "visible"), false);
    EXPECT_EQ(RunModal(dialog), 0);  // nothing queued: unanswered
    ASSERT_EQ(sim::Dialogs().ModalRuns().size(), 2u);
    EXPECT_FALSE(sim::Dialogs().ModalRuns()[1].answer.has_value());
    EXPECT_EQ(sim::Dialogs().PendingModalActions(), 0u);
}

// What happens while a box is open runs before it is answered; a box opened
// inside it takes the next answer, and the boxes are recorded as they open.
TEST_F(WidgetModel, WhileABoxOrARunIsOpenTheHostActsNested) {
    int window = Create("window");
    int dialog = Create("dialog");
    std::vector<std::string> order;
    sim::Dialogs().QueueMessageBoxAnswer(1);
    sim::Dialogs().QueueMessageBoxAnswer(2);
    sim::Dialogs().QueueWhileMessageBoxOpen([&] {
        order.push_back("outer box open");
        EXPECT_EQ(MessageBox(window, u"Inner?", u"Marker"), 2);
    });
    EXPECT_EQ(MessageBox(window, u"Outer?", u"Marker"), 1);
    const auto& boxes = sim::Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].message, u"Outer?");
    EXPECT_EQ(boxes[0].answer, 1);
    EXPECT_EQ(boxes[1].answer, 2);
    sim::Dialogs().QueueWhileModalRunOpen([&] { order.push_back("run open"); });
    sim::Dialogs().QueueModalAction([&](int) -> std::optional<int> {
        order.push_back("user acts");
        return 1;
    });
    EXPECT_EQ(RunModal(dialog), 1);
    EXPECT_EQ(order, (std::vector<std::string>{"outer box open", "run open", "user acts"}));
    sim::Dialogs().QueueWhileMessageBoxOpen([] {});
    sim::Dialogs().QueueMessageBoxAnswer(1);
    sim::Dialogs().DropPending();
    EXPECT_EQ(sim::Dialogs().PendingWhileMessageBoxOpen() +
                  sim::Dialogs().PendingMessageBoxAnswers(),
              0u);
}

// A host reset while a box or a run is open (nested several deep) takes
// their records with it: the answers go back to the plug-in without being
// written into the emptied lists, and the count of what is open ends at 0.
TEST_F(WidgetModel, AHostResetInsideOpenBoxesAndRunsLeavesTheNewHostsRecordsAlone) {
    const int outer = Create("window");
    sim::Dialogs().QueueMessageBoxAnswer(1);
    sim::Dialogs().QueueMessageBoxAnswer(2);
    sim::Dialogs().QueueWhileMessageBoxOpen([&] {
        EXPECT_EQ(sim::Dialogs().OpenNow(), 1);
        EXPECT_EQ(MessageBox(outer, u"Inner?", u"Marker"), 2);
        sim::Dialogs().QueueWhileMessageBoxOpen([] { sim::ResetHost(); });
        MessageBox(outer, u"Reset inside?", u"Marker");
        EXPECT_EQ(sim::Dialogs().OpenNow(), 0);
        EXPECT_TRUE(sim::Dialogs().MessageBoxes().empty());
    });
    EXPECT_EQ(MessageBox(outer, u"Outer?", u"Marker"), 1);
    EXPECT_EQ(sim::Dialogs().OpenNow(), 0);
    EXPECT_TRUE(sim::Dialogs().MessageBoxes().empty());

    const int dialog = Create("dialog");
    sim::Dialogs().QueueWhileModalRunOpen([] { sim::ResetHost(); });
    sim::Dialogs().QueueModalAnswer(1);
    EXPECT_EQ(RunModal(dialog), 0);  // the user's answer went with the host
    const int again = Create("dialog");
    sim::Dialogs().QueueModalAction([](int) -> std::optional<int> {
        sim::ResetHost();
        return 1;
    });
    EXPECT_EQ(RunModal(again), 1);
    EXPECT_EQ(sim::Dialogs().OpenNow(), 0);
    EXPECT_TRUE(sim::Dialogs().ModalRuns().empty());
}

// A window cannot go while a dialog inside it runs or a box over it is
// open: the box or the run would return into widgets that are gone.
TEST_F(WidgetModel, DestroyingAWindowWithARunOrABoxOpenInsideIsABreach) {
    int panel = Create("window");
    int dialog = Create("dialog");
    AddChildWindow(panel, dialog);
    sim::Dialogs().QueueWhileModalRunOpen([&] {
        ExpectBreach("widget " + std::to_string(dialog) + " (dialog) inside is still running",
                     [&] { Destroy(panel); });
    });
    RunModal(dialog);
    int other = Create("window");
    sim::Dialogs().QueueWhileMessageBoxOpen([&] {
        ExpectBreach("a message box over widget " + std::to_string(other), [&] { Destroy(other); });
    });
    MessageBox(other, u"Clear?", u"Marker");
}

// An exit delivered inside a widget event is checked once that event has
// returned; what was alive at the exit must be gone by then.
TEST_F(WidgetModel, ExitInsideAnEventIsCheckedWhenTheEventHasReturned) {
    int left = Create("button");
    int gone = Create("button");
    host.BeginEvent();
    host.CheckAfterExit();
    Destroy(gone);
    int later = Create("button");  // a new start's
    EXPECT_TRUE(sim::Violations().empty());
    ExpectBreach("after exit: widget " + std::to_string(left), [&] { host.EndEvent(); });
    Destroy(left);
    Destroy(later);
}

// What the handler of the next left click does, with its target.
std::function<void(int)> g_onLeftDown;
int LeftDownProc(MQDocument, KeyValuePair* list, void*) {
    g_onLeftDown(*static_cast<const int*>(sim::FindPair(list, "target_id")->value));
    return 0;
}

// After an exit the plug-in is done with that run's panel: a handler of one
// of its widgets may destroy such widgets and call nothing else, while a
// host event nested in that handler, and the widgets of a new run, call as
// usual.
TEST_F(WidgetModel, CallsFromAHandlerOfAWidgetOfAnEndedRunAreBreaches) {
    int oldButton = Create("button");
    int oldBox = Create("checkbox");
    int tag = 0;  // the handler's pointer
    AddEvent(oldButton, "leftdown", LeftDownProc, &tag);
    host.BeginEvent();  // the handler that waits in a question
    host.CheckAfterExit();
    int newButton = Create("button");  // the next start's
    AddEvent(newButton, "leftdown", LeftDownProc, &tag);
    const std::string handling =
        "after exit: MQWidget_Value called while handling an event of widget " +
        std::to_string(oldButton) + " (button)";
    g_onLeftDown = [&](int) { Get(oldBox, "checked", false); };
    ExpectBreach(handling, [&] { sim::UserLeftDown(oldButton); });
    g_onLeftDown = [&](int) { MQ_RefreshView(nullptr); };
    ExpectBreach("after exit: MQ_RefreshView", [&] { sim::UserLeftDown(oldButton); });
    g_onLeftDown = [&](int target) {
        Get(target, "down", false);
        const sim::DeliveryScope hostEvent;
        Get(oldBox, "checked", false);
    };
    sim::UserLeftDown(newButton);
    EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
    ExpectBreach(handling, [&] { sim::UserLeftDown(oldButton); });
    g_onLeftDown = [&](int target) {
        Destroy(oldBox);
        Destroy(target);
    };
    sim::UserLeftDown(oldButton);
    EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
    host.EndEvent();
    Destroy(newButton);
}

TEST_F(WidgetModel, DumpShowsTheTreeWithClassesAndProperties) {
    int window = Create("window");
    AddChildWindow(host.MainWindowId(), window);
    int button = Create("button");
    Set(button, "text", u"Clr");
    AddChild(window, button);
    int loose = Create("checkbox");
    std::string dump = host.Dump();
    auto entry = [](int id, const char* widgetClass) {
        std::string text = "#";
        text += std::to_string(id);
        text += ' ';
        return text + widgetClass;
    };
    EXPECT_NE(dump.find(entry(button, "button")), std::string::npos) << dump;
    EXPECT_NE(dump.find("text=\"Clr\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("not placed"), std::string::npos) << dump;
    EXPECT_NE(dump.find(entry(loose, "checkbox")), std::string::npos) << dump;
    EXPECT_NE(sim::DumpHost().find("widgets:"), std::string::npos);
}

}  // namespace
