// Mouse cursors: the standard shapes, the cursor chosen for the window
// under the mouse, and the cursor's place on the screen.
//
// DefWindowProc's WM_SETCURSOR first asks a child window's parent (except
// over a sizing border), then picks the cursor by hit code: the sizing
// arrows over the borders, the class cursor over the client area (leaving
// the cursor alone when the class has none), the arrow elsewhere; a press
// on a disabled window (HTERROR) beeps.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/resource_names.h"
#include "platform/win/win_types.h"

// The standard shapes as LoadCursor(0, ...) names them.
inline const char* const IDC_ARROW = MAKEINTRESOURCE(32512);
inline const char* const IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const char* const IDC_WAIT = MAKEINTRESOURCE(32514);
inline const char* const IDC_CROSS = MAKEINTRESOURCE(32515);
inline const char* const IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const char* const IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const char* const IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const char* const IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const char* const IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const char* const IDC_NO = MAKEINTRESOURCE(32648);
inline const char* const IDC_HAND = MAKEINTRESOURCE(32649);
inline const char* const IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const char* const IDC_HELP = MAKEINTRESOURCE(32651);
// The class library's own shapes (splitters and dragging), built in here.
inline const char* const IDC_HSPLIT = MAKEINTRESOURCE(32760);
inline const char* const IDC_VSPLIT = MAKEINTRESOURCE(32761);
inline const char* const IDC_DRAG = MAKEINTRESOURCE(32762);
inline const char* const IDC_MULTIDRAG = MAKEINTRESOURCE(32763);
inline const char* const IDC_NODROP = MAKEINTRESOURCE(32764);

enum class TCursorShape {
    Arrow,
    IBeam,
    Wait,
    Cross,
    SizeNWSE,
    SizeNESW,
    SizeWE,
    SizeNS,
    SizeAll,
    No,
    Hand,
    AppStarting,
    Help,
    HSplit,
    VSplit,
    Drag,
    MultiDrag,
    NoDrop,
};

// The shared handle of a standard shape (never destroyed). Instance must
// be 0: the program carries no cursors of its own. 0 for an unknown name.
HCURSOR LoadCursor(HINSTANCE Instance, const char* Name);
// Makes Cursor the one shown (0: none) and answers the previous one.
HCURSOR SetCursor(HCURSOR Cursor);
HCURSOR GetCursor();
// The shape behind a standard handle, for back ends and tests; false for 0
// or any other handle.
bool CursorShapeOf(HCURSOR Cursor, TCursorShape* Shape);

// Where the mouse is, in screen coordinates, as the latest input left it.
bool GetCursorPos(TPoint* Point);
// Moves the cursor: the window under it hears a mouse move, as if the user
// had moved the mouse there.
bool SetCursorPos(int X, int Y);

// The cursor shown and where: flags CURSOR_SHOWING while one is shown.
inline constexpr DWORD CURSOR_SHOWING = 0x00000001;
struct CURSORINFO {
    DWORD cbSize = 0;
    DWORD flags = 0;
    HCURSOR hCursor = nullptr;
    TPoint ptScreenPos;
};
bool GetCursorInfo(CURSORINFO* Info);

// A cursor's picture: the standard shapes are monochrome, so hbmColor is
// nullptr and hbmMask is a 1-bit bitmap twice as high as wide, the AND mask
// (0 where the shape covers the screen) above the XOR mask (1 where it
// inverts or is white). The caller deletes the bitmaps. False for a handle
// that is no standard shape.
struct ICONINFO {
    bool fIcon = false;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;
    HBITMAP hbmColor = nullptr;
};
bool GetIconInfo(HICON Icon, ICONINFO* Info);
