// Pressing a window's scroll bar: DefWindowProc's WM_NCLBUTTONDOWN on
// HTVSCROLL and HTHSCROLL runs a local message loop with the mouse
// captured until the button comes up. Arrows and page areas scroll once at
// once and then repeat from a timer while the mouse stays on them (a page
// area until the thumb reaches the mouse); dragging the thumb sends
// SB_THUMBTRACK as its position changes and SB_THUMBPOSITION at the end.
// Every press ends with SB_ENDSCROLL.
#include "platform/win/capture.h"
#include "platform/win/frame_layout.h"
#include "platform/win/message_queue.h"
#include "platform/win/painting_internal.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

using THandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
THandler nextHandler = nullptr;

// The timer of the repeat; an id no window picks for itself.
constexpr UINT_PTR RepeatTimer = 0xFFFF5C01;
constexpr UINT FirstRepeatDelay = 200;
constexpr UINT RepeatDelay = 50;

WORD CodeOf(TScrollBarPart part)
{
    switch (part) {
    case TScrollBarPart::LineUp:
        return SB_LINEUP;
    case TScrollBarPart::LineDown:
        return SB_LINEDOWN;
    case TScrollBarPart::PageUp:
        return SB_PAGEUP;
    default:
        return SB_PAGEDOWN;
    }
}

bool IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

class TScrollBarTracker {
public:
    TScrollBarTracker(HWND window, int bar) : window_(window), bar_(bar) {}

    void Run(TPoint screen)
    {
        TWindow* window = WindowOf(window_);
        if (!window)
            return;
        TPoint origin = window->ScreenOrigin();
        mouse_ = {screen.X - origin.X, screen.Y - origin.Y};
        TScrollBarState& state = State(*window);
        TScrollBarLayout layout = Layout(*window);
        part_ = ScrollBarPartAt(layout, mouse_);
        if (part_ == TScrollBarPart::None || !Enabled(state))
            return;
        SetCapture(window_);
        if (part_ == TScrollBarPart::Thumb) {
            grab_ = Along(mouse_) - Along(layout.Thumb.TopLeft());
            state.Tracking = true;
            state.TrackPos = state.Pos;
        } else {
            PaintState(*window).Pressed[bar_] = part_;
            RedrawScrollBar(*window, bar_);
            Send(CodeOf(part_), 0);
            SetTimer(window_, RepeatTimer, FirstRepeatDelay);
        }
        Loop();
        Finish();
    }

private:
    TScrollBarState& State(TWindow& window) { return PaintState(window).Bars[bar_]; }
    bool Vertical() const { return bar_ == SB_VERT; }
    int Along(TPoint p) const { return Vertical() ? p.Y : p.X; }
    UINT Message() const { return Vertical() ? WM_VSCROLL : WM_HSCROLL; }

    TScrollBarLayout Layout(TWindow& window)
    {
        TFrameLayout frame = WindowFrameLayout(window);
        return LayoutScrollBar(Vertical() ? frame.VScroll : frame.HScroll, Vertical(), State(window));
    }

    bool Enabled(const TScrollBarState& state) const
    {
        if (!state.CanScroll() || state.Disabled == ESB_DISABLE_BOTH)
            return false;
        if (part_ == TScrollBarPart::LineUp)
            return !(state.Disabled & ESB_DISABLE_LTUP);
        if (part_ == TScrollBarPart::LineDown)
            return !(state.Disabled & ESB_DISABLE_RTDN);
        return true;
    }

    void Send(WORD code, int pos)
    {
        SendMessage(window_, Message(), MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
    }

    // The mouse point of a message in window coordinates.
    TPoint PointOf(const MSG& msg, const TWindow& window) const
    {
        TPoint p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        if (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK) {
            TPoint origin = window.ScreenOrigin();
            return {p.X - origin.X, p.Y - origin.Y};
        }
        return {p.X + window.Client.Left, p.Y + window.Client.Top};
    }

    void Loop()
    {
        MSG msg;
        while (WindowOf(window_) && GetCapture() == window_) {
            if (!GetMessage(&msg, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TWindow* window = WindowOf(window_);
            if (window && msg.hwnd == window_ && IsMouseMessage(msg.message)) {
                mouse_ = PointOf(msg, *window);
                if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP)
                    return;
                if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)
                    MouseMoved(*window);
                continue;
            }
            if (window && msg.message == WM_TIMER && msg.hwnd == window_ && msg.wParam == RepeatTimer) {
                Repeat(*window);
                continue;
            }
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }

    void MouseMoved(TWindow& window)
    {
        TScrollBarLayout layout = Layout(window);
        if (part_ != TScrollBarPart::Thumb) {
            // The pressed look follows the mouse on and off the part.
            TScrollBarPart shown = ScrollBarPartAt(layout, mouse_) == part_ ? part_ : TScrollBarPart::None;
            if (PaintState(window).Pressed[bar_] != shown) {
                PaintState(window).Pressed[bar_] = shown;
                RedrawScrollBar(window, bar_);
            }
            return;
        }
        TScrollBarState& state = State(window);
        int offset = Along(mouse_) - grab_ - Along(layout.Track.TopLeft());
        int pos = ThumbOffsetToPos(layout, state, offset);
        if (pos == state.TrackPos)
            return;
        state.TrackPos = pos;
        RedrawScrollBar(window, bar_);
        Send(SB_THUMBTRACK, pos);
    }

    void Repeat(TWindow& window)
    {
        if (ScrollBarPartAt(Layout(window), mouse_) == part_ && Enabled(State(window)))
            Send(CodeOf(part_), 0);
        if (WindowOf(window_))
            SetTimer(window_, RepeatTimer, RepeatDelay);
    }

    void Finish()
    {
        KillTimer(window_, RepeatTimer);
        if (TWindow* window = WindowOf(window_); window && part_ == TScrollBarPart::Thumb)
            Send(SB_THUMBPOSITION, State(*window).TrackPos);
        if (WindowOf(window_))
            Send(SB_ENDSCROLL, 0);
        if (TWindow* window = WindowOf(window_)) {
            State(*window).Tracking = false;
            PaintState(*window).Pressed[bar_] = TScrollBarPart::None;
            RedrawScrollBar(*window, bar_);
        }
        if (GetCapture() == window_)
            ReleaseCapture();
    }

    HWND window_;
    int bar_;
    TScrollBarPart part_ = TScrollBarPart::None;
    TPoint mouse_;   // window coordinates
    int grab_ = 0;   // where on the thumb it was taken, from its leading edge
};

}  // namespace

void SetNextNcButtonDownHandler(THandler Next)
{
    nextHandler = Next;
}

LRESULT DefScrollBarButtonDown(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (WParam != HTVSCROLL && WParam != HTHSCROLL)
        return nextHandler ? nextHandler(Window, Message, WParam, LParam) : 0;
    TScrollBarTracker(Window, WParam == HTVSCROLL ? SB_VERT : SB_HORZ)
        .Run({GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
    return 0;
}
