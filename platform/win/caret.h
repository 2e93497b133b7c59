// The caret: one per program, owned by a window, drawn by inverting its
// rectangle on the window's pixels and blinking from the window manager's
// clock (GetCaretBlinkTime milliseconds on, as many off). Painting hides
// it while it draws over it and shows it again afterwards; moving it shows
// it lit at once, so it never blinks away under the typing.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

// Bitmap 0 makes a solid caret of Width x Height (0 takes the border
// width or height), (HBITMAP)1 a grey one (every other pixel), and a
// bitmap a caret of its size whose pixels are XORed onto the window. The
// caller keeps the bitmap. A new caret replaces the old one; it starts
// hidden, at (0, 0).
bool CreateCaret(HWND Window, HBITMAP Bitmap, int Width, int Height);
bool DestroyCaret();
// Client coordinates of the caret's owner.
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint* Point);
// Hiding nests: the caret shows again after as many ShowCaret calls.
// Window must be the owner (0: whichever window owns it).
bool ShowCaret(HWND Window);
bool HideCaret(HWND Window);
bool SetCaretBlinkTime(UINT Milliseconds);
UINT GetCaretBlinkTime();

// What a test can see of the caret.
struct TCaretState {
    HWND Owner = nullptr;
    TRect Rect;          // client coordinates of the owner
    bool Shown = false;  // not hidden by HideCaret
    bool Lit = false;    // its pixels are inverted on the window right now
};
bool GetCaretState(TCaretState* State);
