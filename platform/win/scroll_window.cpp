#include "platform/win/scroll_window.h"

#include <cstring>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/regions.h"
#include "platform/win/painting_internal.h"
#include "platform/win/update_region.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

using TOp = TRegion::TOp;

TRegion Both(const TRegion& a, const TRegion& b)
{
    return TRegion::Combine(a, b, TOp::And);
}

// Copies the pixels of Dest (surface coordinates) from DX, DY back, a row
// at a time through one row's copy: the rows go in the order that reads
// each source row before any write reaches it (from the bottom when moving
// down), so a move of a whole window needs no copy of the window.
void MovePixels(const TSurface& surface, const TRegion& dest, int dx, int dy)
{
    if (dest.IsEmpty())
        return;
    TRect from = dest.Bounds();
    OffsetRect(from, -dx, -dy);
    const int width = from.Width();
    std::vector<uint32_t> row(static_cast<size_t>(width));
    const std::vector<TRect>& rects = dest.Rects();
    const TRect bounds = dest.Bounds();
    for (int i = 0; i < bounds.Height(); ++i) {
        const int y = dy > 0 ? bounds.Bottom - 1 - i : bounds.Top + i;
        bool read = false;
        for (const TRect& r : rects) {
            if (y < r.Top || y >= r.Bottom)
                continue;
            if (!read) {
                surface.ReadRow(from.Left, y - dy, width, row.data());
                read = true;
            }
            surface.WriteRow(r.Left, y, r.Width(), &row[static_cast<size_t>(r.Left - dx - from.Left)]);
        }
    }
}

// Without a scroll rectangle every child moves, also those scrolled out
// of sight.
void ScrollChildren(TWindow& window, int dx, int dy, const TRect* scroll)
{
    std::vector<HWND> children;
    for (TWindow* child : window.Children) {
        TRect overlap;
        if (!scroll || IntersectRect(overlap, child->Rect, *scroll))
            children.push_back(child->Handle);
    }
    for (HWND child : children)
        if (TWindow* c = WindowOf(child))
            SetWindowPos(child, nullptr, c->Rect.Left + dx, c->Rect.Top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int ScrollWindowEx(HWND Window, int DX, int DY, const TRect* Scroll, const TRect* Clip, HRGN UpdateRegion,
                   TRect* UpdateRect, UINT Flags)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return ERROR;
    TRect client = Rect(0, 0, window->Client.Width(), window->Client.Height());
    TRect scroll = client, clip = client;
    if (Scroll)
        IntersectRect(scroll, *Scroll, client);
    if (Clip)
        IntersectRect(clip, *Clip, client);
    TRect changing;
    IntersectRect(changing, scroll, clip);

    HideCaretForPaint(Window, true);
    // All in client coordinates until the pixels move.
    TPoint origin = SurfaceOrigin(*window);
    origin.X += window->Client.Left;
    origin.Y += window->Client.Top;
    TRegion visible = VisibleRegion(*window, true);
    visible.Offset(-origin.X, -origin.Y);
    TRegion source = Both(TRegion(scroll), visible);
    source.Offset(DX, DY);
    TRegion moved = Both(Both(source, TRegion(changing)), visible);
    TRegion uncovered = TRegion::Combine(Both(TRegion(changing), visible), moved, TOp::Diff);

    if (auto* backing = GdiObjectAs<TGdiBitmap>(window->Root()->Backing); backing && (DX || DY)) {
        TRegion dest = moved;
        dest.Offset(origin.X, origin.Y);
        MovePixels(backing->Surface(), dest, DX, DY);
        PresentDamage(*window->Root(), dest);
    }

    // What was waiting to be painted travels with the pixels.
    TRegion pending = window->UpdateRegion;
    pending.Offset(-window->Client.Left, -window->Client.Top);
    TRegion shifted = pending;
    shifted.Offset(DX, DY);
    pending = TRegion::Combine(TRegion::Combine(pending, moved, TOp::Diff), Both(shifted, moved), TOp::Or);
    pending.Offset(window->Client.Left, window->Client.Top);
    window->UpdateRegion = std::move(pending);

    if (Flags & SW_INVALIDATE) {
        TRegion area = uncovered;
        area.Offset(window->Client.Left, window->Client.Top);
        RedrawArea(*window, area, RDW_INVALIDATE | ((Flags & SW_ERASE) ? UINT{RDW_ERASE} : 0u));
    }
    if (TGdiRegion* out = RegionOf(UpdateRegion))
        out->Region = uncovered;
    if (UpdateRect)
        *UpdateRect = uncovered.Bounds();
    if (Flags & SW_SCROLLCHILDREN)
        ScrollChildren(*window, DX, DY, Scroll ? &scroll : nullptr);
    HideCaretForPaint(Window, false);
    return RegionKind(uncovered);
}

bool ScrollWindow(HWND Window, int DX, int DY, const TRect* Scroll, const TRect* Clip)
{
    UINT flags = SW_INVALIDATE | SW_ERASE | (Scroll ? 0u : UINT{SW_SCROLLCHILDREN});
    return ScrollWindowEx(Window, DX, DY, Scroll, Clip, nullptr, nullptr, flags) != ERROR;
}
