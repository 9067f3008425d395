// The settings file as XML on disk, in the simulated host's own file format.
#include <filesystem>
#include <system_error>

#include "session_engine/session/session_error.h"
#include "session_engine/settings/file_replace.h"
#include "session_engine/settings/settings_store.h"
#include "simhost/settings/settings_model.h"

namespace host_tool {

bool ReadHostSettings(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    std::string problem;
    if (!sim::Settings().LoadFromFile(path, &problem))
        throw SessionError("settings file " + path + " is not a readable settings document" +
                           (problem.empty() ? std::string() : ": " + problem));
    return true;
}

void WriteHostSettings(const std::string& path) {
    ReplaceFile(path, [](const std::string& fresh) { return sim::Settings().SaveToFile(fresh); });
}

}  // namespace host_tool
