#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "editor/syn_memo.h"
#include "tests/editor/line_scan_syn.h"

namespace {

// "{" opens a comment that may run over lines until "}"; a run of letters
// is a word, anything else a symbol of one byte. Kinds: 1 comment, 2 word,
// 3 symbol.
class TBraceCommentSyn : public TLineScanSyn {
public:
    TBraceCommentSyn()
        : comment_(NewAttribute("Comment")), word_(NewAttribute("Word")), symbol_(NewAttribute("Symbol"))
    {
    }
    void* GetRange() const override { return reinterpret_cast<void*>(static_cast<intptr_t>(inComment_)); }
    void SetRange(void* Value) override { inComment_ = reinterpret_cast<intptr_t>(Value) != 0; }
    void ResetRange() override { inComment_ = false; }
    int GetTokenKind() const override { return kind_; }

private:
    void ScanToken() override
    {
        const auto isLetter = [this](size_t At) { return At < line_.size() && std::isalpha(uint8_t(line_[At])); };
        if (inComment_ || line_[run_] == '{') {
            const size_t end = line_.find('}', run_);
            inComment_ = end == AnsiString::npos;
            run_ = inComment_ ? line_.size() : end + 1;
            attr_ = comment_;
            kind_ = 1;
        } else if (isLetter(run_)) {
            while (isLetter(run_))
                ++run_;
            attr_ = word_;
            kind_ = 2;
        } else {
            ++run_;
            attr_ = symbol_;
            kind_ = 3;
        }
    }

    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const word_;
    TSynHighlighterAttributes* const symbol_;
    bool inComment_ = false;
    int kind_ = 0;
};

class TSynHighlighterAttriAtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynHighlighterAttriAtTest, AnswersTheTokenCoveringAColumnWithTheRangeOfTheLineBefore)
{
    TBraceCommentSyn syn;
    memo->SetHighlighter(&syn);
    memo->SetText("ab {one\r\nstill} cd;\r\nx");
    AnsiString token;
    TSynHighlighterAttributes* attri = nullptr;
    int kind = 0;
    int start = 0;
    // Line 2 starts inside the comment line 1 opened.
    ASSERT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(3, 2), token, kind, start, attri));
    EXPECT_EQ(token, "still}");
    EXPECT_EQ(attri, syn.GetAttribute(0));
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(start, 1);
    // Every column of a token finds the same token.
    ASSERT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(9, 2), token, kind, start, attri));
    EXPECT_EQ(token, "cd");
    EXPECT_EQ(attri->Name(), "Word");
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(start, 8);
    ASSERT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(10, 2), token, attri));
    EXPECT_EQ(token, ";");
    EXPECT_EQ(attri->Name(), "Symbol");
    // Line 1 starts from the reset range whatever was scanned last.
    ASSERT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(1, 1), token, kind, start, attri));
    EXPECT_EQ(token, "ab");
    EXPECT_EQ(start, 1);
    ASSERT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(5, 1), token, kind, start, attri));
    EXPECT_EQ(token, "{one");
    EXPECT_EQ(start, 4);
}

TEST_F(TSynHighlighterAttriAtTest, FalsePastTheLineOutsideTheTextAndWithoutAHighlighter)
{
    AnsiString token = "kept?";
    TSynHighlighterAttributes* attri = nullptr;
    memo->SetText("ab\r\ncd");
    EXPECT_FALSE(memo->GetHighlighterAttriAt(BufferCoord(1, 1), token, attri));
    TBraceCommentSyn syn;
    memo->SetHighlighter(&syn);
    EXPECT_FALSE(memo->GetHighlighterAttriAt(BufferCoord(3, 1), token, attri));
    EXPECT_EQ(token, "");
    EXPECT_EQ(attri, nullptr);
    EXPECT_FALSE(memo->GetHighlighterAttriAt(BufferCoord(1, 3), token, attri));
    EXPECT_FALSE(memo->GetHighlighterAttriAt(BufferCoord(1, 0), token, attri));
    EXPECT_TRUE(memo->GetHighlighterAttriAt(BufferCoord(2, 2), token, attri));
    EXPECT_EQ(token, "cd");
}

}  // namespace
