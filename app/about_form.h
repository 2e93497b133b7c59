// TaboutForm: the about box: the product, its version and an OK button. It
// closes on the button and whenever it loses activation.
#pragma once

#include "platform/ui/kernel/custom_form.h"

class TButton;
class TLabel;

class TaboutForm : public TForm {
public:
    explicit TaboutForm(TComponent* AOwner);

    TLabel* ProductLabel;
    TLabel* VersionLabel;
    TButton* OKButton;

    void FormDeactivate(TObject* Sender);
};

// Shows the about box modally and frees it once ShowModal has returned:
// a box freeing itself while its modal loop still runs would leave the
// loop on a freed form.
void ShowAboutBox(TComponent* Owner);
