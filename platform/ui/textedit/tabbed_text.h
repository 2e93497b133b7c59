// Measuring a piece of an edit control's text whose tabs move the pen on
// to the next stop: the plain and the rich edit lay out their rows by it.
#pragma once

#include <string_view>

#include "platform/gdi/gdi_object.h"

// Measures Text in the font selected into DC from pen position X, with tab
// stops every TabWidth pixels from the row's start. Ends receives one entry
// per byte of Text: the pen at the end of that byte's character. Answers
// the pen after the whole text.
int MeasureTabbedText(HDC DC, std::string_view Text, int X, int TabWidth, int* Ends);
