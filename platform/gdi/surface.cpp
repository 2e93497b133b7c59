#include "platform/gdi/surface.h"

#include <algorithm>

uint32_t TSurface::GetPixel(int X, int Y) const
{
    uint32_t pixel = 0;
    ReadRow(X, Y, 1, &pixel);
    return pixel;
}

void TSurface::SetPixel(int X, int Y, uint32_t Pixel) const
{
    WriteRow(X, Y, 1, &Pixel);
}

void TSurface::ReadRow(int X, int Y, int Count, uint32_t* Out) const
{
    const uint8_t* row = Row(Y);
    switch (BitsPerPixel) {
    case 32:
        std::copy_n(reinterpret_cast<const uint32_t*>(row) + X, Count, Out);
        break;
    case 24:
        for (int i = 0; i < Count; ++i) {
            const uint8_t* p = row + (X + i) * 3;
            Out[i] = p[0] | (p[1] << 8) | (p[2] << 16);
        }
        break;
    case 1:
        for (int i = 0; i < Count; ++i) {
            int x = X + i;
            Out[i] = (row[x >> 3] >> (7 - (x & 7))) & 1 ? kColorBits : 0;
        }
        break;
    }
}

void TSurface::WriteRow(int X, int Y, int Count, const uint32_t* In) const
{
    uint8_t* row = Row(Y);
    switch (BitsPerPixel) {
    case 32:
        std::copy_n(In, Count, reinterpret_cast<uint32_t*>(row) + X);
        break;
    case 24:
        for (int i = 0; i < Count; ++i) {
            uint8_t* p = row + (X + i) * 3;
            p[0] = static_cast<uint8_t>(In[i]);
            p[1] = static_cast<uint8_t>(In[i] >> 8);
            p[2] = static_cast<uint8_t>(In[i] >> 16);
        }
        break;
    case 1:
        // Raster results on a monochrome surface are 0 or all ones in the
        // colour bits, so the lowest bit decides.
        for (int i = 0; i < Count; ++i) {
            int x = X + i;
            uint8_t bit = static_cast<uint8_t>(0x80 >> (x & 7));
            if (In[i] & 1)
                row[x >> 3] |= bit;
            else
                row[x >> 3] &= static_cast<uint8_t>(~bit);
        }
        break;
    }
}

void TSurface::FillRow(int X, int Y, int Count, uint32_t Pixel) const
{
    if (BitsPerPixel == 32) {
        std::fill_n(Row32(Y) + X, Count, Pixel);
        return;
    }
    uint32_t buffer[256];
    std::fill_n(buffer, std::min(Count, 256), Pixel);
    for (int done = 0; done < Count; done += 256)
        WriteRow(X + done, Y, std::min(256, Count - done), buffer);
}
