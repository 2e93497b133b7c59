// The replacement of a regular-expression search with its group references
// filled in, read by GBK characters.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "platform/base/ansi_string.h"

// What an unset group's offsets hold.
inline constexpr size_t SynUnsetGroup = ~size_t{0};

// Replacement with "$n" and "${n}" replaced by group n of a match in Line
// (n all the digits there; "$0" the whole match; an unset or missing group
// gives nothing) and "$$" by "$"; any other "$" stands for itself. Groups
// holds two offsets into Line per group, first and one past the last byte,
// group 0 first.
AnsiString SubstituteGroups(std::string_view Replacement, std::string_view Line, std::span<const size_t> Groups);
