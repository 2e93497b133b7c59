// The notification-area icon on the headless area: clicks told apart from
// double clicks on the hand-driven clock, the menu, the tip and icons the
// area is given, cycling, the area coming back, and the icon's hooks on the
// application's and its owner's windows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/headless_tray.h"
#include "platform/win/system_info.h"
#include "platform/win/window_attributes.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_tray_icon.h"
#include "tests/skin/form/tray_test_support.h"
#include "tests/support/message_pump.h"

namespace {


TEST_F(TrayIconTest, AClickIsReportedOnceTheDoubleClickTimeHasPassed)
{
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(events_, (Events{"down 0 1200,790", "up 0"}));
    Wait(GetDoubleClickTime() - 1);
    EXPECT_EQ(events_.size(), 2u);
    Wait(1);
    EXPECT_EQ(events_, (Events{"down 0 1200,790", "up 0", "click"}));

    // Held longer than the double-click time: reported at the release.
    events_.clear();
    Mouse(WM_LBUTTONDOWN);
    Wait(GetDoubleClickTime() + 10);
    EXPECT_EQ(events_, (Events{"down 0 1200,790"}));
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(events_, (Events{"down 0 1200,790", "click", "up 0"}));
    Wait(GetDoubleClickTime());
    EXPECT_EQ(events_.size(), 3u);
}

TEST_F(TrayIconTest, ADoubleClickIsReportedAloneAndRunsTheMenusDefaultItem)
{
    tray_->SetPopupMenu(NewMenu());
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    Wait(GetDoubleClickTime());
    EXPECT_EQ(events_, (Events{"down 0 1200,790", "up 0", "dblclick", "default item", "up 0"}));

    // Opening by the left button: the press opens the menu and the double
    // click runs nothing of it.
    events_.clear();
    tray_->PopupByLeftButton = true;
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Wait(GetDoubleClickTime());
    EXPECT_EQ(events_, (Events{"down 0 1200,790", "menu", "up 0", "dblclick"}));
}

TEST_F(TrayIconTest, ARightClickGivesTheMouseDownThenTheMenu)
{
    Mouse(WM_RBUTTONDOWN);
    EXPECT_EQ(events_, (Events{"down 1 1200,790"}));  // no menu: nothing opens
    events_.clear();
    TbsSkinPopupMenu* menu = NewMenu();
    tray_->SetPopupMenu(menu);
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);
    EXPECT_EQ(events_, (Events{"down 1 1200,790", "menu", "up 1"}));
    EXPECT_EQ(menu->PopupComponent(), tray_);

    // Switched off, the icon's input is ignored; a freed menu is forgotten.
    events_.clear();
    tray_->Enabled = false;
    Mouse(WM_RBUTTONDOWN);
    EXPECT_TRUE(events_.empty());
    tray_->Enabled = true;
    delete menu;
    EXPECT_EQ(tray_->PopupMenu(), nullptr);
    Mouse(WM_RBUTTONDOWN);
    EXPECT_EQ(events_, (Events{"down 1 1200,790"}));
}

TEST_F(TrayIconTest, TheTipIsCutOnACharacterBoundary)
{
    // 130 bytes of double-byte characters whose trail bytes are ASCII
    // letters, after one single-byte character: 127 bytes would end inside
    // a character.
    AnsiString hint = "a";
    for (int i = 0; i < 65; ++i)
        hint += i % 2 ? "門" : "說";
    ASSERT_EQ(hint.size(), 131u);
    tray_->SetHint(hint);
    const TBackendTrayIcon* icon = HeadlessTrayIcon(tray_->Handle(), 1);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Tip, hint.substr(0, 127));

    tray_->SetHint(hint.substr(1));
    EXPECT_EQ(icon->Tip, hint.substr(1, 126));

    tray_->SetHint("說門");
    EXPECT_EQ(icon->Tip, "\xD5\x66\xE9\x54");
    tray_->SetShowHint(false);
    EXPECT_EQ(icon->Tip, "");
}

TEST_F(TrayIconTest, CyclingIconsShowTheListInTurn)
{
    TImageList list(nullptr);
    for (uint32_t pixel : {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u}) {
        TIcon icon;
        icon.AssignImage(Solid(pixel));
        list.AddIcon(&icon);
    }
    std::vector<int> reported;
    tray_->OnCycle = TbsCycleEvent::FromCallable([&](TObject*, int NextIndex) { reported.push_back(NextIndex); });
    tray_->SetIconList(&list);
    EXPECT_EQ(ShownPixel(*tray_), 0xFF0000FFu);
    tray_->SetAnimateTimerInterval(100);
    tray_->SetCycleIcons(true);
    std::vector<uint32_t> shown;
    for (int i = 0; i < 4; ++i) {
        Wait(100);
        shown.push_back(ShownPixel(*tray_));
    }
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(shown, (std::vector<uint32_t>{0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFF0000FFu}));
    tray_->SetIconList(nullptr);
}

TEST_F(TrayIconTest, AnIndexPastTheListIsTheLastAndAnEmptyListChangesNothing)
{
    TImageList list(nullptr);
    for (uint32_t pixel : {0xFF0000FFu, 0xFF00FF00u}) {
        TIcon icon;
        icon.AssignImage(Solid(pixel));
        list.AddIcon(&icon);
    }
    tray_->SetIconList(&list);
    tray_->SetIconIndex(7);
    EXPECT_EQ(tray_->IconIndex(), 1);
    EXPECT_EQ(ShownPixel(*tray_), 0xFF00FF00u);

    // The list emptied under the icon, then a tick: nothing to show, so
    // the icon stays as it is.
    list.Clear();
    tray_->SetIconIndex(1);
    EXPECT_EQ(tray_->IconIndex(), 0);
    EXPECT_EQ(ShownPixel(*tray_), 0xFF00FF00u);
    int cycles = 0;
    tray_->OnCycle = TbsCycleEvent::FromCallable([&](TObject*, int) { ++cycles; });
    tray_->SetAnimateTimerInterval(50);
    tray_->SetCycleIcons(true);
    Wait(200);
    EXPECT_EQ(cycles, 0);
    EXPECT_EQ(tray_->IconIndex(), 0);
    EXPECT_EQ(ShownPixel(*tray_), 0xFF00FF00u);

    // Without a list the index stays 0.
    tray_->SetIconList(nullptr);
    tray_->SetIconIndex(3);
    EXPECT_EQ(tray_->IconIndex(), 0);
}

TEST_F(TrayIconTest, ANewNotificationAreaGetsTheVisibleIconsAgain)
{
    auto* hidden = new TbsTrayIcon(main_);
    hidden->SetIconVisible(false);
    HeadlessBackend()->SetTrayPresent(false);
    EXPECT_EQ(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);
    // No area: the calls fail and the icon keeps wanting to be shown.
    EXPECT_FALSE(tray_->ModifyIcon());
    EXPECT_TRUE(tray_->IconVisible());

    HeadlessBackend()->SetTrayPresent(true);
    ASSERT_NE(HeadlessTrayIcon(tray_->Handle(), 1), nullptr);
    EXPECT_EQ(ShownPixel(*tray_), 0xFF112233u);
    EXPECT_EQ(HeadlessTrayIcon(hidden->Handle(), 1), nullptr);
    delete hidden;
}

TEST_F(TrayIconTest, IconsHookTheWindowsInAnyOrder)
{
    // A second icon hooks the same windows after the first; the first goes
    // first. The second still hears the application minimize, and the
    // minimize hides the main form with the tray's tag.
    auto* second = new TbsTrayIcon(main_);
    second->SetIconVisible(false);
    delete tray_;
    tray_ = nullptr;
    EXPECT_EQ(HeadlessBackend()->TrayIcons().size(), 0u);
    Application->Minimize();
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(main_->Handle()));
    EXPECT_EQ(main_->Tag, TrayHiddenTag);
    EXPECT_NE(HeadlessTrayIcon(second->Handle(), 1), nullptr);

    second->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
    EXPECT_FALSE(IsIconic(main_->Handle()));
    delete second;
    // No link is left on the windows: minimizing now just minimizes.
    Application->Minimize();
    EXPECT_TRUE(IsIconic(main_->Handle()));
    EXPECT_TRUE(IsWindowVisible(main_->Handle()));
}

}  // namespace
