#include "highlighter/xml_reader.h"

#include <algorithm>
#include <climits>

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>

#include "platform/base/code_page.h"
#include "platform/base/format.h"
#include "platform/base/streams.h"

namespace {

// Every byte gets a code point of its own before parsing. ASCII stays
// itself so that the markup is seen; bytes from 0x80 map to U+0180..U+01FF,
// letters that may also stand in names; control bytes, which XML forbids
// even as references, map to the private code points U+E000..U+E01F. So
// do tab, LF and CR wherever the parser would turn them into something else:
// in attribute values (normalised to spaces) and CR in texts (turned into LF).
constexpr char32_t HighBytes = 0x100;
constexpr char32_t ControlBytes = 0xE000;

enum class TWhiteSpace { Markup, Content, Value };

char32_t MapByte(unsigned char b, TWhiteSpace Space)
{
    bool whiteSpace = b == '\t' || b == '\n' || b == '\r';
    bool parserKeepsIt = Space == TWhiteSpace::Markup || (Space == TWhiteSpace::Content && b != '\r');
    if (b < 0x20 && !(whiteSpace && parserKeepsIt))
        return ControlBytes + b;
    return b < 0x80 ? b : HighBytes + b;
}

void AppendUtf8(AnsiString& Out, char32_t c)
{
    if (c < 0x80) {
        Out += static_cast<char>(c);
    } else if (c < 0x800) {
        Out += static_cast<char>(0xC0 | (c >> 6));
        Out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | (c >> 12));
        Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class TInputMapper {
public:
    explicit TInputMapper(std::string_view In) : in_(In) {}

    AnsiString Map()
    {
        out_.reserve(in_.size() * 2);
        while (pos_ < in_.size()) {
            if (At("<!--"))
                Section("<!--", "-->", TWhiteSpace::Content);
            else if (At("<![CDATA["))
                Section("<![CDATA[", "]]>", TWhiteSpace::Content);
            else if (At("<?"))
                ProcessingInstruction();
            else if (At("<!"))
                throw EXmlError("Document type declarations are not supported");
            else if (At("<"))
                Tag();
            else
                Text();
        }
        return std::move(out_);
    }

private:
    bool At(std::string_view Text) const { return in_.substr(pos_).starts_with(Text); }
    bool IsSpaceAt(size_t Pos) const { return std::string_view(" \t\r\n").find(in_[Pos]) != std::string_view::npos; }
    void Put(TWhiteSpace Space) { AppendUtf8(out_, MapByte(static_cast<unsigned char>(in_[pos_++]), Space)); }
    void PutUntil(std::string_view End, TWhiteSpace Space)
    {
        while (pos_ < in_.size() && !At(End))
            Put(Space);
        for (size_t i = 0; i < End.size() && pos_ < in_.size(); ++i)
            Put(TWhiteSpace::Markup);
    }

    // A run of white space only is layout (or stands outside the root,
    // where only white space may), so it stays as the parser expects it.
    void Text()
    {
        size_t end = std::min(in_.find('<', pos_), in_.size());
        bool layout = in_.substr(pos_, end - pos_).find_first_not_of(" \t\r\n") == std::string_view::npos;
        while (pos_ < end)
            Put(layout ? TWhiteSpace::Markup : TWhiteSpace::Content);
    }

    void Section(std::string_view Start, std::string_view End, TWhiteSpace Space)
    {
        for (size_t i = 0; i < Start.size(); ++i)
            Put(TWhiteSpace::Markup);
        PutUntil(End, Space);
    }

    // The target and the white space after it are markup; the data is
    // content, except in the XML declaration, whose white space separates
    // its pseudo-attributes.
    void ProcessingInstruction()
    {
        bool declaration = At("<?xml") && pos_ + 5 < in_.size() && IsSpaceAt(pos_ + 5);
        Put(TWhiteSpace::Markup);
        Put(TWhiteSpace::Markup);
        while (pos_ < in_.size() && !IsSpaceAt(pos_) && !At("?>"))
            Put(TWhiteSpace::Markup);
        while (pos_ < in_.size() && IsSpaceAt(pos_))
            Put(TWhiteSpace::Markup);
        PutUntil("?>", declaration ? TWhiteSpace::Markup : TWhiteSpace::Content);
    }

    void Tag()
    {
        Put(TWhiteSpace::Markup);
        while (pos_ < in_.size()) {
            char c = in_[pos_];
            Put(TWhiteSpace::Markup);
            if (c == '>')
                return;
            if (c == '"' || c == '\'')
                PutUntil(std::string_view(&c, 1), TWhiteSpace::Value);
        }
    }

    std::string_view in_;
    size_t pos_ = 0;
    AnsiString out_;
};

// The inverse of MapByte. Any other code point came from a character
// reference and is stored as its GBK bytes.
AnsiString UnmapUtf8(const xmlChar* Text)
{
    AnsiString result;
    if (!Text)
        return result;
    auto s = reinterpret_cast<const unsigned char*>(Text);
    while (*s) {
        char32_t c = *s++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        c &= more ? 0x3F >> more : 0x7F;
        for (; more > 0 && (*s & 0xC0) == 0x80; --more)
            c = (c << 6) | (*s++ & 0x3F);
        if (c < 0x80)
            result += static_cast<char>(c);
        else if (c >= HighBytes + 0x80 && c <= HighBytes + 0xFF)
            result += static_cast<char>(c - HighBytes);
        else if (c >= ControlBytes && c < ControlBytes + 0x20)
            result += static_cast<char>(c - ControlBytes);
        else
            result += Utf32ToGbk(std::u32string_view(&c, 1));
    }
    return result;
}

AnsiString QualifiedName(const xmlNs* Ns, const xmlChar* Name)
{
    AnsiString name = UnmapUtf8(Name);
    return Ns && Ns->prefix ? UnmapUtf8(Ns->prefix) + ":" + name : name;
}

bool IsWhiteSpace(const AnsiString& Text)
{
    return Text.find_first_not_of(" \t\r\n") == AnsiString::npos;
}

std::unique_ptr<TXmlNode> ConvertElement(const xmlNode* Element)
{
    auto result = std::make_unique<TXmlNode>(TXmlNodeKind::Element, QualifiedName(Element->ns, Element->name),
                                             AnsiString());
    for (const xmlNs* ns = Element->nsDef; ns; ns = ns->next)
        result->SetAttribute(ns->prefix ? "xmlns:" + UnmapUtf8(ns->prefix) : AnsiString("xmlns"), UnmapUtf8(ns->href));
    for (const xmlAttr* attribute = Element->properties; attribute; attribute = attribute->next) {
        AnsiString value;
        for (const xmlNode* part = attribute->children; part; part = part->next)
            value += UnmapUtf8(part->content);
        result->SetAttribute(QualifiedName(attribute->ns, attribute->name), value);
    }
    // CDATA sections that only white space parted come out side by side,
    // and the parser reads sections side by side as one: they are joined
    // here already, so that what is written reads back the same.
    AnsiString cdata;
    bool inCData = false;
    auto endCData = [&] {
        if (inCData)
            result->AppendCData(cdata);
        inCData = false;
        cdata.clear();
    };
    for (const xmlNode* child = Element->children; child; child = child->next) {
        switch (child->type) {
        case XML_ELEMENT_NODE:
            endCData();
            result->AppendChild(ConvertElement(child));
            break;
        case XML_TEXT_NODE:
            if (AnsiString text = UnmapUtf8(child->content); !IsWhiteSpace(text)) {
                endCData();
                result->AppendText(text);
            }
            break;
        case XML_CDATA_SECTION_NODE:
            cdata += UnmapUtf8(child->content);
            inCData = true;
            break;
        case XML_COMMENT_NODE:
            endCData();
            result->AppendComment(UnmapUtf8(child->content));
            break;
        case XML_PI_NODE:
            endCData();
            result->AppendProcessingInstruction(UnmapUtf8(child->name), UnmapUtf8(child->content));
            break;
        default:
            break;
        }
    }
    endCData();
    return result;
}

// The errors worth keeping from one parse: the first one, which the others
// only follow from, and the element whose start tag was left open.
struct TParserErrors {
    bool Any = false;
    int Code = 0;
    int Line = 0;
    std::string Message;
    std::string Detail;
    std::string OpenElement;
};

void CollectError(void* Context, xmlErrorPtr Error)
{
    auto& errors = *static_cast<TParserErrors*>(static_cast<xmlParserCtxtPtr>(Context)->_private);
    if (!errors.Any) {
        errors.Any = true;
        errors.Code = Error->code;
        errors.Line = Error->line;
        errors.Message = Error->message ? Error->message : "";
        errors.Detail = Error->str1 ? Error->str1 : "";
    }
    if (Error->code == XML_ERR_GT_REQUIRED && errors.OpenElement.empty() && Error->str1)
        errors.OpenElement = Error->str1;
}

// The parser's limits, kept as they are, told in the terms of the files
// this program reads; empty when the parse failed for another reason.
AnsiString LimitReached(const TParserErrors& Errors)
{
    const bool tooLong = Errors.Message.find("too long") != std::string::npos ||
                         Errors.Message.find("too big") != std::string::npos;
    const int line = Errors.Line;
    const int textLimit = XML_MAX_TEXT_LENGTH;
    // The parser counts the text mapped for it (see TInputMapper).
    const char* kWide = " (bytes from 0x80 count twice)";
    switch (Errors.Code) {
    case XML_ERR_INTERNAL_ERROR:
        if (Errors.Message.starts_with("Excessive depth"))
            return Format("Elements are nested more than %d deep at line %d; each range within another range of a "
                          "scheme takes two levels",
                          {static_cast<int>(xmlParserMaxDepth), line});
        // The parser holds one piece of text or markup at most this long.
        if (Errors.Detail == "Huge input lookup")
            return Format("A text or value at line %d is longer than %d bytes%s", {line, textLimit, kWide});
        break;
    case XML_ERR_ATTRIBUTE_NOT_FINISHED:
        if (tooLong) {
            const AnsiString element = Errors.OpenElement.empty() ? AnsiString("an element") : "<" + UnmapUtf8(
                reinterpret_cast<const xmlChar*>(Errors.OpenElement.c_str())) + ">";
            return Format("A value of %s at line %d is longer than %d bytes%s; a keyword list is one such value",
                          {element, line, textLimit, kWide});
        }
        break;
    case XML_ERR_COMMENT_NOT_FINISHED:
    case XML_ERR_CDATA_NOT_FINISHED:
    case XML_ERR_PI_NOT_FINISHED:
        if (tooLong)
            return Format("A comment, CDATA section or processing instruction at line %d is longer than %d bytes%s",
                          {line, textLimit, kWide});
        break;
    case XML_ERR_NAME_TOO_LONG:
        return Format("A name at line %d is longer than %d bytes%s", {line, static_cast<int>(XML_MAX_NAME_LENGTH), kWide});
    default:
        break;
    }
    return {};
}

struct TParserContext {
    xmlParserCtxtPtr Context = xmlNewParserCtxt();
    xmlDocPtr Document = nullptr;
    TParserErrors Errors;
    TParserContext()
    {
        if (Context) {
            Context->_private = &Errors;
            Context->sax->serror = CollectError;
        }
    }
    ~TParserContext()
    {
        xmlFreeDoc(Document);
        xmlFreeParserCtxt(Context);
    }
    TParserContext(const TParserContext&) = delete;
    TParserContext& operator=(const TParserContext&) = delete;
};

}  // namespace

TXmlDocument ReadXmlDocument(std::string_view Bytes)
{
    if (Bytes.starts_with("\xEF\xBB\xBF"))
        Bytes.remove_prefix(3);
    AnsiString mapped = TInputMapper(Bytes).Map();
    if (mapped.size() > INT_MAX)
        throw EXmlError("The document is too large");

    xmlInitParser();
    TParserContext parser;
    if (!parser.Context)
        throw EXmlError("Out of memory");
    // No network, no messages on the console, and the declared encoding is
    // ignored: the mapped text is UTF-8 whatever the declaration says.
    constexpr int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;
    parser.Document = xmlCtxtReadMemory(parser.Context, mapped.data(), static_cast<int>(mapped.size()), nullptr,
                                        "UTF-8", options);
    const xmlNode* root = parser.Document ? xmlDocGetRootElement(parser.Document) : nullptr;
    if (!root) {
        if (AnsiString limit = LimitReached(parser.Errors); !limit.empty())
            throw EXmlError(limit);
        const xmlError* error = xmlCtxtGetLastError(parser.Context);
        if (!error || !error->message)
            throw EXmlError("The text is not an XML document");
        AnsiString reason = UnmapUtf8(reinterpret_cast<const xmlChar*>(error->message));
        while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' '))
            reason.pop_back();
        throw EXmlError(Format("XML error at line %d, column %d: %s", {error->line, error->int2, reason}));
    }
    return TXmlDocument(ConvertElement(root));
}

TXmlDocument ReadXmlDocument(TStream* Stream)
{
    AnsiString bytes(static_cast<size_t>(std::max<int64_t>(Stream->Size() - Stream->Position(), 0)), '\0');
    Stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return ReadXmlDocument(bytes);
}
