// The caption half of the shared drawing routines: one-line, clipped and
// wrapped captions, shortening with "...", and wide text.
#include "platform/base/code_page.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_draw_utils.h"

namespace {

bool IsFontHeightOdd(TCanvas* Canvas) { return Canvas->Font()->Height() % 2 != 0; }

int LineWidth(TCanvas* Canvas, const AnsiString& Text)
{
    TRect r{};
    Canvas->TextRect(r, Text, DT_CALCRECT);
    return r.Width();
}

void DrawOneLine(TCanvas* Canvas, const AnsiString& Caption, TRect Rect, bool WidenForW, unsigned Flags)
{
    if (Caption.empty())
        return;
    // A leading 'W' overhangs its cell in the skins' fonts; 2 more pixels
    // keep it from being clipped.
    if (WidenForW && Caption[0] == 'W')
        Rect.Right += 2;
    if (IsFontHeightOdd(Canvas))
        --Rect.Top;
    Canvas->TextRect(Rect, Caption, Flags);
}

// Drops the last Count characters of S, a double-byte one as a whole.
void DropLastChars(AnsiString& S, int Count)
{
    for (; Count > 0 && !S.empty(); --Count)
        S.erase(CharStartOf(S, S.size() - 1));
}

int CharCount(const AnsiString& S)
{
    int count = 0;
    for (size_t i = 0; i < S.size(); i += CharLengthAt(S, i))
        ++count;
    return count;
}

}  // namespace

void DrawCaptionCentered(TCanvas* Canvas, const AnsiString& Caption, TRect Rect)
{
    DrawOneLine(Canvas, Caption, Rect, true, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawCaptionLeft(TCanvas* Canvas, const AnsiString& Caption, TRect Rect)
{
    DrawOneLine(Canvas, Caption, Rect, true, DT_VCENTER | DT_SINGLELINE);
}

void DrawCaptionLeftPlain(TCanvas* Canvas, const AnsiString& Caption, TRect Rect)
{
    DrawOneLine(Canvas, Caption, Rect, false, DT_VCENTER | DT_SINGLELINE);
}

void DrawCaptionAligned(TCanvas* Canvas, const AnsiString& Caption, TRect Rect, int Alignment)
{
    static constexpr unsigned kAlignments[] = {0, DT_RIGHT, DT_CENTER};
    if (Alignment < 0 || Alignment > 2)
        return;
    DrawOneLine(Canvas, Caption, Rect, false, DT_VCENTER | DT_SINGLELINE | kAlignments[Alignment]);
}

void DrawCaptionClipped(TCanvas* Canvas, const AnsiString& Caption, const TRect& Rect)
{
    if (Caption.empty())
        return;
    int y = Rect.Top + RectHeight(Rect) / 2 - Canvas->TextHeight(Caption) / 2;
    if (IsFontHeightOdd(Canvas))
        --y;
    Canvas->TextRect(Rect, Rect.Left + 2, y, Caption);
}

AnsiString WrapCaptionText(TCanvas* Canvas, const AnsiString& Caption, int Width, bool BreakWords)
{
    AnsiString result;
    AnsiString line;
    bool skipping = false;
    for (size_t i = 0; i < Caption.size();) {
        const size_t length = CharLengthAt(Caption, i);
        const AnsiString c = Caption.substr(i, length);
        i += length;
        const bool space = c == " ";
        line += c;
        if (BreakWords) {
            if (LineWidth(Canvas, line) > Width && !space) {
                result += ' ';
                result += c;
                line.clear();
            } else {
                result += c;
                if (space)
                    line.clear();
            }
            continue;
        }
        if (space)
            skipping = false;
        if (skipping)
            continue;
        if (space || LineWidth(Canvas, line) <= Width) {
            result += c;
            if (space)
                line.clear();
        } else {
            if (CharCount(result) > 3) {
                DropLastChars(result, 3);
                result += "...";
            }
            result += ' ';
            line.clear();
            skipping = true;
        }
    }
    return result;
}

void DrawCaptionWrapped(TCanvas* Canvas, const AnsiString& Caption, TRect Rect, bool BreakWords)
{
    AnsiString text = WrapCaptionText(Canvas, Caption, RectWidth(Rect), BreakWords);
    if (IsFontHeightOdd(Canvas))
        --Rect.Top;
    Canvas->TextRect(Rect, text, DT_CENTER | DT_WORDBREAK);
}

void TruncateText(TCanvas* Canvas, AnsiString& S, int MaxWidth)
{
    // Widths add up character by character: one pass finds both the whole
    // width and the longest start of whole characters that fits beside the
    // dots.
    const int dots = Canvas->TextWidth("...");
    Canvas->RequiredState({csHandleValid, csFontValid});
    int fit = 0;
    TSize size;
    GetTextExtentExPoint(Canvas->Handle(), S.data(), static_cast<int>(S.size()), MaxWidth - dots, &fit, nullptr, &size);
    if (size.cx <= MaxWidth)
        return;
    S.resize(static_cast<size_t>(fit));
    S += "...";
}

int DrawTextUnicode(TCanvas* Canvas, const std::u16string& S, TRect& Rect, unsigned Flags)
{
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    return DrawTextW(Canvas->Handle(), S.data(), static_cast<int>(S.size()), &Rect, Flags);
}

int GetTextWidthW(TCanvas* Canvas, const std::u16string& S)
{
    TRect r{};
    DrawTextUnicode(Canvas, S, r, DT_CALCRECT);
    return r.Width();
}

int GetTextHeightW(TCanvas* Canvas, const std::u16string& S)
{
    TRect r{};
    DrawTextUnicode(Canvas, S, r, DT_CALCRECT);
    return r.Height();
}

void TruncateTextW(TCanvas* Canvas, std::u16string& S, int MaxWidth)
{
    if (GetTextWidthW(Canvas, S) <= MaxWidth)
        return;
    while (!S.empty() && GetTextWidthW(Canvas, S + u"...") > MaxWidth) {
        // A surrogate pair is one character.
        size_t cut = S.size() - 1;
        if (cut > 0 && S[cut] >= 0xDC00 && S[cut] <= 0xDFFF && S[cut - 1] >= 0xD800 && S[cut - 1] <= 0xDBFF)
            --cut;
        S.erase(cut);
    }
    S += u"...";
}
