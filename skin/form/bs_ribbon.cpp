// The ribbon bar: its button items, the skin description and the strip's
// heights, the page bounds, and the tabs and their selection.
#include "skin/form/bs_ribbon.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page.h"

TbsRibbonButtonItem::TbsRibbonButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TbsRibbonButtonItem::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    Changed(false);
}

void TbsRibbonButtonItem::SetEnabled(bool Value)
{
    enabled_ = Value;
    Changed(false);
}

void TbsRibbonButtonItem::SetVisible(bool Value)
{
    visible_ = Value;
    Changed(false);
}

void TbsRibbonButtonItem::Assign(TPersistent* Source)
{
    if (auto* item = dynamic_cast<TbsRibbonButtonItem*>(Source)) {
        imageIndex_ = item->imageIndex_;
        Hint = item->Hint;
        enabled_ = item->enabled_;
        visible_ = item->visible_;
        return;
    }
    TCollectionItem::Assign(Source);
}

TbsRibbonButtonItems::TbsRibbonButtonItems(TbsRibbon* ARibbon)
    : TCollection(TCollection::Of<TbsRibbonButtonItem>()), ribbon_(ARibbon)
{
}

TPersistent* TbsRibbonButtonItems::GetOwner() { return ribbon_; }

void TbsRibbonButtonItems::Update(TCollectionItem* /*Item*/)
{
    if (!ribbon_->ComponentState().Contains(csLoading))
        ribbon_->Invalidate();
}

TbsRibbon::TbsRibbon(TComponent* AOwner)
    : TbsSkinControl(AOwner),
      tabs_(std::make_unique<TbsRibbonTabs>(this)),
      buttons_(std::make_unique<TbsRibbonButtonItems>(this)),
      childButtons_(std::make_unique<TbsRibbonButtonItems>(this))
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetHeight(115);
    SetAlign(alTop);
    SetSkinDataName("officetab");
    appButton_ = new TbsAppButton(this);
    appButton_->Ribbon = this;
    appButton_->SetCanFocused(true);
    appButton_->SetTabStop(false);
    appButton_->SetSkinDataName("officemenubutton");
    appButton_->SetBounds(3, 1, appButtonWidth_, 24);
    appButton_->SetParent(this);
    appButton_->OnHideTrackMenu = TNotifyEvent(this, &TbsRibbon::AppButtonMenuClosed);
}

TbsRibbon::~TbsRibbon() { RemoveHook(); }

TbsDataSkinTabControl* TbsRibbon::SkinDescription()
{
    // A picture is found only through a description of this kind.
    return SkinPicture() ? static_cast<TbsDataSkinTabControl*>(Description()) : nullptr;
}

TBitmap* TbsRibbon::SkinPicture()
{
    auto* description = dynamic_cast<TbsDataSkinTabControl*>(Description());
    if (!description)
        return nullptr;
    return SkinData()->PictureAt(description->PictureIndex);
}

int TbsRibbon::StripHeight()
{
    TbsDataSkinTabControl* d = SkinDescription();
    return d ? d->TabRect.Height() + 1 : 24;
}

int TbsRibbon::TabHeight()
{
    TbsDataSkinTabControl* d = SkinDescription();
    return d ? d->TabRect.Height() : 23;
}

TRect TbsRibbon::GetPageBounds()
{
    int strip = StripHeight();
    if (TbsDataSkinTabControl* d = SkinDescription())
        return Bounds(d->ClientRect.Left, strip + d->ClientRect.Top,
                      Width() - d->SkinRect.Width() + d->ClientRect.Width(),
                      Height() - d->SkinRect.Height() + d->ClientRect.Height() - strip);
    return Bounds(1, strip + 2, Width() - 2, Height() - strip - 5);
}

void TbsRibbon::SetButtonsImageList(TCustomImageList* Value)
{
    buttonsImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Invalidate();
}

void TbsRibbon::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == buttonsImageList_)
        buttonsImageList_ = nullptr;
    if (AComponent == skinHint_)
        skinHint_ = nullptr;
    for (int i = 0; i < buttons_->Count(); ++i)
        if (buttons_->Items(i)->popupMenu_ == AComponent)
            buttons_->Items(i)->popupMenu_ = nullptr;
    if (AComponent == appMenu_) {
        RemoveHook();
        appMenu_ = nullptr;
    }
    for (int i = 0; i < tabs_->Count(); ++i)
        if (tabs_->Items(i)->page_ == AComponent)
            tabs_->Items(i)->page_ = nullptr;
}

bool TbsRibbon::AnyVisibleTab() const
{
    for (int i = 0; i < tabs_->Count(); ++i)
        if (tabs_->Items(i)->Visible())
            return true;
    return false;
}

int TbsRibbon::NextVisibleTab(int From, int Step) const
{
    for (int i = From + Step; i >= 0 && i < tabs_->Count(); i += Step)
        if (tabs_->Items(i)->Visible())
            return i;
    return -1;
}

TbsRibbonPage* TbsRibbon::ActivePage() const
{
    return tabIndex_ >= 0 && tabIndex_ < tabs_->Count() ? tabs_->Items(tabIndex_)->Page() : nullptr;
}

void TbsRibbon::SetActivePage(TbsRibbonPage* Value)
{
    if (!AnyVisibleTab())
        return;
    for (int i = 0; i < tabs_->Count(); ++i)
        if (tabs_->Items(i)->Page() == Value) {
            tabs_->Items(i)->visible_ = true;
            SetTabIndex(i);
            return;
        }
}

void TbsRibbon::SetTabIndex(int Value)
{
    if (!AnyVisibleTab()) {
        if (TbsRibbonPage* page = ActivePage())
            page->SetVisible(false);
        tabIndex_ = -1;
        Invalidate();
        return;
    }
    if (Value < 0 || Value >= tabs_->Count())
        return;
    TbsRibbonTab* tab = tabs_->Items(Value);
    tab->visible_ = true;
    if (Value != tabIndex_) {
        TbsRibbonPage* old = ActivePage();
        tabIndex_ = Value;
        if (TbsRibbonPage* page = tab->Page()) {
            page->SetRibbon(this);
            page->SetParent(this);
            page->SetBounds(0, 0, 0, 0);
            page->SetVisible(true);
            page->BringToFront();
        }
        if (old && old != tab->Page())
            old->SetVisible(false);
        TAlive alive(this);
        if (OnChangePage)
            OnChangePage(this);
        if (!alive)
            return;
    } else if (tab->Page() && !tab->Page()->Visible()) {
        tab->Page()->SetVisible(true);
    }
    Invalidate();
}

void TbsRibbon::TabHidden(TbsRibbonTab* Tab)
{
    int index = Tab->Index();
    if (index != tabIndex_) {
        Invalidate();
        return;
    }
    int next = NextVisibleTab(index, 1);
    if (next == -1)
        next = NextVisibleTab(index, -1);
    if (next == -1) {
        SetTabIndex(-1);
        return;
    }
    SetTabIndex(next);
}
