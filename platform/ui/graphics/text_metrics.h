// Measuring text in a font without a control's window: for sizes worked
// out before a control has a parent (AutoSize, layouts).
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/gdi_object.h"

class TFont;

// A memory DC with a font selected while it lives: the one place controls
// measure text without painting.
class TMeasuringDC {
public:
    explicit TMeasuringDC(HFONT Font);
    explicit TMeasuringDC(TFont* Font);
    ~TMeasuringDC();
    TMeasuringDC(const TMeasuringDC&) = delete;
    TMeasuringDC& operator=(const TMeasuringDC&) = delete;
    HDC Handle() const { return dc_; }
    // The advance of Text on one line (GetTextExtentPoint32).
    int TextWidth(const AnsiString& Text) const;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The height of a line (tmHeight) in Font.
int FontHeight(TFont* Font);
// The average width of a character (tmAveCharWidth) in Font.
int AverageCharWidth(TFont* Font);
// The bounds DrawText gives the text with DT_CALCRECT and Format, laid out
// from (0, 0) in Width pixels (what word wrap breaks at).
TRect MeasureText(TFont* Font, const AnsiString& Text, unsigned Format, int Width);
