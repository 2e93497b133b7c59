// The list view's items: adding, inserting and deleting them with the view
// told before and after, and OwnerData items filled on demand.
#include "platform/ui/itemviews/list_items.h"

#include "platform/ui/itemviews/list_view.h"

TListItems::TListItems(TCustomListView* Owner) : owner_(Owner), dataItem_(std::make_unique<TListItem>(this)) {}

TListItems::~TListItems() = default;

int TListItems::Count() const
{
    return owner_->OwnerData() ? dataCount_ : static_cast<int>(items_.size());
}

void TListItems::SetCount(int Value)
{
    if (!owner_->OwnerData())
        return;
    owner_->EndEdit(true);
    dataCount_ = Value < 0 ? 0 : Value;
    owner_->ItemsCleared();
}

TListItem* TListItems::Item(int Index)
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    if (!owner_->OwnerData())
        return items_[static_cast<size_t>(Index)].get();
    // Each call starts from a blank item, so nothing of another index shows.
    TListItem* item = dataItem_.get();
    item->index_ = Index;
    item->caption_.clear();
    item->subItems_->Clear();
    item->imageIndex_ = -1;
    item->stateIndex_ = -1;
    item->checked_ = false;
    item->Data = nullptr;
    if (owner_->OnData)
        owner_->OnData(owner_, item);
    return item;
}

TListItem* TListItems::Add()
{
    return Insert(Count());
}

TListItem* TListItems::Insert(int Index)
{
    if (owner_->OwnerData())
        return nullptr;
    if (Index < 0 || Index > Count())
        Index = Count();
    items_.insert(items_.begin() + Index, std::make_unique<TListItem>(this));
    Renumber(Index);
    owner_->ItemInserted(Index);
    return items_[static_cast<size_t>(Index)].get();
}

void TListItems::Delete(int Index)
{
    if (owner_->OwnerData() || Index < 0 || Index >= Count())
        return;
    TListItem* item = items_[static_cast<size_t>(Index)].get();
    owner_->ItemDeleting(item);
    // OnDeletion may have freed it itself.
    if (Index >= Count() || items_[static_cast<size_t>(Index)].get() != item)
        return;
    const bool wasSelected = item->selected_;
    const bool wasFocused = owner_->ItemIndex() == Index;
    // Out of the list before the view moves the selection, freed after.
    std::unique_ptr<TListItem> going = std::move(items_[static_cast<size_t>(Index)]);
    items_.erase(items_.begin() + Index);
    Renumber(Index);
    owner_->ItemDeleted(Index, wasSelected, wasFocused);
}

void TListItems::Clear()
{
    owner_->EndEdit(true);
    if (owner_->OwnerData()) {
        SetCount(0);
        return;
    }
    BeginUpdate();
    while (!items_.empty()) {
        TListItem* item = items_.back().get();
        owner_->Delete(item);
        if (!items_.empty() && items_.back().get() == item)
            items_.pop_back();
    }
    owner_->ItemsCleared();
    EndUpdate();
}

int TListItems::IndexOf(const TListItem* Item) const
{
    if (!Item || Item->owner_ != this || owner_->OwnerData())
        return -1;
    const int index = Item->index_;
    return index >= 0 && index < Count() && items_[static_cast<size_t>(index)].get() == Item ? index : -1;
}

void TListItems::BeginUpdate()
{
    ++updating_;
}

void TListItems::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0)
        owner_->LayoutChanged();
}

void TListItems::Renumber(int From)
{
    for (size_t i = static_cast<size_t>(From); i < items_.size(); ++i)
        items_[i]->index_ = static_cast<int>(i);
}
