// Splitters dragged by the mouse: the neighbour on the aligned side is
// resized as the mouse moves, within MinSize on both sides, and OnMoved
// fires once the drag ends.

#include "platform/ui/widgets/splitter.h"

#include "form_test_support.h"
#include "platform/ui/widgets/panel.h"
#include "platform/win/headless_input.h"

namespace {

class TSplitterTest : public TFormTest {};

TEST_F(TSplitterTest, DraggingResizesTheNeighbourWithinMinSize)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* tree = new TPanel(&form);
    tree->SetWidth(100);
    tree->SetAlign(alLeft);
    tree->SetParent(&form);
    auto* splitter = new TSplitter(&form);
    splitter->SetLeft(150);
    splitter->SetParent(&form);
    auto* list = new TPanel(&form);
    list->SetAlign(alClient);
    list->SetParent(&form);
    int moved = 0;
    splitter->OnMoved = TNotifyEvent::FromCallable([&](TObject*) { ++moved; });
    form.Show();
    Process();
    ASSERT_EQ(splitter->Left(), 100);
    EXPECT_EQ(splitter->FindNeighbour(), tree);
    EXPECT_EQ(splitter->Cursor(), crHSplit);

    TPoint grip = ScreenPoint(splitter, 1, 50);
    InjectMouseDown(grip);
    InjectMouseMove(Point(grip.X + 60, grip.Y));
    Process();
    // Resized while the mouse moves, not only at the end.
    EXPECT_EQ(tree->Width(), 160);
    EXPECT_EQ(splitter->Left(), 160);
    EXPECT_EQ(list->Left(), 163);
    EXPECT_EQ(moved, 0);
    // The room left for the list stays at MinSize (30).
    InjectMouseMove(Point(grip.X + 500, grip.Y));
    Process();
    EXPECT_EQ(tree->Width(), form.ClientWidth() - 3 - 30);
    EXPECT_EQ(list->Width(), 30);
    // And the tree itself keeps MinSize.
    InjectMouseMove(Point(grip.X - 300, grip.Y));
    InjectMouseUp(Point(grip.X - 300, grip.Y));
    Process();
    EXPECT_EQ(tree->Width(), 30);
    EXPECT_EQ(moved, 1);

    // A splitter along the bottom resizes the control below it upwards.
    auto* status = new TPanel(&form);
    status->SetHeight(50);
    status->SetAlign(alBottom);
    status->SetParent(&form);
    auto* bottom = new TSplitter(&form);
    bottom->SetTop(200);
    bottom->SetAlign(alBottom);
    bottom->SetParent(&form);
    bottom->SetMinSize(10);
    bottom->OnMoved = splitter->OnMoved;
    Process();
    EXPECT_EQ(bottom->Cursor(), crVSplit);
    ASSERT_EQ(bottom->FindNeighbour(), status);
    grip = ScreenPoint(bottom, 50, 1);
    InjectMouseDown(grip);
    InjectMouseMove(Point(grip.X, grip.Y - 20));
    InjectMouseUp(Point(grip.X, grip.Y - 20));
    Process();
    EXPECT_EQ(status->Height(), 70);
    EXPECT_EQ(moved, 2);
}

}  // namespace
