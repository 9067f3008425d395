#include "simhost/plugin_module.h"

#include "platform/tools/load_error.h"
#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/deliveries.h"
#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_model.h"

namespace sim {

std::string HostModulePath() {
    return platform::ModulePathOf(reinterpret_cast<const void*>(&HostModulePath));
}

std::string ModuleFolder() {
    std::string path = HostModulePath();
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

std::string DefaultPluginPath() {
    return ModuleFolder() + platform::kPathSeparator + "Tackpin" + platform::kModuleSuffix;
}

PluginModule::~PluginModule() { Unload(); }

namespace {
template <typename F>
bool Resolve(platform::ModuleHandle module, const char* name, F& slot, std::string& error) {
    slot = reinterpret_cast<F>(platform::FindSymbol(module, name));
    if (slot == nullptr && error.empty()) error = std::string("missing export ") + name;
    return slot != nullptr;
}
}  // namespace

bool PluginModule::Load(const std::string& path) {
    Unload();
    error_.clear();
    exited_ = false;
    module_ = platform::LoadModule(path.c_str());
    if (module_ == nullptr) {
        error_ = "cannot load " + path;
        if (std::string why = platform::LastLoadError(path); !why.empty()) error_ += ": " + why;
        return false;
    }
    bool ok = true;
    ok &= Resolve(module_, "MQCheckVersion", exports_.checkVersion, error_);
    ok &= Resolve(module_, "MQInit", exports_.init, error_);
    ok &= Resolve(module_, "MQGetPlugInID", exports_.getPlugInId, error_);
    ok &= Resolve(module_, "MQGetPlugInName", exports_.getPlugInName, error_);
    ok &= Resolve(module_, "MQGetPlugInType", exports_.getPlugInType, error_);
    ok &= Resolve(module_, "MQEnumString", exports_.enumString, error_);
    ok &= Resolve(module_, "MQEnumFileType", exports_.enumFileType, error_);
    ok &= Resolve(module_, "MQEnumFileExt", exports_.enumFileExt, error_);
    ok &= Resolve(module_, "MQImportFile", exports_.importFile, error_);
    ok &= Resolve(module_, "MQExportFile", exports_.exportFile, error_);
    ok &= Resolve(module_, "MQCreate", exports_.create, error_);
    ok &= Resolve(module_, "MQModifyObject", exports_.modifyObject, error_);
    ok &= Resolve(module_, "MQModifySelect", exports_.modifySelect, error_);
    ok &= Resolve(module_, "MQOnEvent", exports_.onEvent, error_);
    if (!ok) Unload();
    return ok;
}

bool PluginModule::Initialize() {
    if (!IsLoaded()) return false;
    if (exports_.checkVersion(kHostVersion) == 0) {
        error_ = "version check refused";
        return false;
    }
    if (exports_.init(HostModulePath().c_str()) != 1) {
        error_ = "MQInit failed";
        return false;
    }
    return true;
}

bool PluginModule::LoadAndInitialize(const std::string& path) { return Load(path) && Initialize(); }

void PluginModule::Link(const PluginExports& exports, void (*unload)()) {
    Unload();
    error_.clear();
    exited_ = false;
    exports_ = exports;
    linkedUnload_ = unload;
}

void PluginModule::Unload() {
    if (!IsLoaded()) return;
    // The plug-in object's destructor may give back what it still holds.
    const DeliveryScope delivery;
    if (module_ != nullptr)
        platform::ReleaseModule(module_);
    else
        linkedUnload_();
    module_ = nullptr;
    linkedUnload_ = nullptr;
    Documents().CheckAfterUnload();
    exports_ = PluginExports{};
}

int PluginModule::Event(MQDocument doc, int eventType, void* option) {
    if (!IsLoaded()) return 0;
    const DeliveryScope delivery;
    return exports_.onEvent(doc, eventType, option);
}

int PluginModule::Start() {
    exited_ = false;
    return Event(nullptr, event::kStart, nullptr);
}

int PluginModule::Exit() {
    exited_ = true;
    int answer = Event(nullptr, event::kExit, nullptr);
    Widgets().CheckAfterExit();
    return answer;
}

int PluginModule::Activate(MQDocument doc, int flag) { return Event(doc, event::kActivate, &flag); }

int PluginModule::IsActivated(MQDocument doc) { return Event(doc, event::kIsActivated, nullptr); }

int PluginModule::Draw(MQDocument doc, MQScene scene, int width, int height) {
    KeyValuePair list[] = {{event_key::kScene, scene},
                           {event_key::kWidth, &width},
                           {event_key::kHeight, &height},
                           {nullptr, nullptr}};
    return Event(doc, event::kDraw, list);
}

int PluginModule::LoadDocument(MQDocument doc, const char* filename, MQXmlElement elem) {
    KeyValuePair list[] = {{event_key::kXmlElement, elem},
                           {event_key::kFilename, const_cast<char*>(filename)},
                           {nullptr, nullptr}};
    return Event(doc, event::kLoadDocument, list);
}

int PluginModule::DocumentEvent(MQDocument doc, int eventType, int state) {
    KeyValuePair list[] = {{event_key::kState, &state}, {nullptr, nullptr}};
    return Event(doc, eventType, list);
}

}  // namespace sim
