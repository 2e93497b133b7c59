// TFontDialog: asks the user for a font (family, style, size, strike-out,
// underline and colour) with a sample drawn in it; the choice goes to Font.
#pragma once

#include <memory>

#include "platform/base/set.h"
#include "platform/ui/dialogs/common_dialog.h"

class TFont;

// Keeps the class library's number; its other options are not offered.
enum TFontDialogOption { fdFixedPitchOnly = 3 };
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TCommonDialog {
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    // The dialog's own font: Execute starts from it (name, size, style,
    // colour; the character set and pitch stay) and puts the choice in it.
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value);
    // fdFixedPitchOnly lists only the families whose faces are all fixed
    // pitch; when there is none, every family is listed rather than none.
    TFontDialogOptions Options;

    bool Execute() override;

private:
    std::unique_ptr<TFont> font_;
};
