// A standard caption button: close, maximize/restore, minimize/restore,
// roll-up, system menu or minimize to tray. It draws its restore images
// while the form is in that state, built-in glyphs on the plain frame, and
// the form's icon as a system-menu button in icon mode.
#pragma once

#include "skin/data/bs_std_command.h"
#include "skin/form/bs_skin_button_object.h"

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    // AData: a TbsDataSkinStdButton, or null for a plain-frame button (the
    // frame sets its IDName and Command).
    TbsSkinStdButtonObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    bool PointInMask(int X, int Y) override;
    void ShowLayer() override;
    void HideLayer() override;
    bool NeedMorphStep() override;
    void Draw(TCanvas* Canvas, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void DoCommand();
    // The built-in look of a plain-frame button.
    void DrawDefaultGlyph(TCanvas* Canvas);
    // Shows the form's small icon instead of images.
    bool IconMode() const;
    // The button shows its restore images (the form is in its command's
    // state and the skin has them).
    bool InRestoreState() const { return !IsRectEmpty(RestoreRect) && WindowStateCase(); }

    TbsStdCommand Command = cmdefault;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    AnsiString RestoreHint;
    AnsiString NormalHint;
    bool SkinObject = false;  // built from a description

private:
    // The window state in which the button shows its restore images.
    bool WindowStateCase() const;
    void DrawRestore(TCanvas* Canvas);
};
