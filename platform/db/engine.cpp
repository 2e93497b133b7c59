// Opening database files with the layer's checks, running statements and
// reporting the engine's errors.
#include "platform/db/engine.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/base/code_page.h"
#include "platform/db/db_errors.h"
#include "platform/db/jet_sql.h"

namespace {

// How long opening may spend checking the file's structure. The quick
// check reads the whole file: a notes file of 10,000 articles (160 MB) takes
// about 45 ms from the system's cache but over a second from disk
// (bench/bench_db_open.cpp). Within this bound the check of any usual file
// finishes while it is cached, so damage shows at once; a file checked only
// in part is checked further as it is read (the engine reports the damage
// it meets) and in full by TADOConnection::CheckIntegrity.
constexpr double OpenCheckSeconds = 0.25;

double Seconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

[[noreturn]] void RaiseOpenError(const AnsiString& FileName, const AnsiString& reason, bool fileFault)
{
    const AnsiString message = "不能打开数据库“" + FileName + "”。\r\n\r\n详细信息：" + reason;
    if (fileFault)
        throw EDatabaseFileError(message);
    throw EDatabaseError(message);
}

// Whether the file starts with the engine's header; a file that doesn't
// (an empty file included, which the engine would take for a new database)
// is refused.
void CheckHeader(const AnsiString& FileName, const std::string& osName)
{
    const int fd = ::open(osName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseOpenError(FileName, std::strerror(errno), false);
    char header[16] = {};
    const ssize_t n = ::read(fd, header, sizeof header);
    const int error = errno;
    ::close(fd);
    if (n < 0)
        RaiseOpenError(FileName, std::strerror(error), false);
    if (n != sizeof header || std::memcmp(header, "SQLite format 3", sizeof header) != 0)
        RaiseOpenError(FileName, "这个文件不是数据库。", true);
}

sqlite3* OpenHandle(const AnsiString& FileName, bool ReadOnly)
{
    sqlite3* db = nullptr;
    const int access = ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(GbkToUtf8(FileName).c_str(), &db, access | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const AnsiString reason = db ? Utf8ToGbk(sqlite3_errmsg(db)) : AnsiString(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        RaiseOpenError(FileName, reason, false);
    }
    // Another program of ours may hold the file for a moment.
    sqlite3_busy_timeout(db, 5000);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// A file nobody may write, or one this process can't write (nor the log
// beside it), is opened for reading only. Judged by the mode bits as well as
// by access(), which says yes to everything when run as root: a file the
// user made read-only stays untouched.
bool CannotWrite(const std::string& osName)
{
    struct stat info {};
    const size_t slash = osName.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : osName.substr(0, slash + 1);
    return ::stat(osName.c_str(), &info) != 0 || (info.st_mode & 0222) == 0 || ::access(osName.c_str(), W_OK) != 0 ||
           ::access(folder.c_str(), W_OK) != 0;
}

// The tables the caller reads, each with the columns it reads; raises
// naming the first one missing.
void CheckTables(sqlite3* db, const AnsiString& FileName, const std::vector<TRequiredTable>& Tables)
{
    for (const TRequiredTable& table : Tables) {
        TStatement info(db, "SELECT name FROM pragma_table_info(?1)");
        const std::string name = GbkToUtf8(table.Name);
        sqlite3_bind_text(info.Handle(), 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        std::vector<std::string> present;
        while (info.Step())
            present.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.Handle(), 0)));
        if (present.empty())
            RaiseOpenError(FileName, "缺少表 " + table.Name + "。", true);
        for (const AnsiString& column : table.Columns) {
            const std::string wanted = GbkToUtf8(column);
            const bool found = std::any_of(present.begin(), present.end(), [&](const std::string& have) {
                return sqlite3_stricmp(have.c_str(), wanted.c_str()) == 0;
            });
            if (!found)
                RaiseOpenError(FileName, "表 " + table.Name + " 缺少列 " + column + "。", true);
        }
    }
}

void UseDurableLog(sqlite3* db)
{
    ExecuteUtf8(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;");
}

// Interrupts the engine's work on db when the time is up. A helper thread
// does it, since the engine checks a whole table inside one step of its
// program, where no progress handler is called; interrupting from another
// thread is what the engine provides for this. An interrupt arriving after
// the work ended is dropped when the next statement starts.
class TDeadline {
public:
    TDeadline(sqlite3* db, double seconds)
        : watch_([this, db, deadline = Seconds() + seconds] {
              while (!done_ && Seconds() < deadline)
                  ::usleep(2000);
              if (!done_)
                  sqlite3_interrupt(db);
          })
    {
    }
    ~TDeadline()
    {
        done_ = true;
        watch_.join();
    }
    TDeadline(const TDeadline&) = delete;
    TDeadline& operator=(const TDeadline&) = delete;

private:
    std::atomic<bool> done_{false};
    std::thread watch_;
};

// The quick structural check, stopped when it runs out of time; raises when
// it finds damage.
void CheckStructureBriefly(sqlite3* db, const AnsiString& FileName)
{
    TDeadline deadline(db, OpenCheckSeconds);
    std::string report;
    int rc = SQLITE_OK;
    {
        sqlite3_stmt* stmt = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr);
        while (rc != SQLITE_DONE && (rc == SQLITE_OK || rc == SQLITE_ROW) && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const char* line = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            if (line && std::strcmp(line, "ok") != 0)
                report += (report.empty() ? "" : "\n") + std::string(line);
        }
        sqlite3_finalize(stmt);
    }
    if (rc == SQLITE_INTERRUPT)
        return;
    if (rc != SQLITE_DONE) {
        const bool damaged = (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB;
        RaiseOpenError(FileName, (damaged ? "文件已经损坏：" : "") + Utf8ToGbk(sqlite3_errstr(rc)), damaged);
    }
    if (!report.empty())
        RaiseOpenError(FileName, "文件已经损坏：" + Utf8ToGbk(report), true);
}

}  // namespace

void RaiseEngineError(sqlite3* db)
{
    const int code = sqlite3_extended_errcode(db) & 0xff;
    const AnsiString message = "数据库操作失败。\r\n\r\n详细信息：" + Utf8ToGbk(sqlite3_errmsg(db));
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        throw EDatabaseFileError(message);
    throw EDatabaseError(message);
}

sqlite3* OpenDatabaseFile(const AnsiString& FileName, const std::vector<TRequiredTable>& Tables, bool& ReadOnly)
{
    const std::string osName = GbkToUtf8(FileName);
    CheckHeader(FileName, osName);
    ReadOnly = CannotWrite(osName);
    sqlite3* db = OpenHandle(FileName, ReadOnly);
    try {
        CheckStructureBriefly(db, FileName);
        CheckTables(db, FileName, Tables);
        // Only a file that passed the checks is changed: a refused one stays
        // byte for byte as it was.
        if (!ReadOnly) {
            try {
                UseDurableLog(db);
            } catch (const EDatabaseError& e) {
                RaiseOpenError(FileName, e.Message(), dynamic_cast<const EDatabaseFileError*>(&e) != nullptr);
            }
        }
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    return db;
}

sqlite3* OpenEmptyDatabaseFile(const AnsiString& FileName)
{
    sqlite3* db = OpenHandle(FileName, false);
    try {
        ExecuteUtf8(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    return db;
}

void CloseDatabaseFile(sqlite3* db) { sqlite3_close_v2(db); }

void ExecuteUtf8(sqlite3* db, const std::string& Sql)
{
    if (sqlite3_exec(db, Sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        RaiseEngineError(db);
}

int ExecuteStatements(sqlite3* db, const AnsiString& Sql)
{
    const std::string sql = TranslateJetSql(GbkToUtf8(Sql));
    const int64_t before = sqlite3_total_changes64(db);
    ExecuteUtf8(db, sql);
    return static_cast<int>(sqlite3_total_changes64(db) - before);
}

std::string IntegrityReport(sqlite3* db)
{
    TStatement check(db, "PRAGMA integrity_check");
    std::string report;
    while (check.Step()) {
        const char* line = reinterpret_cast<const char*>(sqlite3_column_text(check.Handle(), 0));
        if (line && std::strcmp(line, "ok") != 0)
            report += (report.empty() ? "" : "\n") + std::string(line);
    }
    return report;
}

TStatement::TStatement(sqlite3* db, const std::string& Utf8Sql) : db_(db)
{
    if (sqlite3_prepare_v2(db, Utf8Sql.c_str(), static_cast<int>(Utf8Sql.size()), &stmt_, nullptr) != SQLITE_OK)
        RaiseEngineError(db);
}

TStatement::~TStatement() { sqlite3_finalize(stmt_); }

bool TStatement::Step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    RaiseEngineError(db_);
}
