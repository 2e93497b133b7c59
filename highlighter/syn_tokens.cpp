#include "highlighter/syn_tokens.h"

#include "platform/base/exceptions.h"

TSynToken::TSynToken(TSynHighlighterAttributes* AAttributes) { Attributes = AAttributes; }

TSynToken::TSynToken(const TAbstractSynToken& Token)
{
    Attributes = Token.Attributes;
    StartLine = Token.StartLine;
    LeftBreak = Token.LeftBreak;
    RightBreak = Token.RightBreak;
    if (auto* single = dynamic_cast<const TSynToken*>(&Token))
        Symbol = single->Text();
}

TSynToken::TSynToken(const TSynMultiToken& MultiToken, int Index) : Symbol(MultiToken.GetSymbol(Index))
{
    Attributes = MultiToken.Attributes;
    StartLine = MultiToken.StartLine;
    LeftBreak = MultiToken.LeftBreak;
    RightBreak = MultiToken.RightBreak;
}

AnsiString TSynToken::Text() const { return FinishOnEol ? Symbol + '\0' : Symbol; }

TSynMultiToken::TSynMultiToken()
{
    LeftBreak = kBreakFree;
    RightBreak = kBreakFree;
}

int TSynMultiToken::AddSymbol(const AnsiString& Text)
{
    symbols_.push_back(Text);
    return SymbolCount() - 1;
}

const AnsiString& TSynMultiToken::GetSymbol(int Index) const
{
    if (Index < 0 || Index >= SymbolCount())
        throw Exception("TSynMultiToken.GetSymbol: Index out of bounds");
    return symbols_[static_cast<size_t>(Index)];
}
