// Pressing a caption button of the default frame: DefWindowProc's
// WM_NCLBUTTONDOWN on HTCLOSE, HTMINBUTTON or HTMAXBUTTON holds the mouse
// until the button comes up, showing the caption button held down while
// the mouse is over it. Released over it, the button sends its system
// command; released elsewhere, nothing happens.
#include "platform/win/capture.h"
#include "platform/win/frame_layout.h"
#include "platform/win/input_internal.h"
#include "platform/win/message_queue.h"
#include "platform/win/painting_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

TDefWindowProcHandler nextNcButtonDown = nullptr;

bool IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool OverButton(const TWindow& window, LRESULT hit, TPoint screen)
{
    TFrameLayout layout = WindowFrameLayout(window);
    const TRect& button = hit == HTCLOSE ? layout.CloseButton : hit == HTMAXBUTTON ? layout.MaxButton : layout.MinButton;
    TPoint origin = window.ScreenOrigin();
    return PtInRect(button, {screen.X - origin.X, screen.Y - origin.Y});
}

void ShowPressed(HWND handle, LRESULT hit)
{
    TWindow* window = WindowOf(handle);
    if (!window || PaintState(*window).PressedCaptionButton == hit)
        return;
    PaintState(*window).PressedCaptionButton = hit;
    SendMessage(handle, WM_NCPAINT, 1, 0);
}

WPARAM CommandOf(const TWindow& window, LRESULT hit)
{
    if (hit == HTCLOSE)
        return SC_CLOSE;
    if (hit == HTMINBUTTON)
        return (window.Style & WS_MINIMIZE) ? SC_RESTORE : SC_MINIMIZE;
    return (window.Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE;
}

// Answers whether the button came up over the caption button, and where.
bool Track(HWND handle, LRESULT hit, TPoint& screen)
{
    SetCapture(handle);
    ShowPressed(handle, hit);
    bool over = true;
    bool released = false;
    MSG msg;
    while (WindowOf(handle) && GetCapture() == handle) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TWindow* window = WindowOf(handle);
        if (window && msg.hwnd == handle && IsMouseMessage(msg.message)) {
            screen = msg.pt;
            over = OverButton(*window, hit, screen);
            ShowPressed(handle, over ? hit : 0);
            if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
                released = true;
                break;
            }
            continue;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    if (GetCapture() == handle)
        ReleaseCapture();
    ShowPressed(handle, 0);
    return released && over && WindowOf(handle);
}

LRESULT DefCaptionButtonDown(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto hit = static_cast<LRESULT>(wParam);
    if (!WindowOf(handle) || (hit != HTCLOSE && hit != HTMINBUTTON && hit != HTMAXBUTTON))
        return nextNcButtonDown ? nextNcButtonDown(handle, message, wParam, lParam) : 0;
    TPoint screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (Track(handle, hit, screen))
        SendMessage(handle, WM_SYSCOMMAND, CommandOf(*WindowOf(handle), hit), PointToLParam(screen.X, screen.Y));
    return 0;
}

}  // namespace

void InstallCaptionButtonHandlers()
{
    nextNcButtonDown = SetDefWindowProcHandler(WM_NCLBUTTONDOWN, DefCaptionButtonDown);
}
