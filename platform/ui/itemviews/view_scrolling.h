// Scrolling of a view by its own units (lines down, pixels or columns
// across): the bars its window keeps, and where a scroll-bar message moves it.
#pragma once

#include "platform/win/win_types.h"

#include <functional>
#include <optional>

// The scroll bars a view's window was made with. A derived view that took
// a bar out of the style keeps it out; the scroll information is still kept
// for it to read.
struct TWantedScrollBars {
    bool Vertical = true;  // the window was made with WS_VSCROLL, so its bar may show
    bool Horizontal = true;

    // Reads the style the window is made with.
    void Take(DWORD Style);
    // Setting a range that scrolls shows a bar: hides again those the
    // window was made without.
    void HideUnwanted(HWND Window) const;
};

// The distances one scroll-bar message can move a view along one bar.
struct TScrollSteps {
    int Current = 0;  // the position now
    int Line = 1;     // SB_LINEUP / SB_LINEDOWN
    int Page = 1;     // SB_PAGEUP / SB_PAGEDOWN
};

// The position that the message Code of Bar on Window asks for, unclamped;
// nothing for a code that does not scroll. Bottom is asked only for
// SB_BOTTOM. Thumb positions come from the bar's scroll information where
// it has them: the message carries only 16 bits.
std::optional<int> ScrollTarget(HWND Window, int Bar, WORD Code, WORD Position, const TScrollSteps& Steps,
                                const std::function<int()>& Bottom);
