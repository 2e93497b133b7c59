// The new-item dialog's own parts: its stay-on-top look, the title box's
// starting text and the top-level check box.
#include "app/new_form.h"

#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/check_box.h"

TNewForm::TNewForm(TComponent* AOwner) : TNodeDialogForm(AOwner)
{
    SetFormStyle(fsStayOnTop);
    Edit1->SetText("Edit1");
    CheckBox1 = SynPlaceControl(new TCheckBox(this), this, "CheckBox1", 72, 120, 200, 20);
    CheckBox1->SetCaption("在顶层建立(&R)");
}
