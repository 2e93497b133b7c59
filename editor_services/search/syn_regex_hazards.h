// What in an expression pcre2 (10.42) may answer wrongly about, so that
// the search can take the way round: its JIT, in an atomic group, a group
// repeated possessively or an assertion (atomic too), can keep a group
// taken at a start that failed for the match found at a later one
// ("([A-Z])*+x" over "T x" gives $1 = "T"), and backtracking verbs leave
// it other starts to try; and its automatic possessification makes a
// repeat before an atomic group that may match nothing possessive
// ("a+(?:b|c)?+a" finds nothing in "aa").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct TSynRegexHazards {
    // An atomic group, a possessively repeated group or an assertion with
    // a capturing group in it (or being one), or a verb.
    bool JitMayAnswerOtherwise = false;
    // An atomic group, a possessively repeated group or an assertion.
    bool AtomicGroup = false;
    // A verb ("(*COMMIT)", "(*SKIP:x)" ...): the JIT may find other
    // matches, not only other groups.
    bool Verb = false;
    // \G: where the search started counts.
    bool SearchStart = false;
    // Where each \K (the match starts here) stands in the pattern.
    std::vector<size_t> Keeps;
};

// The hazards of Pattern (UTF-8, compiled with Options), those of groups
// taken as there where its groups cannot be told apart; none when it does
// not compile.
TSynRegexHazards FindRegexHazards(std::string_view Pattern, uint32_t Options);
