// TShortCutList: the texts parsed once, on the way in.
#include "platform/ui/kernel/short_cut_list.h"

#include "platform/base/list.h"
#include "platform/base/list_errors.h"

int TShortCutList::Add(const AnsiString& S)
{
    items_.push_back(TItem{S, TextToShortCut(S)});
    return Count() - 1;
}

const TShortCutList::TItem& TShortCutList::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        TList::Error(SListIndexError, Index);
    return items_[size_t(Index)];
}

const AnsiString& TShortCutList::Strings(int Index) const
{
    return Item(Index).Text;
}

TShortCut TShortCutList::ShortCuts(int Index) const
{
    return Item(Index).ShortCut;
}

int TShortCutList::IndexOfShortCut(TShortCut ShortCut) const
{
    if (ShortCut == scNone)
        return -1;
    for (int i = 0; i < Count(); ++i)
        if (items_[size_t(i)].ShortCut == ShortCut)
            return i;
    return -1;
}

void TShortCutList::Delete(int Index)
{
    Item(Index);
    items_.erase(items_.begin() + Index);
}
