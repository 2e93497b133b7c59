// The test skin's part for the page control: "tab", a nine-part page frame
// 40 x 40 (corners 4), tab images 30 x 20 in four states whose top and
// bottom halves differ (so a flipped or turned tab shows), a "tabsbgrect"
// piece for the row behind the tabs, a close button in three states and
// "hupdown" as the tab scroller.
//
// Pieces: "tab.frame.<nine part>", "tab.<state>.<part>" with state normal,
// active, focus or hot and part tl, tm, tr (the top half: 4, 22 and 4
// wide) or bl, bm, br (the bottom half), "tab.tabsbg.face" (6 x 6) and
// "tab.close<state>.face" with state "", "active" or "down" (10 x 10).
#pragma once

#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_skin_tabs {

inline constexpr int kFrame = 40;
inline constexpr int kFrameCorner = 4;
inline constexpr int kTabWidth = 30;
inline constexpr int kTabHeight = 20;
inline constexpr int kTabHalf = 10;
inline constexpr int kTabEnd = 4;  // "tableftoffset" and "tabrightoffset"
inline constexpr int kTabsBg = 6;
inline constexpr int kClose = 10;
inline constexpr TColor kFontColour = 0x00104080;
inline constexpr TColor kActiveFontColour = 0x00800000;

// Adds the part to Skin; existing pieces and pictures keep their places
// and colours.
void AddTo(TTestSkin& Skin);

}  // namespace test_skin_tabs
