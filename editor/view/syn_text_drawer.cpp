#include "editor/view/syn_text_drawer.h"

#include <cstdlib>
#include <string_view>

#include "editor/document/syn_assert.h"
#include "platform/base/code_page.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_out.h"

namespace {

constexpr const char* kNoBaseFont = "SetBaseFont: 'Value' must be specified.";

bool FitsCell(const TheFontStock& stock, int charAdvance, int charHeight)
{
    const int dbAdvance = stock.StyleDBCharAdvance();
    const bool measurable = dbAdvance != 0x7FFFFFFF;
    return (!measurable || dbAdvance <= 2 * charAdvance) && stock.StyleCharHeight() <= charHeight;
}

}  // namespace

void FitDBCSFont(TFont* Font, TheFontStock* Stock, int CharAdvance, int CharHeight)
{
    auto take = [&](int height) {
        Font->SetHeight(height);
        Stock->SetBaseFont(Font);
    };
    // Negative heights are character heights and positive ones cell heights:
    // either way the font grows away from 0.
    auto smaller = [](int height) { return height > 0 ? height - 1 : height + 1; };
    auto larger = [](int height) { return height > 0 ? height + 1 : height - 1; };

    Stock->SetBaseFont(Font);
    int steps = 0;
    while (!FitsCell(*Stock, CharAdvance, CharHeight) && steps < kMaxDBCSFitSteps && std::abs(Font->Height()) > 1) {
        take(smaller(Font->Height()));
        ++steps;
    }
    const int fitted = Font->Height();
    if (steps == 0 && fitted != 0 && FitsCell(*Stock, CharAdvance, CharHeight)) {
        take(larger(fitted));
        if (!FitsCell(*Stock, CharAdvance, CharHeight))
            take(fitted);
    }
}

TheTextDrawer::TheTextDrawer(TFontStyles ExtentStyle, TFont* BaseFont)
{
    if (!BaseFont)
        throw EheTextDrawerException(kNoBaseFont);
    unicodeFont_ = std::make_unique<TFont>();
    unicodeFont_->Assign(BaseFont);
    unicodeFontStock_ = std::make_unique<TheFontStock>(unicodeFont_.get());
    fontStock_ = std::make_unique<TheFontStock>(BaseFont);
    extentStyle_ = ExtentStyle;
    SetBaseFont(BaseFont);
    SetForeground(clWindowText);
    SetBackground(clWindow);
}

TheTextDrawer::~TheTextDrawer() = default;

void TheTextDrawer::StartDrawing(HDC DC)
{
    if (DC && DC == dc_) {
        ++drawingCount_;
        return;
    }
    SynAssert(dc_ == nullptr && DC != nullptr && drawingCount_ == 0, kSynTextDrawerUnit);
    dc_ = DC;
    saveIndex_ = SaveDC(dc_);
    SelectObject(dc_, currentFont_);
    SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(foreground_)));
    SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(background_)));
    ApplyCharExtra();
    drawingCount_ = 1;
}

void TheTextDrawer::FinishDrawing()
{
    SynAssert(drawingCount_ > 0, kSynTextDrawerUnit);
    if (--drawingCount_ == 0) {
        RestoreDC(dc_, saveIndex_);
        saveIndex_ = 0;
        dc_ = nullptr;
    }
}

void TheTextDrawer::PlainTextOut(int X, int Y, const char* Text, int Length) { TextOut(dc_, X, Y, Text, Length); }

void TheTextDrawer::GridTextOut(int X, int Y, unsigned Options, const TRect& Rect, const char* Text, int Length)
{
    if (AdvanceCount() < Length)
        advances_.resize(static_cast<size_t>((Length & ~63) + 64), baseCharWidth_);

    if (!useUnicodeFont_ || Length <= 0) {
        ExtTextOut(dc_, X, Y, Options, &Rect, Text, Length, advances_.data());
        return;
    }

    // Runs go through a bitmap of the rectangle, so that runs in two fonts
    // of different heights all come out centred in it and clipped to it.
    if (IsRectEmpty(Rect))
        return;
    const TRect bounds{0, 0, Rect.Width(), Rect.Height()};
    HDC runDC = CreateCompatibleDC(dc_);
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, bounds.Right, bounds.Bottom);
    SelectObject(runDC, bitmap);
    SetTextColor(runDC, static_cast<COLORREF>(ColorToRGB(foreground_)));
    SetBkColor(runDC, static_cast<COLORREF>(ColorToRGB(background_)));
    SetBkMode(runDC, GetBkMode(dc_));
    BitBlt(runDC, 0, 0, bounds.Right, bounds.Bottom, dc_, Rect.Left, Rect.Top, SRCCOPY);

    const std::string_view text(Text, static_cast<size_t>(Length));
    int pen = X - Rect.Left;
    size_t start = 0;
    while (start < text.size()) {
        const bool doubleByte = CharLengthAt(text, start) == 2;
        size_t end = start;
        while (end < text.size() && (CharLengthAt(text, end) == 2) == doubleByte)
            end += CharLengthAt(text, end);
        const int length = static_cast<int>(end - start);
        RunTextOut(runDC, pen, Options, bounds, Text + start, length, doubleByte);
        pen += baseCharWidth_ * length;
        start = end;
    }

    BitBlt(dc_, Rect.Left, Rect.Top, bounds.Right, bounds.Bottom, runDC, 0, 0, SRCCOPY);
    DeleteDC(runDC);
    DeleteObject(bitmap);
}

void TheTextDrawer::RunTextOut(HDC DC, int X, unsigned Options, const TRect& Bounds, const char* Text, int Length,
                               bool DoubleByte)
{
    TheFontStock* stock = DoubleByte ? unicodeFontStock_.get() : fontStock_.get();
    SelectObject(DC, stock->FontHandle());
    const int top = (Bounds.Height() - stock->StyleCharHeight()) / 2;
    const TRect clip{X, Bounds.Top, Bounds.Right, Bounds.Bottom};
    ExtTextOut(DC, X, top, Options, &clip, Text, Length, advances_.data());
}

void TheTextDrawer::SetBaseFont(TFont* Value)
{
    if (!Value)
        throw EheTextDrawerException(kNoBaseFont);
    FreeAdvanceArray();
    fontStock_->SetBaseFont(Value);
    fontStock_->SelectStyle(extentStyle_);
    baseCharWidth_ = fontStock_->StyleCharAdvance();
    baseCharHeight_ = fontStock_->StyleCharHeight();
    SelectStyle(Value->Style());
    FitUnicodeFont();
}

void TheTextDrawer::SetExtentStyle(TFontStyles Value)
{
    if (Value == extentStyle_)
        return;
    extentStyle_ = Value;
    FreeAdvanceArray();
    const TFontStyles current = fontStock_->Style();
    fontStock_->SelectStyle(extentStyle_);
    baseCharWidth_ = fontStock_->StyleCharAdvance();
    baseCharHeight_ = fontStock_->StyleCharHeight();
    SelectStyle(current);
}

void TheTextDrawer::SelectStyle(TFontStyles Value)
{
    fontStock_->SelectStyle(Value);
    unicodeFontStock_->SelectStyle(Value);
    currentFont_ = fontStock_->FontHandle();
    ApplyCurrentFont();
}

void TheTextDrawer::SetForeground(TColor Value)
{
    if (Value == foreground_)
        return;
    foreground_ = Value;
    if (dc_)
        SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(foreground_)));
}

void TheTextDrawer::SetBackground(TColor Value)
{
    if (Value == background_)
        return;
    background_ = Value;
    if (dc_)
        SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(background_)));
}

void TheTextDrawer::SetCharSpacing(int Value)
{
    if (Value == charExtra_)
        return;
    charExtra_ = Value;
    ApplyCharExtra();
}

void TheTextDrawer::FreeFontHandles() { fontStock_->UnlockHandles(); }

void TheTextDrawer::SetUnicodeFontName(const AnsiString& Value)
{
    unicodeFontName_ = Value;
    FitUnicodeFont();
}

void TheTextDrawer::FreeAdvanceArray() { std::vector<int>().swap(advances_); }

void TheTextDrawer::ApplyCurrentFont()
{
    if (dc_)
        SelectObject(dc_, currentFont_);
}

void TheTextDrawer::ApplyCharExtra()
{
    if (dc_)
        SetTextCharacterExtra(dc_, charExtra_);
}

void TheTextDrawer::FitUnicodeFont()
{
    unicodeFont_->Assign(fontStock_->BaseFont());
    if (!unicodeFontName_.empty())
        unicodeFont_->SetName(unicodeFontName_);
    unicodeFont_->SetStyle({});
    FitDBCSFont(unicodeFont_.get(), unicodeFontStock_.get(), baseCharWidth_, baseCharHeight_);
}
