// The attachment folder: made private to the user, never followed through
// a link, and names that stay inside it.
#include "app/attachment_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/format.h"

namespace {

[[noreturn]] void RefuseFolder(const AnsiString& Folder, const char* Why)
{
    throw EInOutError("附件临时目录 " + Folder + " 不可用：" + Why);
}

}  // namespace

AnsiString AttachmentFolderPath(const AnsiString& TempDir)
{
    return IncludeTrailingPathDelimiter(TempDir) + "Morvane/";
}

void EnsurePrivateFolder(const AnsiString& Folder)
{
    const AnsiString dir = ExcludeTrailingPathDelimiter(Folder);
    const AnsiString parent = ExtractFileDir(dir);
    if (!parent.empty() && !DirectoryExists(parent) && !ForceDirectories(parent))
        RefuseFolder(Folder, std::strerror(errno));
    const std::string path = GbkToUtf8(dir);
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        RefuseFolder(Folder, std::strerror(errno));
    // Whatever stands there now (made by us or found) is checked without
    // following a link: another user may have put one there before us.
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        RefuseFolder(Folder, std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        RefuseFolder(Folder, "它是一个符号链接");
    if (!S_ISDIR(st.st_mode))
        RefuseFolder(Folder, "它不是目录");
    if (st.st_uid != geteuid())
        RefuseFolder(Folder, "它属于其他用户");
    if ((st.st_mode & 0777) != 0700 && chmod(path.c_str(), 0700) != 0)
        RefuseFolder(Folder, std::strerror(errno));
}

AnsiString SafeAttachmentName(const AnsiString& Name)
{
    // '/' is below every GBK trail byte, so it never sits inside a
    // double-byte character; a backslash may, and is no delimiter here.
    const size_t slash = Name.rfind('/');
    AnsiString last = slash == AnsiString::npos ? Name : Name.substr(slash + 1);
    last.erase(std::find(last.begin(), last.end(), '\0'), last.end());
    if (last.empty() || last == "." || last == "..")
        return "附件";
    return last;
}

int64_t FileSizeOf(const AnsiString& FileName) { return std::max<int64_t>(FileSize(FileName), 0); }

AnsiString FormatFileSize(int64_t Size)
{
    constexpr int64_t KB = 1024, MB = KB * 1024, GB = MB * 1024;
    if (Size / GB >= 1)
        return Format("%.2f GB", {double(Size) / double(GB)});
    if (Size / MB >= 1)
        return Format("%.2f MB", {double(Size) / double(MB)});
    if (Size / KB >= 1)
        return Format("%.2f KB", {double(Size) / double(KB)});
    return Format("%d Byte(s)", {Size});
}
