// The lean host's message functions: station messages (drawing objects,
// scene options), the widget calls a plug-in's start-up makes, and the rest
// answered as a host without a settings document would.
#include <cstring>
#include <type_traits>

#include "bench/lean_host/lean_model.h"
#include "platform/export.h"

namespace {
constexpr int kCreateDrawObject = 200;
constexpr int kDeleteDrawObject = 210;
constexpr int kSceneOption = 410;
constexpr int kWidgetSystemLookup = 0x100;
constexpr int kWidgetCreate = 0x101;
constexpr int kMainWindowId = 1;

// The value of `key` in a host argument list; null when it is not there.
void** ValueOf(KeyValuePair* list, const char* key) {
    for (; list != nullptr && list->key != nullptr; ++list) {
        if (std::strcmp(list->key, key) == 0) return &list->value;
    }
    return nullptr;
}

template <typename T>
T* Pointee(KeyValuePair* list, const char* key) {
    void** value = ValueOf(list, key);
    return value != nullptr ? static_cast<T*>(*value) : nullptr;
}

void SetInt(KeyValuePair* list, const char* key, int value) {
    if (int* out = Pointee<int>(list, key)) *out = value;
}

int g_lastWidgetId = kMainWindowId;
}  // namespace

extern "C" {

TACKPIN_EXPORT int MQ_SendMessage(int message, MessageHeader* record) {
    auto* list = static_cast<KeyValuePair*>(record->option);
    switch (message) {
    case kCreateDrawObject: {
        auto doc = Pointee<std::remove_pointer_t<MQDocument>>(list, "document");
        void** result = ValueOf(list, "result");
        if (doc == nullptr || result == nullptr) return 0;
        *result = lean::HandleOf(lean::TakeDrawing(doc));
        return 1;
    }
    case kDeleteDrawObject: {
        auto doc = Pointee<std::remove_pointer_t<MQDocument>>(list, "document");
        auto object = Pointee<std::remove_pointer_t<MQObject>>(list, "object");
        if (doc == nullptr || object == nullptr) return 0;
        lean::ReturnDrawing(doc, object);
        return 1;
    }
    case kSceneOption: {
        const auto* scene = Pointee<const lean::Scene>(list, "scene");
        if (scene == nullptr) return 0;
        SetInt(list, "show_vertex", scene->showVertex);
        SetInt(list, "show_line", scene->showLine);
        SetInt(list, "show_face", scene->showFace);
        SetInt(list, "front_only", scene->frontOnly);
        SetInt(list, "show_bkimg", scene->showBkimg);
        return 1;
    }
    default:
        // No settings document, nothing to deactivate.
        return 0;
    }
}

// Widgets exist only as ids: enough for a plug-in to build its panel and be
// activated; properties and events are accepted and forgotten.
TACKPIN_EXPORT int MQWidget_Value(int, int message, KeyValuePair* list) {
    if (message == kWidgetCreate) SetInt(list, "id", ++g_lastWidgetId);
    if (message == kWidgetSystemLookup) SetInt(list, "result", kMainWindowId);
    return 1;
}

TACKPIN_EXPORT int MQXmlElem_Value(MQXmlElement, int, void*) { return 0; }
TACKPIN_EXPORT void MQ_RefreshView(void*) {}

}  // extern "C"
