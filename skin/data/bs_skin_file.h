// The skin file (.skn), whose bytes are also what a skin list item streams
// as its "Skin" property. Little-endian, back to back:
//   version  int32  3 when written; 3 or less is read
//   n        int32  number of compressed bytes, 0 <= n <= bytes left
//   data     n bytes of a stored skin's zlib stream
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/exceptions.h"

class TStream;

inline constexpr int32_t kSkinFileVersion = 3;

// The compressed bytes of the skin file in Stream, read from its position 0.
// A version above 3 gives "" (an empty stored skin), as does n = 0. A file
// shorter than its header, or a size field below 0 or past the end, raises
// EReadError.
std::string ReadSkinFileData(TStream* Stream);

// Writes the layout, with Data as the compressed bytes, at Stream's position.
void WriteSkinFileData(TStream* Stream, const std::string& Data);
