#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

std::string PointText(TPoint P)
{
    return std::to_string(P.X) + "," + std::to_string(P.Y);
}

TEST_F(TControlTest, RightClicksAndTheMenuKeyAskTheControlForItsContextMenu)
{
    TTestForm form;
    auto* outer = new TProbe(&form, &form, Bounds(10, 10, 200, 150));
    auto* inner = new TProbe(&form, outer, Bounds(20, 20, 80, 60));
    TLines events;
    bool innerHandles = true;
    inner->OnContextPopup = TContextPopupEvent::FromCallable([&](TObject*, TPoint MousePos, bool& Handled) {
        events.push_back("inner " + PointText(MousePos));
        Handled = innerHandles;
    });
    outer->OnContextPopup = TContextPopupEvent::FromCallable([&](TObject*, TPoint MousePos, bool& Handled) {
        events.push_back("outer " + PointText(MousePos));
        Handled = true;
    });
    ShowActive(&form);

    InjectClick(ScreenPoint(inner, 7, 9), 2);
    Pump();
    EXPECT_EQ(events, (TLines{"inner 7,9"}));

    // Not handled by the inner control, the request goes to its parent,
    // in the parent's coordinates.
    innerHandles = false;
    events.clear();
    InjectClick(ScreenPoint(inner, 7, 9), 2);
    Pump();
    EXPECT_EQ(events, (TLines{"inner 7,9", "outer 27,29"}));

    // From the keyboard the point is (-1, -1).
    innerHandles = true;
    events.clear();
    inner->SetFocus();
    InjectKeyStroke(VK_APPS);
    InjectKeyStroke(VK_F10, InjectShift);
    InjectKeyStroke(VK_F10);
    Pump();
    EXPECT_EQ(events, (TLines{"inner -1,-1", "inner -1,-1"}));
}

TEST_F(TControlTest, ADragMeasuresItsThresholdFromThePressNotFromWhereTheMouseWentSince)
{
    TTestForm form;
    auto* source = new TProbe(&form, &form, Bounds(10, 10, 80, 50));
    TLines events;
    source->OnMouseDown = TMouseEvent::FromCallable(
        [&](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(false, 10); });
    source->OnDragOver =
        TDragOverEvent::FromCallable([&](TObject*, TObject*, int X, int Y, TDragState State, bool& Accept) {
            events.push_back("over " + std::to_string(State) + " " + std::to_string(X) + "," + std::to_string(Y));
            Accept = false;
        });
    ShowActive(&form);

    // The move is queued before the press is handled.
    InjectMouseDown(ScreenPoint(source, 5, 5));
    InjectMouseMove(ScreenPoint(source, 17, 5));
    Pump();
    EXPECT_TRUE(source->Dragging());
    EXPECT_EQ(events, (TLines{"over 0 17,5", "over 2 17,5"}));
    InjectKeyStroke(VK_ESCAPE);
    InjectMouseUp(ScreenPoint(source, 17, 5));
    Pump();
    EXPECT_FALSE(source->Dragging());
}

}  // namespace
