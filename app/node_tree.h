// The tree of folders and articles as the tree view shows it: built from
// the NODES rows, nodes found by id, and where a new node goes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/ansi_string.h"

class TTreeNode;
class TTreeNodes;

inline constexpr int ntFolder = 0;  // NODES.类型, also the tree node's image
inline constexpr int ntArticle = 1;

// One NODES row.
struct NodeRecord {
    int ParentId = 0;  // 0 at the top level
    int Id = 0;
    AnsiString Title;
    int Type = ntFolder;
};

// Clears Nodes and adds every record reachable from the top level under
// its parent folder; siblings keep the order of Records. Rows whose parent
// is no folder do not appear, and a folder already on the path from the
// top is not descended into again (a damaged file may repeat an id).
void BuildNodeTree(TTreeNodes* Nodes, const std::vector<NodeRecord>& Records);

int NodeIdOf(const TTreeNode* Node);
void SetNodeId(TTreeNode* Node, int Id);
// The first node in the tree's order whose id is Id, or nullptr.
TTreeNode* FindTreeNode(TTreeNodes* Nodes, int Id);
// The parent id a new node gets with Selected as the selection: 0 without
// one; a folder's own id; an article's parent folder's id (0 at the top).
int ParentIdForNewNode(const TTreeNode* Selected);
// The tree node a new node is added under (nullptr for the top level).
TTreeNode* ParentNodeForNewNode(TTreeNode* Selected, bool TopLevel);
