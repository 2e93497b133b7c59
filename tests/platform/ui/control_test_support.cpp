#include "control_test_support.h"

#include <cstdlib>

#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/message_queue.h"
#include "platform/win/window_styles.h"

TTestForm::TTestForm(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetVisible(false);
    SetBounds(100, 100, 400, 300);
    SetColor(clWhite);
}

void TTestForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.WndParent = nullptr;
}

void TTestForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_TAB) {
        SelectNext(FindControl(GetFocus()), GetKeyState(VK_SHIFT) >= 0, true);
        Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(Message);
}

bool TTestForm::SetFocusedControl(TWinControl* Control)
{
    if (Control == active_ || Control == this)
        return true;
    TWinControl* old = active_;
    active_ = Control;
    if (old)
        old->Perform(CM_EXIT, 0, 0);
    Control->Perform(CM_ENTER, 0, 0);
    return true;
}

void TTestForm::DefocusControl(TWinControl* Control, bool)
{
    if (Control->ContainsControl(active_))
        active_ = nullptr;
}

TProbe::TProbe(TComponent* AOwner, TWinControl* AParent, TRect Bounds, TColor AFill)
    : TCustomControl(AOwner), Fill(AFill)
{
    SetBoundsRect(Bounds);
    SetParent(AParent);
}

void TProbe::WndProc(TMessage& Message)
{
    if (Log && ControlMessageName(Message.Msg))
        Log->push_back(ControlMessageName(Message.Msg));
    TCustomControl::WndProc(Message);
}

void TProbe::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DialogCode;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TProbe::Paint()
{
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
}

TGraphicProbe::TGraphicProbe(TComponent* AOwner, TWinControl* AParent, TRect Bounds, TColor AFill)
    : TGraphicControl(AOwner), Fill(AFill)
{
    SetBoundsRect(Bounds);
    SetParent(AParent);
}

void TGraphicProbe::WndProc(TMessage& Message)
{
    if (Log && ControlMessageName(Message.Msg))
        Log->push_back(ControlMessageName(Message.Msg));
    TGraphicControl::WndProc(Message);
}

void TGraphicProbe::Paint()
{
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
}

const char* ControlMessageName(UINT Message)
{
    switch (Message) {
#define NAME(m) \
    case m:     \
        return #m
        NAME(WM_NCCREATE);
        NAME(WM_NCCALCSIZE);
        NAME(WM_CREATE);
        NAME(WM_SIZE);
        NAME(WM_MOVE);
        NAME(WM_SHOWWINDOW);
        NAME(WM_DESTROY);
        NAME(WM_NCDESTROY);
        NAME(WM_SETFOCUS);
        NAME(WM_KILLFOCUS);
        NAME(WM_KEYDOWN);
        NAME(WM_CHAR);
        NAME(WM_LBUTTONDOWN);
        NAME(WM_LBUTTONUP);
        NAME(WM_LBUTTONDBLCLK);
        NAME(CM_SHOWINGCHANGED);
        NAME(CM_MOUSEENTER);
        NAME(CM_MOUSELEAVE);
        NAME(CM_ENTER);
        NAME(CM_EXIT);
        NAME(CM_TEXTCHANGED);
        NAME(CN_KEYDOWN);
        NAME(CN_CHAR);
        NAME(CM_WANTSPECIALKEY);
        NAME(CN_COMMAND);
#undef NAME
    default:
        return nullptr;
    }
}

void TControlTest::SetUpTestSuite()
{
    setenv("TANDRIL_BACKEND", "headless", 1);
}

void TControlTest::SetUp()
{
    savedHooks_ = ControlHooks();
    SetManualClock(true);
    // Far from any press of an earlier test, so no double click spans two.
    AdvanceClock(10000);
}

void TControlTest::TearDown()
{
    Pump();
    FreeDeviceContexts();
    SetManualClock(false);
    EXPECT_EQ(GetCapture(), nullptr);
    ControlHooks() = savedHooks_;
}

TPoint TControlTest::ScreenPoint(TControl* Control, int X, int Y)
{
    return Control->ClientToScreen(Point(X, Y));
}

void TControlTest::ShowActive(TTestForm* Form)
{
    Form->Show();
    SetActiveWindow(Form->Handle());
    Pump();
}
