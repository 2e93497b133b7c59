// The installed font families as fontconfig lists them, each with the
// styles its faces offer, for the font dialog to choose from.
#pragma once

#include <vector>

#include "platform/base/ansi_string.h"
#include "platform/base/set.h"

enum class TFaceStyle { Regular, Bold, Italic, BoldItalic };
using TFaceStyles = TSet<TFaceStyle>;

struct TInstalledFamily {
    AnsiString Name;     // GBK: fontconfig's first name of the family
    bool FixedPitch;     // every face of it is spaced mono or charcell
    TFaceStyles Styles;  // never empty: a face of weight and slant in between counts as the nearest
};

// The scalable families, sorted by name without case, each once. A family
// whose name GBK cannot hold is left out: the program could neither show
// nor ask for it.
std::vector<TInstalledFamily> InstalledFamilies();
