// Objects owned by a table and reached only through handles. A handle is
// (generation << 32) | (slot + 1), so 0 is never one; a slot's generation
// grows each time its object is removed, which retires every handle given
// out for it, and a stale or made-up handle is refused instead of reaching
// freed memory. Freed slots are reused, the most recently freed first.
// The generation is 32 bits and wraps round to 0 (still a valid generation),
// so a handle repeats only after 2^32 removals from the same slot.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

static_assert(sizeof(uintptr_t) == 8, "handles pack a slot and a generation into 64 bits");

template <typename T>
class THandleTable {
public:
    // New slots start at FirstGeneration; tests start near the wrap to reach it.
    explicit THandleTable(uint32_t FirstGeneration = 1) : firstGeneration_(FirstGeneration) {}
    THandleTable(const THandleTable&) = delete;
    THandleTable& operator=(const THandleTable&) = delete;

    // Takes a (non-null) object and returns its new handle.
    uintptr_t Add(std::unique_ptr<T> Object)
    {
        uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            index = static_cast<uint32_t>(slots_.size());
            slots_.push_back(Slot{nullptr, firstGeneration_});
        }
        Slot& slot = slots_[index];
        slot.Object = std::move(Object);
        return (static_cast<uintptr_t>(slot.Generation) << 32) | (index + 1u);
    }

    // The object behind a live handle; nullptr for 0, a stale or a made-up one.
    T* Find(uintptr_t Handle) const
    {
        // Handle 0 wraps round to a slot number past the end.
        uint32_t index = static_cast<uint32_t>(Handle) - 1u;
        if (index >= slots_.size() || slots_[index].Generation != (Handle >> 32))
            return nullptr;
        return slots_[index].Object.get();
    }

    // Retires a live handle and hands its object back, so the caller frees
    // it only once no handle reaches it. nullptr when the handle is not live.
    std::unique_ptr<T> Remove(uintptr_t Handle)
    {
        if (!Find(Handle))
            return nullptr;
        uint32_t index = static_cast<uint32_t>(Handle) - 1u;
        Slot& slot = slots_[index];
        ++slot.Generation;
        free_.push_back(index);
        return std::move(slot.Object);
    }

    // Puts Object behind a live handle, which stays valid, and hands back
    // the object it replaces. Does nothing (dropping Object) for a handle
    // that is not live.
    std::unique_ptr<T> Replace(uintptr_t Handle, std::unique_ptr<T> Object)
    {
        if (!Find(Handle))
            return nullptr;
        return std::exchange(slots_[static_cast<uint32_t>(Handle) - 1u].Object, std::move(Object));
    }

private:
    struct Slot {
        std::unique_ptr<T> Object;  // null exactly while the slot is in free_
        uint32_t Generation;        // the generation of the handle that names Object
    };

    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;  // slots to reuse, the next one last
    uint32_t firstGeneration_;
};
