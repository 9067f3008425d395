// The class tree of the plug-in object: the root and the station in their
// own headers, and the other kinds the exports and MQOnEvent test for at run
// time.
#pragma once

#include "host/base_plugin.h"
#include "host/host_abi.h"
#include "host/station_plugin.h"

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
