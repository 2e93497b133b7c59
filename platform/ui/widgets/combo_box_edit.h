// TComboEdit: the edit part of a csDropDown combo box. It hands the keys
// that work the list to the combo box, tells it of every change of its
// text, and closes the list when the focus leaves it.
#pragma once

#include "platform/ui/textedit/edit.h"

class TCustomComboBox;

class TComboEdit : public TCustomEdit {
public:
    explicit TComboEdit(TCustomComboBox* Combo);

protected:
    void Change() override;
    void Dispatch(TMessage& Message) override;

private:
    TCustomComboBox* combo_;
};
