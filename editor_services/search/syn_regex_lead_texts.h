// The texts every match of an expression starts with, where they are few
// and short: "[說門]文|編." starts with 說文, 門文 or 編. A line holding
// none of them cannot match, and is passed over unconverted; in a line
// that does, no match starts before the place one of them stands. Lines
// are searched for them sixteen bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor_services/search/syn_byte_chunks.h"

class TSynLeadTexts {
public:
    // For an expression in GBK that compiles, and the case setting;
    // nothing where some match may start otherwise, where the expression
    // holds what could make pcre2 read it otherwise than the texts are
    // read, or where the texts would be too many to test at once.
    static std::optional<TSynLeadTexts> For(std::string_view Pattern, bool Caseless);

    // The first offset from From where one of the texts starts, or npos.
    size_t Find(std::string_view Line, size_t From) const;
    // Of Places, bits for the 64 bytes from At (the first byte's lowest),
    // those where one of the texts starts; reads MaxLength - 1 bytes past
    // the 64.
    uint64_t StartsAmong(const unsigned char* At, uint64_t Places) const;
    const std::vector<std::string>& Texts() const { return texts_; }

    // At most this many texts of at most MaxLength bytes each: each costs
    // two comparisons for every sixteen bytes of the line.
    static constexpr size_t MaxTexts = 8;
    static constexpr size_t MaxLength = 4;

private:
    explicit TSynLeadTexts(std::vector<std::string> Texts);
    // One bit for each of the sixteen places from At where a text's first
    // and last bytes stand; reads MaxLength - 1 bytes past the sixteen.
    uint64_t MarksAt(const unsigned char* At) const;
    // The four bytes at At, as the texts' words_ hold theirs; and whether
    // those hold one of the texts from their first.
    static uint32_t WordAt(const unsigned char* At);
    bool StartsWith(uint32_t Word) const;

    std::vector<std::string> texts_;
    // The first and the last byte of each text, in all sixteen places of a
    // chunk: where both stand, the whole text is compared, as four bytes
    // read at once, those past its end masked off.
    TByteChunk firsts_[MaxTexts] = {};
    TByteChunk lasts_[MaxTexts] = {};
    uint8_t lastAt_[MaxTexts] = {};
    uint32_t words_[MaxTexts] = {};
    uint32_t masks_[MaxTexts] = {};
};

