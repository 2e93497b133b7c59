// A range: the root of a scheme or a region inside it (a comment, a string),
// entered by an open token and left by the matching close token. It holds
// keyword lists, symbol sets and further ranges, and once prepared it has a
// parser for every byte value.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "highlighter/syn_rules.h"
#include "highlighter/syn_token_parsers.h"

class TSynRange;

// The tokenizer's state between lines: the range in force, the open/close
// pair it was entered by and the state to return to when it closes. Each
// range owns the states it can be in; they live as long as the range, so an
// editor's stored line state stays valid while rules are prepared again.
struct TSynRangeState {
    TSynRange* Range;
    int Pair;                      // -1 for the root, which no token closes
    const TSynRangeState* Parent;  // nullptr for the root
    // The token that closes Range in this state, or nullptr.
    TSynToken* CloseToken() const;
};

class TSynRange : public TSynRule {
public:
    TSynRange(const AnsiString& OpenText = AnsiString(), const AnsiString& CloseText = AnsiString());
    ~TSynRange() override;

    // Appends one open/close pair. Raises Exception
    // "TSynRange.AddCoupleTags: different multitags count" when the two
    // lists were out of step.
    void AddCoupleTags(const AnsiString& OpenText, const AnsiString& CloseText);
    // Take ownership and make this range the child's parent.
    void AddRange(TSynRange* Range);
    void AddKeyList(TSynKeyList* KeyList);
    void AddSet(TSynSet* Set);
    int GetRangeCount() const { return static_cast<int>(ranges_.size()); }
    int GetKeyListCount() const { return static_cast<int>(keyLists_.size()); }
    int GetSetCount() const { return static_cast<int>(sets_.size()); }
    TSynRange* GetRange(int Index) const { return ranges_[static_cast<size_t>(Index)].get(); }
    TSynKeyList* GetKeyList(int Index) const { return keyLists_[static_cast<size_t>(Index)].get(); }
    TSynSet* GetSet(int Index) const { return sets_[static_cast<size_t>(Index)].get(); }

    TSynMultiToken* OpenToken() const { return openToken_.get(); }
    TSynMultiToken* CloseToken() const { return closeToken_.get(); }
    bool CaseSensitive() const { return caseSensitive_; }
    // A case-insensitive range folds ASCII letters only; double-byte
    // characters are compared as they are.
    void SetCaseSensitive(bool Value);
    bool Prepared() const { return prepared_; }

    // Builds the token list and the parser table of this range and of its
    // enabled sub-ranges. May be repeated.
    void Prepare();
    // Frees what Prepare built, here and below; nothing on an unprepared
    // range, so the close tokens a parent gives it survive its own Prepare.
    void ClearParsers();
    // Empties the range for reloading: one empty pair, no sub-rules, flags
    // off. CaseSensitive, Delimiters, the name and the colours stay.
    void Reset();

    // The prepared range as the tokenizer sees it.
    TAbstractParser* Parser(unsigned char C) const { return parsers_[C]; }
    bool IsSymbolStart(unsigned char C) const { return symbolStart_[C]; }
    unsigned char ConvertChar(unsigned char C) const { return convert_[C]; }
    AnsiString ConvertText(const AnsiString& Text) const;
    TSynToken* DefaultToken() const { return defaultToken_.get(); }
    int TokenCount() const { return static_cast<int>(tokens_.size()); }
    TSynToken* Tokens(int Index) const { return tokens_[static_cast<size_t>(Index)].get(); }
    // The state of this range entered by Pair from Parent, made on first use.
    const TSynRangeState* State(int Pair, const TSynRangeState* Parent);
    // The pair whose close token is Token, or -1.
    int PairOfCloseToken(const TSynToken* Token) const;
    TSynToken* PairCloseToken(int Pair) const;

    bool AllowPredClose = false;
    bool CloseOnEol = false;
    bool CloseOnTerm = false;
    TSysCharSet Delimiters;

private:
    // Both return the token in the list; the caller keeps Token.
    TSynToken* AddTokenKeepingAttributes(const TSynToken& Token, TSynHighlighterAttributes* Attributes);
    TSynToken* AddTokenReplacingAttributes(const TSynToken& Token);
    TSynToken* FindOrAddToken(const TSynToken& Token, bool& Added);
    // Frees what Prepare built whether or not the range is prepared.
    void ClearAll();

    bool prepared_ = false;
    bool caseSensitive_ = false;
    std::unique_ptr<TSynMultiToken> openToken_;   // same count as closeToken_
    std::unique_ptr<TSynMultiToken> closeToken_;
    std::vector<std::unique_ptr<TSynRange>> ranges_;
    std::vector<std::unique_ptr<TSynKeyList>> keyLists_;
    std::vector<std::unique_ptr<TSynSet>> sets_;
    // Sorted by text after Prepare, each text once; tokenIndex_ maps a text
    // to its token.
    std::vector<std::unique_ptr<TSynToken>> tokens_;
    std::unordered_map<AnsiString, TSynToken*> tokenIndex_;
    // Entry i: the token in tokens_ that closes pair i; set by the parent.
    std::vector<TSynToken*> pairCloseTokens_;
    std::array<unsigned char, 256> convert_{};
    std::unique_ptr<TSynToken> defaultToken_;
    std::unique_ptr<TDefaultParser> defaultParser_;
    std::unique_ptr<TDelimitersParser> delimitersParser_;
    std::vector<std::unique_ptr<TParser>> tries_;
    // After Prepare every entry is set; a case-insensitive range gives both
    // cases of a letter the same parser.
    std::array<TAbstractParser*, 256> parsers_{};
    std::array<bool, 256> symbolStart_{};
    std::vector<std::unique_ptr<TSynRangeState>> states_;  // never shrinks
};
