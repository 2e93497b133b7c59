#include "platform/ui/dialogs/file_dialog_places.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/base/code_page.h"
#include "platform/base/files.h"

namespace {

// The folders used last, newest first, at most RecentCount of them.
constexpr size_t RecentCount = 5;
std::vector<AnsiString>& RecentFolders()
{
    static std::vector<AnsiString> folders;
    return folders;
}

// The desktop folder (UTF-8) the user-dirs file names, relative to Home
// where it starts with "$HOME"; ~/Desktop when the file does not say.
std::string DesktopFolder(const std::string& Home)
{
    std::ifstream file(GbkToUtf8(GetUserConfigDir() + "user-dirs.dirs"));
    const std::string key = "XDG_DESKTOP_DIR=\"";
    std::string line;
    while (std::getline(file, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        const size_t end = line.find('"', key.size());
        std::string value = line.substr(key.size(), end == std::string::npos ? std::string::npos : end - key.size());
        if (value.compare(0, 5, "$HOME") == 0)
            value = Home + value.substr(5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return Home + "/Desktop";
}

// Adds the place when Folder (UTF-8) is a folder whose name GBK can hold.
void AddPlace(std::vector<TFilePlace>& Places, const AnsiString& Caption, const std::string& Folder)
{
    const AnsiString folder = Utf8ToGbk(Folder);
    if (GbkToUtf8(folder) == Folder && DirectoryExists(folder))
        Places.push_back({Caption, ExcludeTrailingPathDelimiter(folder)});
}

}  // namespace

std::vector<TFilePlace> FilePlaces()
{
    std::vector<TFilePlace> places;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        AddPlace(places, "主文件夹", home);
        AddPlace(places, "桌面", DesktopFolder(home));
    }
    for (const AnsiString& folder : RecentFolders())
        if (DirectoryExists(folder))
            places.push_back({folder, folder});
    return places;
}

void RememberFolder(const AnsiString& Folder)
{
    std::vector<AnsiString>& folders = RecentFolders();
    folders.erase(std::remove(folders.begin(), folders.end(), Folder), folders.end());
    folders.insert(folders.begin(), Folder);
    if (folders.size() > RecentCount)
        folders.resize(RecentCount);
}
