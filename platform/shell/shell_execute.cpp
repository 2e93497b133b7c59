// ShellExecute through xdg-open, started directly so that the path reaches it
// as one argument whatever blanks, quotes or shell characters it holds.
#include "platform/shell/shell_execute.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/base/code_page.h"

extern char** environ;

TShellLauncher ShellLauncher = SpawnDetached;

namespace {
// Callers only ask whether the result is above 32.
constexpr intptr_t Started = 33;
}  // namespace

int SpawnDetached(const std::vector<std::string>& Arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : Arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (failed != 0)
        return failed;
    // The opener may run as long as the program it opens; nobody waits for
    // it, but its exit status is collected so that no zombie stays behind.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return 0;
}

intptr_t ShellExecute(HWND, const char* Operation, const char* File, const char*, const char*, int)
{
    if (Operation != nullptr && *Operation != '\0' && std::strcmp(Operation, "open") != 0)
        return SE_ERR_NOASSOC;
    if (File == nullptr || *File == '\0')
        return ERROR_FILE_NOT_FOUND;
    int failed = ShellLauncher({"xdg-open", GbkToUtf8(File)});
    switch (failed) {
    case 0: return Started;
    case ENOENT:
    case ENOTDIR: return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    default: return ERROR_BAD_FORMAT;
    }
}
