// The rows of word-wrapped lines: each line's row lengths, found by line or
// by row, and replaced a few lines at a time in time independent of the
// document's length. Lines are kept in blocks of a few hundred; the lines
// and rows before a block are running totals over the blocks.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "editor/view/syn_count_tree.h"

class TSynWrappedRows {
public:
    // Lengths holds the rows of a run of lines and Ends, one entry per line,
    // the number of rows up to and including it. Every line has a row. Ends
    // is left empty when every line has one row, as most lines do at a
    // window's width: a text of millions of lines then keeps half the
    // memory, which was also most of the time its wrapping took.
    struct TRun {
        std::vector<int32_t> Lengths;
        std::vector<int32_t> Ends;
    };
    // A line's rows: the first's index (from 0) and their lengths.
    struct TLineRows {
        int Line;
        int FirstRow;
        std::span<const int32_t> Lengths;
    };

    int LineCount() const { return lineCount_; }
    int RowCount() const { return rowCount_; }

    // Replaces all lines by those of Run.
    void Assign(const TRun& Run);
    // Replaces all lines by Lines lines, each block's taken from
    // Wrap(Index, Count): a text of millions of lines is wrapped straight
    // into its blocks, with no run of them all to copy and cut up.
    void AssignWrapped(int Lines, const std::function<TRun(int Index, int Count)>& Wrap);
    // Replaces OldCount lines from Index on by the lines of Run; answers the
    // change in rows.
    int Replace(int Index, int OldCount, const TRun& Run);

    // Line from 0 below LineCount(); Row from 0 below RowCount().
    TLineRows RowsOfLine(int Line) const;
    TLineRows LineOfRow(int Row) const;
    int RowLength(int Row) const;

private:
    // Lines first .. first + count - 1 of a block, with Ends counted from
    // the block's first row.
    using TBlock = TRun;

    // Cuts the blocks from First to Last into blocks near the usual size,
    // dropping empty ones, and counts the blocks anew.
    void Rebalance(int First, int Last);
    void Recount();
    TLineRows RowsIn(int Block, int Offset) const;

    std::vector<TBlock> blocks_;
    TSynCountTree lines_;  // the lines of each block
    TSynCountTree rows_;   // the rows of each block
    int lineCount_ = 0;
    int rowCount_ = 0;
};
