// The page layout of printing: the printer's geometry, margins in every
// unit and mirrored, the macros and Roman numerals of running heads, and
// headers and footers measured and drawn on a recording canvas.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "editor_services/printing/syn_text_print_header_footer.h"
#include "editor_services/printing/syn_text_print_macros.h"
#include "editor_services/printing/syn_text_print_margins.h"
#include "editor_services/printing/syn_text_printer_info.h"
#include "platform/base/date_time.h"
#include "platform/gdi/test_font.h"
#include "tests/editor_services/printing/print_recording_canvas.h"

namespace {

class PrintLayoutTest : public ::testing::Test {
protected:
    // No CUPS: the PDF printer alone, A4 at 600 dots per inch.
    void SetUp() override { setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1); }

    TSynTextPrinterInfo info_;
};

TEST_F(PrintLayoutTest, PrinterGeometryComesFromThePrinter)
{
    EXPECT_FALSE(info_.IsValid());
    EXPECT_EQ(info_.PhysicalWidth(), 4961);  // 210 mm; reading refreshes first
    EXPECT_TRUE(info_.IsValid());
    EXPECT_EQ(info_.PhysicalHeight(), 7016);  // 297 mm
    EXPECT_EQ(info_.PrintableWidth(), 4961);
    EXPECT_EQ(info_.LeftGutter() + info_.RightGutter(), 0);
    EXPECT_EQ(info_.YPixPrInch(), 600);
    EXPECT_FLOAT_EQ(info_.XPixPrmm(), static_cast<float>(600 / 25.4));
    EXPECT_EQ(info_.LeftToPixels(25), 591);
    EXPECT_EQ(info_.BottomToPixels(25), 591);
}

TEST_F(PrintLayoutTest, MarginsAreKeptInMillimetresAndReadInTheUnitSystem)
{
    TSynTextPrintMargins margins;
    EXPECT_DOUBLE_EQ(margins.Left(), 25);
    EXPECT_DOUBLE_EQ(margins.HFInternalMargin(), 0.5);
    margins.UnitSystem = usCM;
    EXPECT_DOUBLE_EQ(margins.Left(), 2.5);
    margins.SetLeft(1);
    margins.UnitSystem = usMM;
    EXPECT_DOUBLE_EQ(margins.Left(), 10);
    margins.UnitSystem = usInch;
    margins.SetTop(1);
    margins.UnitSystem = muThousandthsOfInches;
    EXPECT_DOUBLE_EQ(margins.Top(), 1000);
    margins.SetGutter(500);
    margins.UnitSystem = usMM;
    EXPECT_DOUBLE_EQ(margins.Top(), 25.4);
    EXPECT_DOUBLE_EQ(margins.Gutter(), 12.7);

    TSynTextPrintMargins copy;
    margins.MirrorMargins = true;
    margins.UnitSystem = usCM;
    copy.Assign(&margins);
    EXPECT_TRUE(copy.MirrorMargins);
    EXPECT_EQ(copy.UnitSystem, usCM);
    EXPECT_DOUBLE_EQ(copy.Left(), 1);
    EXPECT_DOUBLE_EQ(copy.Gutter(), 1.27);
    EXPECT_DOUBLE_EQ(copy.Right(), 1.5);
}

TEST_F(PrintLayoutTest, MirroredEvenPagesHaveTheWiderMarginAndTheGutterOnTheRight)
{
    TRecordingCanvas recording;
    TSynTextPrintMargins margins;
    margins.SetGutter(10);
    margins.MirrorMargins = true;
    margins.ComputePage(recording.Canvas(), 1, info_, false, false, 0);
    EXPECT_EQ(margins.PLeft, info_.LeftToPixels(35));
    EXPECT_EQ(margins.PRight, 4961 - info_.RightToPixels(15));
    EXPECT_EQ(margins.PGutter, 236);
    margins.ComputePage(recording.Canvas(), 2, info_, false, false, 0);
    EXPECT_EQ(margins.PLeft, info_.LeftToPixels(15));
    EXPECT_EQ(margins.PRight, 4961 - info_.RightToPixels(35));
    EXPECT_EQ(margins.PLeftHFTextIndent, margins.PLeft + 47);  // 2 mm
    EXPECT_EQ(margins.PRightHFTextIndent, margins.PRight - 47);
    EXPECT_EQ(margins.PTop, 591);
    EXPECT_EQ(margins.PBottom, 7016 - 591);
    EXPECT_EQ(margins.PHeader, 354);
    EXPECT_EQ(margins.PFooter, 7016 - 354);
    EXPECT_EQ(margins.PHFInternalMargin, 12);
    margins.MirrorMargins = false;
    margins.ComputePage(recording.Canvas(), 2, info_, false, false, 0);
    EXPECT_EQ(margins.PLeft, info_.LeftToPixels(35));

    // Line numbers beside the text take the width of the largest one.
    recording.Canvas()->Font()->SetName(kTestFontName);
    recording.Canvas()->Font()->SetHeight(-16);
    margins.ComputePage(recording.Canvas(), 1, info_, true, true, 1234);
    EXPECT_EQ(margins.PLeft, info_.LeftToPixels(35));
    margins.ComputePage(recording.Canvas(), 1, info_, true, false, 1234);
    EXPECT_EQ(margins.PLeft, info_.LeftToPixels(35) + 6 * kTestFontCellWidth);  // "1234: "
}

TEST(PrintMacrosTest, MacrosAreFilledInWhateverTheirCaseAndOtherDollarsStay)
{
    auto expand = [](const char* text, bool roman = false) {
        return ExpandPrintMacros(text, 20, 14, roman, "說門.c", "9:05:00", "2024-6-1");
    };
    EXPECT_EQ(expand("Page $PAGENUM$ of $PAGECOUNT$"), "Page 14 of 20");
    EXPECT_EQ(expand("$pagenum$/$PageCount$"), "14/20");
    EXPECT_EQ(expand("$PAGENUM$ of $PAGECOUNT$", true), "XIV of XX");
    EXPECT_EQ(expand("$TITLE$ $DATE$ $TIME$"), "說門.c 2024-6-1 9:05:00");
    EXPECT_EQ(expand("$DATETIME$|$TIMEDATE$"), "2024-6-1 9:05:00|9:05:00 2024-6-1");
    EXPECT_EQ(expand("$$PAGENUM$"), "$14");
    EXPECT_EQ(expand("costs $5, or $7 with $TITLE$"), "costs $5, or $7 with 說門.c");
    EXPECT_EQ(expand("$NOPE$PAGENUM$"), "$NOPE14");
    EXPECT_EQ(expand("trailing $"), "trailing $");
    EXPECT_EQ(expand("   \t "), "");
    EXPECT_EQ(expand(""), "");
    EXPECT_EQ(expand(" 門 "), " 門 ");
}

TEST(PrintMacrosTest, RomanNumeralsAreSubtractiveAndEmptyBelowOne)
{
    EXPECT_EQ(RomanNumeral(1), "I");
    EXPECT_EQ(RomanNumeral(4), "IV");
    EXPECT_EQ(RomanNumeral(9), "IX");
    EXPECT_EQ(RomanNumeral(14), "XIV");
    EXPECT_EQ(RomanNumeral(40), "XL");
    EXPECT_EQ(RomanNumeral(90), "XC");
    EXPECT_EQ(RomanNumeral(400), "CD");
    EXPECT_EQ(RomanNumeral(1994), "MCMXCIV");
    EXPECT_EQ(RomanNumeral(3999), "MMMCMXCIX");
    EXPECT_EQ(RomanNumeral(4000), "MMMM");
    EXPECT_EQ(RomanNumeral(0), "");
    EXPECT_EQ(RomanNumeral(-5), "");
}

class HeaderFooterTest : public PrintLayoutTest {
protected:
    void SetUp() override
    {
        PrintLayoutTest::SetUp();
        font_.SetName(kTestFontName);
        font_.SetHeight(-32);  // cell 16 x 32, ascent 26
        margins_.ComputePage(recording_.Canvas(), 1, info_, false, false, 0);
    }
    std::vector<AnsiString> Draw(THeaderFooter& Part, int PageNum)
    {
        recording_.Clear();
        Part.Draw(recording_.Canvas(), PageNum);
        return recording_.Strings();
    }

    TRecordingCanvas recording_;
    TSynTextPrintMargins margins_;
    TFont font_;
};

TEST_F(HeaderFooterTest, LinesCloseUpAndAlignLeftCentreAndRight)
{
    THeader header;
    header.Add("$TITLE$", &font_, taCenter, 3);
    header.Add("Page $PAGENUM$/$PAGECOUNT$", &font_, taRightJustify, 1);
    header.Add("left", &font_, taLeftJustify, 1);
    header.FrameTypes = {};
    header.Prepare(recording_.Canvas(), 9, "門.c", &margins_);
    EXPECT_EQ(header.LineCount(), 2);
    EXPECT_EQ(header.FrameHeight(), 2 * 32 + 2 * 12);
    EXPECT_EQ(header.DateText(), DateToStr(Now()));

    EXPECT_EQ(Draw(header, 3), (std::vector<AnsiString>{"Page 3/9", "left", "門.c"}));
    const auto& texts = recording_.Texts();
    const int top = margins_.PHeader - header.FrameHeight() + 12;
    EXPECT_EQ(texts[0].Top, top);
    EXPECT_EQ(texts[0].Left, margins_.PRightHFTextIndent - 8 * 16);
    EXPECT_EQ(texts[1].Top, top);
    EXPECT_EQ(texts[1].Left, margins_.PLeftHFTextIndent);
    EXPECT_EQ(texts[2].Top, top + 32);  // line 3 comes straight after line 1
    EXPECT_EQ(texts[2].Left, (margins_.PLeftHFTextIndent + margins_.PRightHFTextIndent - 4 * 16) / 2);
    EXPECT_TRUE(recording_.Paths().empty());
    EXPECT_TRUE(recording_.Fills().empty());
}

TEST_F(HeaderFooterTest, FramesAndMirroredPositions)
{
    TFooter footer;
    footer.Add("L", &font_, taLeftJustify, 1);
    footer.Add("C", &font_, taCenter, 1);
    footer.Add("R $pagenum$", &font_, taRightJustify, 2);
    footer.FrameTypes = {ftLine, ftShaded};
    footer.MirrorPosition = true;
    footer.RomanNumbers = true;
    footer.ShadedColor = clYellow;
    footer.Prepare(recording_.Canvas(), 4, "", &margins_);
    EXPECT_EQ(Draw(footer, 1), (std::vector<AnsiString>{"L", "C", "R I"}));
    ASSERT_EQ(recording_.Fills().size(), 1u);  // the shading, below the footer line
    EXPECT_EQ(recording_.Fills()[0].first.Top, margins_.PFooter);
    EXPECT_EQ(recording_.Fills()[0].second, static_cast<COLORREF>(clYellow));
    ASSERT_EQ(recording_.Paths().size(), 1u);  // the rule
    EXPECT_EQ(recording_.Paths()[0][0].Y, margins_.PFooter);
    EXPECT_EQ(recording_.Texts()[0].Left, margins_.PLeftHFTextIndent);

    // Even pages swap left and right; the centre stays.
    Draw(footer, 2);
    const auto& texts = recording_.Texts();
    EXPECT_EQ(texts[0].Left, margins_.PRightHFTextIndent - 16);
    EXPECT_EQ(texts[1].Left, (margins_.PLeftHFTextIndent + margins_.PRightHFTextIndent - 16) / 2);
    EXPECT_EQ(texts[2].Text, "R II");
    EXPECT_EQ(texts[2].Left, margins_.PLeftHFTextIndent);
}

TEST_F(HeaderFooterTest, WithoutItemsNothingIsDrawnWhateverTheFrame)
{
    THeader header;
    header.FrameTypes = {ftLine, ftBox, ftShaded};
    header.Prepare(recording_.Canvas(), 1, "", &margins_);
    EXPECT_EQ(header.FrameHeight(), -1);
    Draw(header, 1);
    EXPECT_TRUE(recording_.Texts().empty());
    EXPECT_TRUE(recording_.Fills().empty());
    EXPECT_TRUE(recording_.Paths().empty());

    // Assign copies the items and settings, not the measures.
    THeader other;
    other.Add("x", &font_, taCenter, 5);
    other.RomanNumbers = true;
    header.Assign(&other);
    ASSERT_EQ(header.Count(), 1);
    EXPECT_EQ(header.Get(0)->Text, "x");
    EXPECT_EQ(header.Get(0)->Font()->Height(), -32);
    EXPECT_TRUE(header.RomanNumbers);
    EXPECT_EQ(header.Type(), hftHeader);
}

}  // namespace
