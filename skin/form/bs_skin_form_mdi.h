// What the frame of a multiple-document parent tells the bars that follow
// its children: the tabs bar lists the shown children, and the main-menu
// bar (or the ribbon) shows a maximized child's caption buttons.
#pragma once

#include "platform/base/event.h"

class TCustomForm;
class TObject;

class IbsMDITabsBar {
public:
    virtual ~IbsMDITabsBar() = default;
    // A child was shown and accepted, hid, or changed its caption.
    virtual void AddTab(TCustomForm* Child) = 0;
    virtual void DeleteTab(TCustomForm* Child) = 0;
    virtual void UpdateTab(TCustomForm* Child) = 0;
    // The active child changed.
    virtual void UpdateTabs() = 0;
};

class IbsMDIChildButtons {
public:
    virtual ~IbsMDIChildButtons() = default;
    // Child maximized (the children follow it): its buttons appear.
    virtual void ChildMaximized(TCustomForm* Child) = 0;
    // No child is maximized any more: the buttons go.
    virtual void ChildrenRestored() = 0;
};

// A child about to join the parent's tabs bar; clearing Accept keeps it out.
using TbsAcceptToMDITabsBarEvent = TEvent<void(TObject* Sender, bool& Accept)>;
