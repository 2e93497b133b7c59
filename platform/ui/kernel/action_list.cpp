// TCustomActionList: its actions, its events and the shortcuts of its
// actions.
#include "platform/ui/kernel/action_list.h"

#include "platform/base/component_link.h"
#include "platform/base/list.h"
#include "platform/base/list_errors.h"
#include "platform/ui/graphics/image_list.h"

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList()
{
    while (!actions_.empty())
        delete actions_.back();
}

TContainedAction* TCustomActionList::Actions(int Index) const
{
    if (Index < 0 || Index >= ActionCount())
        TList::Error(SListIndexError, Index);
    return actions_[size_t(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* Value)
{
    SetComponentLink(this, images_, Value);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_)
        images_ = nullptr;
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action)
{
    bool handled = false;
    if (OnExecute)
        OnExecute(Action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action)
{
    bool handled = false;
    if (OnUpdate)
        OnUpdate(Action, handled);
    return handled;
}

bool TCustomActionList::IsShortCut(TMessage& Message)
{
    const TShortCut shortCut = KeyMessageShortCut(Message);
    if (shortCut == scNone)
        return false;
    for (size_t i = actions_.size(); i-- > 0;) {
        auto* action = dynamic_cast<TCustomAction*>(actions_[i]);
        if (action && action->HasShortCut(shortCut))
            return action->HandleShortCut();
    }
    return false;
}

bool IsActionListShortCut(TComponent* Owner, TMessage& Message)
{
    for (int i = Owner->ComponentCount(); i-- > 0;) {
        if (i >= Owner->ComponentCount())
            continue;
        auto* list = dynamic_cast<TCustomActionList*>(Owner->Components(i));
        if (list && list->IsShortCut(Message))
            return true;
    }
    return false;
}
