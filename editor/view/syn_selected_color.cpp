#include "editor/view/syn_selected_color.h"

void TSynSelectedColor::SetBackground(TColor Value)
{
    if (background_ == Value)
        return;
    background_ = Value;
    Changed();
}

void TSynSelectedColor::SetForeground(TColor Value)
{
    if (foreground_ == Value)
        return;
    foreground_ = Value;
    Changed();
}

void TSynSelectedColor::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynSelectedColor*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    background_ = src->background_;
    foreground_ = src->foreground_;
    Changed();
}

void TSynSelectedColor::Changed()
{
    if (OnChange)
        OnChange(this);
}
