// Random folding sessions on long C text, folded by the shipped C/C++ scheme
// or by fold regions of braces, block comments and #ifdef blocks:
// collapses (nested ones and every block at once) and expansions, editing
// keys and the program's actions at the edges of collapsed blocks and over
// them, #ifdef regions and braces typed there, multi-line deletes and their
// undo, pastes at column 1, column blocks and whole lines copied and pasted
// in their mode, joins at line ends, undo and redo (long runs too), and
// idle slices run or skipped; and in sessions of the wider kinds of steps,
// drags and drops (also from another editor), a host's SetSelText, files
// inserted, finds and replaces, case changes on collapsed first lines,
// word wrap switched, lines of 2,000 to 30,000 bytes and quote characters
// outside strings. After every step the text with nothing
// collapsed is what the same commands make of it where nothing is
// collapsed; after every step and idle slice that leaves no scan pending
// (and now and then one that does, the check finishing the scan) the lines
// in view, their colours, the highlighter's state after each of them and
// the fold ranges are what a fresh editor shows with the same blocks
// collapsed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "tests/highlighter/c_fold_session.h"
#include "tests/highlighter/c_fold_session_setup.h"
#include "tests/highlighter/c_fold_session_text.h"
#include "tests/support/test_random.h"

namespace {

// The sessions keep their text within these lines, counted with nothing
// collapsed.
constexpr int FewestLines = 300;
constexpr int MostLines = 2000;
// Undoing and redoing everything after so many steps.
constexpr int UndoAllEvery = 500;
// The steps between checks in a session that checks rarely.
constexpr int RarelyChecked = 50;

class TCFoldSessionTest : public ::testing::TestWithParam<TFoldSessionSetup> {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        session = std::make_unique<TFoldSession>(GetParam().Shipped, FoldSessionShown(GetParam()));
    }

    TSynTextEditor& Memo() const { return session->Memo(); }
    int LineCount() const { return Memo().Lines()->Count(); }
    TBufferCoord LineEnd(int Line) const;
    // Char on Line, or the start of the character it falls inside: a
    // caret never stands on the second byte of one.
    TBufferCoord OnCharacter(int Line, int Char) const;
    // A place on a character, most often where an edit meets a collapsed
    // block: its first line, the lines just above and below it; now and
    // then the end of the text.
    TBufferCoord EdgePlace(TRandom& R) const;
    // Where a selection from From ends: mostly From itself (none), else a
    // few lines off, now and then at another edge.
    TBufferCoord SelectionEnd(TRandom& R, TBufferCoord From) const;

    // One random step, made of steps of the session's script.
    void Step(TRandom& R);
    void Run(const std::string& Name, TBufferCoord From, TBufferCoord Caret, char C = '\0');
    // A run with what follows its places in a script (a place to drop at,
    // texts).
    void RunWith(const std::string& Name, TBufferCoord From, TBufferCoord Caret, const std::string& Args);
    // A place as a script writes it.
    std::string Place(TBufferCoord P) const;
    void ClickFoldMark(TRandom& R);
    void EditAtEdge(TRandom& R);
    void RunAction(TRandom& R);
    void DeleteLines(TRandom& R, int Most);
    void PasteAtLineStart(TRandom& R);
    void JoinLines(TRandom& R);
    void RunOverCollapsed(TRandom& R);
    void PasteCopiedBlock(TRandom& R);
    void TypeAtEdge(TRandom& R);
    void UndoRun(TRandom& R);
    // One step of the wider kinds.
    void WideStep(TRandom& R);
    void DragOrDrop(TRandom& R);
    void SetOrInsertText(TRandom& R);
    void FindOrReplace(TRandom& R);
    void ChangeCaseAtEdge(TRandom& R);
    void PasteWidePiece(TRandom& R);
    void Idle(TRandom& R);
    // A check when the last step left no scan pending, and now and then
    // when it did (the check finishes it, as any reader does).
    void CheckNow(TRandom& R);

    std::unique_ptr<TFoldSession> session;
    // Whether a step or idle slice may have changed what a check sees
    // since the last check.
    bool changed = true;
    // The steps between checks: every step in half of the sessions; in
    // the others long runs of steps, as a user who never waits for the
    // idle scan makes, go unchecked and their scans unfinished.
    int checkEvery = 1;
    int step = 0;
};

TBufferCoord TCFoldSessionTest::LineEnd(int Line) const
{
    return BufferCoord(static_cast<int>(Memo().Lines()->Strings(Line - 1).size()) + 1, Line);
}

TBufferCoord TCFoldSessionTest::OnCharacter(int Line, int Char) const
{
    const AnsiString text = Memo().Lines()->Strings(Line - 1);
    if (Char <= static_cast<int>(text.size()))
        Char = static_cast<int>(CharStartOf(text, Char - 1)) + 1;
    return BufferCoord(Char, Line);
}

TBufferCoord TCFoldSessionTest::EdgePlace(TRandom& R) const
{
    const int count = LineCount();
    if (count == 0)
        return BufferCoord(1, 1);
    auto clampLine = [count](int Line) { return std::clamp(Line, 1, count); };
    auto anywhereOn = [&](int Line) { return OnCharacter(Line, R.Between(1, LineEnd(Line).Char)); };
    // The text's end, where a string or comment left open runs on into
    // the lines added after it.
    if (R.Chance(5))
        return R.Chance(50) ? LineEnd(count) : BufferCoord(1, count);
    const std::vector<TSynTextFoldRange*> collapsed = session->CollapsedInView();
    if (collapsed.empty() || R.Chance(20))
        return anywhereOn(R.Between(1, count));
    const TSynTextFoldRange* range = collapsed[R.Index(collapsed.size())];
    const int head = range->FromLine();
    const AnsiString headText = range->WithoutCollapseMark(Memo().Lines()->Strings(head - 1));
    switch (R.Below(8)) {
    case 0:
        return BufferCoord(1, clampLine(head + 1));
    case 1:
        return LineEnd(clampLine(head - 1));
    case 2:
        return LineEnd(clampLine(head + 1));
    case 3:
        return BufferCoord(1, head);
    case 4:
        return BufferCoord(static_cast<int>(headText.size()) + 1, head);
    case 5:
        // The line after the first, which is the block's last line when a
        // range opens there.
        return anywhereOn(clampLine(head + 1));
    case 6:
        return anywhereOn(clampLine(head - 1));
    default:
        return OnCharacter(head, R.Between(1, LineEnd(head).Char + 2));
    }
}

TBufferCoord TCFoldSessionTest::SelectionEnd(TRandom& R, TBufferCoord From) const
{
    const int choice = R.Below(20);
    if (choice < 13)
        return From;
    if (choice < 15)
        return EdgePlace(R);
    const int line = std::clamp(From.Line + R.Between(-6, 6), 1, std::max(LineCount(), 1));
    return R.Chance(50) ? LineEnd(line) : OnCharacter(line, R.Between(1, LineEnd(line).Char));
}

void TCFoldSessionTest::Run(const std::string& Name, TBufferCoord From, TBufferCoord Caret, char C)
{
    RunWith(Name, From, Caret, C != '\0' ? std::string(" '") + C + "'" : std::string());
}

void TCFoldSessionTest::RunWith(const std::string& Name, TBufferCoord From, TBufferCoord Caret, const std::string& Args)
{
    session->Apply("run " + Name + " " + Place(From) + " " + Place(Caret) + Args);
}

std::string TCFoldSessionTest::Place(TBufferCoord P) const
{
    return std::to_string(P.Char) + "," + std::to_string(Memo().GetRealLineNumber(P.Line));
}

void TCFoldSessionTest::ClickFoldMark(TRandom& R)
{
    // The first fold mark at or below a line.
    const int count = LineCount();
    for (int line = R.Between(1, std::max(count, 1)); line <= count; ++line) {
        if (Memo().GetFoldRangeAtLine(line)) {
            session->Apply("click " + std::to_string(Memo().GetRealLineNumber(line)));
            return;
        }
    }
}

void TCFoldSessionTest::EditAtEdge(TRandom& R)
{
    static const char* const commands[] = {
        "ecDeleteLastChar", "ecDeleteLastChar", "ecDeleteChar", "ecDeleteChar",  "ecDeleteWord",
        "ecDeleteLastWord", "ecDeleteEOL",      "ecDeleteBOL",  "ecDeleteLine",  "ecLineBreak",
        "ecInsertLine",     "ecChar",           "ecChar",       "ecChar",        "ecChar",
        "ecChar",           "ecTab",            "ecShiftTab",   "ecBlockIndent", "ecBlockUnindent",
        "ecUpperCase",      "ecToggleCaseBlock", "ecCut",       "ecCopy",        "ecPaste",
    };
    static const char typed[] = "{}/*#\"x \\";
    const std::string command = R.Pick(commands);
    const char c = typed[R.Below(static_cast<int>(sizeof typed) - 1)];
    const TBufferCoord from = EdgePlace(R);
    Run(command, from, SelectionEnd(R, from), command == "ecChar" ? c : '\0');
}

void TCFoldSessionTest::RunAction(TRandom& R)
{
    static const char* const actions[] = {
        "TaSynDeleteNextchar", "TaSynDeleteWordToEnd", "TaSynDeleteWordToStart", "TaSynDeleteWord",
        "TaSynDeleteLineToEnd", "TaSynDeleteLineToStart", "TaSynDeleteLine",     "TaSynBlockIndent",
        "TaSynBlockUnindent",  "TaSynCut",             "TaSynPaste",             "TaSynUpperCase",
        "TaSynToggleCase",
    };
    const TBufferCoord from = EdgePlace(R);
    Run(R.Pick(actions), from, SelectionEnd(R, from));
}

void TCFoldSessionTest::DeleteLines(TRandom& R, int Most)
{
    static const char* const commands[] = {"ecDeleteLastChar", "ecDeleteChar", "ecCut", "ecChar"};
    const std::string command = R.Chance(20) ? "TaSynCut" : R.Pick(commands);
    const int count = LineCount();
    const TBufferCoord from = R.Chance(50) ? EdgePlace(R) : BufferCoord(1, R.Between(1, std::max(count, 1)));
    const int last = std::min(count, from.Line + R.Between(1, Most));
    Run(command, from, R.Chance(50) ? BufferCoord(1, last) : LineEnd(last), command == "ecChar" ? 'x' : '\0');
    if (R.Chance(50))
        session->Apply("undo last");
}

void TCFoldSessionTest::PasteAtLineStart(TRandom& R)
{
    // Lines copied from the text (hidden ones too), or a piece of C, or
    // what the last copy or cut left.
    const int count = LineCount();
    const int choice = R.Below(10);
    if (choice < 4 && count > 1) {
        const int first = R.Between(1, count - 1);
        Run("ecCopy", BufferCoord(1, first), BufferCoord(1, std::min(count, first + R.Between(1, 30))));
    } else if (choice < 7) {
        session->Apply("clipboard " + TFoldSession::Quoted(RandomCPiece(R)));
    }
    const TBufferCoord at = BufferCoord(1, EdgePlace(R).Line);
    Run(R.Chance(50) ? "ecPaste" : "TaSynPaste", at, at);
}

void TCFoldSessionTest::JoinLines(TRandom& R)
{
    // Backspace at a line's start or Delete at its end.
    const int line = EdgePlace(R).Line;
    if (R.Chance(50))
        Run("ecDeleteLastChar", BufferCoord(1, line), BufferCoord(1, line));
    else
        Run(R.Chance(50) ? "ecDeleteChar" : "TaSynDeleteNextchar", LineEnd(line), LineEnd(line));
}

void TCFoldSessionTest::RunOverCollapsed(TRandom& R)
{
    // A selection from above a collapsed block to below it, or from inside
    // its first line, as a user drags over a block to indent it or change
    // its case.
    static const char* const commands[] = {
        "ecTab",            "ecShiftTab",        "ecBlockIndent",    "ecBlockUnindent",
        "ecUpperCaseBlock", "ecLowerCaseBlock",  "ecToggleCaseBlock", "ecUpperCase",
        "ecDeleteLine",     "ecDeleteWord",      "ecDeleteLastWord",  "ecDeleteChar",
        "ecDeleteLastChar", "TaSynBlockIndent",  "TaSynBlockUnindent", "TaSynUpperCase",
        "TaSynToggleCase",  "TaSynDeleteLine",   "TaSynDeleteWordToEnd", "TaSynDeleteWordToStart",
    };
    const std::vector<TSynTextFoldRange*> collapsed = session->CollapsedInView();
    if (collapsed.empty()) {
        EditAtEdge(R);
        return;
    }
    const int head = collapsed[R.Index(collapsed.size())]->FromLine();
    const int count = LineCount();
    const int first = std::max(1, head - R.Below(4));
    const int last = std::min(count, head + R.Between(first == head ? 1 : 0, 4));
    const TBufferCoord from =
        R.Chance(50) ? BufferCoord(1, first) : OnCharacter(first, R.Between(1, LineEnd(first).Char));
    const TBufferCoord to = R.Chance(50) ? BufferCoord(1, last) : LineEnd(last);
    if (R.Chance(50))
        Run(R.Pick(commands), from, to);
    else
        Run(R.Pick(commands), to, from);
}

void TCFoldSessionTest::PasteCopiedBlock(TRandom& R)
{
    // Lines copied as a column block or as whole lines, pasted in that
    // mode: a column block goes down the lines below the caret, whole
    // lines go in above the caret's line.
    const int count = LineCount();
    if (count < 2)
        return;
    const bool column = R.Chance(50);
    Run(column ? "ecColumnSelect" : "ecLineSelect", BufferCoord(1, 1), BufferCoord(1, 1));
    const int first = R.Between(1, count - 1);
    int last = std::min(count, first + R.Between(1, column ? 12 : 30));
    // The copy takes lines that show no collapsed block: what a column
    // block or a whole line takes of a collapse mark is not what this
    // session compares. The blocks are read as they stand, as painting
    // reads them: a pending scan stays pending.
    for (const TSynTextFoldRange* range : session->CollapsedInView())
        if (range->FromLine() >= first)
            last = std::min(last, range->FromLine() - 1);
    if (last >= first) {
        const int left = R.Between(1, 12);
        Run("ecCopy", BufferCoord(left, first), BufferCoord(column ? left + R.Between(1, 20) : 1, last));
        const TBufferCoord at = column ? EdgePlace(R) : BufferCoord(1, EdgePlace(R).Line);
        Run(R.Chance(50) ? "ecPaste" : "TaSynPaste", at, at);
    }
    Run("ecNormalSelect", BufferCoord(1, 1), BufferCoord(1, 1));
}

void TCFoldSessionTest::TypeAtEdge(TRandom& R)
{
    // A few keys typed in a row: an #ifdef region opened or closed, a
    // brace, a comment or a string.
    static const char* const typed[] = {"#ifdef R {", "#ifdef W", "#endif", "/*", "*/", "{", "}", "\"", "} else {"};
    TBufferCoord at = EdgePlace(R);
    for (const char c : std::string(R.Pick(typed))) {
        Run("ecChar", at, at, c);
        at = Memo().CaretXY();
    }
}

void TCFoldSessionTest::UndoRun(TRandom& R)
{
    // Many undos in a row, and often some of them redone.
    session->Apply("undo " + std::to_string(R.Between(5, 40)));
    if (R.Chance(50))
        session->Apply("redo " + std::to_string(R.Between(1, 20)));
}

void TCFoldSessionTest::DragOrDrop(TRandom& R)
{
    // A selection dragged somewhere in the text, mostly beside a collapsed
    // block; or text dropped from another editor.
    const TBufferCoord from = EdgePlace(R);
    const TBufferCoord drop = EdgePlace(R);
    if (R.Chance(35)) {
        static const char* const dropped[] = {"{", "}", "/*", "x", "\"", "// \"", "} else {"};
        const AnsiString text = R.Chance(50) ? RandomCPiece(R) : AnsiString(R.Pick(dropped));
        RunWith("DropFrom", from, from, " @" + Place(drop) + " " + TFoldSession::Quoted(text));
        return;
    }
    TBufferCoord to = SelectionEnd(R, from);
    if (to == from)
        to = R.Chance(50) ? LineEnd(from.Line) : EdgePlace(R);
    if (to != from)
        RunWith("DragMove", from, to, " @" + Place(drop));
}

void TCFoldSessionTest::SetOrInsertText(TRandom& R)
{
    // What a host puts in place of the selection, or a file inserted there.
    static const char* const texts[] = {"", "{", "}", "x", "/* c */", "\r\n", "} else {\r\n", "// \""};
    const TBufferCoord from = EdgePlace(R);
    const AnsiString text = R.Chance(40) ? RandomCPiece(R) : AnsiString(R.Pick(texts));
    RunWith(R.Chance(60) ? "SetSelText" : "InsertFile", from, SelectionEnd(R, from), " " + TFoldSession::Quoted(text));
}

void TCFoldSessionTest::FindOrReplace(TRandom& R)
{
    // Words of the text and tokens that fold, found from a place beside a
    // collapsed block, replaced one at a time or all at once.
    static const char* const found[] = {"return", "else", "x;", "}", "{", "/*", "*/", "#endif", "\"", "//"};
    static const char* const replacements[] = {"ELSE", "", "{", "}", "/**", "x\r\ny", "} {", "//"};
    const TBufferCoord from = EdgePlace(R);
    const std::string what = TFoldSession::Quoted(R.Pick(found));
    const int choice = R.Below(10);
    if (choice < 4)
        RunWith("FindNext", from, from, " " + what);
    else
        RunWith(choice < 7 ? "ReplaceNext" : "ReplaceAll", from, from,
                " " + what + " " + TFoldSession::Quoted(R.Pick(replacements)));
}

void TCFoldSessionTest::ChangeCaseAtEdge(TRandom& R)
{
    // Case changes of the word at the caret, of the selection or of the
    // document's selection, on collapsed first lines most of all.
    static const char* const commands[] = {
        "ecUpperCase",    "ecLowerCase",    "ecToggleCase",   "ecTitleCase",    "ecLowerCaseBlock",
        "TaSynUpperCase", "TaSynLowerCase", "TaSynToggleCase", "TaSynTitleCase",
    };
    const TBufferCoord from = EdgePlace(R);
    Run(R.Pick(commands), from, R.Chance(60) ? from : SelectionEnd(R, from));
}

void TCFoldSessionTest::PasteWidePiece(TRandom& R)
{
    session->Apply("clipboard " + TFoldSession::Quoted(WideCPiece(R)));
    const TBufferCoord at = EdgePlace(R);
    Run(R.Chance(50) ? "ecPaste" : "TaSynPaste", at, at);
}

void TCFoldSessionTest::WideStep(TRandom& R)
{
    const int kind = R.Below(100);
    if (kind < 25)
        DragOrDrop(R);
    else if (kind < 40)
        SetOrInsertText(R);
    else if (kind < 65)
        FindOrReplace(R);
    else if (kind < 85)
        ChangeCaseAtEdge(R);
    else if (kind < 90)
        session->Apply(R.Chance(50) ? "wrap on" : "wrap off");
    else
        PasteWidePiece(R);
}

void TCFoldSessionTest::Step(TRandom& R)
{
    const int lines = LineCount() == 0 ? 0 : Memo().GetRealLineNumber(LineCount());
    if (lines < FewestLines) {
        session->Apply("clipboard " + TFoldSession::Quoted(RandomCText(R, R.Between(20, 80), GetParam().Wide)));
        const TBufferCoord at = BufferCoord(1, R.Between(1, std::max(LineCount(), 1)));
        Run("ecPaste", at, at);
        return;
    }
    if (lines > MostLines) {
        DeleteLines(R, 150);
        return;
    }
    if (GetParam().Wide && R.Chance(30)) {
        WideStep(R);
        return;
    }
    const int kind = R.Below(100);
    if (kind < 18) {
        ClickFoldMark(R);
    } else if (kind < 20) {
        session->Apply("collapse all");
    } else if (kind < 23) {
        session->Apply(R.Chance(50) ? "expand all" : "expand level " + std::to_string(R.Below(3)));
    } else if (kind < 45) {
        EditAtEdge(R);
    } else if (kind < 52) {
        RunOverCollapsed(R);
    } else if (kind < 57) {
        DeleteLines(R, 40);
    } else if (kind < 62) {
        PasteAtLineStart(R);
    } else if (kind < 67) {
        PasteCopiedBlock(R);
    } else if (kind < 71) {
        TypeAtEdge(R);
    } else if (kind < 77) {
        JoinLines(R);
    } else if (kind < 87) {
        RunAction(R);
    } else if (kind < 97) {
        session->Apply((R.Chance(70) ? "undo " : "redo ") + std::to_string(R.Between(1, 4)));
    } else {
        UndoRun(R);
    }
}

void TCFoldSessionTest::Idle(TRandom& R)
{
    // Idle time with no scan pending changes nothing a check sees. A
    // session that checks rarely seldom waits for idle time either: its
    // commands meet the ranges an unfinished scan left.
    const int choice = checkEvery > 1 && R.Chance(75) ? 9 : R.Below(10);
    if (choice < 4) {
        changed = changed || session->FoldScanPending();
        session->Apply("idle");
        CheckNow(R);
    } else if (choice < 7) {
        for (int n = R.Between(1, 3); n > 0 && !::testing::Test::HasFailure(); --n) {
            changed = changed || session->FoldScanPending();
            session->Apply("slice " + std::to_string(R.Between(1, 20)));
            CheckNow(R);
        }
    }
}

void TCFoldSessionTest::CheckNow(TRandom& R)
{
    if (changed && step % checkEvery == 0 && (!session->FoldScanPending() || R.Chance(10))) {
        session->Apply("check");
        changed = false;
    }
}

TEST_P(TCFoldSessionTest, FoldingNeverChangesTheTextOrWhatAFreshEditorShows)
{
    TRandom random(GetParam().Seed);
    auto failed = [this] { return FoldSessionFailure(GetParam(), session->Steps()); };
    // Half of the texts end in text, as the program saves an article.
    AnsiString text = RandomCText(random, random.Between(FewestLines, MostLines), GetParam().Wide);
    if (random.Chance(50))
        text.resize(text.size() - 2);
    session->Apply("text " + TFoldSession::Quoted(text));
    checkEvery = GetParam().Seed % 2 == 1 ? 1 : RarelyChecked;
    for (step = 1; step <= GetParam().Steps && !HasFailure(); ++step) {
        ASSERT_NO_FATAL_FAILURE(Step(random)) << failed();
        changed = true;
        // Readers finish a pending scan; most steps leave it to idle time.
        ASSERT_NO_FATAL_FAILURE(CheckNow(random)) << failed();
        ASSERT_NO_FATAL_FAILURE(Idle(random)) << failed();
        if (step % UndoAllEvery == 0) {
            ASSERT_NO_FATAL_FAILURE(session->Apply("undo everything")) << failed();
        }
    }
    if (!HasFailure())
        session->Apply("check");
    if (HasFailure())
        FAIL() << failed();
}

std::string SessionName(const ::testing::TestParamInfo<TFoldSessionSetup>& Info) { return FoldSessionName(Info.param); }

INSTANTIATE_TEST_SUITE_P(Shipped, TCFoldSessionTest, ::testing::ValuesIn(FoldSessions(true, false)), SessionName);
INSTANTIATE_TEST_SUITE_P(Regions, TCFoldSessionTest, ::testing::ValuesIn(FoldSessions(false, false)), SessionName);
INSTANTIATE_TEST_SUITE_P(ShippedWide, TCFoldSessionTest, ::testing::ValuesIn(FoldSessions(true, true)), SessionName);
INSTANTIATE_TEST_SUITE_P(RegionsWide, TCFoldSessionTest, ::testing::ValuesIn(FoldSessions(false, true)), SessionName);

}  // namespace
