#include "editor/view/syn_right_edge.h"

#include <algorithm>

namespace {

template <typename T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

void TSynRightEdge::SetVisible(bool Value)
{
    if (Store(visible_, Value))
        Changed();
}

void TSynRightEdge::SetPosition(int Value)
{
    if (Store(position_, std::clamp(Value, kMinRightEdgePosition, kMaxRightEdgePosition)))
        Changed();
}

void TSynRightEdge::SetColor(TColor Value)
{
    if (Store(color_, Value))
        Changed();
}

void TSynRightEdge::SetStyle(TPenStyle Value)
{
    if (Store(style_, Value))
        Changed();
}

void TSynRightEdge::SetMouseMove(bool Value)
{
    if (Store(mouseMove_, Value))
        Changed();
}

void TSynRightEdge::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynRightEdge*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    visible_ = src->visible_;
    position_ = src->position_;
    color_ = src->color_;
    style_ = src->style_;
    mouseMove_ = src->mouseMove_;
    Changed();
}

void TSynRightEdge::Changed()
{
    if (OnChange)
        OnChange(this);
}
