// Reading a button description and the buttons' frame and glyph rules.
#include "skin/controls/bs_button_skin.h"

#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"

namespace {

const TRect& Or(const TRect& R, const TRect& Fallback) { return IsNullRect(R) ? Fallback : R; }

}  // namespace

void ReadButtonSkin(const TbsDataSkinButtonControl& Data, const TRect& SkinRect, TbsMarkerFallback Fallback,
                    TbsButtonSkinValues& Values)
{
    Values.FontName = Data.FontName;
    Values.FontStyle = Data.FontStyle;
    Values.FontHeight = Data.FontHeight;
    Values.FontColor = Data.FontColor;
    Values.ActiveFontColor = Data.ActiveFontColor;
    Values.DownFontColor = Data.DownFontColor;
    Values.DisabledFontColor = Data.DisabledFontColor == Data.FontColor ? TColor(0x00808080) : Data.DisabledFontColor;
    Values.ActiveSkinRect = Or(Data.ActiveSkinRect, SkinRect);
    Values.DownSkinRect = Or(Data.DownSkinRect, Values.ActiveSkinRect);
    Values.DisabledSkinRect = Data.DisabledSkinRect;
    Values.FocusedSkinRect = Data.FocusedSkinRect;
    Values.AnimateSkinRect = Data.AnimateSkinRect;
    Values.Morphing = Data.Morphing;
    Values.MorphKind = Data.MorphKind;
    Values.FrameCount = Data.FrameCount;
    Values.AnimateInterval = Data.AnimateInterval;
    Values.ShowFocus = Data.ShowFocus;
    Values.MenuMarkerFlatRect = Data.MenuMarkerFlatRect;
    if (Fallback == TbsMarkerFallback::Speed) {
        Values.MenuMarkerRect = Or(Data.MenuMarkerRect, Data.MenuMarkerFlatRect);
        Values.MenuMarkerActiveRect = Or(Data.MenuMarkerActiveRect, Values.MenuMarkerRect);
        Values.MenuMarkerDownRect = Or(Data.MenuMarkerDownRect, Data.MenuMarkerFlatRect);
    } else {
        Values.MenuMarkerRect = Data.MenuMarkerRect;
        Values.MenuMarkerActiveRect = Or(Data.MenuMarkerActiveRect, Values.MenuMarkerRect);
        Values.MenuMarkerDownRect = Or(Data.MenuMarkerDownRect, Values.MenuMarkerActiveRect);
    }
    Values.MenuMarkerTransparentColor = Data.MenuMarkerTransparentColor;
    Values.GlowLayerPictureIndex = Data.GlowLayerPictureIndex;
    Values.GlowLayerMaskPictureIndex = Data.GlowLayerMaskPictureIndex;
    Values.GlowLayerOffsetLeft = Data.GlowLayerOffsetLeft;
    Values.GlowLayerOffsetTop = Data.GlowLayerOffsetTop;
    Values.GlowLayerOffsetRight = Data.GlowLayerOffsetRight;
    Values.GlowLayerOffsetBottom = Data.GlowLayerOffsetBottom;
    Values.GlowLayerShowOffsetX = Data.GlowLayerShowOffsetX;
    Values.GlowLayerShowOffsetY = Data.GlowLayerShowOffsetY;
    Values.GlowLayerAlphaBlendValue = Data.GlowLayerAlphaBlendValue;
}

namespace {

bool FramesStacked(const TRect& AnimateSkinRect, const TRect& SkinRect)
{
    return RectWidth(AnimateSkinRect) <= RectWidth(SkinRect);
}

}  // namespace

bool CanAnimateFrames(const TRect& AnimateSkinRect, const TRect& SkinRect, int FrameCount)
{
    if (IsNullRect(AnimateSkinRect) || FrameCount < 1)
        return false;
    int span = FramesStacked(AnimateSkinRect, SkinRect) ? RectHeight(AnimateSkinRect) : RectWidth(AnimateSkinRect);
    return span / FrameCount >= 1;
}

TRect AnimationFrameRect(const TRect& AnimateSkinRect, const TRect& SkinRect, int FrameCount, int N)
{
    const TRect& A = AnimateSkinRect;
    if (FramesStacked(A, SkinRect)) {
        int h = RectHeight(A) / FrameCount;
        return TRect{A.Left, A.Top + (N - 1) * h, A.Right, A.Top + N * h};
    }
    int w = RectWidth(A) / FrameCount;
    return TRect{A.Left + (N - 1) * w, A.Top, A.Left + N * w, A.Bottom};
}

int ButtonGlyphNumber(bool Hot, bool Down, bool Enabled, int NumGlyphs)
{
    if (Hot && Down && NumGlyphs > 2)
        return 3;
    if (Hot && NumGlyphs > 3)
        return 4;
    if (Enabled || NumGlyphs < 2)
        return 1;
    return 2;
}
