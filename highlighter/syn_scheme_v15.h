// Scheme format 1.5, the oldest: every value is the text of an element of
// its own, the file has no XML declaration, a double quote is written
// "&qt;", and empty elements are written with a start and an end tag.
#pragma once

#include "highlighter/syn_scheme_format.h"

class TSynLexFormatNativeXml15 : public TSynLexFormatNativeXml {
public:
    static const TSynLexFormatNativeXml15& Instance();
    const char* ClassName() const override { return "TSynLexFormatNativeXml15"; }

    // Reads the whole stream, whatever its position.
    bool ImportFromStream(TObject* Object, TStream* Stream) const override;

    // History and Sample are read from empty, so reading a file again never
    // repeats their lines.
    bool ImportInfo(TSynInfo* Info, const TXmlNode& Element) const override;
    bool ExportInfo(TSynInfo* Info, TXmlNode& Element) const override;
    bool ImportEditorProperties(TEditorProperties* Properties, const TXmlNode& Element) const override;
    bool ExportEditorProperties(TEditorProperties* Properties, TXmlNode& Element) const override;
    // Colour texts that are neither a colour name nor an integer raise
    // EConvertError.
    bool ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const override;
    bool ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const override;
    bool ImportSchemes(TSynLexSchemes* Schemes, const TXmlNode& Element) const override;
    bool ExportSchemes(TSynLexSchemes* Schemes, TXmlNode& Element) const override;
    // The settings without a prefix: "FinishOnEol", "StartLine", "PartOfTerm".
    bool ImportTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element) const override;
    // Writes nothing: the range writes its tokens' settings itself.
    bool ExportTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element) const override;
    bool ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const override;
    bool ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const override;
    bool ImportSet(TSynSet* Set, const TXmlNode& Element) const override;
    bool ExportSet(TSynSet* Set, TXmlNode& Element) const override;
    // Only the first open/close pair is stored.
    bool ImportRange(TSynRange* Range, const TXmlNode& Element) const override;
    bool ExportRange(TSynRange* Range, TXmlNode& Element) const override;
    bool ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const override;
    bool ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const override;

    // Prefix + "FinishOnEol", "StartLine" and "PartOfTerm" children of Element.
    void ImportTokenSettings(TSynMultiToken* MultiToken, const TXmlNode& Element, const AnsiString& Prefix) const;

protected:
    // No declaration, "&qt;" for a double quote in texts and attributes,
    // start and end tags for empty elements, and a CR LF after the last line.
    TXmlWriteOptions WriteOptions() const override;
    const char* HighlighterRootName() const override { return "LexHighlighter"; }
};
