// A fuzz entry for turning skin mask pictures into window regions, with the
// signature libFuzzer calls. The tests run it over a corpus of odd and
// broken masks.
#pragma once

#include <cstddef>
#include <cstdint>

// Data is a mask picture as a skin holds it (a BMP file). Pictures the
// bitmap reader refuses are fine; for any other the region data, the region
// and a nine-part region laid out from it must agree with the mask's black
// pixels and stay inside their bounds, or EAssertionFailed is raised.
// Returns 1 when a picture was read and checked, 0 when it was refused or
// too large to check.
int FuzzMaskToRegion(const uint8_t* Data, size_t Size);
