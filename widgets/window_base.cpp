#include "widgets/window_base.h"

#include "host/host_api.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/color_panel.h"
#include "widgets/double_spin_box.h"
#include "widgets/frame.h"
#include "widgets/widget_messages.h"
#include "widgets/widget_property.h"

MQWindowBase::~MQWindowBase() {
    for (auto child = ownedChildren.rbegin(); child != ownedChildren.rend(); ++child) delete *child;
    ownedChildren.clear();
}

void MQWindowBase::Abandon() {
    for (MQWidgetBase* child : ownedChildren) child->Abandon();
    MQWidgetBase::Abandon();
}

template <typename W>
W* MQWindowBase::Own(std::unique_ptr<W> widget) {
    ownedChildren.push_back(widget.get());
    return widget.release();
}

namespace {
MQFrame* Aligned(MQFrame* frame, MQFrame::Alignment alignment, MQWidgetBase* parent) {
    frame->SetAlignment(alignment);
    if (parent != nullptr) parent->AddChild(frame);
    return frame;
}

template <typename W>
W* Added(W* widget, MQWidgetBase* parent) {
    if (parent != nullptr) parent->AddChild(widget);
    return widget;
}

template <typename W>
W* Captioned(W* widget, const char16_t* text, MQWidgetBase* parent) {
    widget->SetText(text);
    return Added(widget, parent);
}
}  // namespace

MQFrame* MQWindowBase::CreateHorizontalFrame(MQWidgetBase* parent) {
    return Aligned(Own(std::make_unique<MQFrame>()), MQFrame::Alignment::Horizontal, parent);
}

MQFrame* MQWindowBase::CreateVerticalFrame(MQWidgetBase* parent) {
    return Aligned(Own(std::make_unique<MQFrame>()), MQFrame::Alignment::Vertical, parent);
}

MQButton* MQWindowBase::CreateButton(MQWidgetBase* parent, const char16_t* text) {
    return Captioned(Own(std::make_unique<MQButton>()), text, parent);
}

MQCheckBox* MQWindowBase::CreateCheckBox(MQWidgetBase* parent, const char16_t* text) {
    return Captioned(Own(std::make_unique<MQCheckBox>()), text, parent);
}

MQDoubleSpinBox* MQWindowBase::CreateDoubleSpinBox(MQWidgetBase* parent) {
    return Added(Own(std::make_unique<MQDoubleSpinBox>()), parent);
}

MQColorPanel* MQWindowBase::CreateColorPanel(MQWidgetBase* parent) {
    return Added(Own(std::make_unique<MQColorPanel>()), parent);
}

int MQWindowBase::ShowMessageBox(const char16_t* message, const char16_t* title) {
    int parent = id;
    int result = 0;
    KeyValuePair list[] = {{"type", const_cast<char*>("messagebox")},
                           {"messagetype", const_cast<char*>("okcancel")},
                           {"parent", &parent},
                           {"message", const_cast<char16_t*>(message)},
                           {"title", const_cast<char16_t*>(title)},
                           {"result", &result},
                           {nullptr, nullptr}};
    host::WidgetValue(0, widget_message::kRun, list);
    return result;
}

void MQWindowBase::SetTitle(const char16_t* title) { widget_property::SetText(id, "title", title); }

void MQWindowBase::SetCanResize(bool canResize) {
    widget_property::SetBool(id, "canresize", canResize);
}

void MQWindowBase::SetVisible(bool visible) { widget_property::SetBool(id, "visible", visible); }

int MQWindowBase::GetPosX() const { return widget_property::GetInt(id, "pos_x", -1); }

int MQWindowBase::GetPosY() const { return widget_property::GetInt(id, "pos_y", -1); }

void MQWindowBase::SetPosX(int x) { widget_property::SetInt(id, "pos_x", x); }

void MQWindowBase::SetPosY(int y) { widget_property::SetInt(id, "pos_y", y); }
