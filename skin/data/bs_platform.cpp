#include "skin/data/bs_platform.h"

#include "platform/gdi/gdi_records.h"
#include "platform/win/layered_window.h"
#include "platform/win/monitors.h"
#include "platform/win/system_info.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/window_pos.h"
#include "skin/data/bs_bitmap.h"

void GetWindowsVersion(int& Major, int& Minor)
{
    DWORD version = GetVersion();
    Major = static_cast<int>(version & 0xFF);
    Minor = static_cast<int>((version >> 8) & 0xFF);
}

bool IsWindows2000OrLater(int Major, int Minor)
{
    return Major > 5 || (Major == 5 && Minor >= 0 && Minor <= 2);
}

// 5.2 is the server release of the same generation: it counts as 2000 or
// later but not as XP.
bool IsWindowsXP(int Major, int Minor) { return Major > 5 || (Major == 5 && Minor == 1); }

bool IsWindowsVista(int Major, int) { return Major >= 6; }

bool IsWindows7(int Major, int Minor) { return Major == 6 && Minor == 1; }

namespace {

template <typename Test>
bool AskRunningVersion(Test test)
{
    int major = 0;
    int minor = 0;
    GetWindowsVersion(major, minor);
    return test(major, minor);
}

}  // namespace

bool IsWindows2000OrLater() { return AskRunningVersion([](int a, int b) { return IsWindows2000OrLater(a, b); }); }
bool IsWindows2000() { return IsWindows2000OrLater(); }
bool IsWindowsXP() { return AskRunningVersion([](int a, int b) { return IsWindowsXP(a, b); }); }
bool IsWindowsVista() { return AskRunningVersion([](int a, int b) { return IsWindowsVista(a, b); }); }
bool IsWindows7() { return AskRunningVersion([](int a, int b) { return IsWindows7(a, b); }); }

void SetWindowAlpha(HWND Wnd, int Alpha)
{
    SetLayeredWindowAttributes(Wnd, 0, static_cast<BYTE>(Alpha), LWA_ALPHA);
}

void UpdateLayeredWindowFromBitmap(TbsBitmap* Bitmap, int Alpha, HWND Window)
{
    TRect bounds;
    if (!GetWindowRect(Window, &bounds))
        return;
    TPoint destination{bounds.Left, bounds.Top};
    TSize size{Bitmap->Width(), Bitmap->Height()};
    TPoint source{0, 0};
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = static_cast<uint8_t>(Alpha);
    blend.AlphaFormat = AC_SRC_ALPHA;
    UpdateLayeredWindow(Window, nullptr, &destination, &size, Bitmap->DC(), &source, 0, &blend, ULW_ALPHA);
}

bool GetScrollBarInfoSafe(HWND Wnd, LONG ObjectId, SCROLLBARINFO& Info)
{
    if (GetScrollBarInfo(Wnd, ObjectId, &Info))
        return true;
    Info.rgstate[SBI_BAR] = STATE_SYSTEM_INVISIBLE;
    return false;
}

bool IsDwmCompositionEnabled() { return false; }

bool IsMultiMonitor() { return GetSystemMetrics(SM_CMONITORS) >= 2; }

void GetPrimaryWorkArea(bool WorkArea, TRect& Rect)
{
    if (WorkArea)
        SystemParametersInfo(SPI_GETWORKAREA, 0, &Rect, 0);
    else
        Rect = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void GetMonitorWorkArea(HWND Wnd, bool WorkArea, TRect& Rect)
{
    if (!IsMultiMonitor()) {
        GetPrimaryWorkArea(WorkArea, Rect);
        return;
    }
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromWindow(Wnd, MONITOR_DEFAULTTONEAREST), &info))
        Rect = WorkArea ? info.rcWork : info.rcMonitor;
}
