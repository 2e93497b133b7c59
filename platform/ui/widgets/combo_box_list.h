// TComboListBox: the list a combo box drops down, in a top-most popup
// window that never takes the activation; the combo box draws its rows.
// DropDownBounds is where such a list goes.
#pragma once

#include "platform/ui/itemviews/list_box.h"

class TCustomComboBox;

class TComboListBox : public TCustomListBox {
public:
    explicit TComboListBox(TCustomComboBox* Combo);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;

private:
    TCustomComboBox* combo_;
};

// A list of Height below Box (screen rectangles), or above it when it fits
// only there; where it fits neither way, on the side with more room, cut
// to it. Kept inside WorkArea sideways.
TRect DropDownBounds(const TRect& Box, int Width, int Height, const TRect& WorkArea);
