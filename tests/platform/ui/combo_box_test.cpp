// The combo box as a user works it: the list dropping below or above in
// the work area, keys and clicks while it is down and while it is closed,
// what each gesture reports, and type-ahead over GBK text.
#include "platform/ui/widgets/combo_box.h"

#include <string>
#include <vector>

#include "control_test_support.h"
#include "form_test_support.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/combo_box_list.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/headless_screen.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/monitors.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "tests/support/pixel_colour.h"

namespace {

using TLines = std::vector<std::string>;

TComboBox* AddCombo(TTestForm& Form, TComboBoxStyle Style = csDropDownList)
{
    auto* combo = new TComboBox(&Form);
    combo->SetStyle(Style);
    combo->Font()->SetName(kTestFontName);
    combo->Font()->SetHeight(-kTestFontCellHeight);
    combo->SetBounds(10, 10, 150, 0);
    combo->SetParent(&Form);
    for (int i = 0; i < 20; ++i)
        combo->Items()->Add("item " + std::to_string(100 + i));
    return combo;
}

void LogEvents(TComboBox* Combo, TLines& Log)
{
    auto log = [&Log, Combo](const char* Name) {
        return TNotifyEvent::FromCallable([&Log, Combo, Name](TObject*) {
            Log.push_back(std::string(Name) + " " + std::to_string(Combo->ItemIndex()));
        });
    };
    Combo->OnChange = log("change");
    Combo->OnClick = log("click");
    Combo->OnDropDown = log("dropdown");
    Combo->OnCloseUp = log("closeup");
}

bool ListShown(TComboBox* Combo)
{
    TCustomListBox* list = Combo->DropDownList();
    return list->HandleAllocated() && IsWindowVisible(list->Handle());
}

TRect ScreenRect(TWinControl* Control)
{
    TRect r;
    GetWindowRect(Control->Handle(), &r);
    return r;
}

// The middle of a row of the dropped list, on the screen.
TPoint RowPoint(TComboBox* Combo, int Index)
{
    TCustomListBox* list = Combo->DropDownList();
    TRect r = list->ItemRect(Index);
    return list->ClientToScreen(Point(20, (r.Top + r.Bottom) / 2));
}

TEST(ComboBoxList, DropsBelowOrAboveWhereItFits)
{
    const TRect work = Rect(0, 0, 800, 600);
    // Room below.
    EXPECT_EQ(DropDownBounds(Rect(100, 100, 250, 122), 150, 130, work), Rect(100, 122, 250, 252));
    // Near the bottom: above.
    EXPECT_EQ(DropDownBounds(Rect(100, 500, 250, 522), 150, 130, work), Rect(100, 370, 250, 500));
    // Neither: the larger side, cut to it.
    EXPECT_EQ(DropDownBounds(Rect(100, 250, 250, 272), 150, 400, Rect(0, 0, 800, 600)), Rect(100, 272, 250, 600));
    EXPECT_EQ(DropDownBounds(Rect(100, 350, 250, 372), 150, 400, Rect(0, 0, 800, 600)), Rect(100, 0, 250, 350));
    // Kept inside the work area sideways.
    EXPECT_EQ(DropDownBounds(Rect(700, 100, 850, 122), 150, 130, work), Rect(650, 122, 800, 252));
    EXPECT_EQ(DropDownBounds(Rect(-20, 100, 130, 122), 150, 130, work), Rect(0, 122, 150, 252));
}

TEST_F(TControlTest, ComboBoxListOpensAboveNearTheWorkAreasBottom)
{
    TTestForm form;
    TComboBox* combo = AddCombo(form);
    EXPECT_EQ(combo->Height(), 16 + 6) << "one row of the font in the frame";
    ShowActive(&form);
    combo->SetFocus();
    Pump();

    InjectKeyStroke(VK_F4);
    Pump();
    ASSERT_TRUE(ListShown(combo));
    const TRect box = ScreenRect(combo);
    TRect list = ScreenRect(combo->DropDownList());
    EXPECT_EQ(list, Rect(box.Left, box.Bottom, box.Right, box.Bottom + 8 * 16 + 2)) << "8 rows below";
    EXPECT_EQ(GetCapture(), combo->Handle());
    EXPECT_EQ(GetActiveWindow(), form.Handle()) << "the list never takes the activation";
    InjectKeyStroke(VK_F4);
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(GetCapture(), nullptr);

    // Moved near the bottom of the work area the list opens above the box.
    MONITORINFO monitor;
    GetMonitorInfo(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    form.SetTop(monitor.rcWork.Bottom - 60);
    combo->SetDropDownCount(5);
    InjectKeyStroke(VK_DOWN, InjectAlt);
    Pump();
    ASSERT_TRUE(ListShown(combo));
    list = ScreenRect(combo->DropDownList());
    const TRect moved = ScreenRect(combo);
    EXPECT_EQ(list, Rect(moved.Left, moved.Top - 5 * 16 - 2, moved.Right, moved.Top));
    InjectKeyStroke(VK_UP, InjectAlt);
    Pump();
    EXPECT_FALSE(ListShown(combo));
}

TEST_F(TControlTest, ComboBoxEnterTakesAndEscapeRestores)
{
    TTestForm form;
    TComboBox* combo = AddCombo(form);
    combo->SetItemIndex(3);
    TLines log;
    LogEvents(combo, log);
    ShowActive(&form);
    combo->SetFocus();
    Pump();

    // Closed, the arrows pick at once.
    InjectKeyStroke(VK_DOWN);
    Pump();
    EXPECT_EQ(log, (TLines{"click 4", "change 4"}));
    EXPECT_EQ(combo->Text(), "item 104");

    // Dropped, they only move the highlight; Escape closes with the
    // selection as it was.
    log.clear();
    InjectKeyStroke(VK_F4);
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_DOWN);
    Pump();
    EXPECT_EQ(combo->DropDownList()->ItemIndex(), 6);
    EXPECT_EQ(combo->ItemIndex(), 4);
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(log, (TLines{"dropdown 4", "closeup 4"}));

    // Enter takes the highlighted row.
    log.clear();
    InjectKeyStroke(VK_DOWN, InjectAlt);
    InjectKeyStroke(VK_END);
    InjectKeyStroke(VK_RETURN);
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->ItemIndex(), 19);
    EXPECT_EQ(log, (TLines{"dropdown 4", "closeup 4", "click 19", "change 19"}));

    // OnSelect takes the place of OnChange for picks.
    log.clear();
    combo->OnSelect = TNotifyEvent::FromCallable([&log](TObject*) { log.push_back("select"); });
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(log, (TLines{"click 0", "select"}));
    // The program's changes report nothing.
    log.clear();
    combo->SetText("ITEM 110");
    EXPECT_EQ(combo->ItemIndex(), 10);
    combo->SetText("none");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    // The selection follows its string as rows come and go.
    combo->SetItemIndex(5);
    combo->Items()->Insert(0, "first");
    EXPECT_EQ(combo->ItemIndex(), 6);
    EXPECT_EQ(combo->Text(), "item 105");
    combo->Items()->Delete(6);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(log, TLines());
}

TEST_F(TControlTest, ComboBoxMouseHotTracksTakesAndClosesOnAClickOutside)
{
    std::vector<std::string> probeLog;
    TTestForm form;
    TComboBox* combo = AddCombo(form);
    auto* other = new TProbe(&form, &form, Rect(10, 200, 100, 240));
    TLines log;
    LogEvents(combo, log);
    ShowActive(&form);

    InjectClick(ScreenPoint(combo, 20, 5));
    Pump();
    ASSERT_TRUE(ListShown(combo));
    EXPECT_TRUE(combo->Focused());
    InjectMouseMove(RowPoint(combo, 2));
    Pump();
    EXPECT_EQ(combo->DropDownList()->ItemIndex(), 2);
    InjectMouseMove(RowPoint(combo, 5));
    Pump();
    EXPECT_EQ(combo->DropDownList()->ItemIndex(), 5);
    EXPECT_EQ(combo->ItemIndex(), -1);
    InjectClick(RowPoint(combo, 5));
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(log, (TLines{"dropdown -1", "closeup -1", "click 5", "change 5"}));

    // A click outside closes the list and changes nothing; it does not
    // reach what is under it.
    log.clear();
    other->Log = &probeLog;
    AdvanceClock(1000);
    InjectClick(ScreenPoint(combo, 20, 5));
    Pump();
    ASSERT_TRUE(ListShown(combo));
    InjectMouseMove(RowPoint(combo, 7));
    InjectClick(ScreenPoint(other, 10, 10));
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(log, (TLines{"dropdown 5", "closeup 5"}));
    for (const std::string& m : probeLog)
        EXPECT_NE(m, "WM_LBUTTONDOWN");

    // The list's scroll bar scrolls it and leaves it down, the capture
    // back with the box.
    AdvanceClock(1000);
    InjectClick(ScreenPoint(combo, 20, 5));
    Pump();
    ASSERT_TRUE(ListShown(combo));
    TCustomListBox* list = combo->DropDownList();
    const int top = list->TopIndex();
    TRect listRect;
    GetWindowRect(list->Handle(), &listRect);
    const TPoint downArrow = Point(listRect.Right - 5, listRect.Bottom - 5);
    AdvanceClock(1000);
    InjectMouseDown(downArrow);
    InjectMouseUp(downArrow);
    Pump();
    EXPECT_TRUE(ListShown(combo));
    EXPECT_EQ(list->TopIndex(), top + 1);
    EXPECT_EQ(GetCapture(), combo->Handle());
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(ListShown(combo));

    // A click on the box while the list is down closes it too.
    AdvanceClock(1000);
    InjectClick(ScreenPoint(combo, 20, 5));
    Pump();
    ASSERT_TRUE(ListShown(combo));
    AdvanceClock(1000);
    InjectClick(ScreenPoint(combo, 20, 5));
    Pump();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TControlTest, ComboBoxTypeAheadPicksByGbkPrefix)
{
    TTestForm form;
    TComboBox* combo = AddCombo(form);
    combo->Items()->Clear();
    for (const AnsiString& row : {AnsiString("\xD5\x41z"), AnsiString("foo"), AnsiString("\xD5\x66\xC3\xF7"),
                                  AnsiString("Tab"), AnsiString("\xE9\x54\xE2\x9D")})
        combo->Items()->Add(row);
    TLines log;
    LogEvents(combo, log);
    ShowActive(&form);
    combo->SetFocus();
    Pump();

    InjectText("\xD5\x66");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 2);
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("\xE9\x54");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(log, (TLines{"click 2", "change 2", "click 4", "change 4"}));

    // With AutoDropDown typing opens the list and moves its highlight.
    log.clear();
    combo->AutoDropDown = true;
    AdvanceClock(TTypeAhead::Delay + 1);
    InjectText("t");
    Pump();
    EXPECT_TRUE(ListShown(combo));
    EXPECT_EQ(combo->DropDownList()->ItemIndex(), 3);
    InjectKeyStroke(VK_RETURN);
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(log, (TLines{"dropdown 4", "closeup 4", "click 3", "change 3"}));
}

// An owner-drawn box: OnDrawItem paints on the box's canvas, which holds
// the face's DC for the face and the dropped list's DC for its rows.
TEST_F(TControlTest, ComboBoxOwnerDrawnRowsAreDrawnOnTheBoxCanvasInTheFaceAndTheList)
{
    TTestForm form;
    TComboBox* combo = AddCombo(form, csOwnerDrawFixed);
    combo->SetItemHeight(20);
    EXPECT_EQ(combo->Height(), 20 + 6);
    const TColor colors[] = {clRed, clLime, clBlue};
    TLines drawn;
    combo->OnDrawItem = TDrawItemEvent::FromCallable(
        [&](TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State) {
            EXPECT_EQ(Control, combo);
            drawn.push_back(std::to_string(Index) + (State.Contains(odComboBoxEdit) ? " face" : "") +
                            (State.Contains(odSelected) ? " selected" : ""));
            TCanvas* canvas = combo->Canvas();
            if (!State.Contains(odSelected))
                canvas->Brush()->SetColor(Index >= 0 ? colors[Index % 3] : clWhite);
            canvas->FillRect(Rect);
        });
    combo->SetItemIndex(1);
    ShowActive(&form);
    drawn.clear();
    combo->Invalidate();
    combo->Update();
    EXPECT_EQ(drawn, (TLines{"1 face"}));
    EXPECT_EQ(PixelAt(WindowImage(combo->Handle()), 10, 10), clLime);

    drawn.clear();
    combo->SetDroppedDown(true);
    combo->DropDownList()->Update();
    ASSERT_TRUE(ListShown(combo));
    // The list opens with the selected row on top, eight rows shown.
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(drawn[0], "1 selected");
    EXPECT_EQ(drawn[1], "2");
    const TRasterImage list = WindowImage(combo->DropDownList()->Handle());
    // One pixel of border, then rows of 20.
    EXPECT_EQ(PixelAt(list, 10, 1 + 5), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(list, 10, 1 + 25), clBlue);
    EXPECT_EQ(PixelAt(list, 10, 1 + 45), clRed);
    combo->SetDroppedDown(false);
}

// A find dialog's search box: any text typed in the edit part, the
// history in the list, Enter and Escape working the list while it is down
// and the dialog's buttons while it is closed.
TEST_F(TFormTest, ComboBoxEditPartTypesTextAndLeavesEnterToTheListWhileItIsDown)
{
    TLines log;
    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 200);
    auto* combo = new TComboBox(&form);
    combo->SetBounds(10, 10, 200, 0);
    combo->SetParent(&form);
    for (const char* entry : {"alpha", "beta", "gamma"})
        combo->Items()->Add(entry);
    combo->OnChange = TNotifyEvent::FromCallable(
        [&log, combo](TObject*) { log.push_back("change " + combo->Text() + " " + std::to_string(combo->ItemIndex())); });
    auto* ok = new TButton(&form);
    ok->SetBounds(10, 100, 80, 26);
    ok->SetParent(&form);
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent::FromCallable([&log](TObject*) { log.push_back("ok"); });
    EXPECT_EQ(combo->Style(), csDropDown);
    form.Show();
    combo->SetFocus();
    Process();

    // Typed text, GBK included, goes into the edit part.
    InjectText("x\xD5\x66");
    Process();
    EXPECT_EQ(combo->Text(), "x\xD5\x66");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetSelStart(1);
    combo->SetSelLength(2);
    EXPECT_EQ(combo->SelText(), "\xD5\x66");
    combo->SetSelText("\\t");
    EXPECT_EQ(combo->Text(), "x\\t");
    // Typing a string of the list selects it.
    log.clear();
    combo->SelectAll();
    InjectText("BETA");
    Process();
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log.back(), "change BETA 1");

    // Down, closed, picks the next string into the edit part, all selected.
    log.clear();
    InjectKeyStroke(VK_DOWN);
    Process();
    EXPECT_EQ(combo->Text(), "gamma");
    EXPECT_EQ(combo->SelText(), "gamma");
    EXPECT_EQ(log, (TLines{"change gamma 2"}));

    // Down, Enter takes the row and stays away from the default button;
    // Escape closes without a change.
    log.clear();
    InjectKeyStroke(VK_DOWN, InjectAlt);
    InjectKeyStroke(VK_HOME);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->Text(), "alpha");
    // The wheel over the edit part scrolls the dropped list.
    for (int i = 0; i < 10; ++i)
        combo->Items()->Add("more " + std::to_string(i));
    InjectKeyStroke(VK_F4);
    Process();
    InjectWheel(combo->ClientToScreen(Point(20, 5)), -120);
    Process();
    EXPECT_EQ(combo->DropDownList()->TopIndex(), 3);
    InjectKeyStroke(VK_END);
    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_FALSE(ListShown(combo));
    EXPECT_EQ(combo->Text(), "alpha");
    EXPECT_EQ(log, (TLines{"change alpha 0"}));
    // Closed, Enter is the dialog's.
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log, (TLines{"change alpha 0", "ok"}));
}

}  // namespace
