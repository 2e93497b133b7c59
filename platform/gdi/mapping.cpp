#include "platform/gdi/mapping.h"

#include <climits>

#include "platform/gdi/device_context.h"

namespace {

template <typename T>
void Report(T* old, const T& value)
{
    if (old)
        *old = value;
}

// Mapping changes move where clip regions in device units fall relative to
// logical coordinates, but not the regions themselves, so no clip update.
template <typename F>
bool WithDC(HDC DC, F change)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    return change(*dc, dc->State());
}

}  // namespace

int SetMapMode(HDC DC, int Mode)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || (Mode != MM_TEXT && Mode != MM_ISOTROPIC && Mode != MM_ANISOTROPIC))
        return 0;
    TDCState& s = dc->State();
    int old = s.MapMode;
    s.MapMode = Mode;
    if (Mode == MM_TEXT) {
        s.WindowExt = {1, 1};
        s.ViewportExt = {1, 1};
    }
    dc->AdjustIsotropic();
    return old;
}

int GetMapMode(HDC DC)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    return dc ? dc->State().MapMode : 0;
}

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Old, s.WindowOrg);
        s.WindowOrg = {X, Y};
        return true;
    });
}

bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Old, s.ViewportOrg);
        s.ViewportOrg = {X, Y};
        return true;
    });
}

bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Old, s.WindowOrg);
        s.WindowOrg = {s.WindowOrg.X + DX, s.WindowOrg.Y + DY};
        return true;
    });
}

bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Old, s.ViewportOrg);
        s.ViewportOrg = {s.ViewportOrg.X + DX, s.ViewportOrg.Y + DY};
        return true;
    });
}

bool GetWindowOrgEx(HDC DC, TPoint* Origin)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Origin, s.WindowOrg);
        return true;
    });
}

bool GetViewportOrgEx(HDC DC, TPoint* Origin)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Origin, s.ViewportOrg);
        return true;
    });
}

bool SetWindowExtEx(HDC DC, int X, int Y, TSize* Old)
{
    return WithDC(DC, [&](TDeviceContext& dc, TDCState& s) {
        Report(Old, s.WindowExt);
        if (s.MapMode == MM_TEXT)
            return true;
        if (X == 0 || Y == 0 || X == INT_MIN || Y == INT_MIN)
            return false;
        s.WindowExt = {X, Y};
        dc.AdjustIsotropic();
        return true;
    });
}

bool SetViewportExtEx(HDC DC, int X, int Y, TSize* Old)
{
    return WithDC(DC, [&](TDeviceContext& dc, TDCState& s) {
        Report(Old, s.ViewportExt);
        if (s.MapMode == MM_TEXT)
            return true;
        if (X == 0 || Y == 0 || X == INT_MIN || Y == INT_MIN)
            return false;
        s.ViewportExt = {X, Y};
        dc.AdjustIsotropic();
        return true;
    });
}

bool GetWindowExtEx(HDC DC, TSize* Extent)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Extent, s.WindowExt);
        return true;
    });
}

bool GetViewportExtEx(HDC DC, TSize* Extent)
{
    return WithDC(DC, [&](TDeviceContext&, TDCState& s) {
        Report(Extent, s.ViewportExt);
        return true;
    });
}

bool LPtoDP(HDC DC, TPoint* Points, int Count)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || (Count > 0 && !Points))
        return false;
    for (int i = 0; i < Count; ++i)
        Points[i] = dc->LPtoDP(Points[i]);
    return true;
}

bool DPtoLP(HDC DC, TPoint* Points, int Count)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || (Count > 0 && !Points))
        return false;
    for (int i = 0; i < Count; ++i)
        Points[i] = dc->DPtoLP(Points[i]);
    return true;
}
