// TDBModule: the database module. It owns the connection to the notes
// database and all the rules that read and write it: opening, creating and
// compacting files, the node tree, article tabs, attachments and bookmarks.
// It reaches the main window only through INodeManager (and each tab
// through INodeEditor), and the node dialogs through INodeDialogs.
//
// Every user action that writes several rows is one transaction: it lands
// whole or, on an error, not at all, and the error is raised to the caller
// (the application shows it). The tree and lists change only after the
// rows did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/text_stamps.h"
#include "platform/ui/kernel/data_module.h"

class INodeDialogs;
class INodeManager;
class TActionList;
class TADOConnection;
class TADOQuery;
class TCustomSynText;
class TCustomSynTextEditor;
class TImageList;
class TListItem;
class TObject;
class TOpenDialog;
class TSaveDialog;
class TSynAction;
class TSynTextAction;
class TTreeNode;

// Everything a tab shows of its node, read whole before the tab exists: a
// row that can't be read makes no tab that a save could write back half.
struct TNodeContent {
    AnsiString Title, Text, Language, Config;
    int Position = 0;
};

// A data module, so that the main window offers its keys to the actions.
class TDBModule : public TDataModule {
public:
    // IniFileName: the program INI (section History, key LastDataBase);
    // TempDir: the user's temporary folder, under which "Morvane" holds
    // opened attachments (made only when first needed).
    TDBModule(TComponent* AOwner, INodeManager* NodeManager, INodeDialogs* Dialogs, AnsiString IniFileName,
              AnsiString TempDir);
    // Disconnects and removes the attachment folder when it is empty.
    ~TDBModule() override;
    TDBModule(const TDBModule&) = delete;
    TDBModule& operator=(const TDBModule&) = delete;

    TADOConnection* DataBase() const { return dataBase_; }
    bool Connected() const;
    // Connected to a file that can be written: the actions that write ask
    // this (a file that can't be written is opened for reading only).
    bool Writable() const;
    const AnsiString& FileName() const { return fileName_; }
    const AnsiString& TempDir() const { return tempDir_; }

    // ---- Files (db_module_files.cpp) ----
    // Start-up: opens History/LastDataBase when that file exists (silently
    // skipped when it does not), then loads the bookmarks and the tree.
    // False when nothing was opened.
    bool OpenLastDataBase();
    // False when a save question was cancelled (the old file stays open)
    // or the file could not be opened (the user was told; the old file is
    // open again, or, when it no longer opens, the tree and the lists are
    // emptied). Only a file with every table and column the program reads
    // is opened, and only such a file becomes the last database; a file
    // that can't be written is opened for reading only, which the user is
    // told once. So is a file another program has open for writing: both
    // may save, and a save asks before it overwrites the other's.
    bool OpenDataBase(const AnsiString& FileName);
    // The file appears complete with its four tables, or not at all; an
    // existing file is never touched. One message on failure, after which
    // the old file is open again as after a failed open.
    bool CreateDataBase(const AnsiString& FileName);
    // The name the new-database dialog's choice is created under.
    static AnsiString NewDataBaseFileName(const AnsiString& Chosen);
    void CompactDataBase();
    void ExecSQL(const AnsiString& Text);

    // ---- Node tree (db_module_tree.cpp) ----
    void LoadNodeTree();
    // The new-folder (Article false) and new-article actions. A folder the
    // new node was to go into that another program deleted is told, and
    // the node may be made at the top instead.
    void NewNode(bool Article);
    void EditNodeProperties();
    // Asks first; deletes the node, everything below it and all their rows
    // in one transaction, closing their tabs without asking.
    void DeleteNode(TTreeNode* Node);
    // The deleting itself, without the question: the rows of Node and
    // everything below it go in one transaction, then their tabs and the
    // tree node.
    void DeleteNodeTree(TTreeNode* Node);
    // Title search into the search list; the text is matched literally.
    void SearchNodes(const AnsiString& Text);
    // The end of the tree's in-place edit: an empty Text is refused and
    // replaced by the stored title.
    void RenameNode(TTreeNode* Node, AnsiString& Text);

    // ---- Article tabs (db_module_tabs.cpp) ----
    // The editor of the tab showing node Id, created and loaded when
    // needed; nullptr (after telling the user) when the node's rows are
    // gone.
    TCustomSynTextEditor* OpenNode(int Id);
    // Writes the text, in one transaction with reading what the file holds:
    // when another program saved the article after this one last read or
    // wrote it, nothing is written and the user chooses to overwrite that
    // save, keep it (the tab shows the stored text again) or cancel; when
    // another program deleted the article, the user may keep the text as a
    // new article in its folder (at the top when the folder went too).
    // False when nothing was saved or reloaded (cancelled); raises when the
    // file can't be written (the tab and its text stay as they are).
    bool SaveNode(TCustomSynTextEditor* Editor);
    // Saves every tab in turn; stops at the first cancelled save.
    void SaveAllNodes();
    // False when the user cancels the save question (or dismisses it), or
    // the save the user asked for failed or was cancelled. A failure to
    // write the caret, language and options is reported and the tab still
    // closes.
    bool CloseNode(TCustomSynTextEditor* Editor);
    bool CloseAllNodes();

    // ---- Attachments (db_module_attachments.cpp) ----
    void LoadAttachments(int NodeId);
    // One row per file, each committed on its own: a failing file leaves
    // the ones before it added. When another program deleted the article,
    // the user is told and may keep the tab's text as a new article, which
    // then takes the files.
    void AddAttachments(TCustomSynTextEditor* Editor, const std::vector<AnsiString>& Files);
    // Writes the attachment into the private folder and hands it to the
    // desktop's opener.
    void OpenAttachment(int Id);
    // The name the save-as dialog proposes: safe as a file name.
    AnsiString AttachmentSaveName(int Id);
    void SaveAttachmentAs(int Id, const AnsiString& FileName);
    // The selected attachments' rows go in one transaction, then their
    // items.
    void DeleteSelectedAttachments();
    void DeleteAttachmentRow(int Id);
    // The end of the list's in-place edit; an empty Text is refused and
    // replaced by the stored name.
    void RenameAttachment(TListItem* Item, AnsiString& Text);

    // ---- Bookmarks (db_module_bookmarks.cpp) ----
    void LoadBookmarks();
    // Adds a waiting item (no name yet) for the editor's caret and starts
    // editing its caption.
    TListItem* BeginAddBookmark(TCustomSynTextEditor* Editor);
    // The end of the bookmark list's in-place edit: names a waiting item
    // (writing the node and caret it captured) or renames a stored one.
    void BookmarkEdited(TListItem* Item, AnsiString& Text);
    // Leaving the list drops a bookmark still waiting for its name.
    void BookmarkListExit();
    // Returns the new row's id; 0 (nothing written) when the article is no
    // longer there.
    int AddBookmark(const AnsiString& Name, int NodeId, const AnsiString& NodeName, int Position);
    void DeleteBookmark(int Id);
    // Opens the bookmark's article with the caret at its position.
    void GotoBookmark(TListItem* Item);

    // ---- Actions (db_module_actions.cpp) ----
    // Owned by the module. The article actions (closing, saving, adding an
    // attachment) work on the editor the editor actions find.
    TActionList* DBActions;
    TImageList* ImageList;  // the tree's and the lists' pictures
    TOpenDialog* OpenDBDialog;
    TSaveDialog* NewDBDialog;
    TSynAction* aNewDB;
    TSynAction* aOpenDB;
    TSynAction* aDeleteNode;
    TSynAction* aNodeAttr;
    TSynAction* aCompactDB;
    TSynAction* aNewNodeA;
    TSynAction* aNewNodeB;
    TSynTextAction* aCloseNode;
    TSynTextAction* aCloseAllNode;
    TSynTextAction* aSaveNode;
    TSynTextAction* aSaveAllNode;
    TSynTextAction* aAddAttachment;
    TSynAction* aOpenAttachment;
    TSynAction* aSaveAttachment;
    TSynAction* aDeleteAttachment;

private:
    void CreateActions();
    void CreateArticleActions();
    void CreateAttachmentActions();
    void aNewDBExecute(TObject* Sender);
    void aOpenDBExecute(TObject* Sender);
    // The id of the attachment list's selected item; 0 without one.
    int SelectedAttachmentId() const;
    // Writes the waiting Item as a bookmark named Name; when its article is
    // gone, says so and offers to keep the tab's text as a new article that
    // takes the bookmark, else drops Item.
    void NameWaitingBookmark(TListItem* Item, const AnsiString& Name);

    // Connects without closing tabs; on failure the message for the user
    // (the connection stays closed), else "".
    AnsiString Connect(const AnsiString& FileName);
    // After another file failed to open or to be made: Shown, the file
    // whose notes the tree and the lists show ("" for none), opens again,
    // so that they stay what they say; when it can't, they are emptied.
    void ReturnTo(const AnsiString& Shown);
    void TellIfReadOnly();
    // Says that another program has the file open too, and what a save
    // then does.
    void TellSharedWith();
    // Remembers FileName as the last database; false when the INI file
    // can't be written.
    bool WriteLastDataBase(const AnsiString& FileName);
    std::unique_ptr<TADOQuery> NewQuery(const AnsiString& Sql);
    // Opens Sql and gives the query, closed when it goes.
    std::unique_ptr<TADOQuery> Select(const AnsiString& Sql);
    // Above every id of a node's rows (a content row left behind counts)
    // and the largest id the file ever held; never the id of a bookmark or
    // attachment left behind by a node.
    int NextNodeId();
    // Says that the folder a new node was to go into is gone and asks to
    // make it at the top instead; false when the user declines.
    bool OfferTopLevel(const TTreeNode* Folder, bool Article, const AnsiString& Title);
    // The new node Id's rows in NODES and CONTENTS.
    void AppendNodeRows(int Id, int ParentId, int Type, const TNodeContent& Content);
    // Folder Id and the ids of the sound nodes below it in the file, found
    // through folders other than 0.
    std::vector<int> SubtreeIds(int Id);
    // The rows of the nodes Ids in every table, in a few statements.
    void DeleteNodeRows(const std::vector<int>& Ids);
    // Closes every tab of the nodes Ids without a question.
    void RemoveNodeEditors(const std::vector<int>& Ids);
    // Writes caret, language and options of the editor's node.
    void WriteEditorState(TCustomSynTextEditor* Editor, int NodeId);
    void LoadEditor(TCustomSynTextEditor* Editor, int Id, const TNodeContent& Content, const TTextStamp& Stamp);
    // Text as the file holds it (stamped Stamp), shown afresh with the
    // caret at Position (or the end): no undo, not modified, every line
    // unchanged.
    void ShowStoredText(TCustomSynTextEditor* Editor, const AnsiString& Text, const TTextStamp& Stamp, int Position);

    // ---- Saving (db_module_save.cpp) ----
    enum class TTextWrite { Written, SavedElsewhere, Gone };
    // One transaction: writes the editor's text when the file still holds
    // what this program last read or wrote of it (an unmodified tab holds
    // that text already, unless Overwrite: the user chose it over another
    // program's); else writes nothing and, when another program saved the
    // article, gives what the file holds in Stored and its stamp in
    // StoredAs.
    TTextWrite WriteText(TCustomSynTextEditor* Editor, bool Overwrite, AnsiString& Stored, TTextStamp& StoredAs);
    // Tells the user that the article of the editor's tab was deleted by
    // another program and what is not stored yet (Left: "这里的内容还没有保存"),
    // and offers to keep the tab's text as a new article in its folder (at
    // the top when the folder went too), which then takes what was left
    // (Also: "，并把附件加入新文章"). False when the user declines.
    bool SaveAsNewNode(TCustomSynTextEditor* Editor, const AnsiString& Left = "这里的内容还没有保存",
                       const AnsiString& Also = "");
    // The stamp of node Id's content row as the file holds it now; none when
    // the row is gone.
    std::optional<TTextStamp> StoredStamp(int Id);
    // Inside a write transaction: whether the article node Id still is what
    // this program shows (its tab's row, when a tab has it open), so that
    // what is added to it lands where the user sees it.
    bool ArticleThere(int Id);
    // Inside a write transaction: whether folder Id is still in the file.
    bool FolderThere(int Id);

    // Tells the user that the stored options of the node titled Title
    // (Kind: "文章" or "目录") can't be read, and why; the defaults are
    // used instead.
    void TellDamagedConfig(const AnsiString& Kind, const AnsiString& Title, const AnsiString& Fault);
    // Config when it can be read, else "" after telling the user.
    AnsiString ReadableConfig(const AnsiString& Config, const AnsiString& Kind, const AnsiString& Title);
    // Empties the attachment list when it shows node Id's attachments (its
    // tab is gone).
    void ForgetAttachmentsOf(int Id);

    INodeManager* nodeManager_;  // the main window; outlives the module
    INodeDialogs* dialogs_;      // likewise
    AnsiString iniFileName_;
    AnsiString tempDir_;              // the attachment folder, with its trailing delimiter
    AnsiString fileName_;             // the open database; "" before one opened
    TADOConnection* dataBase_;        // owned as a component
    int attachmentsNodeId_ = 0;       // the node whose attachments the list shows; 0 for none
    bool stamped_ = false;            // the open file keeps text stamps (one that can be written always does)
    // Node id -> the stamp of its content row as this program last read or
    // wrote it, for every open tab (set when the tab is loaded and at each
    // save).
    std::map<int, TTextStamp> tabStamps_;
};

// The four statements a new notes database is made with.
const std::vector<AnsiString>& NotesSchema();
// Text spliced into a statement's quotes: each single quote doubled, a zero
// byte joined in as char(0).
AnsiString QuotedSqlText(const AnsiString& Text);
// A LIKE pattern matching Text anywhere, '%' and '_' taken literally with
// '!' as the escape character (to be followed by " escape '!'").
AnsiString LikeContainsPattern(const AnsiString& Text);
