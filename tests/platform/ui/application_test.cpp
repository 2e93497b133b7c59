#include <gtest/gtest.h>

#include "form_test_support.h"
#include "platform/base/exceptions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"

namespace {

// A control that paints a frame and a spot where it was last clicked, and
// remembers the keys it got.
class TPad : public TCustomControl {
public:
    explicit TPad(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
    TPoint Spot = Point(-10, -10);
    std::string Typed;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(ClientRect());
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Bounds(Spot.X - 2, Spot.Y - 2, 5, 5));
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        Spot = Point(X, Y);
        Invalidate();
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
    void KeyPress(char& Key) override
    {
        Typed += Key;
        TCustomControl::KeyPress(Key);
    }
};

class TPadForm : public TForm {
public:
    explicit TPadForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetBounds(20, 20, 200, 150);
        Pad = new TPad(this);
        Pad->SetName("Pad");
        Pad->SetBounds(10, 10, 100, 80);
        Pad->SetParent(this);
    }
    TPad* Pad;
};

}  // namespace

TEST_F(TFormTest, FormWithCustomControlPaintsAndTakesInput)
{
    auto* form = new TPadForm(nullptr);
    form->Show();
    Process();
    TPad* pad = form->Pad;
    EXPECT_EQ(form->ActiveControl(), pad);
    TPoint origin = ScreenPoint(pad, 0, 0);
    ComposeScreen();
    EXPECT_EQ(ScreenPixel(origin.X + 30, origin.Y + 30), RGB(255, 255, 255));
    InjectClick(ScreenPoint(pad, 30, 40));
    Process();
    EXPECT_EQ(pad->Spot, Point(30, 40));
    ComposeScreen();
    EXPECT_EQ(ScreenPixel(origin.X + 30, origin.Y + 40), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(origin.X + 36, origin.Y + 40), RGB(255, 255, 255));
    InjectText("ab");
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(pad->Typed, "ab\r");
    // KeyPreview lets the form see the keys first and take them.
    form->SetKeyPreview(true);
    form->OnKeyPress = TKeyPressEvent::FromCallable([](TObject*, char& Key) {
        if (Key == 'x')
            Key = 0;
    });
    InjectText("xy");
    Process();
    EXPECT_EQ(pad->Typed, "ab\ry");
    delete form;
}

TEST_F(TFormTest, ExceptionsInHandlersReachTheMessageBox)
{
    auto* form = new TPadForm(nullptr);
    form->Show();
    Process();
    form->Pad->OnClick = TNotifyEvent::FromCallable([](TObject*) { throw EConvertError("Bad number"); });
    TModalRequest asked;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        asked = Request;
        return IDOK;
    });
    InjectClick(ScreenPoint(form->Pad, 5, 5));
    Process();
    EXPECT_EQ(asked.Form, nullptr);
    EXPECT_EQ(asked.Text, "Bad number.");
    EXPECT_EQ(asked.Flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    // A message ending in a Chinese character takes no full stop of ours,
    // one ending in a double-byte character whose trail byte is a letter
    // neither (門 is E9 54).
    for (const char* text : {"不能写入。", "門"}) {
        form->Pad->OnClick = TNotifyEvent::FromCallable([text](TObject*) { throw EConvertError(text); });
        TModalAnswers::Push([&](const TModalRequest& Request) {
            asked = Request;
            return IDOK;
        });
        AdvanceClock(1000);
        InjectClick(ScreenPoint(form->Pad, 5, 5));
        Process();
        EXPECT_EQ(asked.Text, text);
    }
    form->Pad->OnClick = TNotifyEvent::FromCallable([](TObject*) { throw EConvertError("Bad number"); });

    // OnException takes them instead; EAbort is silent.
    std::string seen;
    Application->OnException = TExceptionEvent::FromCallable([&](TObject*, const std::exception& E) { seen = E.what(); });
    AdvanceClock(1000);  // not a double click
    InjectClick(ScreenPoint(form->Pad, 5, 5));
    Process();
    EXPECT_EQ(seen, "Bad number");
    seen.clear();
    form->Pad->OnClick = TNotifyEvent::FromCallable([](TObject*) { throw EAbort("quiet"); });
    AdvanceClock(1000);
    InjectClick(ScreenPoint(form->Pad, 5, 5));
    Process();
    EXPECT_EQ(seen, "");
    Application->OnException = nullptr;

    TModalAnswers::Push(IDNO);
    EXPECT_EQ(Application->MessageBox("Save?", "Notes", MB_YESNO), IDNO);
    delete form;
}

TEST_F(TFormTest, OnMessageHandlersComeAndGoInAnyOrder)
{
    std::vector<std::string> log;
    auto handler = [&](const std::string& Name, bool Handle) {
        return TMessageEvent::FromCallable([&log, Name, Handle](MSG& Msg, bool& Handled) {
            if (Msg.message == WM_USER + 1) {
                log.push_back(Name);
                Handled = Handle;
            }
        });
    };
    TMessageEvent a = handler("a", false), b = handler("b", false), c = handler("c", true);
    Application->OnMessage.Add(a);
    Application->OnMessage.Add(b);
    Application->OnMessage.Add(c);
    PostMessage(nullptr, WM_USER + 1, 0, 0);
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"c"}));
    Application->OnMessage.Remove(c);
    Application->OnMessage.Remove(a);
    log.clear();
    PostMessage(nullptr, WM_USER + 1, 0, 0);
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"b"}));
    // A handler that removes itself while it runs.
    TMessageEvent once;
    once = TMessageEvent::FromCallable([&](MSG& Msg, bool&) {
        if (Msg.message == WM_USER + 1) {
            log.push_back("once");
            Application->OnMessage.Remove(once);
        }
    });
    Application->OnMessage.Add(once);
    Application->OnMessage.Add(a);
    log.clear();
    PostMessage(nullptr, WM_USER + 1, 0, 0);
    PostMessage(nullptr, WM_USER + 1, 0, 0);
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "once", "b", "a", "b"}));
    Application->OnMessage.Remove(a);
    Application->OnMessage.Remove(b);
    EXPECT_EQ(Application->OnMessage.Count(), 0);
}

TEST_F(TFormTest, TimersTickInOrderAndMayFreeThemselves)
{
    std::vector<std::string> log;
    auto* slow = new TTimer(nullptr);
    slow->SetInterval(300);
    slow->SetOnTimer(LogEvent(log, "slow"));
    auto* fast = new TTimer(nullptr);
    fast->SetInterval(100);
    int ticks = 0;
    fast->SetOnTimer(TNotifyEvent::FromCallable([&](TObject*) {
        log.push_back("fast");
        if (++ticks == 3)
            delete fast;
    }));
    for (int i = 0; i < 7; ++i) {
        AdvanceClock(100);
        Process();
    }
    // At 300 both are due: the one that has waited longer goes first.
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "fast", "slow", "fast", "slow"}));
    slow->SetEnabled(false);
    AdvanceClock(1000);
    Process();
    EXPECT_EQ(log.size(), 5u);
    delete slow;
}

TEST_F(TFormTest, HintsShowAfterThePauseAndGoOnLeave)
{
    auto* form = new TPadForm(nullptr);
    form->Pad->Hint = "Pad|The drawing pad";
    form->Pad->SetShowHint(true);
    form->Show();
    Process();
    InjectMouseMove(ScreenPoint(form->Pad, 20, 20));
    Process();
    EXPECT_EQ(Application->Hint(), "The drawing pad");
    THintWindow* hint = Application->HintWindow();
    EXPECT_TRUE(!hint || !hint->HandleAllocated() || !IsWindowVisible(hint->Handle()));
    AdvanceClock(Application->HintPause - 10);
    Process();
    hint = Application->HintWindow();
    EXPECT_TRUE(!hint || !hint->HandleAllocated() || !IsWindowVisible(hint->Handle()));
    AdvanceClock(20);
    Process();
    hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(IsWindowVisible(hint->Handle()));
    EXPECT_EQ(hint->Caption(), "Pad");
    TRect rect;
    GetWindowRect(hint->Handle(), &rect);
    ComposeScreen();
    EXPECT_EQ(ScreenPixel(rect.Right - 2, rect.Bottom - 2), ColorToRGB(clInfoBk));
    // Leaving the control ends it.
    InjectMouseMove(ScreenPoint(form, 150, 120));
    Process();
    EXPECT_FALSE(hint->HandleAllocated() && IsWindowVisible(hint->Handle()));
    // Back again, and the hint goes by itself after HintHidePause.
    InjectMouseMove(ScreenPoint(form->Pad, 20, 20));
    Process();
    AdvanceClock(Application->HintPause + 10);
    Process();
    ASSERT_TRUE(hint->HandleAllocated() && IsWindowVisible(hint->Handle()));
    AdvanceClock(Application->HintHidePause + 10);
    Process();
    EXPECT_FALSE(hint->HandleAllocated() && IsWindowVisible(hint->Handle()));
    Application->CancelHint();
    delete form;
}

TEST_F(TFormTest, RunEndsWhenTheMainFormCloses)
{
    // A program of its own: a terminated application stays terminated.
    TApplication program(nullptr);
    TApplication* saved = Application;
    Application = &program;
    TPadForm* main = nullptr;
    program.CreateForm(main);
    EXPECT_EQ(program.MainForm(), main);
    TPadForm* other = nullptr;
    program.CreateForm(other);
    EXPECT_EQ(program.MainForm(), main);
    int idles = 0;
    program.OnIdle = TIdleEvent::FromCallable([&](TObject*, bool& Done) {
        // Closing another form only hides it; the main form ends the loop.
        // Nothing else would come: the loop must not wait.
        Done = false;
        if (++idles == 1)
            other->Close();
        else
            main->Close();
    });
    other->Show();
    program.Run();
    EXPECT_TRUE(program.Terminated());
    EXPECT_TRUE(main->Visible());
    EXPECT_FALSE(other->Visible());
    EXPECT_EQ(idles, 2);
    delete main;
    EXPECT_EQ(program.MainForm(), nullptr);
    Application = saved;
}
