// TRadioButton: one of a set of choices. Checking it unchecks the radio
// buttons beside it (the same parent); only the checked one is a tab stop,
// and the arrow keys move the focus to the next or previous one of the set
// and check it. Becoming checked fires OnClick.
#pragma once

#include <vector>

#include "platform/ui/widgets/button_control.h"

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const override { return checked_; }
    void SetChecked(bool Value) override;

protected:
    void Press() override { SetChecked(true); }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    // The radio buttons beside this one (this one too) that can take the
    // focus, in tab order.
    std::vector<TRadioButton*> Set();

    bool checked_ = false;
};
