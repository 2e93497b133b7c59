// The main window's own actions and its handlers: the editors' events
// shown in the status bar and the tab icons, the gestures on the tree and
// the lists handed to the database module, the side areas shown and
// hidden, and the start and end of the window.
#include <cstdint>

#include "app/action_making.h"
#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/node_editor.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"

namespace {

int IdOf(void* Data) { return static_cast<int>(reinterpret_cast<intptr_t>(Data)); }

// Posted to the window after a view opened an article or an article's tab
// was picked: the current article takes the focus once the press or the
// key is over. The same for a left-hand page and its first control.
constexpr UINT WM_FOCUSOPENEDEDITOR = WM_APP + 1;
constexpr UINT WM_FOCUSLEFTPAGE = WM_APP + 2;

template <typename F>
TNotifyEvent Handler(F Action)
{
    return TNotifyEvent::FromCallable([Action](TObject*) { Action(); });
}

// A show-and-hide action: checked while its control is visible.
void FollowVisible(TAction* Action, TControl* Control)
{
    Action->OnUpdate = TNotifyEvent::FromCallable([Action, Control](TObject*) {
        Action->SetChecked(Control->Visible());
    });
}

}  // namespace

void TMainForm::CreateActions()
{
    FormActions = new TActionList(this);
    FormActions->SetName("FormActions");
    TActionList* list = FormActions;

    aSynAddBookmark = MakeAction<TSynTextAction>(this, list, "aSynAddBookmark", "添加");
    aSynAddBookmark->OnExecute = TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText* Editor) {
        if (dbModule_)
            dbModule_->BeginAddBookmark(dynamic_cast<TCustomSynTextEditor*>(Editor));
    });
    aDelBookmark = MakeAction<TAction>(this, list, "aDelBookmark", "删除");
    aDelBookmark->SetOnExecute(Handler([this] {
        TListItem* item = BookMarkList->Selected();
        if (!dbModule_ || !item)
            return;
        // The item goes once its row did.
        dbModule_->DeleteBookmark(static_cast<int>(reinterpret_cast<intptr_t>(item->Data)));
        item->Delete();
    }));
    aDelBookmark->OnUpdate = Handler([this] { aDelBookmark->SetEnabled(BookMarkList->Selected() != nullptr); });
    aSynUpdateBookmark = MakeAction<TAction>(this, list, "aSynUpdateBookmark", "刷新");
    aSynUpdateBookmark->SetOnExecute(Handler([this] {
        if (dbModule_)
            dbModule_->LoadBookmarks();
    }));
    aSynRenameAtta = MakeAction<TSynTextAction>(this, list, "aSynRenameAtta", "附件重命名(&R)");
    aSynRenameAtta->OnExecute = TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText*) {
        if (TListItem* item = List->Selected())
            item->EditCaption();
    });
    aSynRenameAtta->OnUpdate = TSynTextUpdateEvent::FromCallable(
        [this](TObject*, TCustomSynText*) { return List->Selected() != nullptr; });
    aSynSearch = MakeAction<TAction>(this, list, "aSynSearch", "");
    aSynSearch->SetOnExecute(Handler([this] { dbModule_->SearchNodes(SearchText->Text()); }));
    aSynSearch->OnUpdate = Handler([this] {
        aSynSearch->SetEnabled(dbModule_ && dbModule_->Connected() && !SearchText->Text().empty());
    });

    // Checked as the controls start: visible.
    aSynShowToolbar = MakeAction<TAction>(this, list, "aSynShowToolbar", "显示工具栏");
    aSynShowToolbar->SetChecked(true);
    aSynShowToolbar->SetOnExecute(Handler([this] { ToolBar1->SetVisible(!aSynShowToolbar->Checked()); }));
    aSynShowStatusbar = MakeAction<TAction>(this, list, "aSynShowStatusbar", "显示状态条");
    aSynShowStatusbar->SetChecked(true);
    aSynShowStatusbar->SetOnExecute(Handler([this] { StatusBar->SetVisible(!aSynShowStatusbar->Checked()); }));
    aSynShowAttaList = MakeAction<TAction>(this, list, "aSynShowAttaList", "显示附件区域");
    aSynShowAttaList->SetChecked(true);
    aSynShowAttaList->SetOnExecute(Handler([this] { ShowAttachmentArea(!aSynShowAttaList->Checked()); }));
    aSynShowTree = MakeAction<TAction>(this, list, "aSynShowTree", "显示工作区域");
    aSynShowTree->SetChecked(true);
    aSynShowTree->SetOnExecute(Handler([this] { ShowTreeArea(!aSynShowTree->Checked()); }));
}

void TMainForm::FormCreate(TObject*)
{
    FollowVisible(aSynShowToolbar, ToolBar1);
    FollowVisible(aSynShowStatusbar, StatusBar);
    FollowVisible(aSynShowAttaList, ListPanel);
    FollowVisible(aSynShowTree, PagePanel);
    ActionModule->Manager->LoadSettings();
}

void TMainForm::ShowAttachmentArea(bool Show)
{
    ListPanel->SetVisible(Show);
    Splitter2->SetVisible(Show);
    if (Show)
        Splitter2->SetTop(ClientPanel->Height() - ListPanel->Height());
    aSynShowAttaList->SetChecked(Show);
}

void TMainForm::ShowTreeArea(bool Show)
{
    PagePanel->SetVisible(Show);
    Splitter1->SetVisible(Show);
    if (Show)
        Splitter1->SetLeft(PagePanel->Width());
    aSynShowTree->SetChecked(Show);
}

void TMainForm::PagePanelClose(TObject*)
{
    Splitter1->SetVisible(false);
    aSynShowTree->SetChecked(false);
    if (ShowTreeButton)
        ShowTreeButton->SetDown(false);
}

void TMainForm::ListPanelClose(TObject*)
{
    Splitter2->SetVisible(false);
    aSynShowAttaList->SetChecked(false);
    if (ShowAttaListButton)
        ShowAttaListButton->SetDown(false);
}

// ---- The editors' events ----

void TMainForm::EditorsEventEnter(TObject* Sender)
{
    auto* editor = dynamic_cast<TCustomSynTextEditor*>(Sender);
    if (!editor)
        return;
    GlobalSynManager()->SetSynTextEditor(editor);
    if (INodeEditor* frame = NodeEditorOf(editor); frame && dbModule_)
        dbModule_->LoadAttachments(frame->GetNodeID());
    // The panels speak of the article now current before its caret moves.
    EditorsEventStatusChange(editor, {scAll});
}

void TMainForm::PageControlChange(TObject*)
{
    if (TCustomSynTextEditor* editor = ShownEditor())
        EditorsEventEnter(editor);
    // Ctrl+Tab leaves the keyboard on the tabs when the page that had it
    // goes out of sight.
    if (PageControl->Focused())
        FocusPickedPage(PageControl);
}

void TMainForm::LeftPagesChange(TObject*)
{
    if (LeftPages->Focused())
        FocusPickedPage(LeftPages);
}

void TMainForm::TabsMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    // The tabs take the focus from the press, the page's own tab too.
    auto* pages = static_cast<TbsSkinPageControl*>(Sender);
    if (Button == mbLeft && pages->IndexOfTabAt(X, Y) >= 0)
        FocusPickedPage(pages);
}

void TMainForm::FocusPickedPage(TbsSkinPageControl* Pages)
{
    // After the tabs are done with the press or the key.
    PostMessage(Handle(), Pages == PageControl ? WM_FOCUSOPENEDEDITOR : WM_FOCUSLEFTPAGE, 0, 0);
}

void TMainForm::EditorsEventStatusChange(TObject* Sender, TSynStatusChanges)
{
    auto* editor = dynamic_cast<TCustomSynTextEditor*>(Sender);
    if (!editor)
        return;
    if (TbsSkinTabSheet* sheet = TabSheetOf(editor))
        sheet->SetImageIndex(editor->ReadOnly() ? 2 : editor->Modified() ? 1 : 0);
    StatusPanels[0]->SetCaption("行 " + std::to_string(editor->DisplayY()));
    StatusPanels[1]->SetCaption("列 " + std::to_string(editor->DisplayX()));
    StatusPanels[2]->SetCaption(editor->Modified() ? "修改" : "正常");
    StatusPanels[3]->SetCaption(editor->ReadOnly() ? "只读" : editor->InsertMode() ? "插入" : "覆写");
    TSynCustomHighlighter* highlighter = editor->Highlighter();
    StatusPanels[4]->SetCaption(highlighter ? highlighter->GetFriendlyLanguageName() : AnsiString("[不显示语法高亮]"));
}

// ---- The tree and the lists ----

void TMainForm::ViewKeyDown(TObject* Sender, WORD& Key, TShiftState Shift)
{
    auto* view = static_cast<TControl*>(Sender);
    if (Key != VK_RETURN || !Shift.Empty() || !view->OnDblClick)
        return;
    Key = 0;
    // With nothing selected the view still shows the focus on a row (a list
    // reached by Tab, the tree on a fresh start): Enter takes that row, as
    // the user sees it as the current one.
    if (auto* list = dynamic_cast<TCustomListView*>(view); list && !list->Selected() && list->Items()->Count() > 0)
        list->SetSelected(list->ItemFocused() ? list->ItemFocused() : list->Items()->Item(0));
    if (auto* tree = dynamic_cast<TCustomTreeView*>(view); tree && !tree->Selected())
        tree->SetSelected(tree->Items()->GetFirstNode());
    view->OnDblClick(view);
}

void TMainForm::SearchTextKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (Key != VK_RETURN || !Shift.Empty())
        return;
    Key = 0;
    aSynSearch->Execute();
}

void TMainForm::TreeDblClick(TObject*)
{
    TTreeNode* node = Tree->Selected();
    if (node && node->ImageIndex() != 0)
        OpenNodeFromView(IdOf(node->Data));
}

void TMainForm::OpenNodeFromView(int Id)
{
    if (dbModule_ && dbModule_->OpenNode(Id))
        PostMessage(Handle(), WM_FOCUSOPENEDEDITOR, 0, 0);
}

void TMainForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_FOCUSOPENEDEDITOR) {
        if (INodeEditor* frame = NodeEditorOf(GetActiveEditor()))
            frame->Activate();
    } else if (Message.Msg == WM_FOCUSLEFTPAGE) {
        TTabSheet* page = LeftPages->ActivePage();
        if (TWinControl* first = page ? page->FindNextControl(nullptr, true, true, false) : nullptr)
            first->SetFocus();
    } else {
        TForm::Dispatch(Message);
    }
}

void TMainForm::TreeEdited(TObject*, TTreeNode* Node, AnsiString& S)
{
    if (dbModule_)
        dbModule_->RenameNode(Node, S);
}

void TMainForm::TreeExit(TObject*)
{
    if (TTreeNode* node = Tree->EditingNode())
        node->EndEdit(true);
}

void TMainForm::SearchListDblClick(TObject*)
{
    if (TListItem* item = SearchList->Selected())
        OpenNodeFromView(IdOf(item->Data));
}

void TMainForm::BookMarkListDblClick(TObject*)
{
    if (TListItem* item = BookMarkList->Selected(); item && dbModule_) {
        dbModule_->GotoBookmark(item);
        PostMessage(Handle(), WM_FOCUSOPENEDEDITOR, 0, 0);
    }
}

void TMainForm::BookMarkListEdited(TObject*, TListItem* Item, AnsiString& S)
{
    if (dbModule_)
        dbModule_->BookmarkEdited(Item, S);
}

void TMainForm::BookMarkListExit(TObject*)
{
    if (dbModule_)
        dbModule_->BookmarkListExit();
}

void TMainForm::ListDblClick(TObject*)
{
    if (TListItem* item = List->Selected(); item && dbModule_)
        dbModule_->OpenAttachment(IdOf(item->Data));
}

void TMainForm::ListEdited(TObject*, TListItem* Item, AnsiString& S)
{
    if (dbModule_)
        dbModule_->RenameAttachment(Item, S);
}

void TMainForm::ListExit(TObject*)
{
    if (List->SelCount() > 0 && List->IsEditing())
        List->EndEditing(true);
}

// ---- The window's end ----

void TMainForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == dbModule_)
        dbModule_ = nullptr;
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) { CanClose = !dbModule_ || dbModule_->CloseAllNodes(); }

namespace {

void InitiateItemActions(TMenuItem* Parent)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        item->InitiateAction();
        InitiateItemActions(item);
    }
}

// The menus among Owner's components and those of the frames it owns.
void InitiateMenuActions(TComponent* Owner)
{
    for (int i = 0; i < Owner->ComponentCount(); ++i) {
        TComponent* component = Owner->Components(i);
        if (auto* menu = dynamic_cast<TMenu*>(component))
            InitiateItemActions(menu->Items());
        else if (dynamic_cast<TNodeEditor*>(component))
            InitiateMenuActions(component);
    }
}

}  // namespace

void TMainForm::SkinMenuOpen(TObject*) { InitiateMenuActions(this); }

bool TMainForm::IsShortCut(TMessage& Message)
{
    const TShortCut shortCut = KeyMessageShortCut(Message);
    WORD key = 0;
    TShiftState shift;
    ShortCutToKey(shortCut, key, shift);
    TControl* focused = FindControl(GetFocus());
    // A text box keeps its own editing keys, whatever they run elsewhere.
    if (dynamic_cast<TCustomEdit*>(focused) && TCustomEdit::IsEditingKey(key, shift))
        return false;
    // The keys of the actions that change an article's text or its
    // read-only state, or copy its selection, are the article's only while
    // it has the focus: in the tree, a list, a tab strip or the search box
    // they are that control's, and an article out of sight is never
    // changed or copied by them.
    if (!dynamic_cast<TCustomSynTextEditor*>(focused) && RunsArticleOnlyKey(shortCut))
        return false;
    return TForm::IsShortCut(Message);
}

bool TMainForm::RunsArticleOnlyKey(TShortCut Key) const
{
    // The main menu holds every key of the editor actions: its item's
    // action is what the key runs.
    TMenuItem* item = MainMenu->FindItem(Key, fkShortCut);
    auto* action = item ? dynamic_cast<TSynBaseAction*>(item->Action()) : nullptr;
    return action && action->TakesKeysOnlyInTheEditor();
}

void TMainForm::AppMessage(MSG& Msg, bool&)
{
    // Posted to whichever window has the focus, an article or a text box of
    // any dialog, after the characters of the same key that were typed.
    if (Msg.message == WM_UNICHAR)
        ShowHint("输入的字符 U+" + IntToHex(static_cast<uint32_t>(Msg.wParam), 4) + " 无法用 GBK 表示，没有输入。");
}

void TMainForm::FormShortCut(TMessage& Msg, bool& Handled)
{
    // The menu shows in the skinned bar, not as the form's own menu, so the
    // idle updates pass its items by: the key's item brings its action up
    // to date before the menu decides whether it is enabled.
    const TShortCut key = KeyMessageShortCut(Msg);
    if (key == scNone)
        return;
    TMenuItem* item = MainMenu->FindItem(key, fkShortCut);
    if (!item)
        return;
    item->InitiateAction();
    // In an article the key is its item's even while the item is disabled:
    // let through, it would reach the editor as a command of the editor's
    // own (Ctrl+Y deletes the line where the menu's Ctrl+Y redoes). A text
    // box keeps its own editing keys when the item is disabled.
    Handled = MainMenu->IsShortCut(Msg) || dynamic_cast<TCustomSynTextEditor*>(ActiveControl()) != nullptr;
}
