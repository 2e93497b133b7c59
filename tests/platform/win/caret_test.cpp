#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing.h"
#include "platform/win/caret.h"
#include "platform/win/clock.h"
#include "platform/win/paint.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

using TCaretTest = TInputTest;

constexpr uint32_t White = 0xFFFFFF;

class TPixels {
public:
    explicit TPixels(HWND window) : window_(window) {}
    uint32_t operator()(int x, int y) const
    {
        auto* backing = GdiObjectAs<TGdiBitmap>(WindowOf(window_)->Backing);
        return backing->Surface().GetPixel(x, y) & 0xFFFFFF;
    }

private:
    HWND window_;
};

TCaretState State()
{
    TCaretState state;
    EXPECT_TRUE(GetCaretState(&state));
    return state;
}

TEST_F(TCaretTest, TheCaretBlinksOnTheHandDrivenClockAndSurvivesPainting)
{
    HWND window = Make("W", WS_POPUP | WS_VISIBLE, nullptr, Bounds(50, 50, 100, 40));
    Hook = [&](const std::string&, HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message != WM_PAINT)
            return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        TRect all = Bounds(0, 0, 100, 40);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &paint);
        return true;
    };
    Pump();
    TPixels pixel(window);
    ASSERT_EQ(pixel(10, 5), White);

    ASSERT_TRUE(CreateCaret(window, nullptr, 2, 10));
    ASSERT_TRUE(SetCaretPos(10, 5));
    EXPECT_FALSE(State().Shown);
    ASSERT_TRUE(ShowCaret(window));
    EXPECT_TRUE(State().Lit);
    EXPECT_EQ(State().Rect, Bounds(10, 5, 2, 10));
    EXPECT_EQ(pixel(10, 5), 0u);
    EXPECT_EQ(pixel(11, 14), 0u);
    EXPECT_EQ(pixel(12, 5), White);
    EXPECT_EQ(pixel(10, 15), White);

    AdvanceClock(GetCaretBlinkTime() - 1);
    Pump();
    EXPECT_TRUE(State().Lit);
    AdvanceClock(1);
    Pump();
    EXPECT_FALSE(State().Lit);
    EXPECT_EQ(pixel(10, 5), White);
    AdvanceClock(530);
    Pump();
    EXPECT_TRUE(State().Lit);

    // Painting over the lit caret hides it first and shows it again after.
    InvalidateRect(window, nullptr, true);
    UpdateWindow(window);
    EXPECT_TRUE(State().Lit);
    EXPECT_EQ(pixel(10, 5), 0u);

    // Moving it lights it at once, in the new place only.
    AdvanceClock(530);
    Pump();
    EXPECT_FALSE(State().Lit);
    SetCaretPos(30, 5);
    EXPECT_TRUE(State().Lit);
    EXPECT_EQ(pixel(30, 5), 0u);
    EXPECT_EQ(pixel(10, 5), White);

    // Hiding nests.
    HideCaret(window);
    HideCaret(nullptr);
    ShowCaret(window);
    EXPECT_FALSE(State().Shown);
    EXPECT_EQ(pixel(30, 5), White);
    ShowCaret(window);
    EXPECT_TRUE(State().Lit);
    EXPECT_FALSE(HideCaret(GetDesktopWindow()));

    // A grey caret inverts every other pixel.
    ASSERT_TRUE(CreateCaret(window, reinterpret_cast<HBITMAP>(intptr_t{1}), 2, 2));
    EXPECT_EQ(pixel(30, 5), White);  // the old caret went away unlit
    ShowCaret(window);
    EXPECT_EQ(pixel(0, 0), 0u);
    EXPECT_EQ(pixel(1, 0), White);
    EXPECT_EQ(pixel(1, 1), 0u);

    DestroyWindow(window);
    TCaretState gone;
    EXPECT_FALSE(GetCaretState(&gone));
    EXPECT_FALSE(DestroyCaret());
}

}  // namespace
