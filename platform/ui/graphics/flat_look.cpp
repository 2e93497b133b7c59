// The flat look's drawing: faces, frames, glyphs, focus rectangles and
// text, in the system colours.
#include "platform/ui/graphics/flat_look.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"

namespace {

void FrameOnce(TCanvas* Canvas, TRect& R, TColor Color)
{
    TRect r = R;
    Frame3D(Canvas, r, Color, Color, 1);
    R = r;
}

// The colour of a glyph's or a face's frame.
TColor FrameColor(const TFlatState& State)
{
    if (State.Disabled)
        return clBtnShadow;
    if (State.Pressed)
        return cl3DDkShadow;
    if (State.Hot)
        return clHighlight;
    return State.Default ? cl3DDkShadow : clBtnShadow;
}

}  // namespace

void FlatFill(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

TRect DrawFlatButtonFace(TCanvas* Canvas, const TRect& R, const TFlatState& State)
{
    bool pressed = State.Pressed && !State.Disabled;
    FlatFill(Canvas, R, pressed ? cl3DLight : clBtnFace);
    TRect content = R;
    bool framed = !State.Flat || (!State.Disabled && (State.Hot || State.Pressed));
    if (framed) {
        TColor color = FrameColor(State);
        FrameOnce(Canvas, content, color);
        // A default button keeps its heavier frame whatever else it shows.
        if (State.Default && !State.Disabled)
            FrameOnce(Canvas, content, color);
    } else {
        InflateRect(content, -1, -1);
    }
    if (pressed)
        OffsetRect(content, 1, 1);
    return content;
}

void DrawFlatFrame(TCanvas* Canvas, TRect& R, TFlatFrame Style, int Width)
{
    switch (Style) {
    case TFlatFrame::Raised:
        Frame3D(Canvas, R, clBtnHighlight, clBtnShadow, Width);
        break;
    case TFlatFrame::Sunken:
        Frame3D(Canvas, R, clBtnShadow, clBtnHighlight, Width);
        break;
    case TFlatFrame::Etched:
        for (int i = 0; i < Width; ++i) {
            DrawFlatGroove(Canvas, R, clBtnShadow, clBtnHighlight);
            InflateRect(R, -2, -2);
        }
        break;
    case TFlatFrame::Single:
        Frame3D(Canvas, R, clBtnShadow, clBtnShadow, Width);
        break;
    }
}

void DrawFlatGroove(TCanvas* Canvas, const TRect& R, TColor Outer, TColor Inner)
{
    // The inner frame one pixel right of and below the outer one; the
    // outer one drawn last keeps its top and left lines whole.
    TRect inner = Rect(R.Left + 1, R.Top + 1, R.Right, R.Bottom);
    Frame3D(Canvas, inner, Inner, Inner, 1);
    TRect outer = Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
    Frame3D(Canvas, outer, Outer, Outer, 1);
}

void DrawFlatCheckGlyph(TCanvas* Canvas, const TRect& Box, TCheckBoxState Check, const TFlatState& State)
{
    TRect box = Rect(Box.Left, Box.Top, Box.Left + FlatGlyphSize, Box.Top + FlatGlyphSize);
    bool faceFill = State.Disabled || State.Pressed || Check == cbGrayed;
    FlatFill(Canvas, box, faceFill ? clBtnFace : clWindow);
    FrameOnce(Canvas, box, FrameColor(State));
    if (Check == cbUnchecked)
        return;
    TColor mark = (State.Disabled || Check == cbGrayed) ? clGrayText : clWindowText;
    // A tick seven columns wide, each column three pixels tall: down for
    // three columns, then up for four.
    static constexpr int Rise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int c = 0; c < 7; ++c) {
        int x = box.Left + 1 + c;
        int y = box.Top + Rise[c];
        FlatFill(Canvas, Rect(x, y, x + 1, y + 3), mark);
    }
}

void DrawFlatRadioGlyph(TCanvas* Canvas, const TRect& Box, bool Checked, const TFlatState& State)
{
    TRect box = Rect(Box.Left, Box.Top, Box.Left + FlatGlyphSize, Box.Top + FlatGlyphSize);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(FrameColor(State));
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor((State.Disabled || State.Pressed) ? clBtnFace : clWindow);
    Canvas->Ellipse(box);
    if (!Checked)
        return;
    TColor dot = State.Disabled ? clGrayText : clWindowText;
    Canvas->Pen()->SetColor(dot);
    Canvas->Brush()->SetColor(dot);
    Canvas->Ellipse(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
}

void DrawFlatArrow(TCanvas* Canvas, const TRect& R, TArrowGlyph Arrow, bool Enabled)
{
    DrawArrowGlyph(Canvas->Handle(), R, Arrow, Enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT, false);
}

void DrawFlatFocusRect(TCanvas* Canvas, const TRect& R)
{
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    // Every other pixel on the way round from the top-left corner, so the
    // dots run on evenly past the corners.
    int i = 0;
    auto dot = [&](int x, int y) {
        if (i++ % 2 == 0)
            Canvas->SetPixels(x, y, clBtnText);
    };
    for (int x = R.Left; x < R.Right - 1; ++x)
        dot(x, R.Top);
    for (int y = R.Top; y < R.Bottom - 1; ++y)
        dot(R.Right - 1, y);
    for (int x = R.Right - 1; x > R.Left; --x)
        dot(x, R.Bottom - 1);
    for (int y = R.Bottom - 1; y > R.Top; --y)
        dot(R.Left, y);
}

void DrawFlatText(TCanvas* Canvas, TRect& R, const AnsiString& Text, unsigned Format, bool Enabled)
{
    TColor saved = Canvas->Font()->Color();
    if (!Enabled)
        Canvas->Font()->SetColor(clGrayText);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(R, Text, Format);
    Canvas->Font()->SetColor(saved);
}
