#include "editor/view/syn_wrapped_rows.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_random.h"

namespace {

using TModel = std::vector<std::vector<int32_t>>;  // the row lengths of each line

// Lines of one row each come as the wrapping gives them, without ends.
TSynWrappedRows::TRun RunOf(const TModel& Lines)
{
    TSynWrappedRows::TRun run;
    for (const std::vector<int32_t>& line : Lines) {
        run.Lengths.insert(run.Lengths.end(), line.begin(), line.end());
        run.Ends.push_back(static_cast<int32_t>(run.Lengths.size()));
    }
    if (run.Lengths.size() == Lines.size())
        run.Ends.clear();
    return run;
}

// Half the runs have one row per line.
TModel RandomLines(TRandom& Random, int Count)
{
    TModel lines(Count);
    const int mostRows = Random.Chance(50) ? 1 : 4;
    for (std::vector<int32_t>& line : lines) {
        line.resize(Random.Between(1, mostRows));
        for (int32_t& length : line)
            length = Random.Between(0, 80);
    }
    return lines;
}

// Every line's rows by line, and every row's line and length by row.
void ExpectSame(const TSynWrappedRows& Rows, const TModel& Model, int Step)
{
    ASSERT_EQ(Rows.LineCount(), static_cast<int>(Model.size())) << Step;
    int row = 0;
    for (int line = 0; line < static_cast<int>(Model.size()); ++line) {
        const TSynWrappedRows::TLineRows byLine = Rows.RowsOfLine(line);
        ASSERT_EQ(byLine.Line, line) << Step;
        ASSERT_EQ(byLine.FirstRow, row) << Step << " line " << line;
        ASSERT_EQ(std::vector<int32_t>(byLine.Lengths.begin(), byLine.Lengths.end()), Model[line]) << Step;
        for (size_t i = 0; i < Model[line].size(); ++i, ++row) {
            const TSynWrappedRows::TLineRows byRow = Rows.LineOfRow(row);
            ASSERT_EQ(byRow.Line, line) << Step << " row " << row;
            ASSERT_EQ(byRow.FirstRow, byLine.FirstRow) << Step;
            ASSERT_EQ(Rows.RowLength(row), Model[line][i]) << Step;
        }
    }
    ASSERT_EQ(Rows.RowCount(), row) << Step;
}

}  // namespace

// Runs of lines put, inserted and deleted anywhere, a few at a time as typing
// does and thousands at a time as pasting and block deletes do, so that the
// blocks fill, split, empty and merge.
TEST(SynWrappedRows, ReplacedRunsKeepEveryLineAndRowInPlace)
{
    TRandom random(5);
    TModel model = RandomLines(random, 3000);
    TSynWrappedRows rows;
    rows.Assign(RunOf(model));
    ExpectSame(rows, model, -1);
    for (int step = 0; step < 300; ++step) {
        const int count = static_cast<int>(model.size());
        const bool bulk = random.Chance(10);
        const int index = random.Between(0, count);
        const int oldCount = random.Between(0, std::min(count - index, bulk ? 3000 : 3));
        const TModel added = RandomLines(random, random.Between(oldCount ? 0 : 1, bulk ? 3000 : 3));
        int rowsBefore = rows.RowCount();
        int oldRows = 0;
        for (int i = index; i < index + oldCount; ++i)
            oldRows += static_cast<int>(model[i].size());
        int newRows = 0;
        for (const std::vector<int32_t>& line : added)
            newRows += static_cast<int>(line.size());

        EXPECT_EQ(rows.Replace(index, oldCount, RunOf(added)), newRows - oldRows) << step;
        model.erase(model.begin() + index, model.begin() + index + oldCount);
        model.insert(model.begin() + index, added.begin(), added.end());
        EXPECT_EQ(rows.RowCount(), rowsBefore + newRows - oldRows) << step;
        ExpectSame(rows, model, step);
        if (testing::Test::HasFatalFailure())
            return;
    }

    // Down to nothing and back.
    rows.Replace(0, rows.LineCount(), {});
    EXPECT_EQ(rows.LineCount(), 0);
    EXPECT_EQ(rows.RowCount(), 0);
    model = RandomLines(random, 5);
    rows.Replace(0, 0, RunOf(model));
    ExpectSame(rows, model, 300);
    rows.Assign({});
    EXPECT_EQ(rows.RowCount(), 0);
}
