#include "platform/base/string_list.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "platform/base/code_page.h"

namespace {

// A stable bottom-up merge sort of the positions 0..count-1, where
// Before(a, b) says whether position a must come first. It never reads
// outside the range whatever Before answers, so a compare function that
// contradicts itself gives a poor order but no harm.
template <typename F>
std::vector<int> SortedOrder(size_t count, F before)
{
    std::vector<int> order(count);
    std::vector<int> merged(count);
    std::iota(order.begin(), order.end(), 0);
    for (size_t width = 1; width < count; width *= 2) {
        for (size_t lo = 0; lo < count; lo += 2 * width) {
            size_t mid = std::min(lo + width, count);
            size_t hi = std::min(lo + 2 * width, count);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                merged[k++] = before(order[j], order[i]) ? order[j++] : order[i++];
            while (i < mid)
                merged[k++] = order[i++];
            while (j < hi)
                merged[k++] = order[j++];
        }
        order.swap(merged);
    }
    return order;
}

}  // namespace

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    FreeObjects(items_);
}

int TStringList::Add(const AnsiString& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const AnsiString& S, TObject* Object)
{
    int index = GetCount();
    if (sorted_ && Find(S, index)) {
        if (Duplicates == dupIgnore)
            return index;
        if (Duplicates == dupError)
            Error(SDuplicateString, 0);
    }
    InsertItem(index, S, Object);
    return index;
}

void TStringList::AddStrings(TStrings* Strings)
{
    if (!sorted_) {
        TStrings::AddStrings(Strings);
        return;
    }
    std::vector<TStringItem> items;
    int count = Strings->Count();
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items.push_back({Strings->Strings(i), Strings->Objects(i)});
    WithUpdate([&] { AddSortedItems(std::move(items)); });
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    std::vector<TStringItem> old;
    old.swap(items_);
    FreeObjects(old);
    Changed();
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    TObject* object = OwnsObjects ? items_[Index].Object : nullptr;
    items_.erase(items_.begin() + Index);
    delete object;
    Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
    if (sorted_)
        Error(SSortedListError, 0);
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(items_[Index1], items_[Index2]);
    Changed();
}

void TStringList::Insert(int Index, const AnsiString& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const AnsiString& S, TObject* Object)
{
    if (sorted_)
        Error(SSortedListError, 0);
    if (Index < 0 || Index > GetCount())
        Error(SListIndexError, Index);
    InsertItem(Index, S, Object);
}

// Moves the item in place: going through Delete would free an owned object.
void TStringList::Move(int CurIndex, int NewIndex)
{
    if (sorted_)
        Error(SSortedListError, 0);
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    auto first = items_.begin();
    if (CurIndex < NewIndex)
        std::rotate(first + CurIndex, first + CurIndex + 1, first + NewIndex + 1);
    else
        std::rotate(first + NewIndex, first + CurIndex, first + CurIndex + 1);
    Changed();
}

int TStringList::IndexOf(const AnsiString& S) const
{
    int index = -1;
    if (sorted_)
        return Find(S, index) ? index : -1;
    for (size_t i = 0; i < items_.size(); ++i)
        if (CompareStrings(items_[i].String, S) == 0)
            return static_cast<int>(i);
    return -1;
}

bool TStringList::Find(const AnsiString& S, int& Index) const
{
    size_t lo = 0;
    size_t hi = items_.size();
    while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (CompareStrings(items_[mid].String, S) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    Index = static_cast<int>(lo);
    return lo < items_.size() && CompareStrings(items_[lo].String, S) == 0;
}

void TStringList::Sort()
{
    if (!sorted_)
        SortItems();
}

void TStringList::CustomSort(TStringListSortCompare Compare)
{
    if (sorted_ || items_.size() < 2)
        return;
    Changing();
    // The compare function reads the list, so it stays untouched until the
    // order is known.
    std::vector<int> order = SortedOrder(items_.size(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(std::move(items_[i]));
    items_.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (sorted_ == Value)
        return;
    if (Value)
        SortItems();
    sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (caseSensitive_ == Value)
        return;
    caseSensitive_ = Value;
    if (sorted_)
        SortItems();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

AnsiString TStringList::Get(int Index) const
{
    CheckIndex(Index);
    return items_[Index].String;
}

std::string_view TStringList::StringView(int Index) const
{
    CheckIndex(Index);
    return items_[Index].String;
}

int TStringList::GetCapacity() const { return static_cast<int>(items_.capacity()); }

int TStringList::GetCount() const { return static_cast<int>(items_.size()); }

TObject* TStringList::GetObject(int Index) const
{
    CheckIndex(Index);
    return items_[Index].Object;
}

void TStringList::Put(int Index, const AnsiString& S)
{
    if (sorted_)
        Error(SSortedListError, 0);
    CheckIndex(Index);
    Changing();
    items_[Index].String = S;
    Changed();
}

void TStringList::PutObject(int Index, TObject* Object)
{
    CheckIndex(Index);
    Changing();
    items_[Index].Object = Object;
    Changed();
}

void TStringList::SetCapacity(int NewCapacity)
{
    if (NewCapacity < GetCount())
        Error(SListCapacityError, NewCapacity);
    size_t capacity = static_cast<size_t>(NewCapacity);
    if (capacity > items_.capacity()) {
        items_.reserve(capacity);
    } else if (capacity < items_.capacity()) {
        std::vector<TStringItem> smaller;
        smaller.reserve(capacity);
        std::move(items_.begin(), items_.end(), std::back_inserter(smaller));
        items_.swap(smaller);
    }
}

void TStringList::SetTextStr(const AnsiString& Value)
{
    if (!sorted_) {
        TStrings::SetTextStr(Value);
        return;
    }
    TStringList lines;
    lines.SetTextStr(Value);
    WithUpdate([&] {
        Clear();
        AddSortedItems(std::move(lines.items_));
    });
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const AnsiString& S1, const AnsiString& S2) const
{
    return caseSensitive_ ? CompareStr(S1, S2) : CompareText(S1, S2);
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        Error(SListIndexError, Index);
}

void TStringList::InsertItem(int Index, const AnsiString& S, TObject* Object)
{
    Changing();
    items_.insert(items_.begin() + Index, TStringItem{S, Object});
    Changed();
}

void TStringList::SortItems()
{
    if (items_.size() < 2)
        return;
    Changing();
    std::vector<int> order = SortedOrder(items_.size(), [&](int a, int b) {
        return CompareStrings(items_[a].String, items_[b].String) < 0;
    });
    std::vector<TStringItem> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(std::move(items_[i]));
    items_.swap(sorted);
    Changed();
}

void TStringList::AddSortedItems(std::vector<TStringItem> Items)
{
    if (Items.empty())
        return;
    // Added one by one, each item lands at the first of its equals, so under
    // dupAccept the later of two equal items ends up first.
    bool accept = Duplicates == dupAccept;
    std::vector<int> order = SortedOrder(Items.size(), [&](int a, int b) {
        int c = CompareStrings(Items[a].String, Items[b].String);
        return c < 0 || (c == 0 && accept && a > b);
    });

    std::vector<bool> keep(Items.size(), true);
    size_t firstRefused = Items.size();
    if (!accept) {
        // Within a group of equal items the earliest comes first; it is
        // refused only when the list already holds its string, the others
        // always.
        for (size_t g = 0; g < order.size();) {
            size_t end = g + 1;
            while (end < order.size() && CompareStrings(Items[order[g]].String, Items[order[end]].String) == 0)
                ++end;
            int existing = 0;
            size_t first = Find(Items[order[g]].String, existing) ? g : g + 1;
            for (size_t k = first; k < end; ++k) {
                keep[order[k]] = false;
                firstRefused = std::min(firstRefused, static_cast<size_t>(order[k]));
            }
            g = end;
        }
        // dupError stops at the first refused item; nothing after it is added.
        if (Duplicates == dupError)
            for (size_t i = firstRefused; i < Items.size(); ++i)
                keep[i] = false;
    }

    Changing();
    std::vector<TStringItem> merged;
    merged.reserve(items_.size() + Items.size());
    size_t e = 0;
    for (int k : order) {
        if (!keep[k])
            continue;
        while (e < items_.size() && CompareStrings(items_[e].String, Items[k].String) < 0)
            merged.push_back(std::move(items_[e++]));
        merged.push_back(std::move(Items[k]));
    }
    std::move(items_.begin() + e, items_.end(), std::back_inserter(merged));
    items_.swap(merged);
    Changed();
    if (Duplicates == dupError && firstRefused < Items.size())
        Error(SDuplicateString, 0);
}

void TStringList::FreeObjects(std::vector<TStringItem>& Items)
{
    if (!OwnsObjects)
        return;
    for (TStringItem& item : Items) {
        delete item.Object;
        item.Object = nullptr;
    }
}
