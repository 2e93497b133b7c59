// The test skin's part for the expandable panel, bevels, splitters and menu
// buttons: "expanel" (a nine-part body 60 x 40 whose top band, 20 high,
// holds the caption; its rolled strips; its close, roll and restore buttons
// in three states each), "bevel" (its two line colours), "hsplitter" and
// "vsplitter" (three-part bars 8 thick with a gripper), "toolmenubutton"
// (a nine-part menu button 40 x 22), "toolmenutrackbutton" (a menu button
// whose left and right parts are kept, with a track area) and
// "resizetoolbutton" (a nine-part tool button 30 x 20).
//
// Pieces: "expanel.normal.<nine part>", "expanel.rollv.{l,m,r}",
// "expanel.rollh.{t,m,b}", "expanel.<button>.<state>.face" with button one
// of close, hroll, hrestore, vroll, vrestore and state normal, active or
// down; "hsplitter.normal.{l,m,r}", "vsplitter.normal.{t,m,b}",
// "hsplitter.gripper.face", "vsplitter.gripper.face";
// "toolmenubutton.<state>.<nine part>",
// "toolmenutrackbutton.<state>.{l,m,r}" and
// "resizetoolbutton.<state>.<nine part>", states normal, active, down (and
// disabled for the first).
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

class TTestSkin;

namespace test_skin_expanel {

inline constexpr int kExPanelWidth = 60;
inline constexpr int kExPanelHeight = 40;
inline constexpr int kCaptionBand = 20;  // the top band: NewClientRect.Top
inline constexpr int kBorder = 3;
inline constexpr int kButton = 12;       // every expanel button is square
inline constexpr int kStrip = 20;        // rolled thickness both ways
inline constexpr int kSplitter = 8;
inline constexpr TColor kFontColour = 0x00102030;
inline constexpr TColor kBevelLight = 0x0000C0F0;
inline constexpr TColor kBevelDark = 0x00F000C0;
inline constexpr TColor kGripperKey = 0x00FF00FF;  // the grippers' transparent colour, in no piece

// Adds the part to Skin; existing pieces and pictures keep their places
// and colours.
void AddTo(TTestSkin& Skin);
// The strips of a resizable tool button, "vtracktoolbutton" and
// "htracktoolbutton", drawn from the cells of "toolmenubutton" and
// "toolmenutrackbutton".
void AddTrackToolButtons(TTestSkin& Skin);

}  // namespace test_skin_expanel
