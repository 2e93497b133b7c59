#include "platform/ui/kernel/timer.h"

#include "platform/ui/kernel/control_hooks.h"
#include "platform/win/timers.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer()
{
    if (id_)
        KillTimer(nullptr, id_);
}

void TTimer::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT Value)
{
    if (interval_ == Value)
        return;
    interval_ = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& Value)
{
    onTimer_ = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (id_) {
        KillTimer(nullptr, id_);
        id_ = 0;
    }
    if (enabled_ && interval_ != 0 && onTimer_)
        id_ = SetTimer(nullptr, 0, interval_, TIMERPROC(this, &TTimer::Tick));
}

void TTimer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    // OnTimer may free the timer: nothing here touches it afterwards.
    try {
        Timer();
    } catch (const std::exception& e) {
        HandleControlException(nullptr, e);
    }
}

void TTimer::Timer()
{
    if (onTimer_)
        onTimer_(this);
}
