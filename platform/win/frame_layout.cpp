#include "platform/win/frame_layout.h"

#include "platform/win/frame_geometry.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

namespace {

// Caption buttons keep 2 pixels from the caption's top and right edges;
// the close button stands 2 pixels apart from the pair to its left.
constexpr int ButtonMargin = 2;

void PlaceButtons(TFrameLayout& layout, DWORD style, DWORD exStyle)
{
    const TRect& caption = layout.Caption;
    bool tool = exStyle & WS_EX_TOOLWINDOW;
    int width = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - ButtonMargin;
    int top = caption.Top + ButtonMargin;
    int bottom = caption.Bottom - ButtonMargin;
    if (bottom <= top)
        return;
    int right = caption.Right - ButtonMargin;
    layout.CloseButton = Rect(right - width, top, right, bottom);
    if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        right = layout.CloseButton.Left - ButtonMargin;
        layout.MaxButton = Rect(right - width, top, right, bottom);
        layout.MinButton = Rect(right - 2 * width, top, right - width, bottom);
    }
    if (!tool && !(exStyle & WS_EX_DLGMODALFRAME))
        layout.SysMenu = Rect(caption.Left, caption.Top, caption.Left + caption.Height(), caption.Bottom);
    // A caption too narrow for its buttons drops them, the pair first.
    int limit = caption.Left + layout.SysMenu.Width();
    if (layout.MinButton.Left < limit)
        layout.MinButton = layout.MaxButton = TRect();
    if (layout.CloseButton.Left < limit)
        layout.CloseButton = TRect();
}

}  // namespace

TFrameLayout LayoutFrame(int Width, int Height, DWORD Style, DWORD ExStyle, const TRect* Client)
{
    TFrameLayout layout;
    layout.Window = Rect(0, 0, Width, Height);
    layout.Border = FrameBorderWidth(Style, ExStyle);
    TRect inner = layout.Window;
    InflateRect(inner, -layout.Border, -layout.Border);
    int caption = CaptionHeight(Style, ExStyle);
    if (caption > 0 && inner.Width() > 0) {
        // The caption's last row is the line between caption and client.
        layout.Caption = Rect(inner.Left, inner.Top, inner.Right, inner.Top + caption - 1);
        if (Style & WS_SYSMENU)
            PlaceButtons(layout, Style, ExStyle);
    }
    inner.Top += caption;
    if (ExStyle & WS_EX_CLIENTEDGE)
        layout.ClientEdge = inner;
    layout.Client = Client ? *Client : DefaultClientRect(layout.Window, Style, ExStyle);
    const TRect& client = layout.Client;
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    TRect edge = inner;
    if (ExStyle & WS_EX_CLIENTEDGE)
        InflateRect(edge, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    bool vertical = (Style & WS_VSCROLL) && client.Right + barWidth <= edge.Right;
    bool horizontal = (Style & WS_HSCROLL) && client.Bottom + barHeight <= edge.Bottom;
    if (vertical)
        layout.VScroll = Rect(client.Right, client.Top, client.Right + barWidth, client.Bottom);
    if (horizontal)
        layout.HScroll = Rect(client.Left, client.Bottom, client.Right, client.Bottom + barHeight);
    if (vertical && horizontal)
        layout.SizeBox = Rect(client.Right, client.Bottom, client.Right + barWidth, client.Bottom + barHeight);
    return layout;
}
