#include "skin/form/bs_minimized_pos.h"

#include <algorithm>

TPoint MinimizedPlace(const TRect& Area, int W, int H, const std::vector<TPoint>& Taken)
{
    const TPoint bottomLeft{Area.Left, Area.Bottom - H};
    const int stepX = std::max(1, W);
    const int stepY = std::max(1, H);
    auto taken = [&](TPoint P) { return std::find(Taken.begin(), Taken.end(), P) != Taken.end(); };
    TPoint p = bottomLeft;
    // Every step visits a place not seen before, and at most Taken.size()
    // of them are occupied.
    for (size_t tries = 0; tries <= Taken.size() && taken(p); ++tries) {
        p.X += stepX;
        if (p.X + W > Area.Right) {
            p.X = Area.Left;
            p.Y -= stepY;
        }
        if (p.Y < Area.Top)
            return bottomLeft;
    }
    return taken(p) ? bottomLeft : p;
}
