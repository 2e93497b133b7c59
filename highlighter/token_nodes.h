// The character trie a parser walks to find the longest token at a position.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/object.h"

class TSynToken;
class TTokenNode;

// Children in insertion order. chars_[i] is the character of nodes_[i], so a
// lookup is one scan of a flat byte array.
class TTokenNodeList : public TObject {
public:
    TTokenNodeList();
    ~TTokenNodeList() override;
    TTokenNodeList(const TTokenNodeList&) = delete;
    TTokenNodeList& operator=(const TTokenNodeList&) = delete;

    // Takes ownership.
    void AddNode(TTokenNode* Node);
    // The first node holding Char, or nullptr.
    TTokenNode* FindNode(uint8_t Char) const;
    int Count() const { return static_cast<int>(nodes_.size()); }
    TTokenNode* Nodes(int Index) const { return nodes_[static_cast<size_t>(Index)].get(); }

private:
    std::string chars_;
    std::vector<std::unique_ptr<TTokenNode>> nodes_;
};

class TTokenNode : public TObject {
public:
    explicit TTokenNode(uint8_t AChar) : Char(AChar) {}
    // The left break comes from AToken.
    TTokenNode(uint8_t AChar, uint8_t ARightBreak, TSynToken* AToken);

    uint8_t Char;
    uint8_t RightBreak = 0;
    uint8_t LeftBreak = 0;
    TTokenNodeList Children;
    TSynToken* Token = nullptr;  // not owned; a node with a token ends a match
};
