// A host "dialog": a window run modally until one of its buttons closes it.
#pragma once

#include "widgets/window_base.h"

class MQDialog : public MQWindowBase {
public:
    // Creates a "dialog" at the host and makes it a child window of
    // `parent`, which must exist (a null parent adopts it nowhere).
    // [ui-thread, after MQInit]
    explicit MQDialog(MQWindowBase* parent);

    // Runs the dialog modally and returns the host's answer (the
    // "modalresult" of the button that closed it); 0 when the host answers
    // nothing. Blocks; events arrive meanwhile. [ui-thread]
    int RunModal();
};
