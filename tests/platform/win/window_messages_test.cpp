// The messages a window sees as it is made, shown, moved and destroyed.
#include <gtest/gtest.h>

#include "platform/win/frame_geometry.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/message_queue.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_hooks.h"
#include "platform/win/window_tree.h"
#include "platform/win/window.h"
#include "window_test_support.h"

using Log = std::vector<std::string>;

class WindowMessages : public TWindowTest {};

TEST_F(WindowMessages, CreateShowMoveDestroyInThePlatformsOrder)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_OVERLAPPEDWINDOW, nullptr, Bounds(10, 20, 300, 200));
    ASSERT_TRUE(a);
    EXPECT_EQ(log.Take(), (Log{"A:WM_GETMINMAXINFO", "A:WM_NCCREATE", "A:WM_NCCALCSIZE", "A:WM_CREATE", "A:WM_SIZE",
                               "A:WM_MOVE"}));
    // Shown without activation, so that no focus traffic joins in.
    EXPECT_FALSE(ShowWindow(a, SW_SHOWNOACTIVATE));
    EXPECT_EQ(log.Take(), (Log{"A:WM_SHOWWINDOW", "A:WM_WINDOWPOSCHANGING", "A:WM_WINDOWPOSCHANGED"}));

    HWND b = log.Make("B", WS_CHILD | WS_VISIBLE | WS_BORDER, a, Bounds(5, 6, 50, 40));
    EXPECT_EQ(log.Take(), (Log{"B:WM_NCCREATE", "B:WM_NCCALCSIZE", "B:WM_CREATE", "B:WM_SIZE", "B:WM_MOVE",
                               "A:WM_PARENTNOTIFY", "B:WM_SHOWWINDOW", "B:WM_WINDOWPOSCHANGING",
                               "B:WM_WINDOWPOSCHANGED"}));

    // The client area comes from the default frame: sizing border and caption.
    TRect client, window;
    GetClientRect(a, &client);
    GetWindowRect(a, &window);
    int frame = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(window, Bounds(10, 20, 300, 200));
    EXPECT_EQ(client, Rect(0, 0, 300 - 2 * frame, 200 - 2 * frame - GetSystemMetrics(SM_CYCAPTION)));
    TPoint p{0, 0};
    ClientToScreen(b, &p);
    EXPECT_EQ(p, Point(10 + frame + 5 + 1, 20 + frame + GetSystemMetrics(SM_CYCAPTION) + 6 + 1));

    SetWindowPos(a, nullptr, 30, 40, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(log.Take(), (Log{"A:WM_WINDOWPOSCHANGING", "A:WM_GETMINMAXINFO", "A:WM_NCCALCSIZE",
                               "A:WM_WINDOWPOSCHANGED", "A:WM_MOVE", "A:WM_SIZE"}));
    // A move alone recomputes no frame and reports no size.
    MoveWindow(a, 31, 40, 400, 300, true);
    EXPECT_EQ(log.Take(), (Log{"A:WM_WINDOWPOSCHANGING", "A:WM_WINDOWPOSCHANGED", "A:WM_MOVE"}));
    // Nothing changes, nothing is said.
    SetWindowPos(a, nullptr, 31, 40, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(log.Take(), Log{"A:WM_WINDOWPOSCHANGING"});

    HWND c = log.Make("C", WS_CHILD | WS_VISIBLE, b, Bounds(1, 1, 10, 10));
    log.Take();
    EXPECT_TRUE(DestroyWindow(a));
    EXPECT_EQ(log.Take(), (Log{"A:WM_WINDOWPOSCHANGING", "A:WM_WINDOWPOSCHANGED", "A:WM_DESTROY", "B:WM_DESTROY",
                               "C:WM_DESTROY", "C:WM_NCDESTROY", "B:WM_NCDESTROY", "A:WM_NCDESTROY"}));
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_FALSE(IsWindow(c));
}

TEST_F(WindowMessages, DestroyingAChildTellsItsParentsAndHidesIt)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP | WS_VISIBLE, nullptr, Bounds(0, 0, 100, 100));
    HWND b = log.Make("B", WS_CHILD | WS_VISIBLE, a, Bounds(0, 0, 50, 50));
    HWND c = log.Make("C", WS_CHILD | WS_VISIBLE, b, Bounds(0, 0, 10, 10));
    log.Take();
    DestroyWindow(c);
    EXPECT_EQ(log.Take(), (Log{"B:WM_PARENTNOTIFY", "A:WM_PARENTNOTIFY", "C:WM_SHOWWINDOW", "C:WM_WINDOWPOSCHANGING",
                               "C:WM_WINDOWPOSCHANGED", "C:WM_DESTROY", "C:WM_NCDESTROY"}));
    EXPECT_EQ(GetWindow(b, GW_CHILD), nullptr);
    EXPECT_TRUE(IsWindowVisible(b));
}

TEST_F(WindowMessages, FailedCreationDestroysTheHalfMadeWindow)
{
    TMessageLog log;
    log.Hook = [](const std::string&, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        result = -1;
        return message == WM_CREATE;
    };
    HWND parent = log.Make("P", WS_POPUP, nullptr, Bounds(0, 0, 100, 100));
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(log.Take(), (Log{"P:WM_NCCREATE", "P:WM_NCCALCSIZE", "P:WM_CREATE", "P:WM_DESTROY", "P:WM_NCDESTROY"}));
    int left = 0;
    EnumWindows(WNDENUMPROC::FromCallable([&](HWND h, LPARAM) {
                    left += GetClassName(h) == "TandrilLogWindow";
                    return true;
                }),
                0);
    EXPECT_EQ(left, 0);
}

TEST_F(WindowMessages, AWindowDestroyedInsideItsOwnHandlerIsFreedAfterwards)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP | WS_VISIBLE, nullptr, Bounds(0, 0, 100, 100));
    HWND b = log.Make("B", WS_CHILD | WS_VISIBLE, a, Bounds(0, 0, 50, 50));
    log.Take();
    // B destroys its parent, and so itself, while handling a message, and
    // then keeps using its handle and calling into the dead window.
    LRESULT after = -1;
    log.Hook = [&](const std::string& name, HWND self, UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (name != "B" || message != WM_USER)
            return false;
        DestroyWindow(a);
        after = SendMessage(self, WM_USER + 1, 0, 0) + DefWindowProc(self, WM_GETTEXTLENGTH, 0, 0) +
                DefSubclassProc(self, WM_USER, 0, 0);
        SetWindowPos(self, nullptr, 1, 1, 1, 1, 0);
        ShowWindow(self, SW_SHOW);
        result = 7;
        return true;
    };
    EXPECT_EQ(SendMessage(b, WM_USER, 0, 0), 7);
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    Log got = log.Take();
    EXPECT_EQ(got.back(), "A:WM_NCDESTROY");
    EXPECT_EQ(std::count(got.begin(), got.end(), "B:WM_NCDESTROY"), 1);

    // A window closing itself from its own WM_DESTROY and WM_NCDESTROY
    // is destroyed once.
    HWND c = log.Make("C", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    log.Hook = [&](const std::string&, HWND self, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_DESTROY || message == WM_NCDESTROY)
            DestroyWindow(self);
        return false;
    };
    log.Take();
    SendMessage(c, WM_CLOSE, 0, 0);
    EXPECT_EQ(log.Take(), (Log{"C:WM_CLOSE", "C:WM_DESTROY", "C:WM_NCDESTROY"}));
}

TEST_F(WindowMessages, StaleAndMadeUpHandlesAreRefused)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 100, 100));
    DestroyWindow(a);
    // A new window may take the same slot; the old handle still fails.
    HWND b = log.Make("B", WS_POPUP, nullptr, Bounds(0, 0, 100, 100));
    ASSERT_NE(a, b);
    log.Take();
    for (HWND bad : {a, reinterpret_cast<HWND>(intptr_t{12345}), reinterpret_cast<HWND>(intptr_t{-7})}) {
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_EQ(SendMessage(bad, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessage(bad, WM_USER, 0, 0));
        EXPECT_FALSE(SetWindowPos(bad, nullptr, 0, 0, 1, 1, 0));
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_FALSE(SetWindowText(bad, "x"));
        EXPECT_EQ(GetWindowLong(bad, GWL_STYLE), 0);
        EXPECT_EQ(GetParent(bad), nullptr);
        EXPECT_EQ(CreateWindowEx(0, "TandrilLogWindow", "", WS_CHILD, 0, 0, 1, 1, bad, 0, nullptr), nullptr);
    }
    EXPECT_TRUE(log.Take().empty());
    EXPECT_TRUE(IsWindow(b));
}

TEST_F(WindowMessages, ShowWindowCommandsAndStates)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_OVERLAPPEDWINDOW, nullptr, Bounds(100, 100, 300, 200));
    log.Ignored = {WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE};
    log.Take();
    EXPECT_FALSE(ShowWindow(a, SW_SHOWNA));
    EXPECT_TRUE(IsWindowVisible(a));
    EXPECT_TRUE(ShowWindow(a, SW_MAXIMIZE));
    EXPECT_TRUE(IsZoomed(a));
    TRect r;
    GetWindowRect(a, &r);
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int frame = FrameBorderWidth(WS_OVERLAPPEDWINDOW, 0);
    EXPECT_EQ(r, Rect(work.Left - frame, work.Top - frame, work.Right + frame, work.Bottom + frame));
    ShowWindow(a, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(a));
    EXPECT_FALSE(IsZoomed(a));
    // Restoring a window minimized from maximized brings it back maximized,
    // a second restore to where it was before.
    ShowWindow(a, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(a));
    ShowWindow(a, SW_RESTORE);
    GetWindowRect(a, &r);
    EXPECT_EQ(r, Bounds(100, 100, 300, 200));
    EXPECT_EQ(log.Take(), (Log{"A:WM_SHOWWINDOW", "A:WM_SIZE", "A:WM_SIZE", "A:WM_SIZE", "A:WM_SIZE"}));
    EXPECT_TRUE(ShowWindow(a, SW_HIDE));
    EXPECT_FALSE(ShowWindow(a, SW_HIDE));
    EXPECT_EQ(log.Take(), Log{"A:WM_SHOWWINDOW"});

    // A child of a hidden window only changes its flag.
    HWND b = log.Make("B", WS_CHILD, a, Bounds(0, 0, 10, 10));
    log.Take();
    ShowWindow(b, SW_SHOW);
    EXPECT_EQ(log.Take(), Log{"B:WM_SHOWWINDOW"});
    EXPECT_FALSE(IsWindowVisible(b));
    EXPECT_TRUE(GetWindowLong(b, GWL_STYLE) & WS_VISIBLE);
}

namespace {

// Stands for the painting and focus code that follow windows.
struct TObserver : TWindowObserver {
    TMessageLog* Log = nullptr;
    void WindowPosChanged(TWindow& w, const TWindowPosChange& c) override
    {
        Log->Add(Log->NameOf(w.Handle) + ":moved" + ((c.Flags & SWP_SHOWWINDOW) ? "+shown" : ""));
    }
    void WindowActivationRequested(TWindow& w) override { Log->Add(Log->NameOf(w.Handle) + ":activate"); }
    void WindowStyleChanged(TWindow& w, int index, DWORD, DWORD) override
    {
        Log->Add(Log->NameOf(w.Handle) + ":style" + std::to_string(index));
    }
    void WindowEnabledChanged(TWindow& w, bool enabled) override
    {
        Log->Add(Log->NameOf(w.Handle) + (enabled ? ":enabled" : ":disabled"));
    }
    void WindowDestroying(TWindow& w) override { Log->Add(Log->NameOf(w.Handle) + ":destroying"); }
};

LRESULT AnswerHelp(HWND, UINT, WPARAM w, LPARAM)
{
    return static_cast<LRESULT>(w) * 2;
}

}  // namespace

TEST_F(WindowMessages, OtherAreasHearChangesAndAddDefaultHandling)
{
    TMessageLog log;
    TObserver observer;
    observer.Log = &log;
    AddWindowObserver(&observer);
    log.Ignored = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY, WM_WINDOWPOSCHANGING};
    HWND a = log.Make("A", WS_POPUP | WS_VISIBLE, nullptr, Bounds(0, 0, 10, 10));
    HWND b = log.Make("B", WS_CHILD | WS_VISIBLE, a, Bounds(0, 0, 5, 5));
    // The focus code, when linked in, adds its own traffic to the activation.
    Log got = log.Take();
    Log expected{"A:WM_SHOWWINDOW", "A:moved+shown", "A:activate", "A:WM_WINDOWPOSCHANGED", "B:WM_SHOWWINDOW",
                 "B:moved+shown", "B:WM_WINDOWPOSCHANGED"};
    auto next = got.begin();
    for (const std::string& e : expected) {
        next = std::find(next, got.end(), e);
        EXPECT_NE(next, got.end()) << e;
    }
    EXPECT_EQ(std::count(got.begin(), got.end(), "A:activate"), 1);
    SetWindowLong(a, GWL_EXSTYLE, WS_EX_LAYERED);
    EnableWindow(b, false);
    EXPECT_EQ(log.Take(), (Log{"A:WM_STYLECHANGING", "A:style-20", "A:WM_STYLECHANGED", "B:WM_CANCELMODE",
                               "B:disabled", "B:WM_ENABLE"}));

    // Whatever held activation, focus or capture lets go when it goes.
    InputState() = {a, b, b, {}};
    DestroyWindow(a);
    EXPECT_EQ(log.Take(), (Log{"A:moved", "A:WM_WINDOWPOSCHANGED", "A:destroying", "A:WM_DESTROY", "B:destroying",
                               "B:WM_DESTROY", "B:WM_NCDESTROY", "A:WM_NCDESTROY"}));
    EXPECT_EQ(InputState().Active, nullptr);
    EXPECT_EQ(InputState().Focus, nullptr);
    EXPECT_EQ(InputState().Capture, nullptr);
    RemoveWindowObserver(&observer);

    // An area registers the default answer to a message it owns.
    HWND c = log.Make("C", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    TDefWindowProcHandler old = SetDefWindowProcHandler(WM_HELP, AnswerHelp);
    EXPECT_EQ(SendMessage(c, WM_HELP, 21, 0), 42);
    EXPECT_EQ(SetDefWindowProcHandler(WM_HELP, old), AnswerHelp);
    EXPECT_EQ(SendMessage(c, WM_HELP, 21, 0), 0);
    EXPECT_EQ(SetDefWindowProcHandler(WM_USER, AnswerHelp), nullptr);
}
