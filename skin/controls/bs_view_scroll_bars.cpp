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
