// Random editing sessions: long mixes of typing, deleting, selections in
// every mode, the clipboard, indentation, case changes, caret moves,
// folding, wrapping and undo on C-like text with double-byte characters.
// After every step the editor must still agree with itself: the caret and
// the block on character boundaries inside the text, the rows of the wrap
// those of a fresh wrap, the fold ranges those of a fresh rebuild (also
// when readers asked before the scan's idle time), the text unchanged by
// folding, and undoing everything gives back the text the session started
// from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "editor/document/syn_text_mark.h"
#include "editor/view/syn_word_wrap.h"
#include "editor/syn_word_wrap_plugin.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/win/clipboard.h"
#include "tests/editor/line_scan_syn.h"
#include "tests/support/test_random.h"
#include "tests/editor/syn_fold_test_support.h"
#include "tests/support/test_seeds.h"

namespace {

// The wrap plug-in the editor holds, which tests cannot otherwise reach,
// and the idle time of an editor that is not shown.
class TSessionMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    const ISynTextBufferPlugin* WrapPlugin() const { return wordWrapPlugin_.get(); }
    void IdleUntilFoldsScanned()
    {
        for (int slice = 0; FoldScanPending() && slice < 100000; ++slice)
            ScanFoldsIdle();
    }
};

// Wraps the editor's lines afresh, as switching wrapping on would.
class TFreshWrap : public ISynWordWrapHost {
public:
    explicit TFreshWrap(const TCustomSynText* Editor) : editor_(Editor) {}
    TSynTextStringList* Lines() const override { return editor_->Lines(); }
    TSynCustomHighlighter* Highlighter() const override { return editor_->Highlighter(); }
    int GetWrapAreaWidth() const override { return editor_->GetWrapAreaWidth(); }

private:
    const TCustomSynText* editor_;
};

// "..." is a "String" token and // runs to the line end as a "Comment", so
// that braces there fold nothing.
class TCLikeSyn : public TLineScanSyn {
public:
    TCLikeSyn() : string_(NewAttribute("String")), comment_(NewAttribute("Comment")), symbol_(NewAttribute("Symbol"))
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

const char* const StartText = "#include \"說.h\"\r\n"
                              "\r\n"
                              "int main(void) {\r\n"
                              "\tconst char* s = \"門{\";  // 這 }\r\n"
                              "\tif (s[0] == '\\\\') {\r\n"
                              "\t\tcall(\"乗\", 中);\r\n"
                              "\t} else {\r\n"
                              "        while (x) { y(); }\r\n"
                              "\t\t{\r\n"
                              "\t\t\tint 說說 = 1;\r\n"
                              "\t\t}\r\n"
                              "\t}\r\n"
                              "}\r\n"
                              "\r\n"
                              "struct 中 {\r\n"
                              "    int a;   \r\n"
                              "    char b[4];\t// 門這\r\n"
                              "};";

const char* const DoubleByteChars[] = {"說", "門", "這", "乗", "中"};

// The sessions keep their text within this many lines, so that folding and
// wrapping always have blocks to work on.
constexpr int FewestLines = 10;
constexpr int MostLines = 60;

// What varies between the sessions.
struct TSessionSetup {
    uint32_t Seed;
    TSynTextEditorOptions Options;
    bool Highlighted;
    int TabWidth;
};

void PrintTo(const TSessionSetup& Setup, std::ostream* Out) { *Out << "seed " << Setup.Seed; }

class TSynTextSessionTest : public ::testing::TestWithParam<TSessionSetup> {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        memo = NewMemo();
        reference = NewMemo();
        memo->SetMaxUndo(1000000);
        // The clipboard outlives the tests: every session starts without
        // what an earlier one copied.
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }
    void TearDown() override
    {
        memo.reset();
        syn.reset();
        reference.reset();
        referenceSyn.reset();
    }
    static std::unique_ptr<TSessionMemo> NewMemo()
    {
        auto result = std::make_unique<TSessionMemo>(nullptr);
        result->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        result->CodeFolding()->SetHighlighterFoldRegions(false);
        result->CodeFolding()->SetEnabled(true);
        return result;
    }
    void Run(TSynTextEditorCommand Command, char AChar = '\0', void* Data = nullptr)
    {
        memo->CommandProcessor(Command, AChar, Data);
    }
    // A position on a character boundary, sometimes past the line end.
    TBufferCoord RandomPlace(TRandom& R)
    {
        const int count = memo->Lines()->Count();
        const int line = count == 0 ? 1 : R.Between(1, count);
        const AnsiString text = count == 0 ? AnsiString() : memo->Lines()->Strings(line - 1);
        size_t offset = static_cast<size_t>(R.Below(static_cast<int>(text.size()) + 1));
        if (offset < text.size())
            offset = CharStartOf(text, offset);
        int column = static_cast<int>(offset) + 1;
        if (R.Chance(10))
            column = static_cast<int>(text.size()) + 1 + R.Below(4);
        return BufferCoord(column, line);
    }
    AnsiString RandomDoubleByte(TRandom& R) { return R.Pick(DoubleByteChars); }

    void Step(TRandom& R, std::ostringstream& Log);
    void CheckPlaces(const char* What);
    void CheckWrap(bool AllPositions);
    void CheckFolds();
    AnsiString Comparable(const AnsiString& Text) const;
    void UndoAndRedoEverything(const AnsiString& Start);

    void CheckFoldsMatchRebuild();
    void CheckAnswersBeforeIdle(TRandom& R, std::ostringstream& Log);
    // Brings the text back into the band of sizes when it left it.
    bool KeepSize(TRandom& R, std::ostringstream& Log);

    std::unique_ptr<TSessionMemo> memo;
    std::unique_ptr<TCLikeSyn> syn;
    // Rebuilds the fold ranges of the session's text from scratch.
    std::unique_ptr<TSessionMemo> reference;
    std::unique_ptr<TCLikeSyn> referenceSyn;
};

// A point of the caret or the block: inside the text and never on the
// second byte of a double-byte character.
void TSynTextSessionTest::CheckPlaces(const char* What)
{
    const int count = memo->Lines()->Count();
    // Column and line blocks may reach beyond the line ends.
    auto check = [&](const char* Name, TBufferCoord P, bool PastEol) {
        ASSERT_GE(P.Line, 1) << What << ": " << Name;
        ASSERT_LE(P.Line, std::max(count, 1)) << What << ": " << Name;
        ASSERT_GE(P.Char, 1) << What << ": " << Name;
        const AnsiString text = count == 0 ? AnsiString() : memo->Lines()->Strings(P.Line - 1);
        if (!PastEol) {
            ASSERT_LE(P.Char, static_cast<int>(text.size()) + 1) << What << ": " << Name;
        }
        if (P.Char <= static_cast<int>(text.size())) {
            ASSERT_NE(ByteTypeAt(text, static_cast<size_t>(P.Char - 1)), mbTrailByte)
                << What << ": " << Name << " at " << P.Char << "," << P.Line;
        }
    };
    // Every edit takes whole characters: no line holds half of one.
    for (int i = 0; i < count; ++i) {
        const AnsiString text = memo->Lines()->Strings(i);
        for (size_t at = 0; at < text.size(); ++at) {
            if (!IsDBCSLeadByte(text[at]))
                continue;
            ASSERT_LT(at + 1, text.size()) << What << ": half a character ends line " << i + 1;
            const auto trail = static_cast<unsigned char>(text[++at]);
            ASSERT_TRUE(trail >= 0x40 && trail != 0x7F && trail != 0xFF)
                << What << ": half a character in line " << i + 1 << " at " << at;
        }
    }
    check("caret", memo->CaretXY(), memo->Options().Contains(eoScrollPastEol));
    const bool pastEol = memo->SelectionMode() != smNormal || memo->Options().Contains(eoScrollPastEol);
    check("block begin", memo->BlockBegin(), pastEol);
    check("block end", memo->BlockEnd(), pastEol);
    for (int i = 0; i < memo->Marks()->Count(); ++i) {
        const TSynTextMark* mark = memo->Marks()->Items(i);
        ASSERT_GE(mark->Line(), 1) << What << ": mark";
        ASSERT_LE(mark->Line(), std::max(count, 1)) << What << ": mark";
    }
}

// The rows of the editor's wrap are those of wrapping its lines afresh, and
// every position comes back from its display position.
void TSynTextSessionTest::CheckWrap(bool AllPositions)
{
    const ISynTextBufferPlugin* wrap = memo->WrapPlugin();
    if (!wrap)
        return;
    TFreshWrap host(memo.get());
    const TSynWordWrapPlugin fresh(&host);
    ASSERT_EQ(wrap->RowCount(), fresh.RowCount());
    ASSERT_EQ(memo->DisplayLineCount(), fresh.RowCount());
    for (int row = 1; row <= fresh.RowCount(); ++row)
        ASSERT_EQ(wrap->GetRowLength(row), fresh.GetRowLength(row)) << "row " << row;
    if (!AllPositions)
        return;
    int previousRow = 0;
    for (int line = 1; line <= memo->Lines()->Count(); ++line) {
        const AnsiString text = memo->Lines()->Strings(line - 1);
        for (size_t offset = 0; offset <= text.size();) {
            const TBufferCoord place = BufferCoord(static_cast<int>(offset) + 1, line);
            offset += offset < text.size() ? CharLengthAt(text, offset) : 1;
            const TDisplayCoord display = memo->BufferToDisplayPos(place);
            ASSERT_GE(display.Row, previousRow);
            ASSERT_EQ(memo->RowToLine(display.Row), line);
            ASSERT_EQ(memo->DisplayToBufferPos(display), place) << "row " << display.Row;
            previousRow = display.Row;
        }
    }
}

// Every range in view lies within the lines, in the order of its first
// line, and the first line of a collapsed one still carries the mark of
// what it hides.
void TSynTextSessionTest::CheckFolds()
{
    const TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
    const int count = memo->Lines()->Count();
    int previous = 1;
    for (int i = 0; i < ranges->AllCount(); ++i) {
        const TSynTextFoldRange* range = ranges->AllRanges(i);
        if (range->ParentCollapsed)
            continue;
        ASSERT_GE(range->FromLine(), previous) << "flat list out of order";
        previous = range->FromLine();
        ASSERT_GE(range->FromLine(), 1);
        ASSERT_LE(range->FromLine(), std::max(count, 1));
        ASSERT_GE(range->ToLine(), range->FromLine());
        if (range->Collapsed) {
            const AnsiString head = memo->Lines()->Strings(range->FromLine() - 1);
            const AnsiString& suffix = range->CollapsedSuffix();
            ASSERT_GE(head.size(), suffix.size()) << "collapsed at " << range->FromLine();
            ASSERT_EQ(head.substr(head.size() - suffix.size()), suffix) << "collapsed at " << range->FromLine();
        }
    }
    // The packed entries that painting reads follow every change.
    const TSynFoldLineMap map(*ranges, 1, std::max(count, 1), memo->CaretXY().Line);
    for (int line = 1; line <= count; ++line) {
        // What places the caret's indent guides: every range in view
        // holding the line (a collapsed one up to where it ends in view),
        // in the order of the flat list.
        std::vector<TSynTextFoldRange*> holding;
        for (int i = 0; i < ranges->AllCount(); ++i) {
            TSynTextFoldRange* range = ranges->AllRanges(i);
            if (!range->ParentCollapsed && range->FromLine() <= line && line <= range->LastLineInView())
                holding.push_back(range);
        }
        ASSERT_EQ(ranges->Holding(line), holding) << line;
        ASSERT_EQ(map.StartingAt(line), memo->GetFoldRangeStartingAt(line)) << line;
        ASSERT_EQ(map.IsFoldEnd(line), memo->IsFoldEnd(line)) << line;
        ASSERT_EQ(map.IsInsideFold(line), memo->IsInsideFold(line)) << line;
        ASSERT_EQ(map.RealLineNumber(line), memo->GetRealLineNumber(line)) << line;
    }
}

// With eoTrimTrailingSpaces every edited line loses its trailing spaces for
// good; undo restores the text up to them.
AnsiString TSynTextSessionTest::Comparable(const AnsiString& Text) const
{
    if (!memo->Options().Contains(eoTrimTrailingSpaces))
        return Text;
    AnsiString result;
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find("\r\n", start);
        AnsiString line = Text.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        result += line;
        if (end == AnsiString::npos)
            return result;
        result += "\r\n";
        start = end + 2;
    }
}

int TreeCount(const TSynTextFoldRanges& Ranges)
{
    int count = Ranges.Count();
    for (int i = 0; i < Ranges.Count(); ++i)
        count += TreeCount(Ranges.Ranges(i)->SubFoldRanges);
    return count;
}

// With every collapsed range expanded, the ranges are those a rebuild of
// the whole text finds, in the same tree.
void TSynTextSessionTest::CheckFoldsMatchRebuild()
{
    const std::unique_ptr<TSynTextAllFoldRanges> expanded = ExpandedFoldRanges(*memo);
    ASSERT_EQ(TreeCount(*expanded), expanded->AllCount()) << "every range in the tree once";
    reference->SetText(memo->Text());
    reference->RebuildFoldRanges();
    ASSERT_EQ(DescribeFoldTree(*expanded), DescribeFoldTree(*reference->AllFoldRanges())) << "fold ranges of a rebuild";
}

// Asked while the scan of the last edit waits for idle time (the editor is
// not shown, so every edit leaves the lines below the caret's to it), a
// reader of the ranges answers what it answers once the scan is done.
void TSynTextSessionTest::CheckAnswersBeforeIdle(TRandom& R, std::ostringstream& Log)
{
    if (!memo->FoldScanPending() || memo->Lines()->Count() == 0)
        return;
    const int line = R.Between(1, memo->Lines()->Count());
    const int reader = R.Below(7);
    Log << " (reader " << reader << " at line " << line << " before idle)";
    auto read = [&]() -> std::string {
        switch (reader) {
        case 0:
            return DescribeFoldRange(memo->GetFoldRangeStartingAt(line));
        case 1:
            return DescribeFoldRange(memo->GetFoldRangeEndingAt(line));
        case 2: {
            int number = 0;
            const std::string found = DescribeFoldRange(memo->GetFoldRangeAtLine(line, &number));
            return found + " of " + std::to_string(number);
        }
        case 3:
            return std::to_string(memo->IsFoldEnd(line)) + std::to_string(memo->IsInsideFold(line));
        case 4: {
            std::string around;
            for (const TSynTextFoldRange* range : memo->FoldRangesAround(line))
                around += DescribeFoldRange(range) + "; ";
            return around;
        }
        case 5:
            return std::to_string(memo->CaretFoldLevel());
        default:
            return memo->GetExpandedLines()->Text();
        }
    };
    const std::string before = read();
    memo->IdleUntilFoldsScanned();
    ASSERT_FALSE(memo->FoldScanPending());
    ASSERT_EQ(before, read()) << "answered before idle";
}

bool TSynTextSessionTest::KeepSize(TRandom& R, std::ostringstream& Log)
{
    const int count = memo->Lines()->Count();
    if (count < FewestLines && R.Chance(50)) {
        // A few lines of the start text, typed in at the caret.
        TStringList source;
        source.SetText(StartText);
        const int first = R.Below(source.Count());
        const int last = std::min(source.Count() - 1, first + R.Between(3, 8));
        AnsiString text;
        for (int i = first; i <= last; ++i)
            text += source.Strings(i) + "\r\n";
        // A program's insertion passes the fold checks of the commands:
        // nothing may be collapsed at the caret. It goes in at a line's
        // start.
        TBufferCoord at = BufferCoord(1, R.Between(1, std::max(count, 1)));
        Log << "expand all, insert lines " << first + 1 << ".." << last + 1 << " at line " << at.Line;
        memo->UncollapseAll();
        Run(ecNormalSelect);
        Run(ecGotoXY, '\0', &at);
        memo->SetSelText(text);
        return true;
    }
    if (count > MostLines && R.Chance(50)) {
        TBufferCoord from = BufferCoord(1, R.Between(1, count - 10));
        TBufferCoord to = BufferCoord(1, from.Line + R.Between(5, 10));
        Log << "delete lines " << from.Line << ".." << to.Line;
        Run(ecNormalSelect);
        Run(ecGotoXY, '\0', &from);
        Run(ecSelGotoXY, '\0', &to);
        Run(ecDeleteLastChar);
        return true;
    }
    return false;
}

void TSynTextSessionTest::UndoAndRedoEverything(const AnsiString& Start)
{
    // Redo then gives back exactly what the undos took.
    memo->RedoList()->Clear();
    const AnsiString before = memo->Text();
    int undos = 0;
    while (memo->CanUndo()) {
        memo->Undo();
        ASSERT_LT(++undos, 100000);
    }
    ASSERT_EQ(Comparable(memo->Text()), Comparable(Start)) << "after undoing everything";
    ASSERT_NO_FATAL_FAILURE(CheckPlaces("undo all"));
    ASSERT_NO_FATAL_FAILURE(CheckWrap(false));
    while (memo->CanRedo())
        memo->Redo();
    ASSERT_EQ(Comparable(memo->Text()), Comparable(before)) << "after redoing everything";
    ASSERT_NO_FATAL_FAILURE(CheckPlaces("redo all"));
    ASSERT_NO_FATAL_FAILURE(CheckWrap(false));
}

void TSynTextSessionTest::Step(TRandom& R, std::ostringstream& Log)
{
    static const char typed[] = "abcXYZ_0 {}();\"'=,/*";
    static const TSynTextEditorCommand moves[] = {ecLeft,      ecRight,    ecUp,         ecDown,         ecWordLeft,
                                                  ecWordRight, ecLineStart, ecLineEnd,   ecPageUp,       ecPageDown,
                                                  ecEditorTop, ecEditorBottom, ecPageTop, ecPageBottom};
    static const TSynTextEditorCommand deletes[] = {ecDeleteChar, ecDeleteLastChar, ecDeleteChar, ecDeleteLastChar,
                                                    ecDeleteWord, ecDeleteLastWord, ecDeleteEOL,  ecDeleteBOL,
                                                    ecDeleteLine};
    static const TSynTextEditorCommand cases[] = {ecUpperCase,      ecLowerCase,      ecToggleCase,     ecTitleCase,
                                                  ecUpperCaseBlock, ecLowerCaseBlock, ecToggleCaseBlock};
    static const TSynTextEditorCommand indents[] = {ecTab, ecShiftTab, ecBlockIndent, ecBlockUnindent};
    static const TSynTextEditorCommand modes[] = {ecNormalSelect, ecColumnSelect, ecLineSelect};

    const AnsiString text = memo->Text();
    if (KeepSize(R, Log))
        return;
    const int kind = R.Below(100);
    if (kind < 16) {
        const char c = typed[R.Below(static_cast<int>(sizeof typed) - 1)];
        Log << "char '" << c << "'";
        Run(ecChar, c);
    } else if (kind < 20) {
        // A double-byte character typed as its two bytes.
        const AnsiString c = RandomDoubleByte(R);
        Log << "char pair";
        Run(ecChar, c[0]);
        Run(ecChar, c[1]);
    } else if (kind < 24) {
        AnsiString s;
        for (int n = R.Between(1, 3); n > 0; --n)
            s += R.Chance(70) ? RandomDoubleByte(R) : AnsiString(1, typed[R.Below(static_cast<int>(sizeof typed) - 1)]);
        Log << "ime";
        Run(ecImeStr, '\0', s.data());
    } else if (kind < 30) {
        Log << "line break";
        Run(R.Chance(80) ? ecLineBreak : ecInsertLine);
    } else if (kind < 40) {
        const TSynTextEditorCommand c = R.Pick(deletes);
        Log << "delete " << c;
        Run(c);
    } else if (kind < 50) {
        if (R.Chance(40)) {
            TBufferCoord at = RandomPlace(R);
            Log << "goto " << at.Char << "," << at.Line;
            Run(ecGotoXY, '\0', &at);
        } else {
            const TSynTextEditorCommand c = R.Pick(moves);
            Log << "move " << c;
            Run(c);
        }
    } else if (kind < 60) {
        // A selection in one of the three modes.
        const TSynTextEditorCommand mode = R.Pick(modes);
        Run(mode);
        if (R.Chance(10)) {
            Log << "select all " << mode;
            Run(ecSelectAll);
        } else if (R.Chance(10)) {
            Log << "select word " << mode;
            Run(ecSelWord);
        } else if (R.Chance(50)) {
            TBufferCoord from = RandomPlace(R);
            TBufferCoord to = from;
            to.Line = std::clamp(from.Line + R.Between(-3, 3), 1, std::max(1, memo->Lines()->Count()));
            to.Char = R.Between(1, 30);
            Log << "select " << mode << " " << from.Char << "," << from.Line << " to " << to.Char << "," << to.Line;
            Run(ecGotoXY, '\0', &from);
            Run(ecSelGotoXY, '\0', &to);
        } else {
            const TSynTextEditorCommand c = R.Pick(moves) + (ecSelLeft - ecLeft);
            Log << "select " << mode << " by " << c;
            Run(c);
        }
    } else if (kind < 66) {
        static const TSynTextEditorCommand clipboard[] = {ecCut, ecCopy, ecPaste, ecPaste};
        const TSynTextEditorCommand c = R.Pick(clipboard);
        Log << "clipboard " << c;
        Run(c);
    } else if (kind < 71) {
        const TSynTextEditorCommand c = R.Pick(indents);
        Log << "indent " << c;
        Run(c);
    } else if (kind < 74) {
        const TSynTextEditorCommand c = R.Pick(cases);
        Log << "case " << c;
        Run(c);
    } else if (kind < 75) {
        Log << "toggle insert";
        Run(ecToggleMode);
    } else if (kind < 76) {
        const int n = R.Below(10);
        Log << "marker " << n;
        Run(ecSetMarker0 + n);
    } else if (kind < 85) {
        TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
        const int choice = R.Below(10);
        if (choice < 5) {
            std::vector<TSynTextFoldRange*> candidates;
            for (int i = 0; i < ranges->AllCount(); ++i) {
                TSynTextFoldRange* range = ranges->AllRanges(i);
                if (!range->Collapsed && !range->ParentCollapsed && range->ToLine() > range->FromLine())
                    candidates.push_back(range);
            }
            if (!candidates.empty()) {
                TSynTextFoldRange* range = candidates[R.Index(candidates.size())];
                Log << "collapse " << range->FromLine() << ".." << range->ToLine();
                memo->Collapse(range);
            }
        } else if (choice < 8) {
            std::vector<TSynTextFoldRange*> candidates;
            for (int i = 0; i < ranges->AllCount(); ++i) {
                TSynTextFoldRange* range = ranges->AllRanges(i);
                if (range->Collapsed && !range->ParentCollapsed)
                    candidates.push_back(range);
            }
            if (!candidates.empty()) {
                TSynTextFoldRange* range = candidates[R.Index(candidates.size())];
                Log << "expand " << range->FromLine();
                memo->Uncollapse(range);
            }
        } else if (choice < 9) {
            Log << "expand all";
            memo->UncollapseAll();
        } else if (R.Chance(50)) {
            Log << "rebuild folds";
            memo->RebuildFoldRanges();
        } else {
            Log << "rescan folds";
            memo->RescanFoldRanges();
        }
        ASSERT_EQ(memo->Text(), text) << "folding changed the text";
    } else if (kind < 88) {
        if (R.Chance(40)) {
            Log << "wrap " << !memo->WordWrap()->Enabled();
            memo->WordWrap()->SetEnabled(!memo->WordWrap()->Enabled());
        } else {
            const int width = R.Between(1, 40);
            Log << "wrap width " << width;
            memo->WordWrap()->SetStyle(wwsSpecified);
            memo->WordWrap()->SetPosition(width);
        }
        ASSERT_EQ(memo->Text(), text) << "wrapping changed the text";
    } else if (kind < 95) {
        Log << "undo";
        Run(ecUndo);
    } else {
        Log << "redo";
        Run(ecRedo);
    }
}

TEST_P(TSynTextSessionTest, RandomSessionsKeepTheEditorConsistent)
{
    const TSessionSetup setup = GetParam();
    memo->SetOptions(setup.Options);
    memo->SetTabWidth(setup.TabWidth);
    reference->SetTabWidth(setup.TabWidth);
    if (setup.Highlighted) {
        syn = std::make_unique<TCLikeSyn>();
        memo->SetHighlighter(syn.get());
        referenceSyn = std::make_unique<TCLikeSyn>();
        reference->SetHighlighter(referenceSyn.get());
    }
    memo->SetText(StartText);
    memo->ClearUndo();
    memo->RebuildFoldRanges();
    const AnsiString start = memo->Text();

    TRandom random(setup.Seed);
    std::ostringstream log;
    for (int step = 1; step <= 300; ++step) {
        log << "\n" << step << ": ";
        ASSERT_NO_FATAL_FAILURE(Step(random, log)) << log.str();
        ASSERT_NO_FATAL_FAILURE(CheckAnswersBeforeIdle(random, log)) << log.str();
        // Idle time, or else the readers below, finish the scan.
        if (random.Chance(50))
            memo->IdleUntilFoldsScanned();
        ASSERT_NO_FATAL_FAILURE(CheckPlaces("step")) << log.str();
        ASSERT_NO_FATAL_FAILURE(CheckFolds()) << log.str();
        ASSERT_NO_FATAL_FAILURE(CheckFoldsMatchRebuild()) << log.str();
        ASSERT_NO_FATAL_FAILURE(CheckWrap(step % 5 == 0)) << log.str();
        if (step % 100 == 0) {
            ASSERT_NO_FATAL_FAILURE(UndoAndRedoEverything(start)) << log.str();
        }
    }
}

// The options, highlighting and tab widths the sessions take in turn.
const TSessionSetup Setups[] = {
    {0, SYNTEXT_DEFAULT_OPTIONS, false, 8},
    {0, SYNTEXT_DEFAULT_OPTIONS, true, 4},
    {0, {eoAutoIndent, eoKeepCaretX}, true, 2},
    {0, {eoGroupUndo, eoTabIndent, eoSmartTabs}, false, 4},
    {0, {eoScrollPastEol, eoTrimTrailingSpaces, eoAutoIndent}, true, 8},
    {0, TSynTextEditorOptions(SYNTEXT_DEFAULT_OPTIONS).Include(eoTabIndent), false, 3},
    {0, {eoColumnEditExtension, eoTrimTrailingSpaces, eoGroupUndo, eoSmartTabDelete}, true, 4},
    {0, {eoScrollPastEol, eoColumnEditExtension, eoEnhanceHomeKey, eoTabIndent}, false, 8},
};

// Seeds 1 to 56 (the first 8, one for each setup, unless all are asked
// for), each with the setup after the one before; each is a test case of
// its own, so that they run side by side.
std::vector<TSessionSetup> Sessions()
{
    std::vector<TSessionSetup> sessions;
    for (uint32_t seed : SessionSeeds(SeedRange(1, 56), std::size(Setups))) {
        TSessionSetup setup = Setups[(seed - 1) % std::size(Setups)];
        setup.Seed = seed;
        sessions.push_back(setup);
    }
    return sessions;
}

INSTANTIATE_TEST_SUITE_P(Seeds, TSynTextSessionTest, ::testing::ValuesIn(Sessions()),
                         [](const ::testing::TestParamInfo<TSessionSetup>& Info) {
                             return "Seed" + std::to_string(Info.param.Seed);
                         });

}  // namespace
