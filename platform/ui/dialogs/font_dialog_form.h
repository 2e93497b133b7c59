// The font dialog's form: a family, a style and a size, each a box to
// type in over a list to pick from, the effects, a sample drawn in the
// chosen font, OK and Cancel.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/font_family_list.h"
#include "platform/ui/kernel/custom_form.h"

class TCheckBox;
class TColorBox;
class TEdit;
class TFont;
class TListBox;
class TPaintBox;

class TFontDialogForm : public TForm {
public:
    // Starts from Start; FixedPitchOnly lists only fixed-pitch families.
    TFontDialogForm(const TFont& Start, bool FixedPitchOnly);
    ~TFontDialogForm() override;

    // Puts the choice into Font: what the user left alone keeps its value.
    void TakeChoice(TFont& Font) const;

protected:
    // OK with a size that is not a whole number of points from 1 to 1638
    // says so and stays open.
    bool CloseQuery() override;

private:
    void BuildFamilyColumn(int Left, int Width);
    void BuildStyleColumn(int Left, int Width);
    void BuildSizeColumn(int Left, int Width);
    void BuildEffects(int Top);
    void BuildSample(int Top);
    void BuildButtons(int Left);

    // The styles of the family named in the box, the style kept when the
    // family offers it, else the nearest one it offers.
    void FamilyChanged();
    void ListStyles();
    void ShowChoice();

    void FamilyTyped(TObject*);
    void FamilyPicked(TObject*);
    void StylePicked(TObject*);
    void SizeTyped(TObject*);
    void SizePicked(TObject*);
    void ColorPicked(TObject*);
    void EffectClicked(TObject*);
    // Up and Down in a box move its list's selection.
    void BoxKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void PaintSample(TObject*);

    std::vector<TInstalledFamily> families_;  // as the family list shows them, row for row
    std::unique_ptr<TFont> choice_;           // the choice so far; drawn in the sample
    std::vector<TFaceStyle> styles_;          // as the style list shows them, row for row
    TFaceStyle style_ = TFaceStyle::Regular;  // the style chosen; one of styles_
    int size_ = 0;                            // the size typed or picked; 0 while the box holds no valid size
    bool colorChosen_ = false;                // the user picked a colour: the font takes it
    bool updating_ = false;                   // the program is filling boxes: their changes are not the user's

    TEdit* familyEdit_ = nullptr;
    TListBox* familyList_ = nullptr;
    TEdit* styleEdit_ = nullptr;
    TListBox* styleList_ = nullptr;
    TEdit* sizeEdit_ = nullptr;
    TListBox* sizeList_ = nullptr;
    TCheckBox* strikeOut_ = nullptr;
    TCheckBox* underline_ = nullptr;
    TColorBox* colorBox_ = nullptr;
    TPaintBox* sample_ = nullptr;
};
