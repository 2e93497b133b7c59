#include "highlighter/syn_scheme_xml18.h"

#include <climits>
#include <memory>

#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_legacy.h"
#include "highlighter/xml_writer.h"
#include "platform/base/code_page.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

bool AttributeFlag(const TXmlNode& Element, std::string_view Name, bool Default)
{
    return AttributeToBoolean(Element.Attribute(Name), Default);
}

// Flags are written only when they differ from what a missing one reads as.
void SetFlagIf(TXmlNode& Element, std::string_view Name, bool Write, bool Value)
{
    if (Write)
        Element.SetAttribute(Name, BoolToStr(Value, true));
}

void ImportRuleHeader(const TSynLexFormatNativeXml18& Format, TSynRule* Rule, const TXmlNode& Element)
{
    Rule->Name = Element.Attribute("Name");
    Rule->Enabled = AttributeFlag(Element, "Enabled", true);
    Format.ImportAttributes(Rule->Attributes(), Element);
    Rule->Style = Element.Attribute("Style");
}

void ExportRuleHeader(const TSynLexFormatNativeXml18& Format, TSynRule* Rule, TXmlNode& Element)
{
    Element.SetAttribute("Name", Rule->Name);
    SetFlagIf(Element, "Enabled", !Rule->Enabled, false);
    Format.ExportAttributes(Rule->Attributes(), Element);
    Element.SetAttribute("Style", Rule->Style);
}

}  // namespace

const TSynLexFormatNativeXml18& TSynLexFormatNativeXml18::Instance()
{
    static const TSynLexFormatNativeXml18 format;
    return format;
}

bool TSynLexFormatNativeXml18::ImportFromStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    return ImportLegacyText(*this, Object, ReadRestOfStream(Stream));
}

TXmlWriteOptions TSynLexFormatNativeXml18::WriteOptions() const
{
    TXmlWriteOptions options;
    options.Declaration = false;
    options.FinalLineBreak = true;
    return options;
}

bool TSynLexFormatNativeXml18::ImportInfo(TSynInfo* Info, const TXmlNode& Element) const
{
    Info->General.History.clear();
    Info->General.Sample.clear();
    const TXmlNode& general = Element.Child("General");
    Info->General.Name = general.Attribute("Name");
    Info->General.Extensions = general.Attribute("Extensions");
    const TXmlNode& author = Element.Child("Author");
    Info->Author.Name = author.Attribute("Name");
    Info->Author.Email = author.Attribute("Email");
    Info->Author.Web = author.Attribute("Web");
    Info->Author.Copyright = author.Attribute("Copyright");
    Info->Author.Company = author.Attribute("Company");
    Info->Author.Remark = author.Attribute("Remark");
    const TXmlNode& version = Element.Child("Version");
    Info->General.Version = StrToInt(version.Attribute("Version"));
    Info->General.Revision = StrToInt(version.Attribute("Revision"));
    Info->General.Sample = ReadLegacyLines(Element.Child("Sample"));
    Info->General.History = ReadLegacyLines(Element.Child("History"));
    return true;
}

bool TSynLexFormatNativeXml18::ExportInfo(TSynInfo* Info, TXmlNode& Element) const
{
    TXmlNode& general = Element.AppendElement("General");
    general.SetAttribute("Name", Info->General.Name);
    general.SetAttribute("Extensions", Info->General.Extensions);
    TXmlNode& author = Element.AppendElement("Author");
    author.SetAttribute("Name", Info->Author.Name);
    author.SetAttribute("Email", Info->Author.Email);
    author.SetAttribute("Web", Info->Author.Web);
    author.SetAttribute("Copyright", Info->Author.Copyright);
    author.SetAttribute("Company", Info->Author.Company);
    author.SetAttribute("Remark", Info->Author.Remark);
    TXmlNode& version = Element.AppendElement("Version");
    version.SetAttribute("Version", IntToStr(Info->General.Version));
    version.SetAttribute("Revision", IntToStr(Info->General.Revision));
    WriteLegacyLines(Element.AppendElement("History"), "H", Info->General.History, "\r\n");
    WriteLegacyLines(Element.AppendElement("Sample"), "S", Info->General.Sample, " ");
    return true;
}

bool TSynLexFormatNativeXml18::ImportEditorProperties(TEditorProperties*, const TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml18::ExportEditorProperties(TEditorProperties*, TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml18::ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const
{
    StringToAttributes(Attributes, Element.Attribute("Attributes"));
    return true;
}

bool TSynLexFormatNativeXml18::ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const
{
    Element.SetAttribute("Attributes", AttributesToString(Attributes));
    return true;
}

bool TSynLexFormatNativeXml18::ImportSchemes(TSynLexSchemes*, const TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml18::ExportSchemes(TSynLexSchemes*, TXmlNode&) const { return true; }

void TSynLexFormatNativeXml18::StringToAttributes(TSynAttributes* Attributes, const AnsiString& Text) const
{
    // Each piece lies between two separators found at their first occurrence;
    // a missing separator stands before the first character.
    int comma = Pos(",", Text);
    int semicolon = Pos(";", Text);
    int colon = Pos(":", Text);
    int dot = Pos(".", Text);
    auto piece = [&Text](int After, int Before) { return Copy(Text, After + 1, Before - After - 1); };
    Attributes->ParentForeground = false;
    Attributes->ParentBackground = false;
    Attributes->SetForeground(AttributeToInteger(piece(0, comma), clBlack));
    Attributes->SetBackground(AttributeToInteger(piece(comma, semicolon), clWhite));
    Attributes->ParentForeground = SameText(piece(semicolon, colon), "true");
    Attributes->ParentBackground = SameText(piece(colon, dot), "true");
    Attributes->SetStyle(StrToFontStyle(Copy(Text, dot + 1, INT_MAX)));
}

AnsiString TSynLexFormatNativeXml18::AttributesToString(TSynAttributes* Attributes) const
{
    return IntToStr(Attributes->Foreground()) + "," + IntToStr(Attributes->Background()) + ";" +
           BoolToStr(Attributes->ParentForeground, true) + ":" + BoolToStr(Attributes->ParentBackground, true) +
           "." + FontStyleToStr(Attributes->Style());
}

void TSynLexFormatNativeXml18::ImportRuleTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element,
                                                         const AnsiString& Prefix) const
{
    MultiToken->FinishOnEol = AttributeFlag(Element, Prefix + "FinishOnEol", false);
    MultiToken->StartLine = StrToStartLine(Element.Attribute(Prefix + "StartLine"));
    StrToPartOfTerm(Element.Attribute(Prefix + "PartOfTerm"), MultiToken->LeftBreak, MultiToken->RightBreak);
}

void TSynLexFormatNativeXml18::ExportRuleTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element,
                                                         const AnsiString& Prefix) const
{
    SetFlagIf(Element, Prefix + "FinishOnEol", MultiToken->FinishOnEol, true);
    AnsiString startLine = StartLineToStr(MultiToken->StartLine);
    if (!startLine.empty())
        Element.SetAttribute(Prefix + "StartLine", startLine);
    AnsiString partOfTerm = PartOfTermToStr(MultiToken->LeftBreak, MultiToken->RightBreak);
    if (!partOfTerm.empty())
        Element.SetAttribute(Prefix + "PartOfTerm", partOfTerm);
}

bool TSynLexFormatNativeXml18::ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const
{
    ImportRuleHeader(*this, KeyList, Element);
    for (const TXmlNode* child : Element.ChildElements())
        KeyList->KeyList()->Add(child->Attribute("value"));
    return true;
}

bool TSynLexFormatNativeXml18::ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const
{
    ExportRuleHeader(*this, KeyList, Element);
    for (int i = 0; i < KeyList->KeyList()->Count(); ++i)
        Element.AppendElement("word").SetAttribute("value", KeyList->KeyList()->Strings(i));
    return true;
}

bool TSynLexFormatNativeXml18::ImportSet(TSynSet* Set, const TXmlNode& Element) const
{
    ImportRuleHeader(*this, Set, Element);
    Set->Symbols = StrToCharSet(Element.Attribute("Symbols"));
    return true;
}

bool TSynLexFormatNativeXml18::ExportSet(TSynSet* Set, TXmlNode& Element) const
{
    ExportRuleHeader(*this, Set, Element);
    Element.SetAttribute("Symbols", CharSetToStr(Set->Symbols));
    return true;
}

bool TSynLexFormatNativeXml18::ImportRange(TSynRange* Range, const TXmlNode& Element) const
{
    Range->Name = Element.Attribute("Name");
    Range->Enabled = AttributeFlag(Element, "Enabled", true);
    Range->SetCaseSensitive(AttributeFlag(Element, "CaseSensitive", false));
    Range->Style = Element.Attribute("Style");
    ImportAttributes(Range->Attributes(), Element);
    Range->Delimiters = StrToCharSet(Element.Attribute("Delimiters"));

    const TXmlNode& rule = Element.Child("Rule");
    Range->CloseOnTerm = AttributeFlag(rule, "CloseOnTerm", false);
    Range->CloseOnEol = AttributeFlag(rule, "CloseOnEol", false);
    Range->AllowPredClose = AttributeFlag(rule, "AllowPredClose", false);
    Range->OpenToken()->Clear();
    Range->CloseToken()->Clear();
    Range->AddCoupleTags(rule.Attribute("OpenSymbol"), rule.Attribute("CloseSymbol"));
    ImportRuleTokenProperties(Range->OpenToken(), rule, "OpenSymbol");
    ImportRuleTokenProperties(Range->CloseToken(), rule, "CloseSymbol");

    ImportSubRules(Range, Element.ChildElements(), "Range", "Keywords", "Set");
    return true;
}

bool TSynLexFormatNativeXml18::ExportRange(TSynRange* Range, TXmlNode& Element) const
{
    Element.SetAttribute("Name", Range->Name);
    SetFlagIf(Element, "Enabled", !Range->Enabled, false);
    ExportAttributes(Range->Attributes(), Element);
    Element.SetAttribute("Style", Range->Style);
    SetFlagIf(Element, "CaseSensitive", Range->CaseSensitive(), true);
    Element.SetAttribute("Delimiters", CharSetToStr(Range->Delimiters));

    TXmlNode& rule = Element.AppendElement("Rule");
    TSynMultiToken* open = Range->OpenToken();
    TSynMultiToken* close = Range->CloseToken();
    if (open->SymbolCount() > 0 && !open->GetSymbol(0).empty())
        rule.SetAttribute("OpenSymbol", open->GetSymbol(0));
    ExportRuleTokenProperties(open, rule, "OpenSymbol");
    if (close->SymbolCount() > 0 && !close->GetSymbol(0).empty())
        rule.SetAttribute("CloseSymbol", close->GetSymbol(0));
    ExportRuleTokenProperties(close, rule, "CloseSymbol");
    SetFlagIf(rule, "CloseOnTerm", Range->CloseOnTerm, true);
    SetFlagIf(rule, "CloseOnEol", Range->CloseOnEol, true);
    SetFlagIf(rule, "AllowPredClose", Range->AllowPredClose, true);

    for (int i = 0; i < Range->GetKeyListCount(); ++i)
        ExportKeyList(Range->GetKeyList(i), Element.AppendElement("Keywords"));
    for (int i = 0; i < Range->GetSetCount(); ++i)
        ExportSet(Range->GetSet(i), Element.AppendElement("Set"));
    for (int i = 0; i < Range->GetRangeCount(); ++i)
        ExportRange(Range->GetRange(i), Element.AppendElement("Range"));
    return true;
}

bool TSynLexFormatNativeXml18::ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const
{
    Highlighter->Clear();
    ImportInfo(Highlighter->Info(), Element.Child("Info"));
    ImportSchemes(Highlighter->Schemes(), Element.Child("Scheme"));
    ImportRange(Highlighter->MainRules(), Element.Child("Range"));
    Highlighter->FormatVersion = "1.8";
    return true;
}

bool TSynLexFormatNativeXml18::ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const
{
    Element.SetAttribute("version", "1.8.3");
    ExportInfo(Highlighter->Info(), Element.AppendElement("Info"));
    ExportSchemes(Highlighter->Schemes(), Element.AppendElement("Scheme"));
    ExportRange(Highlighter->MainRules(), Element.AppendElement("Range"));
    return true;
}
