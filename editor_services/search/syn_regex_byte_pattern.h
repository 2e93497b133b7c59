// A regular expression over GBK characters rewritten to match a line's own
// bytes, for the expressions where that finds exactly the matches that
// start between characters: lines are then searched without being
// converted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// An expression as rewritten for a line's bytes.
struct TSynBytesRegex {
    std::string Pattern;
    // Whether it repeats an atom standing for one character ('.', a
    // double-byte character, a class holding one) or a group holding one
    // at any depth. pcre2 takes a step and a backtracking frame for each
    // character such a repeat runs over; where it fails it cannot pass
    // over the rest of the line in one go as it does for a plain repeat
    // ("a.*z" over a line of a's tries every a to the line end), and a
    // letter that is a trail byte passes its check for a letter every
    // match holds ("(.)*xy" tries every start when a trail byte is a 'y').
    // On long lines the character matcher, whose repeat of '.' is plain
    // and whose line holds no such letters, stays in proportion to the
    // line.
    bool RepeatsGroups = false;
};

// Pattern rewritten for pcre2's byte mode, or nothing when it uses what
// only characters can answer. What it may hold: ASCII literals, \d \w \s
// and escaped punctuation; classes of those and of double-byte characters
// (not negated, no ranges over double-byte characters); '.', groups
// (plain, (?: (?= (?! and (?>), alternatives, quantifiers, ^ and $. Each
// double-byte character becomes its two bytes as one atom, '.' one whole
// character, but for a '.' repeated to the line end, which stays pcre2's
// plain repeat of any byte. Caseless, a double-byte character must be a
// Chinese one (no fullwidth, Greek or Cyrillic letter, which fold). In
// such an expression every atom takes whole characters, so a match found
// in the bytes that starts at a character start is the match the
// character matcher finds there.
std::optional<TSynBytesRegex> RegexForBytes(std::string_view Pattern, bool Caseless);
