// Creating a database file complete or not at all, compacting one in place,
// and clearing what an interrupted create or compaction left behind.
//
// Both build the file under a temporary name ".~tandril-db-" + sixteen
// random letters or digits + ".tmp" in the target's folder and keep it open
// while they work. A file of exactly that name that no process has open was
// left by a crash and goes, whatever it holds: a copy killed half-way has
// no header yet. So does such a file's journal once the file itself is
// gone. The file being opened stays, whatever its name, and so does every
// file of another name.
#include "platform/db/database_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/statfs.h>
#include <sys/stat.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/file_hold.h"

namespace {

constexpr std::string_view TempPrefix = ".~tandril-db-";
constexpr std::string_view TempSuffix = ".tmp";
constexpr size_t TempRandomLength = 16;
constexpr std::string_view TempLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
// What the engine may keep beside a database while it is open.
constexpr std::string_view JournalSuffix = "-journal";
constexpr const char* CompanionSuffixes[] = {"-journal", "-wal", "-shm"};

bool IsTempName(std::string_view name)
{
    return name.size() == TempPrefix.size() + TempRandomLength + TempSuffix.size() && name.starts_with(TempPrefix) &&
           name.ends_with(TempSuffix) &&
           name.substr(TempPrefix.size(), TempRandomLength).find_first_not_of(TempLetters) == std::string_view::npos;
}

// Whether no process at all has the open file fd open but through fd: a
// write lease is granted only then. Holding it, an open that comes waits
// for the lease to go, and breaking it sends this process a signal, made
// one that is ignored (the default one ends the program); StillSole sees
// the break. The lease is refused too for another user's file (unless the
// process may take leases on any), and on a file system that knows no
// leases: such a file may be in use, for all this process can tell, and
// stays.
bool TakeSoleUse(int fd)
{
    return ::fcntl(fd, F_SETSIG, SIGURG) == 0 && ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
}

// Whether the lease TakeSoleUse took still stands: an open that came
// meanwhile is waiting for it, and gets the file as it is once it goes.
bool StillSole(int fd) { return ::fcntl(fd, F_GETLEASE) == F_WRLCK; }

// Whether a lease on a file in the folder osFolder proves that nobody else
// has it open. FUSE file systems grant leases in this kernel alone, and so
// do network file systems: a file held open through the backing folder, or
// on another machine, is not seen.
bool LeasesSeeEveryOpener(const std::string& osFolder)
{
    struct statfs info {};
    if (::statfs(osFolder.c_str(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x65735546:  // FUSE
    case 0x6969:      // NFS
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x517B:      // SMB
    case 0x564C:      // NCP
    case 0x01021997:  // 9P
    case 0x00C36400:  // Ceph
    case 0x6B414653:  // AFS
    case 0x5346414F:  // AFS (OpenAFS)
    case 0x73757245:  // Coda
    case 0x01161970:  // GFS2
    case 0x7461636F:  // OCFS2
    case 0x0BD00BD0:  // Lustre
    case 0x20030528:  // OrangeFS
        return false;
    default:
        return true;
    }
}

// The folder of a file's system name, with its '/'.
std::string FolderOf(const std::string& osName)
{
    const size_t slash = osName.rfind('/');
    return slash == std::string::npos ? std::string("./") : osName.substr(0, slash + 1);
}

// The companions first: a kill in between leaves the file, which the next
// cleaner finds with whatever is beside it, rather than a journal alone.
// A file removed under a lease (LeasedFd) stays when an open came for it
// meanwhile.
void RemoveWithCompanions(const std::string& osName, int LeasedFd = -1)
{
    for (const char* suffix : CompanionSuffixes)
        ::unlink((osName + suffix).c_str());
    if (LeasedFd < 0 || StillSole(LeasedFd))
        ::unlink(osName.c_str());
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool SameFile(int fd, const struct stat& Named)
{
    struct stat byHandle {};
    return ::fstat(fd, &byHandle) == 0 && SameFile(byHandle, Named);
}

bool SameFile(int fd, const std::string& osName)
{
    struct stat byName {};
    return ::stat(osName.c_str(), &byName) == 0 && SameFile(fd, byName);
}

void SyncFolder(const std::string& osFolder)
{
    const int fd = ::open(osFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The temporary file of one create or compaction, beside the file osTarget
// (a system name, its links followed), open while it lives, which keeps
// cleaners away; removed with its companions unless it has taken its final
// name.
class TTempDatabase {
public:
    // Mode as open() takes it; a failure raises EDatabaseError with
    // Failure and the system's reason.
    TTempDatabase(const std::string& osTarget, mode_t Mode, AnsiString Failure)
        : folder_(FolderOf(osTarget)), failure_(std::move(Failure))
    {
        std::random_device random;
        for (int attempt = 0; fd_ < 0; ++attempt) {
            std::string name(TempPrefix);
            for (size_t i = 0; i < TempRandomLength; ++i)
                name += TempLetters[random() % TempLetters.size()];
            osName_ = folder_ + name + std::string(TempSuffix);
            fd_ = ::open(osName_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
            if (fd_ < 0 && (errno != EEXIST || attempt > 100))
                Raise(errno);
            if (fd_ < 0)
                continue;
            // The flock is what earlier versions of the program, running
            // beside this one, take for a file in use; one of their cleaners
            // may have taken the file for stale before it, and then it is
            // gone and another name is due.
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
        // the same file, and keeping it open keeps cleaners away until the
        // end.
        ::close(fd_);
    }
    TTempDatabase(const TTempDatabase&) = delete;
    TTempDatabase& operator=(const TTempDatabase&) = delete;

    AnsiString Name() const { return Utf8ToGbk(osName_); }
    int Fd() const { return fd_; }

    // Makes the file empty again, as the engine writes only into one.
    void Empty()
    {
        if (::ftruncate(fd_, 0) != 0)
            Raise(errno);
    }

    // Flushes what the engine wrote into the file to disk.
    void Sync()
    {
        if (::fsync(fd_) != 0)
            Raise(errno);
    }

    // Gives the file the name osTarget, replacing the file there.
    void Replace(const std::string& osTarget)
    {
        if (::rename(osName_.c_str(), osTarget.c_str()) != 0)
            Raise(errno);
        osName_.clear();
        SyncFolder(folder_);
    }

    // Gives the file its final name, failing when that name exists.
    void Publish(const AnsiString& FileName)
    {
        const std::string target = GbkToUtf8(FileName);
        if (::renameat2(AT_FDCWD, osName_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS)
                Raise(errno);
            // A file system without the no-replace rename: a hard link
            // fails as well when the name exists.
            if (::link(osName_.c_str(), target.c_str()) != 0)
                Raise(errno);
            ::unlink(osName_.c_str());
        }
        osName_.clear();
        SyncFolder(folder_);
    }

private:
    [[noreturn]] void Raise(int error) { throw EDatabaseError(failure_ + std::strerror(error)); }

    std::string folder_;
    AnsiString failure_;
    std::string osName_;  // cleared once the file has its final name
    int fd_ = -1;
};

// Closes an engine handle when it goes, then what held its file.
struct TOpenDatabase {
    sqlite3* db = nullptr;
    TFileHold hold;
    ~TOpenDatabase() { CloseDatabaseFile(db); }
};

// A number that changes whenever another connection commits to the file.
int64_t DataVersion(sqlite3* db)
{
    TStatement version(db, "PRAGMA data_version");
    version.Step();
    return sqlite3_column_int64(version.Handle(), 0);
}

// Writes the whole database db holds, without its free pages, into the
// empty file TempName.
void CopyInto(sqlite3* db, const AnsiString& TempName)
{
    TStatement vacuum(db, "VACUUM INTO ?1");
    const std::string target = GbkToUtf8(TempName);
    sqlite3_bind_text(vacuum.Handle(), 1, target.c_str(), static_cast<int>(target.size()), SQLITE_TRANSIENT);
    vacuum.Step();
}

// Folds the log into the file and takes the file to db alone, for as long
// as db is open: leaving the log needs the file to itself, and the
// exclusive lock keeps every other program out until the compacted copy
// has replaced it.
void TakeToItself(sqlite3* db, const AnsiString& FileName)
{
    try {
        ExecuteUtf8(db, "PRAGMA journal_mode=DELETE; PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;");
    } catch (const EDatabaseError&) {
        // Every program with the file open holds a lock on it.
        if ((sqlite3_extended_errcode(db) & 0xff) == SQLITE_BUSY)
            throw EDatabaseInUse("数据库“" + FileName + "”正在被其他程序使用，不能压缩：压缩需要独占这个文件，"
                                 "请先关闭其他打开它的程序。");
        throw;
    }
}

}  // namespace

void CreateDatabaseFile(const AnsiString& FileName, const TStrings* Schema)
{
    RemoveStaleTemporaryFiles(FileName);
    TTempDatabase temp(GbkToUtf8(FileName), 0666, "不能建立数据库“" + FileName + "”：");
    {
        TOpenDatabase database{OpenEmptyDatabaseFile(temp.Name()), {}};
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
    // The file itself, where a link leads: a link stays a link.
    const std::string osName = LinkTarget(GbkToUtf8(FileName));
    // A file in write-ahead-log mode opens for writing unchanged, and the
    // rebuild below reads every row of it before anything is written,
    // failing on the damage it meets: it needs no check first, which would
    // read the whole file once more. Any other file is checked first, as at
    // every opening.
    const bool checked = !InLogMode(osName);
    AnsiString readOnlyBecause;
    TOpenDatabase database;
    database.db = OpenDatabaseFile(FileName, {}, readOnlyBecause, database.hold, checked);
    if (!readOnlyBecause.empty())
        throw EDatabaseWriteRefused("不能压缩数据库“" + FileName + "”：“" + readOnlyBecause +
                                    "”不能写入。数据库没有改变。");
    struct stat old {};
    if (::stat(osName.c_str(), &old) != 0)
        throw EDatabaseError("不能压缩数据库“" + FileName + "”：" + AnsiString(std::strerror(errno)));
    RemoveStaleTemporaryFiles(FileName);
    // The compacted copy is written once, beside the file, and takes its
    // name only when it is complete on disk: a crash leaves the old content
    // or the new one, and the pages are not written twice as a rebuild in
    // place through the journal would. It gets the file's permissions,
    // owner and group before it holds anything (made readable by this user
    // alone till then).
    if (old.st_nlink == 1) {
        TTempDatabase temp(osName, 0600, "不能压缩数据库“" + FileName + "”：");
        if (TakeOwnerAndMode(temp.Fd(), old)) {
            const int64_t version = DataVersion(database.db);
            CopyInto(database.db, temp.Name());
            TakeToItself(database.db, FileName);
            // Another program wrote and closed the file between the copy
            // and the lock: copied again, with the file now to itself.
            if (DataVersion(database.db) != version) {
                temp.Empty();
                CopyInto(database.db, temp.Name());
            }
            temp.Sync();
            temp.Replace(osName);
            // Opened again at once, it needs no check: it was just
            // written whole from rows read without a fault.
            VouchForFile(osName);
            return;
        }
    }
    // A file with other names (hard links), which a new file would part
    // from, or another user's file, which this user can't make a new one
    // of: rebuilt in place through the journal, which leaves the old content
    // or the new one too.
    if (!checked)
        CheckStructureBriefly(database.db, FileName);
    TakeToItself(database.db, FileName);
    ExecuteUtf8(database.db, "VACUUM");
}

void RemoveStaleTemporaryFiles(const AnsiString& FileName)
{
    const std::string osName = LinkTarget(GbkToUtf8(FileName));
    const std::string folder = FolderOf(osName);
    struct stat opened {};
    const bool exists = ::stat(osName.c_str(), &opened) == 0;
    if (!LeasesSeeEveryOpener(folder))
        return;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        // A temporary file, or the journal of one that is gone.
        const bool journal = name.ends_with(JournalSuffix);
        const std::string_view copy = journal ? name.substr(0, name.size() - JournalSuffix.size()) : name;
        if (!IsTempName(copy))
            continue;
        const std::string osTemp = folder + std::string(name);
        struct stat named {};
        if (journal && (::lstat((folder + std::string(copy)).c_str(), &named) == 0 || errno != ENOENT))
            continue;
        // The file being opened is not even opened here: closing a
        // descriptor drops every lock this process holds on its file, the
        // engine's included.
        if (::lstat(osTemp.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || (exists && SameFile(named, opened)))
            continue;
        // Not blocking on another process's lease.
        const int fd = ::open(osTemp.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // Still what was looked at, and still under its name once leased.
        // An open that came while the lease was held keeps the file (the
        // companions of a copy are the copy's own: nobody opens them alone).
        if (SameFile(fd, named) && TakeSoleUse(fd)) {
            if (SameFile(fd, osTemp) && StillSole(fd) && journal)
                ::unlink(osTemp.c_str());
            else if (SameFile(fd, osTemp) && StillSole(fd))
                RemoveWithCompanions(osTemp, fd);
            ::fcntl(fd, F_SETLEASE, F_UNLCK);
        }
        ::close(fd);
    }
    ::closedir(dir);
}
