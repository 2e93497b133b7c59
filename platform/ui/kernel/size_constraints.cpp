#include "platform/ui/kernel/size_constraints.h"

void TSizeConstraints::SetMaxHeight(int Value)
{
    if (Value == maxHeight_)
        return;
    maxHeight_ = Value;
    if (Value > 0 && Value < minHeight_)
        minHeight_ = Value;
    Change();
}

void TSizeConstraints::SetMaxWidth(int Value)
{
    if (Value == maxWidth_)
        return;
    maxWidth_ = Value;
    if (Value > 0 && Value < minWidth_)
        minWidth_ = Value;
    Change();
}

void TSizeConstraints::SetMinHeight(int Value)
{
    if (Value == minHeight_)
        return;
    minHeight_ = Value;
    if (maxHeight_ > 0 && Value > maxHeight_)
        maxHeight_ = Value;
    Change();
}

void TSizeConstraints::SetMinWidth(int Value)
{
    if (Value == minWidth_)
        return;
    minWidth_ = Value;
    if (maxWidth_ > 0 && Value > maxWidth_)
        maxWidth_ = Value;
    Change();
}

void TSizeConstraints::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TSizeConstraints*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    minHeight_ = source->minHeight_;
    maxHeight_ = source->maxHeight_;
    minWidth_ = source->minWidth_;
    maxWidth_ = source->maxWidth_;
    Change();
}

void TSizeConstraints::Change()
{
    if (OnChange)
        OnChange(this);
}
