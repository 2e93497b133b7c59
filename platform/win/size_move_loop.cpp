// The move/size loop: DefWindowProc's WM_SYSCOMMAND SC_MOVE and SC_SIZE
// take the mouse and run a message loop of their own until the button goes
// up, Enter or Escape is pressed, or the capture is lost. The window hears
// WM_ENTERSIZEMOVE, then for each step WM_MOVING or WM_SIZING with the
// proposed rectangle in screen coordinates (which it may change), moves
// through SetWindowPos (in its parent's client coordinates for a child
// window), and at the end WM_EXITSIZEMOVE. Escape puts it back where it
// started. Without full-window drag it moves only once, at the end.
#include <algorithm>

#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/input_internal.h"
#include "platform/win/keyboard.h"
#include "platform/win/message_queue.h"
#include "platform/win/system_parameters.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// How far one arrow key moves the cursor.
constexpr int KeyboardStep = 8;

class TSizeMoveLoop {
public:
    TSizeMoveLoop(HWND window, WPARAM command, TPoint start) : window_(window)
    {
        sizing_ = (command & 0xFFF0) == SC_SIZE;
        WPARAM low = command & 0x000F;
        bool byMouse = sizing_ ? (low >= WMSZ_LEFT && low <= WMSZ_BOTTOMRIGHT) : low == HTCAPTION;
        // Sizing from the keyboard takes the bottom-right corner.
        edge_ = sizing_ ? (byMouse ? low : WMSZ_BOTTOMRIGHT) : 0;
        origin_ = byMouse ? start : InputState().Cursor;
    }

    void Run()
    {
        SetCapture(window_);
        SendMessage(window_, WM_ENTERSIZEMOVE, 0, 0);
        if (!IsWindow(window_))
            return;
        limits_ = GetMinMaxInfo(window_);
        GetWindowRect(window_, &start_);
        current_ = start_;
        SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag_, 0);
        bool cancelled = false;
        if (!Loop(cancelled))
            return;  // the window is gone
        if (cancelled && current_ != start_)
            Place(start_);
        else if (!cancelled && !fullDrag_ && current_ != start_)
            Place(current_);
        if (!IsWindow(window_))
            return;
        if (GetCapture() == window_)
            ReleaseCapture();
        SendMessage(window_, WM_EXITSIZEMOVE, 0, 0);
    }

private:
    // Answers false when the window went away meanwhile.
    bool Loop(bool& cancelled)
    {
        TPoint cursor = origin_;
        for (;;) {
            MSG msg;
            if (!GetMessage(&msg, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return IsWindow(window_);
            }
            if (!IsWindow(window_))
                return false;
            if (msg.message == WM_LBUTTONUP) {
                if (!(msg.pt == cursor))
                    Step(msg.pt);
                return IsWindow(window_);
            }
            if (msg.message == WM_MOUSEMOVE) {
                cursor = msg.pt;
            } else if (msg.message == WM_KEYDOWN) {
                if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
                    cancelled = msg.wParam == VK_ESCAPE;
                    return true;
                }
                if (!ArrowStep(msg.wParam, cursor))
                    continue;
                SetCursorPos(cursor.X, cursor.Y);
            } else {
                TranslateMessage(msg);
                DispatchMessage(msg);
                if (!IsWindow(window_))
                    return false;
                if (GetCapture() != window_)
                    return true;
                continue;
            }
            Step(cursor);
            if (!IsWindow(window_))
                return false;
            if (GetCapture() != window_)
                return true;
        }
    }

    static bool ArrowStep(WPARAM key, TPoint& cursor)
    {
        switch (key) {
        case VK_LEFT: cursor.X -= KeyboardStep; return true;
        case VK_RIGHT: cursor.X += KeyboardStep; return true;
        case VK_UP: cursor.Y -= KeyboardStep; return true;
        case VK_DOWN: cursor.Y += KeyboardStep; return true;
        default: return false;
        }
    }

    void Step(TPoint cursor)
    {
        int dx = cursor.X - origin_.X;
        int dy = cursor.Y - origin_.Y;
        TRect proposed = start_;
        if (sizing_) {
            Resize(proposed, dx, dy);
            SendMessage(window_, WM_SIZING, edge_, reinterpret_cast<LPARAM>(&proposed));
        } else {
            OffsetRect(proposed, dx, dy);
            SendMessage(window_, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
        }
        if (proposed == current_ || !IsWindow(window_))
            return;
        current_ = proposed;
        if (fullDrag_)
            Place(current_);
    }

    // Moves the dragged edges, keeping the size within the window's limits.
    void Resize(TRect& r, int dx, int dy) const
    {
        bool left = edge_ == WMSZ_LEFT || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_BOTTOMLEFT;
        bool right = edge_ == WMSZ_RIGHT || edge_ == WMSZ_TOPRIGHT || edge_ == WMSZ_BOTTOMRIGHT;
        bool top = edge_ == WMSZ_TOP || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_TOPRIGHT;
        bool bottom = edge_ == WMSZ_BOTTOM || edge_ == WMSZ_BOTTOMLEFT || edge_ == WMSZ_BOTTOMRIGHT;
        const TPoint& min = limits_.ptMinTrackSize;
        const TPoint& max = limits_.ptMaxTrackSize;
        if (left)
            r.Left = std::clamp(start_.Left + dx, start_.Right - max.X, start_.Right - min.X);
        if (right)
            r.Right = std::clamp(start_.Right + dx, start_.Left + min.X, start_.Left + max.X);
        if (top)
            r.Top = std::clamp(start_.Top + dy, start_.Bottom - max.Y, start_.Bottom - min.Y);
        if (bottom)
            r.Bottom = std::clamp(start_.Bottom + dy, start_.Top + min.Y, start_.Top + max.Y);
    }

    void Place(const TRect& screenRect)
    {
        TPoint topLeft = screenRect.TopLeft();
        TWindow* window = WindowOf(window_);
        if (!window)
            return;
        if (!window->IsTopLevel())
            ScreenToClient(window->Parent->Handle, &topLeft);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (sizing_ ? 0u : UINT(SWP_NOSIZE));
        SetWindowPos(window_, nullptr, topLeft.X, topLeft.Y, screenRect.Width(), screenRect.Height(), flags);
    }

    HWND window_;
    bool sizing_ = false;
    WPARAM edge_ = 0;       // WMSZ_ edge being dragged
    TPoint origin_;         // where the drag started, on the screen
    TRect start_;           // the window rectangle then, on the screen
    TRect current_;         // the rectangle reached so far
    MINMAXINFO limits_;
    bool fullDrag_ = true;  // the window follows every step
};

}  // namespace

void RunSizeMoveLoop(HWND Window, WPARAM Command, TPoint Start)
{
    TWindow* window = WindowOf(Window);
    // A minimized or maximized window stays where it is.
    if (!window || window->IsDesktop() || (window->Style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return;
    TSizeMoveLoop(Window, Command, Start).Run();
}
