// The skinned panel's looks: plain, skinned with its caption strip, the
// transparent and group-box looks over the parent, and the client part or
// background picture laid over the whole panel.
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_piece_fill.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_parent_image.h"

using enum TbsSkinBorderStyle;

namespace {

constexpr int kArrowUp = 3;
constexpr int kArrowDown = 4;

// Part Source of Picture drawn at (X, Y) with its lower-left pixel's colour
// transparent; answers its width (0 for an empty part).
// The description's client part in picture coordinates.
TRect PictureRect(const TRect& Part, const TRect& SkinRect)
{
    TRect r = Part;
    OffsetRect(r, SkinRect.Left, SkinRect.Top);
    return r;
}

int DrawTransparentPart(TCanvas* Canvas, TBitmap* Picture, const TRect& Source, int X, int Y)
{
    TBitmap part;
    CopyPiece(part, Picture, Source);
    if (part.Width() < 1)
        return 0;
    DrawGlyph(Canvas, X, Y, &part, 1, 1);
    return part.Width();
}

}  // namespace

void DrawPlainBorder(TCanvas* Canvas, const TRect& R, TbsSkinBorderStyle Style)
{
    switch (Style) {
    case bvFrame:
        DrawFrame3D(Canvas, R, clBtnShadow, clBtnShadow);
        break;
    case bvRaised:
        DrawFrame3D(Canvas, R, clBtnHighlight, clBtnShadow);
        break;
    case bvLowered:
        DrawFrame3D(Canvas, R, clBtnShadow, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
}

int TbsSkinPanel::CaptionPictureWidth() const
{
    if (glyph_->Empty() && captionImageList_ && captionImageIndex_ >= 0 &&
        captionImageIndex_ < captionImageList_->Count())
        return captionImageList_->Width();
    if (!glyph_->Empty())
        return glyph_->Width() / std::max(numGlyphs_, 1);
    return 0;
}

// The caption image (when the glyph is empty) or the glyph frame at X,
// vertically centred between Top and Bottom; frame 2 shows a disabled panel
// only when the strip has a second frame.
void TbsSkinPanel::DrawCaptionPicture(TCanvas* Canvas, int X, int Top, int Bottom)
{
    int middle = Top + (Bottom - Top) / 2;
    if (glyph_->Empty()) {
        if (captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count())
            captionImageList_->Draw(Canvas, X, middle - captionImageList_->Height() / 2, captionImageIndex_,
                                    Enabled());
        return;
    }
    int frame = !Enabled() && numGlyphs_ >= 2 ? 2 : 1;
    DrawGlyph(Canvas, X, middle - glyph_->Height() / 2, glyph_.get(), numGlyphs_, frame);
}

void TbsSkinPanel::PaintDefaultImage(TBitmap* Bitmap)
{
    TbsSkinCustomControl::PaintDefaultImage(Bitmap);
    TCanvas* c = Bitmap->Canvas();
    int w = Bitmap->Width();
    int h = Bitmap->Height();
    TRect r = Rect(0, 0, w, h);
    DrawPlainBorder(c, r, borderStyle_);
    if (captionMode_) {
        int dch = defaultCaptionHeight_;
        if (borderStyle_ != bvFrame) {
            r = ribbonStyle_ ? Rect(1, h - dch - 1, w - 1, h - 1) : Rect(1, 1, w - 1, dch);
            DrawFrame3D(c, r, clBtnShadow, clBtnHighlight);
            InflateRect(r, -1, -1);
            DrawFrame3D(c, r, clBtnHighlight, clBtnShadow);
        } else {
            r = ribbonStyle_ ? Rect(0, h - dch, w, h) : Rect(0, 0, w, dch);
            DrawFrame3D(c, r, clBtnShadow, clBtnShadow);
            InflateRect(r, -1, -1);
            DrawFrame3D(c, r, clBtnHighlight, clBtnFace);
        }
        InflateRect(r, -1, -1);
    }
    if (checkedMode_)
        r.Left += 20;
    if (rollUpMode_)
        r.Right -= 10;

    SetCaptionFont(c, false);
    AnsiString caption = Caption();
    int rh = r.Height();
    int textTop = r.Top + rh / 2 - c->TextHeight(caption) / 2;
    int contentWidth = c->TextWidth(caption);
    if (!glyph_->Empty())
        contentWidth += glyph_->Width() / std::max(numGlyphs_, 1) + spacing_;
    int textLeft = defaultAlignment_ == taLeftJustify    ? r.Left + 2
                   : defaultAlignment_ == taRightJustify ? r.Right - contentWidth
                                                         : r.Left + 2 + r.Width() / 2 - contentWidth / 2;
    if (checkedMode_) {
        int top = r.Top + rh / 2 - 7;
        DrawFrame3D(c, Rect(5, top, 19, top + 14), clBtnShadow, clBtnShadow);
        if (checked_)
            DrawCheckImage(c, 9, top + 3, clBtnText);
    }
    int pictureWidth = CaptionPictureWidth();
    if (pictureWidth > 0) {
        DrawCaptionPicture(c, textLeft, r.Top, r.Bottom);
        textLeft += pictureWidth + spacing_;
    }
    c->Brush()->SetStyle(bsClear);
    c->TextRect(r, textLeft, textTop, caption);
    if (rollUpMode_)
        DrawArrowImage(c, Rect(r.Right, r.Top, r.Right + 10, r.Bottom), clBtnText,
                       rollUpState_ ? kArrowDown : kArrowUp);
}

void TbsSkinPanel::PaintSkinImage(TBitmap* Bitmap)
{
    if (borderStyle_ == bvNone && ResizeMode == rmNinePart && !captionMode_ && !StretchEffect) {
        TBitmap piece;
        CopyPiece(piece, Picture, PictureRect(SkinClientRect, SkinRect));
        if (!piece.Empty()) {
            FillWithPiece(Bitmap->Canvas(), piece, Rect(0, 0, Bitmap->Width(), Bitmap->Height()), false, stfull);
            return;
        }
    }
    TbsSkinCustomControl::PaintSkinImage(Bitmap);
    if (ResizeMode <= rmFixed)
        captionHitRect_ = PanelSkin.CaptionRect;
    else if (!transparentMode_)
        captionHitRect_ = SkinRectToControlRect(PanelSkin.CaptionRect);
    if (!Caption().empty() && !IsNullRect(PanelSkin.CaptionRect))
        DrawSkinCaption(Bitmap->Canvas());
}

void TbsSkinPanel::DrawSkinCaption(TCanvas* c)
{
    TRect r = captionHitRect_;
    const int captionTop = r.Top;
    if (rollUpMode_)
        r.Right -= 12;
    if (checkedMode_) {
        const TRect& part = checked_ ? PanelSkin.CheckImageRect : PanelSkin.UnCheckImageRect;
        int width = DrawTransparentPart(c, Picture, part, r.Left, r.Top + r.Height() / 2 - part.Height() / 2);
        if (width > 0)
            r.Left += width + 2;
    }
    SetCaptionFont(c, true);
    AnsiString caption = Caption();
    int textWidth = c->TextWidth(caption);
    int textTop = r.Top + r.Height() / 2 - c->TextHeight(caption) / 2;
    if (c->Font()->Height() % 2 != 0)
        --textTop;
    int pictureWidth = CaptionPictureWidth();
    int contentWidth = textWidth + (pictureWidth > 0 ? pictureWidth + spacing_ : 0);
    TAlignment alignment = PanelSkin.Alignment;
    int textLeft = alignment == taLeftJustify    ? r.Left
                   : alignment == taRightJustify ? r.Right - contentWidth
                                                 : r.Left + r.Width() / 2 - contentWidth / 2;
    int pictureLeft = textLeft;
    if (pictureWidth > 0) {
        if (imagePosition_ == bsipDefault) {
            textLeft += pictureWidth + spacing_;
        } else {
            pictureLeft = r.Left + 2;
            int minLeft = pictureLeft + pictureWidth + spacing_;
            textLeft = alignment == taLeftJustify    ? minLeft
                       : alignment == taRightJustify ? r.Right - textWidth
                                                     : r.Left + r.Width() / 2 - textWidth / 2;
            textLeft = std::max(textLeft, minLeft);
        }
    }
    if (rollUpMode_) {
        const TRect& mark = PanelSkin.MarkFrameRect;
        if (!IsNullRect(mark) && Picture)
            c->CopyRect(Rect(r.Right, r.Top, r.Right + mark.Width(), captionTop + mark.Height()), Picture->Canvas(),
                        Rect(mark.Left, mark.Top, mark.Right, mark.Top + (captionTop + mark.Height() - r.Top)));
        DrawArrowImage(c, Rect(r.Right, r.Top, r.Right + 10, r.Bottom), PanelSkin.FontColor,
                       rollUpState_ ? kArrowDown : kArrowUp);
    }
    const TRect& frame = PanelSkin.FrameRect;
    if (!IsNullRect(frame) && Picture) {
        const TRect& text = PanelSkin.FrameTextRect;
        int difference = frame.Width() - text.Width();
        TBitmap image;
        CreateHSkinImage(PanelSkin.FrameLeftOffset, PanelSkin.FrameRightOffset, &image, Picture, frame,
                         textWidth + difference, frame.Height(), false);
        int frameLeft = textLeft;
        if (alignment == taLeftJustify) {
            textLeft = frameLeft + text.Left;
        } else if (alignment == taRightJustify) {
            frameLeft = textLeft - difference;
            textLeft = frameLeft + text.Left;
            pictureLeft -= difference;
        } else {
            frameLeft = textLeft - text.Left - 2;
            pictureLeft -= text.Left;
            textLeft -= 2;
        }
        c->Draw(frameLeft, captionTop, &image);
    }
    c->Brush()->SetStyle(bsClear);
    c->TextRect(r, textLeft, textTop, caption);
    if (pictureWidth > 0)
        DrawCaptionPicture(c, pictureLeft, r.Top, r.Bottom);
}

// The parent's image under the panel, with a frame or the group-box look,
// and the overlay.
void TbsSkinPanel::PaintTransparent()
{
    TBitmap image;
    image.SetSize(Width(), Height());
    TCanvas* c = image.Canvas();
    GetParentImage(this, c);
    if (captionMode_) {
        PaintGroupBox(c);
    } else if (borderStyle_ != bvNone) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(SkinData()->SkinColors.BtnShadow);
        c->Rectangle(0, 0, Width(), Height());
    }
    TAlive alive(this);
    PaintOverlay(c);
    if (alive)
        Canvas()->Draw(0, 0, &image);
}

void TbsSkinPanel::PaintGroupBox(TCanvas* c)
{
    TbsSkinData* data = SkinData();
    TColor shadow = data->SkinColors.BtnShadow;
    c->Pen()->SetColor(shadow);
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);
    SetCaptionFont(c, true);
    AnsiString caption = Caption();
    int textHeight = c->TextHeight(caption);
    captionHitRect_ = Rect(5, 0, Width(), textHeight + 5);
    TRect r = captionHitRect_;
    if (checkedMode_) {
        const TRect& part = checked_ ? PanelSkin.CheckImageRect : PanelSkin.UnCheckImageRect;
        int width = DrawTransparentPart(c, Picture, part, r.Left, r.Top + r.Height() / 2 - part.Height() / 2);
        r.Left += width + 5;
    }
    int pictureWidth = CaptionPictureWidth();
    if (pictureWidth > 0) {
        DrawCaptionPicture(c, r.Left, r.Top, r.Bottom);
        r.Left += pictureWidth + 2;
    }
    TColor color = data->SkinColors.BtnText;
    int label = data->FindControlDescription("stdlabel");
    if (label != -1)
        if (auto* std = dynamic_cast<TbsDataSkinStdLabelControl*>(data->ControlList[label].get()))
            color = std->FontColor;
    c->Font()->SetColor(color);
    int textWidth = c->TextWidth(caption);
    c->TextRect(r, r.Left, r.Top + r.Height() / 2 - textHeight / 2, caption);
    int lineStart = r.Left + textWidth + 3;
    if (rollUpMode_) {
        DrawArrowImage(c, Rect(lineStart, r.Top, r.Left + textWidth + 10, r.Bottom), c->Font()->Color(),
                       rollUpState_ ? kArrowDown : kArrowUp);
        lineStart = r.Left + textWidth + 12;
    }
    int y = r.Height() / 2;
    int w = Width();
    int h = Height();
    c->MoveTo(0, y);
    c->LineTo(4, y);
    c->MoveTo(lineStart, y);
    c->LineTo(w - 1, y);
    c->LineTo(w - 1, h - 1);
    c->LineTo(0, h - 1);
    c->LineTo(0, y);
}

// The description's client part over the whole panel; false (nothing
// drawn) when the part has no size.
bool TbsSkinPanel::PaintWholeClientPart()
{
    TBitmap piece;
    CopyPiece(piece, Picture, PictureRect(SkinClientRect, SkinRect));
    if (piece.Empty())
        return false;
    FillWithPiece(Canvas(), piece, Rect(0, 0, Width(), Height()), StretchEffect, StretchType);
    return true;
}

// The background picture over the panel; false (nothing drawn) when it has
// no size.
bool TbsSkinPanel::PaintBgPicture(TBitmap* APicture)
{
    if (APicture->Width() < 1 || APicture->Height() < 1)
        return false;
    TRect area = Rect(0, 0, Width(), Height());
    if (StretchEffect && StretchType == stfull)
        area = NewClientRect;
    FillWithPiece(Canvas(), *APicture, area, StretchEffect, StretchType);
    return true;
}

void TbsSkinPanel::Paint()
{
    if (Width() < 1 || Height() < 1 || (EmptyDrawing && !Designing()))
        return;
    if (!PrepareForPaint())
        return;
    bool skinned = DescriptionIndex() != -1;
    if (skinned && transparentMode_) {
        PaintTransparent();
        return;
    }
    if (!skinned || (StretchEffect && !DrawFrameStrips)) {
        TbsSkinCustomControl::Paint();
        return;
    }
    // A client part or background picture of no size leaves the frame's
    // own paint.
    if (borderStyle_ == bvNone && ResizeMode == rmNinePart && !captionMode_ && DrawFrameStrips &&
        PaintWholeClientPart())
        return;
    TBitmap* background = BgPicture();
    if (!background || !PaintBgPicture(background))
        TbsSkinCustomControl::Paint();
}
