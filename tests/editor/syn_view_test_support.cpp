#include "syn_view_test_support.h"

#include <cstdlib>

#include "platform/win/keyboard.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"
#include "tests/support/message_pump.h"

TEditorHost::TEditorHost() : TWinControl(nullptr)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetBounds(50, 50, 700, 500);
}

void TEditorHost::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.WndParent = nullptr;
}

void TEditorViewTest::SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

void TEditorViewTest::SetUp()
{
    host_ = std::make_unique<TEditorHost>();
    host_->Show();
    host_->HandleNeeded();
    Pump();
}

void TEditorViewTest::TearDown()
{
    host_.reset();
    Pump();
}

void TEditorViewTest::Pump()
{
    PumpMessages();
}

TSynMemo* TEditorViewTest::AddMemo(int Left, int Width, int Height)
{
    auto* memo = new TSynMemo(host_.get());
    memo->SetBorderStyle(bsNone);
    memo->SetBounds(Left, 0, Width, Height);
    memo->SetParent(host_.get());
    memo->HandleNeeded();
    Pump();
    return memo;
}
