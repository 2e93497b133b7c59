// A skinned popup window at work: scrolling between its arrow areas, the
// cursor poll, mouse-up, the row animations and the keys the form frame
// passes on. Every entry point holds the manager busy, so a click that
// closes the chain never destroys this window while its handler runs.
#include <algorithm>

#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/timers.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollInterval = 100;

}  // namespace

void TbsSkinPopupWindow::WndProc(TMessage& Message)
{
    TbsSkinMenu::TBusy busy(menu_);
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_TIMER:
        TCustomControl::WndProc(Message);
        if (Message.WParam == kScrollTimer)
            ScrollTimer();
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

bool TbsSkinPopupWindow::CanScroll(int Direction) const
{
    if (Direction == 1)
        return topIndex_ > 0;
    return topIndex_ + visibleCount_ - 1 < ItemCount() - 1;
}

void TbsSkinPopupWindow::ScrollUp(bool Wrap)
{
    if (topIndex_ > 0)
        --topIndex_;
    else if (Wrap)
        topIndex_ = GetLastTopIndex();
    else
        return;
    PositionRows();
    Repaint();
}

void TbsSkinPopupWindow::ScrollDown(bool Wrap)
{
    if (CanScroll(2))
        ++topIndex_;
    else if (Wrap)
        topIndex_ = 0;
    else
        return;
    PositionRows();
    Repaint();
}

int TbsSkinPopupWindow::GetLastTopIndex() const
{
    // The same limits as PositionRows, so the last row is shown at the
    // bottom whatever the skin's rows area.
    int y = itemsRect_.Bottom - kPopupScrollArea;
    int counted = 0;
    for (int i = ItemCount() - 1; i >= 0; --i) {
        y -= RowHeight(Item(i)->MenuItem());
        if (y < itemsRect_.Top + kPopupScrollArea)
            break;
        ++counted;
    }
    return ItemCount() - counted;
}

void TbsSkinPopupWindow::StartScroll(int Code)
{
    scrollCode_ = Code;
    DrawArrowArea(Canvas(), Code == 1);
    PresentCanvas();
    menu_->CloseFrom(menu_->IndexOfPopup(this) + 1);
    SetTimer(Handle(), kScrollTimer, kScrollInterval);
}

void TbsSkinPopupWindow::StopScroll()
{
    scrollCode_ = 0;
    DrawArrowArea(Canvas(), true);
    DrawArrowArea(Canvas(), false);
    PresentCanvas();
    KillTimer(Handle(), kScrollTimer);
}

void TbsSkinPopupWindow::ScrollTimer()
{
    if (scrollCode_ == 1 && CanScroll(1))
        ScrollUp(false);
    else if (scrollCode_ == 2 && CanScroll(2))
        ScrollDown(false);
    else if (scrollCode_ != 0)
        StopScroll();
}

void TbsSkinPopupWindow::MouseTimerTick(TObject*)
{
    TbsSkinMenu::TBusy busy(menu_);
    TPoint screen;
    GetCursorPos(&screen);
    TPoint p = ScreenToClient(screen);
    if (p == lastMousePos_)
        return;
    lastMousePos_ = p;
    if (WindowFromPoint(screen) == Handle()) {
        TrackMouse(p.X, p.Y);
    } else if (scrollable_ && scrollCode_ != 0) {
        StopScroll();
    }
}

void TbsSkinPopupWindow::TrackMouse(int X, int Y)
{
    TbsSkinMenu::TBusy busy(menu_);
    TPoint p{X, Y};
    if (scrollable_) {
        bool inUp = PtInRect(UpArrowRect(), p);
        bool inDown = PtInRect(DownArrowRect(), p);
        if (inUp && scrollCode_ == 0 && CanScroll(1))
            StartScroll(1);
        else if (inDown && scrollCode_ == 0 && CanScroll(2))
            StartScroll(2);
        else if (!inUp && !inDown && scrollCode_ != 0)
            StopScroll();
    }
    if (ItemCount() == 0)
        return;
    OldActiveItem = ActiveItem;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i)->Visible && PtInRect(Item(i)->ObjectRect, p)) {
            ActiveItem = i;
            break;
        }
    if (ActiveItem >= ItemCount())
        ActiveItem = -1;
    if (ActiveItem == OldActiveItem) {
        if (ActiveItem != -1 && Item(ActiveItem)->WaitCommand) {
            TbsSkinMenuItem* row = Item(ActiveItem);
            row->WaitCommand = false;
            if (row->HasSubItems())
                row->MouseEnter(false);
        }
        return;
    }
    if (OldActiveItem >= 0 && OldActiveItem < ItemCount() && Item(OldActiveItem)->Selectable())
        Item(OldActiveItem)->MouseLeave();
    if (ActiveItem >= 0 && Item(ActiveItem)->Selectable())
        Item(ActiveItem)->MouseEnter(false);
}

void TbsSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TbsSkinMenu::TBusy busy(menu_);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    TrackMouse(X, Y);
    if (Button != mbLeft || ActiveItem < 0 || ActiveItem >= ItemCount())
        return;
    TPoint p{X, Y};
    bool onRow = std::any_of(itemList_.begin(), itemList_.end(),
                             [&](const auto& Row) { return Row->Visible && PtInRect(Row->ObjectRect, p); });
    if (onRow && !Item(ActiveItem)->IsSeparator())
        Item(ActiveItem)->Click();
}

void TbsSkinPopupWindow::AnimationTimerTick(TObject*)
{
    TbsSkinMenu::TBusy busy(menu_);
    bool stepped = false;
    if (skinData_ != nullptr)
        for (int i = 0; i < ItemCount(); ++i) {
            TbsSkinMenuItem* row = Item(i);
            if (row->CanMorph() && row->NeedsMorphStep()) {
                row->StepMorph();
                stepped = true;
            } else if (row->CanAnimate()) {
                if (row->Active && row->FrameIndex <= row->ItemDescription()->FrameCount) {
                    ++row->FrameIndex;
                    DrawItem(row);
                    stepped = true;
                } else if (!row->Active && row->FrameIndex >= 1) {
                    --row->FrameIndex;
                    DrawItem(row);
                    stepped = true;
                }
            }
        }
    if (!stepped)
        animationTimer_->SetEnabled(false);
}

void TbsSkinPopupWindow::CloseSubMenus()
{
    TbsSkinMenu::TBusy busy(menu_);
    menu_->CloseFrom(menu_->IndexOfPopup(this) + 1);
    for (const auto& row : itemList_) {
        if (!row->Down)
            continue;
        row->Down = false;
        if (row->CanAnimate() && !row->ItemDescription()->InActiveAnimation) {
            row->FrameIndex = 0;
            DrawItem(row.get());
        } else {
            row->StartStateChange();
        }
    }
}

bool TbsSkinPopupWindow::AcceleratorKey(WORD Key)
{
    if (!Enabled())
        return false;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem* row = Item(i);
        if (!IsAccel(Key, row->MenuItem()->Caption()))
            continue;
        int old = ActiveItem;
        row->MouseEnter(false);
        ActiveItem = i;
        if (old != i && old >= 0 && old < ItemCount())
            Item(old)->MouseLeave();
        row->Click();
        return true;
    }
    return false;
}

// Scrolls by rows until row Index is among the shown ones.
void TbsSkinPopupWindow::ShowRow(int Index)
{
    if (!scrollable_)
        return;
    if (Index < topIndex_) {
        topIndex_ = Index;
        PositionRows();
        Repaint();
    }
    while (Index >= topIndex_ + visibleCount_ && CanScroll(2))
        ScrollDown(false);
}

void TbsSkinPopupWindow::KeyDown()
{
    if (scrollable_ && scrollCode_ == 0 && ActiveItem == topIndex_ + visibleCount_ - 1)
        ScrollDown(true);
    int start = ActiveItem < 0 || ActiveItem >= ItemCount() - 1 ? 0 : ActiveItem + 1;
    for (int i = start; i < ItemCount(); ++i)
        if (Item(i)->Selectable()) {
            ShowRow(i);
            ChangeActiveByKey(i);
            return;
        }
}

void TbsSkinPopupWindow::KeyUp()
{
    if (scrollable_ && scrollCode_ == 0 && ActiveItem == topIndex_)
        ScrollUp(true);
    int start = ActiveItem <= 0 || ActiveItem >= ItemCount() ? ItemCount() - 1 : ActiveItem - 1;
    for (int i = start; i >= 0; --i)
        if (Item(i)->Selectable()) {
            ShowRow(i);
            ChangeActiveByKey(i);
            return;
        }
}

void TbsSkinPopupWindow::ChangeActiveByKey(int NewActive)
{
    int old = ActiveItem;
    if (NewActive == old)
        return;
    ActiveItem = NewActive;
    Item(NewActive)->MouseEnter(true);
    if (old >= 0 && old < ItemCount())
        Item(old)->MouseLeave();
}

void TbsSkinPopupWindow::HandleMenuKey(WORD Key)
{
    TbsSkinMenu::TBusy busy(menu_);
    if (!Visible() || AcceleratorKey(Key))
        return;
    bool rowInRange = ActiveItem >= 0 && ActiveItem < ItemCount();
    switch (Key) {
    case VK_RETURN:
        if (rowInRange)
            Item(ActiveItem)->Click();
        break;
    case VK_RIGHT:
        if (rowInRange && Item(ActiveItem)->HasSubItems())
            Item(ActiveItem)->Click();
        break;
    case VK_DOWN:
        KeyDown();
        break;
    case VK_UP:
        KeyUp();
        break;
    case VK_ESCAPE:
    case VK_LEFT: {
        int count = menu_->PopupCount();
        if (count > 1) {
            // The parent window's active row may be none (-1) when the
            // mouse left it for a window further down the chain.
            TbsSkinPopupWindow* parent = menu_->Popup(count - 2);
            if (parent->ActiveItem >= 0 && parent->ActiveItem < parent->ItemCount()) {
                TbsSkinMenuItem* row = parent->Item(parent->ActiveItem);
                row->Down = false;
                row->StartStateChange();
            }
            menu_->CloseFrom(count - 1);
        } else if (Key == VK_ESCAPE) {
            menu_->CloseFrom(0);
        }
        break;
    }
    default:
        break;
    }
}
