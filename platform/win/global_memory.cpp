// Global memory blocks by handle.
#include "platform/win/global_memory.h"

#include <memory>
#include <new>
#include <vector>

namespace {

struct TBlock {
    std::unique_ptr<uint8_t[]> Bytes;  // nullptr for an empty block
    size_t Size = 0;
    int Locks = 0;
};

// A handle is (generation << 32) | (slot + 1), as window handles are, so a
// freed block's handle is recognised.
struct TSlot {
    std::unique_ptr<TBlock> Block;
    uint32_t Generation = 1;
};

struct TBlocks {
    std::vector<TSlot> Slots;
    std::vector<uint32_t> Free;
};

TBlocks& Blocks()
{
    static TBlocks blocks;
    return blocks;
}

TBlock* BlockOf(HGLOBAL memory)
{
    auto value = reinterpret_cast<uintptr_t>(memory);
    auto low = static_cast<uint32_t>(value);
    TBlocks& blocks = Blocks();
    if (low == 0 || low - 1 >= blocks.Slots.size())
        return nullptr;
    TSlot& slot = blocks.Slots[low - 1];
    if (!slot.Block || slot.Generation != static_cast<uint32_t>(value >> 32))
        return nullptr;
    return slot.Block.get();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, size_t Bytes)
{
    auto block = std::make_unique<TBlock>();
    if (Bytes > 0) {
        block->Bytes.reset(new (std::nothrow) uint8_t[Bytes]());
        if (!block->Bytes)
            return nullptr;
    }
    block->Size = Bytes;
    TBlocks& blocks = Blocks();
    uint32_t index;
    if (!blocks.Free.empty()) {
        index = blocks.Free.back();
        blocks.Free.pop_back();
    } else {
        index = static_cast<uint32_t>(blocks.Slots.size());
        blocks.Slots.emplace_back();
    }
    TSlot& slot = blocks.Slots[index];
    slot.Block = std::move(block);
    return reinterpret_cast<HGLOBAL>((static_cast<uintptr_t>(slot.Generation) << 32) | (index + 1u));
}

void* GlobalLock(HGLOBAL Memory)
{
    TBlock* block = BlockOf(Memory);
    if (!block || !block->Bytes)
        return nullptr;
    ++block->Locks;
    return block->Bytes.get();
}

bool GlobalUnlock(HGLOBAL Memory)
{
    TBlock* block = BlockOf(Memory);
    if (!block || block->Locks == 0)
        return false;
    return --block->Locks > 0;
}

size_t GlobalSize(HGLOBAL Memory)
{
    TBlock* block = BlockOf(Memory);
    return block ? block->Size : 0;
}

HGLOBAL GlobalFree(HGLOBAL Memory)
{
    if (!BlockOf(Memory))
        return Memory;
    TBlocks& blocks = Blocks();
    auto index = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Memory)) - 1;
    TSlot& slot = blocks.Slots[index];
    slot.Block.reset();
    ++slot.Generation;
    blocks.Free.push_back(index);
    return nullptr;
}
