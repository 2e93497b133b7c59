// A list item's properties: changes are reported to the view, which
// repaints, re-sorts or moves the selection.
#include "platform/ui/itemviews/list_item.h"

#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"

TListItem::TListItem(TListItems* Owner) : owner_(Owner), subItems_(std::make_unique<TStringList>()) {}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const
{
    return owner_->Owner();
}

void TListItem::SetCaption(const AnsiString& Value)
{
    if (caption_ == Value)
        return;
    caption_ = Value;
    ListView()->CaptionChanged(this);
}

void TListItem::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    ListView()->InvalidateIndex(index_);
}

void TListItem::SetStateIndex(int Value)
{
    stateIndex_ = Value;
    ListView()->InvalidateIndex(index_);
}

void TListItem::SetChecked(bool Value)
{
    checked_ = Value;
    ListView()->InvalidateIndex(index_);
}

bool TListItem::Selected() const
{
    return ListView()->IndexSelected(index_);
}

void TListItem::SetSelected(bool Value)
{
    ListView()->SelectIndex(index_, Value);
}

bool TListItem::Focused() const
{
    return ListView()->ItemIndex() == index_;
}

void TListItem::SetFocused(bool Value)
{
    if (Value)
        ListView()->FocusIndex(index_);
    else if (Focused())
        ListView()->FocusIndex(-1);
}

void TListItem::Delete()
{
    owner_->Delete(index_);
}

TRect TListItem::DisplayRect(TDisplayCode Code) const
{
    return ListView()->ItemRect(index_, Code);
}

bool TListItem::EditCaption()
{
    return ListView()->StartEdit(index_);
}

void TListItem::MakeVisible(bool)
{
    ListView()->MakeIndexVisible(index_);
}
