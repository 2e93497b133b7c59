// The pictures of the system's standard icons, drawn in code for this
// program: 32 x 32 pixels with smooth edges in their alpha.
#pragma once

#include "platform/gdi/raster_image.h"

enum class TSystemIcon {
    Application,  // a plain program window
    Hand,         // a stop sign: a red disc with a white cross
    Question,     // a blue disc with a white question mark
    Exclamation,  // a yellow warning triangle with a black '!'
    Asterisk,     // a blue disc with a white 'i'
};

inline constexpr int SystemIconSize = 32;

TRasterImage DrawSystemIconPicture(TSystemIcon Icon);
