// TDBModule: saving an article's text. Another program may have the same
// notes file open: a save never overwrites unseen what it saved into the
// article after this program read it, nor writes into an article it
// deleted.
#include "app/db_module.h"
#include "app/db_transaction.h"
#include "app/editor_config_string.h"
#include "app/node_manager.h"
#include "app/node_tree.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_fields.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"

bool TDBModule::SaveNode(TCustomSynTextEditor* Editor)
{
    const AnsiString title = NodeEditorOf(Editor)->GetNodeName();
    for (bool overwrite = false;; overwrite = true) {
        AnsiString stored;
        TTextStamp storedAs;
        switch (WriteText(Editor, overwrite, stored, storedAs)) {
        case TTextWrite::Written:
            Editor->SetModified(false);
            return true;
        case TTextWrite::Gone:
            return SaveAsNewNode(Editor);
        case TTextWrite::SavedElsewhere:
            break;
        }
        const int answer = MessageDlg.MessageDlgButtons(
            "文章“" + title + "”在这里打开之后，已经被另一个程序保存过。\r\n\r\n覆盖：用这里的内容替换另一个程序保存的内容。"
            "\r\n保留对方的：放弃这里的修改，重新读取另一个程序保存的内容。\r\n取消：暂不保存。",
            "保存文章", mtWarning, {"覆盖", "保留对方的", "取消"});
        if (answer == 2) {
            ShowStoredText(Editor, stored, storedAs, Editor->RealSelStart());
            return true;
        }
        if (answer != 1)
            return false;
        // What the user agreed to overwrite, and only that: a save made
        // while the question was open is asked about again.
        tabStamps_[NodeEditorOf(Editor)->GetNodeID()] = storedAs;
    }
}

void TDBModule::SaveAllNodes()
{
    for (int i = 0; i < nodeManager_->GetEditorCount(); ++i)
        if (!SaveNode(nodeManager_->GetEditors(i)->GetEditor()))
            return;
}

TDBModule::TTextWrite TDBModule::WriteText(TCustomSynTextEditor* Editor, bool Overwrite, AnsiString& Stored,
                                            TTextStamp& StoredAs)
{
    const int id = NodeEditorOf(Editor)->GetNodeID();
    // The write lock comes first: no other program can save between the
    // reading and the writing.
    TDBTransaction transaction(dataBase_);
    // The stamps tell it without reading the text: a row made anew under
    // the same id (by a program that gives ids out again) is not the
    // article the tab opened.
    const std::optional<TTextStamp> stored = StoredStamp(id);
    const TTextStamp read = tabStamps_[id];
    if (!stored || stored->Row != read.Row)
        return TTextWrite::Gone;
    if (stored->Version != read.Version) {
        Stored = Select("select 内容 from Contents where 标识=" + IntToStr(id))->Fields()->Fields(0)->AsString();
        StoredAs = *stored;
        return TTextWrite::SavedElsewhere;
    }
    // An unchanged tab holds the text of its stamp (save all saves every
    // tab): writing it again would give it a version the other program's
    // tabs take for a change. Not so once the user chose it over the text
    // another program saved.
    if (!Editor->Modified() && !Overwrite)
        return TTextWrite::Written;
    dataBase_->Execute("update Contents set 内容=? where 标识=" + IntToStr(id), {TFieldValue::OfText(Editor->Text())});
    // The file's triggers gave the text its new version.
    const TTextStamp written = StoredStamp(id).value_or(TTextStamp{});
    transaction.Commit();
    tabStamps_[id] = written;
    return TTextWrite::Written;
}

std::optional<TTextStamp> TDBModule::StoredStamp(int Id)
{
    auto query = Select(AnsiString("select ") + kTextStampColumns + " from Contents" + kTextStampJoin +
                        " where Contents.标识=" + IntToStr(Id));
    if (query->Eof())
        return std::nullopt;
    return TextStampAt(query.get(), 0);
}

bool TDBModule::FolderThere(int Id)
{
    return !Select("select 标识 from Nodes where 类型=" + IntToStr(ntFolder) + " and 标识=" + IntToStr(Id))->Eof();
}

bool TDBModule::ArticleThere(int Id)
{
    if (const auto tab = tabStamps_.find(Id); tab != tabStamps_.end()) {
        const std::optional<TTextStamp> stored = StoredStamp(Id);
        return stored && stored->Row == tab->second.Row;
    }
    return !Select("select Nodes.标识 from Nodes, Contents where Nodes.标识=" + IntToStr(Id) +
                   " and Contents.标识=" + IntToStr(Id))
                ->Eof();
}

bool TDBModule::SaveAsNewNode(TCustomSynTextEditor* Editor, const AnsiString& Left, const AnsiString& Also)
{
    INodeEditor* frame = NodeEditorOf(Editor);
    const int answer = MessageDlg.MessageDlgButtons("文章“" + frame->GetNodeName() + "”已经被另一个程序删除了，" + Left +
                                                        "。\r\n\r\n要把这里的内容保存为一篇新文章" + Also + "吗？",
                                                    "保存文章", mtWarning, {"保存为新文章", "取消"});
    if (answer != 1)
        return false;
    TTreeNode* node = FindTreeNode(nodeManager_->GetNodeTree()->Items(), frame->GetNodeID());
    int parentId = node && node->Parent() ? NodeIdOf(node->Parent()) : 0;
    const TNodeContent content{
        .Title = frame->GetNodeName(),
        .Text = Editor->Text(),
        .Language = Editor->Highlighter() ? Editor->Highlighter()->GetFriendlyLanguageName() : AnsiString(),
        .Config = EditorConfigToString(Editor),
        .Position = Editor->RealSelStart(),
    };
    int id = 0;
    TTextStamp written;
    {
        TDBTransaction transaction(dataBase_);
        // The folder may have gone with the article.
        if (parentId != 0 && !FolderThere(parentId))
            parentId = 0;
        id = NextNodeId();
        AppendNodeRows(id, parentId, ntArticle, content);
        written = StoredStamp(id).value_or(TTextStamp{});
        transaction.Commit();
    }
    const int gone = frame->GetNodeID();
    tabStamps_.erase(gone);
    tabStamps_[id] = written;
    frame->SetNodeID(id);
    Editor->SetModified(false);
    // Its attachments went with the article.
    if (attachmentsNodeId_ == gone)
        LoadAttachments(id);
    if (!node) {
        node = nodeManager_->GetNodeTree()->Items()->AddChild(nullptr, content.Title);
        node->SetImageIndex(ntArticle);
        node->SetSelectedIndex(ntArticle);
    } else if (parentId == 0 && node->Parent()) {
        node->MoveTo(nullptr, naAdd);
    }
    SetNodeId(node, id);
    return true;
}
