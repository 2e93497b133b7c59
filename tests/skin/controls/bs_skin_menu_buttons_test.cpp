// The menu speed button and the menu button dropping a skinned popup menu:
// where a press drops it (the whole button, the 15-pixel strip, the
// bottom strip, the skin's track rectangle), the looks while it is open,
// the closing message releasing them, Space opening without a click, and
// a button freed while its menu is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_images_menu_window.h"
#include "skin/controls/bs_skin_menu_button.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/support/message_pump.h"

namespace {

using TLog = std::vector<std::string>;

class BsSkinMenuButtons : public SkinMenuTest {
protected:
    void SetUp() override
    {
        test_skin_expanel::AddTo(skin_);
        SkinMenuTest::SetUp();
        // The menus' form stays clear of the form the buttons are on.
        menuForm_->SetBounds(600, 400, 300, 200);
        popup_ = new TbsSkinPopupMenu(form_.get());
        popup_->SkinForm = frame_;
        Add(popup_->Items(), "One");
        Add(popup_->Items(), "Two");
    }

    template <typename T>
    T* Button(const std::string& Name, TRect Bounds)
    {
        auto* button = new T(form_.get());
        button->SetParent(form_.get());
        button->SetBoundsRect(Bounds);
        button->SetSkinPopupMenu(popup_);
        button->OnClick = TNotifyEvent::FromCallable([this, Name](TObject*) { events_.push_back(Name + " click"); });
        button->OnShowTrackMenu =
            TNotifyEvent::FromCallable([this, Name](TObject*) { events_.push_back(Name + " show"); });
        button->OnHideTrackMenu =
            TNotifyEvent::FromCallable([this, Name](TObject*) { events_.push_back(Name + " hide"); });
        return button;
    }

    void Press(TControl* C, int X, int Y)
    {
        TPoint p = C->ClientToScreen(Point(X, Y));
        InjectMouseMove(p);
        InjectMouseDown(p);
        PumpMessages();
    }
    void Release(TControl* C, int X, int Y)
    {
        InjectMouseUp(C->ClientToScreen(Point(X, Y)));
        PumpMessages();
    }
    void Click(TControl* C, int X, int Y)
    {
        Press(C, X, Y);
        Release(C, X, Y);
    }

    TbsSkinPopupMenu* popup_ = nullptr;
    TLog events_;
};

TEST_F(BsSkinMenuButtons, WithoutTrackModeAPressAnywhereDropsTheMenuAndTheCloseReleasesIt)
{
    auto* button = Button<TbsSkinMenuSpeedButton>("b", TRect{10, 10, 70, 35});
    Click(button, 10, 10);
    EXPECT_TRUE(menu_->ChainOpen());
    EXPECT_EQ(menu_->PopupCtrl(), button);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(PixelOf(button, 2, 2), TColor(0x00B59385));  // held down while open
    EXPECT_EQ(events_, TLog{"b show"});

    menu_->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->ForceDownLook);
    EXPECT_EQ(events_, (TLog{"b show", "b hide"}));  // and no click

    // With no menu it is a speed button.
    button->SetSkinPopupMenu(nullptr);
    Click(button, 10, 10);
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(events_.back(), "b click");
}

TEST_F(BsSkinMenuButtons, InTrackModeOnlyTheStripDropsTheMenu)
{
    auto* plain = Button<TbsSkinMenuSpeedButton>("p", TRect{10, 10, 70, 35});
    plain->SetTrackButtonMode(true);
    EXPECT_FALSE(plain->PointInTrackButton(44, 10));
    EXPECT_TRUE(plain->PointInTrackButton(45, 10));
    EXPECT_FALSE(plain->PointInTrackButton(60, 10));
    Click(plain, 20, 10);
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(events_, TLog{"p click"});

    Press(plain, 50, 10);
    EXPECT_TRUE(menu_->ChainOpen());
    // Open: the main part hot, the strip pressed, both framed in navy.
    EXPECT_EQ(PixelOf(plain, 2, 2), TColor(0x00D2BDB6));
    EXPECT_EQ(PixelOf(plain, 47, 2), TColor(0x00B59385));
    Release(plain, 50, 10);
    EXPECT_TRUE(plain->Down());
    menu_->CloseMenu();

    // The same strip on the "toolbutton" skin; the bottom strip with
    // NewStyle and bstpBottom.
    auto* tool = Button<TbsSkinMenuSpeedButton>("t", TRect{80, 10, 140, 35});
    tool->SetSkinDataName("toolbutton");
    tool->UseSkinSize = false;
    tool->SetSkinData(data_.get());
    tool->SetTrackButtonMode(true);
    EXPECT_FALSE(tool->PointInTrackButton(44, 10));
    EXPECT_TRUE(tool->PointInTrackButton(45, 10));
    tool->SetNewStyle(true);
    tool->SetTrackPosition(bstpBottom);
    tool->SetBounds(80, 10, 60, 40);
    EXPECT_EQ(tool->SkinDataName(), "resizetoolbutton");
    EXPECT_FALSE(tool->PointInTrackButton(50, 24));
    EXPECT_TRUE(tool->PointInTrackButton(5, 25));
}

TEST_F(BsSkinMenuButtons, OnItsOwnSkinTheTrackAreaIsTheSkinsRectangleMovedWithTheRightPart)
{
    auto* button = Button<TbsSkinMenuSpeedButton>("s", TRect{10, 10, 70, 32});
    button->SetSkinDataName("toolmenutrackbutton");
    button->SetSkinData(data_.get());
    button->SetTrackButtonMode(true);
    ASSERT_EQ(button->Width(), 60);
    // "trackbuttonrect" 28..40 of a 40-wide skin, 20 to the right; its
    // right edge counts.
    EXPECT_FALSE(button->PointInTrackButton(47, 10));
    EXPECT_TRUE(button->PointInTrackButton(48, 10));
    EXPECT_TRUE(button->PointInTrackButton(60, 22));

    EXPECT_EQ(PieceAt(button, 5, 10), "toolmenutrackbutton.normal.m");
    Press(button, 50, 10);
    ASSERT_TRUE(menu_->ChainOpen());
    // Open: the hot image with the track area from the pressed one.
    EXPECT_EQ(PieceAt(button, 5, 10), "toolmenutrackbutton.active.m");
    EXPECT_EQ(PieceAt(button, 55, 10), "toolmenutrackbutton.down.r");
    menu_->CloseMenu();
    PumpMessages();
    EXPECT_EQ(PieceAt(button, 55, 10), "toolmenutrackbutton.normal.r");
}

TEST_F(BsSkinMenuButtons, SkinnedLooksNormalHotAndOpen)
{
    auto* own = Button<TbsSkinMenuSpeedButton>("o", TRect{10, 10, 70, 32});
    own->UseSkinSize = false;
    own->SetSkinData(data_.get());
    EXPECT_EQ(PieceAt(own, 20, 10), "toolmenubutton.normal.client");
    TPoint over = own->ClientToScreen(Point(20, 10));
    InjectMouseMove(over);
    PumpMessages();
    EXPECT_EQ(PieceAt(own, 20, 10), "toolmenubutton.active.client");
    Press(own, 20, 10);
    EXPECT_EQ(PieceAt(own, 20, 10), "toolmenubutton.down.client");
    Release(own, 20, 10);
    menu_->CloseMenu();

    auto* resize = Button<TbsSkinMenuButton>("r", TRect{80, 10, 140, 32});
    resize->SetSkinDataName("resizetoolbutton");
    resize->UseSkinSize = false;
    resize->SetSkinData(data_.get());
    resize->SetTrackButtonMode(true);
    EXPECT_EQ(PieceAt(resize, 20, 10), "resizetoolbutton.normal.client");
    EXPECT_EQ(PieceAt(resize, 52, 10), "resizetoolbutton.normal.client");
    Press(resize, 52, 10);
    ASSERT_TRUE(resize->MenuTracked());
    EXPECT_EQ(PieceAt(resize, 20, 10), "resizetoolbutton.active.client");
    EXPECT_EQ(PieceAt(resize, 52, 10), "resizetoolbutton.down.client");
}

TEST_F(BsSkinMenuButtons, NewStyleTakesItsStripFromTheSkinsTrackButtonsWhileHotOrOpen)
{
    test_skin_expanel::AddTrackToolButtons(skin_);
    Reload();
    auto* button = Button<TbsSkinMenuSpeedButton>("n", TRect{10, 10, 70, 32});
    button->SetNewStyle(true);
    button->UseSkinSize = false;
    button->SetSkinData(data_.get());
    button->SetTrackButtonMode(true);
    // At rest the whole button is one piece of its own skin.
    EXPECT_EQ(PieceAt(button, 20, 10), "resizetoolbutton.normal.client");
    EXPECT_EQ(PieceAt(button, 49, 6), "resizetoolbutton.normal.client");
    InjectMouseMove(button->ClientToScreen(Point(20, 10)));
    PumpMessages();
    EXPECT_EQ(PieceAt(button, 20, 10), "resizetoolbutton.active.client");
    EXPECT_EQ(PieceAt(button, 49, 6), "toolmenubutton.active.client");
    Press(button, 52, 10);
    ASSERT_TRUE(menu_->ChainOpen());
    EXPECT_EQ(PieceAt(button, 20, 10), "resizetoolbutton.active.client");
    EXPECT_EQ(PieceAt(button, 49, 6), "toolmenubutton.down.client");
    Release(button, 52, 10);
    menu_->CloseMenu();
    PumpMessages();

    // Away from the button its strip is its own again.
    InjectMouseMove(button->ClientToScreen(Point(30, 100)));
    PumpMessages();
    EXPECT_EQ(PieceAt(button, 49, 6), "resizetoolbutton.normal.client");

    // The bottom strip takes the horizontal one.
    button->SetTrackPosition(bstpBottom);
    button->SetBounds(10, 10, 60, 40);
    InjectMouseMove(button->ClientToScreen(Point(30, 100)));
    PumpMessages();
    InjectMouseMove(button->ClientToScreen(Point(30, 10)));
    PumpMessages();
    EXPECT_EQ(PieceAt(button, 30, 10), "resizetoolbutton.active.client");
    EXPECT_EQ(PieceAt(button, 10, 32), "toolmenutrackbutton.active.m");
}

TEST_F(BsSkinMenuButtons, TheClosingMessageReleasesTheMenuButton)
{
    auto* button = Button<TbsSkinMenuButton>("m", TRect{10, 10, 70, 35});
    button->SetTrackButtonMode(true);
    Press(button, 50, 10);
    ASSERT_TRUE(button->MenuTracked());
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(PixelOf(button, 47, 2), TColor(0x00B59385));
    Release(button, 50, 10);
    EXPECT_TRUE(button->Down());  // the release does not end it
    SendMessage(button->Handle(), WM_SKINMENUCLOSED, 0, 0);
    EXPECT_FALSE(button->MenuTracked());
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(button->MouseIn());  // the cursor is still over it
    EXPECT_EQ(events_, (TLog{"m show", "m hide"}));
    menu_->CloseMenu();
}

TEST_F(BsSkinMenuButtons, SpaceOpensTheMenuAndItsKeyUpDoesNotClick)
{
    auto* button = Button<TbsSkinMenuButton>("k", TRect{10, 10, 70, 35});
    form_->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
    button->SetFocus();
    ASSERT_TRUE(button->Focused());
    InjectKeyDown(VK_SPACE, " ");
    PumpMessages();
    EXPECT_TRUE(menu_->ChainOpen());
    EXPECT_TRUE(button->MenuTracked());
    InjectKeyUp(VK_SPACE);
    PumpMessages();
    EXPECT_EQ(events_, TLog{"k show"});
    menu_->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(button->Down());

    // In track mode Space drops nothing; its key-up clicks.
    button->SetTrackButtonMode(true);
    InjectKeyStroke(VK_SPACE);
    PumpMessages();
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(events_, (TLog{"k show", "k hide", "k click"}));
}

TEST_F(BsSkinMenuButtons, AButtonFreedWhileItsMenuIsOpenHearsNothingMore)
{
    auto* speed = Button<TbsSkinMenuSpeedButton>("s", TRect{10, 10, 70, 35});
    Press(speed, 10, 10);
    ASSERT_TRUE(menu_->ChainOpen());
    delete speed;
    EXPECT_EQ(menu_->PopupCtrl(), nullptr);
    InjectMouseUp(Point(20, 20));
    menu_->CloseMenu();
    PumpMessages();

    auto* button = Button<TbsSkinMenuButton>("m", TRect{10, 10, 70, 35});
    Press(button, 10, 10);
    ASSERT_TRUE(menu_->ChainOpen());
    delete button;
    menu_->CloseMenu();
    PumpMessages();
    EXPECT_EQ(events_, (TLog{"s show", "m show"}));
}

class BsSkinMenuButtonsImages : public BsSkinMenuButtons {
protected:
    void SetUp() override
    {
        BsSkinMenuButtons::SetUp();
        images_ = std::make_unique<TImageList>(nullptr);
        for (int i = 0; i < 3; ++i) {
            TBitmap b;
            b.SetPixelFormat(pf24bit);
            b.SetSize(16, 16);
            b.Canvas()->Brush()->SetColor(static_cast<TColor>(0x000040 + i * 0x40));
            b.Canvas()->FillRect(TRect{0, 0, 16, 16});
            images_->Add(&b, nullptr);
        }
        grid_ = std::make_unique<TbsSkinImagesMenu>(nullptr);
        grid_->SetImages(images_.get());
        for (int i = 0; i < 3; ++i)
            grid_->ImagesItems()->Add()->ImageIndex = i;
    }
    void TearDown() override
    {
        grid_.reset();
        images_.reset();
        BsSkinMenuButtons::TearDown();
    }
    TPoint ItemPoint(int Index)
    {
        TRect r = grid_->ImagesItems()->Items(Index)->ItemRect;
        return grid_->PopupWindow()->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }

    std::unique_ptr<TImageList> images_;
    std::unique_ptr<TbsSkinImagesMenu> grid_;
};

TEST_F(BsSkinMenuButtonsImages, TheImagesMenuDropsFromTheButtonAndItsChoiceShowsOnTheFace)
{
    auto* button = Button<TbsSkinMenuSpeedButton>("i", TRect{10, 10, 70, 35});
    button->SetSkinPopupMenu(nullptr);
    button->SetSkinImagesMenu(grid_.get());
    button->UseImagesMenuImage = true;
    Press(button, 10, 10);
    ASSERT_NE(grid_->PopupWindow(), nullptr);
    EXPECT_TRUE(button->Down());
    Release(button, 10, 10);
    InjectClick(ItemPoint(2));
    Application->ProcessMessages();
    PumpMessages();
    EXPECT_EQ(grid_->PopupWindow(), nullptr);
    EXPECT_EQ(grid_->ItemIndex, 2);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(events_, (TLog{"i show", "i hide"}));
    // The chosen image (0x0000C0) in the face, left of the strip.
    bool shown = false;
    for (int x = 0; x < 45; ++x)
        shown = shown || PixelOf(button, x, 12) == TColor(0x0000C0);
    EXPECT_TRUE(shown);

    // With nothing to show nothing opens, and the button comes up.
    grid_->SetImages(nullptr);
    Click(button, 10, 10);
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->ForceDownLook);
}

TEST_F(BsSkinMenuButtonsImages, AButtonFreedWhileTheGridIsOpenIsNotCalledBack)
{
    auto* button = Button<TbsSkinMenuButton>("m", TRect{10, 10, 70, 35});
    button->SetSkinPopupMenu(nullptr);
    button->SetSkinImagesMenu(grid_.get());
    Press(button, 10, 10);
    ASSERT_NE(grid_->PopupWindow(), nullptr);
    delete button;
    InjectKeyStroke(VK_ESCAPE);
    Application->ProcessMessages();
    PumpMessages();
    EXPECT_EQ(grid_->PopupWindow(), nullptr);
    EXPECT_EQ(events_, TLog{"m show"});
    EXPECT_FALSE(grid_->OnInternalChange);
}

TEST_F(BsSkinMenuButtonsImages, MenusFreedBeforeTheButtonAreForgottenAndItActsAsAButton)
{
    auto* speed = Button<TbsSkinMenuSpeedButton>("s", TRect{10, 10, 70, 35});
    speed->SetSkinImagesMenu(grid_.get());
    speed->UseImagesMenuImage = true;
    auto* button = Button<TbsSkinMenuButton>("m", TRect{80, 10, 140, 35});
    button->SetSkinImagesMenu(grid_.get());
    button->UseImagesMenuImage = true;
    delete popup_;
    popup_ = nullptr;
    grid_.reset();
    EXPECT_EQ(speed->SkinPopupMenu(), nullptr);
    EXPECT_EQ(speed->SkinImagesMenu(), nullptr);
    EXPECT_EQ(button->SkinPopupMenu(), nullptr);
    EXPECT_EQ(button->SkinImagesMenu(), nullptr);
    speed->Repaint();
    button->Repaint();
    Click(speed, 10, 10);
    Click(button, 10, 10);
    PumpMessages();
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(events_, (TLog{"s click", "m click"}));
}

}  // namespace
