#include "platform/win/scroll_bars.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win/painting_internal.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

DWORD StyleOf(int bar)
{
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

TScrollBarState* BarOf(HWND window, int bar, TWindow** record)
{
    TWindow* w = WindowOf(window);
    if (!w || w->IsDesktop() || (bar != SB_HORZ && bar != SB_VERT))
        return nullptr;
    *record = w;
    return &PaintState(*w).Bars[bar];
}

// Shows or hides bars by style and lets the frame follow.
bool SetBarStyle(HWND window, DWORD bits, bool show)
{
    TWindow* w = WindowOf(window);
    if (!w)
        return false;
    DWORD style = show ? (w->Style | bits) : (w->Style & ~bits);
    if (style == w->Style)
        return true;
    w->Style = style;
    return SetWindowPos(window, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

int SetScrollInfo(HWND Window, int Bar, const SCROLLINFO* Info, bool Redraw)
{
    TWindow* window = nullptr;
    TScrollBarState* state = BarOf(Window, Bar, &window);
    if (!state || !Info)
        return 0;
    PaintState(*window).BarsSet[Bar] = true;
    UINT mask = Info->fMask;
    if (mask & SIF_PAGE)
        state->Page = static_cast<int>(std::min<UINT>(Info->nPage, std::numeric_limits<int>::max()));
    if (mask & SIF_RANGE) {
        int64_t width = int64_t(Info->nMax) - Info->nMin;
        bool valid = width >= 0 && width <= std::numeric_limits<int>::max();
        state->Min = valid ? Info->nMin : 0;
        state->Max = valid ? Info->nMax : 0;
    }
    state->Page = static_cast<int>(std::clamp<int64_t>(state->Page, 0, int64_t(state->Max) - state->Min + 1));
    if (mask & SIF_POS)
        state->Pos = Info->nPos;
    state->Pos = std::clamp(state->Pos, state->Min, std::max(state->MaxPos(), state->Min));
    int result = state->Pos;

    // A bar with nothing to scroll goes away, or only greys out.
    int show = -1;
    if (mask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
        if (!state->CanScroll()) {
            if (mask & SIF_DISABLENOSCROLL)
                state->Disabled = ESB_DISABLE_BOTH;
            else
                show = 0;
        } else if (mask != SIF_PAGE) {
            state->Disabled = ESB_ENABLE_BOTH;
            show = 1;
        }
    }
    bool visible = window->Style & StyleOf(Bar);
    if (show >= 0 && visible != (show == 1))
        SetBarStyle(Window, StyleOf(Bar), show == 1);
    else if (Redraw && visible)
        RedrawScrollBar(*window, Bar);
    return result;
}

bool GetScrollInfo(HWND Window, int Bar, SCROLLINFO* Info)
{
    TWindow* window = nullptr;
    TScrollBarState* state = BarOf(Window, Bar, &window);
    if (!state || !Info || (!(window->Style & StyleOf(Bar)) && !PaintState(*window).BarsSet[Bar]))
        return false;
    UINT mask = Info->fMask;
    if (mask & SIF_RANGE) {
        Info->nMin = state->Min;
        Info->nMax = state->Max;
    }
    if (mask & SIF_PAGE)
        Info->nPage = static_cast<UINT>(state->Page);
    if (mask & SIF_POS)
        Info->nPos = state->Pos;
    if (mask & SIF_TRACKPOS)
        Info->nTrackPos = state->Tracking ? state->TrackPos : state->Pos;
    return (mask & SIF_ALL) != 0;
}

int GetScrollPos(HWND Window, int Bar)
{
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(Window, Bar, &info) ? info.nPos : 0;
}

int SetScrollPos(HWND Window, int Bar, int Pos, bool Redraw)
{
    TWindow* window = nullptr;
    TScrollBarState* state = BarOf(Window, Bar, &window);
    if (!state)
        return 0;
    int old = state->Pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = Pos;
    SetScrollInfo(Window, Bar, &info, Redraw);
    return old;
}

bool GetScrollRange(HWND Window, int Bar, int* Min, int* Max)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    bool known = GetScrollInfo(Window, Bar, &info);
    if (Min)
        *Min = known ? info.nMin : 0;
    if (Max)
        *Max = known ? info.nMax : 0;
    return known;
}

bool SetScrollRange(HWND Window, int Bar, int Min, int Max, bool Redraw)
{
    if (int64_t(Max) - Min > std::numeric_limits<int>::max())
        return false;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = Min;
    info.nMax = Max;
    TWindow* window = nullptr;
    if (!BarOf(Window, Bar, &window))
        return false;
    SetScrollInfo(Window, Bar, &info, Redraw);
    return true;
}

bool ShowScrollBar(HWND Window, int Bar, bool Show)
{
    if (Bar != SB_HORZ && Bar != SB_VERT && Bar != SB_BOTH)
        return false;
    DWORD bits = Bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleOf(Bar);
    return SetBarStyle(Window, bits, Show);
}

bool EnableScrollBar(HWND Window, UINT Bar, UINT Arrows)
{
    bool changed = false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (Bar != SB_BOTH && Bar != static_cast<UINT>(bar))
            continue;
        TWindow* window = nullptr;
        TScrollBarState* state = BarOf(Window, bar, &window);
        if (!state)
            return false;
        UINT arrows = Arrows & ESB_DISABLE_BOTH;
        if (state->Disabled == arrows)
            continue;
        state->Disabled = arrows;
        changed = true;
        if (window->Style & StyleOf(bar))
            RedrawScrollBar(*window, bar);
    }
    return changed;
}
