// The editor's painting, checked by pixels in the test font: gutter, row
// colours, selection, special characters, folding marks and invalidation.
#include "syn_paint_test_support.h"

#include "editor/folding/fold_regions.h"
#include "editor/view/syn_active_line.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_selected_color.h"
#include "platform/win/update_region.h"

namespace {

void ShowSpecialChars(TSynMemo* Memo, bool Show)
{
    TSynTextEditorOptions options = Memo->Options();
    if (Show)
        options.Include(eoShowSpecialChars);
    else
        options.Exclude(eoShowSpecialChars);
    Memo->SetOptions(options);
}

TRect UpdateRect(TSynMemo* Memo)
{
    TRect r;
    GetUpdateRect(Memo->Handle(), &r, false);
    return r;
}

}  // namespace

TEST_F(TSynPaintTest, IntensGutterShowsTicksBetweenNumbers)
{
    TSynMemo* memo = AddPaintMemo(300, 250);
    memo->Gutter()->SetShowLineNumbers(true);
    memo->Gutter()->SetIntens(true);
    memo->SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12");
    memo->SetCaretXY(BufferCoord(1, 1));
    ASSERT_EQ(memo->GutterWidth(), 16 + 2 + 4 * kCellWidth + 4);
    const TColor ink = Rgb(clWindowText);
    const TColor face = Rgb(clBtnFace);
    // The digits end at the gutter width less the right offset less 2: the
    // last digit's cell is x 42..49, its glyph box x 43..48.
    TRasterImage image = Picture(memo);

    // Line 1 holds the caret: its number shows.
    EXPECT_EQ(At(image, 43, RowY(1) + 5), ink);
    // Line 5: a one-pixel dash across the cell's middle, no digit.
    EXPECT_EQ(At(image, 44, RowY(5) + 8), ink);
    EXPECT_EQ(At(image, 47, RowY(5) + 8), ink);
    EXPECT_EQ(At(image, 43, RowY(5) + 8), face);
    EXPECT_EQ(At(image, 45, RowY(5) + 7), face);
    EXPECT_EQ(At(image, 45, RowY(5) + 9), face);
    // Line 7: a 2 x 2 dot, no digit.
    EXPECT_EQ(At(image, 45, RowY(7) + 8), ink);
    EXPECT_EQ(At(image, 46, RowY(7) + 9), ink);
    EXPECT_EQ(At(image, 44, RowY(7) + 8), face);
    EXPECT_EQ(At(image, 47, RowY(7) + 8), face);
    EXPECT_EQ(At(image, 43, RowY(7) + 5), face);
    // Line 10: both digits.
    EXPECT_EQ(At(image, 37, RowY(10) + 8), ink);
    EXPECT_EQ(At(image, 45, RowY(10) + 8), ink);
    EXPECT_EQ(At(image, 37, RowY(9) + 8), face);

    // The caret line always shows its number.
    memo->SetCaretXY(BufferCoord(1, 7));
    image = Picture(memo);
    EXPECT_EQ(At(image, 43, RowY(7) + 5), ink);
    EXPECT_EQ(At(image, 43, RowY(1) + 5), face);
}

TEST_F(TSynPaintTest, RowColoursRankActiveLineThenLineOwnThenSpecial)
{
    TSynMemo* memo = AddPaintMemo(300, 120);
    memo->SetText("one\r\ntwo\r\nthree");
    memo->SetCaretXY(BufferCoord(1, 2));
    const TPoint past{250, RowY(2) + 9};
    TRasterImage image = Picture(memo);
    EXPECT_EQ(At(image, past), Rgb(memo->ActiveLine()->Background()));
    EXPECT_EQ(At(image, Ink(memo, 1, 2)), Rgb(memo->ActiveLine()->Foreground()));
    EXPECT_EQ(At(image, 250, RowY(1) + 9), Rgb(clWindow));

    // The line's own colours beat the active line's.
    TSynLineState* state = memo->Lines()->GetLineState(1);
    state->Background = clAqua;
    state->Foreground = clRed;
    state->ColorFlags = lcBackground | lcForeground;
    image = Picture(memo);
    EXPECT_EQ(At(image, past), clAqua);
    EXPECT_EQ(At(image, Blank(memo, 1, 2)), clAqua);
    EXPECT_EQ(At(image, Ink(memo, 1, 2)), clRed);

    // A special line beats both; its selection shows its colours swapped.
    memo->OnSpecialLineColors =
        TSpecialLineColorsEvent::FromCallable([](TObject*, int Line, bool& Special, TColor& FG, TColor& BG) {
            if (Line == 2) {
                Special = true;
                FG = clLime;
                BG = clBlue;
            }
        });
    memo->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(2, 2), BufferCoord(3, 2));
    image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 1, 2)), clBlue);
    EXPECT_EQ(At(image, Ink(memo, 1, 2)), clLime);
    EXPECT_EQ(At(image, Blank(memo, 2, 2)), clLime);
    EXPECT_EQ(At(image, Ink(memo, 2, 2)), clBlue);
    EXPECT_EQ(At(image, Blank(memo, 3, 2)), clBlue);
    EXPECT_EQ(At(image, past), clBlue);
    memo->OnSpecialLineColors = nullptr;
}

TEST_F(TSynPaintTest, SelectionFollowsModeFocusAndRowEnds)
{
    TSynMemo* memo = AddPaintMemo(300, 120);
    memo->ActiveLine()->SetVisible(false);
    memo->SetText("abcdef\r\nghijkl\r\nmn");
    const TColor selected = Rgb(clHighlight);
    const TColor window = Rgb(clWindow);

    // Normal mode from (3, 1) to (3, 2): the first row is selected from its
    // third column to the row's end, the last up to its third column only.
    memo->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(3, 1), BufferCoord(3, 2));
    ASSERT_FALSE(memo->Focused());
    TRasterImage image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 2, 1)), window);
    EXPECT_EQ(At(image, Blank(memo, 3, 1)), selected);
    EXPECT_EQ(At(image, Ink(memo, 3, 1)), Rgb(clHighlightText));
    EXPECT_EQ(At(image, 250, RowY(1) + 9), selected);
    EXPECT_EQ(At(image, Blank(memo, 2, 2)), selected);
    EXPECT_EQ(At(image, Blank(memo, 3, 2)), window);
    EXPECT_EQ(At(image, Blank(memo, 8, 2)), window);
    EXPECT_EQ(At(image, 250, RowY(2) + 9), window);
    EXPECT_EQ(At(image, Blank(memo, 1, 3)), window);

    // Line mode: whole rows.
    memo->SetSelectionMode(smLine);
    memo->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(3, 1), BufferCoord(3, 2));
    image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 1, 1)), selected);
    EXPECT_EQ(At(image, 250, RowY(2) + 9), selected);
    EXPECT_EQ(At(image, Blank(memo, 1, 3)), window);

    // Column mode: the same columns on every line, past a line's end too.
    memo->SetSelectionMode(smColumn);
    memo->SetCaretAndSelection(BufferCoord(5, 3), BufferCoord(2, 1), BufferCoord(5, 3));
    image = Picture(memo);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(At(image, Blank(memo, 1, row)), window) << row;
        EXPECT_EQ(At(image, Blank(memo, 2, row)), selected) << row;
        EXPECT_EQ(At(image, Blank(memo, 4, row)), selected) << row;
        EXPECT_EQ(At(image, Blank(memo, 5, row)), window) << row;
    }

    // HideSelection hides it while the editor has no focus.
    memo->SetSelectionMode(smNormal);
    memo->SetCaretAndSelection(BufferCoord(4, 1), BufferCoord(1, 1), BufferCoord(4, 1));
    memo->SetHideSelection(true);
    image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 1, 1)), window);
    memo->SetFocus();
    Pump();
    ASSERT_TRUE(memo->Focused());
    image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 1, 1)), selected);
}

TEST_F(TSynPaintTest, SpecialCharactersDrawAsDotsAndPilcrowNotAsChinese)
{
    TSynMemo* memo = AddPaintMemo(300, 120);
    memo->ActiveLine()->SetVisible(false);
    // The bytes B7 B7 would read as one Chinese character, and a lone B6 at
    // the end as a stray byte. In the test font every character beyond
    // ASCII is a box two cells wide, so two dots cover x 41..62 without a
    // gap, where one Chinese character would stop at 54; the pilcrow in the
    // fifth cell reaches its last pixel, a stray byte's box stops short.
    memo->SetText("a  b\r\n\xD5\x66 \xE9\x54");
    const TColor ink = Rgb(clWindowText);
    const TColor window = Rgb(clWindow);
    const int dotsGap = ColX(memo, 3) + 7;
    const int pilcrowEnd = ColX(memo, 5) + 7;

    TRasterImage image = Picture(memo);
    EXPECT_EQ(At(image, dotsGap, RowY(1) + 8), window);
    EXPECT_EQ(At(image, pilcrowEnd, RowY(1) + 8), window);

    ShowSpecialChars(memo, true);
    image = Picture(memo);
    EXPECT_EQ(At(image, Ink(memo, 1, 1)), ink);
    EXPECT_EQ(At(image, ColX(memo, 2) + 1, RowY(1) + 8), ink);
    EXPECT_EQ(At(image, dotsGap, RowY(1) + 8), ink);
    EXPECT_EQ(At(image, dotsGap + 1, RowY(1) + 8), ink);
    EXPECT_EQ(At(image, pilcrowEnd, RowY(1) + 8), ink);
    EXPECT_EQ(At(image, ColX(memo, 6), RowY(1) + 8), window);
    // Between two double-byte characters: their boxes stay whole and the
    // dot sits in its own cell.
    EXPECT_EQ(At(image, ColX(memo, 1) + 14, RowY(2) + 8), ink);
    EXPECT_EQ(At(image, ColX(memo, 3) + 1, RowY(2) + 8), ink);
    EXPECT_EQ(At(image, ColX(memo, 5) + 6, RowY(2) + 8), ink);
    EXPECT_EQ(At(image, ColX(memo, 6) + 7, RowY(2) + 8), ink);
}

TEST_F(TSynPaintTest, HighlighterColoursRunsAndWhitespaceDefaults)
{
    TSynMemo* memo = AddPaintMemo(300, 120);
    memo->ActiveLine()->SetVisible(false);
    memo->Font()->SetColor(clMaroon);
    TWordSyn syn;
    syn.Key()->SetForeground(clBlue);
    syn.Key()->SetStyle({fsBold});
    syn.Comment()->SetForeground(clGreen);
    syn.Comment()->SetBackground(clYellow);
    // A whitespace foreground of clWindow would hide all plain text.
    syn.Space()->SetForeground(clWindow);
    memo->SetHighlighter(&syn);
    memo->SetText("if ab # note\r\nxy");

    TRasterImage image = Picture(memo);
    EXPECT_EQ(At(image, Ink(memo, 1, 1)), clBlue);
    // Bold widens the box by one column.
    EXPECT_EQ(At(image, ColX(memo, 1) + 7, RowY(1) + 8), clBlue);
    EXPECT_EQ(At(image, Ink(memo, 4, 1)), clMaroon);
    EXPECT_EQ(At(image, Ink(memo, 7, 1)), clGreen);
    EXPECT_EQ(At(image, Blank(memo, 7, 1)), clYellow);
    EXPECT_EQ(At(image, Blank(memo, 12, 1)), clYellow);
    EXPECT_EQ(At(image, Blank(memo, 13, 1)), Rgb(clWindow));
    EXPECT_EQ(At(image, Ink(memo, 1, 2)), clMaroon);

    // A whitespace background becomes the editor's background.
    syn.Space()->SetBackground(clSilver);
    image = Picture(memo);
    EXPECT_EQ(At(image, Blank(memo, 3, 1)), clSilver);
    EXPECT_EQ(At(image, 250, RowY(2) + 9), clSilver);
    EXPECT_EQ(At(image, 250, RowY(5) + 9), clSilver);
    memo->SetHighlighter(nullptr);
}

TEST_F(TSynPaintTest, InvalidationCoversTheRowsAskedFor)
{
    TSynMemo* memo = AddPaintMemo(300, 200);
    memo->SetText("1\r\n2\r\n3\r\n4\r\n5");
    memo->Update();
    const int gutter = memo->GutterWidth();
    const int right = memo->ClientWidth();
    const int bottom = std::min((memo->LinesInWindow() + 1) * kRowHeight, memo->ClientHeight());

    memo->InvalidateLine(3);
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(3), right, RowY(4)));
    memo->Update();
    memo->RepaintLines(4, 2);
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(2), right, RowY(5)));
    memo->Update();
    // The last line reaches to the bottom of the window.
    memo->RepaintLines(4, 5);
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(4), right, bottom));
    memo->Update();
    memo->RepaintGutterLines(2, 3);
    EXPECT_EQ(UpdateRect(memo), Rect(0, RowY(2), gutter, RowY(4)));
    memo->Update();
    memo->RepaintGutterLines(-1, -1);
    EXPECT_EQ(UpdateRect(memo), Rect(0, 0, gutter, memo->ClientHeight()));
    memo->Update();

    // While the lines change the rectangle is only collected; it is
    // invalidated once they have settled.
    memo->Lines()->BeginUpdate();
    memo->InvalidateLine(2);
    EXPECT_TRUE(IsRectEmpty(UpdateRect(memo)));
    memo->Lines()->EndUpdate();
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(2), right, RowY(3)));
    memo->Update();

    // The option objects repaint what they show.
    memo->SetCaretXY(BufferCoord(1, 4));
    memo->Update();
    memo->ActiveLine()->SetBackground(clRed);
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(4), right, RowY(5)));
    memo->Update();
    memo->SetCaretAndSelection(BufferCoord(1, 3), BufferCoord(1, 2), BufferCoord(1, 3));
    memo->Update();
    memo->SelectedColor()->SetBackground(clRed);
    EXPECT_EQ(UpdateRect(memo), Rect(gutter, RowY(2), right, RowY(4)));
    memo->Update();
    memo->Gutter()->SetColor(clRed);
    EXPECT_EQ(UpdateRect(memo), Rect(0, 0, gutter, memo->ClientHeight()));
}

TEST_F(TSynPaintTest, FoldMarksAndTheCollapsedLine)
{
    TSynMemo* memo = AddPaintMemo(300, 150);
    memo->ActiveLine()->SetVisible(false);
    TSynCodeFolding* folding = memo->CodeFolding();
    folding->SetHighlighterFoldRegions(false);
    folding->FoldRegions()->Add(frtToken, false, false, false, "{", "}");
    folding->SetCollapsedLineColor(clRed);
    folding->SetEnabled(true);
    memo->SetText("a {\r\n  b\r\n}\r\nc");
    memo->RebuildFoldRanges();
    TSynTextFoldRange* range = memo->GetFoldRangeStartingAt(1);
    ASSERT_NE(range, nullptr) << "no fold range was found";

    const int gutter = memo->GutterWidth();
    const int left = gutter - 10;  // the mark area: 9 pixels, its middle at left + 4
    const int mid = left + 4;
    const TColor lines = Rgb(folding->FolderBarLinesColor());
    const TColor bar = Rgb(folding->FolderBarColor());
    TRasterImage image = Picture(memo);
    // Line 1: a box (its top at row top + 4) with a minus, a line down from it.
    EXPECT_EQ(At(image, left, RowY(1) + 6), lines);
    EXPECT_EQ(At(image, left + 1, RowY(1) + 6), Rgb(clWindow));
    EXPECT_EQ(At(image, mid, RowY(1) + 8), lines);
    EXPECT_EQ(At(image, mid, RowY(1) + 6), Rgb(clWindow));
    EXPECT_EQ(At(image, mid, RowY(1) + 15), lines);
    // Line 2, inside: a line through the row.
    EXPECT_EQ(At(image, mid, RowY(2) + 1), lines);
    EXPECT_EQ(At(image, mid, RowY(2) + 16), lines);
    // Line 3, the end: an L.
    EXPECT_EQ(At(image, mid, RowY(3) + 3), lines);
    EXPECT_EQ(At(image, mid + 2, RowY(3) + 9), lines);
    EXPECT_EQ(At(image, mid, RowY(3) + 14), bar);
    // Line 4: nothing.
    EXPECT_EQ(At(image, mid, RowY(4) + 9), bar);

    memo->Collapse(range);
    image = Picture(memo);
    // A plus, and the rule under the collapsed line.
    EXPECT_EQ(At(image, mid, RowY(1) + 6), lines);
    EXPECT_EQ(At(image, mid, RowY(1) + 15), bar);
    EXPECT_EQ(At(image, ColX(memo, 1), RowY(2) - 1), clRed);
    EXPECT_EQ(At(image, 250, RowY(2) - 1), clRed);
    EXPECT_EQ(At(image, 250, RowY(2) - 2), Rgb(clWindow));
    // The box after the line's text, over the blanks collapsing appended.
    const int box = ColX(memo, 5);
    EXPECT_EQ(At(image, box, RowY(1) + 5), clBlack);
    EXPECT_EQ(At(image, box + 2, RowY(1) + 5), Rgb(clWindow));
    EXPECT_EQ(At(image, box - 1, RowY(1) + 5), Rgb(clWindow));
    // The next row keeps its own colours.
    EXPECT_EQ(At(image, Blank(memo, 1, 2)), Rgb(clWindow));
    EXPECT_EQ(At(image, Ink(memo, 1, 2)), Rgb(clWindowText));
}
