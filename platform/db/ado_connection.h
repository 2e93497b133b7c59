// TADOConnection: one open notes database file. The connection string is a
// list of "key=value;" pairs of which only "Data Source" (the file name)
// matters here; the other keys a caller passes are kept but not used.
//
// Opening checks that the file is a database, not damaged and has the
// tables its user needs, writing nothing, and only then puts it in
// write-ahead-log mode with full syncs, so that a committed change survives
// a crash or a power cut. A file that can't be written, or whose folder
// can't, is opened for reading only and nothing is made beside it. Every
// write first makes sure the file name still names the file that was
// opened. The connection never reconnects by itself.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/db/db_fields.h"
#include "platform/db/file_hold.h"

struct sqlite3;
class TADOQuery;

// A table a database file must have to be opened, with the columns that
// must be in it (names compared without regard to case).
struct TRequiredTable {
    AnsiString Name;
    std::vector<AnsiString> Columns;
};

class TADOConnection : public TComponent {
public:
    explicit TADOConnection(TComponent* AOwner);
    // Closes the connection; queries on it are closed and lose it.
    ~TADOConnection() override;

    const AnsiString& ConnectionString() const { return connectionString_; }
    // Closes an open connection first.
    void SetConnectionString(const AnsiString& Value);
    // The file name of the connection string ("" when it names none).
    AnsiString DataSource() const;

    // Kept for the callers that set it; no login is ever asked for.
    bool LoginPrompt = true;
    // Checked when the connection opens, before anything is written.
    std::vector<TRequiredTable> RequiredTables;

    bool Connected() const { return db_ != nullptr; }
    // Whether the open file can't be written; writes then raise
    // EDatabaseWriteRefused.
    bool ReadOnly() const { return !readOnlyBecause_.empty(); }
    // What can't be written when ReadOnly: the file as DataSource names it,
    // else its folder or the log or log index beside it.
    const AnsiString& ReadOnlyBecause() const { return readOnlyBecause_; }
    // Raises EDatabaseWriteRefused when the file is read-only or its name no
    // longer names the file that was opened (deleted, moved or replaced).
    // Every write of the connection and its queries asks this first.
    void CheckWritable() const;
    // Raises EDatabaseError when the file is missing or can't be opened,
    // EDatabaseFileError when it is not a database, is damaged or lacks one
    // of RequiredTables; the connection stays closed then. Closing rolls back an open transaction
    // and closes every query on the connection.
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // Runs one statement that returns no rows (the statements of the notes
    // program, Jet syntax included); returns the number of rows changed.
    int Execute(const AnsiString& CommandText);
    // Runs one statement whose '?' take Values in order, as a query's
    // fields are written (text given in GBK); returns the number of rows
    // the statement itself changed. A text too big to splice into a
    // statement goes this way.
    int Execute(const AnsiString& CommandText, const std::vector<TFieldValue>& Values);

    // Transactions nest: BeginTrans returns the new level (1 for the
    // outermost), and the inner levels commit into or roll back to their
    // start inside the outer one. Only the outermost commit reaches the file.
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return transactionLevel_ > 0; }

    // The full structural check of the whole file, on demand (opening runs a
    // check bounded in time), then CheckRows when the structure is sound;
    // raises EDatabaseFileError listing what is wrong, or, on a read-only
    // connection, EDatabaseError as RecheckDamage says.
    void CheckIntegrity();
    // The caller's own check of what the rows hold, for the full check: ""
    // when they are sound, else what is wrong, in the user's words.
    std::function<AnsiString()> CheckRows;

    // For when the engine reported damage while reading: a read-only
    // connection reads the file as one that does not change, so what
    // another program wrote meanwhile can look like damage to it. Such a
    // connection checks the file in full on a fresh connection and, when it
    // is sound, goes on with that one (which sees the file as it is now)
    // and raises EDatabaseError saying the file was changed by another
    // program. Returns when the damage stands: the report is true.
    void RecheckDamage();

    // The engine's handle for the queries of this layer; nullptr when closed.
    sqlite3* Handle() const { return db_; }

private:
    friend class TADOQuery;
    void AttachDataSet(TADOQuery* DataSet);
    void DetachDataSet(TADOQuery* DataSet);
    void CheckConnected() const;

    AnsiString connectionString_;
    sqlite3* db_ = nullptr;
    TFileHold hold_;                       // its descriptor outlives db_
    int transactionLevel_ = 0;             // 0 outside a transaction
    AnsiString readOnlyBecause_;           // "" when the file opened for writing
    unsigned long long device_ = 0, inode_ = 0;  // the file opened
    std::vector<TADOQuery*> dataSets_;     // the queries whose Connection is this
};
