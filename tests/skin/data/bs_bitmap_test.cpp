#include "skin/data/bs_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gdi/mapping.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/picture.h"
#include "skin/data/bs_blit_tables.h"
#include "skin/data/bs_pixel_rows.h"
#include "tests/skin/data/png_fuzz_entry.h"
#include "tests/support/test_data.h"

namespace {

uint32_t At(const TbsBitmap& B, int X, int Y) { return *B.PixelPtr(X, Y); }
std::vector<uint32_t> All(const TbsBitmap& B) { return {B.Bits(), B.Bits() + B.Width() * B.Height()}; }
void Set(TbsBitmap& B, const std::vector<uint32_t>& Pixels) { std::copy(Pixels.begin(), Pixels.end(), B.Bits()); }

void Fill(TbsBitmap& B, int W, int H, uint32_t Pixel)
{
    B.SetSize(W, H);
    B.FillRect(Rect(0, 0, W, H), Pixel);
}

// A class-library bitmap of 24 or 32 bits, every pixel Pixel.
std::unique_ptr<TBitmap> LibraryBitmap(TPixelFormat Format, int W, int H, uint32_t Pixel)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(Format);
    b->SetSize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            std::memcpy(static_cast<uint8_t*>(b->ScanLine(y)) + x * (Format == pf32bit ? 4 : 3), &Pixel,
                        Format == pf32bit ? 4 : 3);
    return b;
}

uint32_t Pixel32(TBitmap& B, int X, int Y) { return static_cast<const uint32_t*>(B.ScanLine(Y))[X]; }

uint32_t Blended(uint32_t Src, uint32_t Dst)
{
    RowRoutines().BlendRow(&Src, &Dst, 1);
    return Dst;
}

}  // namespace

TEST(TbsBitmap, SizesClampAndFailuresLeaveItEmpty)
{
    TbsBitmap b;
    EXPECT_TRUE(b.IsEmpty());
    b.SetSize(-10, 5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(At(b, 9, 4), 0u);
    EXPECT_EQ(FindBitmapByDC(b.DC()), &b);
    b.SetPixel(9, 4, 0x12345678);
    b.SetPixel(10, 4, 1);
    b.AlphaBlendFlag = true;
    b.SetSize(0, 5);
    b.SetSize(10, -5);
    EXPECT_EQ(At(b, 9, 4), 0x12345678u);
    b.SetSize(3, 4);
    EXPECT_EQ(All(b), std::vector<uint32_t>(12, 0));
    EXPECT_TRUE(b.AlphaBlendFlag);

    // A size the platform refuses leaves an empty bitmap that drawing and
    // pixel work pass over.
    HDC oldDC = b.DC();
    try {
        b.SetSize(INT_MIN, 2);
        ADD_FAILURE() << "no exception";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(FindBitmapByDC(oldDC), nullptr);
    EXPECT_EQ(FindBitmapByDC(nullptr), nullptr);
    TbsBitmap source;
    Fill(source, 2, 2, 0x80FFFFFF);
    source.AlphaBlendFlag = true;
    source.DrawToBitmap(&b, 0, 0);
    b.FillRect(Rect(0, 0, 5, 5), 1);
    b.SetTransparentColor(0);
    b.Premultiply();
    b.DrawToBitmap(&source, 0, 0);
    EXPECT_EQ(At(source, 1, 1), 0x80FFFFFFu);
    {
        TbsBitmap scoped;
        scoped.SetSize(1, 1);
        oldDC = scoped.DC();
    }
    EXPECT_EQ(FindBitmapByDC(oldDC), nullptr);
}

TEST(TbsBitmap, PixelOperations)
{
    // Magenta key: 5 away in every byte matches whatever the alpha, 6 away
    // in one byte does not.
    TbsBitmap b;
    b.SetSize(4, 1);
    Set(b, {0x00FA05FA, 0xFFF900FF, 0x80FF00FF, 0xFF101010});
    b.SetTransparentColor(0x00FF00FF);
    EXPECT_TRUE(b.TransparentFlag);
    EXPECT_EQ(All(b), (std::vector<uint32_t>{kKeyPixel, 0xFFF900FF, kKeyPixel, 0xFF101010}));
    b.SetTransparentColor(0);
    EXPECT_FALSE(b.TransparentFlag);

    b.SetAlpha(0x1FF);
    b.CheckSemiTransparent();
    EXPECT_FALSE(b.AlphaBlendFlag);
    *b.PixelPtr(3, 0) = 0x01101010;
    b.CheckSemiTransparent();
    EXPECT_TRUE(b.AlphaBlendFlag);

    // Premultiplying rounds C * A / 255 to nearest; clamping lowers colours
    // to the alpha.
    Set(b, {0x80FF0100, 0x01FF8064, 0x00FFFFFF, 0x40FF3F41});
    b.Premultiply();
    EXPECT_EQ(All(b), (std::vector<uint32_t>{0x80800100, 0x01010100, 0, 0x40401010}));
    *b.PixelPtr(3, 0) = 0x40FF3F41;
    b.ClampColorsToAlpha();
    EXPECT_EQ(At(b, 3, 0), 0x40403F40u);

    // Filling clips to the bitmap; with AlphaBlendFlag the colour blends by
    // its own alpha.
    TbsBitmap f;
    Fill(f, 3, 2, 0xFF000000);
    f.FillRect(Rect(-5, 1, 2, 10), 0x11223344);
    f.AlphaBlendFlag = true;
    f.FillRect(Rect(2, 0, 9, 1), 0x80FFFFFF);
    f.FillRect(Rect(0, 0, 1, 1), 0x00FFFFFF);
    EXPECT_EQ(All(f), (std::vector<uint32_t>{0xFF000000, 0xFF000000, Blended(0x80FFFFFF, 0xFF000000), 0x11223344,
                                            0x11223344, 0xFF000000}));
    EXPECT_EQ(ColorToOpaquePixel(0x00123456), 0xFF563412u);
}

TEST(TbsBitmap, DrawsOntoContextsAndHonoursWindowOrigins)
{
    TbsBitmap red;
    Fill(red, 2, 2, 0xFFFF0000);
    // Into a TbsBitmap's context with window origin (10, 20): 10 left and 20
    // up of the logical position.
    TbsBitmap target;
    Fill(target, 40, 40, 0xFF000000);
    SetWindowOrgEx(target.DC(), 10, 20, nullptr);
    red.Draw(target.DC(), 30, 40);
    red.DrawRect(target.DC(), 10, 20, Rect(1, 0, 2, 1));
    EXPECT_EQ(At(target, 20, 20), 0xFFFF0000u);
    EXPECT_EQ(At(target, 21, 21), 0xFFFF0000u);
    EXPECT_EQ(At(target, 22, 22), 0xFF000000u);
    EXPECT_EQ(At(target, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(At(target, 1, 0), 0xFF000000u);

    // Onto other contexts: copied, or blended through a temporary bitmap.
    auto screen = LibraryBitmap(pf32bit, 4, 4, 0xFF0000FF);
    red.DrawToCanvas(screen->Canvas(), 1, 1);
    EXPECT_EQ(Pixel32(*screen, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(Pixel32(*screen, 3, 3), 0xFF0000FFu);
    TbsBitmap glass;
    Fill(glass, 1, 1, 0x80FFFFFF);
    glass.AlphaBlendFlag = true;
    glass.Draw(screen->Canvas()->Handle(), 0, 0);
    EXPECT_EQ(Pixel32(*screen, 0, 0), Blended(0x80FFFFFF, 0xFF0000FF));
    BlendToDC(screen->Canvas()->Handle(), 0, 0, 0, 5, &glass, 0, 0, 1, 1);

    // Keyed: TransparentBlt and the temporary bitmap leave out the same pixels.
    TbsBitmap keyed;
    keyed.SetSize(2, 1);
    *keyed.PixelPtr(0, 0) = 0xFF00FF00;
    *keyed.PixelPtr(1, 0) = kKeyPixel;
    keyed.TransparentFlag = true;
    for (TbsToDCProc draw : {BlitRoutines().TransparentToDC, &TransparentBltToDC, &BlendToDC}) {
        auto under = LibraryBitmap(pf32bit, 2, 1, 0xFF0000FF);
        draw(under->Canvas()->Handle(), 0, 0, 2, 1, &keyed, 0, 0, 2, 1);
        EXPECT_EQ(Pixel32(*under, 0, 0) & kPixelColorBits, 0x00FF00u);
        EXPECT_EQ(Pixel32(*under, 1, 0), 0xFF0000FFu);
    }

    // The canvas follows the bitmap to each new context.
    TbsBitmap painted;
    TCanvas* canvas = painted.GetCanvas();
    painted.SetSize(2, 2);
    painted.SetSize(3, 3);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 2, 3, 3));
    EXPECT_EQ(At(painted, 2, 2) & kPixelColorBits, 0xFF0000u);
}

TEST(TbsBitmap, AssignsFromAndToClassLibraryPictures)
{
    // 24 bits come in opaque, the blend flag left as it was; 32 bits keep
    // their alpha and semi-transparency is noticed, except inside a picture.
    TbsBitmap b;
    b.AlphaBlendFlag = true;
    b.Assign(LibraryBitmap(pf24bit, 3, 2, 0x00102030).get());
    EXPECT_EQ(All(b), std::vector<uint32_t>(6, 0xFF102030));
    EXPECT_TRUE(b.AlphaBlendFlag);
    auto argb = LibraryBitmap(pf32bit, 2, 2, 0x80102030);
    b.AlphaBlendFlag = false;
    b.Assign(argb.get());
    EXPECT_EQ(All(b), std::vector<uint32_t>(4, 0x80102030));
    EXPECT_TRUE(b.AlphaBlendFlag);
    TPicture picture;
    picture.SetGraphic(argb.get());
    b.Assign(&picture);
    EXPECT_EQ(All(b), std::vector<uint32_t>(4, 0xFF102030));

    TbsBitmap copy;
    b.Name = "button";
    b.TransparentFlag = true;
    copy.Assign(&b);
    EXPECT_EQ(copy.Name, "button");
    EXPECT_TRUE(copy.TransparentFlag && copy.AlphaBlendFlag);
    EXPECT_EQ(All(copy), All(b));

    // Out to a bitmap: 32 bits, drawn over what the target holds.
    TbsBitmap glass;
    Fill(glass, 2, 1, 0x80FF0000);
    glass.AlphaBlendFlag = true;
    auto target = LibraryBitmap(pf24bit, 2, 1, 0x000000FF);
    target->Assign(&glass);
    EXPECT_EQ(target->PixelFormat(), pf32bit);
    EXPECT_EQ(Pixel32(*target, 1, 0) & kPixelColorBits, Blended(0x80FF0000, 0x000000FF) & kPixelColorBits);

    // A drawn graphic changes only the pixels it paints, magenta counting
    // as unpainted.
    auto green = LibraryBitmap(pf24bit, 2, 1, 0x0000FF00);
    std::memset(static_cast<uint8_t*>(green->ScanLine(0)) + 3, 0xFF, 3);
    static_cast<uint8_t*>(green->ScanLine(0))[4] = 0;
    b.AlphaBlendFlag = false;
    Fill(b, 3, 1, 0x11111111);
    b.DrawGraphic(green.get(), Rect(1, 0, 3, 1));
    EXPECT_EQ(At(b, 0, 0), 0x11111111u);
    EXPECT_EQ(At(b, 1, 0) & kPixelColorBits, 0x00FF00u);
    EXPECT_EQ(At(b, 2, 0), 0x11111111u);

    // A mask gives alpha by its brightness and colours no higher than it;
    // where a smaller mask does not reach, the picture is cut away.
    auto mask = LibraryBitmap(pf24bit, 2, 2, 0x00FFFFFF);
    std::memset(mask->ScanLine(0), 0, 3);
    std::memcpy(mask->ScanLine(1), "\x30\x30\x30\x0A\x14\x1E", 6);
    MaskAndPictureToBitmap(LibraryBitmap(pf24bit, 3, 2, 0x00808080).get(), mask.get(), &b);
    EXPECT_EQ(All(b), (std::vector<uint32_t>{0, 0xFF808080, 0, 0x30303030, 0x14141414, 0}));
}

TEST(TbsBitmap, DecodesPngAndRefusesBrokenFiles)
{
    TRasterImage image = TRasterImage::Sized(3, 2);
    image.Pixels = {0x80FF0000, 0xFF00FF00, 0x000000FF, 0xFFFFFFFF, 0x40102030, 0xFF7F007F};
    image.HasAlpha = true;
    std::vector<uint8_t> png = WritePng(image);
    TbsBitmap b;
    PngToBitmap(&b, ReadPng(png));
    EXPECT_EQ(All(b), image.Pixels);
    EXPECT_TRUE(b.AlphaBlendFlag);
    image.Pixels = {0xFF000000, 0, 0, 0, 0, 0xFFFFFFFF};
    PngToBitmap(&b, ReadPng(WritePng(image)));
    EXPECT_FALSE(b.AlphaBlendFlag);

    int refused = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/png_corpus"))) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        int result = 1;
        EXPECT_NO_THROW(result = FuzzPngToBitmap(bytes.data(), bytes.size())) << entry.path();
        refused += result == 0;
    }
    EXPECT_GE(refused, 8);
    // Every cut and a flipped byte at every place of a good file.
    for (size_t i = 0; i < png.size(); ++i) {
        EXPECT_NO_THROW(FuzzPngToBitmap(png.data(), i)) << i;
        std::vector<uint8_t> mutated = png;
        mutated[i] ^= static_cast<uint8_t>(0x5A + i);
        EXPECT_NO_THROW(FuzzPngToBitmap(mutated.data(), mutated.size())) << i;
    }
}
