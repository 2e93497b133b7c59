// TDBModule: named bookmarks: the list, adding one in two steps (a waiting
// item, then its name), renaming, deleting and going to one.
#include "app/db_module.h"

#include "app/db_transaction.h"
#include "app/list_update.h"
#include "app/node_manager.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_errors.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"

namespace {

constexpr int kWaitingImage = -1;  // a new bookmark waiting for its name
constexpr int kAddedImage = 8;
constexpr int kStoredImage = 3;

int BookmarkItemId(const TListItem* Item) { return static_cast<int>(reinterpret_cast<intptr_t>(Item->Data)); }
void SetItemId(TListItem* Item, int Id) { Item->Data = reinterpret_cast<void*>(static_cast<intptr_t>(Id)); }

void RefuseEmptyName() { MessageDlg.ShowInfoMessage("书签名称不能为空，请重新填写书签名！", "书签"); }

// The user's words for a bookmark whose What (its article's id, its
// position) is no number: none stored, or a damaged Value.
AnsiString BookmarkFault(const AnsiString& Bookmark, const char* What, const AnsiString& Value)
{
    return "书签“" + Bookmark + "”" +
           (Value.empty() ? AnsiString("没有记录") + What : AnsiString("记录的") + What + "“" + Value + "”已经损坏");
}

}  // namespace

void TDBModule::LoadBookmarks()
{
    TListItems* items = nodeManager_->GetBookMarkList()->Items();
    TListUpdate update(items);
    items->Clear();
    auto query = Select("select * from Bookmarks");
    for (; !query->Eof(); query->Next()) {
        TListItem* item = items->Add();
        item->SetCaption(query->FieldByName("名称")->AsString());
        SetItemId(item, query->FieldByName("标识")->AsInteger());
        item->SetImageIndex(kStoredImage);
        item->SubItems()->Add(query->FieldByName("文档名称")->AsString());
        item->SubItems()->Add(query->FieldByName("文档标识")->AsString());
        item->SubItems()->Add(query->FieldByName("文档位置")->AsString());
    }
}

TListItem* TDBModule::BeginAddBookmark(TCustomSynTextEditor* Editor)
{
    INodeEditor* frame = NodeEditorOf(Editor);
    TListItem* item = nodeManager_->GetBookMarkList()->Items()->Add();
    item->SetImageIndex(kWaitingImage);
    // The node and caret of this moment are what the bookmark keeps, even
    // when another editor has the focus by the time it is named.
    item->SubItems()->Add(frame->GetNodeName());
    item->SubItems()->Add(IntToStr(frame->GetNodeID()));
    item->SubItems()->Add(IntToStr(Editor->RealSelStart()));
    item->EditCaption();
    return item;
}

int TDBModule::AddBookmark(const AnsiString& Name, int NodeId, const AnsiString& NodeName, int Position)
{
    TDBTransaction transaction(dataBase_);
    if (!ArticleThere(NodeId))
        return 0;
    auto query = Select("Select * from Bookmarks");
    query->Append();
    query->FieldByName("文档标识")->SetAsInteger(NodeId);
    query->FieldByName("文档位置")->SetAsInteger(Position);
    query->FieldByName("文档名称")->SetAsString(NodeName);
    query->FieldByName("名称")->SetAsString(Name);
    query->Post();
    transaction.Commit();
    return query->FieldByName("标识")->AsInteger();
}

void TDBModule::BookmarkEdited(TListItem* Item, AnsiString& Text)
{
    if (Item->ImageIndex() == kWaitingImage) {
        if (Text.empty()) {
            RefuseEmptyName();
            Item->Delete();
            return;
        }
        NameWaitingBookmark(Item, Text);
        return;
    }
    const AnsiString id = IntToStr(BookmarkItemId(Item));
    if (Text.empty()) {
        RefuseEmptyName();
        Text = Select("select 名称 from Bookmarks where 标识=" + id)->FieldByName("名称")->AsString();
        return;
    }
    auto query = Select("select * from Bookmarks where 标识=" + id);
    if (query->Eof())
        throw EDatabaseError("书签已经不在数据库中，可能已经被删除！");
    query->Edit();
    query->FieldByName("名称")->SetAsString(Text);
    query->Post();
}

void TDBModule::NameWaitingBookmark(TListItem* Item, const AnsiString& Name)
{
    TStrings* captured = Item->SubItems();
    for (;;) {
        const int nodeId = StrToInt(captured->Strings(1));
        if (const int id = AddBookmark(Name, nodeId, captured->Strings(0), StrToInt(captured->Strings(2)))) {
            SetItemId(Item, id);
            Item->SetImageIndex(kAddedImage);
            return;
        }
        // A bookmark of no article would point nowhere; its tab's text may
        // still be kept, and the bookmark with it.
        TCustomSynTextEditor* editor = nullptr;
        for (int i = 0; i < nodeManager_->GetEditorCount() && !editor; ++i)
            if (nodeManager_->GetEditors(i)->GetNodeID() == nodeId)
                editor = nodeManager_->GetEditors(i)->GetEditor();
        const AnsiString left = "书签“" + Name + "”还没有加入";
        if (!editor) {
            MessageDlg.ShowAppMessage("文章“" + captured->Strings(0) + "”已经被另一个程序删除了，" + left + "。");
            Item->Delete();
            return;
        }
        if (!SaveAsNewNode(editor, left, "，并把书签加入新文章")) {
            Item->Delete();
            return;
        }
        captured->SetStrings(1, IntToStr(NodeEditorOf(editor)->GetNodeID()));
    }
}

void TDBModule::BookmarkListExit()
{
    TCustomListView* list = nodeManager_->GetBookMarkList();
    if (TListItem* item = list->Selected(); item && item->ImageIndex() == kWaitingImage)
        item->Delete();
}

void TDBModule::DeleteBookmark(int Id) { dataBase_->Execute("Delete from Bookmarks where 标识=" + IntToStr(Id)); }

void TDBModule::GotoBookmark(TListItem* Item)
{
    // A damaged row (another program's, or an old fault's) may hold no
    // number where one belongs; the user is told which bookmark holds what.
    const AnsiString nodeText = Item->SubItems()->Strings(1);
    const AnsiString positionText = Item->SubItems()->Strings(2);
    int nodeId;
    if (!TryStrToInt(nodeText, nodeId)) {
        MessageDlg.ShowAppMessage(BookmarkFault(Item->Caption(), "文章标识", nodeText) + "，无法打开它的文章！");
        return;
    }
    TCustomSynTextEditor* editor = OpenNode(nodeId);
    if (!editor)
        return;
    int position;
    if (TryStrToInt(positionText, position))
        editor->SetRealSelStart(position);
    else
        MessageDlg.ShowAppMessage(BookmarkFault(Item->Caption(), "位置", positionText) + "，文章停在原来的位置！");
}
