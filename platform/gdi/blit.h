// Block transfers between DCs. Rectangles are logical; a transfer between
// rectangles of different device sizes stretches nearest-neighbour (or by
// the stretch mode when it shrinks), and extents of opposite signs mirror;
// a negative extent covers the pixels from the given coordinate backwards
// (StretchBlt(dc, w - 1, 0, -w, h, ...) mirrors w columns).
//
// A monochrome source drawn on colour becomes the destination DC's text
// colour (bits 0) and background colour (bits 1); a colour source drawn on
// monochrome becomes white where it matches the source DC's background
// colour and black elsewhere. Destination pixels whose source pixel lies
// outside the source bitmap are left alone.
#pragma once

#include <cstdint>

#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/rop.h"

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, uint32_t Rop);
// Source may be 0 when the operation does not read it.
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, uint32_t Rop);
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                int SrcHeight, uint32_t Rop);
// Copies the source, stretched, leaving out its pixels of the colour
// Transparent. Negative extents fail.
bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                    int SrcHeight, COLORREF Transparent);
// Blends the source over the destination (see alpha_blend.cpp for the
// arithmetic). Fails for negative extents, a source rectangle that leaves
// the source bitmap, or overlapping rectangles on one bitmap.
bool AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                int SrcHeight, BLENDFUNCTION Blend);
