// The filter of the file dialogs ("描述|*.vek;*.mdb|所有类型(*.*)|*.*"): pairs
// of a description and its patterns, and the matching of names against the
// patterns.
#pragma once

#include <string_view>
#include <vector>

#include "platform/base/ansi_string.h"

struct TFileFilter {
    AnsiString Description;
    AnsiString Patterns;  // "*.vek;*.mdb"
};

// The pairs of Filter in order; a description without patterns gets none.
// The '|' is found by walking whole characters, since it is also a GBK
// trail byte.
std::vector<TFileFilter> ParseFileFilter(std::string_view Filter);

// Whether Name matches one of the ';'-separated Patterns: '*' matches any
// run of characters, '?' exactly one (a double-byte character is one),
// ASCII letters match without case, blanks around a pattern do not count.
// "*.*" matches every name, dot or not, as users expect of it; an empty
// Patterns matches everything too.
bool MatchesFilePatterns(std::string_view Name, std::string_view Patterns);

// Whether the text holds '*' or '?', making a typed name a pattern.
bool HasWildcards(std::string_view Text);
