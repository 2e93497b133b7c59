// TbsSkinScrollBar's two looks: the plain one from system colours and the
// one copied from the skin picture. The buttons and the thumb are drawn
// over the bar's image, the thumb only while the bar is enabled.
#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"

namespace {

// The plain look's hot and pressed colours.
constexpr TColor HotFrameColor = 0x00800000;
constexpr TColor HotFillColor = 0x00D2BDB6;
constexpr TColor PressedFillColor = 0x00B59385;

// DrawArrowImage kinds.
constexpr int ArrowLeft = 1, ArrowRight = 2, ArrowUp = 3, ArrowDown = 4;

TRect Inset(const TRect& R, int D) { return TRect{R.Left + D, R.Top + D, R.Right - D, R.Bottom - D}; }

void MakeTransparent(TBitmap& B, TColor Color)
{
    B.SetTransparentMode(tmFixed);
    B.SetTransparentColor(Color);
    B.SetTransparent(true);
}

}  // namespace

bool TbsSkinScrollBar::HasBarSkin() const { return Skinned() && barSkin_ && Picture != nullptr; }

void TbsSkinScrollBar::PaintDefaultImage(TBitmap* Bitmap)
{
    const TbsScrollBarLayout L = Layout();
    TCanvas* canvas = Bitmap->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, Width(), Height()));
    if (Enabled())
        PaintPlainPart(canvas, L.Thumb(), sbpThumb);
    PaintPlainPart(canvas, L.Parts[sbpUpButton], sbpUpButton);
    PaintPlainPart(canvas, L.Parts[sbpDownButton], sbpDownButton);
}

void TbsSkinScrollBar::PaintPlainPart(TCanvas* Canvas, const TRect& R, int Part) const
{
    const TPartState& state = parts_[Part];
    TColor frame = clBtnShadow;
    TColor fill = clBtnFace;
    if ((state.Down && state.MouseIn) || (Part == sbpThumb && ThumbPressedLook())) {
        frame = HotFrameColor;
        fill = PressedFillColor;
    } else if (state.MouseIn) {
        frame = HotFrameColor;
        fill = HotFillColor;
    }
    Canvas->Brush()->SetColor(frame);
    Canvas->FrameRect(R);
    Canvas->Brush()->SetColor(fill);
    Canvas->FillRect(Inset(R, 1));
    if (Part == sbpUpButton)
        DrawArrowImage(Canvas, R, clBlack, Vertical() ? ArrowDown : ArrowRight);
    else if (Part == sbpDownButton)
        DrawArrowImage(Canvas, R, clBlack, Vertical() ? ArrowUp : ArrowLeft);
}

void TbsSkinScrollBar::PaintSkinImage(TBitmap* Bitmap)
{
    TbsSkinCustomControl::PaintSkinImage(Bitmap);
    // A description of another class, or one without a picture, gives
    // nothing to copy the parts from.
    if (!HasBarSkin())
        return;
    const TbsScrollBarLayout L = Layout();
    TCanvas* canvas = Bitmap->Canvas();
    PaintSkinnedButton(canvas, L.Parts[sbpUpButton], sbpUpButton);
    PaintSkinnedButton(canvas, L.Parts[sbpDownButton], sbpDownButton);
    if (Enabled())
        PaintSkinnedThumb(canvas, L.Thumb());
}

// The normal state is part of the bar's own image; only the hot and the
// pressed images are copied over it.
void TbsSkinScrollBar::PaintSkinnedButton(TCanvas* Canvas, const TRect& R, int Part) const
{
    const TPartState& state = parts_[Part];
    const bool up = Part == sbpUpButton;
    TRect source;
    if (state.Down && state.MouseIn)
        source = up ? skin_.DownUpButtonRect : skin_.DownDownButtonRect;
    else if (state.MouseIn)
        source = up ? skin_.ActiveUpButtonRect : skin_.ActiveDownButtonRect;
    if (!IsRectEmpty(source))
        Canvas->CopyRect(R, Picture->Canvas(), source);
}

void TbsSkinScrollBar::PaintSkinnedThumb(TCanvas* Canvas, const TRect& R) const
{
    const bool pressed = ThumbPressedLook();
    const bool hot = parts_[sbpThumb].MouseIn;
    const TRect source = pressed ? skin_.DownThumbRect : hot ? skin_.ActiveThumbRect : skin_.ThumbRect;
    const TRect glyph = pressed ? skin_.DownGlyphRect : hot ? skin_.ActiveGlyphRect : skin_.GlyphRect;
    if (IsRectEmpty(source))
        return;
    TBitmap thumb;
    if (range_.PageSize != 0 || skin_.ThumbMinPageSize != 0) {
        if (Vertical())
            CreateVSkinImage(skin_.ThumbOffset1, skin_.ThumbOffset2, &thumb, Picture, source, R.Width(), R.Height(),
                             skin_.ThumbStretchEffect);
        else
            CreateHSkinImage(skin_.ThumbOffset1, skin_.ThumbOffset2, &thumb, Picture, source, R.Width(), R.Height(),
                             skin_.ThumbStretchEffect);
    } else {
        thumb.SetSize(source.Width(), source.Height());
        thumb.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), Picture->Canvas(), source);
    }
    if (thumb.Empty())
        return;
    const bool glyphFits = Vertical() ? glyph.Height() < thumb.Height() : glyph.Width() < thumb.Width();
    if (!IsRectEmpty(glyph) && glyphFits) {
        const TRect place = Bounds(thumb.Width() / 2 - glyph.Width() / 2, thumb.Height() / 2 - glyph.Height() / 2,
                                   glyph.Width(), glyph.Height());
        if (skin_.GlyphTransparent) {
            TBitmap piece;
            piece.SetSize(glyph.Width(), glyph.Height());
            piece.Canvas()->CopyRect(Rect(0, 0, glyph.Width(), glyph.Height()), Picture->Canvas(), glyph);
            MakeTransparent(piece, skin_.GlyphTransparentColor);
            thumb.Canvas()->Draw(place.Left, place.Top, &piece);
        } else {
            thumb.Canvas()->CopyRect(place, Picture->Canvas(), glyph);
        }
    }
    if (skin_.ThumbTransparent)
        MakeTransparent(thumb, skin_.ThumbTransparentColor);
    Canvas->Draw(R.Left, R.Top, &thumb);
}
