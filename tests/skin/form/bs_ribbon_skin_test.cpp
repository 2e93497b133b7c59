// The ribbon's skinned look, read back piece by piece from the test skin:
// the page frame and the row behind the tabs, tabs at rest, selected,
// focused and hot, the selected look gone while the application menu is
// open, dividers of squeezed tabs, the quick-access and child-window
// buttons in every state; the application menu's items, top line, grip,
// the frame around its active page and that page's background.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/skin/form/test_ribbon_skin.h"
#include "tests/support/message_pump.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_ribbon_skin_test {

using namespace test_ribbon_skin;

class BsRibbonSkin : public FrameTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        FrameTest::SetUp();
    }
    void TearDown() override
    {
        InjectMouseMove({5, 5});
        PumpMessages();
        form_.reset();
        Application->ProcessMessages();
        FrameTest::TearDown();
    }

    // A shown form of Width with a skinned ribbon of one tab per caption.
    void MakeRibbon(int Width, std::initializer_list<const char*> Captions)
    {
        form_ = std::make_unique<TCustomForm>(nullptr);
        form_->SetBounds(0, 0, Width, 260);
        ribbon_ = new TbsRibbon(form_.get());
        ribbon_->SetParent(form_.get());
        ribbon_->SetSkinData(data_.get());
        for (const char* caption : Captions) {
            auto* page = new TbsRibbonPage(form_.get());
            page->SetCaption(caption);
            ribbon_->Tabs()->Add()->SetPage(page);
        }
        ribbon_->SetTabIndex(0);
        form_->Show();
        SetActiveWindow(form_->Handle());
        PumpMessages();
    }

    // The piece of the test skin at (X, Y) of the ribbon, after a repaint.
    std::string PieceAt(int X, int Y)
    {
        ribbon_->Repaint();
        PumpMessages();
        TPoint p = ribbon_->ClientToScreen(TPoint{X, Y});
        return skin_.PieceOf(static_cast<TColor>(ScreenPixel(p.X, p.Y)));
    }
    std::string TabPiece(int Index)
    {
        TRect r = ribbon_->Tabs()->Items(Index)->TabRect;
        return PieceAt(r.Left + 1, r.Top + 1);
    }
    TPoint TabPoint(int Index)
    {
        TRect r = ribbon_->Tabs()->Items(Index)->TabRect;
        return ribbon_->ClientToScreen(TPoint{r.Left + 2, r.Top + 2});
    }

    std::unique_ptr<TCustomForm> form_;
    TbsRibbon* ribbon_ = nullptr;
};

TEST_F(BsRibbonSkin, StripAndFrameComeFromTheTabDescription)
{
    MakeRibbon(400, {"Home", "Insert", "View"});
    // The strip is as high as the tab image and one more row.
    EXPECT_EQ(ribbon_->StripHeight(), kTabHeight + 1);
    const int strip = ribbon_->StripHeight();
    const int w = ribbon_->Width();
    const int h = ribbon_->Height();
    EXPECT_EQ(ribbon_->GetPageBounds(),
              (TRect{kFrameCorner, strip + kFrameCorner, w - kFrameCorner, h - kFrameCorner}));
    EXPECT_EQ(PieceAt(w - 2, 3), "officetab.tabsbg.face");
    EXPECT_EQ(PieceAt(1, strip + 1), "officetab.frame.lt");
    EXPECT_EQ(PieceAt(200, strip + 1), "officetab.frame.t");
    EXPECT_EQ(PieceAt(w - 2, strip + 1), "officetab.frame.rt");
    EXPECT_EQ(PieceAt(1, 80), "officetab.frame.l");
    EXPECT_EQ(PieceAt(w - 2, 80), "officetab.frame.r");
    EXPECT_EQ(PieceAt(1, h - 1), "officetab.frame.lb");
    EXPECT_EQ(PieceAt(200, h - 1), "officetab.frame.b");
    EXPECT_EQ(PieceAt(w - 2, h - 1), "officetab.frame.rb");
}

TEST_F(BsRibbonSkin, TabsShowTheirStateAndNoneLooksSelectedUnderTheMenu)
{
    MakeRibbon(400, {"Home", "Insert", "View"});
    ASSERT_FALSE(ribbon_->Focused());
    EXPECT_EQ(TabPiece(0), "officetab.active.l");
    // Unselected tabs at rest have no image: the row behind them shows.
    EXPECT_EQ(TabPiece(1), "officetab.tabsbg.face");
    TRect selected = ribbon_->Tabs()->Items(0)->TabRect;
    EXPECT_EQ(PieceAt(selected.Left + selected.Width() / 2, selected.Top + 1), "officetab.active.m");
    EXPECT_EQ(PieceAt(selected.Right - 1, selected.Top + 1), "officetab.active.r");

    InjectMouseMove(TabPoint(1));
    PumpMessages();
    EXPECT_EQ(TabPiece(1), "officetab.hot.l");
    InjectMouseMove({5, 250});
    PumpMessages();
    EXPECT_EQ(TabPiece(1), "officetab.tabsbg.face");

    ribbon_->SetFocus();
    PumpMessages();
    ASSERT_TRUE(ribbon_->Focused());
    EXPECT_EQ(TabPiece(0), "officetab.focus.l");

    auto* menu = new TbsAppMenu(form_.get());
    ribbon_->SetAppMenu(menu);
    menu->Items()->Add()->SetCaption("Open");
    ribbon_->ShowAppMenu();
    PumpMessages();
    EXPECT_EQ(TabPiece(0), "officetab.tabsbg.face");
    ribbon_->HideAppMenu(nullptr);
    PumpMessages();
    EXPECT_EQ(TabPiece(0), "officetab.active.l");
}

TEST_F(BsRibbonSkin, SqueezedTabsEndInTheSkinsDivider)
{
    MakeRibbon(200, {"Home 門 and more", "Insert 說 and more", "View 中 and more"});
    ASSERT_TRUE(ribbon_->Layout().Squeezed);
    TRect r = ribbon_->Tabs()->Items(1)->TabRect;
    EXPECT_EQ(PieceAt(r.Right - 1, r.Top + 1), "officetab.divider.face");
    EXPECT_EQ(PieceAt(r.Right - 2, r.Bottom - 1), "officetab.divider.face");
    EXPECT_EQ(PieceAt(r.Right - 3, r.Top + 1), "officetab.tabsbg.face");
}

TEST_F(BsRibbonSkin, QuickButtonsTakeTheRibbonButtonWhenHotAndPressed)
{
    MakeRibbon(400, {"Home"});
    auto* images = new TCustomImageList(form_.get());  // 16 x 16
    TBitmap strip;
    strip.SetSize(32, 16);
    images->Add(&strip, nullptr);
    ribbon_->SetButtonsImageList(images);
    ribbon_->Buttons()->Add()->SetImageIndex(0);
    ribbon_->Buttons()->Add()->SetImageIndex(1);
    PieceAt(0, 0);
    TRect r = ribbon_->Buttons()->Items(0)->ItemRect;
    ASSERT_EQ(r.Width(), 22);
    EXPECT_EQ(PieceAt(r.Left + 1, r.Top + 1), "officetab.tabsbg.face");

    TPoint p = ribbon_->ClientToScreen(TPoint{r.Left + 1, r.Top + 1});
    InjectMouseMove(p);
    PumpMessages();
    EXPECT_EQ(PieceAt(r.Left + 1, r.Top + 1), "officeribbonbutton.active.lt");
    EXPECT_EQ(PieceAt(r.Left + 10, r.Top + 1), "officeribbonbutton.active.t");
    EXPECT_EQ(PieceAt(r.Right - 1, r.Top + 1), "officeribbonbutton.active.rt");
    InjectMouseDown(p);
    PumpMessages();
    EXPECT_EQ(PieceAt(r.Left + 1, r.Top + 1), "officeribbonbutton.down.lt");
    InjectMouseUp(p);
    PumpMessages();
    EXPECT_EQ(PieceAt(r.Left + 1, r.Top + 1), "officeribbonbutton.active.lt");
    // The other button stays at rest.
    TRect other = ribbon_->Buttons()->Items(1)->ItemRect;
    EXPECT_EQ(PieceAt(other.Left + 1, other.Top + 1), "officetab.tabsbg.face");
}

TEST_F(BsRibbonSkin, ChildButtonsAreTheDescriptionsPiecesInEveryLook)
{
    TMDIScene scene(data_.get());
    auto* ribbon = new TbsRibbon(scene.Parent);
    ribbon->SetParent(scene.Parent);
    ribbon->SetSkinData(data_.get());
    scene.ParentFrame->MDIChildButtons = ribbon;
    auto* page = new TbsRibbonPage(scene.Parent);
    page->SetCaption("說");
    ribbon->Tabs()->Add()->SetPage(page);
    TCustomForm* child = scene.AddChild("A", Bounds(10, 10, 200, 150));
    TMDIScene::FrameOf(child)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    ribbon_ = ribbon;
    PieceAt(0, 0);
    ASSERT_EQ(ribbon->ChildButtons()->Count(), 3);
    const char* names[3] = {"mdiclose", "mdirestore", "mdimin"};
    for (int i = 0; i < 3; ++i) {
        TRect r = ribbon->ChildButtons()->Items(i)->ItemRect;
        EXPECT_EQ(r.Width(), kChildButton);
        EXPECT_EQ(r.Height(), kChildButton);
        std::string name = std::string("officetab.") + names[i];
        EXPECT_EQ(PieceAt(r.Left + 8, r.Top + 8), name + ".face");
        TPoint p = ribbon->ClientToScreen(TPoint{r.Left + 8, r.Top + 8});
        InjectMouseMove(p);
        PumpMessages();
        EXPECT_EQ(PieceAt(r.Left + 8, r.Top + 8), name + "active.face");
        if (i == 0)
            continue;  // pressing close would close the child
        InjectMouseDown(p);
        PumpMessages();
        EXPECT_EQ(PieceAt(r.Left + 8, r.Top + 8), name + "down.face");
        InjectMouseMove({590, 390});
        InjectMouseUp({590, 390});
        PumpMessages();
    }
    ribbon_ = nullptr;
}

class BsAppMenuSkin : public SkinFormTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinFormTest::SetUp();
        form_->SetBounds(100, 80, 500, 400);
        ribbon_ = new TbsRibbon(form_);
        ribbon_->SetParent(form_);
        ribbon_->SkinForm = frame_;
        ribbon_->SetSkinData(data_.get());
        menu_ = new TbsAppMenu(form_);
        menu_->SetSkinData(data_.get());
        ribbon_->SetAppMenu(menu_);
        auto* tab = new TbsRibbonPage(form_);
        tab->SetCaption("Home");
        ribbon_->Tabs()->Add()->SetPage(tab);
        for (const char* caption : {"New 中", "Open", "Recent", "Exit"})
            menu_->Items()->Add()->SetCaption(caption);
        page_ = new TbsAppMenuPage(form_);
        menu_->Items()->Items(2)->SetPage(page_);
        menu_->Items()->Items(3)->SetEnabled(false);
        ribbon_->ShowAppMenu();
        PumpMessages();
    }

    std::string PieceAt(int X, int Y)
    {
        menu_->Repaint();
        page_->Repaint();
        PumpMessages();
        TPoint p = menu_->ClientToScreen(TPoint{X, Y});
        return skin_.PieceOf(static_cast<TColor>(ScreenPixel(p.X, p.Y)));
    }
    std::string ItemPiece(int Index, int X)
    {
        TRect r = menu_->Items()->Items(Index)->ItemRect;
        return PieceAt(X < 0 ? r.Right + X : r.Left + X, r.Top + 1);
    }

    TbsRibbon* ribbon_ = nullptr;
    TbsAppMenu* menu_ = nullptr;
    TbsAppMenuPage* page_ = nullptr;
};

TEST_F(BsAppMenuSkin, ItemsTopLineAndGripComeFromTheMenuDescription)
{
    menu_->SelectItem(1);
    PumpMessages();
    EXPECT_EQ(menu_->Items()->Items(0)->ItemRect.Height(), kMenuItemHeight);
    EXPECT_EQ(menu_->Items()->Items(2)->ItemRect.Height(), kMenuPageItemHeight);
    // The selected command is the item strip; the others the menu's client.
    EXPECT_EQ(ItemPiece(1, 1), "appmenu.item.l");
    EXPECT_EQ(ItemPiece(1, 20), "appmenu.item.m");
    EXPECT_EQ(ItemPiece(1, -1), "appmenu.item.r");
    EXPECT_EQ(ItemPiece(0, 1), "appmenu.frame.client");
    // The item of the active page stays highlighted, in its active strip.
    ASSERT_EQ(menu_->ActivePage(), page_);
    EXPECT_EQ(ItemPiece(2, 1), "appmenu.pageitemactive.l");
    EXPECT_EQ(PieceAt(menu_->Width() / 2, 1), "appmenu.topline.m");
    EXPECT_EQ(PieceAt(1, 1), "appmenu.topline.l");
    ASSERT_TRUE(menu_->SizeGripActive());
    EXPECT_EQ(PieceAt(menu_->Width() - 5, menu_->Height() - 5), "appmenu.gripper.face");

    // A disabled item is never highlighted, even when selected.
    menu_->SelectItem(3);
    PumpMessages();
    EXPECT_EQ(ItemPiece(3, 1), "appmenu.frame.client");
}

TEST_F(BsAppMenuSkin, ThePageItemsPageIsFramedAndSkinned)
{
    menu_->SelectItem(2);
    PumpMessages();
    ASSERT_EQ(menu_->ActivePage(), page_);
    ASSERT_TRUE(page_->Visible());
    EXPECT_EQ(ItemPiece(2, 1), "appmenu.pageitemactive.l");
    EXPECT_EQ(ItemPiece(2, 20), "appmenu.pageitemactive.m");
    const TRect page = page_->BoundsRect();
    // The item reaches over the frame's left strip beside it.
    EXPECT_EQ(PieceAt(page.Left - 2, page.Bottom - 10), "appmenu.frame.l");
    EXPECT_EQ(PieceAt(page.Right + 1, page.Bottom - 10), "appmenu.frame.r");
    EXPECT_EQ(PieceAt(page.Left + 40, page.Bottom + 2), "appmenu.frame.b");
    EXPECT_EQ(PieceAt(page.Left + 40, page.Top + 40), "appmenu.frame.client");
}

}  // namespace bs_ribbon_skin_test
