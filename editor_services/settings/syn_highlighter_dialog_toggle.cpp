// The language list dialog: finding a language by part of its name, keys
// typed in the list going to the find box, striped rows, and the way to
// the customising dialog.
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"

#include "editor_services/settings/syn_highlighter_dialog_custom.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/code_page.h"
#include "platform/base/strings.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

TButton* AddButton(TForm* Form, const char* Name, const char* Caption, int Top)
{
    auto* button = SynPlaceControl(new TButton(Form), Form, Name, 266, Top, 89, 25);
    button->SetCaption(Caption);
    return button;
}

// Whether Row holds Wanted (already lower-case) at the start of one of its
// characters, ASCII letters compared without case. A trail byte of a
// double-byte character never starts a match: 門 (E9 54) holds no "t".
bool ContainsText(const AnsiString& Row, const AnsiString& Wanted)
{
    const AnsiString lower = LowerCase(Row);
    for (size_t i = 0; i + Wanted.size() <= lower.size(); i += CharLengthAt(lower, i))
        if (lower.compare(i, Wanted.size(), Wanted) == 0)
            return true;
    return false;
}

bool IsListKey(WORD Key)
{
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

}  // namespace

TToggleHighlighterDlg::TToggleHighlighterDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetPosition(poDesktopCenter);
    SetCaption("切换语法");

    Edit1 = SynPlaceControl(new TEdit(this), this, "Edit1", 16, 35, 231, 21);
    Edit1->AutoSelect = false;
    Edit1->OnChange = TNotifyEvent(this, &TToggleHighlighterDlg::Edit1Change);
    ListBox1 = SynPlaceControl(new TListBox(this), this, "ListBox1", 16, 62, 231, 283);
    ListBox1->SetStyle(lbOwnerDrawVariable);
    ListBox1->SetItemHeight(16);
    ListBox1->SetIntegralHeight(true);
    ListBox1->OnDrawItem = TDrawItemEvent(this, &TToggleHighlighterDlg::ListBox1DrawItem);
    ListBox1->OnKeyDown = TKeyEvent(this, &TToggleHighlighterDlg::ListBox1KeyDown);
    ListBox1->OnKeyPress = TKeyPressEvent(this, &TToggleHighlighterDlg::ListBox1KeyPress);
    ListBox1->OnDblClick = TNotifyEvent(this, &TToggleHighlighterDlg::OkClick);
    Label2 = SynPlaceControl(new TLabel(this), this, "Label2", 16, 16, 231, 16);
    Label2->SetCaption("可用语法列表(&L)");
    Label2->SetFocusControl(ListBox1);

    // Cancel comes before OK in the control order, so Escape finds it
    // before the customising button, which is marked as a cancel button too.
    Button3 = AddButton(this, "Button3", "取消(&C)", 64);
    Button3->SetCancel(true);
    Button3->SetModalResult(mrCancel);
    Button2 = AddButton(this, "Button2", "确定(&O)", 33);
    Button2->SetDefault(true);
    Button2->OnClick = TNotifyEvent(this, &TToggleHighlighterDlg::OkClick);
    Button1 = AddButton(this, "Button1", "自定义语法(&U)", 320);
    Button1->SetCancel(true);
    Button1->OnClick = TNotifyEvent(this, &TToggleHighlighterDlg::CustomizeClick);

    SetClientWidth(379);
    SetClientHeight(363);
    SetActiveControl(Edit1);
}

void TToggleHighlighterDlg::Edit1Change(TObject*)
{
    const AnsiString wanted = LowerCase(Edit1->Text());
    if (wanted.empty())
        return;
    TStrings* rows = ListBox1->Items();
    for (int i = 0; i < rows->Count(); ++i)
        if (ContainsText(rows->Strings(i), wanted)) {
            ListBox1->SetItemIndex(i);
            return;
        }
}

void TToggleHighlighterDlg::OkClick(TObject*)
{
    if (ListBox1->ItemIndex() >= 0)
        SetModalResult(mrOk);
}

void TToggleHighlighterDlg::CustomizeClick(TObject*)
{
    // It frees itself when it closes.
    (new TCustomHLDlg(this))->ShowModal();
}

// Typing in the list types into the find box, while the focus stays in the
// list for the keys that move through it.
void TToggleHighlighterDlg::ListBox1KeyDown(TObject*, WORD& Key, TShiftState)
{
    if (IsListKey(Key))
        return;
    SendMessage(Edit1->Handle(), WM_KEYDOWN, Key, 0);
    Key = 0;
}

void TToggleHighlighterDlg::ListBox1KeyPress(TObject*, char& Key)
{
    SendMessage(Edit1->Handle(), WM_CHAR, static_cast<BYTE>(Key), 0);
    Key = 0;
}

void TToggleHighlighterDlg::ListBox1DrawItem(TWinControl*, int Index, const TRect& Rect, TOwnerDrawState State)
{
    TCanvas* canvas = ListBox1->Canvas();
    if (State.Contains(odSelected)) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
    } else {
        canvas->Brush()->SetColor(Index % 2 == 0 ? EvenRowColor : ListBox1->Color());
        canvas->Font()->SetColor(ListBox1->Font()->Color());
    }
    canvas->FillRect(Rect);
    TRect text = Rect;
    text.Left += 2;
    text.Right += 2;
    const AnsiString row = ListBox1->Items()->Strings(Index);
    canvas->Brush()->SetStyle(bsClear);
    // Centring needs a single line; a row never holds more than one.
    DrawText(canvas->Handle(), row.c_str(), static_cast<int>(row.size()), &text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
}
