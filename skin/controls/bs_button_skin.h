// What a skinned button takes from its "button" description, with the
// fallbacks of missing state rectangles, and the pure rules the buttons
// share: the frames of the hover animation and the glyph number.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_ini_codecs.h"

class TbsDataSkinButtonControl;

// The menu-marker fallbacks differ: the speed buttons fall back on the flat
// marker, the push buttons on the previous state.
enum class TbsMarkerFallback { Speed, Push };

struct TbsButtonSkinValues {
    AnsiString FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 12;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor DisabledFontColor = 0;
    TRect ActiveSkinRect;    // empty in the description: the skin rectangle
    TRect DownSkinRect;      // empty: the active rectangle
    TRect DisabledSkinRect;  // empty: disabled buttons show the normal image
    TRect FocusedSkinRect;
    TRect AnimateSkinRect;  // the strip of hover frames
    bool Morphing = false;
    TbsMorphKind MorphKind = mkdefault;
    int FrameCount = 0;
    int AnimateInterval = 0;
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = 0;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0;
    int GlowLayerOffsetTop = 0;
    int GlowLayerOffsetRight = 0;
    int GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0;
    int GlowLayerShowOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;
};

// Copies the description; SkinRect is the normal image the fallbacks use.
// A disabled font colour equal to the normal one becomes 0x00808080.
void ReadButtonSkin(const TbsDataSkinButtonControl& Data, const TRect& SkinRect, TbsMarkerFallback Fallback,
                    TbsButtonSkinValues& Values);

// Whether the strip can be split into FrameCount frames at least one pixel
// each: a strip no wider than the skin rectangle holds them stacked, a
// wider one side by side.
bool CanAnimateFrames(const TRect& AnimateSkinRect, const TRect& SkinRect, int FrameCount);
// Frame N (from 1) of the strip; only for a strip CanAnimateFrames accepts.
TRect AnimationFrameRect(const TRect& AnimateSkinRect, const TRect& SkinRect, int FrameCount, int N);

// Which glyph of a strip of NumGlyphs (1 normal, 2 disabled, 3 pressed,
// 4 hot) a button shows.
int ButtonGlyphNumber(bool Hot, bool Down, bool Enabled, int NumGlyphs);
