// TRadioGroup: the buttons made from Items, their layout and ItemIndex.
#include "platform/ui/widgets/radio_group.h"

#include <algorithm>

#include "platform/base/list.h"
#include "platform/base/list_errors.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/ui/graphics/text_metrics.h"

TRadioGroup::TRadioGroup(TComponent* AOwner) : TGroupBox(AOwner), items_(std::make_unique<TStringList>())
{
    // OnClick reports a new ItemIndex: a click on the frame, or on a
    // disabled button that lets it through, is none.
    SetControlStyle(TControlStyle(ControlStyle()).Exclude(csClickEvents));
    items_->OnChange = TNotifyEvent(this, &TRadioGroup::ItemsChanged);
}

TRadioGroup::~TRadioGroup()
{
    items_->OnChange = TNotifyEvent();
}

TStrings* TRadioGroup::Items() const
{
    return items_.get();
}

void TRadioGroup::SetItems(TStrings* Value)
{
    items_->Assign(Value);
}

void TRadioGroup::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= items_->Count())
        TList::Error(SListIndexError, Value);
    if (Value == itemIndex_)
        return;
    TAlive alive(this);
    itemIndex_ = Value;
    updating_ = true;
    if (Value >= 0) {
        buttons_[static_cast<size_t>(Value)]->SetChecked(true);
    } else {
        for (TRadioButton* button : buttons_)
            button->SetChecked(false);
    }
    if (!alive)
        return;
    updating_ = false;
    Click();
}

void TRadioGroup::SetColumns(int Value)
{
    Value = std::clamp(Value, 1, 16);
    if (Value == columns_)
        return;
    columns_ = Value;
    ArrangeButtons();
}

void TRadioGroup::ItemsChanged(TObject*)
{
    UpdateButtons();
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        TRadioButton* button = buttons_[i];
        button->SetCaption(items_->Strings(static_cast<int>(i)));
        updating_ = true;
        button->SetChecked(static_cast<int>(i) == itemIndex_);
        updating_ = false;
    }
    ArrangeButtons();
}

void TRadioGroup::UpdateButtons()
{
    auto count = static_cast<size_t>(items_->Count());
    while (buttons_.size() > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        auto* button = new TRadioButton(this);
        button->OnClick = TNotifyEvent(this, &TRadioGroup::ButtonClick);
        button->SetParent(this);
        buttons_.push_back(button);
    }
}

void TRadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    TRect area = ClientRect();
    AdjustClientRect(area);
    int count = static_cast<int>(buttons_.size());
    int rows = (count + columns_ - 1) / columns_;
    int width = area.Width() / columns_;
    int height = std::max(area.Height() / rows, 1);
    int buttonHeight = std::min(height, FontHeight(Font()) + 4);
    for (int i = 0; i < count; ++i) {
        int column = i / rows, row = i % rows;
        int top = area.Top + row * height + (height - buttonHeight) / 2;
        buttons_[static_cast<size_t>(i)]->SetBounds(area.Left + 4 + column * width, top, width - 4, buttonHeight);
    }
}

void TRadioGroup::ButtonClick(TObject* Sender)
{
    if (updating_)
        return;
    auto at = std::find(buttons_.begin(), buttons_.end(), Sender);
    if (at == buttons_.end())
        return;
    int index = static_cast<int>(at - buttons_.begin());
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Click();
}

void TRadioGroup::Resize()
{
    ArrangeButtons();
    TGroupBox::Resize();
}

void TRadioGroup::Dispatch(TMessage& Message)
{
    TGroupBox::Dispatch(Message);
    if (Message.Msg == CM_FONTCHANGED)
        ArrangeButtons();
}
