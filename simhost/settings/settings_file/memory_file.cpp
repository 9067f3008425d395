// The settings "file" where no XML library is at hand: a copy of the
// document in memory under its path. It outlives a reset of the host, as a
// file outlives the host's process.
#include <map>

#include "simhost/settings/settings_file.h"

namespace sim {

namespace {
std::map<std::string, XmlElement>& Files() {
    static std::map<std::string, XmlElement> files;
    return files;
}
}  // namespace

bool WriteSettingsFile(const std::string& path, const XmlElement& root) {
    Files()[path] = root;
    return true;
}

std::optional<XmlElement> ReadSettingsFile(const std::string& path, std::string*) {
    auto found = Files().find(path);
    if (found == Files().end()) return std::nullopt;
    return found->second;
}

}  // namespace sim
