// The list view from the keyboard and the mouse: moving the focus in the
// view's style, selecting with Ctrl and Shift, check boxes by Space and
// click, hot tracking, and renaming by F2 or a slow second click.
#include <algorithm>

#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/textedit/in_place_edit_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/win/message_queue.h"
#include "platform/win/system_info.h"
#include "platform/win/virtual_keys.h"

void TCustomListView::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    UserKey(Key, Shift);
}

void TCustomListView::UserKey(WORD Key, TShiftState Shift)
{
    const int count = items_->Count();
    if (count == 0)
        return;
    if (Key == VK_F2) {
        if (focusIndex_ >= 0 && IndexSelected(focusIndex_))
            StartEdit(focusIndex_);
        return;
    }
    if (Key == VK_SPACE) {
        if (checkboxes_)
            ToggleChecks();
        else if (focusIndex_ >= 0 && Shift.Contains(ssCtrl))
            UserSelect(focusIndex_, TShiftState().Include(ssCtrl));
        return;
    }
    const TGrid grid = Grid();
    const int page = std::max(grid.Page, 1) * grid.PerLine;
    // Across moves by one item in rows of icons and by a column in a list.
    const int across = viewStyle_ == vsList ? grid.PerLine : (viewStyle_ == vsReport ? 0 : 1);
    const int down = viewStyle_ == vsList || viewStyle_ == vsReport ? 1 : grid.PerLine;
    const int current = focusIndex_ < 0 ? -1 : focusIndex_;
    int target = current;
    switch (Key) {
    case VK_UP: target = current - down; break;
    case VK_DOWN: target = current + down; break;
    case VK_LEFT:
        if (across == 0)
            return Scroll(-RowHeight(), 0);
        target = current - across;
        break;
    case VK_RIGHT:
        if (across == 0)
            return Scroll(RowHeight(), 0);
        target = current + across;
        break;
    case VK_PRIOR: target = current - page + (viewStyle_ == vsReport ? 1 : 0); break;
    case VK_NEXT: target = current + page - (viewStyle_ == vsReport ? 1 : 0); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return;
    }
    if (current < 0 && Key != VK_END)
        target = 0;
    target = std::clamp(target, 0, count - 1);
    if (multiSelect_ && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
        // Ctrl moves the focus alone; Ctrl+Space then adds the item.
        FocusIndex(target);
        MakeIndexVisible(target);
        return;
    }
    UserSelect(target, Shift.Contains(ssShift) ? TShiftState().Include(ssShift) : TShiftState());
}

void TCustomListView::ToggleChecks()
{
    if (focusIndex_ < 0 || ownerData_)
        return;
    // Space sets every selected item as the focused one goes.
    TListItem* focused = ItemAt(focusIndex_);
    const bool value = !focused->checked_;
    for (int i = 0; i < items_->Count(); ++i)
        if (i == focusIndex_ || IndexSelected(i))
            ItemAt(i)->SetChecked(value);
}

void TCustomListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CanFocus() && !Focused() && !(editBox_ && editBox_->Focused()))
        SetFocus();
    const int index = IndexAt(X, Y);
    pressOnSelected_ = false;
    if (Button == mbLeft && index >= 0) {
        const TRect icon = ItemRect(index, drIcon);
        if (checkboxes_ && viewStyle_ != vsIcon && !ownerData_ && X >= icon.Left - FlatGlyphSize - 2 &&
            X < icon.Left) {
            TListItem* item = ItemAt(index);
            item->SetChecked(!item->checked_);
        } else if (GetItemAt(X, Y)) {
            const TRect label = ItemRect(index, drLabel);
            const bool onLabel = X >= label.Left && X < label.Right && Y >= label.Top && Y < label.Bottom;
            const uint32_t now = static_cast<uint32_t>(GetMessageTime());
            // A slow click on the caption of the item already chosen renames it.
            pressOnSelected_ = onLabel && index == focusIndex_ && IndexSelected(index) && Shift == TShiftState{ssLeft} &&
                               now - pressTime_ >= GetDoubleClickTime();
            if (!pressOnSelected_)
                pressTime_ = now;
            if (!(pressOnSelected_ && SelCount() == 1))
                UserSelect(index, Shift);
        } else if (!Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
            ClearSelection();
        }
    } else if (Button == mbLeft && !Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
        ClearSelection();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !pressOnSelected_)
        return;
    pressOnSelected_ = false;
    const int index = IndexAt(X, Y);
    if (index == focusIndex_)
        StartEdit(index);
}

void TCustomListView::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!hotTrack_)
        return;
    const int index = GetItemAt(X, Y) ? IndexAt(X, Y) : -1;
    if (index == hotIndex_)
        return;
    InvalidateIndex(hotIndex_);
    hotIndex_ = index;
    InvalidateIndex(hotIndex_);
}

bool TCustomListView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    SetTopLine(topLine_ + 3);
    return true;
}

bool TCustomListView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    SetTopLine(topLine_ - 3);
    return true;
}
