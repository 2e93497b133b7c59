// The standard icons as shapes: each picture is a few layers (discs,
// rings, bars, polygons), each pixel covered by a layer as far as 4 x 4
// samples inside it say, and the layers laid over one another.
#include "platform/ui/graphics/system_icon_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Whether a point of the picture (in pixels, (0, 0) the top-left corner of
// the first pixel) lies inside a shape.
using TShape = std::function<bool(double X, double Y)>;

constexpr int Samples = 4;

// Lays Color (0xRRGGBB) over the picture where Shape covers it: straight
// alpha "over" compositing, per pixel by the share of samples covered.
void Paint(TRasterImage& Image, const TShape& Shape, uint32_t Color)
{
    for (int y = 0; y < Image.Height; ++y)
        for (int x = 0; x < Image.Width; ++x) {
            int covered = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    if (Shape(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples))
                        ++covered;
            if (covered == 0)
                continue;
            double a = double(covered) / (Samples * Samples);
            uint32_t& pixel = Image.Row(y)[x];
            double da = (pixel >> 24) / 255.0;
            double oa = a + da * (1 - a);
            auto channel = [&](int shift) {
                double s = (Color >> shift) & 0xFF, d = (pixel >> shift) & 0xFF;
                return static_cast<uint32_t>(std::lround((s * a + d * da * (1 - a)) / oa)) << shift;
            };
            pixel = (static_cast<uint32_t>(std::lround(oa * 255)) << 24) | channel(16) | channel(8) | channel(0);
        }
}

TShape Disc(double CX, double CY, double R)
{
    return [=](double x, double y) { return (x - CX) * (x - CX) + (y - CY) * (y - CY) <= R * R; };
}

TShape Box(double L, double T, double R, double B)
{
    return [=](double x, double y) { return x >= L && x < R && y >= T && y < B; };
}

// A bar of width W from (X1, Y1) to (X2, Y2), with round ends.
TShape Bar(double X1, double Y1, double X2, double Y2, double W)
{
    return [=](double x, double y) {
        double dx = X2 - X1, dy = Y2 - Y1;
        double t = std::clamp(((x - X1) * dx + (y - Y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        double px = X1 + t * dx - x, py = Y1 + t * dy - y;
        return px * px + py * py <= W * W / 4;
    };
}

// The part of a ring (radii R1 < R2) whose angle, clockwise from the top,
// runs from From to To degrees.
TShape Arc(double CX, double CY, double R1, double R2, double From, double To)
{
    return [=](double x, double y) {
        double dx = x - CX, dy = y - CY;
        double d2 = dx * dx + dy * dy;
        if (d2 < R1 * R1 || d2 > R2 * R2)
            return false;
        double angle = std::atan2(dx, -dy) * 180 / M_PI;
        if (angle < 0)
            angle += 360;
        return angle >= From && angle <= To;
    };
}

// A triangle with rounded corners: the points within Round of the
// triangle (X1, Y1), (X2, Y2), (X3, Y3).
TShape Triangle(double X1, double Y1, double X2, double Y2, double X3, double Y3, double Round)
{
    auto inside = [=](double x, double y) {
        auto side = [](double ax, double ay, double bx, double by, double px, double py) {
            return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        };
        double a = side(X1, Y1, X2, Y2, x, y), b = side(X2, Y2, X3, Y3, x, y), c = side(X3, Y3, X1, Y1, x, y);
        return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
    };
    TShape e1 = Bar(X1, Y1, X2, Y2, 2 * Round), e2 = Bar(X2, Y2, X3, Y3, 2 * Round), e3 = Bar(X3, Y3, X1, Y1, 2 * Round);
    return [=](double x, double y) { return inside(x, y) || e1(x, y) || e2(x, y) || e3(x, y); };
}

// A soft shadow under round icons: the disc moved down and right, faint.
void DiscWithShadow(TRasterImage& Image, uint32_t Color, uint32_t Rim)
{
    Paint(Image, Disc(16.8, 17.2, 14.6), 0x000000);
    for (int y = 0; y < Image.Height; ++y)
        for (int x = 0; x < Image.Width; ++x) {
            uint32_t& pixel = Image.Row(y)[x];
            pixel = ((pixel >> 24) / 4) << 24;
        }
    Paint(Image, Disc(16, 16, 14.5), Rim);
    Paint(Image, Disc(16, 16, 13.3), Color);
}

}  // namespace

TRasterImage DrawSystemIconPicture(TSystemIcon Icon)
{
    TRasterImage image = TRasterImage::Sized(SystemIconSize, SystemIconSize);
    image.HasAlpha = true;
    switch (Icon) {
    case TSystemIcon::Application:
        Paint(image, Box(2, 4, 30, 28), 0x5A5A5A);
        Paint(image, Box(3, 5, 29, 27), 0xFFFFFF);
        Paint(image, Box(3, 5, 29, 10), 0x1E5AA8);
        Paint(image, Box(24, 6, 28, 9), 0xFFFFFF);
        break;
    case TSystemIcon::Hand:
        DiscWithShadow(image, 0xD83A2E, 0x9E1F16);
        Paint(image, Bar(10.5, 10.5, 21.5, 21.5, 3.6), 0xFFFFFF);
        Paint(image, Bar(21.5, 10.5, 10.5, 21.5, 3.6), 0xFFFFFF);
        break;
    case TSystemIcon::Question:
        DiscWithShadow(image, 0x2F6FCF, 0x1C4E9A);
        Paint(image, Arc(16, 12.5, 3.2, 6.4, 0, 360), 0xFFFFFF);
        // The open lower left of the hook.
        Paint(image, [](double x, double y) { return x > 9 && x < 16 && y > 12.5 && y < 19; }, 0x2F6FCF);
        Paint(image, Box(14.4, 15.5, 17.6, 20), 0xFFFFFF);
        Paint(image, Disc(16, 23.6, 2.1), 0xFFFFFF);
        break;
    case TSystemIcon::Exclamation:
        Paint(image, Triangle(16, 3.5, 29, 27.5, 3, 27.5, 1.8), 0x9A7A00);
        Paint(image, Triangle(16, 5.2, 27.5, 26.5, 4.5, 26.5, 1.2), 0xF6C928);
        Paint(image, Bar(16, 11, 16, 19.5, 3.2), 0x000000);
        Paint(image, Disc(16, 23.3, 1.8), 0x000000);
        break;
    case TSystemIcon::Asterisk:
        DiscWithShadow(image, 0x2F6FCF, 0x1C4E9A);
        Paint(image, Disc(16, 9.6, 2.1), 0xFFFFFF);
        Paint(image, Box(14.3, 13.5, 17.7, 24), 0xFFFFFF);
        Paint(image, Box(12.5, 13.5, 17.7, 15.2), 0xFFFFFF);
        Paint(image, Box(12.5, 22.3, 19.5, 24), 0xFFFFFF);
        break;
    }
    return image;
}
