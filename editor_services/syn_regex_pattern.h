// The two texts a regular-expression search works on besides the line: the
// pattern as the matcher gets it, and the replacement with its group
// references filled in. Both are read by GBK characters.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "platform/base/ansi_string.h"

// Pattern with each double-byte character outside a character class made
// one case-sensitive atom, "(?-i:\xHH\xHH)": a quantifier after it repeats
// the character, a trail byte such as '\\' or '|' stays a literal, and
// caseless matching cannot fold a trail byte that looks like a letter.
// Inside a class the two bytes become hex escapes.
AnsiString WrapDoubleByteCharacters(std::string_view Pattern);

// What an unset group's offsets hold.
inline constexpr size_t SynUnsetGroup = ~size_t{0};

// Replacement with "$n" and "${n}" replaced by group n of a match in Line
// ("$0" the whole match; an unset or missing group gives nothing) and "$$"
// by "$"; any other "$" stands for itself. Groups holds two offsets into
// Line per group, first and one past the last byte, group 0 first.
AnsiString SubstituteGroups(std::string_view Replacement, std::string_view Line, std::span<const size_t> Groups);
