#include "platform/win/system_info.h"

#include <cstdio>
#include <cstring>

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
    AnsiString name = GetTempDir() + "tandril-debug.log";
    if (FILE* file = std::fopen(name.c_str(), "ab")) {
        std::fputs(Text ? Text : "", file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}
