// Every command and action that changes text, run beside, on and over a
// block collapsed in C text folded by the shipped C/C++ scheme, through the
// keys' path (the command processor) and through the program's actions:
// the text with nothing collapsed ends as the same command leaves it in an
// editor where nothing is collapsed (or, where the table says so on a
// collapsed first line, as it was: the command refused), the folds are
// what a fresh editor shows, and one undo gives the text back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "tests/editor_services/fold_guard_test_support.h"
#include "tests/highlighter/c_fold_test_support.h"

namespace {

const char* const Source = "// f: \xD5\x66\xE9\x54\r\n"  // 1
                           "int f(int a) {\r\n"          // 2
                           "    int x = 0;\r\n"          // 3
                           "    if (a) {\r\n"            // 4
                           "        x = a;\r\n"          // 5
                           "    } else {\r\n"            // 6
                           "        x = -a;\r\n"         // 7
                           "    }\r\n"                   // 8
                           "    return x;\r\n"           // 9
                           "}\r\n"                       // 10
                           "int g;\r\n";                 // 11

// What the clipboard holds before each command: lines with a brace and a
// character whose trail byte reads as '{'.
const char* const Pasted = "p\xD5\x7B\r\n{ q";

// The blocks collapsed, in this order (real first lines), and the one the
// caret stands beside: its first line and the last line it hides.
struct TCollapsedBlocks {
    const char* What;
    std::vector<int> Collapsed;
    int Head;
    int Last;
};

void PrintTo(const TCollapsedBlocks& Blocks, std::ostream* Out) { *Out << Blocks.What; }

// Where the caret and the selection stand, beside the block.
enum TPlace { AboveEnd, OnStart, OnInside, OnEnd, OnSelected, BelowStart, SelectionOver, SelectionOfLines };

const char* const PlaceNames[] = {"at the end of the line above", "at the start of the collapsed line",
                                  "inside the collapsed line",    "at the end of the collapsed line",
                                  "with the collapsed line selected",
                                  "at the start of the line below", "with a selection over the block",
                                  "with the block's lines selected"};

// Where on a collapsed first line (the caret's) a command is refused, when
// with nothing collapsed it changes the text; elsewhere it does there what
// it does with nothing collapsed. A selection over several lines is never
// refused, wherever the caret stands in it.
using TRefusedOn = std::vector<TPlace>;
const TRefusedOn Nowhere;
const TRefusedOn Everywhere = {OnStart, OnInside, OnEnd, OnSelected, BelowStart, SelectionOver, SelectionOfLines};
// All but a selection of the first line's whole text, which it replaces.
const TRefusedOn Typing = {OnStart, OnInside, OnEnd, BelowStart};
const TRefusedOn ToTheLineStart = {OnInside, OnEnd, OnSelected, SelectionOver};
const TRefusedOn ToTheLineEnd = {OnStart, OnInside, BelowStart, SelectionOver, SelectionOfLines};
// A line break goes before the block or after it.
const TRefusedOn InsideTheLineText = {OnInside};
const TRefusedOn InsideTheLine = {OnInside, OnEnd};
const TRefusedOn AtTheCaretsWord = {OnStart, OnInside};
const TRefusedOn WithoutASelection = {OnStart, OnInside, OnEnd, BelowStart};

// A command run through the command processor, as a key runs it, or one of
// the program's actions, beside the command it runs as a key does (ecNone
// where it runs more or other than a key).
struct TEditPath {
    const char* What;
    TSynTextEditorCommand Command;
    TSynCustomAction* (*NewAction)();
    const TRefusedOn& RefusedOn;
};

template <typename T>
TSynCustomAction* NewAction()
{
    return new T(nullptr);
}

const TEditPath Paths[] = {
    {"Backspace", ecDeleteLastChar, nullptr, Typing},
    {"Delete", ecDeleteChar, nullptr, Typing},
    {"Ctrl+T", ecDeleteWord, nullptr, Everywhere},
    {"Ctrl+Backspace", ecDeleteLastWord, nullptr, Everywhere},
    {"delete to the line start", ecDeleteBOL, nullptr, ToTheLineStart},
    {"Ctrl+Shift+Y", ecDeleteEOL, nullptr, ToTheLineEnd},
    {"Ctrl+Y", ecDeleteLine, nullptr, Everywhere},
    {"Enter", ecLineBreak, nullptr, InsideTheLineText},
    {"Ctrl+N", ecInsertLine, nullptr, InsideTheLineText},
    {"a letter", ecChar, nullptr, Typing},
    {"an input method's string", ecImeStr, nullptr, Typing},
    {"Ctrl+X", ecCut, nullptr, Nowhere},
    {"Ctrl+V", ecPaste, nullptr, Typing},
    {"Ctrl+Shift+I", ecBlockIndent, nullptr, Nowhere},
    {"Ctrl+Shift+U", ecBlockUnindent, nullptr, Nowhere},
    {"Tab", ecTab, nullptr, Typing},
    {"Shift+Tab", ecShiftTab, nullptr, InsideTheLine},
    {"upper case of the word", ecUpperCase, nullptr, Everywhere},
    {"lower case of the word", ecLowerCase, nullptr, Everywhere},
    {"toggled case of the word", ecToggleCase, nullptr, Everywhere},
    {"title case of the word", ecTitleCase, nullptr, Everywhere},
    {"upper case of the block", ecUpperCaseBlock, nullptr, AtTheCaretsWord},
    {"lower case of the block", ecLowerCaseBlock, nullptr, AtTheCaretsWord},
    {"toggled case of the block", ecToggleCaseBlock, nullptr, AtTheCaretsWord},
    {"the document's upper case", ecDocUpperCase, nullptr, WithoutASelection},
    {"the document's lower case", ecDocLowerCase, nullptr, WithoutASelection},
    {"the document's toggled case", ecDocToggleCase, nullptr, WithoutASelection},
    {"the document's title case", ecDocTitleCase, nullptr, WithoutASelection},
    {"Ctrl+Shift+Delete", ecDeleteWholeWord, nullptr, Everywhere},
    {"action Delete", ecDeleteChar, NewAction<TaSynDeleteNextchar>, Typing},
    {"action Ctrl+Delete", ecDeleteWord, NewAction<TaSynDeleteWordToEnd>, Everywhere},
    {"action Ctrl+Backspace", ecDeleteLastWord, NewAction<TaSynDeleteWordToStart>, Everywhere},
    {"action Ctrl+Shift+Delete", ecDeleteWholeWord, NewAction<TaSynDeleteWord>, Everywhere},
    {"action Alt+Delete", ecDeleteEOL, NewAction<TaSynDeleteLineToEnd>, ToTheLineEnd},
    {"action Alt+Backspace", ecDeleteBOL, NewAction<TaSynDeleteLineToStart>, ToTheLineStart},
    {"action Shift+Alt+Delete", ecDeleteLine, NewAction<TaSynDeleteLine>, Everywhere},
    {"action block indent", ecNone, NewAction<TaSynBlockIndent>, Nowhere},
    {"action block unindent", ecNone, NewAction<TaSynBlockUnindent>, Nowhere},
    {"action upper case", ecDocUpperCase, NewAction<TaSynUpperCase>, WithoutASelection},
    {"action lower case", ecDocLowerCase, NewAction<TaSynLowerCase>, WithoutASelection},
    {"action toggled case", ecDocToggleCase, NewAction<TaSynToggleCase>, WithoutASelection},
    {"action title case", ecDocTitleCase, NewAction<TaSynTitleCase>, WithoutASelection},
    {"action cut", ecCut, NewAction<TaSynCut>, Nowhere},
    {"action append cut", ecNone, NewAction<TaSynAppendCut>, Nowhere},
    {"action paste", ecPaste, NewAction<TaSynPaste>, Typing},
    {"action clear all", ecNone, NewAction<TaSynClearAll>, Nowhere},
};

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

class TSynFoldGuardTest : public TFoldedAndModelTest, public ::testing::WithParamInterface<TCollapsedBlocks> {
protected:
    void TearDown() override
    {
        EmptyTheClipboard();
        TFoldedAndModelTest::TearDown();
    }

    // Runs Path on Editor with the clipboard holding Pasted; answers what
    // the clipboard holds afterwards.
    AnsiString Run(const TEditPath& Path, TSynTextEditor* Editor)
    {
        EXPECT_TRUE(SetClipboardText(nullptr, {{CF_TEXT, Pasted}}));
        if (Path.NewAction) {
            const std::unique_ptr<TSynCustomAction> action(Path.NewAction());
            action->SetSynText(Editor);
            // As a menu or a shortcut runs it: only while it is enabled.
            action->Update();
            if (action->Enabled())
                action->Execute();
        } else {
            static char ime[] = "\xD6\xD0{";
            Editor->CommandProcessor(Path.Command, 'z', Path.Command == ecImeStr ? ime : nullptr);
        }
        AnsiString text;
        EXPECT_TRUE(GetClipboardText(nullptr, text));
        return text;
    }

    // The column after Line of the text with nothing collapsed, which the
    // model holds before each command.
    TBufferCoord EndOf(int Line) const
    {
        return BufferCoord(static_cast<int>(model_->Lines()->Strings(Line - 1).size()) + 1, Line);
    }

    // The selection's start and the caret, in the lines of the text with
    // nothing collapsed.
    std::pair<TBufferCoord, TBufferCoord> Where(TPlace At) const
    {
        const int head = GetParam().Head;
        const int below = GetParam().Last + 1;
        const int indent = static_cast<int>(model_->Lines()->Strings(head - 1).find_first_not_of(' '));
        switch (At) {
        case AboveEnd:
            return {EndOf(head - 1), EndOf(head - 1)};
        case OnStart:
            return {BufferCoord(1, head), BufferCoord(1, head)};
        case OnInside:
            return {BufferCoord(indent + 2, head), BufferCoord(indent + 2, head)};
        case OnEnd:
            return {EndOf(head), EndOf(head)};
        case OnSelected:
            return {BufferCoord(1, head), EndOf(head)};
        case BelowStart:
            return {BufferCoord(1, below), BufferCoord(1, below)};
        case SelectionOver:
            return {BufferCoord(3, head - 1), BufferCoord(3, below)};
        case SelectionOfLines:
            return {BufferCoord(1, head), BufferCoord(1, below)};
        }
        return {};
    }
};

TEST_P(TSynFoldGuardTest, EveryEditBesideACollapsedBlockActsOnTheRealText)
{
    const TCollapsedBlocks& blocks = GetParam();
    // Whether each key's command changed the text on a collapsed line, by
    // place: the actions that run the same command do as the keys do.
    std::map<std::pair<TSynTextEditorCommand, int>, bool> keyChanged;
    for (const TEditPath& path : Paths) {
        for (int at = AboveEnd; at <= SelectionOfLines; ++at) {
            const auto place = static_cast<TPlace>(at);
            SCOPED_TRACE(std::string(path.What) + " " + PlaceNames[at]);
            model_->SetText(Source);
            const auto [from, to] = Where(place);
            // Enter at the end of a collapsed first line breaks the line
            // after the block, where the model's caret goes.
            if (place == OnEnd && (path.Command == ecLineBreak || path.Command == ecInsertLine))
                SelectReal(*model_, EndOf(blocks.Last), EndOf(blocks.Last));
            else
                SelectReal(*model_, from, to);
            const AnsiString modelClipboard = Run(path, model_);

            folded_->SetText(Source);
            folded_->ClearUndo();
            for (const int real : blocks.Collapsed)
                folded_->Collapse(folded_->GetFoldRangeStartingAt(BufferLineOf(*folded_, real)));
            SelectReal(*folded_, from, to);
            const bool onACollapsedLine = folded_->AllFoldRanges()->CollapsedStartsAt(folded_->CaretY());
            const AnsiString clipboard = Run(path, folded_);
            ExpectFoldsOfAFreshEditor(*folded_, [this] { return NewCFoldingMemo(syn_); });
            const AnsiString after = folded_->Text();
            if (onACollapsedLine && path.Command != ecNone) {
                const auto [key, first] = keyChanged.emplace(std::make_pair(path.Command, at), after != Source);
                if (!first) {
                    EXPECT_EQ(after != Source, key->second) << "as its key does";
                }
            }
            // Refused: nothing changed, nothing recorded. A command that
            // changes nothing with nothing collapsed either may be refused
            // or not.
            const bool refused =
                onACollapsedLine && model_->Text() != Source &&
                std::find(path.RefusedOn.begin(), path.RefusedOn.end(), place) != path.RefusedOn.end();
            if (refused) {
                EXPECT_EQ(after, AnsiString(Source)) << "not refused";
                EXPECT_FALSE(folded_->CanUndo()) << "refused, yet recorded";
            } else {
                EXPECT_EQ(after, model_->Text());
                EXPECT_EQ(clipboard, modelClipboard);
                folded_->Undo();
                EXPECT_EQ(folded_->Text(), AnsiString(Source)) << "after one undo";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, TSynFoldGuardTest,
                         ::testing::Values(TCollapsedBlocks{"TheIfBlock", {4}, 4, 5},
                                           TCollapsedBlocks{"TheElseBlock", {6}, 6, 8},
                                           TCollapsedBlocks{"TheIfBlockBeforeTheCollapsedElse", {6, 4}, 4, 5},
                                           TCollapsedBlocks{"TheFunctionWithBothInside", {4, 6, 2}, 2, 10}),
                         [](const ::testing::TestParamInfo<TCollapsedBlocks>& Info) { return Info.param.What; });

}  // namespace
