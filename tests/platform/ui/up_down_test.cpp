// The up-down control as a user drives it: clicks step Position by
// Increment within Min and Max or round them with Wrap, a held arrow
// repeats on the hand-driven clock only while the mouse stays on it, and
// the parent hears every step by WM_VSCROLL or WM_HSCROLL.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/widgets/up_down.h"
#include "platform/ui/widgets/up_down_window.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

std::vector<std::string>* scrollLog = nullptr;

// Stands in front of the form's window like a program watching it.
LRESULT LogScrolls(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if ((Msg == WM_VSCROLL || Msg == WM_HSCROLL) && scrollLog)
        scrollLog->push_back(std::string(Msg == WM_VSCROLL ? "V" : "H") + std::to_string(LOWORD(WParam)) + ":" +
                             std::to_string(static_cast<int16_t>(HIWORD(WParam))));
    return DefSubclassProc(Window, Msg, WParam, LParam);
}

class TUpDownTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 200, 150);
        upDown_ = new TUpDown(form_);
        upDown_->SetBounds(10, 10, 20, 40);
        upDown_->SetParent(form_);
        form_->Show();
        Process();
        scrollLog = &log_;
        SetWindowSubclass(form_->Handle(), WNDPROC(&LogScrolls), 1);
    }

    void TearDown() override
    {
        scrollLog = nullptr;
        delete form_;
        TFormTest::TearDown();
    }

    TPoint Up() { return ScreenPoint(upDown_, upDown_->Width() - 5, 5); }
    TPoint Down() { return ScreenPoint(upDown_, 5, upDown_->Height() - 5); }

    void Click(TPoint P)
    {
        InjectClick(P);
        Process();
    }

    TForm* form_ = nullptr;
    TUpDown* upDown_ = nullptr;
    std::vector<std::string> log_;
};

TEST_F(TUpDownTest, ClicksStepWithinTheRangeAndTellTheParent)
{
    EXPECT_EQ(GetClassName(upDown_->Handle()), "TUpDown");
    upDown_->SetMin(0);
    upDown_->SetMax(10);
    upDown_->SetIncrement(4);
    upDown_->SetPosition(1);
    Click(Up());
    EXPECT_EQ(upDown_->Position(), 5);
    Click(Up());
    Click(Up());
    EXPECT_EQ(upDown_->Position(), 10);
    // At the end a click moves nothing and tells of no step, only of the
    // press ending.
    Click(Up());
    EXPECT_EQ(log_, (std::vector<std::string>{"V4:5", "V8:5", "V4:9", "V8:9", "V4:10", "V8:10", "V8:10"}));
    Click(Down());
    EXPECT_EQ(upDown_->Position(), 6);
    upDown_->SetPosition(50);
    EXPECT_EQ(upDown_->Position(), 10);
}

TEST_F(TUpDownTest, WrapGoesRoundTheEnds)
{
    upDown_->SetMax(3);
    upDown_->SetWrap(true);
    upDown_->SetPosition(3);
    Click(Up());
    EXPECT_EQ(upDown_->Position(), 0);
    Click(Down());
    EXPECT_EQ(upDown_->Position(), 3);
}

TEST_F(TUpDownTest, AHeldArrowRepeatsWhileTheMouseStaysOnIt)
{
    InjectMouseDown(Up());
    Process();
    EXPECT_EQ(upDown_->Position(), 1);
    AdvanceClock(399);
    Process();
    EXPECT_EQ(upDown_->Position(), 1);
    AdvanceClock(1);
    Process();
    EXPECT_EQ(upDown_->Position(), 2);
    for (int i = 0; i < 3; ++i) {
        AdvanceClock(100);
        Process();
    }
    EXPECT_EQ(upDown_->Position(), 5);
    // Off the arrow it waits; back on it, it goes on.
    InjectMouseMove(Down());
    AdvanceClock(300);
    Process();
    EXPECT_EQ(upDown_->Position(), 5);
    InjectMouseMove(Up());
    AdvanceClock(100);
    Process();
    EXPECT_EQ(upDown_->Position(), 6);
    InjectMouseUp(Up());
    Process();
    AdvanceClock(1000);
    Process();
    EXPECT_EQ(upDown_->Position(), 6);
    EXPECT_EQ(log_.back(), "V8:6");
}

TEST_F(TUpDownTest, HorizontalArrowsSendHorizontalScrolls)
{
    upDown_->SetPosition(7);
    upDown_->SetOrientation(udHorizontal);
    // Turned on its side, and still where it stood.
    EXPECT_EQ(upDown_->Width(), 40);
    EXPECT_EQ(upDown_->Position(), 7);
    Click(ScreenPoint(upDown_, 35, 10));
    Click(ScreenPoint(upDown_, 3, 10));
    Click(ScreenPoint(upDown_, 3, 10));
    EXPECT_EQ(upDown_->Position(), 6);
    EXPECT_EQ(log_, (std::vector<std::string>{"H4:8", "H8:8", "H4:7", "H8:7", "H4:6", "H8:6"}));
}

TEST_F(TUpDownTest, AWindowOfTheClassWorksWithoutTheControl)
{
    ASSERT_TRUE(RegisterUpDownClass());
    HWND window = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE, 50, 10, 20, 40, form_->Handle(), 7,
                                 nullptr);
    ASSERT_NE(window, nullptr);
    SendMessage(window, UDM_SETRANGE32, static_cast<WPARAM>(-5), 5);
    EXPECT_EQ(SendMessage(window, UDM_SETPOS32, 0, -9), 0);
    EXPECT_EQ(SendMessage(window, UDM_GETPOS32, 0, 0), -5);
    InjectClick(ScreenPoint(form_, 55, 15));
    Process();
    EXPECT_EQ(SendMessage(window, UDM_GETPOS32, 0, 0), -4);
    EXPECT_EQ(log_.front(), "V4:-4");
    DestroyWindow(window);
}

}  // namespace
