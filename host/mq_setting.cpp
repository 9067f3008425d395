#include "host/mq_setting.h"

#include <utility>

#include "host/code_page_text.h"
#include "host/setting_value_text.h"
#include "host/xml_element.h"
#include "platform/platform.h"

MQSetting::MQSetting(MQXmlElement pluginSettings, MQXmlElement own, std::string name)
    : pluginSettings_(pluginSettings), own_(own), name_(std::move(name)) {}

void MQSetting::Load(const char* key, bool& value, bool preset) {
    std::optional<std::u16string> text = ReadText(key);
    value = text ? host::value_text::ParseBool(*text) : preset;
}

void MQSetting::Load(const char* key, int& value, int preset) {
    std::optional<std::u16string> text = ReadText(key);
    value = text ? host::value_text::ParseInt(*text) : preset;
}

void MQSetting::Load(const char* key, float& value, float preset) {
    std::optional<std::u16string> text = ReadText(key);
    value = text ? host::value_text::ParseFloat(*text) : preset;
}

void MQSetting::Save(const char* key, bool value) { Save(Prepare(key, value)); }

void MQSetting::Save(const char* key, int value) { Save(Prepare(key, value)); }

void MQSetting::Save(const char* key, float value) { Save(Prepare(key, value)); }

namespace {
MQSetting::Prepared PrepareText(const char* key, const std::u16string& text) {
    if (key == nullptr) return {};
    return {host::AnsiKeyToUtf8(key), host::FromWide(platform::kUtf8CodePage, text.c_str())};
}
}  // namespace

MQSetting::Prepared MQSetting::Prepare(const char* key, bool value) {
    return PrepareText(key, host::value_text::FormatBool(value));
}

MQSetting::Prepared MQSetting::Prepare(const char* key, int value) {
    return PrepareText(key, host::value_text::FormatInt(value));
}

MQSetting::Prepared MQSetting::Prepare(const char* key, float value) {
    return PrepareText(key, host::value_text::FormatFloat(value));
}

std::optional<std::u16string> MQSetting::ReadText(const char* key) {
    // Without an own element there is nothing to read: the host is not asked
    // about a null element.
    if (own_ == nullptr || key == nullptr) return std::nullopt;
    MQXmlElement child = host::FindChildElement(own_, host::AnsiKeyToUtf8(key).c_str());
    if (child == nullptr) return std::nullopt;
    // Copied at once: the host keeps the text and may change it.
    const char* utf8 = host::GetElementText(child);
    if (utf8 == nullptr || *utf8 == '\0') return std::nullopt;
    return host::ToWide(platform::kUtf8CodePage, utf8);
}

void MQSetting::Save(const Prepared& value) noexcept {
    // A value prepared without a key has none to be saved under.
    if (own_ == nullptr || value.key.empty()) return;
    if (MQXmlElement old = host::FindChildElement(own_, value.key.c_str()); old != nullptr)
        host::RemoveChildElement(own_, old);
    MQXmlElement child = host::AddChildElement(own_, value.key.c_str());
    // A host that made no element gets no text to put nowhere.
    if (child == nullptr) return;
    host::SetElementText(child, value.text.c_str());
}
