// TMainForm: the program's one window. The tree, search and bookmark pages
// on the left, a tab per open article with the attachment list below it on
// the right, the menu bar, tool bar and status bar, all skinned. It is the
// database module's node manager and hands the user's gestures to it.
#pragma once

#include "app/node_manager.h"
#include "platform/ui/kernel/custom_form.h"

class TDBModule;

class TMainForm : public TForm, public INodeManager {
public:
    explicit TMainForm(TComponent* Owner);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // The database module comes after the window: its actions join the
    // menus, the tool bar and the context menus here.
    void LinkDBModule(TDBModule* Module);

    // INodeManager
    TCustomTreeView* GetNodeTree() override;
    TCustomListView* GetBookMarkList() override;
    TCustomListView* GetAttachmentList() override;
    TCustomListView* GetSearchList() override;
    void ShowHint(const AnsiString& Text) override;
    TCustomSynTextEditor* CreateEditor() override;
    void RemoveEditor(TCustomSynTextEditor* Editor) override;
    int GetEditorCount() override;
    INodeEditor* GetEditors(int Index) override;
    TCustomSynTextEditor* GetActiveEditor() override;

private:
    TDBModule* dbModule_ = nullptr;  // freed by the close; cleared with it
};

// The program's main window while it exists.
extern TMainForm* MainForm;
