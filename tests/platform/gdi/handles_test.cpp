#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "gdi_test_canvas.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"

TEST(Handles, StaleAndWrongHandlesFailSafely)
{
    int before = GdiObjectCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    ASSERT_TRUE(DeleteObject(brush));
    ASSERT_TRUE(DeleteObject(region));
    // The slots are reused by new objects; the old handles must not reach them.
    HBRUSH other = CreateSolidBrush(RGB(9, 9, 9));
    HRGN otherRegion = CreateRectRgn(0, 0, 1, 1);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), 0);
    EXPECT_EQ(GetObject(brush, 0, nullptr), 0);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_EQ(CombineRgn(region, otherRegion, otherRegion, RGN_OR), ERROR);
    EXPECT_EQ(GetObjectType(other), OBJ_BRUSH);
    // Made-up handles and handles of the wrong kind.
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(uintptr_t(0x7777)), other), nullptr);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(uintptr_t(0xFFFF00000003))), nullptr);
    EXPECT_FALSE(PtInRegion(reinterpret_cast<HRGN>(other), 0, 0));
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(other)), nullptr);
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(region), 0, 0), CLR_INVALID);
    EXPECT_FALSE(LineTo(nullptr, 1, 1));
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(other)));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    DeleteObject(other);
    DeleteObject(otherRegion);
    EXPECT_EQ(GdiObjectCount(), before);
}

// A DC whose owner is never freed (a control on a form that lives until
// the program ends) still holds an object whose deletion waits for it when
// the program exits; exit must not trip over either of them.
TEST(HandlesDeathTest, ADCStillHoldingADeletedObjectAtExitLetsTheProgramEnd)
{
    EXPECT_EXIT(
        {
            // Objects come and go before, as in any program.
            DeleteObject(CreateSolidBrush(RGB(0, 0, 0)));
            HDC dc = CreateCompatibleDC(nullptr);
            // The brush behind the DC in the table (a handle's low half is
            // its slot), so that it is still there when the DC lets go.
            auto slot = [](const void* Handle) { return reinterpret_cast<uintptr_t>(Handle) & 0xFFFFFFFFu; };
            HBRUSH brush;
            do
                brush = CreateSolidBrush(RGB(1, 2, 3));
            while (slot(brush) < slot(dc));
            SelectObject(dc, brush);
            DeleteObject(brush);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Handles, SelectionKeepsObjectsAliveAndSaveDCRestores)
{
    TTestCanvas canvas(8, 8);
    int before = GdiObjectCount();
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HPEN stock = static_cast<HPEN>(SelectObject(canvas.DC, pen));
    EXPECT_EQ(stock, GetStockObject(BLACK_PEN));
    // Deleting a selected pen is deferred: the DC keeps drawing with it,
    // but the handle is gone for everyone else.
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0);
    EXPECT_EQ(GetCurrentObject(canvas.DC, OBJ_PEN), pen);
    MoveToEx(canvas.DC, 0, 0, nullptr);
    LineTo(canvas.DC, 3, 0);
    EXPECT_EQ(canvas.At(1, 0), 0x00FF0000u);
    SelectObject(canvas.DC, stock);
    EXPECT_EQ(GdiObjectCount(), before);  // freed once let go of

    // A bitmap lives in one DC at a time.
    HDC second = CreateCompatibleDC(canvas.DC);
    EXPECT_EQ(SelectObject(second, canvas.Bitmap), nullptr);
    EXPECT_EQ(GetObjectType(GetCurrentObject(second, OBJ_BITMAP)), OBJ_BITMAP);
    BITMAP bm;
    ASSERT_EQ(GetObject(GetCurrentObject(second, OBJ_BITMAP), sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteDC(second);

    // SaveDC and RestoreDC, absolute and relative.
    SetTextColor(canvas.DC, RGB(1, 1, 1));
    EXPECT_EQ(SaveDC(canvas.DC), 1);
    SetTextColor(canvas.DC, RGB(2, 2, 2));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(canvas.DC, brush);
    IntersectClipRect(canvas.DC, 0, 0, 2, 2);
    EXPECT_EQ(SaveDC(canvas.DC), 2);
    SetTextColor(canvas.DC, RGB(3, 3, 3));
    EXPECT_EQ(SaveDC(canvas.DC), 3);
    EXPECT_TRUE(RestoreDC(canvas.DC, -1));
    EXPECT_EQ(GetTextColor(canvas.DC), RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(canvas.DC, 1));
    EXPECT_EQ(GetTextColor(canvas.DC), RGB(1, 1, 1));
    EXPECT_FALSE(RestoreDC(canvas.DC, 1));  // level 1 is used up
    EXPECT_FALSE(RestoreDC(canvas.DC, -1));
    EXPECT_EQ(GetCurrentObject(canvas.DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    TRect clip;
    GetClipBox(canvas.DC, &clip);
    EXPECT_EQ(clip, Rect(0, 0, 8, 8));
    DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(Handles, BitmapsDescribeThemselves)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 5;
    info.bmiHeader.biHeight = 3;  // bottom-up
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bits, nullptr);
    DIBSECTION ds;
    ASSERT_EQ(GetObject(dib, sizeof ds, &ds), int(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 16);  // 15 bytes padded to 4
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(ds.dsBmih.biHeight, 3);
    // Bottom-up: the first row in memory is the bottom row of the picture.
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, dib);
    SetPixel(dc, 0, 2, RGB(0x11, 0x22, 0x33));
    const uint8_t* p = static_cast<uint8_t*>(bits);
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 5);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    HBITMAP compatible = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP bm;
    GetObject(compatible, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 24);
    EXPECT_EQ(bm.bmBits, nullptr);
    EXPECT_EQ(GetObject(compatible, sizeof ds, &ds), int(sizeof(BITMAP)));  // not a DIB section
    DeleteDC(dc);
    DeleteObject(dib);
    DeleteObject(compatible);
    // Sizes that cannot be had are refused, not attempted.
    info.bmiHeader.biWidth = 1 << 30;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(CreateBitmap(-4, 4, 1, 32, nullptr), nullptr);
}
