// TbsSkinUpDown: the range, the buttons' mouse handling and the repeat.
#include "skin/controls/bs_skin_up_down.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/timers.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls_bars.h"

namespace {

// Timer 1 repeats a held button: 500 ms before the first tick, which only
// switches to 100 ms; 50 ms once the mouse came back onto the button.
constexpr UINT_PTR RepeatTimer = 1;
constexpr unsigned FirstRepeatDelay = 500;
constexpr unsigned RepeatInterval = 100;
constexpr unsigned ReenterInterval = 50;

}  // namespace

TbsSkinUpDown::TbsSkinUpDown(TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetSkinDataName("hupdown");
    SetBounds(Left(), Top(), 50, 25);
}

void TbsSkinUpDown::SetOrientation(TUDOrientation Value)
{
    orientation_ = Value;
    if (Designing() && !ComponentState().Contains(csLoading))
        SetSkinDataName(Value == udVertical ? "vupdown" : "hupdown");
    Repaint();
}

void TbsSkinUpDown::SetPosition(int Value)
{
    if (Value > max_ || Value < min_)
        return;
    position_ = Value;
    if (!Designing() && OnChange)
        OnChange(this);
}

void TbsSkinUpDown::SetMin(int Value)
{
    min_ = Value;
    if (Value > position_)
        position_ = Value;
}

void TbsSkinUpDown::SetMax(int Value)
{
    max_ = Value;
    if (Value < position_)
        position_ = Value;
}

void TbsSkinUpDown::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    if (DescriptionIndex() != -1) {
        const auto* upDown = dynamic_cast<const TbsDataSkinUpDownControl*>(Description());
        upDownSkin_ = upDown != nullptr;
        if (upDown) {
            upButtonRect_ = upDown->UpButtonRect;
            activeUpButtonRect_ = upDown->ActiveUpButtonRect;
            downUpButtonRect_ = IsRectEmpty(upDown->DownUpButtonRect) ? activeUpButtonRect_ : upDown->DownUpButtonRect;
            downButtonRect_ = upDown->DownButtonRect;
            activeDownButtonRect_ = upDown->ActiveDownButtonRect;
            downDownButtonRect_ =
                IsRectEmpty(upDown->DownDownButtonRect) ? activeDownButtonRect_ : upDown->DownDownButtonRect;
            // An up-down image has no frame: the buttons fill it.
            LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = TPoint{};
            SkinClientRect = TRect{};
        }
    }
    CalcRects();
}

void TbsSkinUpDown::CalcSize(int& W, int& H)
{
    if (UseSkinSize)
        TbsSkinCustomControl::CalcSize(W, H);
}

void TbsSkinUpDown::SetControlRegion()
{
    if (UseSkinSize)
        TbsSkinCustomControl::SetControlRegion();
}

void TbsSkinUpDown::CalcRects()
{
    if (HasUpDownSkin() && UseSkinSize) {
        buttons_[0].R = upButtonRect_;
        buttons_[1].R = downButtonRect_;
        return;
    }
    const int W = Width();
    const int H = Height();
    if (orientation_ == udHorizontal) {
        buttons_[1].R = Rect(0, 0, W / 2, H);
        buttons_[0].R = Rect(W / 2, 0, W, H);
    } else {
        buttons_[0].R = Rect(0, 0, W, H / 2);
        buttons_[1].R = Rect(0, H / 2, W, H);
    }
}

void TbsSkinUpDown::TestActive(TPoint P)
{
    const int old = activeButton_;
    activeButton_ = PointInRect(buttons_[0].R, P) ? 0 : PointInRect(buttons_[1].R, P) ? 1 : -1;
    // While one button is held the other never lights up.
    if (captureButton_ != -1 && captureButton_ != activeButton_ && activeButton_ != -1)
        activeButton_ = -1;
    if (activeButton_ == old)
        return;
    if (old != -1)
        ButtonLeave(old);
    if (activeButton_ != -1)
        ButtonEnter(activeButton_);
}

void TbsSkinUpDown::ButtonEnter(int I)
{
    buttons_[1 - I].MouseIn = false;
    buttons_[I].MouseIn = true;
    Repaint();
    if (Increment != 0 && buttons_[I].Down)
        SetTimer(Handle(), RepeatTimer, ReenterInterval);
}

// A held button waits in its timer mode until the mouse is back.
void TbsSkinUpDown::ButtonLeave(int I)
{
    buttons_[I].MouseIn = false;
    Repaint();
    if (Increment != 0 && buttons_[I].Down)
        KillTimer(Handle(), RepeatTimer);
}

void TbsSkinUpDown::ButtonDown(int I)
{
    buttons_[I].MouseIn = true;
    buttons_[I].Down = true;
    Repaint();
    if (Increment == 0)
        return;
    timerMode_ = I == 0 ? tmStepUp : tmStepDown;
    waitMode_ = true;
    SetTimer(Handle(), RepeatTimer, FirstRepeatDelay);
}

// The click's step comes on top of the steps the held button repeated.
void TbsSkinUpDown::ButtonUp(int I)
{
    if (Increment != 0) {
        KillTimer(Handle(), RepeatTimer);
        timerMode_ = tmNone;
    }
    buttons_[I].Down = false;
    if (I != activeButton_)
        buttons_[I].MouseIn = false;
    Repaint();
    if (!buttons_[I].MouseIn)
        return;
    if (Increment != 0)
        SetPosition(position_ + (I == 0 ? Increment : -Increment));
    const TNotifyEvent& click = I == 0 ? OnUpButtonClick : OnDownButtonClick;
    if (click)
        click(this);
}

void TbsSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TestActive(Point(X, Y));
    buttons_[activeButton_ == 0 ? 1 : 0].MouseIn = false;
    if (activeButton_ != -1) {
        captureButton_ = activeButton_;
        ButtonDown(activeButton_);
    }
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TbsSkinUpDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TestActive(Point(X, Y));
    TbsSkinCustomControl::MouseMove(Shift, X, Y);
}

void TbsSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (captureButton_ != -1)
        ButtonUp(captureButton_);
    captureButton_ = -1;
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinUpDown::Tick()
{
    if (waitMode_) {
        waitMode_ = false;
        SetTimer(Handle(), RepeatTimer, RepeatInterval);
        return;
    }
    if (timerMode_ == tmStepDown)
        SetPosition(position_ - Increment);
    else if (timerMode_ == tmStepUp)
        SetPosition(position_ + Increment);
}

// The mouse left the whole control: a lit button goes dark, and a held one
// waits as it does when the mouse leaves it inside the control.
void TbsSkinUpDown::MouseLeft()
{
    activeButton_ = -1;
    for (int i = 0; i < 2; ++i)
        if (buttons_[i].MouseIn)
            ButtonLeave(i);
}

void TbsSkinUpDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TbsSkinCustomControl::Dispatch(Message);
        CalcRects();
        return;
    case WM_TIMER:
        TbsSkinCustomControl::Dispatch(Message);
        if (Message.WParam == RepeatTimer)
            Tick();
        return;
    case CM_ENABLEDCHANGED:
        // The arrows turn grey or black again at once, not at the next
        // paint something else asks for.
        TbsSkinCustomControl::Dispatch(Message);
        Repaint();
        return;
    case CM_MOUSEENTER:
        activeButton_ = -1;
        TbsSkinCustomControl::Dispatch(Message);
        return;
    case CM_MOUSELEAVE:
        TbsSkinCustomControl::Dispatch(Message);
        MouseLeft();
        return;
    default:
        TbsSkinCustomControl::Dispatch(Message);
        return;
    }
}
