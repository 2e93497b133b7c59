#include "skin/form/bs_skin_main_menu.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/form/bs_main_menu_bar_button.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_skin_form.h"

void TbsSkinMainMenu::SetSkinData(TbsSkinData* Value)
{
    skinData_ = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
}

void TbsSkinMainMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMainMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == skinData_)
        skinData_ = nullptr;
}

std::vector<TMenuItem*> MergedMenuItems(TMenu* Main, TMenu* Child)
{
    std::vector<TMenuItem*> list;
    TMenuItem* main = Main->Items();
    TMenuItem* child = Child->Items();
    auto childHasGroup = [child](uint8_t Group) {
        for (int i = 0; i < child->Count(); ++i)
            if (child->Items(i)->GroupIndex() == Group)
                return true;
        return false;
    };
    for (int i = 0; i < main->Count(); ++i)
        if (!childHasGroup(main->Items(i)->GroupIndex()))
            list.push_back(main->Items(i));
    for (int i = 0; i < child->Count(); ++i)
        list.push_back(child->Items(i));
    // Stable: items of one group keep the menu order.
    std::stable_sort(list.begin(), list.end(),
                     [](TMenuItem* A, TMenuItem* B) { return A->GroupIndex() < B->GroupIndex(); });
    return list;
}

TbsSkinMainMenuBar::TbsSkinMainMenuBar(TComponent* AOwner) : TbsSkinControl(AOwner)
{
    SetSkinDataName("mainmenubar");
    childButtons_ = std::make_unique<TbsMainMenuBarButtons>(this);
    defItemFont_ = std::make_unique<TFont>();
    defItemFont_->SetName("Arial");
    defItemFont_->SetHeight(14);
    defItemFont_->SetColor(clBtnText);
    struct TTimerSpec {
        std::unique_ptr<TTimer>* Timer;
        void (TbsSkinMainMenuBar::*Tick)(TObject*);
        UINT Interval;
    };
    for (auto [timer, tick, interval] : {TTimerSpec{&mouseTimer_, &TbsSkinMainMenuBar::MouseTimerTick, 50},
                                         TTimerSpec{&morphTimer_, &TbsSkinMainMenuBar::MorphTimerTick, 25},
                                         TTimerSpec{&animationTimer_, &TbsSkinMainMenuBar::AnimationTimerTick, 25}}) {
        *timer = std::make_unique<TTimer>(nullptr);
        (*timer)->SetEnabled(false);
        (*timer)->SetInterval(interval);
        (*timer)->SetOnTimer(TNotifyEvent(this, tick));
    }
    SetAlign(alTop);
    SetHeight(22);
}

TbsSkinMainMenuBar::~TbsSkinMainMenuBar() { SetSkinForm(nullptr); }

void TbsSkinMainMenuBar::Notification(TComponent* AComponent, TOperation Operation)
{
    bool skinGone = Operation == opRemove && AComponent == SkinData() && AComponent != nullptr;
    TbsSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    // The items hold the freed skin's pictures.
    if (skinGone) {
        GetSkinData();
        CreateMenuItems();
    }
    if (AComponent == mainMenu_) {
        mainMenu_ = nullptr;
        items_.clear();
        ActiveIndex = OldActiveIndex = MouseDownIndex = -1;
    }
    if (AComponent == skinForm_)
        skinForm_ = nullptr;
}

void TbsSkinMainMenuBar::SetMainMenu(TMainMenu* Value)
{
    mainMenu_ = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    CreateMenuItems();
    Invalidate();
}

void TbsSkinMainMenuBar::SetSkinForm(TbsSkinForm* Value)
{
    if (skinForm_ != nullptr && skinForm_->MainMenuBar == this)
        skinForm_->MainMenuBar = nullptr;
    if (skinForm_ != nullptr && skinForm_->MDIChildButtons == childButtons_.get())
        skinForm_->MDIChildButtons = nullptr;
    skinForm_ = Value;
    if (Value != nullptr) {
        Value->FreeNotification(this);
        Value->MainMenuBar = this;
        Value->MDIChildButtons = childButtons_.get();
    }
}

void TbsSkinMainMenuBar::SetScrollMenu(bool Value)
{
    scrollMenu_ = Value;
    Invalidate();
}

TMenu* TbsSkinMainMenuBar::GetChildMainMenu() const
{
    // The active child's menu; tests may put a finder of their own first.
    if (ChildMenuFinder)
        return ChildMenuFinder();
    TCustomForm* form = GetParentForm(const_cast<TbsSkinMainMenuBar*>(this));
    TCustomForm* child = form != nullptr ? form->ActiveMDIChild() : nullptr;
    return child != nullptr ? child->Menu() : nullptr;
}

void TbsSkinMainMenuBar::CreateMenuItems()
{
    items_.clear();
    ActiveIndex = OldActiveIndex = MouseDownIndex = -1;
    TbsSkinData* data = SkinData();
    itemsData_ = data;
    itemsLoad_ = data != nullptr ? data->LoadCount : 0;
    childButtons_->Rebuild();
    if (mainMenu_ == nullptr)
        return;
    TbsDataSkinMainMenuBarItem* description = nullptr;
    if (data != nullptr && !data->Empty) {
        GetSkinData();
        int index = data->FindObjectDescription(MenuBarItem);
        if (index >= 0)
            description = dynamic_cast<TbsDataSkinMainMenuBarItem*>(data->ObjectList[static_cast<size_t>(index)].get());
    }
    TMenu* child = GetChildMainMenu();
    MergeMenu = child != nullptr;
    std::vector<TMenuItem*> list;
    if (MergeMenu)
        list = MergedMenuItems(mainMenu_, child);
    else
        for (int i = 0; i < mainMenu_->Items()->Count(); ++i)
            list.push_back(mainMenu_->Items()->Items(i));
    for (TMenuItem* item : list)
        if (item->Visible())
            items_.push_back(std::make_unique<TbsSkinMainMenuBarItem>(this, item, description));
}

void TbsSkinMainMenuBar::UpdateItems()
{
    CreateMenuItems();
    Invalidate();
    mouseTimer_->SetEnabled(true);
}

void TbsSkinMainMenuBar::CalcItemsArea()
{
    if (!SkinUsed) {
        ItemsArea = TRect{2, 2, Width() - 2, Height() - 2};
        childButtons_->Place(ItemsArea);
        return;
    }
    ItemsArea = TRect{ItemsRect.Left, ItemsRect.Top, Width() - (SkinRect.Width() - ItemsRect.Right), ItemsRect.Bottom};
    if (!useSkinSize_)
        ItemsArea.Bottom = Height() - (SkinRect.Height() - ItemsRect.Bottom);
    childButtons_->Place(ItemsArea);
}

TRect TbsSkinMainMenuBar::TrackMarkRect() const
{
    if (!HiddenItems || !ScrollMenu())
        return TRect{};
    return TRect{ItemsArea.Right - TrackMarkWidth, ItemsArea.Top, ItemsArea.Right, ItemsArea.Bottom};
}

void TbsSkinMainMenuBar::PaintBar(TCanvas* Canvas)
{
    GetSkinData();
    KeepItemsCurrent();
    PaintBackground(Canvas);
    CalcItemsArea();
    HiddenItems = false;
    const TbsSkinMainMenuBarItem* previous = nullptr;
    for (auto& item : items_) {
        if (item->Visible)
            item->Draw(Canvas, previous);
        previous = item.get();
    }
    childButtons_->Draw(Canvas);
    DrawTrackMark(Canvas);
}

void TbsSkinMainMenuBar::DrawTrackMark(TCanvas* Canvas)
{
    TRect r = TrackMarkRect();
    if (IsRectEmpty(r))
        return;
    TColor colour = SkinUsed ? (TrackMarkActive ? TrackMarkActiveColor : TrackMarkColor)
                             : (TrackMarkActive ? clBtnText : clBtnShadow);
    if (!SkinUsed) {
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->FillRect(r);
    }
    DrawArrowImage(Canvas, r, colour, 2);
}

void TbsSkinMainMenuBar::Paint()
{
    TBitmap b;
    b.SetSize(Width(), Height());
    PaintBar(b.Canvas());
    Canvas()->Draw(0, 0, &b);
}

void TbsSkinMainMenuBar::DrawItem(TbsSkinMainMenuBarItem* Item)
{
    if (!HandleAllocated() || !Item->Visible)
        return;
    // Items built under another skin wait for the bar's repaint, which
    // builds them afresh.
    if (!ItemsCurrent()) {
        Invalidate();
        return;
    }
    int index = 0;
    while (index < ItemCount() && Items(index) != Item)
        ++index;
    Item->Draw(Canvas(), index > 0 ? Items(index - 1) : nullptr);
}

void TbsSkinMainMenuBar::Dispatch(TMessage& Message)
{
    // The skinned control fires OnMouseEnter and OnMouseLeave.
    TbsSkinControl::Dispatch(Message);
    if (Message.Msg == CM_MOUSEENTER && !Designing()) {
        mouseTimer_->SetEnabled(true);
    } else if (Message.Msg == CM_MOUSELEAVE && !Designing()) {
        mouseTimer_->SetEnabled(false);
        TrackPointer(-1, -1);
    } else if (Message.Msg == WM_SKINMENUCLOSED) {
        childButtons_->ReleaseSysMenuButton();
        if (!opening_)
            MenuExit();
    } else if (Message.Msg == WM_SIZE) {
        Invalidate();
    } else if (Message.Msg == WM_MOVE && Align() == alNone) {
        ParentImageChanged();
    }
}

void TbsSkinMainMenuBar::PopupHiddenItems()
{
    if (skinForm_ == nullptr || mainMenu_ == nullptr)
        return;
    int inView = 0;
    for (auto& item : items_)
        inView += item->InView ? 1 : 0;
    TPoint p = ClientToScreen(Point(ItemsArea.Right, ItemsArea.Top));
    TRect anchor{p.X - TrackMarkWidth, p.Y, p.X, p.Y + ItemsArea.Height()};
    TMenu* child = GetChildMainMenu();
    // The overflow always opens downwards, whatever PopupToUp says.
    PopupMenuItem(mainMenu_->Items(), child != nullptr ? child->Items() : nullptr, anchor, inView, false);
}

void TbsSkinMainMenuBar::PopupMenuItem(TMenuItem* Item, TMenuItem* Extra, const TRect& Anchor, int StartIndex,
                                       bool ToUp)
{
    skinForm_->SkinMenuOpen();
    opening_ = true;
    if (Extra != nullptr)
        skinForm_->SkinMenu()->PopupRectEx(this, SkinData(), ToUp, Extra, Item, Anchor, StartIndex);
    else
        skinForm_->SkinMenu()->PopupRect(this, SkinData(), ToUp, Item, Anchor, StartIndex);
    opening_ = false;
}
