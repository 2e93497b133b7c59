#include "platform/win/frame_geometry.h"

#include "platform/win/system_metrics.h"
#include "platform/win/window_styles.h"

int FrameBorderWidth(DWORD Style, DWORD ExStyle)
{
    if (Style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((ExStyle & WS_EX_DLGMODALFRAME) || (Style & WS_DLGFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if ((Style & WS_BORDER) || (ExStyle & WS_EX_STATICEDGE) || !(Style & (WS_CHILD | WS_POPUP)))
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD Style)
{
    return (Style & WS_CAPTION) == WS_CAPTION;
}

int CaptionHeight(DWORD Style, DWORD ExStyle)
{
    if (!HasCaption(Style))
        return 0;
    return GetSystemMetrics((ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

TRect DefaultClientRect(const TRect& WindowRect, DWORD Style, DWORD ExStyle)
{
    TRect r = WindowRect;
    int border = FrameBorderWidth(Style, ExStyle);
    InflateRect(r, -border, -border);
    r.Top += CaptionHeight(Style, ExStyle);
    if (ExStyle & WS_EX_CLIENTEDGE)
        InflateRect(r, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    // A scroll bar takes its place only where there is room for it.
    if ((Style & WS_VSCROLL) && r.Width() >= GetSystemMetrics(SM_CXVSCROLL))
        r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if ((Style & WS_HSCROLL) && r.Height() > GetSystemMetrics(SM_CYHSCROLL))
        r.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    return r;
}
