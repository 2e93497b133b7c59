// The frame count of an animation strip, bounded by the strip it splits.
#pragma once

#include <algorithm>

#include "skin/data/bs_key_table.h"

// An integer key holding the number of frames in the rectangle Strip, which
// is read before it. A skin may hold any number there, but the drawing code
// divides the strip by it and steps a timer through every frame, so a count
// is kept between 0 and the strip's longer side: each frame at least one
// pixel. The read default and the value on creation are 0.
template <typename Owner>
TbsKey<Owner> FrameCountKey(const AnsiString& Name, int Owner::*Field, TRect Owner::*Strip)
{
    return TbsKey<Owner>(
        Name,
        [Name, Field, Strip](const TCustomIniFile* IniFile, const AnsiString& Section, Owner& Object) {
            const TRect& strip = Object.*Strip;
            int longest = std::max({0, strip.Right - strip.Left, strip.Bottom - strip.Top});
            Object.*Field = std::clamp(IniFile->ReadInteger(Section, Name, 0), 0, longest);
        },
        [Name, Field](TCustomIniFile* IniFile, const AnsiString& Section, const Owner& Object) {
            IniFile->WriteInteger(Section, Name, Object.*Field);
        },
        [Field](Owner& Object) { Object.*Field = 0; });
}
