// The numbers of the host events that MQOnEvent delivers, as the plug-in
// reads them: every event of the station, command and import kinds.
#pragma once

namespace host_event {

// Life cycle and activation.
constexpr int kStart = 1;
constexpr int kExit = 2;
constexpr int kActivate = 100;  // option: the flag itself
constexpr int kIsActivated = 101;
constexpr int kStationNotice = 102;  // option: the flag itself
constexpr int kReceiveMessage = 103;
constexpr int kDraw = 110;

// Pointer events of command plug-ins, one operation each, in this order.
constexpr int kPointerEvent120 = 120;
constexpr int kPointerEvent121 = 121;
constexpr int kPointerEvent122 = 122;
constexpr int kPointerEvent123 = 123;
constexpr int kPointerEvent124 = 124;
constexpr int kPointerEvent125 = 125;
constexpr int kPointerEvent126 = 126;
constexpr int kPointerEvent127 = 127;
constexpr int kPointerEvent128 = 128;
constexpr int kPointerEvent129 = 129;
constexpr int kPointerEvent130 = 130;
// Key events of command plug-ins.
constexpr int kKeyEvent140 = 140;
constexpr int kKeyEvent141 = 141;

// Document and scene events.
constexpr int kLoadDocument = 200;
constexpr int kDocumentEvent201 = 201;
constexpr int kSaveDocument = 202;
constexpr int kDocumentEvent210 = 210;
constexpr int kDocumentEvent211 = 211;
constexpr int kDocumentEvent212 = 212;
constexpr int kDocumentEvent220 = 220;
constexpr int kDocumentEvent221 = 221;
constexpr int kDocumentEvent222 = 222;
constexpr int kDocumentEvent230 = 230;
constexpr int kDocumentEvent231 = 231;
constexpr int kSceneEvent240 = 240;

// Import plug-ins.
constexpr int kBackgroundImport = 300;
constexpr int kImportArguments = 301;

}  // namespace host_event
