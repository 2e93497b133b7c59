// TList: a list of untyped pointers, indexed from 0. Descendants that own
// their items learn of every pointer that enters or leaves through Notify.
#pragma once

#include <memory>

#include "platform/base/list_errors.h"
#include "platform/base/object.h"

// The largest count and capacity a list accepts.
inline constexpr int MaxListSize = 0x7FFFFFFF / 16;

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Negative when Item1 sorts before Item2, zero when equal, positive after.
using TListSortCompare = int (*)(void* Item1, void* Item2);

class TList : public TObject {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    // Clears the list, but a virtual call from here reaches only this class:
    // a descendant that owns its items must call Clear in its own destructor.
    ~TList() override;

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Deletes the first occurrence of Item; its former index, or -1.
    int Remove(void* Item);
    // Takes the first occurrence of Item out without deleting it: Notify
    // hears lnExtracted. Returns Item, or nullptr when absent.
    void* Extract(void* Item);
    int IndexOf(void* Item) const;
    void* Items(int Index) const;
    void Put(int Index, void* Item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(count_ - 1); }

    int Count() const { return count_; }
    // Growing fills with nullptr; shrinking deletes from the end.
    void SetCount(int NewCount);
    int Capacity() const { return capacity_; }
    void SetCapacity(int NewCapacity);
    void Clear();
    // Makes room for one more item when the list is full.
    TList* Expand();

    void Exchange(int Index1, int Index2);
    // Moves an item to NewIndex, shifting the others; no notifications.
    void Move(int CurIndex, int NewIndex);
    // Deletes every nullptr entry.
    void Pack();
    // Sorts with Compare; items that compare equal keep their order.
    void Sort(TListSortCompare Compare);

    // Raises EListError with Message, its "%d" filled with Data.
    [[noreturn]] static void Error(const char* Message, int Data);

protected:
    // Called for every non-null pointer after it enters (lnAdded) or leaves
    // the list (lnExtracted, lnDeleted).
    virtual void Notify(void* /*Ptr*/, TListNotification /*Action*/) {}

private:
    void Grow();
    void CheckIndex(int Index) const;

    std::unique_ptr<void*[]> list_;
    int count_ = 0;     // entries in use, at the front of list_
    int capacity_ = 0;  // slots allocated in list_; never less than count_
};
