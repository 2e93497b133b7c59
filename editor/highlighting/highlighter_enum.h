// Walking the attributes of highlighters under names unique across the
// program: the short class name, the highlighter's ordinal among those of its
// class, "." and the attribute name ("Lex1.Comment"). Exporters name their
// styles so; the settings use the names for folders and files.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/base/ansi_string.h"

class TSynCustomHighlighter;
class TSynHighlighterAttributes;

// Returns false to stop the walk.
using TEnumHighlighterAttributesProc = std::function<bool(
    TSynCustomHighlighter* Highlighter, TSynHighlighterAttributes* Attribute, const AnsiString& UniqueName)>;

// 1 plus the number of highlighters of the same class before Highlighter in
// List (all of them when it is not in the list).
int HighlighterOrdinal(const TSynCustomHighlighter* Highlighter, const std::vector<TSynCustomHighlighter*>& List);

// Calls Proc for every attribute of Highlighter, in list order. False when
// Highlighter or Proc is missing or Proc stopped the walk.
bool EnumHighlighterAttributes(TSynCustomHighlighter* Highlighter, bool SkipDuplicates,
                               const TEnumHighlighterAttributesProc& Proc);
// The same, with the highlighters walked so far kept in Visited, so that
// walks over several highlighters number them apart. A highlighter already
// visited is passed over (with the result true) when SkipDuplicates is set.
bool EnumHighlighterAttributes(TSynCustomHighlighter* Highlighter, bool SkipDuplicates,
                               const TEnumHighlighterAttributesProc& Proc,
                               std::vector<TSynCustomHighlighter*>& Visited);
