#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/png_codec.h"
#include "platform/win/layered_window.h"
#include "platform/win/window_attributes.h"
#include "paint_test_support.h"

namespace {

constexpr COLORREF LayeredWhite = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

using TLayeredWindowTest = TPaintTest;

// Black over white at alpha 128: (0 * 128 + 255 * 127) / 255 = 127 exactly;
// red keeps its 255 and takes 127 in green and blue.
TEST_F(TLayeredWindowTest, ConstantAlphaAndColourKeyComposeOverWhatLiesBelow)
{
    Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200), nullptr, LayeredWhite);
    HWND layered = Make(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), nullptr, Black, WS_EX_LAYERED);
    lowerFill_[layered] = Red;
    Pump();
    // Not shown until it has its look.
    EXPECT_EQ(ScreenPixel(60, 60), LayeredWhite);
    EXPECT_FALSE(GetLayeredWindowAttributes(layered, nullptr, nullptr, nullptr));

    EXPECT_TRUE(SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA));
    EXPECT_EQ(ScreenPixel(60, 60), RGB(127, 127, 127));
    EXPECT_EQ(ScreenPixel(60, 140), RGB(255, 127, 127));
    EXPECT_EQ(ScreenPixel(10, 10), LayeredWhite);
    EXPECT_EQ(ScreenPixel(250, 250), GetSysColor(COLOR_DESKTOP));
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(layered, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, DWORD{LWA_ALPHA});
    TSize size{10, 10};
    EXPECT_FALSE(UpdateLayeredWindow(layered, nullptr, nullptr, &size, nullptr, nullptr, 0, nullptr, ULW_OPAQUE));

    EXPECT_TRUE(SetLayeredWindowAttributes(layered, Red, 0, LWA_COLORKEY));
    EXPECT_EQ(ScreenPixel(60, 60), Black);
    EXPECT_EQ(ScreenPixel(60, 140), LayeredWhite);

    // Moving uncovers what lay below; losing WS_EX_LAYERED shows it plainly.
    SetWindowPos(layered, nullptr, 120, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(ScreenPixel(60, 60), LayeredWhite);
    EXPECT_EQ(ScreenPixel(130, 130), Black);
    EXPECT_EQ(ScreenPixel(130, 190), LayeredWhite);
    SetWindowLong(layered, GWL_EXSTYLE, 0);
    EXPECT_EQ(ScreenPixel(130, 190), Red);
}

// Premultiplied pixels over white: half-covering red (A 128, R 128) gives
// 128 + 127 in red and 127 elsewhere; half black gives 127 everywhere.
TEST_F(TLayeredWindowTest, UpdateLayeredWindowBlendsItsPicturePixelByPixel)
{
    Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, LayeredWhite);
    HWND layered = Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10), nullptr, Black, WS_EX_LAYERED);
    Pump();
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(picture, nullptr);
    const uint32_t pixels[4] = {0x80800000, 0x00000000, 0xFF0000FF, 0x80000000};
    std::copy(pixels, pixels + 4, static_cast<uint32_t*>(bits));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, picture);

    TPoint at{20, 30}, from{0, 0};
    TSize size{4, 1};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(UpdateLayeredWindow(layered, nullptr, &at, &size, source, &from, 0, &blend, ULW_ALPHA));
    TRect r;
    GetWindowRect(layered, &r);
    EXPECT_EQ(r, Bounds(20, 30, 4, 1));
    EXPECT_EQ(ScreenPixel(20, 30), RGB(255, 127, 127));
    EXPECT_EQ(ScreenPixel(21, 30), LayeredWhite);
    EXPECT_EQ(ScreenPixel(22, 30), RGB(0, 0, 255));
    EXPECT_EQ(ScreenPixel(23, 30), RGB(127, 127, 127));

    // A new constant alpha needs no new picture: blue at 128 is 128 + 127.
    blend.SourceConstantAlpha = 128;
    EXPECT_TRUE(UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(ScreenPixel(22, 30), RGB(127, 127, 255));
    // A colour-keyed opaque picture leaves out its key.
    EXPECT_TRUE(UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, nullptr, nullptr, RGB(0, 0, 255), nullptr,
                                    ULW_COLORKEY));
    EXPECT_EQ(ScreenPixel(22, 30), LayeredWhite);
    EXPECT_EQ(ScreenPixel(20, 30), RGB(128, 0, 0));

    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(picture);
}

TEST_F(TLayeredWindowTest, TheScreenAndAWindowSaveAsPng)
{
    HWND w = Make(WS_POPUP | WS_VISIBLE, Bounds(5, 5, 20, 10), nullptr, Red);
    Pump();
    auto folder = std::filesystem::temp_directory_path() / "tandril_w2_png";
    std::filesystem::create_directories(folder);
    auto read = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return ReadPng(bytes);
    };
    ASSERT_TRUE(SaveScreenPng((folder / "screen.png").string()));
    TRasterImage screen = read(folder / "screen.png");
    EXPECT_EQ(screen.Pixels, ComposeScreen().Pixels);
    ASSERT_TRUE(SaveWindowPng(w, (folder / "window.png").string()));
    TRasterImage window = read(folder / "window.png");
    EXPECT_EQ(window.Width, 20);
    EXPECT_EQ(window.Height, 10);
    EXPECT_EQ(window.Row(9)[19], 0xFFFF0000u);
    std::filesystem::remove_all(folder);
}

}  // namespace
