#include <gtest/gtest.h>

#include "form_test_support.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

class TMDIFormTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        parent_ = new TForm(nullptr);
        parent_->SetName("Parent");
        parent_->SetFormStyle(fsMDIForm);
        parent_->SetBounds(0, 0, 500, 400);
        bar_ = new TProbe(parent_, parent_, Bounds(0, 0, 10, 30));
        bar_->SetAlign(alTop);
        parent_->Show();
        Process();
    }
    void TearDown() override
    {
        for (TForm* child : children_)
            delete child;
        delete parent_;
        TFormTest::TearDown();
    }

    // A shown child logging its activation under Name.
    TForm* AddChild(const std::string& Name, TRect Bounds)
    {
        auto* child = new TForm(nullptr);
        children_.push_back(child);
        child->SetName(Name);
        child->SetFormStyle(fsMDIChild);
        child->SetBoundsRect(Bounds);
        child->OnActivate = LogEvent(log_, Name + ".OnActivate");
        child->OnDeactivate = LogEvent(log_, Name + ".OnDeactivate");
        child->Show();
        Process();
        return child;
    }

    TForm* parent_ = nullptr;
    TProbe* bar_ = nullptr;
    std::vector<TForm*> children_;
    std::vector<std::string> log_;
};

TEST_F(TMDIFormTest, ClientFillsTheAreaLeftByAlignedControlsAndHoldsTheChildren)
{
    HWND client = parent_->ClientHandle();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(GetParent(client), parent_->Handle());
    TRect area = parent_->ClientRect();
    TRect placed;
    GetWindowRect(client, &placed);
    TPoint origin = parent_->ClientToScreen({0, 30});
    EXPECT_EQ(placed, Bounds(origin.X, origin.Y, area.Width(), area.Height() - 30));

    TForm* child = AddChild("A", Bounds(10, 20, 200, 150));
    EXPECT_EQ(GetParent(child->Handle()), client);
    EXPECT_EQ(GetWindowLong(child->Handle(), GWL_STYLE) & (WS_CHILD | WS_CAPTION), WS_CHILD | WS_CAPTION);
    EXPECT_EQ(parent_->MDIChildCount(), 1);
    EXPECT_EQ(parent_->MDIChildren(0), child);

    // The bar growing moves the client down with it.
    bar_->SetHeight(50);
    GetWindowRect(client, &placed);
    EXPECT_EQ(placed.Top, parent_->ClientToScreen({0, 50}).Y);
    // A child's window lies in the client's coordinates and is clipped by it.
    TRect childRect;
    GetWindowRect(child->Handle(), &childRect);
    TPoint inside{10, 20};
    ClientToScreen(client, &inside);
    EXPECT_EQ(childRect.TopLeft(), inside);

    // A maximized child fills the client, its frame just outside.
    ShowWindow(child->Handle(), SW_MAXIMIZE);
    TRect clientArea;
    GetClientRect(child->Handle(), &clientArea);
    TRect clientOfClient;
    GetClientRect(client, &clientOfClient);
    EXPECT_EQ(child->WindowState(), wsMaximized);
    EXPECT_GE(clientArea.Width(), clientOfClient.Width());
    EXPECT_THROW(parent_->MDIChildren(1), EListError);
}

TEST_F(TMDIFormTest, ChildrenTakeTurnsWhileTheParentStaysActive)
{
    TForm* a = AddChild("A", Bounds(0, 0, 200, 150));
    TForm* b = AddChild("B", Bounds(40, 40, 200, 150));
    EXPECT_EQ(log_, (std::vector<std::string>{"A.OnActivate", "A.OnDeactivate", "B.OnActivate"}));
    EXPECT_EQ(parent_->ActiveMDIChild(), b);
    EXPECT_TRUE(b->Active());
    EXPECT_FALSE(a->Active());
    EXPECT_EQ(GetActiveWindow(), parent_->Handle());
    EXPECT_EQ(parent_->MDIChildren(0), b);

    // Next brings the one behind forward and sends the active one back.
    log_.clear();
    parent_->Next();
    EXPECT_EQ(parent_->ActiveMDIChild(), a);
    EXPECT_EQ(parent_->MDIChildren(0), a);
    EXPECT_EQ(parent_->MDIChildren(1), b);
    EXPECT_EQ(log_, (std::vector<std::string>{"B.OnDeactivate", "A.OnActivate"}));

    // A click on the child behind activates it and brings it forward.
    log_.clear();
    TPoint inB = b->ClientToScreen({150, 100});
    InjectClick(inB);
    Process();
    EXPECT_EQ(parent_->ActiveMDIChild(), b);
    EXPECT_EQ(parent_->MDIChildren(0), b);
    EXPECT_EQ(log_, (std::vector<std::string>{"A.OnDeactivate", "B.OnActivate"}));
    EXPECT_EQ(GetActiveWindow(), parent_->Handle());
}

TEST_F(TMDIFormTest, ClosingHidesByDefaultAndFreesThroughRelease)
{
    TForm* a = AddChild("A", Bounds(0, 0, 200, 150));
    TForm* b = AddChild("B", Bounds(40, 40, 200, 150));
    b->Close();
    Process();
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(parent_->ActiveMDIChild(), a);
    EXPECT_TRUE(a->Active());

    a->OnClose = TCloseEvent::FromCallable([](TObject*, TCloseAction& Action) { Action = caFree; });
    TControl::TAlive alive(a);
    a->Close();
    EXPECT_TRUE(alive);
    Process();
    EXPECT_FALSE(alive);
    std::erase(children_, a);
    EXPECT_EQ(parent_->ActiveMDIChild(), nullptr);
    EXPECT_EQ(parent_->MDIChildCount(), 1);
}

TEST_F(TMDIFormTest, ChildrenComeBackWhenTheParentsWindowIsMadeAgain)
{
    TForm* a = AddChild("A", Bounds(10, 20, 200, 150));
    TForm* hidden = AddChild("Hidden", Bounds(30, 40, 200, 150));
    hidden->Hide();
    parent_->SetBorderIcons({biSystemMenu});
    Process();
    ASSERT_TRUE(a->HandleAllocated());
    EXPECT_EQ(GetParent(a->Handle()), parent_->ClientHandle());
    EXPECT_TRUE(IsWindowVisible(a->Handle()));
    EXPECT_EQ(TRect(a->BoundsRect()), Bounds(10, 20, 200, 150));
    EXPECT_EQ(parent_->MDIChildCount(), 1);
    hidden->Show();
    EXPECT_EQ(parent_->MDIChildCount(), 2);
    EXPECT_EQ(parent_->ActiveMDIChild(), hidden);
}

TEST_F(TMDIFormTest, WindowMenuIsDroppedWhenItGoes)
{
    auto* menu = new TMainMenu(parent_);
    auto* window = new TMenuItem(menu);
    menu->Items()->Add(window);
    parent_->SetWindowMenu(window);
    EXPECT_EQ(parent_->WindowMenu(), window);
    delete window;
    EXPECT_EQ(parent_->WindowMenu(), nullptr);
}

TEST_F(TFormTest, ChildWithoutMultipleDocumentFormCannotBeShown)
{
    TForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    EXPECT_THROW(child.Show(), EInvalidOperation);
    EXPECT_EQ(child.ClientHandle(), nullptr);
}

}  // namespace
