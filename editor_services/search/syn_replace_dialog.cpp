// The replace dialog's form: the find dialog's, with the replacement row
// under the search box. Made here, it is also the dialog the driver makes
// for Replace.
#include "editor_services/search/syn_replace_dialog.h"

#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/strings.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"

TSynSearchDialogFactory SynReplaceDialogFactory = [] { return std::make_unique<TSynReplaceDlg>(nullptr); };

TSynReplaceDlg::TSynReplaceDlg(TComponent* AOwner) : TSynFindDlg(AOwner)
{
    SetCaption("替换");
    // Everything below the search box moves down a row; the buttons stay
    // at the top right.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (control->Top() > Margin + BoxHeight && control->Left() < ButtonLeft)
            control->SetTop(control->Top() + RowHeight);
    }
    const int boxLeft = Margin + LabelWidth;
    cbReplaceText = SynPlaceControl(new TComboBox(this), this, "cbReplaceText", boxLeft, Margin + RowHeight, BoxWidth,
                                    BoxHeight);
    cbReplaceText->SetTabOrder(1);
    cbReplaceText->OnChange = TNotifyEvent(this, &TSynReplaceDlg::TextChanged);
    auto* label =
        SynPlaceControl(new TLabel(this), this, "lblReplaceText", Margin, Margin + RowHeight + 3, LabelWidth, 16);
    label->SetCaption("替换(&T)");
    label->SetFocusControl(cbReplaceText);

    CheckBox1 = AddOption("CheckBox1", "提示替换(&P)", 5);
    CheckBox1->SetTop(CheckBox1->Top() + RowHeight);
    CheckBox1->SetChecked(true);

    btnReplaceAll = SynPlaceControl(new TButton(this), this, "btnReplaceAll", ButtonLeft, btnCancel->Top(), ButtonWidth,
                                    ButtonHeight);
    btnReplaceAll->SetCaption("全部替换(&A)");
    btnReplaceAll->SetModalResult(mrAll);
    btnReplaceAll->SetTabOrder(btnCancel->TabOrder());
    btnCancel->SetTop(btnCancel->Top() + RowHeight);

    SetClientHeight(CheckBox1->Top() + CheckHeight + Margin);
    RefreshButtons();
}

void TSynReplaceDlg::RefreshButtons()
{
    TSynFindDlg::RefreshButtons();
    btnReplaceAll->SetEnabled(btnOK->Enabled());
}

void TSynReplaceDlg::Setup(const AnsiString& SearchText, const AnsiString& ReplaceText, TStrings* SearchHistory,
                           TStrings* ReplaceHistory, TSynSearchOptions Options, bool UseRegex)
{
    TSynFindDlg::Setup(SearchText, ReplaceText, SearchHistory, ReplaceHistory, Options, UseRegex);
    if (ReplaceHistory)
        cbReplaceText->Items()->Assign(ReplaceHistory);
    cbReplaceText->SetText(ReplaceText);
    CheckBox1->SetChecked(Options.Contains(soPrompt));
}

void TSynReplaceDlg::ReadResult(AnsiString& SearchText, AnsiString& ReplaceText, TStrings* SearchHistory,
                                TStrings* ReplaceHistory, TSynSearchOptions& Options, bool& UseRegex)
{
    TSynFindDlg::ReadResult(SearchText, ReplaceText, SearchHistory, ReplaceHistory, Options, UseRegex);
    ReplaceText = cbReplaceText->Text();
    if (ReplaceHistory)
        ReplaceHistory->Assign(cbReplaceText->Items());
    if (CheckBox1->Checked())
        Options.Include(soPrompt);
}
