// TbsSkinSpeedButton's painting: which image shows in which state, skinned
// or plain, the cross-fade, and the face.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
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
        TBitmap normal, hot;
        normal.SetSize(Width(), Height());
        hot.SetSize(Width(), Height());
        CreateButtonImage(&normal, normalSkinRect_, false, false);
        CreateButtonImage(&hot, skin_.ActiveSkinRect, false, true);
        DrawMorphedImages(Canvas(), &normal, &hot, skin_.MorphKind, factor);
    } else if (ForceDownLook || (down_ && (GroupIndex != 0 || mouseIn))) {
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
    if ((down_ && (GroupIndex != 0 || mouseIn)) || mouseIn || !transparent_) {
        TbsGraphicSkinCustomControl::Paint();
        return;
    }
    Canvas()->Font()->Assign(DefaultFont());
    PaintTransparentFace(ClientRect(), Enabled() ? DefaultFont()->Color() : clBtnShadow);
}

void TbsSkinSpeedButton::PaintTransparentFace(const TRect& CaptionRect, TColor Color)
{
    Canvas()->Font()->SetColor(Color);
    DrawFace(Canvas(), CaptionRect, false, false, true);
}

void TbsSkinSpeedButton::PaintState(const TRect& R, bool ADown, bool AMouseIn)
{
    TBitmap image;
    image.SetSize(Width(), Height());
    CreateButtonImage(&image, R, ADown, AMouseIn);
    Canvas()->Draw(0, 0, &image);
}

void TbsSkinSpeedButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn)
{
    TRect captionRect = DrawButtonImage(B, *this, R, UseSkinSize);
    TCanvas* canvas = B->Canvas();
    SetButtonFont(canvas, UseSkinFont, skin_, DefaultFont(), SkinData());
    canvas->Font()->SetColor(
        ButtonFontColor(skin_, Enabled(), UseSkinFontColor, AMouseIn, ADown, DefaultFont()->Color()));
    DrawFace(canvas, captionRect, ADown, AMouseIn, false);
}

void TbsSkinSpeedButton::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    TRect r{0, 0, Width(), Height()};
    bool mouseIn = machine_.MouseIn;
    bool pressed = down_ && (GroupIndex != 0 || mouseIn);
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
    DrawFace(canvas, r, pressed, mouseIn, false);
}

AnsiString TbsSkinSpeedButton::FaceCaption() { return showCaption_ ? Caption() : AnsiString(); }

void TbsSkinSpeedButton::DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn,
                                  bool TransparentPath)
{
    bool drawDefault = true;
    if (OnPaint) {
        TAlive alive(this);
        OnPaint(this, Canvas, CaptionRect, down_, machine_.MouseIn, drawDefault);
        if (!alive || !drawDefault)
            return;
    }
    TbsButtonFace face;
    face.Rect = CaptionRect;
    face.Caption = FaceCaption();
    face.Margin = margin_;
    face.Spacing = spacing_;
    face.Layout = layout_;
    face.Pressed = ADown;
    auto* lender = dynamic_cast<IbsImagesParent*>(Parent());
    if (glyph_->Empty() && lender) {
        bool hotOrDown = AMouseIn || ADown;
        TCustomImageList* disabled = lender->DisabledImages();
        if (!Enabled() && disabled)
            face.Images = disabled;
        else if (!TransparentPath && hotOrDown && lender->HotImages())
            face.Images = lender->HotImages();
        else
            face.Images = lender->Images();
        face.ImageEnabled = Enabled() || disabled;
        face.ImageIndex = imageIndex_;
    } else if (glyph_->Empty() && imageList_) {
        face.Images = imageList_;
        face.ImageIndex = imageIndex_;
        face.ImageEnabled = Enabled();
    }
    face.Glyph = glyph_.get();
    face.NumGlyphs = numGlyphs_;
    face.GlyphNumber = ButtonGlyphNumber(AMouseIn, ADown, Enabled(), numGlyphs_);
    DrawButtonFace(Canvas, face);
}
