// Fold ranges: the blocks the fold scan found in the text. A collapsed range
// holds its hidden lines (taken out of the editor's buffer) until it is
// expanded again.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/string_list.h"

class TFoldRegionItem;
class TSynTextAllFoldRanges;
class TSynTextFoldRange;

// A list of ranges that it does not own.
class TSynTextFoldRanges {
public:
    TSynTextFoldRanges() = default;
    TSynTextFoldRanges(const TSynTextFoldRanges&) = delete;
    TSynTextFoldRanges& operator=(const TSynTextFoldRanges&) = delete;
    virtual ~TSynTextFoldRanges() = default;

    int Count() const { return static_cast<int>(ranges_.size()); }
    TSynTextFoldRange* Ranges(int Index) const { return ranges_[static_cast<size_t>(Index)]; }
    int Add(TSynTextFoldRange* Range);
    void Insert(int Index, TSynTextFoldRange* Range);
    // Takes Range out of the list (not out of any other list); false when it
    // was not in it.
    bool Remove(TSynTextFoldRange* Range);
    void Clear() { ranges_.clear(); }

private:
    std::vector<TSynTextFoldRange*> ranges_;
};

class TSynTextFoldRange {
public:
    TSynTextFoldRange(TSynTextAllFoldRanges* AllFoldRanges, TFoldRegionItem* FoldRegion, int FromLine, int ToLine,
                      int FoldRangeLevel, int Indent);
    TSynTextFoldRange(const TSynTextFoldRange&) = delete;
    TSynTextFoldRange& operator=(const TSynTextFoldRange&) = delete;

    int FromLine;  // buffer lines counted from 1 in the folded buffer
    int ToLine;
    int Indent;          // indentation level of the first line
    int LinesCollapsed = 0;
    int CollapsedBy = -1;  // level of the collapsed ancestor hiding this range; -1 none
    int FoldRangeLevel;    // 0 for outermost ranges
    TSynTextFoldRanges SubFoldRanges;
    bool Collapsed = false;
    bool ParentCollapsed = false;
    // The hidden lines while collapsed, last line first, each with its line
    // state (as an integer) for its object.
    TStringList CollapsedLines;
    TSynTextAllFoldRanges* AllFoldRanges;
    TFoldRegionItem* FoldRegion;
    int HintMarkLeft = 0;  // pixel x of the collapse mark, set by painting
};

// Every range of a document, in ascending FromLine order, owned here; the
// inherited list holds the outermost ranges.
class TSynTextAllFoldRanges : public TSynTextFoldRanges {
public:
    TSynTextAllFoldRanges() = default;
    ~TSynTextAllFoldRanges() override;

    int AllCount() const { return static_cast<int>(all_.size()); }
    TSynTextFoldRange* AllRanges(int Index) const { return all_[static_cast<size_t>(Index)].get(); }
    // Adds Range (owned from now on) to the flat list, keeping FromLine order.
    void AddToAll(std::unique_ptr<TSynTextFoldRange> Range);
    void InsertToAll(int Index, std::unique_ptr<TSynTextFoldRange> Range);
    // Takes the range out of the flat list and hands it to the caller.
    std::unique_ptr<TSynTextFoldRange> Delete(int Index);
    // Frees every range and empties both lists.
    void ClearAll();
    // A deep copy of Source's tree: new ranges with the same lines, levels,
    // flags, collapsed lines and region.
    void Assign(const TSynTextAllFoldRanges& Source);

private:
    std::vector<std::unique_ptr<TSynTextFoldRange>> all_;
};
