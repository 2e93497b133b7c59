// Where the ribbon's quick-access buttons, child-window buttons and tabs go
// in its tab strip: pure geometry, so it is tested without a window.
#pragma once

#include <vector>

#include "platform/base/geometry.h"

struct TbsRibbonLayoutInput {
    int BarWidth = 0;
    int TabStripLeft = 60;
    int StripHeight = 24;
    int TabHeight = 23;
    // Quick-access buttons: the image width, 0 for no image list (then
    // they take no room); Visible per item.
    int ImageWidth = 0;
    std::vector<bool> QuickVisible;
    // The child-window buttons (close, restore, minimize) when present.
    bool ChildButtons = false;
    TPoint ChildButtonSize{22, 22};
    // Natural widths (caption + 30) of the tabs; -1 for a hidden tab.
    std::vector<int> TabWidths;
};

struct TbsRibbonLayoutResult {
    std::vector<TRect> QuickRects;  // empty rectangles for hidden items
    std::vector<TRect> ChildRects;  // close, restore, minimize
    std::vector<TRect> TabRects;    // empty rectangles for hidden tabs
    int RightReserve = 5;
    bool Squeezed = false;
};

TbsRibbonLayoutResult LayOutRibbon(const TbsRibbonLayoutInput& In);
