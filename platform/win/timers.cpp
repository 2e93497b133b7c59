#include "platform/win/timers.h"

#include <algorithm>
#include <vector>

#include "platform/win/clock.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"

namespace {

constexpr UINT MinimumInterval = USER_TIMER_MINIMUM;

struct TTimer {
    HWND Window = nullptr;
    UINT_PTR Id = 0;
    UINT Interval = 0;
    uint64_t Due = 0;
    TIMERPROC Callback;
    // Names the timer in WM_TIMER's lParam when it has a callback; never
    // reused, so a message from a killed timer finds nothing.
    LPARAM Key = 0;
};

struct Timers {
    std::vector<TTimer> List;  // in the order they were set
    LPARAM NextKey = 1;
    UINT_PTR NextThreadId = 0x7FFF;
};

Timers& TheTimers()
{
    static Timers timers;
    return timers;
}

TTimer* Find(HWND window, UINT_PTR id)
{
    for (TTimer& t : TheTimers().List)
        if (t.Window == window && t.Id == id)
            return &t;
    return nullptr;
}

}  // namespace

UINT_PTR SetTimer(HWND Window, UINT_PTR Id, UINT Interval, const TIMERPROC& Callback)
{
    if (Window && !WindowOf(Window))
        return 0;
    Timers& timers = TheTimers();
    TTimer* timer = Find(Window, Id);
    if (!timer) {
        if (!Window)
            Id = ++timers.NextThreadId;
        timer = &timers.List.emplace_back();
        timer->Window = Window;
        timer->Id = Id;
    }
    timer->Interval = std::max(Interval, MinimumInterval);
    timer->Due = GetTickCount64() + timer->Interval;
    timer->Callback = Callback;
    timer->Key = Callback ? timers.NextKey++ : 0;
    return Id;
}

bool KillTimer(HWND Window, UINT_PTR Id)
{
    auto& list = TheTimers().List;
    auto it = std::find_if(list.begin(), list.end(), [&](const TTimer& t) { return t.Window == Window && t.Id == Id; });
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

void KillWindowTimers(HWND Window)
{
    std::erase_if(TheTimers().List, [&](const TTimer& t) { return t.Window == Window; });
}

bool NextTimerDue(HWND Filter, UINT Min, UINT Max, uint64_t* Due)
{
    bool found = false;
    for (const TTimer& t : TheTimers().List) {
        if (!MessageMatches(t.Window, WM_TIMER, Filter, Min, Max) || (found && t.Due >= *Due))
            continue;
        *Due = t.Due;
        found = true;
    }
    return found;
}

bool TakeDueTimer(MSG& Msg, HWND Filter, UINT Min, UINT Max, bool Remove)
{
    uint64_t now = GetTickCount64();
    TTimer* first = nullptr;
    for (TTimer& t : TheTimers().List)
        if (t.Due <= now && (!first || t.Due < first->Due) && MessageMatches(t.Window, WM_TIMER, Filter, Min, Max))
            first = &t;
    if (!first)
        return false;
    Msg = MSG{first->Window, WM_TIMER, first->Id, first->Key, static_cast<DWORD>(now), InputState().Cursor};
    // However late, a timer fires once; the next tick counts from now.
    if (Remove)
        first->Due = now + first->Interval;
    return true;
}

bool DispatchTimerCallback(const MSG& Msg)
{
    for (const TTimer& t : TheTimers().List) {
        if (t.Key != Msg.lParam || !t.Callback)
            continue;
        // A copy: the callback may kill its own timer.
        TIMERPROC callback = t.Callback;
        callback(Msg.hwnd, WM_TIMER, Msg.wParam, GetTickCount());
        return true;
    }
    return false;
}
