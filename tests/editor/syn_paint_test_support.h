// Painting tests: memos in the built-in test font (8 x 16 cells, rows 18
// pixels high) and their pictures.
#pragma once

#include "editor/view/syn_gutter.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/clock.h"
#include "platform/win/headless_screen.h"
#include "tests/editor/word_syn.h"
#include "tests/support/pixel_colour.h"
#include "syn_view_test_support.h"

class TSynPaintTest : public TEditorViewTest {
protected:
    static constexpr int kRowHeight = kTestFontCellHeight + 2;
    static constexpr int kCellWidth = kTestFontCellWidth;

    // A memo in the test font, gutter included, without a caret line
    // colour unless a test asks for one.
    TSynMemo* AddPaintMemo(int Width, int Height)
    {
        TSynMemo* memo = AddMemo(0, Width, Height);
        SetTestFont(memo->Font());
        SetTestFont(memo->Gutter()->Font());
        return memo;
    }
    static void SetTestFont(TFont* Font)
    {
        Font->SetName(kTestFontName);
        Font->SetHeight(-kTestFontCellHeight);
    }

    // Idle time, a slice each 20 ms of the manual clock, until Memo's fold
    // scan is done; answers the number of slices.
    int IdleUntilFoldsScanned(TSynMemo* Memo)
    {
        int slices = 0;
        while (Memo->FoldScanPending() && slices < 10000) {
            AdvanceClock(20);
            Pump();
            ++slices;
        }
        return slices;
    }

    // Paints the whole memo and takes its picture.
    TRasterImage Picture(TSynMemo* Memo)
    {
        Memo->Invalidate();
        Memo->Update();
        return WindowImage(Memo->Handle());
    }

    // The pixel as a colour (0x00BBGGRR).
    static TColor At(const TRasterImage& Image, int X, int Y) { return PixelAt(Image, X, Y); }
    static TColor Rgb(TColor Color) { return ColorToRGB(Color); }

    // The left pixel of column Col (from 1) with the default gutter and no
    // horizontal scrolling, and the top pixel of row Row (from 1).
    static int ColX(TSynMemo* Memo, int Col) { return Memo->GutterWidth() + 2 + (Col - 1) * kCellWidth; }
    static int RowY(int Row) { return (Row - 1) * kRowHeight; }
    // A pixel of the glyph box of the character in (Col, Row), and one of
    // the same cell that a glyph never covers.
    static TPoint Ink(TSynMemo* Memo, int Col, int Row) { return {ColX(Memo, Col) + 3, RowY(Row) + 8}; }
    static TPoint Blank(TSynMemo* Memo, int Col, int Row) { return {ColX(Memo, Col), RowY(Row) + 1}; }
    static TColor At(const TRasterImage& Image, TPoint P) { return At(Image, P.X, P.Y); }
};
