// The ribbon's input: hot tracking, presses and releases of tabs and
// buttons, arrow and page keys, the wheel, and the child-window buttons.
#include "skin/form/bs_ribbon.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_skin_form.h"

namespace {

// The first item of Items whose rectangle holds (X, Y) and that Takes.
template <typename Pred>
int ItemAt(TbsRibbonButtonItems* Items, int X, int Y, Pred Takes)
{
    for (int i = 0; i < Items->Count(); ++i)
        if (Takes(Items->Items(i)) && PtInRect(Items->Items(i)->ItemRect, TPoint{X, Y}))
            return i;
    return -1;
}

// Moves the mouse-in flags to the item at Hot; true when any changed.
bool MarkHot(TbsRibbonButtonItems* Items, int Hot)
{
    bool changed = false;
    for (int i = 0; i < Items->Count(); ++i) {
        TbsRibbonButtonItem* item = Items->Items(i);
        changed |= item->MouseIn != (i == Hot);
        item->MouseIn = i == Hot;
    }
    return changed;
}

// The frame of the maximized child of the ribbon's form, nullptr for none.
TbsSkinForm* MaximizedChild(TbsSkinForm* SkinForm, TControl* Ribbon)
{
    TbsSkinForm* main = SkinForm ? SkinForm : FindSkinFormComponent(GetParentForm(Ribbon));
    return main && main->Form() ? main->MaximizedMDIChildFrame() : nullptr;
}

}  // namespace

void TbsRibbon::HotTrack(int X, int Y)
{
    if (tabs_->Count() == 0)
        return;
    int hot = -1;
    for (int i = 0; i < tabs_->Count() && hot == -1; ++i)
        if (tabs_->Items(i)->Visible() && PtInRect(tabs_->Items(i)->TabRect, TPoint{X, Y}))
            hot = i;
    bool repaint = false;
    if (hot != hotTab_) {
        if (hotTab_ >= 0 && hotTab_ < tabs_->Count())
            tabs_->Items(hotTab_)->Hot = false;
        if (hot >= 0)
            tabs_->Items(hot)->Hot = true;
        hotTab_ = hot;
        repaint = true;
    }
    int child = ItemAt(childButtons_.get(), X, Y, [](TbsRibbonButtonItem*) { return true; });
    repaint |= MarkHot(childButtons_.get(), child) || child != hotChild_;
    hotChild_ = child;
    int quick = -1;
    if (buttonsImageList_)
        quick = ItemAt(buttons_.get(), X, Y, [](TbsRibbonButtonItem* i) { return i->Enabled() && i->Visible(); });
    const bool quickFlags = MarkHot(buttons_.get(), quick);
    const bool quickHot = quick != hotQuick_;
    repaint |= quickFlags || quickHot;
    hotQuick_ = quick;
    UpdateQuickHint(quickHot, quickFlags);
    if (repaint)
        Invalidate();
}

void TbsRibbon::MouseMove(TShiftState Shift, int X, int Y)
{
    TbsSkinControl::MouseMove(Shift, X, Y);
    HotTrack(X, Y);
}

void TbsRibbon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    pressedQuick_ = pressedChild_ = -1;
    HotTrack(X, Y);
    bool menuOpen = appMenu_ && appMenu_->Visible();
    if (!menuOpen && hotTab_ != -1 && hotTab_ != tabIndex_) {
        SetTabIndex(hotTab_);
        if (!alive)
            return;
    }
    if (!menuOpen && hotTab_ != -1 && !Focused() && CanFocus())
        SetFocus();
    for (int i = 0; i < childButtons_->Count(); ++i)
        childButtons_->Items(i)->Down = i == hotChild_;
    pressedChild_ = hotChild_;
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->Down = i == hotQuick_;
    pressedQuick_ = hotQuick_;
    Invalidate();
    if (hotQuick_ != -1)
        OpenQuickMenu(hotQuick_);
    if (alive)
        HideQuickHint();
}

void TbsRibbon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseUp(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    HotTrack(X, Y);
    int childKind = 0;
    if (hotChild_ != -1) {
        if (childButtons_->Items(hotChild_)->Down)
            childKind = childButtons_->Items(hotChild_)->Kind;
    } else if (pressedChild_ != -1 && pressedChild_ < childButtons_->Count()) {
        childButtons_->Items(pressedChild_)->MouseIn = false;
    }
    for (int i = 0; i < childButtons_->Count(); ++i)
        childButtons_->Items(i)->Down = false;
    TNotifyEvent click;
    if (hotQuick_ != -1) {
        if (buttons_->Items(hotQuick_)->Down)
            click = buttons_->Items(hotQuick_)->OnClick;
    } else if (pressedQuick_ != -1 && pressedQuick_ < buttons_->Count()) {
        buttons_->Items(pressedQuick_)->MouseIn = false;
    }
    // The button whose menu is open stays down until the menu closes.
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->Down = buttons_->Items(i)->Down && i == menuQuick_;
    pressedQuick_ = pressedChild_ = -1;
    Invalidate();
    // The handlers run last: closing a child clears the child buttons, and
    // a click handler may free the ribbon.
    if (childKind != 0)
        RunChildButton(childKind);
    else if (click)
        click(this);
}

void TbsRibbon::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TbsSkinControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    int target = -1;
    switch (Key) {
    case VK_NEXT:
        target = NextVisibleTab(tabs_->Count(), -1);
        break;
    case VK_PRIOR:
        target = NextVisibleTab(-1, 1);
        break;
    case VK_LEFT:
    case VK_UP:
        target = NextVisibleTab(tabIndex_, -1);
        // Before the first tab comes the application button.
        if (target == -1 && appButton_->CanFocus()) {
            appButton_->SetFocus();
            return;
        }
        break;
    case VK_RIGHT:
    case VK_DOWN:
        target = NextVisibleTab(tabIndex_, 1);
        break;
    default:
        return;
    }
    if (target != -1)
        SetTabIndex(target);
}

bool TbsRibbon::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (!Focused())
        return TbsSkinControl::DoMouseWheel(Shift, WheelDelta, MousePos);
    int target = NextVisibleTab(tabIndex_, WheelDelta >= 0 ? -1 : 1);
    if (target != -1)
        SetTabIndex(target);
    return true;
}

void TbsRibbon::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case CM_MOUSELEAVE:
        TbsSkinControl::Dispatch(Message);
        HotTrack(-1, -1);
        return;
    case WM_SKINMENUCLOSED:
        QuickMenuClosed();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
        TbsSkinControl::Dispatch(Message);
        Invalidate();
        return;
    default:
        TbsSkinControl::Dispatch(Message);
    }
}

void TbsRibbon::MDIChildMaximize()
{
    if (childButtons_->Count() == 0)
        for (int kind = 1; kind <= 3; ++kind)
            childButtons_->Add()->Kind = kind;
    Invalidate();
}

void TbsRibbon::ChildMaximized(TCustomForm* /*Child*/) { MDIChildMaximize(); }

void TbsRibbon::ChildrenRestored() { MDIChildRestore(); }

void TbsRibbon::MDIChildRestore()
{
    if (childButtons_->Count() != 0 && !MaximizedChild(SkinForm, this)) {
        hotChild_ = pressedChild_ = -1;
        childButtons_->Clear();
        Invalidate();
    }
}

// Nothing after the child's Close touches the buttons: closing it may
// clear them.
void TbsRibbon::RunChildButton(int Kind)
{
    TbsSkinForm* child = MaximizedChild(SkinForm, this);
    if (!child)
        return;
    if (Kind == 1)
        child->CloseForm();
    else
        child->SetWindowState(Kind == 2 ? wsNormal : wsMinimized);
}
