#include "tests/skin/controls/skin_menu_test_support.h"

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/clock.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_input.h"
#include "tests/skin/controls/test_menu_skin.h"
#include "tests/support/message_pump.h"

void TMenuLogForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_SKINMENUCLOSED)
        log_->push_back("form 1228");
    TCustomForm::Dispatch(Message);
}

void TMenuOpener::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_SKINMENUCLOSED || Message.Msg == WM_SKINMENUCOMMAND)
        log_->push_back(name_ + " " + std::to_string(Message.Msg));
    TCustomControl::Dispatch(Message);
}

void TTestSkinFrame::SetFormActive()
{
    if (menuMode_)
        return;
    menuMode_ = true;
    log_->push_back("frame active");
}

void TTestSkinFrame::SetFormInactive()
{
    menuMode_ = false;
    log_->push_back("frame inactive");
}

void SkinMenuTest::SetUp()
{
    SkinControlsTest::SetUp();
    test_menu_skin::AddTo(skin_);
    skin_.LoadInto(*data_);
    HeadlessBackend()->SetScreenSize(1280, 800);
    // The mouse rests away from every menu until a test moves it.
    InjectMouseMove(TPoint{1270, 790});
    menuForm_ = std::make_unique<TMenuLogForm>(&log_);
    menuForm_->SetBounds(0, 0, 300, 200);
    menuForm_->Show();
    frame_ = new TTestSkinFrame(menuForm_.get(), data_.get(), &log_);
    menu_ = frame_->SkinMenu();
    menu_->DefaultMenuItemFont()->SetName(kTestFontName);
    menu_->DefaultMenuItemFont()->SetHeight(16);
    opener_ = new TMenuOpener(menuForm_.get(), &log_, "opener");
    opener_->SetParent(menuForm_.get());
    opener_->SetBounds(10, 10, 60, 20);
    root_ = std::make_unique<TMenuItem>(nullptr);
    PumpMessages();
}

void SkinMenuTest::TearDown()
{
    root_.reset();
    menuForm_.reset();
    PumpMessages();
    SkinControlsTest::TearDown();
}

void SkinMenuTest::Reload() { skin_.LoadInto(*data_); }

TMenuItem* SkinMenuTest::Add(TMenuItem* Parent, const AnsiString& Caption)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(Caption);
    Parent->Add(item);
    return item;
}

TMenuItem* SkinMenuTest::AddCommand(TMenuItem* Parent, const AnsiString& Caption)
{
    TMenuItem* item = Add(Parent, Caption);
    TEventLog* log = &log_;
    std::string name = Caption;
    item->OnClick = TNotifyEvent::FromCallable([log, name](TObject*) { log->push_back(name + " clicked"); });
    return item;
}

void SkinMenuTest::Open(TMenuItem* Root, TControl* Opener, TRect Rect)
{
    menu_->PopupRect(Opener, data_.get(), false, Root, Rect, 0);
    PumpMessages();
}

TPoint SkinMenuTest::RowPoint(int Level, int Row) const
{
    TbsSkinPopupWindow* window = Window(Level);
    TRect r = window->Item(Row)->ObjectRect;
    return window->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

void SkinMenuTest::Hover(int Level, int Row)
{
    InjectMouseMove(RowPoint(Level, Row));
    PumpMessages();
    Wait(50);
}

void SkinMenuTest::ClickRow(int Level, int Row)
{
    TPoint p = RowPoint(Level, Row);
    InjectMouseMove(p);
    InjectMouseDown(p, 1);
    InjectMouseUp(p, 1);
    PumpMessages();
}

void SkinMenuTest::Wait(int Milliseconds)
{
    for (int t = 0; t < Milliseconds; t += 10) {
        AdvanceClock(10);
        PumpMessages();
    }
}
