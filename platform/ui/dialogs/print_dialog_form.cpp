// The print dialog's form, laid out as a Chinese desktop shows it: the
// printer on top, the page range and the copies side by side below, OK and
// Cancel at the bottom right.
#include "platform/ui/dialogs/print_dialog_form.h"

#include <string>

#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/printing/cups_printers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/radio_button.h"

namespace {

constexpr int Margin = 8, FormWidth = 432, RowHeight = 26, EditHeight = 22, GroupTop = 20;
constexpr int MaxCopies = 9999;

template <typename T>
T* Place(T* Control, TWinControl* Parent, int Left, int Top, int Width, int Height)
{
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

TGroupBox* AddGroup(TForm* Form, const char* Caption, int Left, int Top, int Width, int Height)
{
    auto* group = Place(new TGroupBox(Form), Form, Left, Top, Width, Height);
    group->SetCaption(Caption);
    return group;
}

}  // namespace

TPrintDialogForm::TPrintDialogForm(const TPrintDialog& Dialog, TStrings* Printers, int Printer)
    : TForm(nullptr), options_(Dialog.Options), minPage_(Dialog.MinPage), maxPage_(Dialog.MaxPage),
      pdfIndex_(Printers->Count() - 1), userToFile_(Dialog.PrintToFile)
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("打印");
    const bool showToFile = options_.Contains(poPrintToFile);
    BuildPrinter(Printers, Printer, showToFile);
    const int top = printers_->Parent()->Top() + printers_->Parent()->Height() + Margin;
    BuildRange(top);
    BuildCopies(top);
    // A range the options do not offer cannot be the one chosen.
    if (Dialog.PrintRange == prSelection && selection_->Enabled())
        selection_->SetChecked(true);
    else if (Dialog.PrintRange == prPageNums && pages_->Enabled())
        pages_->SetChecked(true);
    else
        all_->SetChecked(true);
    from_->SetText(std::to_string(Dialog.FromPage));
    to_->SetText(std::to_string(Dialog.ToPage));
    copies_->SetText(std::to_string(Dialog.Copies < 1 ? 1 : Dialog.Copies));
    collate_->SetChecked(Dialog.Collate);
    fileName_->SetText(Dialog.FileName);
    PrinterChanged(nullptr);

    const int buttonTop = top + all_->Parent()->Height() + Margin;
    auto* ok = Place(new TButton(this), this, FormWidth - 2 * (75 + Margin), buttonTop, 75, 23);
    ok->SetCaption("确定");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = Place(new TButton(this), this, FormWidth - (75 + Margin), buttonTop, 75, 23);
    cancel->SetCaption("取消");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    SetClientWidth(FormWidth);
    SetClientHeight(buttonTop + 23 + Margin);
    SetActiveControl(printers_);
}

void TPrintDialogForm::BuildPrinter(TStrings* Printers, int Printer, bool ShowToFile)
{
    TGroupBox* group = AddGroup(this, "打印机", Margin, Margin, FormWidth - 2 * Margin, ShowToFile ? 84 : 56);
    printers_ = Place(new TComboBox(this), group, 84, GroupTop, group->Width() - 84 - 12, EditHeight);
    printers_->SetStyle(csDropDownList);
    printers_->Items()->Assign(Printers);
    printers_->SetItemIndex(Printer);
    printers_->OnChange = TNotifyEvent(this, &TPrintDialogForm::PrinterChanged);
    auto* name = Place(new TLabel(this), group, 12, GroupTop + 3, 70, 16);
    name->SetCaption("名称(&N):");
    name->SetFocusControl(printers_);

    toFile_ = Place(new TCheckBox(this), group, 12, GroupTop + RowHeight + 4, 120, 20);
    toFile_->SetCaption("打印到文件(&L)");
    toFile_->SetVisible(ShowToFile);
    toFile_->OnClick = TNotifyEvent(this, &TPrintDialogForm::ToFileClicked);
    fileName_ = Place(new TEdit(this), group, 134, GroupTop + RowHeight + 3, group->Width() - 134 - 12, EditHeight);
    fileName_->SetVisible(ShowToFile);
}

void TPrintDialogForm::BuildRange(int Top)
{
    TGroupBox* group = AddGroup(this, "打印范围", Margin, Top, 232, GroupTop + 3 * RowHeight + 10);
    const bool pageNums = options_.Contains(poPageNums);
    all_ = AddRadio(group, "全部(&A)", GroupTop, true);
    pages_ = AddRadio(group, "页(&G)", GroupTop + RowHeight, pageNums);
    pages_->SetWidth(56);
    from_ = AddEdit(group, "从(&F):", 72, GroupTop + RowHeight - 1, 32, 44);
    to_ = AddEdit(group, "到(&T):", 152, GroupTop + RowHeight - 1, 32, 44);
    from_->SetEnabled(pageNums);
    to_->SetEnabled(pageNums);
    selection_ = AddRadio(group, "选定范围(&S)", GroupTop + 2 * RowHeight, options_.Contains(poSelection));
}

void TPrintDialogForm::BuildCopies(int Top)
{
    const int left = 2 * Margin + 232;
    TGroupBox* group = AddGroup(this, "份数", left, Top, FormWidth - left - Margin, all_->Parent()->Height());
    copies_ = AddEdit(group, "打印份数(&C):", 12, GroupTop, 84, 56);
    collate_ = Place(new TCheckBox(this), group, 12, GroupTop + RowHeight + 6, group->Width() - 24, 20);
    collate_->SetCaption("逐份打印(&O)");
}

TEdit* TPrintDialogForm::AddEdit(TGroupBox* Group, const char* Caption, int Left, int Top, int LabelWidth, int Width)
{
    auto* edit = Place(new TEdit(this), Group, Left + LabelWidth, Top, Width, EditHeight);
    auto* label = Place(new TLabel(this), Group, Left, Top + 3, LabelWidth, 16);
    label->SetCaption(Caption);
    label->SetFocusControl(edit);
    return edit;
}

TRadioButton* TPrintDialogForm::AddRadio(TGroupBox* Group, const char* Caption, int Top, bool Enabled)
{
    auto* radio = Place(new TRadioButton(this), Group, 12, Top, Group->Width() - 24, 20);
    radio->SetCaption(Caption);
    radio->SetEnabled(Enabled);
    return radio;
}

int TPrintDialogForm::PrinterIndex() const
{
    return printers_->ItemIndex();
}

bool TPrintDialogForm::PdfChosen() const
{
    return printers_->ItemIndex() == pdfIndex_;
}

void TPrintDialogForm::PrinterChanged(TObject*)
{
    const bool pdf = PdfChosen();
    toFile_->SetChecked(pdf || userToFile_);
    toFile_->SetEnabled(!pdf && !options_.Contains(poDisablePrintToFile));
    fileName_->SetEnabled(toFile_->Checked());
}

void TPrintDialogForm::ToFileClicked(TObject*)
{
    if (!PdfChosen())
        userToFile_ = toFile_->Checked();
    fileName_->SetEnabled(toFile_->Checked());
}

void TPrintDialogForm::Take(TPrintDialog& Dialog) const
{
    Dialog.PrintRange = pages_->Checked() ? prPageNums : selection_->Checked() ? prSelection : prAllPages;
    if (Dialog.PrintRange == prPageNums) {
        Dialog.FromPage = StrToInt(Trim(from_->Text()));
        Dialog.ToPage = StrToInt(Trim(to_->Text()));
    }
    Dialog.Copies = StrToInt(Trim(copies_->Text()));
    Dialog.Collate = collate_->Checked();
    Dialog.PrintToFile = toFile_->Checked();
    Dialog.FileName = fileName_->Text();
}

bool TPrintDialogForm::CloseQuery()
{
    if (ModalResult() == mrOk && !(RangeAccepted() && PrinterAccepted()))
        return false;
    return TForm::CloseQuery();
}

bool TPrintDialogForm::Refuse(TEdit* Edit, const AnsiString& Message)
{
    Application->MessageBox(Message, Caption(), MB_OK | MB_ICONWARNING);
    Edit->SetFocus();
    Edit->SelectAll();
    return false;
}

bool TPrintDialogForm::NumberIn(TEdit* Edit, int Min, int Max, int& Value, const AnsiString& Message)
{
    if (TryStrToInt(Trim(Edit->Text()), Value) && Value >= Min && Value <= Max)
        return true;
    return Refuse(Edit, Message);
}

bool TPrintDialogForm::RangeAccepted()
{
    int copies = 0;
    if (!NumberIn(copies_, 1, MaxCopies, copies, "份数必须是 1 到 " + std::to_string(MaxCopies) + " 之间的数字。"))
        return false;
    if (!pages_->Checked())
        return true;
    const AnsiString outside = "页码必须是 " + std::to_string(minPage_) + " 到 " + std::to_string(maxPage_) +
                               " 之间的数字。";
    int from = 0, to = 0;
    if (!NumberIn(from_, minPage_, maxPage_, from, outside) || !NumberIn(to_, minPage_, maxPage_, to, outside))
        return false;
    if (from > to)
        return Refuse(from_, "起始页不能大于结束页。");
    return true;
}

bool TPrintDialogForm::PrinterAccepted()
{
    if (!options_.Contains(poWarning) || PdfChosen())
        return true;
    const AnsiString chosen = printers_->Text();
    for (const TCupsDestination& d : CupsDestinations())
        if (d.Name == chosen)
            return true;
    Application->MessageBox("打印机“" + chosen + "”已不可用，请选择其他打印机。", Caption(), MB_OK | MB_ICONWARNING);
    printers_->SetFocus();
    return false;
}
