// The class tree of the plug-in object. The exports reach its virtual
// operations, and MQOnEvent tests its class at run time.
#pragma once

#include <memory>

#include "host/host_abi.h"
#include "host/mq_setting.h"
#include "host/station_services.h"

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

// Resident tool driven by host events. Operations in the order of the
// host's table; the bodies here are what a station does by default.
class MQStationPlugin : public MQBasePlugin {
public:
    virtual const char* EnumString() = 0;
    // Host event 1. Nonzero when started.
    virtual int OnStart() = 0;
    // Host event 2.
    virtual void OnExit() = 0;
    // Host event 100: the host turns the plug-in on or off.
    virtual int OnActivate(MQDocument doc, int flag) = 0;
    // Host event 101.
    virtual int IsActivated(MQDocument doc) = 0;
    virtual void OnStationNotice(MQDocument doc, int flag);
    virtual int OnReceiveMessage(MQDocument doc, unsigned int srcProduct, unsigned int srcId,
                                 void* description, void* message);
    // Host event 110: a view is being drawn.
    virtual void OnDraw(MQDocument doc, MQScene scene, int width, int height) = 0;
    // Host event 200: a document was opened or created.
    virtual void OnLoadDocument(MQDocument doc, const char* filename,
                                DocumentDataOption& option) = 0;
    virtual void OnDocumentEvent201(MQDocument doc);
    virtual void OnSaveDocument(MQDocument doc, const char* filename, DocumentDataOption& option);
    virtual int OnDocumentEvent210(MQDocument doc, int state) = 0;
    virtual int OnDocumentEvent211(MQDocument doc, int state);
    virtual void OnDocumentEvent212(MQDocument doc, int state, int size);
    virtual void OnDocumentEvent221(MQDocument doc) = 0;
    virtual void OnDocumentEvent222(MQDocument doc);
    virtual void OnDocumentEvent220(MQDocument doc) = 0;
    virtual void OnDocumentEvent231(MQDocument doc);
    virtual void OnDocumentEvent230(MQDocument doc);
    virtual void OnSceneEvent240(MQDocument doc, MQScene scene);
    // Calls the function whose address is the record's first field with
    // (this, doc, record); 0 for a null record or function.
    virtual int RunCallback(MQDocument doc, void* callbackRecord);

    // Station services, each one host message sent with this plug-in's ids.

    // The plug-in's own settings element, found or appended under the host's
    // "pluginsettings" element; null when the host offers no settings place.
    // Owned by the caller; deleting it leaves the host's document as it is.
    // [ui-thread, after MQInit]
    std::unique_ptr<MQSetting> OpenSetting();
    // A new drawing object in `doc` (visibility bit 0: points, bit 1: lines),
    // or null when the host made none. [ui-thread, after MQInit]
    MQObject CreateDrawObject(MQDocument doc, int visibility);
    // Deletes a drawing object that CreateDrawObject made for `doc`.
    // [ui-thread, after MQInit]
    void DeleteDrawObject(MQDocument doc, MQObject drawObject);
    // The display options of `scene`; all off where the host answers nothing.
    // [ui-thread, after MQInit]
    void GetSceneOption(MQScene scene, SceneOptions& options);
    // Tells the host that the plug-in turned itself off. [ui-thread, after MQInit]
    void SendDeactivateNotice();
};

// Pointer and key state handed to a command plug-in's input operations.
struct MouseState {
    int x;
    int y;
    int wheel;
    int leftButton;
    int middleButton;
    int rightButton;
    int shift;
    int ctrl;
    int flag5;
    float pressure;
};

// A station that also takes pointer and key input in the views (events 120
// to 141). Tackpin is no command plug-in; the class exists for the class test.
class MQCommandPlugin : public MQStationPlugin {
public:
    // One operation per pointer event 120 .. 130, in event order.
    virtual int OnPointerEvent120(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent121(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent122(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent123(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent124(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent125(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent126(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent127(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent128(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent129(MQDocument, MQScene, MouseState&) = 0;
    virtual int OnPointerEvent130(MQDocument, MQScene, MouseState&) = 0;
    // Key events 140 and 141.
    virtual int OnKeyEvent140(MQDocument, MQScene, int key, MouseState&) = 0;
    virtual int OnKeyEvent141(MQDocument, MQScene, int key, MouseState&) = 0;
};

// File import and export plug-ins (types 1 and 2): the host asks for the
// file types by index and hands over files.
class MQImportPlugin : public MQBasePlugin {
public:
    virtual const char* EnumFileType(int index) = 0;
    virtual const char* EnumFileExt(int index) = 0;
    virtual int ImportFile(int index, const char* filename, MQDocument doc) = 0;
    // Host event 300: the import runs on in the background.
    virtual int OnBackgroundImport() = 0;

    // Set by host event 301.
    int background = 0;
    void* args = nullptr;
};

// Menu plug-ins (types 3 to 5: create, object and selection commands): the
// host asks for command names by index and runs a command by index.
class MQMenuPlugin : public MQBasePlugin {
public:
    virtual const char* EnumString(int index) = 0;
    virtual int Execute(int index, MQDocument doc) = 0;
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
