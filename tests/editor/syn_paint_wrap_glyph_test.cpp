// The word-wrap glyph in the gutter: on every row that continues a wrapped
// line, whether the line's first row is in view or scrolled away above, and
// whether the view was scrolled row by row or painted anew.
#include "syn_paint_test_support.h"

#include <string>

#include "editor/view/syn_word_wrap.h"
#include "platform/win/headless_screen.h"

namespace {

// Whether the window row Row (from 1) shows the built-in glyph's maroon
// where the glyph goes; the line numbers there are drawn in black.
bool ShowsGlyph(TSynMemo* Memo, const TRasterImage& Image, int Row, int RowHeight)
{
    const int width = Memo->WordWrap()->Indicator()->Width();
    const int left = Memo->GutterWidth() - Memo->Gutter()->RightOffset() - width - 2;
    for (int y = (Row - 1) * RowHeight; y < Row * RowHeight; ++y)
        for (int x = left; x < left + width; ++x)
            if (PixelAt(Image, x, y) == clMaroon)
                return true;
    return false;
}

// One character a row: '>' where the glyph shows, '.' where not.
std::string GlyphRows(TSynMemo* Memo, const TRasterImage& Image, int RowHeight)
{
    std::string rows;
    for (int row = 1; row <= Memo->LinesInWindow(); ++row)
        rows += ShowsGlyph(Memo, Image, row, RowHeight) ? '>' : '.';
    return rows;
}

// The same for the rows as the wrapping says they should be.
std::string ContinuationRows(TSynMemo* Memo)
{
    std::string rows;
    for (int row = Memo->TopLine(); row < Memo->TopLine() + Memo->LinesInWindow(); ++row)
        rows += row > 1 && Memo->RowToLine(row) == Memo->RowToLine(row - 1) ? '>' : '.';
    return rows;
}

}  // namespace

TEST_F(TSynPaintTest, WrapGlyphMarksEveryContinuationRowWhereverTheViewStands)
{
    TSynMemo* memo = AddPaintMemo(260, 200);
    memo->Gutter()->SetShowLineNumbers(true);
    // Lines of one to five rows, the longest near the top.
    AnsiString text = "first\r\n" + AnsiString(100, 'w');
    for (int i = 0; i < 30; ++i)
        text += "\r\n" + AnsiString(static_cast<size_t>(5 + 23 * (i % 3)), 'a');
    memo->SetText(text);
    memo->WordWrap()->SetEnabled(true);
    const int firstRow = memo->LineToRow(2);
    const int rows = memo->LineToRow(3) - firstRow;
    ASSERT_GE(rows, 3);

    // Scrolling down a row at a time moves the painted gutter with the text
    // and paints only the uncovered row; then the same view painted whole.
    memo->SetTopLine(1);
    Picture(memo);
    for (int top = 2; top <= firstRow + 8; ++top) {
        SCOPED_TRACE("top row " + std::to_string(top));
        memo->SetTopLine(top);
        ASSERT_EQ(memo->TopLine(), top);
        memo->Update();
        const std::string expected = ContinuationRows(memo);
        EXPECT_EQ(GlyphRows(memo, WindowImage(memo->Handle()), kRowHeight), expected) << "scrolled";
        EXPECT_EQ(GlyphRows(memo, Picture(memo), kRowHeight), expected) << "painted whole";
    }
    // The line's first row above the view: all its rows in view show the
    // glyph, the next line's first row does not.
    memo->SetTopLine(firstRow + 1);
    EXPECT_EQ(GlyphRows(memo, Picture(memo), kRowHeight).substr(0, static_cast<size_t>(rows)),
              std::string(static_cast<size_t>(rows - 1), '>') + '.');
}
