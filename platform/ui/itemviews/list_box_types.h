// The value and event types the list box, the combo box and the colour box
// share: row styles, the state of an owner-drawn row and the handlers that
// draw and measure rows.
#pragma once

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/ui/kernel/form_types.h"

class TWinControl;

// A control's own border: none or a sunken frame.
using TBorderStyle = TFormBorderStyle;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// In the class library's order.
enum TOwnerDrawStateFlag {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

// Draws row Index in Rect of Control's canvas; odComboBoxEdit marks the
// face of a combo box rather than a row of its list.
using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
// Sets the height of row Index of a variable-height list.
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;
