// TUpDown: the properties kept in the control and handed to its
// "msctls_updown32" window, which does the stepping.
#include "platform/ui/widgets/up_down.h"

#include <algorithm>

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/widgets/up_down_window.h"
#include "platform/win/window_proc.h"

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 17, 25);
}

void TUpDown::SetMin(int Value)
{
    min_ = Value;
    SendRange();
}

void TUpDown::SetMax(int Value)
{
    max_ = Value;
    SendRange();
}

int TUpDown::Position() const
{
    if (HandleAllocated())
        position_ = static_cast<int>(SendMessage(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
    return position_;
}

void TUpDown::SetPosition(int Value)
{
    position_ = std::clamp(Value, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated())
        SendMessage(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int Value)
{
    increment_ = Value;
    if (HandleAllocated()) {
        UDACCEL accel{0, static_cast<UINT>(increment_)};
        SendMessage(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    }
}

void TUpDown::SetOrientation(TUDOrientation Value)
{
    if (orientation_ == Value)
        return;
    orientation_ = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TUpDown::SetWrap(bool Value)
{
    if (wrap_ == Value)
        return;
    wrap_ = Value;
    RecreateWnd();
}

void TUpDown::SendRange()
{
    position_ = std::clamp(position_, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated())
        SendMessage(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::CreateParams(TCreateParams& Params)
{
    RegisterUpDownClass();
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, UPDOWN_CLASS);
    if (orientation_ == udHorizontal)
        Params.Style |= UDS_HORZ;
    if (wrap_)
        Params.Style |= UDS_WRAP;
}

void TUpDown::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessage(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessage(Handle(), UDM_SETPOS32, 0, position_);
    SetIncrement(increment_);
}

void TUpDown::DestroyWnd()
{
    // A remade window starts where this one stood.
    Position();
    TWinControl::DestroyWnd();
}

void TUpDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        // The parent passed back the step it heard of: the window already
        // holds the new position.
        Position();
        return;
    default:
        TWinControl::Dispatch(Message);
        return;
    }
}
