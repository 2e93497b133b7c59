// A folding session step by step (see the header).
#include "tests/highlighter/c_fold_session.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

#include "editor/document/syn_text_string_list.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/highlighter/c_fold_test_support.h"

// The idle time of an editor that is not shown, and its collapsed blocks
// read as they stand.
class TFoldSessionMemo : public TSynTextEditor {
public:
    using TSynTextEditor::TSynTextEditor;
    // A slice of idle time that ends after Polls looks at the clock rather
    // than after some milliseconds, so that a session takes the same course
    // on every run: the fold scan while it has lines left, else the line
    // shifts the ranges have not taken yet.
    void IdleSlice(int Polls)
    {
        if (FoldScanPending()) {
            const auto outOfTime = [&Polls] { return --Polls < 0; };
            do
                ScanFoldsTo(INT_MAX, outOfTime);
            while (FoldScanPending() && Polls >= 0);
            if (foldScan_.PendingFrom() > CaretXY().Line + 1)
                UpdateCaretFoldRange();
        } else if (allFoldRanges_->PendingShifts() > 0) {
            allFoldRanges_->SettleSomeShifts(static_cast<size_t>(Polls) * 40);
        }
    }
    void IdleUntilFoldsScanned()
    {
        for (int slice = 0; FoldScanPending() && slice < 100000; ++slice)
            IdleSlice(20);
    }
    // The ranges as they stand, a pending scan left pending.
    TSynTextAllFoldRanges* StandingRanges() const { return allFoldRanges_.get(); }
    // The text with every collapsed block's lines in place, read as the
    // scan and highlighting read it: unlike GetExpandedLines it leaves a
    // pending scan pending.
    AnsiString RealText() const
    {
        TSynTextStringList real;
        for (int i = 0; i < lines_->Count(); ++i) {
            const AnsiString line = lines_->Strings(i);
            const TSynTextFoldRange* collapsed =
                allFoldRanges_->HasCollapsed() ? allFoldRanges_->CollapsedIn(i + 1, i + 1) : nullptr;
            if (collapsed)
                allFoldRanges_->ForEachLineOf(collapsed, line, [&real](const AnsiString& Line) { real.Add(Line); });
            else
                real.Add(line);
        }
        return real.Text();
    }
    std::vector<TSynTextFoldRange*> CollapsedInView() const
    {
        std::vector<TSynTextFoldRange*> collapsed;
        for (int i = 0; i < allFoldRanges_->AllCount(); ++i) {
            TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
            if (range->Collapsed && !range->ParentCollapsed)
                collapsed.push_back(range);
        }
        return collapsed;
    }
};

namespace {

// The lines above and below the caret whose colours a check compares.
constexpr int ColouredAround = 40;

using TRun = std::function<void(TCustomSynTextEditor&)>;

template <typename T>
TRun RunAction()
{
    return [](TCustomSynTextEditor& Editor) {
        T action(nullptr);
        action.SetSynText(&Editor);
        action.Execute();
    };
}

// The program's editing actions, which it binds to keys and which run the
// commands past the editor's key handling.
const std::map<std::string, TRun>& Actions()
{
    static const std::map<std::string, TRun> actions = {
        {"TaSynDeleteNextchar", RunAction<TaSynDeleteNextchar>()},
        {"TaSynDeleteWordToEnd", RunAction<TaSynDeleteWordToEnd>()},
        {"TaSynDeleteWordToStart", RunAction<TaSynDeleteWordToStart>()},
        {"TaSynDeleteWord", RunAction<TaSynDeleteWord>()},
        {"TaSynDeleteLineToEnd", RunAction<TaSynDeleteLineToEnd>()},
        {"TaSynDeleteLineToStart", RunAction<TaSynDeleteLineToStart>()},
        {"TaSynDeleteLine", RunAction<TaSynDeleteLine>()},
        {"TaSynBlockIndent", RunAction<TaSynBlockIndent>()},
        {"TaSynBlockUnindent", RunAction<TaSynBlockUnindent>()},
        {"TaSynCut", RunAction<TaSynCut>()},
        {"TaSynPaste", RunAction<TaSynPaste>()},
        {"TaSynUpperCase", RunAction<TaSynUpperCase>()},
        {"TaSynToggleCase", RunAction<TaSynToggleCase>()},
    };
    return actions;
}

// Reads a quoted, escaped text from In (see TFoldSession::Quoted).
bool ReadQuoted(std::istream& In, AnsiString& Text)
{
    char c = 0;
    if (!(In >> c) || c != '"')
        return false;
    Text.clear();
    while (In.get(c) && c != '"') {
        if (c != '\\') {
            Text += c;
            continue;
        }
        In.get(c);
        if (c == 'r')
            Text += '\r';
        else if (c == 'n')
            Text += '\n';
        else if (c == 't')
            Text += '\t';
        else if (c == 'x') {
            char hex[3] = {};
            In.get(hex[0]).get(hex[1]);
            Text += static_cast<char>(std::stoi(hex, nullptr, 16));
        } else
            Text += c;
    }
    return c == '"';
}

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

bool ReadPlace(std::istream& In, TBufferCoord& Place)
{
    char comma = 0;
    return static_cast<bool>(In >> Place.Char >> comma >> Place.Line) && comma == ',';
}

}  // namespace

TFoldSession::TFoldSession(bool Shipped, bool Shown) : shipped_(Shipped)
{
    // The clipboard outlives the sessions: each starts without what an
    // earlier one copied, and leaves it empty.
    EmptyTheClipboard();
    memo_ = std::make_unique<TFoldSessionMemo>(nullptr);
    if (Shown) {
        // No message is pumped: idle time comes only as the steps say.
        host_ = std::make_unique<TEditorHost>();
        host_->Show();
        host_->HandleNeeded();
        memo_->SetBorderStyle(bsNone);
        memo_->SetBounds(0, 0, 600, 400);
        memo_->SetParent(host_.get());
        memo_->HandleNeeded();
    }
    if (shipped_)
        UseCFolding(*memo_, syn_);
    else
        UseRegionFolding(*memo_, syn_);
    model_ = std::make_unique<TSynTextEditor>(nullptr);
    UseCFolding(*model_, syn_);
    // The model folds nothing: it holds the text the edits make, which no
    // collapse or expansion changes.
    model_->CodeFolding()->SetEnabled(false);
    model_->SetMaxUndo(1);
}

TFoldSession::~TFoldSession() { EmptyTheClipboard(); }

TSynTextEditor& TFoldSession::Memo() const { return *memo_; }

std::vector<TSynTextFoldRange*> TFoldSession::CollapsedInView() const { return memo_->CollapsedInView(); }

bool TFoldSession::FoldScanPending() const { return memo_->FoldScanPending(); }

std::unique_ptr<TSynMemo> TFoldSession::NewMemo()
{
    auto memo = std::make_unique<TSynMemo>(nullptr);
    if (shipped_)
        UseCFolding(*memo, syn_);
    else
        UseRegionFolding(*memo, syn_);
    return memo;
}

std::string TFoldSession::Quoted(const AnsiString& Text)
{
    std::string quoted = "\"";
    for (const char c : Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            quoted += "\\r";
        else if (c == '\n')
            quoted += "\\n";
        else if (c == '\t')
            quoted += "\\t";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (byte < 0x20 || byte >= 0x80) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            quoted += hex;
        } else
            quoted += c;
    }
    return quoted + "\"";
}

void TFoldSession::ApplyScript(const std::string& Script)
{
    std::istringstream lines(Script);
    for (std::string line; std::getline(lines, line) && !::testing::Test::HasFatalFailure();)
        if (!line.empty())
            Apply(line);
}

void TFoldSession::Apply(const std::string& Step)
{
    steps_.push_back(Step);
    std::istringstream in(Step);
    std::string word;
    in >> word;
    bool read = true;
    if (word == "text") {
        read = ReadQuoted(in, start_);
        memo_->SetText(start_);
        memo_->ClearUndo();
        beforeLastRun_ = start_;
        TakeTheMemosText();
    } else if (word == "run") {
        std::string name;
        TBufferCoord from;
        TBufferCoord caret;
        read = static_cast<bool>(in >> name) && ReadPlace(in, from) && ReadPlace(in, caret);
        std::string c;
        in >> std::ws;
        std::getline(in, c);
        from.Line = BufferLineOf(*memo_, from.Line);
        caret.Line = BufferLineOf(*memo_, caret.Line);
        if (read)
            Run(name, from, caret, c.size() == 3 && c[0] == '\'' ? c[1] : '\0');
    } else if (word == "click") {
        int line = 0;
        read = static_cast<bool>(in >> line);
        if (TSynTextFoldRange* range = memo_->GetFoldRangeAtLine(BufferLineOf(*memo_, line))) {
            if (range->Collapsed)
                memo_->Uncollapse(range);
            else
                memo_->Collapse(range);
        }
    } else if (word == "collapse") {
        // The innermost first, as the flat list has them last.
        in >> word;
        for (int i = memo_->AllFoldRanges()->AllCount() - 1; i >= 0; --i) {
            TSynTextFoldRange* range = memo_->AllFoldRanges()->AllRanges(i);
            if (!range->Collapsed && !range->ParentCollapsed && range->ToLine() > range->FromLine())
                memo_->Collapse(range);
        }
    } else if (word == "expand") {
        in >> word;
        int level = 0;
        if (word == "all")
            memo_->UncollapseAll();
        else if ((read = word == "level" && static_cast<bool>(in >> level)))
            memo_->UncollapseLevel(level, true);
    } else if (word == "undo" || word == "redo") {
        std::string times;
        in >> times;
        if (times == "last") {
            // A run that changed nothing left nothing to undo: the undo
            // then takes back an earlier change.
            const bool changed = model_->Text() != beforeLastRun_;
            memo_->CommandProcessor(ecUndo, '\0', nullptr);
            if (changed) {
                EXPECT_EQ(memo_->RealText(), beforeLastRun_) << "the text undo gives back";
            }
        } else if (times == "everything") {
            UndoAndRedoEverything();
        } else {
            for (int n = std::stoi(times); n > 0; --n)
                memo_->CommandProcessor(word == "undo" ? ecUndo : ecRedo, '\0', nullptr);
        }
        TakeTheMemosText();
    } else if (word == "clipboard") {
        AnsiString text;
        read = ReadQuoted(in, text);
        SetClipboardText(nullptr, {{CF_TEXT, text}});
    } else if (word == "slice") {
        int polls = 0;
        read = static_cast<bool>(in >> polls);
        memo_->IdleSlice(polls);
    } else if (word == "idle") {
        memo_->IdleUntilFoldsScanned();
    } else if (word == "check") {
        Check();
    } else {
        read = false;
    }
    ASSERT_TRUE(read) << "a step that cannot be read: " << Step;
    // A run compares the text itself; the model took the text of a step
    // whose text it cannot tell. A check reads the text with nothing
    // collapsed for the fresh editor, and the next run compares it.
    if (word != "run" && word != "text" && word != "undo" && word != "redo" && word != "check") {
        ASSERT_EQ(memo_->RealText(), model_->Text()) << "the text";
    }
}

void TFoldSession::Run(const std::string& Name, TBufferCoord From, TBufferCoord Caret, char C)
{
    TRun command;
    if (const auto action = Actions().find(Name); action != Actions().end()) {
        command = action->second;
    } else {
        int id = 0;
        ASSERT_TRUE(IdentToCommand(Name, id)) << Name;
        command = [id, C](TCustomSynTextEditor& Editor) { Editor.CommandProcessor(id, C, nullptr); };
    }
    beforeLastRun_ = model_->Text();
    // As the mouse or the keys put them, each move a break between groups
    // of undo.
    memo_->CommandProcessor(ecGotoXY, '\0', &From);
    if (Caret != From)
        memo_->CommandProcessor(ecSelGotoXY, '\0', &Caret);
    // A pending scan stays pending for a command beside collapsed blocks
    // or over them: the lines the command takes are the same in the text
    // whatever a scan still finds. On a collapsed first line, where what
    // the command does depends on the block, the scan is finished first.
    TSynTextAllFoldRanges* ranges = memo_->StandingRanges();
    auto onCollapsed = [&] {
        return ranges->CollapsedStartsAt(memo_->CaretXY().Line) ||
               ranges->CollapsedStartsAt(memo_->BlockBegin().Line) ||
               ranges->CollapsedStartsAt(memo_->BlockEnd().Line);
    };
    if (onCollapsed())
        ranges = memo_->AllFoldRanges();
    const bool onCollapsedLine = onCollapsed();
    const TBufferCoord begin = memo_->BlockBegin();
    const TBufferCoord end = memo_->BlockEnd();
    const bool lineBreak = Name == "ecLineBreak" || Name == "ecInsertLine";
    // A selection on a collapsed first line meets a line break after the
    // lines the selection takes: there is nothing to compare.
    if (onCollapsedLine && lineBreak && begin != end) {
        command(*memo_);
        TakeTheMemosText();
        return;
    }
    // The column after a line's text, trailing blanks left out.
    auto textEnd = [](const AnsiString& Line) {
        const size_t last = Line.find_last_not_of(" \t");
        return (last == AnsiString::npos ? 0 : static_cast<int>(last) + 1) + 1;
    };
    auto real = [&](TBufferCoord P) {
        const TSynTextFoldRange* block = P == end && begin.Line < end.Line ? BlockReachedAt(P) : nullptr;
        const TSynTextFoldRange* head = ranges->CollapsedIn(P.Line, P.Line);
        // Enter at the end of a collapsed first line goes to the end of
        // the block.
        const bool toTheEnd = lineBreak && head && P.Char != 1 &&
                              P.Char >= textEnd(head->WithoutCollapseMark(memo_->Lines()->Strings(P.Line - 1)));
        P.Line = memo_->GetRealLineNumber(P.Line);
        if (block || toTheEnd) {
            P.Line += ranges->HiddenLineCount(block ? block : head);
            const AnsiString last = model_->Lines()->Strings(P.Line - 1);
            P.Char = block ? static_cast<int>(last.size()) + 1 : textEnd(last);
        }
        return P;
    };
    model_->SetCaretAndSelection(real(memo_->CaretXY()), real(begin), real(end));
    command(*model_);
    const AnsiString copied = ClipboardText();
    command(*memo_);
    const AnsiString text = memo_->RealText();
    if (!onCollapsedLine) {
        ASSERT_EQ(text, model_->Text()) << "the text the command makes";
        ASSERT_EQ(ClipboardText(), copied) << "the clipboard";
    } else if (text != model_->Text()) {
        // Refused there, or as where nothing is collapsed.
        ASSERT_EQ(text, beforeLastRun_) << "the text the command makes on a collapsed line";
        model_->SetText(text);
    }
}

const TSynTextFoldRange* TFoldSession::BlockReachedAt(TBufferCoord End) const
{
    // The marks of the blocks collapsed on one line follow its text, the
    // innermost's first: the outermost block whose mark the end reaches
    // into. A hidden block starts on the line of the block around it.
    const TSynTextFoldRange* block = memo_->StandingRanges()->CollapsedIn(End.Line, End.Line);
    AnsiString text = memo_->Lines()->Strings(End.Line - 1);
    while (block) {
        text = block->WithoutCollapseMark(text);
        if (End.Char > static_cast<int>(text.size()) + 1)
            return block;
        const TSynTextFoldRange* inner = nullptr;
        std::vector<const TSynTextFoldRange*> pending{block};
        while (!pending.empty() && !inner) {
            const TSynTextFoldRange* range = pending.back();
            pending.pop_back();
            for (int i = 0; i < range->SubFoldRanges.Count(); ++i) {
                const TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
                if (sub->FromLine() != block->FromLine())
                    continue;
                if (sub->Collapsed)
                    inner = sub;
                pending.push_back(sub);
            }
        }
        block = inner;
    }
    return nullptr;
}

void TFoldSession::TakeTheMemosText() { model_->SetText(memo_->RealText()); }

void TFoldSession::Check()
{
    // The colours of the lines around the caret, where the last edit was.
    const int caret = memo_->CaretXY().Line;
    ExpectFoldsOfAFreshEditor(
        *memo_, [this] { return NewMemo(); }, caret - ColouredAround, caret + ColouredAround);
}

void TFoldSession::UndoAndRedoEverything()
{
    const AnsiString before = memo_->RealText();
    memo_->RedoList()->Clear();
    while (memo_->CanUndo())
        memo_->Undo();
    EXPECT_EQ(memo_->RealText(), start_) << "after undoing everything";
    while (memo_->CanRedo())
        memo_->Redo();
    EXPECT_EQ(memo_->RealText(), before) << "after redoing everything";
}
