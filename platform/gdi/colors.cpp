#include "platform/gdi/colors.h"

#include <cstdio>
#include <iterator>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/sys_utils.h"

namespace {

// The default look: light-grey 3D faces, white windows, blue selection.
constexpr COLORREF kSysColors[SysColorCount] = {
    RGB(200, 200, 200),  // COLOR_SCROLLBAR
    RGB(0, 0, 0),        // COLOR_BACKGROUND
    RGB(153, 180, 209),  // COLOR_ACTIVECAPTION
    RGB(191, 205, 219),  // COLOR_INACTIVECAPTION
    RGB(240, 240, 240),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(100, 100, 100),  // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(0, 0, 0),        // COLOR_CAPTIONTEXT
    RGB(180, 180, 180),  // COLOR_ACTIVEBORDER
    RGB(244, 247, 252),  // COLOR_INACTIVEBORDER
    RGB(171, 171, 171),  // COLOR_APPWORKSPACE
    RGB(51, 153, 255),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240),  // COLOR_BTNFACE
    RGB(160, 160, 160),  // COLOR_BTNSHADOW
    RGB(109, 109, 109),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(67, 78, 84),     // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105),  // COLOR_3DDKSHADOW
    RGB(227, 227, 227),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: unused
    RGB(0, 102, 204),    // COLOR_HOTLIGHT
    RGB(185, 209, 234),  // COLOR_GRADIENTACTIVECAPTION
    RGB(215, 228, 242),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(51, 153, 255),   // COLOR_MENUHILIGHT
    RGB(240, 240, 240),  // COLOR_MENUBAR
};

struct ColorIdent {
    TColor Value;
    const char* Name;
};

// The colour-text table, in its stored order.
constexpr ColorIdent kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};
static_assert(std::size(kColorIdents) == 52);

}  // namespace

COLORREF GetSysColor(int Index)
{
    return Index >= 0 && Index < SysColorCount ? kSysColors[Index] : 0;
}

TColor ColorToRGB(TColor Color)
{
    uint32_t bits = static_cast<uint32_t>(Color);
    if ((bits & 0xFF000000u) == 0xFF000000u)
        return static_cast<TColor>(GetSysColor(static_cast<int>(bits & 0xFF)));
    return Color;
}

bool ColorToIdent(TColor Color, AnsiString& Ident)
{
    for (const ColorIdent& entry : kColorIdents)
        if (entry.Value == Color) {
            Ident = entry.Name;
            return true;
        }
    return false;
}

bool IdentToColor(const AnsiString& Ident, TColor& Color)
{
    for (const ColorIdent& entry : kColorIdents)
        if (SameText(entry.Name, Ident)) {
            Color = entry.Value;
            return true;
        }
    return false;
}

AnsiString ColorToString(TColor Color)
{
    AnsiString ident;
    if (ColorToIdent(Color, ident))
        return ident;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(Color));
    return text;
}

bool TryStringToColor(const AnsiString& S, TColor& Color)
{
    TColor color = 0;
    if (!IdentToColor(S, color) && !TryStrToInt(S, color))
        return false;
    Color = color;
    return true;
}

TColor StringToColor(const AnsiString& S)
{
    TColor color = 0;
    if (TryStringToColor(S, color))
        return color;
    throw EConvertError("'" + S + "' is not a valid integer value");
}

bool IsColorForm(TColor Color)
{
    const uint32_t bits = static_cast<uint32_t>(Color);
    if ((bits & 0xFF000000u) == 0)
        return true;
    if ((bits & 0xFFFFFF00u) == 0xFF000000u)
        return static_cast<int>(bits & 0xFF) < SysColorCount;
    return Color == clNone || Color == clDefault;
}
