#include "highlighter/syn_scheme_v15.h"

#include <memory>

#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_legacy.h"
#include "highlighter/xml_writer.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

AnsiString ChildText(const TXmlNode& Element, std::string_view Name) { return Element.Child(Name).Text(); }

bool ChildBoolean(const TXmlNode& Element, std::string_view Name)
{
    return AttributeToBoolean(ChildText(Element, Name), false);
}

void AppendText(TXmlNode& Element, std::string_view Name, const AnsiString& Text)
{
    TXmlNode& child = Element.AppendElement(Name);
    if (!Text.empty())
        child.AppendText(Text);
}

void AppendBoolean(TXmlNode& Element, std::string_view Name, bool Value)
{
    AppendText(Element, Name, BoolToStr(Value, true));
}

// A range without an open (close) text stores a single space, which reads
// back as no text because the reader drops white-space-only texts.
AnsiString FirstSymbol(const TSynMultiToken* MultiToken)
{
    if (MultiToken->SymbolCount() == 0 || MultiToken->GetSymbol(0).empty())
        return " ";
    return MultiToken->GetSymbol(0);
}

AnsiString StartLineText(uint8_t StartLine)
{
    AnsiString text = StartLineToStr(StartLine);
    return text.empty() ? "False" : text;
}

AnsiString PartOfTermText(const TSynMultiToken* MultiToken)
{
    AnsiString text = PartOfTermToStr(MultiToken->LeftBreak, MultiToken->RightBreak);
    return text.empty() ? "True" : text;
}

// The rule's stored colours come from "Def" when there is one, then from the
// first child element, which is "Attri" in the files this format writes.
void ImportRuleAttributes(const TSynLexFormatNativeXml15& Format, TSynRule* Rule, const TXmlNode& Element)
{
    if (const TXmlNode* def = Element.FindChild("Def"))
        Format.ImportAttributes(Rule->Attributes(), *def);
    std::vector<const TXmlNode*> children = Element.ChildElements();
    if (!children.empty())
        Format.ImportAttributes(Rule->Attributes(), *children.front());
}

const char* const ImportantInfo =
    "\r\n\t\t******* Please read carefully *************************"
    "\r\n\t\t* Please, make any changes in this file very carefuly!*"
    "\r\n\t\t* It is much more convinient to use native designer!  *"
    "\r\n\t\t*******************************************************";

// "&qt;" in any case becomes "&quot;". Markup is bytes, not text: a lone
// lead byte written just before an escaped quote must not hide the entity,
// or a file this format wrote would not read back.
AnsiString QtEntitiesToQuot(const AnsiString& Text)
{
    AnsiString result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '&' && i + 3 < Text.size() && (Text[i + 1] | 0x20) == 'q' && (Text[i + 2] | 0x20) == 't' &&
            Text[i + 3] == ';') {
            result += "&quot;";
            i += 3;
        } else {
            result += Text[i];
        }
    }
    return result;
}

}  // namespace

const TSynLexFormatNativeXml15& TSynLexFormatNativeXml15::Instance()
{
    static const TSynLexFormatNativeXml15 format;
    return format;
}

bool TSynLexFormatNativeXml15::ImportFromStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    Stream->SetPosition(0);
    AnsiString text = ReadRestOfStream(Stream);
    return ImportLegacyText(*this, Object, QtEntitiesToQuot(text));
}

TXmlWriteOptions TSynLexFormatNativeXml15::WriteOptions() const
{
    TXmlWriteOptions options;
    options.Declaration = false;
    options.ShortEmptyElements = false;
    options.FinalLineBreak = true;
    options.AttributeEscapes = {{'"', "&qt;"}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}};
    options.TextEscapes = options.AttributeEscapes;
    return options;
}

bool TSynLexFormatNativeXml15::ImportInfo(TSynInfo* Info, const TXmlNode& Element) const
{
    Info->General.History.clear();
    Info->General.Sample.clear();
    const TXmlNode& general = Element.Child("General");
    Info->General.Name = ChildText(general, "Name");
    Info->General.Extensions = ChildText(general, "FileTypeName");
    const TXmlNode& author = Element.Child("Author");
    Info->Author.Name = ChildText(author, "Name");
    Info->Author.Email = ChildText(author, "Email");
    Info->Author.Web = ChildText(author, "Web");
    Info->Author.Copyright = ChildText(author, "Copyright");
    Info->Author.Company = ChildText(author, "Company");
    Info->Author.Remark = ChildText(author, "Remark");
    const TXmlNode& version = Element.Child("Version");
    Info->General.Version = StrToInt(ChildText(version, "Version"));
    Info->General.Revision = StrToInt(ChildText(version, "Revision"));
    Info->General.History = ReadLegacyLines(Element.Child("History"));
    Info->General.Sample = ReadLegacyLines(Element.Child("Sample"));
    return true;
}

bool TSynLexFormatNativeXml15::ExportInfo(TSynInfo* Info, TXmlNode& Element) const
{
    TXmlNode& general = Element.AppendElement("General");
    AppendText(general, "Name", Info->General.Name);
    AppendText(general, "FileTypeName", Info->General.Extensions);
    TXmlNode& author = Element.AppendElement("Author");
    AppendText(author, "Name", Info->Author.Name);
    AppendText(author, "Email", Info->Author.Email);
    AppendText(author, "Web", Info->Author.Web);
    AppendText(author, "Copyright", Info->Author.Copyright);
    AppendText(author, "Company", Info->Author.Company);
    AppendText(author, "Remark", Info->Author.Remark);
    TXmlNode& version = Element.AppendElement("Version");
    AppendText(version, "Version", IntToStr(Info->General.Version));
    AppendText(version, "Revision", IntToStr(Info->General.Revision));
    WriteLegacyLines(Element.AppendElement("History"), "H", Info->General.History, "\r\n");
    WriteLegacyLines(Element.AppendElement("Sample"), "S", Info->General.Sample, " ");
    return true;
}

bool TSynLexFormatNativeXml15::ImportEditorProperties(TEditorProperties*, const TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml15::ExportEditorProperties(TEditorProperties*, TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml15::ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const
{
    Attributes->SetForeground(AttributeToColor(ChildText(Element, "Fore"), Attributes->Foreground()));
    Attributes->SetBackground(AttributeToColor(ChildText(Element, "Back"), Attributes->Background()));
    Attributes->SetStyle(StrToFontStyle(ChildText(Element, "Style")));
    Attributes->ParentForeground = ChildBoolean(Element, "ParentForeground");
    Attributes->ParentBackground = ChildBoolean(Element, "ParentBackground");
    return true;
}

bool TSynLexFormatNativeXml15::ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const
{
    AppendText(Element, "Back", IntToStr(Attributes->Background()));
    AppendText(Element, "Fore", IntToStr(Attributes->Foreground()));
    AppendText(Element, "Style", FontStyleToStr(Attributes->Style()));
    AppendBoolean(Element, "ParentForeground", Attributes->ParentForeground);
    AppendBoolean(Element, "ParentBackground", Attributes->ParentBackground);
    return true;
}

bool TSynLexFormatNativeXml15::ImportSchemes(TSynLexSchemes*, const TXmlNode&) const { return true; }

bool TSynLexFormatNativeXml15::ExportSchemes(TSynLexSchemes*, TXmlNode& Element) const
{
    AppendText(Element, "S", "Default");
    return true;
}

bool TSynLexFormatNativeXml15::ImportTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element) const
{
    ImportTokenSettings(MultiToken, Element, {});
    return true;
}

bool TSynLexFormatNativeXml15::ExportTokenProperties(TSynMultiToken*, TXmlNode&) const { return true; }

void TSynLexFormatNativeXml15::ImportTokenSettings(TSynMultiToken* MultiToken, const TXmlNode& Element,
                                                   const AnsiString& Prefix) const
{
    MultiToken->FinishOnEol = ChildBoolean(Element, Prefix + "FinishOnEol");
    MultiToken->StartLine = StrToStartLine(ChildText(Element, Prefix + "StartLine"));
    StrToPartOfTerm(ChildText(Element, Prefix + "PartOfTerm"), MultiToken->LeftBreak, MultiToken->RightBreak);
}

bool TSynLexFormatNativeXml15::ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const
{
    KeyList->Name = Element.Attribute("Name");
    ImportRuleAttributes(*this, KeyList, Element);
    for (const TXmlNode* child : Element.ChildElements())
        if (child->Name() == "W")
            KeyList->KeyList()->Add(child->Text());
    return true;
}

bool TSynLexFormatNativeXml15::ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const
{
    Element.SetAttribute("Name", KeyList->Name);
    ExportAttributes(KeyList->Attributes(), Element.AppendElement("Attri"));
    for (int i = 0; i < KeyList->KeyList()->Count(); ++i)
        AppendText(Element, "W", KeyList->KeyList()->Strings(i));
    return true;
}

bool TSynLexFormatNativeXml15::ImportSet(TSynSet* Set, const TXmlNode& Element) const
{
    Set->Name = Element.Attribute("Name");
    ImportRuleAttributes(*this, Set, Element);
    Set->Symbols = StrToCharSet(ChildText(Element, "S"));
    return true;
}

bool TSynLexFormatNativeXml15::ExportSet(TSynSet* Set, TXmlNode& Element) const
{
    Element.SetAttribute("Name", Set->Name);
    ExportAttributes(Set->Attributes(), Element.AppendElement("Attri"));
    AppendText(Element, "S", CharSetToStr(Set->Symbols));
    return true;
}

bool TSynLexFormatNativeXml15::ImportRange(TSynRange* Range, const TXmlNode& Element) const
{
    Range->Name = Element.Attribute("Name");
    ImportRuleAttributes(*this, Range, Element);
    Range->OpenToken()->Clear();
    Range->CloseToken()->Clear();
    Range->AddCoupleTags(ChildText(Element, "OpenSymbol"), ChildText(Element, "CloseSymbol"));
    Range->Delimiters = StrToCharSet(ChildText(Element, "DelimiterChars"));
    Range->SetCaseSensitive(ChildBoolean(Element, "CaseSensitive"));
    Range->CloseOnTerm = ChildBoolean(Element, "CloseOnTerm");
    Range->CloseOnEol = ChildBoolean(Element, "CloseOnEol");
    Range->AllowPredClose = ChildBoolean(Element, "AllowPredClose");
    ImportTokenSettings(Range->OpenToken(), Element, "OpenSymbol");
    ImportTokenSettings(Range->CloseToken(), Element, "CloseSymbol");
    ImportSubRules(Range, Element.ChildElements(), "Range", "KW", "Set");
    return true;
}

bool TSynLexFormatNativeXml15::ExportRange(TSynRange* Range, TXmlNode& Element) const
{
    const TSynMultiToken* open = Range->OpenToken();
    const TSynMultiToken* close = Range->CloseToken();
    Element.SetAttribute("Name", Range->Name);
    ExportAttributes(Range->Attributes(), Element.AppendElement("Attri"));
    AppendText(Element, "OpenSymbol", FirstSymbol(open));
    AppendBoolean(Element, "OpenSymbolFinishOnEol", open->FinishOnEol);
    AppendText(Element, "CloseSymbol", FirstSymbol(close));
    AppendBoolean(Element, "CloseSymbolFinishOnEol", close->FinishOnEol);
    AppendText(Element, "OpenSymbolStartLine", StartLineText(open->StartLine));
    AppendText(Element, "CloseSymbolStartLine", StartLineText(close->StartLine));
    AppendText(Element, "DelimiterChars", CharSetToStr(Range->Delimiters));
    AppendText(Element, "OpenSymbolPartOfTerm", PartOfTermText(open));
    AppendText(Element, "CloseSymbolPartOfTerm", PartOfTermText(close));
    AppendBoolean(Element, "CloseOnTerm", Range->CloseOnTerm);
    AppendBoolean(Element, "CloseOnEol", Range->CloseOnEol);
    AppendBoolean(Element, "AllowPredClose", Range->AllowPredClose);
    AppendBoolean(Element, "CaseSensitive", Range->CaseSensitive());
    for (int i = 0; i < Range->GetKeyListCount(); ++i)
        ExportKeyList(Range->GetKeyList(i), Element.AppendElement("KW"));
    for (int i = 0; i < Range->GetSetCount(); ++i)
        ExportSet(Range->GetSet(i), Element.AppendElement("Set"));
    for (int i = 0; i < Range->GetRangeCount(); ++i)
        ExportRange(Range->GetRange(i), Element.AppendElement("Range"));
    return true;
}

bool TSynLexFormatNativeXml15::ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const
{
    Highlighter->Clear();
    ImportInfo(Highlighter->Info(), Element.Child("Info"));
    AnsiString schemeIndex = ChildText(Element, "SchemeIndex");
    if (!schemeIndex.empty()) {
        // Only checked: the one scheme of this format is always "Default".
        static_cast<void>(StrToInt(schemeIndex));
        ImportSchemes(Highlighter->Schemes(), Element.Child("Schemes"));
    }
    ImportRange(Highlighter->MainRules(), Element.Child("Range"));
    Highlighter->FormatVersion = "1.5";
    return true;
}

bool TSynLexFormatNativeXml15::ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const
{
    Element.AppendElement("ImportantInfo").AppendText(ImportantInfo);
    ExportInfo(Highlighter->Info(), Element.AppendElement("Info"));
    AppendText(Element, "SchemeIndex", "0");
    ExportSchemes(Highlighter->Schemes(), Element.AppendElement("Schemes"));
    ExportRange(Highlighter->MainRules(), Element.AppendElement("Range"));
    return true;
}
