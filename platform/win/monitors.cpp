#include "platform/win/monitors.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/window.h"
#include "platform/win/window_styles.h"

namespace {

// Monitor handles are the back end's list index above a base, so that no
// handle is 0.
constexpr uintptr_t FirstHandle = 0x10001;

HMONITOR HandleOf(size_t index)
{
    return reinterpret_cast<HMONITOR>(FirstHandle + index);
}

long long Area(const TRect& r)
{
    return static_cast<long long>(r.Width()) * r.Height();
}

// How far apart two rectangles are, squared (0 when they touch or meet).
long long DistanceSquared(const TRect& a, const TRect& b)
{
    long long dx = std::max({0, b.Left - a.Right, a.Left - b.Right});
    long long dy = std::max({0, b.Top - a.Bottom, a.Top - b.Bottom});
    return dx * dx + dy * dy;
}

HMONITOR Primary(const std::vector<TBackendMonitor>& monitors)
{
    for (size_t i = 0; i < monitors.size(); ++i)
        if (monitors[i].Primary)
            return HandleOf(i);
    return nullptr;
}

}  // namespace

HMONITOR MonitorFromRect(const TRect& Rect, DWORD Flags)
{
    std::vector<TBackendMonitor> monitors = Backend().Monitors();
    // The monitor with the most of the rectangle; else as Flags say.
    long long most = 0;
    size_t best = monitors.size();
    for (size_t i = 0; i < monitors.size(); ++i) {
        TRect common;
        if (IntersectRect(common, Rect, monitors[i].Area) && Area(common) > most) {
            most = Area(common);
            best = i;
        }
    }
    if (best == monitors.size() && Flags == MONITOR_DEFAULTTONEAREST) {
        long long nearest = LLONG_MAX;
        for (size_t i = 0; i < monitors.size(); ++i) {
            long long d = DistanceSquared(Rect, monitors[i].Area);
            if (d < nearest) {
                nearest = d;
                best = i;
            }
        }
    }
    if (best < monitors.size())
        return HandleOf(best);
    return Flags == MONITOR_DEFAULTTOPRIMARY ? Primary(monitors) : nullptr;
}

HMONITOR MonitorFromPoint(TPoint Point, DWORD Flags)
{
    return MonitorFromRect(Bounds(Point.X, Point.Y, 1, 1), Flags);
}

HMONITOR MonitorFromWindow(HWND Window, DWORD Flags)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return Flags == MONITOR_DEFAULTTONULL ? nullptr : Primary(Backend().Monitors());
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
    if (!Info || Info->cbSize < sizeof(MONITORINFO) || reinterpret_cast<uintptr_t>(Monitor) < FirstHandle)
        return false;
    size_t index = reinterpret_cast<uintptr_t>(Monitor) - FirstHandle;
    std::vector<TBackendMonitor> monitors = Backend().Monitors();
    if (index >= monitors.size())
        return false;
    Info->rcMonitor = monitors[index].Area;
    Info->rcWork = monitors[index].Work;
    Info->dwFlags = monitors[index].Primary ? MONITORINFOF_PRIMARY : 0;
    if (Info->cbSize >= sizeof(MONITORINFOEX))
        std::snprintf(static_cast<MONITORINFOEX*>(Info)->szDevice, sizeof MONITORINFOEX::szDevice,
                      "\\\\.\\DISPLAY%zu", index + 1);
    return true;
}
