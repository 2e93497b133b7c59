#include "platform/win/update_region.h"

#include <vector>

#include "platform/gdi/regions.h"
#include "platform/win/painting_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

using TOp = TRegion::TOp;

bool IncludesChildren(const TWindow& window, UINT flags)
{
    return (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(window.Style & WS_CLIPCHILDREN));
}

TRect WholeWindow(const TWindow& window)
{
    return Rect(0, 0, window.Rect.Width(), window.Rect.Height());
}

// What RedrawWindow's rectangle or region (client coordinates) covers, in
// window coordinates.
TRegion AreaOf(const TWindow& window, const TRect* rect, HRGN region, UINT flags)
{
    TRegion area;
    if (TGdiRegion* r = RegionOf(region))
        area = r->Region;
    else if (rect)
        area = TRegion(*rect);
    else if (flags & (RDW_FRAME | RDW_NOFRAME))
        return TRegion(WholeWindow(window));
    else
        return TRegion(window.Client);
    area.Offset(window.Client.Left, window.Client.Top);
    return area;
}

std::vector<HWND> ChildHandles(const TWindow& window)
{
    std::vector<HWND> handles;
    handles.reserve(window.Children.size());
    for (const TWindow* child : window.Children)
        handles.push_back(child->Handle);
    return handles;
}

}  // namespace

void RedrawArea(TWindow& Window, const TRegion& Area, UINT Flags)
{
    if (!(Window.Style & WS_VISIBLE))
        return;
    TRegion client = Area.Intersected(Window.Client);
    bool touchesFrame = !TRegion::Combine(Area, TRegion(Window.Client), TOp::Diff).IsEmpty();
    if (Flags & RDW_INVALIDATE) {
        if (!client.IsEmpty()) {
            Window.UpdateRegion = TRegion::Combine(Window.UpdateRegion, client, TOp::Or);
            if (Flags & RDW_ERASE)
                Window.EraseBackground = true;
        }
        if ((Flags & RDW_FRAME) && touchesFrame)
            Window.FramePending = true;
        if (Flags & RDW_INTERNALPAINT)
            Window.InternalPaint = true;
        MarkPaintPending();
    } else if (Flags & RDW_VALIDATE) {
        Window.UpdateRegion = TRegion::Combine(Window.UpdateRegion, client, TOp::Diff);
        if (Window.UpdateRegion.IsEmpty())
            Window.EraseBackground = false;
        if ((Flags & RDW_NOFRAME) && touchesFrame)
            Window.FramePending = false;
    }
    if (Flags & RDW_NOERASE)
        Window.EraseBackground = false;
    if (Flags & RDW_NOINTERNALPAINT)
        Window.InternalPaint = false;
    if (!IncludesChildren(Window, Flags))
        return;
    // A parent painting over a child's place paints over its frame too.
    UINT childFlags = (Flags & RDW_INVALIDATE) ? Flags | RDW_FRAME : Flags;
    for (TWindow* child : Window.Children) {
        TRegion part = client;
        part.Offset(-Window.Client.Left - child->Rect.Left, -Window.Client.Top - child->Rect.Top);
        part = part.Intersected(WholeWindow(*child));
        if (!part.IsEmpty())
            RedrawArea(*child, part, childFlags);
    }
}

namespace {

void UpdateNow(TWindow& Window, bool EraseOnly, bool Children)
{
    HWND handle = Window.Handle;
    if (!PaintingSuppressed(Window)) {
        if (EraseOnly || (Window.UpdateRegion.IsEmpty() && !Window.InternalPaint)) {
            if (Window.FramePending) {
                Window.FramePending = false;
                SendMessage(handle, WM_NCPAINT, 1, 0);
            }
            TWindow* window = WindowOf(handle);
            if (window && EraseOnly && window->EraseBackground && !window->UpdateRegion.IsEmpty()) {
                window->EraseBackground = false;
                HDC dc = MakeWindowDC(*window, true, &window->UpdateRegion);
                SendMessage(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
                ReleaseWindowDC(handle, dc);
            }
        } else {
            SendMessage(handle, WM_PAINT, 0, 0);
        }
    }
    TWindow* window = WindowOf(handle);
    if (!window || !Children)
        return;
    for (HWND child : ChildHandles(*window))
        if (TWindow* c = WindowOf(child))
            UpdateNow(*c, EraseOnly, true);
}

}  // namespace

bool RedrawWindow(HWND Window, const TRect* Update, HRGN UpdateRegion, UINT Flags)
{
    if (!Window) {
        // The desktop: each top-level window takes the part of the screen
        // area it covers.
        TWindow& desktop = DesktopRecord();
        for (HWND top : ChildHandles(desktop)) {
            TWindow* window = WindowOf(top);
            if (!window)
                continue;
            TRegion area = AreaOf(desktop, Update, UpdateRegion, Flags);
            area.Offset(-window->Rect.Left, -window->Rect.Top);
            if (window->Visible())
                RedrawArea(*window, area.Intersected(WholeWindow(*window)), Flags | RDW_FRAME);
            if (Flags & (RDW_UPDATENOW | RDW_ERASENOW))
                UpdateNow(*window, !(Flags & RDW_UPDATENOW), true);
        }
        return true;
    }
    TWindow* window = WindowOf(Window);
    if (!window)
        return false;
    if (window->Visible())
        RedrawArea(*window, AreaOf(*window, Update, UpdateRegion, Flags), Flags);
    if (Flags & (RDW_UPDATENOW | RDW_ERASENOW))
        UpdateNow(*window, !(Flags & RDW_UPDATENOW), IncludesChildren(*window, Flags));
    return true;
}

bool InvalidateRect(HWND Window, const TRect* Rect, bool Erase)
{
    return RedrawWindow(Window, Rect, nullptr, RDW_INVALIDATE | (Erase ? UINT{RDW_ERASE} : 0u));
}

bool InvalidateRgn(HWND Window, HRGN Region, bool Erase)
{
    if (Region && !RegionOf(Region))
        return false;
    return RedrawWindow(Window, nullptr, Region, RDW_INVALIDATE | (Erase ? UINT{RDW_ERASE} : 0u));
}

bool ValidateRect(HWND Window, const TRect* Rect)
{
    return RedrawWindow(Window, Rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool ValidateRgn(HWND Window, HRGN Region)
{
    if (Region && !RegionOf(Region))
        return false;
    return RedrawWindow(Window, nullptr, Region, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool GetUpdateRect(HWND Window, TRect* Rect, bool Erase)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return false;
    if (Erase) {
        UpdateNow(*window, true, false);
        window = WindowOf(Window);
        if (!window)
            return false;
    }
    TRect bounds = window->UpdateRegion.Bounds();
    if (!window->UpdateRegion.IsEmpty())
        OffsetRect(bounds, -window->Client.Left, -window->Client.Top);
    if (Rect)
        *Rect = bounds;
    return !window->UpdateRegion.IsEmpty();
}

int GetUpdateRgn(HWND Window, HRGN Region, bool Erase)
{
    TWindow* window = WindowOf(Window);
    TGdiRegion* target = RegionOf(Region);
    if (!window || !target)
        return ERROR;
    if (Erase) {
        UpdateNow(*window, true, false);
        window = WindowOf(Window);
        if (!window)
            return ERROR;
    }
    target->Region = window->UpdateRegion;
    target->Region.Offset(-window->Client.Left, -window->Client.Top);
    return RegionKind(target->Region);
}

bool UpdateWindow(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return false;
    UpdateNow(*window, false, true);
    return true;
}
