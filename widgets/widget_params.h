// The typed records that mouse and key events carry, filled from the host's
// event list.
#pragma once

#include "host/button_state.h"
#include "host/host_abi.h"

// Pointer state of a mouse event. Every field is 0 (false) when its key is
// missing from the host's list or its value pointer is null.
struct WidgetMouseParam {
    int client_x = 0;
    int client_y = 0;
    int screen_x = 0;
    int screen_y = 0;
    int down_x = 0;
    int down_y = 0;
    int last_x = 0;
    int last_y = 0;
    int wheel_delta = 0;
    bool left_button = false;
    bool middle_button = false;
    bool right_button = false;
    bool shift = false;
    bool ctrl = false;
    bool flag5 = false;
    float pressure = 0.0f;
};

// Key state of a key event, with the same defaults.
struct WidgetKeyParam {
    int key = 0;
    bool auto_repeat = false;
    bool left_button = false;
    bool middle_button = false;
    bool right_button = false;
    bool shift = false;
    bool ctrl = false;
    bool flag5 = false;
};

// Reads the positions, "wheel_delta", "button_state" and "pressure" (a
// 32-bit float) of `list`; a null list gives the defaults. [ui-thread]
WidgetMouseParam ParseMouseParam(const KeyValuePair* list);
// Reads "key", "auto_repeat" and "button_state" of `list`. [ui-thread]
WidgetKeyParam ParseKeyParam(const KeyValuePair* list);
