// Whole screens of the editor compared pixel for pixel with the pictures in
// golden/ (see tests/support/golden_image.h for accepting changes).

#include "editor/folding/fold_regions.h"
#include "editor/view/syn_active_line.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/document/syn_text_mark.h"
#include "editor/view/syn_word_wrap.h"
#include "syn_paint_test_support.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

void ExpectScreen(const TRasterImage& Image, const std::string& Name)
{
    ::ExpectGolden(Image, TestFolder() + "/golden/" + Name);
}

}  // namespace

TEST_F(TSynPaintTest, GoldenHighlightedText)
{
    TSynMemo* memo = AddPaintMemo(420, 200);
    TWordSyn syn;
    syn.Key()->SetForeground(clBlue);
    syn.Key()->SetStyle({fsBold});
    syn.Comment()->SetForeground(clGreen);
    syn.Comment()->SetStyle({fsItalic});
    syn.Symbol()->SetForeground(clMaroon);
    syn.Ident()->SetStyle({fsUnderline});
    memo->SetHighlighter(&syn);
    memo->Gutter()->SetShowLineNumbers(true);
    memo->RightEdge()->SetPosition(36);
    memo->SetText("int main() # \xD6\xD0\xCE\xC4\r\n"
                  "{\r\n"
                  "\tif (x) return \xD5\x66\xE9\x54;\r\n"
                  "\twhile (y) y = y - 1;\r\n"
                  "}\r\n"
                  "\xDF\x40\x81\x5C end");
    memo->SetCaretAndSelection(BufferCoord(7, 4), BufferCoord(12, 3), BufferCoord(7, 4));
    ExpectScreen(Picture(memo), "highlighted_text.png");
    memo->SetHighlighter(nullptr);
}

TEST_F(TSynPaintTest, GoldenGutterDecorationsAndColumnSelection)
{
    TSynMemo* memo = AddPaintMemo(420, 200);
    memo->Gutter()->SetShowLineNumbers(true);
    memo->Gutter()->SetIntens(true);
    memo->Gutter()->SetGradient(true);
    memo->Gutter()->SetGradientStartColor(clWhite);
    memo->Gutter()->SetGradientEndColor(clSilver);
    memo->Gutter()->SetGradientSteps(8);
    memo->Gutter()->SetShowLineModified(true);
    memo->Gutter()->SetLeftOffsetColor(clAqua);
    memo->Gutter()->SetBorderStyle(gbsRight);
    memo->Gutter()->SetBorderColor(clNavy);
    memo->LineDivider()->SetVisible(true);
    memo->LineDivider()->SetColor(clSilver);
    memo->SelectedColor()->SetBackground(clTeal);
    memo->SelectedColor()->SetForeground(clYellow);
    TSynTextEditorOptions options = memo->Options();
    options.Include(eoShowSpecialChars);
    memo->SetOptions(options);
    AnsiString text;
    for (int i = 1; i <= 10; ++i)
        text += "line " + std::to_string(i) + "  \xD5\x66\xE9\x54 x\r\n";
    memo->SetText(text);
    for (int i = 0; i < memo->Lines()->Count(); ++i)
        memo->Lines()->GetLineState(i)->Modified = lmUnchanged;
    memo->Lines()->GetLineState(2)->Modified = lmModified;
    memo->Lines()->GetLineState(4)->Modified = lmSaved;
    memo->SetBookMark(1, 3, 2);
    memo->SetSelectionMode(smColumn);
    memo->SetCaretAndSelection(BufferCoord(10, 6), BufferCoord(4, 3), BufferCoord(10, 6));
    ExpectScreen(Picture(memo), "gutter_decorations.png");
}

TEST_F(TSynPaintTest, GoldenWrappedAndFoldedText)
{
    TSynMemo* memo = AddPaintMemo(260, 220);
    memo->Gutter()->SetShowLineNumbers(true);
    TSynCodeFolding* folding = memo->CodeFolding();
    folding->SetHighlighterFoldRegions(false);
    folding->FoldRegions()->Add(frtToken, false, false, false, "{", "}");
    folding->SetEnabled(true);
    memo->SetText("block {\r\n"
                  "  a long line that wraps over more than one row of the window\r\n"
                  "  inner {\r\n"
                  "    x\r\n"
                  "  }\r\n"
                  "}\r\n"
                  "tail {\r\n"
                  "  hidden\r\n"
                  "}\r\n"
                  "last");
    memo->RebuildFoldRanges();
    memo->WordWrap()->SetEnabled(true);
    TSynTextFoldRange* tail = memo->GetFoldRangeStartingAt(7);
    ASSERT_NE(tail, nullptr);
    memo->Collapse(tail);
    memo->SetCaretXY(BufferCoord(5, 4));
    ExpectScreen(Picture(memo), "wrapped_folded.png");
}
