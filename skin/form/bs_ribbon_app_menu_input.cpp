// The application menu's input: keys (arrows, pages, Enter, Space, Tab),
// the wheel, hot tracking and clicks on items, resizing and the size grip.
#include "skin/form/bs_ribbon_app_menu.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr int kGripSize = 10;

}  // namespace

bool TbsAppMenu::SizeGripActive() const
{
    TbsSkinForm* frame = Ribbon ? Ribbon->SkinForm : nullptr;
    if (!frame || frame->WindowState() == wsMaximized || frame->RollUpState())
        return false;
    TCustomForm* form = GetParentForm(const_cast<TbsAppMenu*>(this));
    return !form || form->BorderStyle() != bsSingle;
}

void TbsAppMenu::RunItem(int Index)
{
    if (Ribbon && Index >= 0 && Index < items_->Count())
        Ribbon->HideAppMenu(items_->Items(Index));
}

void TbsAppMenu::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TbsSkinControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    int target = -2;
    switch (Key) {
    case VK_NEXT:
        target = NextSelectable(items_->Count(), -1);
        break;
    case VK_PRIOR:
        target = NextSelectable(-1, 1);
        break;
    case VK_LEFT:
    case VK_UP:
        target = NextSelectable(itemIndex_, -1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        target = NextSelectable(itemIndex_, 1);
        break;
    case VK_RETURN:
    case VK_SPACE:
    case VK_TAB: {
        if (itemIndex_ < 0 || itemIndex_ >= items_->Count())
            return;
        TbsAppMenuItem* item = items_->Items(itemIndex_);
        TWinControl* first = item->Page() ? item->Page()->FirstActiveControl() : nullptr;
        if (first && first->Parent() == item->Page() && first->Visible() && first->Enabled()) {
            first->SetFocus();
            return;
        }
        if (!item->Page() && Key != VK_TAB) {
            if (Ribbon)
                RunItem(itemIndex_);
            return;
        }
        target = NextSelectable(itemIndex_, 1);
        break;
    }
    default:
        return;
    }
    if (target >= 0)
        SelectItem(target);
}

bool TbsAppMenu::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (!Focused() || WindowFromPoint(MousePos) != Handle())
        return TbsSkinControl::DoMouseWheel(Shift, WheelDelta, MousePos);
    int target = NextSelectable(itemIndex_, WheelDelta >= 0 ? -1 : 1);
    if (target >= 0)
        SelectItem(target);
    return true;
}

void TbsAppMenu::HotTrack(int X, int Y)
{
    LayOutItems();
    int hot = -1;
    for (int i = 0; i < items_->Count() && hot == -1; ++i) {
        TbsAppMenuItem* item = items_->Items(i);
        if (item->Visible() && item->Enabled() && PtInRect(item->ItemRect, TPoint{X, Y}))
            hot = i;
    }
    if (hot == hotItem_)
        return;
    if (hotItem_ >= 0 && hotItem_ < items_->Count())
        items_->Items(hotItem_)->Hot = false;
    if (hot >= 0)
        items_->Items(hot)->Hot = true;
    hotItem_ = hot;
    Invalidate();
}

void TbsAppMenu::MouseMove(TShiftState Shift, int X, int Y)
{
    TbsSkinControl::MouseMove(Shift, X, Y);
    HotTrack(X, Y);
}

void TbsAppMenu::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    HotTrack(X, Y);
    if (hotItem_ != itemIndex_)
        SelectItem(hotItem_);
    if (CanFocus())
        SetFocus();
}

void TbsAppMenu::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseUp(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    HotTrack(X, Y);
    if (itemIndex_ >= 0 && itemIndex_ < items_->Count() && !items_->Items(itemIndex_)->Page() && Ribbon &&
        hotItem_ == itemIndex_)
        RunItem(itemIndex_);
}

void TbsAppMenu::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        return;
    case CM_MOUSELEAVE:
        TbsSkinControl::Dispatch(Message);
        HotTrack(-1, -1);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TbsSkinControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_NCHITTEST: {
        TPoint p = ScreenToClient(Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
        if (SizeGripActive() && p.X >= Width() - kGripSize && p.Y >= Height() - kGripSize && p.X < Width() &&
            p.Y < Height()) {
            Message.Result = HTBOTTOMRIGHT;
            return;
        }
        TbsSkinControl::Dispatch(Message);
        return;
    }
    case WM_SIZE: {
        TAlive alive(this);
        TbsSkinControl::Dispatch(Message);
        if (!alive)
            return;
        if (activePage_)
            activePage_->SetBounds(0, 0, 0, 0);
        if (oldHeight_ != 0 && Height() != oldHeight_ && offset_ > 0)
            offset_ = std::max(0, offset_ - (Height() - oldHeight_));
        UpdateScrollBar();
        Invalidate();
        oldHeight_ = Height();
        return;
    }
    default:
        TbsSkinControl::Dispatch(Message);
    }
}
