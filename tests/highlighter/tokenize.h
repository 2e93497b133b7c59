// Helpers for the highlighter tests: one line's tokens as plain values.
#pragma once

#include <string>
#include <vector>

#include "highlighter/syn_lex_syn.h"

struct TokenSeen {
    int Pos;
    std::string Text;
    TSynHighlighterAttributes* Attr;
    bool operator==(const TokenSeen&) const = default;
};

// The tokens of Line starting from State (nullptr: the root); State is set
// to the state the line ends in.
inline std::vector<TokenSeen> TokenizeLine(TSynLexSyn& Syn, const std::string& Line, void*& State)
{
    std::vector<TokenSeen> tokens;
    Syn.SetRange(State);
    Syn.SetLine(Line, 0);
    while (!Syn.GetEol()) {
        tokens.push_back({Syn.GetTokenPos(), Syn.GetToken(), Syn.GetTokenAttribute()});
        Syn.Next();
    }
    State = Syn.GetRange();
    return tokens;
}

inline std::vector<TokenSeen> TokenizeLine(TSynLexSyn& Syn, const std::string& Line)
{
    void* state = nullptr;
    return TokenizeLine(Syn, Line, state);
}

// The token texts of Line, for quick comparisons.
inline std::vector<std::string> Texts(const std::vector<TokenSeen>& Tokens)
{
    std::vector<std::string> texts;
    for (const auto& t : Tokens)
        texts.push_back(t.Text);
    return texts;
}
