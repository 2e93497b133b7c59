// TCustomActionList and TActionList: a set of actions that a form offers
// its keys to, sharing one image list; its OnExecute and OnUpdate see
// every execution and update of its actions first.
#pragma once

#include <vector>

#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/message_records.h"

class TCustomImageList;

class TCustomActionList : public TComponent {
public:
    explicit TCustomActionList(TComponent* AOwner);
    // Frees its actions.
    ~TCustomActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TContainedAction* Actions(int Index) const;
    // Not owned; cleared when the image list is freed.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);

    // OnExecute; answers whether it handled Action.
    virtual bool ExecuteAction(TBasicAction* Action);
    // OnUpdate; answers whether it handled Action.
    virtual bool UpdateAction(TBasicAction* Action);
    // A WM_KEYDOWN or WM_SYSKEYDOWN that is the shortcut or a secondary
    // shortcut of one of the actions runs it (the last added first);
    // answers whether the action ran, so a disabled action's key goes on
    // to the focused control.
    virtual bool IsShortCut(TMessage& Message);

    TActionEvent OnExecute;
    TActionEvent OnUpdate;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TContainedAction;

    std::vector<TContainedAction*> actions_;  // each one's actionList_ is this
    TCustomImageList* images_ = nullptr;      // free-notified
};

class TActionList : public TCustomActionList {
public:
    using TCustomActionList::TCustomActionList;
};

// Offers a key to the action lists Owner owns (IsShortCut), the last made
// first; answers whether one of them ran an action.
bool IsActionListShortCut(TComponent* Owner, TMessage& Message);
