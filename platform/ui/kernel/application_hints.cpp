// TApplication's hints: a hint shows once the mouse has rested HintPause
// over a control with ShowHint and a Hint, stays HintHidePause, and goes
// when the mouse leaves the control, a key or button is pressed, or the
// program loses activation.
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_attributes.h"

AnsiString GetShortHint(const AnsiString& Hint)
{
    size_t bar = Hint.find('|');
    return bar == AnsiString::npos ? Hint : Hint.substr(0, bar);
}

AnsiString GetLongHint(const AnsiString& Hint)
{
    size_t bar = Hint.find('|');
    return bar == AnsiString::npos ? Hint : Hint.substr(bar + 1);
}

void TApplication::SetShowHint(bool Value)
{
    if (showHint_ == Value)
        return;
    showHint_ = Value;
    if (!Value) {
        CancelHint();
        delete hintWindow_;
        hintWindow_ = nullptr;
    }
}

void TApplication::SetHint(const AnsiString& Value)
{
    if (hint_ == Value)
        return;
    hint_ = Value;
    if (OnHint)
        OnHint(this);
}

void TApplication::StartHintTimer(int Interval)
{
    hintTimer_->SetEnabled(false);
    hintTimer_->SetInterval(static_cast<UINT>(Interval));
    hintTimer_->SetEnabled(true);
}

void TApplication::StopHintTimer()
{
    hintTimer_->SetEnabled(false);
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message)
{
    if (Control->ComponentState().Contains(csDestroying))
        return;
    TPoint point = Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    if (Control == hintControl_) {
        // Moving out of the area the hint is about ends it.
        if (hintShowing_ && !PtInRect(hintCursorRect_, Control->ClientToScreen(point)))
            CancelHint();
        return;
    }
    SetHint(GetLongHint(Control->Hint));
    bool wasShowing = hintShowing_;
    HideHint();
    StopHintTimer();
    hintControl_ = Control;
    if (showHint_ && Control->ShowHint() && !GetShortHint(Control->Hint).empty())
        StartHintTimer(wasShowing ? HintShortPause : HintPause);
}

void TApplication::HintTimerExpired(TObject*)
{
    StopHintTimer();
    if (hintShowing_) {
        HideHint();
        return;
    }
    if (!hintControl_)
        return;
    TPoint point;
    GetCursorPos(&point);
    ActivateHint(point);
}

void TApplication::ActivateHint(TPoint CursorPos)
{
    TControl* control = hintControl_ ? hintControl_ : FindDragTarget(CursorPos, true);
    if (!control || !showHint_ || !control->ShowHint())
        return;
    // Made when first needed, of the class asked for then.
    if (!hintWindow_)
        hintWindow_ = HintWindowClass(this);
    hintControl_ = control;
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = control->ScreenToClient(CursorPos);
    info.CursorRect = control->ClientRect();
    info.HintPos = Point(CursorPos.X, CursorPos.Y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3);
    info.HintMaxWidth = Screen->Width();
    info.HintColor = HintColor;
    info.HideTimeout = HintHidePause;
    info.HintStr = GetShortHint(control->Hint);
    TControl::TAlive alive(control);
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow && OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    if (!alive || !canShow || info.HintStr.empty() || !hintWindow_)
        return;
    hintWindow_->SetColor(info.HintColor);
    TRect rect = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(rect, info.HintPos.X, info.HintPos.Y);
    // Kept on the screen.
    if (rect.Right > Screen->Width())
        OffsetRect(rect, Screen->Width() - rect.Right, 0);
    if (rect.Bottom > Screen->Height())
        OffsetRect(rect, 0, CursorPos.Y - rect.Height() - rect.Top);
    TPoint origin = info.HintControl->ClientToScreen(Point(0, 0));
    hintCursorRect_ = info.CursorRect;
    OffsetRect(hintCursorRect_, origin.X, origin.Y);
    hintWindow_->ActivateHintData(rect, info.HintStr, info.HintData);
    hintShowing_ = true;
    if (info.HideTimeout > 0)
        StartHintTimer(info.HideTimeout);
}

void TApplication::HideHint()
{
    if (!hintShowing_)
        return;
    hintShowing_ = false;
    if (hintWindow_ && hintWindow_->HandleAllocated())
        hintWindow_->ReleaseHandle();
}

void TApplication::CancelHint()
{
    StopHintTimer();
    HideHint();
    hintControl_ = nullptr;
}

void TApplication::ControlDestroyed(TControl* Control)
{
    if (Control == hintControl_)
        CancelHint();
}
