// Row routines on 32-bit skin pixels: blending, copying, filling and alpha.
//
// A pixel is 0xAARRGGBB (B, G, R, A in memory) with straight alpha. A row is
// a run of Count such pixels; a Count below 1 touches nothing. Blending has
// two variants with slightly different arithmetic: the plain one weighs the
// destination with 255 - a and makes every blended pixel opaque, the vector
// one weighs it with 256 - a in all four bytes, alpha included. Both
// truncate (shift right by 8).
#pragma once

#include <cstdint>

// The transparent key of the skin library: colour 0x7F007F, alpha 0.
inline constexpr uint32_t kKeyPixel = 0x007F007F;
inline constexpr uint32_t kPixelColorBits = 0x00FFFFFF;

// Src over Dst. Plain: Src when its alpha is 255, Dst when it is 0, else
// each colour (Src.c * a + Dst.c * (255 - a)) shr 8 and alpha 255.
uint32_t BlendPixelPlain(uint32_t Src, uint32_t Dst);
// Vector: every byte (Src.c * a + Dst.c * (256 - a)) shr 8, without
// special cases.
uint32_t BlendPixelVector(uint32_t Src, uint32_t Dst);

// Blends each Src pixel over the Dst pixel in place: alpha 0 leaves Dst,
// alpha 255 writes Src, anything between blends by the variant's formula.
void BlendRowPlain(const uint32_t* Src, uint32_t* Dst, int Count);
void BlendRowVector(const uint32_t* Src, uint32_t* Dst, int Count);

// Src pixels whose colour is not the key are written opaque (alpha 255);
// key pixels leave Dst as it is.
void CopyRowKeyed(const uint32_t* Src, uint32_t* Dst, int Count);
// Rows may overlap.
void CopyRow(const uint32_t* Src, uint32_t* Dst, int Count);
void FillRow(uint32_t* Dst, int Count, uint32_t Value);
// The inclusive rectangle Left..Right x Top..Bottom of a bitmap whose rows
// are RowLength pixels apart; the caller keeps it inside the bitmap.
void FillRectBits(uint32_t* Bits, int RowLength, uint32_t Value, int Left, int Top, int Right, int Bottom);
void SetAlphaRow(uint32_t* Dst, int Count, uint8_t Alpha);
void SetAlphaRectBits(uint32_t* Bits, int RowLength, uint8_t Alpha, int Left, int Top, int Right, int Bottom);
// Pixels whose colour equals Color's low 24 bits get alpha 0.
void ClearKeyAlpha(uint32_t* Dst, int Count, uint32_t Color);

// Whether this processor runs the vector blend natively.
bool HasMMX();
