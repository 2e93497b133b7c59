// Window timers. A due timer makes one WM_TIMER when the queue holds
// nothing else, the earliest due first; a timer that is late fires once,
// not once per missed interval, and its next tick is an interval after the
// message was taken.
#pragma once

#include "platform/win/win_types.h"

// The shortest interval a timer runs at.
inline constexpr UINT USER_TIMER_MINIMUM = 10;

// Starts or restarts timer Id of the window (a window of 0 makes a thread
// timer with a new id). With a callback, DispatchMessage calls it instead
// of the window procedure. Answers the timer id, 0 on failure. An interval
// below USER_TIMER_MINIMUM counts as USER_TIMER_MINIMUM.
UINT_PTR SetTimer(HWND Window, UINT_PTR Id, UINT Interval, const TIMERPROC& Callback = nullptr);
// Safe from inside the timer's own tick.
bool KillTimer(HWND Window, UINT_PTR Id);

// The earliest due time (GetTickCount64 terms) of the timers whose
// WM_TIMER would pass the filter, if any runs.
bool NextTimerDue(HWND Filter, UINT Min, UINT Max, uint64_t* Due);
// Finds the earliest due timer matching the filter; with Remove its next
// tick is scheduled. For the message loop.
bool TakeDueTimer(MSG& Msg, HWND Filter, UINT Min, UINT Max, bool Remove);
// Calls the callback of the timer a WM_TIMER came from; false when the
// timer has none (the window procedure then gets the message).
bool DispatchTimerCallback(const MSG& Msg);
// Kills every timer of a window being destroyed.
void KillWindowTimers(HWND Window);
