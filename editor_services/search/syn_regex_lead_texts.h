// The texts every match of an expression starts with, where they are few
// and short: "[說門]文|編." starts with 說文, 門文 or 編. A line holding
// none of them cannot match, and is passed over unconverted; it is
// searched for them sixteen bytes at a time.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TSynLeadTexts {
public:
    // For an expression in GBK that compiles, and the case setting;
    // nothing where some match may start otherwise, where the expression
    // holds what could make pcre2 read it otherwise than the texts are
    // read, or where the texts would be too many to test at once.
    static std::optional<TSynLeadTexts> For(std::string_view Pattern, bool Caseless);

    // The first offset from From where one of the texts starts, or npos.
    size_t Find(std::string_view Line, size_t From) const;
    const std::vector<std::string>& Texts() const { return texts_; }

    // At most this many texts of at most MaxLength bytes each: each costs
    // a comparison a byte for every sixteen bytes of the line.
    static constexpr size_t MaxTexts = 8;
    static constexpr size_t MaxLength = 4;

private:
    explicit TSynLeadTexts(std::vector<std::string> Texts);

    // A vector of sixteen bytes, compared in one instruction.
    using TChunk = unsigned char __attribute__((vector_size(16)));

    std::vector<std::string> texts_;
    size_t lengths_[MaxTexts] = {};
    size_t longest_ = 0;
    // Each byte of each text in all sixteen places of a chunk.
    TChunk wanted_[MaxTexts][MaxLength] = {};
};
