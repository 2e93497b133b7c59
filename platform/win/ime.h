// Input method calls.
//
// No input method runs inside this program, so there is never a
// composition: ImmGetCompositionString answers only the result string a
// test played (ime_result.h), and WM_IME_STARTCOMPOSITION and
// WM_IME_ENDCOMPOSITION are never sent. A back end
// whose desktop has an input method delivers the text the user composed
// there as the text of a key event (VK_PROCESSKEY), which arrives as one
// WM_CHAR per byte, lead byte first. The composition window and font a
// window sets are kept in its input context, where such a back end reads
// them to place the desktop's composition window.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/font.h"
#include "platform/win/win_types.h"

enum : UINT {
    WM_IME_KEYLAST = 0x010F,
    WM_IME_CONTROL = 0x0283,
    WM_IME_COMPOSITIONFULL = 0x0284,
    WM_IME_SELECT = 0x0285,
    WM_IME_REQUEST = 0x0288,
    WM_IME_KEYDOWN = 0x0290,
    WM_IME_KEYUP = 0x0291,
};

// WM_IME_NOTIFY wParam.
enum : WPARAM {
    IMN_CLOSESTATUSWINDOW = 0x0001,
    IMN_OPENSTATUSWINDOW = 0x0002,
    IMN_CHANGECANDIDATE = 0x0003,
    IMN_CLOSECANDIDATE = 0x0004,
    IMN_OPENCANDIDATE = 0x0005,
    IMN_SETCONVERSIONMODE = 0x0006,
    IMN_SETSENTENCEMODE = 0x0007,
    IMN_SETOPENSTATUS = 0x0008,
    IMN_SETCANDIDATEPOS = 0x0009,
    IMN_SETCOMPOSITIONFONT = 0x000A,
    IMN_SETCOMPOSITIONWINDOW = 0x000B,
    IMN_SETSTATUSWINDOWPOS = 0x000C,
};

// WM_IME_COMPOSITION lParam and ImmGetCompositionString indexes.
enum : DWORD {
    GCS_COMPSTR = 0x0008,
    GCS_COMPATTR = 0x0010,
    GCS_CURSORPOS = 0x0080,
    GCS_RESULTSTR = 0x0800,
};

// COMPOSITIONFORM styles.
enum : DWORD {
    CFS_DEFAULT = 0x0000,
    CFS_RECT = 0x0001,
    CFS_POINT = 0x0002,
    CFS_FORCE_POSITION = 0x0020,
};

struct COMPOSITIONFORM {
    DWORD dwStyle = CFS_DEFAULT;
    TPoint ptCurrentPos;  // client coordinates
    TRect rcArea;
};

// ImmNotifyIME actions and their values.
enum : DWORD {
    NI_OPENCANDIDATE = 0x0010,
    NI_CLOSECANDIDATE = 0x0011,
    NI_SELECTCANDIDATESTR = 0x0012,
    NI_CHANGECANDIDATELIST = 0x0013,
    NI_COMPOSITIONSTR = 0x0015,
    CPS_COMPLETE = 0x0001,
    CPS_CONVERT = 0x0002,
    CPS_REVERT = 0x0003,
    CPS_CANCEL = 0x0004,
};

// An input context: each window has one.
struct HIMC__ {};
using HIMC = HIMC__*;
// A keyboard layout.
struct HKL__ {};
using HKL = HKL__*;

// 0 for a stale handle.
HIMC ImmGetContext(HWND Window);
bool ImmReleaseContext(HWND Window, HIMC Context);
// GCS_RESULTSTR: the result string a test played; anything else 0.
long ImmGetCompositionString(HIMC Context, DWORD Index, void* Buffer, DWORD Bytes);
bool ImmSetCompositionWindow(HIMC Context, const COMPOSITIONFORM* Form);
bool ImmGetCompositionWindow(HIMC Context, COMPOSITIONFORM* Form);
bool ImmSetCompositionFont(HIMC Context, const LOGFONT* Font);
// False while no font was set.
bool ImmGetCompositionFont(HIMC Context, LOGFONT* Font);
// Nothing is composing, so every action succeeds at once.
bool ImmNotifyIME(HIMC Context, DWORD Action, DWORD Index, DWORD Value);
// The layout in use: Chinese (PRC).
HKL GetKeyboardLayout(DWORD ThreadId);
// No layout here is an input method.
bool ImmIsIME(HKL Layout);
