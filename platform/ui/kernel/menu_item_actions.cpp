// TMenuItem's side of the actions: the link and what an item shows of its
// action.
#include "platform/ui/kernel/action_links.h"
#include "platform/ui/kernel/menus.h"

TBasicAction* TMenuItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* Value)
{
    if (!Value) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TMenuActionLink>(this);
    actionLink_->SetAction(Value);
}

void TMenuItem::InitiateAction()
{
    if (actionLink_)
        actionLink_->Update();
}

void TMenuItem::ActionChange(TObject* Sender)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action)
        return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    SetChecked(action->Checked());
    SetVisible(action->Visible());
    SetHint(action->Hint());
    SetImageIndex(action->ImageIndex());
    SetShortCut(action->ShortCut());
}
