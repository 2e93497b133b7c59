// Fuzzing the stored-skin readers. The bytes go through both doors a user
// can hand us data by: as a packed skin stream, and as a skin file whose
// compressed data is then inflated and read.
#pragma once

#include <cstddef>
#include <cstdint>

// Bit 0: read as a packed stream; bit 1: read as a skin file and unpacked
// (or found empty). A refusal is any Exception; anything else escapes.
int FuzzStoredSkinReader(const uint8_t* Data, size_t Size);
