#include "skin/form/bs_default_frame_paint.h"

#include <algorithm>

#include "platform/gdi/blit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_draw_utils.h"

namespace {

constexpr int kBorder = 3;

// Ridges across the caption strip, one line per row, light and dark in turn.
void DrawRidges(TCanvas* Canvas, int X0, int Right, int CaptionHeight)
{
    bool light = true;
    for (int y = 2; y <= CaptionHeight - 4; ++y) {
        Canvas->Pen()->SetColor(light ? clBtnHighlight : clBtnShadow);
        Canvas->MoveTo(X0 + 2, y);
        Canvas->LineTo(Right - 6, y);
        light = !light;
    }
}

// The caption text centred over the ridges, shortened with "..." to Width;
// the ridges stop two pixels around it.
void DrawCaptionText(TCanvas* Canvas, const TbsDefaultFrame& Frame, int X0, int Width)
{
    AnsiString text = Frame.Caption;
    if (text.empty())
        return;
    TruncateText(Canvas, text, Width);
    TSize extent = Canvas->TextExtent(text);
    int x = X0 + Width / 2 - (extent.cx + 5) / 2;
    int y = Frame.CaptionHeight / 2 - extent.cy / 2;
    TRect r = Rect(x, y, x, y);
    Canvas->TextRect(r, text, DT_CALCRECT | DT_SINGLELINE | Frame.TextFlags);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2));
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(r, text, DT_SINGLELINE | Frame.TextFlags);
}

}  // namespace

void PaintDefaultFrame(HDC DC, const TbsDefaultFrame& Frame, TbsFramePaintObjects& Objects)
{
    const int w = Frame.W;
    const int h = Frame.H;
    const int ch = Frame.CaptionHeight;
    const int stripWidth = w - 2 * kBorder;
    if (!DC || stripWidth < 1 || ch < 1)
        return;

    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(stripWidth, ch);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, stripWidth, ch));
    const int x0 = Frame.CaptionRect.Left - kBorder;
    const int gap = stripWidth - Frame.CaptionRect.Right;
    DrawRidges(canvas, x0, Frame.CaptionRect.Right, ch);

    if (Frame.Font)
        canvas->SetFont(Frame.Font);
    if (Frame.OnCaptionPaint)
        Frame.OnCaptionPaint(canvas, Rect(x0, 0, stripWidth - gap - kBorder, ch), Frame.Active);
    else
        DrawCaptionText(canvas, Frame, x0, stripWidth - x0 - gap);

    for (int i = 0; i < Objects.Count(); ++i)
        if (Objects.Visible(i))
            Objects.Draw(i, canvas, TPoint{-kBorder, -kBorder}, true);

    int saved = SaveDC(DC);
    ExcludeClipRect(DC, kBorder, ch + kBorder, w - kBorder, h - kBorder);
    BitBlt(DC, kBorder, kBorder, stripWidth, ch, canvas->Handle(), 0, 0, SRCCOPY);

    TCanvas frame;
    frame.SetHandle(DC);
    TRect ring = Rect(0, 0, w, h);
    DrawFrame3D(&frame, ring, cl3DLight, cl3DDkShadow);
    InflateRect(ring, -1, -1);
    DrawFrame3D(&frame, ring, clBtnHighlight, clBtnShadow);
    InflateRect(ring, -1, -1);
    DrawFrame3D(&frame, ring, clBtnFace, clBtnFace);
    frame.SetHandle(nullptr);
    RestoreDC(DC, saved);
}
