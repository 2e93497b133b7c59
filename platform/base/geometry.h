// Points, sizes and rectangles in integer device or logical units, with the
// rectangle helpers everything from the raster engine to the controls uses.
// A rectangle holds the pixels Left <= x < Right, Top <= y < Bottom.
#pragma once

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;

    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }

    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; }

// An empty rectangle has no pixels: its right edge is not past its left or
// its bottom not below its top.
inline bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

// The right and bottom edges are outside the rectangle.
inline bool PtInRect(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

inline bool EqualRect(const TRect& R1, const TRect& R2) { return R1 == R2; }

// Dst becomes the common part of R1 and R2; when there is none it becomes
// all zeros and the result is false. Dst may be R1 or R2.
inline bool IntersectRect(TRect& Dst, const TRect& R1, const TRect& R2)
{
    TRect R{std::max(R1.Left, R2.Left), std::max(R1.Top, R2.Top), std::min(R1.Right, R2.Right),
            std::min(R1.Bottom, R2.Bottom)};
    if (IsRectEmpty(R)) {
        Dst = TRect{};
        return false;
    }
    Dst = R;
    return true;
}

// Dst becomes the smallest rectangle holding both; an empty operand is
// ignored. The result is false when both are empty (Dst all zeros).
inline bool UnionRect(TRect& Dst, const TRect& R1, const TRect& R2)
{
    if (IsRectEmpty(R1)) {
        Dst = IsRectEmpty(R2) ? TRect{} : R2;
        return !IsRectEmpty(R2);
    }
    if (IsRectEmpty(R2)) {
        Dst = R1;
        return true;
    }
    Dst = TRect{std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
                std::max(R1.Bottom, R2.Bottom)};
    return true;
}

inline bool OffsetRect(TRect& R, int DX, int DY)
{
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
    return true;
}

// Grows the rectangle by DX on the left and right and DY at the top and
// bottom; negative values shrink it.
inline bool InflateRect(TRect& R, int DX, int DY)
{
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
    return true;
}
