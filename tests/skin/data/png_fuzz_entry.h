// Fuzzing PNG decoding into a skin bitmap. The entry point has the signature
// libFuzzer calls; the tests replay a corpus of broken files and mutations
// of a good one through it.
#pragma once

#include <cstddef>
#include <cstdint>

// 1 when the bytes decoded and the bitmap holds exactly the picture, 0 when
// they were refused as an invalid picture. A bitmap that disagrees with the
// decoded picture raises EAssertionFailed; any other failure escapes too.
int FuzzPngToBitmap(const uint8_t* Data, size_t Size);
