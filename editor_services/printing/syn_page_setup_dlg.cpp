// The page setup dialog's form: building the two sheets, filling them from
// a print engine, and writing them back on OK once the margins are numbers.
#include "editor_services/printing/syn_page_setup_dlg.h"

#include <algorithm>
#include <utility>

#include "editor_services/printing/syn_color_swatch.h"
#include "editor_services/printing/syn_text_print.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/dialogs/color_dialog.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/virtual_keys.h"

namespace {

constexpr int Margin = 8, RowHeight = 24, LabelWidth = 110, EditWidth = 60, BoxHeight = 21;
constexpr int SheetWidth = 560, SheetHeight = 360, ButtonWidth = 76, ButtonHeight = 23;
// A header or footer group: its look label, swatches and four check boxes
// stacked, with room below the last for the group's frame.
constexpr int HeadHeight = 2 * Margin + 98 + 17 + Margin;

TGroupBox* AddGroup(TWinControl* Parent, const char* Caption, int Left, int Top, int Width, int Height)
{
    auto* group = SynPlaceControl(new TGroupBox(Parent->Owner()), Parent, "", Left, Top, Width, Height);
    group->SetCaption(Caption);
    return group;
}

TEdit* AddEdit(TWinControl* Parent, const char* Name, const char* Caption, int Left, int Top)
{
    auto* edit = SynPlaceControl(new TEdit(Parent->Owner()), Parent, Name, Left + LabelWidth, Top, EditWidth, BoxHeight);
    auto* label = SynPlaceControl(new TLabel(Parent->Owner()), Parent, "", Left, Top + 3, LabelWidth, 16);
    label->SetCaption(Caption);
    label->SetFocusControl(edit);
    return edit;
}

TCheckBox* AddCheck(TWinControl* Parent, const char* Name, const char* Caption, int Left, int Top, int Width)
{
    auto* box = SynPlaceControl(new TCheckBox(Parent->Owner()), Parent, Name, Left, Top, Width, 17);
    box->SetCaption(Caption);
    return box;
}

// A head's line as the item's font takes it: the format of its first
// character (the whole line has one).
int LineStart(TRichEdit* Box, int Line)
{
    return static_cast<int>(Box->Perform(EM_LINEINDEX, static_cast<WPARAM>(Line), 0));
}

}  // namespace

TSynPageSetupDlg::TSynPageSetupDlg(TComponent* AOwner)
    : TForm(AOwner), margins_(std::make_unique<TSynTextPrintMargins>())
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("页面设置");
    PageControl = SynPlaceControl(new TPageControl(this), this, "PageControl", Margin, Margin, SheetWidth, SheetHeight);
    auto* marginsSheet = new TTabSheet(this);
    marginsSheet->SetCaption("页面空白和选项");
    marginsSheet->SetPageControl(PageControl);
    auto* headsSheet = new TTabSheet(this);
    headsSheet->SetCaption("页眉或页脚");
    headsSheet->SetPageControl(PageControl);
    BuildHeadMenu();
    BuildMarginsSheet(marginsSheet);
    BuildHeadsSheet(headsSheet);
    PageControl->SetActivePage(marginsSheet);
    PageControl->OnChange = TNotifyEvent(this, &TSynPageSetupDlg::EnableHeadActions);

    const int buttonTop = 2 * Margin + SheetHeight;
    btnOK = SynPlaceControl(new TButton(this), this, "btnOK", SheetWidth + Margin - 2 * ButtonWidth - Margin, buttonTop,
                  ButtonWidth, ButtonHeight);
    btnOK->SetCaption("确定(&O)");
    btnOK->SetModalResult(mrOk);
    btnOK->SetDefault(true);
    btnCancel = SynPlaceControl(new TButton(this), this, "btnCancel", SheetWidth + Margin - ButtonWidth, buttonTop,
                      ButtonWidth, ButtonHeight);
    btnCancel->SetCaption("取消(&C)");
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetCancel(true);
    HandleNeeded();
    SetClientWidth(SheetWidth + 2 * Margin);
    SetClientHeight(buttonTop + ButtonHeight + Margin);
    SetActiveControl(EditLeft);
}

TSynPageSetupDlg::~TSynPageSetupDlg() = default;

void TSynPageSetupDlg::BuildMarginsSheet(TWinControl* Sheet)
{
    const int groupWidth = (SheetWidth - 3 * Margin) / 2;
    TGroupBox* margins = AddGroup(Sheet, "页边空白", Margin, Margin, groupWidth, 6 * RowHeight + 2 * Margin);
    int top = 2 * Margin;
    EditLeft = AddEdit(margins, "EditLeft", "左边(&L)", Margin, top);
    EditRight = AddEdit(margins, "EditRight", "右边(&R)", Margin, top += RowHeight);
    EditTop = AddEdit(margins, "EditTop", "上边(&T)", Margin, top += RowHeight);
    EditBottom = AddEdit(margins, "EditBottom", "下边(&B)", Margin, top += RowHeight);
    CBUnits = SynPlaceControl(new TComboBox(this), margins, "CBUnits", Margin + LabelWidth, top += RowHeight, 110, BoxHeight);
    CBUnits->SetStyle(csDropDownList);
    for (const char* unit : {"毫米", "厘米", "英寸", "千分之一英寸"})
        CBUnits->Items()->Add(unit);
    auto* unitsLabel = SynPlaceControl(new TLabel(this), margins, "", Margin, top + 3, LabelWidth, 16);
    unitsLabel->SetCaption("单位(&U)");
    unitsLabel->SetFocusControl(CBUnits);
    CBUnits->OnChange = TNotifyEvent(this, &TSynPageSetupDlg::UnitsChange);
    CBMirrorMargins = AddCheck(margins, "CBMirrorMargins", "真实的页边距(&M)", Margin, top += RowHeight, 200);

    const int right = 2 * Margin + groupWidth;
    TGroupBox* options = AddGroup(Sheet, "打印选项", right, Margin, groupWidth, 6 * RowHeight + 2 * Margin);
    top = 2 * Margin;
    EditGutter = AddEdit(options, "EditGutter", "行号区(&G)", Margin, top);
    CBLineNumbersInMargin = AddCheck(options, "CBLineNumbersInMargin", "打印行号在页边空白(&N)", Margin, top += RowHeight, 230);
    CBLineNumbers = AddCheck(options, "CBLineNumbers", "打印行号(&L)", Margin, top += RowHeight, 230);
    CBColors = AddCheck(options, "CBColors", "使用颜色(&C)", Margin, top += RowHeight, 230);
    CBWrap = AddCheck(options, "CBWrap", "打印自动换行(&W)", Margin, top += RowHeight, 230);
    CBHighlight = AddCheck(options, "CBHighlight", "打印语法高亮(&S)", Margin, top += RowHeight, 230);

    const int headsTop = 2 * Margin + 6 * RowHeight + 2 * Margin;
    TGroupBox* heads = AddGroup(Sheet, "页眉或页脚", Margin, headsTop, SheetWidth - 2 * Margin, 3 * RowHeight + 2 * Margin);
    top = 2 * Margin;
    EditLeftHFTextIndent = AddEdit(heads, "EditLeftHFTextIndent", "左边文本缩进(&E)", Margin, top);
    EditRightHFTextIndent = AddEdit(heads, "EditRightHFTextIndent", "右边文本缩进(D)", Margin, top + RowHeight);
    EditHFInternalMargin = AddEdit(heads, "EditHFInternalMargin", "空白边距(&I)", Margin, top + 2 * RowHeight);
    EditHeader = AddEdit(heads, "EditHeader", "页眉(&H)", right, top);
    EditFooter = AddEdit(heads, "EditFooter", "页脚(&F)", right, top + RowHeight);
    TEdit* const order[] = {EditLeft, EditRight, EditTop, EditBottom, EditGutter, EditHeader, EditFooter,
                            EditLeftHFTextIndent, EditRightHFTextIndent, EditHFInternalMargin};
    std::copy(std::begin(order), std::end(order), marginEdits_);
}

void TSynPageSetupDlg::BuildHeadsSheet(TWinControl* Sheet)
{
    // Wrapped before it is placed: a label sizing itself without wrapping
    // would first shrink to its empty caption and then wrap at that width.
    auto* note = new TLabel(this);
    note->SetWordWrap(true);
    note->SetCaption("页眉页脚分别分为三部分文本来设置，分别是左对齐、中间对齐、右对齐的三部分文本，在编辑框单击右键可弹出快捷菜单。");
    SynPlaceControl(note, Sheet, "", Margin, Margin, SheetWidth - 3 * Margin, 32);
    // The groups follow the note's lines in whatever font it has.
    const int headerTop = note->Top() + note->Height() + Margin / 2;
    BuildHead(Sheet, headerTop, 0);
    BuildHead(Sheet, headerTop + HeadHeight + Margin / 2, 1);
}

void TSynPageSetupDlg::BuildHead(TWinControl* Parent, int Top, int Which)
{
    struct TNames {
        const char *Group, *Look, *Line, *Shadow, *Mirror, *MirrorCaption, *LineFrame, *LineCaption, *Box,
            *BoxCaption, *ShadowFrame, *ShadowCaption, *Tabs[3], *Boxes[3];
    };
    static const TNames names[2] = {
        {"页眉编辑", "页眉外观设置", "PBHeaderLine", "PBHeaderShadow", "CBHeaderMirror", "真实位置(&M)",
         "CBHeaderLine", "下划线(&N)", "CBHeaderBox", "边框(&B)", "CBHeaderShadow", "阴影(D)",
         {"左边(&L)", "中间(&C)", "右边(&R)"}, {"REHeaderLeft", "REHeaderCenter", "REHeaderRight"}},
        {"页脚编辑", "页脚外观设置", "PBFooterLine", "PBFooterShadow", "CBFooterMirror", "真实位置(&O)",
         "CBFooterLine", "下划线(&I)", "CBFooterBox", "边框(&X)", "CBFooterShadow", "阴影(&H)",
         {"左边(&E)", "中间(&T)", "右边(&G)"}, {"REFooterLeft", "REFooterCenter", "REFooterRight"}}};
    const TNames& n = names[Which];
    THeadBoxes& boxes = Heads[Which];
    TGroupBox* group = AddGroup(Parent, n.Group, Margin, Top, SheetWidth - 2 * Margin - 8, HeadHeight);
    auto* look = SynPlaceControl(new TLabel(this), group, "", Margin, 2 * Margin, 150, 16);
    look->SetCaption(n.Look);
    // Made before the check boxes, so that Tab reaches them first.
    boxes.Line = SynPlaceControl(new TSynColorSwatch(this), group, n.Line, Margin, 2 * Margin + 20, 40, 18);
    boxes.Shadow = SynPlaceControl(new TSynColorSwatch(this), group, n.Shadow, Margin + 48, 2 * Margin + 20, 40, 18);
    for (TSynColorSwatch* swatch : {boxes.Line, boxes.Shadow}) {
        swatch->OnPaint = TNotifyEvent(this, &TSynPageSetupDlg::SwatchPaint);
        swatch->OnClick = TNotifyEvent(this, &TSynPageSetupDlg::SwatchClick);
    }
    boxes.Mirror = AddCheck(group, n.Mirror, n.MirrorCaption, Margin, 2 * Margin + 44, 150);
    boxes.Mirror->OnEnter = TNotifyEvent(this, &TSynPageSetupDlg::EnableHeadActions);
    boxes.LineFrame = AddCheck(group, n.LineFrame, n.LineCaption, Margin, 2 * Margin + 62, 150);
    boxes.Box = AddCheck(group, n.Box, n.BoxCaption, Margin, 2 * Margin + 80, 150);
    boxes.ShadowFrame = AddCheck(group, n.ShadowFrame, n.ShadowCaption, Margin, 2 * Margin + 98, 150);
    auto* tabs = SynPlaceControl(new TPageControl(this), group, "", 170, 2 * Margin - 4, SheetWidth - 2 * Margin - 8 - 178, 106);
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new TTabSheet(this);
        sheet->SetCaption(n.Tabs[i]);
        sheet->SetPageControl(tabs);
        boxes.Text[i] = SynPlaceControl(new TRichEdit(this), sheet, n.Boxes[i], 0, 0, 10, 10);
        boxes.Text[i]->SetAlign(alClient);
        boxes.Text[i]->SetPopupMenu(HeadMenu);
        boxes.Text[i]->OnEnter = TNotifyEvent(this, &TSynPageSetupDlg::BoxEnter);
        boxes.Text[i]->OnSelectionChange = TNotifyEvent(this, &TSynPageSetupDlg::BoxSelectionChange);
        boxes.Text[i]->OnKeyDown = TKeyEvent(this, &TSynPageSetupDlg::BoxKeyDown);
    }
    tabs->SetActivePageIndex(0);
}

TColor* TSynPageSetupDlg::SwatchColor(TObject* Swatch)
{
    for (THeadBoxes& boxes : Heads) {
        if (Swatch == boxes.Line)
            return &boxes.LineColor;
        if (Swatch == boxes.Shadow)
            return &boxes.ShadedColor;
    }
    return nullptr;
}

void TSynPageSetupDlg::BoxKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE && Shift.Empty()) {
        Key = 0;
        SetModalResult(mrCancel);
    }
}

void TSynPageSetupDlg::SwatchPaint(TObject* Sender)
{
    auto* swatch = static_cast<TSynColorSwatch*>(Sender);
    TCanvas* canvas = swatch->Canvas();
    canvas->Brush()->SetColor(*SwatchColor(Sender));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetStyle(psDot);
    canvas->Rectangle(0, 0, swatch->Width(), swatch->Height());
}

void TSynPageSetupDlg::SwatchClick(TObject* Sender)
{
    TColorDialog dialog(nullptr);
    dialog.Color = *SwatchColor(Sender);
    if (!dialog.Execute())
        return;
    *SwatchColor(Sender) = dialog.Color;
    static_cast<TSynColorSwatch*>(Sender)->Invalidate();
}

void TSynPageSetupDlg::FillMargins(TSynTextPrintMargins* Margins)
{
    const double values[] = {Margins->Left(),   Margins->Right(),  Margins->Top(),
                             Margins->Bottom(), Margins->Gutter(), Margins->Header(),
                             Margins->Footer(), Margins->LeftHFTextIndent(),
                             Margins->RightHFTextIndent(), Margins->HFInternalMargin()};
    for (int i = 0; i < 10; ++i)
        marginEdits_[i]->SetText(FloatToStr(values[i]));
}

void TSynPageSetupDlg::FillHead(THeaderFooter* Head, THeadBoxes& Boxes)
{
    for (TRichEdit* box : Boxes.Text)
        box->DefAttributes()->Assign(Head->DefaultFont());
    Boxes.LineFrame->SetChecked(Head->FrameTypes.Contains(ftLine));
    Boxes.Box->SetChecked(Head->FrameTypes.Contains(ftBox));
    Boxes.ShadowFrame->SetChecked(Head->FrameTypes.Contains(ftShaded));
    Boxes.LineColor = Head->LineColor;
    Boxes.ShadedColor = Head->ShadedColor;
    Boxes.Mirror->SetChecked(Head->MirrorPosition);
    Head->FixLines();
    for (int i = 0; i < Head->Count(); ++i) {
        THeaderFooterItem* item = Head->Get(i);
        TRichEdit* box = Boxes.Text[item->Alignment == taCenter ? 1 : item->Alignment == taRightJustify ? 2 : 0];
        box->Lines()->Add(item->Text);
        const int line = box->Lines()->Count() - 1;
        box->SetSelStart(LineStart(box, line));
        box->SetSelLength(static_cast<int>(item->Text.size()));
        box->SelAttributes()->Assign(item->Font());
    }
    for (TRichEdit* box : Boxes.Text)
        box->SetSelStart(0);
}

void TSynPageSetupDlg::FillFrom(TSynTextPrint* Print)
{
    for (THeadBoxes& boxes : Heads)
        for (TRichEdit* box : boxes.Text)
            box->Clear();
    TSynTextPrintMargins* margins = Print->Margins();
    margins_->Assign(margins);
    CBUnits->SetItemIndex(margins->UnitSystem);
    FillMargins(margins);
    CBMirrorMargins->SetChecked(margins->MirrorMargins);
    CBLineNumbers->SetChecked(Print->LineNumbers);
    CBLineNumbersInMargin->SetChecked(Print->LineNumbersInMargin);
    CBHighlight->SetChecked(Print->Highlight);
    CBColors->SetChecked(Print->Colors);
    CBWrap->SetChecked(Print->Wrap);
    FillHead(Print->Header(), Heads[0]);
    FillHead(Print->Footer(), Heads[1]);
}

bool TSynPageSetupDlg::ReadMargins(TSynTextPrintMargins* Margins, bool Tell)
{
    using TSetter = void (*)(TSynTextPrintMargins& M, double Value);
    static const TSetter setters[10] = {
        [](TSynTextPrintMargins& M, double V) { M.SetLeft(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetRight(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetTop(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetBottom(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetGutter(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetHeader(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetFooter(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetLeftHFTextIndent(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetRightHFTextIndent(V); },
        [](TSynTextPrintMargins& M, double V) { M.SetHFInternalMargin(V); }};
    for (int i = 0; i < 10; ++i) {
        double value = 0;
        if (!TryStrToFloat(marginEdits_[i]->Text(), value)) {
            if (Tell) {
                Application->MessageBox("Invalid number!", Caption(), MB_OK | MB_ICONERROR);
                PageControl->SetActivePageIndex(0);
                marginEdits_[i]->SetFocus();
            }
            return false;
        }
        setters[i](*Margins, value);
    }
    return true;
}

bool TSynPageSetupDlg::CloseQuery()
{
    // Checked while the dialog is still up, so that the user can mend the
    // edit that is wrong; the engine is written only after this passes.
    if (ModalResult() == mrOk) {
        TSynTextPrintMargins check;
        check.UnitSystem = static_cast<TUnitSystem>(std::max(CBUnits->ItemIndex(), 0));
        if (!ReadMargins(&check, true) || !MarginsLeaveText(&check))
            return false;
    }
    return TForm::CloseQuery();
}

bool TSynPageSetupDlg::MarginsLeaveText(TSynTextPrintMargins* Margins)
{
    if (!print_)
        return true;
    // Line numbers beside the text take some width too, but a page they
    // alone fill still prints its numbers; the margins must leave a pixel.
    Margins->ComputePage(nullptr, 1, *print_->PrinterInfo(), false, false, 0);
    const bool wide = Margins->PRight > Margins->PLeft;
    if (wide && Margins->PBottom > Margins->PTop)
        return true;
    const std::pair<double, TEdit*> across[] = {{Margins->Left(), EditLeft},
                                                {Margins->Right(), EditRight},
                                                {Margins->Gutter(), EditGutter}};
    const std::pair<double, TEdit*> down[] = {{Margins->Top(), EditTop}, {Margins->Bottom(), EditBottom}};
    const auto widest = [](const auto& Edits) {
        return std::max_element(std::begin(Edits), std::end(Edits),
                                [](const auto& A, const auto& B) { return A.first < B.first; })
            ->second;
    };
    Application->MessageBox(wide ? "页边距太大，页面上没有留下打印文本的高度。" : "页边距太大，页面上没有留下打印文本的宽度。",
                            Caption(), MB_OK | MB_ICONERROR);
    PageControl->SetActivePageIndex(0);
    (wide ? widest(down) : widest(across))->SetFocus();
    return false;
}

void TSynPageSetupDlg::UnitsChange(TObject*)
{
    // The edits are in the old unit: keep what parses (in millimetres
    // inside), then show it in the new one.
    ReadMargins(margins_.get(), false);
    margins_->UnitSystem = static_cast<TUnitSystem>(std::max(CBUnits->ItemIndex(), 0));
    FillMargins(margins_.get());
}

void TSynPageSetupDlg::WriteHead(THeaderFooter* Head, const THeadBoxes& Boxes)
{
    TFrameTypes frames;
    if (Boxes.LineFrame->Checked())
        frames.Include(ftLine);
    if (Boxes.Box->Checked())
        frames.Include(ftBox);
    if (Boxes.ShadowFrame->Checked())
        frames.Include(ftShaded);
    Head->FrameTypes = frames;
    Head->LineColor = Boxes.LineColor;
    Head->ShadedColor = Boxes.ShadedColor;
    Head->MirrorPosition = Boxes.Mirror->Checked();
    Head->Clear();
    const TAlignment alignments[3] = {taLeftJustify, taCenter, taRightJustify};
    for (int b = 0; b < 3; ++b) {
        TRichEdit* box = Boxes.Text[b];
        for (int line = 0; line < box->Lines()->Count(); ++line) {
            TFont font;
            font.Assign(const_cast<TFont*>(&box->FormatAt(LineStart(box, line))));
            Head->Add(box->Lines()->Strings(line), &font, alignments[b], line + 1);
        }
    }
}

void TSynPageSetupDlg::WriteTo(TSynTextPrint* Print)
{
    TSynTextPrintMargins* margins = Print->Margins();
    margins->UnitSystem = static_cast<TUnitSystem>(std::max(CBUnits->ItemIndex(), 0));
    ReadMargins(margins, false);
    margins->MirrorMargins = CBMirrorMargins->Checked();
    Print->LineNumbers = CBLineNumbers->Checked();
    Print->LineNumbersInMargin = CBLineNumbersInMargin->Checked();
    Print->Highlight = CBHighlight->Checked();
    Print->Colors = CBColors->Checked();
    Print->Wrap = CBWrap->Checked();
    WriteHead(Print->Header(), Heads[0]);
    WriteHead(Print->Footer(), Heads[1]);
}

bool TSynPageSetupDlg::ExecutePageSetup(TSynTextPrint* Print)
{
    FillFrom(Print);
    print_ = Print;
    const bool confirmed = ShowModal() == mrOk;
    print_ = nullptr;
    if (!confirmed)
        return false;
    WriteTo(Print);
    return true;
}
