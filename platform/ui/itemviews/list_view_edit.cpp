// Renaming an item in place: the edit box over the item's caption, and
// the end of the edit, accepted or cancelled. A cancelled edit never calls
// OnEdited, and an item freed meanwhile is never touched.
#include <algorithm>

#include "platform/ui/textedit/in_place_edit_box.h"
#include "platform/ui/itemviews/list_view.h"

namespace {

// Room to type beyond the caption, as far as the view reaches.
constexpr int EditSlack = 24;

}  // namespace

bool TCustomListView::StartEdit(int Index)
{
    if (ReadOnly || ownerData_ || Index < 0 || Index >= items_->Count())
        return false;
    TListItem* item = ItemAt(Index);
    if (editItem_)
        EndEdit(false);
    watched_ = item;
    const bool allowed = CanEdit(item);
    // OnEditing may have freed the item.
    if (!allowed || watched_ != item) {
        watched_ = nullptr;
        return false;
    }
    watched_ = nullptr;
    MakeIndexVisible(item->index_);
    if (!editBox_) {
        editBox_ = new TInPlaceEditBox(TInPlaceEditEnd(this, &TCustomListView::EndEdit));
        editBox_->SetParent(this);
    }
    editBox_->Font()->Assign(Font());
    const TRect label = ItemRect(item->index_, drLabel);
    const int width = std::max(std::min(label.Width() + EditSlack, ClientWidth() - label.Left), EditSlack);
    editBox_->SetBounds(label.Left, label.Top, width, label.Height());
    editBox_->StartWith(item->caption_);
    editItem_ = item;
    editIndex_ = item->index_;
    editBox_->SetVisible(true);
    editBox_->SelectAll();
    if (Focused() || CanFocus())
        editBox_->SetFocus();
    InvalidateIndex(editIndex_);
    return true;
}

void TCustomListView::EndEdit(bool Cancel)
{
    if (!editItem_)
        return;
    TListItem* item = editItem_;
    editItem_ = nullptr;
    editIndex_ = -1;
    AnsiString text = editBox_->Text();
    // The focus comes back to the view from Enter or Escape; when it left
    // for another control, it stays there.
    if (editBox_->Focused() && CanFocus())
        SetFocus();
    editBox_->SetVisible(false);
    InvalidateIndex(item->index_);
    if (Cancel)
        return;
    watched_ = item;
    Edit(item, text);
    // OnEdited may have freed the item.
    if (watched_ == item)
        item->SetCaption(text);
    watched_ = nullptr;
}

void TCustomListView::EndEditing(bool Cancel)
{
    EndEdit(Cancel);
}

void TCustomListView::DoExit()
{
    TCustomControl::DoExit();
    // OnExit may have cancelled the edit; an edit it left open is accepted.
    EndEdit(false);
}
