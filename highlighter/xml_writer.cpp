#include "highlighter/xml_writer.h"

#include <array>

#include "platform/base/streams.h"

namespace {

using TEscapeTable = std::array<const AnsiString*, 256>;

TEscapeTable MakeTable(const std::vector<TXmlEscape>& Escapes)
{
    TEscapeTable table{};
    for (const auto& escape : Escapes)
        table[static_cast<unsigned char>(escape.Char)] = &escape.Entity;
    return table;
}

class TWriter {
public:
    explicit TWriter(const TXmlWriteOptions& Options)
        : options_(Options), attributeTable_(MakeTable(Options.AttributeEscapes)),
          textTable_(MakeTable(Options.TextEscapes))
    {
    }

    AnsiString Write(const TXmlNode& Root)
    {
        if (options_.Declaration)
            out_ += "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";
        WriteNode(Root, 0, true);
        if (options_.FinalLineBreak)
            out_ += "\r\n";
        return std::move(out_);
    }

private:
    void Escaped(std::string_view Text, const TEscapeTable& Table)
    {
        for (char c : Text) {
            const AnsiString* entity = Table[static_cast<unsigned char>(c)];
            if (entity)
                out_ += *entity;
            else
                out_ += c;
        }
    }

    static bool HoldsText(const TXmlNode& Element)
    {
        for (const auto& child : Element.Children())
            if (child->Kind() == TXmlNodeKind::Text || child->Kind() == TXmlNodeKind::CData)
                return true;
        return false;
    }

    // Formatted nodes start on a line of their own, indented by Level tabs;
    // inline ones follow the previous output directly.
    void WriteNode(const TXmlNode& Node, int Level, bool Formatted)
    {
        if (Formatted && !out_.empty() && out_.back() != '\n')
            out_ += "\r\n";
        if (Formatted)
            out_.append(Level, '\t');
        switch (Node.Kind()) {
        case TXmlNodeKind::Element:
            WriteElement(Node, Level, Formatted);
            break;
        case TXmlNodeKind::Text:
            Escaped(Node.Text(), textTable_);
            break;
        case TXmlNodeKind::CData:
            WriteCData(Node.Text());
            break;
        case TXmlNodeKind::Comment:
            if (Node.Text().find("--") != AnsiString::npos || (!Node.Text().empty() && Node.Text().back() == '-'))
                throw EXmlError("A comment can not hold \"--\" or end with \"-\"");
            out_ += "<!--" + Node.Text() + "-->";
            break;
        case TXmlNodeKind::ProcessingInstruction:
            if (Node.Text().find("?>") != AnsiString::npos)
                throw EXmlError("A processing instruction can not hold \"?>\"");
            out_ += "<?" + Node.Name();
            if (!Node.Text().empty())
                out_ += " " + Node.Text();
            out_ += "?>";
            break;
        }
    }

    void WriteElement(const TXmlNode& Element, int Level, bool Formatted)
    {
        out_ += '<';
        out_ += Element.Name();
        for (const auto& attribute : Element.Attributes()) {
            out_ += ' ';
            out_ += attribute.Name;
            out_ += "=\"";
            Escaped(attribute.Value, attributeTable_);
            out_ += '"';
        }
        if (Element.Children().empty()) {
            out_ += options_.ShortEmptyElements ? "/>" : "></" + Element.Name() + ">";
            return;
        }
        out_ += '>';
        bool formatChildren = Formatted && !HoldsText(Element);
        for (const auto& child : Element.Children())
            WriteNode(*child, Level + 1, formatChildren);
        if (formatChildren) {
            out_ += "\r\n";
            out_.append(Level, '\t');
        }
        out_ += "</" + Element.Name() + ">";
    }

    // A CDATA section ends at the first "]]>", so that sequence is split
    // across two sections.
    void WriteCData(std::string_view Text)
    {
        out_ += "<![CDATA[";
        for (size_t end; (end = Text.find("]]>")) != std::string_view::npos; Text.remove_prefix(end + 2)) {
            out_ += Text.substr(0, end + 2);
            out_ += "]]><![CDATA[";
        }
        out_ += Text;
        out_ += "]]>";
    }

    const TXmlWriteOptions& options_;
    TEscapeTable attributeTable_;
    TEscapeTable textTable_;
    AnsiString out_;
};

}  // namespace

AnsiString WriteXmlDocument(const TXmlDocument& Document, const TXmlWriteOptions& Options)
{
    return TWriter(Options).Write(Document.Root());
}

void WriteXmlDocument(const TXmlDocument& Document, TStream* Stream, const TXmlWriteOptions& Options)
{
    AnsiString bytes = WriteXmlDocument(Document, Options);
    Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}
