// The skinned up-down as a user drives it on the hand-driven clock: a held
// button first steps 600 ms after the press, then every 100 ms, every 50 ms
// once the mouse came back onto it, and once more when let go over it.
#include <string>
#include <vector>

#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_up_down.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class TbsSkinUpDownTest : public SkinControlsTest {
protected:
    void SetUp() override
    {
        SkinControlsTest::SetUp();
        upDown_ = new TbsSkinUpDown(form_.get());
        upDown_->SetParent(form_.get());
        upDown_->SetBounds(10, 10, 50, 25);
        SetActiveWindow(form_->Handle());
        Pump();
        start_ = GetTickCount();
        upDown_->OnChange = TNotifyEvent::FromCallable([this](TObject*) {
            log_.push_back(std::to_string(GetTickCount() - start_) + ":" + std::to_string(upDown_->Position()));
        });
        upDown_->OnUpButtonClick = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("up"); });
        upDown_->OnDownButtonClick = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("down"); });
    }

    TPoint At(int X, int Y) { return upDown_->ClientToScreen(Point(X, Y)); }
    static void Pump() { PumpMessages(); }
    // The up (increasing) button is the right half, the down one the left.
    TPoint Up() { return At(40, 12); }
    TPoint Down() { return At(8, 12); }
    void Wait(int Milliseconds)
    {
        for (int t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            Pump();
        }
    }
    void Do(void (*Inject)(TPoint, int), TPoint P)
    {
        Inject(P, 1);
        Pump();
    }

    TbsSkinUpDown* upDown_ = nullptr;
    uint32_t start_ = 0;
    std::vector<std::string> log_;
};

TEST_F(TbsSkinUpDownTest, AHeldButtonStepsAt600MsThenEvery100AndOnceMoreOnRelease)
{
    Do(InjectMouseDown, Up());
    Wait(800);
    Do(InjectMouseUp, Up());
    EXPECT_EQ(log_, (std::vector<std::string>{"600:1", "700:2", "800:3", "800:4", "up"}));
    Wait(300);
    EXPECT_EQ(upDown_->Position(), 4);
}

TEST_F(TbsSkinUpDownTest, BackOnTheHeldButtonItStepsEvery50Ms)
{
    Do(InjectMouseDown, Down());
    upDown_->SetPosition(50);
    log_.clear();
    Wait(600);
    // On the other button neither lights up and nothing steps.
    InjectMouseMove(Up());
    Pump();
    Wait(300);
    InjectMouseMove(Down());
    Pump();
    Wait(100);
    EXPECT_EQ(log_, (std::vector<std::string>{"600:49", "950:48", "1000:47"}));
}

TEST_F(TbsSkinUpDownTest, LeavingTheControlPausesTheHeldButton)
{
    Do(InjectMouseDown, Up());
    Wait(600);
    InjectMouseMove(At(100, 12));
    Pump();
    Wait(300);
    EXPECT_EQ(upDown_->Position(), 1);
    InjectMouseMove(Up());
    Pump();
    Wait(50);
    EXPECT_EQ(upDown_->Position(), 2);
    Do(InjectMouseUp, Up());
}

TEST_F(TbsSkinUpDownTest, ReleasedOverTheOtherButtonNothingSteps)
{
    Do(InjectMouseDown, Up());
    InjectMouseMove(Down());
    Pump();
    Do(InjectMouseUp, Down());
    EXPECT_TRUE(log_.empty());
    // A plain click on the down button steps once, below Min not at all.
    upDown_->SetPosition(1);
    log_.clear();
    Do(InjectClick, Down());
    Do(InjectClick, Down());
    EXPECT_EQ(log_, (std::vector<std::string>{"0:0", "down", "down"}));
}

TEST_F(TbsSkinUpDownTest, AZeroIncrementClicksButNeverSteps)
{
    upDown_->Increment = 0;
    Do(InjectMouseDown, Up());
    Wait(1000);
    Do(InjectMouseUp, Up());
    EXPECT_EQ(log_, (std::vector<std::string>{"up"}));
}

TEST_F(TbsSkinUpDownTest, TheRangeKeepsPositionWithoutTellingOfIt)
{
    upDown_->SetMax(3);
    upDown_->SetPosition(3);
    upDown_->SetPosition(3);
    upDown_->SetPosition(4);
    EXPECT_EQ(log_, (std::vector<std::string>{"0:3", "0:3"}));
    upDown_->SetMax(2);
    upDown_->SetMin(-5);
    EXPECT_EQ(upDown_->Position(), 2);
    upDown_->SetMin(3);
    EXPECT_EQ(upDown_->Position(), 3);
    EXPECT_EQ(log_.size(), 2u);
}

}  // namespace
