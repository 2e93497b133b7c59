// Where a window can draw on its top-level window's backing bitmap.
#include "platform/gdi/regions.h"
#include "platform/win/painting_internal.h"
#include "platform/win/window_styles.h"

namespace {

TRegion Cut(const TRegion& A, const TRegion& B, TRegion::TOp Op)
{
    return TRegion::Combine(A, B, Op);
}

// The window's shape moved to surface coordinates, given where its
// parent's client area lies there.
TRegion ShapeAt(const TWindow& window, TPoint parentClient)
{
    TRegion shape = WindowShape(window);
    shape.Offset(parentClient.X, parentClient.Y);
    return shape;
}

TPoint ClientOrigin(const TWindow& window)
{
    TPoint o = SurfaceOrigin(window);
    return {o.X + window.Client.Left, o.Y + window.Client.Top};
}

}  // namespace

TPoint SurfaceOrigin(const TWindow& Window)
{
    TPoint origin;
    for (const TWindow* w = &Window; w->Parent && !w->IsTopLevel(); w = w->Parent) {
        origin.X += w->Rect.Left + w->Parent->Client.Left;
        origin.Y += w->Rect.Top + w->Parent->Client.Top;
    }
    return origin;
}

bool PaintingSuppressed(const TWindow& Window)
{
    if (Window.IsDesktop())
        return true;
    for (const TWindow* w = &Window; !w->IsDesktop(); w = w->Parent)
        if (!(w->Style & WS_VISIBLE) || !w->RedrawEnabled)
            return true;
    return false;
}

TRegion ShapeOf(const TRect& Rect, HRGN WindowRgn)
{
    TRegion shape(Rect);
    if (TGdiRegion* region = RegionOf(WindowRgn)) {
        TRegion r = region->Region;
        r.Offset(Rect.Left, Rect.Top);
        shape = Cut(shape, r, TRegion::TOp::And);
    }
    return shape;
}

TRegion WindowShape(const TWindow& Window)
{
    return ShapeOf(Window.Rect, Window.WindowRgn);
}

TRegion VisibleRegion(const TWindow& Window, bool Client)
{
    if (PaintingSuppressed(Window))
        return {};
    TPoint origin = SurfaceOrigin(Window);
    TRect area = Client ? Window.Client : Rect(0, 0, Window.Rect.Width(), Window.Rect.Height());
    OffsetRect(area, origin.X, origin.Y);
    TRegion visible(area);
    if (TGdiRegion* region = RegionOf(Window.WindowRgn)) {
        TRegion r = region->Region;
        r.Offset(origin.X, origin.Y);
        visible = Cut(visible, r, TRegion::TOp::And);
    }
    if (Window.Style & WS_CLIPCHILDREN) {
        TPoint client = ClientOrigin(Window);
        for (const TWindow* child : Window.Children)
            if (child->Style & WS_VISIBLE)
                visible = Cut(visible, ShapeAt(*child, client), TRegion::TOp::Diff);
    }
    for (const TWindow* w = &Window; !w->IsTopLevel(); w = w->Parent) {
        const TWindow& parent = *w->Parent;
        TPoint parentOrigin = SurfaceOrigin(parent);
        TPoint client = ClientOrigin(parent);
        TRect parentClient = parent.Client;
        OffsetRect(parentClient, parentOrigin.X, parentOrigin.Y);
        visible = visible.Intersected(parentClient);
        if (TGdiRegion* region = RegionOf(parent.WindowRgn)) {
            TRegion r = region->Region;
            r.Offset(parentOrigin.X, parentOrigin.Y);
            visible = Cut(visible, r, TRegion::TOp::And);
        }
        if (!(w->Style & WS_CLIPSIBLINGS))
            continue;
        for (const TWindow* sibling : parent.Children) {
            if (sibling == w)
                break;
            if (sibling->Style & WS_VISIBLE)
                visible = Cut(visible, ShapeAt(*sibling, client), TRegion::TOp::Diff);
        }
    }
    return visible;
}
