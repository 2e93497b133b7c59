#include "editor_services/settings/syn_options_fonts.h"

#include <cmath>
#include <cstring>
#include <string>

#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_families.h"
#include "platform/win/window_dc.h"

namespace {

constexpr int StandardSizes[] = {8, 9, 10, 11, 12, 14, 15, 16, 18, 20, 22, 24, 26, 28, 36, 42, 48, 72};

// Every entry of the list is a number this file put there.
void InsertSize(TStrings* Sizes, int Size)
{
    int i = 0;
    for (; i < Sizes->Count(); ++i) {
        const int listed = StrToInt(Sizes->Strings(i));
        if (listed == Size)
            return;
        if (listed > Size)
            break;
    }
    Sizes->Insert(i, std::to_string(Size));
}

struct TEnumSizes {
    TStrings* Sizes;
    int PixelsPerInch;
};

int EnumSize(const LOGFONT*, const TEXTMETRIC* Metrics, uint32_t FontType, intptr_t Data)
{
    auto* e = reinterpret_cast<TEnumSizes*>(Data);
    return AddEnumeratedSizes(e->Sizes, *Metrics, FontType, e->PixelsPerInch) ? 1 : 0;
}

int EnumFixedPitch(const LOGFONT* Font, const TEXTMETRIC*, uint32_t, intptr_t Data)
{
    if ((Font->lfPitchAndFamily & PITCH_MASK) == FIXED_PITCH)
        reinterpret_cast<TStrings*>(Data)->Add(Font->lfFaceName);
    return 1;
}

}  // namespace

bool AddEnumeratedSizes(TStrings* Sizes, const TEXTMETRIC& Metrics, uint32_t FontType, int PixelsPerInch)
{
    if (FontType & TRUETYPE_FONTTYPE) {
        for (int size : StandardSizes)
            InsertSize(Sizes, size);
        return false;
    }
    const double points = (Metrics.tmHeight - Metrics.tmInternalLeading) * 72.0 / PixelsPerInch;
    InsertSize(Sizes, static_cast<int>(std::lround(points)));
    return true;
}

void ListFontSizes(const AnsiString& Family, TStrings* Sizes)
{
    HDC dc = GetDC(nullptr);
    TEnumSizes e{Sizes, GetDeviceCaps(dc, LOGPIXELSY)};
    LOGFONT log;
    std::strncpy(log.lfFaceName, Family.c_str(), LF_FACESIZE - 1);
    log.lfCharSet = DEFAULT_CHARSET;
    Sizes->Clear();
    EnumFontFamiliesEx(dc, &log, EnumSize, reinterpret_cast<intptr_t>(&e), 0);
    ReleaseDC(nullptr, dc);
}

void ListFixedPitchFamilies(TStrings* Families)
{
    LOGFONT log;
    log.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesEx(nullptr, &log, EnumFixedPitch, reinterpret_cast<intptr_t>(Families), 0);
}
