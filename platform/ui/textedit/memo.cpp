// TCustomMemo: the multi-line window it makes, the keys it wants from the
// form, and the lines of its text.
#include "platform/ui/textedit/memo.h"

#include "platform/ui/textedit/memo_strings.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this))
{
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLines(TStrings* Value)
{
    lines_->Assign(Value);
}

void TCustomMemo::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (scrollBars_ == Value)
        return;
    scrollBars_ = Value;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (wordWrap_ == Value)
        return;
    wordWrap_ = Value;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
    if (wordWrap_)
        Params.Style &= ~ES_AUTOHSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        Params.Style |= WS_HSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        Params.Style |= WS_VSCROLL;
    if (alignment_ == taCenter)
        Params.Style |= ES_CENTER;
    else if (alignment_ == taRightJustify)
        Params.Style |= ES_RIGHT;
}

void TCustomMemo::Dispatch(TMessage& Message)
{
    TCustomEdit::Dispatch(Message);
    if (Message.Msg != WM_GETDLGCODE)
        return;
    if (WantTabs)
        Message.Result |= DLGC_WANTTAB;
    else
        Message.Result &= ~DLGC_WANTTAB;
    if (!WantReturns)
        Message.Result &= ~DLGC_WANTALLKEYS;
}

void TCustomMemo::KeyPress(char& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == '\r' && !WantReturns)
        Key = 0;
}

int TCustomMemo::LineCount() const
{
    const TEditLayout& layout = Layout();
    int lines = 1;
    for (int i = 0; i + 1 < layout.RowCount(); ++i)
        if (layout.Row(i).Break > 0)
            ++lines;
    // An empty last row (an empty text, or a break at its end) is no line.
    if (layout.Row(layout.RowCount() - 1).Length == 0)
        --lines;
    return lines;
}

void TCustomMemo::LineRange(int Index, int& Start, int& End) const
{
    const TEditLayout& layout = Layout();
    // Without wrapping every row is a line.
    if (!WrapsRows() && Index >= 0 && Index < layout.RowCount()) {
        Start = layout.Row(Index).Start;
        End = layout.Row(Index).End();
        return;
    }
    int line = 0;
    Start = 0;
    for (int i = 0; i < layout.RowCount(); ++i) {
        const TEditRow& row = layout.Row(i);
        if (line == Index && (row.Break > 0 || i + 1 == layout.RowCount())) {
            End = row.End();
            return;
        }
        if (row.Break > 0) {
            ++line;
            Start = row.End() + row.Break;
        }
    }
    Start = End = Buffer().Length();
}

AnsiString TCustomMemo::LineText(int Index) const
{
    int start = 0;
    int end = 0;
    LineRange(Index, start, end);
    return Buffer().Text().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

bool TCustomMemo::EndsWithBreak() const
{
    const AnsiString& text = Buffer().Text();
    return !text.empty() && text.back() == '\n';
}
