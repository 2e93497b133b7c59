#include "skin/form/bs_mdi_tabs_bar.h"

#include <algorithm>

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/cursor.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_skin_form.h"

namespace {

// The places of the two menu buttons at the bar's ends.
constexpr int MenuButtonPlace = 15;
constexpr int AddButtonSize = 14;

bool Contains(const TRect& R, int X, int Y)
{
    return X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom;
}

// A tab's close button, which it keeps in its own coordinates, on the bar.
TRect CloseButtonOnBar(const TbsMDITab* Tab)
{
    TRect r = Tab->CloseButtonRect;
    OffsetRect(r, Tab->ObjectRect.Left, Tab->ObjectRect.Top);
    return r;
}

}  // namespace

TbsSkinMDITabsBar::TbsSkinMDITabsBar(TComponent* AOwner) : TbsSkinControl(AOwner), defaultFont_(std::make_unique<TFont>())
{
    SetSkinDataName("tab");
    defaultFont_->SetName("Arial");
    defaultFont_->SetHeight(14);
    defaultFont_->SetStyle(TFontStyles());
    SetBounds(Left(), Top(), 150, 21);
}

TbsSkinMDITabsBar::~TbsSkinMDITabsBar()
{
    SetSkinForm(nullptr);
}

TbsMDITab* TbsSkinMDITabsBar::FindTab(TCustomForm* Child) const
{
    for (const auto& tab : tabs_)
        if (tab->Child == Child)
            return tab.get();
    return nullptr;
}

void TbsSkinMDITabsBar::AddTab(TCustomForm* Child)
{
    if (FindTab(Child))
        return;
    tabs_.push_back(std::make_unique<TbsMDITab>(this, Child));
    // A child freed without hiding first must not leave its tab behind.
    Child->FreeNotification(this);
    UpdateMenuButtons();
    Invalidate();
}

void TbsSkinMDITabsBar::DeleteTab(TCustomForm* Child)
{
    auto it = std::find_if(tabs_.begin(), tabs_.end(), [Child](const auto& tab) { return tab->Child == Child; });
    if (it == tabs_.end())
        return;
    const int index = static_cast<int>(it - tabs_.begin());
    if (activeTabIndex_ == index && OnTabMouseLeave)
        OnTabMouseLeave(it->get());
    activeTabIndex_ = -1;
    oldTabIndex_ = -1;
    // A drag of any tab ends: the indexes it holds no longer name the tabs
    // they named.
    tabDown_ = false;
    dragging_ = false;
    dragTabIndex_ = -1;
    dragOffset_ = 0;
    Child->RemoveFreeNotification(this);
    tabs_.erase(tabs_.begin() + index);
    UpdateMenuButtons();
    Invalidate();
}

void TbsSkinMDITabsBar::UpdateTab(TCustomForm* Child)
{
    if (TbsMDITab* tab = FindTab(Child); tab && HandleAllocated())
        DrawTab(tab, Canvas());
}

void TbsSkinMDITabsBar::UpdateTabs()
{
    // The children report to the form whose frame the bar serves; without
    // one, to the application's main form.
    TCustomForm* main = skinForm_ ? skinForm_->Form() : Application ? Application->MainForm() : nullptr;
    TCustomForm* active = main ? main->ActiveMDIChild() : nullptr;
    if (!active)
        return;
    for (auto& tab : tabs_)
        tab->Active = tab->Child == active;
    Invalidate();
}

void TbsSkinMDITabsBar::SetShowAddButton(bool Value)
{
    showAddButton_ = Value;
    Invalidate();
}

void TbsSkinMDITabsBar::SetTabKind(TbsSkinMDITabKind Value)
{
    tabKind_ = Value;
    if (Skinned())
        Invalidate();
}

void TbsSkinMDITabsBar::SetSkinForm(TbsSkinForm* Value)
{
    if (skinForm_ == Value)
        return;
    if (skinForm_)
        skinForm_->RemoveFreeNotification(this);
    skinForm_ = Value;
    if (skinForm_)
        skinForm_->FreeNotification(this);
}

void TbsSkinMDITabsBar::SetDefaultHeight(int Value)
{
    defaultHeight_ = Value;
    if (!Skinned() && Value >= 1)
        SetHeight(Value);
}

void TbsSkinMDITabsBar::SetDefaultFont(TFont* Value)
{
    defaultFont_->Assign(Value);
}

void TbsSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinForm_)
        skinForm_ = nullptr;
    if (AComponent == leftButton_)
        leftButton_ = nullptr;
    if (AComponent == rightButton_)
        rightButton_ = nullptr;
    // By now the child may be no more than a component: it is found by
    // its address.
    for (const auto& tab : tabs_)
        if (static_cast<TComponent*>(tab->Child) == AComponent) {
            DeleteTab(tab->Child);
            break;
        }
}

void TbsSkinMDITabsBar::AdjustClientRect(TRect& Rect)
{
    if (TabMode() && Skinned())
        Rect.Bottom -= skin_.StripHeight;
}

void TbsSkinMDITabsBar::CalcTabRects()
{
    const int count = TabCount();
    if (count == 0) {
        addButtonRect_ = TRect{2, Height() / 2 - 8, 16, Height() / 2 + 6};
        hiddenCount_ = 0;
        return;
    }
    hiddenCount_ = 0;
    const int W = Width() - (showAddButton_ ? 19 : 0);
    const int H = Height() - (TabMode() && Skinned() ? skin_.StripHeight : 0);
    const int w = std::min((W - MenuButtonPlace) / count, DefaultTabWidth);
    int lastRight = MenuButtonPlace;
    if (MinTabWidth == 0 || w >= MinTabWidth) {
        for (int i = 0; i < count; ++i) {
            TbsMDITab* tab = Tabs(i);
            tab->Visible = true;
            tab->ObjectRect = TRect{MenuButtonPlace + i * w, 0, MenuButtonPlace + (i + 1) * w, H};
        }
        if (w < DefaultTabWidth)
            Tabs(count - 1)->ObjectRect.Right = W;
        lastRight = Tabs(count - 1)->ObjectRect.Right;
        rightLimit_ = W;
    } else {
        const int fit = std::max(0, (W - 2 * MenuButtonPlace) / MinTabWidth);
        for (int i = 0; i < count; ++i) {
            TbsMDITab* tab = Tabs(i);
            tab->Visible = i < fit;
            if (tab->Visible) {
                tab->ObjectRect = TRect{MenuButtonPlace + i * MinTabWidth, 0, MenuButtonPlace + (i + 1) * MinTabWidth, H};
                lastRight = tab->ObjectRect.Right;
            } else {
                tab->ObjectRect = TRect{};
                ++hiddenCount_;
            }
        }
        rightLimit_ = W - MenuButtonPlace;
    }
    const int top = Height() / 2 - 8;
    addButtonRect_ = TRect{lastRight + 2, top, lastRight + 2 + AddButtonSize, top + AddButtonSize};
    if (dragging_ && dragTabIndex_ >= 0 && dragTabIndex_ < count) {
        TRect& r = Tabs(dragTabIndex_)->ObjectRect;
        const int width = RectWidth(r);
        int left = r.Left + dragOffset_;
        left = std::min(left, rightLimit_ - width);
        left = std::max(left, 0);
        r.Left = left;
        r.Right = left + width;
    }
}

int TbsSkinMDITabsBar::TabAt(int X, int Y) const
{
    for (int i = 0; i < TabCount(); ++i)
        if (Tabs(i)->Visible && Contains(Tabs(i)->ObjectRect, X, Y))
            return i;
    return -1;
}

int TbsSkinMDITabsBar::DropIndex() const
{
    if (!dragging_ || dragOffset_ == 0 || dragTabIndex_ < 0 || dragTabIndex_ >= TabCount())
        return -1;
    const TRect& dragged = Tabs(dragTabIndex_)->ObjectRect;
    int result = -1;
    if (dragOffset_ > 0) {
        for (int i = dragTabIndex_ + 1; i < TabCount(); ++i) {
            const TbsMDITab* tab = Tabs(i);
            if (tab->Visible && (tab->ObjectRect.Left + tab->ObjectRect.Right) / 2 < dragged.Right)
                result = i;
        }
    } else {
        for (int i = dragTabIndex_ - 1; i >= 0; --i) {
            const TbsMDITab* tab = Tabs(i);
            if (tab->Visible && (tab->ObjectRect.Left + tab->ObjectRect.Right) / 2 > dragged.Left)
                result = i;
        }
    }
    return result;
}

void TbsSkinMDITabsBar::TestActive(int X, int Y)
{
    // Tabs may have come, gone or moved since the last paint.
    CalcTabRects();
    const int hot = TabAt(X, Y);
    const bool changed = hot != activeTabIndex_;
    if (changed) {
        oldTabIndex_ = activeTabIndex_;
        activeTabIndex_ = hot;
        if (oldTabIndex_ >= 0 && oldTabIndex_ < TabCount() && Tabs(oldTabIndex_)->Visible) {
            TbsMDITab* old = Tabs(oldTabIndex_);
            old->MouseIn = false;
            DrawTab(old, Canvas());
            if (OnTabMouseLeave)
                OnTabMouseLeave(old);
        }
        if (hot >= 0) {
            TbsMDITab* tab = Tabs(hot);
            tab->MouseIn = true;
            DrawTab(tab, Canvas());
            if (OnTabMouseEnter)
                OnTabMouseEnter(tab);
        }
    }
    if (ShowCloseButtons)
        TrackCloseButtons(X, Y, changed);
    if (showAddButton_) {
        const bool in = Contains(addButtonRect_, X, Y);
        if (in != addButtonMouseIn_) {
            addButtonMouseIn_ = in;
            Invalidate();
        }
    }
}

void TbsSkinMDITabsBar::TrackCloseButtons(int X, int Y, bool HotChanged)
{
    bool cleared = false;
    if (HotChanged)
        for (int i = 0; i < TabCount(); ++i) {
            TbsMDITab* tab = Tabs(i);
            if (i != activeTabIndex_ && (tab->CloseMouseIn || tab->CloseDown)) {
                tab->CloseMouseIn = tab->CloseDown = false;
                cleared = true;
            }
        }
    if (cleared)
        Invalidate();
    if (activeTabIndex_ < 0)
        return;
    TbsMDITab* tab = Tabs(activeTabIndex_);
    const TRect r = CloseButtonOnBar(tab);
    const bool in = Contains(r, X, Y);
    if (in && !tab->CloseMouseIn) {
        tab->CloseMouseIn = true;
        DrawTab(tab, Canvas());
    } else if (!in && (tab->CloseMouseIn || tab->CloseDown)) {
        tab->CloseMouseIn = tab->CloseDown = false;
        DrawTab(tab, Canvas());
    }
}

void TbsSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseDown(Button, Shift, X, Y);
    if (!alive)
        return;
    TestActive(X, Y);
    if (activeTabIndex_ >= 0) {
        TbsMDITab* tab = Tabs(activeTabIndex_);
        if (Button == mbLeft)
            LeftDownOnTab(tab, Shift, X, Y);
        else if (Button == mbRight && SupportChildMenus)
            OpenChildMenu(tab);
        if (alive && activeTabIndex_ >= 0 && OnTabMouseDown)
            OnTabMouseDown(Button, Shift, Tabs(activeTabIndex_));
        return;
    }
    if (Button == mbLeft && showAddButton_ && addButtonMouseIn_) {
        addButtonDown_ = true;
        Invalidate();
    }
}

void TbsSkinMDITabsBar::LeftDownOnTab(TbsMDITab* Tab, TShiftState Shift, int X, int Y)
{
    TCustomForm* child = Tab->Child;
    const int index = activeTabIndex_;
    BringChildForward(child);
    UpdateTabs();
    // Showing the child may have taken its tab away.
    if (index >= TabCount() || Tabs(index) != Tab)
        return;
    tabDown_ = true;
    if (MoveTabs) {
        dragTabIndex_ = index;
        downX_ = X;
        dragOffset_ = 0;
    }
    const TbsSkinForm* frame = FindSkinFormComponent(child);
    const bool normal = frame ? frame->WindowState() == wsNormal : child->WindowState() == wsNormal;
    if (Shift.Contains(ssDouble) && DblClickChildMove && normal)
        child->SetBounds(0, 0, child->Width(), child->Height());
    const TRect close = CloseButtonOnBar(Tab);
    if (ShowCloseButtons && Contains(close, X, Y)) {
        tabDown_ = false;
        dragTabIndex_ = -1;
        Tab->CloseMouseIn = Tab->CloseDown = true;
        DrawTab(Tab, Canvas());
    }
}

void TbsSkinMDITabsBar::BringChildForward(TCustomForm* Child)
{
    TbsSkinForm* frame = FindSkinFormComponent(Child);
    if (frame && frame->WindowState() == wsMinimized)
        frame->SetWindowState(wsNormal);
    Child->Show();
    Child->BringToFront();
}

void TbsSkinMDITabsBar::OpenChildMenu(TbsMDITab* Tab)
{
    TbsSkinForm* frame = FindSkinFormComponent(Tab->Child);
    if (!frame || !skinForm_)
        return;
    TMenuItem* items = frame->GetSystemMenuItems();
    if (!items || items->Count() == 0)
        return;
    TPoint p{};
    GetCursorPos(&p);
    skinForm_->SkinMenuOpen();
    TbsSkinData* data = skinForm_->MenusSkinData() ? skinForm_->MenusSkinData() : skinForm_->SkinData();
    skinForm_->SkinMenu()->PopupRect(Parent(), data, false, items, TRect{p.X, p.Y, p.X, p.Y}, 0);
}

void TbsSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseMove(Shift, X, Y);
    if (!alive)
        return;
    if (tabDown_ && dragTabIndex_ != -1 && !dragging_ && X != downX_)
        dragging_ = true;
    if (dragging_) {
        dragOffset_ = X - downX_;
        Invalidate();
        return;
    }
    TestActive(X, Y);
}

void TbsSkinMDITabsBar::Drop()
{
    CalcTabRects();
    const int target = DropIndex();
    if (target != -1 && target != dragTabIndex_) {
        auto moved = std::move(tabs_[static_cast<size_t>(dragTabIndex_)]);
        tabs_.erase(tabs_.begin() + dragTabIndex_);
        tabs_.insert(tabs_.begin() + target, std::move(moved));
    }
    dragging_ = false;
    dragTabIndex_ = -1;
    dragOffset_ = 0;
    activeTabIndex_ = -1;
    oldTabIndex_ = -1;
    CalcTabRects();
    Invalidate();
}

void TbsSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinControl::MouseUp(Button, Shift, X, Y);
    if (!alive)
        return;
    tabDown_ = false;
    if (dragging_) {
        Drop();
    } else {
        const int index = TabAt(X, Y);
        dragTabIndex_ = -1;
        if (index >= 0 && OnTabMouseUp) {
            OnTabMouseUp(Button, Shift, Tabs(index));
            if (!alive)
                return;
        }
    }
    if (showAddButton_) {
        const bool click = addButtonDown_ && Contains(addButtonRect_, X, Y);
        addButtonDown_ = false;
        if (click) {
            Invalidate();
            if (OnAddButtonClick)
                OnAddButtonClick(this);
            if (!alive)
                return;
        }
    }
    if (ShowCloseButtons && Button == mbLeft)
        ReleaseCloseButton(X, Y);
}

void TbsSkinMDITabsBar::ReleaseCloseButton(int X, int Y)
{
    TbsMDITab* pressed = nullptr;
    for (auto& tab : tabs_) {
        const TRect r = CloseButtonOnBar(tab.get());
        if (tab->CloseDown && tab->Visible && Contains(r, X, Y)) {
            pressed = tab.get();
        } else if (tab->CloseDown || tab->CloseMouseIn) {
            tab->CloseDown = tab->CloseMouseIn = false;
            Invalidate();
        }
    }
    if (!pressed)
        return;
    pressed->CloseDown = false;
    pressed->CloseMouseIn = true;
    DrawTab(pressed, Canvas());
    // Closing hides the child, which takes its tab away (and a child that
    // frees itself goes only after this handler): neither is touched after.
    TCustomForm* child = pressed->Child;
    child->Close();
}

void TbsSkinMDITabsBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSELEAVE: {
        TAlive alive(this);
        TbsSkinControl::Dispatch(Message);
        if (alive)
            TestActive(-1, -1);
        return;
    }
    case WM_PARENTIMAGECHANGED:
    case WM_MOVE:
        TbsSkinControl::Dispatch(Message);
        if ((Message.Msg != WM_MOVE || Align() == alNone) && Skinned() && SkinData()->MDITabsTransparent)
            Invalidate();
        return;
    default:
        TbsSkinControl::Dispatch(Message);
        return;
    }
}
