#include "platform/gdi/blit.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/gdi/blit_geometry.h"
#include "platform/gdi/painter.h"
#include "platform/gdi/vector_sink.h"

namespace {

// A copy of the source rows a transfer reads, for transfers within one
// bitmap, so that writing never changes what is still to be read.
struct SourceCopy {
    std::vector<uint8_t> Bytes;
    TSurface Surface;

    SourceCopy(const TSurface& source, int top, int bottom)
    {
        size_t stride = static_cast<size_t>(source.Stride < 0 ? -source.Stride : source.Stride);
        Bytes.resize(stride * static_cast<size_t>(bottom - top));
        for (int y = top; y < bottom; ++y)
            std::memcpy(&Bytes[stride * static_cast<size_t>(y - top)], source.Row(y), stride);
        Surface = source;
        Surface.Stride = static_cast<ptrdiff_t>(stride);
        Surface.Row0 = Bytes.data() - static_cast<ptrdiff_t>(stride) * top;
    }
};

// Reads source pixels for destination rows, already in the destination's
// terms (monochrome and colour converted as the DCs' colours say).
class SourceRows {
public:
    SourceRows(const TSurface& source, const TDeviceContext& src, const TDeviceContext& dst, int dstBits,
               const TBlitGeometry& g)
        : source_(source), g_(g)
    {
        monoToColor_ = source.BitsPerPixel == 1 && dstBits != 1;
        colorToMono_ = source.BitsPerPixel != 1 && dstBits == 1;
        fore_ = ColorToPixel(dst.State().TextColor);
        back_ = ColorToPixel(dst.State().BkColor);
        key_ = ColorToPixel(src.State().BkColor);
        mode_ = dst.State().StretchMode;
        // Source rows are cached, but only the columns the transfer maps: a
        // small piece of a wide skin picture stretched along a bar reads
        // that piece, not the picture's width, for each row.
        columns_ = source.Width;
        if (!g.ColFrom.empty()) {
            firstColumn_ = std::min(*std::min_element(g.ColFrom.begin(), g.ColFrom.end()),
                                    *std::min_element(g.ColNear.begin(), g.ColNear.end()));
            const int end = std::max(*std::max_element(g.ColTo.begin(), g.ColTo.end()),
                                     *std::max_element(g.ColNear.begin(), g.ColNear.end()) + 1);
            columns_ = end - firstColumn_;
        }
    }

    // Source pixels for destination row y, columns [x, x + n).
    void Read(int y, int x, int n, uint32_t* out)
    {
        if (!g_.Stretched) {
            source_.ReadRow(g_.SrcX(x), g_.SrcY(y), n, out);
        } else if (mode_ == COLORONCOLOR) {
            // Nearest neighbour: one source row, the columns looked up.
            const uint32_t* row = SourceRow(g_.RowNear[y - g_.Valid.Top]);
            const int* columns = g_.ColNear.data() + (x - g_.Valid.Left);
            for (int i = 0; i < n; ++i)
                out[i] = row[columns[i] - firstColumn_];
        } else {
            int r = y - g_.Valid.Top;
            for (int i = 0; i < n; ++i) {
                int c = x + i - g_.Valid.Left;
                out[i] = Sample(g_.RowFrom[r], g_.RowTo[r], g_.ColFrom[c], g_.ColTo[c]);
            }
        }
        Convert(out, n);
    }

    // The raw source pixel (no conversion) under destination pixel (x, y).
    uint32_t Raw(int y, int x) { return SourceRow(g_.SrcY(y))[g_.SrcX(x) - firstColumn_]; }
    void Convert(uint32_t* p, int n) const
    {
        if (monoToColor_)
            for (int i = 0; i < n; ++i)
                p[i] = (p[i] & 1) ? back_ : fore_;
        else if (colorToMono_)
            for (int i = 0; i < n; ++i)
                p[i] = (p[i] & kColorBits) == key_ ? kColorBits : 0;
    }

private:
    // Source row y from column firstColumn_ on.
    const uint32_t* SourceRow(int y)
    {
        if (y != cachedY_) {
            cache_.resize(static_cast<size_t>(columns_));
            source_.ReadRow(firstColumn_, y, columns_, cache_.data());
            cachedY_ = y;
        }
        return cache_.data();
    }

    // The source block a destination pixel covers, combined by the stretch
    // mode.
    uint32_t Sample(int y0, int y1, int x0, int x1)
    {
        x0 -= firstColumn_;
        x1 -= firstColumn_;
        if (y1 - y0 == 1 && x1 - x0 == 1)
            return SourceRow(y0)[x0];
        uint32_t andBits = 0xFFFFFFFF, orBits = 0;
        uint64_t sum[4] = {};
        for (int y = y0; y < y1; ++y) {
            const uint32_t* row = SourceRow(y);
            for (int x = x0; x < x1; ++x) {
                andBits &= row[x];
                orBits |= row[x];
                for (int k = 0; k < 4; ++k)
                    sum[k] += (row[x] >> (8 * k)) & 0xFF;
            }
        }
        if (mode_ == BLACKONWHITE)
            return andBits;
        if (mode_ == WHITEONBLACK)
            return orBits;
        uint64_t count = uint64_t(y1 - y0) * uint64_t(x1 - x0);
        uint32_t average = 0;
        for (int k = 0; k < 4; ++k)
            average |= static_cast<uint32_t>((sum[k] + count / 2) / count) << (8 * k);
        return average;
    }

    TSurface source_;
    const TBlitGeometry& g_;
    bool monoToColor_, colorToMono_;
    uint32_t fore_, back_, key_;
    int mode_;
    int firstColumn_ = 0;
    int columns_ = 0;
    std::vector<uint32_t> cache_;
    int cachedY_ = -1;
};

bool Transfer(HDC Dest, int X, int Y, int W, int H, HDC Source, int SX, int SY, int SW, int SH, uint32_t Rop)
{
    TDeviceContext* dst = DeviceContextOf(Dest);
    if (!dst)
        return false;
    uint8_t code = Rop3Code(Rop);
    TPainter painter(*dst);
    if (!Rop3UsesSource(code)) {
        TBlitGeometry g;
        if (painter.CanDraw() && g.Build(*dst, X, Y, W, H, nullptr, 0, 0, 0, 0, painter.Clip().Bounds()))
            painter.PatRect(g.Valid, painter.ResolveBrush(dst->State().Brush), code);
        return true;
    }
    TDeviceContext* src = DeviceContextOf(Source);
    if (!src)
        return false;
    if (TVectorSink* sink = dst->VectorSink()) {
        // Paper takes the source's pixels as an image; raster operations
        // that mix them with what is under them have nothing to mix with.
        TSurface in = src->Surface();
        TRect from = src->LPtoSurface(TRect{SX, SY, SX + SW, SY + SH});
        if (in.IsValid() && IntersectRect(from, from, in.Bounds()))
            sink->Image(dst->LPtoSurface(TRect{X, Y, X + W, Y + H}), in, from);
        return true;
    }
    TBlitGeometry g;
    if (!painter.CanDraw() || !g.Build(*dst, X, Y, W, H, src, SX, SY, SW, SH, painter.Clip().Bounds()))
        return true;
    const TSurface& out = painter.Surface();
    TSurface in = src->Surface();
    std::optional<SourceCopy> copy;
    if (in.Row0 == out.Row0) {
        int top = std::min(*std::min_element(g.RowFrom.begin(), g.RowFrom.end()),
                           *std::min_element(g.RowNear.begin(), g.RowNear.end()));
        int bottom = std::max(*std::max_element(g.RowTo.begin(), g.RowTo.end()),
                              *std::max_element(g.RowNear.begin(), g.RowNear.end()) + 1);
        copy.emplace(in, top, bottom);
        in = copy->Surface;
    }
    SourceRows rows(in, *src, *dst, out.BitsPerPixel, g);
    TBrushFill brush = painter.ResolveBrush(dst->State().Brush);
    if (Rop3UsesPattern(code) && brush.Null)
        return true;
    bool direct = !g.Stretched && in.BitsPerPixel == 32 && out.BitsPerPixel == 32;
    painter.Clip().ForEachRectIn(g.Valid, [&](const TRect& r) {
        int n = r.Width();
        if (direct && code == Rop3Code(SRCCOPY) && n == out.Width && n == in.Width && out.Stride == n * 4 &&
            in.Stride == n * 4) {
            // Whole rows of two gapless top-down bitmaps: one block.
            std::memmove(out.Row(r.Top), in.Row(g.SrcY(r.Top)), static_cast<size_t>(out.Stride) * r.Height());
            return;
        }
        uint32_t* pat = painter.Scratch(n, 1);
        uint32_t* row = painter.Scratch(n, 0);
        for (int y = r.Top; y < r.Bottom; ++y) {
            if (direct) {
                // Same size, 32 bits on both sides: straight from row to row.
                const uint32_t* from = in.Row32(g.SrcY(y)) + g.SrcX(r.Left);
                uint32_t* to = out.Row32(y) + r.Left;
                if (code == Rop3Code(SRCCOPY)) {
                    std::memmove(to, from, static_cast<size_t>(n) * 4);
                    continue;
                }
                if (Rop3UsesPattern(code))
                    brush.Row(r.Left, y, n, pat);
                ApplyRop3Row(code, from, pat, to, n);
                continue;
            }
            uint32_t* s = painter.Scratch(n, 2);
            rows.Read(y, r.Left, n, s);
            if (Rop3UsesPattern(code))
                brush.Row(r.Left, y, n, pat);
            if (Rop3UsesDest(code))
                out.ReadRow(r.Left, y, n, row);
            ApplyRop3Row(code, s, pat, row, n);
            out.WriteRow(r.Left, y, n, row);
        }
    });
    return true;
}

}  // namespace

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, uint32_t Rop)
{
    if (Rop3UsesSource(Rop3Code(Rop)))
        return false;
    return Transfer(DC, X, Y, Width, Height, nullptr, 0, 0, 0, 0, Rop);
}

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, uint32_t Rop)
{
    return Transfer(Dest, X, Y, Width, Height, Source, SrcX, SrcY, Width, Height, Rop);
}

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                int SrcHeight, uint32_t Rop)
{
    return Transfer(Dest, X, Y, Width, Height, Source, SrcX, SrcY, SrcWidth, SrcHeight, Rop);
}

bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                    int SrcHeight, COLORREF Transparent)
{
    TDeviceContext* dst = DeviceContextOf(Dest);
    TDeviceContext* src = DeviceContextOf(Source);
    if (!dst || !src || Width < 0 || Height < 0 || SrcWidth < 0 || SrcHeight < 0)
        return false;
    TPainter painter(*dst);
    TBlitGeometry g;
    if (!painter.CanDraw() ||
        !g.Build(*dst, X, Y, Width, Height, src, SrcX, SrcY, SrcWidth, SrcHeight, painter.Clip().Bounds()))
        return true;
    TSurface in = src->Surface();
    const TSurface& out = painter.Surface();
    SourceRows rows(in, *src, *dst, out.BitsPerPixel, g);
    // The key is compared with the source's own pixels, before any
    // monochrome conversion.
    uint32_t key = ColorToPixel(Transparent & 0x00FFFFFF);
    painter.Clip().ForEachRectIn(g.Valid, [&](const TRect& r) {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                uint32_t p = rows.Raw(y, x);
                if ((p & kColorBits) == key)
                    continue;
                rows.Convert(&p, 1);
                out.SetPixel(x, y, p);
            }
    });
    return true;
}
