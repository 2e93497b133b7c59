// The caption object of the skinned frame: the caption background
// stretched to the width the layout gives it, the activation animation and
// fade, the form's title with its light, shadow, glow, halo or reflection,
// the text frame behind it, and the quick buttons with their divider. It
// takes no fade and no glow layer on hover; it follows the form's
// activation instead.
#pragma once

#include <functional>

#include "skin/form/bs_active_skin_object.h"

class TFont;
class TbsBitmap;

// Where the caption's title goes: the text as shortened to fit, its size
// and its top-left corner, in the coordinates it was laid out for.
struct TbsCaptionTextPlace {
    AnsiString Text;
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    // AData: a TbsDataSkinCaption.
    TbsSkinCaptionObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    void Draw(TCanvas* Canvas, bool UpDate) override;
    // The divider, the quick buttons and the title (no background) onto a
    // canvas of a 32-bit bitmap whose alpha is kept, for the layered
    // border windows; the title and the images get alpha 255 where they
    // cover.
    void DrawAlpha(TCanvas* Canvas);
    bool AnimationTick() override;

    void MouseEnter() override;
    void MouseLeave() override;
    // The caption follows the form's activation, not the mouse.
    void ResetState() override {}

    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseMove(int X, int Y) override;

    // The skin has an animation strip and effects are on.
    bool AnimationEnabled() const;
    // The form became active or inactive: the animation runs towards the
    // new state (or the fade does), and the quick buttons let go.
    void SetActiveState(bool AActive);
    // A skinned menu closed: a quick button whose menu was open lets go.
    void QuickMenuClosed();

    // The text area in object coordinates for the caption's present width:
    // right of the quick buttons and inside the text frame.
    TRect CalcTextRect() const;
    // The form's title laid out in Area (object coordinates moved by the
    // caller) in Canvas's font: shortened by whole characters with "...",
    // aligned, or centred when there are quick buttons.
    TbsCaptionTextPlace PlaceText(TCanvas* Canvas, const TRect& Area) const;
    // The form's title (TbsSkinForm::CaptionTitle).
    AnsiString CaptionText() const;
    // Canvas's font: the skin's or the form's caption font, in Colour.
    void SetCaptionFont(TCanvas* Canvas, TColor Colour) const;
    // Places the visible quick buttons (window coordinates), after the
    // divider when the form shows one, where the last painting path drew
    // them: the layered border's strip starts them further right.
    void LayoutQuickButtons();
    // The visible quick button at (X, Y) (window coordinates), or -1.
    int QuickButtonAt(int X, int Y);
    // The frame painted again for a changed button look.
    void RedrawButtons();

    TRect TextRect;  // inside SkinRect, in skin-rect coordinates
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = taLeftJustify;
    bool Light = false;
    TColor LightColor = 0;
    TColor ActiveLightColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;
    TRect FrameRect;  // the text frame, in ActivePicture
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    bool FullFrame = false;
    bool StretchEffect = false;
    TRect AnimateSkinRect;  // frames side by side or stacked, in ActivePicture
    int FrameCount = 0;
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    bool VistaGlowEffect = false;
    bool VistaGlowInActiveEffect = false;
    bool GlowEffect = false;
    bool GlowInActiveEffect = false;
    int GlowSize = 0;
    TColor GlowColor = 0;
    TColor GlowActiveColor = 0;
    int GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0;
    TColor ReflectionActiveColor = 0;
    int ReflectionOffset = 0;
    TRect DividerRect;
    TRect InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    int QuickButtonAlphaMaskPictureIndex = -1;

    // 1..FrameCount while an animation frame shows; FrameCount + 1 after
    // the activation's animation, 0 after the deactivation's.
    int AnimationFrame = 0;
    int AnimationCounter = 0;  // milliseconds since the last frame
    int ActiveQuickButton = -1;
    int OldActiveQuickButton = -1;
    int PressedQuickButton = -1;
    int MenuQuickButton = -1;  // the button whose popup menu is open

private:
    // How one pass of text reaches the target: straight onto it, or
    // through the alpha-keeping copy of DrawAlpha.
    // Shift: where the target's (0, 0) lies on Canvas. Mask: draw every
    // colour white (the alpha of what the pass covers).
    using TTextPass = std::function<void(TCanvas* Canvas, TPoint Shift, bool Mask)>;
    using TPassRunner = std::function<void(TCanvas* Canvas, const TTextPass& Pass)>;

    // The form has quick buttons and images for them.
    bool HasQuickButtons() const;
    // The divider picture's rect in the present state; empty without one.
    TRect DividerSource() const;
    // Points ActiveQuickButton and the hot flags at the button under (X, Y)
    // and repaints when either changed; shows or hides the button's hint.
    void TrackQuickButtons(int X, int Y);

    // Rect of animation frame Frame (1-based) in the strip.
    TRect AnimationFrameRect(int Frame) const;
    // The background from Source of From, ObjectRect's size, into B.
    void MakeBackground(TBitmap& B, TBitmap* From, const TRect& Source) const;
    // Background with the title of state AActive in Colour: the picture
    // Draw paints over ObjectRect.
    void MakeCaptionImage(TBitmap& B, TBitmap* From, const TRect& Source, bool AActive, TColor Colour);
    // The title, its frame, light and shadow painted in Area of Canvas,
    // where the object's top-left corner is Origin; each pass of text goes
    // through Run. Narrow: the layered border's look (narrow halo, no text
    // frame). The form's OnCaptionPaint paints instead when assigned.
    void PaintText(TCanvas* Canvas, const TRect& Area, TPoint Origin, bool AActive, bool Narrow,
                   const TPassRunner& Run);
    void PaintTextFrame(TCanvas* Canvas, const TbsCaptionTextPlace& Place, TPoint Origin, bool AActive);
    // The room all quick buttons take side by side, whether visible or not.
    int QuickButtonsWidth() const;
    // How far right of the object's left edge the quick buttons start:
    // past the divider the present painting path shows, further on the
    // layered border's strip.
    int QuickButtonsStart() const;
    // The placed quick buttons onto Canvas. On a 32-bit bitmap's canvas
    // images and plain backgrounds leave alpha 255, masked backgrounds
    // their mask's alpha.
    void PaintQuickButtons(TCanvas* Canvas);
    // The divider's picture at X, vertically centred on the object.
    void PaintDivider(TCanvas* Canvas, int X, const TRect& Source);

    // Last drawn by DrawAlpha: pointing and clicking then go by the strip's
    // places of the quick buttons.
    bool drawnOnLayer_ = false;
};
