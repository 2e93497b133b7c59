// A node manager for the database module's tests: a shown host window with
// a real tree view and list views, article tabs as frames that record what
// happens to them, a settings manager that registers their editors, and
// node dialogs answered by the test.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/db_module.h"
#include "app/node_dialogs.h"
#include "app/node_manager.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_view.h"
#include "tests/editor/syn_view_test_support.h"

// One article tab: its caption, node id and editor.
class TTestNodeFrame : public TWinControl, public INodeEditor {
public:
    TTestNodeFrame(TWinControl* Host, std::string& Log);

    int GetNodeID() override { return nodeId_; }
    AnsiString GetNodeName() override { return caption_; }
    void SetNodeID(int Id) override { nodeId_ = Id; }
    void SetNodeName(const AnsiString& Name) override { caption_ = Name; }
    TCustomSynTextEditor* GetEditor() override { return editor_; }
    void SetLanguage(const AnsiString& Name) override;
    void Activate() override;

private:
    TSynTextEditor* editor_;  // owned by the frame
    std::string& log_;
    int nodeId_ = 0;
    AnsiString caption_;
};

class TTestNodeManager : public INodeManager, public INodeDialogs {
public:
    TTestNodeManager();
    ~TTestNodeManager();

    TCustomTreeView* GetNodeTree() override { return tree_; }
    TCustomListView* GetBookMarkList() override { return bookmarks_; }
    TCustomListView* GetAttachmentList() override { return attachments_; }
    TCustomListView* GetSearchList() override { return search_; }
    void ShowHint(const AnsiString& Text) override { Hints.push_back(Text); }
    TCustomSynTextEditor* CreateEditor() override;
    void RemoveEditor(TCustomSynTextEditor* Editor) override;
    int GetEditorCount() override { return manager_->GetEditorCount(); }
    INodeEditor* GetEditors(int Index) override { return NodeEditorOf(manager_->GetEditors(Index)); }
    TCustomSynTextEditor* GetActiveEditor() override { return manager_->SynTextEditor(); }

    // The dialogs take the answer queued for them; false (cancel) when none.
    bool ExecuteNewNode(const AnsiString& Caption, TNodeDialogValues& Values) override;
    bool ExecuteNodeProperties(TNodeDialogValues& Values) override;
    std::function<bool(const AnsiString& Caption, TNodeDialogValues& Values)> DialogAnswer;

    TSynManager* Manager() const { return manager_.get(); }
    INodeEditor* Frame(int Index) { return GetEditors(Index); }
    // "open 3", "activate 3", "close 3": what happened to the tabs.
    std::string Log;
    std::vector<AnsiString> Hints;

private:
    std::unique_ptr<TSynManager> manager_;
    std::unique_ptr<TEditorHost> host_;
    TTreeView* tree_;  // these four are owned by the host
    TListView* bookmarks_;
    TListView* attachments_;
    TListView* search_;
};

// Rows of a one-column query on DataBase, joined by "|".
std::string SelectColumn(TADOConnection* DataBase, const AnsiString& Sql);

// A module on a fresh folder: the program INI and the temporary folder are
// in it, and message boxes are answered by what the test queues (their
// texts recorded).
class TNotesTest : public TEditorViewTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Path(const std::string& Name) const { return folder_ + Name; }
    // Creates and loads a database named Name in the folder.
    void CreateDataBase(const std::string& Name = "notes.vek");
    // A new article or folder through the new-item dialog, titled Title.
    int NewNode(bool Article, const AnsiString& Title, bool TopLevel = false);
    // Answers the next message boxes with these button numbers, recording
    // each box's text in Boxes.
    void AnswerBoxes(std::vector<int> Answers);
    // Rows of a one-column query, joined by "|".
    std::string Column(const AnsiString& Sql);

    std::string folder_;
    std::unique_ptr<TTestNodeManager> window_;
    std::unique_ptr<TDBModule> module_;
    std::vector<std::string> Boxes;
};
