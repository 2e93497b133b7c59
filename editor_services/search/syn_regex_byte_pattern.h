// A regular expression over GBK characters rewritten to match a line's own
// bytes, for the expressions where that finds exactly the matches that
// start between characters: lines are then searched without being
// converted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Pattern rewritten for pcre2's byte mode, or nothing when it uses what
// only characters can answer. What it may hold: ASCII literals, \d \w \s
// and escaped punctuation; classes of those and of double-byte characters
// (not negated, no ranges over double-byte characters); '.', groups
// (plain, (?: (?= (?! and (?>), alternatives, quantifiers, ^ and $. Each
// double-byte character becomes its two bytes as one atom, '.' one whole
// character. Caseless, a double-byte character must be a Chinese one (no
// fullwidth, Greek or Cyrillic letter, which fold). A '.', double-byte
// character or class holding one may not repeat beyond '?', but for a '.'
// repeated to the line end, which stays pcre2's own repeat of any byte:
// matching stays one pass over a long line. In such an expression every
// atom takes whole characters, so a match found in the bytes that starts
// at a character start is the match the character matcher finds there.
std::optional<std::string> RegexForBytes(std::string_view Pattern, bool Caseless);
