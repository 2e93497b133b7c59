// Scheme format 2.0, the one the program writes: the whole highlighter with
// its information, colour schemes, editor colours, rule tree, code-folding
// regions and custom data, every value an XML attribute.
#pragma once

#include "highlighter/syn_scheme_format.h"

class TFoldRegions;
class TStringList;

class TSynLexFormatNativeXml20 : public TSynLexFormatNativeXml {
public:
    static const TSynLexFormatNativeXml20& Instance();
    const char* ClassName() const override { return "TSynLexFormatNativeXml20"; }

    bool ImportInfo(TSynInfo* Info, const TXmlNode& Element) const override;
    bool ExportInfo(TSynInfo* Info, TXmlNode& Element) const override;
    bool ImportEditorProperties(TEditorProperties* Properties, const TXmlNode& Element) const override;
    bool ExportEditorProperties(TEditorProperties* Properties, TXmlNode& Element) const override;
    bool ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const override;
    bool ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const override;
    bool ImportSchemes(TSynLexSchemes* Schemes, const TXmlNode& Element) const override;
    bool ExportSchemes(TSynLexSchemes* Schemes, TXmlNode& Element) const override;
    bool ImportTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element) const override;
    bool ExportTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element) const override;
    bool ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const override;
    bool ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const override;
    bool ImportSet(TSynSet* Set, const TXmlNode& Element) const override;
    bool ExportSet(TSynSet* Set, TXmlNode& Element) const override;
    bool ImportRange(TSynRange* Range, const TXmlNode& Element) const override;
    bool ExportRange(TSynRange* Range, TXmlNode& Element) const override;
    // Empties the highlighter first, so a failed import leaves only what
    // was read before the failure.
    bool ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const override;
    bool ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const override;

    // Adds to FoldRegions without emptying it. A "Type" that is not an
    // integer raises EConvertError; one outside 0..255 is kept as a type
    // that never matches rather than wrapped into an active one.
    bool ImportCodeFolding(TFoldRegions* FoldRegions, const TXmlNode& Element) const;
    bool ExportCodeFolding(TFoldRegions* FoldRegions, TXmlNode& Element) const;
    // "Name=Value" lines; each line with a name is written with its own value.
    bool ImportCustomData(TStringList* List, const TXmlNode& Element) const;
    bool ExportCustomData(TStringList* List, TXmlNode& Element) const;
};
