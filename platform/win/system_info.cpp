#include "platform/win/system_info.h"

#include <cstdio>
#include <cstring>

#include "platform/base/files.h"
#include "platform/win/backend.h"

namespace {

constexpr DWORD Major = 10;
constexpr DWORD Minor = 0;
constexpr DWORD Build = 19045;

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
    Info->dwMajorVersion = Major;
    Info->dwMinorVersion = Minor;
    Info->dwBuildNumber = Build;
    Info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    Info->szCSDVersion[0] = '\0';
    return true;
}

DWORD GetVersion()
{
    return Major | (Minor << 8) | (Build << 16);
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
