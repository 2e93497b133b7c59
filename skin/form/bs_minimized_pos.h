// Where a frame minimized to its caption goes: rows of caption-sized places
// along the bottom of an area, filled from the bottom-left corner upward.
#pragma once

#include <vector>

#include "platform/base/geometry.h"

// The first place of W x H in Area that no point of Taken occupies: from
// (Area.Left, Area.Bottom - H) rightward, then row by row upward; when the
// rows pass Area.Top, the bottom-left place. Steps are at least one pixel,
// so a zero width or height still moves on, and the search ends after one
// place more than Taken holds, since by then a free one was seen.
TPoint MinimizedPlace(const TRect& Area, int W, int H, const std::vector<TPoint>& Taken);
