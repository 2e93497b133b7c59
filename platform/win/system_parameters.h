// SystemParametersInfo: the user's settings of the default look.
#pragma once

#include "platform/gdi/font.h"
#include "platform/win/win_types.h"

inline constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
inline constexpr UINT SPI_GETWORKAREA = 0x0030;
inline constexpr UINT SPI_GETMOUSEHOVERWIDTH = 0x0062;
inline constexpr UINT SPI_GETMOUSEHOVERHEIGHT = 0x0064;
inline constexpr UINT SPI_GETMOUSEHOVERTIME = 0x0066;
inline constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
inline constexpr UINT SPI_GETMENUSHOWDELAY = 0x006A;
inline constexpr UINT SPI_GETWHEELSCROLLCHARS = 0x006C;
inline constexpr UINT SPI_GETFLATMENU = 0x1022;
inline constexpr UINT SPI_GETDROPSHADOW = 0x1024;

// The sizes and fonts of window frames, menus, status bars and message
// boxes. cbSize must be set to sizeof(NONCLIENTMETRICS) by the caller.
struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
    int iPaddedBorderWidth = 0;
};

// Param points to what the action fills: a TRect (SPI_GETWORKAREA), a
// NONCLIENTMETRICS, a UINT (wheel lines and characters, hover sizes and
// time, menu delay) or a bool (full-window drag, flat menus, drop
// shadows). False for an action the table doesn't know or a null Param.
bool SystemParametersInfo(UINT Action, UINT UiParam, void* Param, UINT WinIni);
