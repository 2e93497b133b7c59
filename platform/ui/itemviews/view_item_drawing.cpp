// The state and starting colours of an item drawn by the list or tree view.
#include "platform/ui/itemviews/view_item_drawing.h"

#include "platform/ui/graphics/canvas.h"

TCustomDrawState ItemDrawState(const TViewItemLook& Look)
{
    TCustomDrawState state;
    if (Look.Selected && (Look.ViewFocused || !Look.HideSelection))
        state.Include(cdsSelected);
    if (Look.FocusItem && Look.ViewFocused)
        state.Include(cdsFocused);
    if (Look.Hot)
        state.Include(cdsHot);
    if (!Look.Enabled)
        state.Include(cdsDisabled);
    return state;
}

void PrepareItemCanvas(TCanvas* Canvas, TFont* Font, TColor Color, TCustomDrawState State, bool ViewFocused)
{
    Canvas->Font()->Assign(Font);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    if (State.Contains(cdsSelected)) {
        Canvas->Brush()->SetColor(ViewFocused ? clHighlight : clBtnFace);
        Canvas->Font()->SetColor(ViewFocused ? clHighlightText : clWindowText);
    } else if (State.Contains(cdsDisabled)) {
        Canvas->Font()->SetColor(clGrayText);
    } else if (State.Contains(cdsHot)) {
        Canvas->Font()->SetColor(clHotLight);
    }
}
