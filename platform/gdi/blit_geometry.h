// Where the pixels of a transfer come from: the destination rectangle in
// surface units and, per destination column and row, the source column and
// row (nearest pixel centre), or the source range it shrinks from.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/device_context.h"

struct TBlitGeometry {
    TRect Dest;  // surface units, in order
    // For destination column Valid.Left + i: ColNear[i], the source column
    // under its centre, and [ColFrom[i], ColTo[i]), the source columns it
    // covers (one unless shrinking); mirroring already applied. Likewise
    // for rows.
    std::vector<int> ColNear, ColFrom, ColTo, RowNear, RowFrom, RowTo;
    bool Stretched = false;  // the sizes differ (or a mirror)
    // The part of Dest inside Limit whose source lies wholly inside the
    // source bitmap.
    TRect Valid;

    // Maps a destination DC's logical rectangle and a source DC's logical
    // rectangle (through its own mapping) onto each other; Src may be null
    // for a transfer without a source. Only the part of the destination in
    // Limit (the clip's bounds) is mapped. False when there is nothing to do.
    bool Build(const TDeviceContext& Dst, int X, int Y, int W, int H, const TDeviceContext* Src, int SX, int SY,
               int SW, int SH, const TRect& Limit);
    int SrcX(int DestX) const { return ColNear[DestX - Valid.Left]; }
    int SrcY(int DestY) const { return RowNear[DestY - Valid.Top]; }
};
