// How the other areas of the window manager (painting, focus and input)
// follow what happens to windows. An observer overrides what it needs.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

struct TWindow;

// A change made by SetWindowPos, after the record took it.
struct TWindowPosChange {
    TRect OldRect;    // window rectangle before, in the parent's client coordinates
    TRect OldClient;  // client rectangle before, in window coordinates
    bool WasVisible = false;  // the window itself had WS_VISIBLE
    bool ZOrderChanged = false;
    UINT Flags = 0;  // the final SWP_ flags, as WM_WINDOWPOSCHANGED gets them
};

class TWindowObserver {
public:
    virtual ~TWindowObserver() = default;
    // SetWindowPos has applied a change; WM_WINDOWPOSCHANGED is still to come.
    virtual void WindowPosChanged(TWindow&, const TWindowPosChange&) {}
    // SetWindowPos without SWP_NOACTIVATE showed or moved a top-level
    // window: it should become the active window.
    virtual void WindowActivationRequested(TWindow&) {}
    // GWL_STYLE or GWL_EXSTYLE changed.
    virtual void WindowStyleChanged(TWindow&, int /*Index*/, DWORD /*Old*/, DWORD /*New*/) {}
    // EnableWindow changed the state; a window being disabled is told
    // before its WM_ENABLE, as it must lose the focus first.
    virtual void WindowEnabledChanged(TWindow&, bool /*Enabled*/) {}
    // DestroyWindow has hidden the window; WM_DESTROY is still to come.
    virtual void WindowDestroying(TWindow&) {}
};

void AddWindowObserver(TWindowObserver* Observer);
void RemoveWindowObserver(TWindowObserver* Observer);
