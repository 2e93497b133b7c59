// The highlighter classes known to the program. Each highlighter class
// registers itself once at start-up; hosts pick from the list (by language or
// file filter) and create the highlighter through its class.
#pragma once

#include <typeinfo>
#include <vector>

#include "platform/base/object.h"

class TComponent;
class TSynCustomHighlighter;

// A highlighter class as a value: its type and its virtual constructor.
struct TSynHighlighterClassInfo {
    const std::type_info* Type;
    TSynCustomHighlighter* (*Create)(TComponent* AOwner);
};
using TSynCustomHighlighterClass = const TSynHighlighterClassInfo*;

// The one class value of T; equal values mean the same class.
template <typename T>
TSynCustomHighlighterClass HighlighterClassOf()
{
    static const TSynHighlighterClassInfo info{&typeid(T), [](TComponent* AOwner) -> TSynCustomHighlighter* {
                                                   return new T(AOwner);
                                               }};
    return &info;
}

class TSynHighlighterList : public TObject {
public:
    int Count() const { return static_cast<int>(classes_.size()); }
    // nullptr for an index out of range.
    TSynCustomHighlighterClass Items(int Index) const;
    // The index of AClass, -1 when it is not registered.
    int FindByClass(TSynCustomHighlighterClass AClass) const;
    // Adds AClass unless it is there already.
    void Add(TSynCustomHighlighterClass AClass);

private:
    std::vector<TSynCustomHighlighterClass> classes_;  // no class twice
};

// The global list; it lives from the first use until the program ends.
TSynHighlighterList& GetPlaceableHighlighters();
void RegisterHighlighterClass(TSynCustomHighlighterClass AClass);
