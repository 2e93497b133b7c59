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
#include <cstdint>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/sys_utils.h"
#include "platform/db/db_errors.h"
#include "platform/db/file_hold.h"
#include "platform/db/jet_sql.h"
#include "platform/db/unshared_log_index.h"

namespace {

// How long opening may spend checking the file's structure. The quick
// check reads the whole file: a notes file of 10,000 articles (160 MB) takes
// about 45 ms from the system's cache but over a second from disk
// (bench/bench_db_open.cpp). Within this bound the check of any usual file
// finishes while it is cached, so damage shows at once; a file checked only
// in part is checked further as it is read (the engine reports the damage
// it meets) and in full by TADOConnection::CheckIntegrity.
constexpr double OpenCheckSeconds = 0.25;
// How long an open or a statement waits while another program holds the
// file: a compaction has it to itself for a moment, a save for less.
constexpr int WaitForOthersMs = 5000;

[[noreturn]] void RaiseOpenError(const AnsiString& FileName, const AnsiString& reason, bool fileFault)
{
    const AnsiString message = "不能打开数据库“" + FileName + "”。\r\n\r\n详细信息：" + reason;
    if (fileFault)
        throw EDatabaseFileError(message);
    throw EDatabaseError(message);
}

// Refuses a file that does not start with the engine's header (an empty
// file included, which the engine would take for a new database); returns
// whether the header says the file is in write-ahead-log mode.
bool CheckHeader(const AnsiString& FileName, int fd)
{
    char header[20] = {};
    const ssize_t n = ::pread(fd, header, sizeof header, 0);
    if (n < 0)
        RaiseOpenError(FileName, std::strerror(errno), false);
    if (n != sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0)
        RaiseOpenError(FileName, "这个文件不是数据库。", true);
    return header[18] == 2 && header[19] == 2;
}

// The name the engine opens osName by, as a URI with Parameters ("" for
// none): the characters that mean something in a URI are escaped, so any
// file name reaches the engine as it is.
std::string FileUri(const std::string& osName, const char* Parameters)
{
    std::string uri = osName.starts_with('/') ? "file://" : "file:";
    for (const char c : osName) {
        if (c == '%' || c == '?' || c == '#') {
            static constexpr char hex[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            uri += {'%', hex[byte >> 4], hex[byte & 15]};
        } else {
            uri += c;
        }
    }
    return *Parameters ? uri + "?" + Parameters : uri;
}

sqlite3* OpenHandle(const AnsiString& FileName, const char* Parameters, int Access, const char* Vfs = nullptr)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(FileUri(GbkToUtf8(FileName), Parameters).c_str(), &db,
                                   Access | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE, Vfs);
    if (rc != SQLITE_OK) {
        const AnsiString reason = db ? Utf8ToGbk(sqlite3_errmsg(db)) : AnsiString(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        RaiseOpenError(FileName, reason, false);
    }
    sqlite3_busy_timeout(db, WaitForOthersMs);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

bool Exists(const std::string& osName)
{
    struct stat info {};
    return ::lstat(osName.c_str(), &info) == 0;
}

// Whether this process may write the file. Judged by the mode bits as well
// as by access(), which says yes to everything when run as root: a file the
// user made read-only stays untouched.
bool FileWritable(const std::string& osName)
{
    struct stat info {};
    return ::stat(osName.c_str(), &info) == 0 && (info.st_mode & 0222) != 0 && ::access(osName.c_str(), W_OK) == 0;
}

std::string ParentFolderOf(const std::string& osName)
{
    const size_t slash = osName.rfind('/');
    return slash == std::string::npos ? std::string(".") : osName.substr(0, slash + 1);
}

// Whether files can be made beside the file, as its write-ahead log needs.
bool FolderWritable(const std::string& osName) { return ::access(ParentFolderOf(osName).c_str(), W_OK) == 0; }

// What keeps a journal a crash left beside the file from being rolled
// back: the file, the journal or the folder, named as the user is to be
// told; "" when all can be written.
AnsiString JournalBlocker(const AnsiString& FileName, const std::string& osName)
{
    if (!FileWritable(osName))
        return "数据库文件“" + FileName + "”";
    if (!FileWritable(osName + "-journal"))
        return "日志“" + Utf8ToGbk(osName) + "-journal”";
    if (!FolderWritable(osName))
        return "文件夹“" + Utf8ToGbk(ParentFolderOf(osName)) + "”";
    return {};
}

uint32_t BigEndian32(const unsigned char* Bytes)
{
    return uint32_t(Bytes[0]) << 24 | uint32_t(Bytes[1]) << 16 | uint32_t(Bytes[2]) << 8 | Bytes[3];
}

// Whether the write-ahead log osLog may hold changes: the engine reads a log
// only past a header of its own (its magic number and a page size it
// knows); one without is read as empty, as is a header alone.
bool LogMayHoldChanges(const std::string& osLog)
{
    const int fd = ::open(osLog.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Exists(osLog);  // there, but not ours to judge
    constexpr size_t HeaderSize = 32;
    unsigned char header[HeaderSize] = {};
    struct stat info {};
    const bool read = ::fstat(fd, &info) == 0 && info.st_size > off_t(HeaderSize) &&
                      ::pread(fd, header, HeaderSize, 0) == ssize_t(HeaderSize);
    ::close(fd);
    const uint32_t pageSize = BigEndian32(header + 8);
    return read && (BigEndian32(header) & 0xFFFFFFFE) == 0x377F0682 && pageSize >= 512 && pageSize <= 65536 &&
           (pageSize & (pageSize - 1)) == 0;
}

// What the engine left beside a database file, found before it is opened.
struct TCompanions {
    explicit TCompanions(const std::string& osName)
        : Log(LogMayHoldChanges(osName + "-wal")), LogIndex(Exists(osName + "-shm")),
          Journal(Exists(osName + "-journal"))
    {
    }
    // A write-ahead log whose changes may not be in the file yet. (The
    // engine, reading one with no changes through an index it may not
    // write, retries for seconds and then fails.)
    bool Log;
    bool LogIndex;  // the log's shared index
    bool Journal;   // a rollback journal a crash may have left half-way

    bool operator==(const TCompanions&) const = default;
};

// How the connection the checks run on reads the file, changing nothing:
enum class TCheckingRead {
    // With no journal and no log holding changes beside the file, as a file
    // that does not change: the engine then makes no log and no index
    // beside it (a writer in log mode always has its log there). It takes
    // no locks.
    Unchanging,
    // A journal a crash left beside a writable file is rolled back first,
    // as any opening for writing does; the engine takes the file to itself
    // for that.
    RollingBack,
    // With a log and its index (or a journal it may not roll back), using
    // the index for reading only: the log and the index stay byte for byte
    // (a writer still running keeps the index up to date; without one, the
    // engine reads the log into memory). It takes the engine's locks.
    SharedIndex,
    // With a log and no index, keeping the index in memory: no writer was
    // attached (a writer keeps its index beside the file), and none is
    // made. It takes no locks.
    OwnIndex,
};

TCheckingRead CheckingRead(const TCompanions& Beside, bool ReadOnly)
{
    if (!Beside.Log && !Beside.Journal)
        return TCheckingRead::Unchanging;
    if (Beside.Journal && !ReadOnly)
        return TCheckingRead::RollingBack;
    return Beside.LogIndex || !Beside.Log ? TCheckingRead::SharedIndex : TCheckingRead::OwnIndex;
}

// The connection the checks run on, reading as How says; none of them
// checkpoints a log.
sqlite3* OpenForChecking(const AnsiString& FileName, TCheckingRead How, bool LogIndex)
{
    if (How == TCheckingRead::Unchanging)
        return OpenHandle(FileName, "immutable=1", SQLITE_OPEN_READONLY);
    sqlite3* db = nullptr;
    if (How == TCheckingRead::RollingBack)
        db = OpenHandle(FileName, "", SQLITE_OPEN_READWRITE);
    else if (How == TCheckingRead::SharedIndex)
        db = OpenHandle(FileName, LogIndex ? "readonly_shm=1" : "", SQLITE_OPEN_READONLY);
    else
        db = OpenHandle(FileName, "", SQLITE_OPEN_READONLY, UnsharedLogIndexVfs());
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    return db;
}

// What can't be written of what a writer writes: the file, the folder the
// engine makes its log in, or a log or index left beside the file (which
// the engine would take for read-only and then refuse every write); "" when
// all can be.
AnsiString Unwritable(const AnsiString& FileName, const std::string& osName)
{
    if (!FileWritable(osName))
        return FileName;
    if (!FolderWritable(osName))
        return Utf8ToGbk(ParentFolderOf(osName));
    for (const char* suffix : {"-wal", "-shm"})
        if (Exists(osName + suffix) && !FileWritable(osName + suffix))
            return Utf8ToGbk(osName + suffix);
    return {};
}

// What VouchForFile remembers of the one file it vouches for.
struct TFileIdentity {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    timespec Modified{}, Changed{};

    static TFileIdentity Of(const std::string& osName)
    {
        struct stat info {};
        if (::stat(osName.c_str(), &info) != 0)
            return {};
        return {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    }
    bool operator==(const TFileIdentity& Other) const
    {
        return Device == Other.Device && Inode == Other.Inode && Size == Other.Size &&
               Modified.tv_sec == Other.Modified.tv_sec && Modified.tv_nsec == Other.Modified.tv_nsec &&
               Changed.tv_sec == Other.Changed.tv_sec && Changed.tv_nsec == Other.Changed.tv_nsec;
    }
};
TFileIdentity vouchedFor;  // Size -1: none

// Whether osName is the file vouched for, unchanged; the vouch is spent.
bool TakeVouch(const std::string& osName)
{
    const TFileIdentity now = TFileIdentity::Of(osName);
    const bool vouched = now.Size >= 0 && now == vouchedFor;
    vouchedFor = {};
    return vouched;
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

// Puts db in write-ahead-log mode with full syncs, holding the file from
// now until it closes. A connection in log mode takes the engine's shared
// lock at its first read and keeps it; that lock is how another program
// learns that the file is open here (OpenElsewhere), and what keeps its
// compaction from replacing the file. Switching a file from rollback mode
// (just made, or just compacted) reads nothing after the switch, so the
// schema's version is read here.
void UseDurableLog(sqlite3* db)
{
    ExecuteUtf8(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA schema_version;");
}

[[noreturn]] void RaiseReplacedWhileOpening(const AnsiString& FileName)
{
    RaiseOpenError(FileName,
                   "打开的同时，另一个程序把这个文件换成了新的一份（比如另一个 Tandril 刚刚压缩了它）。请再打开一次。",
                   false);
}

// Holds the file FileName names (osName) for its opening, waiting while
// another program has it to itself; a file put in its place meanwhile (a
// compaction's copy) is the one held.
TFileHold HoldForOpening(const AnsiString& FileName, const std::string& osName)
{
    TFileHold hold;
    for (int attempt = 0; attempt < 10; ++attempt) {
        switch (hold.Take(osName, WaitForOthersMs / 1000.0)) {
        case TFileHold::TResult::Failed:
            RaiseOpenError(FileName, std::strerror(errno), false);
        case TFileHold::TResult::Busy:
            RaiseOpenError(FileName,
                           "另一个程序独占着这个文件（比如另一个 Tandril 正在压缩它），等了 5 秒还没有放开。"
                           "请稍后再打开一次。",
                           false);
        case TFileHold::TResult::Held:
            if (hold.Names(osName))
                return hold;
        }
    }
    RaiseReplacedWhileOpening(FileName);
}

// Interrupts the engine's work on db when the time is up. A helper thread
// does it, since the engine checks a whole table inside one step of its
// program, where no progress handler is called; interrupting from another
// thread is what the engine provides for this. An interrupt arriving after
// the work ended is dropped when the next statement starts.
class TDeadline {
public:
    TDeadline(sqlite3* db, double seconds)
        : watch_([this, db, deadline = MonotonicSeconds() + seconds] {
              while (!done_ && MonotonicSeconds() < deadline)
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

}  // namespace

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

bool InLogMode(const std::string& osName)
{
    const int fd = ::open(osName.c_str(), O_RDONLY | O_CLOEXEC);
    unsigned char header[20] = {};
    const bool read = fd >= 0 && ::pread(fd, header, sizeof header, 0) == ssize_t(sizeof header);
    if (fd >= 0)
        ::close(fd);
    return read && header[18] == 2 && header[19] == 2;
}

void RaiseEngineError(sqlite3* db)
{
    const int code = sqlite3_extended_errcode(db) & 0xff;
    // Another program (another Tandril saving, a database tool inside a
    // transaction) kept the file for itself for as long as a statement
    // waits: what was asked was not done, and may be asked again.
    if (code == SQLITE_BUSY)
        throw EDatabaseError("另一个程序正在写入数据库“" + Utf8ToGbk(sqlite3_db_filename(db, "main")) +
                             "”，等了 5 秒还没有写完，所以这次什么也没有保存。\r\n\r\n请等它写完后再试一次。");
    const AnsiString message = "数据库操作失败。\r\n\r\n详细信息：" + Utf8ToGbk(sqlite3_errmsg(db));
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        throw EDatabaseFileError(message);
    throw EDatabaseError(message);
}

sqlite3* OpenDatabaseFile(const AnsiString& FileName, const std::vector<TRequiredTable>& Tables,
                          AnsiString& ReadOnlyBecause, TFileHold& Hold, bool CheckStructure)
{
    // The engine keeps its log and journal beside the file a link leads to.
    const std::string osName = LinkTarget(GbkToUtf8(FileName));
    Hold = HoldForOpening(FileName, osName);
    const bool logMode = CheckHeader(FileName, Hold.Fd());
    ReadOnlyBecause = Unwritable(FileName, osName);
    const bool readOnly = !ReadOnlyBecause.empty();
    const TCompanions beside(osName);
    const TCheckingRead how = CheckingRead(beside, readOnly);
    if (how == TCheckingRead::RollingBack)
        Hold.Release();  // the engine takes the file to itself to roll back
    sqlite3* checking = nullptr;
    try {
        checking = OpenForChecking(FileName, how, beside.LogIndex);
        if (!TakeVouch(osName) && CheckStructure)
            CheckStructureBriefly(checking, FileName);
        CheckTables(checking, FileName, Tables);
    } catch (const EDatabaseFileError&) {
        // Read without the engine's locks, the file was held from the
        // checks' start, so that nothing could rewrite it but a writer in
        // log mode folding its log in: one attached now (it holds a lock),
        // or one that came and went (it left its log beside the file). Its
        // pages may have been read half old, half new: no verdict then.
        // Damage that stands shows when it is read, or in the full check.
        const bool unlocked = how == TCheckingRead::Unchanging || how == TCheckingRead::OwnIndex;
        if (!unlocked || (!Hold.OthersLock() && TCompanions(osName) == beside)) {
            sqlite3_close_v2(checking);
            throw;
        }
        if (readOnly) {
            sqlite3_close_v2(checking);
            checking = OpenForChecking(FileName, how, beside.LogIndex);
        }
    } catch (const EDatabaseError&) {
        sqlite3_close_v2(checking);
        // A journal a crash left is rolled back before anything is read,
        // which writes the file and the journal and then removes the
        // journal: without that the file's content is half a change.
        const AnsiString blocker = beside.Journal ? JournalBlocker(FileName, osName) : AnsiString();
        if (!blocker.empty())
            RaiseOpenError(FileName,
                           "文件旁边留有上次没有写完的日志“" + ExtractFileName(FileName) +
                               "-journal”（写入时程序被中断了），要先把它并入数据库才能打开，这需要写入" + blocker +
                               "。请让" + blocker + "可以写入，然后再打开；之后可以再把它改回只读。",
                           false);
        if (!Hold.Names(osName))
            RaiseReplacedWhileOpening(FileName);
        throw;
    }
    // A file opened for reading keeps the connection that wrote nothing.
    // Taken for a file that does not change, it may be written meanwhile
    // only by a program allowed what this one is not (one run by root, or
    // after the user changed the permissions); what such a write makes
    // look like damage is checked again (TADOConnection::RecheckDamage).
    if (readOnly) {
        Hold.Release();
        return checking;
    }
    // Only a file that passed the checks is opened for writing: a refused
    // one stays byte for byte as it was, and so does what lies beside it.
    // A file in log mode stays held until the new connection holds it
    // itself; one in rollback mode is switched, which takes it to the
    // connection alone for a moment.
    sqlite3_close_v2(checking);
    if (!logMode)
        Hold.Release();
    sqlite3* db = OpenHandle(FileName, "", SQLITE_OPEN_READWRITE);
    try {
        UseDurableLog(db);
        if (!Hold.Names(osName))
            RaiseReplacedWhileOpening(FileName);
    } catch (const EDatabaseError& e) {
        const int code = sqlite3_extended_errcode(db);
        sqlite3_close_v2(db);
        if (code == SQLITE_READONLY_DBMOVED || !Hold.Names(osName))
            RaiseReplacedWhileOpening(FileName);
        RaiseOpenError(FileName, e.Message(), dynamic_cast<const EDatabaseFileError*>(&e) != nullptr);
    }
    Hold.Release();
    return db;
}

void VouchForFile(const std::string& osName) { vouchedFor = TFileIdentity::Of(osName); }

sqlite3* OpenEmptyDatabaseFile(const AnsiString& FileName)
{
    sqlite3* db = OpenHandle(FileName, "", SQLITE_OPEN_READWRITE);
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

std::string QuotedIdentifier(const std::string& Name)
{
    std::string quoted = "\"";
    for (char c : Name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
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
