#include "platform/gdi/bmp_codec.h"

#include <bit>
#include <cstring>

#include "platform/gdi/gdi_records.h"
#include "platform/gdi/surface.h"

namespace {

enum : uint32_t { BI_RLE8 = 1, BI_RLE4 = 2, BI_ALPHABITFIELDS = 6 };

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

[[noreturn]] void Fail(const char* Reason)
{
    throw EInvalidGraphic(AnsiString("Bitmap image is not valid: ") + Reason);
}

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

void PutU16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// One colour channel of a 16- or 32-bit pixel, picked out by its mask and
// scaled to 8 bits.
class TChannel {
public:
    TChannel() = default;
    TChannel(uint32_t mask, int bitsPerPixel) : mask_(mask)
    {
        if (!mask)
            return;
        shift_ = std::countr_zero(mask);
        max_ = (uint64_t(1) << std::popcount(mask)) - 1;
        if ((mask >> shift_) != max_)
            Fail("colour mask is not contiguous");
        if (bitsPerPixel < 32 && (mask >> bitsPerPixel))
            Fail("colour mask lies outside the pixel");
    }
    uint32_t Mask() const { return mask_; }
    uint32_t Extract(uint32_t pixel) const
    {
        if (!mask_)
            return 0;
        uint64_t v = (pixel & mask_) >> shift_;
        return static_cast<uint32_t>((v * 255 + max_ / 2) / max_);
    }

private:
    uint32_t mask_ = 0;
    int shift_ = 0;
    uint64_t max_ = 1;
};

// What the headers say, checked against the file.
struct TBmpLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitsPerPixel = 0;
    TChannel Red, Green, Blue, Alpha;
    std::vector<uint32_t> Palette;
    size_t PixelOffset = 0;
    size_t Stride = 0;
};

void SetMasks(TBmpLayout& l, uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    if ((r & g) || (r & b) || (g & b) || ((r | g | b) & a))
        Fail("colour masks overlap");
    l.Red = TChannel(r, l.BitsPerPixel);
    l.Green = TChannel(g, l.BitsPerPixel);
    l.Blue = TChannel(b, l.BitsPerPixel);
    l.Alpha = TChannel(a, l.BitsPerPixel);
}

TBmpLayout ReadLayout(std::span<const uint8_t> data)
{
    const size_t size = data.size();
    const uint8_t* d = data.data();
    if (size < kFileHeaderSize + 4)
        Fail("file is too short");
    TBmpLayout l;
    const size_t headerSize = U32(d + 14);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124)
        Fail("unknown header size");
    if (size < kFileHeaderSize + headerSize)
        Fail("header is cut short");
    const uint8_t* h = d + kFileHeaderSize;
    int64_t width, height;
    unsigned planes;
    uint32_t compression = BI_RGB, colorsUsed = 0;
    size_t paletteEntrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        width = U16(h + 4);
        height = U16(h + 6);
        planes = U16(h + 8);
        l.BitsPerPixel = U16(h + 10);
        paletteEntrySize = 3;
    } else {
        width = static_cast<int32_t>(U32(h + 4));
        height = static_cast<int32_t>(U32(h + 8));
        planes = U16(h + 12);
        l.BitsPerPixel = U16(h + 14);
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    if (planes != 1)
        Fail("plane count is not 1");
    if (width <= 0 || height == 0)
        Fail("width or height is not positive");
    l.TopDown = height < 0;
    if (height < 0)
        height = -height;
    if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
        Fail("picture is too large");
    l.Width = static_cast<int>(width);
    l.Height = static_cast<int>(height);

    const int bpp = l.BitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Fail("unsupported bit count");
    const bool bitfields = compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS;
    if (compression == BI_RLE8 || compression == BI_RLE4)
        Fail("compressed (RLE) pixels are not supported");
    if (compression != BI_RGB && !(bitfields && (bpp == 16 || bpp == 32)))
        Fail("unsupported compression");

    size_t pos = kFileHeaderSize + headerSize;
    if (bitfields) {
        int count = compression == BI_ALPHABITFIELDS ? 4 : 3;
        if (headerSize == kInfoHeaderSize) {
            // The masks follow the 40-byte header.
            if (size - pos < size_t(count) * 4)
                Fail("colour masks are cut short");
            SetMasks(l, U32(d + pos), U32(d + pos + 4), U32(d + pos + 8), count == 4 ? U32(d + pos + 12) : 0);
            pos += size_t(count) * 4;
        } else {
            // The longer headers hold the masks themselves, alpha from 56 bytes on.
            SetMasks(l, U32(h + 40), U32(h + 44), U32(h + 48), headerSize >= 56 ? U32(h + 52) : 0);
        }
    } else if (bpp == 16) {
        SetMasks(l, 0x7C00, 0x03E0, 0x001F, 0);
    } else if (bpp == 32) {
        // The fourth byte may hold alpha; SettleAlpha decides later.
        SetMasks(l, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    }

    if (bpp <= 8) {
        const uint32_t maxColors = 1u << bpp;
        if (colorsUsed > maxColors)
            Fail("palette is larger than the bit count allows");
        const uint32_t count = colorsUsed ? colorsUsed : maxColors;
        if ((size - pos) / paletteEntrySize < count)
            Fail("palette is cut short");
        l.Palette.resize(count);
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* e = d + pos + i * paletteEntrySize;
            l.Palette[i] = 0xFF000000u | (e[2] << 16) | (e[1] << 8) | e[0];
        }
        pos += count * paletteEntrySize;
    }

    l.PixelOffset = U32(d + 10);
    if (l.PixelOffset < pos)
        Fail("pixel offset points into the headers");
    if (l.PixelOffset > size)
        Fail("pixel offset lies beyond the end of the file");
    l.Stride = (static_cast<size_t>(l.Width) * static_cast<size_t>(bpp) + 31) / 32 * 4;
    if ((size - l.PixelOffset) / l.Stride < static_cast<size_t>(l.Height))
        Fail("pixel data is cut short");
    return l;
}

void DecodeRow(const TBmpLayout& l, const uint8_t* src, uint32_t* out)
{
    const int w = l.Width;
    switch (l.BitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const int bpp = l.BitsPerPixel;
        const unsigned mask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x) {
            const size_t bit = static_cast<size_t>(x) * bpp;
            const unsigned index = (src[bit / 8] >> (8 - bpp - bit % 8)) & mask;
            // An index past the palette reads as black, as other readers do.
            out[x] = index < l.Palette.size() ? l.Palette[index] : 0xFF000000u;
        }
        break;
    }
    case 16:
    case 32:
        for (int x = 0; x < w; ++x) {
            const uint32_t v = l.BitsPerPixel == 16 ? U16(src + x * 2) : U32(src + x * 4);
            const uint32_t alpha = l.Alpha.Mask() ? l.Alpha.Extract(v) : 255;
            out[x] = (alpha << 24) | (l.Red.Extract(v) << 16) | (l.Green.Extract(v) << 8) |
                     l.Blue.Extract(v);
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = src + x * 3;
            out[x] = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
        }
        break;
    }
}

}  // namespace

bool IsBmpSignature(std::span<const uint8_t> Data)
{
    return Data.size() >= 2 && Data[0] == 'B' && Data[1] == 'M';
}

TRasterImage ReadBmp(std::span<const uint8_t> Data)
{
    if (!IsBmpSignature(Data))
        Fail("no BM signature");
    const TBmpLayout l = ReadLayout(Data);
    TRasterImage image = TRasterImage::Sized(l.Width, l.Height);
    for (int row = 0; row < l.Height; ++row) {
        const int y = l.TopDown ? row : l.Height - 1 - row;
        DecodeRow(l, Data.data() + l.PixelOffset + static_cast<size_t>(row) * l.Stride, image.Row(y));
    }
    if (l.Alpha.Mask())
        SettleAlpha(image);
    return image;
}

std::optional<TBmpRows> PlainBmpRows(std::span<const uint8_t> Data)
{
    if (!IsBmpSignature(Data))
        Fail("no BM signature");
    const TBmpLayout l = ReadLayout(Data);
    const bool plain32 = l.BitsPerPixel == 32 && l.Red.Mask() == 0x00FF0000 && l.Green.Mask() == 0x0000FF00 &&
                         l.Blue.Mask() == 0x000000FF && l.Alpha.Mask() == 0xFF000000;
    if (l.BitsPerPixel != 24 && !plain32)
        return std::nullopt;
    TBmpRows rows;
    rows.Width = l.Width;
    rows.Height = l.Height;
    rows.BitsPerPixel = l.BitsPerPixel;
    const auto stride = static_cast<ptrdiff_t>(l.Stride);
    rows.Top = Data.data() + l.PixelOffset + (l.TopDown ? 0 : (l.Height - 1) * stride);
    rows.Stride = l.TopDown ? stride : -stride;
    return rows;
}

void CopyPlainBmpRows(const TBmpRows& Rows, const TSurface& Target)
{
    const size_t width = static_cast<size_t>(Rows.Width);
    bool alpha = false;
    for (int y = 0; y < Rows.Height; ++y) {
        std::memcpy(Target.Row(y), Rows.Top + y * Rows.Stride, width * static_cast<size_t>(Rows.BitsPerPixel / 8));
        if (Rows.BitsPerPixel == 32 && !alpha)
            alpha = AnyAlpha({Target.Row32(y), width});
    }
    if (Rows.BitsPerPixel == 32 && !alpha)
        for (int y = 0; y < Rows.Height; ++y)
            MakeOpaque({Target.Row32(y), width});
}

std::vector<uint8_t> WriteBmp(const TRasterImage& Image, int BitsPerPixel)
{
    if (Image.Empty())
        throw EInvalidGraphic("Cannot save an empty picture");
    if (BitsPerPixel != 24 && BitsPerPixel != 32)
        throw EInvalidGraphic("Bitmaps are saved with 24 or 32 bits per pixel only");
    const size_t stride = (static_cast<size_t>(Image.Width) * BitsPerPixel + 31) / 32 * 4;
    const size_t pixelBytes = stride * static_cast<size_t>(Image.Height);
    const size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<uint32_t>(offset + pixelBytes));
    PutU32(out, 0);
    PutU32(out, static_cast<uint32_t>(offset));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<uint32_t>(Image.Width));
    PutU32(out, static_cast<uint32_t>(Image.Height));  // positive: bottom row first
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(BitsPerPixel));
    PutU32(out, BI_RGB);
    PutU32(out, static_cast<uint32_t>(pixelBytes));
    PutU32(out, 0);  // no resolution
    PutU32(out, 0);
    PutU32(out, 0);  // no palette
    PutU32(out, 0);
    out.resize(offset + pixelBytes);
    for (int y = 0; y < Image.Height; ++y) {
        uint8_t* dst = out.data() + offset + static_cast<size_t>(Image.Height - 1 - y) * stride;
        const uint32_t* src = Image.Row(y);
        for (int x = 0; x < Image.Width; ++x) {
            const uint32_t p = src[x];
            *dst++ = static_cast<uint8_t>(p);
            *dst++ = static_cast<uint8_t>(p >> 8);
            *dst++ = static_cast<uint8_t>(p >> 16);
            if (BitsPerPixel == 32)
                *dst++ = Image.HasAlpha ? static_cast<uint8_t>(p >> 24) : 0;
        }
    }
    return out;
}
