#include "platform/win/scroll_bar_layout.h"

#include <algorithm>
#include <cstdint>

#include "platform/win/system_metrics.h"

namespace {

int64_t DivRound(int64_t a, int64_t b)
{
    return (a + b / 2) / b;
}

// The rectangle of [from, to) along the bar's axis, across its thickness.
TRect Along(const TScrollBarLayout& layout, int from, int to)
{
    const TRect& bar = layout.Bar;
    return layout.Vertical ? Rect(bar.Left, from, bar.Right, to) : Rect(from, bar.Top, to, bar.Bottom);
}

int TrackLength(const TScrollBarLayout& layout)
{
    return layout.Vertical ? layout.Track.Height() : layout.Track.Width();
}

int ThumbLength(const TScrollBarLayout& layout)
{
    return layout.Vertical ? layout.Thumb.Height() : layout.Thumb.Width();
}

}  // namespace

int TScrollBarState::MaxPos() const
{
    return Max - std::max(Page - 1, 0);
}

TScrollBarLayout LayoutScrollBar(const TRect& Bar, bool Vertical, const TScrollBarState& State)
{
    TScrollBarLayout layout;
    layout.Vertical = Vertical;
    layout.Bar = Bar;
    int start = Vertical ? Bar.Top : Bar.Left;
    int end = Vertical ? Bar.Bottom : Bar.Right;
    int length = std::max(end - start, 0);
    int arrow = std::min(GetSystemMetrics(Vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
    layout.UpArrow = Along(layout, start, start + arrow);
    layout.DownArrow = Along(layout, end - arrow, end);
    layout.Track = Along(layout, start + arrow, end - arrow);
    int track = length - 2 * arrow;
    if (!State.CanScroll() || track <= 0)
        return layout;
    int64_t range = int64_t(State.Max) - State.Min + 1;
    int thumb = GetSystemMetrics(Vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    if (State.Page > 0)
        thumb = static_cast<int>(std::max<int64_t>(int64_t(track) * State.Page / range, MinThumbLength));
    if (thumb >= track)
        return layout;
    int pos = std::clamp(State.Tracking ? State.TrackPos : State.Pos, State.Min, State.MaxPos());
    int64_t span = int64_t(State.MaxPos()) - State.Min;
    int offset = static_cast<int>(DivRound((int64_t(pos) - State.Min) * (track - thumb), span));
    layout.Thumb = Along(layout, start + arrow + offset, start + arrow + offset + thumb);
    return layout;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& Layout, TPoint P)
{
    if (PtInRect(Layout.UpArrow, P))
        return TScrollBarPart::LineUp;
    if (PtInRect(Layout.DownArrow, P))
        return TScrollBarPart::LineDown;
    if (!PtInRect(Layout.Track, P) || IsRectEmpty(Layout.Thumb))
        return TScrollBarPart::None;
    if (PtInRect(Layout.Thumb, P))
        return TScrollBarPart::Thumb;
    int at = Layout.Vertical ? P.Y : P.X;
    int thumbStart = Layout.Vertical ? Layout.Thumb.Top : Layout.Thumb.Left;
    return at < thumbStart ? TScrollBarPart::PageUp : TScrollBarPart::PageDown;
}

int ThumbOffsetToPos(const TScrollBarLayout& Layout, const TScrollBarState& State, int Offset)
{
    int free = TrackLength(Layout) - ThumbLength(Layout);
    if (free <= 0 || IsRectEmpty(Layout.Thumb))
        return State.Min;
    int64_t span = int64_t(State.MaxPos()) - State.Min;
    int64_t pos = State.Min + DivRound(int64_t(std::clamp(Offset, 0, free)) * span, free);
    return static_cast<int>(std::clamp<int64_t>(pos, State.Min, State.MaxPos()));
}
