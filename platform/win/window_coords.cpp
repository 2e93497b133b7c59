#include "platform/win/window_coords.h"

#include <vector>

#include "platform/gdi/regions.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// Screen coordinates of a window's client origin; 0 is the screen.
bool ClientOrigin(HWND window, TPoint& origin)
{
    if (!window) {
        origin = {};
        return true;
    }
    TWindow* w = WindowOf(window);
    if (!w)
        return false;
    origin = w->ClientScreenOrigin();
    return true;
}

// Whether a screen point falls on the window: inside its rectangle and its
// window region, and not on a layered window that lets the mouse through.
bool Hits(const TWindow* window, TPoint screen)
{
    if (!(window->Style & WS_VISIBLE))
        return false;
    if ((window->ExStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT))
        return false;
    TPoint origin = window->ScreenOrigin();
    TPoint p{screen.X - origin.X, screen.Y - origin.Y};
    if (!PtInRect(Rect(0, 0, window->Rect.Width(), window->Rect.Height()), p))
        return false;
    return !window->WindowRgn || PtInRegion(window->WindowRgn, p.X, p.Y);
}

// The windows under the point, each window's descendants before the window
// itself and upper siblings before lower ones: the order in which they are
// asked whether the point is theirs.
void Candidates(TWindow* window, TPoint screen, std::vector<HWND>& out)
{
    bool searchChildren = !(window->Style & (WS_MINIMIZE | WS_DISABLED));
    if (searchChildren) {
        TPoint origin = window->ClientScreenOrigin();
        searchChildren = PtInRect(Rect(0, 0, window->Client.Width(), window->Client.Height()),
                                  Point(screen.X - origin.X, screen.Y - origin.Y));
    }
    if (searchChildren)
        for (TWindow* child : window->Children)
            if (Hits(child, screen))
                Candidates(child, screen, out);
    out.push_back(window->Handle);
}

}  // namespace

bool ClientToScreen(HWND Window, TPoint* Point)
{
    TPoint origin;
    if (!Window || !Point || !ClientOrigin(Window, origin))
        return false;
    Point->X += origin.X;
    Point->Y += origin.Y;
    return true;
}

bool ScreenToClient(HWND Window, TPoint* Point)
{
    TPoint origin;
    if (!Window || !Point || !ClientOrigin(Window, origin))
        return false;
    Point->X -= origin.X;
    Point->Y -= origin.Y;
    return true;
}

int MapWindowPoints(HWND From, HWND To, TPoint* Points, UINT Count)
{
    TPoint from, to;
    if (!ClientOrigin(From, from) || !ClientOrigin(To, to))
        return 0;
    int dx = from.X - to.X;
    int dy = from.Y - to.Y;
    for (UINT i = 0; i < Count; ++i) {
        Points[i].X += dx;
        Points[i].Y += dy;
    }
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

int MapWindowPoints(HWND From, HWND To, TRect* Rect)
{
    TPoint corners[2] = {Rect->TopLeft(), Rect->BottomRight()};
    int result = MapWindowPoints(From, To, corners, 2);
    *Rect = ::Rect(corners[0].X, corners[0].Y, corners[1].X, corners[1].Y);
    return result;
}

HWND WindowFromPoint(TPoint Point)
{
    std::vector<HWND> candidates;
    for (TWindow* top : DesktopRecord().Children)
        if (Hits(top, Point))
            Candidates(top, Point, candidates);
    for (HWND h : candidates) {
        if (!WindowOf(h))
            continue;
        LRESULT hit = SendMessage(h, WM_NCHITTEST, 0, PointToLParam(Point.X, Point.Y));
        if (hit != HTTRANSPARENT && WindowOf(h))
            return h;
    }
    return nullptr;
}

HWND ChildWindowFromPointEx(HWND Parent, TPoint Point, UINT Flags)
{
    TWindow* parent = WindowOf(Parent);
    if (!parent || !PtInRect(Rect(0, 0, parent->Client.Width(), parent->Client.Height()), Point))
        return nullptr;
    for (TWindow* child : parent->Children) {
        if ((Flags & CWP_SKIPINVISIBLE) && !(child->Style & WS_VISIBLE))
            continue;
        if ((Flags & CWP_SKIPDISABLED) && (child->Style & WS_DISABLED))
            continue;
        if ((Flags & CWP_SKIPTRANSPARENT) && (child->ExStyle & WS_EX_TRANSPARENT))
            continue;
        if (PtInRect(child->Rect, Point))
            return child->Handle;
    }
    return Parent;
}
