#include "platform/win/window_dc.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/win/backend.h"
#include "platform/win/painting_internal.h"

namespace {

// A DC handed out for a window, until it is released.
struct TWindowDC {
    HDC DC = nullptr;
    HWND Window = nullptr;    // as the caller named it
    HWND TopLevel = nullptr;  // whose backing it draws on; 0 for the screen DC
    TRegion Area;             // where it can draw, in surface coordinates
};

std::vector<TWindowDC>& WindowDCs()
{
    static std::vector<TWindowDC> dcs;
    return dcs;
}

HDC ScreenDC(HWND Window)
{
    TRect screen = Backend().ScreenRect();
    TRegion nothing;
    HDC dc = CreateSurfaceDC(nullptr, {}, &nothing, {screen.Width(), screen.Height()});
    if (dc)
        WindowDCs().push_back({dc, Window, nullptr, {}});
    return dc;
}

HDC GetWindowOrScreenDC(HWND Window, bool Client)
{
    if (!Window)
        return ScreenDC(nullptr);
    TWindow* window = WindowOf(Window);
    if (!window)
        return nullptr;
    if (window->IsDesktop())
        return ScreenDC(Window);
    return MakeWindowDC(*window, Client, nullptr);
}

}  // namespace

HDC MakeWindowDC(TWindow& Window, bool Client, const TRegion* Limit)
{
    TWindow* top = Window.Root();
    TPoint origin = SurfaceOrigin(Window);
    TRegion area = VisibleRegion(Window, Client);
    if (Limit) {
        TRegion limit = *Limit;
        limit.Offset(origin.X, origin.Y);
        area = TRegion::Combine(area, limit, TRegion::TOp::And);
    }
    TSize size{Window.Rect.Width(), Window.Rect.Height()};
    if (Client) {
        origin.X += Window.Client.Left;
        origin.Y += Window.Client.Top;
        size = {Window.Client.Width(), Window.Client.Height()};
    }
    TRegion device = area;
    device.Offset(-origin.X, -origin.Y);
    HDC dc = CreateSurfaceDC(top->Backing, origin, &device, size);
    if (dc)
        WindowDCs().push_back({dc, Window.Handle, top->Handle, std::move(area)});
    return dc;
}

bool ReleaseWindowDC(HWND Window, HDC DC)
{
    auto& dcs = WindowDCs();
    auto it = std::find_if(dcs.begin(), dcs.end(), [&](const TWindowDC& d) { return d.DC == DC; });
    if (it == dcs.end() || it->Window != Window)
        return false;
    TWindowDC record = std::move(*it);
    dcs.erase(it);
    DeleteDC(record.DC);
    if (TWindow* top = WindowOf(record.TopLevel))
        PresentDamage(*top, record.Area);
    return true;
}

void PresentDamage(TWindow& TopLevel, const TRegion& Damage)
{
    auto* backing = GdiObjectAs<TGdiBitmap>(TopLevel.Backing);
    if (!backing || !TopLevel.IsTopLevel())
        return;
    TRegion damage = Damage.Intersected(Rect(0, 0, backing->Width(), backing->Height()));
    if (!damage.IsEmpty())
        Backend().PresentSurface(TopLevel.Handle, TopLevel.Backing, damage);
}

HDC GetDC(HWND Window)
{
    return GetWindowOrScreenDC(Window, true);
}

HDC GetWindowDC(HWND Window)
{
    return GetWindowOrScreenDC(Window, false);
}

bool ReleaseDC(HWND Window, HDC DC)
{
    return ReleaseWindowDC(Window, DC);
}
