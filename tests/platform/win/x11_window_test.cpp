#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"
#include "platform/win/focus.h"
#include "platform/win/paint.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

namespace {

using TX11WindowTest = TX11Test;

// The window's pixels on the display, or empty while it shows nothing.
std::vector<uint32_t> DisplayedPixels(Display* display, unsigned long window, int width, int height)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return {};
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

std::vector<uint32_t> BackingPixels(HWND window, int width, int height)
{
    auto* bitmap = GdiObjectAs<TGdiBitmap>(WindowOf(window)->Backing);
    TSurface surface = bitmap->Surface();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(surface.GetPixel(x, y) & 0xFFFFFF);
    return pixels;
}

TEST_F(TX11WindowTest, PaintedWindowShowsItsBackingPixels)
{
    // A captioned window whose client area paints two bands: the frame
    // and caption come from the window manager, the bands from the window.
    Hook = [](const std::string&, HWND window, UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_PAINT)
            return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH red = CreateSolidBrush(RGB(200, 30, 40));
        HBRUSH blue = CreateSolidBrush(RGB(20, 60, 220));
        TRect top = Rect(0, 0, 300, 40);
        TRect bottom = Rect(0, 40, 300, 300);
        FillRect(dc, &top, red);
        FillRect(dc, &bottom, blue);
        DeleteObject(red);
        DeleteObject(blue);
        EndPaint(window, &paint);
        result = 0;
        return true;
    };
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    unsigned long xw = X11WindowOf(form);
    ASSERT_NE(xw, 0u);

    std::vector<uint32_t> shown;
    bool same = PumpUntil([&] {
        shown = DisplayedPixels(Other(), xw, 220, 140);
        return shown == BackingPixels(form, 220, 140);
    });
    EXPECT_TRUE(same) << "the window never showed its backing pixels";
    ASSERT_EQ(shown.size(), 220u * 140u);
    // Both bands and the frame are really there, not a blank window twice.
    TRect client;
    GetClientRect(form, &client);
    TPoint origin{0, 0};
    ClientToScreen(form, &origin);
    int cx = origin.X - 40, cy = origin.Y - 50;
    EXPECT_EQ(shown[static_cast<size_t>((cy + 10) * 220 + cx + 10)], 0xC81E28u);
    EXPECT_EQ(shown[static_cast<size_t>((cy + 60) * 220 + cx + 10)], 0x143CDCu);

    // A later change reaches the display too.
    Hook = nullptr;
    InvalidateRect(form, nullptr, true);
    EXPECT_TRUE(PumpUntil([&] { return DisplayedPixels(Other(), xw, 220, 140) == BackingPixels(form, 220, 140); }));
}

TEST_F(TX11WindowTest, RegionShapesTheWindowAndPopupsStayOutOfTheWay)
{
    HWND form = Make("F", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 200, 100));
    // The shape's rectangles as the server keeps them.
    auto shape = [&] {
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(Other(), X11WindowOf(form), ShapeBounding, &count, &ordering);
        std::vector<TRect> shown;
        for (int i = 0; i < count; ++i)
            shown.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
        if (rects)
            XFree(rects);
        return shown;
    };
    SetWindowRgn(form, CreateRectRgn(10, 20, 110, 70), true);
    EXPECT_TRUE(PumpUntil([&] { return shape() == std::vector<TRect>{Rect(10, 20, 110, 70)}; }));
    // Taking the region off shows the whole window again.
    SetWindowRgn(form, nullptr, true);
    EXPECT_TRUE(PumpUntil([&] { return shape() == std::vector<TRect>{Rect(0, 0, 200, 100)}; }));

    // The form has the X focus; a hint-like popup shown over it does not
    // take it, and the desktop does not manage it.
    Window focus = 0;
    int revert = 0;
    ASSERT_TRUE(PumpUntil([&] {
        XGetInputFocus(Other(), &focus, &revert);
        return focus == X11WindowOf(form);
    }));
    HWND popup = Make("P", WS_POPUP | WS_BORDER, nullptr, Bounds(120, 120, 80, 20),
                      WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    XWindowAttributes attributes{};
    ASSERT_TRUE(PumpUntil([&] {
        XGetWindowAttributes(Other(), X11WindowOf(popup), &attributes);
        return attributes.map_state == IsViewable;
    }));
    EXPECT_TRUE(attributes.override_redirect);
    XGetWindowAttributes(Other(), X11WindowOf(form), &attributes);
    EXPECT_FALSE(attributes.override_redirect);
    XGetInputFocus(Other(), &focus, &revert);
    EXPECT_EQ(focus, X11WindowOf(form));
    EXPECT_EQ(GetActiveWindow(), form);

    // Even a click on it leaves the focus where it was.
    Take({});
    XTestFakeMotionEvent(Other(), 0, 150, 130, 0);
    XTestFakeButtonEvent(Other(), 1, True, 0);
    XTestFakeButtonEvent(Other(), 1, False, 0);
    XSync(Other(), False);
    std::vector<std::string> clicks;
    EXPECT_TRUE(PumpUntil([&] {
        for (const std::string& line : Take({WM_LBUTTONDOWN, WM_LBUTTONUP}))
            clicks.push_back(line);
        return clicks.size() == 2;
    }));
    EXPECT_EQ(clicks, (std::vector<std::string>{"P:WM_LBUTTONDOWN", "P:WM_LBUTTONUP"}));
    XGetInputFocus(Other(), &focus, &revert);
    EXPECT_EQ(focus, X11WindowOf(form));
    EXPECT_EQ(GetActiveWindow(), form);
}

}  // namespace
