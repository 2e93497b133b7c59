// TCheckBox: a box with a tick beside its caption. A press moves the state
// on: unchecked, checked, then grayed when AllowGrayed, then unchecked
// again. Every change of State, by the user or the program, fires OnClick.
#pragma once

#include "platform/ui/widgets/button_control.h"

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool Checked() const override { return state_ == cbChecked; }
    void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
    // Whether a press reaches cbGrayed; the program may set it either way.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }

protected:
    // The next state in the cycle.
    virtual void Toggle();
    void Press() override { Toggle(); }
    void Paint() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};
