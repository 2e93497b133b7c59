// Keystrokes in a shown, highlighted editor that folds braces, block
// comments and #if blocks: the window as each keystroke leaves it shows what
// a rebuilt editor shows, though only what changed was repainted; and an
// Enter at the window's foot before a block comment leaves no idle work.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/code_page.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/editor/line_scan_syn.h"
#include "tests/editor/syn_fold_test_support.h"
#include "tests/editor/syn_paint_test_support.h"

namespace {

// "..." is a "String", /* to */ a "Comment" that may run over lines, any
// other character a "Symbol" of its own.
class TBlockCommentSyn : public TLineScanSyn {
public:
    TBlockCommentSyn()
        : string_(NewAttribute("String", clMaroon)), comment_(NewAttribute("Comment", clGreen)),
          symbol_(NewAttribute("Symbol"))
    {
    }
    void* GetRange() const override { return inComment_ ? comment_ : nullptr; }
    void SetRange(void* Value) override { inComment_ = Value != nullptr; }
    void ResetRange() override { inComment_ = false; }

private:
    void ScanToken() override
    {
        if (inComment_ || line_.compare(run_, 2, "/*") == 0) {
            attr_ = comment_;
            const size_t from = inComment_ ? run_ : run_ + 2;
            const size_t close = line_.find("*/", from);
            inComment_ = close == AnsiString::npos;
            run_ = inComment_ ? line_.size() : close + 2;
        } else if (line_[run_] == '"') {
            attr_ = string_;
            run_ = line_.find('"', run_ + 1);
            run_ = run_ == AnsiString::npos ? line_.size() : run_ + 1;
        } else {
            attr_ = symbol_;
            run_ += CharLengthAt(line_, run_);
        }
    }

    TSynHighlighterAttributes* const string_;
    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const symbol_;
    bool inComment_ = false;
};

// Fourteen-line units: a comment of two lines, an #if block, a function with
// blocks three deep.
AnsiString CSource(int Units)
{
    static const char* const unit[] = {
        "/* f: calls the handler",
        " * of every item. */",
        "#if defined(HANDLERS) /* \xD6\xD0 */",
        "void f() {",
        "    if (ready) {",
        "        s = \"} {\";",
        "        for (i = 0; i < n; ++i) {",
        "            call(i); /* { */",
        "        }",
        "    } else {",
        "        \xD5\x66();",
        "    }",
        "}",
        "#endif",
    };
    AnsiString text;
    for (int i = 0; i < Units * 14; ++i)
        text += AnsiString(unit[i % 14]) + "\r\n";
    return text;
}

class TSynFoldKeystrokeTest : public TSynPaintTest {
protected:
    void SetUp() override
    {
        TSynPaintTest::SetUp();
        SetManualClock(true);
        memo = AddPaintMemo(300, 200);
        UseCFolding(memo, syn);
        twin = AddPaintMemo(300, 200);
        twin->SetLeft(350);
        UseCFolding(twin, twinSyn);
        memo->SetText(CSource(40));
    }
    void TearDown() override
    {
        SetManualClock(false);
        memo->SetHighlighter(nullptr);
        twin->SetHighlighter(nullptr);
        TSynPaintTest::TearDown();
    }
    static void UseCFolding(TSynMemo* Memo, TBlockCommentSyn& Syn)
    {
        Memo->SetHighlighter(&Syn);
        TFoldRegions* regions = Memo->CodeFolding()->FoldRegions();
        regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
        regions->Add(frtOneChar, false, false, false, "{", "}");
        regions->Add(frtToken, false, true, false, "/*", "*/");
        regions->Add(frtToken, false, false, false, "#if", "#endif");
        Memo->CodeFolding()->SetHighlighterFoldRegions(false);
        Memo->CodeFolding()->SetEnabled(true);
    }

    // The window as the keystrokes left it, against the twin holding the
    // same text, its ranges rebuilt, painted whole.
    void ExpectShownAsRebuilt(const std::string& What)
    {
        memo->Update();
        const TRasterImage shown = WindowImage(memo->Handle());
        twin->SetText(memo->Lines()->Text());
        twin->RebuildFoldRanges();
        // The whole text scanned, as the typed editor's idle time did: a
        // block open at the window's foot may never close.
        twin->AllFoldRanges();
        twin->SetTopLine(memo->TopLine());
        twin->SetCaretXY(memo->CaretXY());
        twin->SetFocus();  // the caret as the typed editor shows it
        Pump();
        const TRasterImage rebuilt = Picture(twin);
        memo->SetFocus();
        Pump();
        ASSERT_EQ(shown.Width, rebuilt.Width);
        for (int y = 0; y < shown.Height; ++y)
            ASSERT_TRUE(std::equal(shown.Row(y), shown.Row(y) + shown.Width, rebuilt.Row(y)))
                << What << ": pixel row " << y;
    }

    TBlockCommentSyn syn;
    TBlockCommentSyn twinSyn;
    TSynMemo* memo = nullptr;
    TSynMemo* twin = nullptr;
};

// Braces move the blocks below them and their guides and marks; comment
// marks hide tokens and repaint the lines they colour; a letter changes one
// line. Each is typed and taken back, at the top of a function in the
// middle of the text, the view on it; the window is compared once idle
// time is done (until then the blocks below the window are those before
// the keystroke, and a block open there may end lower).
TEST_F(TSynFoldKeystrokeTest, WhatAKeystrokeRepaintsShowsWhatARebuiltEditorShows)
{
    const int line = 20 * 14 + 5;  // "    if (ready) {"
    for (const char* typed : {"{", "}", "/*", "*/", "x", "#if"}) {
        memo->SetTopLine(line - 3);
        memo->SetCaretXY(BufferCoord(5, line));
        memo->SetFocus();
        Pump();
        IdleUntilFoldsScanned(memo);
        for (const char* key = typed; *key; ++key) {
            InjectText(AnsiString(1, *key));
            Pump();
            IdleUntilFoldsScanned(memo);
            ExpectShownAsRebuilt(std::string("typed ") + typed);
        }
        for (const char* key = typed; *key; ++key) {
            InjectKeyStroke(VK_BACK);
            Pump();
            IdleUntilFoldsScanned(memo);
            ExpectShownAsRebuilt(std::string("taken back ") + typed);
        }
        ASSERT_EQ(memo->Lines()->Text(), CSource(40));
    }
}

// Letters at the start of the last line in view, a comment's first, and
// Enter there: the comment moves below the window, the highlighting settles
// on the line after it, and so does the fold scan.
TEST_F(TSynFoldKeystrokeTest, EnterAtTheWindowsFootBeforeACommentLeavesNoIdleWork)
{
    const int line = 20 * 14 + 1;  // "/* f: calls the handler"
    memo->SetTopLine(line - memo->LinesInWindow() + 1);
    memo->SetCaretXY(BufferCoord(1, line));
    memo->SetFocus();
    Pump();
    IdleUntilFoldsScanned(memo);
    InjectText("abc");
    Pump();
    ASSERT_FALSE(memo->FoldScanPending());
    InjectKeyStroke(VK_RETURN);
    Pump();
    EXPECT_FALSE(memo->FoldScanPending()) << "the scan settles below the moved comment";
    EXPECT_EQ(IdleUntilFoldsScanned(memo), 0);
    ExpectShownAsRebuilt("after Enter");
    EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));
}

// A function collapsed in view, and a letter and Enter typed on the line
// of the comment above it: collapsing moved lines, the ranges with them, so
// the scan after the keystrokes settles above the block, which stays the
// range it was, never expanded and collapsed again; the ranges above stay
// too.
TEST_F(TSynFoldKeystrokeTest, TypingAboveACollapsedBlockLeavesItAsItWas)
{
    const int line = 21 * 14 + 1;  // "/* f: calls the handler"
    const int head = line + 3;     // "void f() {"
    memo->SetTopLine(line - 3);
    memo->SetFocus();
    Pump();
    IdleUntilFoldsScanned(memo);
    const TSynTextFoldRange* first = memo->AllFoldRanges()->AllRanges(0);
    TSynTextFoldRange* block = memo->GetFoldRangeStartingAt(head);
    memo->Collapse(block);
    Pump();
    ASSERT_TRUE(block->Collapsed);
    memo->SetCaretXY(BufferCoord(1, line));
    InjectText("x");
    InjectKeyStroke(VK_RETURN);
    Pump();
    IdleUntilFoldsScanned(memo);
    EXPECT_EQ(memo->GetFoldRangeStartingAt(head + 1), block);
    EXPECT_TRUE(block->Collapsed);
    EXPECT_EQ(memo->AllFoldRanges()->AllRanges(0), first);
    twin->SetText(memo->Text());
    twin->RebuildFoldRanges();
    EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(*memo)), DescribeFoldTree(*twin->AllFoldRanges()));
}

}  // namespace
