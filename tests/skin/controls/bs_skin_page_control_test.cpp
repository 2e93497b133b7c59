// The skinned page control as a user drives it: a centred row of tabs hit
// where it shows, the skinned scroller while tabs are out of view, close
// buttons (also after a refused change), wheel paging, and the page area
// inside the skin's frame.
#include <string>
#include <vector>

#include "platform/ui/widgets/tab_control_window.h"
#include "platform/win/focus.h"
#include "platform/win/window_proc.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_up_down.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/support/message_pump.h"

namespace {

class TbsSkinPageControlTest : public SkinControlsTest {
protected:
    void SetUp() override
    {
        test_skin_tabs::AddTo(skin_);
        SkinControlsTest::SetUp();
        form_->SetBounds(0, 0, 800, 300);
        pc_ = new TbsSkinPageControl(form_.get());
        pc_->SetParent(form_.get());
        pc_->SetBounds(0, 0, 300, 200);
    }

    TbsSkinTabSheet* AddPage(const AnsiString& Caption)
    {
        auto* page = new TbsSkinTabSheet(form_.get());
        page->SetPageControl(pc_);
        page->SetCaption(Caption);
        pages_.push_back(page);
        return page;
    }
    void AddPages(int Count)
    {
        for (int i = 0; i < Count; ++i)
            AddPage("Page" + std::to_string(i));
    }
    void Paint()
    {
        PumpMessages();
        form_->Update();
    }
    TPoint Centre(const TRect& R) { return pc_->ClientToScreen(TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}); }
    void Click(TPoint P)
    {
        InjectMouseMove(P);
        PumpMessages();
        InjectMouseDown(P);
        PumpMessages();
        InjectMouseUp(P);
        PumpMessages();
    }

    TbsSkinPageControl* pc_ = nullptr;
    std::vector<TbsSkinTabSheet*> pages_;
};

TEST_F(TbsSkinPageControlTest, ACentredRowStartsWhereItShowsAndIsHitThere)
{
    AddPages(3);
    pc_->SetTabsInCenter(true);
    EXPECT_FALSE(pc_->TabsInCenter()) << "refused while TabWidth is 0";

    pc_->SetBounds(0, 0, 400, 200);
    pc_->SetTabWidth(80);
    pc_->SetTabsInCenter(true);
    ASSERT_TRUE(pc_->TabsInCenter());
    EXPECT_TRUE(pc_->TabsBGTransparent());
    EXPECT_EQ(pc_->TabsOffsetValue(), 400 / 2 - 3 * 80 / 2);
    TRect first{};
    SendMessage(pc_->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.Left, 80);

    pc_->SetActivePageIndex(2);
    Paint();
    Click(pc_->ClientToScreen(TPoint{85, 10}));
    EXPECT_EQ(pc_->ActivePageIndex(), 0) << "a click at 85 is on the first tab of the shifted row";
    Click(pc_->ClientToScreen(TPoint{5, 10}));
    EXPECT_EQ(pc_->ActivePageIndex(), 0) << "left of the row is no tab";
}

TEST_F(TbsSkinPageControlTest, TheSkinnedScrollerCountsTheTabsOutOfViewAndGoesWhenAllFit)
{
    pc_->SetTabWidth(60);
    AddPages(10);
    pc_->SetBounds(0, 0, 400, 200);
    TbsSkinUpDown* scroller = pc_->TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->Max(), 4) << "room for 6 of 10 tabs";
    EXPECT_EQ(scroller->Position(), 0);
    EXPECT_EQ(scroller->Left(), 400 - scroller->Width());

    // Scrolling on puts the first tab out of view to the left.
    scroller->SetPosition(1);
    TRect first{};
    SendMessage(pc_->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_LT(first.Right, 1);

    pc_->SetBounds(0, 0, 700, 200);
    EXPECT_EQ(pc_->TabScroller(), nullptr);
}

TEST_F(TbsSkinPageControlTest, ACloseButtonHidesItsPageUnlessOnCloseRefuses)
{
    pc_->SetTabWidth(80);
    pc_->SetShowCloseButtons(true);
    AddPages(3);
    std::vector<std::string> log;
    bool allow = false;
    pc_->OnClose = TbsCloseEvent::FromCallable([&](TObject* Sender, bool& CanClose) {
        log.push_back("close " + static_cast<TTabSheet*>(Sender)->Caption());
        CanClose = allow;
    });
    pc_->OnAfterClose = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("after"); });
    Paint();
    TRect button = pages_[1]->CloseButtonRect;
    ASSERT_GT(button.Width(), 0);
    Click(Centre(button));
    EXPECT_EQ(log, (std::vector<std::string>{"close Page1"}));
    EXPECT_TRUE(pages_[1]->TabVisible());

    allow = true;
    Paint();
    Click(Centre(pages_[1]->CloseButtonRect));
    EXPECT_EQ(log, (std::vector<std::string>{"close Page1", "close Page1", "after"}));
    EXPECT_FALSE(pages_[1]->TabVisible()) << "hidden, not freed, without FreeOnClose";
    EXPECT_EQ(pc_->PageCount(), 3);
    EXPECT_EQ(pc_->ActivePage(), pages_[2]) << "the closed page was active: the tab in its place comes up";
    EXPECT_TRUE(pages_[2]->Visible());
    EXPECT_FALSE(pages_[1]->Visible());

    pc_->FreeOnClose = true;
    Paint();
    Click(Centre(pages_[2]->CloseButtonRect));
    EXPECT_EQ(pc_->PageCount(), 2);
}

TEST_F(TbsSkinPageControlTest, AfterARefusedChangeTheCloseButtonClosesThePageItBelongsTo)
{
    pc_->SetTabWidth(80);
    pc_->SetShowCloseButtons(true);
    AddPages(3);
    pc_->OnChanging = TTabChangingEvent::FromCallable([](TObject*, bool& AllowChange) { AllowChange = false; });
    Paint();
    Click(Centre(pages_[2]->CloseButtonRect));
    EXPECT_EQ(pc_->ActivePageIndex(), 0) << "the change was refused";
    EXPECT_FALSE(pages_[2]->TabVisible()) << "the pressed page closes";
    EXPECT_TRUE(pages_[0]->TabVisible()) << "not the active one";
}

TEST_F(TbsSkinPageControlTest, TheWheelSkipsHiddenPagesAndStopsAtTheEnds)
{
    AddPages(4);
    pages_[1]->SetTabVisible(false);
    pc_->MouseWheelSupport = true;
    pc_->SetFocus();
    Paint();
    TPoint at = pc_->ClientToScreen(TPoint{50, 50});
    std::vector<int> seen;
    for (int delta : {-120, -120, -120, 120, 120, 120}) {
        InjectWheel(at, delta);
        PumpMessages();
        seen.push_back(pc_->ActivePageIndex());
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 3, 2, 0, 0}));
}

TEST_F(TbsSkinPageControlTest, ThePageAreaFollowsTheSkinsFrameOnEverySide)
{
    AddPages(2);
    const int h = 20;  // DefaultItemHeight, and the test skin's "tabrect" height
    const int w = 300, ht = 200;
    struct TCase {
        TTabPosition Side;
        TRect Plain;
        TRect Skinned;
    };
    const TCase cases[] = {
        {tpTop, {1, h - 1, w - 1, ht - 1}, {4, h + 2, w - 4, ht - 4}},
        {tpBottom, {1, 1, w - 1, ht - 1 - h}, {4, 2, w - 4, ht - 4 - h}},
        {tpLeft, {h + 1, -3, w - 1, ht - 1}, {h + 4, 2, w - 4, ht - 4}},
        {tpRight, {-1, -3, w - 1 - h, ht - 1}, {4, 2, w - 4 - h, ht - 4}},
    };
    for (const TCase& c : cases) {
        pc_->SetSkinData(nullptr);
        pc_->ChangeSkinData();
        pc_->SetTabPosition(c.Side);
        EXPECT_EQ(pc_->DisplayRect(), c.Plain) << "side " << c.Side << " unskinned";
        pc_->SetSkinData(data_.get());
        EXPECT_EQ(pc_->DisplayRect(), c.Skinned) << "side " << c.Side << " skinned";
    }
}

}  // namespace
