#include "editor/view/syn_font_stock.h"

#include <cstdlib>

#include "editor/document/syn_assert.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"

namespace {

// An advance that no cell can hold: the font has no fixed width for
// double-byte characters.
constexpr int kNoDBCharAdvance = 0x7FFFFFFF;

// A double-byte character every double-byte font covers: an ideograph in
// GBK and Big5, a syllable in the Korean code pages.
constexpr unsigned kSampleDBChar = 0xB0A1;

int FullWidth(const ABC& abc) { return abc.abcA + static_cast<int>(abc.abcB) + abc.abcC; }

}  // namespace

TheFontStock::TheFontStock(TFont* InitialFont) { SetBaseFont(InitialFont); }

TheFontStock::~TheFontStock() { ReleaseFontsInfo(); }

void TheFontStock::SetBaseFont(TFont* Value)
{
    if (!Value)
        throw EheFontStockException("SetBaseFont: 'Value' must be specified.");
    TheSharedFontsInfo* info = GetFontsInfoManager()->FindOrAddFontsInfo(Value);
    if (info == fontsInfo_) {
        GetFontsInfoManager()->UnrefFontsInfo(info);
        return;
    }
    ReleaseFontsInfo();
    fontsInfo_ = info;
    baseLF_ = info->BaseLF;
    SelectStyle(Value->Style());
}

void TheFontStock::SelectStyle(TFontStyles Style)
{
    SynAssert(Style.Bits() <= 15, kSynTextDrawerUnit);
    UseFontHandles();
    TheFontData* data = StyleFontData(Style);
    if (data == fontData_)
        return;
    if (!data->Handle) {
        data->Style = static_cast<uint8_t>(Style.Bits());
        data->Handle = MakeStyleFont(Style);
        HDC dc = AcquireScreenDC();
        HGDIOBJ old = SelectObject(dc, data->Handle);
        data->CharAdv = MeasureFont(dc, data->CharHeight, fontsInfo_->IsDBCSFont ? &data->DBCharAdv : nullptr);
        SelectObject(dc, old);
        ReleaseScreenDC();
    }
    fontData_ = data;
    fontHandle_ = data->Handle;
    style_ = Style;
}

void TheFontStock::UnlockHandles()
{
    if (!usingFontHandles_)
        return;
    GetFontsInfoManager()->DeactivateFontsInfo(fontsInfo_);
    usingFontHandles_ = false;
    // The handles may be gone now: the next SelectStyle must look again.
    fontData_ = nullptr;
    fontHandle_ = nullptr;
}

int TheFontStock::StyleCharAdvance() const { return fontData_ ? fontData_->CharAdv : 0; }

int TheFontStock::StyleCharHeight() const { return fontData_ ? fontData_->CharHeight : 0; }

int TheFontStock::StyleDBCharAdvance() const { return fontData_ ? fontData_->DBCharAdv : 0; }

TheFontData* TheFontStock::StyleFontData(TFontStyles Style) { return &fontsInfo_->FontsData[Style.Bits()]; }

HDC TheFontStock::AcquireScreenDC()
{
    // A memory DC measures as the screen would.
    if (!dc_)
        dc_ = CreateCompatibleDC(nullptr);
    ++dcRefCount_;
    return dc_;
}

void TheFontStock::ReleaseScreenDC()
{
    SynAssert(dcRefCount_ > 0, kSynTextDrawerUnit);
    if (--dcRefCount_ == 0) {
        DeleteDC(dc_);
        dc_ = nullptr;
    }
}

HFONT TheFontStock::MakeStyleFont(TFontStyles Style)
{
    LOGFONT lf = baseLF_;
    lf.lfWeight = Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = Style.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = Style.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = Style.Contains(fsStrikeOut) ? 1 : 0;
    return CreateFontIndirect(lf);
}

int TheFontStock::MeasureFont(HDC DC, int& CharHeight, int* DBCharAdvance)
{
    TEXTMETRIC tm;
    GetTextMetrics(DC, &tm);
    ABC abc;
    const bool haveABC = GetCharABCWidths(DC, 'M', 'M', &abc);
    const int advance = haveABC ? FullWidth(abc) + tm.tmOverhang : tm.tmAveCharWidth;
    CharHeight = std::abs(tm.tmHeight);
    if (DBCharAdvance) {
        *DBCharAdvance = kNoDBCharAdvance;
        if (haveABC && fontsInfo_->IsDBCSFont) {
            if (baseLF_.lfCharSet == SHIFTJIS_CHARSET) {
                // Trusted only when two full-width characters agree and are
                // clearly wider than a single-byte one.
                ABC first;
                ABC second;
                if (GetCharABCWidths(DC, 0x8201, 0x8201, &first) && GetCharABCWidths(DC, 0x82A0, 0x82A0, &second) &&
                    2 * FullWidth(first) > 3 * advance && FullWidth(first) == FullWidth(second))
                    *DBCharAdvance = FullWidth(first);
            } else {
                ABC sample;
                if (GetCharABCWidths(DC, kSampleDBChar, kSampleDBChar, &sample) && FullWidth(sample) > 0)
                    *DBCharAdvance = FullWidth(sample);
            }
        }
    }
    return advance;
}

void TheFontStock::UseFontHandles()
{
    if (!usingFontHandles_) {
        GetFontsInfoManager()->ActivateFontsInfo(fontsInfo_);
        usingFontHandles_ = true;
    }
}

void TheFontStock::ReleaseFontsInfo()
{
    if (!fontsInfo_)
        return;
    UnlockHandles();
    GetFontsInfoManager()->UnrefFontsInfo(fontsInfo_);
    fontsInfo_ = nullptr;
}
