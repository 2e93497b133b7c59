// TBasicActionLink and TBasicAction: the list of clients an action keeps,
// its change broadcast and its plain OnExecute and OnUpdate.
#include "platform/ui/kernel/actions.h"

#include <algorithm>

TBasicActionLink::~TBasicActionLink()
{
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (Value == action_)
        return;
    if (action_) {
        std::erase(action_->clients_, this);
        ++action_->clientsChanges_;
    }
    action_ = Value;
    if (action_) {
        action_->clients_.push_back(this);
        ++action_->clientsChanges_;
        Change();
    }
}

bool TBasicActionLink::Execute(TComponent* AComponent)
{
    TBasicAction* action = action_;
    if (!action)
        return false;
    // The action may free the client, and so this link, or itself.
    TBasicAction::TAlive alive(action);
    action->SetActionComponent(AComponent);
    bool ran = false;
    try {
        ran = action->Execute();
    } catch (...) {
        if (alive)
            action->SetActionComponent(nullptr);
        throw;
    }
    if (alive)
        action->SetActionComponent(nullptr);
    return ran;
}

bool TBasicActionLink::Update()
{
    return action_ && action_->Update();
}

bool TBasicActionLink::IsOnExecuteLinked(const TNotifyEvent& OnClick) const
{
    return action_ && OnClick == action_->OnExecute();
}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    *alive_ = false;
    for (TBasicActionLink* link : clients_)
        link->action_ = nullptr;
}

bool TBasicAction::HandlesTarget(TObject*)
{
    return false;
}

void TBasicAction::UpdateTarget(TObject*) {}

void TBasicAction::ExecuteTarget(TObject*) {}

bool TBasicAction::Execute()
{
    if (!onExecute_)
        return false;
    onExecute_(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetActionComponent(TComponent* Value)
{
    if (actionComponent_ == Value)
        return;
    if (actionComponent_)
        actionComponent_->RemoveFreeNotification(this);
    actionComponent_ = Value;
    if (actionComponent_)
        actionComponent_->FreeNotification(this);
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value)
{
    if (onExecute_ == Value)
        return;
    onExecute_ = Value;
    Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == actionComponent_)
        actionComponent_ = nullptr;
}

void TBasicAction::Change()
{
    TAlive alive(this);
    if (OnChange)
        OnChange(this);
    // A client taking the change may drop its link or link another action:
    // each one is told only while it is still a client.
    std::vector<TBasicActionLink*> clients = clients_;
    unsigned changes = clientsChanges_;
    for (TBasicActionLink* link : clients) {
        if (!alive)
            return;
        if (changes == clientsChanges_ || std::find(clients_.begin(), clients_.end(), link) != clients_.end())
            link->Change();
    }
}
