// Helpers for the text tests: fonts selected for a scope, and ink read back
// as runs of pixels.
#pragma once

#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "gdi_test_canvas.h"
#include "platform/gdi/font.h"
#include "platform/gdi/test_font.h"

inline constexpr uint32_t kWhite = 0x00FFFFFF;

inline LOGFONT FontLog(const char* Face, int Height)
{
    LOGFONT log;
    log.lfHeight = Height;
    log.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(log.lfFaceName, Face, LF_FACESIZE - 1);
    return log;
}

inline LOGFONT TestFontLog(int Height = 0) { return FontLog(kTestFontName, Height); }

// Selects a new font into a DC; gives the old one back and deletes the new
// one at the end of the scope.
class TSelectedFont {
public:
    TSelectedFont(HDC DC, const LOGFONT& Log) : dc_(DC), font_(CreateFontIndirect(Log))
    {
        old_ = SelectObject(DC, font_);
    }
    ~TSelectedFont()
    {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

using TRuns = std::vector<std::pair<int, int>>;

// The runs [start, end) of row Y that differ from Background.
inline TRuns Runs(TTestCanvas& Canvas, int Y, uint32_t Background = kWhite)
{
    std::istringstream rows(Canvas.Picture(Background));
    std::string row;
    for (int y = 0; y <= Y; ++y)
        std::getline(rows, row);
    TRuns runs;
    for (size_t x = 0; x < row.size(); ++x) {
        if (row[x] != '#')
            continue;
        size_t end = x;
        while (end < row.size() && row[end] == '#')
            ++end;
        runs.emplace_back(static_cast<int>(x), static_cast<int>(end));
        x = end;
    }
    return runs;
}
