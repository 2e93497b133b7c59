// The ribbon's tabs: each names the page shown while it is selected.
#pragma once

#include "platform/base/collection.h"
#include "platform/base/geometry.h"

class TbsRibbon;
class TbsRibbonPage;

class TbsRibbonTab : public TCollectionItem {
public:
    explicit TbsRibbonTab(TCollection* Collection);

    TbsRibbonPage* Page() const { return page_; }
    // Links the page to the ribbon, which selects this tab.
    void SetPage(TbsRibbonPage* Value);
    bool Visible() const { return visible_; }
    // Hiding the selected tab selects the next visible one to the right,
    // else to the left.
    void SetVisible(bool Value);
    void Assign(TPersistent* Source) override;

    TbsRibbon* Ribbon() const;

    // Set by the ribbon's hot tracking and layout.
    bool Hot = false;
    TRect TabRect{};

private:
    friend class TbsRibbon;
    TbsRibbonPage* page_ = nullptr;  // not owned; cleared when the page goes
    bool visible_ = true;
};

class TbsRibbonTabs : public TCollection {
public:
    explicit TbsRibbonTabs(TbsRibbon* ARibbon);

    TbsRibbonTab* Items(int Index) const { return static_cast<TbsRibbonTab*>(GetItem(Index)); }
    TbsRibbonTab* Add() { return static_cast<TbsRibbonTab*>(TCollection::Add()); }
    // Frees the tab and, at run time, its page.
    void Delete(int Index);
    TbsRibbon* Ribbon() const { return ribbon_; }

protected:
    TPersistent* GetOwner() override;

private:
    TbsRibbon* ribbon_;
};
