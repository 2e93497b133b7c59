#include "platform/ui/dialogs/font_dialog.h"

#include "platform/ui/dialogs/font_dialog_form.h"
#include "platform/ui/graphics/font.h"

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), font_(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(TFont* Value) { font_->Assign(Value); }

bool TFontDialog::Execute()
{
    TFontDialogForm form(*font_, Options.Contains(fdFixedPitchOnly));
    if (!RunModal(&form))
        return false;
    form.TakeChoice(*font_);
    return true;
}
