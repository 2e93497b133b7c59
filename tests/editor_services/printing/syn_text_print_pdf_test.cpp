// Printing to the PDF printer as a user does: a highlighted C sample with
// Chinese in an editor, printed by the document editor's print command with
// running heads and line numbers. poppler reads back every line, the heads
// and the page numbers, and page 1 rendered matches the same page drawn on
// a raster bitmap through the mapping a preview uses. Copies, page ranges
// and an abort through the printer status event.
#include <gtest/gtest.h>

#include "tests/editor/syn_view_test_support.h"
#include "tests/platform/ui/printer_test_support.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/code_page.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/mapping.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/printing/printer.h"
#include "tests/highlighter/c_like_rules.h"
#include "tests/support/printed_page.h"

namespace {

// 90 lines of C: keywords, numbers, strings and comments, Chinese in them.
std::vector<AnsiString> SampleLines()
{
    std::vector<AnsiString> lines;
    for (int i = 0; i < 90; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 6) {
        case 0: lines.push_back("#include <stdio" + n + ".h>"); break;
        case 1: lines.push_back("int count" + n + " = " + std::to_string(i * 7) + "; /* 中文注释 說門 */"); break;
        case 2: lines.push_back("static const char *name" + n + " = \"打印 " + n + "\";"); break;
        case 3: lines.push_back("\tif (count" + n + " > 0) {"); break;
        case 4: lines.push_back("\t\treturn count" + n + " * 2; // 這乗"); break;
        default: lines.push_back("\t}"); break;
        }
    }
    return lines;
}

// UTF-8 without blanks: how text read back from a PDF is compared, since
// the reader decides where spaces go between characters drawn on a grid.
std::string Squeezed(const std::string& Utf8)
{
    std::string out;
    for (char c : Utf8)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\f')
            out += c;
    return out;
}

class PrintPdfTest : public TPrintTestFolderOn<TEditorViewTest> {
protected:
    void SetUp() override
    {
        TPrintTestFolderOn<TEditorViewTest>::SetUp();
        setenv("CUPS_SERVER", (Folder + "/no-cups.sock").c_str(), 1);
        Printer().Refresh();
        Printer().SetPrinterIndex(Printer().Printers()->Count() - 1);
        Printer().FileName = File();

        BuildCLikeRules(syn_);
        syn_.PrepareRules();
        editor_ = new TSynTextEditor(host_.get());
        editor_->SetBounds(0, 0, 600, 400);
        editor_->SetParent(host_.get());
        editor_->HandleNeeded();
        AnsiString text;
        for (const AnsiString& line : SampleLines())
            text += line + "\r\n";
        editor_->SetText(text);
        editor_->SetHighlighter(&syn_);

        print_.Title = "sample.c";
        print_.LineNumbers = true;
        print_.Header()->Add("$TITLE$", nullptr, taLeftJustify, 1);
        print_.Header()->Add("$PAGENUM$/$PAGECOUNT$", nullptr, taRightJustify, 1);
        print_.Footer()->Add("第 $PAGENUM$ 页", nullptr, taCenter, 1);
        print_.Footer()->FrameTypes = {ftLine, ftShaded};
    }
    void TearDown() override
    {
        editor_->SetHighlighter(nullptr);
        TPrintTestFolderOn<TEditorViewTest>::TearDown();
    }

    std::string File() const { return Folder + "/sample.pdf"; }
    // The text of each page, read back as UTF-8.
    std::vector<std::string> PdfPages()
    {
        const std::string text = Output("pdftotext -enc UTF-8 '" + File() + "' -");
        std::vector<std::string> pages;
        size_t start = 0;
        for (size_t feed; (feed = text.find('\f', start)) != std::string::npos; start = feed + 1)
            pages.push_back(text.substr(start, feed - start));
        return pages;
    }

    TSynLexSyn syn_{nullptr};
    TSynTextEditor* editor_ = nullptr;
    TSynTextPrint print_;
};

TEST_F(PrintPdfTest, EveryLineHeadAndPageNumberComesBackFromThePdf)
{
    editor_->ExecuteCommand(ecDocPrint, '\0', &print_);
    ASSERT_EQ(print_.PageCount(), 2);
    ASSERT_EQ(PdfPageCount(File()), 2);
    const std::vector<std::string> pages = PdfPages();
    ASSERT_EQ(pages.size(), 2u);
    std::string all;
    for (int page = 1; page <= 2; ++page) {
        const std::string text = Squeezed(pages[static_cast<size_t>(page - 1)]);
        EXPECT_NE(text.find("sample.c"), std::string::npos) << text;
        EXPECT_NE(text.find(std::to_string(page) + "/2"), std::string::npos) << text;
        EXPECT_NE(text.find(Squeezed(GbkToUtf8("第" + std::to_string(page) + "页"))), std::string::npos) << text;
        all += text;
    }
    // Every line in order, after its number.
    size_t at = 0;
    const std::vector<AnsiString> lines = SampleLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Squeezed(std::to_string(i + 1) + ":" + GbkToUtf8(lines[i]));
        const size_t found = all.find(line, at);
        ASSERT_NE(found, std::string::npos) << "line " << i + 1 << ": " << line;
        at = found + line.size();
    }
}

TEST_F(PrintPdfTest, PageOneMatchesTheSamePageDrawnOnABitmap)
{
    editor_->ExecuteCommand(ecDocPrint, '\0', &print_);
    const int width = print_.PrinterInfo()->PhysicalWidth();
    const int height = print_.PrinterInfo()->PhysicalHeight();
    // Two bands at the printer's own 600 dots per inch, which keeps the
    // pictures small: the header with the first lines, and the last lines
    // with the footer.
    const int band = 1400;
    for (const int top : {0, height - band}) {
        SCOPED_TRACE("band at " + std::to_string(top));
        Output("pdftoppm -r 600 -f 1 -l 1 -gray -x 0 -y " + std::to_string(top) + " -W " + std::to_string(width) +
               " -H " + std::to_string(band) + " '" + File() + "' '" + Folder + "/page'");
        int w = 0, h = 0;
        std::string printed;
        ASSERT_TRUE(ReadPgm(Folder + "/page-1.pgm", w, h, printed));
        ASSERT_EQ(w, width);
        ASSERT_EQ(h, band);

        // The same band of the page, drawn by the engine on a bitmap.
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(width, band);
        TCanvas* canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect{0, 0, width, band});
        SetWindowOrgEx(canvas->Handle(), 0, top, nullptr);
        print_.PrepareOnCanvas(canvas);
        print_.PrintToCanvas(canvas, 1);
        std::vector<int> drawn(printed.size());
        for (int y = 0; y < band; ++y) {
            const auto* row = static_cast<const uint32_t*>(bitmap.ScanLine(y));
            for (int x = 0; x < width; ++x)
                drawn[static_cast<size_t>(y * width + x)] = PopplerGrey(row[x]);
        }
        // A half-inked edge on paper may lie between a fully inked and a
        // blank drawn pixel of these thin strokes.
        const TPrintedMatch match = MatchPrintedPage(printed, drawn, width, band, 160);
        EXPECT_GT(match.Ink, 100000);
        EXPECT_LT(match.Wrong, match.Ink / 1000) << match.Wrong << " of " << match.Ink << " inked pixels differ";
    }
}

TEST_F(PrintPdfTest, CopiesPrintThePagesInTurnAndARangeOnlyItsPages)
{
    std::vector<std::string> statuses;
    print_.OnPrintStatus = TPrintStatusEvent::FromCallable([&](TObject*, TSynPrintStatus Status, int PageNum, bool&) {
        statuses.push_back(std::to_string(Status) + ":" + std::to_string(PageNum));
    });
    print_.AssignFromEditor(editor_);
    print_.SetCopies(2);
    print_.Print();
    EXPECT_EQ(statuses, (std::vector<std::string>{"0:1", "1:1", "1:2", "1:1", "1:2", "2:2"}));
    std::vector<std::string> pages = PdfPages();
    ASSERT_EQ(pages.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NE(Squeezed(pages[i]).find(std::to_string(i % 2 + 1) + "/2"), std::string::npos) << pages[i];

    // The file is named for one document at a time.
    Printer().FileName = File();
    print_.SetCopies(1);
    print_.PageOffset = 4;
    print_.PrintRange(2, 2);
    pages = PdfPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(Squeezed(pages[0]).find("6/2"), std::string::npos) << pages[0];
}

TEST_F(PrintPdfTest, AnAbortStopsTheJobAndLeavesNoFile)
{
    std::vector<std::string> statuses;
    print_.OnPrintStatus = TPrintStatusEvent::FromCallable([&](TObject*, TSynPrintStatus Status, int PageNum, bool& Abort) {
        statuses.push_back(std::to_string(Status) + ":" + std::to_string(PageNum));
        Abort = Status == psNewPage && PageNum == 2;
    });
    std::vector<int> printedLines;
    print_.OnPrintLine = TPrintLineEvent::FromCallable([&](TObject*, int Line, int) { printedLines.push_back(Line); });
    print_.AssignFromEditor(editor_);
    print_.Print();
    EXPECT_EQ(statuses, (std::vector<std::string>{"0:1", "1:1", "1:2"}));
    // Page 1's lines, and none of page 2's.
    ASSERT_FALSE(printedLines.empty());
    for (size_t i = 0; i < printedLines.size(); ++i)
        EXPECT_EQ(printedLines[i], static_cast<int>(i + 1));
    EXPECT_LT(printedLines.back(), 90);
    EXPECT_FALSE(Printer().Printing());
    EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
