#include "highlighter/syn_scheme_legacy.h"

#include <algorithm>
#include <memory>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_tokens.h"
#include "highlighter/xml_writer.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"

AnsiString ReadRestOfStream(TStream* Stream)
{
    int64_t position = Stream->Position();
    AnsiString text(static_cast<size_t>(std::max<int64_t>(Stream->Size() - position, 0)), '\0');
    Stream->ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

bool ImportLegacyText(const TSynLexFormatNativeXml& Format, TObject* Object, const AnsiString& Text)
{
    TStringStream stream("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n" + Text);
    return Format.TSynLexFormatNativeXml::ImportFromStream(Object, &stream);
}

bool ExportLegacyDocument(const TSynLexFormatNativeXml& Format, TObject* Object, TStream* Stream,
                          const TXmlWriteOptions& Options)
{
    Format.CheckStream(Stream);
    std::unique_ptr<TXmlDocument> document;
    auto make = [&document](const char* RootName) -> TXmlNode& {
        document = std::make_unique<TXmlDocument>(RootName);
        return document->Root();
    };
    bool result;
    if (auto* highlighter = dynamic_cast<TSynLexSyn*>(Object))
        result = Format.ExportHighlighter(highlighter, make("LexHighlighter"));
    else if (auto* range = dynamic_cast<TSynRange*>(Object))
        result = Format.ExportRange(range, make("Range"));
    else if (auto* keyList = dynamic_cast<TSynKeyList*>(Object))
        result = Format.ExportKeyList(keyList, make("KeyList"));
    else if (auto* set = dynamic_cast<TSynSet*>(Object))
        result = Format.ExportSet(set, make("Set"));
    else if (auto* info = dynamic_cast<TSynInfo*>(Object))
        result = Format.ExportInfo(info, make("Info"));
    else if (auto* attributes = dynamic_cast<TSynAttributes*>(Object))
        result = Format.ExportAttributes(attributes, make("Attributes"));
    else if (auto* schemes = dynamic_cast<TSynLexSchemes*>(Object))
        result = Format.ExportSchemes(schemes, make("Schemes"));
    else
        throw ESynLexFormatError(AnsiString(Format.ClassName()) + ".ExportToStream: Cannot export from " +
                                 (Object ? Object->ClassName() : AnsiString("nil")) + " object");
    WriteXmlDocument(*document, Stream, Options);
    return result;
}

AnsiString ReadLegacyLines(const TXmlNode& Element)
{
    AnsiString lines;
    for (const auto& child : Element.Children())
        if (child->IsElement() || child->Kind() == TXmlNodeKind::Text || child->Kind() == TXmlNodeKind::CData)
            lines += child->Text() + "\r\n";
    return lines;
}

void WriteLegacyLines(TXmlNode& Element, const char* Tag, const AnsiString& Lines, const char* Filler)
{
    TStringList list;
    list.SetText(Lines);
    if (list.Count() == 0) {
        Element.AppendText(Filler);
        return;
    }
    for (int i = 0; i < list.Count(); ++i) {
        TXmlNode& line = Element.AppendElement(Tag);
        if (!list.Strings(i).empty())
            line.AppendText(list.Strings(i));
    }
}

AnsiString PartOfTermToStr(uint8_t LeftBreak, uint8_t RightBreak)
{
    if (LeftBreak == kBreakDelimited && RightBreak == kBreakDelimited)
        return "False";
    if (LeftBreak == kBreakFree && RightBreak == kBreakDelimited)
        return "Left";
    if (LeftBreak == kBreakDelimited && RightBreak == kBreakFree)
        return "Right";
    return {};
}
