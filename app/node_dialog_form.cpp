// The shared part of the node dialogs: filled from the settings manager on
// creation, refusing a blank title, and running the editor options on the
// hidden editor.
#include "app/node_dialog_form.h"

#include "editor/highlighting/syn_highlighter.h"
#include "editor/syn_memo.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/settings/syn_options_dialog.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"

namespace {

constexpr int Margin = 12, LabelWidth = 60, BoxLeft = Margin + LabelWidth, BoxWidth = 384 - BoxLeft - Margin;

TButton* AddButton(TNodeDialogForm* Form, const char* Name, const char* Caption, int Left, int Width, int Top)
{
    auto* button = SynPlaceControl(new TButton(Form), Form, Name, Left, Top, Width, 25);
    button->SetCaption(Caption);
    return button;
}

}  // namespace

TNodeDialogForm::TNodeDialogForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetPosition(poDesktopCenter);
    SetClientWidth(384);
    SetClientHeight(207);

    Edit1 = SynPlaceControl(new TEdit(this), this, "Edit1", BoxLeft, Margin, BoxWidth, 21);
    Label1 = SynPlaceControl(new TLabel(this), this, "Label1", Margin, Margin + 3, LabelWidth, 16);
    Label1->SetCaption("标题(&T)");
    Label1->SetFocusControl(Edit1);
    ComboBox1 = SynPlaceControl(new TComboBox(this), this, "ComboBox1", BoxLeft, Margin + 36, BoxWidth, 21);
    ComboBox1->SetStyle(csDropDownList);
    Label2 = SynPlaceControl(new TLabel(this), this, "Label2", Margin, Margin + 39, LabelWidth, 16);
    Label2->SetCaption("高亮(&H)");
    Label2->SetFocusControl(ComboBox1);

    Button3 = AddButton(this, "Button3", "编辑器设置", Margin, 100, ButtonsTop);
    Button3->OnClick = TNotifyEvent(this, &TNodeDialogForm::Button3Click);
    Button1 = AddButton(this, "Button1", "确定", 384 - Margin - 2 * 80 - 8, 80, ButtonsTop);
    Button1->SetDefault(true);
    Button1->OnClick = TNotifyEvent(this, &TNodeDialogForm::Button1Click);
    Button2 = AddButton(this, "Button2", "取消", 384 - Margin - 80, 80, ButtonsTop);
    Button2->SetModalResult(mrCancel);
    Button2->SetCancel(true);

    SynText = new TSynText(this);
    SynText->SetVisible(false);
    SynText->SetParent(this);

    TSynCustomManager* manager = GlobalSynManager();
    if (manager->EditorSource())
        SynText->Assign(manager->EditorSource());
    ComboBox1->Items()->Clear();
    // One row per item, so that a row's index is the item's.
    for (int i = 0; i < manager->Highlighters()->Count(); ++i) {
        TSynCustomHighlighter* highlighter = manager->Highlighters()->GetHighlighter(i);
        ComboBox1->Items()->Add(highlighter ? highlighter->GetFriendlyLanguageName() : AnsiString());
    }
}

AnsiString TNodeDialogForm::SelectedLanguage()
{
    const int index = ComboBox1->ItemIndex();
    return index < 0 ? AnsiString() : ComboBox1->Items()->Strings(index);
}

void TNodeDialogForm::SelectLanguage(const AnsiString& Name)
{
    ComboBox1->SetItemIndex(GlobalSynManager()->Highlighters()->IndexOfLanguage(Name));
}

void TNodeDialogForm::Button1Click(TObject*)
{
    if (!Trim(Edit1->Text()).empty())
        SetModalResult(mrOk);
    else
        MessageDlg.ShowInfoMessage("文章或者目录的标题不允许为空，请填写好标题", "注意");
}

void TNodeDialogForm::Button3Click(TObject*)
{
    TSynOptionsForm options(nullptr);
    options.Execute(GlobalSynManager()->EditorSource(), SynText);
}
