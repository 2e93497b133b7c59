// The frame's keyboard mode of the main-menu bar, headless, through the
// application's message loop as a user's keys arrive: Alt (SC_KEYMENU)
// enters it, Right and Left wrap, Escape closes the submenu and keeps the
// highlight, a second Escape leaves; meanwhile no key or wheel message
// reaches the focused control, Alt+F4 passes, and the application's
// message chain is as before afterwards, whatever order other hooks go in.
// The form's short-cut handler: Alt with an accelerator opens its item
// (never Alt+F4), the menu's short-cuts run on every press, the frame's
// own OnShortCut comes first, and Enter on a command leaves the mode first.
// An open drop-down's accelerators beat the bar's; a control's context
// menu takes the keys as the bar's menus do; a resting pointer takes no
// row of a menu opened by the keyboard; only a lone Alt enters the mode
// (Alt with a key no item has does not), the form losing or regaining the
// focus leaves it, and so does a context menu opening. A press outside
// the open menu closes it and still reaches what it was aimed at.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

// A focused control that counts the key and wheel messages it gets.
class TKeyCounter : public TWinControl {
public:
    using TWinControl::TWinControl;
    int KeyDowns = 0;
    int SysKeyDowns = 0;
    int Wheels = 0;
    int Presses = 0;

protected:
    void WndProc(TMessage& Message) override
    {
        KeyDowns += Message.Msg == WM_KEYDOWN ? 1 : 0;
        SysKeyDowns += Message.Msg == WM_SYSKEYDOWN ? 1 : 0;
        Wheels += Message.Msg == WM_MOUSEWHEEL ? 1 : 0;
        Presses += Message.Msg == WM_LBUTTONDOWN ? 1 : 0;
        TWinControl::WndProc(Message);
    }
};

// Another component's hook on the application's messages.
struct TOtherHook {
    int Seen = 0;
    void Message(MSG&, bool&) { ++Seen; }
    TMessageEvent Handler() { return TMessageEvent(this, &TOtherHook::Message); }
};

class BsSkinFormKeys : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        menu_ = new TbsSkinMainMenu(form_);
        bar_ = new TbsSkinMainMenuBar(form_);
        bar_->SetParent(form_);
        bar_->SetSkinForm(frame_);
        for (const char* caption : {"&File", "&Edit", "&Tools", "&Help"}) {
            auto* item = new TMenuItem(menu_);
            item->SetCaption(caption);
            menu_->Items()->Add(item);
            auto* sub = new TMenuItem(menu_);
            sub->SetCaption(AnsiString(caption) + " sub");
            item->Add(sub);
        }
        menu_->Items()->Items(2)->SetEnabled(false);
        bar_->SetMainMenu(menu_);
        control_ = new TKeyCounter(form_);
        control_->SetParent(form_);
        control_->SetBounds(10, 60, 100, 40);
        PumpMessages();
        control_->SetFocus();
        Loop();
        frame_->OnMainMenuEnter = TNotifyEvent::FromCallable([this](TObject*) { ++enters_; });
        frame_->OnMainMenuExit = TNotifyEvent::FromCallable([this](TObject*) { ++exits_; });
        frame_->OnSkinMenuClose = TNotifyEvent::FromCallable([this](TObject*) { ++closes_; });
        hooks_ = Application->OnMessage.Count();
    }

    void Loop() { Application->ProcessMessages(); }
    void Key(UINT VirtualKey, UINT Modifiers = 0)
    {
        InjectKeyStroke(VirtualKey, Modifiers);
        Loop();
    }
    void KeyMenu()
    {
        SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        Loop();
    }
    // The middle of R, a rectangle of Control, on the screen.
    static TPoint ScreenPointOf(TControl* Control, const TRect& R)
    {
        return Control->ClientToScreen(Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
    }
    // The positions of the highlighted and the pressed items.
    std::vector<int> Lit()
    {
        std::vector<int> lit;
        for (int i = 0; i < bar_->ItemCount(); ++i)
            if (bar_->Items(i)->Active || bar_->Items(i)->Down)
                lit.push_back(i);
        return lit;
    }

    TbsSkinMainMenu* menu_ = nullptr;
    TbsSkinMainMenuBar* bar_ = nullptr;
    TKeyCounter* control_ = nullptr;
    int enters_ = 0;
    int exits_ = 0;
    int closes_ = 0;
    int hooks_ = 0;
};

TEST_F(BsSkinFormKeys, AltEntersKeyboardModeArrowsWrapAndEscapeLeavesInTwoSteps)
{
    ASSERT_TRUE(control_->Focused());
    KeyMenu();
    EXPECT_TRUE(frame_->MainMenuActive);
    EXPECT_TRUE(bar_->ShowAccelChar);
    EXPECT_EQ(Lit(), std::vector<int>{0});
    EXPECT_EQ(enters_, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_ + 1);

    Key(VK_LEFT);
    EXPECT_EQ(Lit(), std::vector<int>{3});
    Key(VK_RIGHT);
    EXPECT_EQ(Lit(), std::vector<int>{0});
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Lit(), std::vector<int>{3});  // past the disabled Tools

    // Down opens the highlighted item's submenu.
    Key(VK_DOWN);
    EXPECT_TRUE(bar_->Items(3)->Down);
    EXPECT_TRUE(frame_->SkinMenu()->ChainOpen());
    InjectWheel(ScreenPoint(60, 80), -120);
    Loop();

    // Escape closes the submenu; the item stays highlighted, the mode goes on.
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_TRUE(frame_->MainMenuActive);
    EXPECT_FALSE(frame_->MenuOpen);
    EXPECT_EQ(Lit(), std::vector<int>{3});
    EXPECT_FALSE(bar_->Items(3)->Down);
    EXPECT_TRUE(bar_->ShowAccelChar);
    EXPECT_EQ(closes_, 1);
    EXPECT_EQ(exits_, 0);

    // A second Escape leaves.
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Lit().empty());
    EXPECT_FALSE(bar_->ShowAccelChar);
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);

    // None of it reached the focused control; now keys do again.
    EXPECT_EQ(control_->KeyDowns, 0);
    EXPECT_EQ(control_->Wheels, 0);
    Key(VK_RIGHT);
    EXPECT_EQ(control_->KeyDowns, 1);
}

TEST_F(BsSkinFormKeys, AltF4PassesAndASecondAltLeaves)
{
    // The form stays: a closed one would have left the mode with its focus.
    int closeQueries = 0;
    form_->OnCloseQuery = TCloseQueryEvent::FromCallable([&](TObject*, bool& CanClose) {
        ++closeQueries;
        CanClose = false;
    });
    KeyMenu();
    control_->SetFocus();
    Loop();
    InjectKeyDown(VK_MENU);
    InjectKeyDown(VK_F4);
    InjectKeyUp(VK_F4);
    InjectKeyUp(VK_MENU);
    Loop();
    EXPECT_GE(control_->SysKeyDowns, 1);
    EXPECT_EQ(control_->KeyDowns, 0);
    EXPECT_EQ(closeQueries, 1);

    EXPECT_TRUE(frame_->MainMenuActive);
    KeyMenu();
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

TEST_F(BsSkinFormKeys, HooksOfOtherComponentsStayWhateverOrderTheyGoIn)
{
    TOtherHook before;
    TOtherHook after;
    Application->OnMessage.Add(before.Handler());
    KeyMenu();
    Application->OnMessage.Add(after.Handler());

    // Removed before the frame's: the frame still takes the keys.
    Application->OnMessage.Remove(before.Handler());
    Key(VK_LEFT);
    EXPECT_EQ(Lit(), std::vector<int>{3});
    EXPECT_EQ(control_->KeyDowns, 0);

    // The frame leaves while the later hook stays: only its own goes.
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Application->OnMessage.Contains(after.Handler()));
    EXPECT_FALSE(Application->OnMessage.Contains(before.Handler()));
    EXPECT_EQ(Application->OnMessage.Count(), hooks_ + 1);
    int seen = after.Seen;
    Key(VK_RIGHT);
    EXPECT_GT(after.Seen, seen);
    EXPECT_EQ(control_->KeyDowns, 1);
    Application->OnMessage.Remove(after.Handler());
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

TEST_F(BsSkinFormKeys, AFreedFrameTakesItsHookAlong)
{
    KeyMenu();
    ASSERT_EQ(Application->OnMessage.Count(), hooks_ + 1);
    bar_->SetSkinForm(nullptr);
    delete frame_;
    frame_ = nullptr;
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
    Key(VK_RIGHT);
    EXPECT_EQ(control_->KeyDowns, 1);
}

TEST_F(BsSkinFormKeys, AltWithAnAcceleratorOpensItsItemAndEscapeTwiceLeaves)
{
    Key('E', InjectAlt);
    EXPECT_TRUE(bar_->Items(1)->Down);
    EXPECT_TRUE(frame_->SkinMenu()->ChainOpen());
    EXPECT_TRUE(frame_->MainMenuActive);
    EXPECT_TRUE(bar_->ShowAccelChar);
    EXPECT_EQ(enters_, 1);

    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_EQ(Lit(), std::vector<int>{1});
    EXPECT_TRUE(frame_->MainMenuActive);
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Lit().empty());
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
    EXPECT_EQ(control_->KeyDowns, 0);

    // The disabled item's accelerator opens nothing.
    Key('T', InjectAlt);
    EXPECT_FALSE(bar_->Items(2)->Down);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
}

TEST_F(BsSkinFormKeys, AltF4ClosesTheFormEvenBesideAnItemWhoseAcceleratorSharesItsCode)
{
    // F4's key code is that of 's'.
    auto* settings = new TMenuItem(menu_);
    settings->SetCaption("&Settings");
    settings->Add(new TMenuItem(menu_));
    menu_->Items()->Add(settings);
    bar_->SetMainMenu(menu_);
    int closeQueries = 0;
    form_->OnCloseQuery = TCloseQueryEvent::FromCallable([&](TObject*, bool& CanClose) {
        ++closeQueries;
        CanClose = false;
    });
    Key(VK_F4, InjectAlt);
    EXPECT_EQ(closeQueries, 1);
    EXPECT_TRUE(Lit().empty());
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_FALSE(frame_->MainMenuActive);
}

TEST_F(BsSkinFormKeys, AShortCutRunsOnEveryPressAndTheFramesOwnHandlerComesFirst)
{
    int saves = 0;
    TMenuItem* save = menu_->Items()->Items(0)->Items(0);
    save->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
    save->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++saves; });
    // Ctrl held down, S tapped twice.
    InjectKeyDown(VK_CONTROL);
    Key('S');
    Key('S');
    InjectKeyUp(VK_CONTROL);
    Loop();
    EXPECT_EQ(saves, 2);

    // The frame's own handler sees the keys first and keeps them.
    int own = 0;
    frame_->OnShortCut = TShortCutEvent::FromCallable([&](TMessage& Msg, bool& Handled) {
        if (Msg.WParam == 'S' || Msg.WParam == 'E') {
            ++own;
            Handled = true;
        }
    });
    Key('S', InjectCtrl);
    Key('E', InjectAlt);
    EXPECT_EQ(own, 2);
    EXPECT_EQ(saves, 2);
    EXPECT_TRUE(Lit().empty());
}

TEST_F(BsSkinFormKeys, AMergedChildMenuRunsItsShortCutsWhenTheBarsMenuHasNone)
{
    TMainMenu child(nullptr);
    auto* childFile = new TMenuItem(&child);
    childFile->SetCaption("&Document");
    child.Items()->Add(childFile);
    auto* print = new TMenuItem(&child);
    int prints = 0;
    print->SetShortCut(ShortCut('P', TShiftState{ssCtrl}));
    print->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++prints; });
    childFile->Add(print);
    bar_->ChildMenuFinder = TbsSkinMainMenuBar::TChildMenuFinder::FromCallable([&]() -> TMenu* { return &child; });
    Key('P', InjectCtrl);
    EXPECT_EQ(prints, 1);

    // The bar's own menu is asked first.
    int saves = 0;
    TMenuItem* save = menu_->Items()->Items(0)->Items(0);
    save->SetShortCut(ShortCut('P', TShiftState{ssCtrl}));
    save->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++saves; });
    Key('P', InjectCtrl);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(prints, 1);
    bar_->ChildMenuFinder = nullptr;
}

TEST_F(BsSkinFormKeys, EnterOnACommandLeavesTheKeyboardModeBeforeTheCommandRuns)
{
    std::vector<bool> activeAtRun;
    auto* run = new TMenuItem(menu_);
    run->SetCaption("&Run");
    run->OnClick = TNotifyEvent::FromCallable([&](TObject*) { activeAtRun.push_back(frame_->MainMenuActive); });
    menu_->Items()->Add(run);
    bar_->SetMainMenu(menu_);
    KeyMenu();
    Key(VK_LEFT);
    ASSERT_EQ(Lit(), std::vector<int>{4});
    Key(VK_RETURN);
    EXPECT_EQ(activeAtRun, std::vector<bool>{false});
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_FALSE(bar_->ShowAccelChar);
    EXPECT_TRUE(Lit().empty());
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
    EXPECT_EQ(control_->KeyDowns, 0);
    Key(VK_RIGHT);
    EXPECT_EQ(control_->KeyDowns, 1);
}

TEST_F(BsSkinFormKeys, AMenuOpenedByTheMouseKeepsKeysAndWheelFromTheFocusedControl)
{
    TOtherHook other;
    InjectClick(ScreenPointOf(bar_, bar_->Items(0)->ObjectRect));
    Loop();
    ASSERT_TRUE(frame_->SkinMenu()->ChainOpen());
    Application->OnMessage.Add(other.Handler());
    for (UINT key : {UINT(VK_DOWN), UINT(VK_UP), UINT('X'), UINT(VK_RIGHT)})
        Key(key);
    InjectWheel(ScreenPoint(60, 80), -120);
    Loop();
    EXPECT_EQ(control_->KeyDowns, 0);
    EXPECT_EQ(control_->Wheels, 0);

    // Escape keeps the highlight, a second one leaves; the other hook,
    // added later and still there, keeps its place.
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Application->OnMessage.Contains(other.Handler()));
    EXPECT_EQ(Application->OnMessage.Count(), hooks_ + 1);
    Application->OnMessage.Remove(other.Handler());
    Key(VK_DOWN);
    EXPECT_EQ(control_->KeyDowns, 1);
}

// Rows named by Captions added to the submenu of the bar's item Index; the
// clicks of the new rows are counted by caption in Ran.
void AddRows(TbsSkinMainMenu* Menu, int Index, std::vector<AnsiString> Captions, std::vector<AnsiString>& Ran)
{
    TMenuItem* parent = Menu->Items()->Items(Index);
    for (const AnsiString& caption : Captions) {
        auto* row = new TMenuItem(Menu);
        row->SetCaption(caption);
        row->OnClick = TNotifyEvent::FromCallable([&Ran, caption](TObject*) { Ran.push_back(caption); });
        parent->Add(row);
    }
}

TEST_F(BsSkinFormKeys, AnOpenDropDownsAcceleratorsComeBeforeTheBars)
{
    std::vector<AnsiString> ran;
    AddRows(menu_, 0, {"&Export", "&Save"}, ran);
    bar_->SetMainMenu(menu_);
    // Alt+F opens File; E is its Export, not the bar's Edit.
    Key('F', InjectAlt);
    ASSERT_TRUE(bar_->Items(0)->Down);
    Key('E');
    EXPECT_EQ(ran, std::vector<AnsiString>{"&Export"});
    EXPECT_FALSE(bar_->Items(1)->Down);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_FALSE(frame_->MainMenuActive);

    // With nothing open, the bar's accelerators apply.
    KeyMenu();
    Key('E');
    EXPECT_TRUE(bar_->Items(1)->Down);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_EQ(control_->KeyDowns, 0);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

TEST_F(BsSkinFormKeys, AControlsContextMenuTakesTheKeysWhileOpen)
{
    auto* popup = new TbsSkinPopupMenu(form_);
    std::vector<AnsiString> ran;
    for (const char* caption : {"&Open", "&Rename", "&Delete"}) {
        auto* row = new TMenuItem(popup);
        row->SetCaption(caption);
        AnsiString name = caption;
        row->OnClick = TNotifyEvent::FromCallable([&ran, name](TObject*) { ran.push_back(name); });
        popup->Items()->Add(row);
    }
    TbsSkinMenu* manager = frame_->SkinMenu();
    TPoint at = control_->ClientToScreen(Point(20, 20));

    // Arrows move in the menu, Enter runs the row; the control saw nothing.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    ASSERT_TRUE(manager->ChainOpen());
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ(manager->LastPopup()->ActiveItem, 1);
    Key(VK_RETURN);
    EXPECT_EQ(ran, std::vector<AnsiString>{"&Rename"});
    EXPECT_FALSE(manager->ChainOpen());

    // An accelerator runs its row; typed letters that are none stay in the
    // menu.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    Key('K');
    Key('K');
    EXPECT_TRUE(manager->ChainOpen());
    Key('D');
    EXPECT_EQ(ran, (std::vector<AnsiString>{"&Rename", "&Delete"}));

    // Escape closes it.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    Key(VK_ESCAPE);
    EXPECT_FALSE(manager->ChainOpen());
    EXPECT_FALSE(frame_->MenuOpen);
    EXPECT_EQ(control_->KeyDowns, 0);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
    Key('X');
    EXPECT_EQ(control_->KeyDowns, 1);

    // A menu with nothing to show opens no window and keeps no key.
    TbsSkinPopupMenu empty(form_);
    empty.PopupForControl(control_, at.X, at.Y);
    Loop();
    EXPECT_FALSE(manager->ChainOpen());
    Key('X');
    EXPECT_EQ(control_->KeyDowns, 2);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

TEST_F(BsSkinFormKeys, AMenuOpenedByTheKeyboardStartsOnItsFirstRowWhateverThePointerRestsOn)
{
    std::vector<AnsiString> ran;
    AddRows(menu_, 0, {"&New", "&Open", "&Close"}, ran);
    bar_->SetMainMenu(menu_);
    // The pointer rests where File's third row will show.
    Key('F', InjectAlt);
    TbsSkinPopupWindow* window = frame_->SkinMenu()->LastPopup();
    ASSERT_NE(window, nullptr);
    TPoint third = window->ClientToScreen(
        Point((window->Item(3)->ObjectRect.Left + window->Item(3)->ObjectRect.Right) / 2,
              (window->Item(3)->ObjectRect.Top + window->Item(3)->ObjectRect.Bottom) / 2));
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    InjectMouseMove(third);
    Loop();

    Key('F', InjectAlt);
    window = frame_->SkinMenu()->LastPopup();
    ASSERT_NE(window, nullptr);
    Tick(200);
    EXPECT_EQ(window->ActiveItem, 0);
    // Up from the first row is the last one.
    Key(VK_UP);
    EXPECT_EQ(window->ActiveItem, 3);
    Key(VK_RETURN);
    EXPECT_EQ(ran, std::vector<AnsiString>{"&Close"});

    // Once the pointer moves, it counts.
    Key('F', InjectAlt);
    window = frame_->SkinMenu()->LastPopup();
    InjectMouseMove(Point(third.X + 1, third.Y));
    Tick(200);
    EXPECT_EQ(window->ActiveItem, 3);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
}

TEST_F(BsSkinFormKeys, OnlyALoneAltEntersTheModeAndTheFocusLeavingOrComingBackLeavesIt)
{
    // Alt held through a drag.
    TPoint at = control_->ClientToScreen(Point(10, 10));
    InjectKeyDown(VK_MENU);
    InjectMouseDown(at);
    InjectMouseMove(Point(at.X + 30, at.Y));
    InjectMouseUp(Point(at.X + 30, at.Y));
    InjectKeyUp(VK_MENU);
    Loop();
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Lit().empty());
    Key(VK_DOWN);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_EQ(control_->KeyDowns, 1);

    // A lone Alt does enter it; the focus going to another program leaves.
    Key(VK_MENU);
    ASSERT_TRUE(frame_->MainMenuActive);
    InjectSurfaceFocus(form_->Handle(), false);
    Loop();
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Lit().empty());
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
    InjectSurfaceFocus(form_->Handle(), true);
    Loop();
    EXPECT_FALSE(frame_->MainMenuActive);

    // Alt+Tab away and back: the Alt went down before the switch and comes
    // up after it.
    InjectKeyDown(VK_MENU);
    Loop();
    InjectSurfaceFocus(form_->Handle(), false);
    Loop();
    InjectSurfaceFocus(form_->Handle(), true);
    InjectKeyUp(VK_MENU);
    Loop();
    EXPECT_FALSE(frame_->MainMenuActive);
    control_->SetFocus();
    Key('A');
    EXPECT_EQ(control_->KeyDowns, 2);
}

TEST_F(BsSkinFormKeys, AltChordsWithoutAnItemAndAContextMenuFromTheModeLeaveTheKeysToTheControl)
{
    // Alt with a key no item has leaves the bar idle: the next letters are
    // the control's, not the bar's accelerators.
    for (UINT key : {UINT{'Q'}, UINT{'1'}, UINT{VK_RETURN}, UINT{VK_BACK}}) {
        Key(key, InjectAlt);
        EXPECT_FALSE(frame_->MainMenuActive) << key;
        EXPECT_TRUE(Lit().empty()) << key;
    }
    Key('D');
    Key('E');
    EXPECT_EQ(control_->KeyDowns, 2);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());

    // A context menu opened in the bar's mode ends the mode: Escape closes
    // the menu and the keys are the control's again.
    auto* popup = new TbsSkinPopupMenu(form_);
    auto* row = new TMenuItem(popup);
    row->SetCaption("&Open");
    popup->Items()->Add(row);
    TbsSkinMenu* manager = frame_->SkinMenu();
    Key(VK_MENU);
    ASSERT_TRUE(frame_->MainMenuActive);
    TPoint at = control_->ClientToScreen(Point(20, 20));
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    ASSERT_TRUE(manager->ChainOpen());
    EXPECT_FALSE(frame_->MainMenuActive);
    Key(VK_ESCAPE);
    EXPECT_FALSE(manager->ChainOpen());
    EXPECT_FALSE(frame_->MainMenuActive);
    EXPECT_TRUE(Lit().empty());
    Key('E');
    EXPECT_EQ(control_->KeyDowns, 3);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

TEST_F(BsSkinFormKeys, APressOutsideAnOpenContextMenuClosesItAndGoesOnToItsTarget)
{
    auto* popup = new TbsSkinPopupMenu(form_);
    std::vector<AnsiString> ran;
    for (const char* caption : {"&Open", "&Rename"}) {
        auto* row = new TMenuItem(popup);
        row->SetCaption(caption);
        AnsiString name = caption;
        row->OnClick = TNotifyEvent::FromCallable([&ran, name](TObject*) { ran.push_back(name); });
        popup->Items()->Add(row);
    }
    auto* other = new TKeyCounter(form_);
    other->SetParent(form_);
    other->SetBounds(150, 60, 100, 40);
    Loop();
    TbsSkinMenu* manager = frame_->SkinMenu();
    TPoint at = control_->ClientToScreen(Point(20, 20));

    // A press on another control: the menu closes, the control gets the
    // press, and the keys are the focused control's again.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    ASSERT_TRUE(manager->ChainOpen());
    InjectClick(other->ClientToScreen(Point(50, 20)));
    Loop();
    EXPECT_FALSE(manager->ChainOpen());
    EXPECT_FALSE(frame_->MenuOpen);
    EXPECT_EQ(other->Presses, 1);
    Key('X');
    EXPECT_EQ(control_->KeyDowns, 1);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);

    // A press on the control that opened it, or with the right button.
    for (int button : {1, 2}) {
        popup->PopupForControl(control_, at.X, at.Y);
        Loop();
        ASSERT_TRUE(manager->ChainOpen());
        InjectClick(control_->ClientToScreen(Point(5, 5)), button);
        Loop();
        EXPECT_FALSE(manager->ChainOpen());
        Key('X');
    }
    EXPECT_EQ(control_->Presses, 1);
    EXPECT_EQ(control_->KeyDowns, 3);

    // A press on the frame's caption.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    ASSERT_TRUE(manager->ChainOpen());
    InjectClick(ScreenPoint(150, 8));
    Loop();
    EXPECT_FALSE(manager->ChainOpen());

    // A press on another program's window: the form loses the focus.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    ASSERT_TRUE(manager->ChainOpen());
    InjectSurfaceFocus(form_->Handle(), false);
    Loop();
    EXPECT_FALSE(manager->ChainOpen());
    InjectSurfaceFocus(form_->Handle(), true);
    Loop();

    // A press on the menu's own row is the menu's: it runs the row.
    popup->PopupForControl(control_, at.X, at.Y);
    Loop();
    TbsSkinPopupWindow* window = manager->LastPopup();
    ASSERT_NE(window, nullptr);
    InjectClick(ScreenPointOf(window, window->Item(1)->ObjectRect));
    Loop();
    EXPECT_EQ(ran, std::vector<AnsiString>{"&Rename"});
    EXPECT_FALSE(manager->ChainOpen());
    EXPECT_EQ(Application->OnMessage.Count(), hooks_);
}

}  // namespace
