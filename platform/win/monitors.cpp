#include "platform/win/monitors.h"

#include <cstring>

#include "platform/win/backend.h"
#include "platform/win/window.h"
#include "platform/win/window_styles.h"

namespace {

const HMONITOR Primary = reinterpret_cast<HMONITOR>(uintptr_t{0x10001});

HMONITOR Choose(bool onScreen, DWORD flags)
{
    if (onScreen || flags != MONITOR_DEFAULTTONULL)
        return Primary;
    return nullptr;
}

}  // namespace

HMONITOR MonitorFromRect(const TRect& Rect, DWORD Flags)
{
    TRect common;
    return Choose(IntersectRect(common, Rect, Backend().ScreenRect()), Flags);
}

HMONITOR MonitorFromPoint(TPoint Point, DWORD Flags)
{
    return Choose(PtInRect(Backend().ScreenRect(), Point), Flags);
}

HMONITOR MonitorFromWindow(HWND Window, DWORD Flags)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return Choose(false, Flags);
    // A minimized window counts where it will be restored to.
    TWindow* root = window->Root();
    TPoint origin = window->ScreenOrigin();
    TRect rect = Bounds(origin.X, origin.Y, window->Rect.Width(), window->Rect.Height());
    if (root->Style & WS_MINIMIZE)
        rect = root->NormalRect;
    return MonitorFromRect(rect, Flags);
}

bool GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info)
{
    if (Monitor != Primary || !Info || Info->cbSize < sizeof(MONITORINFO))
        return false;
    Info->rcMonitor = Backend().ScreenRect();
    Info->rcWork = Backend().WorkArea();
    Info->dwFlags = MONITORINFOF_PRIMARY;
    if (Info->cbSize >= sizeof(MONITORINFOEX))
        std::strcpy(static_cast<MONITORINFOEX*>(Info)->szDevice, "\\\\.\\DISPLAY1");
    return true;
}
