// What window changes mean for painting.
#include "platform/gdi/gdi_object.h"
#include "platform/win/painting_internal.h"
#include "platform/win/update_region.h"
#include "platform/win/window_class.h"
#include "platform/win/window_hooks.h"
#include "platform/win/window_styles.h"

namespace {

using TOp = TRegion::TOp;

constexpr UINT RepaintAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

TRegion Whole(const TWindow& window)
{
    return TRegion(Rect(0, 0, window.Rect.Width(), window.Rect.Height()));
}

// The window's shape where it was before the change, in its parent's
// client coordinates.
TRegion OldShape(const TWindow& window, const TRect& oldRect)
{
    return ShapeOf(oldRect, window.WindowRgn);
}

// Repaints the part of the parent that Area (parent client coordinates)
// covers, with the siblings there.
void RepaintParentArea(TWindow& parent, TRegion area)
{
    area.Offset(parent.Client.Left, parent.Client.Top);
    RedrawArea(parent, area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Redraws(const TWindow& window, UINT style)
{
    return window.Class && (window.Class->Style & style);
}

class TPaintObserver : public TWindowObserver {
public:
    void WindowPosChanged(TWindow& Window, const TWindowPosChange& Change) override
    {
        if (Change.Flags & SWP_NOREDRAW)
            return;
        bool visible = Window.Style & WS_VISIBLE;
        if (!visible) {
            if (Change.WasVisible && !Window.IsTopLevel() && Window.Parent->Visible())
                RepaintParentArea(*Window.Parent, OldShape(Window, Change.OldRect));
            return;
        }
        if (!Window.Visible())
            return;
        if (!Change.WasVisible) {
            RedrawArea(Window, Whole(Window), RepaintAll);
            return;
        }
        bool moved = Window.Rect.TopLeft() != Change.OldRect.TopLeft();
        bool widthChanged = Window.Rect.Width() != Change.OldRect.Width();
        bool heightChanged = Window.Rect.Height() != Change.OldRect.Height();
        if (!Window.IsTopLevel()) {
            if (moved || widthChanged || heightChanged) {
                TRegion uncovered = TRegion::Combine(OldShape(Window, Change.OldRect), WindowShape(Window), TOp::Diff);
                RepaintParentArea(*Window.Parent, std::move(uncovered));
            }
            // Restacked, the child and the siblings it now covers or
            // uncovers repaint where it lies.
            if (Change.ZOrderChanged) {
                RepaintParentArea(*Window.Parent, WindowShape(Window));
                return;
            }
            // A child's pixels live on its parent's backing: moved, it
            // has to paint them anew.
            if (moved) {
                RedrawArea(Window, Whole(Window), RepaintAll);
                return;
            }
        }
        if ((widthChanged && Redraws(Window, CS_HREDRAW)) || (heightChanged && Redraws(Window, CS_VREDRAW))) {
            RedrawArea(Window, Whole(Window), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
            return;
        }
        bool clientMoved = Window.Client.TopLeft() != Change.OldClient.TopLeft();
        if (clientMoved) {
            RedrawArea(Window, Whole(Window), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
            return;
        }
        if (widthChanged || heightChanged || (Change.Flags & SWP_FRAMECHANGED) || Window.Client != Change.OldClient) {
            // What the old client area showed stays; the rest is new.
            TRect kept = Change.OldClient;
            IntersectRect(kept, kept, Window.Client);
            TRegion fresh = TRegion::Combine(TRegion(Window.Client), TRegion(kept), TOp::Diff);
            RedrawArea(Window, fresh, RDW_INVALIDATE | RDW_ERASE);
            Window.FramePending = true;
            MarkPaintPending();
        }
    }

    void WindowStyleChanged(TWindow& Window, int Index, DWORD Old, DWORD New) override
    {
        if (Index != GWL_EXSTYLE || !(Old & WS_EX_LAYERED) || (New & WS_EX_LAYERED))
            return;
        if (Window.Layered.Image)
            DeleteObject(Window.Layered.Image);
        Window.Layered = TLayeredAttributes();
        TPaintState& state = PaintState(Window);
        state.LayeredAttributesSet = false;
        state.ImageFlags = 0;
    }
};

}  // namespace

void InstallPaintObserver()
{
    static TPaintObserver observer;
    AddWindowObserver(&observer);
}
