// The edit window's mouse: placing the caret, selecting by dragging (with
// the text scrolling while the mouse is outside it), by double-clicking a
// word and by Shift+click; the scroll bars and the wheel.
#include "platform/ui/textedit/edit.h"
#include "platform/win/capture.h"
#include "platform/win/focus.h"
#include "platform/win/mouse_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"

namespace {

// Scrolls on while the mouse is held outside the text; the number is the
// timer's id, apart from the small ids controls built on the edit use.
constexpr UINT_PTR AutoScrollTimer = 0x4544;
constexpr UINT AutoScrollInterval = 100;
// Rows the wheel scrolls per notch.
constexpr int WheelRows = 3;

}  // namespace

bool TCustomEdit::MouseMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TAlive alive(this);
        if (GetFocus() != Handle()) {
            ::SetFocus(Handle());
            if (!alive)
                return true;
        }
        TPoint point = TWMMouse(Message).Pos();
        int at = OffsetAtPoint(point);
        trackWords_ = Message.Msg == WM_LBUTTONDBLCLK;
        if (trackWords_) {
            buffer_.WordAt(at, wordAnchorStart_, wordAnchorEnd_);
            SetSelection(wordAnchorStart_, wordAnchorEnd_);
        } else {
            MoveCaret(at, (Message.WParam & MK_SHIFT) != 0);
        }
        tracking_ = true;
        trackPoint_ = point;
        SetCapture(Handle());
        return true;
    }
    case WM_MOUSEMOVE:
        if (tracking_)
            TrackTo(TWMMouse(Message).Pos());
        return true;
    case WM_LBUTTONUP:
        if (tracking_)
            EndTracking();
        return true;
    case WM_RBUTTONDOWN:
        if (GetFocus() != Handle())
            ::SetFocus(Handle());
        return true;
    case WM_CAPTURECHANGED:
        tracking_ = false;
        KillTimer(Handle(), AutoScrollTimer);
        return false;
    case WM_TIMER:
        if (Message.WParam != AutoScrollTimer)
            return false;
        if (tracking_)
            TrackTo(trackPoint_);
        return true;
    default:
        return false;
    }
}

void TCustomEdit::TrackTo(TPoint Point)
{
    trackPoint_ = Point;
    TRect area = TextArea();
    bool outside = !PtInRect(area, Point);
    if (outside)
        SetTimer(Handle(), AutoScrollTimer, AutoScrollInterval);
    else
        KillTimer(Handle(), AutoScrollTimer);
    // Outside the text, the selection reaches one row or character past
    // the edge at a time, and the text scrolls to show it.
    const int row = RowAtY(std::clamp(Point.Y, area.Top - 1, RowTop(topRow_ + VisibleRows())));
    int at = OffsetInRow(row, std::clamp(Point.X, area.Left, area.Right - 1));
    const TEditRow& shown = layout_.Row(row);
    if (Point.X >= area.Right && !wrap_)
        at = std::min(buffer_.NextChar(at), shown.End());
    else if (Point.X < area.Left && !wrap_)
        at = std::max(buffer_.PrevChar(at), shown.Start);
    if (!trackWords_) {
        MoveCaret(at, true);
        return;
    }
    int start = 0;
    int end = 0;
    buffer_.WordAt(at, start, end);
    if (at < wordAnchorStart_)
        SetSelection(wordAnchorEnd_, start);
    else
        SetSelection(wordAnchorStart_, std::max(end, wordAnchorEnd_));
}

void TCustomEdit::EndTracking()
{
    if (!tracking_)
        return;
    tracking_ = false;
    KillTimer(Handle(), AutoScrollTimer);
    if (GetCapture() == Handle())
        ReleaseCapture();
}

void TCustomEdit::ScrollMessage(TMessage& Message, bool Vertical)
{
    const WORD code = LOWORD(Message.WParam);
    const int page = Vertical ? VisibleRows() : std::max(1, TextArea().Width());
    const int line = Vertical ? 1 : std::max(1, tabWidth_ / 8);
    int pos = Vertical ? topRow_ : scrollX_;
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), Vertical ? SB_VERT : SB_HORZ, &info);
        pos = info.nTrackPos;
        break;
    }
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = Vertical ? layout_.RowCount() : layout_.MaxWidth(); break;
    default: return;
    }
    if (Vertical)
        ScrollTo(pos, scrollX_);
    else
        ScrollTo(topRow_, pos);
}

bool TCustomEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    TAlive alive(this);
    if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos) || !alive)
        return true;
    if (!multiLine_)
        return false;
    ScrollRows(-WheelDelta * WheelRows / WHEEL_DELTA);
    return true;
}
