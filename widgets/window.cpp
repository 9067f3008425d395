#include "widgets/window.h"

#include "host/host_api.h"
#include "widgets/widget_messages.h"

MQWindow::MQWindow(MQWindowBase* parent) : MQWindowBase("window") {
    if (parent != nullptr) parent->AddChildWindow(this);
}

MQWindow MQWindow::GetMainWindow() {
    int mainId = -1;
    KeyValuePair list[] = {
        {"system", const_cast<char*>("main_window")}, {"result", &mainId}, {nullptr, nullptr}};
    host::WidgetValue(0, widget_message::kSystemLookup, list);
    // Built in the caller's place: the registry keeps this very address.
    return MQWindow(mainId);
}
