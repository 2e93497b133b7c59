// Mouse-leave tracking (TrackMouseEvent).
#include "platform/win/input_internal.h"
#include "platform/win/message_queue.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_messages.h"

namespace {

// The windows waiting for WM_MOUSELEAVE and WM_NCMOUSELEAVE.
HWND clientTracked = nullptr;
HWND frameTracked = nullptr;

}  // namespace

void MouseMessageGoing(HWND Window, bool NonClient)
{
    if (clientTracked && (clientTracked != Window || NonClient)) {
        HWND left = clientTracked;
        clientTracked = nullptr;
        PostMessage(left, WM_MOUSELEAVE, 0, 0);
    }
    if (frameTracked && (frameTracked != Window || !NonClient)) {
        HWND left = frameTracked;
        frameTracked = nullptr;
        PostMessage(left, WM_NCMOUSELEAVE, 0, 0);
    }
}

bool TrackMouseEvent(TRACKMOUSEEVENT* Event)
{
    if (!Event || Event->cbSize != sizeof(TRACKMOUSEEVENT) || !(Event->dwFlags & TME_LEAVE))
        return false;
    bool nonClient = Event->dwFlags & TME_NONCLIENT;
    HWND& tracked = nonClient ? frameTracked : clientTracked;
    if (Event->dwFlags & TME_CANCEL) {
        if (tracked == Event->hwndTrack)
            tracked = nullptr;
        return true;
    }
    if (!WindowOf(Event->hwndTrack))
        return false;
    tracked = Event->hwndTrack;
    // Where mouse messages would go now; when not there, the leave is due at once.
    HWND now = InputState().Capture;
    bool nowNonClient = false;
    if (!WindowOf(now)) {
        LRESULT hit = HTNOWHERE;
        TWindow* under = WindowUnderMouse(InputState().Cursor, &hit);
        bool takes = under && hit != HTERROR && hit != HTNOWHERE && hit != HTTRANSPARENT;
        now = takes ? under->Handle : nullptr;
        nowNonClient = hit != HTCLIENT;
    }
    MouseMessageGoing(now, nowNonClient);
    return true;
}
