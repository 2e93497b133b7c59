// The "SysTabControl32" window procedure: each window's tabs, selection
// and first shown tab; layout through LayOutTabs, the flat drawing, the
// scroller child of an overflowing single row, and the mouse and keys.
#include "platform/ui/widgets/tab_control_window.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/font.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/widgets/tab_control_layout.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/ui/widgets/up_down_window.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/mouse_input.h"
#include "platform/win/paint.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"
#include "platform/win/update_region.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

// The space between an image and the caption.
constexpr int ImageGap = 3;
// How much larger the selected tab is drawn than its hit rectangle.
constexpr int SelectedGrowth = 2;

struct TTabItem {
    AnsiString Text;
    int Image = -1;
    LPARAM Param = 0;
    int TextWidth = -1;  // Text measured in the window's font; -1 until then
};

struct TTabState {
    std::vector<TTabItem> Items;
    int Selected = -1;   // -1 or an index of Items
    int FirstShown = 0;  // single line: the tab at the start of the row
    int Hot = -1;        // the tab under the mouse with TCS_HOTTRACK, else -1
    TSize ItemSize;      // a non-zero part replaces the measured one
    TSize Padding{6, 3};
    HFONT Font = nullptr;
    TCustomImageList* Images = nullptr;
    HWND Scroller = nullptr;  // there exactly while the single row overflows
    TTabLayout Layout;        // as of the last change
    TSize LayoutClient;       // the client size Layout was made for
    int FontHeight = -1;      // the font's cell height; -1 until measured
};

std::unordered_map<HWND, TTabState>& States()
{
    static std::unordered_map<HWND, TTabState> states;
    return states;
}

DWORD Style(HWND Window) { return static_cast<DWORD>(GetWindowLong(Window, GWL_STYLE)); }

TTabSide SideOf(DWORD Style)
{
    if (Style & TCS_VERTICAL)
        return (Style & TCS_RIGHT) ? TTabSide::Right : TTabSide::Left;
    return (Style & TCS_BOTTOM) ? TTabSide::Bottom : TTabSide::Top;
}

bool Vertical(TTabSide Side) { return Side == TTabSide::Left || Side == TTabSide::Right; }

HFONT FontOf(const TTabState& S) { return S.Font ? S.Font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

TTabLayoutInput LayoutInput(HWND Window, TTabState& S)
{
    TTabLayoutInput in;
    DWORD style = Style(Window);
    in.Side = SideOf(style);
    in.MultiLine = (style & TCS_MULTILINE) || Vertical(in.Side);
    in.Buttons = (style & TCS_BUTTONS) != 0;
    TRect client;
    GetClientRect(Window, &client);
    in.Client = {client.Width(), client.Height()};
    in.FirstShown = S.FirstShown;
    in.Selected = S.Selected;
    // Measuring is the costly part: each text once, again only after its
    // text or the font changed.
    if (S.FontHeight < 0 || std::any_of(S.Items.begin(), S.Items.end(), [](const TTabItem& Item) {
            return Item.TextWidth < 0;
        })) {
        TMeasuringDC measure(FontOf(S));
        TEXTMETRIC metrics;
        GetTextMetrics(measure.Handle(), &metrics);
        S.FontHeight = metrics.tmHeight;
        for (TTabItem& item : S.Items)
            if (item.TextWidth < 0)
                item.TextWidth = measure.TextWidth(StripHotkey(item.Text));
    }
    int imageWidth = S.Images ? S.Images->Width() : 0;
    int imageHeight = S.Images ? S.Images->Height() : 0;
    in.RowDepth = S.ItemSize.cy > 0 ? S.ItemSize.cy : std::max(S.FontHeight, imageHeight) + 2 * S.Padding.cy;
    in.ScrollerLength = 2 * GetSystemMetrics(SM_CXHSCROLL);
    in.Extents.reserve(S.Items.size());
    for (const TTabItem& item : S.Items) {
        int image = S.Images && item.Image >= 0 ? imageWidth + ImageGap : 0;
        in.Extents.push_back(S.ItemSize.cx > 0 ? S.ItemSize.cx : item.TextWidth + image + 2 * S.Padding.cx);
    }
    return in;
}

// Lays the tabs out again and puts the scroller where it belongs.
void Relayout(HWND Window, TTabState& S)
{
    TTabLayoutInput in = LayoutInput(Window, S);
    S.Layout = LayOutTabs(in);
    S.LayoutClient = in.Client;
    S.FirstShown = S.Layout.FirstShown;
    // Whoever stands in front of the window may have destroyed the
    // scroller to put its own in its place; a new one is made when needed.
    if (S.Scroller && !IsWindow(S.Scroller))
        S.Scroller = nullptr;
    if (S.Layout.Overflow) {
        const TRect& r = S.Layout.Scroller;
        if (!S.Scroller)
            S.Scroller = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, r.Left, r.Top,
                                        r.Width(), r.Height(), Window, 1, nullptr);
        else
            SetWindowPos(S.Scroller, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessage(S.Scroller, UDM_SETRANGE32, 0, S.Layout.MaxFirstShown);
        SendMessage(S.Scroller, UDM_SETPOS32, 0, S.FirstShown);
    } else if (S.Scroller) {
        HWND scroller = S.Scroller;
        S.Scroller = nullptr;
        DestroyWindow(scroller);
    }
    InvalidateRect(Window, nullptr, true);
}

// Scrolls a single row so that the tab shows.
void ShowTab(HWND Window, TTabState& S, int Index)
{
    if (Index < 0 || !S.Layout.Overflow)
        return;
    if (Index < S.FirstShown) {
        S.FirstShown = Index;
        Relayout(Window, S);
    }
    while (!S.Layout.Shown[static_cast<size_t>(Index)] && S.FirstShown < S.Layout.MaxFirstShown) {
        ++S.FirstShown;
        Relayout(Window, S);
    }
}

void SetSelected(HWND Window, TTabState& S, int Index)
{
    S.Selected = Index;
    // In rows, the selected tab's row moves next to the page.
    Relayout(Window, S);
    ShowTab(Window, S, Index);
}

LRESULT Notify(HWND Window, UINT Code)
{
    NMHDR header;
    header.hwndFrom = Window;
    header.idFrom = static_cast<UINT_PTR>(GetWindowLong(Window, GWL_ID));
    header.code = Code;
    return SendMessage(GetParent(Window), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// A change the user asked for: the parent may refuse it.
void SelectByUser(HWND Window, TTabState& S, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(S.Items.size()) || Index == S.Selected)
        return;
    if (Notify(Window, TCN_SELCHANGING) != 0)
        return;
    auto found = States().find(Window);
    if (found == States().end())
        return;
    SetSelected(Window, found->second, Index);
    Notify(Window, TCN_SELCHANGE);
}

int HitTest(const TTabState& S, TPoint P)
{
    if (S.Layout.Overflow && PtInRect(S.Layout.Scroller, P))
        return -1;
    for (size_t i = 0; i < S.Layout.Items.size(); ++i)
        if (S.Layout.Shown[i] && PtInRect(S.Layout.Items[i], P))
            return static_cast<int>(i);
    return -1;
}

// The rectangle a tab is drawn in: the selected tab of the tab style
// stands out and covers the page frame's edge below it.
TRect DrawnRect(TRect R, bool Selected, bool Buttons)
{
    if (Selected && !Buttons)
        InflateRect(R, SelectedGrowth, SelectedGrowth);
    return R;
}

// Paints over the frame edge a tab shares with the page, so the tab opens
// onto it.
void OpenTowardsPage(TCanvas& Canvas, const TRect& R, TTabSide Side)
{
    constexpr int edge = 2;
    TRect open = R;
    switch (Side) {
    case TTabSide::Top:
        open = {R.Left + 1, R.Bottom - edge, R.Right - 1, R.Bottom};
        break;
    case TTabSide::Bottom:
        open = {R.Left + 1, R.Top, R.Right - 1, R.Top + edge};
        break;
    case TTabSide::Left:
        open = {R.Right - edge, R.Top + 1, R.Right, R.Bottom - 1};
        break;
    case TTabSide::Right:
        open = {R.Left, R.Top + 1, R.Left + edge, R.Bottom - 1};
        break;
    }
    FlatFill(&Canvas, open, clBtnFace);
}

// The image and caption of a tab inside Content, turned with the side.
void DrawCaption(HDC DC, TCanvas& Canvas, const TTabState& S, const TTabItem& Item, TRect Content, TTabSide Side,
                 bool Enabled)
{
    const bool vertical = Vertical(Side);
    const bool hasImage = S.Images && Item.Image >= 0;
    const int imageAlong = hasImage ? (vertical ? S.Images->Height() : S.Images->Width()) + ImageGap : 0;
    const int along = vertical ? Content.Height() : Content.Width();
    // A caption's '&' marks its accelerator: shown underlined, not as itself.
    const AnsiString shown = StripHotkey(Item.Text);
    AnsiString caption = FitTabCaption(DC, shown, std::max(along - imageAlong, 0));
    TSize text;
    GetTextExtentPoint32(DC, caption.data(), static_cast<int>(caption.size()), &text);
    // Image and caption stand centred together along the tab.
    int start = (along - imageAlong - text.cx) / 2;
    if (!vertical) {
        int x = Content.Left + start;
        if (hasImage) {
            Canvas.SetHandle(DC);
            S.Images->Draw(&Canvas, x, Content.Top + (Content.Height() - S.Images->Height()) / 2, Item.Image, Enabled);
            Canvas.SetHandle(nullptr);
            x += imageAlong;
        }
        // Drawing the image may have put the canvas's own font in.
        SelectObject(DC, FontOf(S));
        int y = Content.Top + (Content.Height() - text.cy) / 2;
        if (caption == shown) {
            TRect line{x, y, x + text.cx, y + text.cy};
            DrawText(DC, Item.Text.data(), static_cast<int>(Item.Text.size()), &line, DT_SINGLELINE | DT_NOCLIP);
        } else {
            TextOut(DC, x, y, caption.data(), static_cast<int>(caption.size()));
        }
        return;
    }
    // Left tabs read upwards from the bottom, right tabs downwards from the
    // top; the image comes first in reading order.
    LOGFONT log;
    GetObject(GetCurrentObject(DC, OBJ_FONT), sizeof log, &log);
    log.lfEscapement = log.lfOrientation = Side == TTabSide::Left ? 900 : 2700;
    HFONT turned = CreateFontIndirect(log);
    HGDIOBJ old = SelectObject(DC, turned);
    int across = (Content.Width() - text.cy) / 2;
    if (Side == TTabSide::Left) {
        int y = Content.Bottom - start;
        if (hasImage) {
            Canvas.SetHandle(DC);
            S.Images->Draw(&Canvas, Content.Left + (Content.Width() - S.Images->Width()) / 2, y - S.Images->Height(),
                           Item.Image, Enabled);
            Canvas.SetHandle(nullptr);
            y -= imageAlong;
        }
        SelectObject(DC, turned);
        TextOut(DC, Content.Left + across, y, caption.data(), static_cast<int>(caption.size()));
    } else {
        int y = Content.Top + start;
        if (hasImage) {
            Canvas.SetHandle(DC);
            S.Images->Draw(&Canvas, Content.Left + (Content.Width() - S.Images->Width()) / 2, y, Item.Image, Enabled);
            Canvas.SetHandle(nullptr);
            y += imageAlong;
        }
        SelectObject(DC, turned);
        TextOut(DC, Content.Right - across, y, caption.data(), static_cast<int>(caption.size()));
    }
    SelectObject(DC, old);
    DeleteObject(turned);
}

void Paint(HWND Window, HDC DC, const TTabState& S)
{
    const DWORD style = Style(Window);
    const TTabSide side = SideOf(style);
    const bool buttons = (style & TCS_BUTTONS) != 0;
    const bool enabled = (style & WS_DISABLED) == 0;
    TCanvas canvas;
    canvas.SetHandle(DC);
    TRect client;
    GetClientRect(Window, &client);
    FlatFill(&canvas, client, clBtnFace);
    if (!buttons) {
        TRect frame = S.Layout.Page;
        InflateRect(frame, 2, 2);
        DrawFlatFrame(&canvas, frame, TFlatFrame::Raised, 2);
    }
    canvas.SetHandle(nullptr);
    HGDIOBJ oldFont = SelectObject(DC, FontOf(S));
    SetBkMode(DC, TRANSPARENT);
    const bool focused = GetFocus() == Window;
    // The selected tab last, so that it stands over its neighbours.
    std::vector<int> order;
    for (size_t i = 0; i < S.Items.size(); ++i)
        if (static_cast<int>(i) != S.Selected)
            order.push_back(static_cast<int>(i));
    if (S.Selected >= 0)
        order.push_back(S.Selected);
    for (int i : order) {
        const TRect& hit = S.Layout.Items[static_cast<size_t>(i)];
        if (!S.Layout.Shown[static_cast<size_t>(i)])
            continue;
        const bool selected = i == S.Selected;
        const bool hot = i == S.Hot;
        TRect r = DrawnRect(hit, selected, buttons);
        canvas.SetHandle(DC);
        TRect content = r;
        if (buttons) {
            TFlatState state;
            state.Pressed = selected;
            state.Hot = hot;
            state.Flat = (style & TCS_FLATBUTTONS) != 0;
            state.Disabled = !enabled;
            content = DrawFlatButtonFace(&canvas, r, state);
        } else {
            FlatFill(&canvas, r, clBtnFace);
            DrawFlatFrame(&canvas, content, TFlatFrame::Raised, 1);
            OpenTowardsPage(canvas, r, side);
        }
        canvas.SetHandle(nullptr);
        SelectObject(DC, FontOf(S));
        SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(!enabled ? clGrayText : hot ? clHotLight : clBtnText)));
        // The caption's room is what the tab was measured for: its hit
        // rectangle less the padding, which the frame lies within.
        TRect inner = hit;
        if (buttons && selected)
            OffsetRect(inner, 1, 1);  // the pressed face sinks the content
        if (Vertical(side))
            InflateRect(inner, -S.Padding.cy, -S.Padding.cx);
        else
            InflateRect(inner, -S.Padding.cx, -S.Padding.cy);
        DrawCaption(DC, canvas, S, S.Items[static_cast<size_t>(i)], inner, side, enabled);
        if (selected && focused) {
            canvas.SetHandle(DC);
            TRect focus = content;
            InflateRect(focus, -1, -1);
            DrawFlatFocusRect(&canvas, focus);
            canvas.SetHandle(nullptr);
        }
    }
    SelectObject(DC, oldFont);
}

void TrackHot(HWND Window, TTabState& S, int Index)
{
    if (Index == S.Hot)
        return;
    if (S.Hot < 0) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = Window;
        TrackMouseEvent(&track);
    }
    S.Hot = Index;
    InvalidateRect(Window, nullptr, false);
}

LRESULT ItemMessage(HWND Window, TTabState& S, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    const int count = static_cast<int>(S.Items.size());
    const int index = static_cast<int>(WParam);
    auto* item = reinterpret_cast<TCITEM*>(LParam);
    switch (Msg) {
    case TCM_INSERTITEM: {
        if (!item || index < 0)
            return -1;
        int at = std::min(index, count);
        TTabItem tab;
        if (item->mask & TCIF_TEXT)
            tab.Text = item->pszText ? item->pszText : "";
        if (item->mask & TCIF_IMAGE)
            tab.Image = item->iImage;
        if (item->mask & TCIF_PARAM)
            tab.Param = item->lParam;
        S.Items.insert(S.Items.begin() + at, std::move(tab));
        // The first tab is selected as it comes; later ones leave the
        // selected tab selected.
        if (S.Selected < 0)
            S.Selected = 0;
        else if (at <= S.Selected)
            ++S.Selected;
        Relayout(Window, S);
        return at;
    }
    case TCM_SETITEM:
    case TCM_GETITEM: {
        if (!item || index < 0 || index >= count)
            return 0;
        TTabItem& tab = S.Items[static_cast<size_t>(index)];
        if (Msg == TCM_GETITEM) {
            if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
                size_t n = std::min(tab.Text.size(), static_cast<size_t>(item->cchTextMax - 1));
                std::copy_n(tab.Text.data(), n, item->pszText);
                item->pszText[n] = '\0';
            }
            item->iImage = tab.Image;
            item->lParam = tab.Param;
            return 1;
        }
        if (item->mask & TCIF_TEXT) {
            tab.Text = item->pszText ? item->pszText : "";
            tab.TextWidth = -1;
        }
        if (item->mask & TCIF_IMAGE)
            tab.Image = item->iImage;
        if (item->mask & TCIF_PARAM)
            tab.Param = item->lParam;
        Relayout(Window, S);
        return 1;
    }
    case TCM_DELETEITEM:
        if (index < 0 || index >= count)
            return 0;
        S.Items.erase(S.Items.begin() + index);
        if (index == S.Selected)
            S.Selected = -1;
        else if (index < S.Selected)
            --S.Selected;
        S.Hot = -1;
        Relayout(Window, S);
        return 1;
    case TCM_DELETEALLITEMS:
        S.Items.clear();
        S.Selected = -1;
        S.FirstShown = 0;
        S.Hot = -1;
        Relayout(Window, S);
        return 1;
    default:
        return 0;
    }
}

LRESULT TabControlProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_NCDESTROY) {
        States().erase(Window);
        return DefWindowProc(Window, Msg, WParam, LParam);
    }
    TTabState& S = States()[Window];
    switch (Msg) {
    case TCM_INSERTITEM:
    case TCM_SETITEM:
    case TCM_GETITEM:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
        return ItemMessage(Window, S, Msg, WParam, LParam);
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(S.Items.size());
    case TCM_GETROWCOUNT:
        return S.Layout.Rows;
    case TCM_GETCURSEL:
        return S.Selected;
    case TCM_SETCURSEL: {
        int old = S.Selected;
        int index = static_cast<int>(WParam);
        if (index < -1 || index >= static_cast<int>(S.Items.size()))
            return -1;
        if (index != old)
            SetSelected(Window, S, index);
        return old;
    }
    case TCM_GETITEMRECT: {
        auto* r = reinterpret_cast<TRect*>(LParam);
        int index = static_cast<int>(WParam);
        if (!r || index < 0 || index >= static_cast<int>(S.Items.size()))
            return 0;
        *r = S.Layout.Items[static_cast<size_t>(index)];
        return 1;
    }
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(LParam);
        if (!info)
            return -1;
        int index = HitTest(S, info->pt);
        info->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEM;
        return index;
    }
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<TRect*>(LParam);
        if (!r)
            return 0;
        // Asked from a WM_SIZE the window has not seen yet, the rows must
        // be counted again first.
        TTabLayoutInput in = LayoutInput(Window, S);
        if (in.Client.cx != S.LayoutClient.cx || in.Client.cy != S.LayoutClient.cy)
            Relayout(Window, S);
        *r = AdjustTabRect(in, S.Layout.Rows, *r, WParam != 0);
        return 0;
    }
    case TCM_SETITEMSIZE: {
        TSize old = S.ItemSize;
        S.ItemSize = {LOWORD(static_cast<DWORD>(LParam)), HIWORD(static_cast<DWORD>(LParam))};
        Relayout(Window, S);
        return MAKELONG(static_cast<WORD>(old.cx), static_cast<WORD>(old.cy));
    }
    case TCM_SETPADDING:
        S.Padding = {LOWORD(static_cast<DWORD>(LParam)), HIWORD(static_cast<DWORD>(LParam))};
        Relayout(Window, S);
        return 0;
    case TCM_SETIMAGELIST: {
        TCustomImageList* old = S.Images;
        S.Images = reinterpret_cast<TCustomImageList*>(LParam);
        Relayout(Window, S);
        return reinterpret_cast<LRESULT>(old);
    }
    case TCM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(S.Images);
    case WM_CREATE:
    case WM_SIZE:
    case WM_STYLECHANGED:
        Relayout(Window, S);
        return DefWindowProc(Window, Msg, WParam, LParam);
    case WM_SETFONT:
        S.Font = reinterpret_cast<HFONT>(WParam);
        S.FontHeight = -1;
        for (TTabItem& item : S.Items)
            item.TextWidth = -1;
        Relayout(Window, S);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(S.Font);
    case WM_HSCROLL:
        // From the own scroller or from any other that stands in for it.
        if (LOWORD(WParam) == SB_THUMBPOSITION) {
            S.FirstShown = HIWORD(WParam);
            Relayout(Window, S);
        }
        return 0;
    // A quick second click is one more press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        int index = HitTest(S, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
        if (index < 0)
            return 0;
        if (Style(Window) & (TCS_FOCUSONBUTTONDOWN | WS_TABSTOP))
            SetFocus(Window);
        SelectByUser(Window, States()[Window], index);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (Style(Window) & TCS_HOTTRACK)
            TrackHot(Window, S, HitTest(S, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)}));
        return 0;
    case WM_MOUSELEAVE:
        S.Hot = -1;
        InvalidateRect(Window, nullptr, false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN: {
        bool back = WParam == VK_LEFT || WParam == VK_UP;
        bool forward = WParam == VK_RIGHT || WParam == VK_DOWN;
        if (back || forward)
            SelectByUser(Window, S, S.Selected + (forward ? 1 : -1));
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Window, nullptr, false);
        return DefWindowProc(Window, Msg, WParam, LParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintOnGivenOrOwnDC(Window, WParam, [&](HDC DC) { Paint(Window, DC, S); });
    default:
        return DefWindowProc(Window, Msg, WParam, LParam);
    }
}

}  // namespace

bool RegisterTabControlClass()
{
    if (!RegisterUpDownClass())
        return false;
    if (FindWindowClass(WC_TABCONTROL))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WNDPROC(&TabControlProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WC_TABCONTROL;
    return RegisterClass(windowClass) != 0;
}

AnsiString FitTabCaption(HDC DC, const AnsiString& Caption, int Width)
{
    auto width = [DC](const AnsiString& Text) {
        TSize size;
        GetTextExtentPoint32(DC, Text.data(), static_cast<int>(Text.size()), &size);
        return size.cx;
    };
    if (width(Caption) <= Width)
        return Caption;
    static const AnsiString Ellipsis = "...";
    // Character boundaries, so that the cut never falls inside one.
    std::vector<size_t> ends;
    for (size_t i = 0; i < Caption.size();) {
        i += IsDBCSLeadByte(Caption[i]) && i + 1 < Caption.size() ? 2 : 1;
        ends.push_back(i);
    }
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        AnsiString cut = Caption.substr(0, *end) + Ellipsis;
        if (width(cut) <= Width)
            return cut;
    }
    return width(Ellipsis) <= Width ? Ellipsis : AnsiString();
}
