#include "highlighter/syn_scheme_format_auto.h"

#include <string_view>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_v15.h"
#include "highlighter/syn_scheme_xml18.h"
#include "highlighter/syn_scheme_xml20.h"
#include "platform/base/streams.h"

const TSynLexFormatNativeXmlAuto& TSynLexFormatNativeXmlAuto::Instance()
{
    static const TSynLexFormatNativeXmlAuto format;
    return format;
}

bool TSynLexFormatNativeXmlAuto::ImportFromStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    char head[32];
    Stream->SetPosition(0);
    const auto count = static_cast<size_t>(Stream->Read(head, sizeof head));
    Stream->SetPosition(0);
    const std::string_view start(head, count);
    if (start.starts_with("<LexHighlighter>"))
        return TSynLexFormatNativeXml15::Instance().ImportFromStream(Object, Stream);
    if (start.starts_with("<LexHighlighter version=\"1."))
        return TSynLexFormatNativeXml18::Instance().ImportFromStream(Object, Stream);
    return TSynLexFormatNativeXml20::Instance().ImportFromStream(Object, Stream);
}

bool TSynLexFormatNativeXmlAuto::ExportToStream(TObject* Object, TStream* Stream) const
{
    CheckStream(Stream);
    auto* highlighter = dynamic_cast<TSynLexSyn*>(Object);
    if (highlighter == nullptr)
        Fail("ExportFromStream: Cannot automatic export " + (Object ? Object->ClassName() : AnsiString("nil")) +
             " object");
    if (highlighter->FormatVersion == "1.5")
        return TSynLexFormatNativeXml15::Instance().ExportToStream(Object, Stream);
    if (highlighter->FormatVersion == "1.8")
        return TSynLexFormatNativeXml18::Instance().ExportToStream(Object, Stream);
    return TSynLexFormatNativeXml20::Instance().ExportToStream(Object, Stream);
}
