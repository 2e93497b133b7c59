// TButton: a push button. A Default button takes Enter pressed in any
// control of its form that does not want Enter itself, unless another
// button has the focus (then that one takes it); a Cancel button takes
// Escape. A button with a ModalResult ends its modal form with it.
#pragma once

#include "platform/ui/widgets/button_control.h"
#include "platform/ui/kernel/form_types.h"

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    // Whether Enter presses this button now: it has the focus, or it is
    // the default and no other button has it. Drawn with a heavier frame.
    bool Active() const { return active_; }

    // Sets the form's ModalResult (when this one's is not mrNone), then
    // OnClick.
    void Click() override;

protected:
    void Press() override { Click(); }
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // Active for the focus now on Focused (nullptr: none).
    void UpdateActive(TControl* Focused);

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;  // follows CM_FOCUSCHANGED
    TModalResult modalResult_ = mrNone;
};
