#include "widgets/dialog.h"

#include "host/host_api.h"
#include "widgets/widget_messages.h"

MQDialog::MQDialog(MQWindowBase* parent) : MQWindowBase("dialog") {
    if (parent != nullptr) parent->AddChildWindow(this);
}

int MQDialog::RunModal() {
    int result = 0;
    KeyValuePair list[] = {
        {"type", const_cast<char*>("modal")}, {"result", &result}, {nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kRun, list);
    return result;
}
