// TColorDialog: the custom colours to and from their strings around the
// dialog form.
#include "platform/ui/dialogs/color_dialog.h"

#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/dialogs/color_dialog_form.h"

namespace {

AnsiString SlotName(int Index)
{
    return AnsiString("Color") + static_cast<char>('A' + Index);
}

}  // namespace

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), customColors_(std::make_unique<TStringList>())
{
}

TColorDialog::~TColorDialog() = default;

TStrings* TColorDialog::CustomColors() const
{
    return customColors_.get();
}

bool TColorDialog::Execute()
{
    TCustomColorArray custom;
    for (int i = 0; i < CustomColorCount; ++i) {
        int value = 0;
        const AnsiString text = customColors_->Values(SlotName(i));
        custom[static_cast<size_t>(i)] =
            TryStrToInt("$" + text, value) ? static_cast<TColor>(value & 0xFFFFFF) : clWhite;
    }
    TColorDialogForm form(static_cast<TColor>(ColorToRGB(Color)), custom, Options.Contains(cdFullOpen), Options.Contains(cdPreventFullOpen));
    if (!RunModal(&form))
        return false;
    Color = form.Color();
    custom = form.CustomColors();
    for (int i = 0; i < CustomColorCount; ++i)
        customColors_->SetValues(SlotName(i), IntToHex(static_cast<int>(custom[static_cast<size_t>(i)]), 6));
    return true;
}

bool PickColorWithDialog(TColor& Color)
{
    // The custom colours a user adds stay for the next pick, as long as
    // the program runs.
    static TStringList customColors;
    TColorDialog dialog(nullptr);
    dialog.Color = Color;
    dialog.CustomColors()->Assign(&customColors);
    if (!dialog.Execute())
        return false;
    customColors.Assign(dialog.CustomColors());
    Color = dialog.Color;
    return true;
}
