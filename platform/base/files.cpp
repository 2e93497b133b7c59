#include "platform/base/files.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

#include "platform/base/code_page.h"

// '/' and '.' (0x2F, 0x2E) are below the GBK trail-byte range (0x40-0xFE),
// so a byte search for them never lands inside a double-byte character.

namespace {

std::string OsName(const AnsiString& name) { return GbkToUtf8(name); }

bool StatOf(const AnsiString& name, struct stat& st) { return ::stat(OsName(name).c_str(), &st) == 0; }

// The local time of a file time stamp; 0 for a stamp outside the years
// 1..9999, which a listing must survive.
TDateTime FileTimeToDateTime(const struct timespec& ts)
{
    struct tm local {};
    TDateTime date = 0, time = 0;
    if (!localtime_r(&ts.tv_sec, &local) ||
        !TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date))
        return 0;
    TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ts.tv_nsec / 1000000),
                  time);
    return date + time;
}

// Case folds single-byte letters only; the bytes of a double-byte character
// are compared as they are.
bool SameUnit(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (a.size() == 1)
        return UpCase(a[0]) == UpCase(b[0]);
    return a == b;
}

std::vector<std::string_view> Units(std::string_view s)
{
    std::vector<std::string_view> units;
    for (size_t i = 0; i < s.size();) {
        size_t len = CharLengthAt(s, i);
        units.push_back(s.substr(i, len));
        i += len;
    }
    return units;
}

// '*' matches any run of characters, '?' exactly one; otherwise characters
// match without case. Backtracks only to the last '*', which is enough
// because a later '*' can absorb whatever an earlier one would have.
bool MatchesMask(const AnsiString& name, const AnsiString& mask)
{
    std::vector<std::string_view> n = Units(name), m = Units(mask);
    size_t ni = 0, mi = 0, starMask = std::string::npos, starName = 0;
    while (ni < n.size()) {
        if (mi < m.size() && m[mi] == "*") {
            starMask = mi++;
            starName = ni;
        } else if (mi < m.size() && (m[mi] == "?" || SameUnit(m[mi], n[ni]))) {
            ++mi;
            ++ni;
        } else if (starMask != std::string::npos) {
            mi = starMask + 1;
            ni = ++starName;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == "*")
        ++mi;
    return mi == m.size();
}

std::string EnvValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

struct TSearchRecState {
    std::vector<TSearchRec> matches;  // every match, in the order they are handed out
    size_t next = 0;                  // the match FindNext hands out next
};

bool FileExists(const AnsiString& FileName)
{
    struct stat st {};
    return !FileName.empty() && StatOf(FileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const AnsiString& Directory)
{
    struct stat st {};
    return !Directory.empty() && StatOf(Directory, st) && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const AnsiString& Dir)
{
    AnsiString dir = ExcludeTrailingPathDelimiter(Dir);
    if (dir.empty())
        return false;
    if (DirectoryExists(dir))
        return true;
    AnsiString parent = ExtractFileDir(dir);
    if (!parent.empty() && parent != dir && !ForceDirectories(parent))
        return false;
    return CreateDir(dir) || DirectoryExists(dir);
}

bool CreateDir(const AnsiString& Dir)
{
    // The program's folders are the user's alone, whatever the umask: one
    // others may write lets them plant what the user's programs then read,
    // and a strict umask would take the owner's own rights.
    const std::string name = OsName(Dir);
    return ::mkdir(name.c_str(), 0700) == 0 && ::chmod(name.c_str(), 0700) == 0;
}

bool RemoveDir(const AnsiString& Dir) { return ::rmdir(OsName(Dir).c_str()) == 0; }

bool DeleteFile(const AnsiString& FileName) { return ::unlink(OsName(FileName).c_str()) == 0; }

bool RenameFile(const AnsiString& OldName, const AnsiString& NewName)
{
    return std::rename(OsName(OldName).c_str(), OsName(NewName).c_str()) == 0;
}

AnsiString ExtractFilePath(const AnsiString& FileName)
{
    size_t slash = FileName.rfind(PathDelim);
    return slash == AnsiString::npos ? AnsiString() : FileName.substr(0, slash + 1);
}

AnsiString ExtractFileDir(const AnsiString& FileName)
{
    size_t slash = FileName.rfind(PathDelim);
    if (slash == AnsiString::npos)
        return {};
    return FileName.substr(0, slash == 0 ? 1 : slash);
}

AnsiString ExtractFileName(const AnsiString& FileName)
{
    size_t slash = FileName.rfind(PathDelim);
    return slash == AnsiString::npos ? FileName : FileName.substr(slash + 1);
}

namespace {

// The offset of the extension's dot, npos when the name part has none.
size_t ExtensionStart(const AnsiString& FileName)
{
    size_t dot = FileName.find_last_of("./");
    return dot != AnsiString::npos && FileName[dot] == '.' ? dot : AnsiString::npos;
}

}  // namespace

AnsiString ExtractFileExt(const AnsiString& FileName)
{
    size_t dot = ExtensionStart(FileName);
    return dot == AnsiString::npos ? AnsiString() : FileName.substr(dot);
}

AnsiString ChangeFileExt(const AnsiString& FileName, const AnsiString& Extension)
{
    size_t dot = ExtensionStart(FileName);
    return (dot == AnsiString::npos ? FileName : FileName.substr(0, dot)) + Extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& S)
{
    return !S.empty() && S.back() == PathDelim ? S : S + PathDelim;
}

AnsiString ExcludeTrailingPathDelimiter(const AnsiString& S)
{
    return S.size() > 1 && S.back() == PathDelim ? S.substr(0, S.size() - 1) : S;
}

AnsiString ExpandFileName(const AnsiString& FileName)
{
    if (FileName.empty())
        return {};
    AnsiString full = FileName[0] == PathDelim ? FileName : IncludeTrailingPathDelimiter(GetCurrentDir()) + FileName;
    std::vector<AnsiString> parts;
    size_t start = 1;
    while (start <= full.size()) {
        size_t slash = full.find(PathDelim, start);
        if (slash == AnsiString::npos)
            slash = full.size();
        AnsiString part = full.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    AnsiString result;
    for (const AnsiString& part : parts)
        result += PathDelim + part;
    if (result.empty() || full.back() == PathDelim)
        result += PathDelim;
    return result;
}

AnsiString GetCurrentDir()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return Utf8ToGbk(buffer.data());
}

bool SetCurrentDir(const AnsiString& Dir) { return ::chdir(OsName(Dir).c_str()) == 0; }

bool FileAge(const AnsiString& FileName, TDateTime& FileDateTime)
{
    struct stat st {};
    if (!StatOf(FileName, st) || S_ISDIR(st.st_mode))
        return false;
    FileDateTime = FileTimeToDateTime(st.st_mtim);
    return true;
}

int64_t FileSize(const AnsiString& FileName)
{
    struct stat st {};
    if (!StatOf(FileName, st) || S_ISDIR(st.st_mode))
        return -1;
    return st.st_size;
}

AnsiString ParamStr(int Index)
{
    if (Index == 0) {
        std::vector<char> buffer(4096);
        for (;;) {
            ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
            if (n < 0)
                return {};
            if (static_cast<size_t>(n) < buffer.size())
                return Utf8ToGbk(std::string_view(buffer.data(), static_cast<size_t>(n)));
            buffer.resize(buffer.size() * 2);
        }
    }
    if (Index < 0)
        return {};
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string arg;
    for (int i = 0; std::getline(in, arg, '\0'); ++i) {
        if (i == Index)
            return Utf8ToGbk(arg);
    }
    return {};
}

AnsiString ProgramFolder() { return ExtractFilePath(ParamStr(0)); }

AnsiString GetTempDir()
{
    std::string dir = EnvValue("TMPDIR");
    return IncludeTrailingPathDelimiter(Utf8ToGbk(dir.empty() ? "/tmp" : dir));
}

AnsiString GetUserConfigDir()
{
    std::string dir = EnvValue("XDG_CONFIG_HOME");
    // Relative values are to be ignored, so that the folder never depends on
    // where the program was started.
    if (dir.empty() || dir[0] != '/') {
        std::string home = EnvValue("HOME");
        if (home.empty()) {
            const struct passwd* user = ::getpwuid(::getuid());
            home = user && user->pw_dir ? user->pw_dir : "";
        }
        dir = home + "/.config";
    }
    return IncludeTrailingPathDelimiter(Utf8ToGbk(dir));
}

int FindFirst(const AnsiString& Path, int Attr, TSearchRec& F)
{
    FindClose(F);
    AnsiString folder = ExtractFilePath(Path);
    AnsiString mask = ExtractFileName(Path);
    DIR* dir = ::opendir(folder.empty() ? "." : OsName(folder).c_str());
    if (!dir)
        return errno;
    auto state = std::make_shared<TSearchRecState>();
    // Attributes that hide an entry unless the caller asked for them.
    const int special = faHidden | faDirectory;
    while (const struct dirent* entry = ::readdir(dir)) {
        TSearchRec rec;
        rec.Name = Utf8ToGbk(entry->d_name);
        if (!MatchesMask(rec.Name, mask))
            continue;
        AnsiString full = folder + rec.Name;
        struct stat st {};
        if (!StatOf(full, st) && ::lstat(OsName(full).c_str(), &st) != 0)
            continue;  // vanished while we looked
        rec.Attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
        if (rec.Name[0] == '.' && rec.Name != "." && rec.Name != "..")
            rec.Attr |= faHidden;
        // By the permission bits rather than access(), which says yes to
        // everything when run as root.
        if ((st.st_mode & 0222) == 0)
            rec.Attr |= faReadOnly;
        if ((rec.Attr & special & ~Attr) != 0)
            continue;
        rec.Size = S_ISDIR(st.st_mode) ? 0 : st.st_size;
        rec.Time = FileTimeToDateTime(st.st_mtim);
        state->matches.push_back(std::move(rec));
    }
    ::closedir(dir);
    std::sort(state->matches.begin(), state->matches.end(), [](const TSearchRec& a, const TSearchRec& b) {
        int byText = CompareText(a.Name, b.Name);
        return byText != 0 ? byText < 0 : CompareStr(a.Name, b.Name) < 0;
    });
    F.FindHandle = std::move(state);
    int result = FindNext(F);
    if (result != 0)
        FindClose(F);
    return result;
}

int FindNext(TSearchRec& F)
{
    TSearchRecState* state = F.FindHandle.get();
    if (!state || state->next >= state->matches.size())
        return ENOENT;
    std::shared_ptr<TSearchRecState> keep = F.FindHandle;
    F = state->matches[state->next++];
    F.FindHandle = std::move(keep);
    return 0;
}

void FindClose(TSearchRec& F) { F.FindHandle.reset(); }
