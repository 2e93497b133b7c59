// The list view's selection and focus, kept right as items come, go and
// move: the selection events, users' clicks with Ctrl and Shift, a deleted
// item's neighbour taking its selection, and sorting.
#include <algorithm>

#include "platform/ui/itemviews/list_view.h"

TListItem* TCustomListView::ItemAt(int Index)
{
    return items_->Item(Index);
}

bool TCustomListView::IndexSelected(int Index)
{
    if (Index < 0 || Index >= items_->Count())
        return false;
    if (ownerData_)
        return static_cast<size_t>(Index) < dataSelected_.size() && dataSelected_[static_cast<size_t>(Index)];
    return items_->items_[static_cast<size_t>(Index)]->selected_;
}

bool TCustomListView::SelectIndex(int Index, bool Value)
{
    if (Index < 0 || Index >= items_->Count())
        return false;
    if (IndexSelected(Index) == Value)
        return true;
    TListItem* item = ItemAt(Index);
    watched_ = item;
    const bool allowed = CanChange(item, ctState);
    // OnChanging may have freed the item.
    if (!allowed || (!ownerData_ && watched_ != item)) {
        watched_ = nullptr;
        return false;
    }
    watched_ = nullptr;
    if (Value && !multiSelect_)
        DeselectOthers(Index);
    if (Index >= items_->Count())
        return false;
    if (ownerData_) {
        if (dataSelected_.size() < static_cast<size_t>(items_->Count()))
            dataSelected_.resize(static_cast<size_t>(items_->Count()));
        dataSelected_[static_cast<size_t>(Index)] = Value;
    } else {
        item = ItemAt(Index);
        item->selected_ = Value;
    }
    selCount_ += Value ? 1 : -1;
    if (Value)
        lastSelected_ = Index;
    InvalidateIndex(Index);
    Change(ItemAt(Index), ctState);
    if (OnSelectItem && Index < items_->Count())
        OnSelectItem(this, ItemAt(Index), Value);
    return true;
}

void TCustomListView::DeselectOthers(int Keep)
{
    if (selCount_ == 1 && lastSelected_ != Keep && IndexSelected(lastSelected_)) {
        SelectIndex(lastSelected_, false);
        return;
    }
    // The walk stops once no item but Keep is left selected.
    for (int i = 0; i < items_->Count() && selCount_ > (IndexSelected(Keep) ? 1 : 0); ++i)
        if (i != Keep && IndexSelected(i))
            SelectIndex(i, false);
}

void TCustomListView::FocusIndex(int Index)
{
    if (Index >= items_->Count())
        Index = -1;
    if (Index == focusIndex_)
        return;
    InvalidateIndex(focusIndex_);
    focusIndex_ = Index;
    InvalidateIndex(focusIndex_);
}

void TCustomListView::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= items_->Count()) {
        ClearSelection();
        FocusIndex(-1);
        return;
    }
    DeselectOthers(Value);
    SelectIndex(Value, true);
    FocusIndex(Value);
    anchorIndex_ = Value;
}

TListItem* TCustomListView::Selected()
{
    if (selCount_ == 0)
        return nullptr;
    if (selCount_ == 1 && IndexSelected(lastSelected_))
        return ItemAt(lastSelected_);
    for (int i = 0; i < items_->Count(); ++i)
        if (IndexSelected(i))
            return ItemAt(i);
    return nullptr;
}

void TCustomListView::SetSelected(TListItem* Value)
{
    SetItemIndex(Value ? Value->Index() : -1);
}

int TCustomListView::SelCount() const
{
    return selCount_;
}

TListItem* TCustomListView::ItemFocused()
{
    return ItemAt(focusIndex_);
}

void TCustomListView::SetItemFocused(TListItem* Value)
{
    FocusIndex(Value ? Value->Index() : -1);
}

void TCustomListView::ClearSelection()
{
    DeselectOthers(-1);
}

void TCustomListView::SelectAll()
{
    if (!multiSelect_)
        return;
    for (int i = 0; i < items_->Count(); ++i)
        SelectIndex(i, true);
}

void TCustomListView::UserSelect(int Index, TShiftState Shift)
{
    if (Index < 0 || Index >= items_->Count())
        return;
    if (multiSelect_ && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
        SelectIndex(Index, !IndexSelected(Index));
        anchorIndex_ = Index;
    } else if (multiSelect_ && Shift.Contains(ssShift)) {
        const int anchor = anchorIndex_ >= 0 && anchorIndex_ < items_->Count() ? anchorIndex_ : Index;
        const int low = std::min(anchor, Index);
        const int high = std::max(anchor, Index);
        for (int i = 0; i < items_->Count(); ++i)
            SelectIndex(i, i >= low && i <= high);
    } else {
        DeselectOthers(Index);
        SelectIndex(Index, true);
        anchorIndex_ = Index;
    }
    FocusIndex(Index);
    MakeIndexVisible(Index);
}

void TCustomListView::ItemInserted(int Index)
{
    for (int* index : {&focusIndex_, &anchorIndex_, &hotIndex_, &lastSelected_})
        if (*index >= Index)
            ++*index;
    if (editItem_)
        editIndex_ = editItem_->index_;
    CountChanged(Index);
}

void TCustomListView::ItemDeleting(TListItem* Item)
{
    if (editItem_ == Item)
        EndEdit(true);
    if (watched_ == Item)
        watched_ = nullptr;
    Delete(Item);
    // OnDeletion may have started renaming the going item again.
    if (editItem_ == Item)
        EndEdit(true);
}

void TCustomListView::ItemDeleted(int Index, bool WasSelected, bool WasFocused)
{
    if (WasSelected)
        --selCount_;
    for (int* index : {&focusIndex_, &anchorIndex_, &hotIndex_, &lastSelected_})
        if (*index > Index)
            --*index;
        else if (*index == Index)
            *index = -1;
    if (editItem_)
        editIndex_ = editItem_->index_;
    const int count = items_->Count();
    LayoutChanged();
    if (count == 0)
        return;
    const int neighbour = std::min(Index, count - 1);
    if (WasSelected && SelCount() == 0) {
        SelectIndex(neighbour, true);
        anchorIndex_ = neighbour;
    }
    if (WasFocused && focusIndex_ < 0)
        FocusIndex(neighbour);
}

void TCustomListView::ItemsCleared()
{
    focusIndex_ = anchorIndex_ = hotIndex_ = lastSelected_ = -1;
    selCount_ = 0;
    topLine_ = 0;
    dataSelected_.assign(ownerData_ ? static_cast<size_t>(items_->Count()) : 0, false);
    listColumnWidth_ = 0;
    LayoutChanged();
}

void TCustomListView::CaptionChanged(TListItem* Item)
{
    if (ownerData_)
        return;
    WidenListColumn(Item);
    if (sortType_ == stText || sortType_ == stBoth) {
        // The item moves to its place among the others, which stay sorted.
        auto& list = items_->items_;
        TListItem* focused = ItemAt(focusIndex_);
        TListItem* anchor = ItemAt(anchorIndex_);
        std::unique_ptr<TListItem> moving = std::move(list[static_cast<size_t>(Item->index_)]);
        list.erase(list.begin() + Item->index_);
        auto place = std::upper_bound(list.begin(), list.end(), Item, [this](TListItem* A, const auto& B) {
            return Compare(A, B.get(), 0) < 0;
        });
        list.insert(place, std::move(moving));
        items_->Renumber(0);
        focusIndex_ = focused ? focused->index_ : -1;
        anchorIndex_ = anchor ? anchor->index_ : -1;
        if (editItem_)
            editIndex_ = editItem_->index_;
        Invalidate();
        return;
    }
    InvalidateIndex(Item->index_);
}

void TCustomListView::SortItems(TLVCompare SortProc, long Data)
{
    if (ownerData_)
        return;
    auto& list = items_->items_;
    TListItem* focused = ItemAt(focusIndex_);
    TListItem* anchor = ItemAt(anchorIndex_);
    std::stable_sort(list.begin(), list.end(), [&](const auto& A, const auto& B) {
        return (SortProc ? SortProc(A.get(), B.get(), Data) : Compare(A.get(), B.get(), 0)) < 0;
    });
    items_->Renumber(0);
    focusIndex_ = focused ? focused->index_ : -1;
    anchorIndex_ = anchor ? anchor->index_ : -1;
    if (editItem_)
        editIndex_ = editItem_->index_;
    Invalidate();
}
