// The slabs the fold ranges come from: slots handed out once at a time,
// reused, and whole slabs given back as soon as they are empty, from one
// thread or several.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_slot_pool.h"
#include "tests/support/test_random.h"

namespace {

constexpr size_t kSlot = 24;

// A slot filled with its own mark, checked whole: slots that overlapped,
// or a slot given out twice, would spoil another's mark.
struct TMarked {
    uint8_t* Slot;
    uint8_t Mark;
};

void Fill(const TMarked& Item) { std::memset(Item.Slot, Item.Mark, kSlot); }

bool Intact(const TMarked& Item)
{
    return std::all_of(Item.Slot, Item.Slot + kSlot, [&](uint8_t Byte) { return Byte == Item.Mark; });
}

TEST(SynSlotPool, FreedSlotsAreHandedOutAgainBeforeANewSlab)
{
    TSynSlotPool pool(kSlot, 4);
    std::vector<void*> slots;
    for (int i = 0; i < 4; ++i)
        slots.push_back(pool.Allocate());
    EXPECT_EQ(pool.SlabCount(), 1u);
    EXPECT_EQ(std::set<void*>(slots.begin(), slots.end()).size(), 4u);
    pool.Free(slots[2]);
    EXPECT_EQ(pool.Allocate(), slots[2]);
    EXPECT_EQ(pool.SlabCount(), 1u);

    // A full slab: the fifth slot opens another; a slot freed in the first
    // is taken before any new slab.
    slots.push_back(pool.Allocate());
    EXPECT_EQ(pool.SlabCount(), 2u);
    for (int i = 0; i < 3; ++i)
        slots.push_back(pool.Allocate());
    pool.Free(slots[0]);
    EXPECT_EQ(pool.Allocate(), slots[0]);
    EXPECT_EQ(pool.SlabCount(), 2u);
    EXPECT_EQ(pool.SlotsInUse(), 8u);
    for (void* slot : slots)
        pool.Free(slot);
    pool.Free(nullptr);
    EXPECT_EQ(pool.SlabCount(), 0u);
    EXPECT_EQ(pool.SlotsInUse(), 0u);
}

TEST(SynSlotPool, ASlabGoesBackOnceAllItsSlotsAreFree)
{
    TSynSlotPool pool(kSlot, 3);
    std::vector<void*> slots;
    for (int i = 0; i < 9; ++i)
        slots.push_back(pool.Allocate());
    ASSERT_EQ(pool.SlabCount(), 3u);
    // The middle slab's slots, out of order; the others keep theirs.
    pool.Free(slots[4]);
    pool.Free(slots[3]);
    EXPECT_EQ(pool.SlabCount(), 3u);
    pool.Free(slots[5]);
    EXPECT_EQ(pool.SlabCount(), 2u);
    EXPECT_EQ(pool.SlotsInUse(), 6u);
    // What is left still works: a slot of the last slab freed and taken
    // again, then everything freed.
    pool.Free(slots[7]);
    slots[7] = pool.Allocate();
    EXPECT_EQ(pool.SlabCount(), 2u);
    for (int i : {8, 0, 7, 2, 6, 1})
        pool.Free(slots[static_cast<size_t>(i)]);
    EXPECT_EQ(pool.SlabCount(), 0u);
}

TEST(SynSlotPool, ManySlotsMadeAndFreedInAnyOrderKeepTheirBytes)
{
    TSynSlotPool pool(kSlot, 64);
    TRandom random(60);
    std::vector<TMarked> live;
    for (int step = 0; step < 40000; ++step) {
        // Growing at first, then shrinking to nothing.
        const bool make = live.empty() || random.Chance(step < 20000 ? 70 : 25);
        if (make) {
            live.push_back({static_cast<uint8_t*>(pool.Allocate()), static_cast<uint8_t>(step)});
            Fill(live.back());
        } else {
            const size_t at = random.Index(live.size());
            ASSERT_TRUE(Intact(live[at])) << step;
            pool.Free(live[at].Slot);
            live[at] = live.back();
            live.pop_back();
        }
    }
    for (const TMarked& item : live) {
        ASSERT_TRUE(Intact(item));
        pool.Free(item.Slot);
    }
    EXPECT_EQ(pool.SlotsInUse(), 0u);
    EXPECT_EQ(pool.SlabCount(), 0u);
}

TEST(SynSlotPool, ThreadsShareAPool)
{
    TSynSlotPool pool(kSlot, 16);
    // Each thread frees some of what the others made, too.
    std::vector<std::vector<TMarked>> made(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < made.size(); ++t)
        threads.emplace_back([&pool, &mine = made[t], t] {
            TRandom random(static_cast<uint32_t>(t) + 1);
            std::vector<TMarked> live;
            for (int step = 0; step < 5000; ++step) {
                if (live.empty() || random.Chance(60)) {
                    live.push_back({static_cast<uint8_t*>(pool.Allocate()), static_cast<uint8_t>(t * 50 + 1)});
                    Fill(live.back());
                } else {
                    const size_t at = random.Index(live.size());
                    EXPECT_TRUE(Intact(live[at]));
                    pool.Free(live[at].Slot);
                    live[at] = live.back();
                    live.pop_back();
                }
            }
            mine = std::move(live);
        });
    for (std::thread& thread : threads)
        thread.join();
    threads.clear();
    for (size_t t = 0; t < made.size(); ++t)
        threads.emplace_back([&pool, &theirs = made[(t + 1) % made.size()]] {
            for (const TMarked& item : theirs) {
                EXPECT_TRUE(Intact(item));
                pool.Free(item.Slot);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(pool.SlabCount(), 0u);
}

TEST(SynSlotPool, FoldRangesComeAndGoThroughTheirPool)
{
    // Made by the list, by hand and in another thread, freed in other
    // orders: the sanitizer sees any slot given out twice or freed wrongly.
    TSynTextAllFoldRanges all;
    for (int line = 1; line <= 5000; ++line)
        all.NewRange(nullptr, line, line + 1, 0, line);
    std::vector<std::unique_ptr<TSynTextFoldRange>> own;
    std::thread maker([&own] {
        for (int line = 1; line <= 3000; ++line)
            own.push_back(std::make_unique<TSynTextFoldRange>(nullptr, nullptr, line, line, 0, 0));
    });
    maker.join();
    for (int i = all.AllCount() - 1; i >= 0; i -= 2)
        own.push_back(all.Delete(i));
    EXPECT_EQ(all.AllCount(), 2500);
    for (size_t i = 0; i < own.size(); i += 3)
        own[i].reset();
    for (int i = 0; i < all.AllCount(); ++i)
        EXPECT_EQ(all.AllRanges(i)->Indent, 2 * i + 1);
    all.ClearAll();
    std::thread freer([&own] { own.clear(); });
    freer.join();
    EXPECT_EQ(all.AllCount(), 0);
}

#if defined(__SANITIZE_ADDRESS__)
TEST(SynSlotPoolDeathTest, AFreedSlotCannotBeRead)
{
    // Another slot keeps the slab.
    TSynSlotPool pool(kSlot, 4);
    void* kept = pool.Allocate();
    auto* slot = static_cast<volatile uint8_t*>(pool.Allocate());
    pool.Free(const_cast<uint8_t*>(slot));
    EXPECT_DEATH((void)slot[8], "use-after-poison");
    EXPECT_DEATH(pool.Free(const_cast<uint8_t*>(slot)), "use-after-poison");  // freed twice
    pool.Free(kept);
}
#endif

}  // namespace
