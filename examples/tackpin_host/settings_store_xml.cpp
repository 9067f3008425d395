// The settings file as XML on disk, through the simulated host's own file
// format; replaced by writing a new file beside it and renaming that.
#include <filesystem>
#include <system_error>

#include "examples/tackpin_host/session_error.h"
#include "examples/tackpin_host/settings_store.h"
#include "simhost/settings_model.h"

namespace host_tool {

namespace fs = std::filesystem;

bool ReadHostSettings(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return false;
    if (!sim::Settings().LoadFromFile(path))
        throw SessionError("settings file " + path + " is not a readable settings document");
    return true;
}

void WriteHostSettings(const std::string& path) {
    std::error_code error;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    const std::string fresh = path + ".new";
    if (!sim::Settings().SaveToFile(fresh)) {
        fs::remove(fresh, error);
        throw SessionError("cannot write the settings file " + fresh);
    }
    fs::rename(fresh, target, error);
    if (error) {
        const std::string why = error.message();
        fs::remove(fresh, error);
        throw SessionError("cannot replace the settings file " + path + ": " + why);
    }
}

bool SettingsKeptOnDisk() { return true; }

}  // namespace host_tool
