// TADOQuery: reads rows as they are reached and writes edited and appended
// rows back to the one table the fields come from.
#include "platform/db/ado_query.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

#include "platform/base/code_page.h"
#include "platform/db/ado_connection.h"
#include "platform/db/bound_value.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/jet_sql.h"
#include "platform/db/text_in_pieces.h"

using TRow = std::vector<TFieldValue>;

struct TQueryState {
    std::unique_ptr<TStatement> select;  // set while rows are left to read
    std::vector<TRow> rows;              // the rows read so far, and those appended
    size_t current = 0;                  // index into rows; rows.size() when there are none
    bool eof = false;                    // Next went past the last row

    TRow buffer;                         // the row being edited or appended
    std::vector<bool> changed;           // which fields of buffer were assigned

    std::string table;                   // the one table all fields come from; "" when none
    std::vector<std::string> columns;    // each field's column in table (UTF-8)
    int autoNumber = -1;                 // the field of the table's auto-number column
    const TFieldValue none{};            // what an empty query's fields read
};

namespace {

TFieldType TypeOfDeclaration(const char* declared, bool autoIncrement)
{
    if (!declared)
        return ftUnknown;
    const AnsiString type = UpperCase(declared);
    if (type.find("INT") != AnsiString::npos)
        return autoIncrement ? ftAutoInc : ftInteger;
    if (type.find("CHAR") != AnsiString::npos)
        return ftString;
    if (type.find("TEXT") != AnsiString::npos || type.find("CLOB") != AnsiString::npos)
        return ftMemo;
    if (type.find("BLOB") != AnsiString::npos)
        return ftBlob;
    if (type.find("DATE") != AnsiString::npos || type.find("TIME") != AnsiString::npos)
        return ftDateTime;
    if (type.find("REAL") != AnsiString::npos || type.find("FLOA") != AnsiString::npos ||
        type.find("DOUB") != AnsiString::npos)
        return ftFloat;
    return ftUnknown;
}

TFieldValue ReadColumn(sqlite3_stmt* stmt, int column, bool bytes)
{
    TFieldValue v;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        v.Kind = TFieldValue::vkInteger;
        v.Integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        v.Kind = TFieldValue::vkFloat;
        v.Float = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT: {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const std::string_view utf8(text, static_cast<size_t>(sqlite3_column_bytes(stmt, column)));
        v.Kind = bytes ? TFieldValue::vkBlob : TFieldValue::vkText;
        v.Bytes = bytes ? std::string(utf8) : Utf8ToGbk(utf8);
        break;
    }
    case SQLITE_BLOB: {
        const char* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        v.Kind = TFieldValue::vkBlob;
        v.Bytes.assign(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(stmt, column)));
        break;
    }
    default:
        break;
    }
    return v;
}

// The key columns of a table, in key order.
std::vector<std::string> KeyColumns(sqlite3* db, const std::string& table)
{
    TStatement info(db, "SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk");
    sqlite3_bind_text(info.Handle(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<std::string> key;
    while (info.Step())
        key.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.Handle(), 0)));
    return key;
}

}  // namespace

TADOQuery::TADOQuery(TComponent* AOwner) : TComponent(AOwner), sql_(std::make_unique<TStringList>())
{
    sql_->OnChange = TNotifyEvent(this, &TADOQuery::SqlChanged);
}

TADOQuery::~TADOQuery()
{
    SetConnection(nullptr);
    sql_->OnChange = nullptr;
}

void TADOQuery::SetConnection(TADOConnection* Value)
{
    Close();
    if (connection_)
        connection_->DetachDataSet(this);
    connection_ = Value;
    if (connection_)
        connection_->AttachDataSet(this);
}

void TADOQuery::SqlChanged(TObject*) { Close(); }

void TADOQuery::ConnectionClosing() { Close(); }

sqlite3* TADOQuery::Database() const
{
    if (!connection_)
        throw EDatabaseError(Name() + "：没有指定数据库连接。");
    connection_->CheckConnected();
    return connection_->Handle();
}

void TADOQuery::Open()
{
    if (Active())
        return;
    sqlite3* db = Database();
    auto query = std::make_unique<TQueryState>();
    try {
        query->select = std::make_unique<TStatement>(db, TranslateJetSql(GbkToUtf8(sql_->Text())));
    } catch (const EDatabaseFileError&) {
        connection_->RecheckDamage();
        throw;
    }
    sqlite3_stmt* stmt = query->select->Handle();
    const int count = sqlite3_column_count(stmt);
    if (count == 0)
        throw EDatabaseError("这个语句不返回数据。");

    bool oneTable = true;
    for (int i = 0; i < count; ++i) {
        const char* table = sqlite3_column_table_name(stmt, i);
        const char* column = sqlite3_column_origin_name(stmt, i);
        int autoIncrement = 0;
        if (table && column) {
            if (query->table.empty())
                query->table = table;
            oneTable = oneTable && query->table == table;
            sqlite3_table_column_metadata(db, sqlite3_column_database_name(stmt, i), table, column, nullptr,
                                          nullptr, nullptr, nullptr, &autoIncrement);
        } else {
            oneTable = false;
        }
        query->columns.emplace_back(column ? column : "");
        if (autoIncrement)
            query->autoNumber = i;
        const TFieldType type = TypeOfDeclaration(sqlite3_column_decltype(stmt, i), autoIncrement != 0);
        AnsiString name = Utf8ToGbk(sqlite3_column_name(stmt, i));
        if (type == ftBlob)
            fields_.Add(std::make_unique<TBlobField>(this, i, std::move(name), type));
        else
            fields_.Add(std::make_unique<TField>(this, i, std::move(name), type));
    }
    if (!oneTable)
        query->table.clear();
    query_ = std::move(query);
    state_ = dsBrowse;
    bof_ = true;
}

void TADOQuery::Close()
{
    state_ = dsInactive;
    query_.reset();
    fields_.Clear();
}

int TADOQuery::ExecSQL()
{
    Close();
    return ExecuteStatements(Database(), sql_->Text());
}

bool TADOQuery::FetchRow(size_t Index)
{
    TQueryState& q = *query_;
    while (q.rows.size() <= Index && q.select) {
        bool stepped = false;
        try {
            stepped = q.select->Step();
        } catch (const EDatabaseFileError&) {
            q.select.reset();
            connection_->RecheckDamage();
            throw;
        }
        if (!stepped) {
            q.select.reset();
            break;
        }
        TRow row;
        row.reserve(static_cast<size_t>(fields_.Count()));
        for (int i = 0; i < fields_.Count(); ++i)
            row.push_back(ReadColumn(q.select->Handle(), i, fields_[i]->DataType() == ftBlob));
        q.rows.push_back(std::move(row));
    }
    return Index < q.rows.size();
}

AnsiString TADOQuery::ReadLongText(const AnsiString& Table, const AnsiString& Column, int64_t RowId)
{
    CheckActive();
    // A statement done with its rows holds no moment of the file any more.
    if (!query_->select || query_->current >= query_->rows.size())
        throw EDatabaseError(Name() + "：数据集没有停在正在读取的记录上，不能读取同一时刻的文本。");
    try {
        return ReadTextInPieces(Database(), Table, Column, RowId);
    } catch (const EDatabaseFileError&) {
        query_->select.reset();
        connection_->RecheckDamage();
        throw;
    }
}

void TADOQuery::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(Name() + "：数据集没有打开，不能进行这个操作。");
}

void TADOQuery::First()
{
    CheckActive();
    CheckBrowseMode();
    query_->current = 0;
    query_->eof = false;
    bof_ = true;
}

void TADOQuery::Next()
{
    CheckActive();
    CheckBrowseMode();
    if (FetchRow(query_->current + 1)) {
        ++query_->current;
        bof_ = false;
    } else {
        query_->eof = true;
    }
}

bool TADOQuery::Eof()
{
    CheckActive();
    return query_->eof || !FetchRow(query_->current);
}

bool TADOQuery::IsEmpty()
{
    CheckActive();
    return !FetchRow(0) && state_ != dsInsert;
}

int TADOQuery::RecordCount()
{
    CheckActive();
    FetchRow(SIZE_MAX);
    return static_cast<int>(query_->rows.size());
}

const TFieldValue& TADOQuery::CurrentValue(int FieldIndex)
{
    CheckActive();
    const auto index = static_cast<size_t>(FieldIndex);
    if (state_ == dsEdit || state_ == dsInsert)
        return query_->buffer[index];
    if (!FetchRow(query_->current))
        return query_->none;
    return query_->rows[query_->current][index];
}

void TADOQuery::SetFieldValue(int FieldIndex, TFieldValue Value)
{
    if (state_ != dsEdit && state_ != dsInsert)
        throw EDatabaseError(Name() + "：数据集不在编辑或插入状态。");
    query_->buffer[static_cast<size_t>(FieldIndex)] = std::move(Value);
    query_->changed[static_cast<size_t>(FieldIndex)] = true;
}

void TADOQuery::CheckUpdatable() const
{
    if (query_->table.empty())
        throw EDatabaseError(Name() + "：字段不是来自同一个表，不能修改记录。");
}

void TADOQuery::CheckBrowseMode()
{
    if (state_ != dsEdit && state_ != dsInsert)
        return;
    const auto& changed = query_->changed;
    if (std::find(changed.begin(), changed.end(), true) != changed.end())
        Post();
    else
        Cancel();
}

void TADOQuery::Append()
{
    CheckActive();
    CheckBrowseMode();
    CheckUpdatable();
    // The rows not read yet stay unread: appending must not cost reading a
    // table of blobs.
    query_->select.reset();
    query_->buffer.assign(static_cast<size_t>(fields_.Count()), TFieldValue{});
    query_->changed.assign(static_cast<size_t>(fields_.Count()), false);
    state_ = dsInsert;
}

void TADOQuery::Edit()
{
    CheckActive();
    if (state_ == dsEdit || state_ == dsInsert)
        return;
    CheckUpdatable();
    // Everything is read before the first write, so a row changed here is
    // never met again by the reading statement.
    const size_t current = query_->current;
    FetchRow(SIZE_MAX);
    if (current >= query_->rows.size())
        throw EDatabaseError(Name() + "：数据集是空的，不能进行这个操作。");
    query_->buffer = query_->rows[current];
    query_->changed.assign(static_cast<size_t>(fields_.Count()), false);
    state_ = dsEdit;
}

void TADOQuery::Cancel()
{
    if (state_ != dsEdit && state_ != dsInsert)
        return;
    query_->buffer.clear();
    query_->changed.clear();
    state_ = dsBrowse;
}

void TADOQuery::Post()
{
    CheckActive();
    if (state_ == dsInsert || state_ == dsEdit)
        connection_->CheckWritable();
    if (state_ == dsInsert)
        PostInsert();
    else if (state_ == dsEdit)
        PostEdit();
    else
        throw EDatabaseError(Name() + "：数据集不在编辑或插入状态。");
}

void TADOQuery::PostInsert()
{
    TQueryState& q = *query_;
    sqlite3* db = Database();
    std::string names, values;
    std::vector<size_t> assigned;
    for (size_t i = 0; i < q.changed.size(); ++i) {
        if (!q.changed[i])
            continue;
        names += (assigned.empty() ? "" : ", ") + QuotedIdentifier(q.columns[i]);
        values += assigned.empty() ? "?" : ", ?";
        assigned.push_back(i);
    }
    const std::string sql = assigned.empty() ? "INSERT INTO " + QuotedIdentifier(q.table) + " DEFAULT VALUES"
                                             : "INSERT INTO " + QuotedIdentifier(q.table) + " (" + names + ") VALUES (" +
                                                   values + ")";
    TStatement insert(db, sql);
    std::vector<std::string> utf8(assigned.size());
    for (size_t p = 0; p < assigned.size(); ++p)
        BindValue(insert.Handle(), static_cast<int>(p) + 1, q.buffer[assigned[p]], utf8[p]);
    insert.Step();
    if (q.autoNumber >= 0 && !q.changed[static_cast<size_t>(q.autoNumber)]) {
        TFieldValue& number = q.buffer[static_cast<size_t>(q.autoNumber)];
        number.Kind = TFieldValue::vkInteger;
        number.Integer = sqlite3_last_insert_rowid(db);
    }
    q.rows.push_back(std::move(q.buffer));
    q.current = q.rows.size() - 1;
    q.eof = false;
    Cancel();
}

void TADOQuery::PostEdit()
{
    TQueryState& q = *query_;
    sqlite3* db = Database();
    std::string sets, where;
    std::vector<size_t> assigned, keys;
    for (size_t i = 0; i < q.changed.size(); ++i) {
        if (!q.changed[i])
            continue;
        sets += (assigned.empty() ? "" : ", ") + QuotedIdentifier(q.columns[i]) + " = ?";
        assigned.push_back(i);
    }
    if (assigned.empty()) {
        Cancel();
        return;
    }
    for (const std::string& key : KeyColumns(db, q.table)) {
        auto column = std::find(q.columns.begin(), q.columns.end(), key);
        if (column == q.columns.end())
            throw EDatabaseError(Name() + "：表的主键不在字段中，不能修改记录。");
        where += (keys.empty() ? "" : " AND ") + QuotedIdentifier(key) + " = ?";
        keys.push_back(static_cast<size_t>(column - q.columns.begin()));
    }
    if (keys.empty())
        throw EDatabaseError(Name() + "：表没有主键，不能修改记录。");

    TStatement update(db, "UPDATE " + QuotedIdentifier(q.table) + " SET " + sets + " WHERE " + where);
    std::vector<const TFieldValue*> values;
    for (size_t i : assigned)
        values.push_back(&q.buffer[i]);
    for (size_t i : keys)
        values.push_back(&q.rows[q.current][i]);
    std::vector<std::string> utf8(values.size());
    for (size_t p = 0; p < values.size(); ++p)
        BindValue(update.Handle(), static_cast<int>(p) + 1, *values[p], utf8[p]);
    update.Step();
    if (sqlite3_changes(db) == 0)
        throw EDatabaseError("找不到要修改的记录，它可能已经被删除或修改。");
    q.rows[q.current] = std::move(q.buffer);
    Cancel();
}
