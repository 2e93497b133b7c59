// The small element tree that scheme files are read into and written from.
// Every name and text is held as the file's own 8-bit bytes (GBK in practice),
// never transcoded.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/ansi_string.h"

// Raised for text that is not a well-formed document and for a tree that
// cannot be written as one.
TANDRIL_EXCEPTION(EXmlError, Exception);

enum class TXmlNodeKind { Element, Text, CData, Comment, ProcessingInstruction };

struct TXmlAttribute {
    AnsiString Name;
    AnsiString Value;
};

class TXmlNode {
public:
    TXmlNode(TXmlNodeKind Kind, AnsiString Name, AnsiString Text);
    TXmlNode(const TXmlNode&) = delete;
    TXmlNode& operator=(const TXmlNode&) = delete;

    TXmlNodeKind Kind() const { return kind_; }
    bool IsElement() const { return kind_ == TXmlNodeKind::Element; }
    // The element's name or the processing instruction's target; empty for
    // the other kinds.
    const AnsiString& Name() const { return name_; }
    // The content of a text, CDATA, comment or processing-instruction node.
    // For an element: its text and CDATA children joined, in order.
    AnsiString Text() const;

    // Attributes in document order; names are unique within an element.
    const std::vector<TXmlAttribute>& Attributes() const { return attributes_; }
    bool HasAttribute(std::string_view Name) const { return FindAttribute(Name) != nullptr; }
    const AnsiString* FindAttribute(std::string_view Name) const;
    // The value, or Default when the attribute is missing.
    AnsiString Attribute(std::string_view Name, const AnsiString& Default = {}) const;
    // Default when the attribute is missing or does not convert.
    int AttributeAsInteger(std::string_view Name, int Default) const;
    bool AttributeAsBoolean(std::string_view Name, bool Default) const;
    // Default when the attribute is missing; a value that does not convert
    // raises EConvertError with the class library's message.
    int StrictAttributeAsInteger(std::string_view Name, int Default) const;
    bool StrictAttributeAsBoolean(std::string_view Name, bool Default) const;
    // Replaces the value of an existing attribute in place, else appends.
    void SetAttribute(std::string_view Name, std::string_view Value);

    const std::vector<std::unique_ptr<TXmlNode>>& Children() const { return children_; }
    // The first child element with this exact name, or nullptr.
    const TXmlNode* FindChild(std::string_view Name) const;
    TXmlNode* FindChild(std::string_view Name);
    // The first child element with this name; a missing child reads as an
    // element without attributes and children.
    const TXmlNode& Child(std::string_view Name) const;
    // The child elements in document order, whatever their names.
    std::vector<const TXmlNode*> ChildElements() const;

    // Appending is allowed on elements only; each returns the new node.
    TXmlNode& AppendElement(std::string_view Name);
    TXmlNode& AppendText(std::string_view Text);
    TXmlNode& AppendCData(std::string_view Text);
    TXmlNode& AppendComment(std::string_view Text);
    TXmlNode& AppendProcessingInstruction(std::string_view Target, std::string_view Data);
    void AppendChild(std::unique_ptr<TXmlNode> Node);

private:
    TXmlNode& Append(TXmlNodeKind Kind, std::string_view Name, std::string_view Text);

    TXmlNodeKind kind_;
    AnsiString name_;
    AnsiString text_;  // empty for elements
    std::vector<TXmlAttribute> attributes_;  // elements only
    std::vector<std::unique_ptr<TXmlNode>> children_;  // elements only
};

// A document is its root element; nodes outside the root are not kept.
class TXmlDocument {
public:
    explicit TXmlDocument(std::string_view RootName);
    explicit TXmlDocument(std::unique_ptr<TXmlNode> Root);

    TXmlNode& Root() { return *root_; }
    const TXmlNode& Root() const { return *root_; }

private:
    std::unique_ptr<TXmlNode> root_;  // never null, always an element
};
