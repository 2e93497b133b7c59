#include "highlighter/syn_scheme_xml20.h"

#include <memory>

#include "editor/folding/fold_regions.h"
#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/xml_document.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

// Region types are stored in a byte. A stored number that doesn't fit would
// wrap into an active type; this one is neither a fold nor a skip type, so
// the fold scan passes such a region by.
constexpr int kInactiveRegionType = 0xFF;

uint8_t RegionTypeFromFile(int Value)
{
    return static_cast<uint8_t>(Value < 0 || Value > 0xFF ? kInactiveRegionType : Value);
}

const char* BooleanWord(bool Value) { return Value ? "True" : "False"; }

// Boolean fields that are written only when set.
void SetTrueAttribute(TXmlNode& Element, const char* Name, bool Value)
{
    if (Value)
        Element.SetAttribute(Name, "True");
}

void SetNonEmptyAttribute(TXmlNode& Element, const char* Name, const AnsiString& Value)
{
    if (!Value.empty())
        Element.SetAttribute(Name, Value);
}

bool ReadBoolean(const TXmlNode& Element, const char* Name, bool Default)
{
    return AttributeToBoolean(Element.Attribute(Name), Default);
}

}  // namespace

const TSynLexFormatNativeXml20& TSynLexFormatNativeXml20::Instance()
{
    static const TSynLexFormatNativeXml20 format;
    return format;
}

bool TSynLexFormatNativeXml20::ImportInfo(TSynInfo* Info, const TXmlNode& Element) const
{
    const TXmlNode& general = Element.Child("General");
    Info->General.Name = general.Attribute("Name");
    Info->General.Extensions = general.Attribute("Extensions");
    Info->General.Version = AttributeToInteger(general.Attribute("Version"), 0);
    Info->General.Revision = AttributeToInteger(general.Attribute("Revision"), 0);
    Info->General.Sample = general.Attribute("Sample");
    Info->General.History = general.Attribute("History");
    const TXmlNode& author = Element.Child("Author");
    Info->Author.Name = author.Attribute("Name");
    Info->Author.Email = author.Attribute("Mail");
    Info->Author.Web = author.Attribute("Web");
    Info->Author.Copyright = author.Attribute("Copyright");
    Info->Author.Company = author.Attribute("Company");
    Info->Author.Remark = author.Attribute("Remark");
    return true;
}

bool TSynLexFormatNativeXml20::ExportInfo(TSynInfo* Info, TXmlNode& Element) const
{
    TXmlNode& general = Element.AppendElement("General");
    general.SetAttribute("Name", Info->General.Name);
    general.SetAttribute("Extensions", Info->General.Extensions);
    general.SetAttribute("Version", IntToStr(Info->General.Version));
    general.SetAttribute("Revision", IntToStr(Info->General.Revision));
    general.SetAttribute("Sample", Info->General.Sample);
    general.SetAttribute("History", Info->General.History);
    TXmlNode& author = Element.AppendElement("Author");
    author.SetAttribute("Name", Info->Author.Name);
    author.SetAttribute("Mail", Info->Author.Email);
    author.SetAttribute("Web", Info->Author.Web);
    author.SetAttribute("Copyright", Info->Author.Copyright);
    author.SetAttribute("Company", Info->Author.Company);
    author.SetAttribute("Remark", Info->Author.Remark);
    return true;
}

bool TSynLexFormatNativeXml20::ImportEditorProperties(TEditorProperties* Properties, const TXmlNode& Element) const
{
    Properties->ActiveLineColor = AttributeToColor(Element.Attribute("ActiveLineColor"), clNone);
    Properties->SelectedForeground = AttributeToColor(Element.Attribute("SelectedForeground"), clHighlightText);
    Properties->SelectedBackground = AttributeToColor(Element.Attribute("SelectedBackground"), clHighlight);
    return true;
}

bool TSynLexFormatNativeXml20::ExportEditorProperties(TEditorProperties* Properties, TXmlNode& Element) const
{
    Element.SetAttribute("ActiveLineColor", ColorToString(Properties->ActiveLineColor));
    Element.SetAttribute("SelectedForeground", ColorToString(Properties->SelectedForeground));
    Element.SetAttribute("SelectedBackground", ColorToString(Properties->SelectedBackground));
    return true;
}

bool TSynLexFormatNativeXml20::ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const
{
    Attributes->ParentForeground = false;
    Attributes->ParentBackground = false;
    Attributes->SetForeground(AttributeToColor(Element.Attribute("Foreground"), clWindowText));
    Attributes->SetBackground(AttributeToColor(Element.Attribute("Background"), clWindow));
    Attributes->ParentForeground = ReadBoolean(Element, "ParentForeground", false);
    Attributes->ParentBackground = ReadBoolean(Element, "ParentBackground", false);
    Attributes->SetStyle(StrToFontStyle(Element.Attribute("Style")));
    return true;
}

bool TSynLexFormatNativeXml20::ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const
{
    Element.SetAttribute("Foreground", ColorToString(Attributes->Foreground()));
    Element.SetAttribute("Background", ColorToString(Attributes->Background()));
    SetTrueAttribute(Element, "ParentForeground", Attributes->ParentForeground);
    SetTrueAttribute(Element, "ParentBackground", Attributes->ParentBackground);
    SetNonEmptyAttribute(Element, "Style", FontStyleToStr(Attributes->Style()));
    return true;
}

bool TSynLexFormatNativeXml20::ImportSchemes(TSynLexSchemes* Schemes, const TXmlNode& Element) const
{
    Schemes->Clear();
    for (const TXmlNode* schemeElement : Element.ChildElements()) {
        TSynScheme* scheme = Schemes->AddScheme(schemeElement->Attribute("Name"));
        ImportEditorProperties(scheme->EditorProperties(), schemeElement->Child("Editor"));
        for (const TXmlNode* styleElement : schemeElement->Child("Styles").ChildElements()) {
            TSynAttributes* style = scheme->AddStyle(styleElement->Attribute("Name"), clWindowText, {}, clWindow);
            ImportAttributes(style, *styleElement);
        }
    }
    return true;
}

bool TSynLexFormatNativeXml20::ExportSchemes(TSynLexSchemes* Schemes, TXmlNode& Element) const
{
    for (int i = 0; i < Schemes->Count(); ++i) {
        TSynScheme* scheme = Schemes->Items(i);
        TXmlNode& schemeElement = Element.AppendElement("Scheme");
        schemeElement.SetAttribute("Name", scheme->Name);
        ExportEditorProperties(scheme->EditorProperties(), schemeElement.AppendElement("Editor"));
        TXmlNode& styles = schemeElement.AppendElement("Styles");
        for (int j = 0; j < scheme->StyleCount(); ++j) {
            TXmlNode& style = styles.AppendElement("Style");
            style.SetAttribute("Name", scheme->Styles(j)->Name());
            ExportAttributes(scheme->Styles(j), style);
        }
    }
    return true;
}

bool TSynLexFormatNativeXml20::ImportTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element) const
{
    MultiToken->Clear();
    MultiToken->FinishOnEol = ReadBoolean(Element, "FinishOnEol", false);
    MultiToken->StartLine = StrToStartLine(Element.Attribute("StartLine"));
    StrToPartOfTerm(Element.Attribute("PartOfTerm"), MultiToken->LeftBreak, MultiToken->RightBreak);
    return true;
}

bool TSynLexFormatNativeXml20::ExportTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element) const
{
    SetTrueAttribute(Element, "FinishOnEol", MultiToken->FinishOnEol);
    Element.SetAttribute("StartLine", StartLineToStr(MultiToken->StartLine));
    const uint8_t left = MultiToken->LeftBreak;
    const uint8_t right = MultiToken->RightBreak;
    if (left == kBreakDelimited && right == kBreakDelimited)
        Element.SetAttribute("PartOfTerm", "False");
    else if (left == kBreakFree && right == kBreakDelimited)
        Element.SetAttribute("PartOfTerm", "Left");
    else if (left == kBreakDelimited && right == kBreakFree)
        Element.SetAttribute("PartOfTerm", "Right");
    return true;
}

bool TSynLexFormatNativeXml20::ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const
{
    KeyList->Name = Element.Attribute("Name");
    KeyList->Enabled = ReadBoolean(Element, "Enabled", true);
    KeyList->Style = Element.Attribute("Style");
    KeyList->KeyList()->Clear();
    KeyList->KeyList()->SetText(Element.Attribute("Words"));
    ImportAttributes(KeyList->Attributes(), Element.Child("Attributes"));
    return true;
}

bool TSynLexFormatNativeXml20::ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const
{
    Element.SetAttribute("Name", KeyList->Name);
    Element.SetAttribute("Enabled", BooleanWord(KeyList->Enabled));
    Element.SetAttribute("Style", KeyList->Style);
    Element.SetAttribute("Words", KeyList->KeyList()->Text());
    ExportAttributes(KeyList->Attributes(), Element.AppendElement("Attributes"));
    return true;
}

bool TSynLexFormatNativeXml20::ImportSet(TSynSet* Set, const TXmlNode& Element) const
{
    Set->Name = Element.Attribute("Name");
    Set->Enabled = ReadBoolean(Element, "Enabled", true);
    Set->Style = Element.Attribute("Style");
    Set->Symbols = StrToCharSet(Element.Attribute("Symbols"));
    Set->Quantity = AttributeToInteger(Element.Attribute("Quantity"), 0);
    ImportAttributes(Set->Attributes(), Element.Child("Attributes"));
    return true;
}

bool TSynLexFormatNativeXml20::ExportSet(TSynSet* Set, TXmlNode& Element) const
{
    Element.SetAttribute("Name", Set->Name);
    Element.SetAttribute("Enabled", BooleanWord(Set->Enabled));
    Element.SetAttribute("Style", Set->Style);
    Element.SetAttribute("Symbols", CharSetToStr(Set->Symbols));
    Element.SetAttribute("Quantity", IntToStr(Set->Quantity));
    ExportAttributes(Set->Attributes(), Element.AppendElement("Attributes"));
    return true;
}

bool TSynLexFormatNativeXml20::ImportRange(TSynRange* Range, const TXmlNode& Element) const
{
    Range->Reset();
    Range->Name = Element.Attribute("Name");
    Range->Enabled = ReadBoolean(Element, "Enabled", true);
    Range->SetCaseSensitive(ReadBoolean(Element, "CaseSensitive", false));
    Range->Style = Element.Attribute("Style");
    Range->Delimiters = StrToCharSet(Element.Child("Delimiters").Attribute("Value"));
    ImportAttributes(Range->Attributes(), Element.Child("Attributes"));
    const TXmlNode& properties = Element.Child("Properties");
    Range->CloseOnEol = ReadBoolean(properties, "CloseOnEol", false);
    Range->CloseOnTerm = ReadBoolean(properties, "CloseOnTerm", false);
    Range->AllowPredClose = ReadBoolean(properties, "AllowPredClose", false);
    // Both calls empty their multi-token, dropping the pair Reset left.
    ImportTokenProperties(Range->OpenToken(), Element.Child("OpenToken"));
    ImportTokenProperties(Range->CloseToken(), Element.Child("CloseToken"));
    for (const TXmlNode* tokens : Element.Child("MultiTokens").ChildElements()) {
        AnsiString close = tokens->Attribute("Close");
        Range->AddCoupleTags(tokens->Attribute("Open"), close);
    }
    ImportSubRules(Range, Element.Child("SubRules").ChildElements(), "Range", "KeyList", "Set");
    return true;
}

bool TSynLexFormatNativeXml20::ExportRange(TSynRange* Range, TXmlNode& Element) const
{
    Element.SetAttribute("Name", Range->Name);
    if (!Range->Enabled)
        Element.SetAttribute("Enabled", "False");
    SetTrueAttribute(Element, "CaseSensitive", Range->CaseSensitive());
    Element.SetAttribute("Style", Range->Style);
    ExportAttributes(Range->Attributes(), Element.AppendElement("Attributes"));
    Element.AppendElement("Delimiters").SetAttribute("Value", CharSetToStr(Range->Delimiters));
    // The root range is never opened or closed, so it carries no tokens.
    if (Element.Name() != "MainRules") {
        ExportTokenProperties(Range->OpenToken(), Element.AppendElement("OpenToken"));
        ExportTokenProperties(Range->CloseToken(), Element.AppendElement("CloseToken"));
        TXmlNode& properties = Element.AppendElement("Properties");
        SetTrueAttribute(properties, "CloseOnTerm", Range->CloseOnTerm);
        SetTrueAttribute(properties, "CloseOnEol", Range->CloseOnEol);
        SetTrueAttribute(properties, "AllowPredClose", Range->AllowPredClose);
        TXmlNode& multiTokens = Element.AppendElement("MultiTokens");
        const TSynMultiToken* open = Range->OpenToken();
        const TSynMultiToken* close = Range->CloseToken();
        for (int i = 0; i < open->SymbolCount(); ++i) {
            TXmlNode& tokens = multiTokens.AppendElement("Tokens");
            SetNonEmptyAttribute(tokens, "Open", open->GetSymbol(i));
            if (i < close->SymbolCount())
                SetNonEmptyAttribute(tokens, "Close", close->GetSymbol(i));
        }
    }
    TXmlNode& subRules = Element.AppendElement("SubRules");
    for (int i = 0; i < Range->GetRangeCount(); ++i)
        ExportRange(Range->GetRange(i), subRules.AppendElement("Range"));
    for (int i = 0; i < Range->GetKeyListCount(); ++i)
        ExportKeyList(Range->GetKeyList(i), subRules.AppendElement("KeyList"));
    for (int i = 0; i < Range->GetSetCount(); ++i)
        ExportSet(Range->GetSet(i), subRules.AppendElement("Set"));
    return true;
}

bool TSynLexFormatNativeXml20::ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const
{
    Highlighter->Clear();
    const TXmlNode& coloring = Element.Child("SyntaxColoring");
    ImportInfo(Highlighter->Info(), coloring.Child("Info"));
    ImportSchemes(Highlighter->Schemes(), coloring.Child("Schemes"));
    Highlighter->ActivateScheme(Highlighter->Schemes()->GetSchemeByName("Default"));
    ImportEditorProperties(Highlighter->EditorProperties(), coloring.Child("Editor"));
    ImportRange(Highlighter->MainRules(), coloring.Child("MainRules"));
    ImportCodeFolding(Highlighter->FoldRegions(), Element.Child("CodeFolding"));
    ImportCustomData(Highlighter->CustomData(), Element.Child("CustomData"));
    Highlighter->FormatVersion = "2.0";
    return true;
}

bool TSynLexFormatNativeXml20::ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const
{
    Element.SetAttribute("Version", "2.0");
    TXmlNode& coloring = Element.AppendElement("SyntaxColoring");
    ExportInfo(Highlighter->Info(), coloring.AppendElement("Info"));
    ExportSchemes(Highlighter->Schemes(), coloring.AppendElement("Schemes"));
    ExportEditorProperties(Highlighter->EditorProperties(), coloring.AppendElement("Editor"));
    ExportRange(Highlighter->MainRules(), coloring.AppendElement("MainRules"));
    ExportCodeFolding(Highlighter->FoldRegions(), Element.AppendElement("CodeFolding"));
    ExportCustomData(Highlighter->CustomData(), Element.AppendElement("CustomData"));
    return true;
}

bool TSynLexFormatNativeXml20::ImportCodeFolding(TFoldRegions* FoldRegions, const TXmlNode& Element) const
{
    for (const TXmlNode* child : Element.ChildElements()) {
        if (LowerCase(child->Name()) == "skipregion") {
            AnsiString escape = child->Child("Escape").Attribute("Symbol");
            AnsiString close = child->Child("Close").Attribute("Symbol");
            AnsiString open = child->Child("Open").Attribute("Symbol");
            int type = child->Child("RegionType").StrictAttributeAsInteger("Type", 0);
            FoldRegions->SkipRegions()->Add(open, close, escape, static_cast<TSkipRegionType>(RegionTypeFromFile(type)));
            continue;
        }
        const TXmlNode& properties = child->Child("Properties");
        const TXmlNode& openToken = child->Child("OpenToken");
        const TXmlNode& closeToken = child->Child("CloseToken");
        bool allowNoSubs = properties.StrictAttributeAsBoolean("AllowNoSubs", false);
        bool wholeWords = properties.StrictAttributeAsBoolean("WholeWords", false);
        bool addEnding = properties.StrictAttributeAsBoolean("AddEnding", false);
        int type = child->StrictAttributeAsInteger("Type", 0);
        TFoldRegionItem* item =
            FoldRegions->Add(static_cast<TFoldRegionType>(RegionTypeFromFile(type)), addEnding, allowNoSubs,
                             wholeWords, openToken.Attribute("Symbol"), closeToken.Attribute("Symbol"));
        item->Name = child->Attribute("Name");
        item->SetOpenRegExpr(openToken.Attribute("RegExpr"));
        item->SetCloseRegExpr(closeToken.Attribute("RegExpr"));
        item->OpenUseRegExpr = openToken.StrictAttributeAsBoolean("UseRegExpr", false);
        item->CloseUseRegExpr = closeToken.StrictAttributeAsBoolean("UseRegExpr", false);
        ImportCodeFolding(item->SubRegions(), child->Child("SubRegions"));
    }
    return true;
}

bool TSynLexFormatNativeXml20::ExportCodeFolding(TFoldRegions* FoldRegions, TXmlNode& Element) const
{
    TSkipRegions* skipRegions = FoldRegions->SkipRegions();
    for (int i = 0; i < skipRegions->Count(); ++i) {
        const TSkipRegionItem* skip = skipRegions->GetItem(i);
        TXmlNode& element = Element.AppendElement("SkipRegion");
        if (!skip->Open().empty())
            element.AppendElement("Open").SetAttribute("Symbol", skip->Open());
        if (!skip->Close().empty())
            element.AppendElement("Close").SetAttribute("Symbol", skip->Close());
        if (!skip->Escape().empty())
            element.AppendElement("Escape").SetAttribute("Symbol", skip->Escape());
        element.AppendElement("RegionType").SetAttribute("Type", IntToStr(static_cast<int>(skip->RegionType)));
    }
    for (int i = 0; i < FoldRegions->Count(); ++i) {
        TFoldRegionItem* fold = FoldRegions->GetItem(i);
        TXmlNode& element = Element.AppendElement("FoldRegion");
        element.SetAttribute("Name", fold->Name);
        element.SetAttribute("Type", IntToStr(static_cast<int>(fold->RegionType)));
        TXmlNode& openToken = element.AppendElement("OpenToken");
        SetNonEmptyAttribute(openToken, "Symbol", fold->Open());
        SetNonEmptyAttribute(openToken, "RegExpr", fold->OpenRegExpr());
        SetTrueAttribute(openToken, "UseRegExpr", fold->OpenUseRegExpr);
        TXmlNode& closeToken = element.AppendElement("CloseToken");
        SetNonEmptyAttribute(closeToken, "Symbol", fold->Close());
        SetNonEmptyAttribute(closeToken, "RegExpr", fold->CloseRegExpr());
        SetTrueAttribute(closeToken, "UseRegExpr", fold->CloseUseRegExpr);
        TXmlNode& properties = element.AppendElement("Properties");
        SetTrueAttribute(properties, "AddEnding", fold->AddEnding);
        SetTrueAttribute(properties, "AllowNoSubs", fold->AllowNoSubs);
        SetTrueAttribute(properties, "WholeWords", fold->WholeWords);
        ExportCodeFolding(fold->SubRegions(), element.AppendElement("SubRegions"));
    }
    return true;
}

bool TSynLexFormatNativeXml20::ImportCustomData(TStringList* List, const TXmlNode& Element) const
{
    List->Clear();
    for (const TXmlNode* entry : Element.ChildElements())
        List->Add(entry->Attribute("Name") + "=" + entry->Attribute("Value"));
    return true;
}

bool TSynLexFormatNativeXml20::ExportCustomData(TStringList* List, TXmlNode& Element) const
{
    for (int i = 0; i < List->Count(); ++i) {
        const AnsiString line = List->Strings(i);
        const size_t separator = line.find('=');
        if (separator == AnsiString::npos || separator == 0)
            continue;
        TXmlNode& entry = Element.AppendElement("Entry");
        entry.SetAttribute("Name", line.substr(0, separator));
        entry.SetAttribute("Value", line.substr(separator + 1));
    }
    return true;
}
