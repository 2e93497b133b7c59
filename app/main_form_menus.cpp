// The main window's five menus, its tool bar and its three context menus,
// built in code; the database module's entries take their actions when
// the module is linked.
#include "app/about_form.h"
#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/menu_building.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/actions/syn_actions_bookmarks.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor_services/actions/syn_actions_search.h"
#include "editor_services/actions/syn_actions_select.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/win/virtual_keys.h"
#include "skin/form/bs_skin_main_menu.h"

namespace {

// The database module's actions, by the entries that show them.
#define TANDRIL_MODULE_ACTION(Name) [](TDBModule* Module) -> TBasicAction* { return Module->Name; }

template <typename... Actions>
void AddItems(TMenuItem* Parent, Actions*... List)
{
    (AddActionItem(Parent, List), ...);
}

constexpr int ToolButtonWidth = 23, ToolButtonHeight = 22, ToolSeparatorWidth = 8;

}  // namespace

void TMainForm::AddModuleItem(TMenuItem* Parent, TBasicAction* (*Action)(TDBModule* Module))
{
    moduleLinks_.push_back({AddActionItem(Parent, nullptr), nullptr, Action});
}

void TMainForm::CreateMenus()
{
    MainMenu = new TMainMenu(this);
    MainMenu->SetName("MainMenu");
    TActionModule* m = ActionModule;
    TMenuItem* root = MainMenu->Items();

    TMenuItem* file = AddSubmenu(root, "文件(&F)");
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aNewDB));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aOpenDB));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aCompactDB));
    AddSeparator(file);
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aNewNodeA));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aNewNodeB));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aCloseNode));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aCloseAllNode));
    AddSeparator(file);
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aSaveNode));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aSaveAllNode));
    AddItems(AddSubmenu(file, "文章导入导出"), m->aSynExporterHtml, m->aSynExporterRTL, m->aSynExporterTex);
    AddSeparator(file);
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aNodeAttr));
    AddModuleItem(file, TANDRIL_MODULE_ACTION(aDeleteNode));
    AddSeparator(file);
    AddItems(file, m->aSynPrint, m->aSynQuickPrint, m->aSynPreview, m->aSynPageSetup);
    AddSeparator(file);
    AddSubmenu(file, "退出(&E)")->OnClick = TNotifyEvent::FromCallable([this](TObject*) { Close(); });

    TMenuItem* edit = AddSubmenu(root, "编辑(&E)");
    AddItems(edit, m->aSynUndo, m->aSynRedo);
    AddSeparator(edit);
    AddItems(edit, m->aSynCut, m->aSynAppendCut, m->aSynCopy, m->aSynAppendCopy, m->aSynPaste);
    AddSeparator(edit);
    AddActionItem(edit, m->aSynDeleteNextchar);
    AddItems(AddSubmenu(edit, "清除更多内容"), m->aSynDeleteLine, m->aSynDeleteLineToEnd, m->aSynDeleteLineToStart,
             m->aSynDeleteWord, m->aSynDeleteWordToEnd, m->aSynDeleteWordToStart, m->aSynClearAll);
    AddSeparator(edit);
    AddItems(edit, m->aSynInsertFile, m->aSynSelectAll);
    AddItems(AddSubmenu(edit, "选定更多内容"), m->aSynSelectLine, m->aSynSelectLastLine, m->aSynSelectNextLine,
             m->aSynSelectWrod, m->aSynSelectLastWord, m->aSynSelectNextWord);
    AddItems(AddSubmenu(edit, "选择方式"), m->aSynNormalSelect, m->aSynLineSelect, m->aSynColumnSelect);
    AddSeparator(edit);
    AddActionItem(edit, m->aSynReadOnly);
    AddSeparator(edit);
    AddItems(edit, m->aSynBlockIndent, m->aSynBlockUnindent);
    AddItems(AddSubmenu(edit, "字母格式化"), m->aSynUpperCase, m->aSynLowerCase, m->aSynTitleCase,
             m->aSynToggleCase);
    AddSeparator(edit);
    AddActionItem(edit, m->aSynOptionsSetting);

    TMenuItem* search = AddSubmenu(root, "搜索(&S)");
    AddItems(search, m->aSynFind, m->aSynFindNext, m->aSynFindLast, m->aSynFindNextWord, m->aSynFindLastWord);
    AddSeparator(search);
    AddItems(search, m->aSynReplace, m->aSynReplaceNext, m->aSynReplaceLast);
    AddSeparator(search);
    AddItems(search, m->aSynJump, m->aSynMatchBracket, m->aSynGotoLastChange);
    AddSeparator(search);
    TMenuItem* gotoMarks = AddSubmenu(search, "跳转书签标记");
    TMenuItem* setMarks = AddSubmenu(search, "切换书签标记");
    for (int i = 0; i < 10; ++i) {
        AddActionItem(gotoMarks, m->aSynGotoBookmark[i]);
        AddActionItem(setMarks, m->aSynSetBookmark[i]);
    }
    AddActionItem(search, m->aSynClearBookmark);

    TMenuItem* view = AddSubmenu(root, "查看(&V)");
    AddActionItem(view, m->aSynToggleHighlighter);
    AddSeparator(view);
    AddItems(view, aSynShowToolbar, aSynShowStatusbar, aSynShowAttaList, aSynShowTree);
    AddSeparator(view);
    AddItems(AddSubmenu(view, "界面外观"), m->aSkin1, m->aSkin2, m->aSkin3, m->aSkin4);

    TMenuItem* about = AddSubmenu(AddSubmenu(root, "帮助(&H)"), "关于Tandril(&H)...");
    about->SetShortCut(ShortCut(VK_F1, {}));
    about->OnClick = TNotifyEvent::FromCallable([this](TObject*) { ShowAboutBox(this); });

    bsSkinMainMenuBar1->SetMainMenu(MainMenu);
}

TbsSkinSpeedButton* TMainForm::AddToolButton(TBasicAction* Action)
{
    int left = 0;
    if (!ToolButtons.empty())
        left = ToolButtons.back()->Left() + ToolButtons.back()->Width();
    auto* button = new TbsSkinSpeedButton(this);
    button->SetParent(ToolBar1);
    button->SetBounds(left + pendingSeparator_, 0, ToolButtonWidth, ToolButtonHeight);
    pendingSeparator_ = 0;
    button->SetFlat(true);
    button->SetShowCaption(false);
    if (Action)
        button->SetAction(Action);
    // The tool bar's pictures are one strip in the order of the buttons.
    button->SetImageIndex(static_cast<int>(ToolButtons.size()));
    ToolButtons.push_back(button);
    return button;
}

void TMainForm::AddModuleButton(TBasicAction* (*Action)(TDBModule* Module))
{
    moduleLinks_.push_back({nullptr, AddToolButton(nullptr), Action});
}

void TMainForm::AddToolSeparator() { pendingSeparator_ = ToolSeparatorWidth; }

void TMainForm::CreateToolBar()
{
    TActionModule* m = ActionModule;
    ToolBar1->SetImages(m->HotImageList);
    ToolBar1->SetHotImages(m->HotImageList);
    ToolBar1->SetDisabledImages(m->DisabledImageList);
    AddModuleButton(TANDRIL_MODULE_ACTION(aNewDB));
    AddModuleButton(TANDRIL_MODULE_ACTION(aOpenDB));
    AddToolSeparator();
    AddModuleButton(TANDRIL_MODULE_ACTION(aNewNodeB));
    AddModuleButton(TANDRIL_MODULE_ACTION(aNewNodeA));
    AddModuleButton(TANDRIL_MODULE_ACTION(aSaveNode));
    AddModuleButton(TANDRIL_MODULE_ACTION(aSaveAllNode));
    AddModuleButton(TANDRIL_MODULE_ACTION(aCloseNode));
    AddModuleButton(TANDRIL_MODULE_ACTION(aCloseAllNode));
    AddToolSeparator();
    TBasicAction* const groups[][5] = {
        {m->aSynPreview, m->aSynPrint},
        {m->aSynUndo, m->aSynRedo, m->aSynCut, m->aSynCopy, m->aSynPaste},
        {m->aSynFind, m->aSynFindNext, m->aSynReplace},
        {m->aSynBlockIndent, m->aSynBlockUnindent},
        {aSynShowTree, aSynShowAttaList, m->aSynReadOnly, m->aSynToggleHighlighter, m->aSynOptionsSetting},
        {m->aSynPageSetup},
    };
    for (const auto& group : groups) {
        for (TBasicAction* action : group)
            if (action)
                AddToolButton(action);
        AddToolSeparator();
    }
    ShowTreeButton = ToolButtons[ToolButtons.size() - 6];
    ShowAttaListButton = ToolButtons[ToolButtons.size() - 5];
    // The search button's picture follows the tool bar's.
    SearchButton->SetImageList(m->HotImageList);
    SearchButton->SetImageIndex(static_cast<int>(ToolButtons.size()));
}

void TMainForm::CreateContextMenus()
{
    ListPopupMenu = new TbsSkinPopupMenu(this);
    ListPopupMenu->SetName("ListPopupMenu");
    TMenuItem* list = ListPopupMenu->Items();
    AddModuleItem(list, TANDRIL_MODULE_ACTION(aAddAttachment));
    AddActionItem(list, aSynRenameAtta);
    AddModuleItem(list, TANDRIL_MODULE_ACTION(aSaveAttachment));
    AddModuleItem(list, TANDRIL_MODULE_ACTION(aDeleteAttachment));
    AddModuleItem(list, TANDRIL_MODULE_ACTION(aOpenAttachment));
    List->SetPopupMenu(ListPopupMenu);

    TreePopupMenu = new TbsSkinPopupMenu(this);
    TreePopupMenu->SetName("TreePopupMenu");
    TMenuItem* tree = TreePopupMenu->Items();
    AddModuleItem(tree, TANDRIL_MODULE_ACTION(aOpenDB));
    AddModuleItem(tree, TANDRIL_MODULE_ACTION(aNewNodeA));
    AddModuleItem(tree, TANDRIL_MODULE_ACTION(aNewNodeB));
    AddModuleItem(tree, TANDRIL_MODULE_ACTION(aDeleteNode));
    AddModuleItem(tree, TANDRIL_MODULE_ACTION(aNodeAttr));
    Tree->SetPopupMenu(TreePopupMenu);

    BookMarkPopupMenu = new TbsSkinPopupMenu(this);
    BookMarkPopupMenu->SetName("BookMarkPopupMenu");
    AddItems(BookMarkPopupMenu->Items(), aSynAddBookmark, aDelBookmark, aSynUpdateBookmark);
    BookMarkList->SetPopupMenu(BookMarkPopupMenu);
}

void TMainForm::LinkDBModule(TDBModule* Module)
{
    dbModule_ = Module;
    Module->FreeNotification(this);
    Tree->SetImages(Module->ImageList);
    for (const TModuleLink& link : moduleLinks_) {
        if (link.Item) {
            link.Item->SetAction(link.Action(Module));
        } else {
            // The action lends its caption as the button's hint, not as a
            // face text, and keeps the button's picture.
            const int image = link.Button->ImageIndex();
            link.Button->SetAction(link.Action(Module));
            link.Button->SetImageIndex(image);
        }
    }
}
