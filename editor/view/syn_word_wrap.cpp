#include "editor/view/syn_word_wrap.h"

TSynWordWrap::TSynWordWrap() : indicator_(std::make_unique<TSynGlyph>("SynTextWrapped", clLime))
{
    indicator_->OnChange = TNotifyEvent(this, &TSynWordWrap::Changed);
}

TSynWordWrap::~TSynWordWrap() = default;

void TSynWordWrap::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    Changed(this);
}

void TSynWordWrap::SetPosition(int Value)
{
    if (position_ == Value)
        return;
    position_ = Value;
    Changed(this);
}

void TSynWordWrap::SetStyle(TSynWordWrapStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    Changed(this);
}

void TSynWordWrap::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynWordWrap*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    enabled_ = src->enabled_;
    position_ = src->position_;
    style_ = src->style_;
    indicator_->Assign(src->indicator_.get());
    Changed(this);
}

void TSynWordWrap::Changed(TObject* Sender)
{
    if (OnChange)
        OnChange(Sender);
}
