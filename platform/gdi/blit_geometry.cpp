#include "platform/gdi/blit_geometry.h"

#include <algorithm>
#include <numeric>

namespace {

// One axis: device start and extent (maybe negative) to a start and a
// positive length, with the mirror flag.
void Normalise(int start, int extent, int& from, int& length, bool& mirrored)
{
    mirrored = extent < 0;
    length = extent < 0 ? -extent : extent;
    from = extent < 0 ? start + extent + 1 : start;
}

// Fills the source pixels of one axis: destination pixel i takes the source
// pixel under its centre, and covers the source span from its left to its
// right edge (wider than one pixel when the source is larger). Only
// destination indexes [iFrom, iTo) are mapped; -1 marks those whose source
// leaves [0, sLimit).
void MapAxis(int dLen, int iFrom, int iTo, int sFrom, int sLen, bool mirror, int sLimit, std::vector<int>& near,
             std::vector<int>& from, std::vector<int>& to)
{
    size_t n = static_cast<size_t>(iTo - iFrom);
    near.assign(n, -1);
    from.assign(n, -1);
    to.assign(n, -1);
    if (sLen == dLen && !mirror) {
        // Same size, same way round: pixel i is source pixel i, for the
        // pixels whose source lies inside it. Every copy to the screen
        // comes here, so the run is counted out once instead of tested
        // pixel by pixel.
        const int first = std::clamp(-sFrom, iFrom, iTo);
        const int last = std::clamp(sLimit - sFrom, first, iTo);
        const auto at = static_cast<ptrdiff_t>(first - iFrom);
        std::iota(near.begin() + at, near.begin() + at + (last - first), sFrom + first);
        std::copy_n(near.begin() + at, last - first, from.begin() + at);
        std::iota(to.begin() + at, to.begin() + at + (last - first), sFrom + first + 1);
        return;
    }
    for (int i = iFrom; i < iTo; ++i) {
        int64_t c = (2 * int64_t(i) + 1) * sLen / (2 * int64_t(dLen));
        int64_t a = c, b = c + 1;
        if (sLen > dLen) {
            a = int64_t(i) * sLen / dLen;
            b = int64_t(i + 1) * sLen / dLen;
        }
        if (mirror) {
            c = sLen - 1 - c;
            int64_t na = sLen - b;
            b = sLen - a;
            a = na;
        }
        if (sFrom + a >= 0 && sFrom + b <= sLimit && sFrom + c >= 0 && sFrom + c < sLimit) {
            near[i - iFrom] = static_cast<int>(sFrom + c);
            from[i - iFrom] = static_cast<int>(sFrom + a);
            to[i - iFrom] = static_cast<int>(sFrom + b);
        }
    }
}

// Keeps the entries [first, last) of a map.
void Trim(std::vector<int>& map, int first, int last)
{
    map.erase(map.begin() + last, map.end());
    map.erase(map.begin(), map.begin() + first);
}

// The first and one-past-last index with a valid entry (they are
// contiguous, since the map is monotonic).
void ValidRange(const std::vector<int>& map, int& first, int& last)
{
    first = 0;
    while (first < static_cast<int>(map.size()) && map[first] < 0)
        ++first;
    last = first;
    while (last < static_cast<int>(map.size()) && map[last] >= 0)
        ++last;
}

}  // namespace

bool TBlitGeometry::Build(const TDeviceContext& Dst, int X, int Y, int W, int H, const TDeviceContext* Src, int SX,
                          int SY, int SW, int SH, const TRect& Limit)
{
    TPoint d0 = Dst.LPtoSurface(TPoint{X, Y}), d1 = Dst.LPtoSurface(TPoint{X + W, Y + H});
    int dx, dy, dw, dh;
    bool dmx, dmy;
    Normalise(d0.X, d1.X - d0.X, dx, dw, dmx);
    Normalise(d0.Y, d1.Y - d0.Y, dy, dh, dmy);
    if (dw == 0 || dh == 0)
        return false;
    Dest = {dx, dy, dx + dw, dy + dh};
    TRect area;
    if (!IntersectRect(area, Dest, Limit))
        return false;
    if (!Src) {
        Valid = area;
        return true;
    }
    TPoint s0 = Src->LPtoSurface(TPoint{SX, SY}), s1 = Src->LPtoSurface(TPoint{SX + SW, SY + SH});
    int sx, sy, sw, sh;
    bool smx, smy;
    Normalise(s0.X, s1.X - s0.X, sx, sw, smx);
    Normalise(s0.Y, s1.Y - s0.Y, sy, sh, smy);
    if (sw == 0 || sh == 0)
        return false;
    TSurface source = Src->Surface();
    MapAxis(dw, area.Left - dx, area.Right - dx, sx, sw, dmx != smx, source.Width, ColNear, ColFrom, ColTo);
    MapAxis(dh, area.Top - dy, area.Bottom - dy, sy, sh, dmy != smy, source.Height, RowNear, RowFrom, RowTo);
    Stretched = dw != sw || dh != sh || dmx != smx || dmy != smy;
    int c0, c1, r0, r1;
    ValidRange(ColFrom, c0, c1);
    ValidRange(RowFrom, r0, r1);
    // Drop the unmapped ends so that the maps start at Valid's corner.
    for (std::vector<int>* map : {&ColNear, &ColFrom, &ColTo})
        Trim(*map, c0, c1);
    for (std::vector<int>* map : {&RowNear, &RowFrom, &RowTo})
        Trim(*map, r0, r1);
    Valid = {area.Left + c0, area.Top + r0, area.Left + c1, area.Top + r1};
    return !IsRectEmpty(Valid);
}
