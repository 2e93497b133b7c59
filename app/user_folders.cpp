// Making and checking the user's folders: never one another user could
// have put in the way, and private when the program makes it.
#include "app/user_folders.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>
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

// Makes Folder's missing parents and Folder, each for the user alone; one
// that is there already is left for the caller to judge.
void MakeFolder(const AnsiString& Folder, const AnsiString& Role)
{
    const AnsiString folder = ExcludeTrailingPathDelimiter(Folder);
    const AnsiString parent = ExtractFileDir(folder);
    if (!parent.empty() && !DirectoryExists(parent) && !ForceDirectories(parent))
        RefuseFolder(Role, Folder, std::strerror(errno));
    if (!CreateDir(folder) && errno != EEXIST)
        RefuseFolder(Role, Folder, std::strerror(errno));
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

// Where a walk along a path has got: the folder reached so far, links
// followed, and what of the path is still to come when a name on the way
// is missing.
struct TWalk {
    std::string Reached;
    std::vector<std::string> Missing;
};

std::vector<std::string> NamesIn(const std::string& Path)
{
    std::vector<std::string> names;
    for (size_t at = 0; at < Path.size();) {
        const size_t slash = std::min(Path.find('/', at), Path.size());
        if (slash > at)
            names.push_back(Path.substr(at, slash - at));
        at = slash + 1;
    }
    return names;
}

// Walks Path name by name as the system does, following each link met on
// the way, at any depth and with or without a slash after it: one of
// another user's (root's aside) could lead the settings anywhere, so it is
// refused, as are a loop and a link that leads nowhere. A missing name of
// Path itself ends the walk (the rest is to be made); Path is absolute.
TWalk WalkTrustedLinks(const std::string& Path, const AnsiString& Folder, const AnsiString& Role)
{
    std::vector<std::string> toGo = NamesIn(Path);
    std::reverse(toGo.begin(), toGo.end());
    // How many of the names still to go are Path's own: the others came
    // from links' targets.
    size_t ownNames = toGo.size();
    TWalk walk;
    int links = 0;
    while (!toGo.empty()) {
        const std::string name = std::move(toGo.back());
        toGo.pop_back();
        const bool own = toGo.size() < ownNames;
        if (own)
            ownNames = toGo.size();
        if (name == ".")
            continue;
        if (name == "..") {
            walk.Reached.resize(walk.Reached.rfind('/') == std::string::npos ? 0 : walk.Reached.rfind('/'));
            continue;
        }
        const std::string next = walk.Reached + "/" + name;
        struct stat st {};
        if (lstat(next.c_str(), &st) != 0) {
            if (errno == ENOENT && own) {
                walk.Missing.push_back(name);
                for (auto rest = toGo.rbegin(); rest != toGo.rend(); ++rest)
                    walk.Missing.push_back(*rest);
                return walk;
            }
            RefuseFolder(Role, Folder,
                         errno == ENOENT ? "它是一个符号链接，指向的 " + Utf8ToGbk(next) + " 不存在"
                                         : AnsiString(std::strerror(errno)));
        }
        if (!S_ISLNK(st.st_mode)) {
            walk.Reached = next;
            continue;
        }
        if (st.st_uid != geteuid() && st.st_uid != 0)
            RefuseFolder(Role, Folder, "它经过其他用户的符号链接 " + Utf8ToGbk(next));
        if (++links > MostLinks)
            RefuseFolder(Role, Folder, std::strerror(ELOOP));
        char target[PATH_MAX];
        const ssize_t length = readlink(next.c_str(), target, sizeof target);
        if (length < 0 || static_cast<size_t>(length) == sizeof target)
            RefuseFolder(Role, Folder, std::strerror(length < 0 ? errno : ENAMETOOLONG));
        const std::string text(target, static_cast<size_t>(length));
        if (text.starts_with('/'))
            walk.Reached.clear();
        std::vector<std::string> names = NamesIn(text);
        toGo.insert(toGo.end(), names.rbegin(), names.rend());
    }
    return walk;
}

}  // namespace

void EnsurePrivateFolder(const AnsiString& Folder, const AnsiString& Role)
{
    const std::string path = GbkToUtf8(ExcludeTrailingPathDelimiter(Folder));
    MakeFolder(Folder, Role);
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
    const TWalk walk = WalkTrustedLinks(GbkToUtf8(ExpandFileName(ExcludeTrailingPathDelimiter(Folder))), Folder, Role);
    if (walk.Missing.empty()) {
        CheckOwnFolder(StatusOf(walk.Reached.empty() ? "/" : walk.Reached, Folder, Role), Folder, Role);
        return;
    }
    // Made where the links lead, each folder the user's alone.
    std::string path = walk.Reached;
    for (const std::string& name : walk.Missing) {
        path += "/" + name;
        if (!CreateDir(Utf8ToGbk(path)))
            RefuseFolder(Role, Folder, std::strerror(errno));
    }
}
