#include <gtest/gtest.h>

#include <vector>

#include "gdi_test_canvas.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/pen_brush.h"

namespace {

// The alpha byte an operation gives from source alpha CC and destination
// alpha AA, the pattern's alpha being 0.
uint32_t AlphaOf(uint8_t code)
{
    uint32_t r = 0;
    for (int bit = 0; bit < 8; ++bit) {
        int s = (0xCC >> bit) & 1, d = (0xAA >> bit) & 1;
        r |= ((code >> (s * 2 + d)) & 1u) << bit;
    }
    return r;
}

}  // namespace

TEST(Blit, EveryRasterOperationOnKnownPixels)
{
    // With pattern bytes F0, source bytes CC and destination bytes AA each
    // colour byte of the result is the operation's own code byte.
    TTestCanvas dst(1, 1), src(1, 1);
    src.At(0, 0) = 0xCCCCCCCC;
    HBRUSH pattern = CreateSolidBrush(RGB(0xF0, 0xF0, 0xF0));
    SelectObject(dst.DC, pattern);
    const uint32_t rops[] = {SRCCOPY,   SRCPAINT, SRCAND,   SRCINVERT, SRCERASE,  NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
                             MERGEPAINT, PATCOPY, PATPAINT, PATINVERT, DSTINVERT, BLACKNESS,  WHITENESS,   0x00E20746};
    for (uint32_t rop : rops) {
        uint8_t code = Rop3Code(rop);
        dst.At(0, 0) = 0xAAAAAAAA;
        ASSERT_TRUE(BitBlt(dst.DC, 0, 0, 1, 1, src.DC, 0, 0, rop));
        uint32_t got = dst.At(0, 0);
        EXPECT_EQ(got & 0x00FFFFFF, code * 0x010101u) << std::hex << rop;
        // Alpha follows the bits when the source is read (the pattern's
        // alpha is 0), and is 0 for fills.
        uint32_t alpha = got >> 24;
        EXPECT_EQ(alpha, Rop3UsesSource(code) ? AlphaOf(code) : 0u) << std::hex << rop;
    }
    dst.At(0, 0) = 0x11223344;
    EXPECT_TRUE(PatBlt(dst.DC, 0, 0, 1, 1, DSTINVERT));
    EXPECT_EQ(dst.At(0, 0), 0x00DDCCBBu);
    EXPECT_FALSE(PatBlt(dst.DC, 0, 0, 1, 1, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.DC, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    SelectObject(dst.DC, GetStockObject(WHITE_BRUSH));
    DeleteObject(pattern);
}

TEST(Blit, StretchingPicksNearestPixelsAndMirrors)
{
    TTestCanvas src(4, 2), dst(8, 4);
    for (int x = 0; x < 4; ++x) {
        src.At(x, 0) = 0x10 + x;
        src.At(x, 1) = 0x20 + x;
    }
    SetStretchBltMode(dst.DC, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.DC, 0, 0, 8, 4, src.DC, 0, 0, 4, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(dst.At(x, y), uint32_t((y < 2 ? 0x10 : 0x20) + x / 2)) << x << "," << y;
    // Shrinking by two takes the pixel under each centre: columns 1 and 3.
    dst.Fill(0);
    StretchBlt(dst.DC, 0, 0, 2, 1, src.DC, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), 0x11u);
    EXPECT_EQ(dst.At(1, 0), 0x13u);
    // A negative destination width mirrors, counting back from X.
    StretchBlt(dst.DC, 3, 1, -4, 1, src.DC, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.At(3, 1), 0x10u);
    EXPECT_EQ(dst.At(0, 1), 0x13u);
    // Other stretch modes combine what a shrink drops.
    src.At(0, 0) = 0x00F0F000;
    src.At(1, 0) = 0x000F0F0F;
    SetStretchBltMode(dst.DC, WHITEONBLACK);
    StretchBlt(dst.DC, 0, 2, 1, 1, src.DC, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 2), 0x00FFFF0Fu);
    SetStretchBltMode(dst.DC, BLACKONWHITE);
    StretchBlt(dst.DC, 0, 2, 1, 1, src.DC, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 2), 0x00000000u);
    SetStretchBltMode(dst.DC, HALFTONE);
    StretchBlt(dst.DC, 0, 2, 1, 1, src.DC, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 2), 0x00808008u);  // (F0 + 0F) / 2 = 7F.8 rounds up
    // A piece from the middle of the source, stretched and shrunk, takes
    // its own columns and not those at the source's left edge.
    SetStretchBltMode(dst.DC, COLORONCOLOR);
    StretchBlt(dst.DC, 0, 3, 4, 1, src.DC, 2, 1, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 3), 0x22u);
    EXPECT_EQ(dst.At(3, 3), 0x23u);
    src.At(2, 1) = 0x00F0F000;
    src.At(3, 1) = 0x000F0F0F;
    SetStretchBltMode(dst.DC, WHITEONBLACK);
    StretchBlt(dst.DC, 0, 3, 1, 1, src.DC, 2, 1, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 3), 0x00FFFF0Fu);
    // A source reaching past its bitmap draws only what exists.
    dst.Fill(0xEE);
    BitBlt(dst.DC, 0, 0, 6, 1, src.DC, 2, 0, SRCCOPY);
    EXPECT_EQ(dst.At(1, 0), 0x13u);
    EXPECT_EQ(dst.At(2, 0), 0xEEu);
}

TEST(Blit, OverlappingCopiesWithinOneBitmap)
{
    TTestCanvas c(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            c.At(x, y) = y * 6 + x;
    // Scrolling down and right by one reads each pixel before it is overwritten.
    BitBlt(c.DC, 1, 1, 5, 5, c.DC, 0, 0, SRCCOPY);
    for (int y = 1; y < 6; ++y)
        for (int x = 1; x < 6; ++x)
            ASSERT_EQ(c.At(x, y), uint32_t((y - 1) * 6 + x - 1));
    BitBlt(c.DC, 0, 0, 5, 5, c.DC, 1, 1, SRCCOPY);
    EXPECT_EQ(c.At(0, 0), 0u);
    EXPECT_EQ(c.At(4, 4), 28u);
}

TEST(Blit, MonochromeAndColourMeetThroughTheDCColours)
{
    // A 1-bit mask: bit 1 is white, bit 0 black.
    const uint8_t rows[] = {0xA0, 0, 0x50, 0};  // 1010 / 0101, rows padded to 2 bytes
    HBITMAP mask = CreateBitmap(4, 2, 1, 1, rows);
    HDC maskDC = CreateCompatibleDC(nullptr);
    SelectObject(maskDC, mask);
    TTestCanvas colour(4, 2);
    SetTextColor(colour.DC, RGB(255, 0, 0));
    SetBkColor(colour.DC, RGB(0, 0, 255));
    BitBlt(colour.DC, 0, 0, 4, 2, maskDC, 0, 0, SRCCOPY);
    EXPECT_EQ(colour.At(0, 0), 0x000000FFu);  // bit 1: background colour
    EXPECT_EQ(colour.At(1, 0), 0x00FF0000u);  // bit 0: text colour
    EXPECT_EQ(colour.At(1, 1), 0x000000FFu);
    // Colour to mono: the source DC's background colour becomes white.
    SetBkColor(colour.DC, RGB(255, 0, 0));
    BitBlt(maskDC, 0, 0, 4, 2, colour.DC, 0, 0, SRCCOPY);
    uint8_t back[4] = {};
    ASSERT_EQ(GetBitmapBits(mask, 4, back), 4);
    EXPECT_EQ(back[0] & 0xF0, 0x50);
    EXPECT_EQ(back[2] & 0xF0, 0xA0);
    // The classic masked draw: AND with the mask, then paint the image.
    TTestCanvas scene(4, 1);
    scene.Fill(0x00336699);
    SetTextColor(scene.DC, RGB(0, 0, 0));
    SetBkColor(scene.DC, RGB(255, 255, 255));
    BitBlt(scene.DC, 0, 0, 4, 1, maskDC, 0, 0, SRCAND);
    EXPECT_EQ(scene.At(0, 0), 0u);
    EXPECT_EQ(scene.At(1, 0), 0x00336699u);
    // A pattern brush from the mask repeats from the brush origin.
    HBRUSH brush = CreatePatternBrush(mask);
    SelectObject(scene.DC, brush);
    SetBrushOrgEx(scene.DC, 1, 0, nullptr);
    PatBlt(scene.DC, 0, 0, 4, 1, PATCOPY);
    EXPECT_EQ(scene.At(0, 0), 0x00FFFFFFu);  // pattern column 3 of row 0 (0101 after the mask was rewritten)
    EXPECT_EQ(scene.At(1, 0), 0u);
    SelectObject(scene.DC, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    DeleteDC(maskDC);
    DeleteObject(mask);
}

TEST(Blit, AlphaBlendRoundsExactly)
{
    auto div255 = [](uint32_t x) { return (2 * x + 255) / 510; };  // x / 255 to nearest
    TTestCanvas src(16, 16), dst(16, 16);
    for (int i = 0; i < 256; ++i) {
        uint32_t a = i, c = (i * 7) % (a + 1);  // premultiplied: colour <= alpha
        src.At(i % 16, i / 16) = (a << 24) | (c << 16) | ((a / 2) << 8) | 0;
        dst.At(i % 16, i / 16) = 0xFF000000u | ((255 - i) << 16) | (i << 8) | 0xC8;
    }
    std::vector<uint32_t> before(256), source(256);
    for (int i = 0; i < 256; ++i) {
        before[i] = dst.At(i % 16, i / 16);
        source[i] = src.At(i % 16, i / 16);
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(dst.DC, 0, 0, 16, 16, src.DC, 0, 0, 16, 16, blend));
    for (int i = 0; i < 256; ++i) {
        uint32_t s = source[i], d = before[i], a = s >> 24, want = 0;
        for (int k = 0; k < 32; k += 8)
            want |= std::min(255u, ((s >> k) & 0xFF) + div255(((d >> k) & 0xFF) * (255 - a))) << k;
        ASSERT_EQ(dst.At(i % 16, i / 16), want) << i;
    }
    // Constant alpha alone mixes every channel, alpha included.
    src.At(0, 0) = 0xFFFFFFFF;
    dst.At(0, 0) = 0;
    src.At(1, 0) = 0;
    dst.At(1, 0) = 0xFFFFFFFF;
    blend = {AC_SRC_OVER, 0, 128, 0};
    AlphaBlend(dst.DC, 0, 0, 2, 1, src.DC, 0, 0, 2, 1, blend);
    EXPECT_EQ(dst.At(0, 0), 0x80808080u);
    EXPECT_EQ(dst.At(1, 0), 0x7F7F7F7Fu);
    // Both: the source is scaled by the constant first.
    src.At(0, 0) = 0x80406080;
    dst.At(0, 0) = 0xFF0000FF;
    blend = {AC_SRC_OVER, 0, 100, AC_SRC_ALPHA};
    AlphaBlend(dst.DC, 0, 0, 1, 1, src.DC, 0, 0, 1, 1, blend);
    uint32_t sa = div255(0x80 * 100);
    EXPECT_EQ(dst.At(0, 0) >> 24, sa + div255(255 * (255 - sa)));
    EXPECT_EQ(dst.At(0, 0) & 0xFF, div255(0x80 * 100) + div255(255 * (255 - sa)));
    // Refused: a source outside its bitmap, negative sizes, overlap.
    EXPECT_FALSE(AlphaBlend(dst.DC, 0, 0, 4, 4, src.DC, 14, 0, 4, 4, blend));
    EXPECT_FALSE(AlphaBlend(dst.DC, 0, 0, -4, 4, src.DC, 0, 0, 4, 4, blend));
    EXPECT_FALSE(AlphaBlend(dst.DC, 0, 0, 4, 4, dst.DC, 2, 2, 4, 4, blend));
}

TEST(Blit, TransparentBltSkipsTheKeyColour)
{
    TTestCanvas src(3, 1), dst(6, 2);
    src.At(0, 0) = 0x007F007F;
    src.At(1, 0) = 0xFF7F007F;  // the alpha byte does not take part
    src.At(2, 0) = 0x00123456;
    dst.Fill(0x00AAAAAA);
    ASSERT_TRUE(TransparentBlt(dst.DC, 0, 0, 6, 2, src.DC, 0, 0, 3, 1, RGB(0x7F, 0, 0x7F)));
    EXPECT_EQ(dst.At(0, 0), 0x00AAAAAAu);
    EXPECT_EQ(dst.At(3, 1), 0x00AAAAAAu);
    EXPECT_EQ(dst.At(4, 0), 0x00123456u);
    EXPECT_EQ(dst.At(5, 1), 0x00123456u);
    EXPECT_FALSE(TransparentBlt(dst.DC, 0, 0, -6, 2, src.DC, 0, 0, 3, 1, 0));
}

TEST(Blit, DibRowsInAndOut)
{
    TTestCanvas c(3, 2);
    c.At(0, 0) = 0x80010203;
    c.At(2, 1) = 0x00040506;
    // Bottom-up 24-bit rows: scan 0 is the bottom row, rows padded to 12 bytes.
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biBitCount = 24;
    std::vector<uint8_t> rows(24, 0xEE);
    ASSERT_EQ(GetDIBits(c.DC, c.Bitmap, 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(std::vector<uint8_t>(rows.begin() + 6, rows.begin() + 9), (std::vector<uint8_t>{6, 5, 4}));
    EXPECT_EQ(std::vector<uint8_t>(rows.begin() + 12, rows.begin() + 15), (std::vector<uint8_t>{3, 2, 1}));
    // 32-bit top-down rows keep alpha both ways.
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(6);
    ASSERT_EQ(GetDIBits(c.DC, c.Bitmap, 0, 2, pixels.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(pixels[0], 0x80010203u);
    pixels[1] = 0x7F00FF00;
    ASSERT_EQ(SetDIBits(c.DC, c.Bitmap, 0, 2, pixels.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(c.At(1, 0), 0x7F00FF00u);
    // Asking with no bits reports the bitmap's format.
    BITMAPINFO query{};
    EXPECT_EQ(GetDIBits(c.DC, c.Bitmap, 0, 0, nullptr, &query, DIB_RGB_COLORS), 2);
    EXPECT_EQ(query.bmiHeader.biBitCount, 32);
    EXPECT_EQ(query.bmiHeader.biSizeImage, 24u);
    // SetDIBitsToDevice: SrcY counts from the bottom of a bottom-up DIB.
    TTestCanvas dst(4, 4);
    info.bmiHeader.biHeight = 2;
    uint32_t bottomUp[6] = {1, 2, 3, 4, 5, 6};  // bottom row 1 2 3, top row 4 5 6
    ASSERT_EQ(SetDIBitsToDevice(dst.DC, 1, 1, 2, 1, 1, 1, 0, 2, bottomUp, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(dst.At(1, 1), 5u);
    EXPECT_EQ(dst.At(2, 1), 6u);
    EXPECT_EQ(dst.At(3, 1), 0u);
    EXPECT_EQ(dst.At(1, 2), 0u);
}
