// TContainedAction and TCustomAction: the walk of an execution or update
// through the list, the application and the targets; the shown state
// with its radio groups and DisableIfNoHandler, and the say over a
// client's hint.
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* Value)
{
    if (Value == actionList_)
        return;
    if (actionList_)
        std::erase(actionList_->actions_, this);
    actionList_ = Value;
    if (actionList_)
        actionList_->actions_.push_back(this);
}

bool TContainedAction::Execute()
{
    // Each step may free the action; a step that did counts as handling it.
    TAlive alive(this);
    if (actionList_ && actionList_->ExecuteAction(this))
        return true;
    if (!alive)
        return true;
    if (Application && Application->ExecuteAction(this))
        return true;
    if (!alive)
        return true;
    if (TBasicAction::Execute())
        return true;
    return DispatchActionToTargets(this, true);
}

bool TContainedAction::Update()
{
    TAlive alive(this);
    if (actionList_ && actionList_->UpdateAction(this))
        return true;
    if (!alive)
        return true;
    if (Application && Application->UpdateAction(this))
        return true;
    if (!alive)
        return true;
    if (TBasicAction::Update())
        return true;
    return DispatchActionToTargets(this, false);
}

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

TCustomAction::~TCustomAction() = default;

void TCustomAction::SetCaption(const AnsiString& Value)
{
    if (Value == caption_)
        return;
    caption_ = Value;
    Change();
}

void TCustomAction::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    enabled_ = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value)
{
    if (Value == checked_)
        return;
    checked_ = Value;
    if (Value && groupIndex_ > 0 && ActionList()) {
        // The others of the group go first, so that no client ever shows
        // two of them checked.
        TCustomActionList* list = ActionList();
        for (int i = 0; i < list->ActionCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(list->Actions(i));
            if (other && other != this && other->groupIndex_ == groupIndex_)
                other->SetChecked(false);
        }
    }
    Change();
}

void TCustomAction::SetGroupIndex(int Value)
{
    if (Value == groupIndex_)
        return;
    groupIndex_ = Value;
    if (checked_) {
        // Joining a group with a checked action: this one stays checked.
        checked_ = false;
        SetChecked(true);
        return;
    }
    Change();
}

void TCustomAction::SetAutoCheck(bool Value)
{
    if (Value == autoCheck_)
        return;
    autoCheck_ = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value)
{
    if (Value == visible_)
        return;
    visible_ = Value;
    Change();
}

void TCustomAction::SetHint(const AnsiString& Value)
{
    if (Value == hint_)
        return;
    hint_ = Value;
    Change();
}

void TCustomAction::SetImageIndex(int Value)
{
    if (Value == imageIndex_)
        return;
    imageIndex_ = Value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut Value)
{
    if (Value == shortCut_)
        return;
    shortCut_ = Value;
    Change();
}

bool TCustomAction::HasShortCut(TShortCut Value) const
{
    return Value != scNone && (Value == shortCut_ || secondaryShortCuts_.IndexOfShortCut(Value) >= 0);
}

bool TCustomAction::DoHint(AnsiString& HintStr)
{
    bool canShow = true;
    if (OnHint)
        OnHint(HintStr, canShow);
    return canShow;
}

bool TCustomAction::Execute()
{
    TAlive alive(this);
    Update();
    if (!alive || !enabled_)
        return false;
    if (autoCheck_ && (!checked_ || groupIndex_ == 0)) {
        SetChecked(!checked_);
        if (!alive)
            return false;
    }
    return TContainedAction::Execute();
}

bool TCustomAction::Update()
{
    TAlive alive(this);
    if (TContainedAction::Update())
        return true;
    // Nobody took the update. A handler that would take the execution
    // keeps the action as it is; without one it cannot run.
    if (alive && enabled_ && DisableIfNoHandler) {
        bool handler = OnExecute() || (ActionList() && ActionList()->OnExecute) ||
                       (Application && Application->OnActionExecute);
        if (!handler)
            SetEnabled(false);
    }
    return false;
}
