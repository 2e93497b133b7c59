// A tree node's properties, its walks through the tree, and the changes it
// passes on to its view.
#include "platform/ui/itemviews/tree_node.h"

#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"

TTreeNode::TTreeNode(TTreeNodes* Owner) : owner_(Owner) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const
{
    return owner_->Owner();
}

void TTreeNode::Changed(bool Geometry)
{
    if (parent_)
        TreeView()->NodeChanged(this, Geometry);
}

void TTreeNode::SetText(const AnsiString& Value)
{
    if (text_ == Value)
        return;
    text_ = Value;
    textWidth_ = -1;
    Changed(true);
    TCustomTreeView* view = TreeView();
    if ((view->SortType() == stText || view->SortType() == stBoth) && parent_ && !owner_->Updating())
        view->SortChildren(parent_, false, nullptr, 0);
}

void TTreeNode::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    Changed(false);
}

void TTreeNode::SetSelectedIndex(int Value)
{
    selectedIndex_ = Value;
    Changed(false);
}

void TTreeNode::SetStateIndex(int Value)
{
    stateIndex_ = Value;
    Changed(true);
}

void TTreeNode::SetExpanded(bool Value)
{
    TreeView()->ExpandNode(this, Value);
}

void TTreeNode::Expand(bool Recurse)
{
    SetExpanded(true);
    if (Recurse)
        for (auto& child : children_)
            child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    SetExpanded(false);
    if (Recurse)
        for (auto& child : children_)
            child->Collapse(true);
}

void TTreeNode::SetHasChildren(bool Value)
{
    hasChildren_ = Value;
    Changed(false);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = parent_; p && p->parent_; p = p->parent_)
        ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return children_[Index].get();
}

int TTreeNode::AbsoluteIndex() const
{
    int index = -1;
    for (const TTreeNode* node = this; node; node = node->GetPrev())
        ++index;
    return index;
}

TTreeNode* TTreeNode::getNextSibling() const
{
    if (!parent_ || index_ + 1 >= parent_->Count())
        return nullptr;
    return parent_->children_[index_ + 1].get();
}

TTreeNode* TTreeNode::getPrevSibling() const
{
    if (!parent_ || index_ == 0)
        return nullptr;
    return parent_->children_[index_ - 1].get();
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    for (const TTreeNode* node = this; node && node->parent_; node = node->parent_)
        if (TTreeNode* next = node->getNextSibling())
            return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const
{
    TTreeNode* node = getPrevSibling();
    if (!node)
        return Parent();
    while (!node->children_.empty())
        node = node->children_.back().get();
    return node;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    TCustomTreeView* view = TreeView();
    const int row = view->RowOf(this);
    return row < 0 ? nullptr : view->NodeAtRow(row + 1);
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    TCustomTreeView* view = TreeView();
    const int row = view->RowOf(this);
    return row <= 0 ? nullptr : view->NodeAtRow(row - 1);
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->expanded_)
            return false;
    return parent_ != nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const
{
    for (const TTreeNode* p = Parent(); p; p = p->Parent())
        if (p == Value)
            return true;
    return false;
}

bool TTreeNode::Selected() const
{
    return TreeView()->Selected() == this;
}

void TTreeNode::SetSelected(bool Value)
{
    TCustomTreeView* view = TreeView();
    if (Value)
        view->SetSelected(this);
    else if (view->Selected() == this)
        view->SetSelected(nullptr);
}

void TTreeNode::MoveTo(TTreeNode* Destination, TNodeAttachMode Mode)
{
    // A node cannot go inside itself.
    if (Destination == this || (Destination && Destination->HasAsParent(this)))
        return;
    TTreeNode* root = owner_->Root();
    TTreeNode* parent = nullptr;
    int index = 0;
    switch (Mode) {
    case naAdd:
    case naAddFirst:
        parent = Destination ? Destination->parent_ : root;
        index = Mode == naAdd ? parent->Count() : 0;
        break;
    case naAddChild:
    case naAddChildFirst:
        parent = Destination ? Destination : root;
        index = Mode == naAddChild ? parent->Count() : 0;
        break;
    case naInsert:
        parent = Destination ? Destination->parent_ : root;
        index = Destination ? Destination->index_ : parent->Count();
        break;
    }
    // Taking the node out first shifts a later place among its old siblings.
    if (parent == parent_ && index > index_)
        --index;
    std::unique_ptr<TTreeNode> self = owner_->Detach(this);
    owner_->Attach(std::move(self), parent, index);
}

void TTreeNode::Delete()
{
    owner_->Delete(this);
}

void TTreeNode::DeleteChildren()
{
    while (!children_.empty())
        owner_->Delete(children_.back().get());
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->expanded_)
            p->SetExpanded(true);
    TCustomTreeView* view = TreeView();
    view->MakeRowVisible(view->RowOf(this));
}

TRect TTreeNode::DisplayRect(bool TextOnly) const
{
    return TreeView()->NodeRect(const_cast<TTreeNode*>(this), TextOnly);
}

bool TTreeNode::EditText()
{
    return TreeView()->StartEdit(this);
}

void TTreeNode::EndEdit(bool Cancel)
{
    TCustomTreeView* view = TreeView();
    if (view->EditingNode() == this)
        view->EndEdit(Cancel);
}

bool TTreeNode::AlphaSort(bool Recurse)
{
    TreeView()->SortChildren(this, Recurse, nullptr, 0);
    return true;
}

bool TTreeNode::CustomSort(TTVCompare SortProc, long Data, bool Recurse)
{
    TreeView()->SortChildren(this, Recurse, SortProc, Data);
    return true;
}

void TTreeNode::Renumber(int First)
{
    for (int i = First; i < Count(); ++i)
        children_[i]->index_ = i;
}
