// What the system answers about itself: its version, the double-click
// time, beeps and the debug log.
#pragma once

#include <vector>

#include "platform/win/win_types.h"

inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
    DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

// The version the system reports: a current one (10.0, build 19045) unless
// a test asked for another.
bool GetVersionEx(OSVERSIONINFO* Info);
// Major version in the low byte, minor in the next, build in the high word.
DWORD GetVersion();

// Makes the system report another version, so that tests reach the code
// written for older systems (5.0, 6.0, 6.1); ResetReportedVersion goes back
// to the current one. The program itself never calls these.
void SetReportedVersion(DWORD Major, DWORD Minor, DWORD Build);
void ResetReportedVersion();

// Milliseconds within which a second click counts as a double click.
UINT GetDoubleClickTime();

// Type is 0 or one of the message box icon flags (0x10, 0x20, 0x30, 0x40).
// Asks the back end to ring and records the beep.
bool MessageBeep(UINT Type);
// The beeps so far, oldest first, for tests.
const std::vector<UINT>& MessageBeeps();
void ClearMessageBeeps();

// Appends the text and a line break to "tandril-debug.log" in the temporary
// folder, a file of the user's alone (one of another user's there, or a
// link, is left alone and nothing is written); nothing goes to the terminal.
void OutputDebugString(const char* Text);
