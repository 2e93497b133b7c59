// A list box's Items, kept in the list box's rows.
#include "platform/ui/itemviews/list_box_strings.h"

#include "platform/ui/itemviews/list_box.h"

void TListBoxStrings::CheckIndex(int Index, int Count) const
{
    if (Index < 0 || Index >= Count)
        Error(SListIndexError, Index);
}

int TListBoxStrings::Add(const AnsiString& S)
{
    return AddObject(S, nullptr);
}

int TListBoxStrings::AddObject(const AnsiString& S, TObject* Object)
{
    TListBoxStore& store = listBox_->store_;
    const int index = listBox_->sorted_ ? store.UpperBound(S) : store.Count();
    store.Insert(index, TListBoxItem{S, Object});
    listBox_->RowInserted(index);
    return index;
}

void TListBoxStrings::Clear()
{
    listBox_->store_.Clear();
    listBox_->RowsCleared();
}

void TListBoxStrings::Delete(int Index)
{
    TListBoxStore& store = listBox_->store_;
    CheckIndex(Index, store.Count());
    store.Erase(Index);
    listBox_->RowDeleted(Index);
}

void TListBoxStrings::Insert(int Index, const AnsiString& S)
{
    InsertObject(Index, S, nullptr);
}

void TListBoxStrings::InsertObject(int Index, const AnsiString& S, TObject* Object)
{
    TListBoxStore& store = listBox_->store_;
    if (Index < 0 || Index > store.Count())
        Error(SListIndexError, Index);
    store.Insert(Index, TListBoxItem{S, Object});
    listBox_->RowInserted(Index);
}

AnsiString TListBoxStrings::Get(int Index) const
{
    CheckIndex(Index, listBox_->store_.Count());
    return listBox_->store_.At(Index).Text;
}

int TListBoxStrings::GetCount() const
{
    return listBox_->store_.Count();
}

TObject* TListBoxStrings::GetObject(int Index) const
{
    CheckIndex(Index, listBox_->store_.Count());
    return listBox_->store_.At(Index).Object;
}

void TListBoxStrings::Put(int Index, const AnsiString& S)
{
    CheckIndex(Index, listBox_->store_.Count());
    listBox_->store_.At(Index).Text = S;
    listBox_->RowChanged(Index);
}

void TListBoxStrings::PutObject(int Index, TObject* Object)
{
    CheckIndex(Index, listBox_->store_.Count());
    listBox_->store_.At(Index).Object = Object;
}

void TListBoxStrings::SetUpdateState(bool Updating)
{
    listBox_->UpdateStateChanged(Updating);
}
