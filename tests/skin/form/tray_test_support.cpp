#include "tests/skin/form/tray_test_support.h"

#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/clock.h"
#include "platform/win/headless_tray.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_tray_icon.h"
#include "tests/support/message_pump.h"

TRasterImage Solid(uint32_t Pixel)
{
    TRasterImage image = TRasterImage::Sized(16, 16);
    for (uint32_t& p : image.Pixels)
        p = Pixel;
    image.HasAlpha = true;
    return image;
}

uint32_t ShownPixel(const TbsTrayIcon& Tray)
{
    const TBackendTrayIcon* icon = HeadlessTrayIcon(Tray.Handle(), 1);
    return icon && !icon->Picture.Empty() ? icon->Picture.Pixels[0] : 0;
}

void TrayIconTest::SetUp()
{
    FrameTest::SetUp();
    HeadlessBackend()->SetTrayPresent(true);
    Application->CreateForm(main_);
    main_->SetBounds(100, 80, 300, 200);
    main_->Show();
    tray_ = new TbsTrayIcon(main_);
    TIcon icon;
    icon.AssignImage(Solid(0xFF112233));
    tray_->SetIcon(&icon);
    tray_->SetIconVisible(true);
    tray_->OnClick = TNotifyEvent::FromCallable([this](TObject*) { events_.push_back("click"); });
    tray_->OnDblClick = TNotifyEvent::FromCallable([this](TObject*) { events_.push_back("dblclick"); });
    tray_->OnMouseDown = TMouseEvent::FromCallable([this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        events_.push_back("down " + std::to_string(Button) + " " + std::to_string(X) + "," + std::to_string(Y));
    });
    tray_->OnMouseUp = TMouseEvent::FromCallable(
        [this](TObject*, TMouseButton Button, TShiftState, int, int) { events_.push_back("up " + std::to_string(Button)); });
}

void TrayIconTest::TearDown()
{
    delete main_;
    PumpMessages();
    HeadlessBackend()->SetTrayPresent(true);
    FrameTest::TearDown();
}

void TrayIconTest::Mouse(UINT Message)
{
    ASSERT_TRUE(InjectTrayMouse(tray_->Handle(), 1, Message, {1200, 790}));
    PumpMessages();
}

void TrayIconTest::Wait(unsigned Milliseconds)
{
    AdvanceClock(Milliseconds);
    PumpMessages();
}

TbsSkinPopupMenu* TrayIconTest::NewMenu()
{
    auto* menu = new TbsSkinPopupMenu(main_);
    menu->OnPopup = TNotifyEvent::FromCallable([this](TObject*) { events_.push_back("menu"); });
    auto* item = new TMenuItem(menu);
    auto* byDefault = new TMenuItem(menu);
    byDefault->SetDefault(true);
    byDefault->OnClick = TNotifyEvent::FromCallable([this](TObject*) { events_.push_back("default item"); });
    menu->Items()->Add(item);
    menu->Items()->Add(byDefault);
    return menu;
}
