// Allocation failure at every point: the test build of the plug-in counts
// its own allocations over one session of a user, then the session runs
// once per counted allocation with that one failing (std::bad_alloc, as when
// memory runs out). The operation it fails in must change nothing, and the
// session must end as the same session does without that operation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/plugin_module.h"
#include "validation_harness/run_report.h"
#include "validation_harness/stage.h"

namespace validation {

// What an operation that fails must leave as it found it: the plug-in's
// slots and flags (its own description), the host's selection, the rows'
// toggles and the saved settings.
struct Snapshot {
    std::string plugin;
    std::string selection;
    std::string toggles;
    std::string settings;
    bool operator==(const Snapshot&) const = default;
    std::string Text() const;
};

// One operation of the session: what the user or the host does first
// (select, pick an object, edit the mesh), then the event that reaches the
// plug-in. A session without the operation still does the first part.
struct AllocationStep {
    const char* name;
    void (*prepare)(Stage& stage);
    void (*operation)(Stage& stage);
    // The host's exit: it takes the panel whatever happens, and a failed
    // exit leaves the saved settings as they were.
    bool exit = false;
};

// The session: start, activation, stores, an overwrite, an add, recalls,
// the colour dialog, the drawing options, draws with normals, geometry
// edits, a clear, exit and start again, a new document, and the final exit.
const std::vector<AllocationStep>& AllocationSession();

struct AllocationRun {
    std::int64_t failAt = -1;
    std::int64_t allocations = 0;
    // The plug-in's allocations counted by the end of each step.
    std::vector<std::int64_t> stepEnds;
    // The step the failing allocation came in; -1 when none failed.
    int failedStep = -1;
    // Before each step's operation (after what the user did first), and
    // after each step, the last one after the final exit, before the unload.
    // Taken only where a check needs them (see SessionPlan); empty elsewhere.
    std::vector<Snapshot> before;
    std::vector<Snapshot> after;
    RunReport report;
};

struct SessionPlan {
    // The allocation that fails; none when negative.
    std::int64_t failAt = -1;
    // The step whose operation is left out (for an exit: the settings it
    // saved are put back); none when negative.
    int without = -1;
    // Snapshots before and after every step. Otherwise only after the steps
    // from the failed one or the one left out on: a step before them runs
    // as it does in the session with nothing failed.
    bool snapshotEveryStep = false;
};

// Runs the session in the test build at `path` as `plan` says.
AllocationRun RunAllocationSession(sim::PluginModule& plugin, const std::string& path,
                                   const SessionPlan& plan);

// What a run with a failed allocation did wrong, one line each; empty when
// the failed operation changed nothing (`clean`: the session with nothing
// failed and every snapshot) and every step from it on left what it leaves
// in `reference`, the session without that operation.
std::vector<std::string> CheckFailedRun(const AllocationRun& run, const AllocationRun& clean,
                                        const AllocationRun& reference);

// The ordinals a sweep over `count` allocations fails in turn: all of them
// when there are fewer than `everyBelow`, otherwise `sample` of them drawn
// with `seed`, ascending.
std::vector<std::int64_t> AllocationsToFail(std::int64_t count, std::int64_t everyBelow,
                                            std::int64_t sample, std::uint64_t seed);

}  // namespace validation
