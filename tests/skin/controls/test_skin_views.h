// The test skin's part for the skinned tree and list views: "treeview" and
// "listview" (colours and the test font; the tree's expand images),
// "listbox" (the selected item's images, focused and not, around a text
// rectangle) and "checkbox" (checked and unchecked images).
//
// Pieces: "treeview.expand.face", "treeview.noexpand.face" (each 11 x 11
// over a one-row "...base" that is its transparent colour),
// "listbox.focusitem.<nine part>", "listbox.activeitem.<nine part>",
// "checkbox.check.face", "checkbox.uncheck.face".
#pragma once

#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_skin_views {

inline constexpr TColor kTreeFontColour = 0x004000;
inline constexpr TColor kTreeBgColour = 0xF0E0D0;
inline constexpr TColor kListFontColour = 0x000060;
inline constexpr TColor kListBgColour = 0xD0F0E0;
inline constexpr TColor kItemFocusFontColour = 0xFFFFFF;
inline constexpr TColor kItemActiveFontColour = 0x00FFFF;
inline constexpr int kExpandSide = 11;
inline constexpr int kItemWidth = 24;  // the item images, corners 3
inline constexpr int kItemHeight = 14;
inline constexpr int kItemCorner = 3;
inline constexpr int kCheckSide = 13;

// Adds the views' part to Skin; existing pieces and pictures keep their
// places and colours.
void AddTo(TTestSkin& Skin);

}  // namespace test_skin_views
