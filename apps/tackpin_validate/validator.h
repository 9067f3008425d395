// The validator: runs the validation suites against a plug-in module, each
// scenario in a fresh process of its own, prints the seed so that any
// failure replays, and ends with one line of totals. Both tackpin-validate
// and "tackpin-host validate" are this.
#pragma once

#include <string>
#include <vector>

namespace validate {

// `arguments`: [MODULE] [--level N] [--seed S]; the module defaults to the
// Tackpin module beside the simulated host. `self` is the command that runs
// this validator again (the program and any leading words); each scenario
// runs as `self --scenario NAME ...`, which runs that one scenario in the
// present process. Each scenario ends PASS, FAIL or NOT APPLICABLE (with
// the reason); the last line counts the three. Returns the exit status: 0
// when none failed, 1 when one failed, 2 for a usage error or a module that
// does not load; 0 after printing the usage for --help or -h.
int Main(const std::vector<std::string>& self, const std::vector<std::string>& arguments);

}  // namespace validate
