#include "platform/ui/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/base/streams.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/png_codec.h"
#include "platform/gdi/resources.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/picture.h"
#include "tests/platform/base/temp_folder.h"
#include "tests/platform/gdi/image_files.h"
#include "tests/platform/ui/ui_test_pictures.h"

namespace {

std::string Content(TMemoryStream& Stream)
{
    return std::string(static_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size()));
}

uint32_t U32At(const std::string& S, size_t At)
{
    uint32_t v;
    std::memcpy(&v, S.data() + At, 4);
    return v;
}

}  // namespace

TEST(Bitmap, AssignResizeAndFormatChangesKeepThePixels)
{
    auto a = WhiteBitmap(3, 2);
    RawPixel(*a, 0, 0) = 0x80112233;
    RawPixel(*a, 2, 1) = 0x00445566;
    a->SetTransparentColor(clRed);
    TBitmap b;
    b.Assign(a.get());
    RawPixel(*a, 0, 0) = 0;
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.HandleType(), bmDIB);
    EXPECT_EQ(RawPixel(b, 0, 0), 0x80112233u);
    EXPECT_EQ(RawPixel(b, 2, 1), 0x00445566u);
    EXPECT_EQ(b.TransparentColor(), clRed);
    EXPECT_EQ(b.TransparentMode(), tmFixed);

    int changes = 0;
    b.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    b.SetSize(4, 3);
    EXPECT_EQ(RawPixel(b, 0, 0), 0x80112233u);
    EXPECT_EQ(RawPixel(b, 2, 1), 0x00445566u);
    EXPECT_EQ(RawPixel(b, 3, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(RawPixel(b, 0, 2) & 0xFFFFFF, 0xFFFFFFu);
    b.Canvas()->SetPixels(1, 0, clRed);  // drawing tells the bitmap's owner
    EXPECT_EQ(RawPixel(b, 1, 0), 0x00FF0000u);  // row 0 is the top row
    b.SetWidth(2);
    EXPECT_EQ(RawPixel(b, 0, 0), 0x80112233u);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(b.ScanLine(3), EInvalidGraphicOperation);
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
    EXPECT_THROW(b.SetSize(1 << 21, 1), EOutOfResources);
    EXPECT_EQ(b.Width(), 2);

    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), static_cast<TColor>(0x332211));
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clRed);
    b.SetPixelFormat(pf1bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(0, 2), clWhite);

    // A device bitmap becomes a 32-bit DIB when its rows are asked for.
    TBitmap device;
    device.SetSize(2, 2);
    EXPECT_EQ(device.HandleType(), bmDDB);
    device.Canvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(static_cast<uint32_t*>(device.ScanLine(1))[1] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(device.PixelFormat(), pf32bit);
    EXPECT_EQ(device.HandleType(), bmDIB);

    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
}

TEST(Bitmap, StreamsBmpFilesByteForByte)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(3, 2);
    bitmap.Canvas()->SetPixels(0, 0, static_cast<TColor>(0x030201));
    bitmap.Canvas()->SetPixels(2, 1, static_cast<TColor>(0x0C0B0A));
    TMemoryStream stream;
    bitmap.SaveToStream(&stream);
    std::string file = Content(stream);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(U32At(file, 2), 78u);
    EXPECT_EQ(U32At(file, 10), 54u);
    EXPECT_EQ(U32At(file, 18), 3u);
    EXPECT_EQ(U32At(file, 22), 2u);
    EXPECT_EQ(file[28], 24);
    // Bottom row first, B G R, rows padded to 4 bytes.
    EXPECT_EQ(file.substr(54, 12), std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x0C\x0B\x0A\0\0\0", 12));
    EXPECT_EQ(file.substr(66, 3), "\x03\x02\x01");

    TBitmap loaded;
    stream.SetPosition(0);
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.PixelFormat(), pf24bit);
    EXPECT_EQ(loaded.Width(), 3);
    EXPECT_EQ(loaded.Canvas()->Pixels(2, 1), static_cast<TColor>(0x0C0B0A));
    TMemoryStream again;
    loaded.SaveToStream(&again);
    EXPECT_EQ(Content(again), file);

    // 32 bits keep their fourth byte both ways.
    auto alpha = WhiteBitmap(1, 1);
    RawPixel(*alpha, 0, 0) = 0x80FF0000;
    TMemoryStream alphaStream;
    alpha->SaveToStream(&alphaStream);
    alphaStream.SetPosition(0);
    loaded.LoadFromStream(&alphaStream);
    EXPECT_EQ(loaded.PixelFormat(), pf32bit);
    EXPECT_EQ(RawPixel(loaded, 0, 0), 0x80FF0000u);

    // Broken data raises and leaves the bitmap as it was; nothing is
    // nothing both ways.
    TStringStream broken(file.substr(0, 60));
    EXPECT_THROW(loaded.LoadFromStream(&broken), EInvalidGraphic);
    TStringStream notBmp("GIF89a");
    EXPECT_THROW(loaded.LoadFromStream(&notBmp), EInvalidGraphic);
    EXPECT_EQ(RawPixel(loaded, 0, 0), 0x80FF0000u);
    TStringStream empty;
    loaded.LoadFromStream(&empty);
    EXPECT_TRUE(loaded.Empty());
    loaded.SaveToStream(&empty);
    EXPECT_EQ(empty.Size(), 0);

    // Resources compiled into the program load by name.
    static const std::string resource = file;
    static const TResourceEntry entries[] = {{"UiTestBitmap", reinterpret_cast<const uint8_t*>(resource.data()),
                                              reinterpret_cast<const uint8_t*>(resource.data() + resource.size())}};
    RegisterResources(entries);
    loaded.LoadFromResourceName("UITESTBITMAP");
    EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), static_cast<TColor>(0x030201));
    EXPECT_THROW(loaded.LoadFromResourceName("NoSuchBitmap"), EResNotFound);
}

// Every kind of BMP file loads into the same bits the decoder reads from
// it, whichever way the loader takes: rows in either order, padded rows,
// the short header, alpha kept, and a fourth byte that is 0 everywhere
// read as opaque.
TEST(Bitmap, LoadsEveryBmpKindAsTheDecoderReadsIt)
{
    auto rows = [](int Width, int Height, int Bpp, uint32_t Alpha) {
        std::vector<std::vector<uint32_t>> r(static_cast<size_t>(Height));
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                uint32_t rgb = uint32_t(x * 37 + y * 11) << 16 | uint32_t(x * 5 + y * 90) << 8 | uint32_t(x + y * 7);
                if (Bpp == 32)
                    rgb = (rgb & 0xFFFFFF) | (Alpha == 0x100 ? uint32_t(x * 50 + y) << 24 : Alpha << 24);
                else if (Bpp == 8)
                    rgb = uint32_t(x + y) % 3;
                r[size_t(y)].push_back(rgb & (Bpp == 24 ? 0xFFFFFF : 0xFFFFFFFF));
            }
        return PackBmpRows(r, Bpp);
    };
    const uint32_t kMixedAlpha = 0x100;
    const std::vector<uint32_t> standard = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const TBmpSpec specs[] = {
        {.Width = 1, .Height = 3, .Pixels = rows(1, 3, 24, 0)},
        {.Width = 3, .Height = 2, .Pixels = rows(3, 2, 24, 0)},
        {.Width = 5, .Height = 4, .Pixels = rows(5, 4, 24, 0)},
        {.Width = 6, .Height = -3, .Pixels = rows(6, 3, 24, 0)},
        {.HeaderSize = 12, .Width = 7, .Height = 2, .Pixels = rows(7, 2, 24, 0)},
        {.Width = 4, .Height = 3, .BitsPerPixel = 32, .Pixels = rows(4, 3, 32, 0)},
        {.Width = 3, .Height = -2, .BitsPerPixel = 32, .Pixels = rows(3, 2, 32, kMixedAlpha)},
        {.HeaderSize = 108, .Width = 2, .Height = 2, .BitsPerPixel = 32, .Compression = BI_BITFIELDS,
         .Masks = standard, .Pixels = rows(2, 2, 32, 0x7F)},
        {.Width = 2, .Height = 2, .BitsPerPixel = 32, .Compression = BI_BITFIELDS,
         .Masks = {0xFF0000, 0xFF00, 0xFF}, .Pixels = rows(2, 2, 32, 0x7F)},
        {.Width = 5, .Height = 2, .BitsPerPixel = 8, .ColorsUsed = 3, .Palette = {0x102030, 0x405060, 0x708090},
         .Pixels = rows(5, 2, 8, 0)},
    };
    for (const TBmpSpec& spec : specs) {
        const Bytes file = BuildBmp(spec);
        SCOPED_TRACE(testing::Message() << spec.Width << "x" << spec.Height << " " << spec.BitsPerPixel << " bits");
        const TRasterImage expected = ReadBmp(file);
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(9, 9);
        TStringStream stream(std::string(file.begin(), file.end()));
        bitmap.LoadFromStream(&stream);
        ASSERT_EQ(bitmap.Width(), expected.Width);
        ASSERT_EQ(bitmap.Height(), expected.Height);
        const bool wide = spec.BitsPerPixel == 32;
        EXPECT_EQ(bitmap.PixelFormat(), wide ? pf32bit : pf24bit);
        for (int y = 0; y < expected.Height; ++y)
            for (int x = 0; x < expected.Width; ++x) {
                const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
                const uint32_t want = expected.Row(y)[x];
                const uint32_t got = wide ? RawPixel(bitmap, x, y) : row[x * 3] | row[x * 3 + 1] << 8 | row[x * 3 + 2] << 16;
                EXPECT_EQ(got, wide ? want : want & 0xFFFFFF) << x << "," << y;
            }
    }
}

TEST(Icon, ReadsMaskedAndAlphaIconsAndWritesThirtyTwoBits)
{
    // A 2 x 2 24-bit icon whose AND mask hides the top-right pixel.
    std::string ico("\0\0\1\0\1\0\2\2\0\0\1\0\x18\0", 14);
    auto put32 = [&](uint32_t v) { ico.append(reinterpret_cast<const char*>(&v), 4); };
    put32(40 + 16 + 8);
    put32(22);
    put32(40);
    put32(2);
    put32(4);
    ico += std::string("\1\0\x18\0", 4);
    for (int i = 0; i < 6; ++i)
        put32(0);
    ico += std::string("\x01\x02\x03\x04\x05\x06\0\0", 8);  // bottom row
    ico += std::string("\x07\x08\x09\x0A\x0B\x0C\0\0", 8);  // top row
    ico += std::string("\0\0\0\0\x40\0\0\0", 8);            // mask: bottom, top
    TIcon icon;
    TStringStream in(ico);
    icon.LoadFromStream(&in);
    ASSERT_EQ(icon.Width(), 2);
    EXPECT_EQ(icon.Image().Row(0)[0], 0xFF090807u);
    EXPECT_EQ(icon.Image().Row(0)[1], 0u);
    EXPECT_EQ(icon.Image().Row(1)[1], 0xFF060504u);
    EXPECT_THROW(icon.SetWidth(16), EInvalidGraphicOperation);

    TMemoryStream out;
    icon.SaveToStream(&out);
    TIcon again;
    out.SetPosition(0);
    again.LoadFromStream(&out);
    EXPECT_EQ(again.Image().Pixels, icon.Image().Pixels);

    // Blended onto a canvas, with straight alpha.
    TRasterImage half = TRasterImage::Sized(1, 1);
    half.Pixels[0] = 0x80FF0000;
    icon.AssignImage(half);
    auto target = WhiteBitmap(2, 1);
    target->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(RawPixel(*target, 0, 0) & 0xFFFFFF, 0xFF7F7Fu);
    EXPECT_EQ(RawPixel(*target, 1, 0) & 0xFFFFFF, 0xFFFFFFu);

    for (std::string hostile : {ico.substr(0, 20), std::string("\0\0\1\0\xFF\xFF", 6),
                                ico.substr(0, 18) + std::string("\xFF\xFF\0\0", 4) + ico.substr(22)}) {
        TStringStream bad(hostile);
        EXPECT_THROW(again.LoadFromStream(&bad), EInvalidGraphic);
    }
}

class PictureFiles : public TempFolderTest {};

TEST_F(PictureFiles, LoadByExtensionAndKeepTheOldPictureOnFailure)
{
    auto bitmap = WhiteBitmap(2, 1);
    bitmap->SaveToFile(Folder() + "a.bmp");
    TRasterImage image = TRasterImage::Sized(1, 1);
    image.Pixels[0] = 0x40102030;
    image.HasAlpha = true;
    std::vector<uint8_t> png = WritePng(image);
    WriteBytes(Folder() + "b.PNG", std::string(png.begin(), png.end()));
    TIcon icon;
    icon.AssignImage(image);
    icon.SaveToFile(Folder() + "c.ico");

    TPicture picture;
    int changes = 0;
    picture.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    picture.LoadFromFile(Folder() + "a.bmp");
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 2);
    picture.LoadFromFile(Folder() + "b.PNG");
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Bitmap()->PixelFormat(), pf32bit);
    EXPECT_EQ(RawPixel(*picture.Bitmap(), 0, 0), 0x40102030u);
    picture.LoadFromFile(Folder() + "c.ico");
    ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Icon()->Image().Pixels[0], 0x40102030u);
    EXPECT_EQ(changes, 3);

    try {
        picture.LoadFromFile(Folder() + "d.gif");
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.gif)");
    }
    WriteBytes(Folder() + "e.bmp", "BM broken");
    EXPECT_THROW(picture.LoadFromFile(Folder() + "e.bmp"), EInvalidGraphic);
    EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);

    // A picture holds its own copy; asking for a bitmap replaces an icon.
    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Icon()->Image().Pixels, picture.Icon()->Image().Pixels);
    EXPECT_TRUE(copy.Bitmap()->Empty());
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}
