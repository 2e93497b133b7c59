// A region: a set of pixels held as y-x banded rectangles, the form every
// combination works on in one linear pass.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/base/geometry.h"

// A horizontal run of pixels [X1, X2).
struct TSpan {
    int X1 = 0;
    int X2 = 0;

    friend bool operator==(const TSpan&, const TSpan&) = default;
};

class TRegion {
public:
    enum class TOp { And, Or, Xor, Diff };

    TRegion() = default;
    explicit TRegion(const TRect& R);
    // The union of any rectangles, overlapping or not; empty ones are ignored.
    static TRegion FromRects(const TRect* Rects, size_t Count);
    static TRegion Combine(const TRegion& A, const TRegion& B, TOp Op);

    bool IsEmpty() const { return rects_.empty(); }
    bool IsRect() const { return rects_.size() == 1; }
    // The smallest rectangle holding every pixel; all zeros when empty.
    const TRect& Bounds() const { return bounds_; }
    const std::vector<TRect>& Rects() const { return rects_; }

    bool Contains(int X, int Y) const;
    bool Intersects(const TRect& R) const;
    void Offset(int DX, int DY);
    TRegion Intersected(const TRect& R) const { return Combine(*this, TRegion(R), TOp::And); }

    // Calls Visit(rect) for each part of the region inside R, top to bottom
    // and left to right within a band.
    template <typename F>
    void ForEachRectIn(const TRect& R, F&& Visit) const
    {
        for (size_t i = FirstBandBelow(R.Top); i < rects_.size() && rects_[i].Top < R.Bottom; ++i) {
            const TRect& c = rects_[i];
            TRect part{c.Left > R.Left ? c.Left : R.Left, c.Top > R.Top ? c.Top : R.Top,
                       c.Right < R.Right ? c.Right : R.Right, c.Bottom < R.Bottom ? c.Bottom : R.Bottom};
            if (part.Left < part.Right)
                Visit(part);
        }
    }

    friend bool operator==(const TRegion& A, const TRegion& B) { return A.rects_ == B.rects_; }

private:
    friend class TRegionBuilder;
    // The index of the first rectangle whose band ends below Y.
    size_t FirstBandBelow(int Y) const;

    // Invariant: rectangles are non-empty and grouped in bands of equal Top
    // and Bottom; bands are sorted top to bottom and never overlap; within
    // a band rectangles are sorted by Left and neither overlap nor touch;
    // two bands that touch vertically never have the same spans (they are
    // merged into one). So equal pixel sets have equal rectangle lists.
    std::vector<TRect> rects_;
    TRect bounds_;
};

// Builds a region band by band from the top down: each band's rows are
// below the previous band's and its spans may come in any order and overlap.
class TRegionBuilder {
public:
    void AddBand(int Top, int Bottom, std::vector<TSpan>& Spans);
    void AddRow(int Y, std::vector<TSpan>& Spans) { AddBand(Y, Y + 1, Spans); }
    TRegion Finish();

private:
    // Appends spans that are already sorted, disjoint and non-touching.
    void AppendBand(int Top, int Bottom, const std::vector<TSpan>& Spans);
    friend class TRegion;

    TRegion region_;
    size_t lastBand_ = 0;  // index of the first rectangle of the last band
};
