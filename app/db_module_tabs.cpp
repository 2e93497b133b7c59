// TDBModule: article tabs: opening a node into a tab, saving its text and
// closing it with its caret, language and options written back.
#include "app/db_module.h"

#include <algorithm>
#include <cstdint>

#include "app/editor_config_string.h"
#include "app/node_manager.h"
#include "editor/document/syn_text_string_list.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_fields.h"
#include "platform/db/db_errors.h"

namespace {

const char* const kArticleMissing = "这篇文章已经不在数据库中，可能已经被删除！";

// Position, or the end of the text when it lies beyond (a caret stored by a
// close whose changes were discarded). The lines are walked only as far as
// Position: a caret near the top of a long text costs nothing.
int PositionWithinText(const TSynTextStringList& Lines, int Position)
{
    Position = std::max(Position, 0);
    int64_t lineStart = 0;
    for (int i = 0; i < Lines.Count(); ++i) {
        const int64_t lineEnd = lineStart + static_cast<int64_t>(Lines.LineView(i).size());
        if (Position <= lineEnd)
            return Position;
        lineStart = lineEnd + 2;
    }
    return static_cast<int>(std::max<int64_t>(lineStart - 2, 0));
}

}  // namespace

TCustomSynTextEditor* TDBModule::OpenNode(int Id)
{
    for (int i = 0; i < nodeManager_->GetEditorCount(); ++i) {
        INodeEditor* frame = nodeManager_->GetEditors(i);
        if (frame->GetNodeID() == Id) {
            frame->Activate();
            return frame->GetEditor();
        }
    }
    // The rows are read before a tab exists: a stale bookmark or search hit
    // must not make a tab whose saves would go nowhere.
    // The text is read while the statement stands on its row, which holds
    // the file's moment: the stamp is of the text the tab gets.
    TNodeContent content;
    TTextStamp stamp;
    {
        auto row = Select("select nodes.名称, contents.rowid, contents.语言, contents.配置, contents.位置, " +
                          AnsiString(stamped_ ? kTextStampColumns : "0, 0") + " from nodes, contents" +
                          (stamped_ ? kTextStampJoin : "") + " where nodes.标识=" + IntToStr(Id) +
                          " and contents.标识=" + IntToStr(Id));
        if (row->Eof()) {
            MessageDlg.ShowAppMessage(kArticleMissing);
            return nullptr;
        }
        content.Title = row->Fields()->Fields(0)->AsString();
        // The largest value by far: converted as it is read, never copied
        // whole.
        content.Text = row->ReadLongText("Contents", "内容", row->Fields()->Fields(1)->Value().Integer);
        content.Language = row->FieldByName("语言")->AsString();
        content.Config = row->FieldByName("配置")->AsString();
        content.Position = row->FieldByName("位置")->AsInteger();
        stamp = TextStampAt(row.get(), 5);
    }
    TCustomSynTextEditor* editor = nodeManager_->CreateEditor();
    LoadEditor(editor, Id, content, stamp);
    return editor;
}

void TDBModule::LoadEditor(TCustomSynTextEditor* Editor, int Id, const TNodeContent& Content, const TTextStamp& Stamp)
{
    INodeEditor* frame = NodeEditorOf(Editor);
    frame->SetNodeName(Content.Title);
    frame->SetNodeID(Id);
    frame->SetLanguage(Content.Language);
    // Options that can't be read leave the editor's defaults; the user is
    // told once the tab is whole.
    const AnsiString fault = EditorConfigFault(Content.Config);
    if (fault.empty())
        StringToEditorConfig(Editor, Content.Config);
    ShowStoredText(Editor, Content.Text, Stamp, Content.Position);
    LoadAttachments(Id);
    if (!fault.empty())
        TellDamagedConfig("文章", Content.Title, fault);
}

void TDBModule::ShowStoredText(TCustomSynTextEditor* Editor, const AnsiString& Text, const TTextStamp& Stamp,
                               int Position)
{
    Editor->LoadText(Text);
    // A caret stored by a close whose changes were discarded can lie past
    // the stored text; it goes to the end of the text then. Nothing is
    // collapsed yet: the lines are the whole text.
    Editor->SetRealSelStart(PositionWithinText(*Editor->Lines(), Position));
    Editor->EnsureCursorPosVisible();
    tabStamps_[NodeEditorOf(Editor)->GetNodeID()] = Stamp;
}

void TDBModule::TellDamagedConfig(const AnsiString& Kind, const AnsiString& Title, const AnsiString& Fault)
{
    MessageDlg.ShowAppMessage(Kind + "“" + Title + "”的配置已经损坏：" + Fault + "。已经改用默认设置！");
}

AnsiString TDBModule::ReadableConfig(const AnsiString& Config, const AnsiString& Kind, const AnsiString& Title)
{
    const AnsiString fault = EditorConfigFault(Config);
    if (fault.empty())
        return Config;
    TellDamagedConfig(Kind, Title, fault);
    return {};
}

void TDBModule::WriteEditorState(TCustomSynTextEditor* Editor, int NodeId)
{
    // A file opened for reading only keeps what it had; the user was told
    // when it was opened.
    if (dataBase_->ReadOnly())
        return;
    // These columns alone, into the row the tab opened: the text, however
    // long, is neither read nor converted, and a row another program made
    // under the same id keeps its own looks.
    const int written = dataBase_->Execute(
        "update Contents set 位置=?, 语言=?, 配置=? where 标识=" + IntToStr(NodeId) +
            " and ifnull((select 行 from TEXTSTAMPS where TEXTSTAMPS.标识=Contents.标识), 0)=?",
        {TFieldValue::OfInteger(Editor->RealSelStart()),
         TFieldValue::OfText(Editor->Highlighter() ? Editor->Highlighter()->GetFriendlyLanguageName() : AnsiString()),
         TFieldValue::OfText(EditorConfigToString(Editor)), TFieldValue::OfInteger(tabStamps_[NodeId].Row)});
    // Nothing to write to; the tab still closes, as the text had no row to
    // be saved into either.
    if (written == 0)
        MessageDlg.ShowAppMessage(kArticleMissing);
}

bool TDBModule::CloseNode(TCustomSynTextEditor* Editor)
{
    INodeEditor* frame = NodeEditorOf(Editor);
    if (Editor->Modified()) {
        const int answer = MessageDlg.MessageDlgButtons("文章 " + frame->GetNodeName() + "已经被改变，是否保存？",
                                                        "关闭文章", mtInformation, {"保存", "丢弃", "取消"});
        // Only "丢弃" discards: a box closed without a button cancels.
        if (answer == 1) {
            if (!SaveNode(Editor))
                return false;
        } else if (answer != 2) {
            return false;
        }
    }
    const int id = frame->GetNodeID();
    // The caret and the looks are not worth keeping the tab for: a write
    // that fails (a vanished file, a full disk) is reported and the tab
    // closes all the same, so the window can always be closed.
    try {
        WriteEditorState(Editor, id);
    } catch (const EDatabaseError& e) {
        MessageDlg.ShowAppMessage(e.Message());
    }
    nodeManager_->RemoveEditor(Editor);
    tabStamps_.erase(id);
    ForgetAttachmentsOf(id);
    return true;
}

bool TDBModule::CloseAllNodes()
{
    for (int i = nodeManager_->GetEditorCount() - 1; i >= 0; --i)
        if (!CloseNode(nodeManager_->GetEditors(i)->GetEditor()))
            return false;
    return true;
}
