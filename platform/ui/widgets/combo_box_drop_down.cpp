// The combo box's dropped list: opening and closing it, the mouse while
// the box holds the capture, and the keys.
#include <algorithm>

#include "platform/base/strings.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/combo_box_edit.h"
#include "platform/ui/widgets/combo_box_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/focus_on_press.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/monitors.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// Rows a notch of the wheel scrolls the dropped list.
constexpr int WheelRows = 3;

}  // namespace

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value)
        OpenList();
    else
        CloseList(false);
}

TRect TCustomComboBox::ListBounds()
{
    const int rows = std::clamp(list_->Count(), 1, dropDownCount_);
    const int border = 2 * GetSystemMetrics(SM_CYBORDER);
    TRect box;
    GetWindowRect(Handle(), &box);
    MONITORINFO monitor;
    GetMonitorInfo(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    return DropDownBounds(box, box.Width(), rows * list_->ItemHeight() + border, monitor.rcWork);
}

void TCustomComboBox::OpenList()
{
    if (droppedDown_ || !HandleAllocated() || !IsWindowVisible(Handle()))
        return;
    TAlive alive(this);
    // The handler may fill the list.
    DropDown();
    if (!alive || droppedDown_)
        return;
    list_->Font()->Assign(Font());
    list_->SetBoundsRect(ListBounds());
    droppedIndex_ = list_->ItemIndex();
    list_->SetTopIndex(std::max(droppedIndex_, 0));
    const TRect r = list_->BoundsRect();
    SetWindowPos(list_->Handle(), HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    droppedDown_ = true;
    SetCapture(Handle());
    Invalidate();
}

void TCustomComboBox::CloseList(bool Take)
{
    if (!droppedDown_)
        return;
    droppedDown_ = false;
    ShowWindow(list_->Handle(), SW_HIDE);
    // The highlight goes back to the selection; a taken row is picked anew.
    const int highlight = list_->ItemIndex();
    list_->SetItemIndex(droppedIndex_);
    if (GetCapture() == Handle()) {
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
    }
    Invalidate();
    TAlive alive(this);
    CloseUp();
    if (alive && Take)
        UserSelect(highlight);
}

void TCustomComboBox::ListMouse(TMessage& Message)
{
    TPoint screen = ClientToScreen(TWMMouse(Message).Pos());
    TRect listRect;
    GetWindowRect(list_->Handle(), &listRect);
    const TPoint inList = list_->ScreenToClient(screen);
    const bool overRows = PtInRect(list_->ClientRect(), inList);
    const int row = overRows ? list_->ItemAtPos(inList, true) : -1;
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        if (row >= 0)
            list_->SetItemIndex(row);
        return;
    case WM_LBUTTONUP:
        if (row >= 0) {
            list_->SetItemIndex(row);
            CloseList(true);
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (overRows)
            return;
        if (PtInRect(listRect, screen)) {
            // The list's scroll bar tracks the press in a loop of its own,
            // with the capture; the box takes it back after.
            const LPARAM point = PointToLParam(screen.X, screen.Y);
            const LRESULT hit = SendMessage(list_->Handle(), WM_NCHITTEST, 0, point);
            releasing_ = true;
            ReleaseCapture();
            releasing_ = false;
            SendMessage(list_->Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), point);
            if (droppedDown_)
                SetCapture(Handle());
            return;
        }
        // A press on the box itself closes the list like one outside it.
        CloseList(false);
        return;
    default:
        // Other buttons anywhere close the list.
        CloseList(false);
        return;
    }
}

bool TCustomComboBox::MoveKey(WORD Key)
{
    TCustomListBox* target = list_.get();
    const int count = target->Count();
    if (count == 0)
        return false;
    const int current = target->ItemIndex();
    const int page = std::max(dropDownCount_ - 1, 1);
    int index = 0;
    switch (Key) {
    case VK_UP:
    case VK_LEFT: index = current - 1; break;
    case VK_DOWN:
    case VK_RIGHT: index = current + 1; break;
    case VK_PRIOR: index = current - page; break;
    case VK_NEXT: index = current + page; break;
    case VK_HOME: index = 0; break;
    case VK_END: index = count - 1; break;
    default: return false;
    }
    index = std::clamp(index, 0, count - 1);
    if (droppedDown_)
        target->SetItemIndex(index);
    else
        UserSelect(index);
    return true;
}

bool TCustomComboBox::ListKey(WORD Key, TShiftState Shift)
{
    const bool altArrow = Shift.Contains(ssAlt) && (Key == VK_DOWN || Key == VK_UP);
    if (Key == VK_F4 || altArrow) {
        if (droppedDown_)
            CloseList(true);
        else
            OpenList();
        return true;
    }
    if (Shift.Contains(ssAlt))
        return false;
    if (droppedDown_ && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        CloseList(Key == VK_RETURN);
        return true;
    }
    // In the edit part Left, Right, Home and End move the caret.
    if (edit_ && !droppedDown_ && Key != VK_UP && Key != VK_DOWN && Key != VK_PRIOR && Key != VK_NEXT)
        return false;
    if (edit_ && (Key == VK_LEFT || Key == VK_RIGHT))
        return false;
    return MoveKey(Key);
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (alive && Key != 0 && ListKey(Key, Shift))
        Key = 0;
}

void TCustomComboBox::KeyPress(char& Key)
{
    TAlive alive(this);
    TCustomControl::KeyPress(Key);
    if (!alive || !typeAhead_.Type(Key, GetTickCount()))
        return;
    if (AutoDropDown && !droppedDown_) {
        OpenList();
        if (!alive)
            return;
    }
    const int found = list_->FindTyped(typeAhead_);
    if (found < 0)
        return;
    if (droppedDown_)
        list_->SetItemIndex(found);
    else
        UserSelect(found);
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    if (Button == mbLeft && !TakeFocusOnPress(this))
        return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        OpenList();
}

void TCustomComboBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // Enter and Escape belong to the dropped list, not to the form's
        // default and cancel buttons.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (droppedDown_ ? DLGC_WANTALLKEYS : 0);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (droppedDown_) {
            ListMouse(Message);
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    case WM_MOUSEWHEEL:
        if (droppedDown_) {
            const int notches = TWMMouseWheel(Message).WheelDelta() / WHEEL_DELTA;
            list_->SetTopIndex(list_->TopIndex() - notches * WheelRows);
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    case WM_SYSKEYDOWN:
        // Alt+Down and Alt+Up open and close the list; they are system
        // keys because Alt is held.
        if (ListKey(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam)))
            return;
        TCustomControl::Dispatch(Message);
        return;
    case WM_CAPTURECHANGED:
        if (!releasing_)
            CloseList(false);
        TCustomControl::Dispatch(Message);
        return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        CloseList(false);
        TCustomControl::Dispatch(Message);
        return;
    case WM_KILLFOCUS:
        CloseList(false);
        TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_SETFOCUS:
        // The edit part takes the focus the box gets.
        if (edit_) {
            edit_->SetFocus();
            return;
        }
        TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        LayoutEdit();
        return;
    case CM_ENABLEDCHANGED:
        CloseList(false);
        TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        AdjustSize();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // The button shows the mouse over the box.
        hot_ = Message.Msg == CM_MOUSEENTER;
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case CM_SHOWINGCHANGED:
        CloseList(false);
        TCustomControl::Dispatch(Message);
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}
