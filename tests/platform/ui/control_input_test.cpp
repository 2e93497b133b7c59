#include <algorithm>
#include <memory>

#include "control_test_support.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

std::string Describe(TShiftState Shift)
{
    std::string text;
    const char* names[] = {"Shift", "Alt", "Ctrl", "Left", "Right", "Middle", "Double"};
    for (int flag = ssShift; flag <= ssDouble; ++flag)
        if (Shift.Contains(static_cast<TShiftStateFlag>(flag)))
            text += std::string("+") + names[flag];
    return text;
}

TEST_F(TControlTest, KeysReachTheFocusedControlAsKeyDownAndOneKeyPressPerByte)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(10, 10, 100, 60));
    TLines events;
    probe->OnKeyDown = TKeyEvent::FromCallable([&](TObject*, WORD& Key, TShiftState Shift) {
        events.push_back("down " + std::to_string(Key) + Describe(Shift));
        if (Key == VK_F2)
            Key = 0;
    });
    probe->OnKeyUp = TKeyEvent::FromCallable(
        [&](TObject*, WORD& Key, TShiftState) { events.push_back("up " + std::to_string(Key)); });
    probe->OnKeyPress = TKeyPressEvent::FromCallable([&](TObject*, char& Key) {
        events.push_back("press " + std::to_string(static_cast<unsigned char>(Key)));
        if (Key == 'x')
            Key = 0;
    });
    ShowActive(&form);
    probe->SetFocus();
    EXPECT_TRUE(probe->Focused());

    InjectKeyStroke('A', InjectShift | InjectCtrl);
    Pump();
    EXPECT_EQ(events, (TLines{"down 17+Ctrl", "down 16+Shift+Ctrl", "down 65+Shift+Ctrl", "press 1", "up 65",
                              "up 16", "up 17"}));
    events.clear();
    InjectText("\xD5\x66");  // 說 arrives as its two bytes
    Pump();
    TLines presses;
    for (const std::string& e : events)
        if (e.rfind("press", 0) == 0)
            presses.push_back(e);
    EXPECT_EQ(presses, (TLines{"press 213", "press 102"}));

    // A key that types nothing makes no key press.
    events.clear();
    InjectKeyStroke(VK_F2);
    Pump();
    EXPECT_EQ(events, (TLines{"down 113", "up 113"}));
}

TEST_F(TControlTest, SpecialKeysGoToTheFormUnlessTheControlWantsThem)
{
    TLines log;  // outlives the form, which logs on its way out
    TTestForm form;
    auto* first = new TProbe(&form, &form, Bounds(0, 0, 50, 20));
    auto* second = new TProbe(&form, &form, Bounds(0, 30, 50, 20));
    auto* third = new TProbe(&form, &form, Bounds(0, 60, 50, 20));
    auto* hidden = new TProbe(&form, &form, Bounds(0, 90, 50, 20));
    for (TProbe* p : {first, second, third, hidden})
        p->SetTabStop(true);
    hidden->Hide();
    third->SetTabOrder(0);
    hidden->SetTabOrder(2);  // third, first, hidden, second
    EXPECT_EQ(first->TabOrder(), 1);
    EXPECT_EQ(second->TabOrder(), 3);
    TLines entered;
    for (TProbe* p : {first, second, third}) {
        p->OnEnter = TNotifyEvent::FromCallable([&, p](TObject*) { entered.push_back("enter " + std::to_string(p->Top())); });
        p->OnExit = TNotifyEvent::FromCallable([&, p](TObject*) { entered.push_back("exit " + std::to_string(p->Top())); });
    }
    ShowActive(&form);
    third->SetFocus();
    InjectKeyStroke(VK_TAB);
    Pump();
    EXPECT_TRUE(first->Focused());
    InjectKeyStroke(VK_TAB);
    Pump();
    EXPECT_TRUE(second->Focused());  // the hidden one is passed over
    InjectKeyStroke(VK_TAB);
    Pump();
    EXPECT_TRUE(third->Focused());  // round again
    InjectKeyStroke(VK_TAB, InjectShift);
    Pump();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(entered, (TLines{"enter 60", "exit 60", "enter 0", "exit 0", "enter 30", "exit 30", "enter 60",
                               "exit 60", "enter 30"}));

    // A control that wants tabs keeps them.
    second->Log = &log;
    second->DialogCode = DLGC_WANTTAB;
    InjectKeyStroke(VK_TAB);
    Pump();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(log, (TLines{"WM_KEYDOWN", "CN_KEYDOWN", "CM_WANTSPECIALKEY", "WM_CHAR", "CN_CHAR"}));
    EXPECT_EQ(form.ActiveControl(), second);
    second->SetEnabled(false);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(TControlTest, MouseButtonsMakeClicksAndDoubleClicksWithTheShiftState)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(10, 10, 100, 60));
    auto* label = new TGraphicProbe(&form, &form, Bounds(200, 10, 50, 50));
    TLines events;
    auto track = [&](TControl* c, const std::string& name) {
        c->OnMouseDown = TMouseEvent::FromCallable([&, name](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            events.push_back(name + " down " + std::to_string(b) + Describe(s) + " " + std::to_string(x) + "," +
                             std::to_string(y));
        });
        c->OnMouseUp = TMouseEvent::FromCallable([&, name](TObject*, TMouseButton b, TShiftState s, int, int) {
            events.push_back(name + " up " + std::to_string(b) + Describe(s));
        });
        c->OnClick = TNotifyEvent::FromCallable([&, name](TObject*) { events.push_back(name + " click"); });
        c->OnDblClick = TNotifyEvent::FromCallable([&, name](TObject*) { events.push_back(name + " dblclick"); });
    };
    track(probe, "P");
    track(label, "L");
    ShowActive(&form);

    InjectClick(ScreenPoint(probe, 5, 6));
    InjectClick(ScreenPoint(probe, 5, 6));
    Pump();
    EXPECT_EQ(events, (TLines{"P down 0+Left 5,6", "P click", "P up 0", "P dblclick", "P down 0+Left+Double 5,6",
                              "P up 0"}));
    events.clear();
    AdvanceClock(10000);

    // The window-less control gets its messages from the form, in its own
    // coordinates; the capture keeps them coming once the mouse is off it,
    // and a release off it is no click.
    InjectMouseDown(ScreenPoint(label, 3, 4));
    Pump();
    EXPECT_EQ(GetCaptureControl(), label);
    InjectMouseMove(ScreenPoint(label, 80, 4));
    InjectMouseUp(ScreenPoint(label, 80, 4));
    InjectClick(ScreenPoint(label, 1, 1), 2);
    Pump();
    EXPECT_EQ(events, (TLines{"L down 0+Left 3,4", "L up 0", "L down 1+Right 1,1", "L up 1"}));
    EXPECT_EQ(GetCapture(), nullptr);

    // The wheel scrolls by whole notches; what is below one notch waits.
    int ups = 0;
    int downs = 0;
    probe->OnMouseWheelUp = TMouseWheelUpDownEvent::FromCallable([&](TObject*, TShiftState, TPoint, bool& Handled) {
        ++ups;
        Handled = true;
    });
    probe->OnMouseWheelDown =
        TMouseWheelUpDownEvent::FromCallable([&](TObject*, TShiftState, TPoint, bool&) { ++downs; });
    probe->SetFocus();
    InjectWheel(ScreenPoint(probe, 1, 1), 60);
    Pump();
    EXPECT_EQ(ups, 0);
    InjectWheel(ScreenPoint(probe, 1, 1), 300);
    Pump();
    EXPECT_EQ(ups, 3);
    InjectWheel(ScreenPoint(probe, 1, 1), -240);
    Pump();
    EXPECT_EQ(downs, 2);
}

TEST_F(TControlTest, MouseEnterAndLeaveReachWindowedAndWindowlessControls)
{
    TLines log;
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(10, 10, 100, 60));
    auto* label = new TGraphicProbe(&form, &form, Bounds(200, 10, 50, 50));
    probe->Log = &log;
    label->Log = &log;
    ShowActive(&form);
    label->SetCursor(crHandPoint);
    InjectMouseMove(ScreenPoint(label, 10, 10));
    InjectMouseMove(ScreenPoint(label, 20, 10));
    Pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "CM_MOUSEENTER"), 1);
    EXPECT_EQ(GetCursor(), CursorHandle(crHandPoint));
    log.clear();
    InjectMouseMove(ScreenPoint(probe, 10, 10));
    Pump();
    EXPECT_EQ(log.front(), "CM_MOUSELEAVE");
    EXPECT_EQ(std::count(log.begin(), log.end(), "CM_MOUSEENTER"), 1);
    log.clear();
    InjectMouseMove(ScreenPoint(&form, 150, 200));  // the form itself
    Pump();
    EXPECT_EQ(log, TLines{"CM_MOUSELEAVE"});
    log.clear();
    InjectMouseMove(ScreenPoint(label, 5, 5));
    Pump();
    InjectMouseLeave();
    Pump();
    EXPECT_EQ(log.back(), "CM_MOUSELEAVE");
    EXPECT_EQ(std::count(log.begin(), log.end(), "CM_MOUSEENTER"), 1);
}

}  // namespace
