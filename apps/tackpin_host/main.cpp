// tackpin-host: the command-line host. It loads the built plug-in module
// into the simulated host, as the modeler does at start-up, and runs a
// session from a script or at an interactive prompt: host events, the user's
// work on the document and on the panel, and pictures of what the user sees.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <CLI/CLI.hpp>

#include "apps/tackpin_validate/validator.h"
#include "platform/platform.h"
#include "platform/tools/text_output.h"
#include "session_engine/line_input/line_input.h"
#include "session_engine/session/session_runner.h"
#include "session_engine/settings/settings_folder.h"
#include "simhost/plugin_module.h"

namespace {

// The examples of --help; module paths end as this platform's modules do.
std::string Examples() {
    const std::string other = std::string("other/Plugin") + platform::kModuleSuffix;
    return R"(
Examples:
  tackpin-host                        the interactive prompt ("help" lists the commands)
  tackpin-host examples/demo.tps      run the demo session and write its pictures
  tackpin-host -q tests/sessions/store_and_recall.tps
                                      a session as a test: silent unless an expect differs
  echo "start" | tackpin-host -       a session from standard input
  tackpin-host --settings /tmp/s.xml session.tps
                                      a session with a settings file of its own
  tackpin-host validate --level 2     validate the Tackpin module beside this program:
                                      each scenario in a fresh process
  tackpin-host validate )" +
           other + R"(
                                      validate another station plug-in

Exit status: 0 when the session ran through; 1 when the command line was
wrong, a command failed, an expect differed, or a file was missing or
malformed; 2 when the plug-in breached the host contract.
validate: 0 when every scenario passed; 1 when one failed; 2 when the command
line was wrong or the module cannot be loaded.)";
}

}  // namespace

int main(int argc, char** argv) {
    platform::WriteLfLineEnds();
    // tackpin-host validate [MODULE] [--level N] [--seed S]
    if (argc > 1 && std::string(argv[1]) == "validate")
        return validate::Main({argv[0], "validate"},
                              std::vector<std::string>(argv + 2, argv + argc));

    CLI::App app{
        "Runs the Tackpin plug-in in the simulated host: a session from a script, or at a prompt."};
    host_tool::SessionOptions options;
    options.modulePath = sim::DefaultPluginPath();
    options.settingsPath = host_tool::DefaultSettingsFolder() + "/host-settings.xml";
    std::string script;
    app.add_option("script", script,
                   "session script; \"-\" reads it from standard input; none: the prompt");
    app.add_option("-m,--module", options.modulePath, "the plug-in module to load")
        ->capture_default_str();
    app.add_option("-s,--settings", options.settingsPath,
                   "the host's settings file, kept between runs")
        ->capture_default_str();
    app.add_flag("-q,--quiet", options.quiet, "show only what print and expect show, and errors");
    app.footer(Examples());
    // Paths may start with "/" (under Wine too): no "/option" forms.
    app.allow_windows_style_options(false);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help ends well; any other mistake on the command line is a
        // failed command.
        return app.exit(error) == 0 ? host_tool::kStatusOk : host_tool::kStatusFailed;
    }

    host_tool::Session session(options, stdout, stderr);
    if (!script.empty()) return host_tool::RunScript(session, script);
    std::error_code error;
    std::filesystem::create_directories(host_tool::DefaultSettingsFolder(), error);
    std::unique_ptr<host_tool::LineInput> input =
        host_tool::MakePrompt(host_tool::DefaultSettingsFolder() + "/history");
    return host_tool::RunPrompt(session, *input);
}
