// The default WM_NCHITTEST: which part of the default frame a point hits.
#include "platform/gdi/regions.h"
#include "platform/win/frame_layout.h"
#include "platform/win/painting_internal.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

namespace {

LRESULT SizingCode(const TFrameLayout& layout, TPoint p)
{
    const TRect& w = layout.Window;
    int b = layout.Border;
    int cornerX = GetSystemMetrics(SM_CXSIZE) + b;
    int cornerY = GetSystemMetrics(SM_CYSIZE) + b;
    bool nearLeft = p.X < w.Left + cornerX, nearRight = p.X >= w.Right - cornerX;
    bool nearTop = p.Y < w.Top + cornerY, nearBottom = p.Y >= w.Bottom - cornerY;
    if (p.Y < w.Top + b)
        return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
    if (p.Y >= w.Bottom - b)
        return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
    if (p.X < w.Left + b)
        return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
    return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
}

LRESULT CaptionCode(const TFrameLayout& layout, DWORD style, TPoint p)
{
    if (PtInRect(layout.SysMenu, p))
        return HTSYSMENU;
    if (PtInRect(layout.CloseButton, p))
        return HTCLOSE;
    if (PtInRect(layout.MaxButton, p) && (style & WS_MAXIMIZEBOX))
        return HTMAXBUTTON;
    if (PtInRect(layout.MinButton, p) && (style & WS_MINIMIZEBOX))
        return HTMINBUTTON;
    return HTCAPTION;
}

}  // namespace

LRESULT FrameHitTest(const TFrameLayout& Layout, DWORD Style, DWORD, const TRect& Client, TPoint P)
{
    if (!PtInRect(Layout.Window, P))
        return HTNOWHERE;
    if (PtInRect(Client, P))
        return HTCLIENT;
    TRect inner = Layout.Window;
    InflateRect(inner, -Layout.Border, -Layout.Border);
    if (!PtInRect(inner, P))
        return (Style & WS_THICKFRAME) ? SizingCode(Layout, P) : HTBORDER;
    TRect caption = Layout.Caption;
    if (!IsRectEmpty(caption))
        ++caption.Bottom;  // the line below the caption belongs to it
    if (PtInRect(caption, P))
        return CaptionCode(Layout, Style, P);
    if (PtInRect(Layout.VScroll, P))
        return HTVSCROLL;
    if (PtInRect(Layout.HScroll, P))
        return HTHSCROLL;
    if (PtInRect(Layout.SizeBox, P))
        return (Style & WS_THICKFRAME) ? HTBOTTOMRIGHT : HTNOWHERE;
    if (PtInRect(Layout.ClientEdge, P))
        return HTBORDER;
    return HTNOWHERE;
}

TFrameLayout WindowFrameLayout(const TWindow& Window)
{
    return LayoutFrame(Window.Rect.Width(), Window.Rect.Height(), Window.Style, Window.ExStyle, &Window.Client);
}

LRESULT DefNcHitTest(HWND Window, UINT, WPARAM, LPARAM LParam)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return HTNOWHERE;
    TPoint origin = window->ScreenOrigin();
    TPoint p{GET_X_LPARAM(LParam) - origin.X, GET_Y_LPARAM(LParam) - origin.Y};
    if (TGdiRegion* region = RegionOf(window->WindowRgn); region && !region->Region.Contains(p.X, p.Y))
        return HTNOWHERE;
    return FrameHitTest(WindowFrameLayout(*window), window->Style, window->ExStyle, window->Client, p);
}
