// ShellExecute: hands a file or a link to the desktop's opener (xdg-open),
// which picks the program the user associated with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

// What ShellExecute returns when it cannot start the opener; anything above
// 32 means it started.
inline constexpr intptr_t ERROR_FILE_NOT_FOUND = 2;  // no opener on the path
inline constexpr intptr_t ERROR_ACCESS_DENIED = 5;   // the opener may not be run
inline constexpr intptr_t ERROR_BAD_FORMAT = 11;     // the opener failed to start otherwise
inline constexpr intptr_t SE_ERR_NOASSOC = 31;       // a verb other than "open"

// Starts a program with the given arguments (Arguments[0] is the program,
// looked up on PATH) without waiting for it; returns 0 or an errno value.
// Tests replace it to see what would be run.
using TShellLauncher = int (*)(const std::vector<std::string>& Arguments);
extern TShellLauncher ShellLauncher;
// The launcher ShellLauncher holds by default: posix_spawnp, no shell.
int SpawnDetached(const std::vector<std::string>& Arguments);

// Opens File (GBK, as the program holds it) with the desktop's opener. Only
// the verb "open" (or none) is known; Parameters and Directory are not used
// by the opener, and ShowCmd is the opened program's own business.
intptr_t ShellExecute(HWND Window, const char* Operation, const char* File, const char* Parameters,
                      const char* Directory, int ShowCmd);
