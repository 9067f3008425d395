// Shared by the widget unit tests: a fresh simulated host with the host
// table filled, a check at the end that no wrapper is left registered and
// the host saw no breach, and a window class whose handlers count calls.
#pragma once

#include <memory>

#include "simhost/widgets/widget_model.h"
#include "tests/unit/linked_host_test.h"
#include "widgets/widgets.h"

class WidgetTest : public LinkedHostTest {
protected:
    void TearDown() override {
        EXPECT_EQ(TheWidgetRegistry().Size(), 0u) << "wrappers left registered";
        LinkedHostTest::TearDown();
    }

    sim::WidgetModel& host = sim::Widgets();
};

// A widget test with a wrapper of the host's main window to build under.
class MainWindowTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        // Built in place: a wrapper is never copied or moved.
        main.reset(new MQWindow(MQWindow::GetMainWindow()));
    }
    void TearDown() override {
        main.reset();
        WidgetTest::TearDown();
    }

    std::unique_ptr<MQWindow> main;
};

// What a handler saw; kept outside the window so that it outlives it.
struct HandlerCalls {
    int count = 0;
    MQWidgetBase* sender = nullptr;
    MQDocument document = nullptr;
    WidgetMouseParam mouse;
};

// A window whose handlers record their calls and answer fixed values.
class CountingWindow : public MQWindow {
public:
    // Shown at once: the user's clicks reach only what is on screen.
    CountingWindow(MQWindowBase* parent, HandlerCalls& calls) : MQWindow(parent), calls_(calls) {
        SetVisible(true);
    }

    static constexpr int kMouseAnswer = 7;
    static constexpr int kPlainAnswer = 3;

    int OnMouse(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse) {
        ++calls_.count;
        calls_.sender = sender;
        calls_.document = document;
        calls_.mouse = mouse;
        return kMouseAnswer;
    }
    int OnPlain(MQWidgetBase* sender, MQDocument document) {
        ++calls_.count;
        calls_.sender = sender;
        calls_.document = document;
        return kPlainAnswer;
    }

private:
    HandlerCalls& calls_;
};
