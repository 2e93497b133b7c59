// Fonts of printing live at the printer's resolution: copies keep the
// resolution with the height, and a change of resolution keeps the size.
#pragma once

#include "platform/ui/graphics/font.h"

// Copies Source, its resolution included, so that no height is lost
// rounding through point sizes.
inline void CopyPrintFont(TFont* Dest, TFont* Source)
{
    Dest->SetPixelsPerInch(Source->PixelsPerInch());
    Dest->Assign(Source);
}

inline void KeepPointSizeAt(TFont* Font, int PixelsPerInch)
{
    const int size = Font->Size();
    Font->SetPixelsPerInch(PixelsPerInch);
    Font->SetSize(size);
}
