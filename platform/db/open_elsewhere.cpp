// Asking the system whether another program has a database file open.
#include "platform/db/open_elsewhere.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/base/code_page.h"

bool OpenElsewhere(const AnsiString& FileName)
{
    const int fd = ::open(GbkToUtf8(FileName).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Asked as an open-file-description lock, which meets every process's
    // locks (another module of this process too).
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}
