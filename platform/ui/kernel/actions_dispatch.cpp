// The targets an action is offered when no handler took it: the focused
// control, the active form, the main form.
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"

namespace {

TControl* Target(int Step)
{
    switch (Step) {
    case 0:
        return Screen ? Screen->ActiveControl() : nullptr;
    case 1:
        return Screen ? Screen->ActiveForm() : nullptr;
    default:
        return Application ? Application->MainForm() : nullptr;
    }
}

}  // namespace

bool DispatchActionToTargets(TBasicAction* Action, bool Execute)
{
    TBasicAction::TAlive alive(Action);
    TControl* offered[3] = {};
    // A form that is both the active and the main form is asked once.
    for (int step = 0; step < 3 && alive; ++step) {
        TControl* target = Target(step);
        offered[step] = target;
        if (!target || (step > 0 && (target == offered[0] || target == offered[step - 1])))
            continue;
        if (Execute ? target->ExecuteAction(Action) : target->UpdateAction(Action))
            return true;
    }
    return false;
}
