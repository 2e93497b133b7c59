// Reading poppler's grey pictures and matching them with drawn pages.
#include "tests/support/printed_page.h"

#include <cstdlib>
#include <fstream>

bool ReadPgm(const std::string& File, int& Width, int& Height, std::string& Grey)
{
    std::ifstream in(File, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> Width >> Height >> maxValue) || magic != "P5" || Width <= 0 || Height <= 0)
        return false;
    in.get();
    Grey.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), '\0');
    return static_cast<bool>(in.read(Grey.data(), static_cast<std::streamsize>(Grey.size())));
}

TPrintedMatch MatchPrintedPage(const std::string& Printed, const std::vector<int>& Drawn, int Width, int Height,
                               int Tolerance)
{
    TPrintedMatch match;
    auto at = [Width](int x, int y) { return static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x); };
    for (int y = 1; y + 1 < Height; ++y)
        for (int x = 1; x + 1 < Width; ++x) {
            const int printed = static_cast<unsigned char>(Printed[at(x, y)]);
            if (printed < 250)
                ++match.Ink;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = std::abs(Drawn[at(x + dx, y + dy)] - printed) <= Tolerance;
            if (!near)
                ++match.Wrong;
        }
    return match;
}
