#include "platform/ui/dialogs/file_dialog_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "platform/base/code_page.h"

bool ReadFolder(const AnsiString& Folder, std::vector<TFolderEntry>& Entries)
{
    Entries.clear();
    DIR* dir = ::opendir(GbkToUtf8(Folder).c_str());
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    while (const struct dirent* entry = ::readdir(dir)) {
        const std::string_view onDisk = entry->d_name;
        if (onDisk.empty() || onDisk[0] == '.')
            continue;
        // Asked by the name on disk itself, so that a name GBK cannot hold
        // never stands in for another file.
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 && ::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;  // gone while we looked
        TFolderEntry item;
        item.Name = Utf8ToGbk(onDisk);
        item.Representable = GbkToUtf8(item.Name) == onDisk;
        item.Folder = S_ISDIR(st.st_mode);
        item.Size = item.Folder ? 0 : st.st_size;
        item.Time = st.st_mtim.tv_sec;
        Entries.push_back(std::move(item));
    }
    ::closedir(dir);
    return true;
}

void SortFolderEntries(std::vector<const TFolderEntry*>& Entries, TFolderColumn Column, bool Descending)
{
    auto byName = [](const TFolderEntry* A, const TFolderEntry* B) {
        const int text = CompareText(A->Name, B->Name);
        return text != 0 ? text : CompareStr(A->Name, B->Name);
    };
    auto byColumn = [&](const TFolderEntry* A, const TFolderEntry* B) {
        if (Column == fcSize && A->Size != B->Size)
            return A->Size < B->Size ? -1 : 1;
        if (Column == fcTime && A->Time != B->Time)
            return A->Time < B->Time ? -1 : 1;
        return byName(A, B);
    };
    std::sort(Entries.begin(), Entries.end(), [&](const TFolderEntry* A, const TFolderEntry* B) {
        if (A->Folder != B->Folder)
            return A->Folder;
        const int order = byColumn(A, B);
        return Descending ? order > 0 : order < 0;
    });
}

AnsiString FolderEntrySizeText(const TFolderEntry& Entry)
{
    if (Entry.Folder)
        return "文件夹";
    std::string digits = std::to_string((Entry.Size + 1023) / 1024);
    for (size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, ",");
    return digits + " KB";
}

AnsiString FolderEntryTimeText(const TFolderEntry& Entry)
{
    const time_t seconds = static_cast<time_t>(Entry.Time);
    struct tm local {};
    if (!localtime_r(&seconds, &local))
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}
