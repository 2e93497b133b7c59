// TADOConnection: the connection string, opening and closing, text commands
// and nested transactions.
#include "platform/db/ado_connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_query.h"
#include "platform/db/bound_value.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"

namespace {

// The value of Key in "key=value;key=value" (keys without regard to case; a
// value may be in double quotes and then hold ';').
AnsiString ConnectionValue(const AnsiString& text, std::string_view key)
{
    size_t i = 0;
    while (i < text.size()) {
        const size_t eq = text.find('=', i);
        if (eq == AnsiString::npos)
            break;
        const AnsiString name = Trim(std::string_view(text).substr(i, eq - i));
        size_t end = eq + 1;
        while (end < text.size() && text[end] == ' ')
            ++end;
        AnsiString value;
        if (end < text.size() && text[end] == '"') {
            const size_t close = text.find('"', end + 1);
            value = text.substr(end + 1, close == AnsiString::npos ? AnsiString::npos : close - end - 1);
            end = close == AnsiString::npos ? text.size() : text.find(';', close);
        } else {
            const size_t semicolon = text.find(';', end);
            value = Trim(std::string_view(text).substr(end, semicolon == AnsiString::npos ? AnsiString::npos : semicolon - end));
            end = semicolon;
        }
        if (SameText(name, key))
            return value;
        if (end == AnsiString::npos)
            break;
        i = end + 1;
    }
    return {};
}

AnsiString SavepointName(int level) { return "tandril_level_" + IntToStr(level); }

}  // namespace

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection()
{
    Close();
    for (TADOQuery* dataSet : dataSets_)
        dataSet->connection_ = nullptr;
}

void TADOConnection::SetConnectionString(const AnsiString& Value)
{
    Close();
    connectionString_ = Value;
}

AnsiString TADOConnection::DataSource() const { return ConnectionValue(connectionString_, "Data Source"); }

void TADOConnection::SetConnected(bool Value)
{
    if (Value == Connected())
        return;
    if (Value) {
        AnsiString readOnlyBecause;
        TFileHold hold;
        sqlite3* db = OpenDatabaseFile(DataSource(), RequiredTables, readOnlyBecause, hold);
        struct stat info {};
        if (::stat(GbkToUtf8(DataSource()).c_str(), &info) != 0) {
            CloseDatabaseFile(db);
            throw EDatabaseError("不能打开数据库“" + DataSource() + "”：文件已经不在了。");
        }
        db_ = db;
        hold_ = std::move(hold);
        readOnlyBecause_ = readOnlyBecause;
        device_ = info.st_dev;
        inode_ = info.st_ino;
        return;
    }
    for (TADOQuery* dataSet : dataSets_)
        dataSet->ConnectionClosing();
    // Closing the engine's handle rolls back what was not committed.
    CloseDatabaseFile(db_);
    db_ = nullptr;
    hold_ = TFileHold();
    transactionLevel_ = 0;
}

void TADOConnection::CheckConnected() const
{
    if (!db_)
        throw EDatabaseError("数据库没有打开，不能进行这个操作。");
}

void TADOConnection::CheckWritable() const
{
    CheckConnected();
    if (ReadOnly())
        throw EDatabaseWriteRefused("数据库“" + DataSource() + "”是只读的，不能写入。");
    struct stat info {};
    if (::stat(GbkToUtf8(DataSource()).c_str(), &info) != 0 || info.st_dev != device_ || info.st_ino != inode_)
        throw EDatabaseWriteRefused("数据库文件“" + DataSource() +
                                    "”已经被删除、移动或替换，不能再写入。\r\n\r\n打开的文章仍然保留，"
                                    "请把要保留的内容复制出来，或者重新打开文章库。");
}

int TADOConnection::Execute(const AnsiString& CommandText)
{
    CheckWritable();
    return ExecuteStatements(db_, CommandText);
}

int TADOConnection::Execute(const AnsiString& CommandText, const std::vector<TFieldValue>& Values)
{
    CheckWritable();
    TStatement statement(db_, GbkToUtf8(CommandText));
    std::vector<std::string> utf8(Values.size());
    for (size_t i = 0; i < Values.size(); ++i)
        BindValue(statement.Handle(), static_cast<int>(i) + 1, Values[i], utf8[i]);
    statement.Step();
    return sqlite3_changes(db_);
}

int TADOConnection::BeginTrans()
{
    CheckWritable();
    ExecuteUtf8(db_, transactionLevel_ == 0 ? std::string("BEGIN IMMEDIATE")
                                            : "SAVEPOINT " + SavepointName(transactionLevel_ + 1));
    return ++transactionLevel_;
}

void TADOConnection::CommitTrans()
{
    CheckConnected();
    if (transactionLevel_ == 0)
        throw EDatabaseError("没有正在进行的事务。");
    try {
        ExecuteUtf8(db_, transactionLevel_ == 1 ? std::string("COMMIT") : "RELEASE " + SavepointName(transactionLevel_));
    } catch (const EDatabaseError&) {
        // A failed write (a full disk, an I/O error) may have made the
        // engine roll the whole transaction back.
        if (sqlite3_get_autocommit(db_))
            transactionLevel_ = 0;
        throw;
    }
    --transactionLevel_;
}

void TADOConnection::RollbackTrans()
{
    CheckConnected();
    if (transactionLevel_ == 0)
        throw EDatabaseError("没有正在进行的事务。");
    if (sqlite3_get_autocommit(db_)) {
        transactionLevel_ = 0;  // the engine rolled it back already
        return;
    }
    const AnsiString savepoint = SavepointName(transactionLevel_);
    ExecuteUtf8(db_, transactionLevel_ == 1 ? std::string("ROLLBACK")
                                            : "ROLLBACK TO " + savepoint + "; RELEASE " + savepoint);
    --transactionLevel_;
}

void TADOConnection::CheckIntegrity()
{
    CheckConnected();
    std::string report;
    try {
        report = IntegrityReport(db_);
    } catch (const EDatabaseFileError&) {
        RecheckDamage();
        throw;
    }
    AnsiString damage = Utf8ToGbk(report);
    if (!damage.empty())
        RecheckDamage();
    else if (CheckRows)
        damage = CheckRows();
    if (!damage.empty())
        throw EDatabaseFileError("数据库文件“" + DataSource() + "”已经损坏。\r\n\r\n详细信息：" + damage);
}

void TADOConnection::RecheckDamage()
{
    CheckConnected();
    if (!ReadOnly())
        return;
    AnsiString readOnlyBecause;
    sqlite3* fresh = nullptr;
    TFileHold hold;
    try {
        fresh = OpenDatabaseFile(DataSource(), RequiredTables, readOnlyBecause, hold);
        if (!IntegrityReport(fresh).empty()) {
            CloseDatabaseFile(fresh);
            return;
        }
    } catch (const EDatabaseError&) {
        CloseDatabaseFile(fresh);
        return;  // damaged, or gone
    }
    struct stat info {};
    ::stat(GbkToUtf8(DataSource()).c_str(), &info);
    // The queries still reading on the old connection keep it until they
    // close. The session stays read-only, as its user was told, even if
    // the file can be written now.
    CloseDatabaseFile(db_);
    db_ = fresh;
    hold_ = std::move(hold);
    device_ = info.st_dev;
    inode_ = info.st_ino;
    throw EDatabaseError("数据库文件“" + DataSource() +
                         "”刚被其他程序修改过，这里读到的内容已经过时。已经重新读取了这个文件，请再试一次。");
}

void TADOConnection::AttachDataSet(TADOQuery* DataSet) { dataSets_.push_back(DataSet); }

void TADOConnection::DetachDataSet(TADOQuery* DataSet) { std::erase(dataSets_, DataSet); }
