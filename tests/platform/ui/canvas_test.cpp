#include "platform/ui/graphics/canvas.h"

#include <gtest/gtest.h>

#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "tests/platform/ui/ui_test_pictures.h"

TEST(Canvas, SelectsItsToolsWhenNeededAndAgainAfterEveryChange)
{
    auto bitmap = WhiteBitmap(12, 8);
    TCanvas* c = bitmap->Canvas();

    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 4, 4));
    c->Pen()->SetColor(clBlue);
    c->Brush()->SetColor(clLime);
    c->Rectangle(4, 0, 9, 5);
    EXPECT_EQ(RowOf(c, 0, 0, 10), "RRRRBBBBBW");
    EXPECT_EQ(RowOf(c, 2, 0, 10), "RRRRBGGGBW");
    EXPECT_EQ(RowOf(c, 4, 0, 10), "WWWWBBBBBW");

    // A line leaves out its last pixel; a changed pen draws the next one.
    c->Pen()->SetColor(clRed);
    c->MoveTo(0, 6);
    c->LineTo(5, 6);
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetMode(pmXor);
    c->MoveTo(0, 6);
    c->LineTo(3, 6);
    EXPECT_EQ(RowOf(c, 6, 0, 7), "AAARRWW");
    EXPECT_EQ(c->PenPos(), Point(3, 6));

    // A clear brush leaves the inside; a colour makes the brush solid again.
    c->Pen()->SetMode(pmCopy);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(0, 0, 4, 4);
    EXPECT_EQ(RowOf(c, 1, 0, 5), "KRRKB");
    c->Brush()->SetColor(clNavy);
    EXPECT_EQ(c->Brush()->Style(), bsSolid);
    c->Pen()->SetStyle(psClear);
    c->Rectangle(9, 0, 12, 3);
    EXPECT_EQ(RowOf(c, 0, 8, 12), "BNNW");

    c->SetPixels(11, 7, clYellow);
    EXPECT_EQ(c->Pixels(11, 7), clYellow);
    EXPECT_EQ(c->Pixels(12, 0), static_cast<TColor>(CLR_INVALID));
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 12, 8));
}

TEST(Canvas, NeverDrawsWithToolsAnotherCanvasLeftInASharedContext)
{
    // Stock objects come into being on first use; let them exist first.
    WhiteBitmap(1, 1)->Canvas()->TextOut(0, 0, "x");
    int objects = GdiObjectCount();
    {
        auto window = WhiteBitmap(8, 8);
        auto offscreen = WhiteBitmap(8, 8);
        HDC windowDC = window->Canvas()->Handle();
        TCanvas control;
        control.SetHandle(windowDC);
        control.Pen()->SetColor(clRed);
        window->Canvas()->Pen()->SetColor(clBlue);

        // Both canvases draw on one context, turn about.
        control.MoveTo(0, 0);
        control.LineTo(4, 0);
        window->Canvas()->MoveTo(0, 1);
        window->Canvas()->LineTo(4, 1);
        control.MoveTo(0, 2);
        control.LineTo(4, 2);
        EXPECT_EQ(RowOf(&control, 0, 0, 5), "RRRRW");
        EXPECT_EQ(RowOf(&control, 1, 0, 5), "BBBBW");
        EXPECT_EQ(RowOf(&control, 2, 0, 5), "RRRRW");

        // A pen put there behind the canvas's back is replaced too.
        HPEN foreign = CreatePen(PS_SOLID, 1, clLime);
        HGDIOBJ old = SelectObject(windowDC, foreign);
        control.MoveTo(0, 3);
        control.LineTo(4, 3);
        EXPECT_EQ(RowOf(&control, 3, 0, 5), "RRRRW");
        SelectObject(windowDC, old);
        DeleteObject(foreign);

        // The editor's way: the control canvas draws into the off-screen
        // bitmap while the bitmap's canvas holds the window context, the
        // result is copied across and the contexts go back.
        control.MoveTo(6, 6);
        HDC dc = control.Handle();
        control.SetHandle(offscreen->Canvas()->Handle());
        offscreen->Canvas()->SetHandle(dc);
        EXPECT_EQ(control.PenPos(), Point(6, 6));
        control.MoveTo(0, 5);
        control.LineTo(4, 5);
        offscreen->Canvas()->MoveTo(0, 6);
        offscreen->Canvas()->LineTo(4, 6);
        BitBlt(offscreen->Canvas()->Handle(), 0, 5, 8, 1, control.Handle(), 0, 5, SRCCOPY);
        offscreen->Canvas()->SetHandle(control.Handle());
        control.SetHandle(dc);
        EXPECT_EQ(RowOf(window->Canvas(), 5, 0, 5), "RRRRW");
        EXPECT_EQ(RowOf(window->Canvas(), 6, 0, 5), "KKKKW");
        offscreen->Canvas()->MoveTo(0, 7);
        offscreen->Canvas()->LineTo(4, 7);
        control.MoveTo(0, 7);
        control.LineTo(2, 7);
        EXPECT_EQ(RowOf(offscreen->Canvas(), 7, 0, 5), "KKKKW");
        EXPECT_EQ(RowOf(window->Canvas(), 7, 0, 5), "RRWWW");
    }
    EXPECT_EQ(GdiObjectCount(), objects);

    TCanvas bare;
    EXPECT_THROW(bare.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
    EXPECT_FALSE(bare.HandleAllocated());
}

TEST(Canvas, CopiesStretchesAndDrawsBitmaps)
{
    auto source = WhiteBitmap(2, 2);
    source->Canvas()->SetPixels(0, 0, clRed);
    source->Canvas()->SetPixels(1, 0, clLime);
    source->Canvas()->SetPixels(0, 1, clBlue);
    auto target = WhiteBitmap(6, 6);
    TCanvas* c = target->Canvas();
    c->CopyRect(Rect(0, 0, 4, 4), source->Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(RowOf(c, 1, 0, 5), "RRGGW");
    EXPECT_EQ(RowOf(c, 3, 0, 5), "BBWWW");

    // Transparent drawing leaves out the bottom-left colour, or a fixed one.
    source->SetTransparent(true);
    EXPECT_EQ(source->TransparentColor(), clBlue);
    c->Draw(4, 4, source.get());
    EXPECT_EQ(RowOf(c, 4, 3, 6), "WRG");
    EXPECT_EQ(RowOf(c, 5, 3, 6), "WWW");
    source->SetTransparentColor(clRed);
    EXPECT_EQ(source->TransparentMode(), tmFixed);
    c->StretchDraw(Rect(0, 4, 4, 6), source.get());
    EXPECT_EQ(RowOf(c, 4, 0, 4), "WWGG");
    EXPECT_EQ(RowOf(c, 5, 0, 4), "BBWW");
    source->SetTransparentMode(tmAuto);
    EXPECT_EQ(source->TransparentColor(), clBlue);

    // A brush copy puts the brush where the key colour was.
    c->Brush()->SetColor(clNavy);
    c->BrushCopy(Rect(0, 0, 2, 1), source.get(), Rect(0, 0, 2, 1), clRed);
    c->Brush()->SetStyle(bsClear);
    c->BrushCopy(Rect(2, 0, 4, 1), source.get(), Rect(0, 0, 2, 1), clLime);
    EXPECT_EQ(RowOf(c, 0, 0, 5), "NGRGW");

    TRect frame = Rect(0, 0, 5, 4);
    c->Brush()->SetColor(clWhite);
    c->FillRect(frame);
    Frame3D(c, frame, clRed, clBlue, 1);
    EXPECT_EQ(frame, Rect(1, 1, 4, 3));
    EXPECT_EQ(RowOf(c, 0, 0, 5), "RRRRB");
    EXPECT_EQ(RowOf(c, 1, 0, 5), "RWWWB");
    EXPECT_EQ(RowOf(c, 3, 0, 5), "BBBBB");
}

TEST(Canvas, WritesAndMeasuresTextInItsFont)
{
    auto bitmap = WhiteBitmap(64, 40);
    TCanvas* c = bitmap->Canvas();
    c->Font()->SetName(kTestFontName);
    c->Font()->SetHeight(-16);
    EXPECT_EQ(c->TextWidth("ab說"), 32);
    EXPECT_EQ(c->TextHeight("ab"), 16);
    EXPECT_EQ(c->TextExtent(""), (TSize{0, 16}));

    c->TextOut(2, 0, "ab");
    EXPECT_EQ(c->PenPos(), Point(18, 0));
    EXPECT_EQ(RowOf(c, 5, 2, 12), "WKKKKKKWWK");

    c->Font()->SetColor(clRed);
    c->Brush()->SetColor(clLime);
    c->TextRect(Rect(0, 20, 12, 36), 0, 20, "ab說");
    EXPECT_EQ(RowOf(c, 21, 0, 14), "GGGGGGGGGGGGWW");
    EXPECT_EQ(RowOf(c, 25, 8, 14), "GRRRWW");

    TRect r = Rect(0, 0, 100, 0);
    c->TextRect(r, "ab說", DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(r, Rect(0, 0, 32, 16));
}
