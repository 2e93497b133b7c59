// The tree view worked from a real X display (the suite's own Xvfb) with
// the display's XTest keys and mouse, in the default font: a click selects,
// the arrows walk and open the levels, a click on a button opens a folder,
// F2 renames in place with typed keys, and the display shows the view as
// it was painted.
#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "tree_view_test_support.h"

#include <X11/keysym.h>

namespace {

class TTreeX11Test : public TFormX11Test {};

TEST_F(TTreeX11Test, ClicksAndKeysFromTheDisplayWalkAndRenameNodes)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 260);
    form_->SetCaption("Tree");
    auto* tree = new TTreeView(form_);
    tree->SetBounds(10, 10, 220, 200);
    tree->SetParent(form_);
    BuildThreeLevels(tree);
    TTreeLog log;
    LogTreeEvents(tree, log);
    tree->OnChanging = nullptr;
    tree->OnExpanding = nullptr;
    tree->OnCollapsing = nullptr;
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    // A click on a title selects its node and gives the view the focus.
    Click(NodePoint(FindNode(tree, "B")));
    ASSERT_TRUE(PumpUntil([&] { return tree->Selected() && tree->Selected()->Text() == "B"; }));
    EXPECT_TRUE(tree->Focused());
    // The arrows: up to A, open it, into A1, open it, into A1a, down to A1b.
    for (unsigned long key : {XK_Up, XK_Right, XK_Right, XK_Right, XK_Right, XK_Down})
        Key(key);
    ASSERT_TRUE(PumpUntil([&] { return tree->Selected()->Text() == "A1b"; }));
    EXPECT_EQ(VisibleRows(tree), (TTreeLog{"A", "A1", "A1a", "A1b", "A2", "B", "C"}));
    // A click on B's button opens it without selecting it.
    const TRect row = FindNode(tree, "B")->DisplayRect(false);
    Click(tree->ClientToScreen(Point(9, (row.Top + row.Bottom) / 2)));
    ASSERT_TRUE(PumpUntil([&] { return FindNode(tree, "B")->Expanded(); }));
    EXPECT_EQ(tree->Selected()->Text(), "A1b");

    // F2, a new title typed over the old one, Return.
    log.clear();
    Key(XK_F2);
    ASSERT_TRUE(PumpUntil([&] { return tree->IsEditing(); }));
    for (unsigned long key : {XK_n, XK_e, XK_w})
        Key(key);
    Key(XK_Return);
    ASSERT_TRUE(PumpUntil([&] { return !tree->IsEditing(); }));
    EXPECT_EQ(log, (TTreeLog{"edited A1b=new"}));
    EXPECT_EQ(tree->Selected()->Text(), "new");
    // Escape leaves the title as it was.
    Key(XK_F2);
    ASSERT_TRUE(PumpUntil([&] { return tree->IsEditing(); }));
    Key(XK_x);
    Key(XK_Escape);
    ASSERT_TRUE(PumpUntil([&] { return !tree->IsEditing(); }));
    EXPECT_EQ(tree->Selected()->Text(), "new");
    EXPECT_TRUE(tree->Focused());
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace
