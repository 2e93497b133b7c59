// The controls picture as it fills up: cells taken left to right in rows,
// on a magenta ground that no piece uses.
#pragma once

#include "skins/generator/gen_raster.h"

inline constexpr TArgb kAtlasGround = Rgb(0xFF, 0x00, 0xFF);

class TAtlas {
public:
    TAtlas() : raster_(kWidth, kMaxHeight, kAtlasGround) {}

    TRaster& Raster() { return raster_; }
    // A free cell of W x H, one pixel apart from the others.
    TRect Take(int W, int H);
    // Starts a new row, so that related cells sit together.
    void NewRow();
    // The picture cut to the rows in use.
    TRaster Finished() const;

private:
    static constexpr int kWidth = 320;
    static constexpr int kMaxHeight = 2048;

    TRaster raster_;
    int x_ = 0;
    int y_ = 0;
    int rowHeight_ = 0;
};
