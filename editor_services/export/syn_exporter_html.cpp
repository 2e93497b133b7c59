// The HTML format: spans per attribute run, a style sheet of the
// attributes, and the clipboard description whose offsets count the whole
// document.
#include "editor_services/export/syn_exporter_html.h"

#include "editor/highlighting/syn_highlighter_attributes.h"
#include "platform/base/code_page.h"
#include "platform/base/format.h"
#include "platform/base/sys_utils.h"
#include "platform/win/clipboard.h"

namespace {

constexpr const char* kStartFragment = "<!--StartFragment--><pre><code>";
constexpr const char* kEndFragment = "</code></pre><!--EndFragment-->";
constexpr const char* kDocumentEnd = "</body>\r\n</html>";
// The clipboard description's length, with its four ten-digit numbers.
constexpr int kDescriptionLength = 105;

// The unique name lower-cased, "." and "_" as "-", and everything but "-",
// digits and a to z removed.
AnsiString ClassNameOf(const AnsiString& UniqueName)
{
    AnsiString name;
    for (const char c : LowerCase(UniqueName)) {
        if (c == '.' || c == '_' || c == '-')
            name += '-';
        else if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))
            name += c;
    }
    return name;
}

AnsiString ColorText(TColor Value)
{
    const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(Value));
    return Format("#%.2x%.2x%.2x", {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)});
}

// A font name as a CSS identifier: characters above 127 as "\hex ".
AnsiString CssFontName(const AnsiString& Name)
{
    AnsiString css;
    for (const char32_t c : GbkToUtf32(Name)) {
        if (c < 0x80)
            css += static_cast<char>(c);
        else
            css += Format("\\%x ", {static_cast<uint32_t>(IsEscapedByte(c) ? 0xFFFD : c)});
    }
    return css;
}

}  // namespace

AnsiString HtmlCharacterReferences(const AnsiString& Text)
{
    AnsiString result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        if (static_cast<unsigned char>(Text[i]) < 0x80) {
            result += Text[i++];
            continue;
        }
        size_t length = 0;
        const char32_t c = DecodeGbkChar(Text, i, length);
        // A byte that is no GBK character has no code point to name.
        result += "&#" + IntToStr(static_cast<uint32_t>(IsEscapedByte(c) ? 0xFFFD : c)) + ";";
        i += length;
    }
    return result;
}

TSynExporterHTML::TSynExporterHTML(TComponent* AOwner) : TSynCustomExporter(AOwner)
{
    clipboardFormat_ = RegisterClipboardFormat("HTML Format");
    DefaultFilter = "HTML Documents (*.htm;*.html)|*.htm;*.html";
    ReplaceTable[' '] = "&nbsp;";
    ReplaceTable['&'] = "&amp;";
    ReplaceTable['<'] = "&lt;";
    ReplaceTable['>'] = "&gt;";
    ReplaceTable['"'] = "&quot;";
}

void TSynExporterHTML::BeginExport()
{
    classNames_.clear();
    EnumExportAttributes(false, false, [this](TSynHighlighterAttributes* Attribute, const AnsiString& UniqueName) {
        classNames_.try_emplace(Attribute, ClassNameOf(UniqueName));
    });
}

void TSynExporterHTML::SetTokenAttribute(TSynHighlighterAttributes* Attribute)
{
    currentAttribute_ = Attribute;
    TSynCustomExporter::SetTokenAttribute(Attribute);
}

void TSynExporterHTML::CloseAttributeRun(bool, bool, TFontStyles)
{
    AddData("</span>");
}

void TSynExporterHTML::OpenAttributeRun(bool, bool, TFontStyles)
{
    const auto found = classNames_.find(currentAttribute_);
    AddData("<span class=\"" + (found != classNames_.end() ? found->second : AnsiString()) + "\">");
}

void TSynExporterHTML::AfterLastAttribute()
{
    AddData("</span>");
}

void TSynExporterHTML::BeforeFirstAttribute(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStyles)
{
    OpenAttributeRun(BackgroundChanged, ForegroundChanged, FontStyles);
}

void TSynExporterHTML::AddToken(const AnsiString& Token)
{
    AnsiString text = HtmlCharacterReferences(Token);
    if (!text.empty() && text[0] == '\0')
        text.erase(0, 1);
    AddData(text);
}

AnsiString TSynExporterHTML::StyleSheet()
{
    AnsiString sheet;
    EnumExportAttributes(true, true, [this, &sheet](TSynHighlighterAttributes* Attribute, const AnsiString& UniqueName) {
        sheet += "." + ClassNameOf(UniqueName) + " { ";
        if (UseBackground() && Attribute->Background() != clNone)
            sheet += "background-color: " + ColorText(Attribute->Background()) + "; ";
        if (Attribute->Foreground() != clNone)
            sheet += "color: " + ColorText(Attribute->Foreground()) + "; ";
        const TFontStyles style = Attribute->Style();
        if (style.Contains(fsBold))
            sheet += "font-weight: bold; ";
        if (style.Contains(fsItalic))
            sheet += "font-style: italic; ";
        if (style.Contains(fsUnderline))
            sheet += "text-decoration: underline; ";
        if (style.Contains(fsStrikeOut))
            sheet += "text-decoration: line-through; ";
        sheet += "}\r\n";
    });
    return sheet;
}

AnsiString TSynExporterHTML::Prologue()
{
    // The title is text: markup characters are escaped, but blanks stay
    // blanks. Table entries are all below any trail byte, so a byte walk
    // can't split a character.
    AnsiString title;
    for (const char c : Title()) {
        const AnsiString& entity = ReplaceTable[static_cast<unsigned char>(c)];
        title += c == ' ' || entity.empty() ? AnsiString(1, c) : entity;
    }
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
           "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
           "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
           "<head>\r\n"
           "<title>" +
           HtmlCharacterReferences(title) +
           "</title>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" />\r\n"
           "<meta name=\"generator\" content=\"SynText HTML exporter\" />\r\n"
           "<style type=\"text/css\">\r\n"
           "<!--\r\n"
           "body { color: " +
           ColorText(Font()->Color()) + "; background-color: " + ColorText(Color) +
           "; }\r\n"
           "body { font-family: " +
           CssFontName(Font()->Name()) + "; font-size: " + IntToStr(Font()->Size()) + "pt; }\r\n" + StyleSheet() +
           "-->\r\n"
           "</style>\r\n"
           "</head>\r\n"
           "<body>\r\n";
}

AnsiString TSynExporterHTML::GetHeader()
{
    const AnsiString prologue = Prologue();
    if (ExportAsDocument) {
        return (CreateHTMLFragment ? AnsiString() : prologue) +
               Format("<pre>\r\n<code><span style=\"font: %dpt %s;\">", {Font()->Size(), CssFontName(Font()->Name())});
    }
    const int64_t h = static_cast<int64_t>(prologue.size());
    const int64_t s = static_cast<int64_t>(AnsiString(kStartFragment).size());
    const int64_t b = BufferSize();
    const int64_t fragmentEnd = kDescriptionLength + h + s + b + static_cast<int64_t>(AnsiString(kEndFragment).size());
    const int64_t documentEnd = fragmentEnd + static_cast<int64_t>(AnsiString(kDocumentEnd).size());
    return Format("Version:0.9\r\nStartHTML:%.10d\r\nEndHTML:%.10d\r\nStartFragment:%.10d\r\nEndFragment:%.10d\r\n",
                  {kDescriptionLength, documentEnd, kDescriptionLength + h, fragmentEnd}) +
           prologue + kStartFragment;
}

AnsiString TSynExporterHTML::GetFooter()
{
    AnsiString footer = ExportAsDocument ? "</span>\r\n</code></pre>\r\n" : kEndFragment;
    if (!(ExportAsDocument && CreateHTMLFragment))
        footer += kDocumentEnd;
    return footer;
}
