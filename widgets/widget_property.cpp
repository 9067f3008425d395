#include "widgets/widget_property.h"

#include "host/host_api.h"
#include "widgets/widget_messages.h"

// The host reads and writes a bool property as one byte.
static_assert(sizeof(bool) == 1);

namespace widget_property {

namespace {
void Set(int id, const char* name, const void* value) {
    KeyValuePair list[] = {{name, const_cast<void*>(value)}, {nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kSetProperty, list);
}

template <typename V>
V Get(int id, const char* name, V preset) {
    V value = preset;
    KeyValuePair list[] = {{name, &value}, {nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kGetProperty, list);
    return value;
}
}  // namespace

void SetBool(int id, const char* name, bool value) { Set(id, name, &value); }
// Read as a plain byte: a host that writes something other than 0 or 1 must
// not leave an invalid bool behind.
bool GetBool(int id, const char* name, bool preset) {
    unsigned char byte = preset ? 1 : 0;
    return Get(id, name, byte) != 0;
}
void SetInt(int id, const char* name, int value) { Set(id, name, &value); }
int GetInt(int id, const char* name, int preset) { return Get(id, name, preset); }
void SetDouble(int id, const char* name, double value) { Set(id, name, &value); }
double GetDouble(int id, const char* name, double preset) { return Get(id, name, preset); }
void SetText(int id, const char* name, const char16_t* text) { Set(id, name, text); }
void SetNarrow(int id, const char* name, const char* text) { Set(id, name, text); }
void SetRgb(int id, const char* name, const WidgetRgb& rgb) { Set(id, name, &rgb); }
WidgetRgb GetRgb(int id, const char* name, const WidgetRgb& preset) {
    return Get(id, name, preset);
}

}  // namespace widget_property
