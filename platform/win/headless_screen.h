// The headless back end's screen: every visible top-level window composed
// into one picture, bottom to top in z-order, each inside its window
// region and blended by its layered look (constant alpha, colour key or a
// per-pixel premultiplied picture). Only what changed since the last
// composition is composed again: presented damage, and the areas of
// windows that moved, resized, changed shape, look or stacking, appeared
// or went away. Where no window is, the screen shows COLOR_DESKTOP.
//
// Blending, per channel, with Div255(x) = x / 255 rounded to nearest:
//   constant alpha a:   D = Div255(S * a + D * (255 - a))
//   per-pixel alpha, premultiplied source S (alpha As), constant alpha a:
//     S' = Div255(S * a) (S when a is 255), D = S' + Div255(D * (255 - As'))
// So a black window at alpha 128 over white shows 127 in each channel.
//
// Tests and tools call these; all answer nothing (empty, CLR_INVALID,
// false) when the running back end is not the headless one.
#pragma once

#include <string>

#include "platform/gdi/colors.h"
#include "platform/gdi/raster_image.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

// Brings the screen up to date and answers it: opaque pixels.
const TRasterImage& ComposeScreen();
// The screen pixel after composing; CLR_INVALID outside the screen.
COLORREF ScreenPixel(int X, int Y);
// The pixels a window has painted, frame included, as its top-level
// window's backing holds them (parts outside the backing are black), with
// alpha set opaque.
TRasterImage WindowImage(HWND Window);
// Writes the composed screen or a window's image as a PNG file; raises the
// file error of WriteFileAtomically when the file can't be written.
bool SaveScreenPng(const AnsiString& FileName);
bool SaveWindowPng(HWND Window, const AnsiString& FileName);
