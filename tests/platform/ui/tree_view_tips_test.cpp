// The tree view's tips: a node cut off by the view's edge shows its whole
// text in a tip laid over it while the mouse is on it; a node seen whole
// shows none; moving off, pressing, leaving, scrolling or the node going
// takes the tip away; ToolTips off shows none.
#include "platform/ui/kernel/hint_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_attributes.h"
#include "tree_view_test_support.h"

namespace {

TEST_F(TControlTest, ACutOffNodeShowsItsWholeTextInATipOverIt)
{
    TTestForm form;
    TTreeView* tree = AddTree(form, 120, 150);
    EXPECT_TRUE(tree->ToolTips());
    TTreeNodes* items = tree->Items();
    TTreeNode* shortNode = items->Add(nullptr, "short");
    const AnsiString longText = TreeShuo + TreeMen + " a title far too long for the view";
    TTreeNode* longNode = items->Add(nullptr, longText);
    items->Add(nullptr, "last");
    ShowActive(&form);
    Pump();
    auto moveTo = [](TPoint P) {
        InjectMouseMove(P);
        Pump();
    };

    moveTo(NodePoint(shortNode));
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);
    moveTo(NodePoint(longNode));
    THintWindow* tip = tree->ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(IsWindowVisible(tip->Handle()));
    EXPECT_EQ(tip->Caption(), longText);
    const TRect text = longNode->DisplayRect(true);
    const TPoint corner = tree->ClientToScreen(Point(text.Left, text.Top));
    EXPECT_EQ(tip->Left(), corner.X);
    EXPECT_EQ(tip->Top(), corner.Y);
    EXPECT_GE(tip->Width(), text.Width());
    // Along the same node the tip stays; on to a node seen whole it goes.
    moveTo(Point(NodePoint(longNode).X + 20, NodePoint(longNode).Y));
    EXPECT_EQ(tree->ToolTipWindow(), tip);
    moveTo(NodePoint(shortNode));
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);
    EXPECT_FALSE(tip->HandleAllocated() && IsWindowVisible(tip->Handle()));

    // A press, leaving the view and the node going each end it.
    moveTo(NodePoint(longNode));
    ASSERT_NE(tree->ToolTipWindow(), nullptr);
    InjectMouseDown(NodePoint(longNode));
    InjectMouseUp(NodePoint(longNode));
    Pump();
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);
    moveTo(NodePoint(shortNode));
    moveTo(NodePoint(longNode));
    ASSERT_NE(tree->ToolTipWindow(), nullptr);
    moveTo(tree->ClientToScreen(Point(60, 300)));
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);
    moveTo(NodePoint(longNode));
    ASSERT_NE(tree->ToolTipWindow(), nullptr);
    longNode->Delete();
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);

    // Switched off, no node shows one.
    TTreeNode* again = items->Add(nullptr, longText);
    tree->SetToolTips(false);
    moveTo(NodePoint(shortNode));
    moveTo(NodePoint(again));
    EXPECT_EQ(tree->ToolTipWindow(), nullptr);
}

}  // namespace
