// The node tree built from NODES rows and the tree-side rules of new nodes.
#include "app/node_tree.h"

#include <unordered_map>
#include <unordered_set>

#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"

namespace {

class TTreeBuilder {
public:
    TTreeBuilder(TTreeNodes* Nodes, const std::vector<NodeRecord>& Records) : nodes_(Nodes)
    {
        for (const NodeRecord& record : Records)
            children_[record.ParentId].push_back(&record);
    }

    void AddTreeChildren(TTreeNode* Parent, int ParentId)
    {
        const auto found = children_.find(ParentId);
        if (found == children_.end())
            return;
        // The path holds ParentId while its children are added; a row that
        // names a folder of the path as itself would recurse for ever.
        path_.insert(ParentId);
        for (const NodeRecord* record : found->second) {
            TTreeNode* node = nodes_->AddChild(Parent, record->Title);
            node->SetImageIndex(record->Type);
            node->SetSelectedIndex(record->Type);
            SetNodeId(node, record->Id);
            if (record->Type == ntFolder && !path_.contains(record->Id))
                AddTreeChildren(node, record->Id);
        }
        path_.erase(ParentId);
    }

private:
    TTreeNodes* nodes_;
    std::unordered_map<int, std::vector<const NodeRecord*>> children_;  // by parent id, in row order
    std::unordered_set<int> path_;  // the folder ids from the top to the one being filled
};

}  // namespace

void BuildNodeTree(TTreeNodes* Nodes, const std::vector<NodeRecord>& Records)
{
    Nodes->BeginUpdate();
    try {
        Nodes->Clear();
        TTreeBuilder(Nodes, Records).AddTreeChildren(nullptr, 0);
    } catch (...) {
        Nodes->EndUpdate();
        throw;
    }
    Nodes->EndUpdate();
}

int NodeIdOf(const TTreeNode* Node) { return static_cast<int>(reinterpret_cast<intptr_t>(Node->Data)); }

void SetNodeId(TTreeNode* Node, int Id) { Node->Data = reinterpret_cast<void*>(static_cast<intptr_t>(Id)); }

TTreeNode* FindTreeNode(TTreeNodes* Nodes, int Id)
{
    for (TTreeNode* node = Nodes->GetFirstNode(); node; node = node->GetNext())
        if (NodeIdOf(node) == Id)
            return node;
    return nullptr;
}

int ParentIdForNewNode(const TTreeNode* Selected)
{
    if (!Selected)
        return 0;
    if (Selected->ImageIndex() == ntArticle)
        return Selected->Parent() ? NodeIdOf(Selected->Parent()) : 0;
    return NodeIdOf(Selected);
}

TTreeNode* ParentNodeForNewNode(TTreeNode* Selected, bool TopLevel)
{
    if (!Selected || TopLevel)
        return nullptr;
    return Selected->ImageIndex() == ntArticle ? Selected->Parent() : Selected;
}
