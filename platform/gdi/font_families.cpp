#include "platform/gdi/font_families.h"

#include <cstring>

#include "platform/base/code_page.h"
#include "platform/gdi/font_matching.h"

int EnumFontFamiliesEx(HDC, const LOGFONT* Log, FONTENUMPROC Proc, intptr_t Data, uint32_t)
{
    const AnsiString wanted(Log->lfFaceName, strnlen(Log->lfFaceName, LF_FACESIZE));
    int result = 1;
    for (const TFontFamily& family : GetFontFamilies()) {
        if (!wanted.empty() && !SameText(wanted, family.FaceName))
            continue;
        if (Log->lfCharSet != DEFAULT_CHARSET && Log->lfCharSet != family.CharSet)
            continue;
        LOGFONT log;
        std::strncpy(log.lfFaceName, family.FaceName.c_str(), LF_FACESIZE - 1);
        log.lfCharSet = family.CharSet;
        log.lfPitchAndFamily = family.PitchAndFamily;
        log.lfOutPrecision = OUT_STROKE_PRECIS;
        log.lfQuality = DRAFT_QUALITY;
        TEXTMETRIC metrics;
        metrics.tmCharSet = family.CharSet;
        // The metrics' pitch bit is set for a proportional face.
        const bool fixed = (family.PitchAndFamily & PITCH_MASK) == FIXED_PITCH;
        metrics.tmPitchAndFamily = static_cast<uint8_t>((family.PitchAndFamily & FAMILY_MASK) |
                                                        (fixed ? 0 : TMPF_FIXED_PITCH) |
                                                        (family.TrueType ? TMPF_TRUETYPE | TMPF_VECTOR : 0));
        result = Proc(&log, &metrics, family.TrueType ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE, Data);
        if (result == 0)
            break;
    }
    return result;
}
