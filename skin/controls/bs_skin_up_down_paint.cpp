// TbsSkinUpDown's looks: flat buttons with arrows, the up-down picture with
// its hot and pressed images over it, or "resizebutton" stretched over each
// button of a control sized freely.
#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_skin_up_down.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"

namespace {

constexpr TColor HotFrameColor = 0x00800000;
constexpr TColor HotFillColor = 0x00D2BDB6;
constexpr TColor PressedFillColor = 0x00B59385;
constexpr TColor DisabledArrowColor = 0x00808080;

// DrawArrowImage kinds.
constexpr int ArrowLeft = 1, ArrowRight = 2, ArrowUp = 3, ArrowDown = 4;

TPoint Moved(TPoint P, int DX, int DY) { return TPoint{P.X + DX, P.Y + DY}; }

}  // namespace

int TbsSkinUpDown::ArrowKind(int I) const
{
    if (orientation_ == udHorizontal)
        return I == 0 ? ArrowRight : ArrowLeft;
    return I == 0 ? ArrowUp : ArrowDown;
}

void TbsSkinUpDown::PaintDefaultImage(TBitmap* Bitmap)
{
    CalcRects();
    DrawButton(Bitmap->Canvas(), 0);
    DrawButton(Bitmap->Canvas(), 1);
}

void TbsSkinUpDown::PaintSkinImage(TBitmap* Bitmap)
{
    if (!UseSkinSize) {
        DrawResizeButton(Bitmap->Canvas(), 0);
        DrawResizeButton(Bitmap->Canvas(), 1);
        return;
    }
    TbsSkinCustomControl::PaintSkinImage(Bitmap);
    DrawButton(Bitmap->Canvas(), 0);
    DrawButton(Bitmap->Canvas(), 1);
}

void TbsSkinUpDown::DrawButton(TCanvas* Canvas, int I) const
{
    const TButton& b = buttons_[I];
    if (DescriptionIndex() != -1) {
        // The normal state is the control's own image; a description of
        // another class or without a picture adds nothing.
        if (!HasUpDownSkin() || !Picture)
            return;
        TRect source;
        if (b.Down && b.MouseIn)
            source = I == 0 ? downUpButtonRect_ : downDownButtonRect_;
        else if (b.MouseIn)
            source = I == 0 ? activeUpButtonRect_ : activeDownButtonRect_;
        if (!IsRectEmpty(source))
            Canvas->CopyRect(b.R, Picture->Canvas(), source);
        return;
    }
    const TColor frame = b.MouseIn ? HotFrameColor : clBtnShadow;
    DrawFrame3D(Canvas, b.R, frame, frame);
    Canvas->Brush()->SetColor(b.Down && b.MouseIn ? PressedFillColor : b.MouseIn ? HotFillColor : clBtnFace);
    Canvas->FillRect(TRect{b.R.Left + 1, b.R.Top + 1, b.R.Right - 1, b.R.Bottom - 1});
    DrawArrowImage(Canvas, b.R, Enabled() ? clBlack : DisabledArrowColor, ArrowKind(I));
}

void TbsSkinUpDown::DrawResizeButton(TCanvas* Canvas, int I) const
{
    const TButton& b = buttons_[I];
    TBitmap image;
    image.SetSize(b.R.Width(), b.R.Height());
    TbsSkinData* data = SkinData();
    const int index = data && !data->Empty ? data->FindControlDescription("resizebutton") : -1;
    const auto* button =
        index != -1 ? dynamic_cast<const TbsDataSkinButtonControl*>(data->ControlList[index].get()) : nullptr;
    if (!button) {
        Canvas->Draw(b.R.Left, b.R.Top, &image);
        return;
    }
    const TRect active = IsRectEmpty(button->ActiveSkinRect) ? button->SkinRect : button->ActiveSkinRect;
    const TRect down = IsRectEmpty(button->DownSkinRect) ? active : button->DownSkinRect;
    TRect source = button->SkinRect;
    TColor colour = button->FontColor;
    if (b.Down && b.MouseIn) {
        source = down;
        colour = button->DownFontColor;
    } else if (b.MouseIn) {
        source = active;
        colour = button->ActiveFontColor;
    }
    if (!Enabled())
        colour = button->DisabledFontColor;
    if (button->PictureIndex >= 0 && button->PictureIndex < static_cast<int>(data->ActivePictures.size())) {
        const int dx = b.R.Width() - button->SkinRect.Width();
        const int dy = b.R.Height() - button->SkinRect.Height();
        const TRect& cl = button->ClientRect;
        CreateSkinImage(button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint, button->RightBottomPoint,
                        cl, button->LeftTopPoint, Moved(button->RightTopPoint, dx, 0),
                        Moved(button->LeftBottomPoint, 0, dy), Moved(button->RightBottomPoint, dx, dy),
                        TRect{cl.Left, cl.Top, cl.Right + dx, cl.Bottom + dy}, &image,
                        data->ActivePictures[button->PictureIndex].get(), source, b.R.Width(), b.R.Height(), true,
                        button->LeftStretch, button->TopStretch, button->RightStretch, button->BottomStretch,
                        button->StretchEffect, button->StretchType);
    }
    Canvas->Draw(b.R.Left, b.R.Top, &image);
    DrawArrowImage(Canvas, b.R, colour, ArrowKind(I));
}
