// TButton: drawing, the dialog keys and the modal result.
#include "platform/ui/widgets/button.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/virtual_keys.h"

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value)
{
    default_ = Value;
    TCustomForm* form = GetParentForm(this);
    UpdateActive(form ? form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(TControl* Focused)
{
    bool active = Focused == this || (default_ && !dynamic_cast<TButton*>(Focused));
    if (active != active_) {
        active_ = active;
        Invalidate();
    }
}

void TButton::Click()
{
    TAlive alive(this);
    if (TCustomForm* form = GetParentForm(this); form && modalResult_ != mrNone)
        form->SetModalResult(modalResult_);
    if (alive)
        TButtonControl::Click();
}

void TButton::Paint()
{
    PrepareCanvas();
    TFlatState state = LookState();
    state.Default = active_;
    TRect content = DrawFlatButtonFace(Canvas(), ClientRect(), state);
    TRect text = content;
    DrawFlatText(Canvas(), text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) {
        InflateRect(content, -2, -2);
        DrawFlatFocusRect(Canvas(), content);
    }
}

void TButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGKEY: {
        TWMKey key(Message);
        bool pressed = (key.CharCode() == VK_RETURN && active_) || (key.CharCode() == VK_ESCAPE && cancel_);
        if (pressed && KeyDataToShiftState(key.KeyData()).Empty() && CanFocus()) {
            Message.Result = 1;
            Press();
            return;
        }
        TButtonControl::Dispatch(Message);
        return;
    }
    case CM_FOCUSCHANGED:
        UpdateActive(reinterpret_cast<TWinControl*>(Message.LParam));
        TButtonControl::Dispatch(Message);
        return;
    default:
        TButtonControl::Dispatch(Message);
        return;
    }
}
