// The printer DC: a test document of text in two fonts (ASCII and GBK),
// lines, figures, a filled rectangle and a bitmap made into PDF, read back
// with poppler's tools: its text (Chinese included), its page count, and
// page 1 rendered at 600 dpi against the same calls on a raster DC.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/printer_dc.h"
#include "platform/gdi/text_out.h"
#include "tests/support/printed_page.h"
#include "text_test_support.h"

namespace {

// A small sheet keeps the 600 dpi pictures small: 2 by 1.5 inches.
const TPageSetup kSheet{TSize{1200, 900}, TPoint{0, 0}, TSize{1200, 900}};

void Text(HDC dc, int x, int y, const char* text) { TextOut(dc, x, y, text, static_cast<int>(std::strlen(text))); }

// The page both kinds of DC draw, through the same calls.
void DrawPage(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    {
        TSelectedFont font(dc, FontLog("Arial", -90));
        Text(dc, 40, 30, "Tandril notes");
    }
    {
        TSelectedFont font(dc, FontLog("Courier New", -90));
        SetTextColor(dc, 0x00800000);
        Text(dc, 40, 160, "GBK 說門這乗中");
    }
    HPEN pen = CreatePen(PS_SOLID, 8, 0x000000FF);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, 40, 320, nullptr);
    LineTo(dc, 1100, 320);
    HBRUSH green = CreateSolidBrush(0x0000A000);
    HGDIOBJ oldBrush = SelectObject(dc, green);
    Ellipse(dc, 700, 400, 1000, 600);
    const TPoint triangle[] = {{1050, 420}, {1150, 620}, {950, 620}};
    Polygon(dc, triangle, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    DeleteObject(green);
    HBRUSH blue = CreateSolidBrush(0x00FF0000);
    const TRect box{40, 400, 640, 600};
    FillRect(dc, &box, blue);
    DeleteObject(blue);

    // A 4 x 4 picture of coloured squares, stretched 50 times.
    const uint32_t pixels[16] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0x00FF00, 0x0000FF, 0x000000, 0xFF0000,
                                 0x0000FF, 0x000000, 0xFF0000, 0x00FF00, 0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    HBITMAP picture = CreateBitmap(4, 4, 1, 32, pixels);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ oldPicture = SelectObject(source, picture);
    StretchBlt(dc, 40, 660, 200, 200, source, 0, 0, 4, 4, SRCCOPY);
    BitBlt(dc, 300, 700, 4, 4, source, 0, 0, SRCCOPY);
    SelectObject(source, oldPicture);
    DeleteDC(source);
    DeleteObject(picture);
}

std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

class PrinterDCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/printer-dc-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

    // The document with the test page and a second page, as a PDF file.
    std::string PrintDocument()
    {
        HDC dc = CreatePrinterDC(kSheet);
        TPrinterDC* printer = PrinterDCOf(dc);
        printer->StartDoc();
        printer->StartPage();
        DrawPage(dc);
        printer->EndPage();
        printer->StartPage();
        {
            TSelectedFont font(dc, FontLog("Arial", -90));
            Text(dc, 40, 40, "Page two");
        }
        std::string pdf;
        EXPECT_TRUE(printer->EndDoc(pdf));
        DeleteDC(dc);
        const std::string file = folder_ + "/doc.pdf";
        std::ofstream(file, std::ios::binary) << pdf;
        return file;
    }

    std::string folder_;
};

TEST_F(PrinterDCTest, AnswersThePageGeometryAt600Dpi)
{
    HDC dc = CreatePrinterDC(PageSetupFor(PaperSizes()[0], false));
    EXPECT_EQ(std::string(PaperSizes()[0].Name), "A4");
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 4961);  // 210 mm
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 7016);  // 297 mm
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 0);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4961);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 7016);
    DeleteDC(dc);

    const TPaperSize& letter = PaperSizes()[1];
    TPageSetup landscape = PageSetupFor(letter, true);
    EXPECT_EQ(landscape.Paper.cx, 6600);  // 11 inches
    EXPECT_EQ(landscape.Paper.cy, 5100);  // 8.5 inches
    dc = CreatePrinterDC(TPageSetup{TSize{5100, 6600}, TPoint{100, 120}, TSize{4900, 6360}});
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 100);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 120);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4900);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 6360);
    DeleteDC(dc);
}

TEST_F(PrinterDCTest, TextStaysTextAndPagesAreCounted)
{
    const std::string file = PrintDocument();
    const std::string info = Output("pdfinfo '" + file + "'");
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       144 x 108 pts"), std::string::npos) << info;
    const std::string text = Output("pdftotext -enc UTF-8 '" + file + "' -");
    EXPECT_NE(text.find("Tandril notes"), std::string::npos) << text;
    // 說門這乗中 in UTF-8.
    EXPECT_NE(text.find("GBK \xE8\xAA\xAA\xE9\x96\x80\xE9\x80\x99\xE4\xB9\x97\xE4\xB8\xAD"), std::string::npos) << text;
    EXPECT_NE(text.find("Page two"), std::string::npos) << text;
    // Both fonts went in as fonts, the Chinese one subset.
    const std::string fonts = Output("pdffonts '" + file + "'");
    EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("DejaVuSansMono"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("WenQuanYi"), std::string::npos) << fonts;
}

TEST_F(PrinterDCTest, PageOneMatchesTheRasterDrawingOfTheSamePage)
{
    const std::string file = PrintDocument();
    Output("pdftoppm -r 600 -f 1 -l 1 -gray '" + file + "' '" + folder_ + "/page'");
    int width = 0, height = 0;
    std::string printed;
    ASSERT_TRUE(ReadPgm(folder_ + "/page-1.pgm", width, height, printed));
    ASSERT_EQ(width, kSheet.Paper.cx);
    ASSERT_EQ(height, kSheet.Paper.cy);

    TTestCanvas canvas(width, height);
    canvas.Fill(kWhite);
    DrawPage(canvas.DC);
    std::vector<int> drawn(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            drawn[static_cast<size_t>(y * width + x)] = PopplerGrey(canvas.At(x, y));
    const TPrintedMatch match = MatchPrintedPage(printed, drawn, width, height, 100);
    ASSERT_GT(match.Ink, 100000);
    EXPECT_LT(match.Wrong, match.Ink / 1000) << match.Wrong << " of " << match.Ink << " inked pixels differ";
}

// Notes pasted from anywhere hold bytes GBK has no Unicode for; the page
// prints with them (drawn as the screen draws them) and the text around
// them stays searchable.
TEST_F(PrinterDCTest, BytesWithNoUnicodeFormStillPrintAndKeepTheTextAround)
{
    const char* const unmapped[] = {"\xD7\xFA", "\xA2\xA0", "\xAA\xA1", "\xF8\xA1", "\xFE\xFE",
                                    "\xFE\x50", "\x80",     "\xFF"};
    HDC dc = CreatePrinterDC(kSheet);
    TPrinterDC* printer = PrinterDCOf(dc);
    printer->StartDoc();
    printer->StartPage();
    std::vector<std::string> lines;
    for (const char* bytes : unmapped)
        lines.push_back("A" + std::string(bytes) + " B");  // FA 42 would be one character
    lines.push_back("A\xD6");  // a lead byte that ends the text
    {
        TSelectedFont font(dc, FontLog("Arial", -60));
        int y = 20;
        for (const std::string& line : lines) {
            TextOut(dc, 40, y, line.data(), static_cast<int>(line.size()));
            y += 80;
        }
    }
    std::string pdf;
    ASSERT_TRUE(printer->EndDoc(pdf));
    DeleteDC(dc);
    const std::string file = folder_ + "/odd.pdf";
    std::ofstream(file, std::ios::binary) << pdf;
    const std::string text = Output("pdftotext -enc UTF-8 '" + file + "' -");
    std::istringstream read(text);
    std::string line;
    std::vector<std::string> found;
    while (std::getline(read, line))
        if (!line.empty() && line.front() == 'A')
            found.push_back(line);
    ASSERT_EQ(found.size(), lines.size()) << text;
    for (size_t i = 0; i + 1 < found.size(); ++i) {
        EXPECT_EQ(found[i].rfind("A\xEF\xBF\xBD", 0), 0u) << found[i];
        EXPECT_EQ(found[i].substr(found[i].size() - 2), " B") << found[i];
    }
    EXPECT_EQ(found.back(), "A\xEF\xBF\xBD");
}

TEST_F(PrinterDCTest, AnAbortedDocumentLeavesNoBytesAndTheDCDrawsNowhere)
{
    HDC dc = CreatePrinterDC(kSheet);
    TPrinterDC* printer = PrinterDCOf(dc);
    printer->StartDoc();
    printer->StartPage();
    DrawPage(dc);
    printer->AbortDoc();
    EXPECT_FALSE(printer->InDoc());
    DrawPage(dc);  // no document: nothing to draw on, and no failure
    std::string pdf;
    EXPECT_FALSE(printer->EndDoc(pdf));
    EXPECT_TRUE(pdf.empty());
    DeleteDC(dc);
}

}  // namespace
