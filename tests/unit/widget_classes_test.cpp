// Widget classes over the host protocol: creation, ownership, destruction,
// properties, message boxes and modal runs.
#include <memory>

#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "tests/unit/widget_test_support.h"

namespace {

using sim::widget_msg::kAddChild;
using sim::widget_msg::kAddChildWindow;
using sim::widget_msg::kAddEvent;
using sim::widget_msg::kCreate;
using sim::widget_msg::kDestroy;
using sim::widget_msg::kSetProperty;

using WidgetClasses = MainWindowTest;

TEST_F(WidgetClasses, ButtonInARowIsCreatedThenCaptionedThenAdded) {
    MQWindow window(main.get());
    MQFrame* row = window.CreateHorizontalFrame(&window);
    host.ClearLog();

    MQButton* button = window.CreateButton(row, u"Set");

    const auto& log = host.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].message, kCreate);
    EXPECT_EQ(log[0].name, "button");
    EXPECT_EQ(log[0].keys, (std::vector<std::string>{"type", "id"}));
    EXPECT_EQ(log[1].message, kSetProperty);
    EXPECT_EQ(log[1].id, button->GetID());
    EXPECT_EQ(log[1].name, "text");
    EXPECT_EQ(log[2].message, kAddChild);
    EXPECT_EQ(log[2].id, row->GetID());
    EXPECT_EQ(log[2].child, button->GetID());
    EXPECT_EQ(log[2].keys, (std::vector<std::string>{"child", "result"}));
    EXPECT_EQ(host.TextProperty(button->GetID(), "text"), u"Set");
    EXPECT_EQ(host.ChildrenOf(row->GetID()), std::vector<int>{button->GetID()});
}

TEST_F(WidgetClasses, CreationOperationsSetTheirPropertyAndKeepTheOrderInTheParent) {
    MQWindow window(main.get());
    MQFrame* column = window.CreateVerticalFrame(&window);
    MQFrame* row = window.CreateHorizontalFrame(column);
    MQCheckBox* view = window.CreateCheckBox(row, u"View");
    MQDoubleSpinBox* spin = window.CreateDoubleSpinBox(column);
    MQColorPanel* panel = window.CreateColorPanel(column);

    EXPECT_EQ(host.ClassOf(column->GetID()), "frame");
    EXPECT_EQ(host.NarrowProperty(column->GetID(), "alignment"), "vert");
    EXPECT_EQ(host.NarrowProperty(row->GetID(), "alignment"), "horz");
    EXPECT_EQ(host.ClassOf(view->GetID()), "checkbox");
    EXPECT_EQ(host.TextProperty(view->GetID(), "text"), u"View");
    EXPECT_EQ(host.ClassOf(spin->GetID()), "doublespinbox");
    EXPECT_EQ(host.ClassOf(panel->GetID()), "colorpanel");
    EXPECT_EQ(host.ChildrenOf(column->GetID()),
              (std::vector<int>{row->GetID(), spin->GetID(), panel->GetID()}));
    EXPECT_EQ(host.ChildrenOf(window.GetID()), std::vector<int>{column->GetID()});
    EXPECT_EQ(host.ChildWindowsOf(main->GetID()), std::vector<int>{window.GetID()});
}

TEST_F(WidgetClasses, NullParentConfiguresButAddsNowhereAndStillDestroysWithTheWindow) {
    int buttonId = 0;
    {
        MQWindow window(main.get());
        host.ClearLog();
        MQButton* loose = window.CreateButton(nullptr, u"Loose");
        buttonId = loose->GetID();
        EXPECT_EQ(host.TextProperty(buttonId, "text"), u"Loose");
        EXPECT_EQ(host.ParentOf(buttonId), 0);
        EXPECT_TRUE(host.LogOf(kAddChild).empty());
        EXPECT_EQ(loose->AddChild(nullptr), -1);
        window.AddChildWindow(nullptr);
        EXPECT_TRUE(host.LogOf(kAddChildWindow).empty());
    }
    EXPECT_FALSE(host.IsAlive(buttonId));
    EXPECT_TRUE(host.LiveWidgetsOfPlugin().empty());
}

TEST_F(WidgetClasses, DestroyingAWindowDestroysEachOwnedControlThenTheWindow) {
    auto window = std::make_unique<MQWindow>(main.get());
    MQFrame* column = window->CreateVerticalFrame(window.get());
    std::vector<int> controls = {column->GetID(), window->CreateButton(column, u"Set")->GetID(),
                                 window->CreateCheckBox(column, u"View")->GetID()};
    int windowId = window->GetID();
    host.ClearLog();

    window.reset();

    // Newest first: no control outlives the frame that holds it.
    const auto& log = host.Log();
    ASSERT_EQ(log.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(log[i].message, kDestroy);
        EXPECT_TRUE(log[i].keys.empty());
        EXPECT_EQ(log[i].id, controls[2 - i]);
    }
    EXPECT_EQ(log[3].message, kDestroy);
    EXPECT_EQ(log[3].id, windowId);
    EXPECT_TRUE(host.LiveWidgetsOfPlugin().empty());
}

TEST_F(WidgetClasses, MainWindowWrapperIsNeverDestroyedAtTheHost) {
    int mainId = main->GetID();
    EXPECT_EQ(mainId, host.MainWindowId());
    EXPECT_FALSE(main->IsOwned());
    EXPECT_EQ(TheWidgetRegistry().Find(mainId), main.get());
    host.ClearLog();
    main.reset();
    EXPECT_TRUE(host.LogOf(kDestroy).empty());
    EXPECT_TRUE(host.IsAlive(mainId));
    EXPECT_EQ(TheWidgetRegistry().Find(mainId), nullptr);
}

TEST_F(WidgetClasses, UnansweredMainWindowLookupWrapsIdMinusOne) {
    host.LeaveSystemLookupUnanswered(true);
    MQWindow lost = MQWindow::GetMainWindow();
    EXPECT_EQ(lost.GetID(), -1);
    EXPECT_EQ(TheWidgetRegistry().Find(-1), &lost);
}

TEST_F(WidgetClasses, RefusedCreationLeavesAnUnregisteredWrapperThatDestroysNothing) {
    HandlerCalls calls;
    {
        CountingWindow window(main.get(), calls);
        host.FailNextCreations(1);
        MQButton* refused = window.CreateButton(&window, u"Set");
        EXPECT_EQ(refused->GetID(), 0);
        EXPECT_FALSE(refused->IsOwned());
        EXPECT_EQ(TheWidgetRegistry().Find(0), nullptr);
        // The window goes on with its next control.
        MQButton* next = window.CreateButton(&window, u"Clr");
        EXPECT_NE(next->GetID(), 0);
        EXPECT_EQ(host.ChildrenOf(window.GetID()), std::vector<int>{next->GetID()});

        // Later calls on it go out with id 0, which the host ignores, and no
        // event ever reaches it.
        refused->SetDown(true);
        refused->AddExecuteHandler(&window, &CountingWindow::OnPlain);
        sim::EventList list = sim::PlainEventList(0, 0, "execute");
        EXPECT_EQ(WidgetEventProc(nullptr, list.Pairs(), refused->GetHandlers()[0].get()), 0);
        host.ClearLog();
    }
    EXPECT_EQ(calls.count, 0);
    auto destroyed = host.LogOf(kDestroy);
    ASSERT_EQ(destroyed.size(), 2u);  // "Clr" and the window
    for (const auto& message : destroyed) EXPECT_NE(message.id, 0);
}

TEST_F(WidgetClasses, EventHandlerRegistrationSendsTypeProcPointerPrior) {
    MQWindow window(main.get());
    host.ClearLog();
    HandlerCalls calls;
    CountingWindow owner(main.get(), calls);
    host.ClearLog();
    window.AddHideHandler(&owner, &CountingWindow::OnPlain);
    auto added = host.LogOf(kAddEvent);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].keys, (std::vector<std::string>{"type", "proc", "pointer", "prior"}));
    EXPECT_EQ(added[0].name, "hide");
    auto handlers = host.HandlersOf(window.GetID());
    ASSERT_EQ(handlers.size(), 1u);
    EXPECT_EQ(handlers[0].proc, &WidgetEventProc);
    EXPECT_EQ(handlers[0].pointer, window.GetHandlers()[0].get());
    EXPECT_FALSE(handlers[0].prior);
}

TEST_F(WidgetClasses, PropertiesGoOutInTheirFormsAndComeBack) {
    MQWindow window(main.get());
    window.SetTitle(u"Tackpin");
    window.SetCanResize(false);
    window.SetPosX(320);
    window.SetPosY(-40);
    window.SetVisible(true);
    MQFrame* column = window.CreateVerticalFrame(&window);
    column->SetInSpace(0.0);
    column->SetOutSpace(0.2);
    MQButton* toggle = window.CreateButton(column, u"0");
    toggle->SetToggle(true);
    toggle->SetDown(true);
    toggle->SetModalResult(2);
    toggle->SetDefault(true);
    toggle->SetCancel(true);
    MQCheckBox* check = window.CreateCheckBox(column, u"Normal");
    check->SetChecked(true);
    MQDoubleSpinBox* spin = window.CreateDoubleSpinBox(column);
    spin->SetMin(-100.0);
    spin->SetMax(100.0);
    spin->SetIncrement(5.0);
    spin->SetPosition(7.5);
    spin->SetMaxDecimalDigit(3);
    MQColorPanel* panel = window.CreateColorPanel(column);
    panel->SetRgb(255, 127, 0);

    EXPECT_EQ(host.TextProperty(window.GetID(), "title"), u"Tackpin");
    EXPECT_EQ(host.BoolProperty(window.GetID(), "canresize"), false);
    EXPECT_EQ(host.BoolProperty(window.GetID(), "visible"), true);
    EXPECT_EQ(host.DoubleProperty(column->GetID(), "outspace"), 0.2);
    EXPECT_EQ(host.IntProperty(toggle->GetID(), "modalresult"), 2);
    EXPECT_EQ(host.BoolProperty(toggle->GetID(), "cancel"), true);
    EXPECT_EQ(host.DoubleProperty(spin->GetID(), "increment"), 5.0);
    EXPECT_EQ(host.IntProperty(spin->GetID(), "maxdecimaldigit"), 3);

    EXPECT_EQ(window.GetPosX(), 320);
    EXPECT_EQ(window.GetPosY(), -40);
    EXPECT_TRUE(toggle->GetDown());
    EXPECT_TRUE(check->GetChecked());
    EXPECT_EQ(spin->GetPosition(), 7.5);
    WidgetRgb rgb = panel->GetRgb();
    EXPECT_EQ(rgb.r, 255);
    EXPECT_EQ(rgb.g, 127);
    EXPECT_EQ(rgb.b, 0);
}

TEST_F(WidgetClasses, UnansweredReadsLeaveTheCallersDefaults) {
    MQWindow window(main.get());
    MQButton* toggle = window.CreateButton(&window, u"0");
    toggle->SetDown(true);
    MQCheckBox* check = window.CreateCheckBox(&window, u"View");
    check->SetChecked(true);
    MQDoubleSpinBox* spin = window.CreateDoubleSpinBox(&window);
    spin->SetPosition(5.0);
    MQColorPanel* panel = window.CreateColorPanel(&window);
    panel->SetRgb(1, 2, 3);

    host.LeaveReadsUnanswered(true);
    EXPECT_FALSE(toggle->GetDown());
    EXPECT_FALSE(check->GetChecked());
    EXPECT_EQ(spin->GetPosition(), 0.0);
    EXPECT_EQ(window.GetPosX(), -1);
    EXPECT_EQ(window.GetPosY(), -1);
    WidgetRgb rgb = panel->GetRgb();
    EXPECT_EQ(rgb.r + rgb.g + rgb.b, 0);
}

TEST_F(WidgetClasses, MessageBoxAsksOverItsWindowAndAnswersWhatTheHostSays) {
    MQWindow window(main.get());
    sim::Dialogs().QueueMessageBoxAnswer(1);
    sim::Dialogs().QueueMessageBoxAnswer(2);
    EXPECT_EQ(window.ShowMessageBox(u"Overwrite?", u"Marker"), 1);
    EXPECT_EQ(window.ShowMessageBox(u"Clear?", u"Marker"), 2);
    // Nobody answers: the preset 0 stands, which is no OK.
    EXPECT_EQ(window.ShowMessageBox(u"Add?", u"Marker"), 0);

    const auto& boxes = sim::Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].parent, window.GetID());
    EXPECT_EQ(boxes[0].messageType, "okcancel");
    EXPECT_EQ(boxes[0].message, u"Overwrite?");
    EXPECT_EQ(boxes[0].title, u"Marker");
    EXPECT_FALSE(boxes[2].answer.has_value());
    auto runs = host.LogOf(sim::widget_msg::kRun);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].id, 0);
    EXPECT_EQ(runs[0].keys, (std::vector<std::string>{"type", "messagetype", "parent", "message",
                                                      "title", "result"}));
}

TEST_F(WidgetClasses, ModalRunAnswersTheClosingButtonsResultOrZero) {
    MQWindow window(main.get());
    MQDialog dialog(&window);
    MQFrame* row = dialog.CreateHorizontalFrame(&dialog);
    MQButton* ok = dialog.CreateButton(row, u"OK");
    ok->SetModalResult(1);
    ok->SetDefault(true);
    MQButton* cancel = dialog.CreateButton(row, u"Cancel");
    cancel->SetModalResult(2);
    cancel->SetCancel(true);
    EXPECT_EQ(host.ChildWindowsOf(window.GetID()), std::vector<int>{dialog.GetID()});

    sim::QueueModalClick(u"OK");
    EXPECT_EQ(dialog.RunModal(), 1);
    sim::QueueModalClick(u"Cancel");
    EXPECT_EQ(dialog.RunModal(), 2);
    EXPECT_EQ(dialog.RunModal(), 0);
    const auto& runs = sim::Dialogs().ModalRuns();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].dialog, dialog.GetID());
    EXPECT_FALSE(runs[2].answer.has_value());
    EXPECT_EQ(host.LogOf(sim::widget_msg::kRun)[0].keys,
              (std::vector<std::string>{"type", "result"}));
}

}  // namespace
