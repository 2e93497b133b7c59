#include "platform/win/scroll_bar_info.h"

#include "platform/win/frame_layout.h"
#include "platform/win/painting_internal.h"
#include "platform/win/scroll_bars.h"

namespace {

int PartIndex(TScrollBarPart Part)
{
    switch (Part) {
    case TScrollBarPart::LineUp:
        return SBI_LINE_UP;
    case TScrollBarPart::PageUp:
        return SBI_PAGE_UP;
    case TScrollBarPart::Thumb:
        return SBI_THUMB;
    case TScrollBarPart::PageDown:
        return SBI_PAGE_DOWN;
    case TScrollBarPart::LineDown:
        return SBI_LINE_DOWN;
    default:
        return -1;
    }
}

}  // namespace

bool GetScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO* Info)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop() || !Info || Info->cbSize != sizeof(SCROLLBARINFO))
        return false;
    if (ObjectId != OBJID_VSCROLL && ObjectId != OBJID_HSCROLL)
        return false;
    int bar = ObjectId == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
    bool vertical = bar == SB_VERT;

    *Info = SCROLLBARINFO{};
    TFrameLayout frame = WindowFrameLayout(*window);
    TRect rect = vertical ? frame.VScroll : frame.HScroll;
    // The layout leaves the rectangle empty when the style is off or the
    // frame has no room for the bar.
    if (IsRectEmpty(rect)) {
        Info->rgstate[SBI_BAR] = STATE_SYSTEM_INVISIBLE;
        return true;
    }

    TPaintState& paint = PaintState(*window);
    const TScrollBarState& state = paint.Bars[bar];
    TScrollBarLayout layout = LayoutScrollBar(rect, vertical, state);
    TPoint origin = window->ScreenOrigin();
    Info->rcScrollBar = rect;
    OffsetRect(Info->rcScrollBar, origin.X, origin.Y);
    int start = vertical ? rect.Top : rect.Left;
    Info->dxyLineButton = vertical ? layout.UpArrow.Height() : layout.UpArrow.Width();

    // Painting greys out a bar with nothing to scroll as it does a disabled
    // one, and draws no thumb on either.
    bool available = state.CanScroll() && state.Disabled != ESB_DISABLE_BOTH;
    bool thumbShown = available && !IsRectEmpty(layout.Thumb);
    if (thumbShown) {
        Info->xyThumbTop = (vertical ? layout.Thumb.Top : layout.Thumb.Left) - start;
        Info->xyThumbBottom = (vertical ? layout.Thumb.Bottom : layout.Thumb.Right) - start;
    }
    if (!available)
        Info->rgstate[SBI_BAR] = STATE_SYSTEM_UNAVAILABLE;
    if (!available || (state.Disabled & ESB_DISABLE_LTUP))
        Info->rgstate[SBI_LINE_UP] = STATE_SYSTEM_UNAVAILABLE;
    if (!available || (state.Disabled & ESB_DISABLE_RTDN))
        Info->rgstate[SBI_LINE_DOWN] = STATE_SYSTEM_UNAVAILABLE;
    if (!thumbShown)
        for (int part : {SBI_PAGE_UP, SBI_THUMB, SBI_PAGE_DOWN})
            Info->rgstate[part] = STATE_SYSTEM_INVISIBLE;
    if (int pressed = PartIndex(paint.Pressed[bar]); pressed >= 0)
        Info->rgstate[pressed] |= STATE_SYSTEM_PRESSED;
    return true;
}
