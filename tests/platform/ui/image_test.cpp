// Pictures in images and paint boxes, and the standard icon handles.

#include "platform/ui/widgets/image.h"

#include <cstdlib>

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
#include "platform/ui/kernel/application.h"
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

TEST_F(TImageTest, IconCopiesAreOwnedSmallPicturesFreedByDestroyIcon)
{
    // The small copy of the generic program icon a frame's system-menu
    // button shows: 16 x 16, its own handle, each pixel the mean of the
    // 2 x 2 pixels of the original it covers.
    HICON generic = LoadIcon(nullptr, IDI_APPLICATION);
    HICON small = CopyImage(generic, IMAGE_ICON, 16, 16, LR_COPYFROMRESOURCE);
    ASSERT_NE(small, nullptr);
    EXPECT_NE(small, generic);
    const TRasterImage* big = IconImage(generic);
    const TRasterImage* copy = IconImage(small);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Width, 16);
    ASSERT_EQ(copy->Height, 16);
    EXPECT_TRUE(copy->HasAlpha);
    int off = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint32_t alpha = 0;
            for (int d = 0; d < 4; ++d)
                alpha += big->Row(2 * y + d / 2)[2 * x + d % 2] >> 24;
            if (std::abs(int((copy->Row(y)[x] >> 24)) - int((alpha + 2) / 4)) > 0)
                ++off;
        }
    EXPECT_EQ(off, 0);
    // A checker of clear and opaque red pixels halves to a half-clear red:
    // the clear pixels weigh nothing in the colour.
    TRasterImage checker = TRasterImage::Sized(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.Row(y)[x] = (x + y) % 2 ? 0x00000000u : 0xFFFF0000u;
    HICON made = CreateIconFromImage(checker);
    HICON halved = CopyImage(made, IMAGE_ICON, 2, 2, 0);
    EXPECT_EQ(IconImage(halved)->Pixels, (std::vector<uint32_t>(4, 0x80FF0000u)));
    EXPECT_TRUE(DestroyIcon(made));
    EXPECT_TRUE(DestroyIcon(halved));
    EXPECT_EQ(CreateIconFromImage(TRasterImage{}), nullptr);
    // Drawn at its own size.
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(40, 40);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 40, 40));
    HDC dc = target.Canvas()->Handle();
    EXPECT_TRUE(DrawIconEx(dc, 2, 2, small, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_NE(GetPixel(dc, 10, 10), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 19, 19), RGB(0, 255, 0));
    // A copy at the same size is a copy still; other image types are not
    // icons; a copy is freed once, the standard icon stays.
    HICON same = CopyImage(small, IMAGE_ICON, 0, 0, 0);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(IconImage(same)->Pixels, copy->Pixels);
    EXPECT_EQ(CopyImage(generic, IMAGE_BITMAP, 16, 16, 0), nullptr);
    EXPECT_EQ(CopyImage(nullptr, IMAGE_ICON, 16, 16, 0), nullptr);
    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_EQ(IconImage(small), nullptr);
    EXPECT_FALSE(DestroyIcon(small));
    EXPECT_TRUE(DestroyIcon(same));
    EXPECT_NE(IconImage(generic), nullptr);

    // A TIcon's handle shows its picture and follows it; the application's
    // icon starts empty and takes a copy.
    TIcon icon;
    EXPECT_EQ(icon.Handle(), nullptr);
    icon.SetHandle(generic);
    HICON handle = icon.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(icon.Handle(), handle);
    EXPECT_EQ(IconImage(handle)->Pixels, big->Pixels);
    icon.SetHandle(LoadIcon(nullptr, IDI_HAND));
    EXPECT_EQ(IconImage(icon.Handle())->Pixels, IconImage(LoadIcon(nullptr, IDI_HAND))->Pixels);
    EXPECT_TRUE(Application->Icon()->Empty());
    Application->SetIcon(&icon);
    EXPECT_EQ(Application->Icon()->Image().Pixels, icon.Image().Pixels);
    Application->SetIcon(nullptr);
    EXPECT_TRUE(Application->Icon()->Empty());
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
