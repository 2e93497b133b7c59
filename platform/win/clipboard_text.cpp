// Putting text on the clipboard and reading it back (see the header).
#include "platform/win/clipboard_text.h"

#include <cstring>
#include <vector>

#include "platform/win/clipboard.h"
#include "platform/win/global_memory.h"

namespace {

// A movable, shareable block holding Bytes and a zero byte; 0 on failure.
HGLOBAL MakeBlock(std::string_view Bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Bytes.size() + 1);
    if (!block)
        return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, Bytes.data(), Bytes.size());
    bytes[Bytes.size()] = '\0';
    GlobalUnlock(block);
    return block;
}

void FreeBlocks(const std::vector<HGLOBAL>& Blocks, size_t From)
{
    for (size_t i = From; i < Blocks.size(); ++i)
        GlobalFree(Blocks[i]);
}

}  // namespace

bool SetClipboardText(HWND Owner, std::initializer_list<TClipboardText> Texts)
{
    // Every block is made before the clipboard is emptied, so a copy that
    // cannot be made leaves the clipboard as it was.
    std::vector<HGLOBAL> blocks;
    for (const TClipboardText& text : Texts) {
        HGLOBAL block = MakeBlock(text.Bytes);
        if (!block) {
            FreeBlocks(blocks, 0);
            return false;
        }
        blocks.push_back(block);
    }
    if (!OpenClipboard(Owner)) {
        FreeBlocks(blocks, 0);
        return false;
    }
    EmptyClipboard();
    size_t set = 0;
    for (const TClipboardText& text : Texts) {
        if (!SetClipboardData(text.Format, blocks[set]))
            break;
        ++set;  // the clipboard owns the block now
    }
    FreeBlocks(blocks, set);
    CloseClipboard();
    return set == blocks.size();
}

bool GetClipboardText(HWND Owner, AnsiString& Text)
{
    if (!OpenClipboard(Owner))
        return false;
    Text.clear();
    if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
            Text.assign(bytes, strnlen(bytes, GlobalSize(block)));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return true;
}
