// The editor actions' bases: their wiring to the class library's action
// events, the search for the editor to work on and the enable rules that
// the leaf actions build on.
#include "editor_services/actions/syn_actions.h"

#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"

TSynBaseAction::TSynBaseAction(TComponent* AOwner) : TCustomAction(AOwner)
{
    DisableIfNoHandler = true;
    SetOnExecute(TNotifyEvent(this, &TSynBaseAction::DoExecute));
    TBasicAction::OnUpdate = TNotifyEvent(this, &TSynBaseAction::DoUpdate);
}

bool TSynBaseAction::HandlesTarget(TObject*)
{
    return true;
}

void TSynBaseAction::UpdateTarget(TObject*)
{
    SetEnabled(true);
}

void TSynBaseAction::DoExecute(TObject*)
{
    ExecuteTarget(nullptr);
}

void TSynBaseAction::DoUpdate(TObject*)
{
    const bool handles = HandlesTarget(nullptr);
    SetEnabled(handles);
    if (handles)
        UpdateTarget(nullptr);
}

bool TSynCustomAction::FindTarget(TObject* Target)
{
    target_ = nullptr;
    if (synText_) {
        target_ = synText_;
    } else if (TSynCustomManager* manager = GlobalSynManager(); manager && manager->SynTextEditor()) {
        target_ = manager->SynTextEditor();
    } else if (auto* editor = dynamic_cast<TCustomSynTextEditor*>(Target)) {
        target_ = editor;
    }
    return target_ != nullptr;
}

bool TSynCustomAction::HandlesTarget(TObject* Target)
{
    return FindTarget(Target);
}

void TSynCustomAction::Notification(TComponent* AComponent, TOperation Operation)
{
    TSynBaseAction::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == synText_)
        synText_ = nullptr;
}

bool TSynTextAction::HandlesTarget(TObject* Target)
{
    if (!FindTarget(Target))
        return false;
    return OnUpdate ? OnUpdate(this, TargetEditor()) : true;
}

void TSynTextAction::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target) && OnExecute)
        OnExecute(this, TargetEditor());
}

bool TSynChangeAction::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && !TargetEditor()->ReadOnly();
}

bool TSynChangeSelectAction::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && TargetEditor()->SelAvail() && !TargetEditor()->ReadOnly();
}

bool TSynAction::HandlesTarget(TObject*)
{
    return !OnUpdate;
}

void RunCommand(TCustomSynTextEditor* Editor, TSynTextEditorCommand Command)
{
    Editor->ExecuteCommand(Command, '\0', nullptr);
}
