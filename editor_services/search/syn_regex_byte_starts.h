// Where a match of an expression rewritten for a line's own bytes may
// start: at a character start, and only while the rest of the line holds
// a byte every match needs where the characters hold it. pcre2's own
// check for such a byte takes a trail byte for it, so on the bytes it can
// try every start of a line the character matcher passes over at once.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "editor_services/search/syn_search_char_starts.h"

// A byte every match holds, as the last one pcre2 found the expression on
// the bytes to need: an ASCII character of its own (in either case where
// it is a letter), or the trail byte of one of the expression's own
// double-byte characters. What pcre2 found the expression on the
// characters to need tells which: an ASCII character, or the last code
// unit of a character beyond ASCII.
class TSynRequiredByte {
public:
    TSynRequiredByte() = default;
    // Byte and OnCharacters as pcre2 gives them (-1 for none), for an
    // expression in GBK.
    TSynRequiredByte(int Byte, int OnCharacters, std::string_view Pattern);

    bool Known() const { return byte_ >= 0; }
    // The first offset from From where a character holding it starts, or
    // npos.
    size_t Find(std::string_view Line, TSynCharStarts& Starts, size_t From) const;

private:
    bool HoldsAt(std::string_view Line, TSynCharStarts& Starts, size_t At, size_t From, size_t& Start) const;

    int byte_ = -1;
    int otherCase_ = -1;
    bool alone_ = true;  // whether the byte as a character of its own counts
    std::vector<std::string_view> pairs_;  // the expression's double-byte characters ending in it
};

// The starts pcre2 tries on one line, as it tries them (mostly in
// increasing order, where the search of the byte is done once a line).
class TSynByteStarts {
public:
    enum TAnswer { Try, Skip, NoMore };

    TSynByteStarts(const TSynRequiredByte& Required, std::string_view Line, TSynCharStarts& Starts)
        : required_(Required), line_(Line), starts_(Starts)
    {
    }

    // Try a match at Offset, Skip it (inside a character), or try none
    // there nor after it (the byte it needs is not there).
    TAnswer At(size_t Offset);

private:
    const TSynRequiredByte& required_;
    std::string_view line_;
    TSynCharStarts& starts_;
    // The start of the first character holding the required byte from
    // searchedFrom_ on, where searched.
    size_t searchedFrom_ = std::string_view::npos;
    size_t found_ = std::string_view::npos;
};
