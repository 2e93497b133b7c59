#include "skin/data/bs_blit_tables.h"

#include <vector>

#include "platform/base/exceptions.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_pixel_rows.h"

namespace {

enum class TRowKind { Copy, Blend, Key };

void RunRow(TRowKind Kind, const uint32_t* Src, uint32_t* Dst, int Count)
{
    const TbsRowRoutines& rows = RowRoutines();
    switch (Kind) {
    case TRowKind::Copy:
        rows.CopyRow(Src, Dst, Count);
        break;
    case TRowKind::Blend:
        rows.BlendRow(Src, Dst, Count);
        break;
    case TRowKind::Key:
        rows.CopyRowKeyed(Src, Dst, Count);
        break;
    }
}

// A destination's rows, counted from the top whatever the storage order.
struct TDestRows {
    uint32_t* Bits;
    int Width;
    int Height;
    bool BottomUp;

    uint32_t* Row(int Y) const { return Bits + static_cast<ptrdiff_t>(BottomUp ? Height - 1 - Y : Y) * Width; }
};

TDestRows RowsOf(TbsBitmap* Bitmap) { return {Bitmap->Bits(), Bitmap->Width(), Bitmap->Height(), false}; }

bool InsideBitmap(int64_t Left, int64_t Top, int64_t Right, int64_t Bottom, const TbsBitmap* Bitmap)
{
    return Left >= 0 && Top >= 0 && Right <= Bitmap->Width() && Bottom <= Bitmap->Height();
}

void SameSizeRows(TRowKind Kind, const TDestRows& Dst, const TRect& D, TbsBitmap* Src, int SX, int SY)
{
    for (int i = 0; i < D.Height(); ++i)
        RunRow(Kind, Src->PixelPtr(SX, SY + i), Dst.Row(D.Top + i) + D.Left, D.Width());
}

void CheckedSameSize(TRowKind Kind, TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY)
{
    if (IsRectEmpty(D))
        return;
    if (!InsideBitmap(D.Left, D.Top, D.Right, D.Bottom, Dst) ||
        !InsideBitmap(SX, SY, int64_t(SX) + D.Width(), int64_t(SY) + D.Height(), Src))
        throw EAssertionFailed("Assertion failure");
    SameSizeRows(Kind, RowsOf(Dst), D, Src, SX, SY);
}

// SrcStart + Offset * (source size - 1) / (DstSize - 1), truncated or
// rounded half to even. Integer arithmetic gives exactly what the floating
// quotient would: its fraction is never closer to a whole number than
// 1 / (DstSize - 1).
int MapCoord(int64_t Offset, int SrcStart, int SrcEnd, int64_t DstSize, bool Round)
{
    if (DstSize <= 1)
        return (SrcStart + SrcEnd - 1) / 2;
    int64_t n = Offset * (SrcEnd - SrcStart - 1);
    int64_t d = DstSize - 1;
    int64_t r = n % d;
    int64_t v = SrcStart + n / d;
    if (Round && (2 * r > d || (2 * r == d && (v & 1))))
        ++v;
    return static_cast<int>(v);
}

void Stretch(TRowKind Kind, const TDestRows& Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
             TbsBitmap* Src, bool Round)
{
    TRect d;
    if (IsRectEmpty(SrcRect) || !IntersectRect(d, DstRect, Rect(0, 0, Dst.Width, Dst.Height)) ||
        !IntersectRect(d, d, Clip))
        return;
    // A source rectangle that leaves the bitmap draws nothing rather than a
    // part of it.
    if (!InsideBitmap(SrcRect.Left, SrcRect.Top, SrcRect.Right, SrcRect.Bottom, Src))
        return;
    int64_t dw = int64_t(DstRect.Right) - DstRect.Left;
    int64_t dh = int64_t(DstRect.Bottom) - DstRect.Top;
    if (SrcRect.Width() == dw && SrcRect.Height() == dh) {
        SameSizeRows(Kind, Dst, d, Src, SrcRect.Left + d.Left - DstRect.Left, SrcRect.Top + d.Top - DstRect.Top);
        return;
    }
    int n = d.Width();
    std::vector<int> columns(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        columns[i] = MapCoord(int64_t(d.Left) + i - DstRect.Left, SrcRect.Left, SrcRect.Right, dw, Round);
    // The copy variant repeats a finished destination row; the others keep
    // the picked source pixels, since blending changes the row it writes.
    std::vector<uint32_t> picked(Kind == TRowKind::Copy ? 0 : static_cast<size_t>(n));
    const uint32_t* previousRow = nullptr;
    int previousSy = -1;
    for (int y = d.Top; y < d.Bottom; ++y) {
        int sy = MapCoord(int64_t(y) - DstRect.Top, SrcRect.Top, SrcRect.Bottom, dh, Round);
        uint32_t* out = Dst.Row(y) + d.Left;
        const uint32_t* in = Src->GetScanline(sy);
        if (Kind == TRowKind::Copy) {
            if (sy == previousSy)
                RowRoutines().CopyRow(previousRow, out, n);
            else
                for (int i = 0; i < n; ++i)
                    out[i] = in[columns[i]];
            previousRow = out;
        } else {
            if (sy != previousSy)
                for (int i = 0; i < n; ++i)
                    picked[i] = in[columns[i]];
            RunRow(Kind, picked.data(), out, n);
        }
        previousSy = sy;
    }
}

void StretchToBitmap(TRowKind Kind, TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                     TbsBitmap* Src)
{
    Stretch(Kind, RowsOf(Dst), Clip, DstRect, SrcRect, Src, false);
}

void StretchToDIB(TRowKind Kind, uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                  const TRect& SrcRect, TbsBitmap* Src)
{
    if (Bits && Width > 0 && Height > 0)
        Stretch(Kind, {Bits, Width, Height, true}, Clip, DstRect, SrcRect, Src, true);
}

// The portable routines, in place before any code runs; start-up swaps in
// what the machine does better.
TbsRowRoutines rowRoutines = {BlendPixelPlain, BlendRowPlain,    CopyRowKeyed,     CopyRow,      FillRow,
                              FillRectBits,    SetAlphaRow,      SetAlphaRectBits, ClearKeyAlpha};
TbsBlitRoutines blitRoutines = {OpaqueStretchToDC,    BlendToDC,           BlendToDC,           GetDCBitmapInfo,
                                StretchCopyToDIB,     StretchBlendToDIB,   StretchKeyToDIB,     CopySameSize,
                                BlendSameSize,        KeySameSize,         StretchCopyToBitmap, StretchBlendToBitmap,
                                StretchKeyToBitmap};

[[maybe_unused]] const bool routinesFilled = (InitRowRoutines(), InitBlendRoutines(), true);

}  // namespace

const TbsRowRoutines& RowRoutines() { return rowRoutines; }
const TbsBlitRoutines& BlitRoutines() { return blitRoutines; }

void InitRowRoutines()
{
    bool vector = HasMMX();
    rowRoutines.BlendPixel = vector ? BlendPixelVector : BlendPixelPlain;
    rowRoutines.BlendRow = vector ? BlendRowVector : BlendRowPlain;
}

// TransparentBlt belongs to our own raster engine, so it is always bound;
// only the screen's depth decides.
void InitBlendRoutines() { blitRoutines.TransparentToDC = IsScreenTrueColor() ? TransparentBltToDC : BlendToDC; }

int GetScreenBitsPerPixel()
{
    // A memory context made for the screen answers the screen's depth.
    HDC screen = CreateCompatibleDC(nullptr);
    if (!screen)
        return 0;
    int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    DeleteDC(screen);
    return bits;
}

bool IsScreenTrueColor() { return GetScreenBitsPerPixel() >= 24; }

void OpaqueStretchToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH)
{
    SetStretchBltMode(DC, COLORONCOLOR);
    StretchBlt(DC, X, Y, W, H, Bitmap->DC(), SX, SY, SW, SH, SRCCOPY);
}

void BlendToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH)
{
    if (W <= 0 || H <= 0)
        return;
    TbsBitmap under;
    under.SetSize(W, H);
    BitBlt(under.DC(), 0, 0, W, H, DC, X, Y, SRCCOPY);
    Bitmap->StretchDrawToBitmap(&under, Rect(0, 0, W, H), Rect(SX, SY, SX + SW, SY + SH));
    BitBlt(DC, X, Y, W, H, under.DC(), 0, 0, SRCCOPY);
}

void TransparentBltToDC(HDC DC, int X, int Y, int W, int H, TbsBitmap* Bitmap, int SX, int SY, int SW, int SH)
{
    TransparentBlt(DC, X, Y, W, H, Bitmap->DC(), SX, SY, SW, SH, kKeyPixel & kPixelColorBits);
}

TbsDCBitmapInfo GetDCBitmapInfo(HDC DC)
{
    DIBSECTION section;
    HGDIOBJ bitmap = GetCurrentObject(DC, OBJ_BITMAP);
    if (!bitmap || GetObject(bitmap, sizeof section, &section) != int(sizeof section) || !section.dsBm.bmBits)
        return {};
    return {section.dsBm.bmBits, section.dsBm.bmWidth, section.dsBm.bmHeight, section.dsBm.bmBitsPixel};
}

void CopySameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY)
{
    CheckedSameSize(TRowKind::Copy, Dst, D, Src, SX, SY);
}

void BlendSameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY)
{
    CheckedSameSize(TRowKind::Blend, Dst, D, Src, SX, SY);
}

void KeySameSize(TbsBitmap* Dst, const TRect& D, TbsBitmap* Src, int SX, int SY)
{
    CheckedSameSize(TRowKind::Key, Dst, D, Src, SX, SY);
}

void StretchCopyToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                         TbsBitmap* Src)
{
    StretchToBitmap(TRowKind::Copy, Dst, Clip, DstRect, SrcRect, Src);
}

void StretchBlendToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                          TbsBitmap* Src)
{
    StretchToBitmap(TRowKind::Blend, Dst, Clip, DstRect, SrcRect, Src);
}

void StretchKeyToBitmap(TbsBitmap* Dst, const TRect& Clip, const TRect& DstRect, const TRect& SrcRect,
                        TbsBitmap* Src)
{
    StretchToBitmap(TRowKind::Key, Dst, Clip, DstRect, SrcRect, Src);
}

void StretchCopyToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                      const TRect& SrcRect, TbsBitmap* Src)
{
    StretchToDIB(TRowKind::Copy, Bits, Width, Height, Clip, DstRect, SrcRect, Src);
}

void StretchBlendToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                       const TRect& SrcRect, TbsBitmap* Src)
{
    StretchToDIB(TRowKind::Blend, Bits, Width, Height, Clip, DstRect, SrcRect, Src);
}

void StretchKeyToDIB(uint32_t* Bits, int Width, int Height, const TRect& Clip, const TRect& DstRect,
                     const TRect& SrcRect, TbsBitmap* Src)
{
    StretchToDIB(TRowKind::Key, Bits, Width, Height, Clip, DstRect, SrcRect, Src);
}
