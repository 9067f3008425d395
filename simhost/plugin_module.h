// Loads a plug-in module as the host does and delivers host events to it.
#pragma once

#include <string>

#include "host/host_abi.h"
#include "platform/platform.h"

namespace sim {

// Path of the simulated host's own module, which MQInit is given.
std::string HostModulePath();
// Folder of the simulated host's module; the built plug-in lies beside it.
std::string ModuleFolder();
// Path of the built plug-in module beside the simulated host.
std::string DefaultPluginPath();

// The fourteen exports of a plug-in module.
struct PluginExports {
    unsigned int (*checkVersion)(unsigned int) = nullptr;
    int (*init)(const char*) = nullptr;
    void (*getPlugInId)(unsigned int*, unsigned int*) = nullptr;
    const char* (*getPlugInName)() = nullptr;
    int (*getPlugInType)() = nullptr;
    const char* (*enumString)(int) = nullptr;
    const char* (*enumFileType)(int) = nullptr;
    const char* (*enumFileExt)(int) = nullptr;
    int (*importFile)(int, const char*, MQDocument) = nullptr;
    int (*exportFile)(int, const char*, MQDocument) = nullptr;
    int (*create)(int, MQDocument) = nullptr;
    int (*modifyObject)(int, MQDocument) = nullptr;
    int (*modifySelect)(int, MQDocument) = nullptr;
    int (*onEvent)(MQDocument, int, void*) = nullptr;
};

// Version the simulated host reports to MQCheckVersion.
constexpr unsigned int kHostVersion = 0x4700;

class PluginModule {
public:
    PluginModule() = default;
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // Loads the module and resolves its exports; false when the file does
    // not load or an export is missing (`Error` says which).
    bool Load(const std::string& path = DefaultPluginPath());
    // Checks the version and calls MQInit with the host's module path, as
    // the host does at start-up. True when both succeed.
    bool Initialize();
    // Load and Initialize.
    bool LoadAndInitialize(const std::string& path = DefaultPluginPath());
    // Takes a plug-in whose code is linked into this program, as a fuzzer
    // has it: `unload` stands for unloading the module (it destroys the
    // plug-in object and makes it anew, as the next load would).
    void Link(const PluginExports& exports, void (*unload)());
    // Unloads the module: the plug-in object is destroyed.
    void Unload();

    bool IsLoaded() const { return module_ != nullptr || linkedUnload_ != nullptr; }
    const PluginExports& Exports() const { return exports_; }
    const std::string& Error() const { return error_; }

    // Host events, built as the host builds them. Each returns MQOnEvent's answer.
    int Event(MQDocument doc, int eventType, void* option);
    int Start();
    int Exit();
    // True once the exit event has been delivered, until the next start:
    // a host exits a plug-in once, and starts it again only after that.
    bool Exited() const { return exited_; }
    int Activate(MQDocument doc, int flag);
    int IsActivated(MQDocument doc);
    int Draw(MQDocument doc, MQScene scene, int width, int height);
    int LoadDocument(MQDocument doc, const char* filename = nullptr, MQXmlElement elem = nullptr);
    int DocumentEvent(MQDocument doc, int eventType, int state = 0);

private:
    platform::ModuleHandle module_ = nullptr;
    void (*linkedUnload_)() = nullptr;
    PluginExports exports_;
    std::string error_;
    bool exited_ = false;
};

}  // namespace sim
