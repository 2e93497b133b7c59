#include "editor/view/syn_text_scroll_bar.h"

bool TSynTextScrollBar::DoGetScrollInfo(SCROLLINFO& ScrollInfo) const
{
    return OnGetScrollInfo ? OnGetScrollInfo(ScrollInfo) : false;
}

int TSynTextScrollBar::DoSetScrollInfo(const SCROLLINFO& ScrollInfo, bool Redraw) const
{
    return OnSetScrollInfo ? OnSetScrollInfo(ScrollInfo, Redraw) : 0;
}

bool TSynTextScrollBar::DoShowScrollBar(bool sbShow) const
{
    return OnShowScrollBar ? OnShowScrollBar(sbShow) : false;
}

bool TSynTextScrollBar::DoEnabledScrollBar(int sbArrows) const
{
    return OnEnabledScrollBar ? OnEnabledScrollBar(sbArrows) : false;
}

void TSynTextScrollBar::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynTextScrollBar*>(Source);
    if (!src) {
        TComponent::Assign(Source);
        return;
    }
    OnGetScrollInfo = src->OnGetScrollInfo;
    OnSetScrollInfo = src->OnSetScrollInfo;
    OnShowScrollBar = src->OnShowScrollBar;
    OnEnabledScrollBar = src->OnEnabledScrollBar;
}
