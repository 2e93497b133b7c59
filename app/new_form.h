// TNewForm: the new folder or article dialog, with the choice to create
// the node at the top level.
#pragma once

#include "app/node_dialog_form.h"

class TCheckBox;

class TNewForm : public TNodeDialogForm {
public:
    explicit TNewForm(TComponent* AOwner);

    TCheckBox* CheckBox1;
};
