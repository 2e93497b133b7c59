// TADOConnection: one open notes database file. The connection string is a
// list of "key=value;" pairs of which only "Data Source" (the file name)
// matters here; the other keys a caller passes are kept but not used.
//
// Opening checks that the file is a database and not damaged, and puts it in
// write-ahead-log mode with full syncs, so that a committed change survives
// a crash or a power cut. The connection never reconnects by itself.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/component.h"

struct sqlite3;
class TADOQuery;

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

    bool Connected() const { return db_ != nullptr; }
    // Raises EDatabaseError when the file is missing or can't be opened,
    // EDatabaseFileError when it is not a database or is damaged; the
    // connection stays closed then. Closing rolls back an open transaction
    // and closes every query on the connection.
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // Runs one statement that returns no rows (the statements of the notes
    // program, Jet syntax included); returns the number of rows changed.
    int Execute(const AnsiString& CommandText);

    // Transactions nest: BeginTrans returns the new level (1 for the
    // outermost), and the inner levels commit into or roll back to their
    // start inside the outer one. Only the outermost commit reaches the file.
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return transactionLevel_ > 0; }

    // The full structural check of the whole file, on demand (opening runs a
    // check bounded in time); raises EDatabaseFileError listing what is
    // wrong.
    void CheckIntegrity();

    // The engine's handle for the queries of this layer; nullptr when closed.
    sqlite3* Handle() const { return db_; }

private:
    friend class TADOQuery;
    void AttachDataSet(TADOQuery* DataSet);
    void DetachDataSet(TADOQuery* DataSet);
    void CheckConnected() const;

    AnsiString connectionString_;
    sqlite3* db_ = nullptr;
    int transactionLevel_ = 0;             // 0 outside a transaction
    std::vector<TADOQuery*> dataSets_;     // the queries whose Connection is this
};
