// TTreeNodes: the nodes of a tree view, reached as one list in the tree's
// order (a node, then its children) and built by Add, AddChild and Insert.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/itemviews/tree_node.h"

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* Owner);
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;
    ~TTreeNodes();

    TCustomTreeView* Owner() const { return owner_; }
    // All nodes, shown or not.
    int Count() const { return count_; }
    // The node at an absolute index in the tree's order.
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const;

    // A new last sibling of Sibling (a top node when Sibling is nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const AnsiString& S);
    TTreeNode* AddFirst(TTreeNode* Sibling, const AnsiString& S);
    // A new last (first) child of Parent, a top node when it is nullptr.
    TTreeNode* AddChild(TTreeNode* Parent, const AnsiString& S);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const AnsiString& S);
    TTreeNode* AddObject(TTreeNode* Sibling, const AnsiString& S, void* Ptr);
    TTreeNode* AddChildObject(TTreeNode* Parent, const AnsiString& S, void* Ptr);
    // A new node just before Sibling (the last top node when nullptr).
    TTreeNode* Insert(TTreeNode* Sibling, const AnsiString& S);
    void Delete(TTreeNode* Node);
    void Clear();

    // While updates are open the view neither lays out nor paints; the last
    // EndUpdate does it once.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;

    TTreeNode* Root() const { return root_.get(); }
    // Puts a new node with text S into Parent at Index and tells the view.
    TTreeNode* InsertNode(TTreeNode* Parent, int Index, const AnsiString& S, void* Ptr);
    // Takes Node out of its parent without freeing it.
    std::unique_ptr<TTreeNode> Detach(TTreeNode* Node);
    void Attach(std::unique_ptr<TTreeNode> Node, TTreeNode* Parent, int Index);
    static int CountOf(const TTreeNode* Node);
    // Whether the children of Parent are shown as rows.
    static bool Shown(const TTreeNode* Parent);

    TCustomTreeView* owner_;
    std::unique_ptr<TTreeNode> root_;  // holds the top nodes; never shown
    int count_ = 0;                    // the nodes below root_
    int updateCount_ = 0;
    std::vector<TTreeNode*> deleting_;  // the nodes whose deletion handlers run, outermost first
    // The last node Item found and its index, so that walking the list by
    // index goes on from there; cleared by every change of the tree.
    mutable TTreeNode* lastItem_ = nullptr;
    mutable int lastItemIndex_ = -1;
};
