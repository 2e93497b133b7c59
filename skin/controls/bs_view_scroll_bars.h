// The pair of external skinned scroll bars a skinned tree or list view keeps
// in step with its own scroll information, in place of the bars of its
// window: taking a bar on, showing it, the corner the two share and the
// parent's layout when one of them comes or goes.
#pragma once

#include "platform/win/scroll_bars.h"
#include "platform/win/win_types.h"
#include "skin/controls/bs_skin_scroll_bar.h"

class TWinControl;

// The range, page and position the view's window keeps for one of its bars
// (SB_VERT or SB_HORZ), even while the bar is out of its style.
SCROLLINFO ViewScrollInfo(HWND Window, int Bar);

// A bar given to a view: enabled, hidden until the view's content asks for
// it, its OnChange the view's Handler.
void AttachViewScrollBar(TbsSkinScrollBar* Bar, const TNotifyEvent& Handler);
// A bar that may outlive its view stops calling the view's Handler.
void DetachViewScrollBar(TbsSkinScrollBar* Bar, const TNotifyEvent& Handler);

// Bar->SetRange, unless the bar holds that range already: a view
// synchronises after every paint, and a bar repaints with each SetRange.
void SetViewBarRange(TbsSkinScrollBar* Bar, int Min, int Max, int Position, int PageSize);

// The same for the bar's steps.
void SetViewBarSteps(TbsSkinScrollBar* Bar, int SmallChange, int LargeChange);

// Which of the two bars show; a missing bar counts as hidden.
struct TbsViewBarsShown {
    bool Vertical = false;
    bool Horizontal = false;
    bool operator==(const TbsViewBarsShown&) const = default;
};
TbsViewBarsShown ViewBarsShown(const TbsSkinScrollBar* VBar, const TbsSkinScrollBar* HBar);

// Ends a synchronisation that may have shown or hidden bars (Before is what
// showed when it began): with both bars, the horizontal one leaves the
// corner free exactly while the vertical one shows; and when View is aligned
// and a bar came or went, View's parent lays its controls out again.
// InUpdate is on meanwhile, so that the view's own messages from the new
// layout do not synchronise again.
void FinishViewBarsSync(TWinControl* View, TbsSkinScrollBar* VBar, TbsSkinScrollBar* HBar, TbsViewBarsShown Before,
                        bool& InUpdate);
