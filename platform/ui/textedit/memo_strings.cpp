// A memo's Lines: the lines read from its text, changes sent to its window.
#include "platform/ui/textedit/memo_strings.h"

#include "platform/ui/textedit/memo.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/window_proc.h"

AnsiString TMemoStrings::Get(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        Error(SListIndexError, Index);
    return memo_->LineText(Index);
}

int TMemoStrings::GetCount() const
{
    return memo_->LineCount();
}

AnsiString TMemoStrings::GetTextStr() const
{
    return memo_->Text();
}

void TMemoStrings::SetTextStr(const AnsiString& Value)
{
    memo_->SetText(Value);
}

void TMemoStrings::Clear()
{
    memo_->SetText(AnsiString());
}

void TMemoStrings::Replace(int From, int To, const AnsiString& Text)
{
    HWND window = memo_->Handle();
    SendMessage(window, EM_SETSEL, static_cast<WPARAM>(From), To);
    SendMessage(window, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void TMemoStrings::Put(int Index, const AnsiString& S)
{
    if (Index < 0 || Index >= GetCount())
        Error(SListIndexError, Index);
    int start = 0;
    int end = 0;
    memo_->LineRange(Index, start, end);
    Replace(start, end, S);
}

void TMemoStrings::Insert(int Index, const AnsiString& S)
{
    const int count = GetCount();
    if (Index < 0 || Index > count)
        Error(SListIndexError, Index);
    if (Index < count) {
        int start = 0;
        int end = 0;
        memo_->LineRange(Index, start, end);
        Replace(start, start, S + sLineBreak);
        return;
    }
    const int length = memo_->GetTextLen();
    if (length == 0)
        Replace(0, 0, S);
    else if (memo_->EndsWithBreak())
        Replace(length, length, S + sLineBreak);
    else
        Replace(length, length, sLineBreak + S);
}

void TMemoStrings::Delete(int Index)
{
    const int count = GetCount();
    if (Index < 0 || Index >= count)
        Error(SListIndexError, Index);
    int start = 0;
    int end = 0;
    memo_->LineRange(Index, start, end);
    if (Index + 1 < count) {
        int next = 0;
        int nextEnd = 0;
        memo_->LineRange(Index + 1, next, nextEnd);
        Replace(start, next, AnsiString());
    } else if (Index > 0) {
        // The last line goes with the break before it.
        int previous = 0;
        int previousEnd = 0;
        memo_->LineRange(Index - 1, previous, previousEnd);
        Replace(previousEnd, memo_->GetTextLen(), AnsiString());
    } else {
        Replace(0, memo_->GetTextLen(), AnsiString());
    }
}
