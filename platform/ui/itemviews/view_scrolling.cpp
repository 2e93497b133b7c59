// The bars a scrolling view keeps, and the position a scroll-bar message
// asks of it.
#include "platform/ui/itemviews/view_scrolling.h"

#include "platform/win/scroll_bars.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"

void TWantedScrollBars::Take(DWORD Style)
{
    Vertical = (Style & WS_VSCROLL) != 0;
    Horizontal = (Style & WS_HSCROLL) != 0;
}

void TWantedScrollBars::HideUnwanted(HWND Window) const
{
    const DWORD style = GetWindowLong(Window, GWL_STYLE);
    if (!Vertical && (style & WS_VSCROLL))
        ShowScrollBar(Window, SB_VERT, false);
    if (!Horizontal && (style & WS_HSCROLL))
        ShowScrollBar(Window, SB_HORZ, false);
}

std::optional<int> ScrollTarget(HWND Window, int Bar, WORD Code, WORD Position, const TScrollSteps& Steps,
                                const std::function<int()>& Bottom)
{
    switch (Code) {
    case SB_LINEUP: return Steps.Current - Steps.Line;
    case SB_LINEDOWN: return Steps.Current + Steps.Line;
    case SB_PAGEUP: return Steps.Current - Steps.Page;
    case SB_PAGEDOWN: return Steps.Current + Steps.Page;
    case SB_THUMBTRACK: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        return GetScrollInfo(Window, Bar, &info) ? info.nTrackPos : Position;
    }
    case SB_THUMBPOSITION: {
        // A caller that wrote the full position into the scroll information
        // first (as a bar of its own does for a long view) is believed when
        // its low 16 bits agree with the message.
        SCROLLINFO info;
        info.fMask = SIF_POS;
        if (GetScrollInfo(Window, Bar, &info) && (info.nPos & 0xFFFF) == Position)
            return info.nPos;
        return Position;
    }
    case SB_TOP: return 0;
    case SB_BOTTOM: return Bottom();
    default: return std::nullopt;
    }
}
