// The plug-in's calls that changed the host (widgets made, destroyed or set,
// drawing objects made or deleted, the selection, the settings document),
// told as they happen to whoever watches, such as a console showing the
// host's side of a session. Nobody watches by default, and then telling
// costs nothing.
#pragma once

#include <functional>
#include <string>

namespace sim {

using HostChangeObserver = std::function<void(const std::string& line)>;

// Installs the observer; an empty one stops watching.
void ObserveHostChanges(HostChangeObserver observer);
bool HostChangesObserved();
// Tells one line to the watcher.
void TellHostChangeLine(const std::string& line);
// Tells one change; `line()` is called only when someone watches. A template,
// not a std::function: the plug-in's every widget and settings call passes
// here, and wrapping a lambda of many captures would allocate each time.
template <typename MakeLine>
void TellHostChange(MakeLine&& line) {
    if (HostChangesObserved()) TellHostChangeLine(line());
}

// Selection calls come by the thousand when the plug-in recalls a marker:
// they are counted, and the watcher asks for the counts when it wants them.
struct SelectionCalls {
    int vertices = 0, lines = 0, faces = 0, clears = 0;
    bool Any() const { return vertices + lines + faces + clears > 0; }
};
enum class SelectionCall { Vertex, Line, Face, Clear };
void CountSelectionCall(SelectionCall call);
// The counts since the last take.
SelectionCalls TakeSelectionCalls();

}  // namespace sim
