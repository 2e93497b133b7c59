// The list a range keeps of the ranges inside it, and the outermost list:
// one pointer to a block that grows, moves and goes away as items come and
// go, checked step by step against a plain vector.
#include <gtest/gtest.h>

#include <algorithm>
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
    TSynTextFoldRange* Made(size_t Index) const { return made_[Index]; }
    TItems Made(size_t First, size_t Count) const
    {
        return TItems(made_.begin() + static_cast<long>(First), made_.begin() + static_cast<long>(First + Count));
    }

private:
    TSynTextAllFoldRanges owner_;
    TItems made_;
};

TEST_F(SynFoldRangeList, GrowsOneByOneAndEmptiesAgain)
{
    TSynTextFoldRanges list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.FirstFrom(5), 0);
    EXPECT_TRUE(list.TakeFrom(0).empty());
    for (size_t i = 0; i < 300; ++i)
        EXPECT_EQ(list.Add(Made(i)), static_cast<int>(i));
    EXPECT_EQ(ItemsOf(list), Made(0, 300));
    // Ranges start on odd lines: line 10 is first reached by the sixth.
    EXPECT_EQ(list.FirstFrom(10), 5);
    EXPECT_EQ(list.FirstFrom(11), 5);
    EXPECT_EQ(list.FirstFrom(1), 0);
    EXPECT_EQ(list.FirstFrom(1000), 300);
    EXPECT_EQ(list.TakeFrom(2), Made(2, 298));
    EXPECT_EQ(ItemsOf(list), Made(0, 2));
    EXPECT_TRUE(list.Remove(Made(0)));
    EXPECT_FALSE(list.Remove(Made(0)));
    EXPECT_TRUE(list.Remove(Made(1)));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Remove(Made(1)));
    // Emptied, it grows again from nothing.
    list.Insert(5, Made(7));
    list.Insert(-1, Made(6));
    EXPECT_EQ(ItemsOf(list), Made(6, 2));
    list.Truncate(1);
    EXPECT_EQ(ItemsOf(list), Made(6, 1));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.Clear();
}

TEST_F(SynFoldRangeList, SplicesAtBothEndsAndBetween)
{
    TSynTextFoldRanges list;
    TSynTextFoldRanges by;
    list.AppendFrom(Made(0, 10), 0);
    by.AppendFrom(Made(100, 6), 2);
    EXPECT_EQ(ItemsOf(by), Made(102, 4));

    list.Replace(0, 3, by);  // at the front, longer than what goes
    TItems expected = Made(102, 4);
    for (TSynTextFoldRange* range : Made(3, 7))
        expected.push_back(range);
    EXPECT_EQ(ItemsOf(list), expected);

    list.Replace(list.Count(), 0, by);  // at the end, growing the block
    const TItems byItems = ItemsOf(by);
    expected.insert(expected.end(), byItems.begin(), byItems.end());
    EXPECT_EQ(ItemsOf(list), expected);

    TSynTextFoldRanges one;
    one.Add(Made(200));
    list.Replace(4, 6, one);  // between, shorter than what goes
    expected.erase(expected.begin() + 4, expected.begin() + 10);
    expected.insert(expected.begin() + 4, Made(200));
    EXPECT_EQ(ItemsOf(list), expected);

    TSynTextFoldRanges none;
    list.Replace(list.Count() - 2, 2, none);  // the tail, by nothing
    expected.resize(expected.size() - 2);
    EXPECT_EQ(ItemsOf(list), expected);
    list.AppendFrom(one, 1);  // nothing past the end
    list.AppendFrom(list.TakeFrom(3), 1);
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(ItemsOf(list), expected);
    list.Replace(0, list.Count(), none);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(SynFoldRangeList, RandomEditsMatchAVector)
{
    TRandom random(60);
    TSynTextFoldRanges list;
    TSynTextFoldRanges other;
    TItems model;
    for (int step = 0; step < 6000; ++step) {
        const int count = static_cast<int>(model.size());
        TSynTextFoldRange* range = Made(random.Index(300));
        std::string what;
        switch (random.Below(8)) {
        case 0:
        case 1:
            what = "add";
            list.Add(range);
            model.push_back(range);
            break;
        case 2: {
            what = "insert";
            const int at = random.Between(-1, count + 1);
            list.Insert(at, range);
            model.insert(model.begin() + std::clamp(at, 0, count), range);
            break;
        }
        case 3: {
            what = "remove";
            const auto found = std::find(model.begin(), model.end(), range);
            EXPECT_EQ(list.Remove(range), found != model.end()) << step;
            if (found != model.end())
                model.erase(found);
            break;
        }
        case 4: {
            what = "take";
            const int at = count - random.Below(std::min(count, 5) + 1);
            const TItems tail = list.TakeFrom(at);
            EXPECT_EQ(tail, TItems(model.begin() + at, model.end())) << step;
            model.resize(static_cast<size_t>(at));
            other.AppendFrom(tail, 0);
            break;
        }
        case 5: {
            what = "replace";
            const int at = random.Between(0, count);
            const int erase = random.Below(count - at + 1);
            const TItems by = ItemsOf(other);
            list.Replace(at, erase, other);
            model.erase(model.begin() + at, model.begin() + at + erase);
            model.insert(model.begin() + at, by.begin(), by.end());
            other.Truncate(random.Below(other.Count() + 1));
            break;
        }
        case 6: {
            what = "append";
            const int from = random.Between(0, other.Count());
            const TItems by = ItemsOf(other);
            list.AppendFrom(other, from);
            model.insert(model.end(), by.begin() + from, by.end());
            break;
        }
        default:
            // Now and then cut short, so the list empties now and then.
            what = "truncate";
            if (random.Chance(20)) {
                const int at = random.Below(count + 1);
                list.Truncate(at);
                model.resize(static_cast<size_t>(at));
            }
            break;
        }
        ASSERT_EQ(ItemsOf(list), model) << "step " << step << ": " << what;
    }
}

}  // namespace
