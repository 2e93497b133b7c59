#include "skin/controls/bs_view_scroll_bars.h"

#include "platform/ui/kernel/win_control.h"

SCROLLINFO ViewScrollInfo(HWND Window, int Bar)
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(Window, Bar, &info))
        info = SCROLLINFO();
    return info;
}

void AttachViewScrollBar(TbsSkinScrollBar* Bar, const TNotifyEvent& Handler)
{
    if (!Bar)
        return;
    Bar->SetEnabled(true);
    Bar->SetVisible(false);
    Bar->OnChange = Handler;
}

void DetachViewScrollBar(TbsSkinScrollBar* Bar, const TNotifyEvent& Handler)
{
    if (Bar && Bar->OnChange == Handler)
        Bar->OnChange = nullptr;
}

void SetViewBarRange(TbsSkinScrollBar* Bar, int Min, int Max, int Position, int PageSize)
{
    if (Bar->Min() == Min && Bar->Max() == Max && Bar->PageSize() == PageSize &&
        Bar->Position() == ClampScrollPosition(TbsScrollRange{Min, Max, PageSize, Position}, Position))
        return;
    Bar->SetRange(Min, Max, Position, PageSize);
}

void SetViewBarSteps(TbsSkinScrollBar* Bar, int SmallChange, int LargeChange)
{
    if (Bar->SmallChange() != SmallChange)
        Bar->SetSmallChange(SmallChange);
    if (Bar->LargeChange() != LargeChange)
        Bar->SetLargeChange(LargeChange);
}

TbsViewBarsShown ViewBarsShown(const TbsSkinScrollBar* VBar, const TbsSkinScrollBar* HBar)
{
    return {VBar && VBar->Visible(), HBar && HBar->Visible()};
}

void FinishViewBarsSync(TWinControl* View, TbsSkinScrollBar* VBar, TbsSkinScrollBar* HBar, TbsViewBarsShown Before,
                        bool& InUpdate)
{
    if (VBar && HBar && HBar->Both() != VBar->Visible())
        HBar->SetBoth(VBar->Visible());
    if (View->Align() == alNone || ViewBarsShown(VBar, HBar) == Before || !View->Parent())
        return;
    const bool wasInUpdate = InUpdate;
    InUpdate = true;
    View->Parent()->Realign();
    InUpdate = wasInUpdate;
}
