// The settings file where the simulated host keeps its document in memory
// (the Windows build has no XML library): the document goes between that
// memory copy and the file on disk as XML text.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "session_engine/session/session_error.h"
#include "session_engine/settings/file_replace.h"
#include "session_engine/settings/settings_store.h"
#include "session_engine/settings/settings_xml_text.h"
#include "simhost/settings/settings_file.h"
#include "simhost/settings/settings_model.h"

namespace host_tool {

bool ReadHostSettings(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string problem;
    std::optional<sim::XmlElement> root = ReadXmlText(text.str(), &problem);
    if (!file || !root || !sim::WriteSettingsFile(path, *root) ||
        !sim::Settings().LoadFromFile(path))
        throw SessionError("settings file " + path + " is not a readable settings document" +
                           (root ? std::string() : ": " + problem));
    return true;
}

void WriteHostSettings(const std::string& path) {
    sim::Settings().SaveToFile(path);
    std::optional<sim::XmlElement> root = sim::ReadSettingsFile(path);
    if (!root) throw SessionError("the host has no settings document to write");
    const std::string text = WriteXmlText(*root);
    ReplaceFile(path, [&text](const std::string& fresh) {
        std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        return static_cast<bool>(file);
    });
}

}  // namespace host_tool
