// The tree view from the keyboard and the mouse: walking three levels by
// arrows, pages and the expand keys, type-ahead over GBK texts, and clicks
// on buttons and texts.
#include <string>

#include "platform/ui/itemviews/list_box_type_ahead.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tree_view_test_support.h"

namespace {

std::string SelectedText(TCustomTreeView* Tree)
{
    return Tree->Selected() ? Tree->Selected()->Text() : "nil";
}

class TTreeKeysTest : public TControlTest {
protected:
    void SetUp() override
    {
        TControlTest::SetUp();
        form_ = std::make_unique<TTestForm>();
        tree_ = AddTree(*form_);
        BuildThreeLevels(tree_);
        ShowActive(form_.get());
        tree_->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        form_.reset();
        TControlTest::TearDown();
    }
    // Presses each key and answers the selected node's text after each.
    TTreeLog Walk(std::initializer_list<UINT> Keys)
    {
        TTreeLog seen;
        for (UINT key : Keys) {
            InjectKeyStroke(key);
            Pump();
            seen.push_back(SelectedText(tree_));
        }
        return seen;
    }

    std::unique_ptr<TTestForm> form_;
    TTreeView* tree_ = nullptr;
};

TEST_F(TTreeKeysTest, ArrowsWalkThreeLevelsRightOpensThenEntersLeftClosesThenGoesUp)
{
    TTreeLog log;
    LogTreeEvents(tree_, log);
    EXPECT_EQ(Walk({VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RIGHT}),
              (TTreeLog{"A", "A", "A1", "A1", "A1a", "A1a", "A1b", "A1b"}));
    EXPECT_EQ(log, (TTreeLog{"changing A", "change A", "expanding A", "expanded A", "changing A1", "change A1",
                             "expanding A1", "expanded A1", "changing A1a", "change A1a", "changing A1b",
                             "change A1b"}));
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    EXPECT_EQ(Walk({VK_LEFT, VK_LEFT, VK_LEFT, VK_DOWN, VK_LEFT, VK_LEFT}),
              (TTreeLog{"A1", "A1", "A", "A1", "A", "A"}));
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "B", "C"}));
    // Home, End and the keys past the ends.
    EXPECT_EQ(Walk({VK_END, VK_DOWN, VK_HOME, VK_UP}), (TTreeLog{"C", "C", "A", "A"}));
}

TEST_F(TTreeKeysTest, PlusMinusAndStarOpenAndCloseTheSelectedNode)
{
    tree_->Items()->GetFirstNode()->SetSelected(true);
    InjectText("*");
    Pump();
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    InjectText("-");
    Pump();
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "B", "C"}));
    InjectText("+");
    Pump();
    // The children come back as they were left.
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    EXPECT_EQ(SelectedText(tree_), "A");
}

TEST_F(TTreeKeysTest, PagesMoveByTheRowsShownAndScrollTheSelectionIntoView)
{
    // 40 more top nodes; the view shows 8 rows of 18 in its 146 pixels.
    for (int i = 0; i < 40; ++i)
        tree_->Items()->Add(nullptr, "n" + std::to_string(i));
    EXPECT_EQ(tree_->VisibleCount(), 8);
    EXPECT_EQ(Walk({VK_NEXT, VK_NEXT}), (TTreeLog{"n4", "n11"}));
    EXPECT_EQ(tree_->TopItem()->Text(), "n4");
    EXPECT_EQ(Walk({VK_PRIOR}), (TTreeLog{"n4"}));
    EXPECT_EQ(tree_->TopItem()->Text(), "n4");
    EXPECT_EQ(Walk({VK_END}), (TTreeLog{"n39"}));
    EXPECT_EQ(tree_->TopItem()->Text(), "n32");
    EXPECT_EQ(tree_->Selected()->DisplayRect(false).Top, 7 * 18);
    // The wheel scrolls three rows a notch and leaves the selection.
    InjectWheel(NodePoint(tree_->TopItem()), 120);
    Pump();
    EXPECT_EQ(tree_->TopItem()->Text(), "n29");
    EXPECT_EQ(SelectedText(tree_), "n39");
}

TEST_F(TTreeKeysTest, TypeAheadFindsShownNodesByWholeGbkCharacters)
{
    TTreeNodes* items = tree_->Items();
    items->Clear();
    // Each double-byte text has a single-byte twin that its trail byte spells.
    for (const AnsiString& text : {AnsiString("foo"), TreeShuo + "明", AnsiString("Tab"), TreeMen + "戶",
                                   AnsiString("table"), TreeShuo + TreeMen})
        items->Add(nullptr, text);
    TTreeNode* hidden = items->AddChild(items->Item(0), TreeMen + "hidden");
    items->GetFirstNode()->SetSelected(true);

    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText(TreeShuo);
    Pump();
    EXPECT_EQ(SelectedText(tree_), TreeShuo + "明");
    // The same character again goes on to the next node with it.
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText(TreeShuo);
    Pump();
    EXPECT_EQ(SelectedText(tree_), TreeShuo + TreeMen);
    // A node hidden in a closed folder is never found.
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText(TreeMen);
    Pump();
    EXPECT_EQ(SelectedText(tree_), TreeMen + "戶");
    EXPECT_FALSE(hidden->Selected());
    // Letters typed quickly form one prefix, without case; 'T' never
    // matches the trail byte of 門.
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("TA");
    Pump();
    EXPECT_EQ(SelectedText(tree_), "table");
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("t");
    Pump();
    EXPECT_EQ(SelectedText(tree_), "Tab");
    InjectText("ab");
    Pump();
    EXPECT_EQ(SelectedText(tree_), "Tab");
    InjectText("l");
    Pump();
    EXPECT_EQ(SelectedText(tree_), "table");
}

TEST_F(TTreeKeysTest, ClicksOnButtonsOpenAndOnTextsSelect)
{
    TTreeLog log;
    LogTreeEvents(tree_, log);
    TTreeNode* a = tree_->Items()->GetFirstNode();
    // The button of a top node sits in the first indent column.
    const TRect row = a->DisplayRect(false);
    InjectClick(tree_->ClientToScreen(Point(9, (row.Top + row.Bottom) / 2)));
    Pump();
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(tree_->Selected(), nullptr);
    InjectClick(NodePoint(FindNode(tree_, "A2")));
    Pump();
    EXPECT_EQ(SelectedText(tree_), "A2");
    EXPECT_EQ(tree_->GetNodeAt(30, 2 * 18 + 5)->Text(), "A2");
    EXPECT_EQ(tree_->GetNodeAt(30, 5 * 18 + 5), nullptr);
    // Without root lines a top node has no button; its children have theirs.
    tree_->SetShowRoot(false);
    TTreeNode* a1 = FindNode(tree_, "A1");
    const TRect a1Row = a1->DisplayRect(false);
    EXPECT_EQ(tree_->GetHitTestInfoAt(9, a1Row.Top + 5), THitTests().Include(htOnButton));
    EXPECT_EQ(tree_->GetHitTestInfoAt(9, row.Top + 5), THitTests().Include(htOnItem).Include(htOnLabel));
    InjectClick(tree_->ClientToScreen(Point(9, (a1Row.Top + a1Row.Bottom) / 2)));
    Pump();
    EXPECT_TRUE(a1->Expanded());
    tree_->SetShowRoot(true);
    // A refused change keeps the selection.
    tree_->OnChanging = TTVChangingEvent::FromCallable([](TObject*, TTreeNode*, bool& Allow) { Allow = false; });
    InjectClick(NodePoint(FindNode(tree_, "B")));
    Pump();
    EXPECT_EQ(SelectedText(tree_), "A2");
    tree_->OnChanging = nullptr;
    // The right button selects only with RightClickSelect.
    InjectClick(NodePoint(FindNode(tree_, "C")), 2);
    Pump();
    EXPECT_EQ(SelectedText(tree_), "A2");
    tree_->RightClickSelect = true;
    InjectClick(NodePoint(FindNode(tree_, "C")), 2);
    Pump();
    EXPECT_EQ(SelectedText(tree_), "C");
    // With HotTrack the node under the mouse is hot; its row is painted again.
    tree_->SetHotTrack(true);
    TTreeNode* hot = nullptr;
    tree_->OnCustomDrawItem = TTVCustomDrawItemEvent::FromCallable(
        [&hot](TObject*, TTreeNode* Node, TCustomDrawState State, bool&) {
            if (State.Contains(cdsHot))
                hot = Node;
        });
    InjectMouseMove(NodePoint(FindNode(tree_, "A1")));
    Pump();
    EXPECT_EQ(hot, FindNode(tree_, "A1"));
    tree_->OnCustomDrawItem = nullptr;
    // A double click on a folder's text opens it.
    InjectClick(NodePoint(FindNode(tree_, "B")));
    InjectClick(NodePoint(FindNode(tree_, "B")));
    Pump();
    EXPECT_TRUE(FindNode(tree_, "B")->Expanded());
}

}  // namespace
