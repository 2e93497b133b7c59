#include "skin/controls/bs_adjusting_parent.h"

#include "platform/ui/kernel/win_control.h"

int AdjustedTop(TWinControl* Parent, int ATop, int AHeight)
{
    auto* adjusting = dynamic_cast<IbsAdjustingParent*>(Parent);
    if (!adjusting || !adjusting->AdjustControls())
        return ATop;
    TRect r = adjusting->AdjustedClientRect();
    return r.Top + r.Height() / 2 - AHeight / 2;
}
