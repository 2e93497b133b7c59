// TbsSkinButton's painting (which image shows in which state, skinned or
// plain, the cross-fade, the focus frame and the face) and its glow layer.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_platform.h"

void TbsSkinButton::Paint()
{
    if (Width() < 1 || Height() < 1)
        return;
    GetSkinData();
    if (DescriptionIndex() == -1) {
        TbsSkinCustomControl::Paint();
        return;
    }
    int w = Width();
    int h = Height();
    CalcSize(w, h);  // the caption rectangle at the current size
    PaintSkinned();
}

bool TbsSkinButton::ShowsDown()
{
    return down_ && (GroupIndex() != 0 || machine_.MouseIn || (FocusActive() && !machine_.MouseIsDown));
}

void TbsSkinButton::PaintSkinned()
{
    double factor = machine_.MorphFactor;
    bool focusActive = FocusActive();
    if (CanMorph() && factor > 0.0 && factor < 1.0 && Enabled())
        PaintMorph();
    else if (!Enabled() && !IsNullRect(skin_.DisabledSkinRect))
        PaintState(skin_.DisabledSkinRect, false, false);
    else if (MenuOpen || ShowsDown())
        PaintState(skin_.DownSkinRect, true, true);
    else if (focusActive && !IsNullRect(skin_.FocusedSkinRect) && !machine_.Animating())
        PaintState(skin_.FocusedSkinRect, false, true);
    else if (!focusActive && !machine_.MouseIn && !(CanMorph() && factor == 1.0))
        PaintState(normalSkinRect_, false, false);
    else
        PaintState(skin_.ActiveSkinRect, false, true);
}

void TbsSkinButton::Decorate(TCanvas* Canvas, const TRect& CaptionRect)
{
    if (skin_.ShowFocus && HandleAllocated() && Focused())
        DrawFocusRectDotted(Canvas, CaptionRect);
}

void TbsSkinButton::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    TRect r{0, 0, Width(), Height()};
    bool pressed = ShowsDown();
    bool hot = machine_.MouseIn || FocusActive();
    DrawPlainButton(canvas, r, pressed ? TbsPlainLook::Pressed : hot ? TbsPlainLook::Hot : TbsPlainLook::Normal,
                    true);
    canvas->Font()->Assign(DefaultFont());
    if (SkinData() && SkinData()->ResourceStrData())
        SetButtonFont(canvas, false, skin_, DefaultFont(), SkinData());
    if (!Enabled())
        canvas->Font()->SetColor(clBtnShadow);
    DrawFace(canvas, r, pressed, machine_.MouseIn);
}

void TbsSkinButton::DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn)
{
    if (RunOnPaint(Canvas, CaptionRect))
        DrawButtonFace(Canvas, Face(CaptionRect, Caption(), ADown, AMouseIn));
}

void TbsSkinButton::ShowGlowLayer()
{
    TbsSkinData* data = SkinData();
    if (!data || data->Empty || !IsWindows2000() || DescriptionIndex() == -1)
        return;
    if (!(data->ShowButtonGlowFrames || AlwaysShowLayeredFrame))
        return;
    int count = static_cast<int>(data->ActivePictures.size());
    int pictureIndex = skin_.GlowLayerPictureIndex;
    int maskIndex = skin_.GlowLayerMaskPictureIndex;
    // The layer takes its alpha from the mask: without one there is no glow.
    if (pictureIndex < 0 || pictureIndex >= count || maskIndex < 0 || maskIndex >= count)
        return;
    TBitmap* picture = data->ActivePictures[pictureIndex].get();
    TBitmap* mask = data->ActivePictures[maskIndex].get();
    if (auto* form = dynamic_cast<TCustomForm*>(GetParentForm(this)))
        layerManager_->TopMost = form->FormStyle() == fsStayOnTop;
    TPoint origin = ClientToScreen(Point(0, 0));
    origin.X -= skin_.GlowLayerShowOffsetX;
    origin.Y -= skin_.GlowLayerShowOffsetY;
    int alpha = skin_.GlowLayerAlphaBlendValue;
    if (ResizeMode == rmFixed) {
        layerManager_->Show(origin.X, origin.Y, picture, mask, alpha);
        return;
    }
    TRect whole{0, 0, picture->Width(), picture->Height()};
    int w = picture->Width() - RectWidth(SkinRect) + Width();
    int h = picture->Height() - RectHeight(SkinRect) + Height();
    if (w < 1 || h < 1)
        return;  // a broken skin's glow: none rather than a layer of no size
    TBitmap glow, glowMask;
    if (ResizeMode == rmHorizontal && UseSkinSize) {
        CreateHSkinImage(skin_.GlowLayerOffsetLeft, skin_.GlowLayerOffsetRight, &glow, picture, whole, w,
                         picture->Height(), StretchEffect);
        CreateHSkinImage(skin_.GlowLayerOffsetLeft, skin_.GlowLayerOffsetRight, &glowMask, mask, whole, w,
                         mask->Height(), StretchEffect);
    } else if (ResizeMode == rmNinePart) {
        TRect borders{skin_.GlowLayerOffsetLeft, skin_.GlowLayerOffsetTop,
                      picture->Width() - skin_.GlowLayerOffsetRight, picture->Height() - skin_.GlowLayerOffsetBottom};
        glow.SetSize(w, h);
        glowMask.SetSize(w, h);
        CreateSkinImageByOffsets(&glow, picture, whole, borders, true);
        CreateSkinImageByOffsets(&glowMask, mask, whole, borders, true);
    } else {
        return;
    }
    if (glow.Empty() || glowMask.Width() != glow.Width() || glowMask.Height() != glow.Height())
        return;
    layerManager_->Show(origin.X, origin.Y, &glow, &glowMask, alpha);
}

void TbsSkinButton::HideGlowLayer()
{
    // Whatever made it show (the skin data's switch or AlwaysShowLayeredFrame),
    // a shown layer goes when the mouse leaves.
    if (layerManager_->Showing())
        layerManager_->Hide();
}
