// Drawing small pictures on a 16-unit grid: the program's tool bar, tree,
// list and tab images and its icon, at any multiple of 16 pixels.
#pragma once

#include <initializer_list>
#include <utility>

#include "skins/generator/gen_raster.h"

class TIconPainter {
public:
    // Draws into the cell of Raster at (Left, Top), Scale pixels a unit.
    TIconPainter(TRaster& Raster, int Left, int Top, int Scale) : r_(Raster), left_(Left), top_(Top), scale_(Scale) {}

    // A box of units (L, T)-(R, B), filled top to bottom from A to Z and
    // outlined with Edge, corners rounded by Round units.
    void Box(int L, int T, int R, int B, TArgb A, TArgb Z, TArgb Edge, int Round = 0);
    // A page with its top right corner folded.
    void Page(int L, int T, int R, int B);
    void Folder(int L, int T, int R, int B, TArgb Colour);
    // A stroke through points given in quarter units, Pen quarter units wide.
    void Line(std::initializer_list<std::pair<int, int>> Points, int Pen, TArgb Colour);
    // A filled disc, centre and radius in quarter units.
    void Disc(int X, int Y, int Radius, TArgb Colour);
    // An open ring.
    void Ring(int X, int Y, int Radius, int Pen, TArgb Colour);
    // A small star marking something new, at unit (X, Y).
    void Sparkle(int X, int Y);
    // A red cross in the lower right corner.
    void Cross();
    void Magnifier(int X, int Y, int Radius);  // the lens centre and radius in units
    void Cylinder(int L, int T, int R, int B);
    void Floppy(int L, int T, int R, int B);
    // A curved arrow turning left (undo) or right (redo).
    void TurnArrow(bool Right);
    // Text lines of a page, from unit row T, Count lines, indented by In.
    void TextLines(int L, int T, int R, int Count, int In = 0);

private:
    TRect Cell(int L, int T, int R, int B) const;

    TRaster& r_;
    int left_, top_, scale_;
};
