// The settings "file" where the simulated host keeps its document in memory
// (no XML library in the Windows build): it lasts until the process ends,
// so a restart within one session finds it, and a new run starts afresh.
#include "examples/tackpin_host/settings_store.h"
#include "simhost/settings_model.h"

namespace host_tool {

bool ReadHostSettings(const std::string& path) { return sim::Settings().LoadFromFile(path); }

void WriteHostSettings(const std::string& path) { sim::Settings().SaveToFile(path); }

bool SettingsKeptOnDisk() { return false; }

}  // namespace host_tool
