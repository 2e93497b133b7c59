#include "platform/ui/graphics/icon.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

#include "platform/base/streams.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/image_blend.h"
#include "platform/ui/graphics/system_icons.h"

namespace {

constexpr size_t kDirSize = 6;
constexpr size_t kEntrySize = 16;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

[[noreturn]] void Invalid() { throw EInvalidGraphic("Icon image is not valid"); }

struct TIconEntry {
    int Width;  // from the directory, 256 for 0
    int Height;
    int BitCount;
    std::span<const uint8_t> Data;
};

// A masked image: the colour part read as a BMP file of half the stored
// height, then the AND mask below it, which clears alpha where it is set.
TRasterImage ReadMaskedImage(std::span<const uint8_t> Data)
{
    if (Data.size() < 16)
        Invalid();
    uint32_t headerSize = U32(Data.data());
    if (headerSize < 40 || headerSize > Data.size())
        Invalid();
    int bitCount = U16(Data.data() + 14);
    uint32_t colorsUsed = U32(Data.data() + 32);
    size_t pixelStart = headerSize;
    if (U32(Data.data() + 16) == BI_BITFIELDS && headerSize == 40)
        pixelStart += 12;
    if (bitCount <= 8)
        pixelStart += size_t(colorsUsed && colorsUsed < (1u << bitCount) ? colorsUsed : 1u << bitCount) * 4;
    if (pixelStart > Data.size())
        Invalid();

    std::vector<uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    file.insert(file.end(), Data.begin(), Data.end());
    uint32_t fileSize = static_cast<uint32_t>(file.size());
    uint32_t offset = static_cast<uint32_t>(14 + pixelStart);
    std::memcpy(&file[2], &fileSize, 4);
    std::memcpy(&file[10], &offset, 4);
    int32_t height = static_cast<int32_t>(U32(Data.data() + 8)) / 2;
    bool topDown = height < 0;
    std::memcpy(&file[14 + 8], &height, 4);
    std::memset(&file[14 + 20], 0, 4);  // biSizeImage counts the mask too
    TRasterImage image = ReadBmp(file);

    if (!image.HasAlpha) {
        size_t maskStart = pixelStart + size_t(DibRowBytes(image.Width, bitCount)) * image.Height;
        size_t maskStride = size_t(DibRowBytes(image.Width, 1));
        bool haveMask = maskStart <= Data.size() && (Data.size() - maskStart) / maskStride >= size_t(image.Height);
        for (int y = 0; haveMask && y < image.Height; ++y) {
            const uint8_t* bits = Data.data() + maskStart + size_t(topDown ? y : image.Height - 1 - y) * maskStride;
            uint32_t* row = image.Row(y);
            for (int x = 0; x < image.Width; ++x)
                if (bits[x >> 3] & (0x80 >> (x & 7)))
                    row[x] = 0;
        }
    }
    image.HasAlpha = true;
    return image;
}

}  // namespace

TIcon::TIcon() { transparent_ = true; }

TIcon::~TIcon() { ReleaseHandle(); }

void TIcon::ReleaseHandle()
{
    if (handle_)
        DestroyIcon(handle_);
    handle_ = nullptr;
}

HICON TIcon::Handle()
{
    if (!handle_)
        handle_ = CreateIconFromImage(image_);
    return handle_;
}

void TIcon::SetWidth(int Value)
{
    if (!Empty())
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
    requestedWidth_ = Value;
}

void TIcon::SetHeight(int Value)
{
    if (!Empty())
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
    requestedHeight_ = Value;
}

void TIcon::AssignImage(const TRasterImage& Image)
{
    ReleaseHandle();
    image_ = Image;
    image_.HasAlpha = !image_.Empty();
    Changed();
}

void TIcon::SetHandle(HICON Value)
{
    const TRasterImage* image = IconImage(Value);
    AssignImage(image ? *image : TRasterImage{});
}

void TIcon::Assign(TPersistent* Source)
{
    if (!Source) {
        AssignImage({});
        return;
    }
    if (auto* icon = dynamic_cast<TIcon*>(Source)) {
        AssignImage(icon->image_);
        return;
    }
    TGraphic::Assign(Source);
}

void TIcon::LoadFromStream(TStream* Stream)
{
    std::vector<uint8_t> data(static_cast<size_t>(std::max<int64_t>(Stream->Size() - Stream->Position(), 0)));
    Stream->ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    if (data.size() < kDirSize || U16(&data[0]) != 0 || U16(&data[2]) != 1)
        Invalid();
    size_t count = U16(&data[4]);
    if (count == 0 || (data.size() - kDirSize) / kEntrySize < count)
        Invalid();

    std::vector<TIconEntry> entries;
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = &data[kDirSize + i * kEntrySize];
        uint32_t size = U32(e + 8);
        uint32_t offset = U32(e + 12);
        if (offset > data.size() || size > data.size() - offset)
            Invalid();
        entries.push_back({e[0] ? e[0] : 256, e[1] ? e[1] : 256, U16(e + 6), {&data[offset], size}});
    }
    // The size asked for beats any other, then the larger, then the deeper.
    auto rank = [this](const TIconEntry& e) {
        return std::tuple(e.Width == requestedWidth_ && e.Height == requestedHeight_, int64_t(e.Width) * e.Height,
                          e.BitCount);
    };
    const TIconEntry* chosen = &entries[0];
    for (const TIconEntry& e : entries)
        if (rank(e) > rank(*chosen))
            chosen = &e;

    TRasterImage image;
    if (IsPngSignature(chosen->Data)) {
        image = ReadPng(chosen->Data);
        image.HasAlpha = true;
    } else {
        image = ReadMaskedImage(chosen->Data);
    }
    AssignImage(image);
}

void TIcon::SaveToStream(TStream* Stream)
{
    if (Empty())
        throw EInvalidGraphicOperation("Icon image is not valid");
    const int w = image_.Width;
    const int h = image_.Height;
    const uint32_t colorBytes = uint32_t(w) * 4 * uint32_t(h);
    const uint32_t maskBytes = uint32_t(DibRowBytes(w, 1)) * uint32_t(h);
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(static_cast<uint8_t>(w < 256 ? w : 0));
    out.push_back(static_cast<uint8_t>(h < 256 ? h : 0));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 40 + colorBytes + maskBytes);
    Put32(out, static_cast<uint32_t>(kDirSize + kEntrySize));
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, BI_RGB);
    Put32(out, colorBytes + maskBytes);
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
            Put32(out, image_.Row(y)[x]);
    const size_t maskStride = size_t(DibRowBytes(w, 1));
    for (int y = h - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if ((image_.Row(y)[x] >> 24) == 0)
                row[size_t(x) >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        out.insert(out.end(), row.begin(), row.end());
    }
    Stream->WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) { DrawImageBlended(DrawingHandle(ACanvas), Rect, image_); }
