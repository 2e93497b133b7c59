// The options dialog's form: its three pages, the controls on them and the
// buttons below.
#include "editor_services/settings/syn_options_dialog.h"

#include "editor_services/settings/syn_font_preview.h"
#include "editor_services/settings/syn_options_fonts.h"
#include "editor_services/settings/syn_text_source.h"
#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/strings.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/widgets/tab_sheet.h"

namespace {

constexpr int Margin = 8, RowHeight = 24, LabelWidth = 120, BoxWidth = 70, BoxHeight = 21, CheckWidth = 200;
constexpr int PageWidth = 440, PageHeight = 330, ButtonWidth = 90, ButtonHeight = 25;

TCheckBox* AddCheck(TSynOptionsForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Left,
                    int Top, int Width = CheckWidth)
{
    auto* box = SynPlaceControl(new TCheckBox(Form), Parent, Name, Left, Top, Width, 17);
    box->SetCaption(Caption);
    return box;
}

void AddLabel(TSynOptionsForm* Form, TWinControl* Parent, const char* Caption, int Left, int Top,
              TWinControl* Focus)
{
    auto* label = SynPlaceControl(new TLabel(Form), Parent, "", Left, Top + 3, LabelWidth, 16);
    label->SetCaption(Caption);
    label->SetFocusControl(Focus);
}

TEdit* AddEdit(TSynOptionsForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Left, int Top)
{
    auto* edit = SynPlaceControl(new TEdit(Form), Parent, Name, Left + LabelWidth, Top, BoxWidth, BoxHeight);
    AddLabel(Form, Parent, Caption, Left, Top, edit);
    return edit;
}

TComboBox* AddCombo(TSynOptionsForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Left,
                    int Top, int Width, std::initializer_list<const char*> Items)
{
    auto* combo = SynPlaceControl(new TComboBox(Form), Parent, Name, Left + LabelWidth, Top, Width, BoxHeight);
    combo->SetStyle(csDropDownList);
    for (const char* item : Items)
        combo->Items()->Add(item);
    AddLabel(Form, Parent, Caption, Left, Top, combo);
    return combo;
}

TColorBox* AddColor(TSynOptionsForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Top)
{
    auto* box = SynPlaceControl(new TColorBox(Form), Parent, Name, Margin + LabelWidth, Top, 150, BoxHeight);
    box->SetStyle(TColorBoxStyle{cbStandardColors, cbCustomColor});
    box->SetDropDownCount(12);
    AddLabel(Form, Parent, Caption, Margin, Top, box);
    return box;
}

TTabSheet* AddPage(TPageControl* Pages, const char* Caption)
{
    auto* page = new TTabSheet(Pages->Owner());
    page->SetPageControl(Pages);
    page->SetCaption(Caption);
    return page;
}

TGroupBox* AddGroup(TSynOptionsForm* Form, TWinControl* Parent, const char* Caption, int Left, int Top, int Width,
                    int Height)
{
    auto* group = SynPlaceControl(new TGroupBox(Form), Parent, "", Left, Top, Width, Height);
    group->SetCaption(Caption);
    return group;
}

}  // namespace

TSynOptionsForm::TSynOptionsForm(TComponent* AOwner) : TForm(AOwner), settings_(std::make_unique<TSynTextSource>(nullptr))
{
    settings_->Mask = TSynTextSourceMasks{smCodeFolding, smBackground, smActiveLine, smBlockWidth, smColor,
                                          smFont, smGutter, smInsertMode, smLineDivider, smLineSpacing,
                                          smLineSpacingRule, smMaxScrollWidth, smMaxUndo, smOptions, smRightEdge,
                                          smSelectedColor, smSelectionMode, smTabWidth, smWordWrap, smUnicodeName};
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poDesktopCenter);
    SetCaption("编辑器选项");

    PageControl1 = SynPlaceControl(new TPageControl(this), this, "PageControl1", Margin, Margin, PageWidth, PageHeight);
    BuildEditPage();
    BuildViewPage();
    BuildDisplayPage();
    PageControl1->SetActivePageIndex(0);

    const int buttonTop = Margin + PageHeight + Margin;
    int left = Margin + PageWidth - 3 * ButtonWidth - 2 * Margin;
    Button3 = SynPlaceControl(new TButton(this), this, "Button3", left, buttonTop, ButtonWidth, ButtonHeight);
    Button3->SetCaption("保存为默认");
    Button3->OnClick = TNotifyEvent(this, &TSynOptionsForm::SaveAsDefaultClick);
    left += ButtonWidth + Margin;
    Button2 = SynPlaceControl(new TButton(this), this, "Button2", left, buttonTop, ButtonWidth, ButtonHeight);
    Button2->SetCaption("确定");
    Button2->SetDefault(true);
    Button2->SetModalResult(mrOk);
    left += ButtonWidth + Margin;
    Button1 = SynPlaceControl(new TButton(this), this, "Button1", left, buttonTop, ButtonWidth, ButtonHeight);
    Button1->SetCaption("取消");
    Button1->SetCancel(true);
    Button1->SetModalResult(mrCancel);

    HandleNeeded();
    SetClientWidth(Margin + PageWidth + Margin);
    SetClientHeight(buttonTop + ButtonHeight + Margin);
}

TSynOptionsForm::~TSynOptionsForm() = default;

void TSynOptionsForm::BuildEditPage()
{
    TTabSheet* page = AddPage(PageControl1, "编辑");
    int top = Margin;
    sTabWidth = AddEdit(this, page, "sTabWidth", "制表符的宽度(&T)", Margin, top);
    sBlockWidth = AddEdit(this, page, "sBlockWidth", "手动缩进宽度(&B)", Margin + 210, top);
    top += RowHeight;
    sMaxUndo = AddEdit(this, page, "sMaxUndo", "最大可撒消次数(&U)", Margin, top);
    sMaxScroll = AddEdit(this, page, "sMaxScroll", "每行最长长度为(&L)", Margin + 210, top);
    top += RowHeight;
    cbSelectmode = AddCombo(this, page, "cbSelectmode", "选择模式(&M)", Margin, top, 120,
                            {"正常选择模式", "行选择模式", "列选择模式"});
    for (TEdit* edit : {sTabWidth, sBlockWidth, sMaxUndo, sMaxScroll})
        edit->OnChange = TNotifyEvent(this, &TSynOptionsForm::IntegerChange);
    cbSelectmode->OnChange = TNotifyEvent(this, &TSynOptionsForm::ComboChange);
    top += RowHeight + Margin;

    const int groupWidth = PageWidth - 3 * Margin;
    TGroupBox* group = AddGroup(this, page, "选项", Margin, top, groupWidth, 9 * 20 + 2 * Margin);
    // Two columns with a margin on either side and between them, inside the
    // group's border.
    const int checkWidth = (groupWidth - 3 * Margin) / 2;
    struct TCheckPlace {
        TCheckBox** Box;
        const char* Name;
        const char* Caption;
    };
    const TCheckPlace checks[] = {
        {&soAltSetsColumnMode, "soAltSetsColumnMode", "按下Alt为列选择模式(&A)"},
        {&soAutoIndent, "soAutoIndent", "换行时自动缩进(&U)"},
        {&soDragDropEditing, "soDragDropEditing", "允许拖动编辑(&D)"},
        {&soDropFiles, "soDropFiles", "允许外部文件拖放(&F)"},
        {&soGroupUndo, "soGroupUndo", "群组撒消操作(&G)"},
        {&soShowSpecialChars, "soShowSpecialChars", "显示特殊字符(&S)"},
        {&soSmartTabs, "soSmartTabs", "智能Tab(&M)"},
        {&soSmartTabDelete, "soSmartTabDelete", "智能删除Tab(&E)"},
        {&soTabIndent, "soTabIndent", "用Tab缩进(&T)"},
        {&soTabsToSpace, "soTabsToSpace", "Tab转换为空格(&P)"},
        {&cbInsertMode, "cbInsertMode", "插入模式(&I)"},
        {&cbCodeFolding, "cbCodeFolding", "允许代码折叠(&O)"},
        {&cbPastEol, "cbPastEol", "允许光标在虚空(&T)"},
        {&CheckBox1, "CheckBox1", "列编辑扩展(&X)"},
    };
    for (size_t i = 0; i < std::size(checks); ++i) {
        const int column = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
        *checks[i].Box = AddCheck(this, group, checks[i].Name, checks[i].Caption,
                                  Margin + column * (checkWidth + Margin), 2 * Margin + row * 20, checkWidth);
        (*checks[i].Box)->OnClick = TNotifyEvent(this, &TSynOptionsForm::CheckClick);
    }
    // Shown once the dialog fills its controls from settings that have it.
    cbCodeFolding->SetVisible(false);
}

void TSynOptionsForm::BuildViewPage()
{
    TTabSheet* page = AddPage(PageControl1, "视图");
    int top = Margin;
    const int right = Margin + 210;
    sShowLineDivder = AddCheck(this, page, "sShowLineDivder", "显示行间分隔线(&D)", Margin, top);
    sShowActiveLine = AddCheck(this, page, "sShowActiveLine", "高亮显示当前行(&C)", right, top);
    top += 20;
    sShowGutter = AddCheck(this, page, "sShowGutter", "显示行号区(&V)", Margin, top);
    sShowLineNumber = AddCheck(this, page, "sShowLineNumber", "显示行号(&L)", right, top);
    top += 20;
    CheckBox2 = AddCheck(this, page, "CheckBox2", "显目显示被修改行(&O)", Margin, top);
    sBackground = AddCheck(this, page, "sBackground", "显示背景图片", right, top);
    top += 20 + Margin;

    TGroupBox* spacing = AddGroup(this, page, "行间距", Margin, top, PageWidth - 3 * Margin, 2 * RowHeight + 2 * Margin);
    sLineSpacingRule = AddCombo(this, spacing, "sLineSpacingRule", "类型(&R)", Margin, 2 * Margin, 120,
                                {"单倍行距", "一倍半行距", "两倍行距", "自定义行距"});
    sLineSpacing = AddEdit(this, spacing, "sLineSpacing", "间距(&S)", Margin, 2 * Margin + RowHeight);
    top += 2 * RowHeight + 3 * Margin;

    sShowRightEdge = AddCheck(this, page, "sShowRightEdge", "显示右边线(&V)", Margin, top);
    sRightEdgeMouseMove = AddCheck(this, page, "sRightEdgeMouseMove", "允许鼠标移动(&M)", right, top);
    top += 20 + Margin / 2;
    sRightEdgePos = AddEdit(this, page, "sRightEdgePos", "位置(&P)", Margin, top);
    top += RowHeight + Margin;
    sWordWrap = AddCheck(this, page, "sWordWrap", "自动换行(&W)", Margin, top);
    sWordwrapStyle = SynPlaceControl(new TComboBox(this), page, "sWordwrapStyle", right, top, 150, BoxHeight);
    sWordwrapStyle->SetStyle(csDropDownList);
    for (const char* item : {"窗口边缘换行", "右边线处换行", "自定义位置换行"})
        sWordwrapStyle->Items()->Add(item);
    top += RowHeight;
    sWordwrapPos = AddEdit(this, page, "sWordwrapPos", "在(&A)", Margin, top);

    for (TCheckBox* box : {sShowLineDivder, sShowActiveLine, sShowGutter, sShowLineNumber, CheckBox2, sBackground,
                           sShowRightEdge, sRightEdgeMouseMove, sWordWrap})
        box->OnClick = TNotifyEvent(this, &TSynOptionsForm::CheckClick);
    for (TEdit* edit : {sLineSpacing, sRightEdgePos, sWordwrapPos})
        edit->OnChange = TNotifyEvent(this, &TSynOptionsForm::IntegerChange);
    for (TComboBox* combo : {sLineSpacingRule, sWordwrapStyle})
        combo->OnChange = TNotifyEvent(this, &TSynOptionsForm::ComboChange);
}

void TSynOptionsForm::BuildDisplayPage()
{
    TTabSheet* page = AddPage(PageControl1, "显示");
    int top = Margin;
    sFontNameCom = AddCombo(this, page, "sFontNameCom", "默认字体(&F)", Margin, top, 200, {});
    sFontNameCom->OnChange = TNotifyEvent(this, &TSynOptionsForm::FontNameChange);
    top += RowHeight;
    sFontsizeCom = SynPlaceControl(new TComboBox(this), page, "sFontsizeCom", Margin + LabelWidth, top, BoxWidth, BoxHeight);
    AddLabel(this, page, "字号(&S)", Margin, top, sFontsizeCom);
    sFontsizeCom->OnEnter = TNotifyEvent(this, &TSynOptionsForm::FontSizeEnter);
    sFontsizeCom->OnChange = TNotifyEvent(this, &TSynOptionsForm::FontSizeChange);
    top += RowHeight;
    FontPreview = SynPlaceControl(new TSynFontPreview(this), page, "FontPreview", Margin, top, PageWidth - 3 * Margin, 50);
    FontPreview->SetCaption("字体预览(单击这里可以打开字体设置对话框)");
    FontPreview->OnClick = TNotifyEvent(this, &TSynOptionsForm::FontPreviewClick);
    top += 50 + Margin;
    sUnicodeFontNameCom = AddCombo(this, page, "sUnicodeFontNameCom", "中文字体(&F)", Margin, top, 200, {});
    sUnicodeFontNameCom->OnChange = TNotifyEvent(this, &TSynOptionsForm::ComboChange);
    top += RowHeight + Margin;

    ListFixedPitchFamilies(sFontNameCom->Items());
    sUnicodeFontNameCom->Items()->Assign(sFontNameCom->Items());

    TGroupBox* colors = AddGroup(this, page, "选择颜色 ", Margin, top, PageWidth - 3 * Margin, 5 * RowHeight + 2 * Margin);
    int row = 2 * Margin;
    BackColorBox = AddColor(this, colors, "BackColorBox", "默认背景(&B)", row);
    SelTextColorBox = AddColor(this, colors, "SelTextColorBox", "选择区域文本(&S)", row += RowHeight);
    SelBackColorBox = AddColor(this, colors, "SelBackColorBox", "选择区域背景(&E)", row += RowHeight);
    CurTextColorBox = AddColor(this, colors, "CurTextColorBox", "高亮当前行文本(&A)", row += RowHeight);
    CurBackColorBox = AddColor(this, colors, "CurBackColorBox", "高亮当前行背景(&C)", row += RowHeight);
    for (TColorBox* box : {BackColorBox, SelTextColorBox, SelBackColorBox, CurTextColorBox, CurBackColorBox})
        box->OnChange = TNotifyEvent(this, &TSynOptionsForm::ColorChange);
}
