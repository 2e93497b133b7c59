// Scheme file formats. A format holds no data: each one is a single constant
// object whose virtual operations form its table, reached through the
// class's Instance(). A version format derives from TSynLexFormatNativeXml
// and overrides the element operations; since they call one another through
// the table, overriding one changes it everywhere in the tree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/gdi/colors.h"
#include "platform/base/ansi_string.h"

class TEditorProperties;
class TObject;
class TStream;
class TSynAttributes;
class TSynInfo;
class TSynKeyList;
class TSynLexSchemes;
class TSynLexSyn;
class TSynMultiToken;
class TSynRange;
class TSynSet;
class TXmlNode;
struct TXmlWriteOptions;

// Raised by the formats' own checks; the message starts with the format's
// class name and the operation, e.g. "TSynLexFormatNativeXml20.ExportToFile: ...".
TANDRIL_EXCEPTION(ESynLexFormatError, Exception);

class TSynLexFormat {
public:
    TSynLexFormat() = default;
    TSynLexFormat(const TSynLexFormat&) = delete;
    TSynLexFormat& operator=(const TSynLexFormat&) = delete;
    virtual ~TSynLexFormat() = default;

    // The name the messages start with.
    virtual const char* ClassName() const = 0;

    // The stream is read from its start, whatever its position.
    virtual bool ImportFromStream(TObject* Object, TStream* Stream) const = 0;
    virtual bool ExportToStream(TObject* Object, TStream* Stream) const = 0;
    // Checks that the file exists before opening it; reads it through this
    // format's ImportFromStream and, for a highlighter, remembers the name.
    // Returns what the stream import returned.
    virtual bool ImportFromFile(TObject* Object, const AnsiString& FileName) const;
    // Exports into memory and only then replaces the file, through a
    // temporary file and a rename, so a failed export leaves the old file
    // as it was. Returns what the stream export returned.
    virtual bool ExportToFile(TObject* Object, const AnsiString& FileName) const;

    // Raise ESynLexFormatError with the messages the user sees.
    void CheckStream(const TStream* Stream) const;
    void CheckFileExists(const AnsiString& FileName) const;
    void CheckFileName(const AnsiString& FileName) const;

protected:
    [[noreturn]] void Fail(const AnsiString& OperationAndMessage) const;
};

// The XML formats: the document is read or made here, and the object is
// handed to the element operation for its class. In this class every
// element operation does nothing and returns false.
class TSynLexFormatNativeXml : public TSynLexFormat {
public:
    static const TSynLexFormatNativeXml& Instance();
    const char* ClassName() const override { return "TSynLexFormatNativeXml"; }

    // Accepts a TSynLexSyn (whose FileName is then emptied and whose rules
    // are prepared, failed or not, telling its editors), TSynRange,
    // TSynKeyList, TSynSet, TSynInfo, TEditorProperties, TSynAttributes,
    // TSynLexSchemes or TSynMultiToken; any root element name is accepted.
    bool ImportFromStream(TObject* Object, TStream* Stream) const override;
    // Writes the root HighlighterRootName(), "Range", "KeyList", "Set",
    // "Info", "Attributes" or "Schemes" for the object's class, laid out
    // by WriteOptions().
    bool ExportToStream(TObject* Object, TStream* Stream) const override;

    virtual bool ImportInfo(TSynInfo* Info, const TXmlNode& Element) const;
    virtual bool ExportInfo(TSynInfo* Info, TXmlNode& Element) const;
    virtual bool ImportEditorProperties(TEditorProperties* Properties, const TXmlNode& Element) const;
    virtual bool ExportEditorProperties(TEditorProperties* Properties, TXmlNode& Element) const;
    virtual bool ImportAttributes(TSynAttributes* Attributes, const TXmlNode& Element) const;
    virtual bool ExportAttributes(TSynAttributes* Attributes, TXmlNode& Element) const;
    virtual bool ImportSchemes(TSynLexSchemes* Schemes, const TXmlNode& Element) const;
    virtual bool ExportSchemes(TSynLexSchemes* Schemes, TXmlNode& Element) const;
    virtual bool ImportTokenProperties(TSynMultiToken* MultiToken, const TXmlNode& Element) const;
    virtual bool ExportTokenProperties(TSynMultiToken* MultiToken, TXmlNode& Element) const;
    virtual bool ImportKeyList(TSynKeyList* KeyList, const TXmlNode& Element) const;
    virtual bool ExportKeyList(TSynKeyList* KeyList, TXmlNode& Element) const;
    virtual bool ImportSet(TSynSet* Set, const TXmlNode& Element) const;
    virtual bool ExportSet(TSynSet* Set, TXmlNode& Element) const;
    virtual bool ImportRange(TSynRange* Range, const TXmlNode& Element) const;
    virtual bool ExportRange(TSynRange* Range, TXmlNode& Element) const;
    virtual bool ImportHighlighter(TSynLexSyn* Highlighter, const TXmlNode& Element) const;
    virtual bool ExportHighlighter(TSynLexSyn* Highlighter, TXmlNode& Element) const;

protected:
    // Reads the sub-rules among Children into Range: elements named
    // RangeName, KeyListName and SetName, in document order. Each rule is
    // read whole before Range takes it, so a failure leaves no half-read
    // rule in the tree.
    void ImportSubRules(TSynRange* Range, const std::vector<const TXmlNode*>& Children, std::string_view RangeName,
                        std::string_view KeyListName, std::string_view SetName) const;

    // What the versions' files differ in besides their elements: the
    // layout the document is written in and the root a highlighter is
    // written under. Other objects keep the roots named above.
    virtual TXmlWriteOptions WriteOptions() const;
    virtual const char* HighlighterRootName() const { return "SynLexHighlighter"; }
};

// Conversions of attribute values shared by the versions; a missing
// attribute arrives as the empty text. Character sets: StrToCharSet.
// The default when Value is not a valid integer.
int AttributeToInteger(const AnsiString& Value, int Default);
// "true"/"false" in any case or a number (nonzero is true), else the default.
bool AttributeToBoolean(const AnsiString& Value, bool Default);
// The default for the empty text; else a colour name such as "clWindow" or
// an integer, anything else raising EConvertError.
TColor AttributeToColor(const AnsiString& Value, TColor Default);
