#include "platform/win/tray_tip.h"

#include <algorithm>

#include "platform/gdi/colors.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/text_measure.h"
#include "platform/win/backend.h"
#include "platform/win/paint.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr char ClassName[] = "TrayTipWindow";
constexpr int Padding = 3;
constexpr int PointerGap = 20;  // below the pointer, clear of its shape
constexpr int BorderWidth = 1;   // WS_BORDER's line on each side

HWND tipWindow = nullptr;
AnsiString tipText;

LRESULT TipProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message != WM_PAINT)
        return DefWindowProc(Window, Message, WParam, LParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window, &paint);
    TRect r;
    GetClientRect(Window, &r);
    HBRUSH background = CreateSolidBrush(GetSysColor(COLOR_INFOBK));
    FillRect(dc, &r, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(r, -Padding, -Padding);
    DrawText(dc, tipText.c_str(), static_cast<int>(tipText.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(Window, &paint);
    return 0;
}

TSize TextSize(const AnsiString& Text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TSize size{};
    GetTextExtentPoint32(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    return size;
}

}  // namespace

void ShowTrayTip(const AnsiString& Tip, TPoint Near)
{
    if (Tip.empty()) {
        HideTrayTip();
        return;
    }
    if (!FindWindowClass(ClassName)) {
        WNDCLASS windowClass;
        windowClass.lpszClassName = ClassName;
        windowClass.lpfnWndProc = WNDPROC(&TipProc);
        RegisterClass(windowClass);
    }
    tipText = Tip;
    TSize text = TextSize(Tip);
    int width = text.cx + 2 * (Padding + BorderWidth);
    int height = text.cy + 2 * (Padding + BorderWidth);
    TRect screen = Backend().ScreenRect();
    int x = std::clamp(Near.X, screen.Left, std::max(screen.Left, screen.Right - width));
    int y = Near.Y + PointerGap + height <= screen.Bottom ? Near.Y + PointerGap : Near.Y - height - 2;
    if (!tipWindow || !IsWindow(tipWindow))
        tipWindow = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, ClassName, "",
                                   WS_POPUP | WS_BORDER, x, y, width, height, nullptr, 0, nullptr);
    SetWindowPos(tipWindow, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tipWindow, nullptr, true);
}

void HideTrayTip()
{
    if (tipWindow && IsWindow(tipWindow))
        ShowWindow(tipWindow, SW_HIDE);
}

HWND TrayTipWindow() { return tipWindow && IsWindowVisible(tipWindow) ? tipWindow : nullptr; }
