// The slabs the fold ranges come from: slots reused, a slab given back as
// soon as it is empty, whichever thread made its slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_slot_pool.h"
#include "tests/support/test_random.h"

namespace {

constexpr size_t kSlot = 24;

TEST(SynSlotPool, FreedSlotsComeBackBeforeANewSlabAndAnEmptySlabGoes)
{
    TSynSlotPool pool(kSlot, 3);
    std::vector<void*> slots;
    for (int i = 0; i < 9; ++i)
        slots.push_back(pool.Allocate());
    EXPECT_EQ(pool.SlabCount(), 3u);
    pool.Free(slots[1]);
    EXPECT_EQ(pool.Allocate(), slots[1]);
    EXPECT_EQ(pool.SlabCount(), 3u);
    // The middle slab's slots, out of order: the slab goes with the last.
    pool.Free(slots[4]);
    pool.Free(slots[3]);
    EXPECT_EQ(pool.SlabCount(), 3u);
    pool.Free(slots[5]);
    EXPECT_EQ(pool.SlabCount(), 2u);
    EXPECT_EQ(pool.SlotsInUse(), 6u);
    for (int i : {8, 0, 7, 2, 6, 1})
        pool.Free(slots[static_cast<size_t>(i)]);
    pool.Free(nullptr);
    EXPECT_EQ(pool.SlabCount(), 0u);
    EXPECT_EQ(pool.SlotsInUse(), 0u);
}

TEST(SynSlotPool, SlotsMadeAndFreedInAnyOrderStayApart)
{
    // Each slot carries its own mark: slots that overlapped, or one given
    // out twice, would spoil another's. Four owners take and give back
    // slots in turns drawn at random, as editors open side by side do.
    struct TMarked {
        uint8_t* Slot;
        uint8_t Mark;
        bool Intact() const
        {
            return std::all_of(Slot, Slot + kSlot, [&](uint8_t Byte) { return Byte == Mark; });
        }
    };
    TSynSlotPool pool(kSlot, 16);
    TRandom random(1);
    std::vector<std::vector<TMarked>> owners(4);
    for (int step = 0; step < 32000; ++step) {
        std::vector<TMarked>& live = owners[random.Index(owners.size())];
        if (live.empty() || random.Chance(step < 16000 ? 70 : 30)) {
            live.push_back({static_cast<uint8_t*>(pool.Allocate()), static_cast<uint8_t>(step)});
            std::memset(live.back().Slot, live.back().Mark, kSlot);
            continue;
        }
        const size_t at = random.Index(live.size());
        EXPECT_TRUE(live[at].Intact());
        pool.Free(live[at].Slot);
        live[at] = live.back();
        live.pop_back();
    }
    for (const std::vector<TMarked>& live : owners)
        for (const TMarked& item : live) {
            EXPECT_TRUE(item.Intact());
            pool.Free(item.Slot);
        }
    EXPECT_EQ(pool.SlabCount(), 0u);
}

TEST(SynSlotPool, FoldRangesMadeInOneThreadAreFreedInAnother)
{
    TSynTextAllFoldRanges all;
    std::vector<std::unique_ptr<TSynTextFoldRange>> own;
    std::thread maker([&] {
        for (int line = 1; line <= 3000; ++line) {
            all.NewRange(nullptr, line, line + 1, 0, line);
            own.push_back(std::make_unique<TSynTextFoldRange>(nullptr, nullptr, line, line, 0, line));
        }
    });
    maker.join();
    for (int i = all.AllCount() - 1; i >= 0; i -= 2)
        own.push_back(all.Delete(i));
    for (int i = 0; i < all.AllCount(); ++i)
        EXPECT_EQ(all.AllRanges(i)->Indent, 2 * i + 1);
    std::thread freer([&] {
        own.clear();
        all.ClearAll();
    });
    freer.join();
}

#if defined(__SANITIZE_ADDRESS__)
TEST(SynSlotPoolDeathTest, AFreedSlotIsOutOfBounds)
{
    TSynSlotPool pool(kSlot, 4);
    void* kept = pool.Allocate();  // keeps the slab
    auto* slot = static_cast<volatile uint8_t*>(pool.Allocate());
    pool.Free(const_cast<uint8_t*>(slot));
    EXPECT_DEATH((void)slot[8], "use-after-poison");
    EXPECT_DEATH(pool.Free(const_cast<uint8_t*>(slot)), "use-after-poison");  // freed twice
    pool.Free(kept);
}
#endif

}  // namespace
