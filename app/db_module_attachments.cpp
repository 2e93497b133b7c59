// TDBModule: attachments: listing, adding files, opening one through the
// private folder, saving, deleting and renaming.
#include "app/db_module.h"

#include "app/attachment_folder.h"
#include "app/db_transaction.h"
#include "app/list_update.h"
#include "app/node_manager.h"
#include "app/user_folders.h"
#include "editor_services/dialogs/message_dlg.h"
#include "platform/base/atomic_file.h"
#include "platform/base/date_time.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_errors.h"
#include "platform/shell/shell_execute.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/win/window_styles.h"

namespace {

const char* const kAttachmentMissing = "附件已经不在数据库中，可能已经被删除！";

int ItemId(const TListItem* Item) { return static_cast<int>(reinterpret_cast<intptr_t>(Item->Data)); }

void FillItem(TListItem* Item, int Id, const AnsiString& Name, int ImageIndex, int64_t Size, TDateTime Time)
{
    Item->Data = reinterpret_cast<void*>(static_cast<intptr_t>(Id));
    Item->SetCaption(Name);
    Item->SetImageIndex(ImageIndex);
    Item->SubItems()->Add(FormatFileSize(Size));
    Item->SubItems()->Add(FormatDateTime("ddddd t", Time));
}

// The row's bytes; a row that is gone raises.
std::unique_ptr<TADOQuery> FoundRow(std::unique_ptr<TADOQuery> Query)
{
    if (Query->Eof())
        throw EDatabaseError(kAttachmentMissing);
    return Query;
}

}  // namespace

void TDBModule::ForgetAttachmentsOf(int Id)
{
    if (attachmentsNodeId_ != Id)
        return;
    nodeManager_->GetAttachmentList()->Items()->Clear();
    attachmentsNodeId_ = 0;
}

void TDBModule::LoadAttachments(int NodeId)
{
    TListItems* items = nodeManager_->GetAttachmentList()->Items();
    TListUpdate update(items);
    items->Clear();
    attachmentsNodeId_ = NodeId;
    auto query = Select("select 标识, 名称, 大小, 时间 from Attachments where 文档标识=" + IntToStr(NodeId));
    for (; !query->Eof(); query->Next())
        FillItem(items->Add(), query->FieldByName("标识")->AsInteger(), query->FieldByName("名称")->AsString(), 3,
                 query->FieldByName("大小")->AsInteger(), query->FieldByName("时间")->AsDateTime());
}

void TDBModule::AddAttachments(TCustomSynTextEditor* Editor, const std::vector<AnsiString>& Files)
{
    auto query = Select("select * from Attachments");
    for (size_t i = 0; i < Files.size(); ++i) {
        const AnsiString& file = Files[i];
        // The size is known before a byte is read: a file the database
        // can't hold is refused, and the others still go in.
        const int64_t size = FileSizeOf(file);
        if (size > MaxBlobSize) {
            MessageDlg.ShowAppMessage("附件 " + ExtractFileName(file) + " 太大（" + FormatFileSize(size) +
                                      "），不能加入文档库。");
            continue;
        }
        // Kept as a new article, the text takes its id.
        const int nodeId = NodeEditorOf(Editor)->GetNodeID();
        const TDateTime now = Now();
        {
            TDBTransaction transaction(dataBase_);
            if (ArticleThere(nodeId)) {
                query->Append();
                try {
                    query->FieldByName("文档标识")->SetAsInteger(nodeId);
                    query->FieldByName("时间")->SetAsDateTime(now);
                    query->FieldByName("名称")->SetAsString(ExtractFileName(file));
                    query->FieldByName("大小")->SetAsInteger(static_cast<int>(size));
                    static_cast<TBlobField*>(query->FieldByName("数据"))->LoadFromFile(file);
                    query->Post();
                } catch (...) {
                    query->Cancel();
                    throw;
                }
                transaction.Commit();
                if (attachmentsNodeId_ == nodeId)
                    FillItem(nodeManager_->GetAttachmentList()->Items()->Add(), query->FieldByName("标识")->AsInteger(),
                             ExtractFileName(file), 2, size, now);
                continue;
            }
        }
        // A row of no article would never be shown again.
        if (!SaveAsNewNode(Editor, "附件“" + ExtractFileName(file) + "”还没有加入", "，并把附件加入新文章"))
            return;
        --i;  // this file again, into the new article
    }
}

void TDBModule::OpenAttachment(int Id)
{
    EnsurePrivateFolder(tempDir_, "附件临时目录");
    AnsiString path;
    {
        // Each opening gets a copy of its own: one opened earlier may still
        // be in use, and whatever else has the name stays as it is.
        auto query = FoundRow(Select("select * from Attachments where 标识=" + IntToStr(Id)));
        path = WriteFreshFile(tempDir_, SafeAttachmentName(query->FieldByName("名称")->AsString()),
                              query->FieldByName("数据")->Value().Bytes);
    }
    ShellExecute(nullptr, "open", path.c_str(), "", "", SW_SHOWNORMAL);
}

AnsiString TDBModule::AttachmentSaveName(int Id)
{
    auto query = FoundRow(Select("select 名称 from Attachments where 标识=" + IntToStr(Id)));
    return SafeAttachmentName(query->FieldByName("名称")->AsString());
}

void TDBModule::SaveAttachmentAs(int Id, const AnsiString& FileName)
{
    auto query = FoundRow(Select("select 数据 from Attachments where 标识=" + IntToStr(Id)));
    // Written from the row's bytes beside the chosen file and renamed over
    // it once whole: a file replaced keeps its content till then, whatever
    // stops the write.
    try {
        WriteFileAtomically(FileName, query->FieldByName("数据")->Value().Bytes);
    } catch (const EStreamError& e) {
        throw EWriteError("附件没有保存到“" + FileName + "”：" + SysErrorMessage(e.ErrorCode()) + "。" +
                              (FileExists(FileName) ? "原来的文件没有改变。" : ""),
                          e.ErrorCode());
    }
}

void TDBModule::DeleteSelectedAttachments()
{
    // The selection is taken first: freeing an item may move the view's
    // selection to a neighbour, which was not chosen for deleting.
    TListItems* items = nodeManager_->GetAttachmentList()->Items();
    std::vector<TListItem*> chosen;
    for (int i = items->Count() - 1; i >= 0; --i)
        if (items->Item(i)->Selected())
            chosen.push_back(items->Item(i));
    // One action, one transaction: all the chosen rows go, or none.
    {
        TDBTransaction transaction(dataBase_);
        for (TListItem* item : chosen)
            DeleteAttachmentRow(ItemId(item));
        transaction.Commit();
    }
    for (TListItem* item : chosen)
        item->Delete();
}

void TDBModule::DeleteAttachmentRow(int Id) { dataBase_->Execute("Delete from Attachments where 标识=" + IntToStr(Id)); }

void TDBModule::RenameAttachment(TListItem* Item, AnsiString& Text)
{
    const AnsiString id = IntToStr(ItemId(Item));
    if (Text.empty()) {
        MessageDlg.ShowInfoMessage("附件名称不可以为空，请重新填写附加名！", "附件重命名");
        Text = Select("select 名称 from Attachments where 标识=" + id)->FieldByName("名称")->AsString();
        return;
    }
    auto query = FoundRow(Select("select * from Attachments where 标识=" + id));
    query->Edit();
    query->FieldByName("名称")->SetAsString(Text);
    query->Post();
}
