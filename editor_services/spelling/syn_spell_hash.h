// Phonetic hashes of words for the spell checker: American SoundEx of a
// chosen length and this program's own table-driven Metaphone variant.
// Words are GBK: a double-byte character is never read as the letters its
// bytes happen to spell.
#pragma once

#include <string_view>

#include "platform/base/ansi_string.h"

// The first character upper-cased, then the digits of the following
// letters, each written once per run of equal digits (H and W join runs,
// vowels and other characters part them), padded with "0" to Length
// characters. An empty word gives an empty code.
AnsiString SoundEx(std::string_view Word, int Length);

// The letters A to Z of Word (either case), runs of one letter reduced to
// one (G excepted), coded by the rule table: the first rule of a pattern
// that matches anywhere codes every place it matches, the codes follow the
// places in order, and the first letter leads when no rule coded it. A
// word without letters gives an empty code.
AnsiString Metaphone(std::string_view Word);
