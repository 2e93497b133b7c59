// TSynTextSearch: the plain-text search engine. A skip table over the
// (case-folded) pattern finds candidates fast; a candidate counts only when
// it starts and ends between characters and its double-byte characters are
// those of the pattern byte for byte (case folding never touches them).
#pragma once

#include <array>
#include <cstdint>
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
    int FindAll(const AnsiString& Line) override;
    // Replacement as it is.
    AnsiString Replace(int Index, const AnsiString& Replacement) override;

private:
    void MakeTranslationTable();
    void InitShiftTable();
    bool MatchesAt(const AnsiString& Line, size_t Start, TSynCharStarts& Starts) const;
    bool IsDelimiterBefore(const AnsiString& Line, size_t Start, TSynCharStarts& Starts) const;
    bool IsDelimiterAt(const AnsiString& Line, size_t Offset) const;

    AnsiString pattern_;
    // Each byte as it is compared outside double-byte characters: the
    // identity when case-sensitive, else ASCII letters lower-cased.
    std::array<unsigned char, 256> trans_{};
    // True for every single byte that is not a letter, digit or underscore.
    std::array<bool, 256> delimiter_{};
    // The distance from the window's last byte to the last occurrence of
    // each translated byte in the pattern, plus 1 (the pattern's length + 1
    // for bytes it lacks). Valid while shiftBuilt_.
    std::array<uint32_t, 256> shift_{};
    // How far the window may move when its last byte matched but the whole
    // did not: the distance from the pattern's last byte to the previous
    // occurrence of that byte (or the pattern's length).
    size_t lookAt_ = 1;
    bool caseSensitive_ = false;
    bool wholeWord_ = false;
    bool shiftBuilt_ = false;
    std::vector<int> results_;  // 1-based starts, ascending, never overlapping
};
