// Device-independent bitmap rows: converting between a bitmap and rows
// described by a BITMAPINFO (bottom-up unless biHeight is negative), and
// drawing such rows on a DC. Rows are padded to 4 bytes. Readable formats:
// 1, 4 and 8 bits with a colour table, 16 bits (5-5-5), 24 and 32 bits;
// writable formats: 1 bit (black and white table), 24 and 32 bits. 32-bit
// rows keep the alpha byte both ways.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"

// Scan lines count in the DIB's order: scan 0 is the bottom row of a
// bottom-up DIB. With no Bits, fills Info's header with the bitmap's format
// when biBitCount is 0 (or biSizeImage otherwise) and answers the height.
int GetDIBits(HDC DC, HBITMAP Bitmap, unsigned Start, unsigned Lines, void* Bits, BITMAPINFO* Info, unsigned Usage);
int SetDIBits(HDC DC, HBITMAP Bitmap, unsigned Start, unsigned Lines, const void* Bits, const BITMAPINFO* Info,
              unsigned Usage);
// Copies the DIB's Width x Height pixels from (SrcX, SrcY) to the DC at
// (X, Y) without scaling; SrcY counts from the bottom of a bottom-up DIB.
// Bits holds Lines scan lines starting at scan StartScan.
int SetDIBitsToDevice(HDC DC, int X, int Y, unsigned Width, unsigned Height, int SrcX, int SrcY, unsigned StartScan,
                      unsigned Lines, const void* Bits, const BITMAPINFO* Info, unsigned Usage);
