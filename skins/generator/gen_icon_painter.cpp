#include "skins/generator/gen_icon_painter.h"

#include <vector>

namespace {

constexpr TArgb kInk = Rgb(0x33, 0x3D, 0x4C);
constexpr TArgb kPaper = Rgb(0xFF, 0xFF, 0xFF);
constexpr TArgb kPaperShade = Rgb(0xDD, 0xE4, 0xEE);
constexpr TArgb kRed = Rgb(0xD8, 0x30, 0x2C);
constexpr TArgb kGold = Rgb(0xF2, 0xB2, 0x1C);

// Points of a circle of radius R around (X, Y), in quarter units, every
// 30 degrees from Start to End (multiples of 30), from a fixed table.
std::vector<std::pair<int, int>> Arc(int X, int Y, int R, int Start, int End)
{
    static const int cos30[12] = {1000, 866, 500, 0, -500, -866, -1000, -866, -500, 0, 500, 866};
    std::vector<std::pair<int, int>> points;
    for (int a = Start; a <= End; a += 30) {
        int i = (a / 30 % 12 + 12) % 12;
        int j = (i + 9) % 12;  // sin(a) = cos(a - 90)
        points.emplace_back(X + R * cos30[i] / 1000, Y - R * cos30[j] / 1000);
    }
    return points;
}

}  // namespace

TRect TIconPainter::Cell(int L, int T, int R, int B) const
{
    return {left_ + L * scale_, top_ + T * scale_, left_ + R * scale_, top_ + B * scale_};
}

void TIconPainter::Box(int L, int T, int R, int B, TArgb A, TArgb Z, TArgb Edge, int Round)
{
    TRect cell = Cell(L, T, R, B);
    r_.RoundedGradient(cell, Round * scale_, TGradient::Two(A, Z));
    r_.RoundedFrame(cell, Round * scale_, Edge);
}

void TIconPainter::Page(int L, int T, int R, int B)
{
    Box(L, T, R, B, kPaper, kPaperShade, kInk);
    const int fold = 3;
    TRect corner = Cell(R - fold, T, R, T + fold);
    r_.Fill(TRect{corner.Left + 1, corner.Top, corner.Right, corner.Bottom - 1}, 0);
    Line({{4 * (R - fold), 4 * T}, {4 * (R - fold), 4 * (T + fold)}, {4 * R, 4 * (T + fold)}}, 3, kInk);
    Line({{4 * (R - fold), 4 * T}, {4 * R, 4 * (T + fold)}}, 3, kInk);
}

void TIconPainter::Folder(int L, int T, int R, int B, TArgb Colour)
{
    Box(L, T, L + (R - L) / 2, T + 3, Colour, Colour, Mix(Colour, kInk, 128), 1);
    Box(L, T + 2, R, B, Mix(Colour, kPaper, 96), Colour, Mix(Colour, kInk, 128), 1);
}

void TIconPainter::Line(std::initializer_list<std::pair<int, int>> Points, int Pen, TArgb Colour)
{
    std::vector<std::pair<int, int>> p(Points);
    const int pen = Pen * scale_;
    for (size_t i = 0; i + 1 < p.size(); ++i)
        r_.Stroke(4 * left_ + p[i].first * scale_, 4 * top_ + p[i].second * scale_, 4 * left_ + p[i + 1].first * scale_,
                  4 * top_ + p[i + 1].second * scale_, pen, Colour);
    if (p.size() == 1)
        r_.Stroke(4 * left_ + p[0].first * scale_, 4 * top_ + p[0].second * scale_, 4 * left_ + p[0].first * scale_,
                  4 * top_ + p[0].second * scale_, pen, Colour);
}

void TIconPainter::Disc(int X, int Y, int Radius, TArgb Colour)
{
    r_.Stroke(4 * left_ + X * scale_, 4 * top_ + Y * scale_, 4 * left_ + X * scale_, 4 * top_ + Y * scale_,
              2 * Radius * scale_, Colour);
}

void TIconPainter::Ring(int X, int Y, int Radius, int Pen, TArgb Colour)
{
    std::vector<std::pair<int, int>> p = Arc(X, Y, Radius, 0, 360);
    for (size_t i = 0; i + 1 < p.size(); ++i)
        Line({p[i], p[i + 1]}, Pen, Colour);
}

void TIconPainter::Sparkle(int X, int Y)
{
    const int x = 4 * X, y = 4 * Y;
    Line({{x - 10, y}, {x + 10, y}}, 5, kGold);
    Line({{x, y - 10}, {x, y + 10}}, 5, kGold);
    Line({{x - 6, y - 6}, {x + 6, y + 6}}, 3, kGold);
    Line({{x + 6, y - 6}, {x - 6, y + 6}}, 3, kGold);
}

void TIconPainter::Cross()
{
    Line({{38, 38}, {60, 60}}, 8, kRed);
    Line({{60, 38}, {38, 60}}, 8, kRed);
}

void TIconPainter::Magnifier(int X, int Y, int Radius)
{
    Disc(4 * X, 4 * Y, 4 * Radius, Rgb(0xCF, 0xE6, 0xFA));
    Ring(4 * X, 4 * Y, 4 * Radius, 6, kInk);
    int d = 4 * Radius * 7 / 10;
    Line({{4 * X + d, 4 * Y + d}, {4 * X + d + 18, 4 * Y + d + 18}}, 10, Rgb(0x6A, 0x4A, 0x2A));
}

void TIconPainter::Cylinder(int L, int T, int R, int B)
{
    const TArgb body = Rgb(0x4C, 0x8E, 0xD6), top = Rgb(0x9C, 0xC8, 0xF2), edge = Rgb(0x22, 0x4E, 0x8A);
    Box(L, T + 1, R, B, body, Mix(body, edge, 96), edge, 2);
    Box(L, T, R, T + 4, top, top, edge, 2);
}

void TIconPainter::Floppy(int L, int T, int R, int B)
{
    const TArgb blue = Rgb(0x3B, 0x6E, 0xC0), edge = Rgb(0x1E, 0x3C, 0x72);
    Box(L, T, R, B, blue, Mix(blue, edge, 96), edge, 1);
    Box(L + 2, T, R - 2, T + 5, kPaper, kPaperShade, edge);
    Box(L + 3, B - 4, R - 3, B, Rgb(0xC8, 0xCE, 0xD8), Rgb(0xA8, 0xB0, 0xBE), edge);
}

void TIconPainter::TurnArrow(bool Right)
{
    const TArgb colour = Right ? Rgb(0x2E, 0x8B, 0x3C) : Rgb(0x2A, 0x66, 0xC2);
    // Undo: a shaft from the head on the left that turns back below on the
    // right; redo is its mirror image.
    auto x = [Right](int X) { return Right ? 64 - X : X; };
    Line({{x(10), 22}, {x(38), 22}, {x(48), 26}, {x(54), 34}, {x(54), 40}, {x(48), 48}, {x(38), 52}, {x(24), 52}}, 8,
         colour);
    Line({{x(22), 10}, {x(10), 22}, {x(22), 34}}, 8, colour);
}

void TIconPainter::TextLines(int L, int T, int R, int Count, int In)
{
    for (int i = 0; i < Count; ++i)
        Line({{4 * (L + (i % 2) * In), 4 * (T + 2 * i) + 2}, {4 * R, 4 * (T + 2 * i) + 2}}, 4, Rgb(0x6C, 0x78, 0x88));
}
