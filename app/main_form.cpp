// The main window's construction (its layout of skinned controls) and its
// node-manager side: the lists it lends the database module and the article
// tabs it makes and frees.
#include "app/main_form.h"

#include "app/action_module.h"
#include "app/node_editor.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/syn_text_editors_event.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/list_columns.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/place_control.h"
#include "platform/win/focus.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "skin/form/bs_skinned_kinds.h"
#include "skins/program_resources.h"

TMainForm* MainForm = nullptr;

namespace {

template <typename T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, TAlign Align, int Size = 0)
{
    T* control = PlaceControl<T>(Owner, Parent, Align, Size);
    static_cast<TComponent*>(control)->SetName(Name);
    return control;
}

// A view's own skinned bar: the vertical one at the right of the view's
// parent, the horizontal one at its bottom. The view shows each only while
// its items need it.
TbsSkinScrollBar* ViewScrollBar(TComponent* Owner, TWinControl* Parent, TScrollBarKind Kind)
{
    auto* bar = new TbsSkinScrollBar(Owner);
    bar->SetKind(Kind);
    bar->SetParent(Parent);
    if (Kind == sbVertical) {
        bar->SetSkinDataName("vscrollbar");
        bar->SetWidth(19);
        bar->SetAlign(alRight);
    } else {
        bar->SetSkinDataName("hscrollbar");
        bar->SetHeight(19);
        bar->SetAlign(alBottom);
    }
    return bar;
}

TbsSkinListView* AddListView(TComponent* Owner, TWinControl* Parent, const char* Name)
{
    auto* list = new TbsSkinListView(Owner);
    static_cast<TComponent*>(list)->SetName(Name);
    list->SetParent(Parent);
    list->SetAlign(alClient);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->HeaderSkinDataName = "resizebutton";
    list->SetHScrollBar(ViewScrollBar(Owner, Parent, sbHorizontal));
    list->SetVScrollBar(ViewScrollBar(Owner, Parent, sbVertical));
    return list;
}

void AddColumn(TbsSkinListView* List, const char* Caption, int Width)
{
    TListColumn* column = List->Columns()->Add();
    column->SetCaption(Caption);
    column->SetWidth(Width);
}

TbsSkinTabSheet* AddPage(TComponent* Owner, TbsSkinPageControl* Pages, const char* Caption)
{
    auto* sheet = new TbsSkinTabSheet(Owner);
    sheet->SetPageControl(Pages);
    sheet->SetCaption(Caption);
    return sheet;
}

}  // namespace

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner)
{
    MainForm = this;
    SetCaption("Tandril - https://tandril.example.org/");
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    Font()->SetName("Tahoma");

    CreateActions();
    CreateLayout();
    CreateMenus();
    CreateToolBar();
    CreateContextMenus();

    EditorsEvent = new TSynTextEditorsEvent(this);
    EditorsEvent->OnEnter = TNotifyEvent(this, &TMainForm::EditorsEventEnter);
    EditorsEvent->DoEnter = true;
    EditorsEvent->OnStatusChange = TStatusChangeEvent(this, &TMainForm::EditorsEventStatusChange);
    EditorsEvent->DoStatusChange = true;

    OnCreate = TNotifyEvent(this, &TMainForm::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TMainForm::FormCloseQuery);
    OnKeyDown = TKeyEvent(this, &TMainForm::FormKeyDown);
    // Through the frame, which takes Alt+Space for its system menu when the
    // program leaves a key alone.
    bsSkinForm1->OnShortCut = TShortCutEvent(this, &TMainForm::FormShortCut);
    bsSkinForm1->OnSkinMenuOpen = TNotifyEvent(this, &TMainForm::SkinMenuOpen);
    if (Application)
        Application->OnMessage.Add(TMessageEvent(this, &TMainForm::AppMessage));

    // The skin goes on last, as a stored form's properties are set before
    // it shows.
    TbsSkinData* skin = ActionModule->SkinData;
    bsSkinForm1->SetSkinData(skin);
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(Components(i)))
            if (const TbsSkinnedKind* kind = FindSkinnedKind(control))
                kind->SetSkinData(control, skin);
    // The window comes up with the keys in the tree, which shows where they
    // are, not on the tabs above it, which show no mark.
    SetActiveControl(Tree);
    // The client size counts once the frame has taken the window's borders.
    HandleNeeded();
    SetClientWidth(901);
    SetClientHeight(601);
}

TMainForm::~TMainForm()
{
    if (Application)
        Application->OnMessage.Remove(TMessageEvent(this, &TMainForm::AppMessage));
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::CreateLayout()
{
    bsSkinForm1 = new TbsSkinForm(this);
    bsSkinForm1->SetName("bsSkinForm1");
    // The frame keeps the client area at this size through skin changes.
    bsSkinForm1->ClientWidth = 901;
    bsSkinForm1->ClientHeight = 601;
    // A control aligned to the top goes above those already there.
    ToolBar1 = Place<TbsSkinToolBar>(this, this, "ToolBar1", alTop, 25);
    ToolBar1->SetFlat(true);
    // In a window narrower than the buttons, the rest stays in reach.
    ToolBar1->SetCanScroll(true);
    bsSkinMainMenuBar1 = Place<TbsSkinMainMenuBar>(this, this, "bsSkinMainMenuBar1", alTop, 22);
    bsSkinMainMenuBar1->SetSkinForm(bsSkinForm1);
    CreateStatusBar();

    PagePanel = Place<TbsSkinExPanel>(this, this, "PagePanel", alLeft, 222);
    PagePanel->SetCaption("资源管理器");
    PagePanel->SetShowRollButton(true);
    PagePanel->SetShowCloseButton(true);
    PagePanel->OnClose = TNotifyEvent(this, &TMainForm::PagePanelClose);
    CreateLeftPages();
    Splitter1 = Place<TbsSkinSplitter>(this, this, "Splitter1", alLeft, 10);
    Splitter1->SetLeft(PagePanel->Width());
    CreateClientArea();
}

void TMainForm::CreateLeftPages()
{
    LeftPages = Place<TbsSkinPageControl>(this, PagePanel, "LeftPages", alClient);
    TbsSkinTabSheet* treePage = AddPage(this, LeftPages, "数据库");
    TbsSkinTabSheet* searchPage = AddPage(this, LeftPages, "搜索");
    TbsSkinTabSheet* bookmarkPage = AddPage(this, LeftPages, "书签");

    Tree = new TbsSkinTreeView(this);
    Tree->SetName("Tree");
    Tree->SetParent(treePage);
    Tree->SetAlign(alClient);
    Tree->RightClickSelect = true;
    Tree->SetHotTrack(true);
    Tree->SetIndent(19);
    Tree->SetHScrollBar(ViewScrollBar(this, treePage, sbHorizontal));
    Tree->SetVScrollBar(ViewScrollBar(this, treePage, sbVertical));
    Tree->OnDblClick = TNotifyEvent(this, &TMainForm::TreeDblClick);
    Tree->OnKeyDown = TKeyEvent(this, &TMainForm::ViewKeyDown);
    Tree->OnEdited = TTVEditedEvent(this, &TMainForm::TreeEdited);
    Tree->OnExit = TNotifyEvent(this, &TMainForm::TreeExit);

    auto* searchBottom = Place<TbsSkinPanel>(this, searchPage, "SearchPanel", alBottom, 30);
    SearchText = new TbsSkinEdit(this);
    SearchText->SetName("SearchText");
    SearchText->SetParent(searchBottom);
    SearchText->SetBounds(4, 4, 180, 20);
    SearchText->OnKeyDown = TKeyEvent(this, &TMainForm::SearchTextKeyDown);
    SearchButton = new TbsSkinSpeedButton(this);
    SearchButton->SetName("SearchButton");
    SearchButton->SetParent(searchBottom);
    SearchButton->SetBounds(188, 3, 24, 24);
    SearchButton->SetAction(aSynSearch);
    SearchButton->SetShowCaption(false);
    SearchList = AddListView(this, searchPage, "SearchList");
    SearchList->ReadOnly = true;
    AddColumn(SearchList, "文章", 180);
    SearchList->Columns()->Item(0)->SetAutoSize(true);
    SearchList->OnDblClick = TNotifyEvent(this, &TMainForm::SearchListDblClick);
    SearchList->OnKeyDown = TKeyEvent(this, &TMainForm::ViewKeyDown);

    auto* bookmarkBottom = Place<TbsSkinPanel>(this, bookmarkPage, "BookMarkPanel", alBottom, 30);
    TBasicAction* bookmarkActions[] = {aSynAddBookmark, aDelBookmark, aSynUpdateBookmark};
    for (int i = 0; i < 3; ++i) {
        auto* button = new TbsSkinSpeedButton(this);
        button->SetParent(bookmarkBottom);
        button->SetBounds(4 + i * 64, 3, 60, 24);
        button->SetAction(bookmarkActions[i]);
    }
    BookMarkList = AddListView(this, bookmarkPage, "BookMarkList");
    AddColumn(BookMarkList, "名称", 100);
    AddColumn(BookMarkList, "文章", 99);
    BookMarkList->OnDblClick = TNotifyEvent(this, &TMainForm::BookMarkListDblClick);
    BookMarkList->OnKeyDown = TKeyEvent(this, &TMainForm::ViewKeyDown);
    BookMarkList->OnEdited = TLVEditedEvent(this, &TMainForm::BookMarkListEdited);
    BookMarkList->OnExit = TNotifyEvent(this, &TMainForm::BookMarkListExit);
    LeftPages->SetActivePageIndex(0);
    LeftPages->OnChange = TNotifyEvent(this, &TMainForm::LeftPagesChange);
    LeftPages->OnMouseDown = TMouseEvent(this, &TMainForm::TabsMouseDown);
}

void TMainForm::CreateClientArea()
{
    ClientPanel = Place<TbsSkinPanel>(this, this, "ClientPanel", alClient);
    ClientPanel->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    ListPanel = Place<TbsSkinExPanel>(this, ClientPanel, "ListPanel", alBottom, 148);
    ListPanel->SetCaption("附件管理器");
    ListPanel->SetShowRollButton(true);
    ListPanel->SetShowCloseButton(true);
    ListPanel->OnClose = TNotifyEvent(this, &TMainForm::ListPanelClose);
    Splitter2 = Place<TbsSkinSplitter>(this, ClientPanel, "Splitter2", alBottom, 10);
    Splitter2->SetSkinDataName("hsplitter");
    Splitter2->SetTop(ClientPanel->Height() - ListPanel->Height() - 10);
    PageControl = Place<TbsSkinPageControl>(this, ClientPanel, "PageControl", alClient);
    PageControl->SetVisible(false);
    PageControl->OnChange = TNotifyEvent(this, &TMainForm::PageControlChange);
    PageControl->OnMouseDown = TMouseEvent(this, &TMainForm::TabsMouseDown);
    TabImageList = new TImageList(this);
    TabImageList->SetName("TabImageList");
    EnsureProgramResources();
    TBitmap pictures;
    pictures.LoadFromResourceName("tabs.bmp");
    TabImageList->Add(&pictures, nullptr);
    PageControl->SetImages(TabImageList);

    List = AddListView(this, ListPanel, "List");
    List->SetMultiSelect(true);
    AddColumn(List, "标题", 200);
    AddColumn(List, "大小", 80);
    AddColumn(List, "加入时间", 150);
    List->OnDblClick = TNotifyEvent(this, &TMainForm::ListDblClick);
    List->OnEdited = TLVEditedEvent(this, &TMainForm::ListEdited);
    List->OnExit = TNotifyEvent(this, &TMainForm::ListExit);
}

void TMainForm::CreateStatusBar()
{
    StatusBar = Place<TbsSkinStatusBar>(this, this, "StatusBar", alBottom, 21);
    const int widths[] = {101, 100, 40, 40, 144};
    int left = 0;
    for (int i = 0; i < 6; ++i) {
        auto* panel = new TbsSkinStatusPanel(this);
        panel->SetName(AnsiString("StatusPanel") + std::to_string(i + 1));
        panel->SetParent(StatusBar);
        if (i < 5) {
            panel->SetBounds(left, 0, widths[i], StatusBar->ClientHeight());
            panel->SetAlign(alLeft);
            left += widths[i];
        } else {
            panel->SetAlign(alClient);
        }
        StatusPanels[i] = panel;
    }
    bsSkinForm1->StatusBar = StatusBar;
}

// ---- INodeManager ----

TCustomTreeView* TMainForm::GetNodeTree() { return Tree; }
TCustomListView* TMainForm::GetBookMarkList() { return BookMarkList; }
TCustomListView* TMainForm::GetAttachmentList() { return List; }
TCustomListView* TMainForm::GetSearchList() { return SearchList; }

void TMainForm::ShowHint(const AnsiString& Text)
{
    StatusPanels[5]->SetCaption(Text);
    StatusBar->Repaint();
}

TCustomSynTextEditor* TMainForm::CreateEditor()
{
    ++EditorCounter;
    auto* frame = new TNodeEditor(this);
    frame->SetName("NodeEditor" + std::to_string(EditorCounter));
    auto* sheet = new TbsSkinTabSheet(this);
    frame->SetTabSheet(sheet);
    sheet->SetPageControl(PageControl);
    frame->SetParent(sheet);
    frame->SetAlign(alClient);
    GlobalSynManager()->AddEditor(frame->SynTextEditor1);
    UpdatePageControl();
    PageControl->SetActivePage(sheet);
    if (frame->SynTextEditor1->CanFocus())
        frame->SynTextEditor1->SetFocus();
    return frame->SynTextEditor1;
}

void TMainForm::RemoveEditor(TCustomSynTextEditor* Editor)
{
    // The sheet owns nothing: the frame (with the editor) goes first, then
    // its sheet.
    TbsSkinTabSheet* sheet = TabSheetOf(Editor);
    auto* frame = static_cast<TWinControl*>(Editor->Owner());
    const bool hadFocus = frame->ContainsControl(FindControl(GetFocus()));
    delete frame;
    delete sheet;
    UpdatePageControl();
    // No editor is left for the panels to speak of.
    if (PageControl->PageCount() == 0)
        for (int i = 0; i < 5; ++i)
            StatusPanels[i]->SetCaption("");
    // The article whose tab comes up in its place is the one the commands
    // and the panels speak of, and takes the keys the closed one had.
    TCustomSynTextEditor* shown = ShownEditor();
    if (!shown)
        return;
    if (hadFocus && shown->CanFocus())
        shown->SetFocus();
    if (shown != GetActiveEditor())
        EditorsEventEnter(shown);
}

TbsSkinTabSheet* TMainForm::TabSheetOf(TCustomSynTextEditor* Editor)
{
    auto* frame = dynamic_cast<TNodeEditor*>(Editor->Owner());
    return frame ? static_cast<TbsSkinTabSheet*>(frame->TabSheet()) : nullptr;
}

TCustomSynTextEditor* TMainForm::ShownEditor()
{
    TTabSheet* sheet = PageControl->ActivePage();
    for (int i = 0; sheet && i < GetEditorCount(); ++i)
        if (TCustomSynTextEditor* editor = GlobalSynManager()->GetEditors(i); TabSheetOf(editor) == sheet)
            return editor;
    return nullptr;
}

void TMainForm::UpdatePageControl() { PageControl->SetVisible(PageControl->PageCount() > 0); }

int TMainForm::GetEditorCount()
{
    TSynCustomManager* manager = GlobalSynManager();
    return manager ? manager->GetEditorCount() : 0;
}

INodeEditor* TMainForm::GetEditors(int Index) { return NodeEditorOf(GlobalSynManager()->GetEditors(Index)); }

TCustomSynTextEditor* TMainForm::GetActiveEditor()
{
    TSynCustomManager* manager = GlobalSynManager();
    return manager ? manager->SynTextEditor() : nullptr;
}
