// Drawing on 24-bit and monochrome surfaces, and region painting.
#include <gtest/gtest.h>

#include <vector>

#include "gdi_test_canvas.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"

TEST(Formats, TwentyFourBitAndMonochromeSurfaces)
{
    TTestCanvas c(3, 2, 24);  // rows of 9 bytes padded to 12
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    TRect r = Rect(1, 0, 3, 1);
    FillRect(c.DC, &r, brush);
    std::vector<uint8_t> row0(c.Bits, c.Bits + 12), row1(c.Bits + 12, c.Bits + 24);
    EXPECT_EQ(row0, (std::vector<uint8_t>{0, 0, 0, 3, 2, 1, 3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(row1, std::vector<uint8_t>(12, 0));
    EXPECT_EQ(GetPixel(c.DC, 2, 0), RGB(1, 2, 3));
    DeleteObject(brush);

    // Monochrome: colours become black or white, whichever is nearer.
    HBITMAP mono = CreateBitmap(16, 2, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, mono);
    r = Rect(0, 0, 16, 2);
    HBRUSH light = CreateSolidBrush(RGB(200, 200, 200));
    FillRect(dc, &r, light);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, 2, 1, nullptr);
    LineTo(dc, 12, 1);
    uint8_t bits[4] = {};
    ASSERT_EQ(GetBitmapBits(mono, 4, bits), 4);
    EXPECT_EQ(bits[0], 0xFF);
    EXPECT_EQ(bits[1], 0xFF);
    EXPECT_EQ(bits[2], 0xC0);  // 1100 0000 0000 1111
    EXPECT_EQ(bits[3], 0x0F);
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
    // A compatible bitmap of a memory DC takes the format of what it holds.
    HBITMAP twin = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP bm;
    GetObject(twin, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // 1-bit DIB rows come with a black and white colour table.
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD), 0xEE);
    auto* bi = reinterpret_cast<BITMAPINFO*>(info.data());
    bi->bmiHeader = BITMAPINFOHEADER{};
    bi->bmiHeader.biWidth = 16;
    bi->bmiHeader.biHeight = -2;
    bi->bmiHeader.biBitCount = 1;
    uint8_t dib[8] = {};
    ASSERT_EQ(GetDIBits(dc, mono, 0, 2, dib, bi, DIB_RGB_COLORS), 2);
    EXPECT_EQ(dib[4], 0xC0);
    EXPECT_EQ(dib[5], 0x0F);
    EXPECT_EQ(info[sizeof(BITMAPINFOHEADER) + 4], 255);  // the second entry is white
    EXPECT_EQ(info[sizeof(BITMAPINFOHEADER)], 0);
    DeleteDC(dc);
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(mono), static_cast<HGDIOBJ>(twin), static_cast<HGDIOBJ>(light)})
        DeleteObject(o);
}

TEST(Formats, RegionsAndWidePensPaintWhereTheyShould)
{
    TTestCanvas c(12, 12);
    HRGN square = CreateRectRgn(0, 0, 6, 6);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    // Regions given to the painting calls are logical.
    SetWindowOrgEx(c.DC, -3, -3, nullptr);
    FrameRgn(c.DC, square, white, 1, 1);
    EXPECT_EQ(c.Ink(), Rect(3, 3, 9, 9));
    EXPECT_EQ(c.At(4, 4), 0u);
    EXPECT_EQ(c.At(3, 8), 0x00FFFFFFu);
    InvertRgn(c.DC, square);
    EXPECT_EQ(c.At(4, 4), 0x00FFFFFFu);
    EXPECT_EQ(c.At(3, 3), 0u);
    SetWindowOrgEx(c.DC, 0, 0, nullptr);
    c.Fill(0x00123456);
    SetROP2(c.DC, R2_XORPEN);
    SelectObject(c.DC, white);
    PaintRgn(c.DC, square);
    EXPECT_EQ(c.At(5, 5), 0x00EDCBA9u);
    PaintRgn(c.DC, square);
    EXPECT_EQ(c.Ink(0x123456), TRect{});
    // A wide pen paints each pixel once even through xor, round ends
    // included.
    c.Fill(0);
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(255, 255, 255));
    SelectObject(c.DC, wide);
    TPoint corner[] = {{1, 5}, {8, 5}, {8, 10}};
    Polyline(c.DC, corner, 3);
    EXPECT_EQ(c.Ink(), Rect(0, 4, 10, 12));
    EXPECT_EQ(c.At(8, 5), 0x00FFFFFFu);  // the joint is painted, not xored away
    SetROP2(c.DC, R2_COPYPEN);
    c.Fill(0);
    SelectObject(c.DC, GetStockObject(WHITE_PEN));
    RoundRect(c.DC, 0, 0, 12, 10, 6, 6);
    EXPECT_EQ(c.Ink(), Rect(0, 0, 12, 10));
    EXPECT_EQ(c.At(0, 0), 0u);
    EXPECT_EQ(c.At(6, 0), 0x00FFFFFFu);
    DeleteObject(wide);
    DeleteObject(square);
}

TEST(Formats, WildCoordinatesCostNoMoreThanTheClip)
{
    TTestCanvas c(8, 8);
    SetViewportOrgEx(c.DC, 3, 3, nullptr);
    Ellipse(c.DC, -1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(c.At(4, 4), 0x00FFFFFFu);
    SelectObject(c.DC, GetStockObject(WHITE_PEN));
    MoveToEx(c.DC, -2000000000, 4, nullptr);
    LineTo(c.DC, 2147483647, 4);
    EXPECT_EQ(c.At(0, 7), 0x00FFFFFFu);
    TRect r = Rect(-2147483647 - 1, -5, 2147483647, 2147483647);
    EXPECT_EQ(FillRect(c.DC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_EQ(c.Ink(), TRect{});
    SetMapMode(c.DC, MM_ANISOTROPIC);
    EXPECT_FALSE(SetViewportExtEx(c.DC, -2147483647 - 1, 1, nullptr));
    SetViewportExtEx(c.DC, 2147483647, 2147483647, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1000, RGB(255, 0, 0));
    SelectObject(c.DC, pen);
    Rectangle(c.DC, 0, 0, 1000, 1000);
    EXPECT_EQ(c.At(7, 7), 0x00FF0000u);
    SelectObject(c.DC, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}
