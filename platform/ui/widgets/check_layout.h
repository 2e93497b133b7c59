// Where a check box or a radio button puts its glyph, its caption and its
// focus rectangle.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"

class TCanvas;

struct TCheckLayout {
    TRect Glyph;  // the glyph's square, at the left, centred top to bottom
    TRect Text;   // the rest of the width, the caption centred in it
    TRect Focus;  // around the caption's ink, within the control
};

// Measures the caption in the canvas's font.
TCheckLayout LayoutCheck(TCanvas* Canvas, const TRect& Client, const AnsiString& Caption);
