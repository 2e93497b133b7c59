#include "tests/skin/controls/skin_controls_test_support.h"

#include <cstdlib>

#include "platform/ui/kernel/control_canvas.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_pos.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

void SkinControlsTest::SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

void SkinControlsTest::SetUp()
{
    SetManualClock(true);
    // The pointer away from where the form comes up, wherever an earlier
    // test left it: a control is entered before it is pressed, as when a
    // user moves onto it.
    InjectMouseMove(Point(1000, 700));
    PumpMessages();
    data_ = std::make_unique<TbsSkinData>(nullptr);
    skin_.LoadInto(*data_);
    form_ = std::make_unique<TCustomForm>(nullptr);
    form_->SetBounds(0, 0, 320, 240);
    form_->SetColor(clLime);
    form_->Show();
}

void SkinControlsTest::TearDown()
{
    form_.reset();
    data_.reset();
    FreeDeviceContexts();
    SetManualClock(false);
}

TColor SkinControlsTest::PixelOf(TControl* Control, int X, int Y)
{
    PumpMessages();
    form_->Update();
    TRect window{};
    GetWindowRect(form_->Handle(), &window);
    TPoint p = Control->ClientToScreen(TPoint{X, Y});
    return PixelAt(WindowImage(form_->Handle()), p.X - window.Left, p.Y - window.Top);
}

std::string SkinControlsTest::PieceAt(TControl* Control, int X, int Y)
{
    return skin_.PieceOf(PixelOf(Control, X, Y));
}

TTestAdjustingParent::TTestAdjustingParent(TWinControl* Parent, TRect Bounds, TRect AAdjusted)
    : TCustomControl(Parent), Adjusted(AAdjusted)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetBoundsRect(Bounds);
    SetParent(Parent);
}
