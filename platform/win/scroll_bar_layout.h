// The geometry of a scroll bar: arrows at both ends, the track between
// them and the thumb on the track. Pure functions, shared by painting,
// hit testing and the mouse.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// One bar's values, as SetScrollInfo keeps them.
struct TScrollBarState {
    int Min = 0;
    int Max = 100;
    int Page = 0;  // 0 .. Max - Min + 1
    int Pos = 0;   // Min .. Max - max(Page - 1, 0)
    int TrackPos = 0;
    bool Tracking = false;  // the thumb is being dragged: TrackPos is where
    UINT Disabled = 0;      // ESB_DISABLE_ bits

    // The last position a thumb can reach.
    int MaxPos() const;
    // Whether the values leave anything to scroll.
    bool CanScroll() const { return MaxPos() > Min; }
};

enum class TScrollBarPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct TScrollBarLayout {
    bool Vertical = true;
    TRect Bar;
    TRect UpArrow;    // left arrow of a horizontal bar
    TRect DownArrow;  // right arrow of a horizontal bar
    TRect Track;      // between the arrows
    TRect Thumb;      // empty when there is no thumb (nothing to scroll, or no room)
};

// The smallest thumb drawn for a bar with a page.
inline constexpr int MinThumbLength = 8;

// Arrows are as long as the bar is thick (SM_CYVSCROLL), less when the bar
// is too short for two; the thumb is as long as the page's share of the
// track (at least MinThumbLength), or the bar's thickness without a page,
// and is placed by the position, or by TrackPos while tracking.
TScrollBarLayout LayoutScrollBar(const TRect& Bar, bool Vertical, const TScrollBarState& State);
TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& Layout, TPoint P);
// The position a thumb whose leading edge lies at Offset from the track's
// start stands for, rounded to the nearest and kept within Min .. MaxPos.
int ThumbOffsetToPos(const TScrollBarLayout& Layout, const TScrollBarState& State, int Offset);
