// Scheme format 1.8: the scheme information and the rule tree, every value
// an XML attribute, a rule's colours and font style packed into one
// "Attributes" value. No colour schemes, editor colours, code folding or
// custom data; one open/close pair per range.
#pragma once

#include "highlighter/syn_scheme_format.h"

class TSynLexFormatNativeXml18 : public TSynLexFormatNativeXml {
public:
    static const TSynLexFormatNativeXml18& Instance();
    const char* ClassName() const override { return "TSynLexFormatNativeXml18"; }

    // Reads from the stream's position to its end.
    bool ImportFromStream(TObject* Object, TStream* Stream) const override;

    // "Version" and "Revision" must be integers (EConvertError otherwise).
    // History and Sample are read from empty, so reading a file again never
    // repeats their lines.
    bool ImportInfo(TSynInfo* Info, const TXmlNode& Element) const override;
    bool ExportInfo(TSynInfo* Info, TXmlNode& Element) const override;
    bool ImportEditorProperties(TEditorProperties* Properties, const TXmlNode& Element) const override;
    bool ExportEditorProperties(TEditorProperties* Properties, TXmlNode& Element) const override;
    bool ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const override;
    bool ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const override;
    bool ImportSchemes(TSynLexSchemes* Schemes, const TXmlNode& Element) const override;
    bool ExportSchemes(TSynLexSchemes* Schemes, TXmlNode& Element) const override;
    bool ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const override;
    bool ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const override;
    bool ImportSet(TSynSet* Set, const TXmlNode& Element) const override;
    bool ExportSet(TSynSet* Set, TXmlNode& Element) const override;
    // Only the first open/close pair is stored.
    bool ImportRange(TSynRange* Range, const TXmlNode& Element) const override;
    bool ExportRange(TSynRange* Range, TXmlNode& Element) const override;
    bool ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const override;
    bool ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const override;

    // The packed value "fore,back;ParentForeground:ParentBackground.style",
    // colours as signed decimals. Reading never fails: a colour that is not
    // an integer becomes black (foreground) or white (background).
    void StringToAttributes(TSynAttributes* Attributes, const AnsiString& Text) const;
    AnsiString AttributesToString(TSynAttributes* Attributes) const;
    // Prefix + "FinishOnEol", "StartLine" and "PartOfTerm" attributes of the
    // "Rule" element.
    void ImportRuleTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element,
                                   const AnsiString& Prefix) const;
    void ExportRuleTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element, const AnsiString& Prefix) const;

protected:
    // No declaration; the root "LexHighlighter" with "version" its first
    // attribute; every line, the last one too, ends in CR LF.
    TXmlWriteOptions WriteOptions() const override;
    const char* HighlighterRootName() const override { return "LexHighlighter"; }
};
