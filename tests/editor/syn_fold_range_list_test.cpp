// The list a range keeps of the ranges inside it: one range held in place,
// two in a pair, more in a block that grows, moves, shrinks and goes,
// checked against a vector. And the lists of every range of a document,
// which their ranges know by number.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "tests/support/test_random.h"

namespace {

using TItems = std::vector<TSynTextFoldRange*>;

TItems ItemsOf(const TSynTextFoldRanges& List)
{
    TItems items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.Ranges(i));
    return items;
}

// Ranges on lines 1, 3, 5 ..., owned by an outer list; the lists under
// test only point to them.
class SynFoldRangeList : public ::testing::Test {
protected:
    SynFoldRangeList()
    {
        for (int i = 0; i < 300; ++i)
            made_.push_back(owner_.NewRange(nullptr, 2 * i + 1, 2 * i + 1, 0, 0));
    }

    TSynTextAllFoldRanges owner_;
    TItems made_;
};

TEST_F(SynFoldRangeList, GrowsOneByOneAndFindsByLine)
{
    TSynTextFoldRanges list;
    EXPECT_EQ(list.FirstFrom(5), 0);
    for (size_t i = 0; i < made_.size(); ++i)
        EXPECT_EQ(list.Add(made_[i]), static_cast<int>(i));
    EXPECT_EQ(ItemsOf(list), made_);
    EXPECT_EQ(list.FirstFrom(10), 5);
    EXPECT_EQ(list.FirstFrom(11), 5);
    EXPECT_EQ(list.FirstFrom(1000), 300);
    EXPECT_EQ(list.TakeFrom(1), TItems(made_.begin() + 1, made_.end()));
    EXPECT_EQ(list.FirstFrom(1), 0);
    EXPECT_EQ(list.FirstFrom(2), 1);
}

TEST_F(SynFoldRangeList, RandomEditsMatchAVector)
{
    // Short lists most of the time, so the list goes between empty, one
    // range and a block often; splices at the front, between and at the end.
    TRandom random(60);
    TSynTextFoldRanges list;
    TSynTextFoldRanges other;
    TItems model;
    for (int step = 0; step < 6000; ++step) {
        const int count = static_cast<int>(model.size());
        TSynTextFoldRange* range = made_[random.Index(made_.size())];
        const int what = random.Below(8);
        switch (what) {
        case 0:
            list.Add(range);
            model.push_back(range);
            break;
        case 1: {
            const int at = random.Between(-1, count + 1);
            list.Insert(at, range);
            model.insert(model.begin() + std::clamp(at, 0, count), range);
            break;
        }
        case 2: {
            const auto found = std::find(model.begin(), model.end(), range);
            EXPECT_EQ(list.Remove(range), found != model.end()) << step;
            if (found != model.end())
                model.erase(found);
            break;
        }
        case 3: {
            const int at = count - random.Below(std::min(count, 3) + 1);
            const TItems tail = list.TakeFrom(at);
            EXPECT_EQ(tail, TItems(model.begin() + at, model.end())) << step;
            model.resize(static_cast<size_t>(at));
            other.AppendFrom(tail, 0);
            break;
        }
        case 4: {
            const int at = random.Chance(30) ? 0 : random.Chance(40) ? count : random.Between(0, count);
            const int erase = random.Below(std::min(count - at, 3) + 1);
            const TItems by = ItemsOf(other);
            list.Replace(at, erase, other);
            model.erase(model.begin() + at, model.begin() + at + erase);
            model.insert(model.begin() + at, by.begin(), by.end());
            other.Truncate(random.Below(other.Count() + 1));
            break;
        }
        case 5: {
            const int from = random.Between(0, other.Count());
            const TItems by = ItemsOf(other);
            list.AppendFrom(other, from);
            model.insert(model.end(), by.begin() + from, by.end());
            break;
        }
        case 6:
            list.ShrinkToFit();
            break;
        default: {
            const int at = random.Chance(50) ? 0 : random.Below(count + 1);
            list.Truncate(at);
            model.resize(static_cast<size_t>(at));
            break;
        }
        }
        ASSERT_EQ(ItemsOf(list), model) << "step " << step << ", edit " << what;
    }
}

TEST(SynFoldRangeLists, RangesKnowTheirListAndTakeOnlyItsShiftsWhileListsComeAndGo)
{
    // More lists than one chunk of numbers holds, every other one gone
    // and made again under a number given back.
    constexpr int kLists = 2500;
    std::vector<std::unique_ptr<TSynTextAllFoldRanges>> lists;
    for (int i = 0; i < kLists; ++i) {
        lists.push_back(std::make_unique<TSynTextAllFoldRanges>());
        lists.back()->NewRange(nullptr, 10, 20, 0, 0);
    }
    for (int i = 0; i < kLists; i += 2)
        lists[static_cast<size_t>(i)].reset();
    for (int i = 0; i < kLists; i += 2) {
        lists[static_cast<size_t>(i)] = std::make_unique<TSynTextAllFoldRanges>();
        lists[static_cast<size_t>(i)]->NewRange(nullptr, 10, 20, 0, 0);
    }
    // Each list has lines inserted above its range as many times as its
    // index says, up to three.
    for (int i = 0; i < kLists; ++i) {
        for (int n = 0; n < i % 4; ++n)
            lists[static_cast<size_t>(i)]->LinesInserted(1, 5);
    }
    for (int i = 0; i < kLists; ++i) {
        const TSynTextAllFoldRanges& list = *lists[static_cast<size_t>(i)];
        const TSynTextFoldRange* range = list.AllRanges(0);
        ASSERT_EQ(range->AllFoldRanges(), &list) << i;
        EXPECT_EQ(range->FromLine(), 10 + 5 * (i % 4)) << i;
        EXPECT_EQ(range->ToLine(), 20 + 5 * (i % 4)) << i;
    }
    TSynTextFoldRange alone(nullptr, nullptr, 3, 4, 0, 0);
    EXPECT_EQ(alone.AllFoldRanges(), nullptr);
}

TEST(SynFoldRangeLists, ShiftsSettleInPartsAndAgainFromTheStartWhenTheRangesChangeMeanwhile)
{
    // Ranges on lines 10, 20, 30 ...; lines inserted at the top move them
    // all when they take the shifts. Between two slices: another shift,
    // which the ranges passed must take too; or the first range taken out,
    // which moves every range after it a place up, the one the next slice
    // would start with among those passed.
    struct TCase {
        const char* Meanwhile;
        bool TakesOut;  // else shifts three more lines
        int Slices;     // of 400 ranges, before the change
        int Moved;      // the lines every range moves in the end
    };
    static const TCase kCases[] = {{"another shift", false, 2, 5}, {"the first range taken out", true, 1, 2}};
    constexpr int kRanges = 1000;
    for (const TCase& c : kCases) {
        SCOPED_TRACE(c.Meanwhile);
        TSynTextAllFoldRanges list;
        for (int i = 1; i <= kRanges; ++i)
            list.NewRange(nullptr, 10 * i, 10 * i + 5, 0, 0);
        list.LinesInserted(1, 2);
        for (int n = 0; n < c.Slices; ++n)
            EXPECT_FALSE(list.SettleSomeShifts(400));
        if (c.TakesOut)
            list.Delete(0);
        else
            list.LinesInserted(1, 3);
        const int first = c.TakesOut ? 2 : 1;
        // From the start again: three slices.
        EXPECT_FALSE(list.SettleSomeShifts(400));
        EXPECT_FALSE(list.SettleSomeShifts(400));
        EXPECT_EQ(list.PendingShifts(), c.TakesOut ? 1 : 2);
        EXPECT_TRUE(list.SettleSomeShifts(400));
        EXPECT_EQ(list.PendingShifts(), 0);
        for (int i = first; i <= kRanges; ++i) {
            ASSERT_EQ(list.AllRanges(i - first)->FromLine(), 10 * i + c.Moved) << i;
            ASSERT_EQ(list.AllRanges(i - first)->ToLine(), 10 * i + 5 + c.Moved) << i;
        }
        EXPECT_TRUE(list.SettleSomeShifts(400));
    }
}

// A range's first line, last line and the line the scan closed it on, and
// one kept shift after another, each at a range's own lines or next to
// them: where each rule of the shifts puts the three lines, whether a range
// reads them right away or once idle slices settle them, all shifts at once.
TEST(SynFoldRangeLists, KeptShiftsMoveARangesOwnLinesByTheirRules)
{
    struct TShift {
        int First;
        int Count;  // inserted before First (> 0) or deleted from it on (< 0)
    };
    struct TCase {
        const char* What;
        std::vector<TShift> Shifts;
        int From, To, Closed;  // before: 10, 20, 21
    };
    static const TCase kCases[] = {
        {"lines put in above it", {{5, 2}}, 12, 22, 23},
        {"at its first line", {{10, 2}}, 12, 22, 23},
        {"at its last line", {{20, 2}}, 10, 22, 23},
        {"at the line it closed on", {{21, 2}}, 10, 20, 23},
        {"below it", {{22, 2}}, 10, 20, 21},
        {"at its first line, then at its last line as it stands then", {{10, 2}, {22, 3}}, 12, 25, 26},
        {"lines taken out above it", {{5, -2}}, 8, 18, 19},
        {"its first line taken out: the next line is its first", {{10, -1}}, 10, 19, 20},
        {"it taken out whole: it stands on the line after", {{9, -13}}, 9, 9, 9},
        {"its last line taken out: it ends on the line above", {{20, -1}}, 10, 19, 20},
        {"its last lines and the close taken out", {{18, -4}}, 10, 17, 18},
        {"the line it closed on taken out", {{21, -1}}, 10, 20, 21},
        {"put in at its first line, then that line taken out", {{10, 1}, {10, -1}}, 10, 20, 21},
    };
    for (const bool settled : {false, true}) {
        for (const TCase& c : kCases) {
            SCOPED_TRACE(std::string(c.What) + (settled ? ", settled" : ""));
            // Lines enough below it for every shift; one range before it.
            TSynTextStringList lines;
            lines.InsertLines(0, 100);
            TSynTextAllFoldRanges list;
            list.NewRange(nullptr, 1, 2, 0, 0)->SetClosedAt(2);
            TSynTextFoldRange* range = list.NewRange(nullptr, 10, 20, 0, 0);
            range->SetClosedAt(21);
            for (const TShift& shift : c.Shifts) {
                if (shift.Count > 0) {
                    lines.InsertLines(shift.First - 1, shift.Count);
                    list.LinesInserted(shift.First, shift.Count);
                } else {
                    lines.DeleteLines(shift.First - 1, -shift.Count);
                    list.LinesDeleted(&lines, shift.First, -shift.Count);
                }
            }
            if (settled) {
                EXPECT_TRUE(list.SettleSomeShifts(2));
            }
            EXPECT_EQ(range->RealFromLine(), c.From);
            EXPECT_EQ(range->RealToLine(), c.To);
            EXPECT_EQ(range->ClosedAt(), c.Closed);
        }
    }
}

// Lines put in above a collapsed range and taken out again, settled while
// it hides its ranges or read once it is expanded: the ranges it hid keep
// their real lines as the others do.
TEST(SynFoldRangeLists, TheRangesACollapsedRangeHidesTakeTheShiftsAsTheOthers)
{
    for (const bool settled : {false, true}) {
        SCOPED_TRACE(settled ? "settled while hidden" : "read once expanded");
        TSynTextStringList lines;
        lines.InsertLines(0, 40);
        TSynTextAllFoldRanges list;
        TSynTextFoldRange* outer = list.NewRange(nullptr, 10, 20, 0, 0);
        TSynTextFoldRange* inner = list.NewRange(nullptr, 12, 15, 1, 0);
        outer->SubFoldRanges.Add(inner);
        list.Add(outer);
        ASSERT_EQ(list.Collapse(&lines, outer), 10);
        ASSERT_TRUE(inner->ParentCollapsed);
        lines.InsertLines(4, 3);
        list.LinesInserted(5, 3);
        lines.DeleteLines(0, 1);
        list.LinesDeleted(&lines, 1, 1);
        if (settled) {
            EXPECT_TRUE(list.SettleSomeShifts(10));
        }
        ASSERT_EQ(list.Expand(&lines, outer), 10);
        EXPECT_EQ(outer->FromLine(), 12);
        EXPECT_EQ(inner->FromLine(), 14);
        EXPECT_EQ(inner->ToLine(), 17);
    }
}

}  // namespace
