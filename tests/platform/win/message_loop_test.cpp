// Posted messages, the quit message, nested loops and timers.
#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/win/message_queue.h"
#include "platform/win/timers.h"
#include "window_test_support.h"

namespace {

class MessageLoop : public TWindowTest {
protected:
    void TearDown() override
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        TWindowTest::TearDown();
    }

    // Runs a loop until WM_QUIT and answers its exit code.
    static int Run()
    {
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
        return static_cast<int>(msg.wParam);
    }
};

}  // namespace

TEST_F(MessageLoop, PostedMessagesArriveInOrderAndQuitEndsTheLoop)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    HWND b = log.Make("B", WS_CHILD, a, Bounds(0, 0, 5, 5));
    log.Take();
    EXPECT_TRUE(PostMessage(a, WM_USER, 1, 0));
    EXPECT_TRUE(PostMessage(b, WM_TIMER, 2, 0));
    EXPECT_TRUE(PostMessage(nullptr, WM_USER, 3, 0));
    PostQuitMessage(5);
    // The quit waits behind the posted messages; ranges and windows filter.
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, b);
    ASSERT_TRUE(PeekMessage(&msg, reinterpret_cast<HWND>(intptr_t{-1}), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessage(&msg, a, WM_TIMER, WM_TIMER, PM_REMOVE));  // a child's message passes its parent's filter
    EXPECT_EQ(msg.wParam, 2u);
    // Nothing of B's is left but the quit, which passes every filter.
    ASSERT_TRUE(PeekMessage(&msg, b, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(Run(), 5);
    EXPECT_EQ(log.Take(), std::vector<std::string>{"A:WM_USER"});
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));

    // A destroyed window takes its posted messages with it.
    PostMessage(b, WM_USER, 0, 0);
    DestroyWindow(b);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(MessageLoop, NestedLoopsEndInnerFirstAndPassTheQuitOut)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    std::vector<std::string> trace;
    int innerCode = -1;
    // WM_USER runs a modal loop, as a dialog would; WM_USER + 1 ends it.
    log.Hook = [&](const std::string&, HWND, UINT message, WPARAM w, LPARAM, LRESULT&) {
        if (message == WM_USER) {
            trace.push_back("enter" + std::to_string(w));
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0) && msg.message != WM_USER + 1)
                DispatchMessage(msg);
            if (msg.message == WM_QUIT) {
                innerCode = static_cast<int>(msg.wParam);
                PostQuitMessage(innerCode);
            }
            trace.push_back("leave" + std::to_string(w));
            return true;
        }
        if (message == WM_USER + 2)
            trace.push_back("work");
        return false;
    };
    PostMessage(a, WM_USER, 1, 0);
    PostMessage(a, WM_USER + 2, 0, 0);
    PostMessage(a, WM_USER, 2, 0);
    PostMessage(a, WM_USER + 1, 0, 0);
    PostMessage(a, WM_USER + 2, 0, 0);
    PostMessage(a, WM_USER + 1, 0, 0);
    PostMessage(a, WM_USER, 3, 0);
    PostQuitMessage(9);
    EXPECT_EQ(Run(), 9);
    EXPECT_EQ(innerCode, 9);
    EXPECT_EQ(trace, (std::vector<std::string>{"enter1", "work", "enter2", "leave2", "work", "leave1", "enter3",
                                               "leave3"}));
}

TEST_F(MessageLoop, WaitingForWhatCanNeverComeIsAnError)
{
    MSG msg;
    // The message says which back end could bring nothing.
    try {
        GetMessage(&msg, nullptr, 0, 0);
        ADD_FAILURE() << "GetMessage came back without a message";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("the headless back end has no display"), std::string::npos) << e.Message();
    }
    // Messages and timers of other windows do not end a filtered wait.
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    HWND b = log.Make("B", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    PostMessage(b, WM_USER, 0, 0);
    SetTimer(b, 1, 10);
    EXPECT_THROW(GetMessage(&msg, a, 0, 0), Exception);
    SetTimer(a, 1, 50);
    uint64_t start = GetTickCount64();
    ASSERT_TRUE(GetMessage(&msg, a, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_TIMER));
    EXPECT_EQ(GetTickCount64() - start, 50u);
}

TEST_F(MessageLoop, TimersFireInDueOrderOnTheHandDrivenClock)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    std::vector<std::string> ticks;
    log.Hook = [&](const std::string&, HWND, UINT message, WPARAM id, LPARAM, LRESULT&) {
        if (message == WM_TIMER)
            ticks.push_back("t" + std::to_string(id) + "@" + std::to_string(GetTickCount64() % 100000));
        return message == WM_TIMER;
    };
    AdvanceClock(100000 - GetTickCount64() % 100000);  // start at a round time
    SetTimer(a, 1, 30);
    SetTimer(a, 2, 20);
    std::vector<std::string> callbacks;
    UINT_PTR thread = SetTimer(nullptr, 0, 50, TIMERPROC::FromCallable([&](HWND h, UINT m, UINT_PTR id, DWORD) {
                                   callbacks.push_back(std::to_string(m == WM_TIMER && !h) + std::to_string(id));
                               }));
    ASSERT_NE(thread, 0u);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    // A posted message goes before a due timer.
    AdvanceClock(20);
    PostMessage(a, WM_USER, 0, 0);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    // GetMessage with nothing due moves the clock to the next timer.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
        DispatchMessage(msg);
    }
    EXPECT_EQ(ticks, (std::vector<std::string>{"t2@20", "t1@30", "t2@40", "t1@60"}));
    EXPECT_EQ(callbacks, std::vector<std::string>{"1" + std::to_string(thread)});

    // Late by far, a timer fires once and counts on from when it was taken.
    ticks.clear();
    KillTimer(nullptr, thread);
    KillTimer(a, 2);
    AdvanceClock(1000);
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(msg);
    EXPECT_EQ(ticks, std::vector<std::string>{"t1@1060"});
    EXPECT_EQ(callbacks.size(), 1u);
    EXPECT_TRUE(KillTimer(a, 1));
    EXPECT_FALSE(KillTimer(a, 1));
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(intptr_t{99}), 1, 10), 0u);
}

TEST_F(MessageLoop, ATimerKilledOrItsWindowDestroyedInsideItsOwnTick)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    int ticks = 0;
    // The callback lives in a lambda the timer owns; killing the timer from
    // inside drops the timer's copy while the call still runs.
    auto owned = std::make_shared<int>(0);
    SetTimer(a, 7, 10, TIMERPROC::FromCallable([owned, &ticks, a](HWND, UINT, UINT_PTR id, DWORD) {
                 KillTimer(a, id);
                 ++*owned;
                 ++ticks;
             }));
    owned.reset();
    log.Hook = [&](const std::string&, HWND self, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_TIMER) {
            ++ticks;
            DestroyWindow(self);
        }
        return false;
    };
    SetTimer(log.Make("B", WS_POPUP, nullptr, Bounds(0, 0, 10, 10)), 8, 15);
    AdvanceClock(100);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(msg);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(IsWindow(log.Find("B")));
    uint64_t due;
    EXPECT_FALSE(NextTimerDue(nullptr, 0, 0, &due));
}
