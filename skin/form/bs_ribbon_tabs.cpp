// The ribbon's tab items: showing and hiding, linking a page, and deleting
// a tab together with its page.
#include "skin/form/bs_ribbon_tabs.h"

#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_page.h"

TbsRibbonTab::TbsRibbonTab(TCollection* Collection) : TCollectionItem(Collection) {}

TbsRibbon* TbsRibbonTab::Ribbon() const
{
    auto* tabs = static_cast<TbsRibbonTabs*>(Collection());
    return tabs ? tabs->Ribbon() : nullptr;
}

void TbsRibbonTab::SetPage(TbsRibbonPage* Value)
{
    page_ = Value;
    TbsRibbon* ribbon = Ribbon();
    if (!Value || !ribbon)
        return;
    Value->FreeNotification(ribbon);
    Value->SetRibbon(ribbon);
    Value->SetVisible(false);
    Value->SetParent(ribbon);
    Value->SetBounds(0, 0, 0, 0);
    ribbon->SetTabIndex(Index());
}

void TbsRibbonTab::SetVisible(bool Value)
{
    TbsRibbon* ribbon = Ribbon();
    if (visible_ == Value || !ribbon)
        return;
    visible_ = Value;
    if (Value) {
        ribbon->Invalidate();
        return;
    }
    if (page_)
        page_->SetVisible(false);
    ribbon->TabHidden(this);
}

void TbsRibbonTab::Assign(TPersistent* Source)
{
    if (auto* tab = dynamic_cast<TbsRibbonTab*>(Source)) {
        page_ = tab->page_;
        return;
    }
    TCollectionItem::Assign(Source);
}

TbsRibbonTabs::TbsRibbonTabs(TbsRibbon* ARibbon) : TCollection(TCollection::Of<TbsRibbonTab>()), ribbon_(ARibbon)
{
}

TPersistent* TbsRibbonTabs::GetOwner() { return ribbon_; }

void TbsRibbonTabs::Delete(int Index)
{
    TbsRibbonPage* page = Items(Index)->Page();
    TCollection::Delete(Index);
    if (page && !ribbon_->ComponentState().Contains(csDesigning) && !ribbon_->ComponentState().Contains(csLoading))
        delete page;
}
