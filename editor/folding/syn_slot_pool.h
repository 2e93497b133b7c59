// Blocks of one size carved from large slabs, for the hundreds of thousands
// of fold ranges of a long text and their lists' short blocks: a slot costs
// neither a heap header nor rounding, and a slab goes back to the heap once
// all its slots are free.
#pragma once

#include <cstddef>
#include <vector>

class TSynSlotPool {
public:
    // Slots of SlotSize bytes (rounded up to a pointer's size), aligned
    // for pointers, SlotsPerSlab of them in each slab.
    TSynSlotPool(size_t SlotSize, size_t SlotsPerSlab);
    // Frees every slab, with any slot still handed out.
    ~TSynSlotPool();
    TSynSlotPool(const TSynSlotPool&) = delete;
    TSynSlotPool& operator=(const TSynSlotPool&) = delete;

    // Not for two threads at once: the editors and their ranges live on
    // the thread that runs the windows.
    void* Allocate();
    // Slot must have come from this pool's Allocate; null does nothing.
    void Free(void* Slot);

    size_t SlabCount() const;
    size_t SlotsInUse() const;

private:
    struct TSlab;

    // The slab holding Slot.
    TSlab* SlabOf(const void* Slot) const;
    TSlab* NewSlab();
    void LinkOpen(TSlab* Slab);
    void UnlinkOpen(TSlab* Slab);

    const size_t slotSize_;
    const size_t slotsPerSlab_;
    std::vector<TSlab*> slabs_;  // every slab, ascending by address
    TSlab* open_ = nullptr;      // first of the slabs with a free slot, linked through them
    size_t inUse_ = 0;
};
