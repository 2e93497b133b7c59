// The frame's small form icon and the centring of a form on its monitor.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_backend.h"
#include "skin/form/bs_form_icon.h"
#include "skin/form/bs_form_position.h"
#include "tests/skin/form/frame_test_support.h"

namespace {

using FormIconAndPosition = FrameTest;

// The pixels of Icon's picture.
std::vector<uint32_t> Pixels(HICON Icon)
{
    const TRasterImage* image = IconImage(Icon);
    return image ? image->Pixels : std::vector<uint32_t>{};
}

// Icon's picture as the frame's copy of it would be: 16 x 16.
std::vector<uint32_t> SmallPixels(HICON Icon)
{
    HICON small = CopyImage(Icon, IMAGE_ICON, 16, 16, 0);
    std::vector<uint32_t> pixels = Pixels(small);
    DestroyIcon(small);
    return pixels;
}

TEST_F(FormIconAndPosition, TheIconComesFromTheFormTheApplicationOrTheSystem)
{
    auto form = std::make_unique<TForm>(nullptr);
    HICON generic = LoadIcon(nullptr, IDI_APPLICATION);
    HICON hand = LoadIcon(nullptr, IDI_HAND);
    HICON question = LoadIcon(nullptr, IDI_QUESTION);

    // Neither the form nor the application has one: the system's generic
    // program icon, small, made once and kept.
    {
        TbsFormIcon icon;
        HICON made = icon.GetIcon(form.get());
        ASSERT_NE(made, nullptr);
        EXPECT_NE(made, generic);
        EXPECT_EQ(IconImage(made)->Width, 16);
        EXPECT_EQ(Pixels(made), SmallPixels(generic));
        form->Icon()->SetHandle(hand);
        EXPECT_EQ(icon.GetIcon(form.get()), made);
        // The generic icon is shared and survives the copy.
        EXPECT_NE(IconImage(generic), nullptr);
    }
    // The form's own icon comes first.
    TbsFormIcon own;
    EXPECT_EQ(Pixels(own.GetIcon(form.get())), SmallPixels(hand));
    // Without one, the application's.
    TIcon appIcon;
    appIcon.SetHandle(question);
    Application->SetIcon(&appIcon);
    form->Icon()->SetHandle(nullptr);
    TbsFormIcon fallback;
    EXPECT_EQ(Pixels(fallback.GetIcon(form.get())), SmallPixels(question));
    Application->SetIcon(nullptr);

    // Drawn at its own size at (X, Y).
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(40, 40);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 40, 40));
    own.DrawFormIcon(target.Canvas(), 10, 5, form.get());
    EXPECT_NE(target.Canvas()->Pixels(18, 13), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(27, 13), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(18, 22), clLime);
}

TEST_F(FormIconAndPosition, CentringHalvesTheMonitorAndTheFormApart)
{
    THeadlessBackend* backend = HeadlessBackend();
    ASSERT_NE(backend, nullptr);
    TRect screen = backend->ScreenRect();
    TRect work = backend->WorkArea();
    backend->SetScreenSize(1024, 768);
    backend->SetWorkArea(Rect(30, 20, 1000, 741));

    // 1024 div 2 - 201 div 2 = 412 (not (1024 - 201) div 2 = 411).
    EXPECT_EQ(CalcPositionInMonitor(bspScreenCenter, nullptr, TPoint{5, 6}, 201, 101), (TPoint{412, 334}));
    // The work area: 30 + 970 div 2 - 100, 20 + 721 div 2 - 50.
    EXPECT_EQ(CalcPositionInMonitor(bspDesktopCenter, nullptr, TPoint{5, 6}, 201, 101), (TPoint{415, 330}));
    // A form larger than the monitor goes above and left of it.
    EXPECT_EQ(CalcPositionInMonitor(bspScreenCenter, nullptr, TPoint{5, 6}, 1101, 800), (TPoint{-38, -16}));
    EXPECT_EQ(CalcPositionInMonitor(bspDefault, nullptr, TPoint{5, 6}, 201, 101), (TPoint{5, 6}));

    backend->SetScreenSize(screen.Width(), screen.Height());
    backend->SetWorkArea(work);
}

}  // namespace
