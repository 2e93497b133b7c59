// Geometry and range rules of the skinned scroll bar. Range arithmetic runs
// in 64 bits: owners may mirror ranges that span the whole of int.
#include "skin/controls/bs_scroll_bar_layout.h"

#include <climits>
#include <cmath>

namespace {

int SaturateToInt(int64_t V) { return V < INT_MIN ? INT_MIN : V > INT_MAX ? INT_MAX : static_cast<int>(V); }

// The last position a whole page (or, without one, the position) can take.
int64_t UpperBound(const TbsScrollRange& R)
{
    return R.PageSize != 0 ? int64_t{R.Max} - R.PageSize + 1 : int64_t{R.Max};
}

// Plain bars: 16-pixel square buttons inside a one-pixel border.
constexpr int PlainButtonLength = 16;

struct TAxis {
    int Start;
    int End;
};

TAxis Along(const TRect& R, bool Vertical) { return Vertical ? TAxis{R.Top, R.Bottom} : TAxis{R.Left, R.Right}; }

TRect FromAxes(TAxis AlongBar, TAxis Across, bool Vertical)
{
    return Vertical ? TRect{Across.Start, AlongBar.Start, Across.End, AlongBar.End}
                    : TRect{AlongBar.Start, Across.Start, AlongBar.End, Across.End};
}

TRect Shifted(TRect R, int DX, int DY) { return TRect{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY}; }

}  // namespace

int RoundHalfEven(double V)
{
    if (!(V > INT_MIN))
        return INT_MIN;
    if (V > INT_MAX)
        return INT_MAX;
    // The default rounding mode is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(V));
}

int ClampScrollPosition(const TbsScrollRange& R, int Value)
{
    if (Value < R.Min)
        return R.Min;
    const int64_t upper = UpperBound(R);
    return Value > upper ? SaturateToInt(upper) : Value;
}

int PositionAfterMaxChange(const TbsScrollRange& R)
{
    const int64_t upper = UpperBound(R);
    if (R.Position <= upper)
        return R.Position;
    return R.PageSize != 0 && upper < R.Min ? R.Min : SaturateToInt(upper);
}

bool PageSizeFits(const TbsScrollRange& R, int Value)
{
    return int64_t{R.Position} - R.Min + Value <= int64_t{R.Max} - R.Min + 1;
}

double ScrollFraction(const TbsScrollRange& R, bool Vertical)
{
    const double denominator =
        R.PageSize != 0 ? double(int64_t{R.Max} - R.PageSize + 1 - R.Min) : double(int64_t{R.Max} - R.Min);
    double f;
    if (R.PageSize != 0 && denominator <= 0)
        f = Vertical ? 0.0 : 1.0;
    else if (denominator == 0)
        f = 0.0;
    else
        f = double(int64_t{R.Position} - R.Min) / denominator;
    // Ranges an owner set inconsistently (a Max below Min) still keep the
    // thumb on its track.
    return f < 0 ? 0 : f > 1 ? 1 : f;
}

int PositionAtFraction(const TbsScrollRange& R, double F)
{
    F = F < 0 ? 0 : F > 1 ? 1 : F;
    const int64_t span = R.PageSize != 0 ? int64_t{R.Max} - R.Min - R.PageSize + 1 : int64_t{R.Max} - R.Min;
    // |span| is below 2^33, so the rounded step fits 64 bits.
    return SaturateToInt(static_cast<int64_t>(std::nearbyint(double(span) * F)) + R.Min);
}

TbsScrollBarLayout LayoutScrollBar(const TbsScrollBarLayoutInput& In)
{
    TbsScrollBarLayout L;
    const bool vertical = In.Vertical;
    int minThumb;
    int thumbCross = 0;
    if (const TbsScrollBarSkinPlaces* skin = In.Skin) {
        minThumb = vertical ? skin->ThumbRect.Height() : skin->ThumbRect.Width();
        if (skin->ThumbMinSize != 0)
            minThumb = skin->ThumbMinSize;
        thumbCross = vertical ? skin->ThumbRect.Width() : skin->ThumbRect.Height();
        L.Track = skin->TrackArea;
        L.Parts[sbpUpButton] = skin->UpButtonRect;
        L.Parts[sbpDownButton] = skin->DownButtonRect;
        // Buttons in the fixed right (bottom) part of the picture, which
        // starts at the corner point, follow the bar's far end; those in the
        // left (top) part stay.
        if (vertical) {
            const int dH = In.Height - skin->SkinRect.Height();
            L.Track.Bottom += dH;
            for (int part : {sbpUpButton, sbpDownButton})
                if (L.Parts[part].Top >= skin->LeftBottomPoint.Y)
                    L.Parts[part] = Shifted(L.Parts[part], 0, dH);
        } else {
            const int dW = In.Width - skin->SkinRect.Width();
            L.Track.Right += dW;
            for (int part : {sbpUpButton, sbpDownButton})
                if (L.Parts[part].Left >= skin->RightTopPoint.X)
                    L.Parts[part] = Shifted(L.Parts[part], dW, 0);
        }
    } else {
        minThumb = PlainButtonLength;
        const int W = In.Width - (In.Both && !vertical ? In.BothMarkerWidth : 0);
        const int H = In.Height;
        const int b = PlainButtonLength + 1;
        if (vertical) {
            L.Parts[sbpDownButton] = TRect{1, 1, W - 1, b};
            L.Parts[sbpUpButton] = TRect{1, H - b, W - 1, H - 1};
            L.Track = TRect{1, b, W - 1, H - b};
        } else {
            L.Parts[sbpDownButton] = TRect{1, 1, b, H - 1};
            L.Parts[sbpUpButton] = TRect{W - b, 1, W - 1, H - 1};
            L.Track = TRect{b, 1, W - b, H - 1};
        }
    }

    const TbsScrollRange& R = In.Range;
    const TAxis track = Along(L.Track, vertical);
    int thumbLength;
    if (R.PageSize != 0) {
        const int64_t divisor = int64_t{R.Max} - R.Min + 1;
        thumbLength = divisor == 0 ? 0 : RoundHalfEven(double(track.End - track.Start) * R.PageSize / double(divisor));
        if (thumbLength < minThumb)
            thumbLength = minThumb;
    } else {
        thumbLength = In.Skin && In.Skin->ThumbMinPageSize != 0 ? In.Skin->ThumbMinPageSize : minThumb;
    }

    const int h = thumbLength / 2;
    L.ThumbStart = track.Start + h;
    L.ThumbEnd = track.End - h;
    L.ThumbOffset = RoundHalfEven(double(L.ThumbEnd - L.ThumbStart) * ScrollFraction(R, vertical));
    const int centre = L.ThumbStart + L.ThumbOffset;
    TAxis across = Along(L.Track, !vertical);
    if (In.Skin) {
        across.Start += (across.End - across.Start) / 2 - thumbCross / 2;
        across.End = across.Start + thumbCross;
    }
    L.Parts[sbpThumb] = FromAxes(TAxis{centre - h, centre + h}, across, vertical);
    return L;
}

TbsScrollBarPart HitTestScrollBar(const TbsScrollBarLayout& L, TPoint P, bool* OnTrack)
{
    if (OnTrack)
        *OnTrack = false;
    for (TbsScrollBarPart part : {sbpThumb, sbpUpButton, sbpDownButton})
        if (PtInRect(L.Parts[part], P))
            return part;
    if (OnTrack)
        *OnTrack = PtInRect(L.Track, P);
    return sbpNone;
}

int DraggedPosition(const TbsScrollRange& R, const TbsScrollBarLayout& L, int StartOffset, int Moved)
{
    const int length = L.ThumbEnd - L.ThumbStart;
    const double f = length > 0 ? (double(StartOffset) + Moved) / length : 0.0;
    return PositionAtFraction(R, f);
}
