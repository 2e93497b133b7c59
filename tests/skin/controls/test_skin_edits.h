// The test skin's part for the skinned edit: "edit" (a frame 40 x 22 with
// kept 3-pixel sides around a 34 x 16 client, normal and active), "buttonedit"
// (60 x 22, a button at 40..57 in the kept right part, with hot, pressed and
// disabled button images), "editbutton" (a nine-part button, normal, active
// and down) and "combobutton" (a nine-part button, normal only).
//
// Pieces: "edit.normal.<nine part>", "edit.active.<nine part>",
// "buttonedit.normal.<row>.<column>" with rows t, m, b and columns l, c, g
// (the gap before the button), btn, r; "buttonedit.active...." likewise;
// "buttonedit.hotbutton.face", "buttonedit.downbutton.face",
// "buttonedit.offbutton.face"; "editbutton.<state>.<nine part>";
// "combobutton.normal.<nine part>".
#pragma once

#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_skin_edits {

inline constexpr int kEditWidth = 40;
inline constexpr int kEditHeight = 22;
inline constexpr int kEditSide = 3;  // the frame around the client, every side
inline constexpr int kButtonEditWidth = 60;
inline constexpr int kButtonLeft = 40;  // the button's place in "buttonedit"
inline constexpr int kButtonRight = 57;
inline constexpr int kClientRightInButtonEdit = 38;
inline constexpr TColor kEditFontColour = 0x004020;
inline constexpr TColor kEditActiveFontColour = 0x2000C0;
inline constexpr TColor kEditDisabledFontColour = 0x808080;

// Adds the edits' part to Skin; existing pieces and pictures keep their
// places and colours.
void AddTo(TTestSkin& Skin);
// "buttonedit" alone (whose button then falls back to "resizebutton").
void AddButtonEditTo(TTestSkin& Skin);

}  // namespace test_skin_edits
