#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_scan.h"
#include "editor/view/syn_gutter.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "platform/base/code_page.h"
#include "tests/editor/line_scan_syn.h"
#include "tests/support/test_random.h"

namespace {

// "..." is a "String" token, // runs to the line end as a "Comment", any
// other character is a "Symbol" of its own.
class TStringCommentSyn : public TLineScanSyn {
public:
    TStringCommentSyn()
        : string_(NewAttribute("String")), comment_(NewAttribute("Comment")), symbol_(NewAttribute("Symbol"))
    {
    }

private:
    void ScanToken() override
    {
        attr_ = symbol_;
        if (line_[run_] == '"') {
            attr_ = string_;
            run_ = line_.find('"', run_ + 1);
            run_ = run_ == AnsiString::npos ? line_.size() : run_ + 1;
        } else if (line_.compare(run_, 2, "//") == 0) {
            attr_ = comment_;
            run_ = line_.size();
        } else {
            run_ += CharLengthAt(line_, run_);
        }
    }

    TSynHighlighterAttributes* const string_;
    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const symbol_;
};

struct TLines {
    int From, To, Level;
    bool operator==(const TLines&) const = default;
};

std::vector<TLines> Found(const TSynTextAllFoldRanges& Ranges)
{
    std::vector<TLines> result;
    for (int i = 0; i < Ranges.AllCount(); ++i) {
        const TSynTextFoldRange* range = Ranges.AllRanges(i);
        result.push_back({range->FromLine(), range->ToLine(), range->FoldRangeLevel});
    }
    return result;
}

// An editor whose executor the tests may run past the fold guard.
class TUnguardedMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    using TSynMemo::DoExecuteCommand;
};

class TSynCodeFoldingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        memo = new TUnguardedMemo(nullptr);
        braces = memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        memo->CodeFolding()->SetHighlighterFoldRegions(false);
        memo->CodeFolding()->SetEnabled(true);
    }
    void TearDown() override { delete memo; }
    void Load(const AnsiString& Text)
    {
        memo->SetText(Text);
        memo->ClearUndo();
        memo->RebuildFoldRanges();
    }
    void Fold(int Line)
    {
        TSynTextFoldRange* range = memo->GetFoldRangeAtLine(Line);
        ASSERT_NE(range, nullptr) << "no range at line " << Line;
        memo->Collapse(range);
        ASSERT_TRUE(range->Collapsed);
    }
    // The ranges with every collapsed one expanded, and those a rebuild of
    // the same text finds: lines and levels in the order of the flat list.
    std::vector<TLines> Expanded() const
    {
        TSynTextAllFoldRanges ranges;
        ranges.Assign(*memo->AllFoldRanges());
        TSynTextStringList lines;
        lines.Assign(memo->Lines());
        ranges.ExpandAll(&lines);
        return Found(ranges);
    }
    std::vector<TLines> Rebuilt() const
    {
        TSynMemo fresh(nullptr);
        TFoldRegions* from = memo->CodeFolding()->FoldRegions();
        TFoldRegions* to = fresh.CodeFolding()->FoldRegions();
        for (int i = 0; i < from->Count(); ++i) {
            const TFoldRegionItem* r = from->GetItem(i);
            to->Add(r->RegionType, r->AddEnding, r->AllowNoSubs, r->WholeWords, r->Open(), r->Close());
        }
        for (int i = 0; i < from->SkipRegions()->Count(); ++i) {
            const TSkipRegionItem* r = from->SkipRegions()->GetItem(i);
            to->SkipRegions()->Add(r->Open(), r->Close(), r->Escape(), r->RegionType);
        }
        fresh.CodeFolding()->SetHighlighterFoldRegions(false);
        fresh.CodeFolding()->SetEnabled(true);
        fresh.SetText(memo->Text());
        fresh.RebuildFoldRanges();
        return Found(*fresh.AllFoldRanges());
    }
    TUnguardedMemo* memo = nullptr;
    TFoldRegionItem* braces = nullptr;
};

const char* const Sample = "void f() {\r\n"   // 1
                           "  if (a) {\r\n"   // 2
                           "    x();\r\n"     // 3
                           "  }\r\n"          // 4
                           "  y();\r\n"       // 5
                           "}\r\n"            // 6
                           "void g() {\r\n"   // 7
                           "  \xD5\x66();\r\n"  // 8: 說()
                           "}";               // 9

}  // namespace

TEST(TSynFoldScannerTest, BracesNestAndTrailBytesDoNotCount)
{
    TFoldRegions regions;
    regions.Add(frtOneChar, false, false, false, "{", "}");
    TSynFoldScanner scanner(&regions, false, 2);
    TSynTextAllFoldRanges ranges;
    // 81 7B and 81 7D are double-byte characters whose trail bytes read as
    // braces; they must not open or close anything.
    scanner.Scan("a {\r\n  b {\x81\x7D\r\n  }\r\n\t\tc {\r\n}\r\n}\r\nx { \x81\x7B", ranges);
    EXPECT_EQ(Found(ranges), (std::vector<TLines>{{1, 6, 0}, {2, 3, 1}, {4, 5, 1}, {7, 7, 0}}));
    ASSERT_EQ(ranges.Count(), 2);
    EXPECT_EQ(ranges.Ranges(0)->SubFoldRanges.Count(), 2);
    EXPECT_EQ(ranges.AllRanges(1)->Indent, 1);
    EXPECT_EQ(ranges.AllRanges(2)->Indent, 2);
}

TEST(TSynFoldScannerTest, AnIndentationDeeperThanARangeHoldsCountsAsTheDeepest)
{
    TFoldRegions regions;
    regions.Add(frtOneChar, false, false, false, "{", "}");
    TSynFoldScanner scanner(&regions, false, 4);
    TSynTextAllFoldRanges ranges;
    scanner.Scan(AnsiString(70000, '\t') + "{\r\n}\r\n" + AnsiString(4 * 65534, ' ') + "{\r\n}", ranges);
    ASSERT_EQ(ranges.AllCount(), 2);
    EXPECT_EQ(ranges.AllRanges(0)->Indent, TSynTextFoldRange::kDeepestIndent);
    EXPECT_EQ(ranges.AllRanges(1)->Indent, 65534);
}

TEST(TSynFoldScannerTest, TokensMatchWithoutCaseAndTheSchemeStaysAsWritten)
{
    TFoldRegions regions;
    TFoldRegionItem* block = regions.Add(frtToken, true, false, true, "begin", "end");
    regions.Add(frtToken, false, false, false, "", "}");  // an empty token would match everywhere
    regions.SkipRegions()->Add("'", "'", "\\", srtCloseChar);
    regions.SkipRegions()->Add("//", "", "", srtLineEnd);
    regions.SkipRegions()->Add("", "x", "", srtCloseString);
    TSynFoldScanner scanner(&regions, false, 4);
    TSynTextAllFoldRanges ranges;
    scanner.Scan("BEGIN\r\n"
                 "  s := 'end \\' end';\r\n"
                 "  // end\r\n"
                 "  beginning; Begin x End;\r\n"
                 "End;\r\n"
                 "backend",
                 ranges);
    EXPECT_EQ(Found(ranges), (std::vector<TLines>{{1, 5, 0}, {4, 4, 1}}));
    EXPECT_EQ(block->Open(), "begin");
    EXPECT_EQ(block->Close(), "end");
    EXPECT_EQ(ranges.AllRanges(0)->Ending(), "end");

    // Case-sensitive: only the exact tokens count.
    TSynFoldScanner exact(&regions, true, 4);
    TSynTextAllFoldRanges none;
    exact.Scan("BEGIN\r\nEND", none);
    EXPECT_EQ(none.AllCount(), 0);
}

// The scan looks closer only at bytes that may start a token: a lower-case
// letter token must still be seen among symbol tokens, and a parent's close
// byte inside its sub-regions, which know nothing of it.
TEST(TSynFoldScannerTest, EveryTokenIsSeenWhateverByteItStartsWith)
{
    TFoldRegions regions;
    TFoldRegionItem* paren = regions.Add(frtOneChar, false, false, false, "(", ")");
    paren->SubRegions()->Add(frtOneChar, false, false, false, "{", "}");
    regions.Add(frtOneChar, false, false, false, "[", "]");
    regions.SkipRegions()->Add("rem", "", "", srtLineEnd);
    TSynFoldScanner scanner(&regions, false, 4);
    TSynTextAllFoldRanges ranges;
    scanner.Scan("(\r\n"
                 "  {\r\n"
                 "  x )\r\n"
                 "[ Rem ]\r\n"
                 "\xD5\x66 ]",
                 ranges);
    EXPECT_EQ(Found(ranges), (std::vector<TLines>{{1, 3, 0}, {2, 2, 1}, {4, 5, 0}}));

    // A letter that starts no token leaves the signature; one that begins
    // a skip token changes it.
    const std::optional<AnsiString> plain = scanner.LineSignature("  if (ready) {");
    ASSERT_TRUE(plain);
    EXPECT_EQ(scanner.LineSignature("  if (readyx) {"), plain);
    EXPECT_NE(scanner.LineSignature("  if (ready) rem {"), plain);
    EXPECT_EQ(scanner.LineSignature("\xD5\x66\xE9\x54"), AnsiString());
}

// Long stretches without a token's first byte or a double-byte character
// are passed many bytes at once: a token or a lead byte at any place in such
// a stretch is still seen, and a trail byte that reads as a token still is
// not one. With more kinds of first bytes than are compared at once, the
// line is read byte by byte, to the same signatures.
TEST(TSynFoldScannerTest, LongLinesGiveTheSignaturesOfTheirTokens)
{
    for (const bool manyFirstBytes : {false, true}) {
        TFoldRegions regions;
        regions.Add(frtOneChar, false, false, false, "{", "}");
        regions.SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
        if (manyFirstBytes)
            for (const char* pair : {"()", "[]", "<>", "!?"})
                regions.Add(frtOneChar, false, false, false, AnsiString(1, pair[0]), AnsiString(1, pair[1]));
        TSynFoldScanner scanner(&regions, false, 4);
        const std::optional<AnsiString> open = scanner.LineSignature("{");
        const std::optional<AnsiString> pair = scanner.LineSignature("{ }");
        ASSERT_TRUE(open && pair);
        ASSERT_NE(open, pair);
        for (size_t length = 0; length < 50; ++length) {
            const AnsiString x(length, 'x');
            EXPECT_EQ(scanner.LineSignature(x + "{ }"), pair) << length;
            EXPECT_EQ(scanner.LineSignature(x + "{ }" + x), pair) << length;
            // 81 7B and 81 7D: double-byte characters whose trail bytes read
            // as braces.
            EXPECT_EQ(scanner.LineSignature(x + "\x81\x7B{ }"), pair) << length;
            EXPECT_EQ(scanner.LineSignature("{" + x + "\x81\x7D"), open) << length;
            EXPECT_EQ(scanner.LineSignature(x + "\xD5\x66{" + x + "}"), scanner.LineSignature("{" + x + "}")) << length;
            EXPECT_NE(scanner.LineSignature(x + "\x81\x7B{" + x + "\"}"), pair) << length;
            // Runs of bytes that may all lead (D6 D0: 中) pair from their start.
            AnsiString wide;
            for (size_t i = 0; i < length; ++i)
                wide += "\xD6\xD0";
            EXPECT_EQ(scanner.LineSignature(wide + "{ }"), pair) << length;
            EXPECT_EQ(scanner.LineSignature(wide + "\x81\x7B{ }" + wide), pair) << length;
            EXPECT_EQ(scanner.LineSignature("{" + wide + "\x81\x7D" + wide), open) << length;
            EXPECT_EQ(scanner.LineSignature("{" + x + wide + "\xD6\x81\x81\x7D"), open) << length;
        }
    }
    // A token that starts with a double-byte character (說 ... 門) is seen
    // only where a character starts.
    TFoldRegions wide;
    wide.Add(frtOneChar, false, false, false, "\xD5\x66", "\xE9\x54");
    TSynFoldScanner scanner(&wide, false, 4);
    const std::optional<AnsiString> open = scanner.LineSignature("\xD5\x66");
    ASSERT_TRUE(open);
    ASSERT_NE(open, AnsiString());
    for (size_t length = 0; length < 50; ++length) {
        AnsiString run;
        for (size_t i = 0; i < length; ++i)
            run += "\xD6\xD0";
        EXPECT_EQ(scanner.LineSignature(run + "\xD5\x66" + run), open) << length;
        EXPECT_EQ(scanner.LineSignature(run + "\xD6\xD5\x66" + run), AnsiString()) << length;
        EXPECT_EQ(scanner.LineSignature(AnsiString(length, 'x') + "\xD6\xD5\x66\xD5\x66"), open) << length;
    }
}

// A scanner tells when the regions it was made from were edited in place,
// whatever the field.
// A character put in or taken out that the scanner says leaves a line's
// signature must leave it: random lines of tokens, words, blanks and
// double-byte characters, edited at random places.
TEST(TSynFoldScannerTest, AnEditItSaysKeepsTheSignatureKeepsIt)
{
    TFoldRegions regions;
    regions.Add(frtOneChar, false, false, false, "{", "}");
    regions.Add(frtToken, false, false, true, "begin", "end");
    regions.SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions.SkipRegions()->Add("//", "", "", srtLineEnd);
    TSynFoldScanner scanner(&regions, false, 4);
    const char* const pieces[] = {"{", "}", "begin", "END", "\"", "\\", "//", " ", "\t", "x", "yz",
                                  "\xD5\x66", "\x81\x7B", "e", "n", "d", "xxxxxxxx", "qq qq qq"};
    const char typed[] = {'x', 'e', 'N', ' ', '_', '1', '{', '"'};
    TRandom random(7);
    int kept = 0;
    for (int round = 0; round < 4000; ++round) {
        AnsiString before;
        for (int i = random.Below(12); i > 0; --i)
            before += random.Pick(pieces);
        std::vector<size_t> starts{0};
        for (size_t i = 0; i < before.size(); i += CharLengthAt(before, i))
            starts.push_back(i + CharLengthAt(before, i));
        // Sometimes between a lead byte and its trail byte.
        const size_t at = random.Chance(70) ? starts[random.Index(starts.size())] : random.Index(before.size() + 1);
        AnsiString after = before;
        if (random.Chance(50))
            after.insert(at, 1, typed[random.Index(sizeof typed)]);
        else if (at < before.size() && CharLengthAt(before, at) == 1)
            after.erase(at, 1);
        else
            continue;
        if (!scanner.KeepsSignature(before, after))
            continue;
        ++kept;
        ASSERT_EQ(scanner.LineSignature(after), scanner.LineSignature(before))
            << "[" << before << "] -> [" << after << "]";
    }
    EXPECT_GT(kept, 100);

    // Typed far from the tokens it keeps; beside a token, in the
    // indentation or with the highlighter asked, it tells nothing.
    const AnsiString line = "    if (xxxxxxxxxxxxxx) {";
    EXPECT_TRUE(scanner.KeepsSignature(line, "    if (xxxxxxxqxxxxxxx) {"));
    EXPECT_TRUE(scanner.KeepsSignature("    if (xxxxxxxqxxxxxxx) {", line));
    EXPECT_FALSE(scanner.KeepsSignature(line, "    if (xxxxxxxxxxxxxx)q {"));
    EXPECT_FALSE(scanner.KeepsSignature(line, "     if (xxxxxxxxxxxxxx) {"));
    EXPECT_FALSE(scanner.KeepsSignature(line, "    if (xxxxxxx{xxxxxxx) {"));
    EXPECT_FALSE(scanner.KeepsSignature(line, "    if (xxxxxxxexxxxxxx) {"));  // E starts END
    // A trail byte taken out of a run of double-byte characters whose
    // bytes all read as lead bytes moves the character grid down the run:
    // the trail byte 7B at its end becomes a brace far from the edit.
    const AnsiString run = "\xD5\x66\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\x81\x7B";
    const AnsiString shifted = "\xD5\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\x81\x7B";
    EXPECT_NE(scanner.LineSignature(shifted), scanner.LineSignature(run));
    EXPECT_FALSE(scanner.KeepsSignature(run, shifted));
    scanner.AttributeAt = [](int, int) { return AnsiString(); };
    EXPECT_FALSE(scanner.KeepsSignature(line, "    if (xxxxxxxqxxxxxxx) {"));
}

TEST(TSynFoldScannerTest, ItTellsRegionsEditedInPlace)
{
    TFoldRegions regions;
    TFoldRegionItem* braces = regions.Add(frtOneChar, false, false, false, "{", "}");
    TSkipRegionItem* quotes = regions.SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    const std::vector<std::function<void()>> edits{
        [&] { braces->WholeWords = true; },
        [&] { braces->AllowNoSubs = true; },
        [&] { braces->RegionType = frtToken; },
        [&] { braces->SetClose(")"); },
        [&] { braces->SetOpen("{{"); },
        [&] { quotes->SetEscape(""); },
        [&] { quotes->SetClose("'"); },
        [&] { quotes->RegionType = srtLineEnd; },
        [&] { braces->SubRegions()->Add(frtOneChar, false, false, false, "(", ")"); },
        [&] { braces->SubRegions()->GetItem(0)->SetClose("]"); },
        [&] { braces->SubRegions()->SkipRegions()->Add("'", "'", "", srtCloseChar); },
        [&] { regions.SkipRegions()->Add("//", "", "", srtLineEnd); },
        [&] { regions.Delete(0); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        TSynFoldScanner scanner(&regions, false, 4);
        EXPECT_TRUE(scanner.MadeFrom(&regions, false, 4)) << i;
        EXPECT_FALSE(scanner.MadeFrom(&regions, true, 4)) << i;
        EXPECT_FALSE(scanner.MadeFrom(&regions, false, 8)) << i;
        edits[i]();
        EXPECT_FALSE(scanner.MadeFrom(&regions, false, 4)) << i;
    }
}

TEST_F(TSynCodeFoldingTest, BracesInStringsAndCommentsDoNotFold)
{
    TStringCommentSyn syn;
    memo->SetHighlighter(&syn);
    Load("f() {\r\n  s = \"{\";\r\n  // }\r\n  t = \"}\" + \"{\";\r\n}");
    EXPECT_EQ(Found(*memo->AllFoldRanges()), (std::vector<TLines>{{1, 5, 0}}));
    memo->SetHighlighter(nullptr);
}

// A text given to the buffer itself, not through the editor's commands,
// has its ranges (marks, guides) before any edit.
TEST_F(TSynCodeFoldingTest, TextGivenToTheBufferHasItsRangesAtOnce)
{
    const std::string file = ::testing::TempDir() + "fold_buffer_text.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << Sample;
    }
    const std::pair<const char*, std::function<void()>> loads[] = {
        {"SetText", [this] { memo->Lines()->SetText(Sample); }},
        {"LoadFromFile", [this, &file] { memo->Lines()->LoadFromFile(file); }},
    };
    for (const auto& [how, load] : loads) {
        SCOPED_TRACE(how);
        memo->Lines()->Clear();
        load();
        EXPECT_EQ(memo->Lines()->Count(), 9);
        EXPECT_FALSE(Found(*memo->AllFoldRanges()).empty());
        EXPECT_EQ(Found(*memo->AllFoldRanges()), Rebuilt());
    }
    std::remove(file.c_str());
}

TEST_F(TSynCodeFoldingTest, CollapseThenExpandRestoresTheTextExactly)
{
    Load(Sample);
    TSynTextStringList* lines = memo->Lines();
    lines->GetLineState(2)->Modified = lmSaved;
    lines->GetLineState(0)->Modified = lmUnchanged;
    Fold(2);
    EXPECT_EQ(lines->Count(), 7);
    EXPECT_EQ(lines->Strings(1), "  if (a) {     ");
    EXPECT_EQ(memo->GetFoldRangeStartingAt(2)->LinesCollapsed(), 1);
    EXPECT_EQ(memo->Text(), Sample);  // saving writes every line
    Fold(1);
    EXPECT_EQ(lines->Count(), 4);
    EXPECT_EQ(memo->Text(), Sample);
    memo->UncollapseAll();
    EXPECT_EQ(lines->Text(), Sample);
    EXPECT_EQ(lines->GetLineState(2)->Modified, lmSaved);
    EXPECT_EQ(lines->GetLineState(0)->Modified, lmUnchanged);

    // With AddEnding the close token shows after the first line.
    braces->AddEnding = true;
    memo->RebuildFoldRanges();
    Fold(7);
    EXPECT_EQ(lines->Strings(6), "void g() {     }");
    Fold(1);
    memo->Uncollapse(memo->GetFoldRangeStartingAt(1));
    memo->Uncollapse(memo->GetFoldRangeStartingAt(7));
    EXPECT_EQ(lines->Text(), Sample);

    // A first line changed while collapsed keeps the change; the rest of
    // the text comes back whole.
    Fold(7);
    lines->SetStrings(6, "void h() {");
    memo->Uncollapse(memo->GetFoldRangeStartingAt(7));
    EXPECT_EQ(lines->Strings(6), "void h() {");
    EXPECT_EQ(lines->Strings(7), "  \xD5\x66();");
    EXPECT_EQ(lines->Count(), 9);

    // A block whose last line opens the next block keeps that line in view.
    Load("if {\r\n  a;\r\n} else {\r\n  b;\r\n}");
    Fold(1);
    EXPECT_EQ(lines->Text(), "if {     }\r\n} else {\r\n  b;\r\n}");
    Fold(2);
    EXPECT_EQ(memo->Text(), "if {\r\n  a;\r\n} else {\r\n  b;\r\n}");
}

// A long text has many ranges and few of them collapsed: only a collapsed
// range holds its hidden lines and what else its collapse keeps, and gives
// them up when expanded; a copy of the ranges holds copies of its own.
TEST_F(TSynCodeFoldingTest, OnlyCollapsedRangesHoldWhatTheirCollapseKept)
{
    Load(Sample);
    const auto holdOnlyWhenCollapsed = [](const TSynTextAllFoldRanges& Ranges) {
        for (int i = 0; i < Ranges.AllCount(); ++i) {
            const TSynTextFoldRange* range = Ranges.AllRanges(i);
            if ((range->CollapsedData() != nullptr) != range->Collapsed)
                return false;
        }
        return true;
    };
    Fold(2);
    const TSynTextFoldRange* inner = memo->GetFoldRangeStartingAt(2);
    Fold(1);
    EXPECT_TRUE(holdOnlyWhenCollapsed(*memo->AllFoldRanges()));
    ASSERT_EQ(inner->CollapsedLines().Count(), 2);
    EXPECT_EQ(inner->CollapsedLines().Strings(0), "  }");
    EXPECT_EQ(inner->CollapsedSuffix(), "     ");

    // Expanding the copy in a copy of the buffer leaves the editor's
    // ranges as they were.
    TSynTextAllFoldRanges copy;
    copy.Assign(*memo->AllFoldRanges());
    TSynTextStringList lines;
    lines.Assign(memo->Lines());
    copy.ExpandAll(&lines);
    EXPECT_EQ(lines.Text(), Sample);
    EXPECT_TRUE(holdOnlyWhenCollapsed(copy));
    EXPECT_FALSE(copy.HasCollapsed());
    EXPECT_EQ(inner->CollapsedLines().Strings(1), "    x();");

    memo->UncollapseAll();
    EXPECT_TRUE(holdOnlyWhenCollapsed(*memo->AllFoldRanges()));
    EXPECT_EQ(inner->CollapsedLines().Count(), 0);
    EXPECT_EQ(inner->CollapsedSuffix(), "");
    EXPECT_EQ(memo->Lines()->Text(), Sample);
}

// An outer block that closes on the inner block's last line shrinks to the
// inner block's first line while that is collapsed, and gets its lines back
// with it: expanding must tell it from a block that merely ends there.
TEST_F(TSynCodeFoldingTest, ExpandingGivesBackTheLinesOfABlockEndingOnTheSameLine)
{
    Load("a {\r\n  b {\r\n    c;\r\n  }}\r\nd {\r\n}");
    Fold(2);
    EXPECT_EQ(Found(*memo->AllFoldRanges()), (std::vector<TLines>{{1, 2, 0}, {2, 4, 1}, {3, 4, 0}}));
    memo->Uncollapse(memo->GetFoldRangeStartingAt(2));
    EXPECT_EQ(Found(*memo->AllFoldRanges()), (std::vector<TLines>{{1, 4, 0}, {2, 4, 1}, {5, 6, 0}}));

    // A block that only ends where the collapsed one starts stays as it is.
    Load("a {\r\n} b {\r\n  c;\r\n}");
    Fold(2);
    memo->Uncollapse(memo->GetFoldRangeStartingAt(2));
    EXPECT_EQ(Found(*memo->AllFoldRanges()), (std::vector<TLines>{{1, 2, 0}, {2, 4, 0}}));
}

TEST_F(TSynCodeFoldingTest, DeepRangesSurviveExpandAllAndRebuild)
{
    AnsiString text;
    for (int level = 0; level < 12; ++level)
        text += AnsiString(static_cast<size_t>(level), ' ') + "b" + std::to_string(level) + " {\r\n";
    text += "            x;\r\n";
    for (int level = 11; level >= 0; --level)
        text += AnsiString(static_cast<size_t>(level), ' ') + "}\r\n";
    text += "end";
    Load(text);
    ASSERT_EQ(memo->AllFoldRanges()->AllCount(), 12);
    EXPECT_EQ(memo->AllFoldRanges()->AllRanges(11)->FoldRangeLevel, 11);
    // Innermost first, so every level holds a collapsed range inside.
    for (int line = 12; line >= 1; --line)
        Fold(line);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->GetRealLineNumber(2), 26);
    EXPECT_EQ(memo->Text(), text);
    memo->RebuildFoldRanges();
    EXPECT_EQ(memo->Lines()->Text(), text);
    EXPECT_FALSE(memo->AllFoldRanges()->HasCollapsed());
    EXPECT_EQ(memo->AllFoldRanges()->AllCount(), 12);

    // Switching folding off expands too.
    Fold(3);
    Fold(1);
    memo->CodeFolding()->SetEnabled(false);
    EXPECT_EQ(memo->Lines()->Text(), text);
}

TEST_F(TSynCodeFoldingTest, DeletingAFirstLineNeverLosesHiddenLines)
{
    Load(Sample);
    Fold(2);
    // The selection from the first line to the next: the block comes into
    // view and goes with it, recorded for undo.
    memo->SetCaretAndSelection(BufferCoord(1, 3), BufferCoord(1, 2), BufferCoord(1, 3));
    memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(memo->Text(), "void f() {\r\n  y();\r\n}\r\nvoid g() {\r\n  \xD5\x66();\r\n}");
    memo->Undo();
    EXPECT_EQ(memo->Text(), Sample);
    memo->Redo();
    memo->Undo();
    EXPECT_EQ(memo->Text(), Sample);

    // Delete at the end of the line above joins the first line up; the
    // block stays in the text.
    Load(Sample);
    Fold(7);
    memo->SetCaretXY(BufferCoord(2, 6));
    memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(memo->Text(),
              "void f() {\r\n  if (a) {\r\n    x();\r\n  }\r\n  y();\r\n}void g() {\r\n  \xD5\x66();\r\n}");
    memo->Undo();
    EXPECT_EQ(memo->Text(), Sample);

    // Backspace on the line after a collapsed block joins onto its last line.
    Load(Sample);
    Fold(2);
    memo->SetCaretXY(BufferCoord(1, 3));
    memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(memo->Text(),
              "void f() {\r\n  if (a) {\r\n    x();\r\n  }  y();\r\n}\r\nvoid g() {\r\n  \xD5\x66();\r\n}");
    memo->Undo();
    EXPECT_EQ(memo->Text(), Sample);

    // Line mode: the whole block goes, and comes back.
    Load(Sample);
    Fold(1);
    memo->SetSelectionMode(smLine);
    memo->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(1, 1), BufferCoord(1, 2));
    memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(memo->Text(), "  \xD5\x66();\r\n}");
    memo->Undo();
    EXPECT_EQ(memo->Text(), Sample);
    memo->SetSelectionMode(smNormal);

    // The executor's entry, as the program's actions call it, refuses to
    // delete the first line; past the fold guard, a deleted first line
    // still leaves its block.
    Load(Sample);
    Fold(2);
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->ExecuteCommand(ecDeleteLine, 0, nullptr);
    EXPECT_EQ(memo->Text(), Sample);
    memo->DoExecuteCommand(ecDeleteLine, 0, nullptr);
    EXPECT_EQ(memo->Text(), "void f() {\r\n    x();\r\n  }\r\n  y();\r\n}\r\nvoid g() {\r\n  \xD5\x66();\r\n}");
}

TEST_F(TSynCodeFoldingTest, ACollapsedFirstLineTakesNoTyping)
{
    Load(Sample);
    Fold(2);
    memo->SetCaretXY(BufferCoord(4, 2));
    memo->CommandProcessor(ecChar, 'z', nullptr);
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    memo->CommandProcessor(ecDeleteLine, 0, nullptr);
    EXPECT_EQ(memo->Text(), Sample);
    memo->CommandProcessor(ecRight, 0, nullptr);  // caret moves still work
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 2));

    // Enter at the end of the line expands the block and breaks the line
    // after its end.
    memo->SetCaretXY(BufferCoord(11, 2));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_FALSE(memo->GetFoldRangeStartingAt(2)->Collapsed);
    EXPECT_EQ(memo->Lines()->Text(), "void f() {\r\n  if (a) {\r\n    x();\r\n  }\r\n  \r\n  y();\r\n}\r\nvoid g() {\r\n"
                                     "  \xD5\x66();\r\n}");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 5));

    // Typing over the whole first line's text expands the block first; its
    // lines stay. A selection on into the collapse mark would take the
    // hidden lines, as copying it does: typing is refused there.
    Load(Sample);
    Fold(7);
    memo->SetCaretAndSelection(BufferCoord(11, 7), BufferCoord(1, 7), BufferCoord(11, 7));
    memo->CommandProcessor(ecChar, 'Z', nullptr);
    EXPECT_EQ(memo->Text(), "void f() {\r\n  if (a) {\r\n    x();\r\n  }\r\n  y();\r\n}\r\nZ\r\n  \xD5\x66();\r\n}");
    Load(Sample);
    Fold(7);
    memo->SetCaretAndSelection(BufferCoord(16, 7), BufferCoord(1, 7), BufferCoord(16, 7));
    memo->CommandProcessor(ecChar, 'Z', nullptr);
    EXPECT_EQ(memo->Text(), Sample);

    // The close token a collapse mark shows is none of the line's text:
    // Enter at the text's end goes after the block.
    braces->AddEnding = true;
    Load(Sample);
    Fold(7);
    memo->SetCaretXY(BufferCoord(11, 7));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_EQ(memo->Text(), AnsiString(Sample) + "\r\n");
}

TEST_F(TSynCodeFoldingTest, LineNumbersSelectionAndEditsAroundCollapsedRanges)
{
    const AnsiString body = "a {\r\n1\r\n2\r\n3\r\n}\r\nb {\r\n1\r\n2\r\n3\r\n4\r\n5\r\n}\r\nc";
    Load("top\r\n" + body);
    Fold(2);
    Fold(3);
    EXPECT_EQ(memo->GetFoldRangeStartingAt(2)->LinesCollapsed(), 3);
    EXPECT_EQ(memo->GetFoldRangeStartingAt(3)->LinesCollapsed(), 5);
    EXPECT_EQ(memo->GetRealLineNumber(4), 4 + 4 + 6);
    EXPECT_EQ(memo->GetRealLineNumber(3), 3 + 4);
    EXPECT_EQ(memo->GetRealLineNumber(2), 2);

    // A selection over a collapsed block copies its lines, and so does one
    // that reaches the end of a collapsed first line.
    memo->SetCaretAndSelection(BufferCoord(2, 4), BufferCoord(1, 2), BufferCoord(2, 4));
    EXPECT_EQ(memo->SelText(), body);
    memo->SetCaretAndSelection(BufferCoord(9, 3), BufferCoord(1, 3), BufferCoord(9, 3));
    EXPECT_EQ(memo->SelText(), "b {\r\n1\r\n2\r\n3\r\n4\r\n5\r\n}");

    // Lines typed above move the collapsed ranges with their lines; a
    // rescan keeps them collapsed.
    memo->SetCaretXY(BufferCoord(4, 1));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    memo->CommandProcessor(ecChar, '{', nullptr);
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(3)->Collapsed);
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(4)->Collapsed);
    memo->RescanFoldRanges();
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(3)->Collapsed);
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(4)->Collapsed);
    EXPECT_EQ(memo->GetFoldRangeStartingAt(2)->ToLine(), 2);  // never closed: one line long
    EXPECT_EQ(memo->GetFoldRangeAtLine(2), nullptr);
    memo->UncollapseAll();
    EXPECT_EQ(memo->Lines()->Text(), "top\r\n{\r\n" + body);
}

// Without letter case a token matches in any case, however far along the
// line; a skip region's token counts; a trail byte is no token.
TEST_F(TSynCodeFoldingTest, ALineHoldsAFoldTokenInTheCaseTheScanReadsIt)
{
    AnsiString token;
    memo->CodeFolding()->FoldRegions()->Add(frtToken, false, false, false, "Begin", "Done");
    memo->CodeFolding()->FoldRegions()->SkipRegions()->Add("'", "'", "", srtCloseChar);
    EXPECT_TRUE(memo->LineHasFoldToken(AnsiString(3000, 'x') + " begin", token));
    EXPECT_EQ(token, "Begin");
    EXPECT_TRUE(memo->LineHasFoldToken("s = 'a'", token));
    EXPECT_EQ(token, "'");
    EXPECT_FALSE(memo->LineHasFoldToken("\x81\x7D Beg", token));
    EXPECT_EQ(token, "");
    memo->CodeFolding()->SetCaseSensitive(true);
    EXPECT_FALSE(memo->LineHasFoldToken("begin DONE", token));
    EXPECT_TRUE(memo->LineHasFoldToken("x Begin", token));
}

TEST_F(TSynCodeFoldingTest, EditsOfFoldTokensRescanAtOnce)
{
    Load("a\r\nb\r\nc");
    AnsiString token;
    EXPECT_FALSE(memo->LineHasFoldToken("a \xD5\x66", token));
    EXPECT_TRUE(memo->LineHasFoldToken("x } y", token));
    EXPECT_EQ(token, "}");
    memo->SetCaretXY(BufferCoord(2, 1));
    memo->CommandProcessor(ecChar, '{', nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}}));
    memo->SetCaretXY(BufferCoord(2, 2));
    memo->CommandProcessor(ecChar, '}', nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 2, 0}}));
    // Undo takes both braces (typing groups), redo brings them back.
    memo->CommandProcessor(ecUndo, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{}));
    memo->CommandProcessor(ecRedo, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 2, 0}}));
    // Deleting the line that closes the block, and a line that opens one.
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->CommandProcessor(ecDeleteLine, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}}));
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->CommandProcessor(ecDeleteLine, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{}));

    // Clearing the text forgets the ranges, collapsed ones too.
    Load("a {\r\nb\r\n}");
    Fold(1);
    memo->Lines()->Clear();
    EXPECT_EQ(memo->AllFoldRanges()->AllCount(), 0);
    memo->Lines()->SetText("x\r\ny");
    EXPECT_EQ(memo->Text(), "x\r\ny");
}

TEST_F(TSynCodeFoldingTest, EditsOnALineWithABlockCommentKeepTheRangesOfARebuild)
{
    memo->CodeFolding()->FoldRegions()->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    Load("int f() {\r\n"
         "    a; /* \xD5\x66 */\r\n"
         "    if (c) {\r\n"
         "        d;\r\n"
         "    }\r\n"
         "}");
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 6, 0}, {3, 5, 1}}));
    // Taking the comment's end away comments out the braces below it.
    memo->SetCaretXY(BufferCoord(16, 2));
    memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(memo->Lines()->Strings(1), "    a; /* \xD5\x66 *");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}}));
    memo->CommandProcessor(ecUndo, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 6, 0}, {3, 5, 1}}));
    memo->CommandProcessor(ecRedo, 0, nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    memo->CommandProcessor(ecUndo, 0, nullptr);
    // A line break inside the comment, undone and redone.
    memo->SetCaretXY(BufferCoord(11, 2));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 7, 0}, {4, 6, 1}}));
    memo->CommandProcessor(ecUndo, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 6, 0}, {3, 5, 1}}));
    memo->CommandProcessor(ecRedo, 0, nullptr);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 7, 0}, {4, 6, 1}}));
}

// The caret marks the range of a token it touches, from the token's first
// column to the column just after it, however long the line and whatever
// stands before: a trail byte that reads as a token is none.
TEST_F(TSynCodeFoldingTest, TheCaretTouchesATokenFromItsFirstColumnToJustAfterIt)
{
    memo->CodeFolding()->FoldRegions()->Add(frtToken, false, false, false, "begin", "end");
    const AnsiString far(3000, 'y');
    memo->SetMaxScrollWidth(4000);  // the caret may go that far right
    // Line 1: 81 D5 twice, then 81 7B, whose trail byte reads as "{"; read
    // from the first D5 on, the bytes would pair the other way.
    Load("\x81\xD5\x81\xD5\x81\x7B x {\r\n"  // 1
         "  Begin " + far + " {\r\n"     // 2
         "  a;\r\n"                      // 3
         "  }\r\n"                       // 4
         "END\r\n"                       // 5
         "}");                            // 6
    TSynTextFoldRange* first = memo->GetFoldRangeStartingAt(1);
    TSynTextFoldRange* second = memo->GetFoldRangeStartingAt(2);
    ASSERT_TRUE(first && second);
    auto touched = [&](int Char, int Line) {
        memo->SetCaretXY(BufferCoord(Char, Line));
        memo->UpdateCaretFoldRange();
        return memo->CaretFoldRange();
    };
    EXPECT_EQ(touched(6, 1), nullptr);
    EXPECT_EQ(touched(7, 1), nullptr);
    EXPECT_EQ(touched(9, 1), nullptr);
    EXPECT_EQ(touched(10, 1), first);
    EXPECT_EQ(touched(11, 1), first);
    EXPECT_EQ(touched(12, 1), nullptr);
    // "begin" in any letter case, at either end of a long line.
    EXPECT_EQ(touched(2, 2), nullptr);
    EXPECT_EQ(touched(3, 2), second);
    EXPECT_EQ(touched(8, 2), second);
    EXPECT_EQ(touched(9, 2), nullptr);
    EXPECT_EQ(touched(1500, 2), nullptr);
    EXPECT_EQ(touched(3010, 2), second);
    EXPECT_EQ(touched(3011, 2), second);
    EXPECT_EQ(touched(3, 4), memo->GetFoldRangeEndingAt(4));
    EXPECT_NE(touched(3, 4), nullptr);
    EXPECT_EQ(touched(2, 5), memo->GetFoldRangeEndingAt(5));
    EXPECT_NE(touched(2, 5), nullptr);
    EXPECT_EQ(touched(5, 5), nullptr);
    // With letter case: "Begin" and "END" are no tokens.
    memo->CodeFolding()->SetCaseSensitive(true);
    EXPECT_EQ(touched(3, 2), nullptr);
    EXPECT_EQ(touched(2, 5), nullptr);
    EXPECT_EQ(touched(3010, 2), memo->GetFoldRangeStartingAt(2));
}

TEST_F(TSynCodeFoldingTest, OnlyEditsThatChangeWhatTheScanReadsMoveTheRanges)
{
    memo->CodeFolding()->FoldRegions()->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    memo->CodeFolding()->FoldRegions()->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    const AnsiString text = "f() {\r\n"              // 1
                            "  a; \xD5\x66\r\n"      // 2  說
                            "  s = \"{    \";\r\n"   // 3
                            "  if (b) {\r\n"         // 4
                            "    c;\r\n"             // 5
                            "  }\r\n"                // 6
                            "}";                     // 7
    Load(text);
    const std::vector<TLines> start{{1, 7, 0}, {4, 6, 1}};
    auto undoAll = [&] {
        while (memo->CanUndo())
            memo->Undo();
        EXPECT_EQ(memo->Text(), text);
        EXPECT_EQ(Expanded(), start);
    };
    // A letter on a line that opens a block moves nothing.
    memo->SetCaretXY(BufferCoord(4, 4));
    memo->CommandProcessor(ecChar, 'x', nullptr);
    EXPECT_EQ(Expanded(), start);
    EXPECT_EQ(Expanded(), Rebuilt());
    undoAll();

    // "/" and then "*" open a comment that runs to the end.
    memo->SetCaretXY(BufferCoord(6, 2));
    memo->CommandProcessor(ecChar, '/', nullptr);
    EXPECT_EQ(Expanded(), start);
    memo->CommandProcessor(ecChar, '*', nullptr);
    EXPECT_EQ(memo->Lines()->Strings(1), "  a; /*\xD5\x66");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}}));
    undoAll();

    // An escape takes the closing quote: the string runs on to the end,
    // though the other tokens stay where they were, far enough apart.
    memo->SetCaretXY(BufferCoord(13, 3));
    memo->CommandProcessor(ecChar, '\\', nullptr);
    EXPECT_EQ(memo->Lines()->Strings(2), "  s = \"{    \\\";");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}}));
    undoAll();

    // Deleting a "}".
    memo->SetCaretXY(BufferCoord(4, 6));
    memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 1, 0}, {4, 7, 1}}));
    undoAll();

    // From the end of a line with a "}" into the next line: the buffer keeps
    // the line with the token and takes the one below, which holds none.
    Load("f() {\r\n  x;\r\n}\r\n\r\ny");
    memo->SetBlockBegin(BufferCoord(2, 3));
    memo->SetBlockEnd(BufferCoord(1, 4));
    memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(memo->Text(), "f() {\r\n  x;\r\n}\r\ny");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 3, 0}}));
}

TEST_F(TSynCodeFoldingTest, ALineWithoutTokensAboveAParentsCloseMovesTheRangeEndedThere)
{
    memo->CodeFolding()->FoldRegions()->Clear();
    TFoldRegionItem* outer = memo->CodeFolding()->FoldRegions()->Add(frtToken, false, false, false, "begin", "end");
    outer->SubRegions()->Add(frtOneChar, false, false, false, "(", ")");
    Load("begin\r\n  (\r\n  \xD5\x66\r\nend");
    // The "(" never closes: "end" ends it on the line above.
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 4, 0}, {2, 3, 1}}));
    memo->SetCaretXY(BufferCoord(5, 3));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_EQ(memo->Text(), "begin\r\n  (\r\n  \xD5\x66\r\n  \r\nend");
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 5, 0}, {2, 4, 1}}));
    memo->Undo();
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 4, 0}, {2, 3, 1}}));
}

TEST_F(TSynCodeFoldingTest, AQuoteThatPaintsABraceAsAStringMovesTheRanges)
{
    TStringCommentSyn syn;
    memo->SetHighlighter(&syn);
    Load("f() {\r\n  a = {\r\n  };\r\n}");
    EXPECT_EQ(Found(*memo->AllFoldRanges()), (std::vector<TLines>{{1, 4, 0}, {2, 3, 1}}));
    // The brace's token is still there; only its paint changes.
    memo->SetCaretXY(BufferCoord(7, 2));
    memo->CommandProcessor(ecChar, '"', nullptr);
    EXPECT_EQ(memo->Lines()->Strings(1), "  a = \"{");
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 3, 0}}));
    memo->Undo();
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 4, 0}, {2, 3, 1}}));
    memo->SetHighlighter(nullptr);
}

TEST_F(TSynCodeFoldingTest, RescanKeepsTheBlockOfACollapsedRangeWhoseLastLineStaysInView)
{
    const AnsiString text = "f() {\r\n"         // 1
                            "  if (a) {\r\n"    // 2
                            "    x;\r\n"        // 3
                            "    y;\r\n"        // 4
                            "  } else {\r\n"    // 5
                            "    z;\r\n"        // 6
                            "  }\r\n"           // 7
                            "}";                 // 8
    Load(text);
    Fold(2);
    EXPECT_EQ(memo->Lines()->Strings(2), "  } else {");
    // Its "}" closes the collapsed block, not the function around it.
    memo->RescanFoldRanges();
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 8, 0}, {2, 5, 1}, {5, 7, 1}}));
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(2)->Collapsed);
    // Typing a brace below rescans; undoing everything gives the text back.
    memo->SetCaretXY(BufferCoord(7, 4));
    memo->CommandProcessor(ecChar, '{', nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    memo->CommandProcessor(ecChar, '}', nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    while (memo->CanUndo())
        memo->Undo();
    EXPECT_EQ(memo->Text(), text);
    EXPECT_EQ(Expanded(), Rebuilt());

    // A collapsed block whose text no longer makes that block comes back
    // into view.
    Fold(2);
    memo->SetCaretXY(BufferCoord(1, 3));
    memo->CommandProcessor(ecChar, '{', nullptr);
    EXPECT_EQ(memo->Text(), "f() {\r\n  if (a) {\r\n    x;\r\n    y;\r\n{  } else {\r\n    z;\r\n  }\r\n}");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_FALSE(memo->AllFoldRanges()->HasCollapsed());
}

TEST_F(TSynCodeFoldingTest, ALastLineThatOpensARangeStaysInViewAndTakesNewLines)
{
    // A one-line range that opens on the last line keeps its line in view.
    Load("a {\r\n1\r\n} b {");
    Fold(1);
    EXPECT_EQ(memo->Lines()->Text(), "a {     \r\n} b {");
    memo->Uncollapse(memo->GetFoldRangeStartingAt(1));
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 3, 0}, {3, 3, 0}}));

    // A line that comes in before the last line in view joins the block.
    Load("a {\r\n1\r\n} else {\r\n2\r\n}");
    Fold(1);
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_EQ(memo->Text(), "a {\r\n1\r\n\r\n} else {\r\n2\r\n}");
    EXPECT_EQ(Expanded(), Rebuilt());
    memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
}

TEST_F(TSynCodeFoldingTest, SwitchingFoldingOnWidensTheGutterWhateverTheRoute)
{
    // Settings copied in (the program's settings, an article's options)
    // arrive through Assign, which reports a rescan only.
    const std::vector<std::pair<const char*, std::function<void(TSynMemo*)>>> routes = {
        {"SetEnabled", [](TSynMemo* Memo) { Memo->CodeFolding()->SetEnabled(true); }},
        {"Assign",
         [](TSynMemo* Memo) {
             TSynCodeFolding on;
             on.SetEnabled(true);
             Memo->CodeFolding()->Assign(&on);
         }},
        {"SetCodeFolding",
         [](TSynMemo* Memo) {
             TSynCodeFolding on;
             on.SetEnabled(true);
             Memo->SetCodeFolding(&on);
         }},
    };
    for (const auto& [name, switchOn] : routes) {
        memo->CodeFolding()->SetEnabled(false);
        memo->Gutter()->SetRightOffset(2);
        switchOn(memo);
        EXPECT_TRUE(memo->CodeFolding()->Enabled()) << name;
        EXPECT_EQ(memo->Gutter()->RightOffset(), 18) << name;
        memo->Gutter()->SetRightOffset(30);
        switchOn(memo);
        EXPECT_EQ(memo->Gutter()->RightOffset(), 30) << name;
    }
}

TEST_F(TSynCodeFoldingTest, UndoAndRedoFindTheirLinesWhateverWasCollapsedSince)
{
    const AnsiString typedOnNine = AnsiString(Sample).substr(0, AnsiString(Sample).size() - 1) + "Z}";

    // Typed below a block, then the block is collapsed: undo takes the Z away.
    Load(Sample);
    memo->SetCaretXY(BufferCoord(1, 9));
    memo->CommandProcessor(ecChar, 'Z', nullptr);
    Fold(1);
    memo->Undo();
    EXPECT_EQ(memo->Text(), AnsiString(Sample));
    memo->Redo();
    EXPECT_EQ(memo->Text(), typedOnNine);

    // Typed while the block was collapsed, undone after it was expanded.
    Load(Sample);
    Fold(1);
    memo->SetCaretXY(BufferCoord(1, 4));  // line 9 of the whole text
    memo->CommandProcessor(ecChar, 'Z', nullptr);
    EXPECT_EQ(memo->Text(), typedOnNine);
    memo->UncollapseAll();
    memo->Undo();
    EXPECT_EQ(memo->Text(), AnsiString(Sample));

    // A line break typed while collapsed, undone while still collapsed.
    Load(Sample);
    Fold(1);
    memo->SetCaretXY(BufferCoord(1, 4));
    memo->CommandProcessor(ecLineBreak, '\0', nullptr);
    memo->Undo();
    EXPECT_EQ(memo->Text(), AnsiString(Sample));
}

TEST_F(TSynCodeFoldingTest, BookmarksBelowACollapsedBlockStayOnTheirText)
{
    Load(Sample);
    memo->SetBookMark(1, 3, 8);
    Fold(1);
    int x = 0, y = 0;
    ASSERT_TRUE(memo->GetBookMark(1, x, y));
    EXPECT_EQ(memo->Lines()->Strings(y - 1), "  \xD5\x66();");
    memo->UncollapseAll();
    ASSERT_TRUE(memo->GetBookMark(1, x, y));
    EXPECT_EQ(y, 8);
    EXPECT_EQ(x, 3);
}

TEST_F(TSynCodeFoldingTest, ThePaintedLinesMapAnswersAsTheRangesDo)
{
    Load("a {\r\n"          // 1
         "  b {\r\n"        // 2
         "    c {\r\n"      // 3
         "    }\r\n"        // 4
         "  } d {\r\n"      // 5
         "    e;\r\n"       // 6
         "  }\r\n"          // 7
         "  f { }\r\n"      // 8
         "  g {\r\n"        // 9
         "    h;\r\n"       // 10
         "  }\r\n"          // 11
         "}\r\n"            // 12
         "i {");             // 13
    Fold(9);
    Fold(3);
    Fold(2);
    const int count = memo->Lines()->Count();
    // The caret above, inside and below the painted lines.
    for (int caret = 1; caret <= count; ++caret) {
        memo->SetCaretXY(BufferCoord(1, caret));
        for (int first = 1; first <= count; ++first) {
            for (int last = first; last <= count + 1; ++last) {
                const TSynFoldLineMap map(*memo->AllFoldRanges(), first, last, caret);
                for (int line = first; line <= last; ++line) {
                    EXPECT_EQ(map.StartingAt(line), memo->GetFoldRangeStartingAt(line)) << first << " " << line;
                    EXPECT_EQ(map.IsFoldEnd(line), memo->IsFoldEnd(line)) << first << " " << line;
                    EXPECT_EQ(map.IsInsideFold(line), memo->IsInsideFold(line)) << first << " " << line;
                    EXPECT_EQ(map.RealLineNumber(line), memo->GetRealLineNumber(line)) << first << " " << line;
                    EXPECT_EQ(map.Around(line), memo->FoldRangesAround(line)) << first << " " << line;
                }
                EXPECT_EQ(map.CaretLevel(), memo->CaretFoldLevel()) << caret << " " << first << " " << last;
            }
        }
    }
    const int caret = 5;
    // A map is in place only while its scope lasts.
    {
        const TSynFoldLineMapScope scope(*memo->AllFoldRanges(), 1, count, caret);
        EXPECT_NE(memo->AllFoldRanges()->LineMap(), nullptr);
    }
    EXPECT_EQ(memo->AllFoldRanges()->LineMap(), nullptr);
}

TEST_F(TSynCodeFoldingTest, RegionsEditedInPlaceCountForTheNextEdit)
{
    const AnsiString text = "f() {\r\n  a; \xD5\x66\r\n  b;\r\n}";
    Load(text);
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 4, 0}}));
    // Typed before the regions change: no token, nothing moves.
    memo->SetCaretXY(BufferCoord(3, 3));
    memo->CommandProcessor(ecChar, '#', nullptr);
    EXPECT_EQ(Expanded(), Rebuilt());
    // A skip region added and a token changed without a rebuild: what is
    // typed next is read with them, as a rebuild would read it.
    memo->CodeFolding()->FoldRegions()->SkipRegions()->Add("#", "", "", srtLineEnd);
    braces->SetClose("]");
    memo->SetCaretXY(BufferCoord(6, 2));
    memo->CommandProcessor(ecChar, '#', nullptr);
    EXPECT_EQ(memo->Lines()->Strings(1), "  a; #\xD5\x66");
    EXPECT_EQ(Expanded(), Rebuilt());
    memo->SetCaretXY(BufferCoord(2, 4));
    memo->CommandProcessor(ecChar, ']', nullptr);
    EXPECT_EQ(memo->Lines()->Strings(3), "}]");
    EXPECT_EQ(Expanded(), Rebuilt());
    EXPECT_EQ(Expanded(), (std::vector<TLines>{{1, 4, 0}}));
}
