// Fuzzing the skin data loader. The bytes reach a skin data component by
// both doors a user has: as a skin file, and deflated as the packed stream
// of a stored skin, so that the INI and the descriptions are parsed too.
// The entry point has the signature libFuzzer calls.
#pragma once

#include <cstddef>
#include <cstdint>

// Bit 0: the skin file loaded; bit 1: the packed stream loaded. A refusal is
// any Exception. A load, failed or not, that broke what every load must
// keep (SkinLoading false, an empty skin without descriptions, every picture
// index naming a picture or -1) raises EAssertionFailed; anything else
// escaping is a fault too.
int FuzzSkinDataLoader(const uint8_t* Data, size_t Size);
