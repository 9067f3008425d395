// Message numbers of MQWidget_Value, fixed by the host interface.
#pragma once

namespace widget_message {
constexpr int kRun = 0x001;             // message box or modal run
constexpr int kSystemLookup = 0x100;    // "system" = "main_window"
constexpr int kCreate = 0x101;          // "type", "id"
constexpr int kDestroy = 0x102;         // empty list
constexpr int kAddChild = 0x201;        // "child", "result"
constexpr int kAddChildWindow = 0x203;  // "child", "result"
constexpr int kGetProperty = 0x301;     // one pair: name -> out variable
constexpr int kSetProperty = 0x302;     // one pair: name -> value
constexpr int kAddEvent = 0x304;        // "type", "proc", "pointer", "prior"
}  // namespace widget_message
