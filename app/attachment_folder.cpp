// The attachment folder's place, names that stay inside it, and copies
// that never overwrite.
#include "app/attachment_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/base/sys_utils.h"

AnsiString AttachmentFolderPath(const AnsiString& TempDir)
{
    return IncludeTrailingPathDelimiter(TempDir) + "Morvane/";
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

AnsiString WriteFreshFile(const AnsiString& Folder, const AnsiString& Name, std::string_view Bytes)
{
    // A name that is all extension (".profile") is all stem.
    const AnsiString extension = ExtractFileExt(Name).size() < Name.size() ? ExtractFileExt(Name) : AnsiString();
    const AnsiString stem = Name.substr(0, Name.size() - extension.size());
    const AnsiString folder = IncludeTrailingPathDelimiter(Folder);
    AnsiString path;
    int fd = -1;
    for (int number = 1; fd < 0; ++number) {
        path = folder + (number == 1 ? Name : stem + " (" + IntToStr(number) + ")" + extension);
        // O_EXCL fails on whatever has the name, a link included.
        fd = ::open(GbkToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && (errno != EEXIST || number == 10000))
            throw EInOutError("不能写入附件 " + path + "：" + std::strerror(errno));
    }
    for (size_t written = 0; written < Bytes.size();) {
        const ssize_t n = ::write(fd, Bytes.data() + written, Bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(GbkToUtf8(path).c_str());
            throw EInOutError("不能写入附件 " + path + "：" + std::strerror(error));
        }
        written += size_t(n);
    }
    ::close(fd);
    return path;
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
