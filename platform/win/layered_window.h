// Layered windows (WS_EX_LAYERED, top-level only): composed over what lies
// below them with a constant alpha, a colour key, or a picture of their own
// with per-pixel alpha. A layered window is not shown at all until one of
// the two calls below has given it its look. The calls exclude each other:
// after SetLayeredWindowAttributes, UpdateLayeredWindow fails until
// WS_EX_LAYERED is taken off and put back. Taking WS_EX_LAYERED off
// forgets both.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/win/win_types.h"

enum : DWORD { LWA_COLORKEY = 0x0001, LWA_ALPHA = 0x0002 };
enum : DWORD { ULW_COLORKEY = 0x0001, ULW_ALPHA = 0x0002, ULW_OPAQUE = 0x0004 };

// The window's own painting is shown with Alpha (LWA_ALPHA) and without
// its pixels of colour Key (LWA_COLORKEY).
bool SetLayeredWindowAttributes(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags);
// Fails unless SetLayeredWindowAttributes gave the window its look. Any
// pointer may be null.
bool GetLayeredWindowAttributes(HWND Window, COLORREF* Key, BYTE* Alpha, DWORD* Flags);

// Gives the window a picture of its own, shown instead of its painting.
// Destination (screen) and Size move and size the window when given.
// Source, when given, is copied from SourcePoint ((0, 0) when null) at the
// window's (new) size; a new size without a source fails. ULW_ALPHA blends
// by Blend: its SourceConstantAlpha, and with AC_SRC_ALPHA the source's
// premultiplied per-pixel alpha; ULW_COLORKEY leaves out pixels of colour
// Key; ULW_OPAQUE shows the picture as it is. The screen DC is not used.
bool UpdateLayeredWindow(HWND Window, HDC ScreenDC, const TPoint* Destination, const TSize* Size, HDC Source,
                         const TPoint* SourcePoint, COLORREF Key, const BLENDFUNCTION* Blend, DWORD Flags);

// Layered windows are composed with what lies below them on this display.
// Without that, a translucent window would cover the screen with an opaque
// box, so callers leave their glows and shadows out.
bool LayeredWindowsComposited();
