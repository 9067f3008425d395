// The widget callback's lists: events with any target and sender, any event
// name, any keys and values, handed to the plug-in's callback with the
// closure addresses it registered and with addresses that are not its own.
#include <cstdint>
#include <string>
#include <vector>

#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"
#include "tests/fuzz/fuzz_lists.h"
#include "tests/fuzz/linked_plugin.h"
#include "validation_harness/choices.h"
#include "validation_harness/stage.h"

namespace {

const std::vector<std::string> kEventNames = {
    "leftdown",   "leftup",  "leftdoubleclick", "rightdown", "rightup", "middledown", "mousemove",
    "mousewheel", "keydown", "keyup",           "paint",     "execute", "changing",   "changed",
    "hide",       "show"};
const std::vector<std::string> kScalarKeys = {"client_x",    "client_y",     "screen_x", "screen_y",
                                              "down_x",      "down_y",       "last_x",   "last_y",
                                              "wheel_delta", "button_state", "pressure", "key",
                                              "auto_repeat", "target_id",    "sender_id"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    validation::ByteChoices pick(data, size);
    sim::PluginModule& plugin = fuzz::BeginRun();
    validation::Stage stage(plugin);
    fuzz::StartWithMarker(stage);

    // What the host knows of the plug-in's widgets: their ids and handlers.
    sim::WidgetModel& widgets = sim::Widgets();
    std::vector<int> ids = {widgets.MainWindowId(), 0, -1, 12345};
    std::vector<sim::WidgetHandler> handlers;
    for (int id : widgets.LiveWidgetsOfPlugin()) {
        ids.push_back(id);
        for (const sim::WidgetHandler& handler : widgets.HandlersOf(id))
            handlers.push_back(handler);
    }
    if (handlers.empty()) {
        fuzz::EndRun("no handlers");
        return 0;
    }
    const WidgetEventProcType proc = handlers.front().proc;
    int stranger = 0;

    std::string trail;
    for (int n = 0; n < 6 && pick.More(); ++n) {
        // The closure: one the plug-in registered (on any widget), or not one of its own.
        void* pointer = nullptr;
        switch (pick.Pick(4)) {
        case 0: pointer = &stranger; break;
        case 1: pointer = static_cast<char*>(handlers[0].pointer) + 1 + pick.Pick(15); break;
        case 2: pointer = nullptr; break;
        default:
            pointer =
                handlers[static_cast<std::size_t>(pick.Pick(static_cast<int>(handlers.size())))]
                    .pointer;
        }
        fuzz::FuzzList list;
        const int pairs = pick.Pick(10);
        for (int p = 0; p < pairs; ++p) {
            switch (pick.Pick(5)) {
            case 0:
                list.Int("target_id",
                         ids[static_cast<std::size_t>(pick.Pick(static_cast<int>(ids.size())))]);
                break;
            case 1:
                list.Int("sender_id",
                         ids[static_cast<std::size_t>(pick.Pick(static_cast<int>(ids.size())))]);
                break;
            case 2:
                list.Pointer("type", const_cast<char*>(
                                         kEventNames[static_cast<std::size_t>(pick.Pick(
                                                         static_cast<int>(kEventNames.size())))]
                                             .c_str()));
                break;
            case 3: list.Scalar(fuzz::PickKey(pick, kScalarKeys), pick); break;
            default:
                if (pick.Pick(2) == 0)
                    list.Text("type", pick);
                else
                    list.Pointer(fuzz::PickKey(pick, kScalarKeys), nullptr);
            }
        }
        // The user's answers to whatever the event asks.
        if (pick.Pick(2) == 0) sim::Dialogs().QueueMessageBoxAnswer(1 + pick.Pick(2));
        if (pick.Pick(2) == 0) sim::Dialogs().QueueModalAnswer(pick.Pick(3));
        trail += " call";
        proc(stage.doc, list.Pairs(), pointer);
        fuzz::CheckNoBreach("widget events" + trail);
    }
    fuzz::EndRun("widget events" + trail);
    return 0;
}
