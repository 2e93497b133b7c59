// TADOQuery: runs the SQL text of its lines on a connection. A query that
// returns rows is opened and walked with First/Next/Eof; its rows can be
// changed with Edit or added with Append, then written with Post.
//
// Rows are read from the file only as they are reached: a query opened just
// to append a row ("select * from Attachments") reads none of the existing
// rows or their blobs. RecordCount reads them all.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/base/component.h"
#include "platform/base/string_list.h"
#include "platform/db/db_fields.h"

class TADOConnection;
struct sqlite3;
struct TQueryState;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

class TADOQuery : public TComponent {
public:
    explicit TADOQuery(TComponent* AOwner);
    ~TADOQuery() override;

    TADOConnection* Connection() const { return connection_; }
    // Closes the query first.
    void SetConnection(TADOConnection* Value);

    // The statement, one or more lines. Changing it closes the query.
    TStrings* SQL() const { return sql_.get(); }

    // Opens a statement that returns rows; raises EDatabaseError when it
    // fails or returns none ("CommandText does not return a result set").
    void Open();
    // Discards an unposted Edit or Append.
    void Close();
    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool Value) { Value ? Open() : Close(); }
    // Runs a statement that returns no rows; returns the number of rows changed.
    int ExecSQL();

    TDataSetState State() const { return state_; }

    // Moving posts an unposted Edit or Append first.
    void First();
    void Next();
    bool Eof();
    bool Bof() const { return bof_; }
    bool IsEmpty();
    int RecordCount();

    TFields* Fields() { return &fields_; }
    int FieldCount() const { return fields_.Count(); }
    TField* FindField(const AnsiString& FieldName) const { return fields_.FindField(FieldName); }
    TField* FieldByName(const AnsiString& FieldName) const { return fields_.FieldByName(FieldName); }

    // The text in Column of Table's row RowId, read as ReadTextInPieces
    // reads it: a value of any length with no copy of it whole. The query
    // must stand on a row it has not read past, whose statement holds the
    // file's moment: the text is of the same moment as that row.
    AnsiString ReadLongText(const AnsiString& Table, const AnsiString& Column, int64_t RowId);

    // Append starts a new row (posting one in progress); Edit changes the
    // current row. Both need a query whose fields come from one table, and
    // Edit needs that table's key among the fields. Post writes the row:
    // after posting an appended row, an auto-number field holds the number
    // the row got. Editing a row that is gone raises EDatabaseError "Row
    // cannot be located for updating". Cancel drops the changes.
    //
    // Rows not read yet when a row is appended stay unread: an append-only
    // query never reads them, and the query then holds the rows it had read
    // plus the appended ones.
    void Append();
    void Edit();
    void Post();
    void Cancel();

private:
    friend class TField;
    friend class TADOConnection;
    const TFieldValue& CurrentValue(int FieldIndex);
    void SetFieldValue(int FieldIndex, TFieldValue Value);
    sqlite3* Database() const;
    // Reads rows until the one at Index is there; false when there are fewer.
    bool FetchRow(size_t Index);
    void CheckActive() const;
    void CheckUpdatable() const;
    void CheckBrowseMode();
    void PostInsert();
    void PostEdit();
    void SqlChanged(TObject* Sender);
    void ConnectionClosing();

    TADOConnection* connection_ = nullptr;
    std::unique_ptr<TStringList> sql_;
    TFields fields_;
    TDataSetState state_ = dsInactive;
    bool bof_ = true;
    std::unique_ptr<TQueryState> query_;  // the engine's statement and the rows read
};
