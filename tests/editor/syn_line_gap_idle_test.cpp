// A long text's line records in a shown editor: idle time brings the place
// where lines go in to the caret's line, wherever the caret went, so that
// the first line break there moves few records; the text stays whole.
#include <gtest/gtest.h>

#include "editor/document/syn_text_string_list.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "tests/editor/syn_paint_test_support.h"

namespace {

class TSynLineGapIdleTest : public TSynPaintTest {
protected:
    void SetUp() override
    {
        TSynPaintTest::SetUp();
        SetManualClock(true);
        memo = AddPaintMemo(300, 200);
    }
    void TearDown() override
    {
        SetManualClock(false);
        TSynPaintTest::TearDown();
    }
    // Idle time, a slice each 20 ms of the manual clock, for Slices slices.
    void Idle(int Slices)
    {
        for (int i = 0; i < Slices; ++i) {
            AdvanceClock(20);
            Pump();
        }
    }
    int GapDistanceFromCaret() const { return memo->Lines()->GapDistance(memo->CaretY() - 1); }

    TSynMemo* memo = nullptr;
};

TEST_F(TSynLineGapIdleTest, IdleTimeBringsTheLineRecordsToTheCaretWhereverItGoes)
{
    constexpr int Lines = 600000;
    AnsiString text;
    for (int i = 1; i <= Lines; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    memo->SetText(text);
    const struct {
        const char* What;
        int Line;
    } places[] = {
        {"near the top, the text just set", 1000},
        {"at the end", Lines},
        {"in the middle", Lines / 2},
        {"back near the top", 3},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.What);
        memo->SetCaretXY(BufferCoord(1, place.Line));
        EXPECT_GT(GapDistanceFromCaret(), 4096);
        Idle(10);
        EXPECT_LE(GapDistanceFromCaret(), 4096);
        memo->CommandProcessor(ecLineBreak, '\0', nullptr);
        memo->CommandProcessor(ecUndo, '\0', nullptr);
    }
    EXPECT_EQ(memo->Text(), text);
}

}  // namespace
