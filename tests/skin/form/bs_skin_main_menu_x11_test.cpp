// The skinned main-menu bar on a real X display: a click of XTest on an item
// opens its submenu below it, the display shows the item pressed and the
// overflow mark of a narrow bar, a click on the mark opens the hidden
// items, and Alt+F from the keyboard opens "&File" as a popup of its own
// that two presses of Escape close and leave; the item under a pointer
// that stood still all along lights again once the menu is left. A
// control's context menu takes the keys while open, with and without a
// window manager, and the control under it gets none; a menu opened by the
// keyboard starts on its first row under a pointer that rests on another.
// Alt held through a drag, or through a switch to another window and back,
// leaves the bar idle.
#include <cstdlib>
#include <functional>

#include "form_x11_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/x11_backend.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/textedit/edit.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"
#include "tests/support/pixel_colour.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class SkinMainMenuBarX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_main_menu_bar_skin::AddTo(skin_);
        frameSkin_.LoadInto(data_);
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(&data_);
        menu_ = new TbsSkinMainMenu(form_);
        for (const char* caption : {"&File", "&Edit", "&View", "&Help"}) {
            auto* item = new TMenuItem(menu_);
            item->SetCaption(caption);
            menu_->Items()->Add(item);
            auto* sub = new TMenuItem(menu_);
            sub->SetCaption("Open");
            item->Add(sub);
        }
        bar_ = new TbsSkinMainMenuBar(form_);
        bar_->SetParent(form_);
        bar_->SetSkinForm(frame_);
        bar_->SetMainMenu(menu_);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
    }

    TPoint Screen(TPoint Client) const { return bar_->ClientToScreen(Client); }
    // Right-clicks Edit, whose context menu has three rows, types into the
    // open menu and answers the caption of the row the keys ran.
    AnsiString RunContextMenuByKeys(TEdit* Edit, const char* Screenshot);
    static void MoveTo(TPoint P)
    {
        XTestFakeMotionEvent(Other(), 0, P.X, P.Y, 0);
        XFlush(Other());
    }
    // PumpUntil with the tests' hand-driven clock moved on by the bar's
    // mouse timer's 50 ms every round.
    bool TickUntil(const std::function<bool()>& Done)
    {
        return PumpUntil([&] {
            AdvanceClock(50);
            return Done();
        });
    }
    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
    TbsSkinMainMenu* menu_ = nullptr;
    TbsSkinMainMenuBar* bar_ = nullptr;
};

TEST_F(SkinMainMenuBarX11Test, AClickOpensTheSubmenuBelowThePressedItem)
{
    ASSERT_TRUE(PumpUntil([&] { return bar_->Items(0)->ObjectRect.Right > 0; }));
    TRect file = bar_->Items(0)->ObjectRect;
    Click(Screen(Point(file.Left + 4, file.Top + 4)));
    TbsSkinMenu* menu = frame_->SkinMenu();
    ASSERT_TRUE(PumpUntil([&] { return menu->ChainOpen() && menu->PopupCount() == 1; }));
    EXPECT_TRUE(bar_->Items(0)->Down);
    EXPECT_EQ(menu->Popup(0)->BoundsRect().Top, Screen(Point(0, file.Bottom)).Y);
    TPoint inside = Screen(Point(file.Left + 2, file.Top + 2));
    EXPECT_TRUE(PumpUntil([&] { return PixelAt(ScreenImage(), inside.X, inside.Y) == TColor(0x00B59385); }));

    // The open submenu follows the pointer to the next item.
    TRect edit = bar_->Items(1)->ObjectRect;
    MoveTo(Screen(Point(edit.Left + 4, edit.Top + 4)));
    EXPECT_TRUE(TickUntil([&] { return bar_->Items(1)->Down && menu->ChainOpen(); }));
    EXPECT_FALSE(bar_->Items(0)->Down);
    menu->CloseMenu();
}

TEST_F(SkinMainMenuBarX11Test, TheMarkOfANarrowBarOpensTheHiddenItems)
{
    ASSERT_TRUE(PumpUntil([&] { return bar_->Items(1)->ObjectRect.Right > 0; }));
    bar_->SetAlign(alNone);
    bar_->SetWidth(bar_->Items(1)->ObjectRect.Right + TbsSkinMainMenuBar::TrackMarkWidth + 2);
    bar_->Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return bar_->HiddenItems; }));
    TRect mark = bar_->TrackMarkRect();
    Click(Screen(Point(mark.Left + 2, (mark.Top + mark.Bottom) / 2)));
    TbsSkinMenu* menu = frame_->SkinMenu();
    ASSERT_TRUE(PumpUntil([&] { return menu->ChainOpen() && menu->PopupCount() == 1; }));
    EXPECT_EQ(menu->Popup(0)->ItemCount(), 2);
    menu->CloseMenu();
}

TEST_F(SkinMainMenuBarX11Test, AltFOpensTheFileMenuAsAPopupAndEscapeTwiceLeaves)
{
    bar_->SetSkinData(&data_);
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(PumpUntil([&] { return bar_->Items(0)->ObjectRect.Right > 0; }));
    Key(XK_f, {XK_Alt_L});
    TbsSkinMenu* menu = frame_->SkinMenu();
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen() && menu->PopupCount() == 1; }));
    EXPECT_TRUE(bar_->Items(0)->Down);
    EXPECT_EQ(menu->Popup(0)->Item(0)->MenuItem(), menu_->Items()->Items(0)->Items(0));
    // The popup is a window of its own on top, which no window manager
    // places.
    XWindowAttributes attributes{};
    EXPECT_TRUE(AppPumpUntil([&] {
        return XGetWindowAttributes(Other(), X11WindowOf(menu->Popup(0)->Handle()), &attributes) &&
               attributes.map_state == IsViewable && attributes.override_redirect;
    }));
    if (std::getenv("TANDRIL_MENU_BAR_SCREENSHOT")) {
        AppPumpUntil([] { return false; });
        SaveScreenshot("TANDRIL_MENU_BAR_SCREENSHOT");
    }

    // Escape closes the submenu and keeps "&File" highlighted.
    Key(XK_Escape);
    ASSERT_TRUE(AppPumpUntil([&] { return !menu->ChainOpen(); }));
    EXPECT_TRUE(frame_->MainMenuActive);
    EXPECT_TRUE(bar_->Items(0)->Active);
    EXPECT_FALSE(bar_->Items(0)->Down);

    // A second Escape leaves the menu.
    Key(XK_Escape);
    EXPECT_TRUE(AppPumpUntil([&] { return !frame_->MainMenuActive; }));
    EXPECT_FALSE(bar_->Items(0)->Active);
    EXPECT_FALSE(bar_->ShowAccelChar);
}

TEST_F(SkinMainMenuBarX11Test, TheItemUnderAStillPointerLightsAgainWhenTheMenuIsLeft)
{
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(PumpUntil([&] { return bar_->Items(1)->ObjectRect.Right > 0; }));
    TRect edit = bar_->Items(1)->ObjectRect;
    MoveTo(Screen(Point((edit.Left + edit.Right) / 2, (edit.Top + edit.Bottom) / 2)));
    ASSERT_TRUE(TickUntil([&] { return bar_->Items(1)->Active; }));

    // The keys open "&File" and leave the menu; the pointer never moves.
    Key(XK_f, {XK_Alt_L});
    TbsSkinMenu* menu = frame_->SkinMenu();
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen() && bar_->Items(0)->Down; }));
    EXPECT_FALSE(bar_->Items(1)->Active);
    Key(XK_Escape);
    ASSERT_TRUE(AppPumpUntil([&] { return !menu->ChainOpen(); }));
    Key(XK_Escape);
    ASSERT_TRUE(AppPumpUntil([&] { return !frame_->MainMenuActive; }));
    EXPECT_FALSE(bar_->Items(1)->Active);

    EXPECT_TRUE(TickUntil([&] { return bar_->Items(1)->Active && bar_->Items(1)->MouseIn; }));
    EXPECT_FALSE(bar_->Items(0)->Active);
    // The display shows it hot, the plain look's hover fill, once the
    // program's idle time has handed the bar's drawing over.
    TPoint inside = Screen(Point(edit.Left + 2, edit.Top + 2));
    EXPECT_TRUE(PumpUntil([&] {
        FreeDeviceContexts();
        return PixelAt(ScreenImage(), inside.X, inside.Y) == TColor(0x00D2BDB6);
    }));
    SaveScreenshot("TANDRIL_MENU_BAR_HOVER_SCREENSHOT");
}

AnsiString SkinMainMenuBarX11Test::RunContextMenuByKeys(TEdit* Edit, const char* Screenshot)
{
    TbsSkinMenu* menu = frame_->SkinMenu();
    AnsiString ran;
    auto* popup = new TbsSkinPopupMenu(Edit);
    for (const char* caption : {"&Open", "&Rename", "&Delete"}) {
        auto* row = new TMenuItem(popup);
        row->SetCaption(caption);
        row->OnClick = TNotifyEvent::FromCallable([&ran, caption](TObject*) { ran = caption; });
        popup->Items()->Add(row);
    }
    popup->HostForm = form_;
    Edit->SetPopupMenu(popup);
    Click(Edit->ClientToScreen(Point(10, 10)), 3);
    if (!AppPumpUntil([&] { return menu->ChainOpen(); }))
        return "no menu";
    // Letters that are no row's, and arrows, stay in the menu.
    Key(XK_k);
    Key(XK_k);
    Key(XK_Down);
    Key(XK_Down);
    Key(XK_Up);
    AppPumpUntil([&] { return menu->LastPopup() != nullptr && menu->LastPopup()->ActiveItem == 1; });
    SaveScreenshot(Screenshot);
    Key(XK_Return);
    AppPumpUntil([&] { return !menu->ChainOpen(); });
    // A menu the keys did not close must not outlive its rows.
    if (menu->ChainOpen())
        menu->CloseMenu();
    Edit->SetPopupMenu(nullptr);
    delete popup;
    return ran;
}

TEST_F(SkinMainMenuBarX11Test, AControlsContextMenuTakesTheKeysWithAndWithoutAWindowManager)
{
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    edit->SetBounds(10, 60, 150, 24);
    ASSERT_TRUE(FormHasXFocus());
    edit->SetFocus();
    EXPECT_EQ(RunContextMenuByKeys(edit, "TANDRIL_CONTEXT_MENU_SCREENSHOT"), "&Rename");
    EXPECT_EQ(edit->Text(), "");
    {
        TDesktopRedirect desktop;
        EXPECT_EQ(RunContextMenuByKeys(edit, "TANDRIL_CONTEXT_MENU_WM_SCREENSHOT"), "&Rename");
        EXPECT_EQ(edit->Text(), "");
    }
    // Closed, the menu leaves the keys to the control again.
    Key(XK_k);
    EXPECT_TRUE(AppPumpUntil([&] { return edit->Text() == "k"; }));
}

TEST_F(SkinMainMenuBarX11Test, AMenuOpenedByTheKeyboardStartsOnItsFirstRowUnderARestingPointer)
{
    for (const char* caption : {"Save", "Close"}) {
        auto* row = new TMenuItem(menu_);
        row->SetCaption(caption);
        menu_->Items()->Items(0)->Add(row);
    }
    bar_->SetMainMenu(menu_);
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(PumpUntil([&] { return bar_->Items(0)->ObjectRect.Right > 0; }));
    TbsSkinMenu* menu = frame_->SkinMenu();
    // Where the last row shows, the pointer comes to rest.
    Key(XK_f, {XK_Alt_L});
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen(); }));
    TbsSkinPopupWindow* window = menu->LastPopup();
    const TRect last = window->Item(2)->ObjectRect;
    const TPoint rest = window->ClientToScreen(Point((last.Left + last.Right) / 2, (last.Top + last.Bottom) / 2));
    menu->CloseMenu();
    Key(XK_Escape);
    ASSERT_TRUE(AppPumpUntil([&] { return !frame_->MainMenuActive; }));
    MoveTo(rest);
    PumpUntil([] { return false; });

    Key(XK_f, {XK_Alt_L});
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen(); }));
    window = menu->LastPopup();
    int rounds = 0;
    TickUntil([&] { return ++rounds > 10; });
    EXPECT_EQ(window->ActiveItem, 0);
    SaveScreenshot("TANDRIL_MENU_RESTING_POINTER_SCREENSHOT");
    // Up from the first row is the last.
    Key(XK_Up);
    EXPECT_TRUE(AppPumpUntil([&] { return window->ActiveItem == 2; }));
    menu->CloseMenu();
    Key(XK_Escape);
    AppPumpUntil([&] { return !frame_->MainMenuActive; });
}

TEST_F(SkinMainMenuBarX11Test, AltHeldThroughADragOrAFocusSwitchLeavesTheBarIdle)
{
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    edit->SetBounds(10, 60, 150, 24);
    ASSERT_TRUE(FormHasXFocus());
    edit->SetFocus();
    Display* x = Other();
    const unsigned alt = XKeysymToKeycode(x, XK_Alt_L);
    auto altKey = [&](bool Down) {
        XTestFakeKeyEvent(x, alt, Down, 0);
        XFlush(x);
    };

    altKey(true);
    Drag(edit->ClientToScreen(Point(5, 5)), edit->ClientToScreen(Point(60, 5)));
    altKey(false);
    int rounds = 0;
    AppPumpUntil([&] { return ++rounds > 30; });
    EXPECT_FALSE(frame_->MainMenuActive);

    // Alt goes down here, the focus goes to another window (the window
    // manager's Alt+Tab) and comes back, Alt comes up here. The pointer
    // leaves first: a keyboard left to the pointer's window over the form
    // is the form's again.
    altKey(true);
    AppPumpUntil([&] { return GetKeyState(VK_MENU) < 0; });
    XTestFakeMotionEvent(x, 0, 1200, 780, 0);
    XSetInputFocus(x, PointerRoot, RevertToPointerRoot, CurrentTime);
    XFlush(x);
    ASSERT_TRUE(AppPumpUntil([&] { return !FormHasXFocus(); }));
    XSetInputFocus(x, X11WindowOf(form_->Handle()), RevertToPointerRoot, CurrentTime);
    XFlush(x);
    ASSERT_TRUE(AppPumpUntil([&] { return FormHasXFocus(); }));
    altKey(false);
    rounds = 0;
    AppPumpUntil([&] { return ++rounds > 30; });
    EXPECT_FALSE(frame_->MainMenuActive);
    edit->SetFocus();
    Key(XK_a);
    EXPECT_TRUE(AppPumpUntil([&] { return edit->Text() == "a"; }));
    EXPECT_FALSE(frame_->MainMenuActive);
}

}  // namespace
