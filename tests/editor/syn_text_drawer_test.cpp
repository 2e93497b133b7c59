#include "editor/view/syn_text_drawer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/test_font.h"
#include "platform/gdi/text_out.h"

namespace {

// A white 32-bit bitmap in a memory DC.
struct TTestSurface {
    HDC DC = CreateCompatibleDC(nullptr);
    HBITMAP Bitmap = CreateBitmap(200, 60, 1, 32, nullptr);
    TTestSurface()
    {
        SelectObject(DC, Bitmap);
        PatBlt(DC, 0, 0, 200, 60, WHITENESS);
    }
    ~TTestSurface()
    {
        DeleteDC(DC);
        DeleteObject(Bitmap);
    }
    // '#' red ink, '-' yellow background, '.' untouched white.
    std::string Row(int Y, int X0, int X1) const
    {
        std::string row;
        for (int x = X0; x < X1; ++x) {
            const COLORREF c = GetPixel(DC, x, Y);
            row += c == RGB(255, 0, 0) ? '#' : c == RGB(255, 255, 0) ? '-' : c == RGB(255, 255, 255) ? '.' : '?';
        }
        return row;
    }
};

std::unique_ptr<TFont> TestFont(int Height, TFontStyles Style = {})
{
    auto font = std::make_unique<TFont>();
    font->SetName(kTestFontName);
    font->SetHeight(Height);
    font->SetStyle(Style);
    return font;
}

// Every font it measures is far too big.
struct TNeverFitsStock : TheFontStock {
    using TheFontStock::TheFontStock;
    int Measured = 0;
    int MeasureFont(HDC, int& CharHeight, int* DBCharAdvance) override
    {
        ++Measured;
        CharHeight = 1000;
        *DBCharAdvance = 1000;
        return 500;
    }
};

struct TRun {
    std::string Text;
    int X;
    bool DoubleByte;
    friend bool operator==(const TRun&, const TRun&) = default;
};

struct TRunRecordingDrawer : TheTextDrawer {
    using TheTextDrawer::TheTextDrawer;
    std::vector<TRun> Runs;
    void RunTextOut(HDC DC, int X, unsigned Options, const TRect& Bounds, const char* Text, int Length,
                    bool DoubleByte) override
    {
        Runs.push_back({std::string(Text, static_cast<size_t>(Length)), X, DoubleByte});
        TheTextDrawer::RunTextOut(DC, X, Options, Bounds, Text, Length, DoubleByte);
    }
};

TEST(SynTextDrawer, FontStocksShareOneRecordPerFont)
{
    TheFontsInfoManager* manager = GetFontsInfoManager();
    auto font = TestFont(-16);
    font->Handle();
    const int records = manager->Count();
    const int handles = GdiObjectCount();

    auto first = std::make_unique<TheFontStock>(font.get());
    auto second = std::make_unique<TheFontStock>(font.get());
    TheSharedFontsInfo* info = first->FontsInfo();
    EXPECT_EQ(second->FontsInfo(), info);
    EXPECT_EQ(info->RefCount, 2);
    EXPECT_EQ(info->LockCount, 2);
    EXPECT_EQ(manager->Count(), records + 1);
    EXPECT_TRUE(info->IsDBCSFont);  // the default charset is our code page's

    // Italic and underline are variants within the same record.
    auto italic = TestFont(-16, {fsItalic, fsUnderline});
    auto third = std::make_unique<TheFontStock>(italic.get());
    EXPECT_EQ(third->FontsInfo(), info);
    EXPECT_EQ(info->FontsData[0b0110].Handle, third->FontHandle());
    EXPECT_NE(third->FontHandle(), first->FontHandle());
    third.reset();
    italic.reset();

    // The double-byte advance comes from an ideograph of the code page.
    first->SelectStyle({fsBold});
    EXPECT_EQ(first->StyleCharAdvance(), 8);
    EXPECT_EQ(first->StyleCharHeight(), 16);
    EXPECT_EQ(first->StyleDBCharAdvance(), 16);

    second.reset();
    EXPECT_EQ(info->RefCount, 1);
    try {
        manager->UnrefFontsInfo(info);
        FAIL() << "a locked record was released";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Call DeactivateFontsInfo before calling this. (SynTextDrawer)");
    }
    // The last unlock deletes the handles; the next selection makes them anew.
    first->UnlockHandles();
    EXPECT_EQ(info->FontsData[1].Handle, nullptr);
    first->SelectStyle({fsBold});
    // The stock hands out the record's new handle, not the one deleted.
    ASSERT_NE(info->FontsData[1].Handle, nullptr);
    EXPECT_EQ(first->FontHandle(), info->FontsData[1].Handle);
    EXPECT_EQ(first->StyleCharAdvance(), 8);
    first.reset();
    EXPECT_EQ(manager->Count(), records);
    EXPECT_EQ(GdiObjectCount(), handles);

    TheFontStock stock(font.get());
    stock.SetBaseFont(font.get());
    EXPECT_EQ(stock.FontsInfo()->RefCount, 1);
    try {
        stock.SetBaseFont(nullptr);
        FAIL() << "no font was accepted";
    } catch (const EheFontStockException& e) {
        EXPECT_EQ(e.Message(), "SetBaseFont: 'Value' must be specified.");
    }
}

TEST(SynTextDrawer, DoubleByteFontFitEnds)
{
    // A GBK font shrinks until an ideograph takes two cells of 6 x 12.
    auto font = TestFont(-16);
    TheFontStock stock(font.get());
    FitDBCSFont(font.get(), &stock, 6, 12);
    EXPECT_EQ(font->Height(), -12);
    EXPECT_EQ(stock.StyleDBCharAdvance(), 12);
    // One that fits at once tries one size larger and keeps it if it fits.
    font->SetHeight(-16);
    FitDBCSFont(font.get(), &stock, 8, 16);
    EXPECT_EQ(font->Height(), -16);
    FitDBCSFont(font.get(), &stock, 8, 20);
    EXPECT_EQ(font->Height(), -17);
    font->SetHeight(12);  // cell heights shrink towards 0 too
    FitDBCSFont(font.get(), &stock, 5, 10);
    EXPECT_EQ(font->Height(), 10);

    // Shift-JIS has no double-byte advance on our code page: its width fits.
    font->SetHeight(-16);
    font->SetCharset(SHIFTJIS_CHARSET);
    FitDBCSFont(font.get(), &stock, 8, 16);
    EXPECT_EQ(stock.StyleDBCharAdvance(), 0x7FFFFFFF);
    EXPECT_EQ(font->Height(), -16);

    // A font that never fits stops at the bound, or before height 0.
    auto first = TestFont(-3);
    TNeverFitsStock never(first.get());
    auto huge = TestFont(-100);
    FitDBCSFont(huge.get(), &never, 8, 16);
    EXPECT_EQ(huge->Height(), -100 + kMaxDBCSFitSteps);
    EXPECT_EQ(never.Measured, kMaxDBCSFitSteps + 1);
    auto tiny = TestFont(-5);
    FitDBCSFont(tiny.get(), &never, 8, 16);
    EXPECT_EQ(tiny->Height(), -1);
}

TEST(SynTextDrawer, GridTextOutDrawsOnTheGrid)
{
    auto font = TestFont(-16);
    TRunRecordingDrawer drawer({fsBold}, font.get());
    EXPECT_EQ(drawer.BaseCharWidth(), 8);
    TTestSurface surface;
    drawer.SetForeground(clRed);
    drawer.SetBackground(clYellow);
    drawer.StartDrawing(surface.DC);

    // The plain path: a cell a byte, 說 two cells, at the y given.
    const std::string text = "ab說c";
    drawer.GridTextOut(0, 0, ETO_OPAQUE, Rect(0, 0, 48, 16), text.data(), 5);
    const std::string ink = "-######--######--##############--######---------";
    EXPECT_EQ(surface.Row(5, 0, 48), ink);
    EXPECT_EQ(surface.Row(1, 0, 48), std::string(48, '-'));
    EXPECT_EQ(drawer.AdvanceCount(), 64);
    const std::string longText(65, 'x');
    drawer.GridTextOut(0, 40, 0, Rect(0, 40, 200, 56), longText.data(), 65);
    EXPECT_EQ(drawer.AdvanceCount(), 128);
    EXPECT_EQ(surface.Row(45, 190, 200), "#--######-");  // cells 23 and 24
    drawer.SelectStyle({fsBold});
    drawer.GridTextOut(0, 20, ETO_OPAQUE, Rect(0, 20, 16, 36), "aa", 2);
    EXPECT_EQ(surface.Row(25, 0, 16), "-#######-#######");
    drawer.SelectStyle({});
    EXPECT_TRUE(drawer.Runs.empty());

    // The double-byte path: runs by character class, centred in the
    // rectangle whatever the y.
    drawer.SetUnicodeFontName(kTestFontName);
    drawer.SetUseUnicodeFont(true);
    PatBlt(surface.DC, 0, 0, 200, 60, WHITENESS);
    drawer.GridTextOut(100, 999, ETO_OPAQUE, Rect(100, 30, 148, 50), text.data(), 5);
    EXPECT_EQ(drawer.Runs, (std::vector<TRun>{{"ab", 0, false}, {"說", 16, true}, {"c", 32, false}}));
    EXPECT_EQ(surface.Row(30 + 3, 100, 148), std::string(48, '-'));
    EXPECT_EQ(surface.Row(30 + 4, 100, 148), ink);
    EXPECT_EQ(surface.Row(30 + 14, 100, 148), ink);
    EXPECT_EQ(surface.Row(30 + 15, 100, 148), std::string(48, '-'));
    EXPECT_EQ(surface.Row(29, 96, 150), std::string(54, '.'));

    // Trail bytes that look like ASCII stay with their lead byte; a last
    // single byte goes back to the base font.
    const std::vector<std::pair<std::string, std::vector<TRun>>> cases = {
        {"說a", {{"說", 8, true}, {"a", 24, false}}},
        {"a說門b", {{"a", 8, false}, {"說門", 16, true}, {"b", 48, false}}},
        {"中中\xD6", {{"中中", 8, true}, {"\xD6", 40, false}}},
    };
    for (const auto& [line, runs] : cases) {
        drawer.Runs.clear();
        drawer.GridTextOut(108, 0, 0, Rect(100, 0, 200, 20), line.data(), static_cast<int>(line.size()));
        EXPECT_EQ(drawer.Runs, runs) << line;
    }
    drawer.FinishDrawing();

    auto bigger = TestFont(-20);
    drawer.SetBaseFont(bigger.get());
    EXPECT_EQ(drawer.AdvanceCount(), 0);  // its entries had the old width
    EXPECT_EQ(drawer.BaseCharWidth(), 10);
}

TEST(SynTextDrawer, DrawingBracketsRestoreTheContext)
{
    auto font = TestFont(-16);
    TheTextDrawer drawer({fsBold}, font.get());
    TTestSurface surface;
    TTestSurface other;
    SetTextColor(surface.DC, RGB(1, 2, 3));

    drawer.StartDrawing(surface.DC);
    drawer.StartDrawing(surface.DC);
    EXPECT_EQ(GetTextColor(surface.DC), static_cast<COLORREF>(ColorToRGB(clWindowText)));
    drawer.SetForeground(clLime);
    drawer.SetCharSpacing(3);
    EXPECT_EQ(GetTextColor(surface.DC), RGB(0, 255, 0));
    EXPECT_EQ(GetTextCharacterExtra(surface.DC), 3);
    EXPECT_THROW(drawer.StartDrawing(other.DC), EAssertionFailed);
    drawer.FinishDrawing();
    drawer.FinishDrawing();
    EXPECT_EQ(GetTextColor(surface.DC), RGB(1, 2, 3));
    EXPECT_EQ(GetTextCharacterExtra(surface.DC), 0);
    try {
        drawer.FinishDrawing();
        FAIL() << "an unbalanced FinishDrawing passed";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Assertion failure (SynTextDrawer)");
    }
    EXPECT_THROW(drawer.SetBaseFont(nullptr), EheTextDrawerException);
    EXPECT_THROW(TheTextDrawer({}, nullptr), EheTextDrawerException);
}

}  // namespace
