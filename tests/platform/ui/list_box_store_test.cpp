// The list box's chunked rows against a plain array: a long run of
// insertions (by index and in order), deletions, sorting and lookups,
// checked after every step, so chunk splits and merges never lose or
// misplace a row.
#include "platform/ui/itemviews/list_box_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/base/code_page.h"
#include "tests/support/test_random.h"

namespace {

// Rows own their strings: a copied store would share nothing but look alike.
static_assert(!std::is_copy_constructible_v<TListBoxStore> && !std::is_copy_assignable_v<TListBoxStore>);

// Short texts that collide often and differ in case and in GBK trail bytes.
AnsiString RandomStoredText(TRandom& Random)
{
    static const char* const pieces[] = {"a", "B", "b", "\xD5\x66", "f", "\xE9\x54", "T", "\xD6\xD0"};
    AnsiString text;
    for (int n = Random.Between(1, 3); n > 0; --n)
        text += Random.Pick(pieces);
    return text;
}

void ExpectSame(const TListBoxStore& Store, const std::vector<AnsiString>& Expected, int Step)
{
    ASSERT_EQ(Store.Count(), static_cast<int>(Expected.size())) << "step " << Step;
    for (size_t i = 0; i < Expected.size(); ++i)
        ASSERT_EQ(Store.At(static_cast<int>(i)).Text, Expected[i]) << "step " << Step << " row " << i;
}

TEST(ListBoxStore, RandomRunMatchesAPlainArray)
{
    TRandom random(18);
    TListBoxStore store;
    std::vector<AnsiString> expected;
    bool sorted = false;
    size_t largest = 0;
    for (int step = 0; step < 6000; ++step) {
        const int action = random.Below(100);
        if (action < 1 && random.Below(40) == 0) {
            store.Clear();
            expected.clear();
        } else if (action < 4) {
            store.Sort();
            std::stable_sort(expected.begin(), expected.end(),
                             [](const AnsiString& A, const AnsiString& B) { return CompareText(A, B) < 0; });
            sorted = true;
        } else if (action < 30 && !expected.empty()) {
            const int index = random.Below(static_cast<int>(expected.size()));
            store.Erase(index);
            expected.erase(expected.begin() + index);
        } else if (sorted) {
            const AnsiString text = RandomStoredText(random);
            const int index = store.UpperBound(text);
            const auto place = std::upper_bound(expected.begin(), expected.end(), text,
                                                [](const AnsiString& A, const AnsiString& B) {
                                                    return CompareText(A, B) < 0;
                                                });
            ASSERT_EQ(index, place - expected.begin()) << "step " << step;
            store.Insert(index, TListBoxItem{text});
            expected.insert(place, text);
        } else {
            const AnsiString text = RandomStoredText(random);
            const int index = random.Below(static_cast<int>(expected.size()) + 1);
            store.Insert(index, TListBoxItem{text});
            expected.insert(expected.begin() + index, text);
        }
        if (action >= 90)
            sorted = false;
        largest = std::max(largest, expected.size());
        if (step % 50 == 0 || expected.size() < 600)
            ExpectSame(store, expected, step);
    }
    ExpectSame(store, expected, -1);
    EXPECT_GT(largest, 1200u) << "the run grows past a few chunks";
}

}  // namespace
