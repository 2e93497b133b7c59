// The frame's system menu: its BSF_ items in their order per state, with
// and without a program's own menu, the close item's short-cut, the tray
// menu, the caption buttons' visibility and hints, and the three ways the
// menu opens (right click on the caption, its button, Alt+Space).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

// "name caption shortcut" per item, the separator as "-".
std::vector<std::string> Listed(TMenuItem* Items)
{
    std::vector<std::string> listed;
    for (int i = 0; i < Items->Count(); ++i) {
        TMenuItem* item = Items->Items(i);
        if (item->IsLine()) {
            listed.push_back("-");
            continue;
        }
        std::string entry = item->Name().empty() ? item->Caption() : item->Name() + " " + item->Caption();
        if (item->ShortCut() != scNone)
            entry += " " + ShortCutToText(item->ShortCut());
        listed.push_back(entry);
    }
    return listed;
}

TMenuItem* Named(TMenuItem* Items, const std::string& Name)
{
    for (int i = 0; i < Items->Count(); ++i)
        if (Items->Items(i)->Name() == Name)
            return Items->Items(i);
    return nullptr;
}

using SystemMenuTest = SkinFormTest;

TEST_F(SystemMenuTest, ItemsFollowTheFrameState)
{
    using V = std::vector<std::string>;
    const std::string min = "BSF_MINITEM Mi&nimize", max = "BSF_MAXITEM Ma&ximize", restore = "BSF_RESTORE &Restore",
                      rollUp = "BSF_ROLLUP Ro&llUp", tray = "BSF_MINTOTRAY Minimize to &Tray",
                      close = "BSF_CLOSE &Close Alt+F4";
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{min, max, rollUp, "-", close}));
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                            TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray});
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{min, max, rollUp, tray, "-", close}));
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{min, restore, rollUp, tray, "-", close}));
    frame_->SetWindowState(wsMinimized);
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{max, restore, tray, "-", close}));
    frame_->SetWindowState(wsNormal);
    frame_->RollUp(true);
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{min, max, restore, tray, "-", close}));

    // Only the close item is always there, with no separator above it.
    frame_->RollUp(false);
    frame_->SetBorderIcons({});
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), (V{close}));
}

TEST_F(SystemMenuTest, AProgramsOwnMenuGetsTheItemsAroundItsOwnOnce)
{
    TPopupMenu menu(nullptr);
    for (const char* caption : {"&About", "Settings"}) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    frame_->SystemMenu = &menu;
    frame_->SetWindowState(wsMaximized);
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                            TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray});
    using V = std::vector<std::string>;
    V expected{"BSF_MINITEM Mi&nimize",
               "BSF_RESTORE &Restore",
               "BSF_ROLLUP Ro&llUp",
               "BSF_MINTOTRAY Minimize to &Tray",
               "&About",
               "Settings",
               "BSF_CLOSE &Close Alt+F4"};
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), expected);
    // Built again, the old items go first.
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), expected);
    frame_->SetWindowState(wsNormal);
    expected[1] = "BSF_MAXITEM Ma&ximize";
    EXPECT_EQ(Listed(frame_->GetSystemMenuItems()), expected);

    // Without the default items the program's menu shows as it is.
    frame_->UseDefaultSysMenu = false;
    EXPECT_EQ(frame_->GetSystemMenuItems(), menu.Items());
    EXPECT_EQ(menu.Items()->Count(), 7);
    frame_->SystemMenu = nullptr;
}

TEST_F(SystemMenuTest, CloseIsCtrlF4OnAChildFormAndCaptionsComeFromTheSkinsStrings)
{
    // A child's window goes inside a multiple-document form's client.
    TCustomForm parent(nullptr);
    parent.SetFormStyle(fsMDIForm);
    TCustomForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    TbsSkinForm childFrame(&child);
    TMenuItem* close = Named(childFrame.GetSystemMenuItems(), "BSF_CLOSE");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(ShortCutToText(close->ShortCut()), "Ctrl+F4");
    EXPECT_EQ(ShortCutToText(Named(childFrame.TrayMenu()->Items(), "TRAY_BSF_CLOSE")->ShortCut()), "Ctrl+F4");

    // The tray menu of an ordinary form.
    std::vector<std::string> tray{"TRAY_BSF_RESTORE &Restore", "-", "TRAY_BSF_CLOSE &Close Alt+F4"};
    EXPECT_EQ(Listed(frame_->TrayMenu()->Items()), tray);

    // A skin with strings of its own, in GBK.
    TbsResourceStrData strings(nullptr);
    strings.ResStrings()->SetValues("MI_MAXCAPTION", "最大化(&X)");
    strings.ResStrings()->SetValues("MI_RESTORECAPTION", "說門(&R)");
    data_->SetResourceStrData(&strings);
    PumpMessages();
    EXPECT_EQ(Named(frame_->GetSystemMenuItems(), "BSF_MAXITEM")->Caption(), "最大化(&X)");
    EXPECT_EQ(Named(frame_->TrayMenu()->Items(), "TRAY_BSF_RESTORE")->Caption(), "說門(&R)");
    data_->SetResourceStrData(nullptr);
}

TEST_F(SystemMenuTest, ItemsRunTheirCommands)
{
    int trayed = 0;
    struct TTray : IbsFrameTray {
        int* Count;
        explicit TTray(int* C) : Count(C) {}
        void MinimizeToTray() override { ++*Count; }
        void RestoreFromTray() override { *Count += 10; }
    } trayIcon(&trayed);
    frame_->Tray = &trayIcon;
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                            TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray});
    Named(frame_->GetSystemMenuItems(), "BSF_MAXITEM")->Click();
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
    Named(frame_->GetSystemMenuItems(), "BSF_RESTORE")->Click();
    EXPECT_EQ(frame_->WindowState(), wsNormal);
    Named(frame_->GetSystemMenuItems(), "BSF_ROLLUP")->Click();
    EXPECT_TRUE(frame_->RollUpState());
    // Rolled up in the normal state, restore unrolls.
    Named(frame_->GetSystemMenuItems(), "BSF_RESTORE")->Click();
    EXPECT_FALSE(frame_->RollUpState());
    Named(frame_->GetSystemMenuItems(), "BSF_MINTOTRAY")->Click();
    EXPECT_EQ(trayed, 1);
    frame_->AlwaysMinimizeToTray = true;
    Named(frame_->GetSystemMenuItems(), "BSF_MINITEM")->Click();
    EXPECT_EQ(trayed, 2);
    EXPECT_EQ(frame_->WindowState(), wsNormal);
    Named(frame_->TrayMenu()->Items(), "TRAY_BSF_RESTORE")->Click();
    EXPECT_EQ(trayed, 12);
    frame_->AlwaysMinimizeToTray = false;
    Named(frame_->GetSystemMenuItems(), "BSF_MINITEM")->Click();
    EXPECT_EQ(frame_->WindowState(), wsMinimized);
    frame_->Tray = nullptr;

    bool closed = false;
    form_->OnClose = TCloseEvent::FromCallable([&](TObject*, TCloseAction& Action) {
        closed = true;
        Action = caNone;
    });
    Named(frame_->GetSystemMenuItems(), "BSF_CLOSE")->Click();
    EXPECT_TRUE(closed);
}

// A frame skin with a system-menu button and a dialog's close button.
class DialogFrameTest : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        TTestSkin skin;
        TTestFrameSkin frame(skin);
        int count = std::stoi(skin.Get("SKINOBJECTS", "count"));
        for (auto [name, command] : {std::pair{"sysmenubutton", "cmsysmenu"}, {"dialogclosebutton", "cmclose"}}) {
            skin.Set("SKINOBJECTS", std::to_string(count++), std::string(name) + ":stdbutton");
            AddFrameButton(skin, name, command);
        }
        skin.Set("SKINOBJECTS", "count", std::to_string(count));
        dialogData_ = std::make_unique<TbsSkinData>(nullptr);
        frame.LoadInto(*dialogData_);
        frame_->SetSkinData(dialogData_.get());
    }

    void TearDown() override
    {
        frame_->SetSkinData(nullptr);
        SkinFormTest::TearDown();
    }

    // "name:EV" per caption button, E and V for enabled and visible.
    std::string Buttons()
    {
        std::string text;
        for (int i = 0; i < frame_->ObjectCount(); ++i) {
            auto* button = dynamic_cast<TbsSkinStdButtonObject*>(frame_->Objects(i));
            if (button)
                text += button->IDName + ":" + (button->Enabled ? "E" : "-") + (button->Visible ? "V" : "-") + " ";
        }
        return text;
    }

    std::unique_ptr<TbsSkinData> dialogData_;
};

TEST_F(DialogFrameTest, ADialogsFrameShowsItsOwnCloseButton)
{
    EXPECT_EQ(Buttons(), "closebutton:EV maxbutton:EV minbutton:EV sysmenubutton:EV dialogclosebutton:-- ");
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu});
    EXPECT_EQ(Buttons(), "closebutton:-- maxbutton:-- minbutton:-- sysmenubutton:EV dialogclosebutton:EV ");
    frame_->SetBorderIcons({});
    EXPECT_EQ(Buttons(), "closebutton:-- maxbutton:-- minbutton:-- sysmenubutton:-- dialogclosebutton:EV ");
    // Without its own close button, a dialog keeps the usual one.
    frame_->SetSkinData(data_.get());
    EXPECT_EQ(Buttons(), "closebutton:EV maxbutton:-- minbutton:-- ");

    frame_->SetSkinData(dialogData_.get());
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMaximize});
    frame_->DisableSystemMenu = true;
    frame_->UpdateButtons();
    EXPECT_EQ(Buttons(), "closebutton:EV maxbutton:EV minbutton:-- sysmenubutton:-- dialogclosebutton:-- ");
    frame_->DisableSystemMenu = false;
    // Hidden caption buttons: all disabled, and these, drawn in the frame
    // picture, hidden too.
    frame_->HideCaptionButtons = true;
    frame_->UpdateButtons();
    EXPECT_EQ(Buttons(), "closebutton:-- maxbutton:-- minbutton:-- sysmenubutton:-- dialogclosebutton:-- ");
}

TEST_F(DialogFrameTest, HintsComeFromTheSkinsStringsOrTheBuiltInTexts)
{
    auto* max = static_cast<TbsSkinStdButtonObject*>(Object("maxbutton"));
    EXPECT_EQ(max->Hint, "Maximize");
    EXPECT_EQ(max->NormalHint, "Maximize");
    EXPECT_EQ(max->RestoreHint, "Restore");
    EXPECT_EQ(static_cast<TbsSkinStdButtonObject*>(Object("sysmenubutton"))->Hint, "System menu");

    TbsResourceStrData strings(nullptr);
    strings.ResStrings()->SetValues("MAXBUTTON_HINT", "說門中");
    dialogData_->SetResourceStrData(&strings);
    PumpMessages();
    EXPECT_EQ(max->Hint, "說門中");
    dialogData_->SetResourceStrData(nullptr);
    // Hints of the program's own are left alone.
    frame_->UseDefaultObjectHint = false;
    max->Hint = "mine";
    SendMessage(form_->Handle(), WM_SKINDATA_RESSTRCHANGED, 0, 0);
    EXPECT_EQ(max->Hint, "mine");
}

TEST_F(DialogFrameTest, TheMenuOpensOnTheCaptionItsButtonAndAltSpace)
{
    TbsSkinMenu* menu = frame_->SkinMenu();
    auto shownRows = [&] {
        TbsSkinPopupWindow* popup = menu->LastPopup();
        return popup ? popup->ItemCount() : 0;
    };
    // A right click on the caption opens it at the cursor.
    TPoint caption = ScreenPoint(60, 12);
    InjectMouseDown(caption, 2);
    PumpMessages();
    ASSERT_TRUE(menu->ChainOpen());
    InjectMouseUp(caption, 2);
    PumpMessages();
    ASSERT_TRUE(menu->ChainOpen());
    EXPECT_EQ(shownRows(), 5);  // minimize, maximize, roll up, line, close
    TRect popup{};
    GetWindowRect(menu->LastPopup()->Handle(), &popup);
    EXPECT_EQ(popup.Left, caption.X);
    EXPECT_EQ(popup.Top, caption.Y);
    EXPECT_TRUE(frame_->MenuOpen);
    // Alt+Space while it is open builds its items anew for a new chain.
    InjectKeyStroke(VK_SPACE, InjectAlt);
    Application->ProcessMessages();
    ASSERT_TRUE(menu->ChainOpen());
    EXPECT_EQ(shownRows(), 5);
    InjectKeyStroke(VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(menu->ChainOpen());

    // Alt+Space opens it below the system-menu button.
    InjectKeyStroke(VK_SPACE, InjectAlt);
    Application->ProcessMessages();
    ASSERT_TRUE(menu->ChainOpen());
    TRect button = Object("sysmenubutton")->ObjectRect;
    GetWindowRect(menu->LastPopup()->Handle(), &popup);
    EXPECT_EQ(popup.Left, ScreenPoint(button.Left, 0).X);
    EXPECT_EQ(popup.Top, ScreenPoint(0, button.Bottom).Y);
    InjectKeyStroke(VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(menu->ChainOpen());

    // The program's own short-cut handler comes first.
    frame_->OnShortCut = TShortCutEvent::FromCallable([](TMessage&, bool& Handled) { Handled = true; });
    InjectKeyStroke(VK_SPACE, InjectAlt);
    Application->ProcessMessages();
    EXPECT_FALSE(menu->ChainOpen());
    frame_->OnShortCut = nullptr;

    // With DisableSystemMenu a right click opens nothing.
    frame_->DisableSystemMenu = true;
    InjectClick(ScreenPoint(60, 12), 2);
    PumpMessages();
    EXPECT_FALSE(menu->ChainOpen());
}

}  // namespace
