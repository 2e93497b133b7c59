// What a skinned popup menu shows: every kind of row in the plain look and
// on the test skin (a golden picture of both, and the pieces and colours
// at the places that tell the kinds apart), the frame's cut corner, a
// scrolled window's arrow areas, and rows of a skin whose menu item
// picture is missing.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_text_objects.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/skin/controls/test_menu_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_menu_look_test {

using namespace test_menu_skin;

enum TRow { Plain, Disabled, Checked, Radio, Image, CheckedImage, Sub, Shortcut, Separator, Header, Close, RowCount };

class TSkinMenuLookTest : public SkinMenuTest {
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        // Rows show their states at once, without fades and frames.
        data_->EnableSkinEffects = false;
        images_ = std::make_unique<TImageList>(nullptr);
        TBitmap red;
        red.SetPixelFormat(pf24bit);
        red.SetSize(16, 16);
        red.Canvas()->Brush()->SetColor(clRed);
        red.Canvas()->FillRect(TRect{0, 0, 16, 16});
        images_->Add(&red, nullptr);
        popup_ = std::make_unique<TPopupMenu>(nullptr);
        popup_->SetImages(images_.get());
        TMenuItem* items = popup_->Items();
        AddCommand(items, "Plain \xD5\x66\xE9\x54");  // 說門
        AddCommand(items, "Disabled")->SetEnabled(false);
        AddCommand(items, "Checked")->SetChecked(true);
        TMenuItem* radio = AddCommand(items, "Radio");
        radio->SetRadioItem(true);
        radio->SetChecked(true);
        AddCommand(items, "Image")->SetImageIndex(0);
        TMenuItem* checkedImage = AddCommand(items, "Checked image");
        checkedImage->SetImageIndex(0);
        checkedImage->SetChecked(true);
        AddCommand(Add(items, "Sub"), "Inner");
        AddCommand(items, "Save")->SetShortCut(TextToShortCut("Ctrl+S"));
        Add(items, "-");
        Add(items, "-Header-")->SetEnabled(false);
        AddCommand(items, "Close")->SetName("BSF_CLOSE");
    }
    void TearDown() override
    {
        popup_.reset();
        images_.reset();
        SkinMenuTest::TearDown();
    }

    void OpenMenu(TbsSkinData* Data)
    {
        menu_->PopupRect(opener_, Data, false, popup_->Items(), TRect{100, 100, 160, 120}, 0);
        PumpMessages();
    }
    // The screen pixel at (X, Y) of a row; negative X counts from the
    // row's right edge.
    TColor RowPixel(int Row, int X, int Y)
    {
        TbsSkinPopupWindow* window = Window(0);
        TRect r = window->Item(Row)->ObjectRect;
        TPoint p = window->ClientToScreen(TPoint{X < 0 ? r.Right + X : r.Left + X, r.Top + Y});
        return ScreenPixel(p.X, p.Y);
    }
    std::string RowPiece(int Row, int X, int Y) { return skin_.PieceOf(RowPixel(Row, X, Y)); }
    bool RowHasColour(int Row, TColor Colour)
    {
        TRect r = Window(0)->Item(Row)->ObjectRect;
        for (int y = 0; y < RectHeight(r); ++y)
            for (int x = 0; x < RectWidth(r); ++x)
                if (RowPixel(Row, x, y) == Colour)
                    return true;
        return false;
    }
    TRasterImage WindowPicture() { return WindowImage(Window(0)->Handle()); }

    std::unique_ptr<TImageList> images_;
    std::unique_ptr<TPopupMenu> popup_;
};

TEST_F(TSkinMenuLookTest, EveryKindOfRowOnTheTestSkin)
{
    OpenMenu(data_.get());
    TbsSkinPopupWindow* window = Window(0);
    ASSERT_EQ(window->ItemCount(), RowCount);
    EXPECT_EQ(window->ActiveItem, Plain);
    EXPECT_EQ(RectHeight(window->Item(Plain)->ObjectRect), kRowHeight);
    EXPECT_EQ(RectHeight(window->Item(Separator)->ObjectRect), kDividerHeight);
    EXPECT_EQ(window->Height(), 2 * kWindowBorder + (RowCount - 1) * kRowHeight + kDividerHeight);

    // The frame, its mask's cut corner, and the rows' ends.
    TPoint origin = window->ClientToScreen(TPoint{0, 0});
    EXPECT_EQ(skin_.PieceOf(ScreenPixel(origin.X + 3, origin.Y + 3)), "popupwindow.lt");
    EXPECT_EQ(skin_.PieceOf(ScreenPixel(origin.X + 1, origin.Y + 1)), "");
    EXPECT_EQ(skin_.PieceOf(ScreenPixel(origin.X + window->Width() - 2, origin.Y + 30)), "popupwindow.r");
    EXPECT_EQ(RowPiece(Plain, -2, 10), "menuitem.active.r");
    EXPECT_EQ(RowPiece(Disabled, -2, 10), "menuitem.normal.r");
    EXPECT_EQ(RowPiece(Separator, -2, 3), "menuitem.divider.r");
    EXPECT_EQ(RowPiece(Header, -2, 10), "menuheader.normal.r");
    // Marks from the skin, each centred in the image column.
    EXPECT_EQ(RowPiece(Checked, 12, 7), "menuitem.check.face");
    EXPECT_EQ(RowPiece(Radio, 12, 7), "menuitem.radio.face");
    EXPECT_EQ(RowPiece(Sub, -9, 7), "menuitem.arrow.face");
    // Images, the checked one framed in the font colour.
    EXPECT_EQ(RowPixel(Image, 10, 10), ColorToRGB(clRed));
    EXPECT_EQ(RowPixel(CheckedImage, 5, 10), kFontColour);
    EXPECT_NE(RowPixel(Image, 5, 10), kFontColour);
    // Text colours: active, normal and disabled.
    EXPECT_TRUE(RowHasColour(Plain, kActiveFontColour));
    EXPECT_TRUE(RowHasColour(Shortcut, kFontColour));
    EXPECT_TRUE(RowHasColour(Disabled, kDisabledFontColour));
    EXPECT_FALSE(RowHasColour(Disabled, kFontColour));
    EXPECT_TRUE(RowHasColour(Header, kActiveFontColour));
    EXPECT_TRUE(RowHasColour(Close, kFontColour));

    ExpectGolden(WindowPicture(), TestFolder() + "/golden/skinned_menu.png");
}

TEST_F(TSkinMenuLookTest, EveryKindOfRowInThePlainLook)
{
    OpenMenu(nullptr);
    TbsSkinPopupWindow* window = Window(0);
    ASSERT_EQ(window->ItemCount(), RowCount);
    EXPECT_EQ(RectHeight(window->Item(Plain)->ObjectRect), 20);
    EXPECT_EQ(RectHeight(window->Item(Separator)->ObjectRect), 4);
    EXPECT_EQ(window->Height(), (RowCount - 1) * 20 + 4 + 4);
    EXPECT_EQ(window->ItemsRect(), (TRect{2, 2, window->Width() - 2, window->Height() - 2}));

    EXPECT_EQ(RowPixel(Plain, 0, 0), TColor(0x800000));
    EXPECT_EQ(RowPixel(Plain, -3, 3), TColor(0xD2BDB6));
    EXPECT_EQ(RowPixel(Disabled, 2, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(RowPixel(Disabled, -3, 3), ColorToRGB(clWindow));
    EXPECT_EQ(RowPixel(Separator, -3, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(RowPixel(Separator, -3, 1), ColorToRGB(clWindow));
    EXPECT_EQ(RowPixel(Header, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_TRUE(RowHasColour(Header, ColorToRGB(clBtnHighlight)));
    EXPECT_TRUE(RowHasColour(Disabled, ColorToRGB(clBtnShadow)));
    EXPECT_EQ(RowPixel(Image, 10, 10), ColorToRGB(clRed));

    ExpectGolden(WindowPicture(), TestFolder() + "/golden/plain_menu.png");
}

TEST_F(TSkinMenuLookTest, AScrolledWindowDrawsItsArrowAreas)
{
    menu_->MaxMenuItemsInWindow = 4;
    OpenMenu(data_.get());
    TbsSkinPopupWindow* window = Window(0);
    ASSERT_TRUE(window->Scrollable());
    EXPECT_EQ(window->VisibleCount(), 4);
    EXPECT_TRUE(window->Item(3)->Visible);
    EXPECT_FALSE(window->Item(4)->Visible);
    TRasterImage picture = WindowPicture();
    TRect up = window->UpArrowRect();
    TRect down = window->DownArrowRect();
    auto hasMarker = [&](const TRect& R, TColor C) {
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (PixelAt(picture, x, y) == C)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasMarker(up, kScrollMarker));
    EXPECT_TRUE(hasMarker(down, kScrollMarker));
    // The areas lie on the scroll-area background: the menu item's row.
    EXPECT_EQ(skin_.PieceOf(PixelAt(picture, up.Right - 2, up.Top + 1)), "menuitem.normal.r");
    ExpectGolden(picture, TestFolder() + "/golden/skinned_menu_scrolled.png");

    menu_->CloseMenu();
    OpenMenu(nullptr);
    picture = WindowPicture();
    EXPECT_TRUE(hasMarker(Window(0)->UpArrowRect(), ColorToRGB(clBtnShadow)));
    EXPECT_EQ(Window(0)->Height(), 4 * 20 + 24);
}

TEST_F(TSkinMenuLookTest, RowsOfAMissingPictureKeepTheSkinsHeightsAcrossOpens)
{
    skin_.Set("menuitem", "activepictureindex", "99");
    Reload();
    for (int open = 0; open < 2; ++open) {
        OpenMenu(data_.get());
        TbsSkinPopupWindow* window = Window(0);
        ASSERT_NE(window->ItemDescription(), nullptr);
        EXPECT_FALSE(IsNullRect(window->ItemDescription()->SkinRect));
        EXPECT_EQ(RectHeight(window->Item(Plain)->ObjectRect), kRowHeight);
        // Text over the window's own picture.
        EXPECT_EQ(RowPiece(Disabled, -2, 10), "popupwindow.client");
        EXPECT_TRUE(RowHasColour(Disabled, kDisabledFontColour));
        menu_->CloseMenu();
    }
}

}  // namespace bs_skin_menu_look_test
