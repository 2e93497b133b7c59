#include "highlighter/token_nodes.h"

#include <cstring>

#include "highlighter/syn_tokens.h"

TTokenNodeList::TTokenNodeList() = default;
TTokenNodeList::~TTokenNodeList() = default;

void TTokenNodeList::AddNode(TTokenNode* Node)
{
    nodes_.emplace_back(Node);
    chars_.push_back(static_cast<char>(Node->Char));
}

TTokenNode* TTokenNodeList::FindNode(uint8_t Char) const
{
    const void* found = std::memchr(chars_.data(), Char, chars_.size());
    if (!found)
        return nullptr;
    return nodes_[static_cast<size_t>(static_cast<const char*>(found) - chars_.data())].get();
}

TTokenNode::TTokenNode(uint8_t AChar, uint8_t ARightBreak, TSynToken* AToken)
    : Char(AChar), RightBreak(ARightBreak), LeftBreak(AToken ? AToken->LeftBreak : 0), Token(AToken)
{
}
