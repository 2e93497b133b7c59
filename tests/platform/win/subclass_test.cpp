// Subclass chains and re-entrant sent messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/win/window_pos.h"
#include "window_test_support.h"

namespace {

// A subclasser that notes each call and passes the message on.
struct TSubclasser {
    std::string Name;
    std::string* Trace = nullptr;
    int Depth = 0;     // calls of this procedure that have not returned
    int MaxDepth = 0;  // never above 1 unless the test sends again
    bool RemoveSelfOnCall = false;

    LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        ++Depth;
        MaxDepth = std::max(MaxDepth, Depth);
        *Trace += Name;
        if (RemoveSelfOnCall)
            RemoveWindowSubclass(h, Handler(), 1);
        LRESULT r = DefSubclassProc(h, m, w, l) + 1;
        --Depth;
        return r;
    }
    WNDPROC Handler() { return WNDPROC(this, &TSubclasser::Proc); }
};

class Subclassing : public TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        log_.Hook = [this](const std::string&, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message != WM_USER)
                return false;
            trace_ += "W";
            result = 100;
            return true;
        };
        window_ = log_.Make("W", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
        for (int i = 0; i < 3; ++i)
            subclassers_[i] = {std::string(1, char('a' + i)), &trace_};
    }

    void TearDown() override
    {
        // The subclassers die with the fixture; the window goes first.
        DestroyWindow(window_);
        TWindowTest::TearDown();
    }

    // Sends WM_USER and answers the trace of who handled it.
    std::string Send(LRESULT* result = nullptr)
    {
        trace_.clear();
        LRESULT r = SendMessage(window_, WM_USER, 0, 0);
        if (result)
            *result = r;
        return trace_;
    }

    TMessageLog log_;
    HWND window_ = nullptr;
    std::string trace_;
    std::array<TSubclasser, 3> subclassers_;
};

}  // namespace

TEST_F(Subclassing, ThreeSubclassersInAnyOrderLeaveTheWindowProcedure)
{
    std::array<int, 3> install{0, 1, 2};
    do {
        std::array<int, 3> remove{0, 1, 2};
        do {
            std::string expected;
            for (int i : install) {
                ASSERT_TRUE(SetWindowSubclass(window_, subclassers_[i].Handler(), 1));
                expected.insert(expected.begin(), subclassers_[i].Name[0]);
            }
            // The newest runs first; each passes on to the one below.
            LRESULT result = 0;
            EXPECT_EQ(Send(&result), expected + "W");
            EXPECT_EQ(result, 103);
            for (int i : remove) {
                EXPECT_TRUE(RemoveWindowSubclass(window_, subclassers_[i].Handler(), 1));
                expected.erase(expected.find(subclassers_[i].Name[0]), 1);
                EXPECT_EQ(Send(), expected + "W");
            }
            EXPECT_FALSE(RemoveWindowSubclass(window_, subclassers_[remove[0]].Handler(), 1));
        } while (std::next_permutation(remove.begin(), remove.end()));
    } while (std::next_permutation(install.begin(), install.end()));
    for (const TSubclasser& s : subclassers_)
        EXPECT_EQ(s.MaxDepth, 1);
}

TEST_F(Subclassing, IdentityIsTheProcedureAndTheId)
{
    TSubclasser& a = subclassers_[0];
    EXPECT_TRUE(SetWindowSubclass(window_, a.Handler(), 1));
    EXPECT_TRUE(SetWindowSubclass(window_, a.Handler(), 1));  // already there
    EXPECT_TRUE(SetWindowSubclass(window_, a.Handler(), 2));
    EXPECT_EQ(Send(), "aaW");
    EXPECT_FALSE(RemoveWindowSubclass(window_, subclassers_[1].Handler(), 1));
    EXPECT_TRUE(RemoveWindowSubclass(window_, a.Handler(), 2));
    EXPECT_EQ(Send(), "aW");
}

TEST_F(Subclassing, RemovingWhileRunningIsSafe)
{
    for (TSubclasser& s : subclassers_)
        SetWindowSubclass(window_, s.Handler(), 1);
    // The middle one removes itself while it runs, then the top one
    // removes the one below the running one from inside its own call.
    subclassers_[1].RemoveSelfOnCall = true;
    EXPECT_EQ(Send(), "cbaW");
    EXPECT_EQ(Send(), "caW");

    std::string seen;
    TSubclasser& top = subclassers_[2];
    auto remover = WNDPROC::FromCallable([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen += "r";
        RemoveWindowSubclass(h, top.Handler(), 1);
        RemoveWindowSubclass(h, subclassers_[0].Handler(), 1);
        return DefSubclassProc(h, m, w, l);
    });
    SetWindowSubclass(window_, remover, 9);
    EXPECT_EQ(Send(), "W");  // both below were removed before the call went on
    EXPECT_EQ(seen, "r");
    RemoveWindowSubclass(window_, remover, 9);
    EXPECT_EQ(Send(), "W");
}

TEST_F(Subclassing, SentMessagesNestInsideHandlers)
{
    TSubclasser& a = subclassers_[0];
    SetWindowSubclass(window_, a.Handler(), 1);
    // The window's own procedure sends to itself three levels deep; every
    // level passes through the whole chain again and unwinds in order.
    int depth = 0;
    std::string order;
    log_.Hook = [&](const std::string&, HWND self, UINT message, WPARAM w, LPARAM, LRESULT& result) {
        if (message != WM_USER)
            return false;
        order += "<" + std::to_string(w);
        result = w < 3 ? SendMessage(self, WM_USER, w + 1, 0) + 10 : 0;
        order += ">";
        depth = std::max(depth, static_cast<int>(w));
        return true;
    };
    EXPECT_EQ(SendMessage(window_, WM_USER, 0, 0), 3 * 11 + 1);
    EXPECT_EQ(order, "<0<1<2<3>>>>");
    EXPECT_EQ(trace_, "aaaa");
    EXPECT_EQ(a.MaxDepth, 4);
    EXPECT_EQ(depth, 3);
    EXPECT_FALSE(InSendMessage());
}

TEST_F(Subclassing, WindowProcedureCanBeReplacedBelowTheChain)
{
    TSubclasser& a = subclassers_[0];
    SetWindowSubclass(window_, a.Handler(), 1);
    WNDPROC classProc = GetWindowProc(window_);
    WNDPROC own = WNDPROC::FromCallable([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        trace_ += "O";
        return CallWindowProc(classProc, h, m, w, l);
    });
    EXPECT_TRUE(SetWindowProc(window_, own) == classProc);
    EXPECT_EQ(Send(), "aOW");
    SetWindowProc(window_, classProc);
    EXPECT_EQ(Send(), "aW");
    RemoveWindowSubclass(window_, a.Handler(), 1);
}
