// Making and checking the user's folders: never one another user could
// have put in the way, and private when the program makes it.
#include "app/user_folders.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"

namespace {

// The most links followed before a chain counts as a loop, as the system
// counts them.
constexpr int MostLinks = 40;

[[noreturn]] void RefuseFolder(const AnsiString& Role, const AnsiString& Folder, const AnsiString& Why)
{
    throw EInOutError(Role + " " + Folder + " 不可用：" + Why);
}

// Makes Folder's missing parents, then Folder with mode 0700: true when it
// made Folder, false when something stood there by that name.
bool MakeFolder(const AnsiString& Folder, const AnsiString& Role, const std::string& Path)
{
    const AnsiString parent = ExtractFileDir(ExcludeTrailingPathDelimiter(Folder));
    if (!parent.empty() && !DirectoryExists(parent) && !ForceDirectories(parent))
        RefuseFolder(Role, Folder, std::strerror(errno));
    if (mkdir(Path.c_str(), 0700) == 0) {
        // A strict umask may have taken the owner's rights too.
        if (chmod(Path.c_str(), 0700) != 0)
            RefuseFolder(Role, Folder, std::strerror(errno));
        return true;
    }
    if (errno != EEXIST)
        RefuseFolder(Role, Folder, std::strerror(errno));
    return false;
}

// What lstat says of Path.
struct stat StatusOf(const std::string& Path, const AnsiString& Folder, const AnsiString& Role)
{
    struct stat st {};
    if (lstat(Path.c_str(), &st) != 0)
        RefuseFolder(Role, Folder, std::strerror(errno));
    return st;
}

void CheckOwnFolder(const struct stat& Status, const AnsiString& Folder, const AnsiString& Role)
{
    if (!S_ISDIR(Status.st_mode))
        RefuseFolder(Role, Folder, "它不是目录");
    if (Status.st_uid != geteuid())
        RefuseFolder(Role, Folder, "它属于其他用户");
}

// Where the link Path points, a relative target taken from the link's own
// folder.
std::string LinkTarget(const std::string& Path, const AnsiString& Folder, const AnsiString& Role)
{
    char target[PATH_MAX];
    const ssize_t length = readlink(Path.c_str(), target, sizeof target);
    if (length < 0 || static_cast<size_t>(length) == sizeof target)
        RefuseFolder(Role, Folder, std::strerror(length < 0 ? errno : ENAMETOOLONG));
    const std::string text(target, static_cast<size_t>(length));
    if (!text.empty() && text.front() == '/')
        return text;
    return Path.substr(0, Path.rfind('/') + 1) + text;
}

}  // namespace

void EnsurePrivateFolder(const AnsiString& Folder, const AnsiString& Role)
{
    const std::string path = GbkToUtf8(ExcludeTrailingPathDelimiter(Folder));
    MakeFolder(Folder, Role, path);
    // Whatever stands there now (made by us or found) is checked without
    // following a link: another user may have put one there before us.
    const struct stat st = StatusOf(path, Folder, Role);
    if (S_ISLNK(st.st_mode))
        RefuseFolder(Role, Folder, "它是一个符号链接");
    CheckOwnFolder(st, Folder, Role);
    if ((st.st_mode & 0777) != 0700 && chmod(path.c_str(), 0700) != 0)
        RefuseFolder(Role, Folder, std::strerror(errno));
}

void EnsureSettingsFolder(const AnsiString& Folder, const AnsiString& Role)
{
    std::string path = GbkToUtf8(ExcludeTrailingPathDelimiter(Folder));
    if (MakeFolder(Folder, Role, path))
        return;
    // Each link on the way is the user's own, as a dotfiles manager makes
    // them: one of another user's could lead the settings anywhere.
    struct stat st = StatusOf(path, Folder, Role);
    for (int links = 0; S_ISLNK(st.st_mode); ++links) {
        if (st.st_uid != geteuid())
            RefuseFolder(Role, Folder, "它是其他用户的符号链接");
        if (links == MostLinks)
            RefuseFolder(Role, Folder, std::strerror(ELOOP));
        path = LinkTarget(path, Folder, Role);
        if (lstat(path.c_str(), &st) != 0)
            RefuseFolder(Role, Folder,
                         errno == ENOENT ? "它是一个符号链接，指向的 " + Utf8ToGbk(path) + " 不存在"
                                         : AnsiString(std::strerror(errno)));
    }
    CheckOwnFolder(st, Folder, Role);
}
