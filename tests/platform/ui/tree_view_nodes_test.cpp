// The node list of a tree view: building, walking, moving, sorting and
// deleting nodes, with the selection and the events that go with them.
#include <string>
#include <type_traits>

#include "platform/base/code_page.h"
#include "tree_view_test_support.h"

namespace {

// A copy would free the nodes, or the view's window, a second time.
template <typename T>
constexpr bool NotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;
static_assert(NotCopyable<TTreeNode>);
static_assert(NotCopyable<TTreeNodes>);
static_assert(NotCopyable<TCustomTreeView>);

TTreeLog AllTexts(TCustomTreeView* Tree)
{
    TTreeLog texts;
    for (int i = 0; i < Tree->Items()->Count(); ++i)
        texts.push_back(Tree->Items()->Item(i)->Text());
    return texts;
}

int CompareByLength(TTreeNode* A, TTreeNode* B, long Data)
{
    return static_cast<int>(Data) * (static_cast<int>(A->Text().size()) - static_cast<int>(B->Text().size()));
}

TEST_F(TControlTest, TreeNodesAreBuiltWalkedAndMovedInTheTreesOrder)
{
    TTreeView tree(nullptr);
    BuildThreeLevels(&tree);
    TTreeNodes* items = tree.Items();
    EXPECT_EQ(items->Count(), 8);
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "B1", "C"}));
    TTreeNode* a = FindNode(&tree, "A");
    TTreeNode* a1 = FindNode(&tree, "A1");
    TTreeNode* a1b = FindNode(&tree, "A1b");
    TTreeNode* c = FindNode(&tree, "C");
    EXPECT_EQ(a1b->Level(), 2);
    EXPECT_EQ(a1b->Index(), 1);
    EXPECT_EQ(a1b->Parent(), a1);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->Count(), 2);
    EXPECT_EQ(a->Item(1)->Text(), "A2");
    EXPECT_EQ(a->Item(2), nullptr);
    EXPECT_EQ(a1b->AbsoluteIndex(), 3);
    EXPECT_EQ(a1b->GetNext()->Text(), "A2");
    EXPECT_EQ(FindNode(&tree, "A2")->GetPrev(), a1b);
    EXPECT_EQ(FindNode(&tree, "B")->GetPrev()->Text(), "A2");
    EXPECT_EQ(c->GetNext(), nullptr);
    EXPECT_EQ(a->getNextSibling()->Text(), "B");
    EXPECT_EQ(a->getPrevSibling(), nullptr);
    EXPECT_TRUE(a1->HasChildren());
    EXPECT_FALSE(c->HasChildren());
    c->SetHasChildren(true);
    EXPECT_TRUE(c->HasChildren());
    EXPECT_TRUE(a1b->HasAsParent(a));
    EXPECT_FALSE(a->HasAsParent(a1b));
    // Walking by index backwards and forwards finds the same nodes.
    for (int i = items->Count() - 1; i >= 0; --i)
        EXPECT_EQ(items->Item(i)->AbsoluteIndex(), i);
    EXPECT_EQ(items->Item(8), nullptr);

    // First children, insertion before a sibling, and moves in every mode.
    items->AddChildFirst(a, "A0");
    items->Insert(c, "BC");
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A", "A0", "A1", "A1a", "A1b", "A2", "B", "B1", "BC", "C"}));
    a1->MoveTo(c, naAddChild);
    EXPECT_EQ(a1->Level(), 1);
    EXPECT_EQ(a1b->Level(), 2);
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A", "A0", "A2", "B", "B1", "BC", "C", "A1", "A1a", "A1b"}));
    a1->MoveTo(a, naInsert);
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A1", "A1a", "A1b", "A", "A0", "A2", "B", "B1", "BC", "C"}));
    a1b->MoveTo(a1, naAddChildFirst);
    EXPECT_EQ(a1b->Index(), 0);
    // A node never goes inside itself.
    a1->MoveTo(a1b, naAddChild);
    EXPECT_EQ(a1b->Parent(), a1);
    a->MoveTo(nullptr, naAdd);
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A1", "A1b", "A1a", "B", "B1", "BC", "C", "A", "A0", "A2"}));
    EXPECT_EQ(items->Count(), 10);
    for (int i = 0; i < items->Count(); ++i)
        EXPECT_EQ(items->Item(i)->AbsoluteIndex(), i);
}

TEST_F(TControlTest, TreeSortingOrdersSiblingsByTextWithoutCaseOrByTheCallersOrder)
{
    TTreeView tree(nullptr);
    TTreeNodes* items = tree.Items();
    TTreeNode* top = items->Add(nullptr, "top");
    for (const AnsiString& text : {AnsiString("beta"), TreeMen + "x", AnsiString("Alpha"), TreeShuo, AnsiString("gamma")})
        items->AddChild(top, text);
    items->AddChild(items->Item(1), "zz");
    items->AddChild(items->Item(1), "aa");
    top->AlphaSort(false);
    // The double-byte texts go after the letters, and 說 before 門.
    TTreeLog expected{"Alpha", "beta", "gamma", TreeShuo, TreeMen + "x"};
    TTreeLog children;
    for (int i = 0; i < top->Count(); ++i)
        children.push_back(top->Item(i)->Text());
    EXPECT_EQ(children, expected);
    // Without Recurse the grandchildren keep their order.
    TTreeNode* beta = FindNode(&tree, "beta");
    EXPECT_EQ(beta->Item(0)->Text(), "zz");
    tree.AlphaSort(true);
    EXPECT_EQ(beta->Item(0)->Text(), "aa");

    // The caller's order, and OnCompare under SortType.
    top->CustomSort(&CompareByLength, -1);
    EXPECT_EQ(top->Item(0)->Text(), "Alpha");
    EXPECT_EQ(top->Item(4)->Text(), TreeShuo);
    tree.OnCompare = TTVCompareEvent::FromCallable([](TObject*, TTreeNode* A, TTreeNode* B, int, int& Compare) {
        Compare = -CompareText(A->Text(), B->Text());
    });
    tree.SetSortType(stText);
    EXPECT_EQ(top->Item(0)->Text(), TreeMen + "x");
    // Added and retitled nodes take their places at once.
    items->AddChild(top, "delta");
    EXPECT_EQ(top->Item(3)->Text(), "delta");
    FindNode(&tree, "delta")->SetText("zulu");
    EXPECT_EQ(top->Item(2)->Text(), "zulu");
}

TEST_F(TControlTest, TreeDeletingTheSelectedNodeSelectsANeighbourAndTellsOfEveryNodeFirst)
{
    TTestForm form;
    TTreeView* tree = AddTree(form);
    BuildThreeLevels(tree);
    TTreeLog log;
    LogTreeEvents(tree, log);
    // The handler looks at each node as it hears of it: it must still be whole.
    tree->OnDeletion = TTVExpandedEvent::FromCallable([&log](TObject*, TTreeNode* Node) {
        log.push_back("deletion " + Node->Text() + " of " + std::to_string(Node->Owner()->Count()));
    });
    ShowActive(&form);
    FindNode(tree, "A1a")->SetSelected(true);
    log.clear();

    // The next sibling takes the selection.
    FindNode(tree, "A1a")->Delete();
    EXPECT_EQ(log, (TTreeLog{"change A1b", "deletion A1a of 8"}));
    EXPECT_EQ(tree->Selected()->Text(), "A1b");
    log.clear();
    // Without one, the sibling before it; without either, the parent.
    tree->Items()->Delete(FindNode(tree, "A1b"));
    EXPECT_EQ(log, (TTreeLog{"change A1", "deletion A1b of 7"}));
    FindNode(tree, "A2")->SetSelected(true);
    log.clear();
    FindNode(tree, "A2")->Delete();
    EXPECT_EQ(tree->Selected()->Text(), "A1");
    log.clear();
    // A folder goes with its children, each told of before anything is freed.
    TTreeNode* b = FindNode(tree, "B");
    b->SetSelected(true);
    FindNode(tree, "B1")->SetSelected(true);
    log.clear();
    b->Delete();
    EXPECT_EQ(log, (TTreeLog{"change C", "deletion B1 of 5", "deletion B of 5"}));
    EXPECT_EQ(tree->Items()->Count(), 3);
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "A1", "C"}));
    log.clear();
    // The last node selected goes: nothing is selected, and OnChange hears nil.
    tree->Items()->Delete(FindNode(tree, "C"));
    EXPECT_EQ(log, (TTreeLog{"change A", "deletion C of 3"}));
    log.clear();
    tree->Items()->Clear();
    EXPECT_EQ(log, (TTreeLog{"change nil", "deletion A of 2", "deletion A1 of 2"}));
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Items()->Count(), 0);
    EXPECT_EQ(tree->Items()->GetFirstNode(), nullptr);
}

TEST_F(TControlTest, TreeDeletionHandlersMayAskForTheSameDeletionAgain)
{
    TTreeView tree(nullptr);
    BuildThreeLevels(&tree);
    TTreeLog log;
    // Each node asks for its own deletion and its parent's while it goes.
    tree.OnDeletion = TTVExpandedEvent::FromCallable([&log](TObject*, TTreeNode* Node) {
        log.push_back(Node->Text());
        Node->Delete();
        if (Node->Parent())
            Node->Parent()->Delete();
    });
    FindNode(&tree, "A1")->Delete();
    EXPECT_EQ(log, (TTreeLog{"A1a", "A1b", "A1"}));
    EXPECT_EQ(AllTexts(&tree), (TTreeLog{"A", "A2", "B", "B1", "C"}));
    EXPECT_EQ(tree.Items()->Count(), 5);
}

TEST_F(TControlTest, TreeCollapsingHidesTheSelectionInsideAndSelectsTheCollapsedNode)
{
    TTestForm form;
    TTreeView* tree = AddTree(form);
    BuildThreeLevels(tree);
    ShowActive(&form);
    TTreeLog log;
    FindNode(tree, "A1b")->SetSelected(true);
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    LogTreeEvents(tree, log);
    FindNode(tree, "A")->Collapse(false);
    EXPECT_EQ(log, (TTreeLog{"collapsing A", "change A", "collapsed A"}));
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "B", "C"}));
    // The children keep their own state while hidden.
    EXPECT_TRUE(FindNode(tree, "A1")->Expanded());
    EXPECT_FALSE(FindNode(tree, "A1")->IsVisible());
    log.clear();
    // A refused expansion changes nothing.
    tree->OnExpanding = TTVExpandingEvent::FromCallable([&log](TObject*, TTreeNode* Node, bool& Allow) {
        log.push_back("expanding " + Node->Text());
        Allow = Node->Text() != "B";
    });
    FindNode(tree, "B")->Expand(false);
    EXPECT_FALSE(FindNode(tree, "B")->Expanded());
    tree->FullExpand();
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    tree->OnExpanding = nullptr;
    tree->FullExpand();
    EXPECT_EQ(VisibleRows(tree).size(), 8u);
    tree->FullCollapse();
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "B", "C"}));
}

}  // namespace
