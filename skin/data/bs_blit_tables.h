// The two routine tables all skin bitmap drawing goes through: row routines
// (blend, copy, fill, alpha) and blit routines (a TbsBitmap onto a device
// context, or stretched into another TbsBitmap or a bottom-up pixel
// buffer). Both are filled once at start, by what the processor and the
// screen offer, and are read-only afterwards; callers never test either
// themselves.
//
// Stretching is nearest-neighbour. For a destination column at offset x
// from the destination rectangle's left edge, the source column is
// SrcLeft + Trunc(x * (SrcWidth - 1) / (DstWidth - 1)); a 1-pixel-wide
// destination takes the middle column (SrcLeft + SrcRight - 1) div 2. Rows
// alike. The bottom-up buffer variants round to nearest (ties to even)
// instead of truncating.
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

class TbsBitmap;

struct TbsRowRoutines {
    uint32_t (*BlendPixel)(uint32_t Src, uint32_t Dst);
    void (*BlendRow)(const uint32_t* Src, uint32_t* Dst, int Count);
    void (*CopyRowKeyed)(const uint32_t* Src, uint32_t* Dst, int Count);
    void (*CopyRow)(const uint32_t* Src, uint32_t* Dst, int Count);
    void (*FillRow)(uint32_t* Dst, int Count, uint32_t Value);
    void (*FillRectBits)(uint32_t* Bits, int RowLength, uint32_t Value, int Left, int Top, int Right, int Bottom);
    void (*SetAlphaRow)(uint32_t* Dst, int Count, uint8_t Alpha);
    void (*SetAlphaRectBits)(uint32_t* Bits, int RowLength, uint8_t Alpha, int Left, int Top, int Right,
                             int Bottom);
    void (*ClearKeyAlpha)(uint32_t* Dst, int Count, uint32_t Color);
};

// The DIB section selected in a device context; all empty when there is
// none.
struct TbsDCBitmapInfo {
    void* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
};

// Draws (SX, SY, SW, SH) of Bitmap onto (X, Y, W, H) of DC.
using TbsToDCProc = void (*)(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH);
// Draws D of Dst from (SX, SY) of Src without scaling.
using TbsSameSizeProc = void (*)(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY);
// Draws SrcRect of Src stretched onto DstRect of Dst, within Clip.
using TbsStretchProc = void (*)(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                                TbsBitmap* Src);
// The same into a bottom-up buffer of Width x Height pixels.
using TbsStretchToDIBProc = void (*)(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                                     const TRect& SrcRect, TbsBitmap* Src);

struct TbsBlitRoutines {
    TbsToDCProc OpaqueStretchToDC;
    TbsToDCProc BlendToDC;
    TbsToDCProc TransparentToDC;
    TbsDCBitmapInfo (*GetDCBitmapInfo)(HDC DC);
    TbsStretchToDIBProc StretchCopyToDIB;
    TbsStretchToDIBProc StretchBlendToDIB;
    TbsStretchToDIBProc StretchKeyToDIB;
    TbsSameSizeProc CopySameSize;
    TbsSameSizeProc BlendSameSize;
    TbsSameSizeProc KeySameSize;
    TbsStretchProc StretchCopyToBitmap;
    TbsStretchProc StretchBlendToBitmap;
    TbsStretchProc StretchKeyToBitmap;
};

const TbsRowRoutines& RowRoutines();
const TbsBlitRoutines& BlitRoutines();

// Fill the tables; start-up runs them once. The row table takes the vector
// blend when HasMMX, the blit table draws keyed bitmaps onto contexts with
// TransparentBlt when the screen is true colour.
void InitRowRoutines();
void InitBlendRoutines();

// BITSPIXEL times PLANES of the screen.
int GetScreenBitsPerPixel();
bool IsScreenTrueColor();

// The routines behind the blit table's entries.
//
// StretchBlt with COLORONCOLOR and SRCCOPY.
void OpaqueStretchToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH);
// Copies the destination area into a temporary bitmap, draws Bitmap into it
// (blended or keyed, by Bitmap's flags) and copies it back.
void BlendToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH);
// TransparentBlt with the key colour.
void TransparentBltToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH);
TbsDCBitmapInfo GetDCBitmapInfo(HDC DC);

// Unscaled: D must lie inside Dst and the same-sized area at (SX, SY) inside
// Src, else EAssertionFailed "Assertion failure".
void CopySameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY);
void BlendSameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY);
void KeySameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY);

// Draw nothing when SrcRect is empty or leaves Src in any direction, or
// when DstRect within Dst and Clip is empty; equal sizes copy unscaled.
void StretchCopyToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                         TbsBitmap* Src);
void StretchBlendToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                          TbsBitmap* Src);
void StretchKeyToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                        TbsBitmap* Src);
// Pixel (x, y) of the buffer lies at Bits + (Height - y - 1) * Width + x.
void StretchCopyToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                      const TRect& SrcRect, TbsBitmap* Src);
void StretchBlendToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                       const TRect& SrcRect, TbsBitmap* Src);
void StretchKeyToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                     const TRect& SrcRect, TbsBitmap* Src);
