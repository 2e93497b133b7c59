#include "highlighter/syn_range.h"

#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"

namespace {

// The printable ASCII characters that are neither letters, digits, the
// underscore nor the space.
TSysCharSet DefaultDelimiters()
{
    TSysCharSet chars;
    for (int c = 33; c <= 126; ++c)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'))
            chars.set(static_cast<size_t>(c));
    return chars;
}

bool HasFreeLeftBreak(const TTokenNode& Node)
{
    if (Node.Token && Node.Token->LeftBreak == kBreakFree)
        return true;
    for (int i = 0; i < Node.Children.Count(); ++i)
        if (HasFreeLeftBreak(*Node.Children.Nodes(i)))
            return true;
    return false;
}

}  // namespace

TSynToken* TSynRangeState::CloseToken() const { return Range->PairCloseToken(Pair); }

TSynRange::TSynRange(const AnsiString& OpenText, const AnsiString& CloseText)
    : Delimiters(DefaultDelimiters()),
      openToken_(std::make_unique<TSynMultiToken>()),
      closeToken_(std::make_unique<TSynMultiToken>())
{
    SetCaseSensitive(false);
    AddCoupleTags(OpenText, CloseText);
}

TSynRange::~TSynRange() { Reset(); }

void TSynRange::AddCoupleTags(const AnsiString& OpenText, const AnsiString& CloseText)
{
    if (openToken_->AddSymbol(OpenText) != closeToken_->AddSymbol(CloseText))
        throw Exception(ClassName() + ".AddCoupleTags: different multitags count");
}

void TSynRange::AddRange(TSynRange* Range)
{
    ranges_.emplace_back(Range);
    Range->SetParent(this);
}

void TSynRange::AddKeyList(TSynKeyList* KeyList)
{
    keyLists_.emplace_back(KeyList);
    KeyList->SetParent(this);
}

void TSynRange::AddSet(TSynSet* Set)
{
    sets_.emplace_back(Set);
    Set->SetParent(this);
}

void TSynRange::SetCaseSensitive(bool Value)
{
    caseSensitive_ = Value;
    for (int c = 0; c < 256; ++c)
        convert_[static_cast<size_t>(c)] =
            static_cast<unsigned char>(Value ? c : UpCase(static_cast<char>(c)));
}

AnsiString TSynRange::ConvertText(const AnsiString& Text) const
{
    return caseSensitive_ ? Text : UpperCase(Text);
}

const TSynRangeState* TSynRange::State(int Pair, const TSynRangeState* Parent)
{
    for (const auto& state : states_)
        if (state->Pair == Pair && state->Parent == Parent)
            return state.get();
    states_.push_back(std::make_unique<TSynRangeState>(TSynRangeState{this, Pair, Parent}));
    return states_.back().get();
}

int TSynRange::PairOfCloseToken(const TSynToken* Token) const
{
    auto found = std::find(pairCloseTokens_.begin(), pairCloseTokens_.end(), Token);
    return found == pairCloseTokens_.end() ? -1 : static_cast<int>(found - pairCloseTokens_.begin());
}

TSynToken* TSynRange::PairCloseToken(int Pair) const
{
    if (Pair < 0 || Pair >= static_cast<int>(pairCloseTokens_.size()))
        return nullptr;
    return pairCloseTokens_[static_cast<size_t>(Pair)];
}

TSynToken* TSynRange::FindOrAddToken(const TSynToken& Token, bool& Added)
{
    AnsiString text = Token.Text();
    auto found = tokenIndex_.find(text);
    Added = found == tokenIndex_.end();
    if (!Added)
        return found->second;
    tokens_.push_back(std::make_unique<TSynToken>(Token));
    tokenIndex_.emplace(std::move(text), tokens_.back().get());
    return tokens_.back().get();
}

TSynToken* TSynRange::AddTokenKeepingAttributes(const TSynToken& Token, TSynHighlighterAttributes* Attributes)
{
    bool added;
    TSynToken* token = FindOrAddToken(Token, added);
    if (!token->Attributes)
        token->Attributes = Attributes;
    return token;
}

TSynToken* TSynRange::AddTokenReplacingAttributes(const TSynToken& Token)
{
    bool added;
    TSynToken* token = FindOrAddToken(Token, added);
    if (!added)
        token->Attributes = Token.Attributes;
    return token;
}

void TSynRange::Prepare()
{
    ClearParsers();
    // A sub-range prepared on its own would otherwise drop the close tokens
    // given to it below when it prepares again.
    for (const auto& range : ranges_)
        range->ClearAll();

    TSynHighlighterAttributes* attributes = GetHighlighterAttributes();
    defaultToken_ = std::make_unique<TSynToken>(attributes);
    delimitersParser_ = std::make_unique<TDelimitersParser>(attributes);
    defaultParser_ = std::make_unique<TDefaultParser>();
    for (size_t c : {0, 9, 10, 13, 32})
        Delimiters.set(c);

    std::array<TParser*, 256> tries{};
    if (Enabled) {
        for (const auto& range : ranges_) {
            if (!range->Enabled)
                continue;
            TSynHighlighterAttributes* rangeAttributes = range->GetHighlighterAttributes();
            int pairs = range->openToken_->SymbolCount();
            range->pairCloseTokens_.assign(static_cast<size_t>(pairs), nullptr);
            for (int i = 0; i < pairs; ++i) {
                TSynToken* open = AddTokenKeepingAttributes(TSynToken(*range->openToken_, i), rangeAttributes);
                open->Rule = range.get();
                TSynToken* close =
                    range->AddTokenKeepingAttributes(TSynToken(*range->closeToken_, i), rangeAttributes);
                open->ClosingToken = close;
                range->pairCloseTokens_[static_cast<size_t>(i)] = close;
            }
            range->Prepare();
        }

        // A keyword takes its list's colours even over an open token of the
        // same text; a later list wins over an earlier one.
        for (const auto& keyList : keyLists_) {
            if (!keyList->Enabled)
                continue;
            TSynToken word(keyList->GetHighlighterAttributes());
            for (int i = 0; i < keyList->KeyList()->Count(); ++i) {
                word.Symbol = keyList->KeyList()->Strings(i);
                AddTokenReplacingAttributes(word);
            }
        }

        std::sort(tokens_.begin(), tokens_.end(), [](const auto& a, const auto& b) { return a->Symbol < b->Symbol; });

        for (const auto& token : tokens_) {
            const AnsiString& text = token->Symbol;
            if (text.empty())
                continue;
            uint8_t rightBreak = token->RightBreak;
            if (rightBreak == kBreakUnset)
                rightBreak = CharInSet(text.back(), Delimiters) ? kBreakFree : kBreakDelimited;
            unsigned char c = ConvertChar(static_cast<unsigned char>(text[0]));
            TParser*& slot = tries[c];
            if (!slot) {
                // The first text of a slot owns the root; a longer one leaves
                // the root to the range's default token.
                bool single = text.size() == 1;
                tries_.push_back(std::make_unique<TParser>(c, rightBreak, single ? token.get() : defaultToken_.get()));
                slot = tries_.back().get();
                if (!single)
                    slot->AddRest(ConvertText(text).substr(1), token.get(), rightBreak);
            } else if (text.size() > 1) {
                slot->AddRest(ConvertText(text).substr(1), token.get(), rightBreak);
            }
        }

        for (int ch = 0; ch < 256; ++ch) {
            for (const auto& set : sets_) {
                if (!set->Enabled || !set->Symbols.test(static_cast<size_t>(ch)))
                    continue;
                TParser*& slot = tries[ConvertChar(static_cast<unsigned char>(ch))];
                if (!slot) {
                    tries_.push_back(std::make_unique<TParser>(set.get()));
                    slot = tries_.back().get();
                } else {
                    slot->AddSet(set.get());
                }
            }
        }

        std::array<bool, 256> slotStartsSymbol{};
        for (size_t c = 0; c < 256; ++c)
            slotStartsSymbol[c] = tries[c] && tries[c]->Root() && HasFreeLeftBreak(*tries[c]->Root());
        for (size_t c = 0; c < 256; ++c)
            symbolStart_[c] = slotStartsSymbol[ConvertChar(static_cast<unsigned char>(c))];
    }

    for (size_t c = 0; c < 256; ++c) {
        if (tries[c])
            parsers_[c] = tries[c];
        else if (Delimiters.test(c))
            parsers_[c] = delimitersParser_.get();
        else
            parsers_[c] = defaultParser_.get();
    }
    // The tokenizer looks bytes up as they are; give each its case's parser.
    for (size_t c = 0; c < 256; ++c)
        parsers_[c] = parsers_[ConvertChar(static_cast<unsigned char>(c))];
    prepared_ = true;
}

void TSynRange::ClearParsers()
{
    if (prepared_)
        ClearAll();
}

void TSynRange::ClearAll()
{
    tries_.clear();
    defaultParser_.reset();
    delimitersParser_.reset();
    defaultToken_.reset();
    for (const auto& range : ranges_)
        range->ClearAll();
    tokenIndex_.clear();
    tokens_.clear();
    pairCloseTokens_.clear();
    parsers_.fill(nullptr);
    symbolStart_.fill(false);
    prepared_ = false;
}

void TSynRange::Reset()
{
    openToken_->Clear();
    closeToken_->Clear();
    AddCoupleTags(AnsiString(), AnsiString());
    CloseOnTerm = false;
    CloseOnEol = false;
    AllowPredClose = false;
    ClearAll();
    for (const auto& range : ranges_)
        range->Reset();
    ranges_.clear();
    keyLists_.clear();
    sets_.clear();
}
