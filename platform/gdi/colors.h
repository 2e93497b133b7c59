// Colours. A TColor is 0x00BBGGRR for a plain colour (red in the low byte);
// 0xFF0000nn names system colour nn, resolved through the default look's
// table; clNone and clDefault are markers, not colours. A COLORREF is what
// the raster engine takes and gives back: always a plain 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/ansi_string.h"

using TColor = int32_t;
using COLORREF = uint32_t;

// GetPixel's answer for a point outside the bitmap or the clip region.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr uint8_t GetRValue(uint32_t c) { return static_cast<uint8_t>(c); }
constexpr uint8_t GetGValue(uint32_t c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t GetBValue(uint32_t c) { return static_cast<uint8_t>(c >> 16); }

// System colour indexes, as GetSysColor takes them.
enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_DESKTOP = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_3DFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_3DSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_BTNHILIGHT = 20,
    COLOR_3DHIGHLIGHT = 20,
    COLOR_3DHILIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};
inline constexpr int SysColorCount = 31;

// The colour of system colour Index in the default look; 0 for an index
// outside the table.
COLORREF GetSysColor(int Index);

// System colours resolved through GetSysColor (the index is the low byte);
// every other value, clNone and clDefault included, is returned unchanged.
TColor ColorToRGB(TColor Color);

inline constexpr TColor TColorOf(uint32_t v) { return static_cast<TColor>(v); }

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clMaroon = 0x00000080;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clOlive = 0x00008080;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clTeal = 0x00808000;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clMoneyGreen = 0x00C0DCC0;
inline constexpr TColor clSkyBlue = 0x00F0CAA6;
inline constexpr TColor clCream = 0x00F0FBFF;
inline constexpr TColor clMedGray = 0x00A4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = TColorOf(0xFF000000 | COLOR_SCROLLBAR);
inline constexpr TColor clBackground = TColorOf(0xFF000000 | COLOR_BACKGROUND);
inline constexpr TColor clActiveCaption = TColorOf(0xFF000000 | COLOR_ACTIVECAPTION);
inline constexpr TColor clInactiveCaption = TColorOf(0xFF000000 | COLOR_INACTIVECAPTION);
inline constexpr TColor clMenu = TColorOf(0xFF000000 | COLOR_MENU);
inline constexpr TColor clWindow = TColorOf(0xFF000000 | COLOR_WINDOW);
inline constexpr TColor clWindowFrame = TColorOf(0xFF000000 | COLOR_WINDOWFRAME);
inline constexpr TColor clMenuText = TColorOf(0xFF000000 | COLOR_MENUTEXT);
inline constexpr TColor clWindowText = TColorOf(0xFF000000 | COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = TColorOf(0xFF000000 | COLOR_CAPTIONTEXT);
inline constexpr TColor clActiveBorder = TColorOf(0xFF000000 | COLOR_ACTIVEBORDER);
inline constexpr TColor clInactiveBorder = TColorOf(0xFF000000 | COLOR_INACTIVEBORDER);
inline constexpr TColor clAppWorkSpace = TColorOf(0xFF000000 | COLOR_APPWORKSPACE);
inline constexpr TColor clHighlight = TColorOf(0xFF000000 | COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = TColorOf(0xFF000000 | COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = TColorOf(0xFF000000 | COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = TColorOf(0xFF000000 | COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = TColorOf(0xFF000000 | COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = TColorOf(0xFF000000 | COLOR_BTNTEXT);
inline constexpr TColor clInactiveCaptionText = TColorOf(0xFF000000 | COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = TColorOf(0xFF000000 | COLOR_BTNHIGHLIGHT);
inline constexpr TColor cl3DDkShadow = TColorOf(0xFF000000 | COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = TColorOf(0xFF000000 | COLOR_3DLIGHT);
inline constexpr TColor clInfoText = TColorOf(0xFF000000 | COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = TColorOf(0xFF000000 | COLOR_INFOBK);
inline constexpr TColor clHotLight = TColorOf(0xFF000000 | COLOR_HOTLIGHT);
inline constexpr TColor clGradientActiveCaption = TColorOf(0xFF000000 | COLOR_GRADIENTACTIVECAPTION);
inline constexpr TColor clGradientInactiveCaption = TColorOf(0xFF000000 | COLOR_GRADIENTINACTIVECAPTION);
inline constexpr TColor clMenuHighlight = TColorOf(0xFF000000 | COLOR_MENUHILIGHT);
inline constexpr TColor clMenuBar = TColorOf(0xFF000000 | COLOR_MENUBAR);

// Colour text: the identifier of the table when the value has one, else "$"
// and eight upper-case hexadecimal digits.
AnsiString ColorToString(TColor Color);
// Reads an identifier (any case) or an integer, decimal or "$"-hexadecimal;
// anything else raises EConvertError.
TColor StringToColor(const AnsiString& S);
// StringToColor without the exception: false, Color untouched, for a text
// that is neither a colour name nor a number.
bool TryStringToColor(const AnsiString& S, TColor& Color);
// The forms a colour takes: an RGB value, a system colour of the table,
// clNone or clDefault. Any other number is no colour (a damaged setting).
bool IsColorForm(TColor Color);
bool ColorToIdent(TColor Color, AnsiString& Ident);
bool IdentToColor(const AnsiString& Ident, TColor& Color);
