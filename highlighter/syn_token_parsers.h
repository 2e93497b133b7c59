// The per-character parsers of a prepared range. The range's table holds one
// parser for every byte value; the tokenizer calls the one for the byte at
// the current position.
//
// Lines handed to GetToken end in at least two NULs, so the byte after the
// terminator can be read; Run never moves past the first NUL, except that a
// parser that finds nothing may step one past it (the tokenizer clamps).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "highlighter/token_nodes.h"
#include "platform/base/code_page.h"
#include "platform/base/object.h"

class TSynHighlighterAttributes;
class TSynRange;
class TSynSet;
class TSynToken;

// The byte length of the character at Line: two for a lead byte followed by
// a trail byte, else one (a lead byte just before the terminator is alone).
inline int CharLenAt(const char* Line) { return (IsDBCSLeadByte(Line[0]) && Line[1] != '\0') ? 2 : 1; }

class TAbstractParser : public TObject {
public:
    // Looks for a token starting at Line[Run]; moves Run past what it
    // consumed (at least one character when it returns False).
    virtual bool GetToken(const TSynRange& Range, const char* Line, TSynToken*& Token, int& Run) const = 0;
};

// A trie of the tokens that start with one character, and the symbol sets
// that hold that character.
class TParser : public TAbstractParser {
public:
    TParser(uint8_t FirstChar, uint8_t RightBreak, TSynToken* Token);
    explicit TParser(TSynSet* Set);
    ~TParser() override;

    bool GetToken(const TSynRange& Range, const char* Line, TSynToken*& Token, int& Run) const override;

    // Adds the characters of Rest below the root; the last node ends Token.
    void AddRest(const AnsiString& Rest, TSynToken* Token, uint8_t RightBreak);
    void AddSet(TSynSet* Set);
    TTokenNode* Root() const { return root_.get(); }

private:
    bool MatchSet(const TSynRange& Range, const TSynSet& Set, const char* Line, int Start, int& Run) const;

    std::unique_ptr<TTokenNode> root_;  // null for a parser made from a set
    std::vector<TSynSet*> sets_;        // not owned; tried in order
};

// Characters that start no token: a word runs on from here.
class TDefaultParser : public TAbstractParser {
public:
    bool GetToken(const TSynRange& Range, const char* Line, TSynToken*& Token, int& Run) const override;
};

// A delimiter on its own is one token with the range's colours.
class TDelimitersParser : public TAbstractParser {
public:
    explicit TDelimitersParser(TSynHighlighterAttributes* Attributes);
    ~TDelimitersParser() override;

    bool GetToken(const TSynRange& Range, const char* Line, TSynToken*& Token, int& Run) const override;

private:
    std::unique_ptr<TSynToken> token_;
};
