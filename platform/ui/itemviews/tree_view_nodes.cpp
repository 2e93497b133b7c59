// What the nodes tell their view (insertions, changes, deletions,
// expanding), sorting, and the selection.
#include <algorithm>

#include "platform/ui/itemviews/tree_view.h"

void TCustomTreeView::NodeInserted(TTreeNode* Node)
{
    if ((sortType_ == stText || sortType_ == stBoth) && !items_->Updating())
        SortChildren(Node->parent_, false, nullptr, 0);
}

void TCustomTreeView::NodeChanged(TTreeNode* Node, bool Geometry)
{
    if (Node->parent_ == nullptr)
        return;
    if (Geometry)
        widthsDirty_ = true;
    if (items_->Updating())
        return;
    if (Geometry && RowOf(Node) >= 0)
        UpdateScrollBars();
    InvalidateNode(Node);
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node)
{
    HideTipOf(Node);
    if (editNode_ && (editNode_ == Node || editNode_->HasAsParent(Node)))
        EndEdit(true);
    if (selected_ && (selected_ == Node || selected_->HasAsParent(Node))) {
        // The next sibling takes the selection, else the one before, else the parent.
        TTreeNode* next = Node->getNextSibling();
        if (!next)
            next = Node->getPrevSibling();
        if (!next)
            next = Node->Parent();
        ForceSelect(next);
    }
    // The handlers hear of every node while it is still whole, the
    // children before their parent.
    struct TWalk {
        static void Tell(TCustomTreeView* View, TTreeNode* N)
        {
            for (int i = 0; i < N->Count(); ++i)
                Tell(View, N->Item(i));
            View->Delete(N);
        }
    };
    TWalk::Tell(this, Node);
    if (hotNode_ && (hotNode_ == Node || hotNode_->HasAsParent(Node)))
        hotNode_ = nullptr;
    if (watched_ && (watched_ == Node || watched_->HasAsParent(Node)))
        watched_ = nullptr;
}

void TCustomTreeView::NodesCleared()
{
    HideTip();
    if (editNode_)
        EndEdit(true);
    if (selected_)
        ForceSelect(nullptr);
    for (TTreeNode* node = items_->GetFirstNode(); node; node = node->GetNext())
        Delete(node);
    hotNode_ = nullptr;
    watched_ = nullptr;
    topRow_ = 0;
    scrollX_ = 0;
}

void TCustomTreeView::UpdateStateChanged(bool Updating)
{
    if (Updating)
        return;
    if (sortType_ == stText || sortType_ == stBoth)
        SortChildren(items_->Root(), true, nullptr, 0);
    RowsChanged();
}

bool TCustomTreeView::ExpandNode(TTreeNode* Node, bool Value)
{
    if (Node->expanded_ == Value)
        return true;
    if (Value) {
        if (!CanExpand(Node))
            return false;
        Node->expanded_ = true;
        if (Node->IsVisible() || !Node->Parent())
            RowsChanged();
        Expand(Node);
        return true;
    }
    if (!CanCollapse(Node))
        return false;
    Node->expanded_ = false;
    // A selection that would be hidden moves up to the collapsed node.
    if (selected_ && selected_->HasAsParent(Node))
        ForceSelect(Node);
    if (editNode_ && editNode_->HasAsParent(Node))
        EndEdit(true);
    RowsChanged();
    Collapse(Node);
    return true;
}

void TCustomTreeView::FullExpand()
{
    items_->BeginUpdate();
    for (TTreeNode* node = items_->GetFirstNode(); node; node = node->GetNext())
        if (node->HasChildren())
            ExpandNode(node, true);
    items_->EndUpdate();
}

void TCustomTreeView::FullCollapse()
{
    items_->BeginUpdate();
    for (TTreeNode* node = items_->GetFirstNode(); node; node = node->GetNext())
        ExpandNode(node, false);
    items_->EndUpdate();
}

void TCustomTreeView::SortChildren(TTreeNode* Parent, bool Recurse, TTVCompare SortProc, long Data)
{
    auto& children = Parent->children_;
    std::stable_sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
        const int result = SortProc ? SortProc(a.get(), b.get(), Data) : Compare(a.get(), b.get(), 0);
        return result < 0;
    });
    Parent->Renumber(0);
    items_->lastItem_ = nullptr;
    if (Recurse)
        for (auto& child : children)
            if (!child->children_.empty())
                SortChildren(child.get(), true, SortProc, Data);
    RowsChanged();
}

void TCustomTreeView::SetSelected(TTreeNode* Value)
{
    if (Value == selected_)
        return;
    if (!CanChange(Value))
        return;
    ForceSelect(Value);
    if (Value)
        Value->MakeVisible();
}

void TCustomTreeView::UserSelect(TTreeNode* Node)
{
    if (!Node)
        return;
    if (Node != selected_) {
        if (!CanChange(Node))
            return;
        ForceSelect(Node);
    }
    MakeRowVisible(RowOf(Node));
}

void TCustomTreeView::ForceSelect(TTreeNode* Node)
{
    InvalidateNode(selected_);
    selected_ = Node;
    InvalidateNode(selected_);
    // A new selection ends an edit of another node, accepting it.
    if (editNode_ && editNode_ != Node)
        EndEdit(false);
    Change(Node);
}
