#include <gtest/gtest.h>

#include <functional>

#include "input_test_support.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/surface.h"
#include "platform/win/capture.h"
#include "platform/win/frame_layout.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

using TCaptionButtonTest = TInputTest;

struct TButtons {
    TPoint Close, Max, Min;
    TRect CloseRect;  // window coordinates
};

TButtons ButtonsOf(HWND window)
{
    TRect r;
    GetWindowRect(window, &r);
    TFrameLayout layout = LayoutFrame(r.Width(), r.Height(), static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)), 0);
    auto center = [&](const TRect& b) { return TPoint{r.Left + (b.Left + b.Right) / 2, r.Top + (b.Top + b.Bottom) / 2}; };
    return {center(layout.CloseButton), center(layout.MaxButton), center(layout.MinButton), layout.CloseButton};
}

COLORREF Pixel(HWND window, TPoint p)
{
    TRasterImage image = WindowImage(window);
    return PixelToColor(image.Row(p.Y)[p.X]);
}

TEST_F(TCaptionButtonTest, ACaptionButtonShowsItsPressAndActsOnlyWhenReleasedOverIt)
{
    HWND w = Make("W", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    Pump();
    TButtons buttons = ButtonsOf(w);
    TPoint corner = buttons.CloseRect.TopLeft();  // the edge's outer top-left pixel
    TPoint off{200, 110};                          // on the caption
    const COLORREF raised = GetSysColor(COLOR_3DLIGHT), sunken = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_EQ(Pixel(w, corner), raised);

    // While the press is held, a timer looks at the button and moves the
    // mouse off it, back on, and releases it off it.
    std::vector<COLORREF> seen;
    std::vector<std::function<void()>> steps = {
        [&] { InjectMouseMove(off); },
        [&] { InjectMouseMove(buttons.Close); },
        [&] { InjectMouseUp(off); },
    };
    size_t step = 0;
    Hook = [&](const std::string&, HWND window, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message != WM_TIMER || wParam != 7)
            return false;
        EXPECT_EQ(GetCapture(), window);
        seen.push_back(Pixel(window, corner));
        steps[step++]();
        if (step == steps.size())
            KillTimer(window, 7);
        return true;
    };
    SetTimer(w, 7, 10);
    InjectMouseDown(buttons.Close);
    Pump();
    EXPECT_EQ(seen, (std::vector<COLORREF>{sunken, raised, sunken}));
    EXPECT_TRUE(Take({WM_SYSCOMMAND, WM_CLOSE}).empty());
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Pixel(w, corner), raised);
    Hook = nullptr;

    // Released over them, the buttons send their commands with the point.
    auto command = [&](TPoint p) {
        InjectClick(p);
        Pump();
        std::vector<TLogged> sent = TakeLogged({WM_SYSCOMMAND});
        EXPECT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent.empty() ? 0 : sent[0].LParam, PointToLParam(p.X, p.Y));
        return sent.empty() ? 0 : sent[0].WParam;
    };
    auto style = [&] { return static_cast<DWORD>(GetWindowLong(w, GWL_STYLE)); };
    EXPECT_EQ(command(buttons.Max), SC_MAXIMIZE);
    EXPECT_TRUE(style() & WS_MAXIMIZE);
    EXPECT_EQ(command(ButtonsOf(w).Max), SC_RESTORE);  // now the restore button
    EXPECT_FALSE(style() & WS_MAXIMIZE);
    EXPECT_EQ(command(ButtonsOf(w).Min), SC_MINIMIZE);
    EXPECT_TRUE(style() & WS_MINIMIZE);
    ShowWindow(w, SW_RESTORE);
    Pump();
    Take({});

    InjectClick(ButtonsOf(w).Close);
    Pump();
    EXPECT_EQ(Take({WM_SYSCOMMAND, WM_CLOSE}), (std::vector<std::string>{"W:WM_SYSCOMMAND", "W:WM_CLOSE"}));
    EXPECT_FALSE(IsWindow(w));
}

}  // namespace
