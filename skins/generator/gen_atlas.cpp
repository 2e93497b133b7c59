#include "skins/generator/gen_atlas.h"

#include <algorithm>

#include "platform/base/exceptions.h"

TRect TAtlas::Take(int W, int H)
{
    if (x_ + W > kWidth)
        NewRow();
    if (W > kWidth || y_ + H > kMaxHeight)
        throw Exception("The controls picture is full");
    TRect cell{x_, y_, x_ + W, y_ + H};
    x_ += W + 1;
    rowHeight_ = std::max(rowHeight_, H);
    return cell;
}

void TAtlas::NewRow()
{
    if (rowHeight_ > 0)
        y_ += rowHeight_ + 1;
    x_ = 0;
    rowHeight_ = 0;
}

TRaster TAtlas::Finished() const
{
    int height = y_ + rowHeight_;
    TRaster out(kWidth, std::max(height, 1), kAtlasGround);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kWidth; ++x)
            out.Set(x, y, raster_.Pixel(x, y));
    return out;
}
