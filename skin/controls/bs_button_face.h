// Drawing a skinned button's face (glyph or image-list image beside the
// caption), its font, the plain look without a skin, and the cross-fade
// of two state images.
#pragma once

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/strings.h"
#include "platform/gdi/colors.h"
#include "skin/controls/bs_button_skin.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TObject;
class TbsSkinData;
struct TbsSkinCustomImage;

// Where the glyph sits beside the caption.
enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Sender, canvas, caption rectangle, down, hot, DrawDefault: clearing
// DrawDefault leaves out the glyph, image and caption.
using TbsButtonPaintEvent = TEvent<void(TObject*, TCanvas*, TRect, bool, bool, bool&)>;

struct TbsButtonFace {
    TRect Rect;  // the caption rectangle
    AnsiString Caption;
    int Margin = -1;
    int Spacing = 1;
    TbsButtonLayout Layout = blGlyphLeft;
    TBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    int GlyphNumber = 1;
    // Used instead of the glyph when the index lies in the list.
    TCustomImageList* Images = nullptr;
    int ImageIndex = -1;
    bool ImageEnabled = true;
    bool Pressed = false;  // everything one pixel right and down
    bool MarkerOn = false;
    TColor MarkerColor = 0;
};

// Draws rectangle R of the skin picture into B (the control's size) and
// answers the caption rectangle. A button whose size does not follow the
// skin (UseSkinSize off, resize mode 0, 2 or 3) stretches R over B with the
// skin client rectangle as its borders (mode 0: the whole of R), and its
// caption rectangle grows with it; otherwise the control's image by its
// resize mode, captioned in NewClientRect.
TRect DrawButtonImage(TBitmap* B, const TbsSkinCustomImage& Image, const TRect& R, bool UseSkinSize);

// The face in the canvas's font.
void DrawButtonFace(TCanvas* Canvas, const TbsButtonFace& Face);

// The canvas font of a skinned face: the skin's name, height and style
// with UseSkinFont, else DefaultFont; the captions' character set when the
// skin data has captions.
void SetButtonFont(TCanvas* Canvas, bool UseSkinFont, const TbsButtonSkinValues& Values, TFont* DefaultFont,
                   TbsSkinData* SkinData);
// The caption colour of a skinned face.
TColor ButtonFontColor(const TbsButtonSkinValues& Values, bool Enabled, bool UseSkinFontColor, bool Hot, bool Down,
                       TColor DefaultColor);

// The plain look's background: pressed (navy frame, 0xB59385), hot (navy
// frame, 0xD2BDB6) or normal (clBtnShadow frame, clBtnFace; without the
// frame when Framed is off).
enum class TbsPlainLook { Normal, Hot, Pressed };
void DrawPlainButton(TCanvas* Canvas, const TRect& Rect, TbsPlainLook Look, bool Framed);

// Normal cross-faded towards Hot (same size) by Factor with the morph of
// Kind, drawn at (0, 0).
void DrawMorphedImages(TCanvas* Canvas, TBitmap* Normal, TBitmap* Hot, TbsMorphKind Kind, double Factor);
