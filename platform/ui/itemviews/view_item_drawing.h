// How the list and tree views start drawing one item: its custom-draw
// state, and the font and brush the handlers and the default drawing use.
#pragma once

#include "platform/gdi/colors.h"
#include "platform/ui/itemviews/tree_view_types.h"

class TCanvas;
class TFont;

// What decides an item's look.
struct TViewItemLook {
    bool Selected = false;       // the item is (one of) the selected
    bool FocusItem = false;      // the item has the focus mark
    bool Hot = false;            // hot tracking is on and the mouse is over the item
    bool ViewFocused = false;    // the view or its in-place edit box has the focus
    bool HideSelection = false;  // the selection shows only while the view is focused
    bool Enabled = true;
};

TCustomDrawState ItemDrawState(const TViewItemLook& Look);

// Sets Canvas to Font on a solid brush of Color, then to the highlight
// colours for a selected item (grey while the view is not focused), grey
// text for a disabled view or the hot colour for a hot item.
void PrepareItemCanvas(TCanvas* Canvas, TFont* Font, TColor Color, TCustomDrawState State, bool ViewFocused);
