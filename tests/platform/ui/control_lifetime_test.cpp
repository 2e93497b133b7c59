#include <memory>

#include "control_test_support.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_lifecycle.h"

namespace {

using TLines = std::vector<std::string>;

TEST_F(TControlTest, ControlsFreedInsideTheirOwnHandlersAreNotTouchedAgain)
{
    TTestForm form;
    auto* button = new TProbe(&form, &form, Bounds(10, 10, 50, 20));
    auto* label = new TGraphicProbe(&form, &form, Bounds(100, 10, 50, 20));
    auto* typed = new TProbe(&form, &form, Bounds(200, 10, 50, 20));
    ShowActive(&form);
    HWND buttonWindow = button->Handle();
    button->OnClick = TNotifyEvent::FromCallable([&](TObject*) { delete button; });
    label->OnMouseDown = TMouseEvent::FromCallable([&](TObject*, TMouseButton, TShiftState, int, int) { delete label; });
    typed->OnKeyDown = TKeyEvent::FromCallable([&](TObject*, WORD&, TShiftState) { delete typed; });

    InjectClick(ScreenPoint(button, 5, 5));
    Pump();
    EXPECT_FALSE(IsWindow(buttonWindow));
    InjectClick(ScreenPoint(label, 5, 5));
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    typed->SetFocus();
    InjectKeyStroke('Q');
    Pump();
    EXPECT_EQ(form.ControlCount(), 0);

    // A click on a child that frees the whole form.
    auto* doomed = new TTestForm;
    auto* child = new TGraphicProbe(doomed, doomed, Bounds(0, 0, 50, 50));
    child->OnClick = TNotifyEvent::FromCallable([&](TObject*) { delete doomed; });
    ShowActive(doomed);
    HWND doomedWindow = doomed->Handle();
    InjectClick(ScreenPoint(child, 5, 5));
    Pump();
    EXPECT_FALSE(IsWindow(doomedWindow));
}

TEST_F(TControlTest, DraggingDropsOnAnAcceptingControlOrCancels)
{
    TTestForm form;
    auto* source = new TProbe(&form, &form, Bounds(10, 10, 50, 50));
    auto* target = new TGraphicProbe(&form, &form, Bounds(200, 10, 50, 50));
    auto* refuser = new TProbe(&form, &form, Bounds(10, 200, 50, 50));
    TLines events;
    source->OnMouseDown = TMouseEvent::FromCallable(
        [&](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(false, 10); });
    source->OnEndDrag = TEndDragEvent::FromCallable([&](TObject*, TObject* Target, int X, int Y) {
        events.push_back(std::string("end ") + (Target == target ? "target " : "none ") + std::to_string(X) + "," +
                         std::to_string(Y));
    });
    target->OnDragOver = TDragOverEvent::FromCallable(
        [&](TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
            events.push_back("over " + std::to_string(State));
            Accept = Source == source;
        });
    target->OnDragDrop = TDragDropEvent::FromCallable([&](TObject*, TObject* Source, int X, int Y) {
        events.push_back(std::string("drop ") + (Source == source ? "source " : "? ") + std::to_string(X) + "," +
                         std::to_string(Y));
    });
    refuser->OnDragOver =
        TDragOverEvent::FromCallable([&](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = false; });
    ShowActive(&form);

    InjectMouseDown(ScreenPoint(source, 5, 5));
    Pump();
    InjectMouseMove(ScreenPoint(source, 9, 9));  // inside the threshold
    Pump();
    EXPECT_TRUE(source->Dragging());
    EXPECT_TRUE(events.empty());
    InjectMouseMove(ScreenPoint(target, 4, 6));
    Pump();
    EXPECT_EQ(GetCursor(), CursorHandle(crDrag));
    InjectMouseMove(ScreenPoint(refuser, 5, 6));
    Pump();
    EXPECT_EQ(GetCursor(), CursorHandle(crNoDrop));
    InjectMouseMove(ScreenPoint(target, 7, 8));
    InjectMouseUp(ScreenPoint(target, 7, 8));
    Pump();
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(events, (TLines{"over 0", "over 2", "over 1", "over 0", "over 2", "over 1", "drop source 7,8",
                              "end target 7,8"}));

    // Escape cancels; the target hears the drag leave but gets no drop.
    events.clear();
    AdvanceClock(10000);
    InjectMouseDown(ScreenPoint(source, 5, 5));
    Pump();  // the drag starts from where the mouse is
    InjectMouseMove(ScreenPoint(target, 1, 1));
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(source->Dragging());
    InjectMouseUp(ScreenPoint(target, 1, 1));
    Pump();
    EXPECT_EQ(events, (TLines{"over 0", "over 2", "over 1", "end none 0,0"}));
}

// Takes its window whenever it is sized on a parent, as a control that
// shapes its window by a region does.
class TShapedChild : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override
    {
        TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        if (Parent())
            HandleNeeded();
    }
};

// A form freed while showing frees its aligned children one by one; the
// ones left must not be aligned into the space of the ones gone, which
// would make them ask for windows in a form whose window is gone.
TEST_F(TControlTest, AFormFreedWithAlignedChildrenDoesNotAlignThemAgain)
{
    TCustomForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    TShapedChild* child = nullptr;
    for (TAlign align : {alClient, alTop, alLeft}) {
        child = new TShapedChild(&form);
        child->SetBounds(0, 0, 30, 30);
        child->SetAlign(align);
        child->SetParent(&form);
    }
    form.Show();
    Pump();
    EXPECT_TRUE(child->HandleAllocated());
}

}  // namespace
