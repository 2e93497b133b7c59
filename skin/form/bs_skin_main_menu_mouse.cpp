// The bar's side of the mouse: which object is hot, followed by a 50 ms
// timer that looks where the cursor is, so that a cursor standing still
// over the bar lights its item when the menu closes or the items are
// rebuilt; presses and releases on the objects and the overflow mark.
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "skin/form/bs_main_menu_bar_button.h"
#include "skin/form/bs_skin_main_menu.h"

void TbsSkinMainMenuBar::TrackPointer(int X, int Y)
{
    childButtons_->TestActive(X, Y);
    TestActive(X, Y);
}

void TbsSkinMainMenuBar::MouseTimerTick(TObject*)
{
    if (!HandleAllocated()) {
        mouseTimer_->SetEnabled(false);
        return;
    }
    TPoint cursor;
    GetCursorPos(&cursor);
    TPoint p = ScreenToClient(cursor);
    // The bar's right and bottom edges count as over it.
    if (p.X >= 0 && p.X <= Width() && p.Y >= 0 && p.Y <= Height()) {
        TrackPointer(p.X, p.Y);
        return;
    }
    mouseTimer_->SetEnabled(false);
    TrackPointer(-1, -1);
}

void TbsSkinMainMenuBar::TestActive(int X, int Y)
{
    if (items_.empty())
        return;
    OldActiveIndex = ActiveIndex;
    int hit = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i)->Enabled && PtInRect(Items(i)->ObjectRect, Point(X, Y))) {
            hit = i;
            break;
        }
    // In menu mode the highlighted item keeps its highlight while the
    // cursor is elsewhere.
    if (hit == -1 && OldActiveIndex != -1 && ShowAccelChar)
        ActiveIndex = OldActiveIndex;
    else
        ActiveIndex = hit;
    // While a press is held on another object, an item or a child button,
    // no item becomes hot.
    bool heldElsewhere = (MouseDownIndex != -1 && MouseDownIndex != ActiveIndex) || childButtons_->Pressed();
    if (heldElsewhere && ActiveIndex != -1)
        ActiveIndex = -1;
    if (ActiveIndex >= ItemCount())
        ActiveIndex = -1;
    if (OldActiveIndex >= ItemCount())
        OldActiveIndex = -1;
    if (OldActiveIndex != ActiveIndex) {
        if (OldActiveIndex != -1 && Items(OldActiveIndex)->Enabled)
            Items(OldActiveIndex)->MouseLeave();
        if (ActiveIndex != -1 && Items(ActiveIndex)->Enabled)
            Items(ActiveIndex)->MouseEnter();
    }
    bool onMark = PtInRect(TrackMarkRect(), Point(X, Y));
    if (HiddenItems && ScrollMenu() && onMark != TrackMarkActive) {
        TrackMarkActive = onMark;
        if (HandleAllocated())
            DrawTrackMark(Canvas());
    }
}

void TbsSkinMainMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TbsSkinControl::MouseDown(Button, Shift, X, Y);
    if (childButtons_->MouseDown(Button, Shift, X, Y))
        return;
    TestActive(X, Y);
    if (ActiveIndex != -1) {
        MouseDownIndex = ActiveIndex;
        Items(ActiveIndex)->MouseDown(Button);
    } else if (PtInRect(TrackMarkRect(), Point(X, Y))) {
        PopupHiddenItems();
    }
}

void TbsSkinMainMenuBar::MouseMove(TShiftState Shift, int X, int Y)
{
    // The timer's next tick finds what the cursor is over.
    mouseTimer_->SetEnabled(true);
    TbsSkinControl::MouseMove(Shift, X, Y);
}

void TbsSkinMainMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    MouseDownIndex = -1;
    childButtons_->MouseUp(Button);
    TbsSkinControl::MouseUp(Button, Shift, X, Y);
}
