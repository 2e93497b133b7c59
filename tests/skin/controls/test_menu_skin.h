// The test skin's menu part: the POPUPWINDOW and HINTWINDOW sections with
// window pictures of their own (nine parts in colours of their own and a
// mask with the cut corner), the "menuitem" object (rows, divider, active
// rows, a strip of three frames, morphing and mark images), and the control
// descriptions "menuheader" and "label" (labels) and "menuitembutton"
// (a nine-part button). Fonts are the built-in test font.
//
// Pieces: "popupwindow.<nine part>", "hintwindow.<nine part>",
// "menuitem.normal.{l,m,r}", "menuitem.active.{l,m,r}",
// "menuitem.divider.{l,m,r}", "menuitem.frame<1..3>.{l,m,r}",
// "menuitem.{check,activecheck,radio,activeradio,arrow,activearrow}.{face,key}",
// "menuheader.normal.{l,m,r}", "label.normal.{l,m,r}" and
// "menuitembutton.<state>.<nine part>".
#pragma once

#include <string>

#include "tests/skin/controls/test_skin.h"

namespace test_menu_skin {

// Row and window geometry the tests rely on.
inline constexpr int kRowHeight = 20;
inline constexpr int kDividerHeight = 6;
inline constexpr int kWindowPicture = 40;  // square
inline constexpr int kWindowBorder = 6;    // every side of POPUPWINDOW's items rectangle
inline constexpr TColor kFontColour = 0x000000;
inline constexpr TColor kActiveFontColour = 0xFFFFFF;
inline constexpr TColor kDisabledFontColour = 0x7F7F7F;
inline constexpr TColor kScrollMarker = 0x1F1F1F;
inline constexpr TColor kScrollMarkerActive = 0x0F0FEF;

// Adds the menu part to Skin; existing pieces and pictures keep their
// places and colours, and a "label" the skin has already stays (with its
// own pieces; the "label.normal.*" pieces above are then not made).
void AddTo(TTestSkin& Skin);

}  // namespace test_menu_skin
