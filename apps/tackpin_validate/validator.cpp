#include "apps/tackpin_validate/validator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "apps/tackpin_validate/scenarios.h"
#include "platform/tools/child_process.h"
#include "simhost/plugin_module.h"

namespace {

// A scenario's own verdicts "failed" and "not applicable"; any other
// nonzero end of a child is a crash (sanitizers and runtimes end a process
// with 1).
constexpr int kScenarioFailed = 3;
constexpr int kScenarioNotApplicable = 4;

// The command line was wrong, or the module cannot be validated at all.
constexpr int kStatusUnusable = 2;

// The usage, on standard output with status 0 when it was asked for, else
// on the error output with the status of a mistake on the command line.
int Usage(const std::vector<std::string>& self, bool asked) {
    std::string command;
    for (const std::string& word : self) command += word + " ";
    std::fprintf(asked ? stdout : stderr,
                 "usage: %s[MODULE] [--level 1|2|3] [--seed S]\n"
                 "  MODULE defaults to the Tackpin module beside this program\n"
                 "  --level 1 (quick, the default), 2 (adds a fault sweep per fault point) or 3\n"
                 "          (1000 load cycles and 500 random sessions)\n"
                 "  --seed  the seed of the random sessions; printed by every run, so that a\n"
                 "          failure replays\n"
                 "Each scenario ends PASS, FAIL, or NOT APPLICABLE with the reason (what the\n"
                 "module gave it nothing to exercise). The status is 0 when nothing failed, 1\n"
                 "when a scenario failed, 2 for a mistake here or a module that does not load.\n",
                 command.c_str());
    return asked ? 0 : kStatusUnusable;
}

int ChildStatus(validate::Verdict verdict) {
    switch (verdict) {
    case validate::Verdict::Pass: return 0;
    case validate::Verdict::NotApplicable: return kScenarioNotApplicable;
    case validate::Verdict::Fail: break;
    }
    return kScenarioFailed;
}

// Loads the module once here, so that one that cannot load at all is told
// once, with the loader's reason, before any scenario runs.
bool Loads(const std::string& module) {
    sim::PluginModule plugin;
    if (plugin.Load(module)) return true;
    std::fprintf(stderr, "validate: %s\n", plugin.Error().c_str());
    return false;
}

bool ParseNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

namespace validate {

int Main(const std::vector<std::string>& self, const std::vector<std::string>& arguments) {
    Options options;
    bool seeded = false;
    std::string scenario;
    std::string levelText;
    const std::size_t count = arguments.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") return Usage(self, true);
        unsigned long long number = 0;
        if ((argument == "--level" || argument == "--seed" || argument == "--scenario") &&
            i + 1 < count) {
            const char* value = arguments[++i].c_str();
            if (argument == "--scenario") {
                scenario = value;
            } else if (!ParseNumber(value, number)) {
                return Usage(self, false);
            } else if (argument == "--level") {
                options.level = number <= 3 ? static_cast<int>(number) : 0;
                levelText = value;
            } else {
                options.seed = number;
                seeded = true;
            }
        } else if (options.module.empty() && argument.rfind("--", 0) != 0) {
            options.module = argument;
        } else {
            return Usage(self, false);
        }
    }
    if (options.level < 1 || options.level > 3) {
        std::fprintf(stderr,
                     "validate: there is no level %s; the levels are 1 (quick), 2 (adds a fault "
                     "sweep per fault point) and 3 (1000 load cycles and 500 random sessions)\n",
                     levelText.c_str());
        return kStatusUnusable;
    }
    if (options.module.empty()) options.module = sim::DefaultPluginPath();

    if (!scenario.empty()) return ChildStatus(RunScenario(scenario, options));
    if (!Loads(options.module)) return kStatusUnusable;

    if (!seeded)
        options.seed = static_cast<std::uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    std::printf("validating %s, level %d, seed %llu\n", options.module.c_str(), options.level,
                static_cast<unsigned long long>(options.seed));
    int passed = 0;
    int failed = 0;
    int notApplicable = 0;
    for (const std::string& name : ScenariosOf(options.level)) {
        std::printf("---- %s\n", name.c_str());
        std::fflush(stdout);
        std::vector<std::string> child = self;
        child.insert(child.end(), {"--scenario", name, "--level", std::to_string(options.level),
                                   "--seed", std::to_string(options.seed), options.module});
        const platform::ChildOutcome outcome = platform::RunChild(child);
        if (outcome.started && !outcome.crashed && outcome.exitCode == 0) {
            std::printf("PASS  %s\n", name.c_str());
            ++passed;
            continue;
        }
        if (outcome.started && !outcome.crashed && outcome.exitCode == kScenarioNotApplicable) {
            std::printf("NOT APPLICABLE  %s\n", name.c_str());
            ++notApplicable;
            continue;
        }
        ++failed;
        if (!outcome.started)
            std::printf("FAIL  %s (could not be run)\n", name.c_str());
        else if (!outcome.crashed && outcome.exitCode == kScenarioFailed)
            std::printf("FAIL  %s\n", name.c_str());
        else  // a signal, an exception, or a sanitizer's or runtime's own exit
            std::printf("FAIL  %s (crashed: %s)\n", name.c_str(), outcome.how.c_str());
    }
    std::printf("seed %llu\n", static_cast<unsigned long long>(options.seed));
    if (notApplicable == 0)
        std::printf("validate: %d passed, %d failed\n", passed, failed);
    else
        std::printf(
            "validate: %d passed, %d failed, %d not applicable (not tested: the module gave them "
            "nothing to exercise)\n",
            passed, failed, notApplicable);
    return failed == 0 ? 0 : 1;
}

}  // namespace validate
