// TSynTextRegexSearch: the regular-expression search engine, over pcre2
// (with its JIT where the machine has one, and where the JIT answers as
// pcre2's interpreter does). Pattern and lines are read as characters
// ("." and classes take a Chinese character whole, look-behinds and word
// boundaries see characters): every match and group comes from pcre2 on
// the line converted to UTF-8, so none starts or ends inside a character.
// The line's own bytes only pass over lines that cannot match. The
// expression is compiled once for a pattern and case setting; caseless
// matching folds every letter with case, ASCII and fullwidth, Greek and
// Cyrillic alike. An empty match is followed by a non-empty one at the
// same place or by a step of one character.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "editor/syn_text_search_custom.h"
#include "editor_services/search/syn_regex_groups.h"
#include "editor_services/search/syn_regex_subject.h"
#include "platform/base/exceptions.h"

// A pattern that does not compile; the message is pcre2's, with the place
// in the pattern.
TANDRIL_EXCEPTION(ESynRegexError, Exception);

class TSynTextRegexSearch : public TSynTextSearchCustom {
public:
    explicit TSynTextRegexSearch(TComponent* AOwner);
    ~TSynTextRegexSearch() override;

    AnsiString GetPattern() const override { return pattern_; }
    void SetPattern(const AnsiString& Value) override;
    int GetLength(int Index) const override;
    int GetResult(int Index) const override;
    int GetResultCount() const override { return static_cast<int>(groups_.size() / groupSize_); }
    // Caseless exactly when soMatchCase is absent; whole words are not
    // supported.
    void SetOptions(TSynSearchOptions Value) override;
    // Raises ESynRegexError when the pattern does not compile, and
    // ESynSearchTooCostly when a match backtracks past pcre2's limits.
    int FindAll(std::string_view Line) override;
    // Replacement with the groups of result Index filled in, taken from the
    // line FindAll searched.
    AnsiString Replace(int Index, const AnsiString& Replacement) override;
    // Whether lines that cannot match are passed over unconverted (on by
    // default); off, every line is converted and searched, as tests
    // compare.
    void SetLineFilter(bool On) { lineFilter_ = On; }

private:
    struct TCompiled;
    void Compile();
    // The matches in subject_, the text of the line from LineFrom, and
    // the stretch of the line their groups lie in.
    void CollectMatches(const TCompiled& Compiled, size_t LineFrom);

    AnsiString pattern_;
    bool caseless_ = true;
    bool lineFilter_ = true;
    std::unique_ptr<TCompiled> compiled_;  // null until needed, and after a change of pattern or case
    std::span<const size_t> Groups(int Index) const;

    // The stretch of the last FindAll's line that its matches' groups lie
    // in, [matchedFrom_, matchedTo_): Replace reads them there, after the
    // caller's line may have changed, and a find in a long line copies only
    // that. Groups may lie before the match (a look-behind, \K) or after
    // it (a look-ahead).
    AnsiString matched_;
    size_t matchedFrom_ = 0;
    size_t matchedTo_ = 0;
    std::vector<size_t> replaced_;  // the groups Replace fills in, as offsets into matched_
    TSynRegexSubject subject_;  // the line being searched, as the matcher reads it
    // The groups of the matches of the last FindAll, in order: groupSize_
    // offsets each (see SubstituteGroups).
    std::vector<size_t> groups_;
    size_t groupSize_ = 2;
};
