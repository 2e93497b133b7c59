// The skinned scroll bar as a user drives it, in its plain look on the
// hand-driven clock: held arrows and pages repeat on the bar's timings, the
// thumb drags, keys and the wheel count only on a bar that takes the focus,
// and owners hear the events in the order they bridge them by.
#include <string>
#include <vector>

#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class TbsSkinScrollBarTest : public SkinControlsTest {
protected:
    void SetUp() override
    {
        SkinControlsTest::SetUp();
        bar_ = new TbsSkinScrollBar(form_.get());
        bar_->SetParent(form_.get());
        bar_->SetBounds(10, 10, 200, 19);
        SetActiveWindow(form_->Handle());
        Pump();
        bar_->OnChange =
            TNotifyEvent::FromCallable([this](TObject*) { Log("change:" + std::to_string(bar_->Position())); });
        bar_->OnPageUp = TNotifyEvent::FromCallable([this](TObject*) { Log("pageup"); });
        bar_->OnPageDown = TNotifyEvent::FromCallable([this](TObject*) { Log("pagedown"); });
        bar_->OnLastChange = TNotifyEvent::FromCallable([this](TObject*) { Log("lastchange"); });
    }

    void Log(const std::string& Event) { log_.push_back(Event); }
    TPoint At(int X, int Y) { return bar_->ClientToScreen(Point(X, Y)); }
    static void Pump() { PumpMessages(); }
    // Moves the clock in steps of 10 ms for Milliseconds, running the loop
    // after each, as a program's loop would see the timer.
    void Wait(int Milliseconds)
    {
        for (int t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            Pump();
        }
    }

    TbsSkinScrollBar* bar_ = nullptr;
    std::vector<std::string> log_;
};

TEST_F(TbsSkinScrollBarTest, AHeldArrowStepsAtOnceThenAfter550MsThenEvery50)
{
    std::vector<uint32_t> times;
    const uint32_t start = GetTickCount();
    bar_->OnChange = TNotifyEvent::FromCallable([&](TObject*) { times.push_back(GetTickCount() - start); });
    InjectMouseDown(At(190, 9));
    Pump();
    Wait(650);
    EXPECT_EQ(times, (std::vector<uint32_t>{0, 550, 600, 650}));
    // Off the button it waits; back on it, it goes on 50 ms later.
    InjectMouseMove(At(100, 9));
    Pump();
    Wait(300);
    EXPECT_EQ(bar_->Position(), 4);
    InjectMouseMove(At(190, 9));
    Pump();
    Wait(40);
    EXPECT_EQ(bar_->Position(), 4);
    Wait(10);
    EXPECT_EQ(bar_->Position(), 5);
    // Letting go steps no more.
    InjectMouseUp(At(190, 9));
    Pump();
    Wait(200);
    EXPECT_EQ(bar_->Position(), 5);
}

TEST_F(TbsSkinScrollBarTest, TheDownButtonStepsTowardsMinAndStopsThere)
{
    bar_->SetPosition(2);
    log_.clear();
    InjectMouseDown(At(5, 9));
    Pump();
    Wait(700);
    InjectMouseUp(At(5, 9));
    Pump();
    EXPECT_EQ(log_, (std::vector<std::string>{"change:1", "change:0"}));
}

TEST_F(TbsSkinScrollBarTest, AButtonEventReplacesTheButtonsOwnStep)
{
    bar_->OnUpButtonClick = TNotifyEvent::FromCallable([this](TObject*) { Log("up"); });
    InjectClick(At(190, 9));
    Pump();
    EXPECT_EQ(log_, (std::vector<std::string>{"up"}));
    EXPECT_EQ(bar_->Position(), 0);
}

TEST_F(TbsSkinScrollBarTest, AHeldPageStepsUntilTheThumbReachesTheMouse)
{
    bar_->SetLargeChange(10);
    // The thumb's right edge is at 33 + 1.5 x Position: past 150 at 80.
    InjectMouseDown(At(150, 9));
    Pump();
    Wait(2000);
    EXPECT_EQ(bar_->Position(), 80);
    EXPECT_EQ(log_.front(), "change:10");
    EXPECT_EQ(log_[1], "pagedown");
    EXPECT_EQ(log_.back(), "pagedown");
    EXPECT_EQ(log_.size(), 16u);
    InjectMouseUp(At(150, 9));
    Pump();

    // Back the other way, from the Min side of the thumb.
    log_.clear();
    InjectMouseDown(At(60, 9));
    Pump();
    Wait(2000);
    InjectMouseUp(At(60, 9));
    Pump();
    EXPECT_EQ(bar_->Position(), 20);
    EXPECT_EQ(log_.front(), "change:70");
    EXPECT_EQ(log_[1], "pageup");
}

TEST_F(TbsSkinScrollBarTest, DraggingTheThumbChangesThenEndsWithLastChange)
{
    // Moves waiting together merge into one, as on any desktop.
    InjectMouseDown(At(25, 9));
    for (TPoint p : {At(100, 9), At(300, 9)}) {
        InjectMouseMove(p);
        Pump();
    }
    InjectMouseUp(At(300, 9));
    Pump();
    EXPECT_EQ(log_, (std::vector<std::string>{"change:50", "change:100", "lastchange"}));
}

TEST_F(TbsSkinScrollBarTest, KeysAndTheWheelCountOnlyOnABarThatTakesTheFocus)
{
    bar_->SetPosition(50);
    bar_->SetFocus();
    InjectKeyStroke(VK_RIGHT);
    InjectWheel(At(100, 9), 120);
    Pump();
    EXPECT_EQ(bar_->Position(), 50);

    bar_->SetCanFocused(true);
    EXPECT_TRUE(bar_->TabStop());
    // A click on the track focuses the bar first.
    form_->SetFocus();
    InjectClick(At(150, 9));
    Pump();
    EXPECT_TRUE(bar_->Focused());
    log_.clear();
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_LEFT);
    // Turned away from the user: towards Min, one step whatever the delta.
    InjectWheel(At(100, 9), 240);
    InjectWheel(At(100, 9), -120);
    Pump();
    EXPECT_EQ(log_, (std::vector<std::string>{"change:52", "change:53", "change:52", "change:51", "change:52"}));
}

TEST_F(TbsSkinScrollBarTest, RangeChangesMovePositionWithoutOnChange)
{
    bar_->SetRange(10, 110, 100, 10);
    EXPECT_EQ(bar_->Position(), 100);
    bar_->SetRange(0, 100, 95, 10);
    EXPECT_EQ(bar_->Position(), 91);
    // The last whole page above a Min of 10 stays where it is.
    bar_->SetRange(10, 110, 100, 10);
    bar_->SetMax(110);
    EXPECT_EQ(bar_->Position(), 100);
    bar_->SetMax(105);
    EXPECT_EQ(bar_->Position(), 96);
    // A page that does not fit from the position is refused.
    bar_->SetPageSize(11);
    EXPECT_EQ(bar_->PageSize(), 10);
    bar_->SetMin(98);
    EXPECT_EQ(bar_->Position(), 98);
    EXPECT_TRUE(log_.empty());
    bar_->SetMin(0);
    bar_->SetPosition(200);
    EXPECT_EQ(log_, (std::vector<std::string>{"change:96"}));
}

}  // namespace
