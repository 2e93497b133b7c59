#include "highlighter/syn_rules.h"

#include "highlighter/syn_range.h"
#include "highlighter/syn_scheme_xml20.h"
#include "platform/base/string_list.h"

TSynRule::TSynRule()
    : effective_(std::make_unique<TSynHighlighterAttributes>(AnsiString())),
      attributes_(std::make_unique<TSynAttributes>())
{
    attributes_->SetForeground(clWindowText);
    attributes_->SetBackground(clWindow);
}

TSynRule::~TSynRule() = default;

TSynHighlighterAttributes* TSynRule::GetHighlighterAttributes()
{
    effective_->Assign(attributes_.get());
    if (parent_ && parent_ != this) {
        if (attributes_->ParentForeground)
            effective_->SetForeground(parent_->GetHighlighterAttributes()->Foreground());
        if (attributes_->ParentBackground)
            effective_->SetBackground(parent_->GetHighlighterAttributes()->Background());
    }
    return effective_.get();
}

bool TSynRule::LoadFromFile(const AnsiString& FileName)
{
    return TSynLexFormatNativeXml20::Instance().ImportFromFile(this, FileName);
}

bool TSynRule::LoadFromStream(TStream* Stream)
{
    return TSynLexFormatNativeXml20::Instance().ImportFromStream(this, Stream);
}

bool TSynRule::SaveToFile(const AnsiString& FileName)
{
    return TSynLexFormatNativeXml20::Instance().ExportToFile(this, FileName);
}

bool TSynRule::SaveToStream(TStream* Stream)
{
    return TSynLexFormatNativeXml20::Instance().ExportToStream(this, Stream);
}

TSynKeyList::TSynKeyList(const AnsiString& Text) : keyList_(std::make_unique<TStringList>())
{
    keyList_->SetText(Text);
}

TSynKeyList::~TSynKeyList() = default;

TSynSet::TSynSet(const TSysCharSet& ASymbols) : Symbols(ASymbols) { matchToken_.Attributes = Attributes(); }
