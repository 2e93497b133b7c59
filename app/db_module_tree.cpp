// TDBModule: the node tree: loading it, new nodes, properties, renaming,
// deleting and the title search.
#include <limits>
#include <unordered_set>

#include "app/db_module.h"
#include "app/db_transaction.h"
#include "app/editor_config_string.h"
#include "app/list_update.h"
#include "app/node_dialogs.h"
#include "app/node_manager.h"
#include "app/node_rows.h"
#include "app/node_tree.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_errors.h"
#include "platform/db/db_fields.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"

namespace {

const char* const kNodeMissing = "文章或目录已经不在数据库中，可能已经被删除！";

// How the user calls a node.
const char* KindOf(bool Folder) { return Folder ? "目录" : "文章"; }

// "(1,2,3)": the id list of one statement.
AnsiString IdList(const std::vector<int>& Ids)
{
    AnsiString list = "(";
    for (size_t i = 0; i < Ids.size(); ++i)
        list += (i ? "," : "") + IntToStr(Ids[i]);
    return list + ")";
}

// Edits the only row of a "where 标识=" query; a row that is gone raises
// instead of being written nowhere.
void EditFoundRow(TADOQuery* Query)
{
    if (Query->Eof())
        throw EDatabaseError(kNodeMissing);
    Query->Edit();
}

}  // namespace

AnsiString LikeContainsPattern(const AnsiString& Text)
{
    AnsiString pattern = "%";
    for (size_t i = 0; i < Text.size();) {
        const size_t length = CharLengthAt(Text, i);
        // Only whole single-byte characters are wildcards: '_' (0x5F) is
        // also the trail byte of double-byte characters such as 乢.
        if (length == 1 && (Text[i] == '%' || Text[i] == '_' || Text[i] == '!'))
            pattern += '!';
        pattern.append(Text, i, length);
        i += length;
    }
    return pattern + "%";
}

void TDBModule::LoadNodeTree()
{
    std::vector<NodeRecord> records;
    bool damaged = false;
    {
        // One pass: the damaged rows are looked at again only when there are
        // some.
        auto query = Select("select 目录, 标识, 名称, 类型, " + SoundNodeRow() + " from Nodes");
        for (; !query->Eof(); query->Next()) {
            TFields* row = query->Fields();
            if (row->Fields(4)->AsInteger() == 0)
                damaged = true;
            else
                records.push_back({row->Fields(0)->AsInteger(), row->Fields(1)->AsInteger(),
                                   row->Fields(2)->AsString(), row->Fields(3)->AsInteger()});
        }
    }
    BuildNodeTree(nodeManager_->GetNodeTree()->Items(), records);
    if (damaged)
        MessageDlg.ShowAppMessage(DamagedNodeRowsReport(dataBase_));
}

int TDBModule::NextNodeId()
{
    // Above the largest id of a node's rows, not the last row's + 1: rows
    // need not come back in id order, and a content row left behind (by
    // another program, or an old fault) must not make the insert fail for
    // good. A bookmark or attachment of no node only keeps its own id from
    // being given out, so that a new node never takes over what was left
    // behind; it can't take the ids above it away.
    // An id no int holds (3.5, '12abc', 5000000000) belongs to a damaged row,
    // which keeps its own id, as the new one can't be it.
    // Above the largest id the file ever held, too: an id given out once
    // is never given out again, so a tab still open on a deleted article
    // can't find itself showing, or saving into, a new one of that id.
    const AnsiString soundId = WholeNumberIn32Bits("标识");
    auto query = Select(
        "with floor(id) as (select max(ifnull((select max(标识) from Nodes where " + soundId + "), 0), "
        "ifnull((select max(标识) from Contents where " + soundId + "), 0), ifnull(" + kLargestNodeIdEver +
        ", 0))), "
        "taken(id) as (select 文档标识 from Bookmarks where typeof(文档标识)='integer' "
        "union select 文档标识 from Attachments where typeof(文档标识)='integer') "
        "select min(free) from (select id + 1 as free from floor "
        "union select taken.id + 1 from taken, floor where taken.id > floor.id) "
        "where free not in (select id from taken)");
    const int64_t next = StrToInt64(query->Fields()->Fields(0)->AsString());
    if (next > std::numeric_limits<int>::max())
        throw EDatabaseError("文章库中的标识已经用完，不能再新建文章或目录。");
    return static_cast<int>(next);
}

void TDBModule::NewNode(bool Article)
{
    TCustomTreeView* tree = nodeManager_->GetNodeTree();
    TTreeNode* selected = tree->Selected();
    int parentId = ParentIdForNewNode(selected);
    TNodeDialogValues values;
    {
        auto query = Select("select 语言, 配置 from Contents where 标识=" + IntToStr(parentId));
        values.Language = query->FieldByName("语言")->AsString();
        values.Config = query->FieldByName("配置")->AsString();
    }
    if (const TTreeNode* parent = ParentNodeForNewNode(selected, false))
        values.Config = ReadableConfig(values.Config, KindOf(parent->ImageIndex() == ntFolder), parent->Text());
    if (!dialogs_->ExecuteNewNode(Article ? "新建文章" : "新建目录", values))
        return;
    if (values.TopLevel)
        parentId = 0;
    int id;
    for (;;) {
        {
            TDBTransaction transaction(dataBase_);
            if (parentId == 0 || FolderThere(parentId)) {
                id = NextNodeId();
                AppendNodeRows(id, parentId, Article ? ntArticle : ntFolder,
                               {.Title = values.Title, .Text = {}, .Language = values.Language, .Config = values.Config});
                transaction.Commit();
                break;
            }
        }
        if (!OfferTopLevel(ParentNodeForNewNode(selected, false), Article, values.Title))
            return;
        parentId = 0;
        values.TopLevel = true;
    }
    TTreeNode* node = tree->Items()->AddChild(ParentNodeForNewNode(selected, values.TopLevel), values.Title);
    SetNodeId(node, id);
    const int type = Article ? ntArticle : ntFolder;
    node->SetImageIndex(type);
    node->SetSelectedIndex(type);
    // Made inside a collapsed folder, the new node would stay out of sight.
    node->MakeVisible();
    tree->SetSelected(node);
    if (Article)
        OpenNode(id);
}

bool TDBModule::OfferTopLevel(const TTreeNode* Folder, bool Article, const AnsiString& Title)
{
    // A row under a folder that is gone would show now and never again;
    // the top is where a text kept from a deleted folder goes as well.
    return MessageDlg.MessageDlgButtons("目录“" + (Folder ? Folder->Text() : AnsiString()) + "”已经被另一个程序删除了，" +
                                            KindOf(!Article) + "“" + Title + "”还没有建立。\r\n\r\n要把它建立在顶层吗？",
                                        Article ? "新建文章" : "新建目录", mtWarning, {"建立在顶层", "取消"}) == 1;
}

void TDBModule::AppendNodeRows(int Id, int ParentId, int Type, const TNodeContent& Content)
{
    auto nodes = Select("select * from Nodes");
    nodes->Append();
    nodes->FieldByName("标识")->SetAsInteger(Id);
    nodes->FieldByName("名称")->SetAsString(Content.Title);
    nodes->FieldByName("目录")->SetAsInteger(ParentId);
    nodes->FieldByName("类型")->SetAsInteger(Type);
    nodes->Post();
    auto contents = Select("select * from Contents");
    contents->Append();
    contents->FieldByName("标识")->SetAsInteger(Id);
    contents->FieldByName("内容")->SetAsString(Content.Text);
    contents->FieldByName("位置")->SetAsInteger(Content.Position);
    contents->FieldByName("语言")->SetAsString(Content.Language);
    contents->FieldByName("配置")->SetAsString(Content.Config);
    contents->Post();
}

void TDBModule::EditNodeProperties()
{
    TCustomTreeView* tree = nodeManager_->GetNodeTree();
    int id;
    if (tree->Focused() && tree->Selected()) {
        id = NodeIdOf(tree->Selected());
    } else if (INodeEditor* frame = NodeEditorOf(nodeManager_->GetActiveEditor())) {
        id = frame->GetNodeID();
    } else {
        return;
    }
    TNodeDialogValues values;
    bool folder;
    {
        auto query = Select("select Nodes.名称, Contents.配置, Contents.语言, Nodes.类型=0 from Nodes, Contents where "
                            "Nodes.标识=" + IntToStr(id) + " and Contents.标识=" + IntToStr(id));
        if (query->Eof()) {
            MessageDlg.ShowAppMessage(kNodeMissing);
            return;
        }
        values.Title = query->Fields()->Fields(0)->AsString();
        values.Config = query->Fields()->Fields(1)->AsString();
        values.Language = query->Fields()->Fields(2)->AsString();
        folder = query->Fields()->Fields(3)->AsInteger() != 0;
    }
    values.Config = ReadableConfig(values.Config, KindOf(folder), values.Title);
    if (!dialogs_->ExecuteNodeProperties(values))
        return;
    {
        TDBTransaction transaction(dataBase_);
        auto node = Select("select * from Nodes where 标识=" + IntToStr(id));
        EditFoundRow(node.get());
        node->FieldByName("名称")->SetAsString(values.Title);
        node->Post();
        auto content = Select("select * from contents where 标识=" + IntToStr(id));
        EditFoundRow(content.get());
        content->FieldByName("语言")->SetAsString(values.Language);
        content->FieldByName("配置")->SetAsString(values.Config);
        content->Post();
        transaction.Commit();
    }
    for (int i = 0; i < nodeManager_->GetEditorCount(); ++i) {
        INodeEditor* frame = nodeManager_->GetEditors(i);
        if (frame->GetNodeID() != id)
            continue;
        frame->SetNodeName(values.Title);
        frame->SetLanguage(values.Language);
        StringToEditorConfig(frame->GetEditor(), values.Config);
        break;
    }
    if (TTreeNode* node = FindTreeNode(tree->Items(), id))
        node->SetText(values.Title);
}

void TDBModule::DeleteNodeRows(const std::vector<int>& Ids)
{
    // One statement per table over the whole set: a folder of a thousand
    // nodes costs four scans at most, not four statements per node.
    const AnsiString ids = IdList(Ids);
    dataBase_->Execute("Delete from Nodes where 标识 in " + ids);
    dataBase_->Execute("Delete from CONTENTS where 标识 in " + ids);
    dataBase_->Execute("Delete from Bookmarks where 文档标识 in " + ids);
    dataBase_->Execute("Delete from Attachments where 文档标识 in " + ids);
}

void TDBModule::RemoveNodeEditors(const std::vector<int>& Ids)
{
    const std::unordered_set<int> doomed(Ids.begin(), Ids.end());
    for (int i = nodeManager_->GetEditorCount() - 1; i >= 0; --i) {
        INodeEditor* frame = nodeManager_->GetEditors(i);
        const int id = frame->GetNodeID();
        if (!doomed.contains(id))
            continue;
        nodeManager_->RemoveEditor(frame->GetEditor());
        tabStamps_.erase(id);
        ForgetAttachmentsOf(id);
    }
}

void TDBModule::DeleteNode(TTreeNode* Node)
{
    if (!Node) {
        MessageDlg.ShowInfoMessage("请先选择你要删除的目录或者文章！", "删除目录或者文章");
        return;
    }
    const AnsiString question = "你确认要删除目录(文章) " + Node->Text() + " 吗？\r\n\r\n" +
                                "注意：如果删除的是目录，那么连同目录的下面的文章会一并删除的！？";
    if (MessageDlg.MessageDlgButtons(question, "删除目录或文章", mtInformation, {"删除", "取消"}) != 1)
        return;
    DeleteNodeTree(Node);
}

std::vector<int> TDBModule::SubtreeIds(int Id)
{
    // Each level is found through the parent index, made here for a file
    // that lacks it, not by reading every row.
    dataBase_->Execute(kParentIndexStatement);
    // Only folders are descended into, as the tree shows them, and never 0:
    // every top-level row has 0 as its 目录, so a folder stored with id 0 (a
    // hand-edited file) holds nothing. Damaged rows are neither taken nor
    // descended into. "union", not "union all": a damaged file whose 目录 go
    // round in a circle still ends.
    auto query = Select("with recursive below(id, folder) as (select " + IntToStr(Id) +
                        ", 1 union select 标识, 类型=" + IntToStr(ntFolder) +
                        " from below join Nodes on 目录=below.id where below.folder and below.id<>0 and " +
                        SoundNodeRow() + ") select id from below");
    std::vector<int> ids;
    for (; !query->Eof(); query->Next())
        ids.push_back(query->Fields()->Fields(0)->AsInteger());
    return ids;
}

void TDBModule::DeleteNodeTree(TTreeNode* Node)
{
    // One line for the whole deletion: it takes a moment only for a big
    // folder, and a line per node would cost more than the rows.
    nodeManager_->ShowHint((Node->ImageIndex() != ntFolder ? "正在删除文章 " : "正在目录文章 ") + Node->Text());
    std::vector<int> ids;
    try {
        TDBTransaction transaction(dataBase_);
        // A folder's subtree as the file holds it, not as this window shows
        // it: another program may have put nodes into it meanwhile. An
        // article is its own rows alone.
        const int id = NodeIdOf(Node);
        ids = Node->ImageIndex() == ntFolder ? SubtreeIds(id) : std::vector<int>{id};
        DeleteNodeRows(ids);
        transaction.Commit();
    } catch (...) {
        // Nothing was deleted (another program kept the file, say): no
        // deletion is going on either.
        nodeManager_->ShowHint("");
        throw;
    }
    // The rows are gone for good now; their tabs go without a question
    // (a folder opened from a search hit has a tab too).
    RemoveNodeEditors(ids);
    Node->Owner()->Delete(Node);
    // Done: the line would speak of a deletion still going on.
    nodeManager_->ShowHint("");
}

void TDBModule::SearchNodes(const AnsiString& Text)
{
    TListItems* items = nodeManager_->GetSearchList()->Items();
    TListUpdate update(items);
    items->Clear();
    auto query = Select("select * from nodes where 名称 Like'" + QuotedSqlText(LikeContainsPattern(Text)) +
                        "' escape '!' and " + SoundNodeRow());
    for (; !query->Eof(); query->Next()) {
        TListItem* item = items->Add();
        item->SetImageIndex(1);
        item->SetCaption(query->FieldByName("名称")->AsString());
        item->Data = reinterpret_cast<void*>(static_cast<intptr_t>(query->FieldByName("标识")->AsInteger()));
    }
}

void TDBModule::RenameNode(TTreeNode* Node, AnsiString& Text)
{
    const AnsiString id = IntToStr(NodeIdOf(Node));
    if (Text.empty()) {
        MessageDlg.ShowInfoMessage("文章或目录标题不可以为空，请重新填写标题！", "重命名");
        Text = Select("select 名称 from Nodes where 标识=" + id)->FieldByName("名称")->AsString();
        return;
    }
    {
        auto query = Select("select * from Nodes where 标识=" + id);
        EditFoundRow(query.get());
        query->FieldByName("名称")->SetAsString(Text);
        query->Post();
    }
    for (int i = 0; i < nodeManager_->GetEditorCount(); ++i)
        if (nodeManager_->GetEditors(i)->GetNodeID() == NodeIdOf(Node)) {
            nodeManager_->GetEditors(i)->SetNodeName(Text);
            break;
        }
}
