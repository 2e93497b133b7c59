// Comparing fold ranges with those a rebuild finds.
#pragma once

#include <memory>
#include <string>

class TCustomSynText;
class TSynTextAllFoldRanges;
class TSynTextFoldRange;
class TSynTextFoldRanges;

// One range's lines, level, indentation and whether it is collapsed;
// "none" for null.
std::string DescribeFoldRange(const TSynTextFoldRange* Range);

// The tree of Ranges, outermost first and each range's own ranges after it
// in their order: lines, level and indentation.
std::string DescribeFoldTree(const TSynTextFoldRanges& Ranges);

// A copy of Editor's ranges with every collapsed one expanded, in the lines
// of the text with nothing collapsed.
std::unique_ptr<TSynTextAllFoldRanges> ExpandedFoldRanges(TCustomSynText& Editor);
