// A fuzz entry for turning skin mask pictures into window regions. The tests
// run it over a corpus of odd and broken masks; a fuzzer can drive it too.
#pragma once

#include <cstddef>
#include <cstdint>

// Data is a mask picture as a skin holds it (a BMP file). Pictures the
// bitmap reader refuses are fine; for any other the region data, the region
// and a nine-part region laid out from it must agree with the mask's black
// pixels and stay inside their bounds. Answers whether they did.
bool FuzzMaskToRegion(const uint8_t* Data, size_t Size);
