// tackpin-validate MODULE [--level N] [--seed S]: runs the validation suites
// against a plug-in module, each scenario in a fresh process of its own,
// prints the seed so that any failure replays, and ends with one line of
// totals. Exit code 0 when every scenario passed.
//
// The same program runs one scenario in the present process when given
// --scenario NAME; that is how it starts its own children.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "examples/validate/scenarios.h"
#include "platform/child_process.h"

namespace {

// A scenario's own verdict "failed"; any other nonzero end of a child is a
// crash (sanitizers and runtimes end a process with 1).
constexpr int kScenarioFailed = 3;

int Usage() {
    std::fprintf(stderr, "usage: tackpin-validate MODULE [--level 1|2|3] [--seed S]\n");
    return 2;
}

bool ParseNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    validate::Options options;
    bool seeded = false;
    std::string scenario;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        unsigned long long number = 0;
        if ((argument == "--level" || argument == "--seed" || argument == "--scenario") && i + 1 < argc) {
            const char* value = argv[++i];
            if (argument == "--scenario") {
                scenario = value;
            } else if (!ParseNumber(value, number)) {
                return Usage();
            } else if (argument == "--level") {
                options.level = static_cast<int>(number);
            } else {
                options.seed = number;
                seeded = true;
            }
        } else if (options.module.empty() && argument.rfind("--", 0) != 0) {
            options.module = argument;
        } else {
            return Usage();
        }
    }
    if (options.module.empty() || options.level < 1 || options.level > 3) return Usage();

    if (!scenario.empty()) return validate::RunScenario(scenario, options) ? 0 : kScenarioFailed;

    if (!seeded)
        options.seed = static_cast<std::uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    std::printf("tackpin-validate %s, level %d, seed %llu\n", options.module.c_str(), options.level,
                static_cast<unsigned long long>(options.seed));
    int passed = 0;
    int failed = 0;
    for (const std::string& name : validate::ScenariosOf(options.level)) {
        std::printf("---- %s\n", name.c_str());
        std::fflush(stdout);
        const platform::ChildOutcome child = platform::RunChild(
            {argv[0], "--scenario", name, "--level", std::to_string(options.level), "--seed",
             std::to_string(options.seed), options.module});
        if (child.started && !child.crashed && child.exitCode == 0) {
            std::printf("PASS  %s\n", name.c_str());
            ++passed;
            continue;
        }
        ++failed;
        if (!child.started)
            std::printf("FAIL  %s (could not be run)\n", name.c_str());
        else if (!child.crashed && child.exitCode == kScenarioFailed)
            std::printf("FAIL  %s\n", name.c_str());
        else  // a signal, an exception, or a sanitizer's or runtime's own exit
            std::printf("FAIL  %s (crashed: %s)\n", name.c_str(), child.how.c_str());
    }
    std::printf("seed %llu\nvalidate: %d passed, %d failed\n", static_cast<unsigned long long>(options.seed),
                passed, failed);
    return failed == 0 ? 0 : 1;
}
