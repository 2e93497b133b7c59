#include "platform/win/headless_backend.h"

#include <algorithm>
#include <time.h>

THeadlessBackend::THeadlessBackend()
{
    SetScreenSize(1280, 800);
}

void THeadlessBackend::SetScreenSize(int Width, int Height)
{
    SetMonitors({{Rect(0, 0, Width, Height), Rect(0, 0, Width, std::max(0, Height - TaskBarHeight)), true}});
}

void THeadlessBackend::SetWorkArea(const TRect& Area)
{
    for (TBackendMonitor& m : monitors_)
        if (m.Primary)
            m.Work = Area;
}

void THeadlessBackend::SetMonitors(std::vector<TBackendMonitor> Monitors)
{
    if (Monitors.empty())
        return;
    SettlePrimaryMonitor(Monitors);
    monitors_ = std::move(Monitors);
    screen_ = monitors_.front().Area;
    for (const TBackendMonitor& m : monitors_)
        UnionRect(screen_, screen_, m.Area);
}

THeadlessBackend::TSurface* THeadlessBackend::FindSurface(HWND Window)
{
    auto it = std::find_if(surfaces_.begin(), surfaces_.end(), [&](const TSurface& s) { return s.Window == Window; });
    return it == surfaces_.end() ? nullptr : &*it;
}

void THeadlessBackend::CreateSurface(HWND Window, const TRect& Bounds, DWORD Style, DWORD ExStyle)
{
    TSurface surface;
    surface.Window = Window;
    surface.Bounds = Bounds;
    surface.Style = Style;
    surface.ExStyle = ExStyle;
    surfaces_.insert(surfaces_.begin(), std::move(surface));
}

void THeadlessBackend::DestroySurface(HWND Window)
{
    std::erase_if(surfaces_, [&](const TSurface& s) { return s.Window == Window; });
}

void THeadlessBackend::ShowSurface(HWND Window, bool)
{
    if (TSurface* s = FindSurface(Window))
        s->Visible = true;
}

void THeadlessBackend::HideSurface(HWND Window)
{
    if (TSurface* s = FindSurface(Window))
        s->Visible = false;
}

void THeadlessBackend::MoveSurface(HWND Window, const TRect& Bounds)
{
    if (TSurface* s = FindSurface(Window))
        s->Bounds = Bounds;
}

void THeadlessBackend::MinimizeSurface(HWND Window)
{
    if (TSurface* s = FindSurface(Window))
        s->Minimized = true;
}

void THeadlessBackend::RestoreSurface(HWND Window)
{
    if (TSurface* s = FindSurface(Window))
        s->Minimized = false;
}

bool THeadlessBackend::RestoreFromDesktop(HWND Window)
{
    TSurface* s = FindSurface(Window);
    if (!s || !s->Minimized)
        return false;
    s->Minimized = false;
    if (BackendEvents().Restored)
        BackendEvents().Restored(Window);
    return true;
}

void THeadlessBackend::RestackSurface(HWND Window, HWND Above)
{
    auto it = std::find_if(surfaces_.begin(), surfaces_.end(), [&](const TSurface& s) { return s.Window == Window; });
    if (it == surfaces_.end())
        return;
    TSurface surface = std::move(*it);
    surfaces_.erase(it);
    auto at = surfaces_.begin();
    if (Above) {
        at = std::find_if(surfaces_.begin(), surfaces_.end(), [&](const TSurface& s) { return s.Window == Above; });
        if (at != surfaces_.end())
            ++at;
    }
    surfaces_.insert(at, std::move(surface));
}

void THeadlessBackend::SetSurfaceShape(HWND Window, const TRegion* Shape)
{
    if (TSurface* s = FindSurface(Window)) {
        if (Shape)
            s->Shape = *Shape;
        else
            s->Shape.reset();
    }
}

void THeadlessBackend::SetSurfaceTitle(HWND Window, const AnsiString& Title)
{
    if (TSurface* s = FindSurface(Window))
        s->Title = Title;
}

void THeadlessBackend::SetSurfaceIcon(HWND Window, const std::vector<TRasterImage>& Images)
{
    if (TSurface* s = FindSurface(Window))
        s->Icon = Images;
}

void THeadlessBackend::PresentSurface(HWND Window, HBITMAP Pixels, const TRegion& Damage)
{
    if (TSurface* s = FindSurface(Window)) {
        s->Pixels = Pixels;
        s->Damage = TRegion::Combine(s->Damage, Damage, TRegion::TOp::Or);
    }
}

bool THeadlessBackend::WaitForEvents(int TimeoutMs)
{
    if (TimeoutMs < 0)
        return false;
    timespec pause{TimeoutMs / 1000, (TimeoutMs % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0) {
    }
    return true;
}

THeadlessBackend* HeadlessBackend()
{
    return dynamic_cast<THeadlessBackend*>(&Backend());
}
