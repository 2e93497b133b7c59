// Files, folders and paths. Names inside the program are GBK strings (the
// system code page); they are converted to UTF-8 only at the system calls.
// The path delimiter is '/'; a name starting with '/' is absolute.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/date_time.h"
#include "platform/base/ansi_string.h"

inline constexpr char PathDelim = '/';

// Anything but a folder (links are followed).
bool FileExists(const AnsiString& FileName);
bool DirectoryExists(const AnsiString& Directory);
// Creates Dir and every missing folder above it, each as CreateDir makes
// it; true when Dir exists after. Folders that are there keep their modes.
bool ForceDirectories(const AnsiString& Dir);
// Creates one folder, whose parent must exist, for the user alone (mode
// 0700 whatever the umask).
bool CreateDir(const AnsiString& Dir);
// Removes an empty folder.
bool RemoveDir(const AnsiString& Dir);
bool DeleteFile(const AnsiString& FileName);
// Renames or moves a file; an existing NewName is replaced.
bool RenameFile(const AnsiString& OldName, const AnsiString& NewName);

// "/a/b/c.txt": path "/a/b/", dir "/a/b", name "c.txt", extension ".txt".
AnsiString ExtractFilePath(const AnsiString& FileName);
AnsiString ExtractFileDir(const AnsiString& FileName);
AnsiString ExtractFileName(const AnsiString& FileName);
// The extension with its dot, "" when the name has none.
AnsiString ExtractFileExt(const AnsiString& FileName);
// Replaces the extension (Extension includes the dot), or appends it.
AnsiString ChangeFileExt(const AnsiString& FileName, const AnsiString& Extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& S);
// Drops one trailing delimiter, but keeps the root "/".
AnsiString ExcludeTrailingPathDelimiter(const AnsiString& S);
// The absolute name: relative names are taken from the current folder; "."
// and ".." parts and doubled delimiters are resolved as text (links are not
// followed).
AnsiString ExpandFileName(const AnsiString& FileName);

AnsiString GetCurrentDir();
bool SetCurrentDir(const AnsiString& Dir);

// The time of the last change of a file; false when it doesn't exist.
bool FileAge(const AnsiString& FileName, TDateTime& FileDateTime);
// The size in bytes, -1 when the file doesn't exist.
int64_t FileSize(const AnsiString& FileName);

// ParamStr(0) is the program file; 1.. are the command-line arguments, ""
// past the last one.
AnsiString ParamStr(int Index);
// The folder of the program file, with a trailing delimiter.
AnsiString ProgramFolder();
// $TMPDIR, or /tmp, with a trailing delimiter.
AnsiString GetTempDir();
// $XDG_CONFIG_HOME, or ~/.config, with a trailing delimiter.
AnsiString GetUserConfigDir();

// File attribute bits of a search.
enum : int {
    faReadOnly = 0x01,
    faHidden = 0x02,  // the name starts with '.'
    faDirectory = 0x10,
    faArchive = 0x20,  // any file that is not a folder
    faAnyFile = 0x3F,
};

struct TSearchRecState;

struct TSearchRec {
    AnsiString Name;
    int64_t Size = 0;
    int Attr = 0;
    TDateTime Time = 0;  // last change
    std::shared_ptr<TSearchRecState> FindHandle;  // the rest of the search; FindClose drops it
};

// Wildcard search of one folder. The name part of Path may hold '*' and
// '?', matched without case; Attr says which entries beyond plain files to
// report (faDirectory adds folders, "." and ".." included; faHidden adds
// names starting with '.'). Entries come sorted by name without case, so a
// listing is the same on every run. Returns 0 with F filled for the first
// match, else an error code (ENOENT when nothing matches).
int FindFirst(const AnsiString& Path, int Attr, TSearchRec& F);
// 0 with the next match, else an error code.
int FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);
