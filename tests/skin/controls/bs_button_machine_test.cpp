// The skinned buttons' timed machine on the hand-driven clock: the
// cross-fade's five steps staying within 0..1, the hover frames, the
// auto-repeat's timing, and a button freed by its own repeated click; and
// the frame and glyph rules the buttons share.

#include "skin/controls/bs_button_machine.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win/clock.h"
#include "skin/controls/bs_button_skin.h"
#include "tests/support/message_pump.h"

namespace {

class TRecordingHost : public IbsButtonMachineHost {
public:
    TRecordingHost() : Machine(std::make_unique<TbsButtonMachine>(this)) {}

    void MachineRepaint() override
    {
        Factors.push_back(Machine->MorphFactor);
        Frames.push_back(Machine->AnimationFrame());
    }
    void MachineClick() override
    {
        Clicks.push_back(Now);
        if (FreeOnClick)
            Machine.reset();
    }
    bool MachineCanMorph() override { return CanMorph; }
    bool MachineHotTarget() override { return Hot; }
    bool MachineDown() override { return Down; }
    void MachineSetDown(bool Value) override { Down = Value; }
    void MachineClearDown() override { Down = false; }

    std::unique_ptr<TbsButtonMachine> Machine;
    bool CanMorph = true;
    bool Hot = false;
    bool Down = false;
    bool FreeOnClick = false;
    unsigned Now = 0;
    std::vector<double> Factors;
    std::vector<int> Frames;
    std::vector<unsigned> Clicks;
};

class TButtonMachineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        SetManualClock(true);
        AdvanceClock(10000);
    }
    void TearDown() override { SetManualClock(false); }

    // Moves the clock on in 10 ms steps, letting the timers fire at each.
    void Run(unsigned Milliseconds)
    {
        for (unsigned t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            host_.Now += 10;
            PumpMessages();
        }
    }

    TRecordingHost host_;
};

TEST_F(TButtonMachineTest, AFadeTakesFiveStepsAndNeverLeavesZeroToOne)
{
    host_.Hot = true;
    host_.Machine->StartMorph();
    Run(100);
    ASSERT_EQ(host_.Factors.size(), 5u);
    EXPECT_DOUBLE_EQ(host_.Factors[0], 0.2);
    EXPECT_DOUBLE_EQ(host_.Factors[3], 0.8);
    EXPECT_EQ(host_.Factors[4], 1.0);
    Run(20);
    EXPECT_FALSE(host_.Machine->MorphRunning());

    // Back down from the exact end: 1.0 less five times 0.2 is not 0.0 in
    // binary, and an unsnapped sixth step would paint a morph of -0.2.
    host_.Factors.clear();
    host_.Hot = false;
    host_.Machine->StartMorph();
    Run(200);
    EXPECT_FALSE(host_.Machine->MorphRunning());
    ASSERT_EQ(host_.Factors.size(), 6u);  // five steps and the closing repaint
    for (double f : host_.Factors) {
        EXPECT_GE(f, 0.0);
        EXPECT_LE(f, 1.0);
    }
    EXPECT_EQ(host_.Factors[4], 0.0);
    EXPECT_EQ(host_.Machine->MorphFactor, 0.0);
}

TEST_F(TButtonMachineTest, AFadeThatMayNoLongerRunJumpsToItsEndUnpainted)
{
    host_.Hot = true;
    host_.Machine->StartMorph();
    Run(40);
    host_.CanMorph = false;
    Run(20);
    EXPECT_EQ(host_.Machine->MorphFactor, 1.0);
    EXPECT_FALSE(host_.Machine->MorphRunning());
    EXPECT_EQ(host_.Factors.size(), 2u);
}

TEST_F(TButtonMachineTest, HoverFramesRunUpAndDownAndABrokenStripRunsNone)
{
    host_.Machine->StartAnimation(true, 3, 30);
    EXPECT_EQ(host_.Machine->AnimationFrame(), 1);
    EXPECT_TRUE(host_.Machine->ShowsAnimationFrame());
    Run(90);
    EXPECT_EQ(host_.Frames, (std::vector<int>{2, 3, 4}));
    EXPECT_FALSE(host_.Machine->Animating());
    EXPECT_EQ(host_.Machine->AnimationFrame(), 0);

    host_.Frames.clear();
    host_.Machine->StartAnimation(false, 3, 30);
    EXPECT_EQ(host_.Machine->AnimationFrame(), 3);
    Run(90);
    EXPECT_EQ(host_.Frames, (std::vector<int>{2, 1, 0}));
    EXPECT_FALSE(host_.Machine->Animating());

    host_.Machine->StartAnimation(true, 0, 30);
    EXPECT_FALSE(host_.Machine->Animating());
    host_.Machine->StartAnimation(true, 4, 0);
    EXPECT_FALSE(host_.Machine->Animating());
    EXPECT_FALSE(host_.Machine->ShowsAnimationFrame());
}

TEST_F(TButtonMachineTest, RepeatClicksAfterTheDelayThenEveryInterval)
{
    host_.Machine->StartRepeat(100);
    Run(1000);
    EXPECT_EQ(host_.Clicks, (std::vector<unsigned>{600, 700, 800, 900, 1000}));
    host_.Machine->StopRepeat();
    EXPECT_FALSE(host_.Machine->Repeating());
    Run(300);
    EXPECT_EQ(host_.Clicks.size(), 5u);
}

TEST_F(TButtonMachineTest, ARepeatedClickMayFreeTheButton)
{
    host_.FreeOnClick = true;
    host_.Machine->StartRepeat(100);
    Run(700);
    EXPECT_EQ(host_.Clicks, std::vector<unsigned>{600});
    EXPECT_EQ(host_.Machine, nullptr);
}

TEST(TButtonSkinRules, FramesSplitTheStripOnlyIntoWholePixels)
{
    TRect skin{0, 0, 20, 10};
    TRect stacked{40, 0, 60, 30};  // no wider than the skin rectangle: rows
    EXPECT_TRUE(CanAnimateFrames(stacked, skin, 3));
    EXPECT_EQ(AnimationFrameRect(stacked, skin, 3, 2), (TRect{40, 10, 60, 20}));
    TRect sideBySide{0, 20, 60, 30};
    EXPECT_EQ(AnimationFrameRect(sideBySide, skin, 3, 3), (TRect{40, 20, 60, 30}));

    EXPECT_FALSE(CanAnimateFrames(stacked, skin, 0));
    EXPECT_FALSE(CanAnimateFrames(stacked, skin, -2));
    EXPECT_TRUE(CanAnimateFrames(stacked, skin, 30));
    EXPECT_FALSE(CanAnimateFrames(stacked, skin, 31));  // frames under a pixel
    EXPECT_FALSE(CanAnimateFrames(TRect{}, skin, 3));
}

TEST(TButtonSkinRules, GlyphNumberByState)
{
    EXPECT_EQ(ButtonGlyphNumber(false, false, true, 4), 1);
    EXPECT_EQ(ButtonGlyphNumber(false, false, false, 4), 2);
    EXPECT_EQ(ButtonGlyphNumber(true, true, true, 4), 3);
    EXPECT_EQ(ButtonGlyphNumber(true, false, true, 4), 4);
    EXPECT_EQ(ButtonGlyphNumber(true, true, true, 2), 1);
    EXPECT_EQ(ButtonGlyphNumber(true, false, true, 3), 1);
    EXPECT_EQ(ButtonGlyphNumber(false, false, false, 1), 1);
    EXPECT_EQ(ButtonGlyphNumber(true, false, false, 2), 2);
}

}  // namespace
