// The print engine's pages on a recording canvas, in the test font at the
// printer's 600 dots per inch (size 10: cells 41 x 83): pagination, line
// numbers and offsets, wrapping with double-byte characters at row ends and
// in columns of one character or none, highlighting with and without
// colours, tabs, long pieces, and printing a column selection of an editor.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>

#include "tests/editor/syn_view_test_support.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "editor_services/printing/syn_text_print_rows.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/printing/printer.h"
#include "tests/editor_services/printing/print_recording_canvas.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kCell = 41;        // the test font's cell at 10 points, 600 dpi
constexpr int kLineHeight = 83;

class PrintEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
        print_.Font()->SetName(kTestFontName);
        print_.Font()->SetSize(10);
    }

    void SetText(const std::vector<AnsiString>& Lines)
    {
        TStringList list;
        for (const AnsiString& line : Lines)
            list.Add(line);
        print_.SetLines(&list);
    }
    // The texts drawn on page Num, after preparing the recording canvas.
    const std::vector<TRecordedText>& Page(int Num)
    {
        print_.PrepareOnCanvas(recording_.Canvas());
        recording_.Clear();
        print_.PrintToCanvas(recording_.Canvas(), Num);
        return recording_.Texts();
    }
    std::vector<AnsiString> PageStrings(int Num)
    {
        Page(Num);
        return recording_.Strings();
    }
    int Left() const { return print_.Margins()->PLeft; }
    int Top() const { return print_.Margins()->PTop; }

    TSynTextPrint print_;
    TRecordingCanvas recording_;
};

TEST_F(PrintEngineTest, AnEmptyTextIsOnePageWithItsRunningHeads)
{
    print_.Header()->Add("$TITLE$ $PAGENUM$/$PAGECOUNT$", nullptr, taLeftJustify, 1);
    print_.Footer()->Add("footer", nullptr, taCenter, 1);
    print_.Title = "說門";
    EXPECT_EQ(print_.PageCount(), 1);
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"說門 1/1", "footer"}));
}

TEST_F(PrintEngineTest, LinesRunOnToTheNextPageWhereTheRoomEnds)
{
    std::vector<AnsiString> lines;
    for (int i = 1; i <= 75; ++i)
        lines.push_back("line " + std::to_string(i));
    SetText(lines);
    EXPECT_EQ(print_.PageCount(), 2);
    ASSERT_EQ((print_.Margins()->PBottom - Top()) / kLineHeight, 70);  // the room of a page

    std::vector<std::pair<int, int>> printed;  // line, page
    print_.OnPrintLine = TPrintLineEvent::FromCallable(
        [&](TObject*, int Line, int PageNum) { printed.emplace_back(Line, PageNum); });
    const auto& page1 = Page(1);
    ASSERT_EQ(page1.size(), 70u);
    EXPECT_EQ(page1[69].Text, "line 70");
    EXPECT_EQ(page1[69].Top, Top() + 69 * kLineHeight);
    EXPECT_EQ(page1[0].Left, Left());
    EXPECT_EQ(page1[0].PenX[1] - page1[0].PenX[0], kCell);
    EXPECT_EQ(printed.back(), std::make_pair(70, 1));
    printed.clear();
    EXPECT_EQ(PageStrings(2), (std::vector<AnsiString>{"line 71", "line 72", "line 73", "line 74", "line 75"}));
    EXPECT_EQ(printed.front(), std::make_pair(71, 2));
    EXPECT_EQ(recording_.Texts()[0].Top, Top());
    // The page's text area is filled with the page colour first.
    ASSERT_FALSE(recording_.Fills().empty());
    EXPECT_EQ(recording_.Fills()[0].first, (TRect{Left(), Top(), print_.Margins()->PRight, print_.Margins()->PBottom}));
}

TEST_F(PrintEngineTest, LineNumbersAndPageNumbersTakeTheirOffsets)
{
    SetText({"first", "second"});
    print_.LineNumbers = true;
    print_.LineOffset = 100;
    print_.PageOffset = 10;
    print_.Header()->Add("- $PAGENUM$ -", nullptr, taCenter, 1);
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"- 11 -", "101: ", "first", "102: ", "second"}));
    const auto& texts = recording_.Texts();
    // Numbers end where the text starts, which moved right for them.
    EXPECT_EQ(texts[1].Left + 5 * kCell, texts[2].Left);
    EXPECT_EQ(texts[2].Left, print_.Margins()->PLeft);
    EXPECT_EQ(texts[1].Color, 0u);

    print_.LineNumbersInMargin = true;
    Page(1);
    EXPECT_EQ(recording_.Texts()[2].Left, print_.PrinterInfo()->LeftToPixels(25));
}

TEST(PrintRowsTest, RowsEndOnWholeCharactersWalkedFromTheLineStart)
{
    // 中 is D6 D0: its trail byte has a lead byte's value.
    EXPECT_EQ(PrintRowEnds("a中中", 3), (std::vector<int>{3, 5}));
    EXPECT_EQ(PrintRowEnds("中中中", 3), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(PrintRowEnds("ab中", 3), (std::vector<int>{2, 4}));
    EXPECT_EQ(PrintRowEnds("說門x", 2), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(PrintRowEnds("中a中", 1), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(PrintRowEnds("中a中", 0), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(PrintRowEnds("abc", 3), (std::vector<int>{3}));
    EXPECT_EQ(PrintRowEnds("", 0), (std::vector<int>{0}));
    // A lone lead byte at the end is a character of its own.
    EXPECT_EQ(PrintRowEnds("ab\xD6", 2), (std::vector<int>{2, 3}));
}

class PrintWrapTest : public PrintEngineTest {
protected:
    // A text area of 3300 pixels: 80 cells of 41 fit, 81 do not.
    void SetUp() override
    {
        PrintEngineTest::SetUp();
        print_.Margins()->SetRight(45.3);
    }
};

TEST_F(PrintWrapTest, ALongLineIsCutIntoRowsOfTheWrapColumn)
{
    SetText({AnsiString(200, 'x'), "next"});
    const auto& texts = Page(1);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Text.size(), 80u);
    EXPECT_EQ(texts[1].Text.size(), 80u);
    EXPECT_EQ(texts[2].Text.size(), 40u);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(texts[static_cast<size_t>(row)].Left, Left());
        EXPECT_EQ(texts[static_cast<size_t>(row)].Top, Top() + row * kLineHeight);
    }
    EXPECT_EQ(texts[3].Top, Top() + 3 * kLineHeight);

    // Not wrapped, the piece is cut to the width of the text area.
    print_.Wrap = false;
    const auto& unwrapped = Page(1);
    ASSERT_EQ(unwrapped.size(), 2u);
    EXPECT_EQ(unwrapped[0].Text.size(), 80u);
    EXPECT_EQ(unwrapped[1].Top, Top() + kLineHeight);
}

TEST_F(PrintWrapTest, ADoubleByteCharacterAtARowEndMovesWholeToTheNextRow)
{
    SetText({AnsiString(79, 'a') + "中" + AnsiString(10, 'b') + "a中中"});
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{AnsiString(79, 'a'), "中" + AnsiString(10, 'b') + "a中中"}));
    EXPECT_EQ(recording_.Texts()[1].Left, Left());
    EXPECT_EQ(recording_.Texts()[1].PenX[1] - recording_.Texts()[1].PenX[0], 2 * kCell);
}

TEST_F(PrintWrapTest, AnUnwrappedLineIsCutAfterItsLastWholeCharacterThatFits)
{
    // Cut from the end, the 'a' after 中 goes first, then 中 as a whole:
    // 中's trail byte looks like a lead byte to a test of single bytes.
    print_.Wrap = false;
    SetText({AnsiString(78, 'x') + "中aaa", AnsiString(77, 'x') + "中中"});
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{AnsiString(78, 'x') + "中", AnsiString(77, 'x') + "中"}));
}

TEST_F(PrintWrapTest, HugeMarginsLeaveRowsOfOneCharacterOrNoneAndStillEnd)
{
    // 2.5 cells wide: the wrap column is 2.
    print_.Margins()->SetLeft(100);
    print_.Margins()->SetRight(105.6);
    SetText({"中a中中"});
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"中", "a", "中", "中"}));

    // 1.5 cells: one character a row, a double-byte one too.
    print_.Margins()->SetRight(107.5);
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"中", "a", "中", "中"}));

    // No room at all: the wrap column is 0, and each row still holds one
    // character; every line gets a page of its own, none is left empty.
    print_.Margins()->SetLeft(150);
    print_.Margins()->SetRight(150);
    print_.Margins()->SetTop(150);
    print_.Margins()->SetBottom(150);
    SetText({"中ab", "x"});
    EXPECT_EQ(print_.PageCount(), 2);
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"中", "a", "b"}));
    EXPECT_EQ(PageStrings(2), (std::vector<AnsiString>{"x"}));
}

TEST_F(PrintEngineTest, TabsPrintAsSpacesToTheNextTabStop)
{
    TStringList list;
    list.Add("a\tb\t\tc");
    print_.TabWidth = 4;
    print_.SetLines(&list);
    EXPECT_EQ(print_.Lines()->Strings(0), "a   b       c");
}

TEST_F(PrintEngineTest, APieceLongerThanAThousandCharactersGetsAnAdvanceForEach)
{
    // A3 across at a size of 1 point: 2243 cells of 4 pixels.
    Printer().SetPaperSize("A3");
    Printer().SetOrientation(poLandscape);
    print_.Font()->SetSize(1);
    print_.Wrap = false;
    SetText({AnsiString(3000, 'w')});
    const auto& texts = Page(1);
    Printer().SetPaperSize("A4");
    Printer().SetOrientation(poPortrait);
    ASSERT_EQ(texts.size(), 1u);
    ASSERT_EQ(texts[0].Text.size(), 2243u);
    EXPECT_EQ(texts[0].PenX.back() - texts[0].PenX.front(), 2242 * 4);
}

class PrintHighlightTest : public PrintEngineTest {
protected:
    void SetUp() override
    {
        PrintEngineTest::SetUp();
        BuildCLikeRules(syn_);
        syn_.MainRules()->GetKeyList(0)->Attributes()->SetStyle({fsBold});
        syn_.PrepareRules();
        print_.SetHighlighter(&syn_);
    }
    TSynLexSyn syn_{nullptr};
};

// The runs drawn with their cells' top at Top, joined left to right; each
// run must start in the cell where the one before it ended.
AnsiString Row(const std::vector<TRecordedText>& Texts, int Top, int Left)
{
    std::vector<const TRecordedText*> runs;
    for (const TRecordedText& text : Texts)
        if (text.Top == Top)
            runs.push_back(&text);
    std::sort(runs.begin(), runs.end(), [](auto a, auto b) { return a->Left < b->Left; });
    AnsiString row;
    for (const TRecordedText* run : runs) {
        EXPECT_EQ(run->Left, Left + static_cast<int>(row.size()) * kCell) << row;
        row += run->Text;
    }
    return row;
}

const TRecordedText* Find(const std::vector<TRecordedText>& Texts, const AnsiString& Text)
{
    for (const TRecordedText& text : Texts)
        if (text.Text == Text)
            return &text;
    ADD_FAILURE() << "no run " << Text;
    static const TRecordedText none;
    return &none;
}

TEST_F(PrintHighlightTest, TokensPrintInTheirStylesAndColoursOnlyWhenAsked)
{
    SetText({"/* 說門", "still */ int x;"});
    const auto& plain = Page(1);
    EXPECT_EQ(Row(plain, Top(), Left()), "/* 說門");
    EXPECT_EQ(Row(plain, Top() + kLineHeight, Left()), "still */ int x;");  // the comment goes on
    const TRecordedText* keyword = Find(plain, "int");
    EXPECT_TRUE(keyword->Bold);
    EXPECT_EQ(keyword->Left, Left() + 9 * kCell);
    for (const TRecordedText& text : plain) {
        EXPECT_EQ(text.Color, 0u) << text.Text;
        EXPECT_EQ(text.Bold, text.Text == "int") << text.Text;
    }

    print_.Colors = true;
    for (const TRecordedText& text : Page(1)) {
        if (text.Top == Top()) {
            EXPECT_EQ(text.Color, static_cast<COLORREF>(clGreen)) << text.Text;
        }
    }
    EXPECT_EQ(Find(recording_.Texts(), "int")->Color, static_cast<COLORREF>(clNavy));

    // Without highlighting the lines print whole in the font.
    print_.Highlight = false;
    EXPECT_EQ(PageStrings(1), (std::vector<AnsiString>{"/* 說門", "still */ int x;"}));
}

TEST_F(PrintHighlightTest, TokensAreCutAtRowEndsAndGoOnAtTheLeft)
{
    print_.Margins()->SetRight(45.3);  // 80 columns
    // "int" crosses the row end; then 中 would, and moves to the next row.
    SetText({AnsiString(78, ' ') + "int" + AnsiString(75, ' ') + "/* 中中 */", "x"});
    const auto& texts = Page(1);
    EXPECT_EQ(Row(texts, Top(), Left()), AnsiString(78, ' ') + "in");
    EXPECT_EQ(Row(texts, Top() + kLineHeight, Left()), "t" + AnsiString(75, ' ') + "/* ");
    EXPECT_EQ(Row(texts, Top() + 2 * kLineHeight, Left()), "中中 */");
    EXPECT_EQ(Row(texts, Top() + 3 * kLineHeight, Left()), "x");
    EXPECT_TRUE(Find(texts, "in")->Bold);
    EXPECT_TRUE(Find(texts, "t")->Bold);
}

TEST_F(PrintHighlightTest, TokensOfOneLookInARowPrintAsOneTextAndOnlyOtherBackgroundsAreFilled)
{
    print_.Colors = true;
    syn_.MainRules()->GetKeyList(0)->Attributes()->SetBackground(clYellow);
    syn_.PrepareRules();
    SetText({"x = y + z; int a == b;"});
    const auto& texts = Page(1);
    ASSERT_EQ(recording_.Strings(), (std::vector<AnsiString>{"x = y + z; ", "int", " a == b;"}));
    EXPECT_EQ(Row(texts, Top(), Left()), "x = y + z; int a == b;");
    // The text area's own fill first; then only the keyword's yellow, behind
    // its three cells.
    ASSERT_EQ(recording_.Fills().size(), 2u);
    EXPECT_EQ(recording_.Fills()[1].second, static_cast<COLORREF>(clYellow));
    EXPECT_EQ(recording_.Fills()[1].first.Left, Left() + 11 * kCell);
    EXPECT_EQ(recording_.Fills()[1].first.Right, Left() + 14 * kCell);
    EXPECT_EQ(recording_.Fills()[1].first.Top, Top());
}

class PrintSelectionTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
        TEditorViewTest::SetUp();
        editor_ = new TSynTextEditor(host_.get());
        editor_->SetBounds(0, 0, 600, 400);
        editor_->SetParent(host_.get());
        editor_->HandleNeeded();
    }
    std::vector<AnsiString> Printed()
    {
        print_.AssignFromEditor(editor_);
        print_.SetSelectedOnly(true);
        print_.PrepareOnCanvas(recording_.Canvas());
        recording_.Clear();
        print_.PrintToCanvas(recording_.Canvas(), 1);
        return recording_.Strings();
    }

    TSynTextEditor* editor_ = nullptr;
    TSynTextPrint print_;
    TRecordingCanvas recording_;
};

TEST_F(PrintSelectionTest, AColumnSelectionPrintsOnlyItsColumns)
{
    editor_->SetText("0123456789\r\nabcdefghij\r\n說門這中xy\r\nABCDEFGHIJ\r\nlast");
    editor_->SetSelectionMode(smColumn);
    editor_->SetCaretAndSelection(BufferCoord(7, 4), BufferCoord(3, 2), BufferCoord(7, 4));
    EXPECT_EQ(Printed(), (std::vector<AnsiString>{"cdef", "門這", "CDEF"}));
}

TEST_F(PrintSelectionTest, ANormalSelectionPrintsFromItsStartToItsEnd)
{
    editor_->SetText("0123456789\r\n\tabc\r\nABCDEFGHIJ");
    editor_->SetTabWidth(4);
    editor_->SetSelectionMode(smNormal);
    editor_->SetCaretAndSelection(BufferCoord(3, 3), BufferCoord(8, 1), BufferCoord(3, 3));
    EXPECT_EQ(Printed(), (std::vector<AnsiString>{"789", "    abc", "AB"}));

    // Nothing selected: selected-only printing prints nothing at all.
    editor_->SetCaretXY(BufferCoord(1, 1));
    print_.AssignFromEditor(editor_);
    print_.SetSelectedOnly(true);
    int statuses = 0;
    print_.OnPrintStatus = TPrintStatusEvent::FromCallable([&](TObject*, TSynPrintStatus, int, bool&) { ++statuses; });
    print_.Print();
    EXPECT_EQ(statuses, 0);
    EXPECT_FALSE(Printer().Printing());
}

}  // namespace
