#include "simhost/faults/fault_points.h"

namespace sim {

namespace {
constexpr const char* kNames[kFaultPointCount] = {
    "widget creation",  "property read",       "main window lookup", "message box",
    "modal run",        "drawing object",      "scene options",      "settings element",
    "element creation", "element find",        "element text",       "current object",
    "object by index",  "object by unique id", "object index",       "vertex by unique id",
    "vertex position",  "face points"};
}  // namespace

const char* FaultPointName(FaultPoint point) { return kNames[static_cast<int>(point)]; }

bool FaultPointNamed(const std::string& name, FaultPoint& point) {
    for (int i = 0; i < kFaultPointCount; ++i) {
        if (name == kNames[i]) {
            point = static_cast<FaultPoint>(i);
            return true;
        }
    }
    return false;
}

void FaultPlan::Reset() { *this = FaultPlan{}; }

void FaultPlan::RefuseCall(FaultPoint point, int ordinal) {
    planned_.insert({static_cast<int>(point), ordinal});
}

bool FaultPlan::Refuse(FaultPoint point) {
    const int ordinal = counts_[static_cast<std::size_t>(point)]++;
    if (planned_.count({static_cast<int>(point), ordinal}) == 0) return false;
    ++refused_;
    return true;
}

FaultPlan& FaultPoints() {
    static FaultPlan plan;
    return plan;
}

}  // namespace sim
