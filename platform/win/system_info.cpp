#include "platform/win/system_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/win/backend.h"

namespace {

struct TVersion {
    DWORD Major = 10;
    DWORD Minor = 0;
    DWORD Build = 19045;
};

TVersion& Reported()
{
    static TVersion version;
    return version;
}

std::vector<UINT>& Beeps()
{
    static std::vector<UINT> beeps;
    return beeps;
}

}  // namespace

bool GetVersionEx(OSVERSIONINFO* Info)
{
    if (!Info || Info->dwOSVersionInfoSize < sizeof(OSVERSIONINFO))
        return false;
    Info->dwMajorVersion = Reported().Major;
    Info->dwMinorVersion = Reported().Minor;
    Info->dwBuildNumber = Reported().Build;
    Info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    Info->szCSDVersion[0] = '\0';
    return true;
}

DWORD GetVersion()
{
    const TVersion& v = Reported();
    return (v.Major & 0xFF) | ((v.Minor & 0xFF) << 8) | ((v.Build & 0xFFFF) << 16);
}

void SetReportedVersion(DWORD Major, DWORD Minor, DWORD Build)
{
    Reported() = TVersion{Major, Minor, Build};
}

void ResetReportedVersion()
{
    Reported() = TVersion{};
}

UINT GetDoubleClickTime()
{
    return 500;
}

bool MessageBeep(UINT Type)
{
    Beeps().push_back(Type);
    Backend().Beep();
    return true;
}

const std::vector<UINT>& MessageBeeps()
{
    return Beeps();
}

void ClearMessageBeeps()
{
    Beeps().clear();
}

void OutputDebugString(const char* Text)
{
    // The temporary folder is often shared: a name another user put there
    // first, as a file or a link, is never written through. Nor may it
    // stop the program: a FIFO nobody reads would hold a plain open for
    // ever, and a terminal could become the program's own.
    const std::string name = GbkToUtf8(GetTempDir() + "tandril-debug.log");
    const int fd =
        ::open(name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
        const std::string line = std::string(Text ? Text : "") + "\n";
        // One write, so that the lines of programs writing at once stay whole.
        [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    }
    ::close(fd);
}
