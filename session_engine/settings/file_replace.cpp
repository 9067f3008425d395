#include "session_engine/settings/file_replace.h"

#include <filesystem>
#include <system_error>

#include "session_engine/session/session_error.h"

namespace host_tool {

namespace fs = std::filesystem;

void ReplaceFile(const std::string& path,
                 const std::function<bool(const std::string& fresh)>& write) {
    std::error_code error;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    const std::string fresh = path + ".new";
    if (!write(fresh)) {
        fs::remove(fresh, error);
        throw SessionError("cannot write " + fresh);
    }
    fs::rename(fresh, target, error);
    if (error) {
        const std::string why = error.message();
        fs::remove(fresh, error);
        throw SessionError("cannot replace " + path + ": " + why);
    }
}

}  // namespace host_tool
