// TTreeNode: one node of a tree view: its text, data and images, its place
// among its siblings and its children, and whether they are shown.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/ui/itemviews/tree_view_types.h"

class TCustomTreeView;
class TTreeNodes;

// How a node is placed by MoveTo and TTreeNodes' insertion, relative to
// a destination node.
enum TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    TTreeNodes* Owner() const { return owner_; }
    TCustomTreeView* TreeView() const;

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& Value);
    void* Data = nullptr;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int Value);
    // An image of the view's StateImages, drawn left of the node image;
    // -1 (and 0, as the platform reserves it) for none.
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int Value);

    // Whether the children are shown; a node keeps it while hidden itself.
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    // Has a button: it has children, or the program says it will have.
    bool HasChildren() const { return hasChildren_ || !children_.empty(); }
    void SetHasChildren(bool Value);

    TTreeNode* Parent() const { return parent_ && parent_->parent_ ? parent_ : nullptr; }
    // The place among its siblings, from 0.
    int Index() const { return index_; }
    // 0 for a node at the top.
    int Level() const;
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int Index) const;
    int AbsoluteIndex() const;

    TTreeNode* getFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    // The next and previous node in the whole tree's order (a node, then
    // its children), shown or not.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    // The next and previous node shown (all its parents expanded).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    // Whether every parent is expanded.
    bool IsVisible() const;
    bool HasAsParent(const TTreeNode* Value) const;

    bool Selected() const;
    void SetSelected(bool Value);
    // Puts it where Mode says relative to Destination (nullptr: at the top).
    void MoveTo(TTreeNode* Destination, TNodeAttachMode Mode);
    // Frees the node with its children; the view tells OnDeletion first.
    void Delete();
    void DeleteChildren();
    // Scrolls the node into view, expanding its parents.
    void MakeVisible();
    // The row of the node (the whole row, or only its text when TextOnly),
    // in client coordinates; empty when it is not shown.
    TRect DisplayRect(bool TextOnly) const;
    // Starts editing the text in place; false when OnEditing refused.
    bool EditText();
    // Ends the node's edit: accepted unless Cancel.
    void EndEdit(bool Cancel);
    // Sorts the children (AlphaSort: by text), and theirs when Recurse.
    bool AlphaSort(bool Recurse = false);
    bool CustomSort(TTVCompare SortProc, long Data, bool Recurse = false);

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;

    explicit TTreeNode(TTreeNodes* Owner);
    // Numbers the children from First on after an insertion or removal.
    void Renumber(int First);
    // Tells the view; Geometry when the node's width changed.
    void Changed(bool Geometry);

    TTreeNodes* owner_;
    TTreeNode* parent_ = nullptr;  // the list's hidden root for a top node; nullptr for that root
    std::vector<std::unique_ptr<TTreeNode>> children_;  // children_[i]->index_ == i
    AnsiString text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    int index_ = 0;
    // The visible row while the view's row index is current and this node
    // is shown; checked against that index before use.
    int row_ = -1;
    // The drawn width of the text, -1 until measured with the view's font.
    int textWidth_ = -1;
    bool expanded_ = false;
    bool hasChildren_ = false;
};
