// A C scheme whose comments have a background of their own, painted by an
// editor on a real X display: the blank areas of every row keep the
// editor's colour, whatever line the highlighter tokenized before.
#include "tests/editor/syn_x11_fixture.h"

#include <algorithm>
#include <string>

#include "editor/view/syn_active_line.h"
#include "editor/view/syn_word_wrap.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/update_region.h"
#include "tests/support/test_data.h"

namespace {

constexpr TColor kCommentBackground = static_cast<TColor>(RGB(255, 255, 200));

// Code and block comments over several lines, with GBK text in the
// comments. The second comment runs from line 7 to line 24: with the top
// line anywhere up to the tenth, a paint of the window ends inside it and
// leaves the highlighter in the comment's range.
AnsiString CodeText()
{
    AnsiString text = "int main(void)\r\n"
                      "{\r\n"
                      "    /* \xD5\x66\xE9\x54 opens\r\n"
                      "       goes on \xDF\x40\x81\x5C\r\n"
                      "       closes */ return 0;\r\n"
                      "}\r\n"
                      "/* a header\r\n";
    for (int line = 8; line < 24; ++line)
        text += "   \xD6\xD0 \xD5\x66 more of it\r\n";
    return text + "*/\r\nint x;\r\nint y;";
}

class TSchemeColoursOnDisplay : public TSynX11Test {
protected:
    void SetUp() override
    {
        TSynX11Test::SetUp();
        ASSERT_TRUE(syn_.LoadFromFile(TestData("/c_scheme.xml")));
        TSynRange* rules = syn_.MainRules();
        for (int i = 0; i < rules->GetRangeCount(); ++i)
            if (rules->GetRange(i)->Name == "Comment")
                rules->GetRange(i)->Attributes()->SetBackground(kCommentBackground);
        syn_.PrepareRules();
    }

    TSynMemo* ShowCode()
    {
        TSynMemo* memo = ShowEditor(CodeText(), false);
        memo->SetHighlighter(&syn_);
        memo->SetCaretXY(BufferCoord(1, 1));
        memo->ActiveLine()->SetVisible(false);
        area_ = AreaInForm(memo);
        return memo;
    }

    // The highlighter left where tokenizing line Line (from 1) leaves it,
    // as bracket matching or a fold scan would leave it.
    void TokenizeLine(TSynMemo* Memo, int Line)
    {
        if (Line == 1)
            syn_.ResetRange();
        else
            syn_.SetRange(reinterpret_cast<void*>(Memo->LineRange(Line - 2)));
        syn_.SetLine(Memo->Lines()->Strings(Line - 1), Line - 1);
        syn_.NextToEol();
    }

    // Past every row's text, and below the last row, lies the editor's colour.
    static void ExpectBlanksInTheEditorsColour(TSynMemo* Memo, const TPixels& Shown)
    {
        const int right = Memo->ClientWidth() - 1;
        const int rowHeight = Memo->LineHeight();
        for (int row = 0; row * rowHeight < Memo->ClientHeight(); ++row) {
            const int y = std::min(row * rowHeight + rowHeight / 2, Memo->ClientHeight() - 1);
            EXPECT_EQ(ClientPixel(Shown, Memo, Point(right, y)), Rgb(clWindow)) << "row " << row + 1;
        }
    }

    TSynLexSyn syn_{nullptr};
    TRect area_;  // the memo's in the form
};

}  // namespace

TEST_F(TSchemeColoursOnDisplay, EachRowPaintsAlikeWhateverWasTokenizedBeforeIt)
{
    TSynMemo* memo = ShowCode();
    ASSERT_GE(memo->LinesInWindow(), 6);
    ASSERT_LE(memo->LinesInWindow(), 12);
    syn_.ResetRange();
    memo->Invalidate();
    const TPixels reference = ShownWhenPainted(area_);
    ASSERT_FALSE(reference.empty());
    ExpectBlanksInTheEditorsColour(memo, reference);
    // The comment's own background shows behind its text.
    const TPoint inComment = memo->RowColumnToPixels(DisplayCoord(9, 4));
    EXPECT_EQ(ClientPixel(reference, memo, Point(inComment.X + 1, inComment.Y + 1)), Rgb(kCommentBackground));

    const int rowHeight = memo->LineHeight();
    for (int before = 1; before <= memo->Lines()->Count(); ++before) {
        for (int row = 0; row < memo->LinesInWindow(); ++row) {
            TokenizeLine(memo, before);
            const TRect rowRect = Rect(0, row * rowHeight, memo->ClientWidth(), (row + 1) * rowHeight);
            InvalidateRect(memo->Handle(), &rowRect, false);
            memo->Update();
        }
        const TPixels shown = ShownWhenPainted(area_);
        EXPECT_TRUE(shown == reference) << "rows painted one by one after tokenizing line " << before;
    }
}

TEST_F(TSchemeColoursOnDisplay, ScrollingAndWrappingKeepTheEditorsColour)
{
    TSynMemo* memo = ShowCode();
    memo->Invalidate();
    ASSERT_FALSE(ShownWhenPainted(area_).empty());
    // The rows the scroll uncovers are painted after the highlighter ended
    // in a comment.
    for (const int top : {2, 7, 4}) {
        memo->SetTopLine(top);
        const TPixels scrolled = ShownWhenPainted(area_);
        ASSERT_FALSE(scrolled.empty());
        SCOPED_TRACE("top line " + std::to_string(top));
        ExpectBlanksInTheEditorsColour(memo, scrolled);
    }

    memo->WordWrap()->SetEnabled(true);
    const TPixels wrapped = ShownWhenPainted(area_);
    ASSERT_FALSE(wrapped.empty());
    SCOPED_TRACE("word wrap");
    ExpectBlanksInTheEditorsColour(memo, wrapped);
}

TEST_F(TSchemeColoursOnDisplay, RowsPaintedInsideAProgramsUpdateSeeItsComments)
{
    TSynMemo* memo = ShowCode();
    const auto textArea = [&](const TPixels& Shown) {
        TPixels pixels;
        for (int y = 0; y < memo->ClientHeight(); ++y)
            for (int x = memo->GutterWidth(); x < memo->ClientWidth(); ++x)
                pixels.push_back(ClientPixel(Shown, memo, Point(x, y)));
        return pixels;
    };
    // The program paints the window while it holds the lines in an update
    // of its own, after a comment went in above everything.
    memo->Lines()->BeginUpdate();
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->SetSelText("/*\r\n");
    memo->Invalidate();
    const TPixels inside = ShownWhenPainted(area_);
    memo->Lines()->EndUpdate();
    memo->Invalidate();
    const TPixels after = ShownWhenPainted(area_);
    ASSERT_FALSE(inside.empty());
    ASSERT_FALSE(after.empty());
    EXPECT_TRUE(textArea(inside) == textArea(after));
}
