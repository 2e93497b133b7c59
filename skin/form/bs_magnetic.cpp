#include "skin/form/bs_magnetic.h"

#include <cstdlib>

namespace {

// One edge: Pos is the rectangle's coordinate that the edge sits at
// Pos + Offset (0 for left and top, the size for right and bottom), Target
// the area's edge, Cursor and SnapCursor the cursor's coordinate along the
// same axis.
void MoveEdge(int& Pos, int Offset, int Target, int Size, int Cursor, int& SnapCursor, bool& Snapped)
{
    int edge = Pos + Offset;
    bool near = edge > Target - Size && edge < Target + Size;
    if (near && !Snapped) {
        Pos = Target - Offset;
        SnapCursor = Cursor;
    } else if (Snapped) {
        int moved = Cursor - SnapCursor;
        Pos = Target - Offset + (std::abs(moved) > Size ? moved : 0);
    }
    Snapped = near;
}

}  // namespace

void TbsMagnetic::Move(int& X, int& Y, int W, int H, const TRect& Area, int Size, TPoint Cursor)
{
    MoveEdge(X, 0, Area.Left, Size, Cursor.X, snapCursor_.X, snapped_[meLeft]);
    MoveEdge(Y, 0, Area.Top, Size, Cursor.Y, snapCursor_.Y, snapped_[meTop]);
    MoveEdge(X, W, Area.Right, Size, Cursor.X, snapCursor_.X, snapped_[meRight]);
    MoveEdge(Y, H, Area.Bottom, Size, Cursor.Y, snapCursor_.Y, snapped_[meBottom]);
}
