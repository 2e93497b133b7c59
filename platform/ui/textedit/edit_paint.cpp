// Painting the edit window: the background with the brush the parent
// answers to WM_CTLCOLOREDIT or WM_CTLCOLORSTATIC (none for NULL_BRUSH),
// then the visible rows, the selection in the highlight colours.
#include "platform/gdi/clipping.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/stock_objects.h"
#include "platform/gdi/text_out.h"
#include "platform/base/code_page.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/focus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_tree.h"

void TCustomEdit::PaintEdit(HDC DC)
{
    HWND window = Handle();
    const bool enabled = IsWindowEnabled(window);
    const int saved = SaveDC(DC);
    SelectObject(DC, EditFont());
    SetTextColor(DC, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(DC, GetSysColor(COLOR_WINDOW));
    SetBkMode(DC, OPAQUE);
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(window)) {
        UINT ask = readOnly_ || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        brush = reinterpret_cast<HBRUSH>(
            SendMessage(parent, ask, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(window)));
    }
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_WINDOW + 1));
    TRect client;
    GetClientRect(window, &client);
    if (brush != reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH)))
        FillRect(DC, &client, brush);
    if (!enabled)
        SetTextColor(DC, GetSysColor(COLOR_GRAYTEXT));
    TRect area = TextArea();
    IntersectClipRect(DC, area.Left, area.Top, area.Right, area.Bottom);
    std::vector<int> xs;
    const int last = std::min(layout_.RowCount(), topRow_ + VisibleRows() + 1);
    for (int row = topRow_; row < last; ++row)
        PaintRow(DC, row, area, xs);
    RestoreDC(DC, saved);
}

void TCustomEdit::PaintRow(HDC DC, int Row, const TRect& Area, std::vector<int>& Xs)
{
    const TEditRow& row = layout_.Row(Row);
    RowOffsets(Row, Xs);
    const int x = RowLeft(Row);
    const int y = RowTop(Row);
    if (y >= Area.Bottom)
        return;
    std::string_view text = std::string_view(buffer_.Text()).substr(static_cast<size_t>(row.Start),
                                                                     static_cast<size_t>(row.Length));
    const bool password = passwordChar_ != '\0' && !multiLine_;
    auto draw = [&](bool onHighlight) {
        if (password) {
            std::string shown;
            for (size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
                shown += passwordChar_;
            TextOut(DC, x, y, shown.data(), static_cast<int>(shown.size()));
            return;
        }
        // Tabs move the text on to the next stop.
        for (size_t at = 0; at < text.size();) {
            if (text[at] == '\t') {
                ++at;
                continue;
            }
            size_t end = std::min(text.find('\t', at), text.size());
            DrawTextPiece(DC, Row, row.Start + static_cast<int>(at), text.substr(at, end - at), x + Xs[at], y, onHighlight);
            at = end;
        }
    };
    draw(false);
    const bool showSelection = buffer_.HasSelection() && (noHideSel_ || GetFocus() == Handle());
    const int from = std::max(buffer_.SelStart(), row.Start) - row.Start;
    const int to = std::min(buffer_.SelEnd(), row.End()) - row.Start;
    if (!showSelection || from >= to)
        return;
    const int saved = SaveDC(DC);
    TRect selected = Rect(x + Xs[static_cast<size_t>(from)], y, x + Xs[static_cast<size_t>(to)], y + RowHeightOf(Row));
    IntersectClipRect(DC, selected.Left, selected.Top, selected.Right, selected.Bottom);
    FillRect(DC, &selected, reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_HIGHLIGHT + 1)));
    SetTextColor(DC, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkMode(DC, TRANSPARENT);
    draw(true);
    RestoreDC(DC, saved);
}

void TCustomEdit::DrawTextPiece(HDC DC, int, int, std::string_view Text, int X, int Y, bool)
{
    TextOut(DC, X, Y, Text.data(), static_cast<int>(Text.size()));
}
