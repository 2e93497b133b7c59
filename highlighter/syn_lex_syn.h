// The rule-based highlighter: tokens come from a tree of ranges, keyword
// lists and symbol sets, and the state a line ends in (the range in force,
// with the pair that opened it) is what the editor stores with the line.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/highlighting/syn_highlighter.h"
#include "highlighter/syn_info.h"
#include "highlighter/syn_range.h"
#include "highlighter/syn_schemes.h"
#include "platform/base/filer.h"

class TStream;
class TStringList;

class TSynLexSyn : public TSynCustomHighlighter, public IStreamedProperties {
public:
    explicit TSynLexSyn(TComponent* AOwner);
    ~TSynLexSyn() override;

    // Attributes in the order PrepareRules walks the rules, not by name.
    int GetAttribCount() const override;
    TSynHighlighterAttributes* GetAttribute(int Index) const override;
    // Indexes 0 to 4 give the stored colours of the current range.
    TSynHighlighterAttributes* GetDefaultAttribute(int Index) const override;
    // A filter set from outside wins; else one made from the language name
    // and extensions ("Text Files(*.txt;*.log)|*.txt;*.log;"), or empty.
    AnsiString GetDefaultFilter() const override;
    // Characters 32 to 255 that are not delimiters of the current range.
    TSysCharSet GetIdentChars() const override;
    AnsiString GetSampleSource() const override;
    void SetSampleSource(const AnsiString& Value) override;
    AnsiString GetFriendlyLanguageName() const override;

    bool GetEol() const override { return eol_; }
    // A const TSynRangeState*; valid until the rules are cleared.
    void* GetRange() const override;
    AnsiString GetToken() const override;
    TSynHighlighterAttributes* GetTokenAttribute() const override;
    int GetTokenKind() const override;
    int GetTokenPos() const override { return tokenPos_; }
    void Next() override;
    // Prepares changed rules first, without telling the editors: they are
    // in the middle of a line.
    void SetLine(const AnsiString& NewValue, int LineNumber) override;
    // nullptr is the root state, as after ResetRange.
    void SetRange(void* Value) override;
    void ResetRange() override;

    // A scheme file or stream of any version, detected from its first
    // bytes; on failure the rules hold what was read before it.
    bool LoadFromFile(const AnsiString& FileName) override;
    bool LoadFromStream(TStream* Stream);
    // Always in version 2.0, whatever version was loaded.
    bool SaveToFile(const AnsiString& FileName) override;
    bool SaveToStream(TStream* Stream);

    // A form keeps the whole scheme as its "Syntax" property: the 2.0 text
    // as one string, written when there is an ancestor or the rules have a
    // range. Nothing else of the highlighter is streamed.
    void WritePublished(TWriter*) override {}
    bool ReadPublished(const AnsiString&, TReader*) override { return false; }
    void DefineProperties(TFiler* Filer) override;

    // Empties the scheme before a reader fills it. The editors' line states
    // are invalid until PrepareRules tells them to rescan.
    void Clear();
    // Names the rules' attributes uniquely, lists them, prepares the rules
    // and tells the editors, which rescan their lines.
    void PrepareRules();
    void ActivateScheme(TSynScheme* Scheme) { activeScheme_ = Scheme; }

    TSynScheme* ActiveScheme() const { return activeScheme_; }
    TSynRange* MainRules() const { return mainRules_.get(); }
    TSynRange* CurrRange() const { return state_->Range; }
    TSynToken* CurrToken() const { return currToken_; }
    int LineNumber() const { return lineNumber_; }
    TEditorProperties* EditorProperties() const { return editorProperties_.get(); }
    TSynInfo* Info() const { return info_.get(); }
    TSynLexSchemes* Schemes() const { return schemes_.get(); }
    TStringList* CustomData() const { return customData_.get(); }

    AnsiString FormatVersion;  // "1.5", "1.8" or "2.0" after a load
    AnsiString FileName;       // the scheme file last loaded or saved

private:
    void PrepareAttributesAndRules();
    void AddRuleAttributes(TSynRange* Range);
    AnsiString UniqueAttributeName(const AnsiString& Name) const;
    bool IsAttributeNameTaken(const AnsiString& Name) const;

    TSynScheme* activeScheme_ = nullptr;  // one of schemes_, or nullptr
    std::unique_ptr<TSynRange> mainRules_;
    const TSynRangeState* rootState_;  // owned by mainRules_
    const TSynRangeState* state_;      // never null
    TSynToken* currToken_ = nullptr;   // not owned
    bool eol_ = false;
    bool prEol_ = false;               // the last token reached the line's end
    // The line followed by two NULs: the tokenizer reads the byte after the
    // terminator without a bounds check.
    AnsiString line_;
    int lineLength_ = 0;
    int lineNumber_ = 0;
    int tokenPos_ = 0;
    int run_ = 0;  // 0 <= run_ <= lineLength_
    std::unique_ptr<TEditorProperties> editorProperties_;
    std::unique_ptr<TSynInfo> info_;
    std::unique_ptr<TSynLexSchemes> schemes_;
    std::unique_ptr<TStringList> customData_;
    // The rules' effective attributes (sets: stored ones), owned by the rules.
    std::vector<TSynHighlighterAttributes*> attributes_;
};
