// What the two menu buttons (the window-less TbsSkinMenuSpeedButton and the
// focusable TbsSkinMenuButton) share: where the menu drops from, the plain
// look split into a main part and a 15-pixel track strip, the tool-button
// skins drawn in the same two pieces, and the marker in the strip.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TCanvas;
struct TbsButtonSkinValues;
struct TbsSkinCustomImage;

// The width (or height) of the strip a menu drops from.
inline constexpr int TrackStripSize = 15;

// The strip along the right edge of a W x H button, or along its bottom.
TRect TrackStrip(int W, int H, bool AtBottom);
// The button less that strip.
TRect TrackMain(int W, int H, bool AtBottom);

// Skins drawn as tool buttons, the menu in a strip of their own; any other
// skin is the menu button's own, with a track area of the skin's.
bool IsToolButtonSkin(const AnsiString& SkinDataName);

// Where a press drops the menu, for a button W x H: nowhere without a menu
// (empty), the whole button outside TrackButtonMode, the description's
// track rectangle on a menu button's own skin (moved with the right part in
// resize mode 2 and the bottom part in mode 3; its right and bottom edges
// count), else the strip.
struct TbsTrackArea {
    TRect Rect;
    bool EdgesInside = false;  // PointInRect rather than PtInRect
};
TbsTrackArea MenuTrackArea(bool HasMenu, bool TrackButtonMode, bool OwnSkin, const TbsSkinCustomImage& Image,
                           const TRect& TrackButtonRect, int W, int H, bool AtBottom);
bool PointInTrackArea(const TbsTrackArea& Area, TPoint P);

// The look of a menu button's state.
enum class TbsMenuLook { Normal, Hot, Pressed, MenuOpen };

// The marker rectangle a look shows: Down while pressed or open, Hot under
// the mouse, else Normal; none when the skin has no Normal marker.
TRect MenuMarkerFor(TbsMenuLook Look, const TRect& Normal, const TRect& Hot, const TRect& Down);

// The plain look in two framed parts (TrackButtonMode), or as one.
// Idle flat buttons (Framed false) get clBtnFace without frames.
void DrawPlainMenuButton(TCanvas* Canvas, int W, int H, bool AtBottom, bool TrackButtonMode, TbsMenuLook Look,
                         bool Framed);

// A tool-button skin drawn as a menu button into B (W x H): in
// TrackButtonMode the main part and the strip each from its state's
// rectangle (menu open: main hot, strip pressed), else the whole button;
// Flat idle buttons draw nothing. NinePart uses the description's corner
// points, else the border sizes of its client rectangle.
void DrawToolMenuButton(TBitmap* B, const TbsSkinCustomImage& Image, const TbsButtonSkinValues& Skin, bool AtBottom,
                        bool TrackButtonMode, TbsMenuLook Look, bool Flat, bool NinePart);

// The marker in the strip: the skin's marker image for the look when
// MarkerRect (the first marker rectangle of the look's fallbacks) is set,
// drawn transparent in its key colour and centred; else the small down
// arrow in Colour.
void DrawMenuMarker(TCanvas* Canvas, const TRect& Strip, TBitmap* Picture, const TRect& MarkerRect, TColor Key,
                    TColor Colour);
