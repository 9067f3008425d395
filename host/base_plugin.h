// The root of every plug-in kind, the kind numbers the host knows, and the
// process-wide plug-in object that the exports reach.
#pragma once

// Abstract root of every plug-in kind.
class MQBasePlugin {
public:
    virtual ~MQBasePlugin() = default;
    // Writes the product id and the plug-in id. [any time]
    virtual void GetPlugInID(unsigned int* product, unsigned int* id) = 0;
    // Display name, a constant narrow text. [any time]
    virtual const char* GetPlugInName() = 0;
    // Plug-in kind; 6 is a station plug-in. [any time]
    virtual int GetPlugInType() = 0;
};

// Plug-in type numbers.
namespace plugin_type {
constexpr int kImport = 1;
constexpr int kExport = 2;
constexpr int kCreate = 3;
constexpr int kObject = 4;
constexpr int kSelect = 5;
constexpr int kStation = 6;
constexpr int kCommand = 7;
}  // namespace plugin_type

// The process-wide plug-in object, defined by the plug-in itself.
MQBasePlugin& ThePlugin();
