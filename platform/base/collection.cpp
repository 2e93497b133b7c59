#include "platform/base/collection.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/base/list.h"
#include "platform/base/strings.h"

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection)
        Collection->Attach(this);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (collection_ == Value)
        return;
    if (Value && !Value->itemClass_.Holds(this))
        throw EListError("Invalid property value");
    if (collection_)
        collection_->RemoveItem(this);
    if (Value)
        Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!collection_)
        return -1;
    const auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    int current = Index();
    if (current < 0 || current == Value)
        return;
    auto& items = collection_->items_;
    if (Value < 0 || Value >= static_cast<int>(items.size()))
        TList::Error(SListIndexError, Value);
    if (current < Value)
        std::rotate(items.begin() + current, items.begin() + current + 1, items.begin() + Value + 1);
    else
        std::rotate(items.begin() + Value, items.begin() + current, items.begin() + current + 1);
    Changed(true);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner()
{
    return collection_;
}

TCollection::~TCollection()
{
    // Nobody is told: the collection itself is going.
    updateCount_ = 1;
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* item = itemClass_.Create(this);
    Changed();
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    // Checked first, so that a bad index leaves no stray item behind.
    if (Index < 0 || Index > Count())
        TList::Error(SListIndexError, Index);
    TCollectionItem* item = itemClass_.Create(this);
    std::rotate(items_.begin() + Index, items_.end() - 1, items_.end());
    Changed();
    return item;
}

void TCollection::Delete(int Index)
{
    delete GetItem(Index);
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count())
        TList::Error(SListIndexError, Index);
    return items_[Index];
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : items_)
        if (item->id_ == ID)
            return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    // An unmatched EndUpdate would otherwise silence Update for good.
    if (updateCount_ == 0)
        return;
    --updateCount_;
    Changed();
}

void TCollection::Changed()
{
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    // Clearing first would leave nothing to copy.
    if (source == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (int i = 0; i < source->Count(); ++i)
            Add()->Assign(source->items_[i]);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Attach(TCollectionItem* Item)
{
    items_.push_back(Item);
    Item->collection_ = this;
    Item->id_ = nextID_++;
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    Attach(Item);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    std::erase(items_, Item);
    Item->collection_ = nullptr;
    Changed();
}
