#include "skin/data/bs_parent_image.h"

#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/mapping.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/graphic_control.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/win_messages.h"

namespace {

// A parent's own painting, without its children, is its protected
// PaintWindow; a member pointer formed in a derived class reaches it.
struct TPaintWindowAccess : TWinControl {
    static void Paint(TWinControl* Control, HDC DC) { (Control->*&TPaintWindowAccess::PaintWindow)(DC); }
};

void SetPaintCopy(TControl* Control, bool On)
{
    TControlState state = Control->ControlState();
    Control->SetControlState(On ? state.Include(csPaintCopy) : state.Exclude(csPaintCopy));
}

// Draws the parent's image with the point Origin of the parent's client
// area at the canvas's origin.
void PaintParentImage(TControl* Control, TPoint Origin, TCanvas* Canvas)
{
    if (!Control || !Control->Parent() || !Canvas)
        return;
    TWinControl* parent = Control->Parent();
    HDC dc = Canvas->Handle();
    TControl::TAlive parentAlive(parent);
    SetPaintCopy(parent, true);

    // The origin moves from wherever the canvas has it, so a canvas that
    // is itself offset keeps its offset.
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -Origin.X, -Origin.Y, nullptr);
    TRect client = parent->ClientRect();
    IntersectClipRect(dc, 0, 0, client.Right, client.Bottom);
    // wParam equal to lParam: erase into this DC even when the parent is
    // double-buffered and would skip erasing its window.
    WPARAM handle = reinterpret_cast<WPARAM>(dc);
    parent->Perform(WM_ERASEBKGND, handle, static_cast<LPARAM>(handle));
    if (parentAlive && !dynamic_cast<TCustomForm*>(parent))
        TPaintWindowAccess::Paint(parent, dc);
    RestoreDC(dc, saved);

    TRect bounds = Control->BoundsRect();
    for (int i = 0; parentAlive && i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == Control)
            break;
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        TRect overlap;
        if (!graphic || !graphic->Visible() || !IntersectRect(overlap, graphic->BoundsRect(), bounds))
            continue;
        TControl::TAlive graphicAlive(graphic);
        SetPaintCopy(graphic, true);
        saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, graphic->Left() - Origin.X, graphic->Top() - Origin.Y, nullptr);
        IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
        graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
        if (graphicAlive)
            SetPaintCopy(graphic, false);
    }
    if (parentAlive)
        SetPaintCopy(parent, false);
}

}  // namespace

void GetParentImage(TControl* Control, TCanvas* Canvas)
{
    if (Control)
        PaintParentImage(Control, TPoint{Control->Left(), Control->Top()}, Canvas);
}

void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* Canvas)
{
    if (Control)
        PaintParentImage(Control, TPoint{Control->Left() + Rect.Left, Control->Top() + Rect.Top}, Canvas);
}
