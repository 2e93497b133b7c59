// Blocks of memory by handle, in the form the clipboard and dropped files
// hand them over: a block is allocated, locked to reach its bytes,
// unlocked and freed. Blocks never move and always start zeroed, so the
// GMEM_ flags only say what the caller meant. A freed or made-up handle
// is refused, never dereferenced.
#pragma once

#include <cstddef>

#include "platform/win/win_types.h"

struct HGLOBAL__ {};
using HGLOBAL = HGLOBAL__*;

enum : UINT {
    GMEM_FIXED = 0x0000,
    GMEM_MOVEABLE = 0x0002,
    GMEM_ZEROINIT = 0x0040,
    GMEM_DDESHARE = 0x2000,
    GMEM_SHARE = 0x2000,
    GHND = GMEM_MOVEABLE | GMEM_ZEROINIT,
    GPTR = GMEM_FIXED | GMEM_ZEROINIT,
};

// 0 when the memory cannot be had.
HGLOBAL GlobalAlloc(UINT Flags, size_t Bytes);
// For tests of running out of memory: the next Count allocations are made,
// the one after them is refused (once). A negative Count refuses none.
void RefuseGlobalAllocAfter(int Count);
// The block's first byte (nullptr for an empty block or a bad handle);
// each lock wants an unlock.
void* GlobalLock(HGLOBAL Memory);
// True while other locks remain.
bool GlobalUnlock(HGLOBAL Memory);
size_t GlobalSize(HGLOBAL Memory);
// Answers 0 when freed, else the handle.
HGLOBAL GlobalFree(HGLOBAL Memory);
