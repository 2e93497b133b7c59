// Popup menus: the loop's keys and mouse over the rows, sub-menus after
// the menu delay, placement on the work area, scrolling, one menu at a
// time, tidied separators and context menus from controls.
#include <gtest/gtest.h>

#include <utility>

#include "menu_test_support.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/system_parameters.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

class TPopupMenuTest : public TFormPopupMenuTest {
protected:
    // Pops the menu up at (150, 150) with the keys given waiting.
    void PopupWithKeys(std::initializer_list<UINT> Keys)
    {
        for (UINT key : Keys)
            InjectKeyStroke(key);
        popup->Popup(150, 150);
    }

    static UINT MenuDelay()
    {
        UINT delay = 0;
        SystemParametersInfo(SPI_GETMENUSHOWDELAY, 0, &delay, 0);
        return delay;
    }
};

TEST_F(TPopupMenuTest, UpAndDownSkipSeparatorsAndDisabledItemsAndWrap)
{
    TMenuItem* root = popup->Items();
    Add(root, "&First");
    Add(root, "-");
    Add(root, "&Grey")->SetEnabled(false);
    Add(root, "&Second");
    Add(root, "&Hidden")->SetVisible(false);
    Add(root, "-");

    PopupWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log, TLines{"First"});
    Log.clear();
    PopupWithKeys({VK_UP, VK_RETURN});
    EXPECT_EQ(Log, TLines{"Second"});
    Log.clear();
    PopupWithKeys({VK_UP, VK_UP, VK_UP, VK_RETURN});
    EXPECT_EQ(Log, TLines{"Second"});

    // The mouse may point at a disabled row; clicking it runs nothing.
    Log.clear();
    Steps({[&] {
        TPopupMenuWindow* level = MenuLoopLevel(0);
        EXPECT_EQ(Rows(level), "First|-|Grey|Second");  // the line at the end is tidied away
        InjectClick(RowPoint(level, 1));
        return true;
    }});
    popup->Popup(150, 150);
    EXPECT_TRUE(Log.empty());
}

TEST_F(TPopupMenuTest, APressOnASeparatorSelectsNothing)
{
    Add(popup->Items(), "&First");
    Add(popup->Items(), "-");
    Add(popup->Items(), "&Second");
    int selected = 0;
    Steps({[&] {
               InjectMouseDown(RowPoint(MenuLoopLevel(0), 1));
               return true;
           },
           [&] {
               selected = MenuLoopLevel(0)->Selected();
               return false;
           }});
    popup->Popup(150, 150);
    InjectMouseUp(Point(155, 155));
    Process();
    EXPECT_EQ(selected, TPopupMenuWindow::NoRow);
}

TEST_F(TPopupMenuTest, PopupFiresOnPopupFirstAndKeepsThePoint)
{
    Add(popup->Items(), "&Only");
    popup->OnPopup = TNotifyEvent::FromCallable([this](TObject* Sender) {
        Log.push_back(Sender == popup && !MenuLoopRunning() ? "OnPopup" : "OnPopup late");
        Add(popup->Items(), "&Built");  // items may be made on the way
    });
    PopupWithKeys({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log, (TLines{"OnPopup", "Built"}));
    EXPECT_EQ(popup->PopupPoint(), Point(150, 150));
}

TEST_F(TPopupMenuTest, LettersRunTheirItemOrVisitSeveralInTurn)
{
    TMenuItem* root = popup->Items();
    Add(root, "&Copy");
    Add(root, "Cu&t");
    Add(root, "&Close");
    Add(root, "\xD5\x66\xE9\x54(&D)", scNone, "Delete");  // 說門: trail bytes 'f' and 'T' are no accelerators
    PopupWithKeys({'T'});
    EXPECT_EQ(Log, TLines{"Cut"});
    Log.clear();
    PopupWithKeys({'F', 'D'});
    EXPECT_EQ(Log, TLines{"Delete"});
    Log.clear();
    PopupWithKeys({'C', 'C', VK_RETURN});
    EXPECT_EQ(Log, TLines{"Close"});
}

TEST_F(TPopupMenuTest, RightAndEnterOpenASubMenuAndEscapeClosesOneLevel)
{
    TMenuItem* root = popup->Items();
    TMenuItem* sub = Add(root, "&More");
    Add(sub, "&Inner");
    Add(sub, "In&ward");
    Add(root, "&Last");

    PopupWithKeys({VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log, (TLines{"More", "Inward"}));
    Log.clear();
    PopupWithKeys({VK_DOWN, VK_RETURN, VK_ESCAPE, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log, (TLines{"More", "Last"}));
    Log.clear();
    PopupWithKeys({VK_DOWN, VK_RIGHT, VK_LEFT, VK_ESCAPE});
    EXPECT_EQ(Log, (TLines{"More"}));
}

TEST_F(TPopupMenuTest, ASubMenuOpensAfterTheMenuDelayOrAtOnceOnAPress)
{
    TMenuItem* root = popup->Items();
    Add(root, "&Plain");
    TMenuItem* sub = Add(root, "&More");
    Add(sub, "&Inner");
    Steps({[&] {
               InjectMouseMove(RowPoint(MenuLoopLevel(0), 1));
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 1);
               AdvanceClock(MenuDelay() - 1);
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 1);
               AdvanceClock(1);
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 2);
               // Beside its row, the first rows level.
               TPopupMenuWindow* level = MenuLoopLevel(1);
               EXPECT_EQ(Rows(level), "Inner");
               EXPECT_EQ(level->BoundsRect().Left, MenuLoopLevel(0)->BoundsRect().Right - MenuFrameWidth);
               EXPECT_EQ(level->RowRect(0).Top + level->Top(), RowPoint(MenuLoopLevel(0), 1).Y -
                                                                   MenuLoopLevel(0)->RowRect(1).Height() / 2);
               // Back on the plain row, the sub-menu goes after the delay too.
               InjectMouseMove(RowPoint(MenuLoopLevel(0), 0));
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 2);
               AdvanceClock(MenuDelay());
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 1);
               InjectClick(RowPoint(MenuLoopLevel(0), 1));
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 2);
               InjectClick(RowPoint(MenuLoopLevel(1), 0));
               return true;
           }});
    popup->Popup(150, 150);
    EXPECT_EQ(Log, (TLines{"More", "More", "Inner"}));
}

TEST_F(TPopupMenuTest, MenusFlipToStayOnTheWorkArea)
{
    TRect work = Screen->WorkAreaRect();
    // Near the bottom right corner the menu opens up and to the left.
    EXPECT_EQ(PlaceMenu({100, 80}, Rect(work.Right - 10, work.Bottom - 10, work.Right - 10, work.Bottom - 10), false,
                        work),
              Rect(work.Right - 110, work.Bottom - 90, work.Right - 10, work.Bottom - 10));
    // Below a bar item that ends at the bottom: above it.
    EXPECT_EQ(PlaceMenu({100, 80}, Rect(20, work.Bottom - 30, 60, work.Bottom - 10), false, work),
              Rect(20, work.Bottom - 110, 120, work.Bottom - 30));
    // A sub-menu without room on the right goes left of its parent, and
    // moves up to fit.
    EXPECT_EQ(PlaceMenu({100, 80}, Rect(work.Right - 150, work.Bottom - 40, work.Right - 50, work.Bottom - 20), true,
                        work),
              Rect(work.Right - 250, work.Bottom - 80, work.Right - 150, work.Bottom));
    // Taller than the work area: cut to it.
    EXPECT_EQ(PlaceMenu({100, work.Height() + 50}, Rect(30, 40, 30, 40), false, work),
              Rect(30, work.Top, 130, work.Bottom));

    Add(popup->Items(), "&Only");
    Steps({[&] {
        TRect bounds = MenuLoopLevel(0)->BoundsRect();
        EXPECT_EQ(bounds.Right, work.Right - 5);
        EXPECT_EQ(bounds.Bottom, work.Bottom - 5);
        return false;
    }});
    popup->Popup(work.Right - 5, work.Bottom - 5);
}

TEST_F(TPopupMenuTest, AMenuTallerThanTheWorkAreaScrolls)
{
    for (int i = 0; i < 120; ++i)
        Add(popup->Items(), "Item " + std::to_string(i));
    TRect work = Screen->WorkAreaRect();
    Steps({[&] {
               TPopupMenuWindow* level = MenuLoopLevel(0);
               EXPECT_TRUE(level->Scrollable());
               EXPECT_EQ(level->Height(), work.Height());
               EXPECT_EQ(level->TopIndex(), 0);
               // Up from nothing wraps to the last row, which scrolls into view.
               InjectKeyStroke(VK_UP);
               return true;
           },
           [&] {
               TPopupMenuWindow* level = MenuLoopLevel(0);
               EXPECT_EQ(level->Selected(), 119);
               EXPECT_GT(level->TopIndex(), 0);
               EXPECT_EQ(level->RowAt(level->ScreenToClient(RowPoint(level, 119))), 119);
               // Resting on the up arrow scrolls a row at a time.
               int top = level->TopIndex();
               InjectMouseMove(level->ClientToScreen(Point(20, MenuFrameWidth + 2)));
               AdvanceClock(100);
               AdvanceClock(100);
               (void)top;
               return true;
           },
           [&] {
               TPopupMenuWindow* level = MenuLoopLevel(0);
               EXPECT_LT(level->TopIndex(), 119);
               InjectKeyStroke(VK_RETURN);
               return true;
           }});
    popup->Popup(100, 100);
    EXPECT_EQ(Log, TLines{"Item 119"});
}

TEST_F(TPopupMenuTest, ASecondPopupClosesTheFirstFirst)
{
    Add(popup->Items(), "&First");
    auto* second = new TPopupMenu(form);
    Add(second->Items(), "&Second");
    Steps({[&] {
               EXPECT_EQ(Rows(MenuLoopLevel(0)), "First");
               second->Popup(300, 300);
               // The second menu ran and closed; the first did not come back.
               EXPECT_FALSE(MenuLoopRunning());
               return true;
           },
           [&] {
               EXPECT_EQ(MenuLoopLevelCount(), 1);
               EXPECT_EQ(Rows(MenuLoopLevel(0)), "Second");
               InjectKeyStroke(VK_DOWN);
               InjectKeyStroke(VK_RETURN);
               return true;
           }});
    popup->Popup(150, 150);
    EXPECT_EQ(Log, TLines{"Second"});
}

TEST_F(TPopupMenuTest, AutomaticLineReductionTidiesSeparatorsAsTheMenuOpens)
{
    TMenuItem* root = popup->Items();
    for (const char* caption : {"-", "&A", "-", "-", "&B", "-"})
        Add(root, caption);
    std::string rows;
    Steps({[&] {
        rows = Rows(MenuLoopLevel(0));
        return false;
    }});
    popup->Popup(150, 150);
    EXPECT_EQ(rows, "A|-|B");

    // Manual: the lines stay as they are until RethinkLines.
    popup->SetAutoLineReduction(maManual);
    for (int i = 0; i < root->Count(); ++i)
        root->Items(i)->SetVisible(true);
    Steps({[&] {
        rows = Rows(MenuLoopLevel(0));
        return false;
    }});
    popup->Popup(150, 150);
    EXPECT_EQ(rows, "-|A|-|-|B|-");

    // An item may decide for its own sub-menu.
    TMenuItem* sub = Add(root, "&Sub");
    for (const char* caption : {"&C", "-", "-", "&D"})
        Add(sub, caption);
    sub->SetAutoLineReduction(maAutomatic);
    Steps({[&] {
               InjectKeyStroke(VK_UP);
               InjectKeyStroke(VK_RIGHT);
               return true;
           },
           [&] {
               rows = Rows(MenuLoopLevel(1));
               return false;
           }});
    popup->Popup(150, 150);
    EXPECT_EQ(rows, "C|-|D");
}

TEST_F(TPopupMenuTest, AChangeOfStateRepaintsAnOpenMenuAndOtherChangesCloseIt)
{
    TMenuItem* first = Add(popup->Items(), "&First");
    Add(popup->Items(), "&Second");
    bool stillOpen = false;
    Steps({[&] {
               first->SetChecked(true);
               stillOpen = MenuLoopRunning() && MenuLoopLevel(0)->RowCount() == 2;
               first->SetCaption("&Renamed");  // the rows may be gone: the menu closes
               return true;
           }});
    popup->Popup(150, 150);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(MenuLoopRunning());
    EXPECT_TRUE(Log.empty());
}

TEST_F(TPopupMenuTest, AnItemWithOnDrawItemDrawsItsOwnRow)
{
    TMenuItem* owner = Add(popup->Items(), "&Drawn");
    Add(popup->Items(), "&Plain");
    std::vector<std::string> calls;
    owner->OnDrawItem = TMenuDrawItemEvent::FromCallable([&](TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected) {
        calls.push_back(std::string(Sender == owner ? "owner" : "other") + (Selected ? " selected" : ""));
        ACanvas->Brush()->SetColor(clLime);
        ACanvas->FillRect(ARect);
    });
    TColor middle = clNone;
    Steps({[&] {
               TPopupMenuWindow* level = MenuLoopLevel(0);
               TPoint p = level->ScreenToClient(RowPoint(level, 0));
               middle = ColorToRGB(level->Canvas()->Pixels(p.X, p.Y));
               InjectKeyStroke(VK_DOWN);
               return true;
           },
           [&] {
               MenuLoopLevel(0)->Update();
               return false;
           }});
    popup->Popup(150, 150);
    EXPECT_EQ(middle, ColorToRGB(clLime));
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front(), "owner");
    EXPECT_EQ(calls.back(), "owner selected");
}

TEST_F(TPopupMenuTest, TheFormMayGoWhileItsMenuIsOpen)
{
    // Something else (a timer, say) frees the form that owns the open menu:
    // the menu closes without touching what went.
    Add(popup->Items(), "&First");
    TMenuItem* sub = Add(popup->Items(), "&More");
    Add(sub, "&Inner");
    Steps({[&] {
        EXPECT_EQ(MenuLoopLevelCount(), 2);
        delete std::exchange(form, nullptr);
        InjectKeyStroke(VK_DOWN);  // must find no rows of the freed items
        return true;
    }});
    PopupWithKeys({VK_DOWN, VK_DOWN, VK_RIGHT});
    Process();
    EXPECT_FALSE(MenuLoopRunning());
    EXPECT_TRUE(Log.size() == 1 && Log[0] == "More");

    // The same with the form's bar open.
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    auto* menu = new TMainMenu(form);
    Add(Add(menu->Items(), "&File"), "&Open");
    form->SetMenu(menu);
    form->Show();
    SetActiveWindow(form->Handle());
    Process();
    Steps({[&] {
        EXPECT_EQ(MenuLoopLevelCount(), 1);
        delete std::exchange(form, nullptr);
        return true;
    }});
    InjectKeyStroke('F', InjectAlt);
    Process();
    EXPECT_FALSE(MenuLoopRunning());
    EXPECT_EQ(GetCapture(), nullptr);
}

class TContextMenuTest : public TPopupMenuTest {
protected:
    void SetUp() override
    {
        TPopupMenuTest::SetUp();
        probe = new TProbe(form, form, Bounds(20, 20, 200, 100));
        probe->SetTabStop(true);
        probe->SetPopupMenu(popup);
        Add(popup->Items(), "&Open");
        popup->OnPopup = TNotifyEvent::FromCallable([this](TObject*) { Log.push_back("OnPopup"); });
        probe->SetFocus();
        Process();
    }

    TProbe* probe = nullptr;
};

TEST_F(TContextMenuTest, TheRightButtonShiftF10AndTheMenuKeyPopTheMenuUp)
{
    TPoint click = probe->ClientToScreen(Point(30, 40));
    InjectClick(click, 2);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(Log, (TLines{"OnPopup", "Open"}));
    EXPECT_EQ(popup->PopupComponent(), probe);
    EXPECT_EQ(popup->PopupPoint(), click);

    // From the keyboard the menu comes at the control's top-left.
    for (UINT modifiers : {UINT(InjectShift), UINT(0)}) {
        Log.clear();
        InjectKeyStroke(modifiers ? VK_F10 : VK_APPS, modifiers);
        InjectKeyStroke(VK_ESCAPE);
        Process();
        EXPECT_EQ(Log, TLines{"OnPopup"}) << modifiers;
        EXPECT_EQ(popup->PopupPoint(), probe->ClientToScreen(Point(0, 0)));
    }

    // Without AutoPopup the control keeps the request.
    Log.clear();
    popup->AutoPopup = false;
    InjectClick(click, 2);
    Process();
    EXPECT_TRUE(Log.empty());
}

TEST_F(TContextMenuTest, ACommandMayFreeWhatOpenedTheMenu)
{
    // The tab-like control goes, and with it the form holding the menu.
    popup->Items()->Items(0)->OnClick = TNotifyEvent::FromCallable([this](TObject*) {
        bool closed = !MenuLoopRunning() && !AnyMenuWindowShown() && GetCapture() == nullptr;
        Log.push_back(closed ? "closed" : "still open");
        delete std::exchange(form, nullptr);
    });
    InjectClick(probe->ClientToScreen(Point(30, 40)), 2);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Log, (TLines{"OnPopup", "closed"}));
}

}  // namespace
