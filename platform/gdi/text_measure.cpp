#include "platform/gdi/text_measure.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/text_font.h"

namespace {

// The code point of a character code as GetCharABCWidths takes it.
char32_t CodePointOf(unsigned code)
{
    char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code)};
    std::string_view text = code < 256 ? std::string_view(bytes + 1, 1) : std::string_view(bytes, 2);
    size_t length = 0;
    return DecodeGbkChar(text, 0, length);
}

bool Extent(HDC DC, const std::vector<TTextChar>& chars, TSize* Size)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Size)
        return false;
    TDCFont font(*dc);
    int width = 0;
    for (const TTextChar& c : chars)
        width += font.Advance(c.Code);
    *Size = {width, font.AcrossToLogical(font.Device().Height)};
    return true;
}

template <typename Visit>
bool ForEachCode(HDC DC, unsigned First, unsigned Last, const void* Out, Visit&& visit)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Out || First > Last)
        return false;
    TDCFont font(*dc);
    for (unsigned code = First;; ++code) {
        visit(font, code - First, CodePointOf(code));
        if (code == Last)
            break;
    }
    return true;
}

}  // namespace

bool GetTextMetrics(HDC DC, TEXTMETRIC* Metrics)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Metrics)
        return false;
    TDCFont font(*dc);
    const TFontMetrics& m = font.Device();
    TEXTMETRIC tm;
    tm.tmHeight = font.AcrossToLogical(m.Height);
    tm.tmAscent = font.AcrossToLogical(m.Ascent);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = font.AcrossToLogical(m.InternalLeading);
    tm.tmExternalLeading = font.AcrossToLogical(m.ExternalLeading);
    tm.tmAveCharWidth = font.AlongToLogical(m.AveCharWidth);
    tm.tmMaxCharWidth = font.AlongToLogical(m.MaxCharWidth);
    tm.tmWeight = m.Weight;
    tm.tmItalic = m.Italic ? 1 : 0;
    tm.tmUnderlined = m.Underline ? 1 : 0;
    tm.tmStruckOut = m.StrikeOut ? 1 : 0;
    tm.tmPitchAndFamily = static_cast<uint8_t>((m.FixedPitch ? 0 : TMPF_FIXED_PITCH) |
                                               (m.TrueType ? TMPF_TRUETYPE | TMPF_VECTOR : 0) | m.Family);
    tm.tmCharSet = m.CharSet;
    *Metrics = tm;
    return true;
}

bool GetTextExtentPoint32(HDC DC, const char* Text, int Count, TSize* Size)
{
    if (Count < 0 || (Count > 0 && !Text))
        return false;
    return Extent(DC, DecodeAnsiText(std::string_view(Text ? Text : "", static_cast<size_t>(Count))), Size);
}

bool GetTextExtentPoint32W(HDC DC, const char16_t* Text, int Count, TSize* Size)
{
    if (Count < 0 || (Count > 0 && !Text))
        return false;
    return Extent(DC, DecodeWideText(std::u16string_view(Text ? Text : u"", static_cast<size_t>(Count))), Size);
}

bool GetTextExtentExPoint(HDC DC, const char* Text, int Count, int MaxExtent, int* Fit, int* Dx, TSize* Size)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Size || Count < 0 || (Count > 0 && !Text))
        return false;
    TDCFont font(*dc);
    const std::vector<TTextChar> chars = DecodeAnsiText(std::string_view(Text ? Text : "", static_cast<size_t>(Count)));
    int width = 0;
    int fit = 0;
    int unit = 0;
    for (const TTextChar& c : chars) {
        width += font.Advance(c.Code);
        for (int k = 0; k < c.Units; ++k, ++unit)
            if (Dx)
                Dx[unit] = width;
        if (width <= MaxExtent && fit == unit - c.Units)
            fit = unit;
    }
    if (Fit)
        *Fit = fit;
    *Size = {width, font.AcrossToLogical(font.Device().Height)};
    return true;
}

bool GetCharABCWidths(HDC DC, unsigned First, unsigned Last, ABC* Widths)
{
    return ForEachCode(DC, First, Last, Widths, [&](TDCFont& font, unsigned i, char32_t code) {
        const TGlyph& g = font.Instance().Glyph(code);
        Widths[i].abcA = font.AlongToLogical(g.A);
        Widths[i].abcB = static_cast<uint32_t>(font.AlongToLogical(g.B));
        Widths[i].abcC = font.AlongToLogical(g.Advance()) - Widths[i].abcA - static_cast<int32_t>(Widths[i].abcB);
    });
}

bool GetCharWidth(HDC DC, unsigned First, unsigned Last, int* Widths)
{
    return ForEachCode(DC, First, Last, Widths,
                       [&](TDCFont& font, unsigned i, char32_t code) { Widths[i] = font.CharWidth(code); });
}

bool GetCharWidth32(HDC DC, unsigned First, unsigned Last, int* Widths)
{
    return GetCharWidth(DC, First, Last, Widths);
}

unsigned GetFontLanguageInfo(HDC DC)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return GCP_ERROR;
    TDCFont font(*dc);
    return IsDoubleByteCharSet(font.Log().lfCharSet) ? GCP_DBCS : 0;
}

int GetTextFace(HDC DC, int Count, char* FaceName)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return 0;
    TDCFont font(*dc);
    const AnsiString& name = font.Device().FaceName;
    const int needed = static_cast<int>(name.size()) + 1;
    if (!FaceName)
        return needed;
    if (Count <= 0)
        return 0;
    const int copied = std::min(needed - 1, Count - 1);
    std::memcpy(FaceName, name.data(), static_cast<size_t>(copied));
    FaceName[copied] = '\0';
    return copied + 1;
}
