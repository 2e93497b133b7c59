// Snapping of a form being moved to the edges of an area: an edge that
// comes within Size pixels of the area's edge sticks to it, and lets go
// only after the cursor has moved more than Size pixels from where it
// stuck.
#pragma once

#include "platform/base/geometry.h"

class TbsMagnetic {
public:
    // X, Y: the proposed top-left corner of a W x H rectangle, moved in
    // place; Cursor: where the cursor is now. Size 0 never snaps.
    void Move(int& X, int& Y, int W, int H, const TRect& Area, int Size, TPoint Cursor);
    // Forgets every snap, for a move loop that starts afresh.
    void Reset() { *this = TbsMagnetic(); }

    enum TEdge { meLeft, meTop, meRight, meBottom };
    bool Snapped(TEdge Edge) const { return snapped_[Edge]; }

private:
    // Whether each edge lay on the area's edge after the last move.
    bool snapped_[4] = {false, false, false, false};
    // The cursor when the last edge snapped: X for the left and right
    // edges, Y for the top and bottom ones.
    TPoint snapCursor_{};
};
