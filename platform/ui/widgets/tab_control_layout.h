// Where the tabs of a tab control go: rows along one side of the client
// area, the page beside them, and how many tabs a single row can show
// before it needs the scroller. Pure geometry, so that it is tested
// without a window.
#pragma once

#include <vector>

#include "platform/base/geometry.h"

enum class TTabSide { Top, Bottom, Left, Right };

struct TTabLayoutInput {
    std::vector<int> Extents;  // each tab's length along its row
    TSize Client;
    TTabSide Side = TTabSide::Top;
    int RowDepth = 0;           // a row's thickness across the side
    bool MultiLine = false;
    bool Buttons = false;       // buttons stand apart and leave the page unframed
    int FirstShown = 0;         // single line: the first tab drawn at the start of the row
    int Selected = -1;          // multi-line: its row moves next to the page
    int ScrollerLength = 0;     // what the scroller takes from the end of an overflowing row
};

struct TTabLayout {
    // One per tab, where the row puts it: a single row scrolled on has the
    // tabs before FirstShown left of the client and those that do not fit
    // past the scroller. TCM_GETITEMRECT answers these; a selected tab is
    // drawn a little larger.
    std::vector<TRect> Items;
    // One per tab: whether it is drawn and hit, which a tab of a single
    // row is only when it lies wholly between the margin and the scroller.
    std::vector<bool> Shown;
    int Rows = 1;
    // Single line only: the tabs do not all fit, so the scroller shows,
    // and MaxFirstShown is the first tab from which the rest fit.
    bool Overflow = false;
    int MaxFirstShown = 0;
    int FirstShown = 0;  // the input's, kept within 0 .. MaxFirstShown
    TRect Page;          // the display area, inside the page frame
    TRect Scroller;      // where the scroller goes when Overflow
};

// The space between the client edge and the first row, and between buttons.
inline constexpr int TabMargin = 2;
inline constexpr int TabButtonGap = 3;

TTabLayout LayOutTabs(const TTabLayoutInput& In);

// The page's area for a control whose client is Client (TCM_ADJUSTRECT
// without Larger), or the reverse (with Larger), for the given rows.
TRect AdjustTabRect(const TTabLayoutInput& In, int Rows, TRect R, bool Larger);
