// Widget events as the simulated host builds and delivers them, and the
// user's actions behind them.
#include "simhost/widgets/widget_events.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"
#include "tests/simhost/widget_host_calls.h"

namespace {

using namespace host_calls;

const void* ValueOf(const KeyValuePair* list, const char* key) {
    for (const KeyValuePair* pair = list; pair->key != nullptr; ++pair) {
        if (std::strcmp(pair->key, key) == 0) return pair->value;
    }
    return nullptr;
}

std::vector<std::string> KeysOf(const KeyValuePair* list) {
    std::vector<std::string> keys;
    for (const KeyValuePair* pair = list; pair->key != nullptr; ++pair)
        keys.emplace_back(pair->key);
    return keys;
}

// One call of the test's event procedure, with what the host showed then.
struct Delivery {
    MQDocument document = nullptr;
    void* pointer = nullptr;
    std::string type;
    int target = 0;
    bool down = false;     // the target's "down" at the time of the call
    bool checked = false;  // the target's "checked"
    double position = 0.0;
    bool visible = true;
};
std::vector<Delivery> g_deliveries;

int RecordingProc(MQDocument document, KeyValuePair* list, void* pointer) {
    Delivery delivery;
    delivery.document = document;
    delivery.pointer = pointer;
    delivery.type = static_cast<const char*>(ValueOf(list, "type"));
    delivery.target = *static_cast<const int*>(ValueOf(list, "target_id"));
    sim::WidgetModel& host = sim::Widgets();
    delivery.down = host.BoolProperty(delivery.target, "down").value_or(false);
    delivery.checked = host.BoolProperty(delivery.target, "checked").value_or(false);
    delivery.position = host.DoubleProperty(delivery.target, "position").value_or(0.0);
    delivery.visible = host.BoolProperty(delivery.target, "visible").value_or(true);
    g_deliveries.push_back(delivery);
    return static_cast<int>(g_deliveries.size());
}

class WidgetEvents : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        g_deliveries.clear();
    }
    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        sim::ResetHost();
    }

    sim::WidgetModel& host = sim::Widgets();
    int tags[4] = {};  // addresses handed over as "pointer"
};

TEST_F(WidgetEvents, MouseListCarriesIdsTypePositionsStateAndPressure) {
    sim::PointerInfo pointer{10, 20, 30, 40, 50, 60, 70, 80, -120, 0x0C, 0.5f};
    sim::EventList list = sim::MouseEventList(101, 102, "leftdown", pointer);
    KeyValuePair* pairs = list.Pairs();
    EXPECT_EQ(KeysOf(pairs),
              (std::vector<std::string>{"target_id", "sender_id", "type", "client_x", "client_y",
                                        "screen_x", "screen_y", "down_x", "down_y", "last_x",
                                        "last_y", "wheel_delta", "button_state", "pressure"}));
    EXPECT_EQ(*static_cast<const int*>(ValueOf(pairs, "target_id")), 101);
    EXPECT_EQ(*static_cast<const int*>(ValueOf(pairs, "sender_id")), 102);
    EXPECT_STREQ(static_cast<const char*>(ValueOf(pairs, "type")), "leftdown");
    EXPECT_EQ(*static_cast<const int*>(ValueOf(pairs, "screen_y")), 40);
    EXPECT_EQ(*static_cast<const int*>(ValueOf(pairs, "wheel_delta")), -120);
    EXPECT_EQ(*static_cast<const int*>(ValueOf(pairs, "button_state")), 0x0C);
    EXPECT_EQ(*static_cast<const float*>(ValueOf(pairs, "pressure")), 0.5f);
}

TEST_F(WidgetEvents, KeyPaintAndPlainListsCarryTheirOwnKeys) {
    sim::EventList key = sim::KeyEventList(1, 2, "keydown", 'Q', true, sim::button_bits::kShift);
    EXPECT_EQ(KeysOf(key.Pairs()),
              (std::vector<std::string>{"target_id", "sender_id", "type", "key", "auto_repeat",
                                        "button_state"}));
    EXPECT_EQ(*static_cast<const int*>(ValueOf(key.Pairs(), "auto_repeat")), 1);
    int canvas = 0;
    sim::EventList paint = sim::PaintEventList(1, 1, &canvas);
    EXPECT_EQ(ValueOf(paint.Pairs(), "canvas"), &canvas);
    sim::EventList plain = sim::PlainEventList(5, 6, "execute");
    EXPECT_EQ(KeysOf(plain.Pairs()), (std::vector<std::string>{"target_id", "sender_id", "type"}));
    // A moved list keeps its values where they were.
    sim::EventList moved = std::move(plain);
    EXPECT_STREQ(static_cast<const char*>(ValueOf(moved.Pairs(), "type")), "execute");
}

TEST_F(WidgetEvents, EachHandlerOfTheEventTypeIsCalledWithItsPointerPriorFirst) {
    int button = Create("button");
    AddEvent(button, "leftdown", &RecordingProc, &tags[0]);
    AddEvent(button, "rightdown", &RecordingProc, &tags[1]);
    bool prior = true;
    KeyValuePair list[] = {{"type", const_cast<char*>("leftdown")},
                           {"proc", reinterpret_cast<void*>(&RecordingProc)},
                           {"pointer", &tags[2]},
                           {"prior", &prior},
                           {nullptr, nullptr}};
    MQWidget_Value(button, 0x304, list);
    MQDocument doc = reinterpret_cast<MQDocument>(0x42);
    host.SetEventDocument(doc);

    sim::EventOutcome outcome = sim::UserLeftDown(button);
    EXPECT_TRUE(outcome.delivered);
    EXPECT_EQ(outcome.handlersCalled, 2);
    EXPECT_EQ(outcome.answer, 2);
    ASSERT_EQ(g_deliveries.size(), 2u);
    EXPECT_EQ(g_deliveries[0].pointer, &tags[2]);
    EXPECT_EQ(g_deliveries[1].pointer, &tags[0]);
    EXPECT_EQ(g_deliveries[0].document, doc);
    EXPECT_EQ(g_deliveries[0].type, "leftdown");
}

TEST_F(WidgetEvents, NothingIsDeliveredToADestroyedWidget) {
    int button = Create("button");
    AddEvent(button, "leftdown", &RecordingProc, &tags[0]);
    Destroy(button);
    sim::EventOutcome outcome = sim::UserLeftDown(button);
    EXPECT_FALSE(outcome.delivered);
    EXPECT_TRUE(g_deliveries.empty());
}

TEST_F(WidgetEvents, ToggleButtonSeesLeftDownBeforeTheHostInvertsDown) {
    int toggle = Create("button");
    bool on = true;
    Set(toggle, "toggle", &on);
    AddEvent(toggle, "leftdown", &RecordingProc, &tags[0]);
    sim::UserLeftDown(toggle);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_FALSE(g_deliveries[0].down);
    EXPECT_EQ(host.BoolProperty(toggle, "down"), true);
    sim::UserClick(toggle);
    EXPECT_TRUE(g_deliveries[1].down);
    EXPECT_EQ(host.BoolProperty(toggle, "down"), false);

    // A push button stays up.
    int push = Create("button");
    sim::UserLeftDown(push);
    EXPECT_EQ(host.BoolProperty(push, "down"), false);
}

TEST_F(WidgetEvents, RightDownCarriesTheRightButtonAndModifiers) {
    int button = Create("button");
    int seenState = 0;
    static int* s_state = nullptr;
    s_state = &seenState;
    AddEvent(
        button, "rightdown",
        [](MQDocument, KeyValuePair* list, void*) {
            *s_state = *static_cast<const int*>(ValueOf(list, "button_state"));
            return 1;
        },
        &tags[0]);
    sim::PointerInfo pointer;
    pointer.buttonState = sim::button_bits::kCtrl;
    EXPECT_EQ(sim::UserRightDown(button, pointer).answer, 1);
    EXPECT_EQ(seenState, sim::button_bits::kRight | sim::button_bits::kCtrl);
}

TEST_F(WidgetEvents, CheckBoxClickInvertsCheckedThenSendsExecute) {
    int check = Create("checkbox");
    AddEvent(check, "execute", &RecordingProc, &tags[0]);
    sim::UserClick(check);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].type, "execute");
    EXPECT_TRUE(g_deliveries[0].checked);
    sim::UserClick(check);
    EXPECT_FALSE(g_deliveries[1].checked);
}

TEST_F(WidgetEvents, SpinBoxTakesTheNewPositionThenSendsChanging) {
    int spin = Create("doublespinbox");
    AddEvent(spin, "changing", &RecordingProc, &tags[0]);
    sim::UserChangeSpin(spin, 7.5);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].type, "changing");
    EXPECT_EQ(g_deliveries[0].position, 7.5);
}

TEST_F(WidgetEvents, ClosingAWindowHidesItThenSendsHide) {
    int window = Create("window");
    bool visible = true;
    Set(window, "visible", &visible);
    AddEvent(window, "hide", &RecordingProc, &tags[0]);
    sim::UserCloseWindow(window);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].type, "hide");
    EXPECT_FALSE(g_deliveries[0].visible);
}

TEST_F(WidgetEvents, RawSendPassesAnOddListAsItIs) {
    int button = Create("button");
    AddEvent(button, "execute", &RecordingProc, &tags[0]);
    KeyValuePair odd[] = {
        {"type", const_cast<char*>("execute")}, {"target_id", &tags[3]}, {nullptr, nullptr}};
    sim::EventOutcome outcome = sim::SendWidgetEvent(button, "execute", odd);
    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(g_deliveries[0].target, 0);
}

TEST_F(WidgetEvents, ModalClickAnswersTheButtonsModalResult) {
    int dialog = Create("dialog");
    int frame = Create("frame");
    AddChild(dialog, frame);
    int ok = Create("button");
    Set(ok, "text", u"OK");
    int one = 1;
    Set(ok, "modalresult", &one);
    AddChild(frame, ok);
    AddEvent(ok, "leftdown", &RecordingProc, &tags[0]);
    int plain = Create("button");
    Set(plain, "text", u"Help");
    AddChild(frame, plain);

    sim::QueueModalClick(u"OK");
    EXPECT_EQ(RunModal(dialog), 1);
    EXPECT_EQ(g_deliveries.size(), 1u);
    sim::QueueModalClick(u"Help");  // no modal result: the run stays unanswered
    EXPECT_EQ(RunModal(dialog), 0);
    sim::QueueModalClick(u"Nowhere");
    EXPECT_EQ(RunModal(dialog), 0);
}

}  // namespace
