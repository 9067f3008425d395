// The host's widget classes and their properties: the value form fixed for
// each property name, the values a new widget starts with, and the reading
// and writing of values through the plug-in's untyped value pointers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace sim {

// Three integers r, g, b: the "rgb" form.
struct RgbValue {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const RgbValue&) const = default;
};

// What a property's value pointer points at.
enum class PropertyForm { Bool, Int, Double, WideText, NarrowText, Rgb };

// A stored property value; the alternatives are in the order of PropertyForm.
using PropertyValue = std::variant<bool, int, double, std::u16string, std::string, RgbValue>;

struct PropertyInfo {
    std::string_view name;
    PropertyForm form;
    // Narrow text properties with a fixed set of values ("horz", "vert").
    std::vector<std::string_view> allowed;
};

// The classes the plug-in may create: "frame", "button", "checkbox",
// "doublespinbox", "colorpanel", "window", "dialog".
bool IsKnownWidgetClass(std::string_view widgetClass);
// Containers take children (add child); windows take child windows.
bool IsContainerClass(std::string_view widgetClass);
bool IsWindowClass(std::string_view widgetClass);
// The property `name` of `widgetClass`, or null when the class has none.
const PropertyInfo* FindPropertyInfo(std::string_view widgetClass, std::string_view name);
// Every property of a new widget of `widgetClass`, with its first value.
std::vector<std::pair<std::string, PropertyValue>> InitialProperties(std::string_view widgetClass);

// The form of a stored value.
PropertyForm FormOf(const PropertyValue& value);
const char* FormName(PropertyForm form);
// Whether the host answers a read of this form (text has no out form).
bool IsReadableForm(PropertyForm form);

// Reads the value that `pointer` carries in the property's form. On a value
// that is not of the form (a bool byte other than 0 or 1, a number that is
// not finite, text without an end, a value outside the allowed ones) returns
// nothing and says why in `problem`.
std::optional<PropertyValue> ReadValue(const PropertyInfo& propertyInfo, const void* pointer,
                                       std::string& problem);
// Writes `value` into the plug-in's out variable (bool, int, double, rgb).
void WriteValue(const PropertyValue& value, void* pointer);

// Reads NUL-terminated UTF-16 text of at most `limit` units; nothing when no
// terminator comes first or a surrogate is unpaired.
std::optional<std::u16string> ReadWideText(const void* pointer, std::size_t limit = 4096);
// Reads NUL-terminated narrow text of at most `limit` bytes.
std::optional<std::string> ReadNarrowText(const void* pointer, std::size_t limit = 256);
// A value as it shows in dumps and reports: true, 5, 0.2, "Set", (255,0,255).
std::string Describe(const PropertyValue& value);
// UTF-16 text for reports; units outside ASCII as \uXXXX.
std::string Printable(const std::u16string& text);

}  // namespace sim
