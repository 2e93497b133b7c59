// The tokens a range recognises: single tokens in a range's token list and
// the open/close multi-tokens of a range, each with the rules for where it
// may stand (start of line, word boundaries on either side).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/base/ansi_string.h"

class TSynHighlighterAttributes;
class TSynRange;

// Where a token may stand in its line.
inline constexpr uint8_t kStartLineAnywhere = 0;
inline constexpr uint8_t kStartLineFirstColumn = 1;
inline constexpr uint8_t kStartLineAfterBlanks = 2;  // only tabs and spaces before it

// A break on one side of a token.
inline constexpr uint8_t kBreakUnset = 0;
inline constexpr uint8_t kBreakFree = 1;      // may touch a word on that side
inline constexpr uint8_t kBreakDelimited = 2;  // may not continue a word on that side

class TAbstractSynToken : public TObject {
public:
    TSynHighlighterAttributes* Attributes = nullptr;  // not owned
    uint8_t RightBreak = kBreakUnset;
    bool FinishOnEol = false;
    TSynRange* Rule = nullptr;  // the range this token opens, if any
    uint8_t StartLine = kStartLineAnywhere;
    uint8_t LeftBreak = kBreakUnset;
};

class TSynToken : public TAbstractSynToken {
public:
    explicit TSynToken(TSynHighlighterAttributes* AAttributes = nullptr);
    // A copy of Token's attributes, breaks, StartLine and text; a token that
    // finishes on the line end gives a text ending in NUL instead of the flag.
    explicit TSynToken(const TAbstractSynToken& Token);
    TSynToken(const TSynToken& Token) : TSynToken(static_cast<const TAbstractSynToken&>(Token)) {}
    // Entry Index of MultiToken with its attributes, breaks and StartLine.
    TSynToken(const class TSynMultiToken& MultiToken, int Index);
    TSynToken& operator=(const TSynToken&) = delete;

    // Symbol, with a NUL appended when the token finishes on the line end.
    AnsiString Text() const;

    AnsiString Symbol;
    TSynToken* ClosingToken = nullptr;  // on open tokens: the token that ends the range
};

// Parallel lists of open and close texts of a range share one of these each.
class TSynMultiToken : public TAbstractSynToken {
public:
    TSynMultiToken();

    int AddSymbol(const AnsiString& Text);
    void Clear() { symbols_.clear(); }
    int SymbolCount() const { return static_cast<int>(symbols_.size()); }
    // Raises Exception "TSynMultiToken.GetSymbol: Index out of bounds".
    const AnsiString& GetSymbol(int Index) const;

private:
    std::vector<AnsiString> symbols_;
};
