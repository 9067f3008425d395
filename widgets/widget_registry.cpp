#include "widgets/widget_registry.h"

#include <type_traits>

namespace {
constinit WidgetRegistry g_registry;
static_assert(std::is_trivially_destructible_v<WidgetRegistry>);
}  // namespace

WidgetRegistry& TheWidgetRegistry() { return g_registry; }

bool WidgetRegistry::Insert(int id, MQWidgetBase* widget) {
    if (id == 0 || widget == nullptr) return false;
    if (entries_ == nullptr) entries_ = new Map;
    try {
        return entries_->emplace(id, widget).second;
    } catch (...) {
        if (entries_->empty()) {
            delete entries_;
            entries_ = nullptr;
        }
        throw;
    }
}

void WidgetRegistry::Erase(int id) {
    if (entries_ == nullptr) return;
    entries_->erase(id);
    if (entries_->empty()) {
        delete entries_;
        entries_ = nullptr;
    }
}

void WidgetRegistry::Erase(int id, const MQWidgetBase* widget) {
    if (Find(id) == widget) Erase(id);
}

MQWidgetBase* WidgetRegistry::Find(int id) const {
    if (entries_ == nullptr) return nullptr;
    auto found = entries_->find(id);
    return found != entries_->end() ? found->second : nullptr;
}

std::size_t WidgetRegistry::Size() const { return entries_ != nullptr ? entries_->size() : 0; }
