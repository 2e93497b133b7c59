// Enumerating font families the way programs ask for them: one callback
// per family (or per entry of one family), with its logical font, its
// metrics' pitch bits and whether it is an outline face or a bitmap face
// of fixed sizes.
#pragma once

#include <cstdint>

#include "platform/gdi/font.h"
#include "platform/gdi/text_measure.h"

// The FontType the callback receives.
inline constexpr uint32_t RASTER_FONTTYPE = 0x0001;
inline constexpr uint32_t DEVICE_FONTTYPE = 0x0002;
inline constexpr uint32_t TRUETYPE_FONTTYPE = 0x0004;

// Returning 0 stops the enumeration.
using FONTENUMPROC = int (*)(const LOGFONT* Font, const TEXTMETRIC* Metrics, uint32_t FontType, intptr_t Data);

// Calls Proc for every installed family (the names of the other desktop
// that lead to an installed face included) whose name matches
// Log->lfFaceName (every family when it is empty) and whose character set
// matches Log->lfCharSet (any with DEFAULT_CHARSET), sorted by name. The
// layer draws outline faces only, so every family comes once, as
// TRUETYPE_FONTTYPE with TMPF_TRUETYPE set; its metrics carry the pitch bits
// and the character set, not sizes. Returns the last value Proc returned, 1
// when it was never called.
int EnumFontFamiliesEx(HDC DC, const LOGFONT* Log, FONTENUMPROC Proc, intptr_t Data, uint32_t Flags);
