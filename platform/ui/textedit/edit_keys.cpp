// The edit window's keyboard: caret keys with Shift and Ctrl, Delete and
// Insert, Alt+Backspace, and the characters typed (lead and trail bytes of
// a double-byte character arrive as two WM_CHAR and are inserted together).
#include "platform/base/code_page.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

void TCustomEdit::MoveCaret(int Offset, bool Extend)
{
    SetSelection(Extend ? buffer_.Anchor() : Offset, Offset);
}

int TCustomEdit::VerticalMove(int Rows)
{
    if (caretGoalX_ < 0)
        caretGoalX_ = PointOfOffset(buffer_.Caret()).X;
    int row = std::clamp(layout_.RowOf(buffer_.Caret()) + Rows, 0, layout_.RowCount() - 1);
    return OffsetInRow(row, caretGoalX_);
}

bool TCustomEdit::IsEditingKey(WORD Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl);
    // Alt without Ctrl makes a system key, of which the box knows one.
    if (Shift.Contains(ssAlt) && !ctrl)
        return Key == VK_BACK;
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_DELETE:
    case VK_INSERT:
    case VK_BACK:
        return true;
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        return ctrl && !Shift.Contains(ssAlt);
    default:
        return false;
    }
}

bool TCustomEdit::KeyDownMessage(TMessage& Message)
{
    const auto key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    if (Message.Msg == WM_SYSKEYDOWN) {
        if (key != VK_BACK || !shift.Contains(ssAlt))
            return false;
        SendMessage(Handle(), WM_UNDO, 0, 0);
        return true;
    }
    const int caret = buffer_.Caret();
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        bool back = key == VK_LEFT || key == VK_UP;
        if (multiLine_ && (key == VK_UP || key == VK_DOWN)) {
            int target = VerticalMove(back ? -1 : 1);
            int goal = caretGoalX_;
            MoveCaret(target, extend);
            caretGoalX_ = goal;
        } else if (!extend && !ctrl && buffer_.HasSelection()) {
            // An arrow first drops the selection at its near end.
            MoveCaret(back ? buffer_.SelStart() : buffer_.SelEnd(), false);
        } else if (ctrl) {
            MoveCaret(back ? buffer_.PrevWord(caret) : buffer_.NextWord(caret), extend);
        } else {
            MoveCaret(back ? buffer_.PrevChar(caret) : buffer_.NextChar(caret), extend);
        }
        return true;
    }
    case VK_PRIOR:
    case VK_NEXT: {
        if (!multiLine_)
            return true;
        int rows = VisibleRows();
        int target = VerticalMove(key == VK_PRIOR ? -rows : rows);
        int goal = caretGoalX_;
        ScrollRows(key == VK_PRIOR ? -rows : rows);
        MoveCaret(target, extend);
        caretGoalX_ = goal;
        return true;
    }
    case VK_HOME:
    case VK_END: {
        bool home = key == VK_HOME;
        int target = home ? 0 : buffer_.Length();
        if (multiLine_ && !ctrl) {
            int row = layout_.RowOf(caret);
            const TEditRow& shown = layout_.Row(row);
            target = home ? shown.Start : shown.End();
            if (!home && layout_.Wraps(row) && shown.Length > 0)
                target = buffer_.PrevChar(shown.End());
        }
        MoveCaret(target, extend);
        return true;
    }
    case VK_DELETE:
        if (extend) {
            SendMessage(Handle(), WM_CUT, 0, 0);
        } else if (!readOnly_) {
            if (buffer_.HasSelection())
                DeleteRange(buffer_.SelStart(), buffer_.SelEnd());
            else
                DeleteRange(caret, ctrl ? buffer_.NextWord(caret) : buffer_.NextChar(caret));
        }
        return true;
    case VK_INSERT:
        if (extend)
            SendMessage(Handle(), WM_PASTE, 0, 0);
        else if (ctrl)
            SendMessage(Handle(), WM_COPY, 0, 0);
        return true;
    default:
        return false;
    }
}

void TCustomEdit::CharMessage(TMessage& Message)
{
    const auto c = static_cast<BYTE>(Message.WParam);
    if (pendingLead_) {
        BYTE lead = pendingLead_;
        pendingLead_ = 0;
        // A byte that cannot follow the lead byte drops it.
        if (c >= 0x40 && c != 0x7F && c != 0xFF) {
            if (!readOnly_) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(c)};
                ReplaceSelection(std::string_view(pair, 2), TEditUndo::Typing);
            }
            return;
        }
    }
    switch (c) {
    case 0x01:  // Ctrl+A
        SetSelection(0, buffer_.Length());
        return;
    case 0x03:  // Ctrl+C
        SendMessage(Handle(), WM_COPY, 0, 0);
        return;
    case 0x16:  // Ctrl+V
        SendMessage(Handle(), WM_PASTE, 0, 0);
        return;
    case 0x18:  // Ctrl+X
        SendMessage(Handle(), WM_CUT, 0, 0);
        return;
    case 0x1A:  // Ctrl+Z
        SendMessage(Handle(), WM_UNDO, 0, 0);
        return;
    case '\b':
        if (!readOnly_) {
            if (buffer_.HasSelection())
                DeleteRange(buffer_.SelStart(), buffer_.SelEnd());
            else
                DeleteRange(buffer_.PrevChar(buffer_.Caret()), buffer_.Caret());
        }
        return;
    case '\r':
    case '\n':
        TypeChar('\r');
        return;
    default:
        if (IsDBCSLeadByte(c)) {
            pendingLead_ = c;
            return;
        }
        TypeChar(c);
        return;
    }
}

void TCustomEdit::TypeChar(BYTE Char)
{
    if (readOnly_)
        return;
    if (Char == '\r') {
        if (multiLine_)
            ReplaceSelection("\r\n", TEditUndo::Typing);
        return;
    }
    // Control characters type nothing; a tab only in a box of many lines.
    if ((Char < 0x20 && !(Char == '\t' && multiLine_)) || Char == 0x7F)
        return;
    const char one = static_cast<char>(Char);
    ReplaceSelection(std::string_view(&one, 1), TEditUndo::Typing);
}
