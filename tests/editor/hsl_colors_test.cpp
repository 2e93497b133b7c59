#include "editor/document/hsl_colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct Hsl {
    int H, S, L;
    friend bool operator==(const Hsl&, const Hsl&) = default;
};

Hsl ToHsl(TColor c)
{
    Hsl v{};
    RGBToHSL(c, v.H, v.S, v.L);
    return v;
}

int HueDistance(int a, int b)
{
    int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

TEST(HslColors, KnownColours)
{
    EXPECT_EQ(ToHsl(clRed), (Hsl{0, 100, 50}));
    EXPECT_EQ(ToHsl(clLime), (Hsl{120, 100, 50}));
    EXPECT_EQ(ToHsl(clBlue), (Hsl{240, 100, 50}));
    EXPECT_EQ(ToHsl(clWhite), (Hsl{0, 0, 100}));
    EXPECT_EQ(ToHsl(clGray), (Hsl{0, 0, 50}));
    EXPECT_EQ(ToHsl(clNavy), (Hsl{240, 100, 25}));
    // Red with a trace of blue is hue 0, never 360.
    EXPECT_EQ(ToHsl(static_cast<TColor>(RGB(255, 0, 1))).H, 0);
    // System colours are resolved before the conversion.
    ASSERT_NE(ColorToRGB(clHighlight), clHighlight);
    EXPECT_EQ(ToHsl(clHighlight), ToHsl(ColorToRGB(clHighlight)));
    EXPECT_NE(ToHsl(clHighlight), ToHsl(static_cast<TColor>(COLOR_HIGHLIGHT)));

    EXPECT_EQ(HSLToRGB(0, 100, 50), clRed);
    EXPECT_EQ(HSLToRGB(120, 100, 50), clLime);
    EXPECT_EQ(HSLToRGB(300, 100, 50), clFuchsia);
    EXPECT_EQ(HSLToRGB(77, 0, 100), clWhite);
    EXPECT_EQ(HSLToRGB(77, 0, 20), static_cast<TColor>(RGB(51, 51, 51)));
}

TEST(HslColors, ChannelsAreClampedOutsideTheRange)
{
    // Out-of-range inputs push channels past 0..255; each is held at its
    // bound instead of wrapping into a wrong colour.
    EXPECT_EQ(HSLToRGB(400, 100, 50), clRed);
    EXPECT_EQ(HSLToRGB(0, 100, 150), clWhite);
    EXPECT_EQ(HSLToRGB(200, 150, 50), static_cast<TColor>(RGB(0, 192, 255)));
    EXPECT_EQ(HSLToRGB(10, 0, 200), clWhite);
    for (int h = 0; h < 360; h += 7) {
        for (int s = 0; s <= 100; s += 5) {
            EXPECT_EQ(HSLToRGB(h, s, 130), clWhite) << h << ' ' << s;
            EXPECT_EQ(HSLToRGB(h, s, -30), clBlack) << h << ' ' << s;
        }
    }
}

TEST(HslColors, RoundTrips)
{
    // Every HSL input: lightness 0 is black, 100 is white, and converting back
    // keeps the lightness within one step and, for clear colours, the hue
    // within two degrees.
    for (int h = 0; h < 360; ++h) {
        for (int s = 0; s <= 100; ++s) {
            for (int l = 0; l <= 100; ++l) {
                TColor c = HSLToRGB(h, s, l);
                Hsl back = ToHsl(c);
                ASSERT_LE(std::abs(back.L - l), 1) << h << ' ' << s << ' ' << l;
                if (s >= 20 && l >= 20 && l <= 80) {
                    ASSERT_LE(HueDistance(back.H, h), 2) << h << ' ' << s << ' ' << l;
                }
                if (l == 0 || l == 100) {
                    ASSERT_EQ(c, l == 0 ? clBlack : clWhite) << h << ' ' << s;
                }
            }
        }
    }
    // Every seventh RGB value comes back within a few steps per channel.
    for (int r = 0; r < 256; r += 7) {
        for (int g = 0; g < 256; g += 7) {
            for (int b = 0; b < 256; b += 7) {
                Hsl v = ToHsl(static_cast<TColor>(RGB(r, g, b)));
                ASSERT_TRUE(v.H >= 0 && v.H < 360 && v.S >= 0 && v.S <= 100 && v.L >= 0 && v.L <= 100);
                COLORREF back = static_cast<COLORREF>(HSLToRGB(v.H, v.S, v.L));
                ASSERT_LE(std::abs(GetRValue(back) - r), 6) << r << ' ' << g << ' ' << b;
                ASSERT_LE(std::abs(GetGValue(back) - g), 6) << r << ' ' << g << ' ' << b;
                ASSERT_LE(std::abs(GetBValue(back) - b), 6) << r << ' ' << g << ' ' << b;
            }
        }
    }
}

}  // namespace
