// The rules a scheme is made of: keyword lists, symbol sets and (in
// syn_range.h) ranges. Each rule carries the colours the scheme stores for it
// and works out the colours its tokens are painted with.
#pragma once

#include <memory>
#include <string>

#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/document/text_routines.h"
#include "highlighter/syn_attributes.h"
#include "highlighter/syn_tokens.h"
#include "platform/base/object.h"
#include "platform/base/ansi_string.h"

class TSynRange;
class TStream;
class TStringList;

class TAbstractRule : public TObject {
public:
    bool Enabled = true;  // a disabled rule takes no part in preparation
};

class TSynRule : public TAbstractRule {
public:
    TSynRule();
    ~TSynRule() override;
    TSynRule(const TSynRule&) = delete;
    TSynRule& operator=(const TSynRule&) = delete;

    // The stored colours, then the parent's effective foreground and
    // background where the flags ask for them. The result is the object the
    // editor paints with; it keeps its identity across calls.
    TSynHighlighterAttributes* GetHighlighterAttributes();
    TSynAttributes* Attributes() const { return attributes_.get(); }
    TSynRange* Parent() const { return parent_; }
    void SetParent(TSynRange* Value) { parent_ = Value; }

    // One rule (a range with everything inside it) as a version 2.0
    // document, so rules can be moved between schemes.
    bool LoadFromFile(const AnsiString& FileName);
    bool LoadFromStream(TStream* Stream);
    bool SaveToFile(const AnsiString& FileName);
    bool SaveToStream(TStream* Stream);

    AnsiString Name;
    AnsiString Style;  // the name of a style of the scheme

private:
    TSynRange* parent_ = nullptr;  // not owned; the root range is its own parent
    std::unique_ptr<TSynHighlighterAttributes> effective_;
    std::unique_ptr<TSynAttributes> attributes_;
};

class TSynKeyList : public TSynRule {
public:
    // Text becomes the list, one keyword per line.
    explicit TSynKeyList(const AnsiString& Text = AnsiString());
    ~TSynKeyList() override;

    TStringList* KeyList() const { return keyList_.get(); }

private:
    std::unique_ptr<TStringList> keyList_;
};

class TSynSet : public TSynRule {
public:
    explicit TSynSet(const TSysCharSet& ASymbols = TSysCharSet());

    // What a match of this set hands to the tokenizer: painted with the
    // set's stored colours. One per set, so matching allocates nothing.
    TSynToken* MatchToken() { return &matchToken_; }

    TSysCharSet Symbols;
    int Quantity = 0;  // 0: a run of any length; n > 0: exactly n characters

private:
    TSynToken matchToken_;
};
