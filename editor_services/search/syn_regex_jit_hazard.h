// Expressions whose groups pcre2's JIT (in 10.42) may give otherwise than
// its interpreter: in a group repeated possessively or an atomic group it
// can keep a group taken at a start that failed for the match found at a
// later one ("([A-Z])*+x" over "T x" gives $1 = "T").
#pragma once

#include <cstdint>
#include <string_view>

// Whether Pattern (UTF-8, compiled with Options) holds a possessively
// repeated group, an atomic group or a verb; when it does not compile,
// false.
bool JitMayKeepGroupsOfFailedStarts(std::string_view Pattern, uint32_t Options);
