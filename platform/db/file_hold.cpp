// Holding a database file through an open-file-description lock on the
// bytes where the engine keeps its readers' locks.
#include "platform/db/file_hold.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/base/sys_utils.h"

namespace {

// Where the engine locks a database file on this system: one byte a writer
// takes while it waits for the readers to go, and the range each reader
// locks for reading and a writer alone takes for writing.
constexpr off_t PendingByte = 0x40000000;
constexpr off_t SharedFirst = PendingByte + 2;
constexpr off_t SharedSize = 510;

// Locks (or unlocks) the range as an open-file description's lock: it
// meets the engine's locks in every process, this one's included, and
// closing another descriptor of the file doesn't drop it.
bool LockRange(int fd, short Type, off_t Start, off_t Length)
{
    struct flock lock {};
    lock.l_type = Type;
    lock.l_whence = SEEK_SET;
    lock.l_start = Start;
    lock.l_len = Length;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

}  // namespace

TFileHold::~TFileHold()
{
    if (fd_ >= 0)
        ::close(fd_);
}

TFileHold::TFileHold(TFileHold&& Other) noexcept
    : fd_(std::exchange(Other.fd_, -1)), locked_(std::exchange(Other.locked_, false))
{
}

TFileHold& TFileHold::operator=(TFileHold&& Other) noexcept
{
    if (this != &Other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(Other.fd_, -1);
        locked_ = std::exchange(Other.locked_, false);
    }
    return *this;
}

TFileHold::TResult TFileHold::Take(const std::string& osName, double Seconds)
{
    *this = TFileHold();
    fd_ = ::open(osName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return TResult::Failed;
    const double deadline = MonotonicSeconds() + Seconds;
    for (;;) {
        // As the engine takes it: the pending byte first, so that a writer
        // waiting for the readers to go is not kept waiting by a new one.
        if (LockRange(fd_, F_RDLCK, PendingByte, 1)) {
            locked_ = LockRange(fd_, F_RDLCK, SharedFirst, SharedSize);
            LockRange(fd_, F_UNLCK, PendingByte, 1);
            if (locked_)
                return TResult::Held;
        } else if (errno != EAGAIN && errno != EACCES) {
            return TResult::Held;  // no such locks here: held without one
        }
        if (MonotonicSeconds() >= deadline)
            return TResult::Busy;
        ::usleep(2000);
    }
}

void TFileHold::Release()
{
    if (locked_)
        LockRange(fd_, F_UNLCK, SharedFirst, SharedSize);
    locked_ = false;
}

bool TFileHold::OthersLock() const
{
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    return ::fcntl(fd_, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

bool TFileHold::Names(const std::string& osName) const
{
    struct stat held {}, named {};
    return ::fstat(fd_, &held) == 0 && ::stat(osName.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}
