// The part of the main window the database module works through, without
// the main window: a tree, three lists and article tabs as bare frames on a
// host the caller shows, and node dialogs that confirm a fixed title. The
// benchmarks and the notes-file fuzz harness drive the module with it.
#pragma once

#include <memory>

#include "app/node_dialogs.h"
#include "app/node_manager.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_view.h"

class TPlainNodeFrame : public TWinControl, public INodeEditor {
public:
    explicit TPlainNodeFrame(TWinControl* Host) : TWinControl(Host)
    {
        SetParent(Host);
        SetBounds(0, 0, 600, 400);
        editor_ = new TSynTextEditor(this);
        editor_->SetParent(this);
        editor_->SetBounds(0, 0, 600, 400);
    }
    int GetNodeID() override { return id_; }
    AnsiString GetNodeName() override { return name_; }
    void SetNodeID(int Id) override { id_ = Id; }
    void SetNodeName(const AnsiString& Name) override { name_ = Name; }
    TCustomSynTextEditor* GetEditor() override { return editor_; }
    void SetLanguage(const AnsiString&) override {}
    void Activate() override {}

private:
    TSynTextEditor* editor_;
    int id_ = 0;
    AnsiString name_;
};

class TPlainNodeWindow : public INodeManager, public INodeDialogs {
public:
    // Host: a shown top-level window that outlives this one.
    explicit TPlainNodeWindow(TWinControl* Host) : host_(Host)
    {
        tree_ = new TTreeView(host_);
        tree_->SetParent(host_);
        tree_->SetBounds(0, 0, 220, 600);
        for (TListView*& list : lists_) {
            list = new TListView(host_);
            list->SetParent(host_);
        }
    }
    ~TPlainNodeWindow()
    {
        delete tree_;
        for (TListView* list : lists_)
            delete list;
        while (manager_->GetEditorCount() > 0)
            RemoveEditor(manager_->GetEditors(manager_->GetEditorCount() - 1));
    }
    TPlainNodeWindow(const TPlainNodeWindow&) = delete;
    TPlainNodeWindow& operator=(const TPlainNodeWindow&) = delete;

    TCustomTreeView* GetNodeTree() override { return tree_; }
    TCustomListView* GetBookMarkList() override { return lists_[0]; }
    TCustomListView* GetAttachmentList() override { return lists_[1]; }
    TCustomListView* GetSearchList() override { return lists_[2]; }
    void ShowHint(const AnsiString&) override {}
    TCustomSynTextEditor* CreateEditor() override
    {
        auto* frame = new TPlainNodeFrame(host_);
        manager_->AddEditor(frame->GetEditor());
        return frame->GetEditor();
    }
    void RemoveEditor(TCustomSynTextEditor* Editor) override { delete Editor->Owner(); }
    int GetEditorCount() override { return manager_->GetEditorCount(); }
    INodeEditor* GetEditors(int Index) override { return NodeEditorOf(manager_->GetEditors(Index)); }
    TCustomSynTextEditor* GetActiveEditor() override { return manager_->SynTextEditor(); }
    bool ExecuteNewNode(const AnsiString&, TNodeDialogValues& Values) override
    {
        Values.Title = "新文章 new";
        return true;
    }
    bool ExecuteNodeProperties(TNodeDialogValues&) override { return false; }

private:
    std::unique_ptr<TSynManager> manager_ = std::make_unique<TSynManager>(nullptr);
    TWinControl* host_;
    TTreeView* tree_;
    TListView* lists_[3];
};
