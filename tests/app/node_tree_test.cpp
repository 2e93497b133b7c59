// The node tree built from NODES rows: nesting and sibling order, rows that
// do not appear, a damaged file that repeats an id, and where new nodes go.
#include <gtest/gtest.h>

#include "app/node_tree.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"

namespace {

// The tree as text: one "id:title" per node, children in brackets.
std::string Outline(TTreeNode* First)
{
    std::string text;
    for (TTreeNode* node = First; node; node = node->getNextSibling()) {
        text += std::to_string(NodeIdOf(node)) + ":" + node->Text();
        if (node->ImageIndex() != node->SelectedIndex())
            text += "!";
        if (node->Count())
            text += "[" + Outline(node->getFirstChild()) + "]";
        text += " ";
    }
    return text;
}

}  // namespace

TEST(TNodeTreeTest, NestingOrderAndUnreachableRows)
{
    TTreeView tree(nullptr);
    const std::vector<NodeRecord> rows{
        {0, 5, "說門", ntFolder}, {5, 2, "b", ntArticle}, {0, 1, "top", ntArticle},
        {5, 9, "sub", ntFolder},  {9, 3, "c", ntArticle}, {5, 4, "a", ntArticle},
        {1, 7, "under an article", ntArticle}, {77, 8, "orphan", ntArticle},
    };
    BuildNodeTree(tree.Items(), rows);
    EXPECT_EQ(Outline(tree.Items()->GetFirstNode()), "5:說門[2:b 9:sub[3:c ] 4:a ] 1:top ");
    EXPECT_EQ(tree.Items()->Count(), 6);
    EXPECT_EQ(FindTreeNode(tree.Items(), 3)->Text(), "c");
    EXPECT_EQ(FindTreeNode(tree.Items(), 3)->ImageIndex(), ntArticle);
    EXPECT_EQ(FindTreeNode(tree.Items(), 7), nullptr);

    // Loading again replaces the tree.
    BuildNodeTree(tree.Items(), {{0, 1, "only", ntFolder}});
    EXPECT_EQ(Outline(tree.Items()->GetFirstNode()), "1:only ");
}

TEST(TNodeTreeTest, ARepeatedIdOnThePathIsNotDescendedAgain)
{
    TTreeView tree(nullptr);
    // A damaged file: folder 4 at the top and a row 4 under folder 4, and
    // two folders naming each other.
    BuildNodeTree(tree.Items(), {{0, 4, "X", ntFolder}, {4, 4, "X again", ntFolder}, {4, 6, "a", ntArticle},
                                 {0, 10, "P", ntFolder}, {10, 11, "Q", ntFolder}, {11, 10, "P again", ntFolder}});
    EXPECT_EQ(Outline(tree.Items()->GetFirstNode()), "4:X[4:X again 6:a ] 10:P[11:Q[10:P again ] ] ");
}

TEST(TNodeTreeTest, WhereANewNodeGoes)
{
    TTreeView tree(nullptr);
    BuildNodeTree(tree.Items(), {{0, 1, "F", ntFolder}, {1, 2, "in F", ntArticle}, {0, 3, "top", ntArticle}});
    TTreeNode* folder = FindTreeNode(tree.Items(), 1);
    TTreeNode* inFolder = FindTreeNode(tree.Items(), 2);
    TTreeNode* top = FindTreeNode(tree.Items(), 3);
    EXPECT_EQ(ParentIdForNewNode(nullptr), 0);
    EXPECT_EQ(ParentIdForNewNode(folder), 1);
    EXPECT_EQ(ParentIdForNewNode(inFolder), 1);
    EXPECT_EQ(ParentIdForNewNode(top), 0);
    EXPECT_EQ(ParentNodeForNewNode(nullptr, false), nullptr);
    EXPECT_EQ(ParentNodeForNewNode(folder, false), folder);
    EXPECT_EQ(ParentNodeForNewNode(inFolder, false), folder);
    EXPECT_EQ(ParentNodeForNewNode(top, false), nullptr);
    EXPECT_EQ(ParentNodeForNewNode(folder, true), nullptr);
}
