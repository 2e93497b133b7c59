#include "skin/data/bs_draw_utils.h"

#include "platform/base/sys_utils.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/data/bs_nine_part.h"

namespace {

bool IsFontHeightOddForDraw(TCanvas* Canvas) { return Canvas->Font()->Height() % 2 != 0; }

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

// Three one-pixel lines from X1 to X2 at rows Y - 1, Y and Y + 1.
void DrawFocusLines(TCanvas* Canvas, TColor Color, int X1, int X2, int Y)
{
    Canvas->Pen()->SetColor(Color);
    for (int y = Y - 1; y <= Y + 1; ++y)
        Line(Canvas, X1, y, X2, y);
}

TRect CaptionRect(TCanvas* Canvas, const TbsGlyphTextLayout& Pos, int TextWidth, int TextHeight)
{
    TRect r{Pos.TextPos.X, Pos.TextPos.Y, Pos.TextPos.X + TextWidth + 2, Pos.TextPos.Y + TextHeight};
    if (IsFontHeightOddForDraw(Canvas))
        --r.Top;
    return r;
}

TSize MeasureFaceCaption(TCanvas* Canvas, const AnsiString& Caption, const TRect& Rect, int Layout, int GlyphWidth,
                         int GlyphHeight)
{
    if (Caption.empty())
        return TSize{};
    TRect r{0, 0, RectWidth(Rect), RectHeight(Rect)};
    if (Layout == 0 || Layout == 1)
        r.Right -= GlyphWidth;
    else if (Layout == 2 || Layout == 3)
        r.Bottom -= GlyphHeight;
    Canvas->TextRect(r, Caption, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    return TSize{r.Width(), r.Height()};
}

void PressLayout(TbsGlyphTextLayout& Pos)
{
    ++Pos.GlyphPos.X;
    ++Pos.GlyphPos.Y;
    ++Pos.TextPos.X;
    ++Pos.TextPos.Y;
}

constexpr unsigned kFaceCaptionFlags = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS;

}  // namespace

TbsGlyphTextLayout CalcGlyphAndTextLayout(int Layout, const TRect& Rect, int GlyphWidth, int GlyphHeight,
                                          int TextWidth, int TextHeight, int Margin, int Spacing)
{
    TbsGlyphTextLayout pos;
    TPoint& g = pos.GlyphPos;
    TPoint& t = pos.TextPos;
    const int cx = Rect.Left + RectWidth(Rect) / 2;
    const int cy = Rect.Top + RectHeight(Rect) / 2;
    if (GlyphWidth == 0)
        Spacing = 0;
    if (Margin == -1) {
        const int tw = (TextWidth + GlyphWidth + Spacing) / 2;
        const int th = (TextHeight + GlyphHeight + Spacing) / 2;
        switch (Layout) {
        case 0:
            g = {cx - tw, cy - GlyphHeight / 2};
            t = {cx + tw - TextWidth, cy - TextHeight / 2};
            break;
        case 1:
            t = {cx - tw, cy - TextHeight / 2};
            g = {cx + tw - GlyphWidth, cy - GlyphHeight / 2};
            break;
        case 2:
            g = {cx - GlyphWidth / 2, cy - th};
            t = {cx - TextWidth / 2, cy + th - TextHeight};
            break;
        case 3:
            t = {cx - TextWidth / 2, cy - th};
            g = {cx - GlyphWidth / 2, cy + th - GlyphHeight};
            break;
        default:
            break;
        }
        return pos;
    }
    switch (Layout) {
    case 0:
        g = {Rect.Left + Margin, cy - GlyphHeight / 2};
        t = {g.X + GlyphWidth + Spacing, cy - TextHeight / 2};
        break;
    case 1:
        g = {Rect.Right - GlyphWidth - Margin, cy - GlyphHeight / 2};
        t = {g.X - Spacing - TextWidth, cy - TextHeight / 2};
        break;
    case 2:
        g = {cx - GlyphWidth / 2, Rect.Top + Margin};
        t = {cx - TextWidth / 2, g.Y + GlyphHeight + Spacing};
        break;
    case 3:
        g = {cx - GlyphWidth / 2, Rect.Bottom - GlyphHeight - Margin};
        t = {cx - TextWidth / 2, g.Y - Spacing - TextHeight};
        break;
    default:
        break;
    }
    return pos;
}

void DrawImageAndText(TCanvas* Canvas, const TRect& Rect, int Margin, int Spacing, int Layout,
                      const AnsiString& Caption, TCustomImageList* ImageList, int ImageIndex, bool Enabled,
                      bool Pressed, bool ShowFocus, TColor FocusColor)
{
    const bool hasGlyph = ImageList != nullptr && ImageIndex >= 0 && ImageIndex < ImageList->Count();
    const int gw = hasGlyph ? ImageList->Width() : 0;
    const int gh = hasGlyph ? ImageList->Height() : 0;
    const TSize text = MeasureFaceCaption(Canvas, Caption, Rect, Layout, gw, gh);
    Canvas->Brush()->SetStyle(bsClear);
    TbsGlyphTextLayout pos = CalcGlyphAndTextLayout(Layout, Rect, gw, gh, text.cx, text.cy, Margin, Spacing);
    if (Pressed)
        PressLayout(pos);
    const TRect textRect = CaptionRect(Canvas, pos, text.cx, text.cy);
    if (!Caption.empty()) {
        TRect r = textRect;
        Canvas->TextRect(r, Caption, kFaceCaptionFlags);
    }
    if (hasGlyph) {
        ImageList->Draw(Canvas, pos.GlyphPos.X, pos.GlyphPos.Y, ImageIndex, Enabled);
        if (ShowFocus)
            DrawFocusLines(Canvas, FocusColor, pos.GlyphPos.X, pos.GlyphPos.X + gw, pos.GlyphPos.Y + gh - 1);
    } else if (ShowFocus) {
        if (!Caption.empty()) {
            DrawFocusLines(Canvas, FocusColor, textRect.Left, textRect.Right, textRect.Bottom);
        } else {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(FocusColor);
            Canvas->FillRect(TRect{Rect.Left + 4, Rect.Top + 4, Rect.Right - 2, Rect.Bottom - 4});
        }
    }
}

void DrawGlyphAndText(TCanvas* Canvas, const TRect& Rect, int Margin, int Spacing, int Layout,
                      const AnsiString& Caption, TBitmap* Glyph, int NumGlyphs, int GlyphIndex, bool Pressed,
                      bool ShowFocus, TColor FocusColor)
{
    if (NumGlyphs < 1)
        NumGlyphs = 1;
    const bool hasGlyph = Glyph != nullptr && !Glyph->Empty();
    const int gw = hasGlyph ? Glyph->Width() / NumGlyphs : 0;
    const int gh = hasGlyph ? Glyph->Height() : 0;
    const TSize text = MeasureFaceCaption(Canvas, Caption, Rect, Layout, gw, gh);
    if (!Caption.empty())
        Canvas->Brush()->SetStyle(bsClear);
    TbsGlyphTextLayout pos = CalcGlyphAndTextLayout(Layout, Rect, gw, gh, text.cx, text.cy, Margin, Spacing);
    if (Pressed)
        PressLayout(pos);
    const TRect textRect = CaptionRect(Canvas, pos, text.cx, text.cy);
    if (!Caption.empty()) {
        TRect r = textRect;
        Canvas->TextRect(r, Caption, kFaceCaptionFlags);
    }
    if (hasGlyph) {
        DrawGlyph(Canvas, pos.GlyphPos.X, pos.GlyphPos.Y, Glyph, NumGlyphs, GlyphIndex);
        if (ShowFocus)
            DrawFocusLines(Canvas, FocusColor, pos.GlyphPos.X, pos.GlyphPos.X + Glyph->Width(),
                           pos.GlyphPos.Y + Glyph->Height() - 1);
    } else if (ShowFocus) {
        if (!Caption.empty()) {
            DrawFocusLines(Canvas, FocusColor, textRect.Left, textRect.Right, textRect.Bottom);
        } else {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(FocusColor);
            if (Pressed)
                Canvas->FillRect(TRect{Rect.Left + 4, Rect.Top + 5, Rect.Right - 2, Rect.Bottom - 3});
            else
                Canvas->FillRect(TRect{Rect.Left + 4, Rect.Top + 4, Rect.Right - 2, Rect.Bottom - 4});
        }
    }
}

void DrawFrame3D(TCanvas* Canvas, TRect Rect, TColor TopLeftColor, TColor BottomRightColor)
{
    Canvas->Pen()->SetWidth(1);
    --Rect.Right;
    --Rect.Bottom;
    Canvas->Pen()->SetColor(TopLeftColor);
    Canvas->Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
    Canvas->Pen()->SetColor(BottomRightColor);
    Canvas->Polyline({{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
}

void DrawFocusRectDotted(TCanvas* Canvas, const TRect& Rect)
{
    const TColor color = Canvas->Font()->Color();
    Canvas->Pen()->SetColor(color);
    const TRect r{Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 1};
    // The phase makes the dots of rectangles with even sides meet at the
    // corners the same way every time.
    bool on = r.Width() % 2 == 0 && r.Height() % 2 == 0;
    auto step = [&](int x, int y) {
        on = !on;
        if (on)
            Canvas->SetPixels(x, y, color);
    };
    for (int x = r.Left; x <= r.Right; ++x)
        step(x, r.Top);
    on = !on;
    for (int y = r.Top; y <= r.Bottom; ++y)
        step(r.Right, y);
    on = !on;
    for (int x = r.Right; x >= r.Left; --x)
        step(x, r.Bottom);
    on = !on;
    for (int y = r.Bottom; y >= r.Top; --y)
        step(r.Left, y);
}

namespace {

void DrawArrowRows(TCanvas* Canvas, const TRect& Rect, int Kind, int Rows)
{
    const int cx = Rect.Left + RectWidth(Rect) / 2;
    const int cy = Rect.Top + RectHeight(Rect) / 2;
    for (int i = 0; i < Rows; ++i) {
        switch (Kind) {
        case 1:
            Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
            break;
        case 2:
            Line(Canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
            break;
        case 3:
            Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
            break;
        case 4:
            Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
            break;
        default:
            return;
        }
    }
}

}  // namespace

void DrawSmallDownArrow(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    const int cx = Rect.Left + RectWidth(Rect) / 2;
    const int cy = Rect.Top + RectHeight(Rect) / 2;
    for (int i = 2; i >= 0; --i)
        Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
}

void DrawArrowImage(TCanvas* Canvas, const TRect& Rect, TColor Color, int Kind)
{
    Canvas->Pen()->SetColor(Color);
    if (Kind != 5) {
        DrawArrowRows(Canvas, Rect, Kind, 4);
        return;
    }
    const int cx = Rect.Left + RectWidth(Rect) / 2;
    const int cy = Rect.Top + RectHeight(Rect) / 2;
    Line(Canvas, cx - 4, cy - 1, cx + 4, cy - 1);
    Line(Canvas, cx - 4, cy, cx + 4, cy);
    Line(Canvas, cx - 1, cy - 4, cx - 1, cy + 4);
    Line(Canvas, cx, cy - 4, cx, cy + 4);
}

void DrawLargeArrowImage(TCanvas* Canvas, const TRect& Rect, TColor Color, int Kind)
{
    Canvas->Pen()->SetColor(Color);
    DrawArrowRows(Canvas, Rect, Kind, 6);
}

void DrawCheckImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i <= 2; ++i) {
        Canvas->MoveTo(X, Y + 5 - i);
        Canvas->LineTo(X + 2, Y + 7 - i);
        Canvas->LineTo(X + 7, Y + 2 - i);
    }
}

void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
    Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
    Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
    Line(Canvas, X + 8, Y + 1, X, Y + 9);
}

void DrawCloseImageInRect(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    DrawCloseImage(Canvas, Rect.Left + RectWidth(Rect) / 2 - 5, Rect.Top + RectHeight(Rect) / 2 - 5, Color);
}

void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(X + 1, Y + 3, X + 9, Y + 6);
}

void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
    Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(X, Y, X + 11, Y + 10);
    Canvas->Rectangle(X, Y, X + 11, Y + 2);
}

void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(X + 2, Y, X + 10, Y + 6);
    Canvas->Rectangle(X + 2, Y, X + 10, Y + 2);
    Canvas->Rectangle(X, Y + 4, X + 7, Y + 10);
    Canvas->Rectangle(X, Y + 4, X + 7, Y + 6);
}

void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 6, X + 9, Y + 6);
    Line(Canvas, X + 2, Y + 5, X + 8, Y + 5);
    Line(Canvas, X + 3, Y + 4, X + 7, Y + 4);
    Line(Canvas, X + 4, Y + 3, X + 6, Y + 3);
    Line(Canvas, X + 5, Y + 2, X + 5, Y + 2);
}

void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 5, Y + 6, X + 5, Y + 6);
    Line(Canvas, X + 4, Y + 5, X + 6, Y + 5);
    Line(Canvas, X + 3, Y + 4, X + 7, Y + 4);
    Line(Canvas, X + 2, Y + 3, X + 8, Y + 3);
    Line(Canvas, X + 1, Y + 2, X + 9, Y + 2);
}

void DrawMinimizeToTrayImage(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}

TColor MiddleColor(TColor C1, TColor C2)
{
    const uint32_t a = static_cast<uint32_t>(ColorToRGB(C1));
    const uint32_t b = static_cast<uint32_t>(ColorToRGB(C2));
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) >> 1) << shift;
    return static_cast<TColor>(result);
}

TColor DarkerColor(TColor C, int Percent)
{
    const uint32_t c = static_cast<uint32_t>(ColorToRGB(C));
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = static_cast<int>((c >> shift) & 0xFF);
        result |= static_cast<uint32_t>((channel - MulDiv(channel, Percent, 100)) & 0xFF) << shift;
    }
    return static_cast<TColor>(result);
}
