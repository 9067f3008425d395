// The station plug-in: a resident tool that the host drives with events for
// as long as it runs, and the services it asks of the host by message. The
// default event operations are in station_plugin.cpp, the services in
// station_plugin_services.cpp, and the messages they send in
// station_messages.h.
#pragma once

#include <memory>

#include "host/base_plugin.h"
#include "host/host_abi.h"
#include "host/mq_setting.h"
#include "host/station_messages.h"

// Operations in the order of the host's table; the bodies that are not pure
// are what a station does by default. Every event operation is reached only
// through MQOnEvent, on the host's user-interface thread.
class MQStationPlugin : public MQBasePlugin {
public:
    // The station's name for the host's menu (MQEnumString, index 0). [any time]
    virtual const char* EnumString() = 0;
    // Event 1: the host has started; nonzero when the station is ready.
    // [ui-thread, after MQInit]
    virtual int OnStart() = 0;
    // Event 2: the host is closing; the station lets go of what it shows.
    // [ui-thread, after OnStart]
    virtual void OnExit() = 0;
    // Event 100: the host turns the station on (flag nonzero) or off; the
    // answer is the new state. [ui-thread]
    virtual int OnActivate(MQDocument doc, int flag) = 0;
    // Event 101: nonzero while the station is on. [ui-thread]
    virtual int IsActivated(MQDocument doc) = 0;
    // Event 102: a notice from the host with one flag; ignored by default.
    // [ui-thread]
    virtual void OnStationNotice(MQDocument doc, int flag);
    // Event 103: a message from another plug-in; the answer goes back to it
    // through "result". 0 by default. [ui-thread]
    virtual int OnReceiveMessage(MQDocument doc, unsigned int srcProduct, unsigned int srcId,
                                 void* description, void* message);
    // Event 110: a view of `scene` is being drawn, `width` by `height`.
    // [ui-thread]
    virtual void OnDraw(MQDocument doc, MQScene scene, int width, int height) = 0;
    // Event 200: a document was opened or created; `filename` may be null.
    // [ui-thread]
    virtual void OnLoadDocument(MQDocument doc, const char* filename,
                                DocumentDataOption& option) = 0;
    // Event 201: a document event the station ignores by default. [ui-thread]
    virtual void OnDocumentEvent201(MQDocument doc);
    // Event 202: the document is being saved; setting the option's save flag
    // asks the host to keep unique ids. Nothing by default. [ui-thread]
    virtual void OnSaveDocument(MQDocument doc, const char* filename, DocumentDataOption& option);
    // Event 210: a document event with a state; the answer goes to the host.
    // [ui-thread]
    virtual int OnDocumentEvent210(MQDocument doc, int state) = 0;
    // Event 211: a document event with a state; 0 by default. [ui-thread]
    virtual int OnDocumentEvent211(MQDocument doc, int state);
    // Event 212: a document event with a state and a size; ignored by
    // default. [ui-thread]
    virtual void OnDocumentEvent212(MQDocument doc, int state, int size);
    // Event 221: a document event without arguments. [ui-thread]
    virtual void OnDocumentEvent221(MQDocument doc) = 0;
    // Event 222: a document event the station ignores by default. [ui-thread]
    virtual void OnDocumentEvent222(MQDocument doc);
    // Event 220: a document event without arguments. [ui-thread]
    virtual void OnDocumentEvent220(MQDocument doc) = 0;
    // Event 231: a document event the station ignores by default. [ui-thread]
    virtual void OnDocumentEvent231(MQDocument doc);
    // Event 230: a document event the station ignores by default. [ui-thread]
    virtual void OnDocumentEvent230(MQDocument doc);
    // Event 240: a scene event; ignored by default. [ui-thread]
    virtual void OnSceneEvent240(MQDocument doc, MQScene scene);
    // Reached by no event: calls the function whose address is the record's
    // first field with (this, doc, record); 0 for a null record or function.
    // [ui-thread]
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
