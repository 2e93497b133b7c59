// The properties dialog: the shared node dialog under its own caption.
#include "app/attr_form.h"

#include "platform/ui/textedit/edit.h"

TAttrForm::TAttrForm(TComponent* AOwner) : TNodeDialogForm(AOwner)
{
    SetCaption("属性");
    Edit1->SetText("输入标题");
}
