// The list box as a user and the dialogs use it: sorted rows with their
// objects, keys, clicks and drags, type-ahead over GBK text, owner-drawn
// rows of fixed and variable height, scrolling and the stored rows under a
// long randomized run.
#include "platform/ui/itemviews/list_box.h"

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/base/exceptions.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "tests/support/pixel_colour.h"

namespace {

using TLines = std::vector<std::string>;

// GBK: 說 D5 66 ('f'), 門 E9 54 ('T'), 這 DF 40 ('@'), 乗 81 5C ('\\'), 中 D6 D0.
const AnsiString Shuo = "\xD5\x66";
const AnsiString Men = "\xE9\x54";
const AnsiString Zhe = "\xDF\x40";
const AnsiString Cheng = "\x81\x5C";
const AnsiString Zhong = "\xD6\xD0";

// A list box at (10, 10) of the form in the test font (rows of 16).
TListBox* AddList(TTestForm& Form, int Width = 120, int Height = 100)
{
    auto* list = new TListBox(&Form);
    list->Font()->SetName(kTestFontName);
    list->Font()->SetHeight(-kTestFontCellHeight);
    list->SetBounds(10, 10, Width, Height);
    list->SetParent(&Form);
    return list;
}

TLines Rows(TListBox* List)
{
    TLines rows;
    for (int i = 0; i < List->Count(); ++i)
        rows.push_back(List->Items()->Strings(i));
    return rows;
}

void LogClicks(TListBox* List, TLines& Log)
{
    List->OnClick = TNotifyEvent::FromCallable(
        [&Log, List](TObject*) { Log.push_back("click " + std::to_string(List->ItemIndex())); });
    List->OnDblClick = TNotifyEvent::FromCallable(
        [&Log, List](TObject*) { Log.push_back("dblclick " + std::to_string(List->ItemIndex())); });
}

// The middle of row Index on the screen (the row must be shown).
TPoint RowPoint(TListBox* List, int Index)
{
    TRect r = List->ItemRect(Index);
    return List->ClientToScreen(Point(20, (r.Top + r.Bottom) / 2));
}

TEST_F(TControlTest, ListBoxSortedRowsKeepTheirObjectsAndTheSelection)
{
    TListBox list(nullptr);
    TObject a, b, c, d;
    TStrings* items = list.Items();
    items->AddObject("beta", &b);
    items->AddObject(Zhong, &c);
    items->AddObject("Alpha", &a);
    list.SetItemIndex(1);
    // Sorting keeps the selected row selected wherever it goes.
    list.SetSorted(true);
    EXPECT_EQ(Rows(&list), (TLines{"Alpha", "beta", Zhong}));
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(items->Objects(0), &a);
    EXPECT_EQ(items->Objects(2), &c);

    // Added rows go in order without case, after their equals; rows above
    // the selection move it down.
    EXPECT_EQ(items->AddObject("ALPHA", &d), 1);
    EXPECT_EQ(items->Add("aardvark"), 0);
    EXPECT_EQ(Rows(&list), (TLines{"aardvark", "Alpha", "ALPHA", "beta", Zhong}));
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(items->Objects(2), &d);
    EXPECT_EQ(items->IndexOf("BETA"), 3);
    EXPECT_EQ(items->IndexOf(Zhong), 4);
    EXPECT_EQ(items->IndexOf("gamma"), -1);

    // Replacing a string keeps the row and its object.
    items->SetStrings(2, "zulu");
    EXPECT_EQ(items->Strings(2), "zulu");
    EXPECT_EQ(items->Objects(2), &d);

    // Deleting the selected row leaves none selected; deleting above moves it.
    items->Delete(0);
    EXPECT_EQ(list.ItemIndex(), 3);
    items->Delete(3);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_THROW(items->Delete(3), EStringListError);
    EXPECT_THROW(items->Strings(-1), EStringListError);
    EXPECT_THROW(list.Selected(7), EListError);
    list.SetItemIndex(9);
    EXPECT_EQ(list.ItemIndex(), -1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(TControlTest, ListBoxKeysMoveTheSelectionAndScrollIt)
{
    TTestForm form;
    // Five whole rows of 16 in the client area of 80 (the edge takes 2 a side).
    TListBox* list = AddList(form, 120, 84);
    for (int i = 0; i < 20; ++i)
        list->Items()->Add("row " + std::to_string(100 + i));
    TLines log;
    LogClicks(list, log);
    ShowActive(&form);
    list->SetFocus();
    Pump();

    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_UP);
    Pump();
    EXPECT_EQ(log, (TLines{"click 0", "click 1", "click 0"}));
    log.clear();
    InjectKeyStroke(VK_NEXT);
    Pump();
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_EQ(list->TopIndex(), 0);
    InjectKeyStroke(VK_DOWN);
    Pump();
    EXPECT_EQ(list->TopIndex(), 1);
    InjectKeyStroke(VK_END);
    Pump();
    EXPECT_EQ(list->ItemIndex(), 19);
    EXPECT_EQ(list->TopIndex(), 15);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 19);
    EXPECT_EQ(info.nPage, 5u);
    EXPECT_EQ(info.nPos, 15);
    // At the end a key that goes nowhere fires nothing.
    log.clear();
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(log, (TLines{"click 0"}));
    EXPECT_EQ(list->TopIndex(), 0);

    // The window's scroll bar scrolls without moving the selection.
    list->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list->TopIndex(), 5);
    list->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(list->TopIndex(), 15);
    EXPECT_EQ(list->ItemIndex(), 0);
    InjectWheel(RowPoint(list, 16), -120);
    Pump();
    EXPECT_EQ(list->TopIndex(), 15);
    InjectWheel(RowPoint(list, 16), 120);
    Pump();
    EXPECT_EQ(list->TopIndex(), 12);
    // The program choosing the row already selected brings it into view.
    log.clear();
    list->SetItemIndex(0);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(log, TLines{});

    // Rows that all fit need no scroll bar.
    while (list->Count() > 5)
        list->Items()->Delete(list->Count() - 1);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_FALSE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(TControlTest, ListBoxTypeAheadMatchesWholeGbkCharacters)
{
    TTestForm form;
    TListBox* list = AddList(form);
    // Each double-byte row has a single-byte twin that its trail byte
    // spells, and the first row shares 說's lead byte.
    for (const AnsiString& row : {AnsiString("\xD5\x41z"), AnsiString("foo"), Shuo + "明", AnsiString("Tab"), Men + "戶", AnsiString("@home"),
                                  Zhe + "裡", AnsiString("\\x"), Cheng + "客", AnsiString("table")})
        list->Items()->Add(row);
    TLines log;
    LogClicks(list, log);
    ShowActive(&form);
    list->SetFocus();
    Pump();

    for (const AnsiString& typed : {Shuo, Men, Zhe, Cheng}) {
        AdvanceClock(TTypeAhead::Delay + 1);
        InjectText(typed);
        Pump();
        ASSERT_GE(list->ItemIndex(), 0);
        EXPECT_EQ(list->Items()->Strings(list->ItemIndex()).substr(0, 2), typed);
    }
    EXPECT_EQ(log, (TLines{"click 2", "click 4", "click 6", "click 8"}));
    log.clear();

    // Letters typed quickly form one prefix, without case. A first letter
    // goes on to the next row with it; a longer prefix may stay.
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("TA");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 9);
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("t");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 3);
    InjectText("a");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 3);
    InjectText("bL");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 9);
    // Nothing matching leaves the selection.
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("q");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 9);

    // 中's trail byte D0 is a lead byte too: the character is whole once
    // both bytes came, and the next one typed quickly goes on the prefix.
    list->Items()->Add(Zhong + "國");
    list->Items()->Add(Zhong + "文");
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText(Zhong);
    Pump();
    EXPECT_EQ(list->ItemIndex(), 10);
    InjectText("文");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 11);
}

TEST_F(TControlTest, ListBoxClicksSelectAndDoubleClicksFollowTheSelection)
{
    TTestForm form;
    TListBox* list = AddList(form);
    for (int i = 0; i < 10; ++i)
        list->Items()->Add("row " + std::to_string(i));
    TLines log;
    LogClicks(list, log);
    ShowActive(&form);

    InjectClick(RowPoint(list, 2));
    Pump();
    EXPECT_TRUE(list->Focused());
    AdvanceClock(1000);
    InjectClick(RowPoint(list, 3));
    InjectClick(RowPoint(list, 3));
    Pump();
    EXPECT_EQ(log, (TLines{"click 2", "click 3", "dblclick 3"}));

    // Dragging moves the selection, past the bottom one row at a time.
    log.clear();
    AdvanceClock(1000);
    InjectMouseDown(RowPoint(list, 1));
    Pump();
    InjectMouseMove(RowPoint(list, 4));
    Pump();
    InjectMouseMove(list->ClientToScreen(Point(20, list->ClientHeight() + 5)));
    InjectMouseUp(list->ClientToScreen(Point(20, list->ClientHeight() + 5)));
    Pump();
    EXPECT_EQ(log, (TLines{"click 1", "click 4", "click 6"}));
    EXPECT_EQ(list->TopIndex(), 1);
    // Below the last row a click selects nothing.
    while (list->Count() > 4)
        list->Items()->Delete(list->Count() - 1);
    list->SetTopIndex(0);
    log.clear();
    AdvanceClock(1000);
    InjectClick(list->ClientToScreen(Point(20, list->ClientHeight() - 2)));
    Pump();
    EXPECT_EQ(log, TLines());
}

// A menu that a press opens takes the release into its own loop: the list
// box must not go on dragging the selection after the menu has closed.
TEST_F(TControlTest, ListBoxStopsDraggingWhenAMenuTookTheRelease)
{
    TTestForm form;
    TListBox* list = AddList(form);
    for (int i = 0; i < 10; ++i)
        list->Items()->Add("row " + std::to_string(i));
    TLines log;
    LogClicks(list, log);
    TPopupMenu popup(&form);
    auto* item = new TMenuItem(&popup);
    item->SetCaption("Run");
    item->OnClick = TNotifyEvent::FromCallable([&log](TObject*) { log.push_back("run"); });
    popup.Items()->Add(item);
    list->OnMouseDown = TMouseEvent::FromCallable([&](TObject*, TMouseButton, TShiftState, int, int) {
        InjectMouseUp(RowPoint(list, 1));
        InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
        popup.Popup(300, 300);
    });
    ShowActive(&form);

    InjectMouseDown(RowPoint(list, 1));
    Pump();
    InjectMouseMove(RowPoint(list, 4));
    Pump();
    EXPECT_EQ(log, (TLines{"run", "click 1"}));
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(TControlTest, ListBoxExtendedSelectionTakesShiftAndCtrl)
{
    TTestForm form;
    TListBox* list = AddList(form);
    list->SetMultiSelect(true);
    for (int i = 0; i < 8; ++i)
        list->Items()->Add("row " + std::to_string(i));
    ShowActive(&form);
    auto selected = [list] {
        std::string s;
        for (int i = 0; i < list->Count(); ++i)
            s += list->Selected(i) ? '1' : '0';
        return s;
    };

    InjectClick(RowPoint(list, 1));
    Pump();
    AdvanceClock(1000);
    InjectKeyDown(VK_SHIFT);
    InjectClick(RowPoint(list, 3));
    InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(selected(), "01110000");
    EXPECT_EQ(list->SelCount(), 3);
    AdvanceClock(1000);
    InjectKeyDown(VK_CONTROL);
    InjectClick(RowPoint(list, 5));
    InjectClick(RowPoint(list, 2));
    InjectKeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(selected(), "01010100");
    // Shift+Down extends from the last Ctrl+click; Ctrl+Down only moves
    // the focus, Ctrl+Space toggles there.
    InjectKeyStroke(VK_DOWN, InjectShift);
    Pump();
    EXPECT_EQ(selected(), "00110000");
    InjectKeyStroke(VK_DOWN, InjectCtrl);
    InjectKeyStroke(VK_DOWN, InjectCtrl);
    InjectKeyStroke(VK_SPACE, InjectCtrl);
    Pump();
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_EQ(selected(), "00110100");
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(selected(), "10000000");

    // Without the extended style a click toggles, keys only move.
    list->SetExtendedSelect(false);
    AdvanceClock(1000);
    InjectClick(RowPoint(list, 5));
    Pump();
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_SPACE);
    Pump();
    EXPECT_EQ(selected(), "10000110");
    list->ClearSelection();
    EXPECT_EQ(list->SelCount(), 0);
}

// Variable rows: even rows 20 high, odd rows 10, drawn by their owner
// in grey on even rows as the highlighter dialog's list does.
TEST_F(TControlTest, ListBoxOwnerDrawnVariableRowsAreMeasuredAndDrawnWhole)
{
    TTestForm form;
    TListBox* list = AddList(form, 100, 4 + 75);
    list->SetStyle(lbOwnerDrawVariable);
    list->SetIntegralHeight(true);
    EXPECT_EQ(list->Height(), 79) << "variable rows keep the height";
    TLines drawn;
    list->OnMeasureItem = TMeasureItemEvent::FromCallable([](TWinControl*, int Index, int& Height) {
        EXPECT_EQ(Height, 16);
        Height = Index % 2 ? 10 : 20;
    });
    list->OnDrawItem = TDrawItemEvent::FromCallable(
        [&drawn, list](TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State) {
            EXPECT_EQ(Control, list);
            drawn.push_back(std::to_string(Index) + " " + std::to_string(Rect.Top) + "-" +
                            std::to_string(Rect.Bottom) + (State.Contains(odSelected) ? " selected" : "") +
                            (State.Contains(odFocused) ? " focused" : ""));
            TCanvas* canvas = list->Canvas();
            if (Index % 2 == 0 && !State.Contains(odSelected))
                canvas->Brush()->SetColor(static_cast<TColor>(0xF3F3F3));
            canvas->FillRect(Rect);
        });
    for (int i = 0; i < 12; ++i)
        list->Items()->Add("row " + std::to_string(i));
    list->SetItemIndex(1);
    ShowActive(&form);
    list->SetFocus();
    Pump();
    drawn.clear();
    list->Invalidate();
    list->Update();
    // 20 + 10 + 20 + 10 = 60, the next row of 20 would be cut at 75.
    EXPECT_EQ(drawn, (TLines{"0 0-20", "1 20-30 selected focused", "2 30-50", "3 50-60"}));
    // The window's picture has the 2-pixel client edge round the rows.
    const TRasterImage image = WindowImage(list->Handle());
    EXPECT_EQ(PixelAt(image, 50, 2 + 5), static_cast<TColor>(0xF3F3F3));
    EXPECT_EQ(PixelAt(image, 50, 2 + 55), ColorToRGB(clWindow)) << "the handler drew odd rows in the list's colour";
    EXPECT_EQ(PixelAt(image, 50, 2 + 70), ColorToRGB(clWindow)) << "no cut row below the whole ones";
    EXPECT_EQ(list->ItemAtPos(Point(5, 55), true), 3);
    EXPECT_EQ(list->ItemRect(2), Rect(0, 30, list->ClientWidth(), 50));

    // Scrolling to the end shows the last rows whole.
    InjectKeyStroke(VK_END);
    Pump();
    EXPECT_EQ(list->TopIndex(), 7);
    EXPECT_EQ(list->ItemRect(11), Rect(0, 60, list->ClientWidth(), 70));
    // A changed string is measured again.
    list->OnMeasureItem = TMeasureItemEvent::FromCallable([](TWinControl*, int, int& Height) { Height = 30; });
    list->Items()->SetStrings(11, "tall");
    EXPECT_EQ(list->ItemRect(11).Height(), 30);
}

TEST_F(TControlTest, ListBoxIntegralHeightSizesToWholeFixedRows)
{
    TTestForm form;
    TListBox* list = AddList(form, 100, 90);
    list->SetIntegralHeight(true);
    EXPECT_EQ(list->Height(), 4 + 5 * 16);
    list->SetHeight(120);
    EXPECT_EQ(list->Height(), 4 + 7 * 16);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    EXPECT_EQ(list->Height(), 4 + 5 * 20);
}

TEST_F(TControlTest, ListBoxUpdateBracketRepaintsOnceAtTheEnd)
{
    TTestForm form;
    TListBox* list = AddList(form);
    ShowActive(&form);
    list->Items()->BeginUpdate();
    for (int i = 0; i < 50; ++i)
        list->Items()->Add("row " + std::to_string(i));
    EXPECT_FALSE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_VSCROLL);
    list->Items()->EndUpdate();
    EXPECT_TRUE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
