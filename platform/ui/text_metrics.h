// Measuring text in a font without a control's window: for sizes worked
// out before a control has a parent (AutoSize, layouts).
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"

class TFont;

// The height of a line (tmHeight) in Font.
int FontHeight(TFont* Font);
// The bounds DrawText gives the text with DT_CALCRECT and Format, laid out
// from (0, 0) in Width pixels (what word wrap breaks at).
TRect MeasureText(TFont* Font, const AnsiString& Text, unsigned Format, int Width);
