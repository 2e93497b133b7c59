// The shared mouse, Space key and accelerator handling of the buttons.
#include "platform/ui/widgets/button_control.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/widgets/check_layout.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/focus_on_press.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // The buttons run their own press from the mouse: TControl's click
    // would come after the capture went, and a quick second click is one
    // more press, not a double click.
    SetControlStyle(
        TControlStyle(ControlStyle()).Exclude(csClickEvents).Exclude(csDoubleClicks).Include(csOpaque));
    SetTabStop(true);
}

void TButtonControl::ActionChange(TObject* Sender)
{
    TCustomControl::ActionChange(Sender);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || action->Checked() == Checked())
        return;
    clicksDisabled_ = true;
    SetChecked(action->Checked());
    clicksDisabled_ = false;
}

void TButtonControl::Click()
{
    if (!clicksDisabled_)
        TCustomControl::Click();
}

TFlatState TButtonControl::LookState() const
{
    TFlatState state;
    state.Disabled = !Enabled();
    state.Hot = hot_ && !state.Disabled;
    state.Pressed = Pressed() && !state.Disabled;
    return state;
}

void TButtonControl::PrepareCanvas()
{
    Canvas()->SetFont(Font());
}

void TButtonControl::PaintBesideGlyph(const std::function<void(const TRect& Glyph)>& DrawGlyph)
{
    PrepareCanvas();
    TCheckLayout layout = LayoutCheck(Canvas(), ClientRect(), Caption());
    FlatFill(Canvas(), ClientRect(), Color());
    DrawGlyph(layout.Glyph);
    TRect text = layout.Text;
    DrawFlatText(Canvas(), text, Caption(), DT_LEFT | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused())
        DrawFlatFocusRect(Canvas(), layout.Focus);
}

bool TButtonControl::EndMousePress(TPoint Pos)
{
    if (!mousePress_.Held())
        return false;
    const bool inside = mousePress_.End(ClientRect(), Pos);
    Invalidate();
    return inside;
}

void TButtonControl::Dispatch(TMessage& Message)
{
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_LBUTTONUP: {
        // The press ends before the capture goes and before Press runs, so
        // that a modal form or a freed parent opened by it finds the
        // button up.
        bool press = EndMousePress(TWMMouse(Message).Pos());
        TCustomControl::Dispatch(Message);
        if (press && alive && Enabled())
            Press();
        return;
    }
    case WM_CAPTURECHANGED:
    case CM_CANCELMODE:
        EndMousePress(Point(-1, -1));
        TCustomControl::Dispatch(Message);
        return;
    case WM_KILLFOCUS:
        spaceDown_ = false;
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case WM_SETFOCUS:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case CM_ENABLEDCHANGED:
        spaceDown_ = false;
        mousePress_.Cancel();
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        hot_ = Message.Msg == CM_MOUSEENTER;
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            if (alive && Focused())
                Press();
            Message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    default:
        TCustomControl::Dispatch(Message);
        return;
    }
}

void TButtonControl::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive || Key != VK_SPACE || Shift.Contains(ssAlt))
        return;
    if (!spaceDown_) {
        spaceDown_ = true;
        Invalidate();
    }
    Key = 0;
}

void TButtonControl::KeyUp(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyUp(Key, Shift);
    if (!alive || Key != VK_SPACE || !spaceDown_)
        return;
    spaceDown_ = false;
    Invalidate();
    Key = 0;
    Press();
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (!TakeFocusOnPress(this))
            return;
        mousePress_.Begin();
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (mousePress_.Move(ClientRect(), Point(X, Y)))
        Invalidate();
    TCustomControl::MouseMove(Shift, X, Y);
}
