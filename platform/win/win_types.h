// The basic types of the window manager: integer widths, window handles,
// message parameters, window procedures and the records that travel with
// messages. Message parameters are pointer-sized because they carry object
// references (controls, skin data, records) as well as numbers.
#pragma once

#include <cstdint>

#include "platform/base/event.h"
#include "platform/base/geometry.h"

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using ATOM = uint16_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

// A window handle packs a slot of the window table and the slot's
// generation; a handle whose window was destroyed (or a made-up one) is
// recognised and refused, never dereferenced. 0 is no window.
struct HWND__ {};
using HWND = HWND__*;
// One display monitor.
struct HMONITOR__ {};
using HMONITOR = HMONITOR__*;
// Icons and cursors share one handle kind, as the callers expect.
struct HICON__ {};
using HICON = HICON__*;
using HCURSOR = HICON;

// Window procedures are callables with identity: a control binds its own
// member function, and a subclasser is later found and removed by the same
// (object, code) pair.
using WNDPROC = TEvent<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
// Called instead of the window procedure for a timer set with a callback:
// (window, WM_TIMER, timer id, tick count).
using TIMERPROC = TEvent<void(HWND, UINT, UINT_PTR, DWORD)>;

// Packing of two 16-bit halves into message parameters. The halves of an
// LPARAM are signed when they hold coordinates (GET_X_LPARAM).
constexpr DWORD MAKELONG(WORD Low, WORD High) { return static_cast<DWORD>(Low) | (static_cast<DWORD>(High) << 16); }
constexpr WORD LOWORD(uintptr_t Value) { return static_cast<WORD>(Value & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t Value) { return static_cast<WORD>((Value >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(uintptr_t Value) { return static_cast<BYTE>(Value & 0xFF); }
constexpr BYTE HIBYTE(uintptr_t Value) { return static_cast<BYTE>((Value >> 8) & 0xFF); }
constexpr WPARAM MAKEWPARAM(WORD Low, WORD High) { return MAKELONG(Low, High); }
constexpr LPARAM MAKELPARAM(WORD Low, WORD High) { return static_cast<LPARAM>(MAKELONG(Low, High)); }
constexpr LRESULT MAKELRESULT(WORD Low, WORD High) { return static_cast<LRESULT>(MAKELONG(Low, High)); }
constexpr int GET_X_LPARAM(LPARAM Value) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(Value))); }
constexpr int GET_Y_LPARAM(LPARAM Value) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(Value))); }
// A point packed as the mouse and move messages carry it.
constexpr LPARAM PointToLParam(int X, int Y) { return MAKELPARAM(static_cast<WORD>(X), static_cast<WORD>(Y)); }

// A queued message, as GetMessage and PeekMessage return it.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;  // GetTickCount when the message was posted
    TPoint pt;       // cursor position in screen coordinates at that time
};

// WM_NCCREATE and WM_CREATE carry a pointer to this in lParam; a window
// procedure may not keep it past the message.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    intptr_t hMenu = 0;  // a child's control id
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// WM_WINDOWPOSCHANGING (which may change any field) and
// WM_WINDOWPOSCHANGED carry a pointer to this in lParam. Coordinates are in
// the parent's client area (the screen for a top-level window).
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// WM_NCCALCSIZE with wParam TRUE: rgrc[0] is the new window rectangle on
// the way in and the new client rectangle on the way out; rgrc[1] is the
// old window rectangle and rgrc[2] the old client rectangle. All are in
// the parent's client coordinates.
struct NCCALCSIZE_PARAMS {
    TRect rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

// WM_GETMINMAXINFO: the limits a window may be sized to, filled with the
// defaults before the window sees them.
struct MINMAXINFO {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

// WM_STYLECHANGING (styleNew may be changed) and WM_STYLECHANGED.
struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};
