#include "highlighter/syn_lex_syn.h"

#include "highlighter/syn_scheme_format_auto.h"
#include "highlighter/syn_scheme_xml20.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

TSynLexSyn::TSynLexSyn(TComponent* AOwner)
    : TSynCustomHighlighter(AOwner),
      mainRules_(std::make_unique<TSynRange>()),
      rootState_(mainRules_->State(-1, nullptr)),
      state_(rootState_),
      editorProperties_(std::make_unique<TEditorProperties>()),
      info_(std::make_unique<TSynInfo>()),
      schemes_(std::make_unique<TSynLexSchemes>()),
      customData_(std::make_unique<TStringList>())
{
    mainRules_->SetParent(mainRules_.get());
    line_.assign(2, '\0');
}

TSynLexSyn::~TSynLexSyn() = default;

int TSynLexSyn::GetAttribCount() const { return static_cast<int>(attributes_.size()); }

TSynHighlighterAttributes* TSynLexSyn::GetAttribute(int Index) const
{
    if (Index < 0 || Index >= GetAttribCount())
        return nullptr;
    return attributes_[static_cast<size_t>(Index)];
}

TSynHighlighterAttributes* TSynLexSyn::GetDefaultAttribute(int Index) const
{
    return Index >= 0 && Index <= 4 ? CurrRange()->Attributes() : nullptr;
}

AnsiString TSynLexSyn::GetDefaultFilter() const
{
    AnsiString filter = TSynCustomHighlighter::GetDefaultFilter();
    const AnsiString& name = info_->General.Name;
    if (!filter.empty() || name.empty() || info_->General.Extensions.empty())
        return filter;
    AnsiString extensions = Trim(info_->General.Extensions);
    AnsiString patterns;
    for (size_t i = 0; i < extensions.size(); ++i) {
        char c = extensions[i];
        if (c != ' ' && c != ',')
            patterns += c;
        else if (i + 1 < extensions.size() && extensions[i + 1] != ' ')
            patterns += ";*.";
    }
    return name + " Files(*." + patterns + ")|*." + patterns + ";";
}

TSysCharSet TSynLexSyn::GetIdentChars() const
{
    TSysCharSet chars;
    for (size_t c = 32; c < 256; ++c)
        chars.set(c);
    return chars & ~CurrRange()->Delimiters;
}

AnsiString TSynLexSyn::GetSampleSource() const { return info_->General.Sample; }

void TSynLexSyn::SetSampleSource(const AnsiString& Value) { info_->General.Sample = Value; }

AnsiString TSynLexSyn::GetFriendlyLanguageName() const { return info_->General.Name; }

void* TSynLexSyn::GetRange() const { return const_cast<TSynRangeState*>(state_); }

AnsiString TSynLexSyn::GetToken() const { return line_.substr(static_cast<size_t>(tokenPos_), run_ - tokenPos_); }

TSynHighlighterAttributes* TSynLexSyn::GetTokenAttribute() const
{
    return currToken_ ? currToken_->Attributes : nullptr;
}

int TSynLexSyn::GetTokenKind() const { return 1; }

void TSynLexSyn::SetRange(void* Value)
{
    state_ = Value ? static_cast<const TSynRangeState*>(Value) : rootState_;
}

void TSynLexSyn::ResetRange() { state_ = rootState_; }

bool TSynLexSyn::LoadFromFile(const AnsiString& FileName)
{
    return TSynLexFormatNativeXmlAuto::Instance().ImportFromFile(this, FileName);
}

bool TSynLexSyn::LoadFromStream(TStream* Stream)
{
    return TSynLexFormatNativeXmlAuto::Instance().ImportFromStream(this, Stream);
}

bool TSynLexSyn::SaveToFile(const AnsiString& FileName)
{
    return TSynLexFormatNativeXml20::Instance().ExportToFile(this, FileName);
}

bool TSynLexSyn::SaveToStream(TStream* Stream)
{
    return TSynLexFormatNativeXml20::Instance().ExportToStream(this, Stream);
}

void TSynLexSyn::DefineProperties(TFiler* Filer)
{
    Filer->DefineProperty(
        "Syntax", TReaderProc::FromCallable([this](TReader* Reader) {
            TStringStream stream(Reader->ReadString());
            LoadFromStream(&stream);
        }),
        TWriterProc::FromCallable([this](TWriter* Writer) {
            TStringStream stream;
            SaveToStream(&stream);
            Writer->WriteString(stream.DataString());
        }),
        Filer->Ancestor() != nullptr || mainRules_->GetRangeCount() > 0);
}

void TSynLexSyn::SetLine(const AnsiString& NewValue, int LineNumber)
{
    if (!mainRules_->Prepared() || !CurrRange()->Prepared()) {
        PrepareAttributesAndRules();
        // A state from before the change may name a range that is now
        // disabled; start such a line at the root.
        if (!CurrRange()->Prepared())
            state_ = rootState_;
    }
    line_.assign(NewValue);
    lineLength_ = static_cast<int>(NewValue.size());
    line_.append(2, '\0');
    run_ = 0;
    tokenPos_ = 0;
    lineNumber_ = LineNumber;
    eol_ = false;
    prEol_ = false;
    currToken_ = nullptr;
    Next();
}

void TSynLexSyn::Next()
{
    if (eol_)
        return;
    if (prEol_) {
        // Ranges that end with the line close now, so the next line starts
        // in the range around them. The root never closes.
        const TSynRange* range = state_->Range;
        if (state_->Parent && (range->CloseOnEol || range->CloseOnTerm)) {
            state_ = state_->Parent;
            if (range->AllowPredClose)
                while (state_->Parent && (state_->Range->CloseOnEol || state_->Range->CloseOnTerm))
                    state_ = state_->Parent;
        }
        eol_ = true;
        return;
    }

    const char* line = line_.data();
    tokenPos_ = run_;
    TSynRange* range = state_->Range;
    auto c = static_cast<unsigned char>(line[run_]);
    if (range->CloseOnTerm && state_->Parent && CharInSet(line[run_], range->Delimiters)) {
        state_ = state_->Parent;
        if (range->AllowPredClose)
            while (state_->Parent && state_->Range->CloseOnTerm)
                state_ = state_->Parent;
        range = state_->Range;
    }

    TSynToken* token = nullptr;
    if (!range->Parser(c)->GetToken(*range, line, token, run_)) {
        // A word: up to a delimiter or a character that may start a symbol.
        token = range->DefaultToken();
        for (;;) {
            auto ch = static_cast<unsigned char>(line[run_]);
            if (CharInSet(line[run_], range->Delimiters) || range->IsSymbolStart(ch))
                break;
            run_ += CharLenAt(line + run_);
        }
    } else if (token == state_->CloseToken()) {
        state_ = state_->Parent;
        // One close text may end several nested ranges at once.
        if (range->AllowPredClose)
            while (state_->Parent && state_->CloseToken() && state_->CloseToken()->Symbol == token->Symbol)
                state_ = state_->Parent;
    } else if (token->Rule) {
        TSynRange* entered = token->Rule;
        state_ = entered->State(entered->PairOfCloseToken(token->ClosingToken), state_);
    }
    currToken_ = token;
    if (run_ > lineLength_)
        run_ = lineLength_;
    if (line[run_] == '\0')
        prEol_ = true;
}

void TSynLexSyn::Clear()
{
    attributes_.clear();
    mainRules_->Reset();
    schemes_->Clear();
    activeScheme_ = nullptr;
    info_->Clear();
    // The skip regions hang off the fold list but are not its items.
    FoldRegions()->Clear();
    FoldRegions()->SkipRegions()->Clear();
    state_ = rootState_;
    currToken_ = nullptr;
}

void TSynLexSyn::PrepareRules()
{
    PrepareAttributesAndRules();
    if (!CurrRange()->Prepared())
        state_ = rootState_;
    HighlightChanged(this);
}

void TSynLexSyn::PrepareAttributesAndRules()
{
    attributes_.clear();
    AddRuleAttributes(mainRules_.get());
    mainRules_->Prepare();
}

void TSynLexSyn::AddRuleAttributes(TSynRange* Range)
{
    Range->Attributes()->SetName(UniqueAttributeName(Range->Name));
    attributes_.push_back(Range->GetHighlighterAttributes());
    for (int i = 0; i < Range->GetKeyListCount(); ++i) {
        TSynKeyList* keyList = Range->GetKeyList(i);
        keyList->Attributes()->SetName(UniqueAttributeName(keyList->Name));
        attributes_.push_back(keyList->GetHighlighterAttributes());
    }
    for (int i = 0; i < Range->GetSetCount(); ++i) {
        TSynSet* set = Range->GetSet(i);
        set->Attributes()->SetName(UniqueAttributeName(set->Name));
        attributes_.push_back(set->Attributes());
    }
    for (int i = 0; i < Range->GetRangeCount(); ++i)
        AddRuleAttributes(Range->GetRange(i));
}

bool TSynLexSyn::IsAttributeNameTaken(const AnsiString& Name) const
{
    for (const TSynHighlighterAttributes* attribute : attributes_)
        if (attribute->Name() == Name)
            return true;
    return false;
}

AnsiString TSynLexSyn::UniqueAttributeName(const AnsiString& Name) const
{
    if (!IsAttributeNameTaken(Name))
        return Name;
    for (int n = 2; n <= 101; ++n) {
        AnsiString candidate = Name + " (" + IntToStr(n) + ")";
        if (!IsAttributeNameTaken(candidate))
            return candidate;
    }
    return Name;
}
