// The settings texts: whatever a hand-edited settings file holds under the
// plug-in's twelve keys (any bytes, valid UTF-8 or not, numbers of any form)
// is read at start and written back at exit in the host's own form; and the
// value texts themselves read back what they write.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/setting_value_text.h"
#include "simhost/settings/settings_model.h"
#include "tests/fuzz/linked_plugin.h"
#include "validation_harness/choices.h"
#include "validation_harness/stage.h"

namespace {

const char* const kKeys[] = {
    "Tackpin_activate", "PosX", "PosY", "r0", "g0", "b0", "r1", "g1", "b1", "r2", "g2", "b2"};

// Any text reads as a value; a value written, read back and written again
// gives the same text: what the plug-in saves, it finds again.
void CheckRoundTrip(std::u16string_view text) {
    namespace vt = host::value_text;
    const float value = vt::ParseFloat(text);
    const int integer = vt::ParseInt(text);
    vt::ParseBool(text);
    if (vt::ParseInt(vt::FormatInt(integer)) != integer) {
        std::fprintf(stderr, "integer %d does not read back\n", integer);
        std::abort();
    }
    if (!std::isfinite(value)) return;
    const std::u16string written = vt::FormatFloat(value);
    if (vt::FormatFloat(vt::ParseFloat(written)) != written) {
        std::fprintf(stderr, "float %.9g does not read back as written\n",
                     static_cast<double>(value));
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The texts: the input cut at its zero bytes, one per key in turn.
    std::string texts[12];
    std::size_t key = 0;
    for (std::size_t i = 0; i < size && key < 12; ++i) {
        if (data[i] == 0)
            ++key;
        else
            texts[key].push_back(static_cast<char>(data[i]));
    }
    std::u16string wide(reinterpret_cast<const char16_t*>(data), size / 2);
    CheckRoundTrip(wide);

    sim::PluginModule& plugin = fuzz::BeginRun();
    unsigned int product = 0, id = 0;
    plugin.Exports().getPlugInId(&product, &id);
    char element[32];
    std::snprintf(element, sizeof element, "Plugin-%08X-%08X", product, id);
    for (std::size_t k = 0; k <= key && k < 12; ++k)
        sim::Settings().SetChildText(element, kKeys[k], texts[k]);

    validation::Stage stage(plugin);
    stage.OpenDocument();
    plugin.Start();
    stage.Draw();
    fuzz::EndRun("settings texts");
    return 0;
}
