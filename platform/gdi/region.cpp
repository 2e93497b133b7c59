#include "platform/gdi/region.h"

#include <algorithm>
#include <climits>

namespace {

// Whether a pixel is in the result, given whether it is in A and in B.
bool Keep(TRegion::TOp op, bool inA, bool inB)
{
    switch (op) {
    case TRegion::TOp::And:
        return inA && inB;
    case TRegion::TOp::Or:
        return inA || inB;
    case TRegion::TOp::Xor:
        return inA != inB;
    case TRegion::TOp::Diff:
        return inA && !inB;
    }
    return false;
}

void AddSpan(std::vector<TSpan>& out, int x1, int x2)
{
    if (!out.empty() && out.back().X2 == x1)
        out.back().X2 = x2;
    else
        out.push_back({x1, x2});
}

// Combines two sorted, disjoint span lists by walking their edges once.
void CombineSpans(const TRect* a, size_t na, const TRect* b, size_t nb, TRegion::TOp op, std::vector<TSpan>& out)
{
    out.clear();
    size_t i = 0, j = 0;
    bool inA = false, inB = false;
    int x = INT_MIN;
    for (;;) {
        int nextA = i < na ? (inA ? a[i].Right : a[i].Left) : INT_MAX;
        int nextB = j < nb ? (inB ? b[j].Right : b[j].Left) : INT_MAX;
        int next = std::min(nextA, nextB);
        if (next == INT_MAX)
            break;
        if (x < next && Keep(op, inA, inB))
            AddSpan(out, x, next);
        x = next;
        if (nextA == next) {
            inA = !inA;
            if (!inA)
                ++i;
        }
        if (nextB == next) {
            inB = !inB;
            if (!inB)
                ++j;
        }
    }
}

// The end of the band that starts at index i.
size_t BandEnd(const std::vector<TRect>& rects, size_t i)
{
    size_t e = i + 1;
    while (e < rects.size() && rects[e].Top == rects[i].Top)
        ++e;
    return e;
}

}  // namespace

TRegion::TRegion(const TRect& R)
{
    if (!IsRectEmpty(R)) {
        rects_.push_back(R);
        bounds_ = R;
    }
}

size_t TRegion::FirstBandBelow(int Y) const
{
    auto it = std::partition_point(rects_.begin(), rects_.end(), [Y](const TRect& r) { return r.Bottom <= Y; });
    return static_cast<size_t>(it - rects_.begin());
}

bool TRegion::Contains(int X, int Y) const
{
    if (!PtInRect(bounds_, {X, Y}))
        return false;
    for (size_t i = FirstBandBelow(Y); i < rects_.size() && rects_[i].Top <= Y; ++i)
        if (X >= rects_[i].Left && X < rects_[i].Right)
            return true;
    return false;
}

bool TRegion::Intersects(const TRect& R) const
{
    bool found = false;
    if (!IsRectEmpty(R))
        ForEachRectIn(R, [&found](const TRect&) { found = true; });
    return found;
}

void TRegion::Offset(int DX, int DY)
{
    for (TRect& r : rects_)
        OffsetRect(r, DX, DY);
    if (!rects_.empty())
        OffsetRect(bounds_, DX, DY);
}

TRegion TRegion::Combine(const TRegion& A, const TRegion& B, TOp Op)
{
    // Quick answers that need no walk.
    TRect common;
    bool disjoint = !IntersectRect(common, A.bounds_, B.bounds_);
    if (Op == TOp::And && disjoint)
        return TRegion();
    if (Op == TOp::Diff && disjoint)
        return A;
    if ((Op == TOp::Or || Op == TOp::Xor) && (A.IsEmpty() || B.IsEmpty()))
        return A.IsEmpty() ? B : A;
    TRegionBuilder builder;
    std::vector<TSpan> spans;
    const std::vector<TRect>& ra = A.rects_;
    const std::vector<TRect>& rb = B.rects_;
    size_t ia = 0, ib = 0;
    int y = std::min(ra.empty() ? INT_MAX : ra[0].Top, rb.empty() ? INT_MAX : rb[0].Top);
    while (ia < ra.size() || ib < rb.size()) {
        size_t ea = ia < ra.size() ? BandEnd(ra, ia) : ia;
        size_t eb = ib < rb.size() ? BandEnd(rb, ib) : ib;
        bool aActive = ia < ra.size() && ra[ia].Top <= y;
        bool bActive = ib < rb.size() && rb[ib].Top <= y;
        int next = INT_MAX;
        if (ia < ra.size())
            next = std::min(next, aActive ? ra[ia].Bottom : ra[ia].Top);
        if (ib < rb.size())
            next = std::min(next, bActive ? rb[ib].Bottom : rb[ib].Top);
        if (aActive || bActive) {
            CombineSpans(aActive ? &ra[ia] : nullptr, aActive ? ea - ia : 0, bActive ? &rb[ib] : nullptr,
                         bActive ? eb - ib : 0, Op, spans);
            builder.AppendBand(y, next, spans);
        }
        y = next;
        if (ia < ra.size() && ra[ia].Bottom == y)
            ia = ea;
        if (ib < rb.size() && rb[ib].Bottom == y)
            ib = eb;
    }
    return builder.Finish();
}

TRegion TRegion::FromRects(const TRect* Rects, size_t Count)
{
    if (Count == 0)
        return TRegion();
    if (Count == 1)
        return TRegion(Rects[0]);
    // Halving keeps the work at n log n even for thousands of one-row runs.
    size_t half = Count / 2;
    return Combine(FromRects(Rects, half), FromRects(Rects + half, Count - half), TOp::Or);
}

void TRegionBuilder::AppendBand(int Top, int Bottom, const std::vector<TSpan>& Spans)
{
    if (Spans.empty() || Top >= Bottom)
        return;
    std::vector<TRect>& rects = region_.rects_;
    if (!rects.empty() && rects[lastBand_].Bottom == Top && rects.size() - lastBand_ == Spans.size()) {
        bool same = true;
        for (size_t k = 0; k < Spans.size() && same; ++k)
            same = rects[lastBand_ + k].Left == Spans[k].X1 && rects[lastBand_ + k].Right == Spans[k].X2;
        if (same) {
            for (size_t k = lastBand_; k < rects.size(); ++k)
                rects[k].Bottom = Bottom;
            return;
        }
    }
    lastBand_ = rects.size();
    for (const TSpan& s : Spans)
        rects.push_back({s.X1, Top, s.X2, Bottom});
}

void TRegionBuilder::AddBand(int Top, int Bottom, std::vector<TSpan>& Spans)
{
    std::sort(Spans.begin(), Spans.end(), [](const TSpan& a, const TSpan& b) { return a.X1 < b.X1; });
    std::vector<TSpan> merged;
    for (const TSpan& s : Spans) {
        if (s.X1 >= s.X2)
            continue;
        if (!merged.empty() && s.X1 <= merged.back().X2)
            merged.back().X2 = std::max(merged.back().X2, s.X2);
        else
            merged.push_back(s);
    }
    AppendBand(Top, Bottom, merged);
}

TRegion TRegionBuilder::Finish()
{
    TRegion result = std::move(region_);
    region_ = TRegion();
    lastBand_ = 0;
    if (!result.rects_.empty()) {
        TRect& b = result.bounds_;
        b = {INT_MAX, result.rects_.front().Top, INT_MIN, result.rects_.back().Bottom};
        for (const TRect& r : result.rects_) {
            b.Left = std::min(b.Left, r.Left);
            b.Right = std::max(b.Right, r.Right);
        }
    }
    return result;
}
