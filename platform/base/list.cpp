#include "platform/base/list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/base/exceptions.h"
#include "platform/base/strings.h"

TList::~TList()
{
    Clear();
}

void TList::Error(const char* Message, int Data)
{
    char text[256];
    std::snprintf(text, sizeof text, Message, Data);
    throw EListError(text);
}

void TList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= count_)
        Error(SListIndexError, Index);
}

void TList::Grow()
{
    int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
    SetCapacity(capacity_ + delta);
}

int TList::Add(void* Item)
{
    if (count_ == capacity_)
        Grow();
    int index = count_++;
    list_[index] = Item;
    if (Item)
        Notify(Item, lnAdded);
    return index;
}

void TList::Insert(int Index, void* Item)
{
    if (Index < 0 || Index > count_)
        Error(SListIndexError, Index);
    if (count_ == capacity_)
        Grow();
    void** data = list_.get();
    std::memmove(data + Index + 1, data + Index, (count_ - Index) * sizeof(void*));
    data[Index] = Item;
    ++count_;
    if (Item)
        Notify(Item, lnAdded);
}

void TList::Delete(int Index)
{
    CheckIndex(Index);
    void* item = list_[Index];
    --count_;
    void** data = list_.get();
    std::memmove(data + Index, data + Index + 1, (count_ - Index) * sizeof(void*));
    if (item)
        Notify(item, lnDeleted);
}

int TList::Remove(void* Item)
{
    int index = IndexOf(Item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* Item)
{
    int index = IndexOf(Item);
    if (index < 0)
        return nullptr;
    // Cleared first so that Delete does not report it as deleted.
    list_[index] = nullptr;
    Delete(index);
    Notify(Item, lnExtracted);
    return Item;
}

int TList::IndexOf(void* Item) const
{
    for (int i = 0; i < count_; ++i)
        if (list_[i] == Item)
            return i;
    return -1;
}

void* TList::Items(int Index) const
{
    CheckIndex(Index);
    return list_[Index];
}

void TList::Put(int Index, void* Item)
{
    CheckIndex(Index);
    void* old = list_[Index];
    list_[Index] = Item;
    if (old)
        Notify(old, lnDeleted);
    if (Item)
        Notify(Item, lnAdded);
}

void TList::SetCount(int NewCount)
{
    if (NewCount < 0 || NewCount > MaxListSize)
        Error(SListCountError, NewCount);
    if (NewCount > capacity_)
        SetCapacity(NewCount);
    if (NewCount > count_) {
        std::fill(list_.get() + count_, list_.get() + NewCount, nullptr);
        count_ = NewCount;
    }
    // One at a time from the end, re-reading the count: Notify may change the list.
    while (count_ > NewCount)
        Delete(count_ - 1);
}

void TList::SetCapacity(int NewCapacity)
{
    if (NewCapacity < count_ || NewCapacity > MaxListSize)
        Error(SListCapacityError, NewCapacity);
    if (NewCapacity == capacity_)
        return;
    std::unique_ptr<void*[]> list;
    if (NewCapacity > 0) {
        list = std::make_unique<void*[]>(NewCapacity);
        std::copy(list_.get(), list_.get() + count_, list.get());
    }
    list_ = std::move(list);
    capacity_ = NewCapacity;
}

void TList::Clear()
{
    SetCount(0);
    SetCapacity(0);
}

TList* TList::Expand()
{
    if (count_ == capacity_)
        Grow();
    return this;
}

void TList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(list_[Index1], list_[Index2]);
}

void TList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void** data = list_.get();
    void* item = data[CurIndex];
    if (CurIndex < NewIndex)
        std::memmove(data + CurIndex, data + CurIndex + 1, (NewIndex - CurIndex) * sizeof(void*));
    else
        std::memmove(data + NewIndex + 1, data + NewIndex, (CurIndex - NewIndex) * sizeof(void*));
    data[NewIndex] = item;
}

void TList::Pack()
{
    for (int i = count_ - 1; i >= 0; --i)
        if (list_[i] == nullptr)
            Delete(i);
}

void TList::Sort(TListSortCompare Compare)
{
    if (count_ > 1)
        std::stable_sort(list_.get(), list_.get() + count_, [Compare](void* a, void* b) { return Compare(a, b) < 0; });
}
