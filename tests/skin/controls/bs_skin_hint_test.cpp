// The skinned hint: lines split by the separator without cutting GBK
// characters, the delayed hint below the cursor and its timer's life, the
// place near the work area's edge, the plain and skinned looks with a
// title and an image, the fade, the cursor's margin and the one active
// component of the main form.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/layered_window.h"
#include "platform/win/system_metrics.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/controls/bs_skin_hint.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/skin/controls/test_menu_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

TEST(SkinHintText, TheSeparatorSplitsLinesByWholeCharacters)
{
    EXPECT_EQ(SplitHintLines("a@b", "@"), "a\n\rb");
    // 這 is DF 40: its trail byte is the separator.
    EXPECT_EQ(SplitHintLines("\xDF\x40@\xD5\x66", "@"), "\xDF\x40\n\r\xD5\x66");
    EXPECT_EQ(SplitHintLines("one||two||", "||"), "one\n\rtwo\n\r");
    EXPECT_EQ(SplitHintLines("a@b", ""), "a@b");
    EXPECT_EQ(SplitHintLines("", "@"), "");
}

class TSkinHintTest : public SkinMenuTest {
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        hint_ = std::make_unique<TbsSkinHint>(nullptr);
        hint_->DefaultFont()->SetName(kTestFontName);
        hint_->DefaultFont()->SetHeight(16);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
    void TearDown() override
    {
        hint_.reset();
        SkinMenuTest::TearDown();
    }
    TbsSkinHintWindow* HintWindow() const { return hint_->HintWindow(); }
    void ShowAt(TPoint Cursor, const AnsiString& Text)
    {
        InjectMouseMove(Cursor);
        PumpMessages();
        hint_->ActivateHintDelayed(Text);
        Wait(Application->HintPause);
    }
    TRasterImage Picture() { return WindowImage(HintWindow()->Handle()); }

    std::unique_ptr<TbsSkinHint> hint_;
};

TEST_F(TSkinHintTest, ADelayedHintShowsItsLinesBelowTheCursorThenHides)
{
    ShowAt(TPoint{300, 200}, "a@b");
    ASSERT_TRUE(HintWindow()->Visible());
    EXPECT_EQ(HintWindow()->Caption(), "a\n\rb");
    EXPECT_EQ(HintWindow()->Left(), 300);
    EXPECT_EQ(HintWindow()->Top(), 200 + 20);  // the arrow reaches 20 rows below its hot spot
    EXPECT_EQ(HintWindow()->Height(), 2 * 16 + 4);
    EXPECT_EQ(HintWindow()->Width(), 8 + 4);
    // Hidden after the hide pause, the timer freed inside its own tick.
    Wait(Application->HintHidePause);
    EXPECT_FALSE(HintWindow()->Visible());
    Wait(1000);
    EXPECT_FALSE(HintWindow()->Visible());
}

TEST_F(TSkinHintTest, HidingAPendingHintStopsItAndANewOneReplacesIt)
{
    InjectMouseMove(TPoint{300, 200});
    hint_->ActivateHintDelayed("first");
    Wait(100);
    hint_->HideHint();
    Wait(Application->HintPause + 100);
    EXPECT_FALSE(HintWindow()->Visible());
    hint_->HideHint();  // nothing shows: nothing happens

    hint_->ActivateHintDelayed("first");
    Wait(100);
    hint_->ActivateHintDelayed("second");
    Wait(Application->HintPause - 10);
    EXPECT_FALSE(HintWindow()->Visible());
    Wait(20);
    EXPECT_TRUE(HintWindow()->Visible());
    EXPECT_EQ(HintWindow()->Caption(), "second");
}

TEST_F(TSkinHintTest, NearTheRightEdgeTheHintOpensLeftOfThePoint)
{
    ShowAt(TPoint{1275, 200}, "\xD6\xD0\xCE\xC4");  // 中文
    int w = HintWindow()->Width();
    EXPECT_EQ(w, 4 * 8 + 4);
    EXPECT_EQ(HintWindow()->Left(), 1275 - (w + 2));
    // And above it near the bottom.
    hint_->HideHint();
    ShowAt(TPoint{300, 750}, "x");
    EXPECT_EQ(HintWindow()->Top(), 750 + 20 - (HintWindow()->Height() + 2));
}

TEST_F(TSkinHintTest, ThePlainAndSkinnedLooksWithATitleAndAnImage)
{
    TImageList images(nullptr);
    TBitmap red;
    red.SetPixelFormat(pf24bit);
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect{0, 0, 16, 16});
    images.Add(&red, nullptr);

    auto show = [&](TbsSkinData* Data) {
        hint_->HideHint();
        hint_->SetSkinData(Data);
        hint_->HintTitle = "Title";
        hint_->SetHintImageList(&images);
        hint_->HintImageIndex = 0;
        HintWindow()->ActivateHint(TRect{200, 200, 200, 200}, "text@two");
        PumpMessages();
        HintWindow()->Update();
        return Picture();
    };
    TRasterImage plain = show(nullptr);
    // Title 5 letters (bold adds nothing to the width measured plainly),
    // the text's widest line 4 letters, the image and its gaps beside.
    EXPECT_EQ(HintWindow()->Width(), 5 * 8 + 16 + 10 + 4);
    EXPECT_EQ(HintWindow()->Height(), 2 * 16 + 16 + 10 + 4);
    EXPECT_EQ(PixelAt(plain, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(plain, 5, 16 + 5 + 3), ColorToRGB(clRed));

    TRasterImage skinned = show(data_.get());
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, 4, 4)), "hintwindow.lt");
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, HintWindow()->Width() - 2, HintWindow()->Height() - 2)),
              "hintwindow.rb");
    EXPECT_EQ(PixelAt(skinned, test_menu_skin::kWindowBorder + 5 + 3, test_menu_skin::kWindowBorder + 16 + 5 + 3),
              ColorToRGB(clRed));
    ExpectGolden(ComposeImages({plain, skinned}, false), TestFolder() + "/golden/skinned_hint.png");
}

TEST_F(TSkinHintTest, AFadeInEndsAtTheAlphaEvenBelowTenSteps)
{
    hint_->AlphaBlend = true;
    hint_->AlphaBlendAnimation = true;
    hint_->AlphaBlendValue = 9;
    uint32_t start = GetTickCount();
    HintWindow()->ActivateHint(TRect{100, 100, 100, 100}, "fade");
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(HintWindow()->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 9);
    EXPECT_EQ(GetTickCount() - start, 8u * 4u);  // steps of 1, 4 ms apart after the first

    // Without the fade a new value applies at once.
    hint_->AlphaBlendAnimation = false;
    hint_->AlphaBlendValue = 200;
    HintWindow()->ActivateHint(TRect{100, 100, 100, 100}, "fade");
    ASSERT_TRUE(GetLayeredWindowAttributes(HintWindow()->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 200);
}

TEST_F(TSkinHintTest, TheCursorMarginComesFromTheCursorsMask)
{
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(CursorHeightMargin(), 20);
    SetCursor(LoadCursor(nullptr, IDC_IBEAM));
    EXPECT_EQ(CursorHeightMargin(), 24 - 16);
    SetCursor(nullptr);
    EXPECT_EQ(CursorHeightMargin(), GetSystemMetrics(SM_CYCURSOR));
}

TEST_F(TSkinHintTest, TheHintOfASkinnedControlBringsItsTitleAndImage)
{
    TImageList images(nullptr);
    auto* control = new TbsSkinControl(form_.get());
    control->SetParent(form_.get());
    control->HintTitle = "Title";
    control->HintImageIndex = 2;
    control->SetHintImageList(&images);
    bool own = false;
    hint_->OnShowHint = TShowHintEvent::FromCallable([&](AnsiString&, bool&, THintInfo&) { own = true; });
    AnsiString text = "text";
    bool canShow = true;
    THintInfo info;
    info.HintControl = control;
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(hint_->HintTitle, "Title");
    EXPECT_EQ(hint_->HintImageIndex, 2);
    EXPECT_EQ(hint_->HintImageList(), &images);
    EXPECT_TRUE(own);
    // Another control clears them.
    info.HintControl = form_.get();
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(hint_->HintTitle, "");
    EXPECT_EQ(hint_->HintImageList(), nullptr);

    // Freed, the component gives the application its hint window back.
    THintWindowClass skinned = Application->HintWindowClass;
    hint_.reset();
    EXPECT_NE(Application->HintWindowClass, skinned);
    EXPECT_FALSE(Application->OnShowHint);
}

TEST_F(TSkinHintTest, AnImageListFreedUnderTheHintIsForgottenAndTheTextStillShows)
{
    auto images = std::make_unique<TImageList>(nullptr);
    TBitmap red;
    red.SetPixelFormat(pf24bit);
    red.SetSize(16, 16);
    images->Add(&red, nullptr);
    hint_->HintTitle = "Title";
    hint_->SetHintImageList(images.get());
    hint_->HintImageIndex = 0;
    images.reset();
    EXPECT_EQ(hint_->HintImageList(), nullptr);
    HintWindow()->ActivateHint(TRect{200, 200, 200, 200}, "text");
    PumpMessages();
    HintWindow()->Update();
    // The title and the text only: no room for an image.
    EXPECT_EQ(HintWindow()->Width(), 5 * 8 + 4);
    EXPECT_TRUE(HintWindow()->Visible());
}

TEST_F(TSkinHintTest, OneHintComponentOfTheMainFormIsActive)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    auto* first = new TbsSkinHint(main);
    auto* second = new TbsSkinHint(main);
    EXPECT_EQ(ActiveSkinHint(), first);
    second->SetActive(true);
    EXPECT_FALSE(first->Active());
    EXPECT_EQ(ActiveSkinHint(), second);
    second->SetActive(false);
    EXPECT_EQ(ActiveSkinHint(), nullptr);
    // The application's hint window is a skinned one now.
    std::unique_ptr<THintWindow> window(Application->HintWindowClass(nullptr));
    EXPECT_NE(dynamic_cast<TbsSkinHintWindow*>(window.get()), nullptr);
    delete main;
}

}  // namespace
