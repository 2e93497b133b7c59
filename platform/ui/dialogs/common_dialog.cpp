#include "platform/ui/dialogs/common_dialog.h"

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/form_types.h"

bool TCommonDialog::RunModal(TCustomForm* Form)
{
    if (!Title.empty())
        Form->SetCaption(Title);
    if (OnShow)
        OnShow(this);
    const int result = Form->ShowModal();
    if (OnClose)
        OnClose(this);
    return result == mrOk;
}
