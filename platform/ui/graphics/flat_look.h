// The plain flat look every standard control draws with: button faces,
// raised and sunken frames, check box and radio glyphs, arrows, focus
// rectangles and enabled or disabled text, all in the system colours.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/win/scroll_bar_paint.h"

class TCanvas;

// How a pressable part is shown. Disabled wins over the others; Pressed
// (held down, or a speed button that is Down) wins over Hot.
struct TFlatState {
    bool Hot = false;       // the mouse is over it
    bool Pressed = false;   // held down or latched down
    bool Disabled = false;
    bool Default = false;   // a form's default button: a heavier frame
    bool Flat = false;      // no frame at all until hot or pressed
};

enum class TFlatFrame {
    Raised,  // light top-left, shadow bottom-right
    Sunken,  // shadow top-left, light bottom-right
    Etched,  // a sunken line with a light line inside: group boxes, dividers
    Single,  // one shadow line all round
};

// The state of a check box glyph, in the class library's order.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The side of a check box or radio glyph.
inline constexpr int FlatGlyphSize = 13;

// Fills R with Color, whatever the canvas's brush was.
void FlatFill(TCanvas* Canvas, const TRect& R, TColor Color);

// A push button's face filling R: the face colour, then its frame. Answers
// the rectangle left for the content, one pixel down and right while
// pressed so that the content seems to sink.
TRect DrawFlatButtonFace(TCanvas* Canvas, const TRect& R, const TFlatState& State);

// Draws Width one-pixel frames of the style inside R and shrinks R by
// what was drawn (twice Width for Etched).
void DrawFlatFrame(TCanvas* Canvas, TRect& R, TFlatFrame Style, int Width = 1);

// Two one-pixel frames filling R, Inner one pixel right of and below
// Outer: a groove (shadow outside light) or a ridge (the other way).
void DrawFlatGroove(TCanvas* Canvas, const TRect& R, TColor Outer, TColor Inner);

// A FlatGlyphSize square box at Box's top-left, with a tick when checked
// and a grey tick on the face colour when grayed.
void DrawFlatCheckGlyph(TCanvas* Canvas, const TRect& Box, TCheckBoxState Check, const TFlatState& State);
// A FlatGlyphSize round button at Box's top-left, with a dot when checked.
void DrawFlatRadioGlyph(TCanvas* Canvas, const TRect& Box, bool Checked, const TFlatState& State);

// A solid triangle pointing the arrow's way, centred in R.
void DrawFlatArrow(TCanvas* Canvas, const TRect& R, TArrowGlyph Arrow, bool Enabled);

// A dotted rectangle just inside R in the button text colour. It is drawn,
// not inverted, so drawing it twice changes nothing.
void DrawFlatFocusRect(TCanvas* Canvas, const TRect& R);

// Text laid out in R by DrawText flags (DT_*), on no background, in the
// canvas font's colour when enabled and in the grey text colour when not.
// '&' marks accelerators unless DT_NOPREFIX. With DT_CALCRECT R becomes
// the bounds the text needs.
void DrawFlatText(TCanvas* Canvas, TRect& R, const AnsiString& Text, unsigned Format, bool Enabled);
