// TTimer: OnTimer every Interval milliseconds while Enabled, from a timer
// of the window manager's clock. A timer may be freed, disabled or
// changed inside its own OnTimer.
#pragma once

#include "platform/base/component.h"
#include "platform/win/win_types.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // Changing it while the timer runs starts a new interval.
    UINT Interval() const { return interval_; }
    void SetInterval(UINT Value);
    // Setting it while Enabled starts the timer.
    TNotifyEvent OnTimer() const { return onTimer_; }
    void SetOnTimer(const TNotifyEvent& Value);

protected:
    virtual void Timer();

private:
    // Runs the window-manager timer exactly while Enabled, Interval is not
    // 0 and OnTimer is set.
    void UpdateTimer();
    void Tick(HWND Window, UINT Msg, UINT_PTR Id, DWORD Time);

    bool enabled_ = true;
    UINT interval_ = 1000;
    TNotifyEvent onTimer_;
    UINT_PTR id_ = 0;  // the running thread timer, 0 when stopped
};
