// A folding session step by step (see the header).
#include "tests/highlighter/c_fold_session.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "editor/document/syn_text_string_list.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/search/syn_text_search.h"
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

}  // namespace

// A typed character, texts, a place to drop at (in the lines of the
// editor the command runs in).
struct TFoldSession::TRunArgs {
    char C = '\0';
    std::vector<AnsiString> Texts;
    std::optional<TBufferCoord> Drop;
    AnsiString Text(size_t I) const { return I < Texts.size() ? Texts[I] : AnsiString(); }
};

namespace {

using TRun = std::function<void(TCustomSynTextEditor&, const TFoldSession::TRunArgs&)>;

template <typename T>
TRun RunAction()
{
    return [](TCustomSynTextEditor& Editor, const TFoldSession::TRunArgs&) {
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
        {"TaSynLowerCase", RunAction<TaSynLowerCase>()},
        {"TaSynToggleCase", RunAction<TaSynToggleCase>()},
        {"TaSynTitleCase", RunAction<TaSynTitleCase>()},
    };
    return actions;
}

// The searches a run makes, as the find and replace driver makes them:
// matching case, from the caret.
bool IsSearch(const std::string& Name) { return Name == "FindNext" || Name == "ReplaceNext" || Name == "ReplaceAll"; }

TSynSearchOptions SearchOptions(const std::string& Name)
{
    TSynSearchOptions options{soMatchCase};
    if (Name == "ReplaceNext")
        options.Include(soReplace);
    else if (Name == "ReplaceAll")
        options.Include(soReplaceAll);
    return options;
}

// Drops Source's selection on Editor at Place, as the mouse lets it go
// there with no key held: the view brought to the place first, also
// sideways (a caret far right on a long line leaves it scrolled there).
void DropAt(TCustomSynTextEditor& Editor, TCustomSynText& Source, TBufferCoord Place)
{
    Editor.SetTopLine(Editor.BufferToDisplayPos(Place).Row);
    Editor.SetLeftChar(Editor.BufferToDisplayPos(Place).Column);
    const TPoint p = Editor.RowColumnToPixels(Editor.BufferToDisplayPos(Place));
    Editor.DragDrop(&Source, p.X + 1, p.Y + 1);
}

// Inserts Text as a file of it, as the program's insert-file action does.
void InsertAsFile(TCustomSynTextEditor& Editor, const AnsiString& Text)
{
    const std::string file =
        (std::filesystem::temp_directory_path() / ("tandril-fold-session-" + std::to_string(getpid()) + ".txt"))
            .string();
    {
        std::ofstream out(file, std::ios::binary);
        out << Text;
    }
    Editor.InsertFile(file, nullptr, {doSelection});
    std::filesystem::remove(file);
}

}  // namespace

bool TFoldSession::ReadQuoted(std::istream& In, AnsiString& Text)
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

namespace {

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

// What follows a run's places: 'x', @C,L and quoted texts.
bool ReadRunArgs(std::istream& In, TFoldSession::TRunArgs& Args)
{
    for (char c = 0; In >> std::ws, In.peek() != EOF;) {
        if (In.peek() == '\'') {
            char close = 0;
            In.get(c).get(Args.C).get(close);
            if (close != '\'')
                return false;
        } else if (In.peek() == '@') {
            In.get(c);
            TBufferCoord drop;
            if (!ReadPlace(In, drop))
                return false;
            Args.Drop = drop;
        } else {
            AnsiString text;
            if (!TFoldSession::ReadQuoted(In, text))
                return false;
            Args.Texts.push_back(text);
        }
    }
    return true;
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
    searchEngine_ = std::make_unique<TSynTextSearch>(nullptr);
    dragSource_ = std::make_unique<TSynMemo>(nullptr);
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
        TRunArgs args;
        read = static_cast<bool>(in >> name) && ReadPlace(in, from) && ReadPlace(in, caret) && ReadRunArgs(in, args);
        from.Line = BufferLineOf(*memo_, from.Line);
        caret.Line = BufferLineOf(*memo_, caret.Line);
        if (args.Drop)
            args.Drop->Line = BufferLineOf(*memo_, args.Drop->Line);
        if (read)
            Run(name, from, caret, args);
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
    } else if (word == "wrap") {
        in >> word;
        read = word == "on" || word == "off";
        // Both: a wrapped editor lets the caret stand anywhere past a
        // line's end, where one unwrapped stops it at its widest scroll.
        memo_->WordWrap()->SetEnabled(word == "on");
        model_->WordWrap()->SetEnabled(word == "on");
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

TRun TFoldSession::Command(const std::string& Name)
{
    if (const auto action = Actions().find(Name); action != Actions().end())
        return action->second;
    if (Name == "SetSelText")
        return [](TCustomSynTextEditor& Editor, const TRunArgs& Args) { Editor.SetSelText(Args.Text(0)); };
    if (Name == "InsertFile")
        return [](TCustomSynTextEditor& Editor, const TRunArgs& Args) { InsertAsFile(Editor, Args.Text(0)); };
    if (Name == "DragMove")
        return [](TCustomSynTextEditor& Editor, const TRunArgs& Args) { DropAt(Editor, Editor, *Args.Drop); };
    if (Name == "DropFrom") {
        return [this](TCustomSynTextEditor& Editor, const TRunArgs& Args) {
            dragSource_->SetText(Args.Text(0));
            dragSource_->SelectAll();
            DropAt(Editor, *dragSource_, *Args.Drop);
        };
    }
    if (IsSearch(Name)) {
        return [this, Name](TCustomSynTextEditor& Editor, const TRunArgs& Args) {
            Editor.SetSearchEngine(searchEngine_.get());
            Editor.SearchReplace(Args.Text(0), Args.Text(1), SearchOptions(Name));
        };
    }
    int id = 0;
    if (!IdentToCommand(Name, id))
        return nullptr;
    return [id](TCustomSynTextEditor& Editor, const TRunArgs& Args) { Editor.CommandProcessor(id, Args.C, nullptr); };
}

void TFoldSession::Run(const std::string& Name, TBufferCoord From, TBufferCoord Caret, TRunArgs Args)
{
    const TRun command = Command(Name);
    ASSERT_TRUE(command) << Name;
    ASSERT_TRUE(Args.Drop || (Name != "DragMove" && Name != "DropFrom")) << Name << " needs a place to drop at";
    beforeLastRun_ = model_->Text();
    // As the mouse or the keys put them, each move a break between groups
    // of undo.
    memo_->CommandProcessor(ecGotoXY, '\0', &From);
    if (Caret != From)
        memo_->CommandProcessor(ecSelGotoXY, '\0', &Caret);
    // The block actions select the caret's line first when nothing is
    // selected: that selection is mapped as one the mouse made.
    if ((Name == "TaSynBlockIndent" || Name == "TaSynBlockUnindent") && !memo_->SelAvail())
        memo_->CommandProcessor(ecSelectLine, '\0', nullptr);
    // A pending scan stays pending for a command beside collapsed blocks
    // or over them: the lines the command takes are the same in the text
    // whatever a scan still finds. On a collapsed first line, where what
    // the command does depends on the block, the scan is finished first.
    TSynTextAllFoldRanges* ranges = memo_->StandingRanges();
    auto onCollapsed = [&] {
        return ranges->CollapsedStartsAt(memo_->CaretXY().Line) ||
               ranges->CollapsedStartsAt(memo_->BlockBegin().Line) ||
               ranges->CollapsedStartsAt(memo_->BlockEnd().Line) ||
               (Args.Drop && ranges->CollapsedStartsAt(Args.Drop->Line));
    };
    if (onCollapsed()) {
        // Finishing the scan moves the lines of the blocks it finds
        // otherwise: the drop place stays on its line of the text, as the
        // drop's point the editor keeps does.
        const int dropLine = Args.Drop ? memo_->GetRealLineNumber(Args.Drop->Line) : 0;
        ranges = memo_->AllFoldRanges();
        if (Args.Drop)
            Args.Drop->Line = BufferLineOf(*memo_, dropLine);
    }
    // A search reads every line whatever is collapsed: it finds and
    // changes what it does where nothing is collapsed.
    const bool onCollapsedLine = onCollapsed() && !IsSearch(Name);
    const TBufferCoord begin = memo_->BlockBegin();
    const TBufferCoord end = memo_->BlockEnd();
    const bool lineBreak = Name == "ecLineBreak" || Name == "ecInsertLine";
    // A selection on a collapsed first line meets a line break after the
    // lines the selection takes: there is nothing to compare.
    if (onCollapsedLine && lineBreak && begin != end) {
        command(*memo_, Args);
        TakeTheMemosText();
        return;
    }
    // The column after a line's text, trailing blanks left out.
    auto textEnd = [](const AnsiString& Line) {
        const size_t last = Line.find_last_not_of(" \t");
        return (last == AnsiString::npos ? 0 : static_cast<int>(last) + 1) + 1;
    };
    auto real = [&](TBufferCoord P) {
        // A selection from a line above that ends in a collapse mark, or
        // takes a collapsed first line whole in line mode, takes the lines
        // its block hides (on that line alone it stands for the line).
        const TSynTextFoldRange* block = nullptr;
        if (P == end && begin.Line < end.Line)
            block = memo_->SelectionMode() == smLine ? ranges->CollapsedIn(P.Line, P.Line) : BlockReachedAt(P);
        const TSynTextFoldRange* head = ranges->CollapsedIn(P.Line, P.Line);
        // Enter at the end of a collapsed first line's text, the marks of
        // every block collapsed on it left out, goes to the end of the
        // block.
        const bool toTheEnd =
            lineBreak && head && P.Char != 1 &&
            P.Char >= textEnd(TSynTextAllFoldRanges::FirstLineText(head, memo_->Lines()->Strings(P.Line - 1)));
        P.Line = memo_->GetRealLineNumber(P.Line);
        if (block || toTheEnd) {
            P.Line += ranges->HiddenLineCount(block ? block : head);
            const AnsiString last = model_->Lines()->Strings(P.Line - 1);
            P.Char = block ? static_cast<int>(last.size()) + 1 : textEnd(last);
        }
        return P;
    };
    // The selection's mode as the folding editor has it: a command it
    // refused on a collapsed first line may have changed the model's.
    model_->SetSelectionMode(memo_->SelectionMode());
    model_->SetCaretAndSelection(real(memo_->CaretXY()), real(begin), real(end));
    // A drop in a collapse mark lands as past the end of the line's text.
    TRunArgs modelArgs = Args;
    if (Args.Drop)
        modelArgs.Drop = BufferCoord(Args.Drop->Char, memo_->GetRealLineNumber(Args.Drop->Line));
    command(*model_, modelArgs);
    const AnsiString copied = ClipboardText();
    command(*memo_, Args);
    const AnsiString text = memo_->RealText();
    if (!onCollapsedLine) {
        ASSERT_EQ(text, model_->Text()) << "the text the command makes";
        ASSERT_EQ(ClipboardText(), copied) << "the clipboard";
    } else if (text != model_->Text()) {
        // Refused there, or as where nothing is collapsed.
        ASSERT_EQ(text, beforeLastRun_) << "the text the command makes on a collapsed line";
        model_->SetText(text);
    }
    if (Name != "ReplaceAll" && IsSearch(Name)) {
        // The match shown and selected (or the replacement's end): no
        // collapsed block hides it.
        auto shown = [this](TBufferCoord P) { return BufferCoord(P.Char, memo_->GetRealLineNumber(P.Line)); };
        ASSERT_EQ(shown(memo_->BlockBegin()), model_->BlockBegin()) << "where the search left the selection";
        ASSERT_EQ(shown(memo_->BlockEnd()), model_->BlockEnd()) << "where the search left the selection";
        ASSERT_EQ(shown(memo_->CaretXY()), model_->CaretXY()) << "where the search left the caret";
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
