// TButtonControl: what push buttons, check boxes and radio buttons share.
// The look follows the mouse (hot while over it, pressed while the left
// button went down on it and the mouse is still over it) and the Space key
// (pressed while held); releasing either over the control, or typing its
// accelerator, presses it: Press, which each kind of button overrides.
#pragma once

#include <functional>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/mouse_press.h"

class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* AOwner);

    bool Hot() const { return hot_; }
    // Whether the button shows a check; a push button never does. The
    // check of a button with an action follows the action's Checked.
    virtual bool Checked() const { return false; }
    virtual void SetChecked(bool) {}
    // Shown held down: by the mouse over it or by the Space key.
    bool Pressed() const { return spaceDown_ || mousePress_.Shown(); }

protected:
    // What a user's press does. Click (OnClick, and an action link hooked
    // there) is where every kind of button ends.
    virtual void Press() = 0;
    // The flat look's state for the current hot, pressed and enabled looks.
    TFlatState LookState() const;
    // Gives the canvas the control's font before painting and measuring.
    void PrepareCanvas();
    // Paints a check box or a radio button: the face, DrawGlyph with the
    // glyph's square, the caption beside it and, while focused, the focus
    // rectangle around the caption.
    void PaintBesideGlyph(const std::function<void(const TRect& Glyph)>& DrawGlyph);

    void Dispatch(TMessage& Message) override;
    // A check set by the action is no click: it must not run the action
    // again.
    void ActionChange(TObject* Sender) override;
    void Click() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    // Ends a press by the mouse; answers whether it was released over the
    // control.
    bool EndMousePress(TPoint Pos);

    bool hot_ = false;          // between CM_MOUSEENTER and CM_MOUSELEAVE
    TMousePress mousePress_;
    bool spaceDown_ = false;    // Space went down while focused and has not come up
    bool clicksDisabled_ = false;  // ActionChange is setting the check
};
