// The ribbon's pages: TbsRibbonCustomPage scrolls its children sideways
// and takes its scroll buttons' skin from its ribbon; TbsRibbonPage is the
// page of one ribbon tab, placed by the ribbon and painted with its
// background.
#pragma once

#include "skin/form/bs_ribbon_scrolling_page.h"

class TbsRibbon;

class TbsRibbonCustomPage : public TbsRibbonScrollingPage {
public:
    explicit TbsRibbonCustomPage(TComponent* AOwner);

    // The ribbon that shows the page; nullptr until linked.
    TbsRibbon* Ribbon() const { return ribbon_; }
    void SetRibbon(TbsRibbon* Value) { ribbon_ = Value; }

protected:
    TbsSkinData* ButtonSkinData() const override;
    // A stretched background must follow the moved children.
    void Scrolled() override;

private:
    TbsRibbon* ribbon_ = nullptr;
};

class TbsRibbonPage : public TbsRibbonCustomPage {
public:
    explicit TbsRibbonPage(TComponent* AOwner);

    // The tab's text; setting it repaints the ribbon.
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);

    // While linked to a ribbon and parented, the ribbon's page bounds win.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;

private:
    AnsiString caption_;
};
