// The X11 back end's notification area: the freedesktop system tray. Each
// icon is a small window of ours that the owner of _NET_SYSTEM_TRAY_S<screen>
// embeds over XEmbed; we paint the icon into it (through the tray's ARGB
// visual when _NET_SYSTEM_TRAY_VISUAL offers one), turn the pointer on it
// into the icon's callback message, show its tip in a window of our own,
// and when the tray goes and a new one announces itself with a MANAGER
// broadcast, the program hears "TaskbarCreated" and docks its icons again.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gdi/colors.h"
#include "platform/win/input_internal.h"
#include "platform/win/tray_icons.h"
#include "platform/win/tray_tip.h"
#include "platform/win/win_messages.h"
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr long SystemTrayRequestDock = 0;
constexpr long XEmbedMapped = 1;
constexpr int InitialSize = 24;  // until the tray gives the window its size

}  // namespace

struct TX11TrayIcon {
    TBackendTrayIcon Data;
    TXId XWindow = 0;  // 0 once destroyed with the tray that embedded it
    GC Gc = nullptr;
    Visual* IconVisual = nullptr;
    int Depth = 0;
    bool Argb = false;
    int Width = InitialSize;
    int Height = InitialSize;
    // The last press, to tell a double click.
    unsigned LastButton = 0;
    Time LastTime = 0;
    TPoint LastPoint;
};

struct TX11Tray {
    TXId Selection = 0;  // _NET_SYSTEM_TRAY_S<screen>
    TXId Manager = 0;    // the selection's owner our icons are docked with; 0: none
    std::vector<std::unique_ptr<TX11TrayIcon>> Icons;

    TX11TrayIcon* Find(HWND Window, UINT Id)
    {
        for (auto& icon : Icons)
            if (icon->Data.Window == Window && icon->Data.Id == Id)
                return icon.get();
        return nullptr;
    }
    TX11TrayIcon* Find(TXId XWindow)
    {
        for (auto& icon : Icons)
            if (XWindow && icon->XWindow == XWindow)
                return icon.get();
        return nullptr;
    }
};

// The connection goes with the back end, and the icons' windows with it.
void TX11TrayDeleter::operator()(TX11Tray* Tray) const { delete Tray; }

namespace {

// The pixel for an icon pixel (straight 0xAARRGGBB): premultiplied on an
// ARGB window, else blended over the tray's usual face.
uint32_t TrayPixel(uint32_t Pixel, bool Argb)
{
    uint32_t a = Pixel >> 24;
    uint32_t r = (Pixel >> 16) & 0xFF, g = (Pixel >> 8) & 0xFF, b = Pixel & 0xFF;
    if (Argb)
        return a << 24 | (r * a / 255) << 16 | (g * a / 255) << 8 | (b * a / 255);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto blend = [a](uint32_t c, uint32_t under) { return (c * a + under * (255 - a)) / 255; };
    return 0xFF000000u | blend(r, GetRValue(face)) << 16 | blend(g, GetGValue(face)) << 8 | blend(b, GetBValue(face));
}

void Paint(Display* D, TX11TrayIcon& Icon)
{
    if (!Icon.XWindow || Icon.Width <= 0 || Icon.Height <= 0)
        return;
    XImage* image = XCreateImage(D, Icon.IconVisual, static_cast<unsigned>(Icon.Depth), ZPixmap, 0, nullptr,
                                 static_cast<unsigned>(Icon.Width), static_cast<unsigned>(Icon.Height), 32, 0);
    if (!image)
        return;
    if (image->bits_per_pixel != 32) {
        XDestroyImage(image);
        return;
    }
    image->data = static_cast<char*>(std::calloc(static_cast<size_t>(image->bytes_per_line) * Icon.Height, 1));
    // The picture fills the largest square that fits, centred, each of
    // its pixels taken by nearest neighbour.
    const TRasterImage& picture = Icon.Data.Picture;
    int side = std::min(Icon.Width, Icon.Height);
    int left = (Icon.Width - side) / 2, top = (Icon.Height - side) / 2;
    for (int y = 0; y < Icon.Height; ++y)
        for (int x = 0; x < Icon.Width; ++x) {
            uint32_t pixel = 0;
            if (!picture.Empty() && x >= left && x < left + side && y >= top && y < top + side)
                pixel = picture.Row((y - top) * picture.Height / side)[(x - left) * picture.Width / side];
            XPutPixel(image, x, y, TrayPixel(pixel, Icon.Argb));
        }
    XPutImage(D, Icon.XWindow, Icon.Gc, image, 0, 0, 0, 0, static_cast<unsigned>(Icon.Width),
              static_cast<unsigned>(Icon.Height));
    XDestroyImage(image);
}

// The visual the tray asks its icons for, when it is a 32-bit one.
bool TrayArgbVisual(Display* D, TXId Manager, Atom VisualProperty, XVisualInfo& Info)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(D, Manager, VisualProperty, 0, 1, False, XA_VISUALID, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1 && format == 32) {
        XVisualInfo wanted{};
        wanted.visualid = static_cast<VisualID>(*reinterpret_cast<unsigned long*>(data));
        int matches = 0;
        if (XVisualInfo* infos = XGetVisualInfo(D, VisualIDMask, &wanted, &matches)) {
            if (matches > 0 && infos[0].depth == 32) {
                Info = infos[0];
                found = true;
            }
            XFree(infos);
        }
    }
    if (data)
        XFree(data);
    return found;
}

void DestroyIconWindow(Display* D, TX11TrayIcon& Icon)
{
    if (Icon.XWindow)
        XDestroyWindow(D, Icon.XWindow);
    if (Icon.Gc)
        XFreeGC(D, Icon.Gc);
    Icon.XWindow = 0;
    Icon.Gc = nullptr;
}

}  // namespace

bool TX11Backend::AddTrayIcon(const TBackendTrayIcon& Icon)
{
    if (!tray_) {
        tray_.reset(new TX11Tray);
        tray_->Selection = Intern(("_NET_SYSTEM_TRAY_S" + std::to_string(screen_)).c_str());
        // A new tray announces itself on the root window.
        XWindowAttributes root{};
        XGetWindowAttributes(display_, root_, &root);
        XSelectInput(display_, root_, root.your_event_mask | StructureNotifyMask);
    }
    if (tray_->Find(Icon.Window, Icon.Id))
        return false;
    TXId manager = XGetSelectionOwner(display_, tray_->Selection);
    if (!manager)
        return false;
    if (manager != tray_->Manager) {
        // Its end is the end of our icons in it.
        XSelectInput(display_, manager, StructureNotifyMask);
        tray_->Manager = manager;
    }

    auto icon = std::make_unique<TX11TrayIcon>();
    icon->Data = Icon;
    XSetWindowAttributes attributes{};
    unsigned long mask = CWEventMask | CWBorderPixel;
    attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                            LeaveWindowMask | StructureNotifyMask;
    XVisualInfo argb{};
    if (TrayArgbVisual(display_, manager, Intern("_NET_SYSTEM_TRAY_VISUAL"), argb)) {
        icon->Argb = true;
        icon->IconVisual = argb.visual;
        icon->Depth = 32;
        attributes.colormap = XCreateColormap(display_, root_, argb.visual, AllocNone);
        attributes.background_pixel = 0;
        mask |= CWColormap | CWBackPixel;
    } else {
        icon->IconVisual = DefaultVisual(display_, screen_);
        icon->Depth = DefaultDepth(display_, screen_);
        attributes.background_pixmap = ParentRelative;
        mask |= CWBackPixmap;
    }
    icon->XWindow = XCreateWindow(display_, root_, 0, 0, InitialSize, InitialSize, 0, icon->Depth, InputOutput,
                                  icon->IconVisual, mask, &attributes);
    if (icon->Argb)
        XFreeColormap(display_, attributes.colormap);  // the window keeps it
    icon->Gc = XCreateGC(display_, icon->XWindow, 0, nullptr);
    long info[2] = {0, XEmbedMapped};
    Atom xembedInfo = Intern("_XEMBED_INFO");
    XChangeProperty(display_, icon->XWindow, xembedInfo, xembedInfo, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
    XStoreName(display_, icon->XWindow, "tray icon");

    XEvent dock{};
    dock.xclient.type = ClientMessage;
    dock.xclient.window = manager;
    dock.xclient.message_type = Intern("_NET_SYSTEM_TRAY_OPCODE");
    dock.xclient.format = 32;
    dock.xclient.data.l[0] = static_cast<long>(time_);
    dock.xclient.data.l[1] = SystemTrayRequestDock;
    dock.xclient.data.l[2] = static_cast<long>(icon->XWindow);
    XSendEvent(display_, manager, False, NoEventMask, &dock);
    XFlush(display_);
    tray_->Icons.push_back(std::move(icon));
    return true;
}

bool TX11Backend::ModifyTrayIcon(const TBackendTrayIcon& Icon)
{
    TX11TrayIcon* icon = tray_ ? tray_->Find(Icon.Window, Icon.Id) : nullptr;
    if (!icon)
        return false;
    icon->Data = Icon;
    Paint(display_, *icon);
    return true;
}

bool TX11Backend::DeleteTrayIcon(HWND Window, UINT Id)
{
    TX11TrayIcon* icon = tray_ ? tray_->Find(Window, Id) : nullptr;
    if (!icon)
        return false;
    HideTrayTip();
    DestroyIconWindow(display_, *icon);
    std::erase_if(tray_->Icons, [icon](const auto& i) { return i.get() == icon; });
    return true;
}

bool TX11Backend::HandleTrayEvent(XEvent& Event)
{
    bool trayGone = Event.type == DestroyNotify && tray_->Manager && Event.xdestroywindow.window == tray_->Manager;
    // The announcement of the tray our icons already docked with (they
    // were added after it came and before its broadcast was read) is no
    // new tray.
    bool newTray = Event.type == ClientMessage && Event.xclient.window == root_ &&
                   Event.xclient.message_type == Intern("MANAGER") &&
                   static_cast<TXId>(Event.xclient.data.l[1]) == tray_->Selection &&
                   static_cast<TXId>(Event.xclient.data.l[2]) != tray_->Manager;
    if (trayGone || newTray) {
        // The icons went with the old tray (or are in it still, and it
        // gives them up): the program adds them to the new one itself.
        HideTrayTip();
        for (auto& icon : tray_->Icons)
            DestroyIconWindow(display_, *icon);
        tray_->Icons.clear();
        tray_->Manager = 0;
        if (newTray)
            TrayCreated();
        return true;
    }

    TX11TrayIcon* icon = tray_->Find(Event.xany.window);
    if (!icon)
        return false;
    switch (Event.type) {
    case Expose:
        if (Event.xexpose.count == 0)
            Paint(display_, *icon);
        break;
    case ConfigureNotify:
        icon->Width = Event.xconfigure.width;
        icon->Height = Event.xconfigure.height;
        Paint(display_, *icon);
        break;
    case DestroyNotify:
        // Destroyed with the window that embedded it.
        icon->XWindow = 0;
        break;
    case ButtonPress: {
        const XButtonEvent& press = Event.xbutton;
        time_ = press.time;
        HideTrayTip();
        static const UINT downs[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
        static const UINT doubles[] = {WM_LBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_RBUTTONDBLCLK};
        if (press.button < 1 || press.button > 3)
            break;  // wheels and side buttons
        TPoint at{press.x_root, press.y_root};
        bool dbl = icon->LastButton == press.button &&
                   PressesPair(icon->LastPoint, static_cast<DWORD>(icon->LastTime), at, static_cast<DWORD>(press.time));
        // A third press starts over.
        icon->LastButton = dbl ? 0 : press.button;
        icon->LastTime = press.time;
        icon->LastPoint = at;
        TrayIconMouse(icon->Data, (dbl ? doubles : downs)[press.button - 1], at);
        break;
    }
    case ButtonRelease: {
        const XButtonEvent& release = Event.xbutton;
        time_ = release.time;
        static const UINT ups[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
        if (release.button >= 1 && release.button <= 3)
            TrayIconMouse(icon->Data, ups[release.button - 1], {release.x_root, release.y_root});
        break;
    }
    case MotionNotify:
        time_ = Event.xmotion.time;
        TrayIconMouse(icon->Data, WM_MOUSEMOVE, {Event.xmotion.x_root, Event.xmotion.y_root});
        break;
    case EnterNotify:
        ShowTrayTip(icon->Data.Tip, {Event.xcrossing.x_root, Event.xcrossing.y_root});
        break;
    case LeaveNotify:
        HideTrayTip();
        break;
    default:
        break;
    }
    return true;
}
