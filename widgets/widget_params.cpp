#include "widgets/widget_params.h"

#include "host/key_value_list.h"

namespace {
template <typename Param>
void FillButtons(Param& param, int state) {
    DecodeButtonState(state, param.left_button, param.middle_button, param.right_button,
                      param.shift, param.ctrl, param.flag5);
}
}  // namespace

WidgetMouseParam ParseMouseParam(const KeyValuePair* list) {
    WidgetMouseParam param;
    param.client_x = host::FindIntValue(list, "client_x", 0);
    param.client_y = host::FindIntValue(list, "client_y", 0);
    param.screen_x = host::FindIntValue(list, "screen_x", 0);
    param.screen_y = host::FindIntValue(list, "screen_y", 0);
    param.down_x = host::FindIntValue(list, "down_x", 0);
    param.down_y = host::FindIntValue(list, "down_y", 0);
    param.last_x = host::FindIntValue(list, "last_x", 0);
    param.last_y = host::FindIntValue(list, "last_y", 0);
    param.wheel_delta = host::FindIntValue(list, "wheel_delta", 0);
    FillButtons(param, host::FindIntValue(list, "button_state", 0));
    param.pressure = host::FindFloatValue(list, "pressure", 0.0f);
    return param;
}

WidgetKeyParam ParseKeyParam(const KeyValuePair* list) {
    WidgetKeyParam param;
    param.key = host::FindIntValue(list, "key", 0);
    param.auto_repeat = host::FindIntValue(list, "auto_repeat", 0) != 0;
    FillButtons(param, host::FindIntValue(list, "button_state", 0));
    return param;
}
