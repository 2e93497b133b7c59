#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/syn_memo.h"
#include "platform/base/code_page.h"
#include "tests/editor/line_scan_syn.h"

namespace {

// "..." is a string token; every other character is a token of its own,
// a double-byte character as one unit.
class TQuoteSyn : public TLineScanSyn {
public:
    TQuoteSyn() : string_(NewAttribute("String")), code_(NewAttribute("Code")) {}
    TSynHighlighterAttributes* GetDefaultAttribute(int Index) const override
    {
        return Index == kDefaultAttrString ? string_ : nullptr;
    }

private:
    void ScanToken() override
    {
        attr_ = code_;
        if (line_[run_] == '"') {
            attr_ = string_;
            run_ = line_.find('"', run_ + 1);
            run_ = run_ == AnsiString::npos ? line_.size() : run_ + 1;
        } else {
            run_ += CharLengthAt(line_, run_);
        }
    }

    TSynHighlighterAttributes* const string_;
    TSynHighlighterAttributes* const code_;
};

class TSynBracketTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynBracketTest, MatchesSkipStringsAndTrailBytes)
{
    TQuoteSyn syn;
    memo->SetHighlighter(&syn);
    // Trail bytes 5B and 5D read as '[' and ']' alone: 81 5B and 81 5D
    // stand inside the square brackets and must not be counted.
    memo->SetText("f(a, \")\", [\x81\x5B\x81\x5D])\r\n{\r\n  x(\xD6\xD0)\r\n}");
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(2, 1)), BufferCoord(17, 1));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(17, 1)), BufferCoord(2, 1));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(11, 1)), BufferCoord(16, 1));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(16, 1)), BufferCoord(11, 1));
    // The trail byte itself is no bracket; across lines both ways.
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(13, 1)), BufferCoord(0, 0));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(1, 2)), BufferCoord(1, 4));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(1, 4)), BufferCoord(1, 2));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(7, 3)), BufferCoord(4, 3));
    // The start bracket counts even inside a string.
    memo->SetText("\"(\" )");
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(2, 1)), BufferCoord(5, 1));
    // Past the line end, no bracket, no partner: nothing.
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(9, 1)), BufferCoord(0, 0));
    EXPECT_EQ(memo->GetMatchingBracketAt(BufferCoord(4, 1)), BufferCoord(0, 0));
    memo->SetHighlighter(nullptr);
}

TEST_F(TSynBracketTest, GotoMatchingBracketStaysWithoutAPartner)
{
    memo->SetText("ab\r\n(cd\r\n<x>");
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->GotoMatchingBracket();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));
    memo->SetCaretXY(BufferCoord(3, 3));
    memo->GotoMatchingBracket();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 3));
}

TEST_F(TSynBracketTest, MarksFollowInsertedAndDeletedLines)
{
    memo->SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6");
    memo->SetBookMark(0, 1, 2);
    memo->SetBookMark(1, 1, 4);
    memo->SetBookMark(2, 1, 6);
    int x = 0, y = 0;
    auto line = [&](int Mark) { return memo->GetBookMark(Mark, x, y) ? y : 0; };
    // Two lines in front of line 3: marks from line 3 on move down.
    memo->SetCaretXY(BufferCoord(1, 3));
    memo->SetSelText("a\r\nb\r\n");
    EXPECT_EQ(line(0), 2);
    EXPECT_EQ(line(1), 6);
    EXPECT_EQ(line(2), 8);
    // Lines 5 to 7 go in line mode: the mark inside lands on the first of
    // them, the mark below moves up.
    memo->SetSelectionMode(smLine);
    memo->SetCaretAndSelection(BufferCoord(1, 7), BufferCoord(1, 5), BufferCoord(1, 7));
    memo->SetSelText(AnsiString());
    EXPECT_EQ(memo->Text(), "1\r\n2\r\na\r\nb\r\n6");
    EXPECT_EQ(line(0), 2);
    EXPECT_EQ(line(1), 5);
    EXPECT_EQ(line(2), 5);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "1\r\n2\r\na\r\nb\r\n3\r\n4\r\n5\r\n6");
}

}  // namespace
