// What the edit box shows of its text: measuring with its font, the text
// area and its rows, scrolling, the scroll bars, the caret and the offsets
// under points.
#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/textedit/tabbed_text.h"
#include "platform/win/caret.h"
#include "platform/win/focus.h"
#include "platform/win/ime.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/update_region.h"

void TCustomEdit::EnsureMeasureDC()
{
    if (!measureDC_)
        measureDC_ = CreateCompatibleDC(nullptr);
    SelectObject(measureDC_, EditFont());
}

int TCustomEdit::RowHeight()
{
    if (rowHeight_ == 0) {
        EnsureMeasureDC();
        TEXTMETRIC metrics;
        GetTextMetrics(measureDC_, &metrics);
        rowHeight_ = std::max(1, static_cast<int>(metrics.tmHeight));
        // Tab stops every eight average characters.
        tabWidth_ = std::max(1, 8 * static_cast<int>(metrics.tmAveCharWidth));
    }
    return rowHeight_;
}

void TCustomEdit::MeasureText(int, std::string_view Text, std::vector<int>& Ends)
{
    RowHeight();
    EnsureMeasureDC();
    Ends.assign(Text.size(), 0);
    if (passwordChar_ != '\0' && !multiLine_) {
        TSize size;
        GetTextExtentPoint32(measureDC_, &passwordChar_, 1, &size);
        int x = 0;
        for (size_t i = 0; i < Text.size();) {
            size_t length = CharLengthAt(Text, i);
            x += size.cx;
            for (size_t k = 0; k < length; ++k)
                Ends[i + k] = x;
            i += length;
        }
        return;
    }
    MeasureTabbedText(measureDC_, Text, 0, tabWidth_, Ends.data());
}

TRect TCustomEdit::TextArea()
{
    TRect area = hasFormatRect_ ? formatRect_ : ClientRect();
    if (!hasFormatRect_)
        area.Top += 1;
    area.Left += leftMargin_;
    area.Right -= rightMargin_;
    return area;
}

int TCustomEdit::WrapWidth()
{
    return wrap_ ? std::max(1, TextArea().Width()) : 0;
}

void TCustomEdit::Relayout()
{
    layoutWidth_ = WrapWidth();
    layout_.Reset(buffer_.Text(), layoutWidth_,
                  [this](int Offset, std::string_view Text, std::vector<int>& Ends) { MeasureText(Offset, Text, Ends); });
}

void TCustomEdit::TextLooksChanged()
{
    Relayout();
    ClampScroll();
    UpdateScrollBars();
    UpdateCaret();
    InvalidateText();
}

int TCustomEdit::RowHeightOf(int)
{
    return RowHeight();
}

int TCustomEdit::RowTop(int Row)
{
    int y = TextArea().Top;
    for (int row = topRow_; row < Row; ++row)
        y += RowHeightOf(std::min(row, layout_.RowCount() - 1));
    for (int row = Row; row < topRow_; ++row)
        y -= RowHeightOf(row);
    return y;
}

int TCustomEdit::VisibleRows()
{
    if (!multiLine_)
        return 1;
    // Whole rows from the first shown; past the last row, rows of the font.
    int room = TextArea().Height(), rows = 0;
    for (int row = topRow_; room > 0; ++row, ++rows)
        room -= row < layout_.RowCount() ? RowHeightOf(row) : RowHeight();
    return std::max(1, room < 0 ? rows - 1 : rows);
}

int TCustomEdit::RowLeft(int Row)
{
    TRect area = TextArea();
    int room = area.Width() - layout_.Row(Row).Width - 1;
    int shift = 0;
    if (alignment_ == taCenter)
        shift = std::max(0, room / 2);
    else if (alignment_ == taRightJustify)
        shift = std::max(0, room);
    return area.Left + shift - scrollX_;
}

void TCustomEdit::RowOffsets(int Row, std::vector<int>& Xs)
{
    const TEditRow& row = layout_.Row(Row);
    std::vector<int> ends;
    MeasureText(row.Start,
                std::string_view(buffer_.Text()).substr(static_cast<size_t>(row.Start), static_cast<size_t>(row.Length)),
                ends);
    Xs.resize(ends.size() + 1);
    Xs[0] = 0;
    std::copy(ends.begin(), ends.end(), Xs.begin() + 1);
}

int TCustomEdit::OffsetInRow(int Row, int X)
{
    const TEditRow& row = layout_.Row(Row);
    std::vector<int> xs;
    RowOffsets(Row, xs);
    const int x = X - RowLeft(Row);
    int at = row.Start;
    while (at < row.End()) {
        int next = buffer_.NextChar(at);
        if (next > row.End())
            next = row.End();
        if (x < (xs[static_cast<size_t>(at - row.Start)] + xs[static_cast<size_t>(next - row.Start)]) / 2)
            return at;
        at = next;
    }
    // The end of a row that wraps is where the next row starts: stay
    // before its last character.
    if (layout_.Wraps(Row) && row.Length > 0)
        return buffer_.PrevChar(row.End());
    return row.End();
}

int TCustomEdit::RowAtY(int Y)
{
    int row = topRow_;
    if (multiLine_) {
        int top = TextArea().Top;
        while (Y < top && row > 0)
            top -= RowHeightOf(--row);
        if (Y < top)
            --row;
        while (Y >= top + RowHeightOf(std::clamp(row, 0, layout_.RowCount() - 1)) && row < layout_.RowCount())
            top += RowHeightOf(row++);
    }
    return std::clamp(row, 0, layout_.RowCount() - 1);
}

int TCustomEdit::OffsetAtPoint(TPoint Point)
{
    return OffsetInRow(RowAtY(Point.Y), Point.X);
}

TPoint TCustomEdit::PointOfOffset(int Offset)
{
    int row = layout_.RowOf(Offset);
    std::vector<int> xs;
    RowOffsets(row, xs);
    int inRow = std::clamp(Offset - layout_.Row(row).Start, 0, static_cast<int>(xs.size()) - 1);
    return {RowLeft(row) + xs[static_cast<size_t>(inRow)], RowTop(row)};
}

void TCustomEdit::ClampScroll()
{
    int lastTop = multiLine_ ? std::max(0, layout_.RowCount() - VisibleRows()) : layout_.RowCount() - 1;
    topRow_ = std::clamp(topRow_, 0, lastTop);
    int widest = wrap_ ? 0 : (multiLine_ ? layout_.MaxWidth() : layout_.Row(topRow_).Width);
    scrollX_ = std::clamp(scrollX_, 0, std::max(0, widest + 1 - TextArea().Width()));
}

void TCustomEdit::ScrollToCaret()
{
    const int caret = buffer_.Caret();
    const int row = layout_.RowOf(caret);
    if (multiLine_) {
        int visible = VisibleRows();
        if (row < topRow_)
            topRow_ = row;
        else if (row >= topRow_ + visible)
            topRow_ = row - visible + 1;
    } else {
        topRow_ = row;
    }
    if (!wrap_) {
        std::vector<int> xs;
        RowOffsets(row, xs);
        int x = xs[static_cast<size_t>(caret - layout_.Row(row).Start)];
        int width = TextArea().Width();
        if (x < scrollX_)
            scrollX_ = x;
        else if (x >= scrollX_ + width)
            scrollX_ = x - width + 1;
    }
    ClampScroll();
}

void TCustomEdit::ScrollRows(int Rows)
{
    ScrollTo(topRow_ + Rows, scrollX_);
}

void TCustomEdit::ScrollTo(int TopRow, int ScrollX)
{
    const int oldTop = topRow_;
    const int oldX = scrollX_;
    topRow_ = TopRow;
    scrollX_ = ScrollX;
    ClampScroll();
    if (topRow_ == oldTop && scrollX_ == oldX)
        return;
    UpdateScrollBars();
    UpdateCaret();
    InvalidateText();
}

void TCustomEdit::UpdateScrollBars()
{
    if (!HandleAllocated())
        return;
    auto apply = [this](int Bar, int Max, int Page, int Pos) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        GetScrollInfo(Handle(), Bar, &info);
        if (info.nMin == 0 && info.nMax == Max && static_cast<int>(info.nPage) == Page && info.nPos == Pos)
            return;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = Max;
        info.nPage = static_cast<UINT>(Page);
        info.nPos = Pos;
        SetScrollInfo(Handle(), Bar, &info, true);
    };
    if (vertBar_)
        apply(SB_VERT, layout_.RowCount() - 1, VisibleRows(), topRow_);
    if (horzBar_)
        apply(SB_HORZ, layout_.MaxWidth(), std::max(1, TextArea().Width()), scrollX_);
}

void TCustomEdit::UpdateCaret()
{
    if (!HandleAllocated() || GetFocus() != Handle())
        return;
    TPoint point = PointOfOffset(buffer_.Caret());
    int row = layout_.RowOf(buffer_.Caret());
    // Rows of different heights: the caret spans the one it is in.
    if (RowHeightOf(row) != caretHeight_) {
        TCaretState state;
        bool shown = GetCaretState(&state) && state.Owner == Handle() && state.Shown;
        MakeCaret();
        if (shown)
            ShowCaret(Handle());
    }
    // A caret scrolled out of the text area is put out of sight.
    if (row < topRow_ || row >= topRow_ + VisibleRows())
        point = Point(-RowHeight(), -RowHeight());
    SetCaretPos(point.X, point.Y);
    HIMC context = ImmGetContext(Handle());
    COMPOSITIONFORM form;
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = point;
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(Handle(), context);
}

void TCustomEdit::MakeCaret()
{
    caretHeight_ = RowHeightOf(layout_.RowOf(buffer_.Caret()));
    CreateCaret(Handle(), nullptr, 1, caretHeight_);
}

void TCustomEdit::InvalidateText()
{
    if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, false);
}
