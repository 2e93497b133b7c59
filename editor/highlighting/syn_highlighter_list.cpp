#include "editor/highlighting/syn_highlighter_list.h"

#include <algorithm>

TSynCustomHighlighterClass TSynHighlighterList::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return classes_[static_cast<size_t>(Index)];
}

int TSynHighlighterList::FindByClass(TSynCustomHighlighterClass AClass) const
{
    auto it = std::find(classes_.begin(), classes_.end(), AClass);
    return it == classes_.end() ? -1 : static_cast<int>(it - classes_.begin());
}

void TSynHighlighterList::Add(TSynCustomHighlighterClass AClass)
{
    if (FindByClass(AClass) < 0)
        classes_.push_back(AClass);
}

TSynHighlighterList& GetPlaceableHighlighters()
{
    // Made on first use, so that classes registering from static initialisers
    // of other files always find it.
    static TSynHighlighterList list;
    return list;
}

void RegisterHighlighterClass(TSynCustomHighlighterClass AClass) { GetPlaceableHighlighters().Add(AClass); }
