#include "editor/highlighting/highlighter_enum.h"

#include <algorithm>
#include <typeinfo>

#include "editor/highlighting/syn_highlighter.h"
#include "editor/document/text_routines.h"
#include "platform/base/sys_utils.h"

int HighlighterOrdinal(const TSynCustomHighlighter* Highlighter, const std::vector<TSynCustomHighlighter*>& List)
{
    int ordinal = 1;
    for (const TSynCustomHighlighter* entry : List) {
        if (entry == Highlighter)
            break;
        if (entry && typeid(*entry) == typeid(*Highlighter))
            ++ordinal;
    }
    return ordinal;
}

bool EnumHighlighterAttributes(TSynCustomHighlighter* Highlighter, bool SkipDuplicates,
                               const TEnumHighlighterAttributesProc& Proc)
{
    std::vector<TSynCustomHighlighter*> visited;
    return EnumHighlighterAttributes(Highlighter, SkipDuplicates, Proc, visited);
}

bool EnumHighlighterAttributes(TSynCustomHighlighter* Highlighter, bool SkipDuplicates,
                               const TEnumHighlighterAttributesProc& Proc,
                               std::vector<TSynCustomHighlighter*>& Visited)
{
    if (!Highlighter || !Proc)
        return false;
    if (std::find(Visited.begin(), Visited.end(), Highlighter) != Visited.end()) {
        if (SkipDuplicates)
            return true;
    } else {
        Visited.push_back(Highlighter);
    }
    const AnsiString prefix =
        ShortHighlighterName(Highlighter->ClassName()) + IntToStr(HighlighterOrdinal(Highlighter, Visited)) + ".";
    for (int i = 0; i < Highlighter->GetAttribCount(); ++i) {
        TSynHighlighterAttributes* attribute = Highlighter->GetAttribute(i);
        if (!Proc(Highlighter, attribute, prefix + attribute->Name()))
            return false;
    }
    return true;
}
