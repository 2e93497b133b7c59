#include "platform/win/window_region.h"

#include "platform/gdi/regions.h"
#include "platform/win/backend.h"
#include "platform/win/painting_internal.h"
#include "platform/win/update_region.h"

bool SetWindowRgn(HWND Window, HRGN Region, bool Redraw)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    TRegion oldShape = WindowShape(*window);
    HRGN old = window->WindowRgn;
    TGdiRegion* region = RegionOf(Region);
    window->WindowRgn = region ? Region : nullptr;
    if (old && old != window->WindowRgn)
        DeleteObject(old);
    if (window->IsTopLevel())
        Backend().SetSurfaceShape(Window, region ? &region->Region : nullptr);
    if (!Redraw || !window->Visible())
        return true;
    if (!window->IsTopLevel()) {
        TRegion uncovered = TRegion::Combine(oldShape, WindowShape(*window), TRegion::TOp::Diff);
        uncovered.Offset(window->Parent->Client.Left, window->Parent->Client.Top);
        RedrawArea(*window->Parent, uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    // What the old region cut away may now show: the window paints anew.
    RedrawArea(*window, TRegion(Rect(0, 0, window->Rect.Width(), window->Rect.Height())),
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}

int GetWindowRgn(HWND Window, HRGN Region)
{
    TWindow* window = WindowOf(Window);
    if (!window || !window->WindowRgn || !RegionOf(Region))
        return ERROR;
    return CombineRgn(Region, window->WindowRgn, nullptr, RGN_COPY);
}
