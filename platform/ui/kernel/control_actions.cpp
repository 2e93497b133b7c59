// TControl's side of the actions: the link, what a control shows of its
// action, its say over the control's hint, and the control as an action's
// target.
#include "platform/ui/kernel/action_links.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/control.h"

TBasicAction* TControl::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value)
{
    if (!Value) {
        actionLink_.reset();
        controlStyle_.Exclude(csActionClient);
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TControlActionLink>(this);
    controlStyle_.Include(csActionClient);
    actionLink_->SetAction(Value);
}

void TControl::CMHintShow(TMessage& Message)
{
    auto* action = dynamic_cast<TCustomAction*>(Action());
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (action && info && !info->HintStr.empty() && !action->DoHint(info->HintStr))
        Message.Result = 1;
}

void TControl::InitiateAction()
{
    if (actionLink_)
        actionLink_->Update();
}

bool TControl::ExecuteAction(TBasicAction* Action)
{
    if (!Action->HandlesTarget(this))
        return false;
    Action->ExecuteTarget(this);
    return true;
}

bool TControl::UpdateAction(TBasicAction* Action)
{
    if (!Action->HandlesTarget(this))
        return false;
    Action->UpdateTarget(this);
    return true;
}

void TControl::ActionChange(TObject* Sender)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action)
        return;
    if (Caption() != action->Caption())
        SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    Hint = action->Hint();
    SetVisible(action->Visible());
}
