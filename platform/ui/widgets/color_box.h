// TCustomColorBox and TColorBox: a drop-down list of colours, each row a
// swatch and the colour's name. Style says which colours are listed: the
// 16 standard ones, the 4 extended ones, None and Default markers, and a
// custom entry first that holds a colour of the user's choosing.
//
// Picking the custom entry asks for a colour through PickCustomColor,
// which calls PickCustomColorHook (the colour dialog sets it); without a
// hook, or when the user cancels, the pick is dropped: the selection stays
// and nothing is reported.
#pragma once

#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/ui/widgets/combo_box.h"

// In the class library's order (system colours are not offered).
enum TColorBoxStyles {
    cbStandardColors = 0,
    cbExtendedColors = 1,
    cbIncludeNone = 3,
    cbIncludeDefault = 4,
    cbCustomColor = 5,
    cbPrettyNames = 6,
};
using TColorBoxStyle = TSet<TColorBoxStyles>;

// Asks the user for a colour, starting from Color; false when cancelled.
using TPickColorHook = bool (*)(TColor& Color);
extern TPickColorHook PickCustomColorHook;

class TCustomColorBox : public TCustomComboBox {
public:
    explicit TCustomColorBox(TComponent* AOwner);

    // Setting it lists the colours again, keeping the selected colour.
    TColorBoxStyle Style() const { return colorStyle_; }
    void SetStyle(TColorBoxStyle Value);
    // The selected colour (NoneColorColor when nothing is selected).
    // Setting one that is not listed puts it into the custom entry when
    // there is one, else selects nothing.
    TColor Selected() const;
    void SetSelected(TColor Value);
    TColor Colors(int Index) const;
    AnsiString ColorNames(int Index) const;
    // What None and Default stand for when they are selected.
    TColor NoneColorColor = clBlack;
    TColor DefaultColorColor = clBlack;

protected:
    void DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State) override;
    bool AcceptPick(int Index) override;
    // Asks for the custom entry's colour; true when it was given.
    virtual bool PickCustomColor();

private:
    void PopulateList();

    TColorBoxStyle colorStyle_{cbStandardColors, cbExtendedColors};
};

class TColorBox : public TCustomColorBox {
public:
    using TCustomColorBox::TCustomColorBox;
};
