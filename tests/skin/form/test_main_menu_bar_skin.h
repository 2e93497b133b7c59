// The test skin's main-menu bar: a "mainmenubar" description (a three-part
// 60 x 24 strip with its items between x 6 and 54, rows 2 to 22), its item
// description "menubaritem" (three-part 30 x 20 strips at rest, hot and
// pressed, text between x 4 and 26, cross-fading) and a second item
// description "menubaritemanim" that plays a strip of three frames on
// hover; for tool-bar mode the control descriptions "resizetoolbutton"
// (nine-part 30 x 20 at rest, hot and pressed, corners 4) and
// "resizetoolpanel" (nine-part 40 x 40, corners 6). Fonts are the built-in
// test font.
//
// Pieces: "mainmenubar.normal.{l,m,r}", "menubaritem.{normal,active,down}.
// {l,m,r}", "menubaritemanim.{normal,active}.{l,m,r}",
// "menubaritemanim.frame<1..3>", "resizetoolbutton.{normal,active,down}.
// <nine part>" and "resizetoolpanel.normal.<nine part>".
#pragma once

#include <string>

#include "platform/gdi/colors.h"
#include "tests/skin/controls/test_skin.h"

namespace test_main_menu_bar_skin {

inline constexpr int kBarHeight = 24;
inline constexpr int kItemsLeft = 6;
inline constexpr int kItemsTop = 2;
inline constexpr int kBarRightPart = 6;  // the bar strip's right part
inline constexpr int kItemHeight = 20;
inline constexpr int kItemSkinWidth = 30;
inline constexpr int kItemTextWidth = 22;  // textrect 4, 2, 26, 18
inline constexpr int kItemBorder = 4;      // left and right parts of an item
inline constexpr TColor kFontColour = 0x000001;
inline constexpr TColor kActiveFontColour = 0x0000F1;
inline constexpr TColor kDownFontColour = 0x00F100;
inline constexpr TColor kDisabledFontColour = 0xF10000;
inline constexpr TColor kToolFontColour = 0x000002;
inline constexpr TColor kToolActiveFontColour = 0x0000F2;
inline constexpr TColor kToolDownFontColour = 0x00F200;
inline constexpr TColor kTrackMark = 0x203040;
inline constexpr TColor kTrackMarkActive = 0x405060;

// Adds the bar's descriptions to Skin; the bar's items use "menubaritem".
void AddTo(TTestSkin& Skin);
// Adds object IDName of TypeWord to the skin's object list.
void AddObject(TTestSkin& Skin, const std::string& IDName, const std::string& TypeWord);

}  // namespace test_main_menu_bar_skin
