// Copy, cut and paste. The selection goes out twice: as plain text for
// other programs and in the editor's block format, which also carries the
// selection mode it was copied in.
#include "editor/syn_clipboard.h"

#include <algorithm>
#include <cstring>

#include "editor/syn_custom_text.h"
#include "editor/document/syn_text_error.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"

const UINT SynTextClipboardFormat = RegisterClipboardFormat("SynText Control Block Type");

namespace {

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

// The zero-terminated text of a locked block, never read past its end.
AnsiString BlockText(const char* Bytes, size_t Size) { return AnsiString(Bytes, strnlen(Bytes, Size)); }

// Plain text first; the block format only when that went well.
void PutTextOnClipboard(HWND Owner, TSynSelectionMode Mode, const AnsiString& Text)
{
    if (Text.empty())
        return;
    const AnsiString block = static_cast<char>(Mode) + Text;
    if (!SetClipboardText(Owner, {{CF_TEXT, Text}, {SynTextClipboardFormat, block}}))
        throw ESynTextError("Clipboard copy operation failed");
}

}  // namespace

void TCustomSynText::CopyToClipboard()
{
    if (!SelAvail())
        return;
    HWND owner = HandleAllocated() ? Handle() : nullptr;
    if (selectionMode_ != smColumn) {
        // Blanks at the ends of lines never go: they are usually left over
        // from indentation.
        PutTextOnClipboard(owner, selectionMode_, SelectedText(false, true));
        return;
    }
    // A column block always leaves as a full rectangle.
    const bool trimming = options_.Contains(eoTrimTrailingSpaces);
    options_.Exclude(eoTrimTrailingSpaces);
    const AnsiString text = GetSelText();
    if (trimming)
        options_.Include(eoTrimTrailingSpaces);
    PutTextOnClipboard(owner, selectionMode_, text);
}

void TCustomSynText::CutToClipboard() { ExecuteCommand(ecCut, '\0', nullptr); }

void TCustomSynText::PasteFromClipboard() { ExecuteCommand(ecPaste, '\0', nullptr); }

void TCustomSynText::DoCutToClipboard()
{
    if (ReadOnly() || !SelAvail())
        return;
    BeginUndoBlock();
    try {
        CopyToClipboard();
        SetSelText(AnsiString());
    } catch (...) {
        EndUndoBlock();
        throw;
    }
    EndUndoBlock();
}

void TCustomSynText::DoPasteFromClipboard()
{
    if (!CanPaste())
        return;
    AnsiString text;
    {
        TOpenClipboard clipboard(HandleAllocated() ? Handle() : nullptr);
        if (!clipboard)
            return;
        if (HGLOBAL block = GetClipboardData(SynTextClipboardFormat)) {
            const auto* bytes = static_cast<const char*>(GlobalLock(block));
            if (!bytes)
                throw ESynTextError("Clipboard paste operation failed.");
            const size_t size = GlobalSize(block);
            // The stored mode only told how the copy was made; the text goes
            // in as the editor's current mode says.
            if (size >= 1)
                text = BlockText(bytes + 1, size - 1);
            GlobalUnlock(block);
        } else if (HGLOBAL plain = GetClipboardData(CF_TEXT)) {
            const auto* bytes = static_cast<const char*>(GlobalLock(plain));
            if (bytes) {
                text = BlockText(bytes, GlobalSize(plain));
                GlobalUnlock(plain);
            }
        } else if (ClipboardTextIncomplete()) {
            // Another program broke off handing its text over: pasting
            // nothing without a word would look like a paste of nothing.
            throw ESynTextError("Clipboard paste operation failed.");
        }
    }
    DoOnPaintTransient(ttBefore);
    BeginUndoBlock();
    undoList_->AddChange(urPasteBegin, blockBegin_, blockEnd_, AnsiString(), selectionMode_);
    // Pasting past the end of a line fills the gap with spaces first; the
    // fill is recorded so that undo gives back the short line.
    if (selectionMode_ == smNormal && !SelAvail() && caretY_ >= 1 && caretY_ <= lines_->Count()) {
        AnsiString line = lines_->Strings(caretY_ - 1);
        const int length = static_cast<int>(line.size());
        if (caretX_ > length + 1) {
            undoList_->AddChange(urPaste, BufferCoord(length + 1, caretY_), CaretXY(), AnsiString(), smNormal);
            line.resize(static_cast<size_t>(caretX_ - 1), ' ');
            lines_->SetStrings(caretY_ - 1, line);
        }
    }
    // The insertion records itself by the mode it is made in, so undo
    // restores the text whatever mode the clipboard came from.
    SetSelText(text);
    undoList_->AddChange(urPasteEnd, blockBegin_, blockEnd_, AnsiString(), selectionMode_);
    EndUndoBlock();
    if (options_.Contains(eoHideShowScrollbars))
        UpdateScrollBars();
    EnsureCursorPosVisible();
    StatusChanged({scSelection});
    DoOnPaintTransient(ttAfter);
}
