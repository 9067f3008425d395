// A host "window": a floating window, child of another window. Also wraps
// the host's main window.
#pragma once

#include "widgets/window_base.h"

class MQWindow : public MQWindowBase {
public:
    // Creates a "window" at the host and makes it a child window of
    // `parent`, which must exist (a null parent adopts it nowhere). By
    // pointer: a reference to a window would select the copy constructor.
    // [ui-thread, after MQInit]
    explicit MQWindow(MQWindowBase* parent);

    // Wraps the host's main window without owning it: destroying the wrapper
    // never destroys the main window. The id is -1 when the host does not
    // answer. [ui-thread, after MQInit]
    static MQWindow GetMainWindow();

private:
    explicit MQWindow(int existingId) : MQWindowBase(existingId) {}
};
