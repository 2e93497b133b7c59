#include "editor/view/syn_collected_areas.h"

namespace {

// More areas than that are taken as the box around them: repainting a
// little more costs less than keeping long lists.
constexpr size_t kMostAreas = 8;

bool Contains(const TRect& Outer, const TRect& Inner)
{
    return Outer.Left <= Inner.Left && Outer.Top <= Inner.Top && Outer.Right >= Inner.Right &&
           Outer.Bottom >= Inner.Bottom;
}

// Rows of one strip that overlap or touch make one area.
bool JoinsAbove(const TRect& A, const TRect& B)
{
    return A.Left == B.Left && A.Right == B.Right && A.Top <= B.Bottom && B.Top <= A.Bottom;
}

}  // namespace

void TSynCollectedAreas::Add(const TRect& Area)
{
    if (IsRectEmpty(Area))
        return;
    TRect added = Area;
    for (auto it = areas_.begin(); it != areas_.end();) {
        if (Contains(*it, added))
            return;
        if (Contains(added, *it) || JoinsAbove(*it, added)) {
            UnionRect(added, added, *it);
            // The grown area may now reach those already passed.
            areas_.erase(it);
            it = areas_.begin();
            continue;
        }
        ++it;
    }
    areas_.push_back(added);
    if (areas_.size() > kMostAreas) {
        TRect box = areas_.front();
        for (const TRect& each : areas_)
            UnionRect(box, box, each);
        areas_.assign(1, box);
    }
}
