// The go-to dialog's form: the number, the list of modes with the hint of
// the chosen one, and what each mode does to the editor.
#include "editor_services/dialogs/syn_jump_dialog.h"

#include <algorithm>
#include <climits>

#include "editor/syn_custom_text.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/virtual_keys.h"

namespace {

enum TJumpMode { jmLine, jmColumn, jmBookmark, jmOffset, jmDown, jmUp, jmCount };

const char* const ModeCaptions[jmCount] = {"行号", "列号", "书签", "字符", "向下移动", "向上移动"};
const char* const ModeHints[jmCount] = {"要跳转到的位置的行号",     "要跳转的位置的列号",
                                        "要跳转到的书签号(0-9)",    "要跳转到的位置的偏移量",
                                        "由当前光标向下移动指定量", "由当前光标向上移动指定量"};

constexpr int Margin = 8, LabelWidth = 80, BoxWidth = 120, BoxHeight = 21, ListHeight = 100;
constexpr int ButtonWidth = 76, ButtonHeight = 23;
constexpr int FormWidth = Margin + LabelWidth + BoxWidth + 2 * Margin + ButtonWidth;

TLabel* AddLabel(TWinControl* Parent, const char* Name, const char* Caption, int Top, TWinControl* Focus)
{
    auto* label = SynPlaceControl(new TLabel(Parent), Parent, Name, Margin, Top, LabelWidth, 16);
    label->SetCaption(Caption);
    label->SetFocusControl(Focus);
    return label;
}

// Moves by Delta from a character index without leaving the range the
// editor takes: a large number must not wrap around.
int Moved(int From, int Delta)
{
    const long long to = static_cast<long long>(From) + Delta;
    return static_cast<int>(std::clamp<long long>(to, 0, INT_MAX));
}

}  // namespace

TSynJumpDlg::TSynJumpDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    SetCaption("跳转");
    OnKeyDown = TKeyEvent(this, &TSynJumpDlg::FormKeyDown);
    OnKeyPress = TKeyPressEvent(this, &TSynJumpDlg::FormKeyPress);

    const int boxLeft = Margin + LabelWidth;
    bsLine = SynPlaceControl(new TEdit(this), this, "bsLine", boxLeft, Margin, BoxWidth, BoxHeight);
    bsLine->OnKeyPress = TKeyPressEvent(this, &TSynJumpDlg::NumberKeyPress);
    AddLabel(this, "lblLine", "新的位置(&S)", Margin + 3, bsLine);
    const int listTop = Margin + BoxHeight + Margin;
    ListBox1 = SynPlaceControl(new TListBox(this), this, "ListBox1", boxLeft, listTop, BoxWidth, ListHeight);
    for (const char* caption : ModeCaptions)
        ListBox1->Items()->Add(caption);
    ListBox1->OnClick = TNotifyEvent(this, &TSynJumpDlg::ModeClick);
    AddLabel(this, "lblMode", "方式(&M)", listTop + 3, ListBox1);
    const int hintTop = listTop + ListHeight + Margin;
    HintLabel = SynPlaceControl(new TLabel(this), this, "Hint", Margin, hintTop, FormWidth - 2 * Margin, 16);

    const int buttonLeft = FormWidth - Margin - ButtonWidth;
    btnOK = SynPlaceControl(new TButton(this), this, "btnOK", buttonLeft, Margin, ButtonWidth, ButtonHeight);
    btnOK->SetCaption("确定(&O)");
    btnOK->SetModalResult(mrOk);
    btnOK->SetDefault(true);
    btnCancel = SynPlaceControl(new TButton(this), this, "btnCancel", buttonLeft, Margin + ButtonHeight + Margin / 2,
                                ButtonWidth, ButtonHeight);
    btnCancel->SetCaption("取消(&C)");
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetCancel(true);

    HandleNeeded();
    SetClientWidth(FormWidth);
    SetClientHeight(hintTop + 16 + Margin);
    SetActiveControl(bsLine);
    RefreshHint();
}

int TSynJumpDlg::Mode() const
{
    return std::max(ListBox1->ItemIndex(), 0);
}

void TSynJumpDlg::RefreshHint()
{
    HintLabel->SetCaption(ModeHints[Mode()]);
}

void TSynJumpDlg::NumberKeyPress(TObject*, char& Key)
{
    if ((Key < '0' || Key > '9') && Key != '\b' && Key != '\x7F')
        Key = 0;
}

void TSynJumpDlg::ModeClick(TObject*)
{
    RefreshHint();
    bsLine->SetFocus();
}

void TSynJumpDlg::FormKeyDown(TObject*, WORD& Key, TShiftState)
{
    if ((Key != VK_UP && Key != VK_DOWN) || ListBox1->Focused())
        return;
    const int next = ListBox1->ItemIndex() + (Key == VK_UP ? -1 : 1);
    ListBox1->SetItemIndex(next >= 0 && next < jmCount ? next : 0);
    Key = 0;
    RefreshHint();
    bsLine->SetFocus();
}

void TSynJumpDlg::FormKeyPress(TObject*, char&)
{
    RefreshHint();
    // Space on a focused button presses it: the focus stays there.
    if (!dynamic_cast<TButton*>(ActiveControl()))
        bsLine->SetFocus();
}

void TSynJumpDlg::ExecuteJump(TCustomSynText* Editor)
{
    if (!Editor)
        return;
    bsLine->SelectAll();
    if (ShowModal() != mrOk)
        return;
    const int n = StrToInt(bsLine->Text());
    switch (Mode()) {
    case jmLine:
        Editor->GotoLineAndCenter(n);
        break;
    case jmColumn:
        Editor->SetCaretX(n);
        break;
    case jmBookmark:
        Editor->GotoBookMark(n);
        break;
    case jmOffset:
        Editor->SetSelStart(n);
        break;
    case jmDown:
        Editor->SetSelStart(Moved(Editor->SelStart(), n));
        break;
    default:
        Editor->SetSelStart(Moved(Editor->SelStart(), -n));
    }
}
