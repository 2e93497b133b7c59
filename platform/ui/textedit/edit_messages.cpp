// The edit window's text messages: setting and reading the text, the
// clipboard, undo, the selection and the EM_ messages, and what every change
// sets going (layout, scrolling, painting, EN_CHANGE).
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_tree.h"

namespace {

// A one-line box takes pasted text up to its first line break.
std::string_view FirstLine(std::string_view Text)
{
    return Text.substr(0, std::min(Text.find('\r'), Text.find('\n')));
}

}  // namespace

bool TCustomEdit::TextMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETTEXT:
        SetTextFromMessage(reinterpret_cast<const char*>(Message.LParam));
        Message.Result = 1;
        return true;
    case WM_GETTEXTLENGTH:
        Message.Result = buffer_.Length();
        return true;
    case WM_GETTEXT: {
        Message.Result = 0;
        if (Message.WParam == 0 || !Message.LParam)
            return true;
        const AnsiString& text = buffer_.Text();
        size_t count = std::min<size_t>(text.size(), Message.WParam - 1);
        // Never a lead byte without its trail byte at the cut.
        if (count < text.size())
            count = CharStartOf(text, count);
        auto* out = reinterpret_cast<char*>(Message.LParam);
        std::memcpy(out, text.data(), count);
        out[count] = '\0';
        Message.Result = static_cast<LRESULT>(count);
        return true;
    }
    case WM_CUT:
        // The box says nothing when the clipboard takes no copy, as a
        // standard edit box does; but text that did not reach the
        // clipboard stays where it was.
        if (!readOnly_ && passwordChar_ == '\0' && buffer_.HasSelection() && CopySelection())
            ReplaceSelection({}, TEditUndo::Step);
        return true;
    case WM_COPY:
        if (passwordChar_ == '\0' && buffer_.HasSelection())
            CopySelection();
        return true;
    case WM_PASTE:
        if (!readOnly_)
            PasteClipboard();
        return true;
    case WM_CLEAR:
        if (!readOnly_ && buffer_.HasSelection())
            ReplaceSelection({}, TEditUndo::Step);
        return true;
    case WM_UNDO:
    case EM_UNDO:
        Message.Result = buffer_.CanUndo();
        if (!readOnly_)
            UndoLast();
        return true;
    case EM_CANUNDO:
        Message.Result = buffer_.CanUndo();
        return true;
    case EM_EMPTYUNDOBUFFER:
        buffer_.ClearUndo();
        return true;
    case EM_GETSEL: {
        auto start = static_cast<DWORD>(buffer_.SelStart());
        auto end = static_cast<DWORD>(buffer_.SelEnd());
        if (Message.WParam)
            *reinterpret_cast<DWORD*>(Message.WParam) = start;
        if (Message.LParam)
            *reinterpret_cast<DWORD*>(Message.LParam) = end;
        Message.Result = MAKELRESULT(static_cast<WORD>(start), static_cast<WORD>(end));
        return true;
    }
    case EM_SETSEL: {
        // The parameters are 32-bit; a start of -1 removes the selection
        // and an end of -1 means the end of the text.
        auto start = static_cast<int32_t>(Message.WParam);
        auto end = static_cast<int32_t>(Message.LParam);
        if (start < 0)
            SetSelection(buffer_.Caret(), buffer_.Caret());
        else
            SetSelection(start, end < 0 ? buffer_.Length() : end);
        return true;
    }
    case EM_REPLACESEL:
        if (Message.LParam)
            ReplaceSelection(reinterpret_cast<const char*>(Message.LParam),
                             Message.WParam ? TEditUndo::Step : TEditUndo::None);
        return true;
    case EM_GETMODIFY:
        Message.Result = modified_;
        return true;
    case EM_SETMODIFY:
        modified_ = Message.WParam != 0;
        return true;
    case EM_LIMITTEXT:
        buffer_.MaxLength = static_cast<int>(std::min<WPARAM>(Message.WParam, 0x7FFFFFFE));
        return true;
    case EM_SETREADONLY:
        readOnly_ = Message.WParam != 0;
        if (HandleAllocated()) {
            LONG style = GetWindowLong(Handle(), GWL_STYLE);
            SetWindowLong(Handle(), GWL_STYLE, readOnly_ ? style | ES_READONLY : style & ~LONG{ES_READONLY});
        }
        InvalidateText();
        Message.Result = 1;
        return true;
    case EM_SETPASSWORDCHAR:
        passwordChar_ = static_cast<char>(Message.WParam);
        Relayout();
        ClampScroll();
        ScrollToCaret();
        UpdateCaret();
        InvalidateText();
        return true;
    case EM_SETMARGINS:
        if (Message.WParam & EC_LEFTMARGIN)
            leftMargin_ = LOWORD(static_cast<uintptr_t>(Message.LParam));
        if (Message.WParam & EC_RIGHTMARGIN)
            rightMargin_ = HIWORD(static_cast<uintptr_t>(Message.LParam));
        Relayout();
        ScrollToCaret();
        UpdateScrollBars();
        UpdateCaret();
        InvalidateText();
        return true;
    case EM_SETRECTNP:
        // Takes the rectangle the text is laid out in without repainting;
        // no rectangle goes back to the client area.
        hasFormatRect_ = Message.LParam != 0;
        if (hasFormatRect_)
            formatRect_ = *reinterpret_cast<const TRect*>(Message.LParam);
        Relayout();
        ScrollToCaret();
        UpdateScrollBars();
        UpdateCaret();
        return true;
    case EM_LINEFROMCHAR: {
        auto at = static_cast<int32_t>(Message.WParam);
        Message.Result = layout_.RowOf(at < 0 ? buffer_.SelStart() : buffer_.Snap(at));
        return true;
    }
    case EM_LINEINDEX: {
        auto row = static_cast<int32_t>(Message.WParam);
        if (row < 0)
            row = layout_.RowOf(buffer_.Caret());
        Message.Result = row < layout_.RowCount() ? layout_.Row(row).Start : -1;
        return true;
    }
    case EM_GETLINECOUNT:
        Message.Result = layout_.RowCount();
        return true;
    case EM_GETFIRSTVISIBLELINE:
        Message.Result = topRow_;
        return true;
    default:
        return false;
    }
}

void TCustomEdit::SetTextFromMessage(const char* Text)
{
    TEditChange change{0, buffer_.Length(), 0};
    buffer_.SetText(Text ? Text : "");
    change.Inserted = buffer_.Length();
    TextReplaced(change, true);
    modified_ = false;
    pendingLead_ = 0;
    topRow_ = 0;
    scrollX_ = 0;
    caretGoalX_ = -1;
    Relayout();
    UpdateScrollBars();
    UpdateCaret();
    InvalidateText();
    NotifyParent(EN_CHANGE);
}

void TCustomEdit::ReplaceSelection(std::string_view Text, TEditUndo Undo)
{
    TEditChange change = buffer_.ReplaceSelection(Text, Undo);
    if (change.Changed())
        TextChanged(change);
}

void TCustomEdit::DeleteRange(int From, int To)
{
    if (From == To)
        return;
    buffer_.Select(From, To);
    ReplaceSelection({}, TEditUndo::Step);
}

void TCustomEdit::UndoLast()
{
    TEditChange change = buffer_.Undo();
    if (change.Changed())
        TextChanged(change);
}

void TCustomEdit::SetSelection(int Anchor, int Caret)
{
    buffer_.Select(Anchor, Caret);
    SelectionChanged();
}

bool TCustomEdit::CopySelection()
{
    return SetClipboardText(Handle(), {{CF_TEXT, buffer_.SelText()}});
}

void TCustomEdit::PasteClipboard()
{
    if (!OpenClipboard(Handle()))
        return;
    AnsiString text;
    if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(block)));
            GlobalUnlock(block);
        }
    }
    const bool incomplete = ClipboardTextIncomplete();
    CloseClipboard();
    // Another program broke off handing its text over: say so rather than
    // paste nothing.
    if (incomplete)
        throw Exception("Clipboard paste operation failed.");
    ReplaceSelection(multiLine_ ? std::string_view(text) : FirstLine(text), TEditUndo::Step);
}

void TCustomEdit::TextChanged(const TEditChange& Change)
{
    TextReplaced(Change, false);
    modified_ = true;
    pendingLead_ = 0;
    caretGoalX_ = -1;
    if (WrapWidth() != layoutWidth_)
        Relayout();
    else
        layout_.Update(buffer_.Text(), Change,
                       [this](int Offset, std::string_view Text, std::vector<int>& Ends) {
                           MeasureText(Offset, Text, Ends);
                       });
    ScrollToCaret();
    UpdateScrollBars();
    UpdateCaret();
    InvalidateText();
    SelectionMoved();
    NotifyParent(EN_CHANGE);
}

void TCustomEdit::SelectionChanged()
{
    caretGoalX_ = -1;
    ScrollToCaret();
    UpdateScrollBars();
    UpdateCaret();
    InvalidateText();
    SelectionMoved();
}

void TCustomEdit::NotifyParent(WORD Code)
{
    if (!HandleAllocated())
        return;
    HWND window = Handle();
    if (HWND parent = GetParent(window))
        SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetWindowLong(window, GWL_ID)), Code),
                    reinterpret_cast<LPARAM>(window));
}
