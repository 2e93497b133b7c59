#include "tests/skins/sample_form.h"

#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/main_window_layout.h"

namespace {

// The article frame's pair of bars, the lower one with the corner.
void AddEditorBars(TCustomForm* Form, TWinControl* Sheet)
{
    auto* vertical = new TbsSkinScrollBar(Form);
    vertical->SetKind(sbVertical);
    vertical->SetParent(Sheet);
    vertical->SetWidth(19);
    vertical->SetAlign(alRight);
    vertical->SetRange(0, 100, 10, 25);
    auto* horizontal = new TbsSkinScrollBar(Form);
    horizontal->SetParent(Sheet);
    horizontal->SetHeight(19);
    horizontal->SetAlign(alBottom);
    horizontal->SetBoth(true);
    horizontal->SetRange(0, 100, 20, 30);
}

TSampleForm AddMenuBar(TCustomForm* Form, TbsSkinForm* Frame, TbsSkinData& Data)
{
    auto* menu = new TbsSkinMainMenu(Form);
    for (const char* caption : {"文件(&F)", "编辑(&E)", "搜索(&S)", "查看(&V)", "帮助(&H)"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    TMenuItem* file = menu->Items()->Items(0);
    for (const char* caption : {"新建文档库(&N)", "打开文档库(&O)", "-", "保存(&S)", "关闭", "退出(&E)"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        file->Add(item);
    }
    file->Items(1)->SetChecked(true);
    file->Items(4)->SetEnabled(false);
    auto* bar = new TbsSkinMainMenuBar(Form);
    bar->SetParent(Form);
    bar->SetHeight(22);
    bar->SetTop(0);
    bar->SetAlign(alTop);
    bar->SetSkinData(&Data);
    bar->SetSkinForm(Frame);
    bar->SetMainMenu(menu);
    return {Frame, menu, bar};
}

}  // namespace

TSampleForm FillSampleForm(TCustomForm* Form, TbsSkinData& Data)
{
    auto* frame = new TbsSkinForm(Form);
    frame->SetSkinData(&Data);
    Form->SetCaption("Tandril - 說門中");
    TMainWindowLayout layout(Form, &Data);
    layout.PageControl->SetActivePageIndex(0);
    auto* sheet = static_cast<TbsSkinTabSheet*>(layout.PageControl->ActivePage());
    auto* button = new TbsSkinButton(Form);
    button->SetParent(sheet);
    button->SetBounds(12, 12, 75, 25);
    button->SetCaption("确定");
    auto* edit = new TbsSkinEdit(Form);
    edit->SetParent(sheet);
    edit->SetBounds(100, 14, 160, 21);
    edit->SetText("說門 文章");
    AddEditorBars(Form, sheet);
    // Every vertical bar named as the stored forms name them, the views'
    // bars too; then the skin for what the layout did not give it.
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* bar = dynamic_cast<TbsSkinScrollBar*>(Form->Components(i))) {
            if (bar->Kind() == sbVertical)
                bar->SetSkinDataName("vscrollbar");
            bar->SetSkinData(&Data);
        }
    button->SetSkinData(&Data);
    edit->SetSkinData(&Data);
    return AddMenuBar(Form, frame, Data);
}
