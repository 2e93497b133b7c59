#include "editor/view/syn_internal_images.h"

#include <gtest/gtest.h>

#include <memory>

#include "editor/view/syn_glyph.h"
#include "editor/view/syn_text_background.h"
#include "platform/base/exceptions.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"

namespace {

// A canvas of W x H filled with Fill.
std::unique_ptr<TBitmap> Surface(int W, int H, TColor Fill)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(W, H);
    bitmap->Canvas()->Brush()->SetColor(Fill);
    bitmap->Canvas()->FillRect(Rect(0, 0, W, H));
    return bitmap;
}

TEST(SynInternalImages, BookmarkStripIsSharedAndDrawsOpaquely)
{
    auto first = std::make_unique<TSynInternalImage>("SynTextInternalImages", 10);
    EXPECT_EQ(first->Count(), 10);
    EXPECT_EQ(first->Width(), 12);
    EXPECT_EQ(first->Height(), 16);
    EXPECT_EQ(first->Bitmap()->Width(), 120);
    // The name is found without regard to case, and the bitmap is shared.
    TSynInternalImage second("syntextinternalimages", 10);
    EXPECT_EQ(second.Bitmap(), first->Bitmap());
    first.reset();
    EXPECT_EQ(second.Bitmap()->Width(), 120);

    // Bookmark 1 on a line 20 high is centred: its top row (the gutter's
    // face colour) at y 2, its border at y 3, its digit's ink below.
    auto out = Surface(40, 20, clBlack);
    TCanvas* canvas = out->Canvas();
    second.DrawMark(canvas, 1, 5, 0, 20);
    EXPECT_EQ(canvas->Pixels(5, 1), clBlack);
    EXPECT_EQ(canvas->Pixels(5, 2), 0x00F0F0F0);
    EXPECT_EQ(canvas->Pixels(6, 3), 0x00000080);
    EXPECT_EQ(canvas->Pixels(5 + 5, 2 + 3), 0x00800000);  // the top of the "1"
    EXPECT_EQ(canvas->Pixels(5 + 12, 10), clBlack);
    // Numbers outside the strip draw nothing.
    second.DrawMark(canvas, 10, 20, 0, 20);
    second.DrawMark(canvas, -1, 20, 0, 20);
    EXPECT_EQ(canvas->Pixels(25, 10), clBlack);

    EXPECT_THROW(TSynInternalImage("NoSuchPicture", 10), EResNotFound);
}

TEST(SynInternalImages, GlyphDrawsTransparentlyAndPrefersTheUsersBitmap)
{
    TSynGlyph wrapped("SynTextWrapped", clLime);
    EXPECT_EQ(wrapped.Width(), 12);
    // The lime background is keyed out onto the brush colour; the arrow shows.
    auto out = Surface(20, 12, clWhite);
    out->Canvas()->Brush()->SetColor(clBlue);
    wrapped.Draw(out->Canvas(), 0, 0, 12);
    EXPECT_EQ(out->Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(out->Canvas()->Pixels(10, 1), 0x00000080);
    EXPECT_EQ(out->Canvas()->Pixels(15, 5), clWhite);

    // A user's bitmap taller than the line shows its middle rows.
    int changes = 0;
    wrapped.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    auto picture = Surface(3, 10, clRed);
    picture->Canvas()->SetPixels(0, 4, clGreen);
    wrapped.SetGlyph(picture.get());
    EXPECT_GE(changes, 1);
    EXPECT_EQ(wrapped.Width(), 3);
    auto line = Surface(5, 4, clWhite);
    wrapped.Draw(line->Canvas(), 1, 0, 2);
    EXPECT_EQ(line->Canvas()->Pixels(1, 0), clGreen);
    EXPECT_EQ(line->Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(line->Canvas()->Pixels(1, 2), clWhite);

    TSynGlyph copy;
    copy.Assign(&wrapped);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.MaskColor(), clNone);
}

TEST(SynInternalImages, BackgroundTilesByRepeatMode)
{
    TSynTextBackground background;
    EXPECT_FALSE(background.Visible());
    EXPECT_EQ(background.RepeatMode(), brmNone);
    EXPECT_TRUE(background.Background()->Empty());

    // A 4 x 3 picture whose pixel (x, y) is RGB(x, y, 1).
    auto picture = std::make_unique<TBitmap>();
    picture->SetSize(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            picture->Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(x, y, 1)));
    int changes = 0;
    background.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    background.SetBackground(picture.get());
    background.SetRepeatMode(brmAll);
    background.SetRepeatMode(brmAll);
    EXPECT_EQ(changes, 2);

    auto source = [](int x, int y) { return static_cast<TColor>(RGB(x, y, 1)); };
    auto out = Surface(20, 20, clBlack);
    TCanvas* canvas = out->Canvas();
    // Tiled both ways from source (5, 4), which lies at (1, 1) of the picture.
    background.PaintBackground(canvas, Rect(5, 4, 15, 11), clWhite, Rect(2, 2, 12, 9));
    EXPECT_EQ(canvas->Pixels(2, 2), source(1, 1));
    EXPECT_EQ(canvas->Pixels(5, 2), source(0, 1));
    EXPECT_EQ(canvas->Pixels(2, 4), source(1, 0));
    EXPECT_EQ(canvas->Pixels(11, 8), source(2, 1));
    EXPECT_EQ(canvas->Pixels(12, 9), clBlack);

    // Once only: the rest of the destination takes the colour.
    background.SetRepeatMode(brmNone);
    background.PaintBackground(canvas, Rect(1, 1, 11, 8), clWhite, Rect(2, 2, 12, 9));
    EXPECT_EQ(canvas->Pixels(2, 2), source(1, 1));
    EXPECT_EQ(canvas->Pixels(4, 3), source(3, 2));
    EXPECT_EQ(canvas->Pixels(5, 3), clWhite);
    EXPECT_EQ(canvas->Pixels(2, 4), clWhite);

    // Side by side along the band of rows the source names.
    background.SetRepeatMode(brmVert);
    background.PaintBackground(canvas, Rect(6, 1, 16, 3), clWhite, Rect(0, 10, 10, 14));
    EXPECT_EQ(canvas->Pixels(0, 10), source(2, 1));
    EXPECT_EQ(canvas->Pixels(2, 11), source(0, 2));
    EXPECT_EQ(canvas->Pixels(9, 10), source(3, 1));
    EXPECT_EQ(canvas->Pixels(0, 12), clWhite);
    // A band outside the picture leaves only the colour.
    background.PaintBackground(canvas, Rect(0, 5, 10, 7), clWhite, Rect(0, 10, 10, 14));
    EXPECT_EQ(canvas->Pixels(0, 10), clWhite);

    // Stacked down the band of columns.
    background.SetRepeatMode(brmHori);
    background.PaintBackground(canvas, Rect(3, 2, 4, 12), clWhite, Rect(15, 0, 17, 10));
    EXPECT_EQ(canvas->Pixels(15, 0), source(3, 2));
    EXPECT_EQ(canvas->Pixels(15, 1), source(3, 0));
    EXPECT_EQ(canvas->Pixels(15, 9), source(3, 2));
    EXPECT_EQ(canvas->Pixels(16, 0), clWhite);

    TSynTextBackground copy;
    copy.Assign(&background);
    EXPECT_EQ(copy.RepeatMode(), brmHori);
    EXPECT_EQ(copy.Background()->Width(), 4);
}

}  // namespace
