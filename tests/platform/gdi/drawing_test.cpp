#include <gtest/gtest.h>

#include "gdi_test_canvas.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"

namespace {

constexpr uint32_t kWhitePixel = 0x00FFFFFF;

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace

TEST(Drawing, LinesLeaveOutTheirLastPixel)
{
    TTestCanvas c(8, 5);
    SelectObject(c.DC, GetStockObject(WHITE_PEN));
    Line(c.DC, 1, 1, 5, 3);
    EXPECT_EQ(c.Picture(), "........\n"
                           ".##.....\n"
                           "...##...\n"
                           "........\n"
                           "........\n");
    // Drawn the other way the line covers the same pixels, less its new end.
    c.Fill(0);
    Line(c.DC, 5, 3, 1, 1);
    EXPECT_EQ(c.Picture(), "........\n"
                           "..#.....\n"
                           "...##...\n"
                           ".....#..\n"
                           "........\n");
    c.Fill(0);
    TPoint zig[] = {{0, 0}, {0, 3}, {6, 3}, {6, 0}};
    Polyline(c.DC, zig, 4);
    EXPECT_EQ(c.Picture(), "#.......\n"
                           "#.....#.\n"
                           "#.....#.\n"
                           "#######.\n"
                           "........\n");
    TPoint at;
    GetCurrentPositionEx(c.DC, &at);
    EXPECT_EQ(at, Point(1, 1));  // Polyline leaves the current position alone

    // An xor pen drawn twice leaves nothing; a dotted pen fills its gaps
    // with the background colour when the mode is OPAQUE.
    c.Fill(0x00123456);
    SetROP2(c.DC, R2_XORPEN);
    Line(c.DC, 0, 4, 8, 4);
    EXPECT_EQ(c.At(3, 4), 0x00EDCBA9u);
    Line(c.DC, 0, 4, 8, 4);
    EXPECT_EQ(c.At(3, 4), 0x00123456u);
    SetROP2(c.DC, R2_COPYPEN);
    c.Fill(0);
    HPEN dot = CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    SelectObject(c.DC, dot);
    SetBkColor(c.DC, RGB(0, 0, 255));
    Line(c.DC, 0, 0, 8, 0);
    uint32_t red = 0x00FF0000, blue = 0x000000FF;
    uint32_t expected[] = {red, red, red, blue, blue, blue, red, red};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(c.At(x, 0), expected[x]) << x;
    SetBkMode(c.DC, TRANSPARENT);
    Line(c.DC, 0, 1, 8, 1);
    EXPECT_EQ(c.At(4, 1), 0u);
    EXPECT_EQ(c.At(7, 1), red);
    SelectObject(c.DC, GetStockObject(BLACK_PEN));
    DeleteObject(dot);
}

TEST(Drawing, FiguresStayInsideTheirBoxes)
{
    TTestCanvas c(16, 12);
    c.Fill(0x00808080);
    Rectangle(c.DC, 2, 2, 8, 6);
    EXPECT_EQ(c.Ink(0x808080), Rect(2, 2, 8, 6));
    EXPECT_EQ(c.At(2, 2), 0u);
    EXPECT_EQ(c.At(7, 5), 0u);
    EXPECT_EQ(c.At(3, 3), kWhitePixel);
    // Without a pen the fill loses the right and bottom rows.
    c.Fill(0x00808080);
    SelectObject(c.DC, GetStockObject(NULL_PEN));
    Rectangle(c.DC, 2, 2, 8, 6);
    EXPECT_EQ(c.Ink(0x808080), Rect(2, 2, 7, 5));
    SelectObject(c.DC, GetStockObject(BLACK_PEN));
    c.Fill(0x00808080);
    Ellipse(c.DC, 1, 1, 15, 11);
    EXPECT_EQ(c.Ink(0x808080), Rect(1, 1, 15, 11));
    EXPECT_EQ(c.At(1, 1), 0x00808080u);  // the corner is outside
    EXPECT_EQ(c.At(8, 6), kWhitePixel);
    EXPECT_EQ(c.At(8, 1), 0u);
    // A wide inside-frame pen stays inside too.
    c.Fill(0x00808080);
    HPEN wide = CreatePen(PS_INSIDEFRAME, 3, RGB(255, 0, 0));
    SelectObject(c.DC, wide);
    Rectangle(c.DC, 2, 2, 12, 10);
    EXPECT_EQ(c.Ink(0x808080), Rect(2, 2, 12, 10));
    EXPECT_EQ(c.At(4, 4), 0x00FF0000u);
    EXPECT_EQ(c.At(5, 5), kWhitePixel);
    SelectObject(c.DC, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
    c.Fill(0);
    SelectObject(c.DC, GetStockObject(WHITE_PEN));
    TPoint triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    SelectObject(c.DC, GetStockObject(NULL_BRUSH));
    Polygon(c.DC, triangle, 3);
    EXPECT_EQ(c.Ink(), Rect(0, 0, 9, 9));
    EXPECT_EQ(c.At(2, 2), 0u);  // not filled with a null brush
    EXPECT_EQ(c.At(4, 4), kWhitePixel);
}

TEST(Drawing, ClippingAndMapping)
{
    TTestCanvas c(20, 20);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    HRGN ellipse = CreateEllipticRgn(2, 3, 17, 15);
    EXPECT_EQ(SelectClipRgn(c.DC, ellipse), COMPLEXREGION);
    TRect all = Rect(0, 0, 20, 20);
    FillRect(c.DC, &all, white);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(c.At(x, y) == kWhitePixel, PtInRegion(ellipse, x, y)) << x << "," << y;
    EXPECT_EQ(GetPixel(c.DC, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(c.DC, 0, 0, RGB(1, 2, 3)), CLR_INVALID);
    TRect box;
    EXPECT_EQ(GetClipBox(c.DC, &box), COMPLEXREGION);
    EXPECT_EQ(box, Rect(2, 3, 17, 15));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c.DC, copy), 1);
    EXPECT_TRUE(EqualRgn(copy, ellipse));
    SelectClipRgn(c.DC, nullptr);
    EXPECT_EQ(GetClipRgn(c.DC, copy), 0);
    IntersectClipRect(c.DC, 0, 0, 10, 10);
    ExcludeClipRect(c.DC, 0, 0, 5, 10);
    OffsetClipRgn(c.DC, 1, 2);
    EXPECT_EQ(GetClipBox(c.DC, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(6, 2, 11, 12));
    SelectClipRgn(c.DC, nullptr);
    DeleteObject(ellipse);
    DeleteObject(copy);

    // The window origin moves logical coordinates onto the device.
    c.Fill(0);
    SetWindowOrgEx(c.DC, 10, 20, nullptr);
    TRect r = Rect(10, 20, 12, 22);
    FillRect(c.DC, &r, white);
    EXPECT_EQ(c.Ink(), Rect(0, 0, 2, 2));
    EXPECT_EQ(GetPixel(c.DC, 11, 21), RGB(255, 255, 255));
    SetViewportOrgEx(c.DC, 5, 5, nullptr);
    c.Fill(0);
    FillRect(c.DC, &r, white);
    EXPECT_EQ(c.Ink(), Rect(5, 5, 7, 7));
    SetWindowOrgEx(c.DC, 0, 0, nullptr);
    SetViewportOrgEx(c.DC, 0, 0, nullptr);

    // MM_ANISOTROPIC scales each axis; points round to the nearest unit.
    SetMapMode(c.DC, MM_ANISOTROPIC);
    SetWindowExtEx(c.DC, 100, 100, nullptr);
    SetViewportExtEx(c.DC, 10, 20, nullptr);
    c.Fill(0);
    r = Rect(0, 0, 50, 50);
    FillRect(c.DC, &r, white);
    EXPECT_EQ(c.Ink(), Rect(0, 0, 5, 10));
    TPoint p[] = {{15, 15}, {-15, 24}};
    LPtoDP(c.DC, p, 2);
    EXPECT_EQ(p[0], Point(2, 3));
    EXPECT_EQ(p[1], Point(-2, 5));
    DPtoLP(c.DC, p, 1);
    EXPECT_EQ(p[0], Point(20, 15));
    EXPECT_FALSE(SetWindowExtEx(c.DC, 0, 5, nullptr));
    SetMapMode(c.DC, MM_ISOTROPIC);
    SetViewportExtEx(c.DC, 10, 20, nullptr);
    TSize ext;
    GetViewportExtEx(c.DC, &ext);
    EXPECT_EQ(ext.cx, 10);
    EXPECT_EQ(ext.cy, 10);  // the smaller scale on both axes
    SetMapMode(c.DC, MM_TEXT);
    p[0] = {15, 15};
    LPtoDP(c.DC, p, 1);
    EXPECT_EQ(p[0], Point(15, 15));
}

TEST(Drawing, WindowDCsDrawInTheirPartOfTheSurface)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 10;
    info.bmiHeader.biHeight = -10;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    // A child window at (4, 2), of which only (0, 0, 3, 3) is visible.
    TRegion visible(Rect(0, 0, 3, 3));
    HDC dc = CreateSurfaceDC(surface, Point(4, 2), &visible, TSize{1920, 1080});
    TRect r = Rect(-5, -5, 50, 50);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    auto at = [&](int x, int y) { return static_cast<uint32_t*>(bits)[y * 10 + x]; };
    EXPECT_EQ(at(4, 2), kWhitePixel);
    EXPECT_EQ(at(6, 4), kWhitePixel);
    EXPECT_EQ(at(7, 4), 0u);
    EXPECT_EQ(at(3, 2), 0u);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1920);
    // The window manager may drop the bitmap while the DC is out; the DC
    // keeps it until it is deleted.
    DeleteObject(surface);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
    DeleteDC(dc);
}

TEST(Drawing, EdgesAndFocusRectangles)
{
    TTestCanvas c(10, 8);
    c.Fill(0x00808080);
    TRect r = Rect(0, 0, 10, 8);
    DrawEdge(c.DC, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 8, 6));
    auto pixel = [](int sys) { return ColorToPixel(GetSysColor(sys)); };
    EXPECT_EQ(c.At(0, 0), pixel(COLOR_3DLIGHT));
    EXPECT_EQ(c.At(9, 0), pixel(COLOR_3DDKSHADOW));  // the shadow owns the corner
    EXPECT_EQ(c.At(0, 7), pixel(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(1, 1), pixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.At(8, 6), pixel(COLOR_BTNSHADOW));
    EXPECT_EQ(c.At(4, 4), pixel(COLOR_BTNFACE));
    r = Rect(0, 0, 10, 8);
    DrawEdge(c.DC, &r, BDR_SUNKENINNER, BF_TOP | BF_LEFT | BF_FLAT);
    EXPECT_EQ(c.At(0, 7), pixel(COLOR_BTNFACE));  // flat: the inner colour only
    EXPECT_EQ(r, Rect(0, 0, 10, 8));

    c.Fill(0x00102030);
    r = Rect(1, 1, 9, 7);
    DrawFocusRect(c.DC, &r);
    EXPECT_EQ(c.At(1, 1), 0x00EFDFCFu);
    EXPECT_EQ(c.At(2, 1), 0x00102030u);
    EXPECT_EQ(c.At(3, 1), 0x00EFDFCFu);
    EXPECT_EQ(c.At(4, 4), 0x00102030u);
    DrawFocusRect(c.DC, &r);
    EXPECT_EQ(c.Ink(0x102030), TRect{});
}
