// Randomized sessions over a tree view: inserts, deletes, moves, expands
// and keys in any order, with the shown rows, the selection, the node
// list and the scroll information checked against a walk of the nodes
// after every step. Fixed seeds, so a failure repeats.
#include <set>
#include <string>

#include "platform/win/headless_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "tests/support/test_random.h"
#include "tree_view_test_support.h"

namespace {

// The shown nodes as the nodes themselves say: a node, then its children
// when it is expanded.
void WalkShown(TTreeNode* First, std::vector<TTreeNode*>& Rows)
{
    for (TTreeNode* node = First; node; node = node->getNextSibling()) {
        Rows.push_back(node);
        if (node->Expanded())
            WalkShown(node->getFirstChild(), Rows);
    }
}

void WalkAll(TTreeNode* First, std::vector<TTreeNode*>& Nodes)
{
    for (TTreeNode* node = First; node; node = node->getNextSibling()) {
        Nodes.push_back(node);
        WalkAll(node->getFirstChild(), Nodes);
    }
}

class TTreeSessionTest : public TControlTest {
protected:
    void SetUp() override
    {
        TControlTest::SetUp();
        form_ = std::make_unique<TTestForm>();
        tree_ = AddTree(*form_, 160, 120);
        tree_->OnDeletion = TTVExpandedEvent::FromCallable([this](TObject*, TTreeNode* Node) {
            // Every node is told of once, while it is still alive.
            ASSERT_EQ(live_.count(Node), 1u) << step_;
            live_.erase(Node);
        });
        tree_->OnChange = TTVChangedEvent::FromCallable([this](TObject*, TTreeNode* Node) {
            ASSERT_TRUE(!Node || live_.count(Node)) << step_;
            changed_ = Node;
        });
        ShowActive(form_.get());
        tree_->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        tree_->OnDeletion = nullptr;
        tree_->OnChange = nullptr;
        form_.reset();
        TControlTest::TearDown();
    }

    TTreeNode* AnyNode(TRandom& Random)
    {
        std::vector<TTreeNode*> nodes;
        WalkAll(tree_->Items()->GetFirstNode(), nodes);
        return nodes.empty() ? nullptr : nodes[Random.Index(nodes.size())];
    }

    void Step(TRandom& Random)
    {
        TTreeNodes* items = tree_->Items();
        TTreeNode* node = AnyNode(Random);
        const std::string text = "n" + std::to_string(names_++);
        TTreeNode* added = nullptr;
        switch (Random.Below(10)) {
        case 0: added = items->Add(node, text); break;
        case 1: added = items->AddChild(node, text); break;
        case 2: added = items->AddChildFirst(node, text); break;
        case 3: added = items->Insert(node, text); break;
        case 4:
            if (node && Random.Chance(60))
                node->Delete();
            break;
        case 5:
            if (node)
                node->SetExpanded(!node->Expanded());
            break;
        case 6:
            if (TTreeNode* to = AnyNode(Random))
                if (node)
                    node->MoveTo(to, static_cast<TNodeAttachMode>(Random.Below(5)));
            break;
        case 7:
            if (node)
                node->SetSelected(true);
            break;
        default: {
            static const UINT keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
            InjectKeyStroke(Random.Pick(keys));
            Pump();
            break;
        }
        }
        if (added)
            live_.insert(added);
    }

    void Check()
    {
        std::vector<TTreeNode*> all;
        WalkAll(tree_->Items()->GetFirstNode(), all);
        ASSERT_EQ(tree_->Items()->Count(), static_cast<int>(all.size())) << step_;
        ASSERT_EQ(live_.size(), all.size()) << step_;
        for (size_t i = 0; i < all.size(); i += 7) {
            ASSERT_EQ(tree_->Items()->Item(static_cast<int>(i)), all[i]) << step_;
            TTreeNode* parent = all[i]->Parent();
            ASSERT_EQ(parent ? parent->Item(all[i]->Index()) : nullptr, parent ? all[i] : nullptr) << step_;
        }
        // The selection is a live node, the last one OnChange heard of.
        TTreeNode* selected = tree_->Selected();
        ASSERT_TRUE(!selected || live_.count(selected)) << step_;
        ASSERT_EQ(selected, changed_) << step_;

        std::vector<TTreeNode*> shown;
        WalkShown(tree_->Items()->GetFirstNode(), shown);
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(tree_->Handle(), SB_VERT, &info));
        ASSERT_EQ(info.nMax, std::max(static_cast<int>(shown.size()) - 1, 0)) << step_;
        TTreeNode* top = tree_->TopItem();
        const int height = tree_->RowHeight();
        int topRow = -1;
        for (size_t row = 0; row < shown.size(); ++row) {
            TTreeNode* node = shown[row];
            if (node == top)
                topRow = static_cast<int>(row);
            ASSERT_EQ(row + 1 < shown.size() ? shown[row + 1] : nullptr, node->GetNextVisible()) << step_;
        }
        ASSERT_EQ(info.nPos, std::max(topRow, 0)) << step_;
        // Every row on the screen holds its node where the view says.
        for (int row = std::max(topRow, 0); row < static_cast<int>(shown.size()) && row < topRow + 6; ++row) {
            TRect r = shown[row]->DisplayRect(false);
            ASSERT_EQ(r.Top, (row - topRow) * height) << step_;
            ASSERT_EQ(tree_->GetNodeAt(5, r.Top + height / 2), shown[row]) << step_;
        }
    }

    std::unique_ptr<TTestForm> form_;
    TTreeView* tree_ = nullptr;
    std::set<TTreeNode*> live_;
    TTreeNode* changed_ = nullptr;
    int names_ = 0;
    int step_ = 0;
};

TEST_F(TTreeSessionTest, RowsSelectionAndNodesStayInStepThroughRandomSessions)
{
    for (uint32_t seed : {1u, 2u, 3u}) {
        TRandom random(seed);
        tree_->Items()->Clear();
        live_.clear();
        changed_ = nullptr;
        for (step_ = 0; step_ < 300; ++step_) {
            Step(random);
            ASSERT_NO_FATAL_FAILURE(Check()) << "seed " << seed;
        }
        // The session built a tree worth the name, deeper than one level.
        EXPECT_GT(tree_->Items()->Count(), 30);
        EXPECT_GT(static_cast<int>(VisibleRows(tree_).size()), 5);
    }
}

}  // namespace
