// The test skin's ribbon: "officetab", a tab-control description with a
// nine-part page frame of 40 x 40 (corners 4), tab images of 30 x 20 at
// rest, selected, focused and hot (ends 4 wide), a piece behind the tabs,
// a divider of 2 x 20 and the child-window buttons of 16 x 16 in three
// looks each; and "officeribbonbutton", a nine-part button of 20 x 20
// (corners 3) at rest, hot and pressed; "appmenu", a nine-part frame of
// 40 x 40 (corners 4) with item strips (ends 4, pages' ends 6), a top line
// and a 10 x 10 grip.
//
// Pieces: "officetab.frame.<nine part>", "officetab.<state>.{l,m,r}" with
// state normal, active, focus or hot, "officetab.tabsbg.face",
// "officetab.divider.face", "officetab.<button><look>.face" with button
// mdiclose, mdirestore or mdimin and look "", "active" or "down", and
// "officeribbonbutton.<state>.<nine part>" with state normal, active or
// down; "appmenu.frame.<nine part>", "appmenu.<strip>.{l,m,r}" with
// strip item, pageitem, pageitemactive or topline, and
// "appmenu.gripper.face".
#pragma once

#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_ribbon_skin {

inline constexpr int kFrame = 40;
inline constexpr int kFrameCorner = 4;
inline constexpr int kTabWidth = 30;
inline constexpr int kTabHeight = 20;
inline constexpr int kTabEnd = 4;
inline constexpr int kChildButton = 16;
inline constexpr int kButton = 20;
inline constexpr int kButtonCorner = 3;
inline constexpr int kMenuItemHeight = 24;
inline constexpr int kMenuItemEnd = 4;
inline constexpr int kMenuPageItemHeight = 32;
inline constexpr int kMenuPageItemEnd = 6;
inline constexpr int kTopLine = 4;
inline constexpr TColor kFontColour = 0x00104080;
inline constexpr TColor kActiveFontColour = 0x00800010;
inline constexpr TColor kFocusFontColour = 0x00108000;
inline constexpr TColor kHotFontColour = 0x00008080;

// Adds the descriptions to Skin; existing pieces keep their places.
void AddTo(TTestSkin& Skin);

}  // namespace test_ribbon_skin
