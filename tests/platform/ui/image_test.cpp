// Pictures in images and paint boxes, and the standard icon handles.

#include "platform/ui/widgets/image.h"

#include "form_test_support.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/widgets/paint_box.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/win/headless_screen.h"

namespace {

class TImageTest : public TFormTest {};

TEST_F(TImageTest, StandardIconsAreSharedPicturesWithClearCorners)
{
    const char* const names[] = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
    for (const char* name : names) {
        HICON icon = LoadIcon(nullptr, name);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIcon(nullptr, name), icon);
        const TRasterImage* image = IconImage(icon);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Width, 32);
        EXPECT_EQ(image->Height, 32);
        EXPECT_TRUE(image->HasAlpha);
        // Drawn inside the square: the corners are clear, the middle solid.
        EXPECT_EQ(image->Row(0)[0] >> 24, 0u);
        EXPECT_EQ(image->Row(31)[31] >> 24, 0u);
        EXPECT_EQ(image->Row(16)[16] >> 24, 255u);
        EXPECT_TRUE(DestroyIcon(icon));
        EXPECT_EQ(LoadIcon(nullptr, name), icon);  // shared: still there
    }
    EXPECT_EQ(IDI_ERROR, IDI_HAND);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, "IDI_HAND"), nullptr);
    EXPECT_EQ(IconImage(nullptr), nullptr);
    EXPECT_FALSE(DestroyIcon(nullptr));

    // DrawIconEx blends it over what is there, stretched when asked.
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(40, 40);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 40, 40));
    HDC dc = target.Canvas()->Handle();
    EXPECT_TRUE(DrawIconEx(dc, 4, 4, LoadIcon(nullptr, IDI_HAND), 16, 16, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(0, 255, 0));   // a clear corner
    EXPECT_NE(GetPixel(dc, 12, 12), RGB(0, 255, 0));  // the disc
    EXPECT_EQ(GetPixel(dc, 24, 24), RGB(0, 255, 0));  // past the 16 x 16
    EXPECT_FALSE(DrawIcon(dc, 0, 0, nullptr));
}

TEST_F(TImageTest, ImagesPlaceTheirPictureAndPaintBoxesCallOnPaint)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* host = new TPanel(&form);
    host->SetBevelOuter(bvNone);
    host->SetColor(clWhite);
    host->SetBounds(0, 0, 200, 100);
    host->SetParent(&form);
    TBitmap picture;
    picture.SetSize(10, 10);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(Rect(0, 0, 10, 10));
    picture.Canvas()->SetPixels(0, 9, clBlue);  // the bottom-left: the clear colour

    auto* image = new TImage(&form);
    image->SetBounds(10, 10, 40, 40);
    image->Picture()->SetGraphic(&picture);
    image->SetParent(host);
    auto* box = new TPaintBox(&form);
    box->SetBounds(100, 10, 40, 40);
    box->SetParent(host);
    int paints = 0;
    box->OnPaint = TNotifyEvent::FromCallable([&](TObject*) {
        ++paints;
        box->Canvas()->Brush()->SetColor(clNavy);
        box->Canvas()->FillRect(Rect(5, 5, 15, 15));
    });
    form.Show();
    Process();
    auto pixel = [&](int X, int Y) { return WindowImage(host->Handle()).Row(Y)[X] & 0xFFFFFF; };
    constexpr uint32_t Red = 0xFF0000, White = 0xFFFFFF, Blue = 0x0000FF, Navy = 0x000080;
    // At the top-left, its own size.
    EXPECT_EQ(pixel(10, 10), Red);
    EXPECT_EQ(pixel(10, 19), Blue);
    EXPECT_EQ(pixel(20, 20), White);
    // Centred.
    image->SetCenter(true);
    Process();
    EXPECT_EQ(pixel(10, 10), White);
    EXPECT_EQ(pixel(25, 25), Red);
    // Stretched over the whole control.
    image->SetStretch(true);
    Process();
    EXPECT_EQ(pixel(10, 10), Red);
    EXPECT_EQ(pixel(49, 40), Red);
    // Transparent: the bottom-left colour lets the parent show.
    image->SetTransparent(true);
    Process();
    EXPECT_EQ(pixel(11, 48), White);
    EXPECT_EQ(pixel(30, 30), Red);
    // AutoSize takes the picture's size.
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 10);
    EXPECT_EQ(image->Height(), 10);
    // An icon picture.
    image->Picture()->Icon()->SetHandle(LoadIcon(nullptr, IDI_QUESTION));
    EXPECT_EQ(image->Width(), 32);

    EXPECT_GE(paints, 1);
    EXPECT_EQ(pixel(110, 20), Navy);
    EXPECT_EQ(pixel(100, 10), White);
}

}  // namespace
