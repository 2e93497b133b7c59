// Where skinned popup windows open on the work area, how their rows fade
// on the hand-driven clock, and the blocking fade-in of a first window,
// also when a message handled before it closes the chain.
#include <gtest/gtest.h>

#include "platform/ui/kernel/timer.h"
#include "platform/win/clock.h"
#include "platform/win/headless_backend.h"
#include "platform/win/layered_window.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "platform/win/headless_screen.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

namespace {

class TSkinMenuPlaceTest : public SkinMenuTest {
protected:
    void Rows(TMenuItem* Parent, int Count)
    {
        for (int i = 0; i < Count; ++i)
            AddCommand(Parent, "Row " + std::to_string(i));
    }
    static TRect Bounds(TbsSkinPopupWindow* W) { return TRect{W->Left(), W->Top(), W->Left() + W->Width(), W->Top() + W->Height()}; }
};

TEST_F(TSkinMenuPlaceTest, FiftyRowsOnAShortWorkAreaOpenAtItsTopBesideTheOpener)
{
    HeadlessBackend()->SetWorkArea(TRect{0, 50, 1280, 350});
    Rows(root_.get(), 50);
    Open(root_.get(), opener_, TRect{100, 100, 160, 120});
    TbsSkinPopupWindow* w = Window(0);
    EXPECT_TRUE(w->Scrollable());
    EXPECT_FALSE(w->LimitScroll());
    EXPECT_EQ(Bounds(w).Top, 50);
    EXPECT_EQ(w->Height(), 300);
    EXPECT_EQ(w->Left(), 161);
}

TEST_F(TSkinMenuPlaceTest, AWindowLimitedToFiveRowsOfEightStillOpensBelowItsOpener)
{
    menu_->MaxMenuItemsInWindow = 5;
    Rows(root_.get(), 8);
    menu_->PopupRect(opener_, nullptr, false, root_.get(), TRect{100, 100, 160, 120}, 0);
    TbsSkinPopupWindow* w = Window(0);
    EXPECT_TRUE(w->Scrollable());
    EXPECT_TRUE(w->LimitScroll());
    EXPECT_EQ(w->Height(), 5 * menu_->DefaultMenuItemHeight + 24);
    EXPECT_EQ(w->Top(), 120);
    EXPECT_EQ(w->Left(), 100);
    EXPECT_EQ(w->VisibleCount(), 5);
}

TEST_F(TSkinMenuPlaceTest, AnOpenerInTheLowerHalfOpensAboveOrElseBeside)
{
    Rows(root_.get(), 10);  // 10 x 20 + 12 = 212 pixels high
    Open(root_.get(), opener_, TRect{100, 600, 160, 620});
    EXPECT_EQ(Window(0)->Top(), 600 - Window(0)->Height());
    EXPECT_EQ(Window(0)->Left(), 100);

    // Fits neither below nor above: the work area's top, beside the opener.
    menu_->CloseMenu();
    HeadlessBackend()->SetWorkArea(TRect{0, 0, 1280, 400});
    Open(root_.get(), opener_, TRect{100, 210, 160, 230});
    EXPECT_EQ(Window(0)->Top(), 0);
    EXPECT_EQ(Window(0)->Left(), 161);
}

TEST_F(TSkinMenuPlaceTest, ASubMenuAtTheRightEdgeOpensToTheLeftOfItsRow)
{
    TMenuItem* sub = Add(root_.get(), "Sub");
    Rows(sub, 3);
    int width = 0;
    Open(root_.get(), opener_, TRect{1200, 100, 1210, 120});
    TbsSkinPopupWindow* first = Window(0);
    width = first->Width();
    EXPECT_EQ(first->Left(), 1280 - width);
    Key(VK_RIGHT);
    ASSERT_EQ(menu_->PopupCount(), 2);
    TRect row = first->Item(0)->ObjectRect;
    TbsSkinPopupWindow* second = Window(1);
    EXPECT_EQ(second->Left(), first->Left() + row.Left - second->Width() - 1);
    // Its first row level with the parent row.
    EXPECT_EQ(second->Top() + second->ItemsRect().Top, first->Top() + row.Top);
}

TEST_F(TSkinMenuPlaceTest, ARowFadesInInFiveTicksAndTheTimerStops)
{
    skin_.Erase("menuitem", "animateskinrect");
    Reload();
    Rows(root_.get(), 2);
    Open(root_.get(), opener_);
    TbsSkinPopupWindow* w = Window(0);
    TbsSkinMenuItem* row = w->Item(1);
    ASSERT_TRUE(row->CanMorph());
    ASSERT_FALSE(row->CanAnimate());
    Hover(0, 1);  // the poll sees the mouse; the fade starts
    EXPECT_TRUE(w->AnimationTimer()->Enabled());
    Wait(80);
    EXPECT_DOUBLE_EQ(row->MorphKf(), 0.8);
    Wait(20);
    EXPECT_EQ(row->MorphKf(), 1.0);
    Wait(20);
    EXPECT_FALSE(w->AnimationTimer()->Enabled());
    // Drawn at each step, outside the window's painting.
    TRect r = row->ObjectRect;
    EXPECT_EQ(skin_.PieceOf(PixelAt(WindowImage(w->Handle()), r.Right - 2, r.Top + 3)), "menuitem.active.r");

    // And out again in five ticks, ending exactly at 0.
    Hover(0, 0);
    Wait(100);
    EXPECT_EQ(row->MorphKf(), 0.0);
    EXPECT_EQ(w->Item(0)->MorphKf(), 1.0);
    Wait(20);
    EXPECT_FALSE(w->AnimationTimer()->Enabled());

    row->SetMorphKf(1.3);
    EXPECT_EQ(row->MorphKf(), 1.0);
    row->SetMorphKf(-0.1);
    EXPECT_EQ(row->MorphKf(), 0.0);
}

TEST_F(TSkinMenuPlaceTest, AFrameStripPlaysForwardOnHover)
{
    Rows(root_.get(), 2);
    Open(root_.get(), opener_);
    TbsSkinMenuItem* row = Window(0)->Item(1);
    ASSERT_TRUE(row->CanAnimate());
    Hover(0, 1);
    Wait(1000);
    EXPECT_EQ(row->FrameIndex, 4);  // past the third frame: the active image
    EXPECT_FALSE(Window(0)->AnimationTimer()->Enabled());
}

TEST_F(TSkinMenuPlaceTest, TheFirstWindowFadesInToItsAlphaOnTheHandDrivenClock)
{
    menu_->AlphaBlend = true;
    menu_->AlphaBlendAnimation = true;
    menu_->AlphaBlendValue = 150;
    Rows(root_.get(), 2);
    uint32_t start = GetTickCount();
    Open(root_.get(), opener_);
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Window(0)->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 150);
    // 150 div 15 = 10 per step, a step each 6 ms after the first: 15 steps.
    EXPECT_GE(GetTickCount() - start, 14u * 6u);

    // A sub-menu does not fade: it takes the alpha at once.
    menu_->CloseMenu();
    TMenuItem* sub = Add(root_.get(), "Sub");
    Rows(sub, 2);
    Open(root_.get(), opener_);
    start = GetTickCount();
    ClickRow(0, 2);
    ASSERT_EQ(menu_->PopupCount(), 2);
    EXPECT_EQ(GetTickCount() - start, 0u);
    ASSERT_TRUE(GetLayeredWindowAttributes(Window(1)->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 150);
}

// Closes the menu when it handles the message posted to it.
class TClosingOpener : public TMenuOpener {
public:
    TClosingOpener(TComponent* AOwner, TEventLog* ALog, TbsSkinMenu* AMenu)
        : TMenuOpener(AOwner, ALog, "closer"), menu_(AMenu)
    {
    }
    static constexpr UINT Close = WM_USER + 77;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == Close)
            menu_->CloseMenu();
        TMenuOpener::Dispatch(Message);
    }

private:
    TbsSkinMenu* menu_;
};

TEST_F(TSkinMenuPlaceTest, AMessageHandledBeforeTheFadeThatClosesTheChainLeavesNoWindow)
{
    menu_->AlphaBlend = true;
    menu_->AlphaBlendAnimation = true;
    Rows(root_.get(), 2);
    auto* closer = new TClosingOpener(menuForm_.get(), &log_, menu_);
    closer->SetParent(menuForm_.get());
    PostMessage(closer->Handle(), TClosingOpener::Close, 0, 0);
    log_.clear();
    menu_->PopupRect(closer, data_.get(), false, root_.get(), TRect{100, 100, 160, 120}, 0);
    EXPECT_EQ(log_, (TEventLog{"closer 1228", "form 1228"}));
    EXPECT_EQ(menu_->PopupCount(), 0);
    EXPECT_FALSE(menu_->ChainOpen());
    PumpMessages();
    Wait(200);
}

}  // namespace
