// Renaming a node in place: F2, typing, then Enter, Escape or leaving the
// view; OnEditing refusing, OnEdited changing the text, and nodes freed
// while their edit is open, which the sanitizers watch.
#include <string>

#include "in_place_edit_test_support.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tree_view_test_support.h"

namespace {

class TTreeEditTest : public TInPlaceEditTest {
protected:
    TWinControl* AddView(TForm& Form) override
    {
        tree_ = AddTree(Form);
        BuildThreeLevels(tree_);
        LogTreeEvents(tree_, log_);
        return tree_;
    }
    void SelectEntry() override { FindNode(tree_, "B")->SetSelected(true); }

    TTreeView* tree_ = nullptr;
};

TEST_F(TTreeEditTest, EnterAcceptsTheTypedTextAndGivesTheFocusBack)
{
    Rename("x" + TreeShuo);
    EXPECT_TRUE(tree_->IsEditing());
    EXPECT_EQ(EditBox()->Text(), "x" + TreeShuo);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log_, (TTreeLog{"edited B=x" + TreeShuo}));
    EXPECT_EQ(FindNode(tree_, "x" + TreeShuo), tree_->Selected());
    EXPECT_EQ(EditBox(), nullptr);
    EXPECT_FALSE(tree_->IsEditing());
    EXPECT_TRUE(tree_->Focused());
    // The keys walk the tree again.
    InjectKeyStroke(VK_DOWN);
    Process();
    EXPECT_EQ(tree_->Selected()->Text(), "C");
}

TEST_F(TTreeEditTest, EscapeCancelsWithoutOnEdited)
{
    Rename("gone");
    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(tree_->Selected()->Text(), "B");
    EXPECT_EQ(EditBox(), nullptr);
    EXPECT_TRUE(tree_->Focused());
    // EndEdit with cancel from the program does the same.
    Rename("gone too");
    tree_->Selected()->EndEdit(true);
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(tree_->Selected()->Text(), "B");
}

TEST_F(TTreeEditTest, LeavingTheViewAcceptsAfterItsOnExit)
{
    tree_->OnExit = TNotifyEvent::FromCallable([this](TObject*) {
        log_.push_back(std::string("exit ") + (tree_->IsEditing() ? "editing" : "idle"));
    });
    Rename("left");
    other_->SetFocus();
    Process();
    EXPECT_EQ(log_, (TTreeLog{"exit editing", "edited B=left"}));
    EXPECT_EQ(tree_->Selected()->Text(), "left");
    EXPECT_TRUE(other_->Focused());
}

TEST_F(TTreeEditTest, AnotherWindowTakingTheFocusAccepts)
{
    Rename("away");
    TForm other(nullptr);
    other.SetBounds(400, 300, 100, 80);
    other.Show();
    SetFocus(other.Handle());
    Process();
    EXPECT_EQ(log_, (TTreeLog{"edited B=away"}));
    EXPECT_FALSE(tree_->IsEditing());
    EXPECT_EQ(tree_->Selected()->Text(), "away");
}

TEST_F(TTreeEditTest, AnEditOnExitCancelsIsNotAcceptedAndItsNodeMayGo)
{
    // As a bookmark being named: leaving the view drops the node unnamed.
    tree_->OnExit = TNotifyEvent::FromCallable([this](TObject*) {
        TTreeNode* node = tree_->EditingNode();
        ASSERT_NE(node, nullptr);
        node->EndEdit(true);
        node->Delete();
    });
    Rename("never");
    other_->SetFocus();
    Process();
    EXPECT_EQ(log_, (TTreeLog{"change C", "deletion B1", "deletion B"}));
    EXPECT_EQ(FindNode(tree_, "B"), nullptr);
    EXPECT_EQ(FindNode(tree_, "never"), nullptr);
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "C"}));
}

TEST_F(TTreeEditTest, DeletingTheEditedNodeCancelsItsEdit)
{
    Rename("lost");
    FindNode(tree_, "B")->Delete();
    EXPECT_EQ(log_, (TTreeLog{"change C", "deletion B1", "deletion B"}));
    EXPECT_EQ(EditBox(), nullptr);
    EXPECT_FALSE(tree_->IsEditing());
    // Enter now reaches the view, and nothing is renamed.
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(VisibleRows(tree_), (TTreeLog{"A", "C"}));
    // Clearing the tree while a node is edited does the same.
    Rename("cleared");
    tree_->Items()->Clear();
    EXPECT_EQ(EditBox(), nullptr);
    EXPECT_EQ(log_.back(), "deletion C");
}

TEST_F(TTreeEditTest, OnEditingMayRefuseAndOnEditedMayChangeTheText)
{
    tree_->OnEditing = TTVEditingEvent::FromCallable(
        [](TObject*, TTreeNode* Node, bool& Allow) { Allow = Node->Text() != "C"; });
    // An empty title is refused by putting the old one back.
    tree_->OnEdited = TTVEditedEvent::FromCallable([this](TObject*, TTreeNode* Node, AnsiString& S) {
        log_.push_back("edited " + Node->Text() + "=" + S);
        if (S.empty())
            S = Node->Text();
    });
    Rename("\b");
    EXPECT_EQ(EditBox()->Text(), "");
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log_, (TTreeLog{"edited B="}));
    EXPECT_EQ(tree_->Selected()->Text(), "B");
    // No edit starts on C.
    FindNode(tree_, "C")->SetSelected(true);
    InjectKeyStroke(VK_F2);
    Process();
    EXPECT_EQ(EditBox(), nullptr);
    EXPECT_FALSE(FindNode(tree_, "C")->EditText());
    // Nor anywhere in a read-only view.
    tree_->ReadOnly = true;
    EXPECT_FALSE(FindNode(tree_, "A")->EditText());
}

TEST_F(TTreeEditTest, OnEditedMayFreeTheNode)
{
    tree_->OnEdited = TTVEditedEvent::FromCallable([](TObject*, TTreeNode* Node, AnsiString&) { Node->Delete(); });
    Rename("freed");
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(FindNode(tree_, "B"), nullptr);
    EXPECT_EQ(FindNode(tree_, "freed"), nullptr);
    EXPECT_EQ(tree_->Selected()->Text(), "C");
}

}  // namespace
