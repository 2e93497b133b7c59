#include "highlighter/syn_scheme_legacy.h"

#include <algorithm>

#include "highlighter/syn_tokens.h"
#include "highlighter/xml_document.h"
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
