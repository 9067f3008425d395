// Every widget class at once, for the panel and the dialog that build on
// them.
#pragma once

#include "widgets/button.h"
#include "widgets/canvas.h"
#include "widgets/check_box.h"
#include "widgets/color_panel.h"
#include "widgets/dialog.h"
#include "widgets/double_spin_box.h"
#include "widgets/frame.h"
#include "widgets/widget_base.h"
#include "widgets/widget_event_proc.h"
#include "widgets/widget_registry.h"
#include "widgets/window.h"
