// Tab rows laid out along one side: worked out as if the tabs stood on
// top, then turned to the side they are on.
#include "platform/ui/widgets/tab_control_layout.h"

#include <algorithm>

namespace {

// The page frame's width inside the rows (tab style only).
constexpr int PageFrame = 2;

bool AlongX(TTabSide Side) { return Side == TTabSide::Top || Side == TTabSide::Bottom; }

int Length(const TTabLayoutInput& In) { return AlongX(In.Side) ? In.Client.cx : In.Client.cy; }

int Gap(const TTabLayoutInput& In) { return In.Buttons ? TabButtonGap : 0; }

int RowStep(const TTabLayoutInput& In) { return In.RowDepth + Gap(In); }

// How deep the rows reach from the client edge.
int StripDepth(const TTabLayoutInput& In, int Rows) { return TabMargin + Rows * RowStep(In); }

// A rectangle from along A0..A1 and depth D0..D1 (depth counted from the
// client edge the tabs stand on) to client coordinates.
TRect Turn(const TTabLayoutInput& In, int A0, int A1, int D0, int D1)
{
    switch (In.Side) {
    case TTabSide::Top:
        return {A0, D0, A1, D1};
    case TTabSide::Bottom:
        return {A0, In.Client.cy - D1, A1, In.Client.cy - D0};
    case TTabSide::Left:
        return {D0, A0, D1, A1};
    case TTabSide::Right:
        return {In.Client.cx - D1, A0, In.Client.cx - D0, A1};
    }
    return {};
}

// The depth of row Row, the one nearest the page being Rows - 1.
TRect RowItem(const TTabLayoutInput& In, int Row, int A0, int A1)
{
    int d0 = TabMargin + Row * RowStep(In);
    return Turn(In, A0, A1, d0, d0 + In.RowDepth);
}

void LayOutSingleLine(const TTabLayoutInput& In, TTabLayout& Out)
{
    const int count = static_cast<int>(In.Extents.size());
    const int gap = Gap(In);
    const int end = Length(In) - TabMargin;
    int total = 0;
    for (int extent : In.Extents)
        total += extent + gap;
    Out.Overflow = count > 0 && TabMargin + total - gap > end;
    int limit = end;
    if (Out.Overflow) {
        limit = Length(In) - In.ScrollerLength;
        // The first tab from which all the rest fit before the scroller.
        int tail = 0;
        Out.MaxFirstShown = count - 1;
        for (int i = count - 1; i >= 0; --i) {
            tail += In.Extents[static_cast<size_t>(i)] + (i < count - 1 ? gap : 0);
            if (TabMargin + tail > limit)
                break;
            Out.MaxFirstShown = i;
        }
        Out.FirstShown = std::clamp(In.FirstShown, 0, Out.MaxFirstShown);
        Out.Scroller = Turn(In, Length(In) - In.ScrollerLength, Length(In), TabMargin, TabMargin + In.RowDepth);
    }
    // The tabs scrolled out end at the client's left edge, so that a tab is
    // out of view on the left exactly when its right edge is below 1.
    int a = 0;
    for (int i = 0; i < Out.FirstShown; ++i)
        a -= In.Extents[static_cast<size_t>(i)] + gap;
    for (int i = 0; i < count; ++i) {
        if (i == Out.FirstShown)
            a = TabMargin;
        int extent = In.Extents[static_cast<size_t>(i)];
        Out.Items[static_cast<size_t>(i)] = RowItem(In, 0, a, a + extent);
        Out.Shown[static_cast<size_t>(i)] = i >= Out.FirstShown && a + extent <= limit;
        a += extent + gap;
    }
}

void LayOutRows(const TTabLayoutInput& In, TTabLayout& Out)
{
    const int count = static_cast<int>(In.Extents.size());
    const int gap = Gap(In);
    const int end = Length(In) - TabMargin;
    // Each row's first tab; a tab longer than a row has a row to itself.
    std::vector<int> starts{0};
    int a = TabMargin;
    for (int i = 0; i < count; ++i) {
        int extent = In.Extents[static_cast<size_t>(i)];
        if (a > TabMargin && a + extent > end) {
            starts.push_back(i);
            a = TabMargin;
        }
        a += extent + gap;
    }
    Out.Rows = static_cast<int>(starts.size());
    int selectedRow = Out.Rows - 1;
    for (int r = 0; r < Out.Rows; ++r)
        if (In.Selected >= starts[static_cast<size_t>(r)])
            selectedRow = r;
    for (int r = 0; r < Out.Rows; ++r) {
        int first = starts[static_cast<size_t>(r)];
        int last = r + 1 < Out.Rows ? starts[static_cast<size_t>(r + 1)] : count;
        // The rows turn round so that the selected tab's row meets the page.
        int depthRow = (r - selectedRow - 1 + 2 * Out.Rows) % Out.Rows;
        a = TabMargin;
        for (int i = first; i < last; ++i) {
            int extent = In.Extents[static_cast<size_t>(i)];
            Out.Items[static_cast<size_t>(i)] = RowItem(In, depthRow, a, a + extent);
            a += extent + gap;
        }
    }
}

}  // namespace

TTabLayout LayOutTabs(const TTabLayoutInput& In)
{
    TTabLayout out;
    out.Items.assign(In.Extents.size(), TRect());
    // Rows show every tab; a single row overrides this.
    out.Shown.assign(In.Extents.size(), true);
    if (In.MultiLine)
        LayOutRows(In, out);
    else
        LayOutSingleLine(In, out);
    out.Page = AdjustTabRect(In, out.Rows, TRect{0, 0, In.Client.cx, In.Client.cy}, false);
    return out;
}

TRect AdjustTabRect(const TTabLayoutInput& In, int Rows, TRect R, bool Larger)
{
    int depth = StripDepth(In, Rows) - (In.Buttons ? Gap(In) : 0);
    int frame = In.Buttons ? 0 : PageFrame;
    int sign = Larger ? -1 : 1;
    R.Left += sign * frame;
    R.Top += sign * frame;
    R.Right -= sign * frame;
    R.Bottom -= sign * frame;
    switch (In.Side) {
    case TTabSide::Top:
        R.Top += sign * depth;
        break;
    case TTabSide::Bottom:
        R.Bottom -= sign * depth;
        break;
    case TTabSide::Left:
        R.Left += sign * depth;
        break;
    case TTabSide::Right:
        R.Right -= sign * depth;
        break;
    }
    return R;
}
