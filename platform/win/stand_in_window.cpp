#include "platform/win/stand_in_window.h"

#include <map>

#include "platform/win/window.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

struct TStandIn {
    TStandInTarget Target;
    void* Context;
};

std::map<HWND, TStandIn>& StandIns()
{
    static std::map<HWND, TStandIn> standIns;
    return standIns;
}

}  // namespace

void SetStandInWindow(HWND StandIn, TStandInTarget Target, void* Context)
{
    if (Target)
        StandIns()[StandIn] = {Target, Context};
    else
        StandIns().erase(StandIn);
}

bool ShowStandIn(HWND Window, int Command, bool& Result)
{
    auto it = StandIns().find(Window);
    if (it == StandIns().end())
        return false;
    if (!WindowOf(Window)) {
        StandIns().erase(it);
        return false;
    }
    // A command that reaches the stand-in again while the target's show
    // or hide runs has been carried out already.
    static bool inCommand = false;
    if (inCommand) {
        Result = false;
        return true;
    }
    HWND target = it->second.Target(it->second.Context);
    if (!WindowOf(target)) {
        Result = false;
        return true;
    }
    Result = IsWindowVisible(target);
    // Cleared however the target's show ends: a show handler may raise.
    struct TInCommand {
        TInCommand() { inCommand = true; }
        ~TInCommand() { inCommand = false; }
    } guard;
    switch (Command) {
    case SW_HIDE:
        ShowWindow(target, SW_HIDE);
        break;
    case SW_RESTORE:
        ShowWindow(target, IsIconic(target) ? SW_RESTORE : SW_SHOW);
        break;
    case SW_SHOW:
    case SW_SHOWNORMAL:
        ShowWindow(target, SW_SHOW);
        break;
    default:
        break;
    }
    return true;
}
