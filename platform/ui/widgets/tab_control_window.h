// The "SysTabControl32" window class: a row (or rows) of tabs or buttons
// along one side, driven by TCM_ messages and telling its parent of a
// change of selection by WM_NOTIFY. Indexes in every TCM_ message count
// the tabs this window holds.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/strings.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

inline constexpr char WC_TABCONTROL[] = "SysTabControl32";

// Window styles of the class.
inline constexpr DWORD TCS_BOTTOM = 0x0002;       // tabs below the page
inline constexpr DWORD TCS_RIGHT = 0x0002;        // with TCS_VERTICAL: tabs right of the page
inline constexpr DWORD TCS_FLATBUTTONS = 0x0008;  // with TCS_BUTTONS: no frame until hot or down
inline constexpr DWORD TCS_HOTTRACK = 0x0040;
inline constexpr DWORD TCS_VERTICAL = 0x0080;     // tabs left (or right) of the page, always in rows
inline constexpr DWORD TCS_BUTTONS = 0x0100;
inline constexpr DWORD TCS_MULTILINE = 0x0200;
inline constexpr DWORD TCS_FOCUSONBUTTONDOWN = 0x1000;

inline constexpr UINT TCM_FIRST = 0x1300;
inline constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;
inline constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;  // LParam a TCustomImageList*; answers the old one
inline constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
inline constexpr UINT TCM_GETITEM = TCM_FIRST + 5;       // WParam the index, LParam a TCITEM*
inline constexpr UINT TCM_SETITEM = TCM_FIRST + 6;
inline constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;    // answers the index, -1 on failure
inline constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
inline constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
inline constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;  // LParam a TRect*, where the row puts the tab
inline constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
inline constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;    // no notification; answers the old selection
inline constexpr UINT TCM_HITTEST = TCM_FIRST + 13;      // LParam a TCHITTESTINFO*
inline constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;   // WParam Larger, LParam a TRect*
inline constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;  // LParam MAKELPARAM(cx, cy); answers the old size
inline constexpr UINT TCM_SETPADDING = TCM_FIRST + 43;   // LParam MAKELPARAM(cx, cy)
inline constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

// WM_NOTIFY codes to the parent. A non-zero answer to TCN_SELCHANGING
// keeps the selection.
inline constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);
inline constexpr UINT TCN_SELCHANGING = static_cast<UINT>(-552);

inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_IMAGE = 0x0002;
inline constexpr UINT TCIF_PARAM = 0x0008;

struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;  // TCM_GETITEM copies up to cchTextMax - 1 bytes and a zero
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

inline constexpr UINT TCHT_NOWHERE = 0x0001;
inline constexpr UINT TCHT_ONITEMICON = 0x0002;
inline constexpr UINT TCHT_ONITEMLABEL = 0x0004;
inline constexpr UINT TCHT_ONITEM = TCHT_ONITEMICON | TCHT_ONITEMLABEL;

struct TCHITTESTINFO {
    TPoint pt;
    UINT flags = 0;
};

// Registers the class (and the up-down class its scroller uses) on first
// use; true when it is there.
bool RegisterTabControlClass();

// Caption as it fits in Width with the DC's font: whole, or cut after a
// whole character and ended with "...", never splitting a double-byte
// character; empty when not even "..." fits.
AnsiString FitTabCaption(HDC DC, const AnsiString& Caption, int Width);
