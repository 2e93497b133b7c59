// Filling the node dialogs, showing them modally and reading back what the
// user confirmed.
#include "app/program_node_dialogs.h"

#include <memory>

#include "app/attr_form.h"
#include "app/editor_config_string.h"
#include "app/new_form.h"
#include "editor/syn_memo.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/check_box.h"

namespace {

void Fill(TNodeDialogForm* Form, const TNodeDialogValues& Values)
{
    Form->SelectLanguage(Values.Language);
    StringToEditorConfig(Form->SynText, Values.Config);
}

bool Run(TNodeDialogForm* Form, TNodeDialogValues& Values)
{
    if (Form->ShowModal() != mrOk)
        return false;
    // The title as typed: leading blanks belong to it.
    Values.Title = Form->Edit1->Text();
    Values.Language = Form->SelectedLanguage();
    Values.Config = EditorConfigToString(Form->SynText);
    return true;
}

}  // namespace

bool TProgramNodeDialogs::ExecuteNewNode(const AnsiString& Caption, TNodeDialogValues& Values)
{
    auto form = std::make_unique<TNewForm>(owner_);
    form->SetCaption(Caption);
    Fill(form.get(), Values);
    if (!Run(form.get(), Values))
        return false;
    Values.TopLevel = form->CheckBox1->Checked();
    return true;
}

bool TProgramNodeDialogs::ExecuteNodeProperties(TNodeDialogValues& Values)
{
    auto form = std::make_unique<TAttrForm>(owner_);
    form->Edit1->SetText(Values.Title);
    Fill(form.get(), Values);
    return Run(form.get(), Values);
}
