#include "platform/win/system_parameters.h"

#include "platform/win/backend.h"
#include "platform/win/system_metrics.h"

namespace {

// The fonts of the default look follow the GUI font of the font layer.
LOGFONT GuiFont(bool bold)
{
    InstallStockFonts();
    LOGFONT font;
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (bold)
        font.lfWeight = FW_BOLD;
    return font;
}

void FillNonClientMetrics(NONCLIENTMETRICS& m)
{
    m.iBorderWidth = GetSystemMetrics(SM_CXFRAME);
    m.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    m.iScrollHeight = GetSystemMetrics(SM_CYVSCROLL);
    m.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    m.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    m.lfCaptionFont = GuiFont(true);
    m.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
    m.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
    m.lfSmCaptionFont = GuiFont(true);
    m.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
    m.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
    m.lfMenuFont = GuiFont(false);
    m.lfStatusFont = GuiFont(false);
    m.lfMessageFont = GuiFont(false);
    m.iPaddedBorderWidth = GetSystemMetrics(SM_CXPADDEDBORDER);
}

template <typename T>
bool Answer(void* param, T value)
{
    *static_cast<T*>(param) = value;
    return true;
}

}  // namespace

bool SystemParametersInfo(UINT Action, UINT, void* Param, UINT)
{
    if (!Param)
        return false;
    switch (Action) {
    case SPI_GETWORKAREA:
        return Answer(Param, Backend().WorkArea());
    case SPI_GETNONCLIENTMETRICS: {
        auto* metrics = static_cast<NONCLIENTMETRICS*>(Param);
        if (metrics->cbSize != sizeof(NONCLIENTMETRICS))
            return false;
        FillNonClientMetrics(*metrics);
        return true;
    }
    case SPI_GETWHEELSCROLLLINES:
    case SPI_GETWHEELSCROLLCHARS:
        return Answer(Param, UINT{3});
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        return Answer(Param, UINT{4});
    case SPI_GETMOUSEHOVERTIME:
    case SPI_GETMENUSHOWDELAY:
        return Answer(Param, UINT{400});
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETDROPSHADOW:
        return Answer(Param, true);
    case SPI_GETFLATMENU:
        return Answer(Param, false);
    default:
        return false;
    }
}
