// TColorDialog: asks the user for a colour from the basic colours, the
// custom ones, or numbers (hue, saturation, luminance or red, green,
// blue), starting from Color.
#pragma once

#include <memory>

#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/ui/dialogs/common_dialog.h"

class TStrings;

// In the class library's order.
enum TColorDialogOption {
    cdFullOpen = 0,         // open with the colour mixer shown
    cdPreventFullOpen = 1,  // never show the mixer
};
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    // Shows the dialog with Color selected; on OK, Color is the colour
    // chosen and CustomColors holds all sixteen custom colours. Cancel
    // changes neither.
    bool Execute() override;

    TColor Color = clBlack;  // a plain colour 0x00BBGGRR
    TColorDialogOptions Options;
    // The custom colours as "ColorA=BBGGRR" up to "ColorP=...": the colour
    // value in hexadecimal as it is stored (blue first), so white is
    // "FFFFFF" and red "0000FF". A slot without an entry is white.
    TStrings* CustomColors() const;

private:
    std::unique_ptr<TStrings> customColors_;
};

// Runs a colour dialog starting from Color and puts the choice in it;
// false when cancelled. The custom colours chosen in it are offered again
// at the next call. It has the colour box's PickCustomColorHook type,
// so start-up can hand it to the colour boxes.
bool PickColorWithDialog(TColor& Color);
