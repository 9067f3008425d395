#include "widgets/button.h"

#include "widgets/widget_property.h"

void MQButton::SetText(const char16_t* text) { widget_property::SetText(id, "text", text); }

void MQButton::SetToggle(bool toggle) { widget_property::SetBool(id, "toggle", toggle); }

bool MQButton::GetDown() const { return widget_property::GetBool(id, "down", false); }

void MQButton::SetDown(bool down) { widget_property::SetBool(id, "down", down); }

void MQButton::SetModalResult(int result) { widget_property::SetInt(id, "modalresult", result); }

void MQButton::SetDefault(bool isDefault) { widget_property::SetBool(id, "default", isDefault); }

void MQButton::SetCancel(bool isCancel) { widget_property::SetBool(id, "cancel", isCancel); }
