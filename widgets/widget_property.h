// One property read or written per host call, in the value form that the
// property's name fixes. No wrapper caches a property value.
#pragma once

// Three integers r, g, b, each 0 to 255: the "rgb" form.
struct WidgetRgb {
    int r = 0;
    int g = 0;
    int b = 0;
};
static_assert(sizeof(WidgetRgb) == 3 * sizeof(int));

namespace widget_property {

// Each setter sends the set message with one pair, name -> value. Each getter
// sends the get message with one pair, name -> a variable preset to
// `preset`, and returns the variable: the preset stays when the host writes
// nothing. [ui-thread, after MQInit]
void SetBool(int id, const char* name, bool value);
bool GetBool(int id, const char* name, bool preset);
void SetInt(int id, const char* name, int value);
int GetInt(int id, const char* name, int preset);
void SetDouble(int id, const char* name, double value);
double GetDouble(int id, const char* name, double preset);
// NUL-terminated UTF-16 text.
void SetText(int id, const char* name, const char16_t* text);
// NUL-terminated narrow text (enumerated values such as "horz").
void SetNarrow(int id, const char* name, const char* text);
void SetRgb(int id, const char* name, const WidgetRgb& rgb);
WidgetRgb GetRgb(int id, const char* name, const WidgetRgb& preset);

}  // namespace widget_property
