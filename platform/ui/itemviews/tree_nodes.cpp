// The node list of a tree view: adding, inserting, moving and freeing
// nodes, and finding them by absolute index.
#include "platform/ui/itemviews/tree_nodes.h"

#include "platform/ui/itemviews/tree_view.h"

TTreeNodes::TTreeNodes(TCustomTreeView* Owner) : owner_(Owner), root_(new TTreeNode(this))
{
    root_->expanded_ = true;
}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::CountOf(const TTreeNode* Node)
{
    int count = 1;
    for (const auto& child : Node->children_)
        count += CountOf(child.get());
    return count;
}

TTreeNode* TTreeNodes::GetFirstNode() const
{
    return root_->getFirstChild();
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    if (Index < 0 || Index >= count_)
        return nullptr;
    TTreeNode* node = GetFirstNode();
    int at = 0;
    if (lastItem_ && lastItemIndex_ <= Index) {
        node = lastItem_;
        at = lastItemIndex_;
    }
    for (; node && at < Index; ++at)
        node = node->GetNext();
    lastItem_ = node;
    lastItemIndex_ = Index;
    return node;
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, int Index, const AnsiString& S, void* Ptr)
{
    std::unique_ptr<TTreeNode> node(new TTreeNode(this));
    node->text_ = S;
    node->Data = Ptr;
    TTreeNode* result = node.get();
    Attach(std::move(node), Parent, Index);
    owner_->NodeInserted(result);
    return result;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const AnsiString& S)
{
    return AddObject(Sibling, S, nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const AnsiString& S, void* Ptr)
{
    TTreeNode* parent = Sibling ? Sibling->parent_ : Root();
    return InsertNode(parent, parent->Count(), S, Ptr);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const AnsiString& S)
{
    return InsertNode(Sibling ? Sibling->parent_ : Root(), 0, S, nullptr);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const AnsiString& S)
{
    return AddChildObject(Parent, S, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const AnsiString& S, void* Ptr)
{
    TTreeNode* parent = Parent ? Parent : Root();
    return InsertNode(parent, parent->Count(), S, Ptr);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const AnsiString& S)
{
    return InsertNode(Parent ? Parent : Root(), 0, S, nullptr);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const AnsiString& S)
{
    if (!Sibling)
        return InsertNode(Root(), Root()->Count(), S, nullptr);
    return InsertNode(Sibling->parent_, Sibling->index_, S, nullptr);
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    if (!Node || Node == Root())
        return;
    // A handler told of a deletion may ask for it again, for a node inside
    // or for one around it; the deletion under way must finish first, so
    // such a request is dropped.
    for (TTreeNode* going : deleting_)
        if (going == Node || going->HasAsParent(Node) || Node->HasAsParent(going))
            return;
    deleting_.push_back(Node);
    owner_->NodeDeleting(Node);
    deleting_.pop_back();
    std::unique_ptr<TTreeNode> gone = Detach(Node);
}

void TTreeNodes::Clear()
{
    if (root_->children_.empty())
        return;
    owner_->NodesCleared();
    root_->children_.clear();
    count_ = 0;
    lastItem_ = nullptr;
    owner_->RowsChanged();
}

std::unique_ptr<TTreeNode> TTreeNodes::Detach(TTreeNode* Node)
{
    TTreeNode* parent = Node->parent_;
    const int index = Node->index_;
    std::unique_ptr<TTreeNode> owned = std::move(parent->children_[index]);
    parent->children_.erase(parent->children_.begin() + index);
    parent->Renumber(index);
    Node->parent_ = nullptr;
    count_ -= CountOf(Node);
    lastItem_ = nullptr;
    if (Shown(parent))
        owner_->RowsChanged();
    else
        owner_->NodeChanged(parent, false);
    return owned;
}

void TTreeNodes::Attach(std::unique_ptr<TTreeNode> Node, TTreeNode* Parent, int Index)
{
    TTreeNode* node = Node.get();
    node->parent_ = Parent;
    Parent->children_.insert(Parent->children_.begin() + Index, std::move(Node));
    Parent->Renumber(Index);
    count_ += CountOf(node);
    lastItem_ = nullptr;
    // Under a collapsed parent no row moves; only the parent's button may change.
    if (Shown(Parent))
        owner_->RowsChanged();
    else
        owner_->NodeChanged(Parent, false);
}

bool TTreeNodes::Shown(const TTreeNode* Parent)
{
    return Parent->parent_ == nullptr || (Parent->expanded_ && Parent->IsVisible());
}

void TTreeNodes::BeginUpdate()
{
    if (updateCount_++ == 0)
        owner_->UpdateStateChanged(true);
}

void TTreeNodes::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        owner_->UpdateStateChanged(false);
}
