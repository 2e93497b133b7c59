#include "highlighter/xml_document.h"

#include "platform/base/sys_utils.h"

TXmlNode::TXmlNode(TXmlNodeKind Kind, AnsiString Name, AnsiString Text)
    : kind_(Kind), name_(std::move(Name)), text_(std::move(Text))
{
}

AnsiString TXmlNode::Text() const
{
    if (!IsElement())
        return text_;
    AnsiString result;
    for (const auto& child : children_)
        if (child->kind_ == TXmlNodeKind::Text || child->kind_ == TXmlNodeKind::CData)
            result += child->text_;
    return result;
}

const AnsiString* TXmlNode::FindAttribute(std::string_view Name) const
{
    for (const auto& attribute : attributes_)
        if (attribute.Name == Name)
            return &attribute.Value;
    return nullptr;
}

AnsiString TXmlNode::Attribute(std::string_view Name, const AnsiString& Default) const
{
    const AnsiString* value = FindAttribute(Name);
    return value ? *value : Default;
}

int TXmlNode::AttributeAsInteger(std::string_view Name, int Default) const
{
    const AnsiString* value = FindAttribute(Name);
    return value ? StrToIntDef(*value, Default) : Default;
}

bool TXmlNode::AttributeAsBoolean(std::string_view Name, bool Default) const
{
    const AnsiString* value = FindAttribute(Name);
    return value ? StrToBoolDef(*value, Default) : Default;
}

int TXmlNode::StrictAttributeAsInteger(std::string_view Name, int Default) const
{
    const AnsiString* value = FindAttribute(Name);
    return value ? StrToInt(*value) : Default;
}

bool TXmlNode::StrictAttributeAsBoolean(std::string_view Name, bool Default) const
{
    const AnsiString* value = FindAttribute(Name);
    return value ? StrToBool(*value) : Default;
}

void TXmlNode::SetAttribute(std::string_view Name, std::string_view Value)
{
    if (!IsElement())
        throw EXmlError("Only an element can hold attributes");
    for (auto& attribute : attributes_)
        if (attribute.Name == Name) {
            attribute.Value = Value;
            return;
        }
    attributes_.push_back({AnsiString(Name), AnsiString(Value)});
}

const TXmlNode* TXmlNode::FindChild(std::string_view Name) const
{
    for (const auto& child : children_)
        if (child->IsElement() && child->name_ == Name)
            return child.get();
    return nullptr;
}

TXmlNode* TXmlNode::FindChild(std::string_view Name)
{
    return const_cast<TXmlNode*>(static_cast<const TXmlNode*>(this)->FindChild(Name));
}

const TXmlNode& TXmlNode::Child(std::string_view Name) const
{
    static const TXmlNode empty(TXmlNodeKind::Element, {}, {});
    const TXmlNode* child = FindChild(Name);
    return child ? *child : empty;
}

std::vector<const TXmlNode*> TXmlNode::ChildElements() const
{
    std::vector<const TXmlNode*> result;
    for (const auto& child : children_)
        if (child->IsElement())
            result.push_back(child.get());
    return result;
}

TXmlNode& TXmlNode::AppendElement(std::string_view Name)
{
    return Append(TXmlNodeKind::Element, Name, {});
}

TXmlNode& TXmlNode::AppendText(std::string_view Text)
{
    return Append(TXmlNodeKind::Text, {}, Text);
}

TXmlNode& TXmlNode::AppendCData(std::string_view Text)
{
    return Append(TXmlNodeKind::CData, {}, Text);
}

TXmlNode& TXmlNode::AppendComment(std::string_view Text)
{
    return Append(TXmlNodeKind::Comment, {}, Text);
}

TXmlNode& TXmlNode::AppendProcessingInstruction(std::string_view Target, std::string_view Data)
{
    return Append(TXmlNodeKind::ProcessingInstruction, Target, Data);
}

void TXmlNode::AppendChild(std::unique_ptr<TXmlNode> Node)
{
    if (!IsElement())
        throw EXmlError("Only an element can hold child nodes");
    children_.push_back(std::move(Node));
}

TXmlNode& TXmlNode::Append(TXmlNodeKind Kind, std::string_view Name, std::string_view Text)
{
    auto node = std::make_unique<TXmlNode>(Kind, AnsiString(Name), AnsiString(Text));
    TXmlNode& result = *node;
    AppendChild(std::move(node));
    return result;
}

TXmlDocument::TXmlDocument(std::string_view RootName)
    : root_(std::make_unique<TXmlNode>(TXmlNodeKind::Element, AnsiString(RootName), AnsiString()))
{
}

TXmlDocument::TXmlDocument(std::unique_ptr<TXmlNode> Root) : root_(std::move(Root))
{
    if (!root_ || !root_->IsElement())
        throw EXmlError("The root of a document must be an element");
}
