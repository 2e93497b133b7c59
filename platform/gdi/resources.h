// Named resources: files of the source tree compiled into the program by
// tandril_resources() (cmake/TandrilResources.cmake) and found by name.
// Names compare without case.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/gdi/gdi_object.h"

struct TResourceEntry {
    const char* Name;
    const uint8_t* Begin;
    const uint8_t* End;
};

// Adds resources to the table; the code that tandril_resources() generates
// calls it before main. A name given again replaces the earlier data.
// Returns true, so that the call can initialise a variable.
bool RegisterResources(std::span<const TResourceEntry> Entries);

// The bytes of the named resource, or an empty span when there is none.
std::span<const uint8_t> FindResourceData(std::string_view Name);

// The named BMP or PNG picture as a DIB section (32 bits when it has alpha,
// else 24). Raises EResNotFound "Resource %s not found" when there is no
// such resource and EInvalidGraphic when it is not a picture we can read.
HBITMAP LoadBitmapResource(std::string_view Name);
