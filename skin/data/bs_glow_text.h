// Captions with a soft coloured glow, on a blurred light halo, or above a
// fading mirror image of themselves. Each draws the text in red on a
// transparent 32-bit bitmap, turns the red into the alpha of the wanted
// colour (after a blur or a gradient), blends that onto Canvas and then
// draws the text itself into R with Flags (DT_*), the canvas font and a
// clear brush. The A forms take 8-bit text, the others UTF-16.
#pragma once

#include <string>

#include "platform/base/geometry.h"
#include "platform/base/strings.h"
#include "platform/gdi/colors.h"

class TCanvas;

// The letters blurred by GlowSize in GlowColor, moved by Offset both ways.
void DrawGlowTextA(TCanvas* Canvas, const TRect& R, const AnsiString& Text, int GlowSize, TColor GlowColor,
                   int Offset, unsigned Flags);
void DrawGlowText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, int GlowSize, TColor GlowColor,
                  int Offset, unsigned Flags);

// The text mirrored below itself (Offset pixels further down), in
// ReflectionColor fading out away from the text.
void DrawReflectionTextA(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TColor ReflectionColor,
                         int Offset, unsigned Flags);
void DrawReflectionText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor ReflectionColor,
                        int Offset, unsigned Flags);

// A light blurred cloud in HaloColor behind the text, reaching 12 pixels
// around R; the narrow form reaches 10 and stays inside R left and right.
void DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor HaloColor,
                       unsigned Flags);
void DrawVistaGlowTextNarrow(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor HaloColor,
                             unsigned Flags);
