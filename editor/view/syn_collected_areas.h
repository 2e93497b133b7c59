// The areas invalidated while the lines change, kept apart until the lines
// have settled: a line break repaints the gutter and the rows from its line
// down, and the box around both would be the whole window.
#pragma once

#include <vector>

#include "platform/base/geometry.h"

class TSynCollectedAreas {
public:
    void Add(const TRect& Area);
    bool Empty() const { return areas_.empty(); }
    const std::vector<TRect>& Areas() const { return areas_; }
    void Clear() { areas_.clear(); }

private:
    std::vector<TRect> areas_;
};
