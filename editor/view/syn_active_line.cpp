#include "editor/view/syn_active_line.h"

TSynActiveLine::TSynActiveLine() : indicator_(std::make_unique<TSynGlyph>())
{
    indicator_->OnChange = TNotifyEvent(this, &TSynActiveLine::Changed);
}

TSynActiveLine::~TSynActiveLine() = default;

void TSynActiveLine::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    Changed(this);
}

void TSynActiveLine::SetBackground(TColor Value)
{
    if (background_ == Value)
        return;
    background_ = Value;
    Changed(this);
}

void TSynActiveLine::SetForeground(TColor Value)
{
    if (foreground_ == Value)
        return;
    foreground_ = Value;
    Changed(this);
}

void TSynActiveLine::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynActiveLine*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    visible_ = src->visible_;
    background_ = src->background_;
    foreground_ = src->foreground_;
    indicator_->Assign(src->indicator_.get());
    Changed(this);
}

void TSynActiveLine::Changed(TObject* Sender)
{
    if (OnChange)
        OnChange(Sender);
}
