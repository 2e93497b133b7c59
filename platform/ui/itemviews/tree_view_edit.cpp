// Renaming a node in place: the edit box over the node's text, and the
// end of the edit, accepted or cancelled.
#include <algorithm>

#include "platform/ui/textedit/in_place_edit_box.h"
#include "platform/ui/itemviews/tree_view.h"

namespace {

// Room to type beyond the text, as far as the view reaches.
constexpr int EditSlack = 24;

}  // namespace

bool TCustomTreeView::StartEdit(TTreeNode* Node)
{
    if (ReadOnly || !Node || Node->owner_ != items_.get())
        return false;
    if (editNode_)
        EndEdit(false);
    HideTip();
    watched_ = Node;
    const bool allowed = CanEdit(Node);
    // OnEditing may have freed the node.
    if (!allowed || watched_ != Node) {
        watched_ = nullptr;
        return false;
    }
    watched_ = nullptr;
    Node->MakeVisible();
    if (!editBox_) {
        editBox_ = new TInPlaceEditBox(TInPlaceEditEnd(this, &TCustomTreeView::EndEdit));
        editBox_->SetParent(this);
    }
    editBox_->Font()->Assign(Font());
    const TRect text = NodeRect(Node, true);
    const int width = std::max(std::min(text.Width() + EditSlack, ClientWidth() - text.Left), EditSlack);
    editBox_->SetBounds(text.Left, text.Top, width, text.Height());
    editBox_->StartWith(Node->Text());
    editNode_ = Node;
    editBox_->SetVisible(true);
    editBox_->SelectAll();
    if (Focused() || CanFocus())
        editBox_->SetFocus();
    InvalidateNode(Node);
    return true;
}

void TCustomTreeView::EndEdit(bool Cancel)
{
    if (!editNode_)
        return;
    TTreeNode* node = editNode_;
    editNode_ = nullptr;
    AnsiString text = editBox_->Text();
    // The focus comes back to the view from Enter or Escape; when it left
    // for another control, it stays there.
    if (editBox_->Focused() && CanFocus())
        SetFocus();
    editBox_->SetVisible(false);
    InvalidateNode(node);
    if (Cancel)
        return;
    watched_ = node;
    Edit(node, text);
    // OnEdited may have freed the node.
    if (watched_ == node)
        node->SetText(text);
    watched_ = nullptr;
}

void TCustomTreeView::DoExit()
{
    TCustomControl::DoExit();
    // OnExit may have cancelled the edit; an edit it left open is accepted.
    EndEdit(false);
}
