// Stroked marks: the caption buttons' signs, arrows, check marks and the
// plus and minus of tree nodes, drawn centred in a cell.
#pragma once

#include "skins/generator/gen_raster.h"

enum class TGlyph {
    Close,
    Maximize,
    Restore,
    Minimize,
    RollUp,
    Tray,
    SysMenu,
    ArrowLeft,
    ArrowRight,
    ArrowUp,
    ArrowDown,
    Plus,
    Minus,
    Check,
    Dot,
    Grip,
};

// Draws Glyph centred in Cell, Size pixels across, strokes Pen quarter
// pixels wide.
void DrawGlyph(TRaster& Raster, const TRect& Cell, TGlyph Glyph, int Size, int Pen, TArgb Colour);
