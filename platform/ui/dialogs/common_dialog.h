// The base of the common dialogs (file, font, colour, print): a component
// that, on Execute, shows its dialog form modally and keeps what the user
// chose. Tests answer the form through TModalAnswers like any modal form.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/component.h"
#include "platform/base/event.h"

class TCustomForm;

class TCommonDialog : public TComponent {
public:
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

    // Shows the dialog and waits; true when the user confirmed it, and the
    // dialog's result properties then hold the choice. A cancelled dialog
    // leaves them as they were.
    virtual bool Execute() = 0;

    // The dialog form's caption; empty gives the dialog's own.
    AnsiString Title;
    // Fired just before the dialog form shows and just after it closes.
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    // Shows Form modally between OnShow and OnClose; true for mrOk.
    bool RunModal(TCustomForm* Form);
};
