// Comparing a printed page, rendered from its PDF by poppler as grey
// levels, with the same page drawn on a raster bitmap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A binary PGM file (pdftoppm -gray): its size and one byte per pixel, row
// by row. False when the file is missing or not such a picture.
bool ReadPgm(const std::string& File, int& Width, int& Height, std::string& Grey);

// The grey level poppler makes of an 0x00RRGGBB pixel.
inline int PopplerGrey(uint32_t Pixel)
{
    return static_cast<int>((((Pixel >> 16) & 0xFF) * 77 + ((Pixel >> 8) & 0xFF) * 151 + (Pixel & 0xFF) * 28) >> 8);
}

struct TPrintedMatch {
    int Ink = 0;    // printed pixels darker than paper
    int Wrong = 0;  // printed pixels no drawn pixel next to them comes close to
};

// Edges are anti-aliased differently on paper and on a bitmap, so a printed
// pixel counts as wrong only when none of the nine drawn pixels around it
// is within Tolerance grey levels; a glyph or shape put elsewhere is wrong
// over its whole area. Printed and Drawn hold Width x Height grey levels.
TPrintedMatch MatchPrintedPage(const std::string& Printed, const std::vector<int>& Drawn, int Width, int Height,
                               int Tolerance);
