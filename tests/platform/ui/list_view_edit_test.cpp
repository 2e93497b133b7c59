// Renaming an item in place: F2 or a slow second click, typing, then Enter,
// Escape, EndEditing, leaving the view or another window taking the focus;
// OnEditing refusing, and items freed or cleared while their edit is open,
// which the sanitizers watch.
#include <string>

#include "in_place_edit_test_support.h"
#include "list_view_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/system_info.h"
#include "platform/win/virtual_keys.h"

namespace {

class TListEditTest : public TInPlaceEditTest {
protected:
    TWinControl* AddView(TForm& Form) override
    {
        list_ = AddList(&Form, vsReport, 220, 150);
        FillReport(list_, 4);
        LogListEvents(list_, log_);
        return list_;
    }
    void SelectEntry() override { list_->SetItemIndex(1); }

    TListView* list_ = nullptr;
};

TEST_F(TListEditTest, EnterAcceptsGbkTextAndGivesTheFocusBack)
{
    Rename(ListShuo + ListMen);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log_, (TListLog{"editing I1", "edited I1=" + ListShuo + ListMen}));
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), ListShuo + ListMen);
    EXPECT_FALSE(list_->IsEditing());
    EXPECT_TRUE(list_->Focused());
}

TEST_F(TListEditTest, EscapeAndEndEditingWithCancelNeverCallOnEdited)
{
    Rename("gone");
    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "I1");
    EXPECT_TRUE(list_->Focused());
    ASSERT_TRUE(list_->Items()->Item(1)->EditCaption());
    list_->EndEditing(true);
    EXPECT_EQ(log_, (TListLog{"editing I1", "editing I1"}));
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "I1");
    // OnEditing may refuse, and a read-only view edits nothing.
    list_->OnEditing = TLVEditingEvent::FromCallable([](TObject*, TListItem*, bool& Allow) { Allow = false; });
    InjectKeyStroke(VK_F2);
    Process();
    EXPECT_FALSE(list_->IsEditing());
    list_->OnEditing = nullptr;
    list_->ReadOnly = true;
    EXPECT_FALSE(list_->Items()->Item(1)->EditCaption());
}

TEST_F(TListEditTest, LeavingTheViewAcceptsAfterItsOnExit)
{
    list_->OnExit = TNotifyEvent::FromCallable([this](TObject*) {
        log_.push_back(std::string("exit ") + (list_->IsEditing() ? "editing" : "idle"));
    });
    Rename("left");
    other_->SetFocus();
    Process();
    EXPECT_EQ(log_, (TListLog{"editing I1", "exit editing", "edited I1=left"}));
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "left");
    EXPECT_TRUE(other_->Focused());
}

TEST_F(TListEditTest, AnotherWindowTakingTheFocusAccepts)
{
    Rename("away");
    TForm other(nullptr);
    other.SetBounds(400, 300, 100, 80);
    other.Show();
    SetFocus(other.Handle());
    Process();
    EXPECT_EQ(log_, (TListLog{"editing I1", "edited I1=away"}));
    EXPECT_FALSE(list_->IsEditing());
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "away");
}

TEST_F(TListEditTest, AnEditOnExitCancelsIsNotAcceptedAndItsItemMayGo)
{
    // As a bookmark row being named: leaving the view drops it unnamed.
    list_->OnExit = TNotifyEvent::FromCallable([this](TObject*) {
        list_->EndEditing(true);
        list_->Items()->Item(1)->Delete();
    });
    Rename("never");
    other_->SetFocus();
    Process();
    EXPECT_EQ(log_, (TListLog{"editing I1", "deletion I1", "changing I2", "change I2", "select I2"}));
    ASSERT_EQ(list_->Items()->Count(), 3);
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "I2");
    EXPECT_EQ(list_->Items()->Item(2)->Caption(), "I3");
}

TEST_F(TListEditTest, DeletingOrClearingWhileEditingCancelsTheEdit)
{
    Rename("x");
    list_->Items()->Delete(1);
    EXPECT_FALSE(list_->IsEditing());
    EXPECT_EQ(EditBox(), nullptr);
    InjectKeyStroke(VK_RETURN);
    Process();
    list_->SetItemIndex(0);
    Rename("y");
    list_->Items()->Clear();
    EXPECT_FALSE(list_->IsEditing());
    InjectKeyStroke(VK_RETURN);
    Process();
    for (const std::string& entry : log_)
        EXPECT_EQ(entry.rfind("edited", 0), std::string::npos) << entry;
}

TEST_F(TListEditTest, OnEditedMayFreeTheItemAndChangeTheText)
{
    list_->OnEdited = TLVEditedEvent::FromCallable([this](TObject*, TListItem* Item, AnsiString& S) {
        log_.push_back("edited " + Item->Caption() + "=" + S);
        if (S == "drop")
            Item->Delete();
        else
            S += "!";
    });
    Rename("keep");
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "keep!");
    Rename("drop");
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(list_->Items()->Count(), 3);
    EXPECT_EQ(list_->Items()->Item(1)->Caption(), "I2");
}

TEST_F(TListEditTest, ASlowClickOnTheSelectedCaptionRenamesAQuickOneDoesNot)
{
    const TPoint caption = CaptionPoint(list_, 2);
    InjectClick(caption);
    Process();
    EXPECT_EQ(list_->ItemIndex(), 2);
    // A double click is no rename.
    InjectClick(caption);
    Process();
    EXPECT_FALSE(list_->IsEditing());
    AdvanceClock(GetDoubleClickTime() + 10);
    InjectClick(caption);
    Process();
    ASSERT_TRUE(list_->IsEditing());
    ASSERT_NE(EditBox(), nullptr);
    EXPECT_EQ(EditBox()->Text(), "I2");
}

}  // namespace
