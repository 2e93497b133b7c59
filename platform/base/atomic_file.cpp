#include "platform/base/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"

namespace {

// Raises E saying what failed, in the class library's words, with the
// system's reason; the error number goes with it.
template <typename E>
[[noreturn]] void Raise(int Error, const AnsiString& What)
{
    throw E(What + " " + std::strerror(Error), Error);
}

// Closes the descriptor and removes the half-made file unless released.
class PendingTemp {
public:
    PendingTemp(int fd, std::string osName) : fd_(fd), osName_(std::move(osName)) {}
    ~PendingTemp()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!osName_.empty())
            ::unlink(osName_.c_str());
    }
    PendingTemp(const PendingTemp&) = delete;
    PendingTemp& operator=(const PendingTemp&) = delete;

    int Fd() const { return fd_; }
    // Closes the file and keeps it; returns close's result.
    int Keep()
    {
        int result = ::close(fd_);
        fd_ = -1;
        if (result == 0)
            osName_.clear();
        return result;
    }

private:
    int fd_;
    std::string osName_;
};

// Flushes the folder entry of a rename; a folder that can't be opened or
// synced (some file systems refuse) leaves the rename itself in place.
void SyncFolder(const std::string& osFolder)
{
    int fd = ::open(osFolder.empty() ? "." : osFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Removes the temporary files of FileName ("." + name + ".tmp" + pid + "-"
// + counter) left by a process that is gone: one killed between writing
// and renaming leaves its file, which nothing else would ever remove. A
// live process's file (another instance saving right now) stays.
void RemoveLeftovers(const AnsiString& FileName)
{
    const std::string folder = GbkToUtf8(ExtractFilePath(FileName));
    const std::string prefix = "." + GbkToUtf8(ExtractFileName(FileName)) + ".tmp";
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        const std::string_view rest = name.substr(prefix.size());
        const size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos ||
            rest.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos ||
            rest.substr(dash + 1).empty() || rest.substr(dash + 1).find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const long pid = std::strtol(std::string(rest.substr(0, dash)).c_str(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + std::string(name)).c_str());
    }
    ::closedir(dir);
}

}  // namespace

std::string LinkTarget(const std::string& osName)
{
    std::string name = osName;
    // As the system itself does, a chain longer than this is taken for a
    // loop; the last name reached is written, and the open or rename fails.
    for (int links = 0; links < 40; ++links) {
        struct stat info {};
        if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        std::string target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4095) + 1, '\0');
        const ssize_t n = ::readlink(name.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<size_t>(n) >= target.size())
            break;
        target.resize(static_cast<size_t>(n));
        const size_t slash = name.rfind('/');
        name = target.starts_with('/') || slash == std::string::npos ? target : name.substr(0, slash + 1) + target;
    }
    return name;
}

bool TakeOwnerAndMode(int Fd, const struct stat& Old)
{
    struct stat now {};
    if (::fstat(Fd, &now) != 0)
        return false;
    if ((now.st_uid != Old.st_uid || now.st_gid != Old.st_gid) && ::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
        return false;
    return ::fchmod(Fd, Old.st_mode & 07777) == 0;
}

AnsiString WriteTemporaryFile(const AnsiString& FileName, std::string_view Bytes)
{
    const AnsiString target = Utf8ToGbk(LinkTarget(GbkToUtf8(FileName)));
    struct stat old {};
    const bool exists = ::stat(GbkToUtf8(target).c_str(), &old) == 0;
    // The rename would replace a file the user made read-only without
    // asking, as the folder's permissions are all it needs. Judged by the
    // mode bits rather than by access(), which says yes to everything when
    // run as root.
    if (exists && S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0)
        Raise<EFCreateError>(EACCES, "Cannot create file \"" + FileName + "\".");

    RemoveLeftovers(target);
    // A hidden name in the same folder, so that the rename never crosses file
    // systems; the process id and a counter keep concurrent saves apart.
    static unsigned counter = 0;
    const AnsiString base = ExtractFilePath(target) + "." + ExtractFileName(target) + ".tmp";
    AnsiString tempName;
    std::string osName;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        tempName = base + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        osName = GbkToUtf8(tempName);
        // Readable by the user alone until it has the old file's
        // permissions: it may hold what only the user may read.
        fd = ::open(osName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        const int error = errno;
        if (fd < 0 && (error != EEXIST || attempt > 100))
            Raise<EFCreateError>(error, "Cannot create file \"" + tempName + "\".");
    }
    PendingTemp temp(fd, osName);
    if (exists && !TakeOwnerAndMode(fd, old)) {
        const int error = errno;
        Raise<EWriteError>(error, "Cannot write file \"" + FileName + "\" keeping its owner and group.");
    }
    const char* data = Bytes.data();
    size_t left = Bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        const int error = n < 0 ? errno : ENOSPC;
        if (n <= 0)
            Raise<EWriteError>(error, "Cannot write file \"" + tempName + "\".");
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || temp.Keep() != 0) {
        const int error = errno;
        Raise<EWriteError>(error, "Cannot write file \"" + tempName + "\".");
    }
    return tempName;
}

void ReplaceFile(const AnsiString& TempName, const AnsiString& FileName)
{
    const std::string osTemp = GbkToUtf8(TempName);
    const std::string target = LinkTarget(GbkToUtf8(FileName));
    if (std::rename(osTemp.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(osTemp.c_str());
        Raise<EWriteError>(error, "Cannot replace file \"" + FileName + "\".");
    }
    SyncFolder(target.substr(0, target.rfind('/') + 1));
}

void WriteFileAtomically(const AnsiString& FileName, std::string_view Bytes)
{
    ReplaceFile(WriteTemporaryFile(FileName, Bytes), FileName);
}
