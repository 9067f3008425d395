// The widget event callback: which events reach which handler, with what.
#include <memory>
#include <new>
#include <stdexcept>

#include "simhost/widgets/widget_events.h"
#include "tests/unit/widget_test_support.h"

namespace {

class WidgetRouting : public MainWindowTest {
protected:
    // The closure registered last on `widget`, as the host holds it.
    static void* LastClosure(const MQWidgetBase& widget) {
        return widget.GetHandlers().back().get();
    }
};

TEST_F(WidgetRouting, LeftDownReachesTheHandlerWithTheMouseRecord) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    MQButton* button = window.CreateButton(&window, u"Set");
    button->AddLeftDownHandler(&window, &CountingWindow::OnMouse);
    MQDocument doc = reinterpret_cast<MQDocument>(0x1234);
    host.SetEventDocument(doc);

    sim::PointerInfo pointer;
    pointer.screenX = 640;
    pointer.screenY = 480;
    pointer.buttonState = sim::button_bits::kShift;
    sim::EventOutcome outcome = sim::UserLeftDown(button->GetID(), pointer);

    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(outcome.answer, CountingWindow::kMouseAnswer);
    EXPECT_EQ(calls.count, 1);
    EXPECT_EQ(calls.sender, button);
    EXPECT_EQ(calls.document, doc);
    EXPECT_EQ(calls.mouse.screen_x, 640);
    EXPECT_EQ(calls.mouse.screen_y, 480);
    EXPECT_TRUE(calls.mouse.left_button);
    EXPECT_TRUE(calls.mouse.shift);
    EXPECT_FALSE(calls.mouse.ctrl);
}

TEST_F(WidgetRouting, UnregisteredTargetAnswersZeroAndCallsNothing) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    window.AddHideHandler(&window, &CountingWindow::OnPlain);
    sim::EventList list = sim::PlainEventList(window.GetID() + 1000, window.GetID(), "hide");
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), LastClosure(window)), 0);
    EXPECT_EQ(calls.count, 0);
}

TEST_F(WidgetRouting, ClosureOfAnotherWidgetIsNeverCalled) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    MQButton* ok = window.CreateButton(&window, u"OK");
    MQButton* other = window.CreateButton(&window, u"Cancel");
    ok->AddExecuteHandler(&window, &CountingWindow::OnPlain);
    other->AddExecuteHandler(&window, &CountingWindow::OnPlain);

    // Addressed to "Cancel", but with the closure that "OK" holds.
    sim::EventList list = sim::PlainEventList(other->GetID(), other->GetID(), "execute");
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), LastClosure(*ok)), 0);
    // An address that is no closure at all.
    int stranger = 0;
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), &stranger), 0);
    EXPECT_EQ(calls.count, 0);
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), LastClosure(*other)),
              CountingWindow::kPlainAnswer);
    EXPECT_EQ(calls.count, 1);
}

TEST_F(WidgetRouting, ListWithoutTypeOrWithNullTypeAnswersZero) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    window.AddHideHandler(&window, &CountingWindow::OnPlain);
    int id = window.GetID();
    KeyValuePair noType[] = {{"target_id", &id}, {"sender_id", &id}, {nullptr, nullptr}};
    KeyValuePair nullType[] = {{"target_id", &id}, {"type", nullptr}, {nullptr, nullptr}};
    EXPECT_EQ(WidgetEventProc(nullptr, noType, LastClosure(window)), 0);
    EXPECT_EQ(WidgetEventProc(nullptr, nullType, LastClosure(window)), 0);
    EXPECT_EQ(WidgetEventProc(nullptr, nullptr, LastClosure(window)), 0);
    EXPECT_EQ(calls.count, 0);
}

TEST_F(WidgetRouting, WidgetWithoutHandlersAnswersZero) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    sim::EventList list = sim::PlainEventList(window.GetID(), window.GetID(), "hide");
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), nullptr), 0);
}

TEST_F(WidgetRouting, MouseEventWithoutSenderReachesTheHandlerWithNullSender) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    MQButton* button = window.CreateButton(&window, u"0");
    button->AddRightDownHandler(&window, &CountingWindow::OnMouse);
    int id = button->GetID();
    KeyValuePair list[] = {
        {"target_id", &id}, {"type", const_cast<char*>("rightdown")}, {nullptr, nullptr}};
    calls.sender = button;

    sim::EventOutcome outcome = sim::SendWidgetEvent(id, "rightdown", list);
    EXPECT_EQ(outcome.answer, CountingWindow::kMouseAnswer);
    EXPECT_EQ(calls.count, 1);
    EXPECT_EQ(calls.sender, nullptr);
    // Everything missing reads as 0, "pressure" as 0.0.
    EXPECT_EQ(calls.mouse.screen_x, 0);
    EXPECT_FALSE(calls.mouse.right_button);
    EXPECT_EQ(calls.mouse.pressure, 0.0f);

    // A sender id that names no wrapper is no failure either.
    sim::EventList strangerSender = sim::MouseEventList(id, 99999, "rightdown", sim::PointerInfo{});
    calls.sender = button;
    EXPECT_EQ(sim::SendWidgetEvent(id, "rightdown", strangerSender.Pairs()).answer,
              CountingWindow::kMouseAnswer);
    EXPECT_EQ(calls.sender, nullptr);
}

TEST_F(WidgetRouting, LeftUpAndMouseMoveBuildAMouseRecordExecuteNone) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    MQButton* button = window.CreateButton(&window, u"Set");
    for (const char* type : {"leftup", "mousemove", "execute"}) {
        button->AddEventHandler(type, std::make_shared<MQWidgetMouseEventClosure<CountingWindow>>(
                                          &window, window.GetID(), &CountingWindow::OnMouse));
    }
    sim::PointerInfo pointer;
    pointer.clientX = 12;
    pointer.wheelDelta = -120;
    for (const char* type : {"leftup", "mousemove"}) {
        calls = HandlerCalls{};
        sim::EventList list = sim::MouseEventList(button->GetID(), button->GetID(), type, pointer);
        EXPECT_EQ(sim::SendWidgetEvent(button->GetID(), type, list.Pairs()).answer,
                  CountingWindow::kMouseAnswer)
            << type;
        EXPECT_EQ(calls.mouse.client_x, 12) << type;
        EXPECT_EQ(calls.mouse.wheel_delta, -120) << type;
    }
    // "execute" carries no record: a mouse handler bound to it has nothing
    // to read and is not called.
    calls = HandlerCalls{};
    sim::EventList list = sim::PlainEventList(button->GetID(), button->GetID(), "execute");
    sim::EventOutcome outcome = sim::SendWidgetEvent(button->GetID(), "execute", list.Pairs());
    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(outcome.answer, 0);
    EXPECT_EQ(calls.count, 0);
}

// A closure kind for the records that the panel binds no handler for.
class RecordingClosure : public MQWidgetEventClosureBase {
public:
    int Invoke(MQWidgetBase*, MQDocument, const WidgetEventRecord& record) override {
        if (record.key != nullptr) key = *record.key;
        if (record.canvas != nullptr) canvas = record.canvas->GetHandle();
        sawMouse = record.mouse != nullptr;
        return 1;
    }
    bool IsEqual(const MQWidgetEventClosureBase& other) const override { return &other == this; }
    MQWidgetBase* GetTarget() const override { return nullptr; }

    WidgetKeyParam key;
    void* canvas = nullptr;
    bool sawMouse = false;
};

TEST_F(WidgetRouting, KeyAndPaintEventsCarryTheirRecords) {
    MQWindow window(main.get());
    auto closure = std::make_shared<RecordingClosure>();
    window.AddEventHandler("keydown", closure);
    window.AddEventHandler("paint", closure);

    sim::EventList key = sim::KeyEventList(window.GetID(), window.GetID(), "keydown", 'A', true,
                                           sim::button_bits::kCtrl);
    EXPECT_EQ(sim::SendWidgetEvent(window.GetID(), "keydown", key.Pairs()).answer, 1);
    EXPECT_EQ(closure->key.key, 'A');
    EXPECT_TRUE(closure->key.auto_repeat);
    EXPECT_TRUE(closure->key.ctrl);
    EXPECT_FALSE(closure->sawMouse);

    int canvasHandle = 0;
    sim::EventList paint = sim::PaintEventList(window.GetID(), window.GetID(), &canvasHandle);
    EXPECT_EQ(sim::SendWidgetEvent(window.GetID(), "paint", paint.Pairs()).answer, 1);
    EXPECT_EQ(closure->canvas, &canvasHandle);
}

TEST_F(WidgetRouting, DestroyedOwnerIsNotCalledThroughAClosureAnotherWidgetHolds) {
    HandlerCalls calls;
    MQWindow holder(main.get());
    MQButton* button = holder.CreateButton(&holder, u"Set");
    auto owner = std::make_unique<CountingWindow>(main.get(), calls);
    button->AddExecuteHandler(owner.get(), &CountingWindow::OnPlain);
    sim::EventList list = sim::PlainEventList(button->GetID(), button->GetID(), "execute");
    EXPECT_EQ(sim::SendWidgetEvent(button->GetID(), "execute", list.Pairs()).answer,
              CountingWindow::kPlainAnswer);

    owner.reset();
    EXPECT_EQ(sim::SendWidgetEvent(button->GetID(), "execute", list.Pairs()).answer, 0);
    EXPECT_EQ(calls.count, 1);
}

TEST_F(WidgetRouting, DestroyedOwnerWhoseIdTheHostReusedIsNotCalled) {
    HandlerCalls oldCalls;
    HandlerCalls newCalls;
    MQWindow holder(main.get());
    MQButton* button = holder.CreateButton(&holder, u"Set");
    auto owner = std::make_unique<CountingWindow>(main.get(), oldCalls);
    int ownerId = owner->GetID();
    button->AddExecuteHandler(owner.get(), &CountingWindow::OnPlain);
    owner.reset();

    // The host gives the dead owner's id to a new window: some wrapper is
    // registered under the id again, but it is not the closure's target.
    host.ReuseIdForNextCreation(ownerId);
    CountingWindow successor(main.get(), newCalls);
    ASSERT_EQ(successor.GetID(), ownerId);
    ASSERT_EQ(TheWidgetRegistry().Find(ownerId), &successor);

    sim::EventList list = sim::PlainEventList(button->GetID(), button->GetID(), "execute");
    sim::EventOutcome outcome = sim::SendWidgetEvent(button->GetID(), "execute", list.Pairs());
    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(outcome.answer, 0);
    EXPECT_EQ(oldCalls.count, 0);
    EXPECT_EQ(newCalls.count, 0);
}

TEST_F(WidgetRouting, EventsToADestroyedWidgetAnswerZero) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    auto dialog = std::make_unique<MQDialog>(&window);
    dialog->AddHideHandler(&window, &CountingWindow::OnPlain);
    int dialogId = dialog->GetID();
    void* closure = LastClosure(*dialog);
    dialog.reset();
    sim::EventList list = sim::PlainEventList(dialogId, dialogId, "hide");
    EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), closure), 0);
    EXPECT_EQ(calls.count, 0);
}

// The panel's dialog is destroyed inside the handler of one of its buttons:
// the closure that is running must outlive the widget that held it.
class SelfClosingWindow : public MQWindow {
public:
    explicit SelfClosingWindow(MQWindowBase* parent) : MQWindow(parent) {}
    int OnClose(MQWidgetBase*, MQDocument) {
        dialog.reset();
        return 5;
    }
    std::unique_ptr<MQDialog> dialog;
};

TEST_F(WidgetRouting, HandlerMayDestroyTheWidgetThatFiredIt) {
    SelfClosingWindow window(main.get());
    window.dialog = std::make_unique<MQDialog>(&window);
    MQButton* close = window.dialog->CreateButton(window.dialog.get(), u"Close");
    close->AddExecuteHandler(&window, &SelfClosingWindow::OnClose);
    int closeId = close->GetID();
    sim::EventList list = sim::PlainEventList(closeId, closeId, "execute");
    EXPECT_EQ(sim::SendWidgetEvent(closeId, "execute", list.Pairs()).answer, 5);
    EXPECT_EQ(window.dialog, nullptr);
    EXPECT_FALSE(host.IsAlive(closeId));
}

class ThrowingWindow : public MQWindow {
public:
    explicit ThrowingWindow(MQWindowBase* parent) : MQWindow(parent) {}
    int OnHide(MQWidgetBase*, MQDocument) { throw std::length_error("out of room"); }
};

TEST_F(WidgetRouting, NothingThrownInAHandlerCrossesTheCallback) {
    ThrowingWindow window(main.get());
    window.SetVisible(true);
    window.AddHideHandler(&window, &ThrowingWindow::OnHide);
    sim::EventOutcome outcome = sim::UserCloseWindow(window.GetID());
    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(outcome.answer, 0);
}

TEST_F(WidgetRouting, SecondWrapperOfARegisteredIdIsNotRegisteredAndLeavesTheFirstsEntry) {
    HandlerCalls calls;
    CountingWindow window(main.get(), calls);
    main->AddHideHandler(&window, &CountingWindow::OnPlain);
    {
        // The main window is already wrapped once by the fixture.
        MQWindow second = MQWindow::GetMainWindow();
        EXPECT_EQ(second.GetID(), main->GetID());
        EXPECT_EQ(TheWidgetRegistry().Find(main->GetID()), main.get());
        second.AddHideHandler(&window, &CountingWindow::OnPlain);
        // Only the first wrapper's handlers are found.
        sim::EventOutcome outcome = sim::UserCloseWindow(main->GetID());
        EXPECT_EQ(outcome.handlersCalled, 2);
        EXPECT_EQ(calls.count, 1);
    }
    // The second wrapper is gone; events still reach the first.
    EXPECT_EQ(TheWidgetRegistry().Find(main->GetID()), main.get());
    sim::Widgets().SetByUser(main->GetID(), "visible", true);  // the close hid it
    sim::UserCloseWindow(main->GetID());
    EXPECT_EQ(calls.count, 2);
    sim::Widgets().SetByUser(main->GetID(), "visible", true);
}

TEST_F(WidgetRouting, DestroyedOwnerWhoseAddressAndIdANewWindowTookIsNotCalled) {
    HandlerCalls oldCalls;
    HandlerCalls newCalls;
    MQWindow holder(main.get());
    MQButton* button = holder.CreateButton(&holder, u"Set");
    // One place for both owners, so that the second takes the first's address.
    alignas(CountingWindow) unsigned char place[sizeof(CountingWindow)];
    auto* owner = new (place) CountingWindow(main.get(), oldCalls);
    const int ownerId = owner->GetID();
    button->AddExecuteHandler(owner, &CountingWindow::OnPlain);
    owner->~CountingWindow();

    host.ReuseIdForNextCreation(ownerId);
    auto* successor = new (place) CountingWindow(main.get(), newCalls);
    ASSERT_EQ(successor->GetID(), ownerId);
    ASSERT_EQ(TheWidgetRegistry().Find(ownerId), static_cast<void*>(place));

    sim::EventList list = sim::PlainEventList(button->GetID(), button->GetID(), "execute");
    sim::EventOutcome outcome = sim::SendWidgetEvent(button->GetID(), "execute", list.Pairs());
    EXPECT_EQ(outcome.handlersCalled, 1);
    EXPECT_EQ(outcome.answer, 0);
    EXPECT_EQ(oldCalls.count + newCalls.count, 0);
    successor->~CountingWindow();
}

}  // namespace
