// The database module's actions: files (new, open, compact), nodes (new
// folder and article, properties, delete), article tabs (close, save) and
// attachments, with their captions, shortcuts, enabling rules and the file
// dialogs they ask with.
#include <cstdint>
#include <vector>

#include "app/action_making.h"
#include "app/db_module.h"
#include "app/node_manager.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/string_list.h"
#include "platform/ui/dialogs/file_dialog.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/action_list.h"
#include "skins/program_resources.h"

namespace {

constexpr const char* kDataBaseFilter = "Tandril文档库(*.vek *.mdb)|*.vek;*.mdb|所有类型(*.*)|*.*";

// Where the database actions' pictures sit in the tool-bar strip.
constexpr int kImageNewDB = 0;
constexpr int kImageOpenDB = 1;
constexpr int kImageNewArticle = 2;
constexpr int kImageNewFolder = 3;
constexpr int kImageSave = 4;
constexpr int kImageSaveAll = 5;
constexpr int kImageClose = 6;
constexpr int kImageCloseAll = 7;

// The editor an article action was given; the target is always a document
// editor, as only those are registered.
TCustomSynTextEditor* EditorOf(TCustomSynText* SynText) { return dynamic_cast<TCustomSynTextEditor*>(SynText); }

}  // namespace

void TDBModule::CreateActions()
{
    DBActions = new TActionList(this);
    DBActions->SetName("DBActions");
    ImageList = new TImageList(this);
    ImageList->SetName("ImageList");
    EnsureProgramResources();
    TBitmap pictures;
    pictures.LoadFromResourceName("list.bmp");
    ImageList->Add(&pictures, nullptr);
    OpenDBDialog = new TOpenDialog(this);
    OpenDBDialog->SetName("OpenDBDialog");
    OpenDBDialog->Title = "打开文档库...";
    OpenDBDialog->Filter = kDataBaseFilter;
    NewDBDialog = new TSaveDialog(this);
    NewDBDialog->SetName("NewDBDialog");
    NewDBDialog->Title = "新建文档库...";
    NewDBDialog->Filter = kDataBaseFilter;
    NewDBDialog->FilterIndex = 0;

    // Enabled exactly while a database that can be written is connected.
    const TNotifyEvent writableRule = TNotifyEvent::FromCallable(
        [this](TObject* Sender) { static_cast<TSynAction*>(Sender)->SetEnabled(Writable()); });
    aNewDB = MakeAction<TSynAction>(this, DBActions, "aNewDB", "新建文章库(&N)...", scNone, kImageNewDB);
    aNewDB->SetOnExecute(TNotifyEvent(this, &TDBModule::aNewDBExecute));
    aOpenDB = MakeAction<TSynAction>(this, DBActions, "aOpenDB", "打开文章库(&O)...", scCtrl | 'O', kImageOpenDB);
    aOpenDB->SetOnExecute(TNotifyEvent(this, &TDBModule::aOpenDBExecute));
    aDeleteNode = MakeAction<TSynAction>(this, DBActions, "aDeleteNode", "删除文章或目录");
    aDeleteNode->SetOnExecute(
        TNotifyEvent::FromCallable([this](TObject*) { DeleteNode(nodeManager_->GetNodeTree()->Selected()); }));
    aDeleteNode->OnUpdate = writableRule;
    aNodeAttr = MakeAction<TSynAction>(this, DBActions, "aNodeAttr", "文章或目录属性(&T)...");
    aNodeAttr->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { EditNodeProperties(); }));
    aNodeAttr->OnUpdate = TNotifyEvent::FromCallable([this](TObject*) {
        aNodeAttr->SetEnabled(Writable() &&
                              (nodeManager_->GetActiveEditor() || nodeManager_->GetNodeTree()->Selected()));
    });
    aCompactDB = MakeAction<TSynAction>(this, DBActions, "aCompactDB", "压缩文章库(&C)");
    aCompactDB->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { CompactDataBase(); }));
    aCompactDB->OnUpdate = writableRule;
    aNewNodeA = MakeAction<TSynAction>(this, DBActions, "aNewNodeA", "新建目录(&D)...", scNone, kImageNewFolder);
    aNewNodeA->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { NewNode(false); }));
    aNewNodeA->OnUpdate = writableRule;
    aNewNodeB = MakeAction<TSynAction>(this, DBActions, "aNewNodeB", "新建文章(&C)...", scCtrl | 'N', kImageNewArticle);
    aNewNodeB->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { NewNode(true); }));
    aNewNodeB->OnUpdate = writableRule;
    CreateArticleActions();
    CreateAttachmentActions();
}

void TDBModule::CreateArticleActions()
{
    // The article actions want a connected database and an open tab.
    const TSynTextUpdateEvent tabRule = TSynTextUpdateEvent::FromCallable(
        [this](TObject*, TCustomSynText*) { return Connected() && nodeManager_->GetEditorCount() > 0; });
    aCloseNode = MakeAction<TSynTextAction>(this, DBActions, "aCloseNode", "关闭文章(&L)", scNone, kImageClose);
    aCloseNode->OnExecute =
        TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText* SynText) { CloseNode(EditorOf(SynText)); });
    aCloseNode->OnUpdate = tabRule;
    aCloseAllNode =
        MakeAction<TSynTextAction>(this, DBActions, "aCloseAllNode", "关闭所有文章(&A)", scNone, kImageCloseAll);
    aCloseAllNode->OnExecute =
        TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText*) { CloseAllNodes(); });
    aCloseAllNode->OnUpdate = tabRule;
    aSaveNode = MakeAction<TSynTextAction>(this, DBActions, "aSaveNode", "保存文章(&S)", scCtrl | 'S', kImageSave);
    aSaveNode->OnExecute =
        TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText* SynText) { SaveNode(EditorOf(SynText)); });
    aSaveNode->OnUpdate = tabRule;
    aSaveAllNode =
        MakeAction<TSynTextAction>(this, DBActions, "aSaveAllNode", "保存所有文章(&S)", scNone, kImageSaveAll);
    aSaveAllNode->OnExecute = TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText*) { SaveAllNodes(); });
    // Whether there is anything to save; the connection is not asked.
    aSaveAllNode->OnUpdate = TSynTextUpdateEvent::FromCallable([this](TObject*, TCustomSynText*) {
        for (int i = 0; i < nodeManager_->GetEditorCount(); ++i)
            if (nodeManager_->GetEditors(i)->GetEditor()->Modified())
                return true;
        return false;
    });
}

void TDBModule::CreateAttachmentActions()
{
    aAddAttachment = MakeAction<TSynTextAction>(this, DBActions, "aAddAttachment", "添加附件(&A)...");
    aAddAttachment->OnUpdate = TSynTextUpdateEvent::FromCallable([this](TObject*, TCustomSynText*) {
        return Writable() && nodeManager_->GetEditorCount() > 0;
    });
    aAddAttachment->OnExecute = TSynTextExecuteEvent::FromCallable([this](TObject*, TCustomSynText* SynText) {
        TOpenDialog dialog(nullptr);
        dialog.Title = "添加附件";
        dialog.Options.Include(ofAllowMultiSelect);
        if (!dialog.Execute())
            return;
        std::vector<AnsiString> files;
        for (int i = 0; i < dialog.Files()->Count(); ++i)
            files.push_back(dialog.Files()->Strings(i));
        AddAttachments(EditorOf(SynText), files);
    });
    // Enabled while connected with an attachment selected.
    const TNotifyEvent selectedRule = TNotifyEvent::FromCallable([this](TObject* Sender) {
        static_cast<TSynAction*>(Sender)->SetEnabled(Connected() && SelectedAttachmentId() != 0);
    });
    aOpenAttachment = MakeAction<TSynAction>(this, DBActions, "aOpenAttachment", "打开附件(&O)...");
    aOpenAttachment->OnUpdate = selectedRule;
    aOpenAttachment->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) {
        if (const int id = SelectedAttachmentId())
            OpenAttachment(id);
    }));
    aSaveAttachment = MakeAction<TSynAction>(this, DBActions, "aSaveAttachment", "附件另存为(&S)...");
    aSaveAttachment->OnUpdate = selectedRule;
    aSaveAttachment->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) {
        const int id = SelectedAttachmentId();
        if (!id)
            return;
        TSaveDialog dialog(nullptr);
        dialog.FileName = AttachmentSaveName(id);
        if (dialog.Execute())
            SaveAttachmentAs(id, dialog.FileName);
    }));
    aDeleteAttachment = MakeAction<TSynAction>(this, DBActions, "aDeleteAttachment", "删除附件(&D)");
    aDeleteAttachment->OnUpdate = TNotifyEvent::FromCallable(
        [this](TObject*) { aDeleteAttachment->SetEnabled(Writable() && SelectedAttachmentId() != 0); });
    aDeleteAttachment->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { DeleteSelectedAttachments(); }));
}

int TDBModule::SelectedAttachmentId() const
{
    TListItem* item = nodeManager_->GetAttachmentList()->Selected();
    return item ? static_cast<int>(reinterpret_cast<intptr_t>(item->Data)) : 0;
}

void TDBModule::aOpenDBExecute(TObject* /*Sender*/)
{
    if (!OpenDBDialog->Execute() || !OpenDataBase(OpenDBDialog->FileName))
        return;
    LoadBookmarks();
    LoadNodeTree();
}

void TDBModule::aNewDBExecute(TObject* /*Sender*/)
{
    if (!NewDBDialog->Execute() || !CreateDataBase(NewDataBaseFileName(NewDBDialog->FileName)))
        return;
    LoadBookmarks();
    LoadNodeTree();
}
