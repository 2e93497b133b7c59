// The least clipboard the window messages need: the selection goes out as
// plain text and in the editor's block format, which also carries the
// selection mode, and comes back in through the editor's operations.
#include <cstring>
#include <utility>

#include "editor/syn_custom_text.h"
#include "platform/win/clipboard.h"

namespace {

UINT BlockFormat()
{
    static const UINT format = RegisterClipboardFormat("SynText Control Block Type");
    return format;
}

// A movable block holding Prefix (when given) and Text with a zero byte.
HGLOBAL MakeBlock(const AnsiString& Text, const char* Prefix, size_t PrefixSize)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, PrefixSize + Text.size() + 1);
    if (!block)
        return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, Prefix, PrefixSize);
    std::memcpy(bytes + PrefixSize, Text.c_str(), Text.size() + 1);
    GlobalUnlock(block);
    return block;
}

class TOpenClipboard {
public:
    explicit TOpenClipboard(HWND Owner) : open_(OpenClipboard(Owner)) {}
    ~TOpenClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

void TCustomSynText::CopyToClipboard()
{
    if (!SelAvail())
        return;
    const AnsiString text = GetSelText();
    TOpenClipboard clipboard(HandleAllocated() ? Handle() : nullptr);
    if (!clipboard)
        return;
    EmptyClipboard();
    const char mode = static_cast<char>(selectionMode_);
    for (auto [format, block] : {std::pair{UINT(CF_TEXT), MakeBlock(text, nullptr, 0)},
                                 std::pair{BlockFormat(), MakeBlock(text, &mode, 1)}}) {
        if (block && !SetClipboardData(format, block))
            GlobalFree(block);
    }
}

void TCustomSynText::CutToClipboard()
{
    if (ReadOnly() || !SelAvail())
        return;
    CopyToClipboard();
    SetSelText(AnsiString());
}

void TCustomSynText::PasteFromClipboard()
{
    if (!CanPaste())
        return;
    AnsiString text;
    TSynSelectionMode mode = selectionMode_;
    {
        TOpenClipboard clipboard(HandleAllocated() ? Handle() : nullptr);
        if (!clipboard)
            return;
        if (HGLOBAL block = GetClipboardData(BlockFormat())) {
            const auto* bytes = static_cast<const char*>(GlobalLock(block));
            const size_t size = GlobalSize(block);
            if (size >= 1 && static_cast<unsigned char>(bytes[0]) <= smColumn) {
                mode = static_cast<TSynSelectionMode>(bytes[0]);
                text.assign(bytes + 1, strnlen(bytes + 1, size - 1));
            }
            GlobalUnlock(block);
        } else if (HGLOBAL plain = GetClipboardData(CF_TEXT)) {
            const auto* bytes = static_cast<const char*>(GlobalLock(plain));
            text.assign(bytes, strnlen(bytes, GlobalSize(plain)));
            GlobalUnlock(plain);
        }
    }
    const TSynSelectionMode was = selectionMode_;
    selectionMode_ = mode;
    SetSelText(text);
    selectionMode_ = was;
}
