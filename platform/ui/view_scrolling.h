// Where a scroll-bar message moves a view that scrolls by its own units
// (lines down, pixels or columns across).
#pragma once

#include "platform/win/win_types.h"

#include <functional>
#include <optional>

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
