// The ribbon headless: its pages scrolling by clicks, held and hovered
// buttons on the hand-driven clock; tabs hidden, squeezed and without a
// page; keys and the wheel; the strip's buttons from the right edge.
#include "skin/form/bs_ribbon.h"

#include <gtest/gtest.h>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_ribbon_page_background.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class BsRibbon : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        form_ = std::make_unique<TCustomForm>(nullptr);
        form_->SetBounds(100, 80, 400, 300);
        ribbon_ = new TbsRibbon(form_.get());
        ribbon_->SetParent(form_.get());
        form_->Show();
        SetActiveWindow(form_->Handle());
        PumpMessages();
    }
    void TearDown() override
    {
        form_.reset();
        Application->ProcessMessages();
        FrameTest::TearDown();
    }

    // A tab whose page holds Count panels of 50 pixels side by side.
    TbsRibbonPage* AddTab(const AnsiString& Caption, int Count = 0)
    {
        auto* page = new TbsRibbonPage(form_.get());
        page->SetCaption(Caption);
        ribbon_->Tabs()->Add()->SetPage(page);
        for (int i = 0; i < Count; ++i) {
            auto* child = new TCustomControl(form_.get());
            child->SetParent(page);
            child->SetBounds(i * 50, 0, 50, 20);
        }
        page->UpdateScroll();
        return page;
    }

    TPoint ButtonPoint(TbsRibbonPage* Page, bool Left)
    {
        return Page->ClientToScreen(TPoint{Left ? -6 : Page->ClientWidth() + 6, 10});
    }
    void Wait(int Milliseconds)
    {
        for (int t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            PumpMessages();
        }
    }

    std::unique_ptr<TCustomForm> form_;
    TbsRibbon* ribbon_ = nullptr;
};

TEST_F(BsRibbon, PageScrollsByClicksWithinItsLimits)
{
    TbsRibbonPage* page = AddTab("門說", 20);  // content 1000 wide
    EXPECT_EQ(page->BoundsRect(), ribbon_->GetPageBounds());
    ASSERT_TRUE(page->ScrollButtonsVisible());
    int client = page->ClientWidth();
    EXPECT_EQ(client, page->Width() - 24);
    EXPECT_EQ(page->ScrollMax(), 999);

    page->SetScrollOffset(-5);  // ignored
    EXPECT_EQ(page->ScrollOffset(), 0);
    InjectClick(ButtonPoint(page, false));
    PumpMessages();
    EXPECT_EQ(page->ScrollPosition(), client);  // one client width
    EXPECT_EQ(page->Controls(0)->Left(), -client);

    page->SetScrollOffset(200);
    for (int i = 0; i < 4; ++i) {
        InjectClick(ButtonPoint(page, false));
        PumpMessages();
    }
    int limit = 999 - client + 1;
    EXPECT_EQ(page->ScrollPosition(), limit);
    EXPECT_EQ(page->Controls(19)->Left() + 50, client);
    InjectClick(ButtonPoint(page, true));
    PumpMessages();
    EXPECT_EQ(page->ScrollPosition(), limit - 200);
    for (int i = 0; i < 3; ++i) {
        InjectClick(ButtonPoint(page, true));
        PumpMessages();
    }
    EXPECT_EQ(page->ScrollPosition(), 0);
    EXPECT_EQ(page->Controls(0)->Left(), 0);
}

TEST_F(BsRibbon, WideningAScrolledPageScrollsBackAndFittingContentResets)
{
    TbsRibbonPage* page = AddTab("a", 10);
    page->SetScrollOffset(1000);
    InjectClick(ButtonPoint(page, false));
    PumpMessages();
    int limit = page->ScrollPosition();
    ASSERT_EQ(limit, 499 - page->ClientWidth() + 1);
    form_->SetWidth(form_->Width() + 30);
    EXPECT_EQ(page->ScrollPosition(), limit - 30);
    EXPECT_EQ(page->Controls(0)->Left(), -(limit - 30));
    form_->SetWidth(700);
    EXPECT_FALSE(page->ScrollButtonsVisible());
    EXPECT_EQ(page->ScrollPosition(), 0);
    EXPECT_EQ(page->ScrollMax(), 0);
    EXPECT_EQ(page->Controls(0)->Left(), 0);
}

TEST_F(BsRibbon, HeldAndHoveredButtonsStepOnTheTimerAndStopAtTheEnd)
{
    TbsRibbonPage* page = AddTab("a", 10);
    page->SetScrollOffset(100);
    page->SetScrollTimerInterval(0);  // ignored
    EXPECT_EQ(page->ScrollTimerInterval(), 50);
    InjectMouseDown(ButtonPoint(page, false));
    PumpMessages();
    EXPECT_EQ(page->ScrollDirection(), 2);
    Wait(50);
    EXPECT_EQ(page->ScrollPosition(), 100);
    Wait(500);
    EXPECT_EQ(page->ScrollPosition(), 499 - page->ClientWidth() + 1);
    EXPECT_EQ(page->ScrollDirection(), 0);  // stopped at the end
    InjectMouseUp(ButtonPoint(page, false));
    PumpMessages();

    page->HotScroll = true;
    InjectMouseMove(ButtonPoint(page, true));
    PumpMessages();
    EXPECT_EQ(page->ScrollDirection(), 1);
    int before = page->ScrollPosition();
    Wait(50);
    EXPECT_EQ(page->ScrollPosition(), before - 100);
    // Leaving the page altogether is noticed by the 100 ms watch.
    InjectMouseMove(TPoint{10, 10});
    PumpMessages();
    Wait(100);
    EXPECT_EQ(page->ScrollDirection(), 0);
    int left = page->ScrollPosition();
    Wait(200);
    EXPECT_EQ(page->ScrollPosition(), left);
}

TEST_F(BsRibbon, HidingTabsMovesTheSelectionAndNoVisibleTabLeavesNone)
{
    TbsRibbonPage* a = AddTab("a");
    TbsRibbonPage* b = AddTab("b");
    TbsRibbonPage* c = AddTab("c");
    int changes = 0;
    ribbon_->OnChangePage = TNotifyEvent::FromCallable([&changes](TObject*) { ++changes; });
    ribbon_->SetTabIndex(1);
    EXPECT_EQ(ribbon_->ActivePage(), b);
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(c->Visible());
    ribbon_->Tabs()->Items(1)->SetVisible(false);
    EXPECT_EQ(ribbon_->TabIndex(), 2);  // the next one to the right
    EXPECT_FALSE(b->Visible());
    EXPECT_TRUE(c->Visible());
    ribbon_->Tabs()->Items(2)->SetVisible(false);
    EXPECT_EQ(ribbon_->TabIndex(), 0);  // else to the left
    EXPECT_TRUE(a->Visible());
    ribbon_->SetTabIndex(7);  // ignored
    EXPECT_EQ(ribbon_->TabIndex(), 0);
    EXPECT_EQ(changes, 3);
    ribbon_->Tabs()->Items(0)->SetVisible(false);
    EXPECT_EQ(ribbon_->TabIndex(), -1);
    EXPECT_EQ(ribbon_->ActivePage(), nullptr);
    EXPECT_FALSE(a->Visible());
    ribbon_->Repaint();  // the empty page area drawn by the bar

    // Deleting a tab at run time frees its page.
    ribbon_->Tabs()->Items(0)->SetVisible(true);
    int components = form_->ComponentCount();
    ribbon_->Tabs()->Delete(0);
    EXPECT_EQ(ribbon_->Tabs()->Count(), 2);
    EXPECT_EQ(form_->ComponentCount(), components - 1);
}

TEST_F(BsRibbon, APageFreedOnItsOwnWhileSelectedLeavesItsTabEmpty)
{
    TbsRibbonPage* a = AddTab("a", 2);
    TbsRibbonPage* b = AddTab("b", 2);
    ribbon_->SetTabIndex(1);
    ASSERT_EQ(ribbon_->ActivePage(), b);
    delete b;
    EXPECT_EQ(ribbon_->Tabs()->Items(1)->Page(), nullptr);
    EXPECT_EQ(ribbon_->ActivePage(), nullptr);
    ribbon_->Repaint();
    PumpMessages();
    // Away and back: the tab shows an empty page area.
    ribbon_->SetTabIndex(0);
    EXPECT_EQ(ribbon_->ActivePage(), a);
    EXPECT_TRUE(a->Visible());
    ribbon_->SetTabIndex(1);
    EXPECT_EQ(ribbon_->TabIndex(), 1);
    EXPECT_EQ(ribbon_->ActivePage(), nullptr);
    EXPECT_FALSE(a->Visible());
    ribbon_->Repaint();
    PumpMessages();
}

TEST_F(BsRibbon, AVisibleTabWithoutAPageIsAnEmptyCaption)
{
    AddTab("a");
    ribbon_->Tabs()->Add();  // no page
    ribbon_->SetTabIndex(1);
    EXPECT_EQ(ribbon_->TabIndex(), 1);
    EXPECT_EQ(ribbon_->ActivePage(), nullptr);
    ribbon_->Repaint();
    EXPECT_EQ(ribbon_->Tabs()->Items(1)->TabRect.Width(), 30);
}

TEST_F(BsRibbon, KeysAndTheWheelMoveBetweenVisibleTabs)
{
    for (const char* caption : {"a", "b", "c", "d"})
        AddTab(caption);
    ribbon_->Tabs()->Items(3)->SetVisible(false);
    ribbon_->SetTabIndex(1);
    ribbon_->SetFocus();
    PumpMessages();
    InjectKeyStroke(VK_NEXT);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 2);  // the last visible
    InjectKeyStroke(VK_PRIOR);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 0);
    InjectKeyStroke(VK_RIGHT);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 1);
    InjectKeyStroke(VK_LEFT);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 0);
    TPoint over = ribbon_->ClientToScreen(TPoint{100, 10});
    InjectWheel(over, -120);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 1);
    InjectWheel(over, 120);
    InjectWheel(over, 120);
    PumpMessages();
    EXPECT_EQ(ribbon_->TabIndex(), 0);
    EXPECT_TRUE(ribbon_->Focused());
}

TEST_F(BsRibbon, StripButtonsGoFromTheRightAndSqueezedTabsShareTheRest)
{
    TbsRibbonLayoutInput in;
    in.BarWidth = 400;
    in.TabWidths = {100, -1, 200};
    in.QuickVisible = {true, false, true};
    TbsRibbonLayoutResult plain = LayOutRibbon(in);
    EXPECT_EQ(plain.RightReserve, 5);  // no image list: no room taken
    EXPECT_EQ(plain.QuickRects[0], TRect{});
    EXPECT_FALSE(plain.Squeezed);
    EXPECT_EQ(plain.TabRects[2], (TRect{160, 1, 360, 24}));

    in.ImageWidth = 16;
    in.ChildButtons = true;
    TbsRibbonLayoutResult out = LayOutRibbon(in);
    EXPECT_EQ(out.QuickRects[2], (TRect{376, 1, 398, 23}));
    EXPECT_EQ(out.QuickRects[0], (TRect{354, 1, 376, 23}));
    // Close, restore, minimize from the right, 2 pixels left of the quick
    // buttons.
    EXPECT_EQ(out.ChildRects[0], (TRect{330, 1, 352, 23}));
    EXPECT_EQ(out.ChildRects[1], (TRect{308, 1, 330, 23}));
    EXPECT_EQ(out.ChildRects[2], (TRect{286, 1, 308, 23}));
    EXPECT_EQ(out.RightReserve, 400 - 286 + 2);
    // 400 - 60 - 116 = 224 wide for 300 of tabs.
    EXPECT_TRUE(out.Squeezed);
    EXPECT_EQ(out.TabRects[0], (TRect{60, 1, 60 + 74, 24}));
    EXPECT_EQ(out.TabRects[2], (TRect{134, 1, 134 + 149, 24}));

    in.TabWidths = {1000, 10};
    out = LayOutRibbon(in);
    EXPECT_EQ(out.TabRects[1].Width(), 15);  // never narrower
}

}  // namespace

namespace {

// A skin whose picture 1 is 4 x 4 with a red client piece at (1, 1, 3, 3),
// and whose picture 0 is empty.
struct TBackgroundSkin {
    TBackgroundSkin()
    {
        data.ActivePictures.push_back(std::make_unique<TBitmap>());
        auto picture = std::make_unique<TBitmap>();
        picture->SetSize(4, 4);
        picture->Canvas()->Brush()->SetColor(clBlue);
        picture->Canvas()->FillRect(Rect(0, 0, 4, 4));
        picture->Canvas()->Brush()->SetColor(clRed);
        picture->Canvas()->FillRect(Rect(1, 1, 3, 3));
        data.ActivePictures.push_back(std::move(picture));
        tabs.PictureIndex = 1;
        tabs.SkinRect = Rect(0, 0, 4, 4);
        tabs.ClientRect = Rect(1, 1, 3, 3);
    }
    TColor Painted(int X, int Y)
    {
        TBitmap target;
        target.SetSize(10, 10);
        DrawRibbonPageBackground(target.Canvas(), Rect(0, 0, 10, 10), &tabs, &data);
        return target.Canvas()->Pixels(X, Y);
    }
    TbsSkinData data{nullptr};
    TbsDataSkinTabControl tabs{"officetab"};
};

}  // namespace

TEST(BsRibbonPageBackground, BadOrEmptyBackgroundPicturesFallBackToTheClientPiece)
{
    TBackgroundSkin skin;
    skin.tabs.BgPictureIndex = 0;  // empty picture: skipped, not divided by
    EXPECT_EQ(skin.Painted(9, 9), clRed);
    skin.tabs.BgPictureIndex = 7;  // past the list: counts as none
    EXPECT_EQ(skin.Painted(0, 0), clRed);
    skin.tabs.StretchEffect = true;
    skin.tabs.StretchType = sthorz;
    EXPECT_EQ(skin.Painted(5, 5), clRed);
    skin.tabs.BgPictureIndex = 1;  // the whole picture tiled
    skin.tabs.StretchEffect = false;
    EXPECT_EQ(skin.Painted(4, 4), clBlue);
    EXPECT_EQ(skin.Painted(5, 5), clRed);
    skin.tabs.ClientRect = Rect(2, 2, 2, 2);
    skin.tabs.BgPictureIndex = -1;  // an empty piece draws nothing
    EXPECT_NE(skin.Painted(5, 5), clRed);
}
