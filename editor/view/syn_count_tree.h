// Running totals over a sequence of positive counts, each changed and each
// total or position found in logarithmic time: a binary indexed tree.
#pragma once

#include <vector>

class TSynCountTree {
public:
    // Replaces the counts by Counts, each at least 1.
    void Build(const std::vector<int>& Counts);
    // Adds Delta to count Index; the count stays at least 1.
    void Add(int Index, int Delta);
    // The sum of counts 0 .. Index - 1.
    int Prefix(int Index) const;
    int Count(int Index) const { return Prefix(Index + 1) - Prefix(Index); }

    // The entry whose span holds unit Unit (from 0, below the total) and
    // Unit's place within that span.
    struct TPlace {
        int Index;
        int Offset;
    };
    TPlace Find(int Unit) const;

private:
    std::vector<int> tree_ = std::vector<int>(1);  // 1-based: entry i sums the counts i - lowbit(i) .. i - 1
};
