#include "editor/folding/syn_fold_inserted_lines.h"

#include <algorithm>
#include <iterator>

TSynFoldInsertedLines::TSynFoldInsertedLines(const std::vector<TSynTextAllFoldRanges::TLineShift>& Shifts)
{
    std::vector<TSynTextAllFoldRanges::TLineShift> inserts;
    for (const TSynTextAllFoldRanges::TLineShift& shift : Shifts) {
        if (shift.Count > 0) {
            inserts.push_back(shift);
        } else if (!inserts.empty() && inserts.back().FirstLine == shift.FirstLine &&
                   inserts.back().Count == -shift.Count) {
            inserts.pop_back();
        } else {
            valid_ = false;
            return;
        }
    }
    for (const TSynTextAllFoldRanges::TLineShift& shift : inserts) {
        // The first line as it stood before the shifts that lands on or
        // below shift.FirstLine: the lines between two firsts move alike.
        size_t at = firsts_.size();
        int first = moved_.empty() ? shift.FirstLine : std::max(shift.FirstLine - moved_.back(), firsts_.back());
        for (size_t i = 0; i < firsts_.size(); ++i) {
            const int before = i == 0 ? 0 : moved_[i - 1];
            if (shift.FirstLine - before < firsts_[i]) {
                at = i;
                first = std::max(shift.FirstLine - before, i == 0 ? shift.FirstLine : firsts_[i - 1]);
                break;
            }
        }
        firsts_.insert(firsts_.begin() + static_cast<std::ptrdiff_t>(at), first);
        moved_.insert(moved_.begin() + static_cast<std::ptrdiff_t>(at), at == 0 ? 0 : moved_[at - 1]);
        for (size_t i = at; i < moved_.size(); ++i)
            moved_[i] += shift.Count;
    }
}

int TSynFoldInsertedLines::Follow(int Line) const
{
    const auto after = std::upper_bound(firsts_.begin(), firsts_.end(), Line);
    return after == firsts_.begin() ? Line : Line + moved_[static_cast<size_t>(std::prev(after) - firsts_.begin())];
}
