// The selection actions (see the header).
#include "editor_services/actions/syn_actions_select.h"

void TaSynSelectAll::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->SelectAll();
}

void TaSynSelectWrod::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->SelectWordAtCaret();
}

// Update and execute look the editor up again: the class library may call
// either without a HandlesTarget just before.
void TaSynReadOnly::UpdateTarget(TObject* Target)
{
    TSynCustomAction::UpdateTarget(Target);
    if (FindTarget(Target))
        SetChecked(TargetEditor()->ReadOnly());
}

void TaSynReadOnly::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->SetReadOnly(!Checked());
}

void TSynSelectionModeAction::UpdateTarget(TObject* Target)
{
    TSynCustomAction::UpdateTarget(Target);
    if (FindTarget(Target))
        SetChecked(TargetEditor()->SelectionMode() == Mode);
}

void TSynSelectionModeAction::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->SetSelectionMode(Mode);
}
