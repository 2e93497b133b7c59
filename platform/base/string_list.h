// TStringList: the string list that holds its (string, object) items in
// memory, optionally kept sorted.
#pragma once

#include <string_view>
#include <vector>

#include "platform/base/strings.h"

// What Add does with a string equal to one already in a sorted list.
enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Orders the items at Index1 and Index2 of List: negative when the first
// goes before the second, 0 when they are equal, positive otherwise.
using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);


class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    // Fires no events; frees the objects when OwnsObjects is set.
    ~TStringList() override;

    // On a sorted list Add inserts at the Find position and follows
    // Duplicates; it returns the index of the string (for dupIgnore, of the
    // one already there).
    int Add(const AnsiString& S) override;
    int AddObject(const AnsiString& S, TObject* Object) override;
    void AddStrings(TStrings* Strings) override;
    void Clear() override;
    void Delete(int Index) override;
    // Exchange, Insert, Move and Put are refused on a sorted list.
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const AnsiString& S) override;
    void InsertObject(int Index, const AnsiString& S, TObject* Object) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const AnsiString& S) const override;

    // Binary search of a sorted list: whether S is present, and in Index the
    // first position holding S or else where S would be inserted.
    bool Find(const AnsiString& S, int& Index) const;
    // Both sorts do nothing on a list that is already Sorted; equal items
    // keep their order.
    void Sort();
    void CustomSort(TStringListSortCompare Compare);

    // The string at Index without a copy, valid until the list changes.
    std::string_view StringView(int Index) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    // Changing it sorts a sorted list again.
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);
    TDuplicates Duplicates = dupIgnore;  // consulted only while sorted
    bool OwnsObjects = false;            // Delete, Clear and the destructor free the objects

    // Fired around every change, but only outside update brackets; a bracket
    // fires each once.
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void Changed();
    virtual void Changing();

    AnsiString Get(int Index) const override;
    int GetCapacity() const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    void Put(int Index, const AnsiString& S) override;
    void PutObject(int Index, TObject* Object) override;
    void SetCapacity(int NewCapacity) override;
    void SetTextStr(const AnsiString& Value) override;
    void SetUpdateState(bool Updating) override;
    // With or without case, as CaseSensitive says.
    int CompareStrings(const AnsiString& S1, const AnsiString& S2) const override;

private:
    struct TStringItem {
        AnsiString String;
        TObject* Object = nullptr;
    };

    void CheckIndex(int Index) const;
    void InsertItem(int Index, const AnsiString& S, TObject* Object);
    void SortItems();
    // Adds Items to a sorted list with the result of adding them one by one,
    // in O((n + m) log m) instead of moving the list for every item.
    void AddSortedItems(std::vector<TStringItem> Items);
    void FreeObjects(std::vector<TStringItem>& Items);

    std::vector<TStringItem> items_;
    bool sorted_ = false;  // while set, items_ is in CompareStrings order
    bool caseSensitive_ = false;
};
