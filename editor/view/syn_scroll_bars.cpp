#include "editor/view/syn_scroll_bars.h"

void TSynScrollBars::SetScrollBars(TScrollStyle Value)
{
    if (scrollBars_ == Value)
        return;
    scrollBars_ = Value;
    Changed();
}

void TSynScrollBars::SetStyle(TScrollBarsStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    Changed();
}

void TSynScrollBars::SetHorizontal(TSynTextScrollBar* Value)
{
    if (horizontal_ == Value)
        return;
    horizontal_ = Value;
    Changed();
}

void TSynScrollBars::SetVertical(TSynTextScrollBar* Value)
{
    if (vertical_ == Value)
        return;
    vertical_ = Value;
    Changed();
}

void TSynScrollBars::SetHintColor(TColor Value)
{
    if (hintColor_ == Value)
        return;
    hintColor_ = Value;
    Changed();
}

void TSynScrollBars::SetHintFormat(TScrollHintFormat Value)
{
    if (hintFormat_ == Value)
        return;
    hintFormat_ = Value;
    Changed();
}

void TSynScrollBars::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynScrollBars*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    scrollBars_ = src->scrollBars_;
    style_ = src->style_;
    horizontal_ = src->horizontal_;
    vertical_ = src->vertical_;
    hintColor_ = src->hintColor_;
    hintFormat_ = src->hintFormat_;
    Changed();
}

void TSynScrollBars::Changed()
{
    if (OnChange)
        OnChange(this);
}
