// A form to put controls on, a probe control that paints a colour and
// logs what reaches it, and a fixture that runs the message loop on the
// headless back end with the hand-driven clock and puts back the control
// hooks each test changes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/graphic_control.h"
#include "platform/ui/kernel/win_control.h"
#include "tests/support/message_pump.h"

// A top-level control, hidden until shown, that moves the focus with Tab
// and Shift+Tab and sends CM_EXIT / CM_ENTER as the focus moves inside it.
class TTestForm : public TWinControl {
public:
    explicit TTestForm(TComponent* AOwner = nullptr);
    TWinControl* ActiveControl() const { return active_; }

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    bool SetFocusedControl(TWinControl* Control) override;
    void DefocusControl(TWinControl* Control, bool Removing) override;

private:
    TWinControl* active_ = nullptr;
};

// Paints its client area in Fill and logs the messages its WndProc gets
// (by name) when Log is set.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* AOwner, TWinControl* AParent, TRect Bounds, TColor AFill = clRed);
    TColor Fill;
    std::vector<std::string>* Log = nullptr;
    LRESULT DialogCode = 0;

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
};

// A window-less control painting Fill, logging like TProbe.
class TGraphicProbe : public TGraphicControl {
public:
    explicit TGraphicProbe(TComponent* AOwner, TWinControl* AParent, TRect Bounds, TColor AFill = clBlue);
    TColor Fill;
    std::vector<std::string>* Log = nullptr;

protected:
    void WndProc(TMessage& Message) override;
    void Paint() override;
};

const char* ControlMessageName(UINT Message);

class TControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
    static void Pump() { PumpMessages(); }
    // A point of a control's client area on the screen.
    static TPoint ScreenPoint(TControl* Control, int X, int Y);
    // Shows the form and makes it the active window.
    static void ShowActive(TTestForm* Form);

private:
    // What start-up installed (the application's exception box, the popup
    // menus), for the tests after this one.
    TControlHooks savedHooks_;
};
