#include "simhost/host_changes.h"

namespace sim {

namespace {
HostChangeObserver& Observer() {
    static HostChangeObserver observer;
    return observer;
}
SelectionCalls& Counts() {
    static SelectionCalls counts;
    return counts;
}
}  // namespace

void ObserveHostChanges(HostChangeObserver observer) {
    Observer() = std::move(observer);
    Counts() = {};
}

bool HostChangesObserved() { return static_cast<bool>(Observer()); }

void TellHostChangeLine(const std::string& line) {
    if (Observer()) Observer()(line);
}

void CountSelectionCall(SelectionCall call) {
    if (!Observer()) return;
    SelectionCalls& counts = Counts();
    switch (call) {
    case SelectionCall::Vertex: ++counts.vertices; break;
    case SelectionCall::Line: ++counts.lines; break;
    case SelectionCall::Face: ++counts.faces; break;
    case SelectionCall::Clear: ++counts.clears; break;
    }
}

SelectionCalls TakeSelectionCalls() {
    SelectionCalls taken = Counts();
    Counts() = {};
    return taken;
}

}  // namespace sim
