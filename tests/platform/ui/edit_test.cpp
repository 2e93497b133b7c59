// The edit box as its user and its program see it: typing double-byte text
// by characters and input-method strings, caret keys, the length limit, the
// clipboard, undo, change notifications, read-only and password boxes, and
// the mouse.
#include <string>
#include <vector>

#include "edit_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/win/caret.h"
#include "platform/win/clock.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/ime_result.h"
#include "platform/win/clipboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

using TLines = std::vector<std::string>;

}  // namespace

TEST_F(TEditTest, DoubleByteCharactersArriveWholeByCharactersAndInputMethod)
{
    ShowEdit();
    // Lead and trail bytes as two WM_CHAR each.
    SendChars(Shuo + Men + "a" + Zhe);
    EXPECT_EQ(BoxText(), Shuo + Men + "a" + Zhe);
    EXPECT_EQ(Selection(), std::make_pair(7, 7));
    // An input method's string, as the desktop delivers it.
    InjectImeResult(Cheng + Zhong);
    Pump();
    EXPECT_EQ(BoxText(), Shuo + Men + "a" + Zhe + Cheng + Zhong);
    // Typed through the keyboard the same way.
    InjectText("x" + Shuo);
    Pump();
    EXPECT_EQ(BoxText(), Shuo + Men + "a" + Zhe + Cheng + Zhong + "x" + Shuo);
    EXPECT_EQ(Selection(), std::make_pair(14, 14));
    // A lead byte followed by something that cannot trail it is dropped.
    SendChars("\xD5 b");
    EXPECT_EQ(BoxText().substr(14), " b");
}

TEST_F(TEditTest, CaretKeysAndDeletionStepOverWholeCharacters)
{
    ShowEdit();
    box_->SetText("ab " + Shuo + Men + " " + Zhe + "!" + Cheng);
    // 0 a, 1 b, 2 ' ', 3 說, 5 門, 7 ' ', 8 這, 10 '!', 11 乗, 13 end.
    Select(13, 13);
    Stroke(VK_LEFT);
    EXPECT_EQ(Selection(), std::make_pair(11, 11));
    Stroke(VK_LEFT, InjectShift);
    Stroke(VK_LEFT, InjectShift);
    EXPECT_EQ(Selection(), std::make_pair(8, 11));
    // An arrow drops a selection at its near end.
    Stroke(VK_RIGHT);
    EXPECT_EQ(Selection(), std::make_pair(11, 11));
    // Words: letters, double-byte characters and symbols are runs of their
    // own; blanks after a word go with it.
    Select(0, 0);
    TLines stops;
    for (int i = 0; i < 5; ++i) {
        Stroke(VK_RIGHT, InjectCtrl);
        stops.push_back(std::to_string(Selection().second));
    }
    EXPECT_EQ(stops, (TLines{"3", "8", "10", "11", "13"}));
    stops.clear();
    for (int i = 0; i < 5; ++i) {
        Stroke(VK_LEFT, InjectCtrl);
        stops.push_back(std::to_string(Selection().second));
    }
    EXPECT_EQ(stops, (TLines{"11", "10", "8", "3", "0"}));
    Stroke(VK_END, InjectShift);
    EXPECT_EQ(Selection(), std::make_pair(0, 13));
    Stroke(VK_HOME);
    // Delete and Backspace take one whole character.
    Select(5, 5);
    Stroke(VK_DELETE);
    EXPECT_EQ(BoxText(), "ab " + Shuo + " " + Zhe + "!" + Cheng);
    Stroke(VK_BACK);
    EXPECT_EQ(BoxText(), "ab  " + Zhe + "!" + Cheng);
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
    Select(12, 12);
    Stroke(VK_BACK);
    EXPECT_EQ(BoxText(), "ab  " + Zhe + "!");
    // Ctrl+A selects everything.
    Stroke('A', InjectCtrl);
    EXPECT_EQ(Selection(), std::make_pair(0, 7));
}

TEST_F(TEditTest, SetSelSnapsIntoWholeCharactersAndClamps)
{
    ShowEdit();
    box_->SetText(Shuo + Men);
    Select(1, 3);
    EXPECT_EQ(Selection(), std::make_pair(0, 2));
    Select(3, 100);
    EXPECT_EQ(Selection(), std::make_pair(2, 4));
    Select(0, -1);
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
    EXPECT_EQ(box_->SelText(), Shuo + Men);
    // A start of -1 only drops the selection, at the caret (the end given).
    Select(-1, 0);
    EXPECT_EQ(Selection(), std::make_pair(4, 4));
    // The caret sits at the end given, so Shift extends from the start.
    Select(4, 2);
    Stroke(VK_LEFT, InjectShift);
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
    box_->SetSelStart(3);
    EXPECT_EQ(Selection(), std::make_pair(2, 2));
    box_->SetSelLength(1);
    EXPECT_EQ(Selection(), std::make_pair(2, 2));
    box_->SetSelLength(2);
    EXPECT_EQ(Selection(), std::make_pair(2, 4));
    EXPECT_EQ(box_->SelStart(), 2);
    EXPECT_EQ(box_->SelLength(), 2);
}

TEST_F(TEditTest, MaxLengthKeepsOnlyWholeCharactersThatFit)
{
    ShowEdit();
    box_->SetMaxLength(5);
    SendChars(Zhong + Zhong + Zhong);
    EXPECT_EQ(BoxText(), Zhong + Zhong);
    box_->SetText("");
    SetClipboardText(Zhong + Zhong + Zhong);
    Stroke('V', InjectCtrl);
    EXPECT_EQ(BoxText(), Zhong + Zhong);
    box_->SetText("");
    InjectImeResult(Zhong + "a" + Zhong + Zhong);
    Pump();
    EXPECT_EQ(BoxText(), Zhong + "a" + Zhong);
    // Typing over a selection makes room first.
    Select(0, 2);
    SendChars(Men);
    EXPECT_EQ(BoxText(), Men + "a" + Zhong);
    // The program's own text is not limited.
    box_->SetText(Zhong + Zhong + Zhong);
    EXPECT_EQ(BoxText(), Zhong + Zhong + Zhong);
}

TEST_F(TEditTest, ClipboardKeysAndMethodsRoundTripTheSelection)
{
    ShowEdit();
    box_->SetText("a" + Shuo + Men + "b");
    Select(1, 5);
    Stroke('C', InjectCtrl);
    EXPECT_EQ(ClipboardText(), Shuo + Men);
    Stroke('X', InjectCtrl);
    EXPECT_EQ(BoxText(), "ab");
    Select(2, 2);
    Stroke('V', InjectCtrl);
    EXPECT_EQ(BoxText(), "ab" + Shuo + Men);
    Select(0, 1);
    Stroke(VK_INSERT, InjectCtrl);
    EXPECT_EQ(ClipboardText(), "a");
    Stroke(VK_DELETE, InjectShift);
    EXPECT_EQ(BoxText(), "b" + Shuo + Men);
    Select(5, 5);
    Stroke(VK_INSERT, InjectShift);
    EXPECT_EQ(BoxText(), "b" + Shuo + Men + "a");
    // A one-line box takes pasted text up to the first line break.
    SetClipboardText("one\r\ntwo");
    box_->SetText("");
    box_->PasteFromClipboard();
    EXPECT_EQ(BoxText(), "one");
    box_->SelectAll();
    box_->CutToClipboard();
    EXPECT_EQ(ClipboardText(), "one");
    EXPECT_EQ(BoxText(), "");
}

TEST_F(TEditTest, UndoTakesBackTheLastChangeAndThenItself)
{
    ShowEdit();
    EXPECT_FALSE(box_->CanUndo());
    InjectText("ab");
    Pump();
    InjectText(Shuo);
    Pump();
    EXPECT_TRUE(box_->CanUndo());
    // Typing in a row is one change.
    Stroke('Z', InjectCtrl);
    EXPECT_EQ(BoxText(), "");
    Stroke('Z', InjectCtrl);
    EXPECT_EQ(BoxText(), "ab" + Shuo);
    // Alt+Backspace undoes as well; the restored text is selected.
    Select(1, 2);
    Stroke(VK_BACK);
    EXPECT_EQ(BoxText(), "a" + Shuo);
    Stroke(VK_BACK, InjectAlt);
    EXPECT_EQ(BoxText(), "ab" + Shuo);
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    box_->Undo();
    EXPECT_EQ(BoxText(), "a" + Shuo);
    // New text from the program leaves nothing to undo.
    box_->SetText("new");
    EXPECT_FALSE(box_->CanUndo());
    Stroke('Z', InjectCtrl);
    EXPECT_EQ(BoxText(), "new");
    // EM_REPLACESEL is undoable only when asked.
    box_->SelectAll();
    box_->SetSelText("sel");
    box_->Undo();
    EXPECT_EQ(BoxText(), "new");
    SendMessage(Box(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("plain"));
    EXPECT_FALSE(box_->CanUndo());
    box_->ClearUndo();
    EXPECT_FALSE(box_->CanUndo());
}

TEST_F(TEditTest, EveryChangeNotifiesTheParentAndFiresOnChange)
{
    ShowEdit();
    TLines log;
    box_->OnChange = TNotifyEvent::FromCallable([&](TObject*) { log.push_back(box_->Text()); });
    InjectText("a");
    Pump();
    box_->SetText("b");
    box_->SelectAll();
    box_->SetSelText("c");
    Stroke(VK_BACK);
    // Moving the caret or a refused change notifies nothing.
    Stroke(VK_BACK);
    Stroke(VK_LEFT);
    EXPECT_EQ(log, (TLines{"a", "b", "c", ""}));
    EXPECT_TRUE(box_->Modified());
    box_->SetModified(false);
    EXPECT_FALSE(box_->Modified());
}

TEST_F(TEditTest, ReadOnlyBoxRefusesChangesButCopies)
{
    ShowEdit();
    box_->SetText("ab" + Shuo);
    box_->SetReadOnly(true);
    Select(0, 4);
    InjectText("x");
    Pump();
    for (UINT key : {UINT(VK_BACK), UINT(VK_DELETE)})
        Stroke(key);
    Select(0, 4);
    Stroke('X', InjectCtrl);
    SetClipboardText("p");
    Stroke('V', InjectCtrl);
    Stroke('C', InjectCtrl);
    EXPECT_EQ(BoxText(), "ab" + Shuo);
    EXPECT_EQ(ClipboardText(), "ab" + Shuo);
    // The caret still moves.
    Stroke(VK_END);
    EXPECT_EQ(Selection(), std::make_pair(4, 4));
    box_->SetReadOnly(false);
    InjectText("x");
    Pump();
    EXPECT_EQ(BoxText(), "ab" + Shuo + "x");
}

TEST_F(TEditTest, PasswordBoxGivesNothingToTheClipboard)
{
    ShowEdit();
    box_->SetPasswordChar('*');
    InjectText("se" + Shuo);
    Pump();
    EXPECT_EQ(BoxText(), "se" + Shuo);
    SetClipboardText("kept");
    box_->SelectAll();
    Stroke('C', InjectCtrl);
    Stroke('X', InjectCtrl);
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_EQ(BoxText(), "se" + Shuo);
}

TEST_F(TEditTest, ACutTheClipboardDoesNotTakeLeavesTheTextInTheBox)
{
    ShowEdit();
    InjectText("se" + Shuo);
    Pump();
    SetClipboardText("kept");
    box_->SelectAll();
    // The test holds the clipboard open: the box cannot copy, and says
    // nothing of it, as a standard edit box does.
    ASSERT_TRUE(OpenClipboard(nullptr));
    Stroke('X', InjectCtrl);
    Stroke(VK_DELETE, InjectShift);
    CloseClipboard();
    EXPECT_EQ(BoxText(), "se" + Shuo);
    EXPECT_EQ(ClipboardText(), "kept");
    Stroke('X', InjectCtrl);
    EXPECT_EQ(BoxText(), "");
    EXPECT_EQ(ClipboardText(), "se" + Shuo);
}

TEST_F(TEditTest, MouseClicksDragsAndDoubleClicksSelectWholeCharacters)
{
    ShowEdit(120);
    box_->SetText("ab " + Shuo + Men + " cd");
    // The text starts at x 1 (the margin); a single-byte cell is 8 wide,
    // a double-byte one 16. A click goes to the nearer edge of a character.
    Click(1 + 24 + 7, 5);
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
    Click(1 + 24 + 9, 5);
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
    Click(1 + 8, 5, InjectShift);
    EXPECT_EQ(Selection(), std::make_pair(1, 5));
    // A double click selects the word under it.
    AdvanceClock(1000);
    InjectClick(ScreenPoint(box_, 1 + 24 + 20, 5));
    InjectClick(ScreenPoint(box_, 1 + 24 + 20, 5));
    Pump();
    EXPECT_EQ(Selection(), std::make_pair(3, 7));
    // Dragging selects from the press to the mouse.
    AdvanceClock(1000);
    InjectMouseDown(ScreenPoint(box_, 1, 5));
    InjectMouseMove(ScreenPoint(box_, 1 + 24 + 17, 5));
    Pump();
    EXPECT_EQ(Selection(), std::make_pair(0, 5));
    InjectMouseUp(ScreenPoint(box_, 1 + 24 + 17, 5));
    Pump();
    EXPECT_EQ(box_->SelText(), "ab " + Shuo);
}

TEST_F(TEditTest, DraggingOutsideScrollsTheTextOnWhileHeld)
{
    ShowEdit(60);
    // 20 cells of text in a box that shows about 6.
    box_->SetText("0123456789abcdefghij");
    Select(0, 0);
    InjectMouseDown(ScreenPoint(box_, 2, 5));
    InjectMouseMove(ScreenPoint(box_, 200, 5));
    Pump();
    const int first = Selection().second;
    EXPECT_GT(first, 0);
    EXPECT_LT(first, 20);
    // Held outside, the selection reaches on as the timer ticks.
    for (int i = 0; i < 30; ++i) {
        AdvanceClock(100);
        Pump();
    }
    EXPECT_EQ(Selection(), std::make_pair(0, 20));
    InjectMouseUp(ScreenPoint(box_, 200, 5));
    Pump();
    // Released, nothing moves any more.
    Select(5, 5);
    AdvanceClock(500);
    Pump();
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
}

TEST_F(TEditTest, EnteringByTabSelectsAllButAClickPlacesTheCaret)
{
    TEdit* first = ShowEdit();
    auto* second = new TEdit(form_.get());
    second->SetBounds(10, 50, 100, 0);
    second->SetParent(form_.get());
    second->SetText("second");
    first->SetText("first");
    Stroke(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(second->SelLength(), 6);
    // Typing replaces what entering selected.
    InjectText("2");
    Pump();
    EXPECT_EQ(second->Text(), "2");
    InjectClick(ScreenPoint(first, 1 + 16, 5));
    Pump();
    ASSERT_TRUE(first->Focused());
    EXPECT_EQ(Selection(), std::make_pair(2, 2));
    second->AutoSelect = false;
    Stroke(VK_TAB);
    EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(TEditTest, AFontChangeReachesTheWindowAndResizesTheBox)
{
    TEdit* edit = ShowEdit();
    // A row of 16, a pixel above and below it, and the sunken edge.
    EXPECT_EQ(edit->Height(), 16 + 2 + 4);
    std::vector<std::string> log;
    const WNDPROC spy = WNDPROC::FromCallable([&log](HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
        if (Msg == WM_SETFONT)
            log.push_back("WM_SETFONT");
        return DefSubclassProc(Window, Msg, WParam, LParam);
    });
    SetWindowSubclass(Box(), spy, 1);
    edit->Font()->SetHeight(-24);
    EXPECT_EQ(log, TLines{"WM_SETFONT"});
    EXPECT_EQ(edit->Height(), 24 + 2 + 4);
    // Without a border the box is only as high as the row and its pixels.
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->Height(), 24 + 2);
    EXPECT_EQ(edit->ClientHeight(), 24 + 2);
    RemoveWindowSubclass(edit->Handle(), spy, 1);
}

TEST_F(TEditTest, TheTextScrollsSidewaysToKeepTheCaretInSight)
{
    ShowEdit(120);
    TCaretState caret;
    InjectText("0123456789abcdefghijklmnopqrstuvwxyz");
    Pump();
    // 116 pixels of client area, text from x 1: the caret stays inside.
    ASSERT_TRUE(GetCaretState(&caret));
    EXPECT_EQ(caret.Owner, Box());
    EXPECT_EQ(caret.Rect.Left, 1 + 114 - 1);
    Stroke(VK_HOME);
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect.Left, 1);
    Stroke(VK_END);
    Stroke(VK_LEFT, InjectCtrl);
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect.Left, 1);
    // Deleting from the end brings the start of the text back.
    box_->SetText("abc");
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect.Left, 1);
    EXPECT_EQ(caret.Rect.Height(), 16);
}

namespace {

// Right-aligned, as a box built on the edit asks through its styles.
class TRightEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TEdit::CreateParams(Params);
        Params.Style |= ES_RIGHT;
    }
};

}  // namespace

TEST_F(TEditTest, AlignmentStylesPlaceTheTextInTheBox)
{
    ShowEdit(120);
    auto* right = new TRightEdit(form_.get());
    right->Font()->SetName(kTestFontName);
    right->Font()->SetHeight(-kTestFontCellHeight);
    right->SetBounds(10, 50, 120, 0);
    right->SetParent(form_.get());
    right->SetText("ab" + Shuo);
    right->SetFocus();
    Pump();
    box_ = right;
    // 114 pixels of text area from x 1; the text (32) ends a caret's width
    // short of its right edge.
    TCaretState caret;
    Select(4, 4);
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect.Left, 1 + 114 - 1);
    Select(0, 0);
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect.Left, 1 + 114 - 1 - 32);
    // A click left of the text goes to its start.
    Click(5, 5);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
}
