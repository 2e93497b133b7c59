// The default look of a window's scroll bars.
#include <algorithm>

#include "platform/gdi/drawing.h"
#include "platform/win/frame_layout.h"
#include "platform/win/painting_internal.h"
#include "platform/win/scroll_bar_paint.h"
#include "platform/win/scroll_bars.h"

namespace {

// FillRect takes a system colour index plus one as a brush.
HBRUSH SysBrush(int Index)
{
    return reinterpret_cast<HBRUSH>(static_cast<intptr_t>(Index + 1));
}

void Fill(HDC dc, const TRect& r, int color)
{
    if (!IsRectEmpty(r))
        FillRect(dc, &r, SysBrush(color));
}

void DrawButtonFace(HDC dc, TRect r, bool pressed, bool flat)
{
    Fill(dc, r, COLOR_BTNFACE);
    if (pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
    else
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | (flat ? unsigned{BF_FLAT} : 0u));
}

void DrawArrow(HDC dc, const TRect& r, TArrowGlyph arrow, bool enabled, bool pressed, bool flat)
{
    if (IsRectEmpty(r))
        return;
    DrawButtonFace(dc, r, pressed, flat);
    DrawArrowGlyph(dc, r, arrow, enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT, pressed);
}

}  // namespace

void DrawArrowGlyph(HDC DC, const TRect& R, TArrowGlyph Arrow, int ColorIndex, bool Pressed)
{
    int size = std::max(std::min(R.Width(), R.Height()) / 4, 1);
    int cx = R.Left + R.Width() / 2 + (Pressed ? 1 : 0);
    int cy = R.Top + R.Height() / 2 + (Pressed ? 1 : 0);
    for (int i = 0; i < size; ++i) {
        // Row i of the triangle, from its tip.
        int along = (Arrow == TArrowGlyph::Up || Arrow == TArrowGlyph::Left) ? -size / 2 + i : size / 2 - i;
        if (Arrow == TArrowGlyph::Up || Arrow == TArrowGlyph::Down)
            Fill(DC, Rect(cx - i, cy + along, cx + i + 1, cy + along + 1), ColorIndex);
        else
            Fill(DC, Rect(cx + along, cy - i, cx + along + 1, cy + i + 1), ColorIndex);
    }
}

void DrawScrollBar(HDC DC, const TRect& Bar, bool Vertical, const TScrollBarState& State, bool Flat,
                   TScrollBarPart Pressed)
{
    TScrollBarLayout layout = LayoutScrollBar(Bar, Vertical, State);
    bool enabled = State.CanScroll() && State.Disabled != ESB_DISABLE_BOTH;
    bool upEnabled = enabled && !(State.Disabled & ESB_DISABLE_LTUP);
    bool downEnabled = enabled && !(State.Disabled & ESB_DISABLE_RTDN);
    DrawArrow(DC, layout.UpArrow, Vertical ? TArrowGlyph::Up : TArrowGlyph::Left, upEnabled,
              Pressed == TScrollBarPart::LineUp, Flat);
    DrawArrow(DC, layout.DownArrow, Vertical ? TArrowGlyph::Down : TArrowGlyph::Right, downEnabled,
              Pressed == TScrollBarPart::LineDown, Flat);
    Fill(DC, layout.Track, COLOR_SCROLLBAR);
    if (!enabled || IsRectEmpty(layout.Thumb))
        return;
    // The page area held down shows darker, up to the thumb.
    TRect before = layout.Track, after = layout.Track;
    if (Vertical) {
        before.Bottom = layout.Thumb.Top;
        after.Top = layout.Thumb.Bottom;
    } else {
        before.Right = layout.Thumb.Left;
        after.Left = layout.Thumb.Right;
    }
    if (Pressed == TScrollBarPart::PageUp)
        Fill(DC, before, COLOR_3DDKSHADOW);
    if (Pressed == TScrollBarPart::PageDown)
        Fill(DC, after, COLOR_3DDKSHADOW);
    DrawButtonFace(DC, layout.Thumb, false, Flat);
}

void PaintScrollBars(TWindow& Window, HDC WindowDC)
{
    TFrameLayout layout = WindowFrameLayout(Window);
    TPaintState& state = PaintState(Window);
    bool flat = state.FlatBars;
    if (!IsRectEmpty(layout.VScroll))
        DrawScrollBar(WindowDC, layout.VScroll, true, state.Bars[SB_VERT], flat && state.FlatStyle[SB_VERT] != 0,
                      state.Pressed[SB_VERT]);
    if (!IsRectEmpty(layout.HScroll))
        DrawScrollBar(WindowDC, layout.HScroll, false, state.Bars[SB_HORZ], flat && state.FlatStyle[SB_HORZ] != 0,
                      state.Pressed[SB_HORZ]);
    Fill(WindowDC, layout.SizeBox, COLOR_BTNFACE);
}

void RedrawScrollBar(TWindow& Window, int Bar)
{
    TFrameLayout layout = WindowFrameLayout(Window);
    TRect rect = Bar == SB_VERT ? layout.VScroll : layout.HScroll;
    if (IsRectEmpty(rect) || PaintingSuppressed(Window))
        return;
    TRegion limit(rect);
    HDC dc = MakeWindowDC(Window, false, &limit);
    TPaintState& state = PaintState(Window);
    DrawScrollBar(dc, rect, Bar == SB_VERT, state.Bars[Bar], state.FlatBars && state.FlatStyle[Bar] != 0,
                  state.Pressed[Bar]);
    ReleaseWindowDC(Window.Handle, dc);
}
