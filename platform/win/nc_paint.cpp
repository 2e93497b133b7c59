// The default frame: a classic three-dimensional border, the caption bar
// with its text and buttons, the client edge and the scroll bars.
#include <algorithm>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/font.h"
#include "platform/win/frame_geometry.h"
#include "platform/win/frame_layout.h"
#include "platform/win/painting_internal.h"
#include "platform/win/system_parameters.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

enum class TCaptionButton { Close, Maximize, Restore, Minimize };

TDefWindowProcHandler nextSetText = nullptr;

HBRUSH SysBrush(int Index)
{
    return reinterpret_cast<HBRUSH>(static_cast<intptr_t>(Index + 1));
}

void Fill(HDC dc, const TRect& r, int color)
{
    if (!IsRectEmpty(r))
        FillRect(dc, &r, SysBrush(color));
}

// The ring between Outer and Outer shrunk by Width.
void FillRing(HDC dc, const TRect& outer, int width, int color)
{
    Fill(dc, Rect(outer.Left, outer.Top, outer.Right, outer.Top + width), color);
    Fill(dc, Rect(outer.Left, outer.Bottom - width, outer.Right, outer.Bottom), color);
    Fill(dc, Rect(outer.Left, outer.Top + width, outer.Left + width, outer.Bottom - width), color);
    Fill(dc, Rect(outer.Right - width, outer.Top + width, outer.Right, outer.Bottom - width), color);
}

void PaintBorder(HDC dc, const TFrameLayout& layout, DWORD style, bool active)
{
    if (layout.Border <= 0)
        return;
    TRect r = layout.Window;
    if (layout.Border == 1) {
        FrameRect(dc, &r, SysBrush(COLOR_WINDOWFRAME));
        return;
    }
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    int rest = layout.Border - 2;
    if (rest > 0)
        FillRing(dc, r, rest,
                 (style & WS_THICKFRAME) ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE);
}

void DrawGlyph(HDC dc, const TRect& face, TCaptionButton kind, int color)
{
    int size = std::max(std::min(face.Width(), face.Height()) - 6, 4);
    int x = face.Left + (face.Width() - size) / 2;
    int y = face.Top + (face.Height() - size) / 2;
    switch (kind) {
    case TCaptionButton::Close:
        for (int i = 0; i < size; ++i) {
            Fill(dc, Rect(x + i, y + i, x + i + 2, y + i + 1), color);
            Fill(dc, Rect(x + size - 2 - i, y + i, x + size - i, y + i + 1), color);
        }
        break;
    case TCaptionButton::Maximize: {
        TRect box = Rect(x, y, x + size, y + size);
        FrameRect(dc, &box, SysBrush(color));
        Fill(dc, Rect(x, y + 1, x + size, y + 2), color);
        break;
    }
    case TCaptionButton::Restore: {
        int small = size * 2 / 3;
        TRect back = Rect(x + size - small, y, x + size, y + small);
        TRect front = Rect(x, y + size - small, x + small, y + size);
        for (TRect box : {back, front}) {
            Fill(dc, box, COLOR_BTNFACE);
            FrameRect(dc, &box, SysBrush(color));
            Fill(dc, Rect(box.Left, box.Top + 1, box.Right, box.Top + 2), color);
        }
        break;
    }
    case TCaptionButton::Minimize:
        Fill(dc, Rect(x, y + size - 2, x + size * 3 / 4, y + size), color);
        break;
    }
}

void DrawCaptionButton(HDC dc, const TRect& r, TCaptionButton kind, bool enabled, bool pressed)
{
    if (IsRectEmpty(r))
        return;
    Fill(dc, r, COLOR_BTNFACE);
    TRect edge = r;
    DrawEdge(dc, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    TRect face = r;
    if (pressed)
        OffsetRect(face, 1, 1);
    DrawGlyph(dc, face, kind, enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
}

void DrawCaptionText(HDC dc, const TWindow& window, const TFrameLayout& layout, bool active)
{
    if (window.Text.empty())
        return;
    TRect text = layout.Caption;
    text.Left = (IsRectEmpty(layout.SysMenu) ? layout.Caption.Left : layout.SysMenu.Right) + 2;
    for (const TRect& button : {layout.MinButton, layout.CloseButton})
        if (!IsRectEmpty(button)) {
            text.Right = button.Left - 2;
            break;
        }
    if (IsRectEmpty(text))
        return;
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirect((window.ExStyle & WS_EX_TOOLWINDOW) ? metrics.lfSmCaptionFont
                                                                         : metrics.lfCaptionFont);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, window.Text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

void PaintCaption(HDC dc, TWindow& window, const TFrameLayout& layout, bool active)
{
    const TRect& caption = layout.Caption;
    if (IsRectEmpty(caption))
        return;
    Fill(dc, caption, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    Fill(dc, Rect(caption.Left, caption.Bottom, caption.Right, caption.Bottom + 1), COLOR_BTNFACE);
    DrawCaptionText(dc, window, layout, active);
    DWORD style = window.Style;
    LRESULT pressed = PaintState(window).PressedCaptionButton;
    DrawCaptionButton(dc, layout.CloseButton, TCaptionButton::Close, true, pressed == HTCLOSE);
    DrawCaptionButton(dc, layout.MaxButton, (style & WS_MAXIMIZE) ? TCaptionButton::Restore : TCaptionButton::Maximize,
                      style & WS_MAXIMIZEBOX, pressed == HTMAXBUTTON);
    DrawCaptionButton(dc, layout.MinButton, (style & WS_MINIMIZE) ? TCaptionButton::Restore : TCaptionButton::Minimize,
                      style & WS_MINIMIZEBOX, pressed == HTMINBUTTON);
}

void PaintFrame(TWindow& Window)
{
    if (PaintingSuppressed(Window))
        return;
    TFrameLayout layout = WindowFrameLayout(Window);
    TRegion frame = TRegion::Combine(TRegion(layout.Window), TRegion(Window.Client), TRegion::TOp::Diff);
    if (frame.IsEmpty())
        return;
    bool active = PaintState(Window).CaptionActive;
    HDC dc = MakeWindowDC(Window, false, &frame);
    PaintBorder(dc, layout, Window.Style, active);
    PaintCaption(dc, Window, layout, active);
    if (!IsRectEmpty(layout.ClientEdge)) {
        TRect edge = layout.ClientEdge;
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    }
    PaintScrollBars(Window, dc);
    ReleaseWindowDC(Window.Handle, dc);
}

}  // namespace

LRESULT DefNcPaintMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return 0;
    if (Message == WM_NCACTIVATE) {
        PaintState(*window).CaptionActive = WParam != 0;
        if (HasCaption(window->Style))
            PaintFrame(*window);
        return 1;
    }
    PaintFrame(*window);
    return 0;
}

void SetNextSetTextHandler(TDefWindowProcHandler Next)
{
    nextSetText = Next;
}

// The text is stored by the handling below; a default caption shows it.
LRESULT DefSetText(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LRESULT result = nextSetText ? nextSetText(Window, Message, WParam, LParam) : 0;
    if (TWindow* window = WindowOf(Window); window && !window->IsDesktop() && HasCaption(window->Style))
        PaintFrame(*window);
    return result;
}
