#include "platform/gdi/font.h"

#include <algorithm>
#include <cstring>

namespace {

LOGFONT MakeLog(int32_t height, int32_t weight, uint8_t charSet, uint8_t pitchAndFamily, const char* face)
{
    LOGFONT log;
    log.lfHeight = height;
    log.lfWeight = weight;
    log.lfCharSet = charSet;
    log.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return log;
}

}  // namespace

int TGdiFont::Describe(int Size, void* Buffer) const
{
    if (!Buffer)
        return sizeof Log;
    int n = std::min<int>(Size, sizeof Log);
    std::memcpy(Buffer, &Log, static_cast<size_t>(n));
    return n;
}

void InstallStockFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    struct Stock {
        int Index;
        LOGFONT Log;
    };
    // The look of a Chinese desktop: the system and dialog fonts carry the
    // system's double-byte character set.
    const Stock stocks[] = {
        {SYSTEM_FONT, MakeLog(16, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "System")},
        {DEVICE_DEFAULT_FONT, MakeLog(16, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "System")},
        {DEFAULT_GUI_FONT, MakeLog(-12, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg")},
        {ANSI_VAR_FONT, MakeLog(13, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif")},
        {ANSI_FIXED_FONT, MakeLog(13, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier")},
        {OEM_FIXED_FONT, MakeLog(12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal")},
        {SYSTEM_FIXED_FONT, MakeLog(16, FW_NORMAL, GB2312_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys")},
    };
    for (const Stock& s : stocks)
        SetStockObject(s.Index, std::make_unique<TGdiFont>(s.Log));
}

namespace {

// Stock fonts are in place before main() for every program that links the
// font code; the explicit calls cover use during static initialisation.
const bool stockFontsInstalled = (InstallStockFonts(), true);

}  // namespace

const LOGFONT* SelectedFontLog(HFONT Font)
{
    InstallStockFonts();
    const TGdiFont* font = SelectedGdiObjectAs<TGdiFont>(Font);
    return font ? &font->Log : nullptr;
}

HFONT CreateFontIndirect(const LOGFONT& Log)
{
    InstallStockFonts();
    return static_cast<HFONT>(AddGdiObject(std::make_unique<TGdiFont>(Log)));
}

HFONT CreateFont(int Height, int Width, int Escapement, int Orientation, int Weight, unsigned Italic,
                 unsigned Underline, unsigned StrikeOut, unsigned CharSet, unsigned OutPrecision,
                 unsigned ClipPrecision, unsigned Quality, unsigned PitchAndFamily, const char* FaceName)
{
    LOGFONT log;
    log.lfHeight = Height;
    log.lfWidth = Width;
    log.lfEscapement = Escapement;
    log.lfOrientation = Orientation;
    log.lfWeight = Weight;
    log.lfItalic = static_cast<uint8_t>(Italic);
    log.lfUnderline = static_cast<uint8_t>(Underline);
    log.lfStrikeOut = static_cast<uint8_t>(StrikeOut);
    log.lfCharSet = static_cast<uint8_t>(CharSet);
    log.lfOutPrecision = static_cast<uint8_t>(OutPrecision);
    log.lfClipPrecision = static_cast<uint8_t>(ClipPrecision);
    log.lfQuality = static_cast<uint8_t>(Quality);
    log.lfPitchAndFamily = static_cast<uint8_t>(PitchAndFamily);
    if (FaceName)
        std::strncpy(log.lfFaceName, FaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(log);
}
