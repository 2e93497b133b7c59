// The customising dialog's form and its state: the languages of the
// settings manager, the elements of the chosen one with their backup, the
// edits that change them, and the sample whose caret picks the element.
#include "editor_services/settings/syn_highlighter_dialog_custom.h"

#include "editor/highlighting/syn_highlighter.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/syn_memo.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/image.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/panel.h"

namespace {

constexpr TColor WarningColor = 14614269;  // light yellow

void AddLabel(TForm* Form, const char* Name, const char* Caption, int Left, int Top, TWinControl* Focus)
{
    auto* label = SynPlaceControl(new TLabel(Form), Form, Name, Left, Top, 120, 14);
    label->SetCaption(Caption);
    label->SetFocusControl(Focus);
}

TComboBox* AddList(TForm* Form, const char* Name, int Left, int Width)
{
    auto* box = SynPlaceControl(new TComboBox(Form), Form, Name, Left, 32, Width, 21);
    box->SetStyle(csDropDownList);
    return box;
}

TColorBox* AddColorBox(TForm* Form, const char* Name, int Left, int Width)
{
    auto* box = SynPlaceControl(new TColorBox(Form), Form, Name, Left, 136, Width, 22);
    box->SetStyle({cbStandardColors, cbExtendedColors, cbCustomColor, cbPrettyNames});
    return box;
}

TCheckBox* AddCheck(TGroupBox* Group, const char* Name, const char* Caption, int Left)
{
    auto* box = SynPlaceControl(new TCheckBox(Group->Owner()), Group, Name, Left, 20, 100, 17);
    box->SetCaption(Caption);
    return box;
}

void LoadItemOf(TSynHighlighters* List, TSynCustomHighlighter* Highlighter)
{
    for (int i = 0; i < List->Count(); ++i)
        if (List->GetHighlighter(i) == Highlighter) {
            List->GetItem(i)->LoadItem();
            return;
        }
}

}  // namespace

TCustomHLDlg::TCustomHLDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    SetCaption("自定义语法");
    OnClose = TCloseEvent(this, &TCustomHLDlg::FormClose);

    ComboBox1 = AddList(this, "ComboBox1", 16, 209);
    ComboBox1->OnChange = TNotifyEvent(this, &TCustomHLDlg::ComboBox1Change);
    AddLabel(this, "Label1", "语言(&L)", 16, 13, ComboBox1);
    ComboBox2 = AddList(this, "ComboBox2", 239, 146);
    ComboBox2->SetDropDownCount(18);
    ComboBox2->OnChange = TNotifyEvent(this, &TCustomHLDlg::ComboBox2Change);
    AddLabel(this, "Label2", "元素(&E)", 239, 13, ComboBox2);
    BuildStyleGroup();
    BuildColors();
    BuildSample();
    BuildButtons();
    SetClientWidth(399);
    SetClientHeight(414);

    if (TSynCustomManager* manager = GlobalSynManager()) {
        TSynHighlighters* list = manager->Highlighters();
        for (int i = 0; i < list->Count(); ++i)
            if (TSynCustomHighlighter* highlighter = list->GetHighlighter(i))
                ComboBox1->Items()->AddObject(highlighter->GetFriendlyLanguageName(), highlighter);
    }
    ComboBox1->SetItemIndex(0);
    ComboBox1Change(nullptr);
    SetActiveControl(ComboBox1);
}

void TCustomHLDlg::BuildStyleGroup()
{
    auto* group = SynPlaceControl(new TGroupBox(this), this, "GroupBox1", 16, 61, 369, 51);
    group->SetCaption("样式");
    CheckBox1 = AddCheck(group, "CheckBox1", "粗体(&B)", 24);
    CheckBox2 = AddCheck(group, "CheckBox2", "下划线(&U)", 124);
    CheckBox3 = AddCheck(group, "CheckBox3", "斜体(&I)", 240);
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
        box->OnClick = TNotifyEvent(this, &TCustomHLDlg::StyleClick);
}

void TCustomHLDlg::BuildColors()
{
    ColorBox1 = AddColorBox(this, "ColorBox1", 16, 121);
    AddLabel(this, "Label3", "前景(&F)", 16, 120, ColorBox1);
    ColorBox2 = AddColorBox(this, "ColorBox2", 158, 123);
    AddLabel(this, "Label4", "背景(&B)", 158, 120, ColorBox2);
    for (TColorBox* box : {ColorBox1, ColorBox2})
        box->OnChange = TNotifyEvent(this, &TCustomHLDlg::ColorChange);
}

void TCustomHLDlg::BuildSample()
{
    SynText1 = SynPlaceControl(new TSynText(this), this, "SynText1", 16, 176, 370, 162);
    SynText1->Font()->SetHeight(-13);
    SynText1->RightEdge()->SetVisible(true);
    SynText1->RightEdge()->SetPosition(80);
    SynText1->ActiveLine()->SetVisible(false);
    SynText1->WordWrap()->SetEnabled(false);
    SynText1->OnStatusChange = TStatusChangeEvent(this, &TCustomHLDlg::SynText1StatusChange);

    auto* panel = SynPlaceControl(new TPanel(this), this, "Panel1", 16, 344, 370, 25);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(WarningColor);
    auto* icon = SynPlaceControl(new TImage(this), panel, "Image1", 4, 4, 16, 16);
    icon->SetStretch(true);
    icon->Picture()->Icon()->SetHandle(LoadIcon(nullptr, IDI_WARNING));
    auto* warning = SynPlaceControl(new TLabel(this), panel, "Label5", 24, 6, 340, 14);
    warning->SetTransparent(true);
    warning->SetCaption("注意，修改好后要切换另一种语法前请先保存，以免丢失！");
}

void TCustomHLDlg::BuildButtons()
{
    Button3 = SynPlaceControl(new TButton(this), this, "Button3", 16, 376, 81, 25);
    Button3->SetCaption("撤销(U)");
    Button3->OnClick = TNotifyEvent(this, &TCustomHLDlg::UndoClick);
    Button2 = SynPlaceControl(new TButton(this), this, "Button2", 101, 376, 81, 25);
    Button2->SetCaption("保存(&S)");
    Button2->OnClick = TNotifyEvent(this, &TCustomHLDlg::KeepClick);
    Button1 = SynPlaceControl(new TButton(this), this, "Button1", 305, 376, 81, 25);
    Button1->SetCaption("关闭(&C)");
    Button1->SetCancel(true);
    Button1->SetModalResult(mrCancel);
}

void TCustomHLDlg::ComboBox1Change(TObject*)
{
    // Unkept changes of the language being left are dropped.
    if (!kept_)
        Undo();
    kept_ = false;
    FillElements(ComboBox1->ItemIndex());
}

void TCustomHLDlg::FillElements(int Language)
{
    ComboBox2->Clear();
    backup_.clear();
    auto* highlighter =
        Language >= 0 ? static_cast<TSynCustomHighlighter*>(ComboBox1->Items()->Objects(Language)) : nullptr;
    if (!highlighter) {
        SynText1->SetHighlighter(nullptr);
        return;
    }
    if (TSynCustomManager* manager = GlobalSynManager())
        LoadItemOf(manager->Highlighters(), highlighter);
    // Preparing the rules lists their attributes in the order of the rule
    // tree: each range, its keyword lists, its sets, then its sub-ranges.
    // Those are the objects the tokens are painted with, so a change shows.
    if (auto* lexSyn = dynamic_cast<TSynLexSyn*>(highlighter))
        lexSyn->PrepareRules();
    for (int i = 0; i < highlighter->GetAttribCount(); ++i) {
        TSynHighlighterAttributes* attribute = highlighter->GetAttribute(i);
        ComboBox2->Items()->AddObject(attribute->Name(), attribute);
        backup_.push_back({attribute, attribute->Foreground(), attribute->Background(), attribute->Style()});
    }
    ComboBox2->SetItemIndex(0);
    ComboBox2Change(nullptr);
    SynText1->SetHighlighter(highlighter);
    SynText1->SetText(highlighter->GetSampleSource());
}

TSynHighlighterAttributes* TCustomHLDlg::SelectedElement() const
{
    const int index = ComboBox2->ItemIndex();
    return index >= 0 ? static_cast<TSynHighlighterAttributes*>(ComboBox2->Items()->Objects(index)) : nullptr;
}

void TCustomHLDlg::ComboBox2Change(TObject*)
{
    TSynHighlighterAttributes* element = SelectedElement();
    if (!element)
        return;
    ColorBox1->SetSelected(element->Foreground());
    ColorBox2->SetSelected(element->Background());
    CheckBox1->SetChecked(element->Style().Contains(fsBold));
    CheckBox2->SetChecked(element->Style().Contains(fsUnderline));
    CheckBox3->SetChecked(element->Style().Contains(fsItalic));
}

void TCustomHLDlg::StyleClick(TObject* Sender)
{
    TSynHighlighterAttributes* element = SelectedElement();
    if (!element)
        return;
    auto* box = static_cast<TCheckBox*>(Sender);
    const TFontStyle flag = box == CheckBox1 ? fsBold : box == CheckBox2 ? fsUnderline : fsItalic;
    TFontStyles style = element->Style();
    if (box->Checked())
        style.Include(flag);
    else
        style.Exclude(flag);
    element->SetStyle(style);
    SynText1->Invalidate();
}

void TCustomHLDlg::ColorChange(TObject* Sender)
{
    TSynHighlighterAttributes* element = SelectedElement();
    if (!element)
        return;
    if (Sender == ColorBox1)
        element->SetForeground(ColorBox1->Selected());
    else
        element->SetBackground(ColorBox2->Selected());
    SynText1->Invalidate();
}

void TCustomHLDlg::SynText1StatusChange(TObject*, TSynStatusChanges)
{
    AnsiString token;
    TSynHighlighterAttributes* attribute = nullptr;
    if (!SynText1->GetHighlighterAttriAt(SynText1->CaretXY(), token, attribute) || !attribute)
        return;
    ComboBox2->SetItemIndex(ComboBox2->Items()->IndexOf(attribute->Name()));
    ComboBox2Change(nullptr);
}

void TCustomHLDlg::Undo()
{
    for (const TBackup& entry : backup_) {
        entry.Attribute->SetForeground(entry.Foreground);
        entry.Attribute->SetBackground(entry.Background);
        entry.Attribute->SetStyle(entry.Style);
    }
    SynText1->Invalidate();
}

void TCustomHLDlg::UndoClick(TObject*)
{
    Undo();
    // The controls show the element's values again, not the undone ones.
    ComboBox2Change(nullptr);
}

void TCustomHLDlg::KeepClick(TObject*) { kept_ = true; }

void TCustomHLDlg::FormClose(TObject*, TCloseAction& Action)
{
    if (!kept_)
        Undo();
    Action = caFree;
}
