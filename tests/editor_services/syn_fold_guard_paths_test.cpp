// Every path that changes text without a key of its own (drag and drop
// within an article and between editors, a host's SetSelText, InsertFile,
// replace, cut, append cut and paste), with selections reaching into a
// collapsed block and drops beside it and in collapse marks: the text ends
// as the same path leaves it where nothing is collapsed, or as it was where
// the fold guard refuses the change (a cut's half or a paste's half alike,
// whatever the path); a block the change does not reach stays collapsed,
// and the folds are what a fresh editor shows. Also with a scan pending
// that takes the blocks away, which each path finishes first.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "editor/folding/syn_fold_ranges.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/search/syn_text_searcher.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/editor_services/fold_guard_test_support.h"

namespace {

// Two functions: f's `if` holds a collapsed `while`, and is collapsed
// itself; g's `if` is collapsed too. Lines counted from f's first line.
AnsiString Functions()
{
    AnsiString text = "int f(int a) {\r\n"             // 1
                      "    int x = 100; // value\r\n"  // 2
                      "    if (a > 0) {\r\n"           // 3
                      "        while (x < 100) {\r\n"  // 4
                      "            x++;\r\n"           // 5
                      "        }\r\n"                  // 6
                      "        a--;\r\n"               // 7
                      "    }\r\n"                      // 8
                      "    return x;\r\n"              // 9
                      "}\r\n"                          // 10
                      "int g(int x) {\r\n"             // 11
                      "    if (x) {\r\n"               // 12
                      "        x = 2;\r\n"             // 13
                      "    }\r\n";                     // 14
    for (int i = 15; i <= 22; ++i)
        text += "    x += " + std::to_string(i) + ";\r\n";
    return text + "    return x;\r\n}\r\n";  // 23, 24
}
constexpr int IfLine = 3;
constexpr int IfLast = 8;
constexpr int GIfLine = 12;
const char* const G = "int g(";  // the line above g's block

// Small functions, three lines each, or declarations.
AnsiString Filler(int Lines, bool Functions)
{
    AnsiString text;
    for (int i = 0; Functions && i + 3 <= Lines; i += 3)
        text += "void h" + std::to_string(i) + "() {\r\n    h = " + std::to_string(i) + ";\r\n}\r\n";
    for (int i = Functions ? Lines / 3 * 3 : 0; i < Lines; ++i)
        text += "int a" + std::to_string(i) + ";\r\n";
    return text;
}

// The article: lines above and below the functions, whether they hold
// functions, and whether a '"' typed at the start of its second line
// leaves a scan pending that finds no blocks.
struct TArticle {
    const char* What;
    int Above;
    int Below;
    bool Functions;
    bool QuoteLeftOpen;
};

const TArticle Short{"a short article", 1, 1, false, false};
const TArticle QuoteAbove{"a '\"' typed far above, never closed", 1200, 1, false, true};
// The user's: f's first line is line 1166 of 5,000.
const TArticle FiveThousand{"an article of 5,000 lines", 1165, 5000 - 1165 - 24, true, false};

// A selection's ends, as in the text with nothing collapsed; Char 0 stands
// for the collapse mark of line Line's block (with nothing collapsed: the
// end of the block's last line).
struct TEnds {
    TBufferCoord From;
    TBufferCoord To;
};

enum TSelection { EndsInText, EndsInMark, InMark, LineIntoMark, Spanning, NoSelection };
const char* const SelectionNames[] = {"ending inside the collapsed line's text", "ending in its collapse mark",
                                      "in its collapse mark", "of the collapsed line on into its mark",
                                      "spanning the block", "none"};
const TEnds Selections[] = {{{5, 2}, {9, IfLine}}, {{5, 2}, {0, IfLine}}, {{0, IfLine}, {0, IfLine}},
                            {{1, IfLine}, {0, IfLine}}, {{3, 2}, {3, 9}}};
// On the collapsed line alone, reaching into its mark.
bool InMarkAlone(TSelection Selection) { return Selection == InMark || Selection == LineIntoMark; }

// Where a drop lands; Char 0 stands for line Line's collapse mark (with
// nothing collapsed: past the line's end).
enum TDrop { Above, Below, InOwnMark, InOtherMark, NoDrop };
const char* const DropNames[] = {"above", "below", "in the mark of the block the selection reaches",
                                 "in another block's mark", "nowhere"};
const TBufferCoord Drops[] = {{3, 1}, {1, 23}, {0, IfLine}, {0, GIfLine}};

// How the change is made, and what the fold guard judges it as: a cut of
// the selection, a paste (of a drop: at the drop point), or neither.
enum TPathKind { DragMove, DragCopy, MoveToOther, CopyFromOther, HostSetSelText, HostUpdate, ReplaceSelMessage,
                 InsertFile, ReplaceNext, ReplaceAll, Cut, AppendCut, Paste, ColumnPaste };
struct TPath {
    const char* What;
    TPathKind Kind;
    bool Cuts;    // refused with a selection on a collapsed first line alone
    bool Drops;   // refused at a drop point on a collapsed first line
};
const TPath ChangePaths[] = {
    {"a drag-move", DragMove, true, true},
    {"a drag-copy", DragCopy, false, true},
    {"a drag moved to another editor", MoveToOther, true, false},
    {"a drop from another editor", CopyFromOther, false, true},
    {"a host's SetSelText", HostSetSelText, true, false},
    {"a host's EM_REPLACESEL", ReplaceSelMessage, true, false},
    // A '"' put at the start of the second line first, in the same update:
    // the blocks are gone once that is scanned.
    {"a host's SetSelText after a '\"' in one update", HostUpdate, false, false},
    {"InsertFile", InsertFile, true, false},
    {"replace-next", ReplaceNext, false, false},
    {"replace-all in an update", ReplaceAll, false, false},
    {"Ctrl+X", Cut, true, false},
    {"append cut", AppendCut, true, false},
    {"Ctrl+V", Paste, true, false},
    {"a column paste at the selection's start", ColumnPaste, true, false},
};

struct TRow {
    const TArticle* Article;
    const TPath* Path;
    TSelection Selection;
    TDrop Drop;
};

std::string Describe(const TRow& Row)
{
    return std::string(Row.Path->What) + ", selection " + SelectionNames[Row.Selection] + ", drop " +
           DropNames[Row.Drop] + ", " + Row.Article->What;
}

// Every path on the short article and with the scan pending; the user's
// drag on the long one.
std::vector<TRow> Rows()
{
    std::vector<TRow> rows;
    for (const TArticle* article : {&Short, &QuoteAbove})
        for (const TPath& path : ChangePaths) {
            if (path.Kind == HostUpdate && article->QuoteLeftOpen)
                continue;
            // A selection in a collapse mark alone stands for the line's
            // end where the block comes into view, as a find starts there:
            // the text with nothing collapsed has no such selection.
            const bool inMarkComparable =
                !article->QuoteLeftOpen && path.Kind != HostUpdate && path.Kind != ReplaceNext;
            const bool dropsOnly = path.Kind == CopyFromOther;
            for (int s = dropsOnly ? NoSelection : EndsInText; s <= (dropsOnly ? NoSelection : Spanning); ++s) {
                if (InMarkAlone(static_cast<TSelection>(s)) && !inMarkComparable)
                    continue;
                const bool dropped = path.Drops;
                for (int d = dropped ? Above : NoDrop; d <= (dropped ? InOtherMark : NoDrop); ++d)
                    rows.push_back({article, &path, static_cast<TSelection>(s), static_cast<TDrop>(d)});
            }
        }
    rows.push_back({&FiveThousand, &ChangePaths[0], EndsInText, Below});
    return rows;
}

// Whether the '"' typed or put in before the change takes the blocks away.
bool BlocksGone(const TRow& Row) { return Row.Article->QuoteLeftOpen || Row.Path->Kind == HostUpdate; }

// What the fold guard refuses: a cut of a selection in a collapse mark
// alone, a paste onto a collapsed first line the cut does not bring into
// view (a column paste at a selection's start in a mark is one). Where the
// blocks are gone nothing is refused.
bool Refused(const TRow& Row)
{
    if (BlocksGone(Row))
        return false;
    if (Row.Path->Cuts && InMarkAlone(Row.Selection))
        return true;
    return Row.Path->Drops &&
           (Row.Drop == InOtherMark || (Row.Drop == InOwnMark && !(Row.Path->Kind == DragMove)));
}

const char* const Dropped = "\xD5\x7B\r\n} d";  // a character whose trail byte reads as '{'
const char* const PastedInColumn = "c1\r\nc2\r\nc3\r\nc4";

// What the clipboard holds before Kind's change.
const char* ClipboardBefore(TPathKind Kind) { return Kind == ColumnPaste ? PastedInColumn : Pasted; }

class TSynFoldGuardPathsTest : public TFoldedAndModelTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        // Strings run over lines, so that the '"' typed far above keeps the
        // scan pending down to the blocks.
        LoadCSchemeWithStringsOverLines(syn_);
        TFoldedAndModelTest::SetUp();
        other_ = AddTextEditor(host_.get());
        for (TSynTextEditor* editor : {folded_, model_}) {
            if (GetParam())
                UseRegionFolding(*editor, syn_);
            TSynTextEditorOptions options = editor->Options();
            editor->SetOptions(options.Exclude(eoScrollPastEol));
        }
        // One file for each test program running, as others may at once.
        file_ = (std::filesystem::temp_directory_path() / ("fold-guard-" + std::to_string(::getpid()) + ".c")).string();
        std::ofstream(file_, std::ios::binary) << "i {\r\n} j";
    }
    void TearDown() override
    {
        std::filesystem::remove(file_);
        EmptyTheClipboard();
        TFoldedAndModelTest::TearDown();
    }

    std::unique_ptr<TSynMemo> FreshEditor()
    {
        auto memo = NewCFoldingMemo(syn_);
        if (GetParam())
            UseRegionFolding(*memo, syn_);
        return memo;
    }

    // In the lines of the text with nothing collapsed, before the change.
    static int Real(const TArticle& Article, int Line) { return Article.Above + Line; }
    TBufferCoord EndOf(int RealLine) const
    {
        size_t start = 0;
        for (int line = 1; line < RealLine; ++line)
            start = before_.find("\r\n", start) + 2;
        return BufferCoord(static_cast<int>(before_.find("\r\n", start) - start) + 1, RealLine);
    }
    // A selection's end with nothing collapsed: a mark stands for the
    // line break after the first line's text and the hidden lines.
    TBufferCoord ModelEnd(const TArticle& Article, TBufferCoord At, bool Start) const
    {
        if (At.Char == 0)
            return EndOf(Real(Article, Start ? IfLine : IfLast));
        return BufferCoord(At.Char, Real(Article, At.Line));
    }
    // In the mark: two columns into it.
    TBufferCoord FoldedEnd(const TArticle& Article, TBufferCoord At, int Further) const
    {
        At.Line = Real(Article, At.Line);
        if (At.Char == 0)
            At.Char = EndOf(At.Line).Char + 2 + Further;
        return At;
    }

    // The article's text, the '"' typed in: read through the editor, it
    // would finish the scan.
    static AnsiString Typed(const TArticle& Article)
    {
        AnsiString text = Filler(Article.Above, Article.Functions) + Functions() + Filler(Article.Below, Article.Functions);
        if (Article.QuoteLeftOpen)
            text.insert(text.find("\r\n") + 2, "\"");
        return text;
    }

    void Load(TSynTextEditor& Editor, const TArticle& Article, bool Collapse)
    {
        Editor.SetText(Filler(Article.Above, Article.Functions) + Functions() +
                       Filler(Article.Below, Article.Functions));
        if (Collapse) {
            // The inner block first, as the user did.
            for (const int line : {4, IfLine, GIfLine})
                Editor.Collapse(Editor.GetFoldRangeAtLine(BufferLineOf(Editor, Real(Article, line))));
        }
        Editor.ClearUndo();
        if (Article.QuoteLeftOpen) {
            TBufferCoord at = BufferCoord(1, 2);
            Editor.CommandProcessor(ecGotoXY, '\0', &at);
            Editor.CommandProcessor(ecChar, '"', nullptr);
        }
    }

    // A drop at buffer point At of Target, from Source.
    static void Drop(TSynTextEditor& Target, TSynTextEditor& Source, TBufferCoord At)
    {
        const TPoint p = Target.RowColumnToPixels(DisplayCoord(At.Char, At.Line));
        Target.DragDrop(&Source, p.X + 1, p.Y + 1);
    }

    // Makes Row's change in Editor, its selection and drop point given in
    // its own lines.
    void Change(const TRow& Row, TSynTextEditor& Editor, TBufferCoord DropAt)
    {
        EXPECT_TRUE(SetClipboardText(nullptr, {{CF_TEXT, ClipboardBefore(Row.Path->Kind)}}));
        TSynTextSearcher searcher;
        switch (Row.Path->Kind) {
        case DragMove:
        case DragCopy:
            Drop(Editor, Editor, DropAt);
            break;
        case MoveToOther:
            Drop(*other_, Editor, BufferCoord(1, 1));
            break;
        case CopyFromOther:
            other_->SelectAll();
            Drop(Editor, *other_, DropAt);
            break;
        case HostSetSelText:
            Editor.SetSelText(Dropped);
            break;
        case HostUpdate: {
            Editor.BeginUpdate();
            const TBufferCoord begin = Editor.BlockBegin();
            const TBufferCoord end = Editor.BlockEnd();
            Editor.SetCaretXY(BufferCoord(1, 2));
            Editor.SetSelText("\"");
            Editor.SetCaretAndSelection(end, begin, end);
            Editor.SetSelText(Dropped);
            Editor.EndUpdate();
            break;
        }
        case ColumnPaste:
            Editor.SetCaretXY(Editor.BlockBegin());
            Editor.SetSelectionMode(smColumn);
            Editor.CommandProcessor(ecPaste, '\0', nullptr);
            Editor.SetSelectionMode(smNormal);
            break;
        case ReplaceSelMessage:
            Editor.Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Dropped));
            break;
        case InsertFile:
            EXPECT_TRUE(Editor.InsertFile(file_, nullptr, {doSelection}));
            break;
        case ReplaceNext:
            searcher.DoSearchReplace(&Editor, "x", false, {soReplace}, "X");
            break;
        case ReplaceAll:
            // Inside a host's update, where the scan waits for its end.
            Editor.BeginUpdate();
            searcher.DoSearchReplace(&Editor, "x", false, {soReplace, soReplaceAll, soEntireScope}, "X");
            Editor.EndUpdate();
            break;
        case Cut:
            Editor.CommandProcessor(ecCut, '\0', nullptr);
            break;
        case AppendCut: {
            const std::unique_ptr<TSynCustomAction> action(new TaSynAppendCut(nullptr));
            action->SetSynText(&Editor);
            action->Update();
            if (action->Enabled())
                action->Execute();
            break;
        }
        case Paste:
            Editor.CommandProcessor(ecPaste, '\0', nullptr);
            break;
        }
    }

    // Runs Row in Editor, collapsed or not: its text before and after, the
    // clipboard's and the other editor's after.
    struct TResult {
        AnsiString Before;
        AnsiString Text;
        AnsiString Clipboard;
        AnsiString Other;
    };
    TResult Run(const TRow& Row, TSynTextEditor& Editor, bool Collapsed)
    {
        const TArticle& article = *Row.Article;
        // Held before the text is set: taking the key's message lets idle
        // time scan.
        const UINT key = Row.Path->Kind == DragCopy ? UINT{VK_CONTROL} : Row.Path->Kind == MoveToOther ? UINT{VK_SHIFT} : 0;
        if (key != 0)
            InjectKeyDown(key);
        if (key != 0)
            Pump();
        other_->SetText(Dropped);
        Load(Editor, article, Collapsed);
        before_ = Typed(article);
        TBufferCoord dropAt = Row.Drop == NoDrop ? BufferCoord(1, 1) : FoldedEnd(article, Drops[Row.Drop], 0);
        if (Row.Drop != NoDrop)
            dropAt.Line = BufferLineOf(Editor, dropAt.Line);
        if (Row.Selection != NoSelection) {
            const TEnds& ends = Selections[Row.Selection];
            if (Collapsed)
                SelectReal(Editor, FoldedEnd(article, ends.From, 0), FoldedEnd(article, ends.To, 2));
            else
                SelectReal(Editor, ModelEnd(article, ends.From, true), ModelEnd(article, ends.To, false));
        }
        if (Collapsed && article.QuoteLeftOpen) {
            EXPECT_TRUE(Editor.FoldScanPending()) << "the scan has reached the blocks";
        }
        Change(Row, Editor, dropAt);
        TResult result{before_, Editor.Text(), ClipboardText(), other_->Text()};
        if (key != 0)
            InjectKeyUp(key);
        Pump();
        return result;
    }

    // Whether g's block is still collapsed, wherever the change moved it.
    bool GBlockCollapsed() const
    {
        for (int line = 1; line < folded_->Lines()->Count(); ++line)
            if (folded_->Lines()->Strings(line - 1).starts_with(G))
                return folded_->AllFoldRanges()->CollapsedStartsAt(line + 1);
        return false;
    }

    TSynTextEditor* other_ = nullptr;
    std::string file_;
    AnsiString before_;  // the text before the change
};

TEST_P(TSynFoldGuardPathsTest, EveryPathChangesTheTextAsWithNothingCollapsedOrNotAtAll)
{
    for (const TRow& row : Rows()) {
        SCOPED_TRACE(Describe(row));
        const TResult model = Run(row, *model_, false);
        const TResult folded = Run(row, *folded_, true);
        EXPECT_EQ(folded.Before, model.Before);
        if (Refused(row)) {
            EXPECT_EQ(folded.Text, folded.Before) << "not refused";
            EXPECT_EQ(folded.Other, AnsiString(Dropped));
            EXPECT_EQ(folded.Clipboard, AnsiString(ClipboardBefore(row.Path->Kind)));
            EXPECT_FALSE(folded_->CanUndo()) << "refused, yet recorded";
            EXPECT_TRUE(GBlockCollapsed());
            continue;
        }
        EXPECT_EQ(folded.Text, model.Text);
        EXPECT_EQ(folded.Other, model.Other);
        EXPECT_EQ(folded.Clipboard, model.Clipboard);
        if (!BlocksGone(row)) {
            EXPECT_TRUE(GBlockCollapsed()) << "a block the change did not reach";
        }
        // The colours of the lines around the functions.
        ExpectFoldsOfAFreshEditor(*folded_, [this] { return FreshEditor(); }, std::max(1, row.Article->Above - 10),
                                  row.Article->Above + 40);
        // Undo takes back what it takes back with nothing collapsed (a drop
        // goes with the '"' typed before it, as typing does).
        model_->Undo();
        folded_->Undo();
        EXPECT_EQ(folded_->Text(), model_->Text()) << "after one undo";
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, TSynFoldGuardPathsTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& Info) {
                             return Info.param ? "RegionsFolding" : "ShippedScheme";
                         });

}  // namespace
