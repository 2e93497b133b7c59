// BMP and PNG files built field by field for the codec tests, independently
// of the codecs themselves (PNG data goes into stored deflate blocks).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Appends each value as Size bytes, little-endian (or big-endian).
inline void Put(Bytes& b, int Size, std::initializer_list<uint32_t> values, bool bigEndian = false)
{
    for (uint32_t v : values)
        for (int i = 0; i < Size; ++i)
            b.push_back(static_cast<uint8_t>(v >> 8 * (bigEndian ? Size - 1 - i : i)));
}

// Rows of pixel values (palette indexes, 16/32-bit words, 0xRRGGBB for 24
// bits) in file order, packed and padded to 4 bytes.
inline Bytes PackBmpRows(const std::vector<std::vector<uint32_t>>& rows, int bpp)
{
    Bytes out;
    for (const auto& row : rows) {
        const size_t start = out.size();
        out.resize(start + (row.size() * bpp + 31) / 32 * 4);
        for (size_t x = 0; x < row.size(); ++x)
            if (bpp < 8)
                out[start + x * bpp / 8] |= static_cast<uint8_t>(row[x] << (8 - bpp - x * bpp % 8));
            else
                for (int i = 0; i < bpp / 8; ++i)
                    out[start + x * bpp / 8 + i] = static_cast<uint8_t>(row[x] >> 8 * i);
    }
    return out;
}

struct TBmpSpec {
    uint32_t HeaderSize = 40;  // 12, 40, 108 or 124
    int32_t Width = 1;
    int32_t Height = 1;
    uint16_t Planes = 1;
    uint16_t BitsPerPixel = 24;
    uint32_t Compression = 0;
    uint32_t ColorsUsed = 0;
    std::vector<uint32_t> Masks = {};    // after a 40-byte header, inside the longer ones
    std::vector<uint32_t> Palette = {};  // 0x00RRGGBB
    Bytes Pixels = {};
};

inline Bytes BuildBmp(const TBmpSpec& s)
{
    Bytes header;
    Put(header, 4, {s.HeaderSize});
    if (s.HeaderSize == 12) {
        Put(header, 2, {uint32_t(s.Width), uint32_t(s.Height), s.Planes, s.BitsPerPixel});
    } else {
        Put(header, 4, {uint32_t(s.Width), uint32_t(s.Height)});
        Put(header, 2, {s.Planes, s.BitsPerPixel});
        Put(header, 4, {s.Compression, uint32_t(s.Pixels.size()), 0, 0, s.ColorsUsed, 0});
        for (size_t i = 0; s.HeaderSize > 40 && i < 4; ++i)
            Put(header, 4, {i < s.Masks.size() ? s.Masks[i] : 0});
        header.resize(s.HeaderSize);
    }
    for (uint32_t m : s.HeaderSize == 40 ? s.Masks : std::vector<uint32_t>())
        Put(header, 4, {m});
    for (uint32_t c : s.Palette)
        Put(header, s.HeaderSize == 12 ? 3 : 4, {c});
    const uint32_t offset = static_cast<uint32_t>(14 + header.size());
    Bytes file = {'B', 'M'};
    Put(file, 4, {offset + uint32_t(s.Pixels.size()), 0, offset});
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), s.Pixels.begin(), s.Pixels.end());
    return file;
}

inline uint32_t Crc32(const uint8_t* p, size_t n)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline Bytes PngChunk(const char* type, const Bytes& data)
{
    Bytes c;
    Put(c, 4, {uint32_t(data.size())}, true);
    c.insert(c.end(), type, type + 4);
    c.insert(c.end(), data.begin(), data.end());
    Put(c, 4, {Crc32(c.data() + 4, c.size() - 4)}, true);
    return c;
}

// Recomputes every chunk's CRC, so that altered chunk data reaches the
// decoder instead of failing the checksum.
inline void FixPngCrcs(Bytes& png)
{
    for (size_t pos = 8; pos + 12 <= png.size();) {
        const uint32_t length = (png[pos] << 24) | (png[pos + 1] << 16) | (png[pos + 2] << 8) | png[pos + 3];
        if (length > png.size() - pos - 12)
            return;
        const uint32_t crc = Crc32(png.data() + pos + 4, length + 4);
        for (int i = 0; i < 4; ++i)
            png[pos + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
        pos += 12 + length;
    }
}

struct TPngSpec {
    uint32_t Width = 1;
    uint32_t Height = 1;
    uint8_t BitDepth = 8;
    uint8_t ColorType = 6;
    std::vector<uint16_t> Samples = {};  // top-down, left to right, every channel of a pixel in turn
    Bytes Plte = {};
    Bytes Trns = {};
    bool Interlaced = false;
};

inline Bytes BuildPng(const TPngSpec& s)
{
    struct Pass { uint32_t X0, Y0, DX, DY; };
    const std::vector<Pass> passes = s.Interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8},
                                                                      {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2},
                                                                      {0, 1, 1, 2}}
                                                  : std::vector<Pass>{{0, 0, 1, 1}};
    const int channels = s.ColorType == 2 ? 3 : s.ColorType == 4 ? 2 : s.ColorType == 6 ? 4 : 1;
    Bytes raw;
    for (const Pass& p : passes)
        for (uint32_t y = p.Y0; y < s.Height && p.X0 < s.Width; y += p.DY) {
            raw.push_back(0);  // no filter
            unsigned bits = 0, used = 0;
            for (uint32_t x = p.X0; x < s.Width; x += p.DX)
                for (int c = 0; c < channels; ++c) {
                    const uint16_t v = s.Samples[(size_t(y) * s.Width + x) * channels + c];
                    if (s.BitDepth == 16) {
                        Put(raw, 2, {v}, true);
                        continue;
                    }
                    bits = (bits << s.BitDepth) | v;
                    if ((used += s.BitDepth) == 8) {
                        raw.push_back(static_cast<uint8_t>(bits));
                        bits = used = 0;
                    }
                }
            if (used)
                raw.push_back(static_cast<uint8_t>(bits << (8 - used)));
        }
    // A zlib stream of one stored block (the test pictures stay far below 64 KB).
    Bytes z = {0x78, 0x01, 1};
    Put(z, 2, {uint32_t(raw.size()), uint32_t(~raw.size() & 0xFFFF)});
    z.insert(z.end(), raw.begin(), raw.end());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Put(z, 4, {(b << 16) | a}, true);

    Bytes ihdr;
    Put(ihdr, 4, {s.Width, s.Height}, true);
    Put(ihdr, 1, {s.BitDepth, s.ColorType, 0, 0, s.Interlaced});
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const Bytes& chunk : {PngChunk("IHDR", ihdr), s.Plte.empty() ? Bytes() : PngChunk("PLTE", s.Plte),
                               s.Trns.empty() ? Bytes() : PngChunk("tRNS", s.Trns), PngChunk("IDAT", z),
                               PngChunk("IEND", {})})
        file.insert(file.end(), chunk.begin(), chunk.end());
    return file;
}
