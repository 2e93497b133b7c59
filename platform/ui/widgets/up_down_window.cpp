// The "msctls_updown32" window procedure: the range, the position and the
// step of each window, the arrows drawn flat, and a held arrow that
// repeats from a timer while the mouse stays on it.
#include "platform/ui/widgets/up_down_window.h"

#include <algorithm>
#include <unordered_map>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/mouse_input.h"
#include "platform/win/paint.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/timers.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

// A held arrow waits this long before it repeats, then repeats this often.
constexpr UINT FirstRepeatDelay = 400;
constexpr UINT RepeatDelay = 100;
constexpr UINT_PTR RepeatTimer = 1;

struct TUpDownState {
    int Low = 0;
    int High = 100;
    int Pos = 0;  // always between Low and High
    int Increment = 1;
    int Held = 0;     // the arrow the left button went down on, 0 when none
    bool Over = false;  // the mouse is on the held arrow, so it repeats
};

std::unordered_map<HWND, TUpDownState>& UpDownStates()
{
    static std::unordered_map<HWND, TUpDownState> states;
    return states;
}

bool Horizontal(HWND Window) { return (GetWindowLong(Window, GWL_STYLE) & UDS_HORZ) != 0; }

int Clamp(const TUpDownState& S, int Value)
{
    int low = std::min(S.Low, S.High), high = std::max(S.Low, S.High);
    return std::clamp(Value, low, high);
}

TSize ClientSize(HWND Window)
{
    TRect client;
    GetClientRect(Window, &client);
    return {client.Width(), client.Height()};
}

// One step of the held arrow; the parent hears of it when the position moved.
void Step(HWND Window, TUpDownState& S, int Arrow)
{
    // The up arrow walks towards the high end, wherever that lies.
    int direction = S.High >= S.Low ? Arrow : -Arrow;
    long long next = static_cast<long long>(S.Pos) + static_cast<long long>(direction) * S.Increment;
    int low = std::min(S.Low, S.High), high = std::max(S.Low, S.High);
    bool wrap = (GetWindowLong(Window, GWL_STYLE) & UDS_WRAP) != 0;
    if (next > high)
        next = wrap ? low : high;
    else if (next < low)
        next = wrap ? high : low;
    if (next == S.Pos)
        return;
    S.Pos = static_cast<int>(next);
    InvalidateRect(Window, nullptr, false);
    UINT message = Horizontal(Window) ? WM_HSCROLL : WM_VSCROLL;
    SendMessage(GetParent(Window), message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(S.Pos)),
                reinterpret_cast<LPARAM>(Window));
}

void EndPress(HWND Window, TUpDownState& S)
{
    if (!S.Held)
        return;
    S.Held = 0;
    S.Over = false;
    KillTimer(Window, RepeatTimer);
    InvalidateRect(Window, nullptr, false);
    UINT message = Horizontal(Window) ? WM_HSCROLL : WM_VSCROLL;
    SendMessage(GetParent(Window), message, MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(S.Pos)),
                reinterpret_cast<LPARAM>(Window));
}

void Paint(HWND Window, HDC DC, const TUpDownState& S)
{
    TCanvas canvas;
    canvas.SetHandle(DC);
    TSize size = ClientSize(Window);
    bool horizontal = Horizontal(Window);
    bool enabled = (GetWindowLong(Window, GWL_STYLE) & WS_DISABLED) == 0;
    for (int arrow : {1, -1}) {
        TRect part;
        if (horizontal)
            part = arrow > 0 ? TRect{size.cx / 2, 0, size.cx, size.cy} : TRect{0, 0, size.cx / 2, size.cy};
        else
            part = arrow > 0 ? TRect{0, 0, size.cx, size.cy / 2} : TRect{0, size.cy / 2, size.cx, size.cy};
        TFlatState state;
        state.Pressed = S.Held == arrow && S.Over;
        state.Disabled = !enabled;
        TRect face = DrawFlatButtonFace(&canvas, part, state);
        TArrowGlyph glyph = horizontal ? (arrow > 0 ? TArrowGlyph::Right : TArrowGlyph::Left)
                                       : (arrow > 0 ? TArrowGlyph::Up : TArrowGlyph::Down);
        DrawFlatArrow(&canvas, face, glyph, enabled);
    }
    canvas.SetHandle(nullptr);
}

LRESULT UpDownProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_NCDESTROY) {
        UpDownStates().erase(Window);
        return DefWindowProc(Window, Msg, WParam, LParam);
    }
    TUpDownState& S = UpDownStates()[Window];
    switch (Msg) {
    case UDM_SETRANGE32:
        S.Low = static_cast<int>(WParam);
        S.High = static_cast<int>(LParam);
        S.Pos = Clamp(S, S.Pos);
        InvalidateRect(Window, nullptr, false);
        return 0;
    case UDM_GETRANGE32:
        if (WParam)
            *reinterpret_cast<int*>(WParam) = S.Low;
        if (LParam)
            *reinterpret_cast<int*>(LParam) = S.High;
        return 0;
    case UDM_SETPOS32: {
        int old = S.Pos;
        S.Pos = Clamp(S, static_cast<int>(LParam));
        return old;
    }
    case UDM_GETPOS32:
        return S.Pos;
    case UDM_SETACCEL:
        if (WParam >= 1 && LParam)
            S.Increment = static_cast<int>(reinterpret_cast<const UDACCEL*>(LParam)->nInc);
        return 1;
    // A quick second click is one more press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        int arrow = UpDownArrowAt(ClientSize(Window), Horizontal(Window), {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
        if (!arrow)
            return 0;
        SetCapture(Window);
        S.Held = arrow;
        S.Over = true;
        Step(Window, S, arrow);
        SetTimer(Window, RepeatTimer, FirstRepeatDelay);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (S.Held) {
            bool over = UpDownArrowAt(ClientSize(Window), Horizontal(Window),
                                      {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)}) == S.Held;
            if (over != S.Over) {
                S.Over = over;
                InvalidateRect(Window, nullptr, false);
            }
        }
        return 0;
    case WM_TIMER:
        if (WParam == RepeatTimer && S.Held) {
            if (S.Over)
                Step(Window, S, S.Held);
            SetTimer(Window, RepeatTimer, RepeatDelay);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == Window)
            ReleaseCapture();
        EndPress(Window, S);
        return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        EndPress(Window, S);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintOnGivenOrOwnDC(Window, WParam, [&](HDC DC) { Paint(Window, DC, S); });
    default:
        return DefWindowProc(Window, Msg, WParam, LParam);
    }
}

}  // namespace

bool RegisterUpDownClass()
{
    if (FindWindowClass(UPDOWN_CLASS))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WNDPROC(&UpDownProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = UPDOWN_CLASS;
    return RegisterClass(windowClass) != 0;
}

int UpDownArrowAt(TSize Size, bool Horizontal, TPoint Point)
{
    if (Point.X < 0 || Point.Y < 0 || Point.X >= Size.cx || Point.Y >= Size.cy)
        return 0;
    if (Horizontal)
        return Point.X >= Size.cx / 2 ? 1 : -1;
    return Point.Y < Size.cy / 2 ? 1 : -1;
}
