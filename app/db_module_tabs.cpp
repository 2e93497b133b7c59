// TDBModule: article tabs: opening a node into a tab, saving its text and
// closing it with its caret, language and options written back.
#include "app/db_module.h"

#include <algorithm>

#include "app/editor_config_string.h"
#include "app/node_manager.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_errors.h"

namespace {

const char* const kArticleMissing = "这篇文章已经不在数据库中，可能已经被删除！";

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
    TNodeContent content;
    {
        auto row = Select("select nodes.名称, contents.* from nodes, contents where nodes.标识=" + IntToStr(Id) +
                          " and contents.标识=" + IntToStr(Id));
        if (row->Eof()) {
            MessageDlg.ShowAppMessage(kArticleMissing);
            return nullptr;
        }
        content.Title = row->Fields()->Fields(0)->AsString();
        content.Text = row->FieldByName("内容")->AsString();
        content.Language = row->FieldByName("语言")->AsString();
        content.Config = row->FieldByName("配置")->AsString();
        content.Position = row->FieldByName("位置")->AsInteger();
    }
    TCustomSynTextEditor* editor = nodeManager_->CreateEditor();
    LoadEditor(editor, Id, content);
    return editor;
}

void TDBModule::LoadEditor(TCustomSynTextEditor* Editor, int Id, const TNodeContent& Content)
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
    ShowStoredText(Editor, Content.Text, Content.Position);
    LoadAttachments(Id);
    if (!fault.empty())
        TellDamagedConfig("文章", Content.Title, fault);
}

void TDBModule::ShowStoredText(TCustomSynTextEditor* Editor, const AnsiString& Text, int Position)
{
    Editor->SetText(Text);
    // A caret stored by a close whose changes were discarded can lie past
    // the stored text; it goes to the end of the text then.
    const int textLength = static_cast<int>(Editor->Text().size());
    Editor->SetRealSelStart(std::clamp(Position, 0, textLength));
    Editor->ClearUndo();
    Editor->SetModified(false);
    Editor->EnsureCursorPosVisible();
    for (int i = 0; i < Editor->Lines()->Count(); ++i)
        Editor->Lines()->GetLineState(i)->Modified = lmUnchanged;
    storedTexts_[NodeEditorOf(Editor)->GetNodeID()] = TTextStamp::Of(Text);
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
    auto query = Select("Select * from contents where 标识=" + IntToStr(NodeId));
    if (query->Eof()) {
        // Nothing to write to; the tab still closes, as the text had no
        // row to be saved into either.
        MessageDlg.ShowAppMessage(kArticleMissing);
        return;
    }
    query->Edit();
    query->FieldByName("位置")->SetAsInteger(Editor->RealSelStart());
    query->FieldByName("语言")->SetAsString(Editor->Highlighter() ? Editor->Highlighter()->GetFriendlyLanguageName()
                                                                  : AnsiString());
    query->FieldByName("配置")->SetAsString(EditorConfigToString(Editor));
    query->Post();
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
    storedTexts_.erase(id);
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
