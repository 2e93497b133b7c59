// TDBModule: opening, creating and compacting notes database files, and the
// program INI's memory of the last one.
#include "app/db_module.h"

#include "app/attachment_folder.h"
#include "app/node_manager.h"
#include "app/node_rows.h"
#include "editor_services/dialogs/message_dlg.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/database_file.h"
#include "platform/db/db_errors.h"
#include "platform/db/open_elsewhere.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"

namespace {

const char* const kOpenFailure =
    "打开数据库失败\r\n\r\n1.请确认你要打开的数据库是否存在\r\n\r\n2.请确认你要打开的数据库是是否被其他程序独占，如ACCESS";
const char* const kCreateFailure =
    "建立数据库失败\r\n\r\n1.可能你指定要建立的文件已经存在\r\n\r\n2.可能你指定了一个无效的路径";

// The tables and columns the program reads: a file without one of them is
// refused when it is opened, before anything is read, written or
// remembered, rather than failing later half-way through loading it.
std::vector<TRequiredTable> NotesTables()
{
    return {
        {"NODES", {"标识", "名称", "目录", "类型"}},
        {"CONTENTS", {"标识", "内容", "语言", "配置", "位置"}},
        {"ATTACHMENTS", {"标识", "名称", "文档标识", "大小", "时间", "数据"}},
        {"BOOKMARKS", {"标识", "名称", "文档标识", "文档名称", "文档位置"}},
    };
}

// The full list of pairs the connection has always been given; the data
// layer reads only "Data Source" of it.
AnsiString JetConnectionString(const AnsiString& FileName)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Password=;User ID=Admin;Data Source=" + FileName +
           ";Persist Security Info=True;Mode=ReadWrite;Extended Properties=\"\";"
           "Jet OLEDB:System Database=\"\";Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=;"
           "Jet OLEDB:Engine Type=1;Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
           "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=;"
           "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
           "Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;"
           "Jet OLEDB:SFP=False";
}

}  // namespace

const std::vector<AnsiString>& NotesSchema()
{
    static const std::vector<AnsiString> schema{
        "CREATE TABLE NODES (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT, CONSTRAINT [PK_NODES] primary key "
        "nonclustered([标识]))",
        "CREATE TABLE CONTENTS (标识 INT, 内容 TEXT, 语言 VARCHAR, 配置 TEXT, 位置 INT, CONSTRAINT [PK_CONTENTS] "
        "primary key nonclustered([标识]))",
        "CREATE TABLE ATTACHMENTS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 大小 INT, 时间 DATETIME, 数据 "
        "OLEOBJECT, CONSTRAINT [PK_ATTACHMENTS] primary key nonclustered([标识]))",
        "CREATE TABLE BOOKMARKS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 文档名称 VARCHAR, 文档位置 INT, "
        "Constraint [PK_BOOKMARKS] primary key nonclustered([标识]))",
    };
    return schema;
}

TDBModule::TDBModule(TComponent* AOwner, INodeManager* NodeManager, INodeDialogs* Dialogs, AnsiString IniFileName,
                     AnsiString TempDir)
    : TDataModule(AOwner), nodeManager_(NodeManager), dialogs_(Dialogs), iniFileName_(std::move(IniFileName)),
      tempDir_(AttachmentFolderPath(TempDir)), dataBase_(new TADOConnection(this))
{
    dataBase_->LoginPrompt = false;
    dataBase_->RequiredTables = NotesTables();
    dataBase_->CheckRows = [database = dataBase_] { return DamagedNodeRowsReport(database); };
    CreateActions();
}

TDBModule::~TDBModule()
{
    dataBase_->Close();
    // Only an empty folder goes: opened attachments may still be in use.
    RemoveDir(ExcludeTrailingPathDelimiter(tempDir_));
}

bool TDBModule::Connected() const { return dataBase_->Connected(); }

bool TDBModule::Writable() const { return Connected() && !dataBase_->ReadOnly(); }

AnsiString TDBModule::Connect(const AnsiString& FileName)
{
    if (!FileExists(FileName))
        return kOpenFailure;
    dataBase_->SetConnectionString(JetConnectionString(FileName));
    try {
        dataBase_->Open();
    } catch (const EDatabaseFileError& e) {
        return "这个文件不是有效的文章库。\r\n\r\n" + e.Message();
    } catch (const EDatabaseError& e) {
        return AnsiString(kOpenFailure) + "\r\n\r\n" + e.Message();
    }
    // A file of an older version gets the stamps the saves check before
    // anything is read from it; one that can't be written is never saved
    // into, and needs none.
    try {
        if (!dataBase_->ReadOnly())
            AddTextStamps(dataBase_);
        stamped_ = HasTextStamps(dataBase_);
    } catch (const EDatabaseError& e) {
        dataBase_->Close();
        return AnsiString(kOpenFailure) + "\r\n\r\n" + e.Message();
    }
    // Leftovers of an interrupted create go once the file is known good.
    RemoveStaleTemporaryFiles(FileName);
    fileName_ = FileName;
    return {};
}

void TDBModule::TellIfReadOnly()
{
    if (!dataBase_->ReadOnly())
        return;
    // The file itself, or what it needs beside it: its folder, or a log
    // another program left that this user may not write.
    const AnsiString& because = dataBase_->ReadOnlyBecause();
    const AnsiString what = because == fileName_ ? AnsiString() : "（“" + because + "”不能写入）";
    MessageDlg.ShowAppMessage("文章库“" + fileName_ + "”不能写入" + what +
                              "，现在以只读方式打开：可以阅读文章，但不能保存、新建或删除。");
}

void TDBModule::TellSharedWith()
{
    MessageDlg.ShowAppMessage("文章库“" + fileName_ + "”已经被另一个程序（可能是另一个 Tandril）打开。\r\n\r\n"
                              "两边都可以修改和保存文章：保存一篇文章时，如果它在这里打开之后已经被另一边保存过，"
                              "会先询问是覆盖还是保留另一边的内容。");
}

bool TDBModule::WriteLastDataBase(const AnsiString& FileName)
{
    try {
        TIniFile ini(iniFileName_);
        ini.WriteString("History", "LastDataBase", FileName);
        ini.UpdateFile();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool TDBModule::OpenLastDataBase()
{
    AnsiString last;
    try {
        last = TIniFile(iniFileName_).ReadString("History", "LastDataBase", "");
    } catch (const Exception&) {
        return false;  // an unreadable INI remembers nothing
    }
    if (last.empty() || !FileExists(last) || !OpenDataBase(last))
        return false;
    LoadBookmarks();
    LoadNodeTree();
    return true;
}

void TDBModule::ReturnTo(const AnsiString& Shown)
{
    if (!Shown.empty() && Connect(Shown).empty())
        return;
    for (TCustomListView* list :
         {nodeManager_->GetBookMarkList(), nodeManager_->GetSearchList(), nodeManager_->GetAttachmentList()})
        list->Items()->Clear();
    nodeManager_->GetNodeTree()->Items()->Clear();
}

bool TDBModule::OpenDataBase(const AnsiString& FileName)
{
    if (!CloseAllNodes())
        return false;
    const AnsiString shown = Connected() ? fileName_ : AnsiString();
    dataBase_->Close();
    // Asked before this program holds locks of its own on the file.
    const bool sharedWith = OpenElsewhere(FileName);
    if (const AnsiString failure = Connect(FileName); !failure.empty()) {
        MessageDlg.ShowAppMessage(failure);
        ReturnTo(shown);
        return false;
    }
    if (!WriteLastDataBase(FileName))
        MessageDlg.ShowAppMessage(kOpenFailure);
    TellIfReadOnly();
    // A file opened for reading only is never saved into.
    if (sharedWith && !dataBase_->ReadOnly())
        TellSharedWith();
    return true;
}

bool TDBModule::CreateDataBase(const AnsiString& FileName)
{
    if (!CloseAllNodes())
        return false;
    const AnsiString shown = Connected() ? fileName_ : AnsiString();
    dataBase_->Close();
    bool made = false;
    try {
        RemoveStaleTemporaryFiles(FileName);
        TStringList schema;
        for (const AnsiString& statement : NotesSchema())
            schema.Add(statement);
        schema.Add(kParentIndexStatement);
        CreateDatabaseFile(FileName, &schema);
        made = Connect(FileName).empty();
    } catch (const Exception&) {
    }
    if (!made) {
        MessageDlg.ShowAppMessage(kCreateFailure);
        ReturnTo(shown);
        return false;
    }
    // Only a database that exists whole is remembered.
    if (!WriteLastDataBase(FileName))
        MessageDlg.ShowAppMessage(kOpenFailure);
    return true;
}

AnsiString TDBModule::NewDataBaseFileName(const AnsiString& Chosen) { return ChangeFileExt(Chosen, ".vek"); }

void TDBModule::CompactDataBase()
{
    if (!Connected())
        return;
    // A file gone from under the program is not looked for again: whatever
    // now has its name is not what the open tabs came from.
    dataBase_->CheckWritable();
    dataBase_->Close();
    // A failed compaction leaves the file as it was, and says why: another
    // program has the file open, the folder can no longer be written, the
    // disk is full. Opened again, a file that can no longer be written says
    // so as at any opening.
    AnsiString why;
    try {
        CompactDatabaseFile(fileName_);
    } catch (const EDatabaseWriteRefused& e) {
        why = e.Message();
    } catch (const EDatabaseInUse& e) {
        why = e.Message();
    } catch (const Exception& e) {
        why = "压缩文章库失败，文章库没有改变。\r\n\r\n" + e.Message();
    }
    if (const AnsiString failure = Connect(fileName_); !failure.empty())
        MessageDlg.ShowAppMessage(failure);
    if (!why.empty())
        MessageDlg.ShowAppMessage(why);
    if (Connected())
        TellIfReadOnly();
}

void TDBModule::ExecSQL(const AnsiString& Text) { dataBase_->Execute(Text); }

std::unique_ptr<TADOQuery> TDBModule::NewQuery(const AnsiString& Sql)
{
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(dataBase_);
    query->SQL()->SetText(Sql);
    return query;
}

std::unique_ptr<TADOQuery> TDBModule::Select(const AnsiString& Sql)
{
    auto query = NewQuery(Sql);
    query->Open();
    return query;
}

AnsiString QuotedSqlText(const AnsiString& Text)
{
    AnsiString quoted;
    for (char c : Text) {
        // A statement ends at a zero byte, which would cut the quotes open;
        // the character is joined in by its code instead.
        if (c == '\0') {
            quoted += "' || char(0) || '";
            continue;
        }
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted;
}
