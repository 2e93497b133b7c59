// Creating a database file complete or not at all, compacting one in place,
// and clearing what an interrupted create left behind.
//
// A create builds the file under a temporary name "~dbXXXXXX.tmp" in the
// target's folder and holds an flock on it while it works; a temporary file
// nobody holds a lock on was left by a crash and may go.
#include "platform/db/database_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"

namespace {

constexpr std::string_view TempPrefix = "~db";
constexpr std::string_view TempSuffix = ".tmp";
constexpr size_t TempRandomLength = 6;
// What the engine may keep beside a database while it is open.
constexpr const char* CompanionSuffixes[] = {"-journal", "-wal", "-shm"};

bool IsTempName(std::string_view name)
{
    return name.size() == TempPrefix.size() + TempRandomLength + TempSuffix.size() && name.starts_with(TempPrefix) &&
           name.ends_with(TempSuffix);
}

std::string OsFolder(const AnsiString& FileName)
{
    const std::string folder = GbkToUtf8(ExtractFilePath(FileName));
    return folder.empty() ? std::string("./") : folder;
}

void RemoveWithCompanions(const std::string& osName)
{
    ::unlink(osName.c_str());
    for (const char* suffix : CompanionSuffixes)
        ::unlink((osName + suffix).c_str());
}

bool SameFile(int fd, const std::string& osName)
{
    struct stat byName {}, byHandle {};
    return ::stat(osName.c_str(), &byName) == 0 && ::fstat(fd, &byHandle) == 0 && byName.st_dev == byHandle.st_dev &&
           byName.st_ino == byHandle.st_ino;
}

void SyncFolder(const std::string& osFolder)
{
    const int fd = ::open(osFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

[[noreturn]] void RaiseCreateError(const AnsiString& FileName, const AnsiString& reason)
{
    throw EDatabaseError("不能建立数据库“" + FileName + "”：" + reason);
}

// The temporary file of one create, locked while it lives; removed with its
// companions unless it has taken its final name.
class TTempDatabase {
public:
    explicit TTempDatabase(const AnsiString& FileName) : folder_(OsFolder(FileName))
    {
        static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device random;
        for (int attempt = 0; fd_ < 0; ++attempt) {
            std::string name(TempPrefix);
            for (size_t i = 0; i < TempRandomLength; ++i)
                name += letters[random() % (sizeof letters - 1)];
            osName_ = folder_ + name + std::string(TempSuffix);
            fd_ = ::open(osName_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && (errno != EEXIST || attempt > 100))
                RaiseCreateError(FileName, std::strerror(errno));
            if (fd_ < 0)
                continue;
            // A cleaner may have taken the file for stale between its
            // creation and the lock; then it is gone and another name is due.
            if (::flock(fd_, LOCK_EX) != 0 || !SameFile(fd_, osName_)) {
                ::close(fd_);
                fd_ = -1;
            }
        }
    }
    ~TTempDatabase()
    {
        if (!osName_.empty())
            RemoveWithCompanions(osName_);
        // Only now: closing the descriptor would drop the engine's locks on
        // the same file, and the flock keeps cleaners away until the end.
        ::close(fd_);
    }
    TTempDatabase(const TTempDatabase&) = delete;
    TTempDatabase& operator=(const TTempDatabase&) = delete;

    AnsiString Name() const { return Utf8ToGbk(osName_); }

    // Flushes what the engine wrote into the file to disk.
    void Sync()
    {
        if (::fsync(fd_) != 0)
            RaiseCreateError(Name(), std::strerror(errno));
    }

    // Gives the file the name of FileName, which it replaces.
    void Replace(const AnsiString& FileName)
    {
        if (::rename(osName_.c_str(), GbkToUtf8(FileName).c_str()) != 0)
            throw EDatabaseError("不能压缩数据库“" + FileName + "”：" + AnsiString(std::strerror(errno)));
        osName_.clear();
        SyncFolder(folder_);
    }

    // Gives the file its final name, failing when that name exists.
    void Publish(const AnsiString& FileName)
    {
        const std::string target = GbkToUtf8(FileName);
        if (::renameat2(AT_FDCWD, osName_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS)
                RaiseCreateError(FileName, std::strerror(errno));
            // A file system without the no-replace rename: a hard link
            // fails as well when the name exists.
            if (::link(osName_.c_str(), target.c_str()) != 0)
                RaiseCreateError(FileName, std::strerror(errno));
            ::unlink(osName_.c_str());
        }
        osName_.clear();
        SyncFolder(folder_);
    }

private:
    std::string folder_;
    std::string osName_;  // cleared once the file has its final name
    int fd_ = -1;
};

// Closes an engine handle when it goes.
struct TOpenDatabase {
    sqlite3* db;
    ~TOpenDatabase() { CloseDatabaseFile(db); }
};

}  // namespace

void CreateDatabaseFile(const AnsiString& FileName, const TStrings* Schema)
{
    RemoveStaleTemporaryFiles(FileName);
    TTempDatabase temp(FileName);
    {
        TOpenDatabase database{OpenEmptyDatabaseFile(temp.Name())};
        ExecuteUtf8(database.db, "BEGIN IMMEDIATE");
        for (int i = 0; i < Schema->Count(); ++i)
            if (!Trim(Schema->Strings(i)).empty())
                ExecuteStatements(database.db, Schema->Strings(i));
        ExecuteUtf8(database.db, "COMMIT");
    }
    temp.Publish(FileName);
}

void CompactDatabaseFile(const AnsiString& FileName)
{
    bool readOnly = false;
    TOpenDatabase database{OpenDatabaseFile(FileName, {}, readOnly)};
    if (readOnly)
        throw EDatabaseWriteRefused("数据库“" + FileName + "”是只读的，不能压缩。");
    // Leaving the log folds it into the file and needs the file to itself;
    // the exclusive lock then keeps every other writer out until the
    // compacted copy has replaced it.
    try {
        ExecuteUtf8(database.db, "PRAGMA journal_mode=DELETE; PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;");
    } catch (const EDatabaseError&) {
        // Every program with the file open holds a lock on it.
        if ((sqlite3_extended_errcode(database.db) & 0xff) == SQLITE_BUSY)
            throw EDatabaseInUse("数据库“" + FileName + "”正在被其他程序使用，不能压缩：压缩需要独占这个文件，"
                                 "请先关闭其他打开它的程序。");
        throw;
    }
    RemoveStaleTemporaryFiles(FileName);
    TTempDatabase temp(FileName);
    // The compacted copy is written once, beside the file, and takes its
    // name only when it is complete on disk: a crash leaves the old content
    // or the new one, and the pages are not written twice as a rebuild in
    // place through the log would.
    TStatement vacuum(database.db, "VACUUM INTO ?1");
    const std::string target = GbkToUtf8(temp.Name());
    sqlite3_bind_text(vacuum.Handle(), 1, target.c_str(), static_cast<int>(target.size()), SQLITE_TRANSIENT);
    vacuum.Step();
    temp.Sync();
    temp.Replace(FileName);
}

void RemoveStaleTemporaryFiles(const AnsiString& FileName)
{
    const std::string folder = OsFolder(FileName);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        if (!IsTempName(entry->d_name))
            continue;
        const std::string osName = folder + entry->d_name;
        const int fd = ::open(osName.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, osName))
            RemoveWithCompanions(osName);
        ::close(fd);
    }
    ::closedir(dir);
}
