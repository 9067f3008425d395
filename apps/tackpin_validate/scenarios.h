// The validator's scenarios: what each runs against a module, in the
// process it is given. Each ends with the host's exit and unload and a
// verdict; the report names the scenario, the step or call, and the
// breaches with the handles involved. A scenario passes only when it
// exercised what its name says; where the module gave it nothing to
// exercise (no panel, no question ever opened, no call at a fault point) it
// does not apply, and says why.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace validate {

struct Options {
    std::string module;
    int level = 1;  // 1 quick, 2 thorough, 3 exhaustive
    std::uint64_t seed = 0;
};

enum class Verdict { Pass, Fail, NotApplicable };

// The scenarios of a level, in the order they run.
std::vector<std::string> ScenariosOf(int level);
// Runs one scenario in this process; prints its findings (for a scenario
// that does not apply, the line "  not applicable: REASON") and gives its
// verdict. An unknown name fails.
Verdict RunScenario(const std::string& name, const Options& options);

}  // namespace validate
