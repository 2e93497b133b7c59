// The default handling of the messages the window manager's core owns.
#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/win/backend.h"
#include "platform/win/frame_geometry.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

void StoreText(TWindow& window, const char* text)
{
    window.Text = text ? text : "";
    if (window.IsTopLevel())
        Backend().SetSurfaceTitle(window.Handle, window.Text);
}

LRESULT OnNcCreate(HWND hwnd, UINT, WPARAM, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    if (window && lParam)
        StoreText(*window, reinterpret_cast<const CREATESTRUCT*>(lParam)->lpszName);
    return 1;
}

LRESULT OnNcCalcSize(HWND hwnd, UINT, WPARAM wParam, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    if (!window || !lParam)
        return 0;
    TRect* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<TRect*>(lParam);
    *rect = DefaultClientRect(*rect, window->Style, window->ExStyle);
    return 0;
}

LRESULT OnText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    if (!window)
        return 0;
    switch (message) {
    case WM_SETTEXT:
        StoreText(*window, reinterpret_cast<const char*>(lParam));
        return 1;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->Text.size());
    default: {  // WM_GETTEXT
        if (wParam == 0 || !lParam)
            return 0;
        const AnsiString& text = window->Text;
        size_t count = std::min<size_t>(text.size(), wParam - 1);
        // Never leave a lead byte without its trail byte at the cut.
        if (count < text.size())
            count = CharStartOf(text, count);
        char* buffer = reinterpret_cast<char*>(lParam);
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
        return static_cast<LRESULT>(count);
    }
    }
}

LRESULT OnClose(HWND hwnd, UINT, WPARAM, LPARAM)
{
    DestroyWindow(hwnd);
    return 0;
}

// Sizable and overlapped windows keep within their WM_GETMINMAXINFO limits.
LRESULT OnWindowPosChanging(HWND hwnd, UINT, WPARAM, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!window || !pos || (pos->flags & SWP_NOSIZE))
        return 0;
    if (!(window->Style & WS_THICKFRAME) && (window->Style & (WS_POPUP | WS_CHILD)))
        return 0;
    MINMAXINFO info = GetMinMaxInfo(hwnd);
    pos->cx = std::clamp(pos->cx, info.ptMinTrackSize.X, info.ptMaxTrackSize.X);
    pos->cy = std::clamp(pos->cy, info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y);
    return 0;
}

LRESULT OnWindowPosChanged(HWND hwnd, UINT, WPARAM, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!window || !pos)
        return 0;
    UINT flags = pos->flags;
    if (!(flags & SWP_NOCLIENTMOVE)) {
        TPoint origin{window->Rect.Left + window->Client.Left, window->Rect.Top + window->Client.Top};
        SendMessage(hwnd, WM_MOVE, 0, PointToLParam(origin.X, origin.Y));
        window = WindowOf(hwnd);
        if (!window)
            return 0;
    }
    if (!(flags & SWP_NOCLIENTSIZE) || (flags & SWP_STATECHANGED)) {
        if (window->Style & WS_MINIMIZE) {
            SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
        } else {
            WPARAM kind = (window->Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
            SendMessage(hwnd, WM_SIZE, kind, PointToLParam(window->Client.Width(), window->Client.Height()));
        }
    }
    return 0;
}

// An owned popup follows its owner being minimized (lParam
// SW_PARENTCLOSING) and restored (SW_PARENTOPENING); a WM_SHOWWINDOW from
// ShowWindow itself (lParam 0) needs nothing.
LRESULT OnShowWindow(HWND hwnd, UINT, WPARAM wParam, LPARAM lParam)
{
    TWindow* window = WindowOf(hwnd);
    if (!window || !lParam || !(window->Style & WS_POPUP) || !window->Owner)
        return 0;
    bool visible = window->Style & WS_VISIBLE;
    if (visible == (wParam != 0))
        return 0;
    if (wParam && (window->Owner->Style & WS_MINIMIZE))
        return 0;
    ShowWindow(hwnd, wParam ? SW_SHOWNOACTIVATE : SW_HIDE);
    return 0;
}

}  // namespace

void InstallCoreDefaultHandlers(TDefWindowProcHandler* Table)
{
    Table[WM_NCCREATE] = OnNcCreate;
    Table[WM_NCCALCSIZE] = OnNcCalcSize;
    Table[WM_SETTEXT] = OnText;
    Table[WM_GETTEXT] = OnText;
    Table[WM_GETTEXTLENGTH] = OnText;
    Table[WM_CLOSE] = OnClose;
    Table[WM_WINDOWPOSCHANGING] = OnWindowPosChanging;
    Table[WM_WINDOWPOSCHANGED] = OnWindowPosChanged;
    Table[WM_SHOWWINDOW] = OnShowWindow;
}
