// What painting asks about the fold ranges of the lines it paints, answered
// from one pass over the flat list instead of one pass per question.
#pragma once

#include <cstddef>
#include <vector>

class TSynTextAllFoldRanges;
class TSynTextFoldRange;

// The answers for lines First .. Last, and for the caret's line, as the
// ranges stand when it is made; the ranges must not change while it is in
// use.
class TSynFoldLineMap {
public:
    TSynFoldLineMap(const TSynTextAllFoldRanges& Ranges, int First, int Last, int CaretLine);

    bool Covers(int Line) const { return Line >= first_ && Line <= last_; }
    // The first range in view of the flat list that starts on Line.
    TSynTextFoldRange* StartingAt(int Line) const { return At(Line).Starting; }
    // An expanded range in view of several lines ends on Line.
    bool IsFoldEnd(int Line) const { return At(Line).FoldEnd; }
    // Line lies strictly inside an expanded range in view.
    bool IsInsideFold(int Line) const { return At(Line).Inside; }
    // Line's number with every range expanded.
    int RealLineNumber(int Line) const { return Line + At(Line).HiddenBefore; }
    // The expanded ranges in view that Line lies strictly inside, in the
    // order of the flat list.
    std::vector<const TSynTextFoldRange*> Around(int Line) const;
    // The deepest level among the ranges that hold the caret's line.
    int CaretLevel() const { return caretLevel_; }

private:
    struct TLine {
        TSynTextFoldRange* Starting = nullptr;
        bool FoldEnd = false;
        bool Inside = false;
        int HiddenBefore = 0;  // lines hidden by collapsed ranges in view that start above
    };
    const TLine& At(int Line) const { return lines_[static_cast<size_t>(Line - first_)]; }

    int first_;
    int last_;
    int caretLevel_ = 0;
    std::vector<TLine> lines_;  // First .. Last
    std::vector<const TSynTextFoldRange*> spanning_;  // expanded ranges in view that reach into the lines
};

// Puts a map of the lines in place for the queries of the editor while it
// lives.
class TSynFoldLineMapScope {
public:
    TSynFoldLineMapScope(TSynTextAllFoldRanges& Ranges, int First, int Last, int CaretLine);
    ~TSynFoldLineMapScope();
    TSynFoldLineMapScope(const TSynFoldLineMapScope&) = delete;
    TSynFoldLineMapScope& operator=(const TSynFoldLineMapScope&) = delete;

private:
    TSynTextAllFoldRanges& ranges_;
    TSynFoldLineMap map_;
};
