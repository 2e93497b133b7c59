// The editor's search and replace: walks the lines of the scope through the
// search engine, selects each match, asks OnReplaceText when prompting, and
// replaces through SetSelText so that every replacement is undoable.
#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/document/syn_text_error.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_text_plugin.h"

void TCustomSynText::SetSearchEngine(TSynTextSearchCustom* Value)
{
    if (searchEngine_ == Value)
        return;
    if (searchEngine_)
        searchEngine_->RemoveFreeNotification(this);
    searchEngine_ = Value;
    if (searchEngine_)
        searchEngine_->FreeNotification(this);
}

namespace {

// The stretch of text a search looks at, and which matches lie in it.
struct TSearchScope {
    TBufferCoord Start;
    TBufferCoord End;
    bool Columns = false;  // a column block: matches must lie between its columns
    // Where a search from the caret starts: an empty match there is the one
    // the last search found (or would find again), so the search moves on.
    TBufferCoord From{0, 0};

    bool Holds(int Line, int Found, int Length) const
    {
        if (Length == 0 && Line == From.Line && Found == From.Char)
            return false;
        if (Columns)
            return Start.Char == End.Char || (Found >= Start.Char && Found + Length <= End.Char);
        return !(Line == Start.Line && Found < Start.Char) && !(Line == End.Line && Found + Length > End.Char);
    }
};

// Every match the engine found in one line that the scope holds, replaced:
// the stretch from the first to the end of the last, and its new text.
struct TLineReplacement {
    int First = 0;
    int End = 0;
    AnsiString Text;
    int Count = 0;
};

TLineReplacement ReplaceMatchesOfLine(TSynTextSearchCustom& Engine, std::string_view Line, int LineNumber,
                                      int Matches, const TSearchScope& Scope, const AnsiString& Replacement)
{
    TLineReplacement result;
    for (int i = 0; i < Matches; ++i) {
        const int found = Engine.GetResult(i);
        const int length = Engine.GetLength(i);
        if (!Scope.Holds(LineNumber, found, length))
            continue;
        if (result.Count++ == 0)
            result.First = found;
        else
            result.Text.append(
                Line.substr(static_cast<size_t>(result.End - 1), static_cast<size_t>(found - result.End)));
        result.Text += Engine.Replace(i, Replacement);
        result.End = found + length;
    }
    return result;
}

// The engine's matches in Text, line Line of the editor: a line the engine
// gives up on is named in what it raises.
int FindAllInLine(TSynTextSearchCustom& Engine, std::string_view Text, int Line)
{
    try {
        return Engine.FindAll(Text);
    } catch (ESynSearchTooCostly& E) {
        E.Line = Line;
        throw;
    }
}

// A line's replacement, waiting to be made.
struct TPendingReplacement {
    int Line = 0;
    TLineReplacement Replaced;
};

// The replacements of every line of the scope from Line on, in the run's
// direction (Step), all found before any is made.
std::vector<TPendingReplacement> FindReplacements(TSynTextSearchCustom& Engine, const TSynTextStringList& Lines,
                                                  int Line, int Step, const TSearchScope& Scope,
                                                  const AnsiString& Replacement)
{
    std::vector<TPendingReplacement> pending;
    for (; Line >= Scope.Start.Line && Line <= Scope.End.Line && Line <= Lines.Count(); Line += Step) {
        const std::string_view text = Lines.LineView(Line - 1);
        const int n = FindAllInLine(Engine, text, Line);
        if (n == 0)
            continue;
        TLineReplacement replaced = ReplaceMatchesOfLine(Engine, text, Line, n, Scope, Replacement);
        if (replaced.Count > 0)
            pending.push_back({Line, std::move(replaced)});
    }
    return pending;
}

// The heads of the ranges a search expanded, following the lines its
// replacements put in.
class TSynFoldHeadFollower : public TSynTextPlugin {
public:
    TSynFoldHeadFollower(TCustomSynText* Editor, std::vector<TSynFoldHead> Heads)
        : TSynTextPlugin(Editor), heads_(std::move(Heads))
    {
    }
    void AfterPaint(TCanvas*, const TRect&, int, int) override {}
    bool PaintsOverText() const override { return false; }
    void LinesInserted(int FirstLine, int Count) override { Follow(FirstLine, Count); }
    void LinesDeleted(int FirstLine, int Count) override { Follow(FirstLine, -Count); }
    const std::vector<TSynFoldHead>& Heads() const { return heads_; }

private:
    void Follow(int FirstLine, int Count)
    {
        for (TSynFoldHead& head : heads_)
            head.Line = FollowLine(head.Line, FirstLine, Count);
    }

    std::vector<TSynFoldHead> heads_;
};

}  // namespace

int TCustomSynText::SearchReplace(const AnsiString& ASearch, const AnsiString& AReplace, TSynSearchOptions AOptions)
{
    if (!searchEngine_)
        throw ESynTextError("No search engine has been assigned");
    if (ASearch.empty())
        return 0;
    if (!allFoldRanges_->HasCollapsed())
        return SearchReplaceInLines(ASearch, AReplace, AOptions);
    // A collapsed range keeps its lines out of the buffer: the search reads
    // them expanded, and they collapse again afterwards, all of them after
    // a replace-all, the others keeping the one the caret was left in (a
    // find that lands in hidden text shows it). A replace-all's undo step
    // collapses them again as they were before it, its redo as after it.
    const bool replaceAll = AOptions.Contains(soReplaceAll) && !AOptions.Contains(soPrompt);
    // The expansion finishes a pending scan first, which may collapse a
    // block again over the caret's line and move the caret onto its first
    // line: the search would start there. The caret keeps its line.
    if (FoldRangesStale())
        FinishFoldScanForCommand();
    const std::vector<TSynFoldHead> before = ExpandCollapsedFolds();
    int count = 0;
    {
        TSynFoldHeadFollower after(this, before);
        // The replace-all's undo block, with the item that folds again.
        if (replaceAll)
            BeginUndoBlock();
        try {
            count = SearchReplaceInLines(ASearch, AReplace, AOptions);
        } catch (...) {
            if (replaceAll)
                EndUndoBlock();
            CollapseFoldsAt(before, false);
            throw;
        }
        if (replaceAll) {
            if (count > 0)
                AddFoldCollapse(before, after.Heads());
            EndUndoBlock();
        }
        CollapseFoldsAt(after.Heads(), !replaceAll);
    }
    if (count > 0)
        EnsureCursorPosVisibleEx(true);
    return count;
}

int TCustomSynText::SearchReplaceInLines(const AnsiString& ASearch, const AnsiString& AReplace,
                                         TSynSearchOptions AOptions)
{
    if (!SelAvail())
        AOptions.Exclude(soSelectedOnly);
    const bool backwards = AOptions.Contains(soBackwards);
    const bool replace = AOptions.Contains(soReplace) || AOptions.Contains(soReplaceAll);
    bool replaceAll = AOptions.Contains(soReplaceAll);
    bool prompt = AOptions.Contains(soPrompt);

    TSearchScope scope;
    if (AOptions.Contains(soSelectedOnly)) {
        scope.Start = BlockBegin();
        scope.End = BlockEnd();
        if (selectionMode_ == smLine) {
            scope.Start.Char = 1;
            scope.End.Char = LineLength(scope.End.Line) + 1;
        } else if (selectionMode_ == smColumn) {
            scope.Columns = true;
            if (scope.Start.Char > scope.End.Char)
                std::swap(scope.Start.Char, scope.End.Char);
        }
    } else {
        scope.Start = BufferCoord(1, 1);
        scope.End = BufferCoord(LineLength(lines_->Count()) + 1, std::max(1, lines_->Count()));
        if (!AOptions.Contains(soEntireScope)) {
            scope.From = CaretXY();
            (backwards ? scope.End : scope.Start) = scope.From;
        }
    }
    searchEngine_->SetOptions(AOptions);
    searchEngine_->SetPattern(ASearch);

    // Whatever was changed for the run is put back on every way out, also
    // when the engine raises (a pattern that does not compile).
    class TRunState {
    public:
        explicit TRunState(TCustomSynText* Editor) : editor_(Editor), mode_(Editor->SelectionMode())
        {
            editor_->DoOnPaintTransient(ttBefore);
        }
        ~TRunState()
        {
            // Matches are selected and replaced as normal blocks; the user's
            // column or line mode comes back afterwards.
            editor_->SetSelectionMode(mode_);
            if (linesHeld_)
                editor_->Lines()->EndUpdate();
            if (locked_)
                editor_->EndUpdate();
            if (undoBlock_)
                editor_->EndUndoBlock();
            editor_->DoOnPaintTransient(ttAfter);
        }
        TRunState(const TRunState&) = delete;
        TRunState& operator=(const TRunState&) = delete;
        // Replacing all without prompts: one paint at the end, one undo step.
        void EnterReplaceAll()
        {
            if (locked_)
                return;
            editor_->BeginUpdate();
            locked_ = true;
            editor_->BeginUndoBlock();
            undoBlock_ = true;
        }

        // Lines changed one by one report it once, at the end.
        void HoldLineChanges()
        {
            if (linesHeld_)
                return;
            editor_->Lines()->BeginUpdate();
            linesHeld_ = true;
        }

    private:
        TCustomSynText* editor_;
        const TSynSelectionMode mode_;
        bool locked_ = false;
        bool linesHeld_ = false;
        bool undoBlock_ = false;
    } run(this);
    if (replaceAll && !prompt)
        run.EnterReplaceAll();

    // Replacing all without prompts searches the rest of the scope first
    // (FindReplacements), so that a line the engine gives up on leaves the
    // text as it was; then changes each line once, for all its matches, and
    // shows only the last: selecting and scrolling to every match would
    // cost more than the replacing. Moved is how many lines the lines found
    // have moved down since.
    const auto applyReplacements = [&](const std::vector<TPendingReplacement>& Pending, int Moved) {
        if (Pending.empty())
            return 0;
        int replacedCount = 0;
        for (const TPendingReplacement& p : Pending)
            replacedCount += p.Replaced.Count;
        // A replacement holding a line break splits lines, which a change of
        // one line cannot: those go through the selection, from the top, the
        // lines below moving down by the breaks put in above them.
        if (AReplace.find_first_of("\r\n") != AnsiString::npos) {
            std::vector<const TPendingReplacement*> topDown;
            for (const TPendingReplacement& p : Pending)
                topDown.push_back(&p);
            if (backwards)
                std::reverse(topDown.begin(), topDown.end());
            TBufferCoord last{0, 0};
            for (const TPendingReplacement* p : topDown) {
                const int line = p->Line + Moved;
                SetSelectionMode(smNormal);
                SetBlockBegin(BufferCoord(p->Replaced.First, line));
                SetBlockEnd(BufferCoord(p->Replaced.End, line));
                SetSelText(p->Replaced.Text);
                Moved += caretY_ - line;
                if (p == &Pending.back())
                    last = CaretXY();
            }
            SetCaretXY(last);
        } else {
            run.HoldLineChanges();
            for (const TPendingReplacement& p : Pending)
                ReplaceInLine(p.Line, p.Replaced.First, p.Replaced.End, p.Replaced.Text);
            const TPendingReplacement& last = Pending.back();
            SetCaretXY(BufferCoord(last.Replaced.First + static_cast<int>(last.Replaced.Text.size()), last.Line));
        }
        EnsureCursorPosVisibleEx(true);
        return replacedCount;
    };
    // The lines after the one where a prompt was answered with replace-all,
    // searched before that answer replaced anything, and that line's number
    // then.
    std::optional<std::vector<TPendingReplacement>> rest;
    int restFoundAt = 0;

    // The line searched. One whose matches may be replaced one by one is
    // copied, as the engine's results stand for it as it was; a find reads
    // the line where it lies.
    AnsiString copy;
    std::string_view text;
    int count = 0;
    const int step = backwards ? -1 : 1;
    for (int line = backwards ? scope.End.Line : scope.Start.Line; line >= scope.Start.Line && line <= scope.End.Line;
         line += step) {
        if (line > lines_->Count())
            break;
        if (replaceAll && !prompt)
            return count + applyReplacements(FindReplacements(*searchEngine_, *lines_, line, step, scope, AReplace), 0);
        text = lines_->LineView(line - 1);
        if (replace)
            text = copy.assign(text);
        const int n = FindAllInLine(*searchEngine_, text, line);
        int shift = 0;  // what the replacements made so far moved the line's later matches by
        for (int k = 0; k < n; ++k) {
            const int i = backwards ? n - 1 - k : k;
            const int found = searchEngine_->GetResult(i) + shift;
            const int length = searchEngine_->GetLength(i);
            if (!scope.Holds(line, found, length))
                continue;
            ++count;
            // A match is a stretch of one line: a line or column block would
            // select, and a replacement overwrite, more than the match.
            SetSelectionMode(smNormal);
            SetBlockBegin(BufferCoord(found, line));
            PlaceCaretEx(false, BufferCoord(1, line));
            EnsureCursorPosVisibleEx(true);
            SetBlockEnd(BufferCoord(found + length, line));
            PlaceCaret(BufferCoord(found + length, line));
            if (backwards)
                PlaceCaret(BufferCoord(found, line));
            if (!replace)
                return count;
            TSynReplaceAction action = raReplace;
            if (prompt) {
                action = DoOnReplaceText(ASearch, AReplace, line, found);
                if (action == raCancel)
                    return count;
            }
            if (action == raReplaceAll) {
                replaceAll = true;
                prompt = false;
                run.EnterReplaceAll();
                rest = FindReplacements(*searchEngine_, *lines_, line + step, step, scope, AReplace);
                restFoundAt = line;
                // The engine holds the results of the last line it searched:
                // this line's come back for its matches still to replace.
                searchEngine_->FindAll(text);
            }
            if (action != raSkip) {
                SetSelText(searchEngine_->Replace(i, AReplace));
                // The rest of the line now follows the caret, on a line
                // further down when the replacement broke the line.
                const int grown = caretX_ - found - length;
                if (!backwards) {
                    shift += grown;
                    if (line == scope.End.Line && !scope.Columns)
                        scope.End.Char += grown;
                    scope.End.Line += caretY_ - line;
                    line = caretY_;
                }
            }
            if (!replaceAll)
                return count;
        }
        // Replacements going forward in this line moved the lines below.
        if (rest)
            return count + applyReplacements(*rest, backwards ? 0 : line - restFoundAt);
    }
    return count;
}

void TCustomSynText::ReplaceInLine(int Line, int First, int End, const AnsiString& Text)
{
    // What is replaced is recorded as the lines stand: no collapsed block
    // may hide it.
    if (allFoldRanges_->HasCollapsed())
        ExpandFoldsInLines(Line, Line);
    const std::string_view old = lines_->LineView(Line - 1);
    const auto first = static_cast<size_t>(First - 1);
    const auto end = static_cast<size_t>(End - 1);
    BeginUndoBlock();
    if (End > First)
        undoList_->AddChange(urDelete, BufferCoord(First, Line), BufferCoord(End, Line),
                             AnsiString(old.substr(first, end - first)), smNormal);
    AnsiString replaced;
    replaced.reserve(old.size() - (end - first) + Text.size());
    replaced.append(old.substr(0, first)).append(Text).append(old.substr(end));
    PutLine(Line - 1, replaced);
    // Undoing an insertion puts nothing in its place.
    if (!Text.empty())
        undoList_->AddChange(urInsert, BufferCoord(First, Line),
                             BufferCoord(First + static_cast<int>(Text.size()), Line), AnsiString(), smNormal);
    EndUndoBlock();
}
