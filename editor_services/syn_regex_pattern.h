// The two texts a regular-expression search works on besides the line: the
// pattern as the matcher gets it, and the replacement with its group
// references filled in. Both are read by GBK characters.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/base/ansi_string.h"

// Pattern with each double-byte character outside a character class made
// one case-sensitive atom, "(?-i:\xHH\xHH)": a quantifier after it repeats
// the character, a trail byte such as '\\' or '|' stays a literal, and
// caseless matching cannot fold a trail byte that looks like a letter.
// Inside a class the two bytes become hex escapes.
AnsiString WrapDoubleByteCharacters(std::string_view Pattern);

// One match's groups: offsets into the line, first and one past the last
// byte, group 0 the whole match; an unset group holds Unset twice.
struct TSynMatchGroups {
    static constexpr size_t Unset = ~size_t{0};
    std::vector<size_t> Offsets;  // two per group
};

// Replacement with "$n" and "${n}" replaced by group n of the match in Line
// ("$0" the whole match; an unset or missing group gives nothing) and "$$"
// by "$"; any other "$" stands for itself.
AnsiString SubstituteGroups(std::string_view Replacement, std::string_view Line, const TSynMatchGroups& Groups);
