// Fuzzing PNG decoding into a skin bitmap. A fuzzer calls the entry point
// with arbitrary bytes; the tests replay a corpus of broken files and
// mutations of a good one through it.
#pragma once

#include <cstddef>
#include <cstdint>

// 1 when the bytes decoded and the bitmap holds exactly the picture, 0 when
// they were refused as an invalid picture, -1 when the bitmap disagrees with
// the decoded picture. Any other failure escapes as an exception.
int FuzzPngToBitmap(const uint8_t* Data, size_t Size);
