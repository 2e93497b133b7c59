// A form's main menu: the bar in the frame and its repaints after changes
// of its items, the keyboard's ways into it (Alt, F10, Alt+letter,
// shortcuts), the mouse, and commands that free the form they came from.
#include <gtest/gtest.h>

#include <utility>

#include "menu_test_support.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/capture.h"
#include "platform/win/focus.h"
#include "platform/win/headless_screen.h"
#include "platform/win/headless_input.h"
#include "platform/win/update_region.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"

namespace {

using TLines = std::vector<std::string>;

class TMenuBarTest : public TMenuTest {
protected:
    void SetUp() override
    {
        TMenuTest::SetUp();
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 420, 300);
        form->SetCaption("Notes");
        menu = new TMainMenu(form);
        file = Add(menu->Items(), "&File", scNone, "File");
        Add(file, "&New", ShortCut('N', {ssCtrl}), "File.New");
        Add(file, "&Open...", ShortCut('O', {ssCtrl}), "File.Open");
        Add(file, "-");
        save = Add(file, "&Save", ShortCut('S', {ssCtrl}), "File.Save");
        exit = Add(file, "E&xit", scNone, "File.Exit");
        TMenuItem* edit = Add(menu->Items(), "&Edit", scNone, "Edit");
        Add(edit, "&Undo", ShortCut('Z', {ssCtrl}), "Edit.Undo")->SetEnabled(false);
        Add(edit, "-");
        Add(edit, "Cu&t", ShortCut('X', {ssCtrl}), "Edit.Cut");
        Add(edit, "&Copy", ShortCut('C', {ssCtrl}), "Edit.Copy");
        TMenuItem* view = Add(menu->Items(), "&View", scNone, "View");
        Add(view, "&Toolbar", scNone, "View.Toolbar");
        Add(view, "Status &bar", scNone, "View.StatusBar");
        TMenuItem* help = Add(menu->Items(), "&Help", scNone, "Help");
        Add(help, "&About", scNone, "Help.About");
        form->SetMenu(menu);
        probe = new TProbe(form, form, Bounds(10, 10, 200, 60));
        probe->SetTabStop(true);
        probe->OnKeyDown = TKeyEvent::FromCallable(
            [this](TObject*, WORD& Key, TShiftState) { Log.push_back("probe.down " + std::to_string(Key)); });
        probe->OnKeyPress = TKeyPressEvent::FromCallable(
            [this](TObject*, char& Key) { Log.push_back(std::string("probe.press ") + Key); });
        form->Show();
        SetActiveWindow(form->Handle());
        probe->SetFocus();
        Process();
        Log.clear();
    }

    void TearDown() override
    {
        delete form;
        TMenuTest::TearDown();
    }

    // The log without the probe's modifier keys.
    TLines Commands() const
    {
        TLines lines;
        for (const std::string& line : Log)
            if (line != "probe.down 16" && line != "probe.down 17" && line != "probe.down 18")
                lines.push_back(line);
        return lines;
    }

    TPoint BarPoint(int Index) const
    {
        TRect r = form->MenuBar()->ItemRect(Index);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem* file = nullptr;
    TMenuItem* save = nullptr;
    TMenuItem* exit = nullptr;
    TProbe* probe = nullptr;
};

TEST_F(TMenuBarTest, TheBarTakesItsRowsFromTheClientAreaAndAnswersHtMenu)
{
    TRect window;
    GetWindowRect(form->Handle(), &window);
    TPoint client = form->ClientToScreen(Point(0, 0));
    TMenuBar* bar = form->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->Height(), 0);
    TRect first = bar->ItemRect(0);
    EXPECT_EQ(first.Bottom, client.Y);
    EXPECT_EQ(first.Left, client.X);
    EXPECT_EQ(bar->ItemRect(1).Left, first.Right);
    EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0, PointToLParam(first.Left + 2, first.Top + 2)), HTMENU);
    // Beside the items the bar is still the bar: a press there does nothing.
    TPoint beside = Point(client.X + form->ClientWidth() - 3, first.Top + 2);
    EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0, PointToLParam(beside.X, beside.Y)), HTMENU);
    InjectClick(beside);
    Process();
    EXPECT_TRUE(Log.empty());
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.Left, 100);
    int clientHeight = form->ClientHeight();

    // Narrow, the items wrap to a second row and the client area gives way.
    form->SetWidth(bar->ItemRect(2).Right - window.Left);
    Process();
    EXPECT_EQ(bar->ItemRect(3).Top, first.Bottom);
    EXPECT_EQ(bar->Height(), 2 * first.Height());
    EXPECT_EQ(form->ClientHeight(), clientHeight - first.Height());

    // Hiding an item lays the bar out again; without a menu the bar goes.
    menu->Items()->Items(2)->SetVisible(false);
    menu->Items()->Items(3)->SetVisible(false);
    EXPECT_EQ(bar->Height(), first.Height());
    form->SetMenu(nullptr);
    EXPECT_EQ(form->MenuBar(), nullptr);
    EXPECT_EQ(form->ClientHeight(), clientHeight + first.Height());
}

// The grey pixels of bar item Index's rectangle as the form's window shows it.
int GreyPixels(TForm* Form, int Index)
{
    TRect window;
    GetWindowRect(Form->Handle(), &window);
    TRect item = Form->MenuBar()->ItemRect(Index);
    OffsetRect(item, -window.Left, -window.Top);
    TRasterImage image = WindowImage(Form->Handle());
    uint32_t grey = 0xFF000000u | ColorToRGB(clGrayText);
    grey = (grey & 0xFF00FF00u) | ((grey & 0xFF) << 16) | ((grey >> 16) & 0xFF);  // 0x00BBGGRR to 0xAARRGGBB
    int count = 0;
    for (int y = item.Top; y < item.Bottom; ++y)
        for (int x = item.Left; x < item.Right; ++x)
            count += image.Row(y)[x] == grey;
    return count;
}

TEST_F(TMenuBarTest, ADisabledItemIsRepaintedGreyWithTheNextPaint)
{
    EXPECT_EQ(GreyPixels(form, 0), 0);
    file->SetEnabled(false);
    Process();
    EXPECT_GT(GreyPixels(form, 0), 0);
    file->SetEnabled(true);
    Process();
    EXPECT_EQ(GreyPixels(form, 0), 0);
}

TEST_F(TMenuBarTest, AnIdleUpdatePaintsTheBarOnceAndOnlyForItsOwnItems)
{
    // Forty actions behind the rows of File, one behind the bar's Edit;
    // the bar's Help counts the bar's paints by drawing itself.
    bool rowsEnabled = true;
    bool editEnabled = true;
    auto* list = new TActionList(form);
    auto follow = [&](TMenuItem* Item, const AnsiString& Caption, const bool& Enabled, bool Renames) {
        auto* action = new TAction(form);
        action->SetActionList(list);
        action->SetCaption(Caption);
        action->OnUpdate = TNotifyEvent::FromCallable([action, &Enabled, Caption, Renames](TObject*) {
            action->SetEnabled(Enabled);
            if (Renames)
                action->SetCaption(Enabled ? Caption : Caption + " (\xD5\x66\xE9\x54)");  // 說門
        });
        Item->SetAction(action);
    };
    for (int i = 0; i < 40; ++i)
        follow(Add(file, "row"), "Row " + std::to_string(i), rowsEnabled, false);
    follow(menu->Items()->Items(1), "&Edit", editEnabled, true);
    int barPaints = 0;
    menu->Items()->Items(3)->OnDrawItem =
        TMenuDrawItemEvent::FromCallable([&](TObject* Sender, TCanvas* Canvas, TRect R, bool) {
            ++barPaints;
            DrawFlatText(Canvas, R, static_cast<TMenuItem*>(Sender)->Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                         true);
        });
    auto idleUpdate = [&] {
        barPaints = 0;
        form->UpdateActions();
        Process();
        return barPaints;
    };
    idleUpdate();
    TRect editBefore = form->MenuBar()->ItemRect(1);

    // Nothing changed, or only rows of the closed File menu: the bar is
    // not painted.
    EXPECT_EQ(idleUpdate(), 0);
    rowsEnabled = false;
    EXPECT_EQ(idleUpdate(), 0);
    EXPECT_FALSE(file->Items(6)->Enabled());

    // Edit and every row change: one paint, which shows Edit's new caption
    // and grey look as a full repaint does.
    rowsEnabled = true;
    editEnabled = false;
    EXPECT_EQ(idleUpdate(), 1);
    EXPECT_TRUE(file->Items(6)->Enabled());
    TRect editAfter = form->MenuBar()->ItemRect(1);
    EXPECT_GT(editAfter.Width(), editBefore.Width());
    EXPECT_EQ(form->MenuBar()->ItemRect(2).Left, editAfter.Right);
    EXPECT_GT(GreyPixels(form, 1), 0);
    EXPECT_EQ(GreyPixels(form, 0), 0);
    TRasterImage shown = WindowImage(form->Handle());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    Process();
    EXPECT_TRUE(shown.Pixels == WindowImage(form->Handle()).Pixels);

    // And back, again in one paint.
    editEnabled = true;
    EXPECT_EQ(idleUpdate(), 1);
    EXPECT_EQ(form->MenuBar()->ItemRect(1), editBefore);
    EXPECT_EQ(GreyPixels(form, 1), 0);
}

TEST_F(TMenuBarTest, AltRightRightDownEnterRunsTheThirdMenusFirstItem)
{
    for (UINT key : {UINT(VK_MENU), UINT(VK_RIGHT), UINT(VK_RIGHT), UINT(VK_DOWN), UINT(VK_RETURN)})
        InjectKeyStroke(key);
    Process();
    EXPECT_EQ(Commands(), (TLines{"View", "View.Toolbar"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), probe->Handle());
}

TEST_F(TMenuBarTest, AltWithALetterOpensThatMenuAndItsLettersRunItems)
{
    InjectKeyStroke('F', InjectAlt);
    InjectKeyStroke('S');
    Process();
    EXPECT_EQ(Commands(), (TLines{"probe.down 70", "File", "File.Save"}));

    // A letter no item has leaves the menu open until Escape.
    Log.clear();
    InjectKeyStroke('E', InjectAlt);
    InjectKeyStroke('Q');
    InjectKeyStroke(VK_ESCAPE);
    InjectKeyStroke(VK_ESCAPE);
    InjectKeyStroke('Q');
    Process();
    EXPECT_EQ(Commands(), (TLines{"probe.down 69", "Edit", "probe.down 81", "probe.press q"}));
}

TEST_F(TMenuBarTest, F10MakesTheFirstItemHotAndEnterOpensIt)
{
    InjectKeyStroke(VK_F10);
    InjectKeyStroke(VK_RETURN);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(Commands(), (TLines{"probe.down 121", "File", "File.Open"}));
}

TEST_F(TMenuBarTest, LeftAndRightWrapAroundTheBar)
{
    // Hot only: Left from the first item goes to the last.
    InjectKeyStroke(VK_MENU);
    InjectKeyStroke(VK_LEFT);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(Commands(), (TLines{"Help", "Help.About"}));

    // Open: Right from the last menu opens the first one.
    Log.clear();
    InjectKeyStroke('H', InjectAlt);
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(Commands(), (TLines{"probe.down 72", "Help", "File", "File.New"}));
}

TEST_F(TMenuBarTest, EscapeClosesTheMenuThenLeavesTheBar)
{
    int levels = -1;
    InjectKeyStroke(VK_MENU);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_ESCAPE);
    Steps({[&] {
               levels = MenuLoopLevelCount();
               EXPECT_EQ(form->MenuBar()->Hot(), 0);
               EXPECT_FALSE(form->MenuBar()->Open());
               InjectKeyStroke(VK_ESCAPE);
               return true;
           }});
    Process();
    EXPECT_EQ(levels, 0);
    InjectKeyStroke('Q');
    Process();
    EXPECT_EQ(Commands(), (TLines{"File", "probe.down 81", "probe.press q"}));
    EXPECT_EQ(form->MenuBar()->Hot(), -1);
}

TEST_F(TMenuBarTest, CtrlSReachesItsItemAndNotTheFocusedControl)
{
    InjectKeyStroke('S', InjectCtrl);
    Process();
    EXPECT_EQ(Commands(), (TLines{"File", "File.Save"}));

    // A disabled item leaves the key to the control.
    Log.clear();
    save->SetEnabled(false);
    InjectKeyStroke('S', InjectCtrl);
    Process();
    EXPECT_EQ(Commands(), (TLines{"File", "probe.down 83", "probe.press \x13"}));

    // OnShortCut comes first and may keep the key from the menu.
    Log.clear();
    save->SetEnabled(true);
    form->OnShortCut = TShortCutEvent::FromCallable([](TMessage& Msg, bool& Handled) { Handled = Msg.WParam == 'S'; });
    InjectKeyStroke('S', InjectCtrl);
    Process();
    EXPECT_EQ(Commands(), TLines{});
}

TEST_F(TMenuBarTest, APressOnTheBarOpensItsMenuAndAClickOnARowRunsIt)
{
    InjectClick(BarPoint(1));
    Steps({[&] {
               EXPECT_EQ(MenuLoopLevelCount(), 1);
               EXPECT_TRUE(form->MenuBar()->Open());
               TPopupMenuWindow* level = MenuLoopLevel(0);
               EXPECT_EQ(Rows(level), "Undo|-|Cut|Copy");
               // Below the bar item, left edges together.
               EXPECT_EQ(level->BoundsRect().Top, form->MenuBar()->ItemRect(1).Bottom);
               EXPECT_EQ(level->BoundsRect().Left, form->MenuBar()->ItemRect(1).Left);
               InjectClick(RowPoint(level, 0));  // disabled: nothing
               InjectMouseMove(BarPoint(2));     // the open menu follows the mouse along the bar
               return true;
           },
           [&] {
               EXPECT_EQ(Rows(MenuLoopLevel(0)), "Toolbar|Status bar");
               InjectClick(RowPoint(MenuLoopLevel(0), 1));
               return true;
           }});
    Process();
    EXPECT_EQ(Commands(), (TLines{"Edit", "View", "View.StatusBar"}));
    EXPECT_EQ(form->MenuBar()->Hot(), -1);

    // A press outside every menu closes it and runs nothing.
    Log.clear();
    InjectClick(BarPoint(0));
    InjectClick(form->ClientToScreen(Point(form->ClientWidth() - 5, form->ClientHeight() - 5)));
    Process();
    EXPECT_EQ(Commands(), (TLines{"File"}));
}

TEST_F(TMenuBarTest, ACommandMayFreeTheFormItCameFrom)
{
    // The command runs once every menu window is gone and the loop has let
    // go of the mouse. The handler lives in the item it frees: nothing
    // after the delete.
    exit->OnClick = TNotifyEvent::FromCallable([this](TObject*) {
        bool closed = !MenuLoopRunning() && !AnyMenuWindowShown() && GetCapture() == nullptr;
        Log.push_back(closed ? "File.Exit" : "File.Exit with the menu open");
        delete std::exchange(form, nullptr);
    });
    InjectKeyStroke('F', InjectAlt);
    InjectKeyStroke('X');
    Process();
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Commands(), (TLines{"probe.down 70", "File", "File.Exit"}));
}

TEST_F(TMenuBarTest, AClickedCommandMayFreeTheFormToo)
{
    exit->OnClick = TNotifyEvent::FromCallable([this](TObject*) { delete std::exchange(form, nullptr); });
    InjectClick(BarPoint(0));
    Steps({[&] {
        InjectClick(RowPoint(MenuLoopLevel(0), MenuLoopLevel(0)->RowOf(exit)));
        return true;
    }});
    Process();
    EXPECT_EQ(form, nullptr);
}

}  // namespace
