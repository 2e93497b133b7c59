// How a caseless search compares double-byte GBK characters: the letters
// with two cases (fullwidth Latin, Greek, Cyrillic, Roman numerals) fold
// to one form, as the regular-expression engine folds their code points.
#pragma once

#include <cstdint>

// The GBK code (Lead * 256 + Trail) of the small form of the character
// Lead, Trail, or of the character itself when it has no other case. Both
// cases of every such letter share their lead byte in GBK.
uint16_t GbkFoldedPair(unsigned char Lead, unsigned char Trail);
