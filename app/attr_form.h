// TAttrForm: the properties dialog of an existing folder or article.
#pragma once

#include "app/node_dialog_form.h"

class TAttrForm : public TNodeDialogForm {
public:
    explicit TAttrForm(TComponent* AOwner);
};
