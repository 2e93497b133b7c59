// Global memory blocks by handle.
#include "platform/win/global_memory.h"

#include <memory>
#include <new>

#include "platform/base/handle_table.h"

namespace {

struct TBlock {
    std::unique_ptr<uint8_t[]> Bytes;  // nullptr for an empty block
    size_t Size = 0;
    int Locks = 0;
};

// Handles are made as window handles are, so a freed block's handle is
// recognised.
THandleTable<TBlock>& Blocks()
{
    static THandleTable<TBlock> blocks;
    return blocks;
}

TBlock* BlockOf(HGLOBAL memory) { return Blocks().Find(reinterpret_cast<uintptr_t>(memory)); }

// Allocations left before the refused one; -1 while none is to be refused.
int allocsBeforeRefusal = -1;

}  // namespace

void RefuseGlobalAllocAfter(int Count) { allocsBeforeRefusal = Count < 0 ? -1 : Count; }

HGLOBAL GlobalAlloc(UINT, size_t Bytes)
{
    if (allocsBeforeRefusal == 0) {
        allocsBeforeRefusal = -1;
        return nullptr;
    }
    if (allocsBeforeRefusal > 0)
        --allocsBeforeRefusal;
    auto block = std::make_unique<TBlock>();
    if (Bytes > 0) {
        block->Bytes.reset(new (std::nothrow) uint8_t[Bytes]());
        if (!block->Bytes)
            return nullptr;
    }
    block->Size = Bytes;
    return reinterpret_cast<HGLOBAL>(Blocks().Add(std::move(block)));
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
    return Blocks().Remove(reinterpret_cast<uintptr_t>(Memory)) ? nullptr : Memory;
}
