// TMainForm: the program's one window. The tree, search and bookmark pages
// on the left, a tab per open article with the attachment list below it on
// the right, the menu bar, tool bar and status bar, all skinned. It is the
// database module's node manager and hands the user's gestures to it.
#pragma once

#include <vector>

#include "app/node_manager.h"
#include "editor/syn_custom_text_types.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/shortcuts.h"

class TAction;
class TActionList;
class TBasicAction;
class TDBModule;
class TImageList;
class TListItem;
class TMainMenu;
class TMenuItem;
class TSynTextAction;
class TSynTextEditorsEvent;
class TTreeNode;
class TbsSkinEdit;
class TbsSkinExPanel;
class TbsSkinForm;
class TbsSkinListView;
class TbsSkinMainMenuBar;
class TbsSkinPageControl;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinSpeedButton;
class TbsSkinSplitter;
class TbsSkinStatusBar;
class TbsSkinStatusPanel;
class TbsSkinTabSheet;
class TbsSkinToolBar;
class TbsSkinTreeView;
class TCustomSynText;

class TMainForm : public TForm, public INodeManager {
public:
    // Reads the action module's actions, images and skin when there is one;
    // the settings manager loads every editor setting once the window is
    // built.
    explicit TMainForm(TComponent* Owner);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // The database module comes after the window: its actions join the
    // menus, the tool bar and the context menus here, and the window's
    // gestures reach it from now on.
    void LinkDBModule(TDBModule* Module);
    TDBModule* DBModule() const { return dbModule_; }

    // INodeManager
    TCustomTreeView* GetNodeTree() override;
    TCustomListView* GetBookMarkList() override;
    TCustomListView* GetAttachmentList() override;
    TCustomListView* GetSearchList() override;
    // Status panel 6, repainted at once.
    void ShowHint(const AnsiString& Text) override;
    TCustomSynTextEditor* CreateEditor() override;
    void RemoveEditor(TCustomSynTextEditor* Editor) override;
    int GetEditorCount() override;
    INodeEditor* GetEditors(int Index) override;
    TCustomSynTextEditor* GetActiveEditor() override;

    // The layout.
    TbsSkinForm* bsSkinForm1;
    TbsSkinMainMenuBar* bsSkinMainMenuBar1;
    TMainMenu* MainMenu;
    TbsSkinToolBar* ToolBar1;
    TbsSkinExPanel* PagePanel;
    TbsSkinPageControl* LeftPages;
    TbsSkinTreeView* Tree;
    TbsSkinListView* SearchList;
    TbsSkinEdit* SearchText;
    TbsSkinListView* BookMarkList;
    TbsSkinSplitter* Splitter1;
    TbsSkinPanel* ClientPanel;
    TbsSkinPageControl* PageControl;
    TbsSkinSplitter* Splitter2;
    TbsSkinExPanel* ListPanel;
    TbsSkinListView* List;
    TbsSkinStatusBar* StatusBar;
    TbsSkinStatusPanel* StatusPanels[6];
    TSynTextEditorsEvent* EditorsEvent;
    // The tabs' pictures: 0 normal, 1 modified, 2 read-only.
    TImageList* TabImageList;
    TbsSkinPopupMenu* ListPopupMenu;
    TbsSkinPopupMenu* TreePopupMenu;
    // The bookmark list's: its page's three buttons by keyboard.
    TbsSkinPopupMenu* BookMarkPopupMenu;

    // The window's own actions.
    TActionList* FormActions;
    TSynTextAction* aSynAddBookmark;
    TAction* aDelBookmark;
    TAction* aSynUpdateBookmark;
    TSynTextAction* aSynRenameAtta;
    TAction* aSynSearch;
    TAction* aSynShowToolbar;
    TAction* aSynShowStatusbar;
    TAction* aSynShowAttaList;
    TAction* aSynShowTree;

    // Handlers, as the stored form binds them.
    void EditorsEventEnter(TObject* Sender);
    void EditorsEventStatusChange(TObject* Sender, TSynStatusChanges Changes);
    // F6 and Shift+F6: the focus to the next or previous pane.
    void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    // A tab the user picks makes its article the current one, as entering
    // its editor does (the attachment list and the status bar follow).
    void PageControlChange(TObject* Sender);
    // A page picked on its tabs, by a click or by keys (Ctrl+Tab, the
    // arrows), takes the keyboard: its article, or the first control of a
    // left-hand page. The tabs show no mark of a focus of their own, and
    // what is typed next is meant for the page.
    void LeftPagesChange(TObject* Sender);
    void TabsMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void FocusPickedPage(TbsSkinPageControl* Pages);
    // Enter on the tree or a list does what a double click on its item
    // does: a keyboard user opens articles and goes to bookmarks so.
    void ViewKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    // Enter in the search box searches.
    void SearchTextKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void TreeDblClick(TObject* Sender);
    void TreeEdited(TObject* Sender, TTreeNode* Node, AnsiString& S);
    void TreeExit(TObject* Sender);
    void SearchListDblClick(TObject* Sender);
    void BookMarkListDblClick(TObject* Sender);
    void BookMarkListEdited(TObject* Sender, TListItem* Item, AnsiString& S);
    void BookMarkListExit(TObject* Sender);
    void ListDblClick(TObject* Sender);
    void ListEdited(TObject* Sender, TListItem* Item, AnsiString& S);
    void ListExit(TObject* Sender);
    void PagePanelClose(TObject* Sender);
    void ListPanelClose(TObject* Sender);
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    // The main menu's shortcuts, whichever module their actions sit on.
    void FormShortCut(TMessage& Msg, bool& Handled);
    // Every message of the program's loop: a typed character that GBK has
    // no form for types nothing, and status panel 6 says so.
    void AppMessage(MSG& Msg, bool& Handled);
    // A skinned menu about to open: every menu's items take their actions'
    // state, which idle time brings up to date only for the form's own
    // menu, not for menus the frame shows.
    void SkinMenuOpen(TObject* Sender);

    // The tool bar's buttons, left to right, and the search page's button.
    std::vector<TbsSkinSpeedButton*> ToolButtons;
    TbsSkinSpeedButton* SearchButton;
    // The buttons that show and hide the tree and the attachment area.
    TbsSkinSpeedButton* ShowTreeButton = nullptr;
    TbsSkinSpeedButton* ShowAttaListButton = nullptr;

protected:
    // A text box with the focus keeps its own editing keys, and only an
    // article with the focus takes the keys that change an article's text
    // or read-only state or copy from it: as the program's shortcuts they
    // would act on the current article, out of the user's sight.
    bool IsShortCut(TMessage& Message) override;
    // The database module going first leaves the window without one.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Takes the posted request to give the opened article the focus.
    void Dispatch(TMessage& Message) override;

private:
    // Whether Key runs an action that only an article with the focus may
    // take (it changes the text or the read-only state, or copies).
    bool RunsArticleOnlyKey(TShortCut Key) const;
    void CreateLayout();
    void CreateLeftPages();
    void CreateClientArea();
    void CreateStatusBar();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateContextMenus();
    // Items and buttons for the database module's actions.
    void AddModuleItem(TMenuItem* Parent, TBasicAction* (*Action)(TDBModule* Module));
    TbsSkinSpeedButton* AddToolButton(TBasicAction* Action);
    void AddModuleButton(TBasicAction* (*Action)(TDBModule* Module));
    void AddToolSeparator();
    // Shows or hides a side area with its splitter, put back beside it.
    void ShowAttachmentArea(bool Show);
    void ShowTreeArea(bool Show);
    TbsSkinTabSheet* TabSheetOf(TCustomSynTextEditor* Editor);
    // The editor of the article tab on show; nullptr without one.
    TCustomSynTextEditor* ShownEditor();
    void UpdatePageControl();
    // The focus to the first pane after (or before) the one holding it
    // that can take it: the tree, the current article, the attachment list.
    void FocusNextPane(bool Backwards);
    // A double click opens an article while the view still handles the
    // press, which then takes the focus back: the article's editor takes
    // it once the press is over.
    void OpenNodeFromView(int Id);

    TDBModule* dbModule_ = nullptr;  // free-notified; nullptr before the link and once the module is gone
    int EditorCounter = 0;           // article frames made in this run
    // A menu item or a tool button (one of the two) that takes one of the
    // database module's actions once the module exists.
    struct TModuleLink {
        TMenuItem* Item;
        TbsSkinSpeedButton* Button;
        TBasicAction* (*Action)(TDBModule* Module);
    };
    std::vector<TModuleLink> moduleLinks_;
    int pendingSeparator_ = 0;  // the gap before the next tool button
};

// The program's main window while it exists.
extern TMainForm* MainForm;
