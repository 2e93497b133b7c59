// The about box and its modal showing.
#include "app/about_form.h"

#include <memory>

#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/label.h"

TaboutForm::TaboutForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetCaption("关于");
    SetClientWidth(260);
    SetClientHeight(120);
    ProductLabel = SynPlaceControl(new TLabel(this), this, "ProductLabel", 20, 20, 220, 20);
    ProductLabel->SetCaption("Tandril");
    VersionLabel = SynPlaceControl(new TLabel(this), this, "VersionLabel", 20, 44, 220, 20);
    VersionLabel->SetCaption("2.0");
    OKButton = SynPlaceControl(new TButton(this), this, "OKButton", 90, 80, 80, 25);
    OKButton->SetCaption("确定");
    OKButton->SetModalResult(mrOk);
    OKButton->SetDefault(true);
    OKButton->SetCancel(true);
    OnDeactivate = TNotifyEvent(this, &TaboutForm::FormDeactivate);
}

void TaboutForm::FormDeactivate(TObject*)
{
    // Ends the modal loop; the box stays until its shower frees it.
    if (ModalResult() == mrNone)
        SetModalResult(mrCancel);
}

void ShowAboutBox(TComponent* Owner)
{
    std::unique_ptr<TaboutForm> box = std::make_unique<TaboutForm>(Owner);
    box->ShowModal();
}
