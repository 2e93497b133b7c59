// The application menu's pages: the vertical twin of the ribbon page,
// whose scroll state waits while the menu is hidden.
#pragma once

#include "skin/form/bs_ribbon_scrolling_page.h"

class TbsAppMenu;

class TbsAppMenuCustomPage : public TbsRibbonScrollingPage {
public:
    explicit TbsAppMenuCustomPage(TComponent* AOwner);

    TbsAppMenu* Menu() const { return menu_; }
    void SetMenu(TbsAppMenu* Value) { menu_ = Value; }
    // Set while the menu is hidden: the scroll state is not computed.
    bool Suspended = true;

protected:
    TbsSkinData* ButtonSkinData() const override;
    bool ScrollSuspended() const override { return Suspended; }
    void Dispatch(TMessage& Message) override;

private:
    void DrawBackground(TCanvas* Canvas);

    TbsAppMenu* menu_ = nullptr;
};

class TbsAppMenuPage : public TbsAppMenuCustomPage {
public:
    explicit TbsAppMenuPage(TComponent* AOwner);

    // The width wanted within the menu; 0 for all the room there is.
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int Value);
    // The control that takes the focus when the page's item is entered.
    TWinControl* FirstActiveControl() const { return firstActiveControl_; }
    void SetFirstActiveControl(TWinControl* Value);

    // While in a menu, its page bounds win (never below 100 x 100).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    int defaultWidth_ = 0;
    TWinControl* firstActiveControl_ = nullptr;
};
