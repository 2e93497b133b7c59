#include "platform/base/handle_table.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TItem {
    explicit TItem(int Value, std::function<void()> OnFree = {}) : Value(Value), OnFree(std::move(OnFree)) {}
    ~TItem()
    {
        if (OnFree)
            OnFree();
    }
    int Value;
    std::function<void()> OnFree;
};

constexpr uintptr_t Handle(uint32_t Generation, uint32_t Slot)
{
    return (uintptr_t(Generation) << 32) | (Slot + 1u);
}

}  // namespace

TEST(HandleTable, StaleHandlesAreRefusedAndSlotsReused)
{
    THandleTable<TItem> table;
    uintptr_t a = table.Add(std::make_unique<TItem>(1));
    uintptr_t b = table.Add(std::make_unique<TItem>(2));
    uintptr_t c = table.Add(std::make_unique<TItem>(3));
    EXPECT_EQ(a, Handle(1, 0));
    EXPECT_EQ(c, Handle(1, 2));
    EXPECT_EQ(table.Find(b)->Value, 2);

    // The last slot freed is the first reused, under a new generation.
    EXPECT_EQ(table.Remove(a)->Value, 1);
    EXPECT_EQ(table.Remove(b)->Value, 2);
    EXPECT_EQ(table.Find(b), nullptr);
    uintptr_t d = table.Add(std::make_unique<TItem>(4));
    uintptr_t e = table.Add(std::make_unique<TItem>(5));
    uintptr_t f = table.Add(std::make_unique<TItem>(6));
    EXPECT_EQ(d, Handle(2, 1));
    EXPECT_EQ(e, Handle(2, 0));
    EXPECT_EQ(f, Handle(1, 3));

    // The old handles reach neither the new objects nor their removal.
    EXPECT_EQ(table.Find(a), nullptr);
    EXPECT_EQ(table.Find(b), nullptr);
    EXPECT_EQ(table.Remove(b), nullptr);
    EXPECT_EQ(table.Find(d)->Value, 4);
    EXPECT_EQ(table.Replace(a, std::make_unique<TItem>(7)), nullptr);
    EXPECT_EQ(table.Find(e)->Value, 5);

    // Replacing keeps the handle.
    EXPECT_EQ(table.Replace(e, std::make_unique<TItem>(8))->Value, 5);
    EXPECT_EQ(table.Find(e)->Value, 8);
}

TEST(HandleTable, MadeUpHandlesAreRefused)
{
    THandleTable<TItem> table;
    EXPECT_EQ(table.Find(0), nullptr);
    EXPECT_EQ(table.Find(Handle(1, 0)), nullptr);  // no slots yet
    uintptr_t a = table.Add(std::make_unique<TItem>(1));
    uintptr_t b = table.Add(std::make_unique<TItem>(2));
    table.Remove(b);
    for (uintptr_t made : {uintptr_t(0), Handle(0, 0), Handle(2, 0), Handle(0xFFFFFFFF, 0),
                           Handle(1, 2), Handle(1, 0xFFFFFFFE), uintptr_t(0xFFFFFFFF00000000), ~uintptr_t(0),
                           Handle(1, 1), Handle(2, 1)}) {
        EXPECT_EQ(table.Find(made), nullptr) << std::hex << made;
        EXPECT_EQ(table.Remove(made), nullptr) << std::hex << made;
    }
    EXPECT_EQ(table.Find(a)->Value, 1);
}

TEST(HandleTable, ObjectsAreFreedOnlyOnceTheirHandleIsRetired)
{
    THandleTable<TItem> table;
    uintptr_t handle = 0;
    bool sawOld = true;
    bool sawNew = false;
    handle = table.Add(std::make_unique<TItem>(1, [&] {
        TItem* now = table.Find(handle);
        sawOld = now && now->Value == 1;
        sawNew = now && now->Value == 2;
    }));
    table.Replace(handle, std::make_unique<TItem>(2, [&] { sawOld = table.Find(handle) != nullptr; }));
    EXPECT_FALSE(sawOld);
    EXPECT_TRUE(sawNew);
    sawOld = true;
    table.Remove(handle);
    EXPECT_FALSE(sawOld);
}

TEST(HandleTable, GenerationWrapsRoundToZero)
{
    THandleTable<TItem> table(0xFFFFFFFF);
    uintptr_t last = table.Add(std::make_unique<TItem>(1));
    EXPECT_EQ(last, Handle(0xFFFFFFFF, 0));
    table.Remove(last);
    // Generation 0 is an ordinary generation: its first handle is 1.
    uintptr_t zero = table.Add(std::make_unique<TItem>(2));
    EXPECT_EQ(zero, uintptr_t(1));
    EXPECT_EQ(table.Find(zero)->Value, 2);
    EXPECT_EQ(table.Find(last), nullptr);
    table.Remove(zero);
    uintptr_t one = table.Add(std::make_unique<TItem>(3));
    EXPECT_EQ(one, Handle(1, 0));
    EXPECT_EQ(table.Find(zero), nullptr);
    EXPECT_EQ(table.Find(one)->Value, 3);
}
