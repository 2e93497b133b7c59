// Pictures laid out in a row or a column on white.
#include "compose_images.h"

#include <algorithm>

TRasterImage ComposeImages(const std::vector<TRasterImage>& Parts, bool Across)
{
    constexpr int Gap = 4;
    int width = 0, height = 0;
    for (const TRasterImage& part : Parts) {
        width = Across ? width + part.Width + Gap : std::max(width, part.Width);
        height = Across ? std::max(height, part.Height) : height + part.Height + Gap;
    }
    TRasterImage image = TRasterImage::Sized(width, height);
    std::fill(image.Pixels.begin(), image.Pixels.end(), 0xFFFFFFFFu);
    int at = 0;
    for (const TRasterImage& part : Parts) {
        for (int y = 0; y < part.Height; ++y)
            for (int x = 0; x < part.Width; ++x)
                (Across ? image.Row(y)[at + x] : image.Row(at + y)[x]) = part.Row(y)[x];
        at += (Across ? part.Width : part.Height) + Gap;
    }
    return image;
}
