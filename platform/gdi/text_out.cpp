#include "platform/gdi/text_out.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/gdi/painter.h"
#include "platform/gdi/vector_sink.h"

namespace {

struct TStep {
    int X;
    int Y;
};

// One logical unit along the baseline for each quarter turn of the font.
constexpr TStep kAlong[4] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};

// The device rectangle between two pen positions on the baseline, from
// From to To pixels across it (down for level text).
TRect Across(TPoint P0, TPoint P1, TStep Down, int From, int To)
{
    TPoint a{P0.X + Down.X * From, P0.Y + Down.Y * From};
    TPoint b{P1.X + Down.X * To, P1.Y + Down.Y * To};
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

// Mixes Text into Dest by Coverage / 255, two channels at a time, rounded;
// the alpha byte becomes 0.
inline uint32_t Mix(uint32_t dest, uint32_t text, uint32_t coverage)
{
    const uint32_t rest = 255 - coverage;
    uint32_t rb = (text & 0xFF00FF) * coverage + (dest & 0xFF00FF) * rest + 0x800080;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    uint32_t g = (text & 0xFF00) * coverage + (dest & 0xFF00) * rest + 0x8000;
    g = ((g + ((g >> 8) & 0xFF00)) >> 8) & 0xFF00;
    return rb | g;
}

// The text's pixel, and the blends of it made so far. Text lies on its own
// background nearly everywhere, so the same coverage value meets the same
// pixel over and over: the last blend made for each coverage value is kept
// and used again while the pixel under it is the same.
class TTextInk {
public:
    explicit TTextInk(uint32_t Pixel) : pixel_(Pixel) { known_.fill(false); }

    uint32_t Pixel() const { return pixel_; }

    void MixRow(uint32_t* row, const uint8_t* coverage, int count)
    {
        for (int i = 0; i < count; ++i) {
            const uint32_t c = coverage[i];
            if (c == 255)
                row[i] = pixel_;
            else if (c != 0)
                row[i] = Blend(row[i], c);
        }
    }

private:
    uint32_t Blend(uint32_t dest, uint32_t coverage)
    {
        if (!known_[coverage] || under_[coverage] != dest) {
            known_[coverage] = true;
            under_[coverage] = dest;
            blend_[coverage] = Mix(dest, pixel_, coverage);
        }
        return blend_[coverage];
    }

    uint32_t pixel_;
    std::array<bool, 256> known_;
    std::array<uint32_t, 256> under_;
    std::array<uint32_t, 256> blend_;
};

// Paints the part of a glyph whose ink box starts at (GX, GY).
void PaintGlyphPart(TPainter& painter, const TRect& part, const TGlyph& g, int gx, int gy, TTextInk& ink)
{
    const TSurface& s = painter.Surface();
    const int n = part.Width();
    for (int y = part.Top; y < part.Bottom; ++y) {
        const uint8_t* coverage = g.Coverage.data() + static_cast<size_t>(y - gy) * g.Width + (part.Left - gx);
        if (s.BitsPerPixel == 32) {
            ink.MixRow(s.Row32(y) + part.Left, coverage, n);
            continue;
        }
        uint32_t* row = painter.Scratch(n);
        s.ReadRow(part.Left, y, n, row);
        if (s.BitsPerPixel == 1) {
            for (int i = 0; i < n; ++i)
                if (coverage[i] >= 128)
                    row[i] = ink.Pixel();
        } else {
            ink.MixRow(row, coverage, n);
        }
        s.WriteRow(part.Left, y, n, row);
    }
}

}  // namespace

bool PaintText(TDeviceContext& DC, int X, int Y, unsigned Options, const TRect* R, const std::vector<TTextChar>& Chars,
               const int* CharDx)
{
    TDCFont font(DC);
    TFontInstance& instance = font.Instance();
    const TFontMetrics& m = font.Device();
    TDCState& s = DC.State();

    // Logical offsets of each character's pen position from the first.
    const size_t n = Chars.size();
    std::vector<int> offsets(n + 1, 0);
    for (size_t i = 0; i < n; ++i)
        offsets[i + 1] = offsets[i] + (CharDx ? CharDx[i] : font.Advance(Chars[i].Code));
    const int total = offsets[n];

    const TStep along = kAlong[instance.Quadrant()];
    const TStep down{-along.Y, along.X};
    const bool updateCP = (s.TextAlign & TA_UPDATECP) != 0;
    const TPoint origin = updateCP ? s.CurrentPos : TPoint{X, Y};
    const unsigned horizontal = s.TextAlign & TA_CENTER;
    const int start = horizontal == TA_CENTER ? -total / 2 : horizontal == TA_RIGHT ? -total : 0;
    if (updateCP && horizontal != TA_CENTER) {
        // Left-aligned text leaves the position after itself, right-aligned
        // text before itself.
        const int moved = horizontal == TA_RIGHT ? -total : total;
        s.CurrentPos = {origin.X + along.X * moved, origin.Y + along.Y * moved};
    }
    const unsigned vertical = s.TextAlign & TA_BASELINE;
    const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -m.Descent : m.Ascent;
    auto pen = [&](int offset) {
        TPoint p = DC.LPtoSurface(TPoint{origin.X + along.X * (start + offset), origin.Y + along.Y * (start + offset)});
        return TPoint{p.X + down.X * baseline, p.Y + down.Y * baseline};
    };

    // A vector DC (the printer) gets the same boxes and pen positions as
    // the pixels would, so that a printed page matches its preview.
    TVectorSink* sink = DC.VectorSink();
    TPainter painter(DC);
    if (!sink && !painter.CanDraw())
        return true;
    std::optional<TRect> limit;
    TRect rect;
    if (R) {
        rect = DC.LPtoSurface(*R);
        if (Options & ETO_CLIPPED)
            limit = rect;
    }
    auto fill = [&](TRect box, COLORREF color) {
        if (limit && !IntersectRect(box, box, *limit))
            return;
        if (sink) {
            sink->FillRect(box, color);
            return;
        }
        TBrushFill brush;
        brush.Null = false;
        brush.Solid = true;
        brush.Pixel = painter.MapColor(color);
        painter.FillRect(box, brush, R2_COPYPEN);
    };
    const COLORREF back = s.BkColor;
    const COLORREF fore = s.TextColor;
    if ((Options & ETO_OPAQUE) && R)
        fill(rect, back);
    if (n == 0)
        return true;

    const TPoint first = pen(0);
    const TPoint last = pen(total);
    if (s.BkMode == OPAQUE)
        fill(Across(first, last, down, -m.Ascent, m.Descent), back);

    if (sink) {
        std::vector<TPlacedGlyph> glyphs;
        for (size_t i = 0; i < n; ++i)
            glyphs.push_back({Chars[i].Code, pen(offsets[i])});
        sink->Glyphs(instance, glyphs, fore, limit ? &*limit : nullptr);
    } else {
        TTextInk ink(painter.MapColor(fore));
        for (size_t i = 0; i < n; ++i) {
            const TGlyph& g = instance.Glyph(Chars[i].Code);
            if (g.Coverage.empty())
                continue;
            const TPoint p = pen(offsets[i]);
            const int gx = p.X + g.Left;
            const int gy = p.Y + g.Top;
            TRect box{gx, gy, gx + g.Width, gy + g.Height};
            if (limit && !IntersectRect(box, box, *limit))
                continue;
            painter.Clip().ForEachRectIn(box,
                                         [&](const TRect& part) { PaintGlyphPart(painter, part, g, gx, gy, ink); });
        }
    }

    if (m.Underline)
        fill(Across(first, last, down, m.UnderlineOffset, m.UnderlineOffset + m.UnderlineThickness), fore);
    if (m.StrikeOut)
        fill(Across(first, last, down, m.StrikeOutOffset, m.StrikeOutOffset + m.StrikeOutThickness), fore);
    for (size_t i = 0; i < n; ++i)
        if (Chars[i].Accel)
            fill(Across(pen(offsets[i]), pen(offsets[i + 1]), down, m.UnderlineOffset,
                        m.UnderlineOffset + m.UnderlineThickness),
                 fore);
    return true;
}

bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* R, const char* Text, int Count, const int* Dx)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || Count < 0 || (Count > 0 && !Text))
        return false;
    const std::vector<TTextChar> chars = DecodeAnsiText(std::string_view(Text ? Text : "", static_cast<size_t>(Count)));
    if (!Dx)
        return PaintText(*dc, X, Y, Options, R, chars, nullptr);
    std::vector<int> charDx(chars.size());
    for (size_t i = 0, unit = 0; i < chars.size(); unit += static_cast<size_t>(chars[i].Units), ++i)
        for (int k = 0; k < chars[i].Units; ++k)
            charDx[i] += Dx[unit + static_cast<size_t>(k)];
    return PaintText(*dc, X, Y, Options, R, chars, charDx.data());
}

bool TextOut(HDC DC, int X, int Y, const char* Text, int Count)
{
    return ExtTextOut(DC, X, Y, 0, nullptr, Text, Count, nullptr);
}
