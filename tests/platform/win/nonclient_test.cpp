#include "platform/win/scroll_bars.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_dc.h"
#include "paint_test_support.h"

namespace {

using TNonClientTest = TPaintTest;

// The default look's measures: a 4-pixel sizing border, a 19-pixel caption
// (its last row the line below it), caption buttons 16 x 14 two pixels in
// from the caption's top and right, the pair two pixels left of the close
// button, and sizing corners as long as a caption button plus the border.
TEST_F(TNonClientTest, HitCodesOfASizableCaptionedWindow)
{
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200), nullptr, RGB(255, 255, 255));
    auto hit = [&](int x, int y) { return SendMessage(w, WM_NCHITTEST, 0, PointToLParam(100 + x, 100 + y)); };
    EXPECT_EQ(hit(150, 100), HTCLIENT);
    EXPECT_EQ(hit(150, 23), HTCLIENT);
    EXPECT_EQ(hit(150, 10), HTCAPTION);
    EXPECT_EQ(hit(150, 22), HTCAPTION);
    EXPECT_EQ(hit(10, 10), HTSYSMENU);
    EXPECT_EQ(hit(286, 12), HTCLOSE);
    EXPECT_EQ(hit(268, 12), HTMAXBUTTON);
    EXPECT_EQ(hit(252, 12), HTMINBUTTON);
    EXPECT_EQ(hit(277, 12), HTCAPTION);  // between the pair and the close button
    EXPECT_EQ(hit(1, 100), HTLEFT);
    EXPECT_EQ(hit(298, 100), HTRIGHT);
    EXPECT_EQ(hit(150, 1), HTTOP);
    EXPECT_EQ(hit(150, 198), HTBOTTOM);
    EXPECT_EQ(hit(0, 0), HTTOPLEFT);
    EXPECT_EQ(hit(21, 1), HTTOPLEFT);
    EXPECT_EQ(hit(22, 1), HTTOP);
    EXPECT_EQ(hit(1, 21), HTTOPLEFT);
    EXPECT_EQ(hit(1, 22), HTLEFT);
    EXPECT_EQ(hit(299, 0), HTTOPRIGHT);
    EXPECT_EQ(hit(0, 199), HTBOTTOMLEFT);
    EXPECT_EQ(hit(299, 199), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(-1, 50), HTNOWHERE);

    // Scroll bars take their place beside the client area.
    ShowScrollBar(w, SB_BOTH, true);
    TRect client;
    GetClientRect(w, &client);
    EXPECT_EQ(client, Rect(0, 0, 276, 157));
    EXPECT_EQ(hit(288, 100), HTVSCROLL);
    EXPECT_EQ(hit(100, 188), HTHSCROLL);
    EXPECT_EQ(hit(288, 188), HTBOTTOMRIGHT);

    // Without a sizing frame the border is just a border.
    SetWindowLong(w, GWL_STYLE, (GetWindowLong(w, GWL_STYLE) & ~WS_THICKFRAME) | WS_DLGFRAME);
    EXPECT_EQ(hit(1, 100), HTBORDER);
}

TEST_F(TNonClientTest, WindowDCsCoverTheFrameAndTheCaptionFollowsActivation)
{
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 200, 150), nullptr, RGB(255, 255, 255));
    Pump();
    EXPECT_EQ(WindowPixel(w, 0, 100), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(WindowPixel(w, 150, 22), GetSysColor(COLOR_BTNFACE));

    HDC dc = GetWindowDC(w);
    SetPixel(dc, 0, 0, RGB(1, 2, 3));
    EXPECT_FALSE(ReleaseDC(nullptr, dc));
    EXPECT_TRUE(ReleaseDC(w, dc));
    EXPECT_EQ(WindowPixel(w, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(ScreenPixel(0, 0), RGB(1, 2, 3));
    dc = GetDC(w);
    SetPixel(dc, 0, 0, RGB(4, 5, 6));
    EXPECT_EQ(SetPixel(dc, -1, -1, RGB(7, 8, 9)), CLR_INVALID);
    ReleaseDC(w, dc);
    EXPECT_EQ(WindowPixel(w, 4, 23), RGB(4, 5, 6));

    SendMessage(w, WM_NCACTIVATE, 1, 0);
    EXPECT_EQ(WindowPixel(w, 100, 10), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(WindowPixel(w, 2, 100), GetSysColor(COLOR_ACTIVEBORDER));
    SendMessage(w, WM_NCACTIVATE, 0, 0);
    EXPECT_EQ(WindowPixel(w, 100, 10), GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(ScreenPixel(100, 10), GetSysColor(COLOR_INACTIVECAPTION));

    // The caption shows the window's text as soon as it is set.
    auto inked = [&] {
        TRasterImage image = WindowImage(w);
        int count = 0;
        for (int y = 4; y < 22; ++y)
            for (int x = 24; x < 140; ++x)
                count += PixelToColor(image.Row(y)[x]) != GetSysColor(COLOR_INACTIVECAPTION);
        return count;
    };
    EXPECT_EQ(inked(), 0);
    SetWindowText(w, "說門這 Tandril");
    EXPECT_GT(inked(), 0);
    SetWindowText(w, "");
    EXPECT_EQ(inked(), 0);
}

}  // namespace
