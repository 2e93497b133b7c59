#include "platform/ui/dialogs/file_dialog_path.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/ui/dialogs/file_dialog_filter.h"

namespace {

TTypedPath Fault(const char* Text, const AnsiString& Typed)
{
    return {tkError, {}, {}, Format(Text, {Typed})};
}

// The folder Path (ending in a delimiter, "." or "..") names, as the system
// finds it; a fault naming Typed when it is missing, not a folder, or named
// with characters GBK cannot hold.
TTypedPath ResolveFolder(const AnsiString& Path, const AnsiString& Typed)
{
    char resolved[PATH_MAX];
    if (!::realpath(GbkToUtf8(Path).c_str(), resolved)) {
        if (errno == ENOTDIR)
            return Fault(SNotAFolder, Typed);
        return Fault(SFolderNotFound, Typed);
    }
    const AnsiString folder = Utf8ToGbk(resolved);
    if (GbkToUtf8(folder) != resolved)
        return Fault("“%s”所在文件夹的名称含有无法表示的字符。", Typed);
    return {tkFolder, folder, {}, {}};
}

}  // namespace

TTypedPath CheckTypedPath(const AnsiString& Folder, const AnsiString& Typed)
{
    const AnsiString full = Typed[0] == PathDelim ? Typed : IncludeTrailingPathDelimiter(Folder) + Typed;
    // '/' is no GBK trail byte: the last one found is a real delimiter.
    const size_t slash = full.rfind(PathDelim);
    const AnsiString name = full.substr(slash + 1);
    if (name.empty() || name == "." || name == "..")
        return ResolveFolder(full, Typed);
    TTypedPath place = ResolveFolder(full.substr(0, slash + 1), Typed);
    if (place.Kind == tkError)
        return place;
    if (HasWildcards(name))
        return {tkPattern, place.Path, name, {}};
    const AnsiString path = IncludeTrailingPathDelimiter(place.Path) + name;
    if (DirectoryExists(path))
        return {tkFolder, path, {}, {}};
    return {tkFile, path, {}, {}};
}
