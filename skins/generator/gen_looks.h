// The four looks of the program's skins, each a palette and a few shape
// values; everything the generator draws for a skin comes from its look.
#pragma once

#include <vector>

#include "skins/generator/gen_raster.h"

struct TSkinLook {
    const char* Name;
    const char* Comment;

    // Shape.
    int CornerRadius;   // of the frame's top corners and of buttons (halved)
    int CaptionHeight;  // from the frame's top edge to the client
    int BorderWidth;    // left, right and bottom
    bool Glossy;        // a light band over the upper half of raised parts

    // The frame.
    TArgb CaptionTop, CaptionMiddle, CaptionBottom;  // active caption, three stops
    TArgb InactiveTop, InactiveBottom;
    TArgb Outline, InactiveOutline;  // the frame's outer pixel
    TArgb CaptionText, InactiveCaptionText;
    TArgb CaptionGlyph, InactiveCaptionGlyph;  // the caption buttons' marks
    TArgb CloseHot;                            // the close button under the mouse

    // Controls.
    TArgb Face, FaceLight, FaceShadow, FaceText, DisabledText;
    TArgb BarTop, BarBottom;  // tool bars, status bar, panel captions
    TArgb Window, WindowText;
    TArgb HotTop, HotBottom, HotBorder;     // a control under the mouse
    TArgb DownTop, DownBottom, DownBorder;  // a pressed control
    TArgb Selection, SelectionText;
    TArgb MenuBack, MenuText, MenuSelectTop, MenuSelectBottom, MenuSelectText, MenuBorder;
    TArgb ShadowColour;  // the layered soft shadow
};

// In the order the program offers them: Office2007, VistaLight,
// ColorExpert, Gradic.
const std::vector<TSkinLook>& SkinLooks();
