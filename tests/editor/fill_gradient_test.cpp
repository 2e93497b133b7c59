#include "editor/view/fill_gradient.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace {

TEST(FillGradient, BandsStepFromColourToColour)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(600, 20, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    auto canvas = std::make_unique<TCanvas>();
    canvas->SetHandle(dc);
    auto row = [&](int y, int x0, int x1) {
        std::vector<TColor> colors;
        for (int x = x0; x < x1; ++x)
            colors.push_back(canvas->Pixels(x, y));
        return colors;
    };
    const TColor k = clBlack;
    const TColor w = clWhite;

    // One step still gives two bands, split at the middle.
    FillGradient(canvas.get(), clBlack, clWhite, true, Rect(0, 0, 10, 4), 1);
    EXPECT_EQ(row(0, 0, 11), (std::vector<TColor>{k, k, k, k, k, w, w, w, w, w, k}));
    EXPECT_EQ(row(3, 0, 10), row(0, 0, 10));
    EXPECT_EQ(canvas->Pixels(5, 4), k);

    // Vertical, three bands, edges rounded to the nearest pixel.
    const TColor mid = static_cast<TColor>(RGB(100, 50, 25));
    const TColor end = static_cast<TColor>(RGB(200, 100, 50));
    FillGradient(canvas.get(), clBlack, end, false, Rect(20, 5, 24, 15), 3);
    std::vector<TColor> column;
    for (int y = 4; y < 16; ++y)
        column.push_back(canvas->Pixels(21, y));
    EXPECT_EQ(column, (std::vector<TColor>{k, k, k, k, mid, mid, mid, mid, end, end, end, k}));
    EXPECT_EQ(row(10, 19, 25), (std::vector<TColor>{k, mid, mid, mid, mid, k}));

    // At most 256 bands: two pixels each over 512, falling components
    // rounded away from zero.
    FillGradient(canvas.get(), clWhite, clBlack, true, Rect(40, 0, 552, 2), 1000);
    const std::vector<TColor> ramp = row(1, 40, 552);
    EXPECT_EQ(ramp[1], w);
    EXPECT_EQ(ramp[2], static_cast<TColor>(RGB(254, 254, 254)));
    EXPECT_EQ(ramp[509], static_cast<TColor>(RGB(1, 1, 1)));
    EXPECT_EQ(ramp[510], k);

    // System colours are resolved.
    FillGradient(canvas.get(), clBtnFace, clBtnFace, true, Rect(0, 10, 6, 12), 4);
    EXPECT_EQ(row(11, 0, 6), std::vector<TColor>(6, static_cast<TColor>(GetSysColor(COLOR_BTNFACE))));

    canvas.reset();
    DeleteDC(dc);
    DeleteObject(bitmap);
}

}  // namespace
