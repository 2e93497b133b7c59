// What the data layer's files share about the engine: opening a database
// file with the layer's checks and settings, prepared statements, and
// turning the engine's errors into exceptions. The engine's own header stays
// in the .cpp files.
#pragma once

#include <string>
#include <vector>

#include "platform/base/ansi_string.h"
#include "platform/db/ado_connection.h"

struct sqlite3;
class TFileHold;
struct sqlite3_stmt;

// Raises EDatabaseError with the engine's message for db (its last error),
// EDatabaseFileError when that error says the file is damaged or no
// database; when another program kept the file too long, says so in the
// user's words.
[[noreturn]] void RaiseEngineError(sqlite3* db);

// Opens an existing database file after checking that it is a database,
// (within a time bound) that it is not damaged and that it has Tables, on
// a connection that writes nothing; only then is it opened for writing and
// put in write-ahead-log mode with full syncs, so a refused file and the
// log beside it are never written. The file is held from the start (Hold)
// so that no other program rewrites it while it is checked, and a file
// opened for writing is held by its connection when this returns; a
// damage report that may come from pages rewritten meanwhile all the same
// (by a writer in log mode attached to the file) is no verdict. Hold keeps
// its descriptor until the connection is closed. A file that can't be
// written (or has no write bit at all), whose folder can't be written, or
// with a log or log index beside it that can't be written, is opened for
// reading only, leaving nothing beside it; ReadOnlyBecause then names what
// can't be written (the file as FileName names it, else the folder or the
// file beside it, links followed), and is "" for a file opened for
// writing. Raises as TADOConnection::SetConnected says; an open that meets
// another program's compaction says to open the file again. Without
// CheckStructure the structural check is left to the caller
// (CheckStructureBriefly), which may read every row anyway; a file in
// write-ahead-log mode is then opened for writing without a byte of it
// changing.
sqlite3* OpenDatabaseFile(const AnsiString& FileName, const std::vector<TRequiredTable>& Tables,
                          AnsiString& ReadOnlyBecause, TFileHold& Hold, bool CheckStructure = true);
// The quick structural check the opening runs, stopped when it runs out of
// time; raises EDatabaseFileError naming FileName when it finds damage.
void CheckStructureBriefly(sqlite3* db, const AnsiString& FileName);
// Whether the database file osName (a system name) is in write-ahead-log
// mode, as every file the program has opened for writing is.
bool InLogMode(const std::string& osName);
// Marks the database file osName (a system name) as just written whole by
// this process, from rows the engine read without a fault: its next
// opening skips the brief structural check. Any change to the file before
// then (its size, its times, another file under its name) cancels this.
void VouchForFile(const std::string& osName);

// Opens a new, empty file that exists already, with full syncs and a
// rollback journal: once closed, the file holds every committed change by
// itself, with no log beside it, and can take another name.
sqlite3* OpenEmptyDatabaseFile(const AnsiString& FileName);
void CloseDatabaseFile(sqlite3* db);

// Runs statements of GBK text (Jet syntax translated); returns the number of
// rows the last one changed.
int ExecuteStatements(sqlite3* db, const AnsiString& Sql);
// Runs statements of UTF-8 text as they are.
void ExecuteUtf8(sqlite3* db, const std::string& Sql);

// The full check; empty when the file is sound, else the engine's report.
std::string IntegrityReport(sqlite3* db);

// A table or column name (UTF-8) as a statement names it.
std::string QuotedIdentifier(const std::string& Name);

// A prepared statement, finalized when it goes.
class TStatement {
public:
    TStatement(sqlite3* db, const std::string& Utf8Sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    sqlite3_stmt* Handle() const { return stmt_; }
    // One step; true when it gave a row. Raises on failure.
    bool Step();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};
