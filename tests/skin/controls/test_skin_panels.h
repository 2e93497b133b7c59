// The test skin's panel part: the descriptions "panel" (a nine-part frame
// with a caption strip, check images and a roll-up mark), "toolpanel",
// "statusbar" (with a "gripperrect"), "label" and "statuspanel", every
// piece in a colour of its own, and a small background picture. Fonts are
// the built-in test font.
//
// The panel's caption is left-aligned.
//
// Pieces: "<description>.normal.<nine part>" for each description;
// "panel.check.face", "panel.uncheck.face" (each over a one-row
// "...base" that is its transparent colour), "panel.markframe.face" and
// "statusbar.gripper.face".
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_skin_panels {

// Geometry and colours the tests rely on.
inline constexpr int kPanelWidth = 60;   // "panel": corners 4, a 20-pixel top part
inline constexpr int kPanelHeight = 40;
inline constexpr int kPanelTop = 20;
inline constexpr int kPanelCorner = 4;
inline constexpr TRect kPanelCaption{4, 2, 56, 18};  // a place in the skin rectangle
inline constexpr int kToolPanelHeight = 30;  // "toolpanel": corners 3
inline constexpr int kStatusBarHeight = 21;  // "statusbar": corners 3
inline constexpr int kGripperSize = 12;
inline constexpr int kLabelHeight = 20;  // "label" and "statuspanel": corners 3
inline constexpr TColor kPanelFontColour = 0x0000C0;
inline constexpr TColor kLabelFontColour = 0xC00000;
// The background picture: 8 x 8, black but for the white top-left
// triangle x + y < 3.
inline constexpr int kBgPictureSize = 8;

// Adds the panel part to Skin; existing pieces and pictures keep their
// places and colours. Answers the background picture's index, which no
// description names until a test sets "bgpictureindex".
int AddTo(TTestSkin& Skin);

}  // namespace test_skin_panels
