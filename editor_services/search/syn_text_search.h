// TSynTextSearch: the plain-text search engine. Candidates are found where
// the pattern's first byte occurs (memchr, in both cases when caseless); a
// candidate counts only when it starts and ends between characters and its
// double-byte characters are those of the pattern: byte for byte, or when
// caseless in their folded form (syn_gbk_case_fold.h), as the
// regular-expression engine folds letters.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "editor/syn_text_search_custom.h"

class TSynCharStarts;

class TSynTextSearch : public TSynTextSearchCustom {
public:
    explicit TSynTextSearch(TComponent* AOwner);

    AnsiString GetPattern() const override { return pattern_; }
    void SetPattern(const AnsiString& Value) override;
    // The pattern's length for every result.
    int GetLength(int Index) const override;
    // 0 for an index outside the results.
    int GetResult(int Index) const override;
    int GetResultCount() const override { return static_cast<int>(results_.size()); }
    void SetOptions(TSynSearchOptions Value) override;
    // Raises "Pattern is empty" for an empty pattern.
    int FindAll(std::string_view Line) override;
    // Replacement as it is.
    AnsiString Replace(int Index, const AnsiString& Replacement) override;

private:
    void MakeTranslationTable();
    // The offset of the next candidate at or after From, or npos.
    size_t NextCandidate(std::string_view Line, size_t From, size_t Last) const;
    bool MatchesAt(std::string_view Line, size_t Start, TSynCharStarts& Starts) const;
    bool IsDelimiterBefore(std::string_view Line, size_t Start, TSynCharStarts& Starts) const;
    bool IsDelimiterAt(std::string_view Line, size_t Offset) const;

    AnsiString pattern_;
    // Each byte as it is compared outside double-byte characters: the
    // identity when case-sensitive, else ASCII letters lower-cased.
    std::array<unsigned char, 256> trans_{};
    // True for every single byte that is not a letter, digit or underscore.
    std::array<bool, 256> delimiter_{};
    bool caseSensitive_ = false;
    bool wholeWord_ = false;
    std::vector<int> results_;  // 1-based starts, ascending, never overlapping
};
