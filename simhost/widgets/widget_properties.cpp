#include "simhost/widgets/widget_properties.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace sim {

namespace {

using Form = PropertyForm;

struct ClassInfo {
    std::string_view name;
    std::vector<PropertyInfo> properties;
};

// Every widget shows and enables; the rest is per class.
const std::vector<PropertyInfo>& CommonProperties() {
    static const std::vector<PropertyInfo> common = {
        {"visible", Form::Bool, {}},
        {"enabled", Form::Bool, {}},
    };
    return common;
}

const std::vector<ClassInfo>& Classes() {
    static const std::vector<PropertyInfo> window = {
        {"title", Form::WideText, {}},
        {"canresize", Form::Bool, {}},
        {"pos_x", Form::Int, {}},
        {"pos_y", Form::Int, {}},
    };
    static const std::vector<ClassInfo> classes = {
        {"frame",
         {{"alignment", Form::NarrowText, {"horz", "vert"}},
          {"inspace", Form::Double, {}},
          {"outspace", Form::Double, {}}}},
        {"button",
         {{"text", Form::WideText, {}},
          {"toggle", Form::Bool, {}},
          {"down", Form::Bool, {}},
          {"modalresult", Form::Int, {}},
          {"default", Form::Bool, {}},
          {"cancel", Form::Bool, {}}}},
        {"checkbox", {{"text", Form::WideText, {}}, {"checked", Form::Bool, {}}}},
        {"doublespinbox",
         {{"position", Form::Double, {}},
          {"min", Form::Double, {}},
          {"max", Form::Double, {}},
          {"increment", Form::Double, {}},
          {"maxdecimaldigit", Form::Int, {}}}},
        {"colorpanel", {{"rgb", Form::Rgb, {}}}},
        {"window", window},
        {"dialog", window},
    };
    return classes;
}

const ClassInfo* FindClass(std::string_view widgetClass) {
    for (const ClassInfo& propertyInfo : Classes()) {
        if (propertyInfo.name == widgetClass) return &propertyInfo;
    }
    return nullptr;
}

}  // namespace

bool IsKnownWidgetClass(std::string_view widgetClass) { return FindClass(widgetClass) != nullptr; }

bool IsContainerClass(std::string_view widgetClass) {
    return widgetClass == "frame" || IsWindowClass(widgetClass);
}

bool IsWindowClass(std::string_view widgetClass) {
    return widgetClass == "window" || widgetClass == "dialog";
}

const PropertyInfo* FindPropertyInfo(std::string_view widgetClass, std::string_view name) {
    const ClassInfo* propertyInfo = FindClass(widgetClass);
    if (propertyInfo == nullptr) return nullptr;
    for (const PropertyInfo& property : CommonProperties()) {
        if (property.name == name) return &property;
    }
    for (const PropertyInfo& property : propertyInfo->properties) {
        if (property.name == name) return &property;
    }
    return nullptr;
}

std::vector<std::pair<std::string, PropertyValue>> InitialProperties(std::string_view widgetClass) {
    std::vector<std::pair<std::string, PropertyValue>> values;
    // A new window stays hidden until the plug-in shows it; controls show
    // as soon as their window does.
    values.emplace_back("visible", !IsWindowClass(widgetClass));
    values.emplace_back("enabled", true);
    if (widgetClass == "frame") {
        values.emplace_back("alignment", std::string("horz"));
        values.emplace_back("inspace", 0.1);
        values.emplace_back("outspace", 0.1);
    } else if (widgetClass == "button") {
        values.emplace_back("text", std::u16string());
        values.emplace_back("toggle", false);
        values.emplace_back("down", false);
        values.emplace_back("modalresult", 0);
        values.emplace_back("default", false);
        values.emplace_back("cancel", false);
    } else if (widgetClass == "checkbox") {
        values.emplace_back("text", std::u16string());
        values.emplace_back("checked", false);
    } else if (widgetClass == "doublespinbox") {
        values.emplace_back("position", 0.0);
        values.emplace_back("min", 0.0);
        values.emplace_back("max", 100.0);
        values.emplace_back("increment", 1.0);
        values.emplace_back("maxdecimaldigit", 2);
    } else if (widgetClass == "colorpanel") {
        values.emplace_back("rgb", RgbValue{});
    } else if (IsWindowClass(widgetClass)) {
        // The place the host gives a new window.
        values.emplace_back("title", std::u16string());
        values.emplace_back("canresize", true);
        values.emplace_back("pos_x", 120);
        values.emplace_back("pos_y", 80);
    }
    return values;
}

PropertyForm FormOf(const PropertyValue& value) { return static_cast<PropertyForm>(value.index()); }

const char* FormName(PropertyForm form) {
    switch (form) {
    case Form::Bool: return "bool";
    case Form::Int: return "int32";
    case Form::Double: return "double";
    case Form::WideText: return "wide text";
    case Form::NarrowText: return "narrow text";
    case Form::Rgb: return "rgb";
    }
    return "?";
}

bool IsReadableForm(PropertyForm form) {
    return form != Form::WideText && form != Form::NarrowText;
}

std::optional<std::u16string> ReadWideText(const void* pointer, std::size_t limit) {
    auto* units = static_cast<const char16_t*>(pointer);
    std::u16string text;
    for (std::size_t i = 0; i < limit; ++i) {
        char16_t unit = units[i];
        if (unit == 0) return text;
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low) return std::nullopt;
        if (high) {
            char16_t next = units[i + 1];
            if (next < 0xDC00 || next > 0xDFFF) return std::nullopt;
            text += unit;
            text += next;
            ++i;
            continue;
        }
        text += unit;
    }
    return std::nullopt;
}

std::optional<std::string> ReadNarrowText(const void* pointer, std::size_t limit) {
    auto* bytes = static_cast<const char*>(pointer);
    for (std::size_t i = 0; i < limit; ++i) {
        if (bytes[i] == 0) return std::string(bytes, i);
    }
    return std::nullopt;
}

std::optional<PropertyValue> ReadValue(const PropertyInfo& propertyInfo, const void* pointer,
                                       std::string& problem) {
    switch (propertyInfo.form) {
    case Form::Bool: {
        unsigned char byte = *static_cast<const unsigned char*>(pointer);
        if (byte > 1) {
            problem = "a bool is one byte 0 or 1, got " + std::to_string(byte);
            return std::nullopt;
        }
        return PropertyValue(byte == 1);
    }
    case Form::Int: return PropertyValue(*static_cast<const int*>(pointer));
    case Form::Double: {
        double value;
        std::memcpy(&value, pointer, sizeof value);
        if (!std::isfinite(value)) {
            problem = "the double is not a finite number";
            return std::nullopt;
        }
        return PropertyValue(value);
    }
    case Form::WideText: {
        std::optional<std::u16string> text = ReadWideText(pointer);
        if (!text) {
            problem = "not NUL-terminated UTF-16 text";
            return std::nullopt;
        }
        return PropertyValue(*text);
    }
    case Form::NarrowText: {
        std::optional<std::string> text = ReadNarrowText(pointer);
        if (!text) {
            problem = "not NUL-terminated narrow text";
            return std::nullopt;
        }
        if (!propertyInfo.allowed.empty()) {
            bool known = false;
            for (std::string_view allowed : propertyInfo.allowed) known = known || allowed == *text;
            if (!known) {
                problem = "\"" + *text + "\" is not one of its values";
                return std::nullopt;
            }
        }
        return PropertyValue(*text);
    }
    case Form::Rgb: {
        auto* values = static_cast<const int*>(pointer);
        return PropertyValue(RgbValue{values[0], values[1], values[2]});
    }
    }
    return std::nullopt;
}

void WriteValue(const PropertyValue& value, void* pointer) {
    switch (FormOf(value)) {
    case Form::Bool: *static_cast<unsigned char*>(pointer) = std::get<bool>(value) ? 1 : 0; break;
    case Form::Int: *static_cast<int*>(pointer) = std::get<int>(value); break;
    case Form::Double: {
        double number = std::get<double>(value);
        std::memcpy(pointer, &number, sizeof number);
        break;
    }
    case Form::Rgb: {
        const RgbValue& rgb = std::get<RgbValue>(value);
        auto* out = static_cast<int*>(pointer);
        out[0] = rgb.r;
        out[1] = rgb.g;
        out[2] = rgb.b;
        break;
    }
    case Form::WideText:
    case Form::NarrowText: break;  // never answered: text has no out form
    }
}

std::string Printable(const std::u16string& text) {
    std::string out;
    for (char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out;
}

namespace {
std::string Quoted(const std::string& text, char quote) {
    std::string quoted(1, quote);
    quoted += text;
    quoted += quote;
    return quoted;
}
}  // namespace

std::string Describe(const PropertyValue& value) {
    switch (FormOf(value)) {
    case Form::Bool: return std::get<bool>(value) ? "true" : "false";
    case Form::Int: return std::to_string(std::get<int>(value));
    case Form::Double: {
        char number[32];
        std::snprintf(number, sizeof number, "%g", std::get<double>(value));
        return number;
    }
    // Built by appending: GCC 12 misreads "literal" + temporary string as
    // an overlapping copy (-Wrestrict) once it is inlined.
    case Form::WideText: return Quoted(Printable(std::get<std::u16string>(value)), '"');
    case Form::NarrowText: return Quoted(std::get<std::string>(value), '\'');
    case Form::Rgb: {
        const RgbValue& rgb = std::get<RgbValue>(value);
        std::string text(1, '(');
        text += std::to_string(rgb.r);
        text += ',';
        text += std::to_string(rgb.g);
        text += ',';
        text += std::to_string(rgb.b);
        text += ')';
        return text;
    }
    }
    return "?";
}

}  // namespace sim
