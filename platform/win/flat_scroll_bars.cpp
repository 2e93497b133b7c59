#include "platform/win/flat_scroll_bars.h"

#include "platform/win/painting_internal.h"

namespace {

void RedrawBars(TWindow& window)
{
    RedrawScrollBar(window, SB_HORZ);
    RedrawScrollBar(window, SB_VERT);
}

}  // namespace

bool InitializeFlatSB(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    PaintState(*window).FlatBars = true;
    return true;
}

bool UninitializeFlatSB(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || !PaintState(*window).FlatBars)
        return false;
    TPaintState& state = PaintState(*window);
    state.FlatBars = false;
    state.FlatStyle[SB_HORZ] = state.FlatStyle[SB_VERT] = FSB_REGULAR_MODE;
    RedrawBars(*window);
    return true;
}

bool FlatSB_GetScrollInfo(HWND Window, int Bar, SCROLLINFO* Info)
{
    return GetScrollInfo(Window, Bar, Info);
}

int FlatSB_SetScrollInfo(HWND Window, int Bar, const SCROLLINFO* Info, bool Redraw)
{
    return SetScrollInfo(Window, Bar, Info, Redraw);
}

bool FlatSB_EnableScrollBar(HWND Window, int Bar, UINT Arrows)
{
    return EnableScrollBar(Window, static_cast<UINT>(Bar), Arrows);
}

bool FlatSB_ShowScrollBar(HWND Window, int Bar, bool Show)
{
    return ShowScrollBar(Window, Bar, Show);
}

bool FlatSB_SetScrollProp(HWND Window, UINT Index, intptr_t Value, bool Redraw)
{
    TWindow* window = WindowOf(Window);
    if (!window || !PaintState(*window).FlatBars)
        return false;
    TPaintState& state = PaintState(*window);
    if (Index == WSB_PROP_VSTYLE)
        state.FlatStyle[SB_VERT] = static_cast<int>(Value);
    else if (Index == WSB_PROP_HSTYLE)
        state.FlatStyle[SB_HORZ] = static_cast<int>(Value);
    if (Redraw)
        RedrawBars(*window);
    return true;
}
