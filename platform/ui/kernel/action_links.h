// The action links of the clients: a control's and a menu item's. Each
// passes the action's changes on to its client's ActionChange, which takes
// what the client shows of the action.
#pragma once

#include "platform/ui/kernel/actions.h"

class TControl;

class TControlActionLink : public TBasicActionLink {
public:
    explicit TControlActionLink(TControl* AClient) : client_(AClient) {}

protected:
    void Change() override;

private:
    TControl* client_;  // owns this link
};

class TMenuItem;

class TMenuActionLink : public TBasicActionLink {
public:
    explicit TMenuActionLink(TMenuItem* AClient) : client_(AClient) {}

protected:
    void Change() override;

private:
    TMenuItem* client_;  // owns this link
};
