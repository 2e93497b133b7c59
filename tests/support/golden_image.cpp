// Golden-picture comparison with the actual and difference pictures left
// beside the golden file on a mismatch.
#include "tests/support/golden_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gdi/png_codec.h"

namespace {

const uint32_t kRgb = 0xFFFFFF;

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    std::ofstream(Path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

std::string Sibling(const std::string& Path, const char* Suffix)
{
    std::filesystem::path path(Path);
    return (path.parent_path() / (path.stem().string() + Suffix)).string();
}

// Black where the pictures agree, the drawn pixel in red where they differ,
// over the size both share; parts only one picture has are red too.
TRasterImage Difference(const TRasterImage& Golden, const TRasterImage& Actual)
{
    TRasterImage diff = TRasterImage::Sized(std::max(Golden.Width, Actual.Width),
                                            std::max(Golden.Height, Actual.Height));
    for (int y = 0; y < diff.Height; ++y)
        for (int x = 0; x < diff.Width; ++x) {
            const bool inGolden = x < Golden.Width && y < Golden.Height;
            const bool inActual = x < Actual.Width && y < Actual.Height;
            const bool same = inGolden && inActual && (Golden.Row(y)[x] & kRgb) == (Actual.Row(y)[x] & kRgb);
            diff.Row(y)[x] = same ? 0xFF000000 : 0xFFFF0000;
        }
    return diff;
}

}  // namespace

void ExpectGolden(const TRasterImage& Image, const std::string& Path)
{
    const std::string actualPath = Sibling(Path, ".actual.png");
    const std::string diffPath = Sibling(Path, ".diff.png");
    std::filesystem::remove(actualPath);
    std::filesystem::remove(diffPath);
    if (std::getenv("TANDRIL_ACCEPT_GOLDEN") != nullptr)
        WriteFile(Path, WritePng(Image));

    std::ifstream file(Path, std::ios::binary);
    if (!file) {
        WriteFile(actualPath, WritePng(Image));
        ADD_FAILURE() << Path << " is missing; the drawn picture is in " << actualPath;
        return;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const TRasterImage golden = ReadPng(bytes);

    long differing = 0;
    int firstX = -1, firstY = -1;
    if (golden.Width == Image.Width && golden.Height == Image.Height) {
        for (int y = 0; y < Image.Height; ++y)
            for (int x = 0; x < Image.Width; ++x)
                if ((golden.Row(y)[x] & kRgb) != (Image.Row(y)[x] & kRgb) && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
        if (differing == 0)
            return;
    }
    WriteFile(actualPath, WritePng(Image));
    WriteFile(diffPath, WritePng(Difference(golden, Image)));
    if (differing == 0)
        ADD_FAILURE() << Path << " is " << golden.Width << "x" << golden.Height << ", the drawn picture "
                      << Image.Width << "x" << Image.Height << "; see " << actualPath << " and " << diffPath;
    else
        ADD_FAILURE() << Path << ": " << differing << " pixels differ, the first at (" << firstX << ", "
                      << firstY << "); see " << actualPath << " and " << diffPath;
}
