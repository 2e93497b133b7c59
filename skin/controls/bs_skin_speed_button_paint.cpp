// TbsSkinSpeedButton's painting: which image shows in which state, skinned
// or plain, and the face.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/win_control.h"
#include "skin/controls/bs_images_parent.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/data/bs_draw_utils.h"

void TbsSkinSpeedButton::Paint()
{
    if (Width() < 1 || Height() < 1)
        return;
    GetSkinData();
    int w = Width();
    int h = Height();
    CalcSize(w, h);  // the caption rectangle at the current size
    if (DescriptionIndex() != -1)
        PaintSkinned();
    else
        PaintPlain();
}

void TbsSkinSpeedButton::PaintSkinned()
{
    double factor = machine_.MorphFactor;
    bool mouseIn = machine_.MouseIn;
    if (CanMorph() && factor != 0.0 && factor != 1.0 && !transparent_) {
        PaintMorph();
    } else if (ForceDownLook || (down_ && (GroupIndex() != 0 || mouseIn))) {
        PaintState(skin_.DownSkinRect, true, true);
    } else if (mouseIn || (CanMorph() && factor == 1.0)) {
        PaintState(skin_.ActiveSkinRect, false, true);
    } else if (transparent_) {
        SetButtonFont(Canvas(), UseSkinFont, skin_, DefaultFont(), SkinData());
        TColor color = !Enabled()         ? SkinData()->SkinColors.BtnShadow
                       : UseSkinFontColor ? SkinData()->SkinColors.BtnText
                                          : DefaultFont()->Color();
        PaintTransparentFace(NewClientRect, color);
    } else if (!Enabled() && !IsNullRect(skin_.DisabledSkinRect)) {
        PaintState(skin_.DisabledSkinRect, false, false);
    } else {
        PaintState(normalSkinRect_, false, false);
    }
}

void TbsSkinSpeedButton::PaintPlain()
{
    bool mouseIn = machine_.MouseIn;
    if ((down_ && (GroupIndex() != 0 || mouseIn)) || mouseIn || !transparent_) {
        TbsButtonControl::Paint();
        return;
    }
    Canvas()->Font()->Assign(DefaultFont());
    PaintTransparentFace(ClientRect(), Enabled() ? DefaultFont()->Color() : clBtnShadow);
}

void TbsSkinSpeedButton::PaintTransparentFace(const TRect& CaptionRect, TColor Color)
{
    Canvas()->Font()->SetColor(Color);
    DrawFaceOf(Canvas(), CaptionRect, false, false, true);
}

void TbsSkinSpeedButton::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    TRect r{0, 0, Width(), Height()};
    bool mouseIn = machine_.MouseIn;
    bool pressed = down_ && (GroupIndex() != 0 || mouseIn);
    if (pressed)
        DrawPlainButton(canvas, r, TbsPlainLook::Pressed, true);
    else if (mouseIn)
        DrawPlainButton(canvas, r, TbsPlainLook::Hot, true);
    else if (Designing() || !flat_)
        DrawPlainButton(canvas, r, TbsPlainLook::Normal, true);
    else if (!transparent_)
        DrawPlainButton(canvas, r, TbsPlainLook::Normal, false);
    canvas->Font()->Assign(DefaultFont());
    if (SkinData() && SkinData()->ResourceStrData())
        SetButtonFont(canvas, false, skin_, DefaultFont(), SkinData());
    if (!Enabled())
        canvas->Font()->SetColor(clBtnShadow);
    DrawFace(canvas, r, pressed, mouseIn);
}

void TbsSkinSpeedButton::DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn)
{
    DrawFaceOf(Canvas, CaptionRect, ADown, AMouseIn, false);
}

void TbsSkinSpeedButton::DrawFaceOf(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn,
                                    bool TransparentPath)
{
    if (!RunOnPaint(Canvas, CaptionRect))
        return;
    TbsButtonFace face = Face(CaptionRect, showCaption_ ? Caption() : AnsiString(), ADown, AMouseIn);
    // The glyph comes first; without one, the images the parent lends, else
    // the button's own list.
    if (!Glyph()->Empty() || !dynamic_cast<IbsImagesParent*>(Parent())) {
        if (!Glyph()->Empty())
            face.Images = nullptr;
        DrawButtonFace(Canvas, face);
        return;
    }
    auto* lender = dynamic_cast<IbsImagesParent*>(Parent());
    TCustomImageList* disabled = lender->DisabledImages();
    if (!Enabled() && disabled)
        face.Images = disabled;
    else if (!TransparentPath && (AMouseIn || ADown) && lender->HotImages())
        face.Images = lender->HotImages();
    else
        face.Images = lender->Images();
    face.ImageEnabled = Enabled() || disabled;
    DrawButtonFace(Canvas, face);
}
