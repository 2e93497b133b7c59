#include "platform/gdi/regions.h"
#include "platform/win/scroll_window.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_region.h"
#include "paint_test_support.h"

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Yellow = RGB(255, 255, 0);

using TPaintingTest = TPaintTest;

TEST_F(TPaintingTest, AnInvalidatedRectangleIsAllThatIsPainted)
{
    HWND w = Make(WS_POPUP | WS_VISIBLE, Bounds(10, 10, 100, 80), nullptr, Red);
    Pump();
    EXPECT_EQ(WindowPixel(w, 50, 40), Red);
    EXPECT_EQ(ScreenPixel(60, 50), Red);

    fill_[w] = Blue;
    TRect r{20, 10, 50, 30};
    InvalidateRect(w, &r, false);
    TRect update;
    EXPECT_TRUE(GetUpdateRect(w, &update, false));
    EXPECT_EQ(update, r);
    log_.clear();
    Pump();
    EXPECT_EQ(MessagesOf(w, {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}), std::vector<UINT>{WM_PAINT});
    EXPECT_EQ(lastPaint_[w].rcPaint, r);
    EXPECT_FALSE(lastPaint_[w].fErase);
    EXPECT_EQ(WindowPixel(w, 20, 10), Blue);
    EXPECT_EQ(WindowPixel(w, 49, 29), Blue);
    EXPECT_EQ(WindowPixel(w, 19, 10), Red);
    EXPECT_EQ(WindowPixel(w, 50, 29), Red);
    EXPECT_EQ(WindowPixel(w, 20, 30), Red);
    // The screen shows what was presented.
    EXPECT_EQ(ScreenPixel(30, 20), Blue);
    EXPECT_EQ(ScreenPixel(29, 20), Red);
    EXPECT_FALSE(GetUpdateRect(w, nullptr, false));

    // Two rectangles make one update region; rcPaint bounds it.
    TRect a{0, 0, 5, 5}, b{90, 70, 100, 80};
    InvalidateRect(w, &a, false);
    InvalidateRect(w, &b, false);
    ValidateRect(w, &a);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(w, region, false), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(region, 95, 75));
    DeleteObject(region);
    Pump();
    EXPECT_EQ(lastPaint_[w].rcPaint, b);
}

TEST_F(TPaintingTest, FrameAndErasingComeBeforeThePainting)
{
    HWND w = Make(WS_POPUP | WS_BORDER | WS_VISIBLE, Bounds(0, 0, 60, 60), nullptr, Red);
    Pump();
    EXPECT_EQ(MessagesOf(w, {WM_NCPAINT, WM_ERASEBKGND, WM_USER}),
              (std::vector<UINT>{WM_NCPAINT, WM_ERASEBKGND, WM_USER}));
    EXPECT_EQ(WindowPixel(w, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(WindowPixel(w, 1, 1), Red);

    // Erasing now fills with the class brush and leaves the painting due.
    TRect r{0, 0, 10, 10};
    RedrawWindow(w, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(WindowPixel(w, 1, 1), White);
    EXPECT_EQ(WindowPixel(w, 11, 11), Red);
    EXPECT_TRUE(GetUpdateRect(w, nullptr, false));
    Pump();
    EXPECT_EQ(WindowPixel(w, 1, 1), Red);

    // With redrawing off nothing is painted; turned on, what waited is.
    SendMessage(w, WM_SETREDRAW, 0, 0);
    fill_[w] = Green;
    InvalidateRect(w, nullptr, true);
    log_.clear();
    Pump();
    EXPECT_TRUE(MessagesOf(w, {WM_PAINT}).empty());
    SendMessage(w, WM_SETREDRAW, 1, 0);
    Pump();
    EXPECT_EQ(MessagesOf(w, {WM_PAINT}).size(), 1u);
    EXPECT_EQ(WindowPixel(w, 30, 30), Green);
}

TEST_F(TPaintingTest, AChildWithARegionPaintsOnlyInsideIt)
{
    HWND parent = Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 120, 120), nullptr, White);
    HWND child = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 60, 60), parent, Red);
    Pump();
    EXPECT_EQ(WindowPixel(parent, 15, 15), Red);

    // An L of two rectangles.
    HRGN shape = CreateRectRgn(20, 20, 40, 40);
    HRGN foot = CreateRectRgn(20, 40, 55, 50);
    CombineRgn(shape, shape, foot, RGN_OR);
    DeleteObject(foot);
    EXPECT_TRUE(SetWindowRgn(child, shape, true));
    Pump();
    EXPECT_EQ(WindowPixel(parent, 35, 35), Red);
    EXPECT_EQ(WindowPixel(parent, 60, 55), Red);
    EXPECT_EQ(WindowPixel(parent, 15, 15), White);
    EXPECT_EQ(WindowPixel(parent, 60, 40), White);
    EXPECT_EQ(ScreenPixel(15, 15), White);
    // Hit testing follows the region too (screen coordinates).
    EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, PointToLParam(15, 15)), HTNOWHERE);
    EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, PointToLParam(35, 35)), HTCLIENT);

    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(child, copy), COMPLEXREGION);
    TRect box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box, Rect(20, 20, 55, 50));
    SetWindowRgn(child, nullptr, true);
    EXPECT_EQ(GetWindowRgn(child, copy), ERROR);
    DeleteObject(copy);
    Pump();
    EXPECT_EQ(WindowPixel(parent, 15, 15), Red);

    // The window deletes a region it owns when it goes.
    SetWindowRgn(child, CreateRectRgn(0, 0, 5, 5), false);
}

TEST_F(TPaintingTest, SiblingsAndChildrenClipAsTheirStylesSay)
{
    HWND parent = Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, White);
    HWND above = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 40, 40), parent, Green);
    HWND below = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(30, 30, 40, 40), parent, Blue);
    Pump();
    EXPECT_EQ(WindowPixel(parent, 40, 40), Green);
    EXPECT_EQ(WindowPixel(parent, 60, 60), Blue);

    InvalidateRect(below, nullptr, false);
    UpdateWindow(below);
    EXPECT_EQ(WindowPixel(parent, 40, 40), Green);
    SetWindowLong(below, GWL_STYLE, GetWindowLong(below, GWL_STYLE) & ~WS_CLIPSIBLINGS);
    InvalidateRect(below, nullptr, false);
    UpdateWindow(below);
    EXPECT_EQ(WindowPixel(parent, 40, 40), Blue);

    // Without WS_CLIPCHILDREN the parent paints over its children, which
    // then paint again; with it, they are left alone.
    fill_[parent] = Yellow;
    log_.clear();
    InvalidateRect(parent, nullptr, true);
    UpdateWindow(parent);
    EXPECT_EQ(MessagesOf(above, {WM_PAINT}).size(), 1u);
    EXPECT_EQ(WindowPixel(parent, 15, 15), Green);
    EXPECT_EQ(WindowPixel(parent, 5, 5), Yellow);
    SetWindowLong(parent, GWL_STYLE, GetWindowLong(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    fill_[parent] = Red;
    log_.clear();
    InvalidateRect(parent, nullptr, true);
    UpdateWindow(parent);
    EXPECT_TRUE(MessagesOf(above, {WM_PAINT}).empty());
    EXPECT_EQ(WindowPixel(parent, 15, 15), Green);
    EXPECT_EQ(WindowPixel(parent, 5, 5), Red);

    // Sent to the bottom, a child clipped by its siblings shows under them.
    SetWindowLong(above, GWL_STYLE, GetWindowLong(above, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(above, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
    EXPECT_EQ(WindowPixel(parent, 40, 40), Blue);
    EXPECT_EQ(WindowPixel(parent, 15, 15), Green);

    // Hiding a child uncovers its parent.
    ShowWindow(above, SW_HIDE);
    Pump();
    EXPECT_EQ(WindowPixel(parent, 15, 15), Red);
}

TEST_F(TPaintingTest, ScrollWindowExMovesPixelsAndInvalidatesTheUncoveredStrip)
{
    HWND w = Make(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, Red);
    lowerFill_[w] = Blue;
    Pump();
    EXPECT_EQ(WindowPixel(w, 50, 49), Red);
    EXPECT_EQ(WindowPixel(w, 50, 50), Blue);

    TRect pending{0, 50, 10, 60};
    InvalidateRect(w, &pending, false);
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    TRect strip;
    EXPECT_EQ(ScrollWindowEx(w, 0, -10, nullptr, nullptr, uncovered, &strip, SW_INVALIDATE), SIMPLEREGION);
    EXPECT_EQ(strip, Rect(0, 90, 100, 100));
    TRect box;
    GetRgnBox(uncovered, &box);
    EXPECT_EQ(box, strip);
    DeleteObject(uncovered);
    EXPECT_EQ(WindowPixel(w, 50, 39), Red);
    EXPECT_EQ(WindowPixel(w, 50, 40), Blue);
    EXPECT_EQ(ScreenPixel(50, 40), Blue);

    // The pending area moved along; the strip joined it.
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(w, update, false), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(update, 5, 45));
    EXPECT_FALSE(PtInRegion(update, 5, 55));
    EXPECT_TRUE(PtInRegion(update, 50, 95));
    DeleteObject(update);
    fill_[w] = lowerFill_[w] = Green;
    Pump();
    EXPECT_EQ(WindowPixel(w, 50, 95), Green);
    EXPECT_EQ(WindowPixel(w, 5, 45), Green);
    EXPECT_EQ(WindowPixel(w, 50, 60), Blue);

    // A clip rectangle keeps everything outside it.
    TRect clip{0, 0, 50, 100};
    ScrollWindowEx(w, 0, 20, nullptr, &clip, nullptr, &strip, 0);
    EXPECT_EQ(strip, Rect(0, 0, 50, 20));
    EXPECT_EQ(WindowPixel(w, 20, 59), Red);
    EXPECT_EQ(WindowPixel(w, 20, 60), Blue);  // each row read before a move reaches it
    EXPECT_EQ(WindowPixel(w, 70, 59), Blue);
}

}  // namespace
