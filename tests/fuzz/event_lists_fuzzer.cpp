// The host event dispatcher's lists: any event number, with no option, a
// flag, or a list of any known and unknown keys in any order, repeated or
// missing, values null or of any content. Handles stay the host's own (null
// or live, of the right kind): the host never hands out others.
#include <cstdint>
#include <string>

#include "simhost/documents/document_model.h"
#include "tests/fuzz/fuzz_lists.h"
#include "tests/fuzz/linked_plugin.h"
#include "validation_harness/choices.h"
#include "validation_harness/stage.h"

namespace {

const int kEvents[] = {1,   2,   100, 101, 102, 103, 110, 120, 121, 125, 130, 140, 141, 200, 201,
                       202, 210, 211, 212, 220, 221, 222, 230, 231, 240, 300, 301, 0,   -1,  999};

const std::vector<std::string> kScalarKeys = {
    "width",       "height",      "state",    "size",         "src_product",
    "src_id",      "result",      "key",      "button_state", "mouse_pos_x",
    "mouse_pos_y", "mouse_wheel", "pressure", "background",   "save_uid"};
const std::vector<std::string> kHandleKeys = {"scene", "xml_elem", "description", "message",
                                              "args"};
const std::vector<std::string> kTextKeys = {"filename"};

// Up to seven pairs: known and unknown keys, values of any content, null
// values, and handles that are null or the host's live scene.
void FillList(fuzz::FuzzList& list, validation::Choices& pick, MQScene scene) {
    const int pairs = pick.Pick(8);
    for (int p = 0; p < pairs; ++p) {
        switch (pick.Pick(4)) {
        case 0: list.Scalar(fuzz::PickKey(pick, kScalarKeys), pick); break;
        case 1: list.Text(fuzz::PickKey(pick, kTextKeys), pick); break;
        case 2: list.Pointer(fuzz::PickKey(pick, kScalarKeys), nullptr); break;
        default: {
            const std::string& key = kHandleKeys[static_cast<std::size_t>(pick.Pick(5))];
            list.Pointer(key,
                         key == "scene" && pick.Pick(2) == 0 ? static_cast<void*>(scene) : nullptr);
        }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    validation::ByteChoices pick(data, size);
    sim::PluginModule& plugin = fuzz::BeginRun();
    validation::Stage stage(plugin);
    fuzz::StartWithMarker(stage);

    std::string trail;
    for (int n = 0; n < 8 && pick.More(); ++n) {
        const int event = kEvents[pick.Pick(static_cast<int>(sizeof kEvents / sizeof kEvents[0]))];
        trail += " " + std::to_string(event);
        fuzz::FuzzList list;
        int flag = 0;
        void* option = nullptr;
        if (pick.Pick(4) != 0) {
            // Events 100 and 102 carry the flag itself, the others a list;
            // the host never swaps the two.
            if (event == 100 || event == 102) {
                flag = pick.Pick(3) - 1;
                option = &flag;
            } else {
                FillList(list, pick, stage.scene);
                option = list.Pairs();
            }
        }
        plugin.Event(stage.doc, event, option);
        fuzz::CheckNoBreach("events" + trail);
    }
    fuzz::EndRun("events" + trail);
    return 0;
}
