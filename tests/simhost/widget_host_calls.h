// The plug-in's side of the widget protocol, written out by hand for the
// simulated host's own tests: each helper is one MQWidget_Value call.
#pragma once

#include <cstring>

#include "host/host_abi.h"

extern "C" int MQWidget_Value(int id, int message, KeyValuePair* list);

namespace host_calls {

inline int Create(const char* widgetClass) {
    int id = 0;
    KeyValuePair list[] = {
        {"type", const_cast<char*>(widgetClass)}, {"id", &id}, {nullptr, nullptr}};
    MQWidget_Value(0, 0x101, list);
    return id;
}

inline int Destroy(int id) {
    KeyValuePair list[] = {{nullptr, nullptr}};
    return MQWidget_Value(id, 0x102, list);
}

inline int AddChild(int parent, int child, int message = 0x201) {
    int result = -1;
    KeyValuePair list[] = {{"child", &child}, {"result", &result}, {nullptr, nullptr}};
    MQWidget_Value(parent, message, list);
    return result;
}

inline int AddChildWindow(int owner, int child) { return AddChild(owner, child, 0x203); }

inline int Set(int id, const char* name, const void* value) {
    KeyValuePair list[] = {{name, const_cast<void*>(value)}, {nullptr, nullptr}};
    return MQWidget_Value(id, 0x302, list);
}

template <typename V>
V Get(int id, const char* name, V preset) {
    KeyValuePair list[] = {{name, &preset}, {nullptr, nullptr}};
    MQWidget_Value(id, 0x301, list);
    return preset;
}

inline int AddEvent(int id, const char* type, WidgetEventProcType proc, void* pointer) {
    bool prior = false;
    KeyValuePair list[] = {{"type", const_cast<char*>(type)},
                           {"proc", reinterpret_cast<void*>(proc)},
                           {"pointer", pointer},
                           {"prior", &prior},
                           {nullptr, nullptr}};
    return MQWidget_Value(id, 0x304, list);
}

inline int MainWindow() {
    int result = -1;
    KeyValuePair list[] = {
        {"system", const_cast<char*>("main_window")}, {"result", &result}, {nullptr, nullptr}};
    MQWidget_Value(0, 0x100, list);
    return result;
}

inline int MessageBox(int parent, const char16_t* message, const char16_t* title) {
    int result = 0;
    KeyValuePair list[] = {{"type", const_cast<char*>("messagebox")},
                           {"messagetype", const_cast<char*>("okcancel")},
                           {"parent", &parent},
                           {"message", const_cast<char16_t*>(message)},
                           {"title", const_cast<char16_t*>(title)},
                           {"result", &result},
                           {nullptr, nullptr}};
    MQWidget_Value(0, 1, list);
    return result;
}

inline int RunModal(int dialog) {
    int result = 0;
    KeyValuePair list[] = {
        {"type", const_cast<char*>("modal")}, {"result", &result}, {nullptr, nullptr}};
    MQWidget_Value(dialog, 1, list);
    return result;
}

}  // namespace host_calls
