#include "editor/folding/syn_slot_pool.h"

#include <algorithm>
#include <functional>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// A free slot is out of bounds for the sanitizer, as a freed heap block
// would be: a range used after its deletion is still caught.
#define SLOT_POISON(Address, Size) ASAN_POISON_MEMORY_REGION(Address, Size)
#define SLOT_UNPOISON(Address, Size) ASAN_UNPOISON_MEMORY_REGION(Address, Size)
#else
#define SLOT_POISON(Address, Size) ((void)(Address), (void)(Size))
#define SLOT_UNPOISON(Address, Size) ((void)(Address), (void)(Size))
#endif

// The slab's slots follow it. A free slot holds the next free one of its
// slab in its first bytes; the slots past Carved were never handed out.
struct alignas(16) TSynSlotPool::TSlab {
    TSlab* PrevOpen = nullptr;
    TSlab* NextOpen = nullptr;
    void* FreeSlots = nullptr;
    size_t Used = 0;    // slots handed out and not freed; the slab is open while below the slab's count
    size_t Carved = 0;  // slots handed out at least once

    char* Slots() { return reinterpret_cast<char*>(this + 1); }
};

TSynSlotPool::TSynSlotPool(size_t SlotSize, size_t SlotsPerSlab)
    : slotSize_((std::max(SlotSize, sizeof(void*)) + sizeof(void*) - 1) / sizeof(void*) * sizeof(void*)),
      slotsPerSlab_(std::max<size_t>(SlotsPerSlab, 1))
{
}

TSynSlotPool::~TSynSlotPool()
{
    for (TSlab* slab : slabs_) {
        SLOT_UNPOISON(slab->Slots(), slotSize_ * slotsPerSlab_);
        slab->~TSlab();
        ::operator delete(slab);
    }
}

TSynSlotPool::TSlab* TSynSlotPool::NewSlab()
{
    TSlab* slab = new (::operator new(sizeof(TSlab) + slotSize_ * slotsPerSlab_)) TSlab;
    SLOT_POISON(slab->Slots(), slotSize_ * slotsPerSlab_);
    slabs_.insert(std::upper_bound(slabs_.begin(), slabs_.end(), slab), slab);
    LinkOpen(slab);
    return slab;
}

void TSynSlotPool::LinkOpen(TSlab* Slab)
{
    Slab->PrevOpen = nullptr;
    Slab->NextOpen = open_;
    if (open_)
        open_->PrevOpen = Slab;
    open_ = Slab;
}

void TSynSlotPool::UnlinkOpen(TSlab* Slab)
{
    (Slab->PrevOpen ? Slab->PrevOpen->NextOpen : open_) = Slab->NextOpen;
    if (Slab->NextOpen)
        Slab->NextOpen->PrevOpen = Slab->PrevOpen;
    Slab->PrevOpen = Slab->NextOpen = nullptr;
}

TSynSlotPool::TSlab* TSynSlotPool::SlabOf(const void* Slot) const
{
    // The last slab starting below the slot.
    const auto after = std::upper_bound(slabs_.begin(), slabs_.end(), Slot,
                                        [](const void* S, const TSlab* Slab) { return std::less<const void*>()(S, Slab); });
    return *std::prev(after);
}

void* TSynSlotPool::Allocate()
{
    TSlab* slab = open_ ? open_ : NewSlab();
    void* slot;
    if (slab->FreeSlots) {
        slot = slab->FreeSlots;
        SLOT_UNPOISON(slot, slotSize_);
        slab->FreeSlots = *static_cast<void**>(slot);
    } else {
        slot = slab->Slots() + slab->Carved++ * slotSize_;
        SLOT_UNPOISON(slot, slotSize_);
    }
    if (++slab->Used == slotsPerSlab_)
        UnlinkOpen(slab);
    ++inUse_;
    return slot;
}

void TSynSlotPool::Free(void* Slot)
{
    if (!Slot)
        return;
    TSlab* slab = SlabOf(Slot);
    // Written before the slot is poisoned: a slot freed twice is caught
    // here by the sanitizer.
    *static_cast<void**>(Slot) = slab->FreeSlots;
    slab->FreeSlots = Slot;
    SLOT_POISON(Slot, slotSize_);
    --inUse_;
    if (slab->Used-- == slotsPerSlab_)
        LinkOpen(slab);
    if (slab->Used > 0)
        return;
    UnlinkOpen(slab);
    slabs_.erase(std::lower_bound(slabs_.begin(), slabs_.end(), slab));
    SLOT_UNPOISON(slab->Slots(), slotSize_ * slotsPerSlab_);
    slab->~TSlab();
    ::operator delete(slab);
}

size_t TSynSlotPool::SlabCount() const
{
    return slabs_.size();
}

size_t TSynSlotPool::SlotsInUse() const
{
    return inUse_;
}
