#include "editor/view/syn_line_divider.h"

void TSynLineDivider::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    Changed();
}

void TSynLineDivider::SetColor(TColor Value)
{
    if (color_ == Value)
        return;
    color_ = Value;
    Changed();
}

void TSynLineDivider::SetStyle(TPenStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    Changed();
}

void TSynLineDivider::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynLineDivider*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    visible_ = src->visible_;
    color_ = src->color_;
    style_ = src->style_;
    Changed();
}

void TSynLineDivider::Changed()
{
    if (OnChange)
        OnChange(this);
}
