// Minimizing the main form to the notification area through the frame and
// restoring it from there: the form hides with the tray's tag, a double
// click on the icon brings it back and message 1426 clears the tag.
#include <gtest/gtest.h>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_tray.h"
#include "platform/win/window_attributes.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_tray_icon.h"
#include "tests/skin/form/tray_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class TrayMinimizeTest : public TrayIconTest {
protected:
    void SetUp() override
    {
        TrayIconTest::SetUp();
        frame_ = new TbsSkinForm(main_);
        frame_->SetSkinData(data_.get());
        PumpMessages();
    }

    TbsSkinForm* frame_ = nullptr;
};

TEST_F(TrayMinimizeTest, TheMainFormGoesToTheTrayAndComesBack)
{
    int minimized = 0;
    int restored = 0;
    frame_->OnMinimizeToTray = TNotifyEvent::FromCallable([&](TObject*) { ++minimized; });
    frame_->OnRestoreFromTray = TNotifyEvent::FromCallable([&](TObject*) { ++restored; });
    tray_->OnDblClick = nullptr;
    frame_->SetTrayIcon(tray_);
    EXPECT_EQ(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);  // hidden until minimized

    frame_->MinimizeToTray();
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(main_->Handle()));
    EXPECT_EQ(main_->Tag, TrayHiddenTag);
    EXPECT_NE(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);
    EXPECT_EQ(minimized, 1);

    // The tray menu's restore item is what a double click on the icon runs.
    ASSERT_EQ(tray_->PopupMenu(), frame_->TrayMenu());
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    ASSERT_TRUE(InjectTrayMouse(tray_->Handle(), 1, WM_LBUTTONDBLCLK, {1200, 790}));
    EXPECT_EQ(main_->Tag, TrayHiddenTag);
    PumpMessages();  // the restore, then its message 1426
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
    EXPECT_FALSE(IsIconic(main_->Handle()));
    EXPECT_EQ(main_->Tag, 0);
    EXPECT_EQ(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(tray_->MinimizeToTray);

    // Kept in the area while shown.
    frame_->AlwaysShowInTray = true;
    frame_->MinimizeToTray();
    frame_->RestoreFromTray();
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
    EXPECT_NE(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);
}

TEST_F(TrayMinimizeTest, WithoutATrayIconNothingHappens)
{
    frame_->MinimizeToTray();
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
    EXPECT_FALSE(IsIconic(main_->Handle()));
    frame_->RestoreFromTray();
    EXPECT_EQ(main_->Tag, 0);

    // A tray icon freed while set is forgotten.
    frame_->SetTrayIcon(tray_);
    delete tray_;
    tray_ = nullptr;
    EXPECT_EQ(frame_->TrayIcon(), nullptr);
    frame_->MinimizeToTray();
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
}

TEST_F(TrayMinimizeTest, ARunTimeTrayIconKeepsItsOwnMenuAndDoubleClick)
{
    TbsSkinPopupMenu* menu = NewMenu();
    tray_->SetPopupMenu(menu);
    frame_->SetTrayIcon(tray_);
    EXPECT_EQ(tray_->PopupMenu(), menu);
    // The test's own double click stays.
    frame_->MinimizeToTray();
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsWindowVisible(main_->Handle()));
    EXPECT_EQ(events_, (Events{"dblclick", "default item"}));
}

}  // namespace
