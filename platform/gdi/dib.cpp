#include "platform/gdi/dib.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/painter.h"

namespace {

bool Readable(const BITMAPINFOHEADER& h)
{
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
        return h.biCompression == BI_RGB;
    case 32:
        return h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS;
    }
    return false;
}

bool Writable(const BITMAPINFOHEADER& h)
{
    return (h.biBitCount == 1 || h.biBitCount == 24 || h.biBitCount == 32) && h.biCompression == BI_RGB;
}

int Height(const BITMAPINFOHEADER& h)
{
    return h.biHeight < 0 ? -h.biHeight : h.biHeight;
}

// The colour table follows the header, whatever the header's size.
const RGBQUAD* ColorTable(const BITMAPINFO* info)
{
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const char*>(info) + info->bmiHeader.biSize);
}

uint32_t TableColor(const BITMAPINFO* info, unsigned index)
{
    const RGBQUAD& q = ColorTable(info)[index];
    return q.rgbBlue | (q.rgbGreen << 8) | (q.rgbRed << 16);
}

// Reads Count pixels of a DIB row from column X as 0xAARRGGBB.
void ReadDibRow(const BITMAPINFO* info, const uint8_t* row, int x, int count, uint32_t* out)
{
    const BITMAPINFOHEADER& h = info->bmiHeader;
    unsigned full = 1u << std::min<unsigned>(h.biBitCount, 8);
    unsigned colors = h.biClrUsed ? std::min(h.biClrUsed, full) : full;
    for (int i = 0; i < count; ++i) {
        int c = x + i;
        switch (h.biBitCount) {
        case 1:
        case 4:
        case 8: {
            int bpp = h.biBitCount;
            unsigned index = (row[c * bpp / 8] >> (8 - bpp - (c * bpp) % 8)) & ((1u << bpp) - 1);
            out[i] = index < colors ? TableColor(info, index) : 0;
            break;
        }
        case 16: {
            unsigned v = row[2 * c] | (row[2 * c + 1] << 8);
            auto expand = [](unsigned five) { return (five << 3) | (five >> 2); };
            out[i] = expand(v & 31) | (expand((v >> 5) & 31) << 8) | (expand((v >> 10) & 31) << 16);
            break;
        }
        case 24:
            out[i] = row[3 * c] | (row[3 * c + 1] << 8) | (row[3 * c + 2] << 16);
            break;
        case 32:
            std::memcpy(&out[i], row + 4 * c, 4);
            break;
        }
    }
}

void WriteDibRow(int bitCount, uint8_t* row, int count, const uint32_t* in)
{
    for (int c = 0; c < count; ++c) {
        switch (bitCount) {
        case 1: {
            uint8_t bit = static_cast<uint8_t>(0x80 >> (c & 7));
            if (PixelToMono(in[c]))
                row[c >> 3] |= bit;
            else
                row[c >> 3] &= static_cast<uint8_t>(~bit);
            break;
        }
        case 24:
            row[3 * c] = static_cast<uint8_t>(in[c]);
            row[3 * c + 1] = static_cast<uint8_t>(in[c] >> 8);
            row[3 * c + 2] = static_cast<uint8_t>(in[c] >> 16);
            break;
        case 32:
            std::memcpy(row + 4 * c, &in[c], 4);
            break;
        }
    }
}

// Pixels bound for a monochrome bitmap become black or white first, so that
// the monochrome writer's lowest-bit rule sees a clean value.
void ForSurface(const TSurface& s, uint32_t* p, int n)
{
    if (s.BitsPerPixel == 1)
        for (int i = 0; i < n; ++i)
            p[i] = PixelToMono(p[i]);
}

// The bitmap row a scan line of the DIB stands for.
int RowOfScan(const BITMAPINFOHEADER& h, int scan)
{
    return h.biHeight < 0 ? scan : Height(h) - 1 - scan;
}

}  // namespace

int GetDIBits(HDC, HBITMAP Bitmap, unsigned Start, unsigned Lines, void* Bits, BITMAPINFO* Info, unsigned Usage)
{
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
    if (!bitmap || !Info || Usage != DIB_RGB_COLORS)
        return 0;
    BITMAPINFOHEADER& h = Info->bmiHeader;
    TSurface surface = bitmap->Surface();
    if (!Bits) {
        if (h.biBitCount == 0) {
            h.biWidth = surface.Width;
            h.biHeight = surface.Height;
            h.biPlanes = 1;
            h.biBitCount = static_cast<uint16_t>(surface.BitsPerPixel);
            h.biCompression = BI_RGB;
        }
        h.biSizeImage = static_cast<uint32_t>(DibRowBytes(surface.Width, h.biBitCount) * surface.Height);
        return surface.Height;
    }
    if (!Writable(h) || h.biWidth != surface.Width || Height(h) != surface.Height)
        return 0;
    if (h.biBitCount == 1) {
        auto* table = const_cast<RGBQUAD*>(ColorTable(Info));
        table[0] = RGBQUAD{0, 0, 0, 0};
        table[1] = RGBQUAD{255, 255, 255, 0};
    }
    int rowBytes = DibRowBytes(surface.Width, h.biBitCount);
    std::vector<uint32_t> row(static_cast<size_t>(surface.Width));
    int copied = 0;
    for (unsigned scan = Start; scan < Start + Lines && scan < static_cast<unsigned>(surface.Height); ++scan) {
        surface.ReadRow(0, RowOfScan(h, static_cast<int>(scan)), surface.Width, row.data());
        uint8_t* out = static_cast<uint8_t*>(Bits) + static_cast<ptrdiff_t>(scan - Start) * rowBytes;
        WriteDibRow(h.biBitCount, out, surface.Width, row.data());
        ++copied;
    }
    return copied;
}

int SetDIBits(HDC, HBITMAP Bitmap, unsigned Start, unsigned Lines, const void* Bits, const BITMAPINFO* Info,
              unsigned Usage)
{
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
    if (!bitmap || !Bits || !Info || Usage != DIB_RGB_COLORS || !Readable(Info->bmiHeader))
        return 0;
    const BITMAPINFOHEADER& h = Info->bmiHeader;
    TSurface surface = bitmap->Surface();
    if (Height(h) != surface.Height || h.biWidth <= 0)
        return 0;
    int width = std::min(h.biWidth, surface.Width);
    int rowBytes = DibRowBytes(h.biWidth, h.biBitCount);
    std::vector<uint32_t> row(static_cast<size_t>(width));
    int set = 0;
    for (unsigned scan = Start; scan < Start + Lines && scan < static_cast<unsigned>(surface.Height); ++scan) {
        const uint8_t* in = static_cast<const uint8_t*>(Bits) + static_cast<ptrdiff_t>(scan - Start) * rowBytes;
        ReadDibRow(Info, in, 0, width, row.data());
        ForSurface(surface, row.data(), width);
        surface.WriteRow(0, RowOfScan(h, static_cast<int>(scan)), width, row.data());
        ++set;
    }
    return set;
}

int SetDIBitsToDevice(HDC DC, int X, int Y, unsigned Width, unsigned Height, int SrcX, int SrcY, unsigned StartScan,
                      unsigned Lines, const void* Bits, const BITMAPINFO* Info, unsigned Usage)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Bits || !Info || Usage != DIB_RGB_COLORS || !Readable(Info->bmiHeader))
        return 0;
    const BITMAPINFOHEADER& h = Info->bmiHeader;
    int dibHeight = ::Height(h);
    int rowBytes = DibRowBytes(h.biWidth, h.biBitCount);
    TPainter painter(*dc);
    if (!painter.CanDraw())
        return static_cast<int>(Lines);
    TPoint at = dc->LPtoSurface(TPoint{X, Y});
    TRect dest = Bounds(at.X, at.Y, static_cast<int>(Width), static_cast<int>(Height));
    const TSurface& out = painter.Surface();
    painter.Clip().ForEachRectIn(dest, [&](const TRect& r) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            int j = y - dest.Top;
            // Scan line numbers of a bottom-up DIB count from its bottom.
            int64_t scan = h.biHeight < 0 ? int64_t(SrcY) + j : int64_t(SrcY) + (int64_t(Height) - 1 - j);
            if (scan < StartScan || scan >= int64_t(StartScan) + Lines || scan >= dibHeight)
                continue;
            int x1 = std::max(r.Left, dest.Left - SrcX);
            int x2 = std::min<int64_t>(r.Right, int64_t(dest.Left) - SrcX + h.biWidth);
            if (x1 >= x2)
                continue;
            const uint8_t* in = static_cast<const uint8_t*>(Bits) + (scan - StartScan) * rowBytes;
            uint32_t* row = painter.Scratch(x2 - x1);
            ReadDibRow(Info, in, SrcX + (x1 - dest.Left), x2 - x1, row);
            ForSurface(out, row, x2 - x1);
            out.WriteRow(x1, y, x2 - x1, row);
        }
    });
    return static_cast<int>(Lines);
}
