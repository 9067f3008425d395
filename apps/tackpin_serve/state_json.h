// The state the page draws, as JSON: the document's objects, the selection,
// the view options, the plug-in's drawing objects with their marker rows,
// the host's windows read live from its widget tree, the questions and
// dialogs open, the console, the settings file and the plug-in's state.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "apps/tackpin_serve/console_log.h"
#include "session_engine/session/session.h"
#include "simhost/widgets/widget_dialogs.h"

namespace serve {

// A question or a modal run open now.
struct ModalEntry {
    bool question = true;
    sim::MessageBoxRecord box;  // a question
    int dialog = 0;             // a modal run
};

// What the host loop knows beyond the session.
struct HostStatus {
    bool active = false;  // activated and not told otherwise since
    long version = 0;     // counts the actions carried out
    std::vector<std::string> examples;
};

class StateBuilder {
public:
    nlohmann::json Build(host_tool::Session& session, const std::vector<ModalEntry>& modal,
                         const ConsoleLog& console, long after, const HostStatus& status);

private:
    // Live vertices and faces of a mesh, counted once per mesh version.
    std::pair<int, int> LiveCounts(int uniqueId, const sim::Mesh& mesh);
    std::map<int, std::pair<int, std::pair<int, int>>> counts_;
};

// A widget and all it contains, with every property the host holds for it.
nlohmann::json WidgetTree(int id);
// The host's wide text as UTF-8.
std::string Utf8(const std::u16string& text);

}  // namespace serve
