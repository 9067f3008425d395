// Base of the host's windows and dialogs: owns the controls it creates,
// asks OK/Cancel questions, and carries the window properties.
#pragma once

#include <memory>
#include <vector>

#include "widgets/widget_base.h"

class MQButton;
class MQCheckBox;
class MQColorPanel;
class MQDoubleSpinBox;
class MQFrame;

class MQWindowBase : public MQWidgetBase {
public:
    // Deletes every owned control, newest first (each destroyed at the
    // host), then the window itself. [ui-thread]
    ~MQWindowBase() override;

    // Abandons every owned control and the window itself; deleting the
    // wrapper afterwards makes no host call. [ui-thread]
    void Abandon() override;

    // Creation operations: the new control is owned by this window and
    // deleted with it; the caller gets a non-owning pointer. Its property is
    // set, then it is appended to `parent` (a frame, or this window); a null
    // parent adds it nowhere. [ui-thread, after MQInit]
    MQFrame* CreateHorizontalFrame(MQWidgetBase* parent);
    MQFrame* CreateVerticalFrame(MQWidgetBase* parent);
    MQButton* CreateButton(MQWidgetBase* parent, const char16_t* text);
    MQCheckBox* CreateCheckBox(MQWidgetBase* parent, const char16_t* text);
    MQDoubleSpinBox* CreateDoubleSpinBox(MQWidgetBase* parent);
    MQColorPanel* CreateColorPanel(MQWidgetBase* parent);

    // Runs an OK/Cancel message box over this window and returns the host's
    // answer: 1 is OK; 0 when the host answers nothing. Blocks; events
    // arrive meanwhile. [ui-thread]
    int ShowMessageBox(const char16_t* message, const char16_t* title);

    void SetTitle(const char16_t* title);
    void SetCanResize(bool canResize);
    void SetVisible(bool visible);
    // "pos_x", "pos_y" in the host's coordinates; -1 when the host does not
    // answer.
    int GetPosX() const;
    int GetPosY() const;
    void SetPosX(int x);
    void SetPosY(int y);

protected:
    explicit MQWindowBase(const char* hostClass) : MQWidgetBase(hostClass) {}
    explicit MQWindowBase(int existingId) : MQWidgetBase(existingId) {}

private:
    // Enters a new control among the owned ones and gives it back.
    template <typename W>
    W* Own(std::unique_ptr<W> widget);

    // Owning, in creation order. A control's parent is made before it, so
    // deleting from the back destroys every control before the frame that
    // holds it: the host destroys a frame's children with the frame, and a
    // later destroy would address an id that is gone (or already reused).
    std::vector<MQWidgetBase*> ownedChildren;
};
