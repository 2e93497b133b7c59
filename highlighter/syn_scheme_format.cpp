#include "highlighter/syn_scheme_format.h"

#include <memory>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/xml_reader.h"
#include "highlighter/xml_writer.h"
#include "platform/base/atomic_file.h"
#include "platform/base/files.h"
#include "platform/base/streams.h"
#include "platform/base/sys_utils.h"

void TSynLexFormat::Fail(const AnsiString& OperationAndMessage) const
{
    throw ESynLexFormatError(AnsiString(ClassName()) + "." + OperationAndMessage);
}

void TSynLexFormat::CheckStream(const TStream* Stream) const
{
    if (Stream == nullptr)
        Fail("ImportFromStream: AStream property can not be nil");
}

void TSynLexFormat::CheckFileExists(const AnsiString& FileName) const
{
    if (!FileExists(FileName))
        Fail("ImportFromFile: File \"" + FileName + "\" does not exists!");
}

void TSynLexFormat::CheckFileName(const AnsiString& FileName) const
{
    if (FileName.empty())
        Fail("ExportToFile: AFileName property can not be empty");
}

bool TSynLexFormat::ImportFromFile(TObject* Object, const AnsiString& FileName) const
{
    CheckFileExists(FileName);
    bool result;
    {
        TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
        result = ImportFromStream(Object, &stream);
    }
    if (auto* highlighter = dynamic_cast<TSynLexSyn*>(Object))
        highlighter->FileName = FileName;
    return result;
}

bool TSynLexFormat::ExportToFile(TObject* Object, const AnsiString& FileName) const
{
    CheckFileName(FileName);
    TStringStream stream;
    bool result = ExportToStream(Object, &stream);
    WriteFileAtomically(FileName, stream.DataString());
    if (auto* highlighter = dynamic_cast<TSynLexSyn*>(Object))
        highlighter->FileName = FileName;
    return result;
}

const TSynLexFormatNativeXml& TSynLexFormatNativeXml::Instance()
{
    static const TSynLexFormatNativeXml format;
    return format;
}

bool TSynLexFormatNativeXml::ImportFromStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    Stream->SetPosition(0);
    TXmlDocument document = ReadXmlDocument(Stream);
    const TXmlNode& root = document.Root();
    // Tested from the most specific class down, as a range is also a rule.
    if (auto* highlighter = dynamic_cast<TSynLexSyn*>(Object)) {
        // The reader freed the ranges the editors' line states point to;
        // whatever it managed to read is prepared and the editors rescan
        // before they paint again, on failure too.
        bool result;
        try {
            result = ImportHighlighter(highlighter, root);
        } catch (...) {
            highlighter->FileName.clear();
            highlighter->PrepareRules();
            throw;
        }
        highlighter->FileName.clear();
        highlighter->PrepareRules();
        return result;
    }
    if (auto* range = dynamic_cast<TSynRange*>(Object))
        return ImportRange(range, root);
    if (auto* keyList = dynamic_cast<TSynKeyList*>(Object))
        return ImportKeyList(keyList, root);
    if (auto* set = dynamic_cast<TSynSet*>(Object))
        return ImportSet(set, root);
    if (auto* info = dynamic_cast<TSynInfo*>(Object))
        return ImportInfo(info, root);
    if (auto* properties = dynamic_cast<TEditorProperties*>(Object))
        return ImportEditorProperties(properties, root);
    if (auto* attributes = dynamic_cast<TSynAttributes*>(Object))
        return ImportAttributes(attributes, root);
    if (auto* schemes = dynamic_cast<TSynLexSchemes*>(Object))
        return ImportSchemes(schemes, root);
    if (auto* multiToken = dynamic_cast<TSynMultiToken*>(Object))
        return ImportTokenProperties(multiToken, root);
    Fail("ImportFromStream: Cannot import into " + (Object ? Object->ClassName() : AnsiString("nil")) + " object");
}

bool TSynLexFormatNativeXml::ExportToStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    std::unique_ptr<TXmlDocument> document;
    bool result;
    auto make = [&document](const char* RootName) -> TXmlNode& {
        document = std::make_unique<TXmlDocument>(RootName);
        return document->Root();
    };
    if (auto* highlighter = dynamic_cast<TSynLexSyn*>(Object))
        result = ExportHighlighter(highlighter, make(HighlighterRootName()));
    else if (auto* range = dynamic_cast<TSynRange*>(Object))
        result = ExportRange(range, make("Range"));
    else if (auto* keyList = dynamic_cast<TSynKeyList*>(Object))
        result = ExportKeyList(keyList, make("KeyList"));
    else if (auto* set = dynamic_cast<TSynSet*>(Object))
        result = ExportSet(set, make("Set"));
    else if (auto* info = dynamic_cast<TSynInfo*>(Object))
        result = ExportInfo(info, make("Info"));
    else if (auto* attributes = dynamic_cast<TSynAttributes*>(Object))
        result = ExportAttributes(attributes, make("Attributes"));
    else if (auto* schemes = dynamic_cast<TSynLexSchemes*>(Object))
        result = ExportSchemes(schemes, make("Schemes"));
    else
        Fail("ExportToStream: Cannot export from " + (Object ? Object->ClassName() : AnsiString("nil")) + " object");
    WriteXmlDocument(*document, Stream, WriteOptions());
    return result;
}

TXmlWriteOptions TSynLexFormatNativeXml::WriteOptions() const { return {}; }

bool TSynLexFormatNativeXml::ImportInfo(TSynInfo*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportInfo(TSynInfo*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportEditorProperties(TEditorProperties*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportEditorProperties(TEditorProperties*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportAttributes(TSynAttributes*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportAttributes(TSynAttributes*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportSchemes(TSynLexSchemes*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportSchemes(TSynLexSchemes*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportTokenProperties(TSynMultiToken*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportTokenProperties(TSynMultiToken*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportKeyList(TSynKeyList*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportKeyList(TSynKeyList*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportSet(TSynSet*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportSet(TSynSet*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportRange(TSynRange*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportRange(TSynRange*, TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ImportHighlighter(TSynLexSyn*, const TXmlNode&) const { return false; }
bool TSynLexFormatNativeXml::ExportHighlighter(TSynLexSyn*, TXmlNode&) const { return false; }

int AttributeToInteger(const AnsiString& Value, int Default) { return StrToIntDef(Value, Default); }

bool AttributeToBoolean(const AnsiString& Value, bool Default) { return StrToBoolDef(Value, Default); }

TColor AttributeToColor(const AnsiString& Value, TColor Default)
{
    return Value.empty() ? Default : StringToColor(Value);
}

void TSynLexFormatNativeXml::ImportSubRules(TSynRange* Range, const std::vector<const TXmlNode*>& Children,
                                            std::string_view RangeName, std::string_view KeyListName,
                                            std::string_view SetName) const
{
    for (const TXmlNode* child : Children) {
        if (child->Name() == RangeName) {
            auto range = std::make_unique<TSynRange>();
            ImportRange(range.get(), *child);
            Range->AddRange(range.release());
        } else if (child->Name() == KeyListName) {
            auto keyList = std::make_unique<TSynKeyList>();
            ImportKeyList(keyList.get(), *child);
            Range->AddKeyList(keyList.release());
        } else if (child->Name() == SetName) {
            auto set = std::make_unique<TSynSet>();
            ImportSet(set.get(), *child);
            Range->AddSet(set.release());
        }
    }
}
