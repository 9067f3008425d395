#include "widgets/check_box.h"

#include "widgets/widget_property.h"

void MQCheckBox::SetText(const char16_t* text) { widget_property::SetText(id, "text", text); }

bool MQCheckBox::GetChecked() const { return widget_property::GetBool(id, "checked", false); }

void MQCheckBox::SetChecked(bool checked) { widget_property::SetBool(id, "checked", checked); }
