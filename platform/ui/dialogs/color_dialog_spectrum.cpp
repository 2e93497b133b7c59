// Painting of the spectrum and the luminance bar, and the values under
// the mouse.
#include "platform/ui/dialogs/color_dialog_spectrum.h"

#include <algorithm>
#include <cstdint>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace {

// Value 0..HlsMax spread over Size pixels, the first pixel 0 and the last
// HlsMax; Upward puts HlsMax at the first pixel.
int ScaleToValue(int Pixel, int Size, bool Upward)
{
    const int last = std::max(Size - 1, 1);
    const int p = std::clamp(Pixel, 0, last);
    return (Upward ? last - p : p) * HlsMax / last;
}

int ValueToPixel(int Value, int Size, bool Upward)
{
    const int last = std::max(Size - 1, 1);
    const int p = Value * last / HlsMax;
    return Upward ? last - p : p;
}

}  // namespace

void THlsPicker::SetValue(THls Value)
{
    if (value_ == Value)
        return;
    value_ = Value;
    Invalidate();
}

void THlsPicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        Pick(X, Y);
}

void THlsPicker::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TGraphicControl::MouseMove(Shift, X, Y);
    if (alive && Shift.Contains(ssLeft))
        Pick(X, Y);
}

void THlsPicker::Pick(int X, int Y)
{
    const THls picked = PickAt(Point(X, Y));
    if (picked == value_)
        return;
    SetValue(picked);
    if (OnChange)
        OnChange(this);
}

TColorSpectrum::TColorSpectrum(TComponent* AOwner) : THlsPicker(AOwner) {}

TColorSpectrum::~TColorSpectrum() = default;

THls TColorSpectrum::PickAt(TPoint Point) const
{
    // The right edge is hue 240, which is red again: shown as 0.
    return THls{ScaleToValue(Point.X, Width(), false) % HlsMax, ScaleToValue(Point.Y, Height(), true),
                value_.Lum};
}

void TColorSpectrum::Paint()
{
    const int width = Width(), height = Height();
    if (!picture_ || picture_->Width() != width || picture_->Height() != height) {
        picture_ = std::make_unique<TBitmap>();
        picture_->SetPixelFormat(pf32bit);
        picture_->SetSize(width, height);
        for (int y = 0; y < height; ++y) {
            auto* row = static_cast<uint32_t*>(picture_->ScanLine(y));
            for (int x = 0; x < width; ++x) {
                const auto rgb = static_cast<COLORREF>(HlsToColor(
                    THls{ScaleToValue(x, width, false), ScaleToValue(y, height, true), HlsMax / 2}));
                row[x] = 0xFF000000u | (uint32_t{GetRValue(rgb)} << 16) | (uint32_t{GetGValue(rgb)} << 8) |
                         GetBValue(rgb);
            }
        }
    }
    TCanvas* canvas = Canvas();
    canvas->Draw(0, 0, picture_.get());
    // A black cross-hair with a gap at its middle, so the colour under it
    // stays visible.
    const int x = ValueToPixel(value_.Hue, width, false);
    const int y = ValueToPixel(value_.Sat, height, true);
    canvas->Brush()->SetColor(clBlack);
    for (const TRect& arm : {Rect(x - 9, y - 1, x - 3, y + 2), Rect(x + 3, y - 1, x + 9, y + 2),
                             Rect(x - 1, y - 9, x + 2, y - 3), Rect(x - 1, y + 3, x + 2, y + 9)})
        canvas->FillRect(arm);
}

THls TLuminanceBar::PickAt(TPoint Point) const
{
    return THls{value_.Hue, value_.Sat, ScaleToValue(Point.Y, Height(), true)};
}

void TLuminanceBar::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    const int barWidth = Width() - ArrowWidth - 2;
    const int height = Height();
    for (int y = 0; y < height; ++y) {
        canvas->Brush()->SetColor(HlsToColor(THls{value_.Hue, value_.Sat, ScaleToValue(y, height, true)}));
        canvas->FillRect(Rect(0, y, barWidth, y + 1));
    }
    // The arrow points at the current luminance from the right.
    const int y = ValueToPixel(value_.Lum, height, true);
    const int tip = barWidth + 1;
    canvas->Brush()->SetColor(clBlack);
    canvas->Pen()->SetColor(clBlack);
    canvas->Polygon({Point(tip, y), Point(tip + ArrowWidth, y - ArrowWidth / 2),
                     Point(tip + ArrowWidth, y + ArrowWidth / 2)});
}
