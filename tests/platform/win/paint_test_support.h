// Windows for the painting tests: each fills its client area with its own
// colour on WM_PAINT and logs the messages it gets.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/surface.h"
#include "platform/win/clock.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/paint.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "tests/support/message_pump.h"

class TPaintTest : public ::testing::Test {
protected:
    struct TEntry {
        HWND Window;
        UINT Message;
        WPARAM WParam;
    };

    static void SetUpTestSuite()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        SetManualClock(true);
        static bool registered = [] {
            WNDCLASSEX c;
            c.lpszClassName = "W2PaintTest";
            c.hbrBackground = reinterpret_cast<HBRUSH>(intptr_t{COLOR_WINDOW + 1});
            return RegisterClassEx(c) != 0;
        }();
        ASSERT_TRUE(registered);
    }

    void SetUp() override { objects_ = GdiObjectCount(); }

    // Every DC, region and picture the windows used has gone with them.
    void TearDown() override
    {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it)
            DestroyWindow(*it);
        Pump();
        EXPECT_EQ(GdiObjectCount(), objects_);
    }

    // Rect is in the parent's client coordinates (the screen's for a
    // top-level window).
    HWND Make(DWORD style, const TRect& r, HWND parent, COLORREF fill, DWORD exStyle = 0)
    {
        HWND w = CreateWindowEx(exStyle, "W2PaintTest", "", style, r.Left, r.Top, r.Width(), r.Height(), parent, 0,
                                nullptr);
        EXPECT_NE(w, nullptr);
        fill_[w] = fill;
        SetWindowProc(w, WNDPROC::FromCallable([this](HWND h, UINT m, WPARAM wp, LPARAM lp) {
                          return Proc(h, m, wp, lp);
                      }));
        made_.push_back(w);
        return w;
    }

    virtual LRESULT Proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
    {
        log_.push_back({w, m, wp});
        if (m != WM_PAINT)
            return DefWindowProc(w, m, wp, lp);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        lastPaint_[w] = ps;
        log_.push_back({w, WM_USER, 0});  // the painting itself
        TRect all{-1000, -1000, 1000, 1000};
        Fill(dc, all, fill_[w]);
        // A second colour from the middle of the client area down.
        if (auto lower = lowerFill_.find(w); lower != lowerFill_.end()) {
            TRect client = ClientOf(w);
            Fill(dc, Rect(0, client.Height() / 2, client.Width(), client.Height()), lower->second);
        }
        EndPaint(w, &ps);
        return 0;
    }

    static void Fill(HDC dc, const TRect& r, COLORREF color)
    {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

    static TRect ClientOf(HWND w)
    {
        TRect r;
        GetClientRect(w, &r);
        return r;
    }

    static void Pump() { PumpMessages(); }

    // The messages of the log from Window, in order, without the rest.
    std::vector<UINT> MessagesOf(HWND window, std::initializer_list<UINT> wanted) const
    {
        std::vector<UINT> out;
        for (const TEntry& e : log_)
            for (UINT m : wanted)
                if (e.Window == window && e.Message == m)
                    out.push_back(m);
        return out;
    }

    static COLORREF WindowPixel(HWND w, int x, int y)
    {
        TRasterImage image = WindowImage(w);
        return PixelToColor(image.Row(y)[x]);
    }

    int objects_ = 0;
    std::map<HWND, COLORREF> fill_;
    std::map<HWND, COLORREF> lowerFill_;
    std::map<HWND, PAINTSTRUCT> lastPaint_;
    std::vector<TEntry> log_;
    std::vector<HWND> made_;
};
