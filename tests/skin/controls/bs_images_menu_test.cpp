// The images menu as a user drives it: the grid's layout, keys that move
// by columns and skip headers, choosing by key and mouse with the events
// in order, closing by a click elsewhere, nothing to open, the menu freed
// while open, and the grid's plain and skinned looks.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/layered_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_images_menu_window.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

class TImagesMenuTest : public SkinMenuTest {
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        images_ = std::make_unique<TImageList>(nullptr);
        for (int i = 0; i < 12; ++i) {
            TBitmap b;
            b.SetPixelFormat(pf24bit);
            b.SetSize(16, 16);
            b.Canvas()->Brush()->SetColor(static_cast<TColor>(0x10 + i * 0x10));  // reds of their own
            b.Canvas()->FillRect(TRect{0, 0, 16, 16});
            images_->Add(&b, nullptr);
        }
        menu_ = std::make_unique<TbsSkinImagesMenu>(nullptr);
        menu_->SetImages(images_.get());
        menu_->DefaultFont()->SetName("Tandril Test");
        menu_->DefaultFont()->SetHeight(16);
        TEventLog* log = &log_;
        menu_->OnMenuClose = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("close"); });
        menu_->OnItemClick = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("item click"); });
        menu_->OnChange = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("change"); });
    }
    void TearDown() override
    {
        menu_.reset();
        images_.reset();
        SkinMenuTest::TearDown();
    }
    TbsImagesMenuItem* AddImage(int Index)
    {
        TbsImagesMenuItem* item = menu_->ImagesItems()->Add();
        item->ImageIndex = Index;
        TEventLog* log = &log_;
        item->OnClick = TNotifyEvent::FromCallable([log, Index](TObject*) {
            log->push_back("click " + std::to_string(Index));
        });
        return item;
    }
    TbsImagesMenuItem* AddRow(const AnsiString& Caption, bool Header)
    {
        TbsImagesMenuItem* item = menu_->ImagesItems()->Add();
        item->Caption = Caption;
        item->Header = Header;
        item->Button = !Header;
        return item;
    }
    // 7 images in 3 columns, a header, 3 images, a button row.
    void BuildGrid()
    {
        menu_->SetColumnsCount(3);
        for (int i = 0; i < 7; ++i)
            AddImage(i);
        AddRow("Head", true);
        for (int i = 7; i < 10; ++i)
            AddImage(i);
        AddRow("More", false);
    }
    TbsImagesMenuItem* Item(int Index) { return menu_->ImagesItems()->Items(Index); }
    TbsSkinImagesMenuPopupWindow* Grid() { return menu_->PopupWindow(); }
    void Open(TRect Rect = TRect{100, 100, 160, 120})
    {
        menu_->PopupFromRect(Rect);
        PumpMessages();
    }
    // Through the application's loop, whose message hook the grid takes.
    void Press(WORD Key)
    {
        InjectKeyStroke(Key);
        Application->ProcessMessages();
    }
    TPoint ItemPoint(int Index)
    {
        TRect r = Item(Index)->ItemRect;
        return Grid()->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }

    std::unique_ptr<TImageList> images_;
    std::unique_ptr<TbsSkinImagesMenu> menu_;
};

TEST_F(TImagesMenuTest, SevenImagesInThreeColumnsMakeRowsOfThreeThreeAndOne)
{
    BuildGrid();
    Open();
    ASSERT_NE(Grid(), nullptr);
    const int cell = 16 + 10;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Item(i)->ItemRect,
                  (TRect{5 + i % 3 * cell, 5 + i / 3 * (cell + 1), 5 + i % 3 * cell + cell, 5 + i / 3 * (cell + 1) + cell}))
            << i;
    // The header starts a row of its own after the seventh image.
    EXPECT_EQ(Item(7)->ItemRect, (TRect{5, 5 + 3 * (cell + 1), 5 + 3 * cell, 5 + 3 * (cell + 1) + cell}));
    EXPECT_EQ(Item(8)->ItemRect.Top, Item(7)->ItemRect.Bottom + 1);
    EXPECT_EQ(Grid()->Width(), 3 * cell + 10);
    EXPECT_EQ(Grid()->Height(), Item(11)->ItemRect.Bottom - 5 + 10);
    EXPECT_EQ(Grid()->Left(), 100);
    EXPECT_EQ(Grid()->Top(), 120);

    menu_->SetColumnsCount(0);
    menu_->SetColumnsCount(51);
    EXPECT_EQ(menu_->ColumnsCount(), 3);
}

TEST_F(TImagesMenuTest, DownAndUpKeepTheColumnAndNeverLandOnAHeader)
{
    BuildGrid();
    Open();
    Press(VK_DOWN);
    EXPECT_EQ(Grid()->HotItem(), 0);
    Press(VK_RIGHT);
    EXPECT_EQ(Grid()->HotItem(), 1);
    Press(VK_DOWN);
    EXPECT_EQ(Grid()->HotItem(), 4);
    Press(VK_DOWN);
    EXPECT_EQ(Grid()->HotItem(), 9);  // column 2 under the header
    Press(VK_DOWN);
    EXPECT_EQ(Grid()->HotItem(), 11);  // the button row spans every column
    Press(VK_DOWN);
    EXPECT_EQ(Grid()->HotItem(), 11);
    Press(VK_UP);
    EXPECT_EQ(Grid()->HotItem(), 8);  // the first column, under the button row's left edge
    Press(VK_LEFT);
    EXPECT_EQ(Grid()->HotItem(), 6);  // over the header
    Press(VK_RIGHT);
    EXPECT_EQ(Grid()->HotItem(), 8);
    for (int i = 0; i < 3; ++i)
        Press(VK_RIGHT);
    EXPECT_EQ(Grid()->HotItem(), 11);
    Press(VK_RIGHT);
    EXPECT_EQ(Grid()->HotItem(), 0);  // wrapped
    Press(VK_LEFT);
    EXPECT_EQ(Grid()->HotItem(), 11);
}

TEST_F(TImagesMenuTest, LeftAndUpWithNothingHotSkipATrailingHeader)
{
    AddImage(0);
    AddImage(1);
    AddRow("Tail", true);
    Open();
    Press(VK_LEFT);
    EXPECT_EQ(Grid()->HotItem(), 1);
    Press(VK_ESCAPE);
    Open();
    Press(VK_UP);
    EXPECT_EQ(Grid()->HotItem(), 1);
}

TEST_F(TImagesMenuTest, ChoosingTheSelectedItemFiresItsClicksButNoChange)
{
    BuildGrid();
    menu_->ItemIndex = 1;
    Open();
    Press(VK_DOWN);
    Press(VK_RIGHT);
    log_.clear();
    Press(VK_RETURN);
    EXPECT_EQ(log_, (TEventLog{"close", "click 1", "item click"}));
    EXPECT_EQ(Grid(), nullptr);

    Open();
    Press(VK_DOWN);
    log_.clear();
    Press(VK_SPACE);
    EXPECT_EQ(menu_->ItemIndex, 0);
    EXPECT_EQ(log_, (TEventLog{"close", "click 0", "item click", "change"}));
    EXPECT_EQ(menu_->GetSelectedItem(), Item(0));

    Open();
    log_.clear();
    Press(VK_ESCAPE);
    EXPECT_EQ(log_, (TEventLog{"close"}));
}

TEST_F(TImagesMenuTest, AClickChoosesAndAClickElsewhereCloses)
{
    BuildGrid();
    Open();
    TPoint p = ItemPoint(4);
    InjectMouseMove(p);
    PumpMessages();
    EXPECT_EQ(Grid()->HotItem(), 4);
    log_.clear();
    InjectMouseDown(p, 1);
    InjectMouseUp(p, 1);
    PumpMessages();
    EXPECT_EQ(menu_->ItemIndex, 4);
    EXPECT_EQ(log_, (TEventLog{"close", "click 4", "item click", "change"}));
    EXPECT_EQ(Grid(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);

    Open();
    log_.clear();
    InjectMouseDown(TPoint{600, 500}, 1);
    InjectMouseUp(TPoint{600, 500}, 1);
    PumpMessages();
    EXPECT_EQ(log_, (TEventLog{"close"}));
    EXPECT_EQ(Grid(), nullptr);
}

TEST_F(TImagesMenuTest, ImagesWithoutItemsOpenNothing)
{
    TEventLog* log = &log_;
    menu_->OnMenuPopup = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("popup"); });
    Open();
    EXPECT_EQ(log_, (TEventLog{"popup"}));
    EXPECT_EQ(Grid(), nullptr);
    menu_->SetImages(nullptr);
    AddImage(0);
    Open();
    EXPECT_EQ(Grid(), nullptr);
}

TEST_F(TImagesMenuTest, FreeingTheMenuWhileOpenGivesBackTheMessageHookAndTheCapture)
{
    BuildGrid();
    int hooks = Application->OnMessage.Count();
    Open();
    EXPECT_EQ(Application->OnMessage.Count(), hooks + 1);
    EXPECT_EQ(GetCapture(), Grid()->Handle());
    menu_.reset();
    EXPECT_EQ(Application->OnMessage.Count(), hooks);
    EXPECT_EQ(GetCapture(), nullptr);
    Press(VK_DOWN);
}

TEST_F(TImagesMenuTest, TheGridFadesInToItsAlphaOnTheHandDrivenClock)
{
    BuildGrid();
    menu_->AlphaBlend = true;
    menu_->AlphaBlendAnimation = true;
    menu_->AlphaBlendValue = 200;
    uint32_t start = GetTickCount();
    Open();
    ASSERT_NE(Grid(), nullptr);
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Grid()->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(GetTickCount() - start, 19u * 6u);  // 20 steps of 10, 6 ms apart after the first
    EXPECT_EQ(GetCapture(), Grid()->Handle());
}

TEST_F(TImagesMenuTest, AGridThatDoesNotFitBelowOpensAboveItsOpener)
{
    BuildGrid();
    Open(TRect{100, 700, 160, 720});
    EXPECT_EQ(Grid()->Top(), 720 - Grid()->Height() - 20);
}

TEST_F(TImagesMenuTest, ThePlainAndSkinnedGrids)
{
    BuildGrid();
    menu_->ItemIndex = 1;
    auto show = [&](TbsSkinData* Data) {
        menu_->SetSkinData(Data);
        Open();
        InjectMouseMove(ItemPoint(2));
        PumpMessages();
        Grid()->Update();
        return WindowImage(Grid()->Handle());
    };
    TRasterImage plain = show(nullptr);
    TRect selected = Item(1)->ItemRect;
    TRect hot = Item(2)->ItemRect;
    EXPECT_EQ(PixelAt(plain, selected.Left, selected.Top), ColorToRGB(clNavy));
    EXPECT_EQ(PixelAt(plain, selected.Left + 2, selected.Top + 2), TColor(0xB59385));
    EXPECT_EQ(PixelAt(plain, hot.Left + 2, hot.Top + 2), TColor(0xD2BDB6));
    EXPECT_EQ(PixelAt(plain, selected.Left + 8, selected.Top + 8), PixelAt(plain, selected.Left + 8, selected.Top + 8));
    Press(VK_ESCAPE);

    TRasterImage skinned = show(data_.get());
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, 3, 3)), "popupwindow.lt");
    selected = Item(1)->ItemRect;
    hot = Item(2)->ItemRect;
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, selected.Left + 2, selected.Top + 2)), "menuitembutton.down.lt");
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, hot.Left + 2, hot.Top + 2)), "menuitembutton.active.lt");
    EXPECT_EQ(skin_.PieceOf(PixelAt(skinned, Item(7)->ItemRect.Right - 2, Item(7)->ItemRect.Top + 2)),
              "label.normal.r");
    ExpectGolden(ComposeImages({plain, skinned}, true), TestFolder() + "/golden/images_menu.png");
}

}  // namespace
