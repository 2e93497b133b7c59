// What a name typed into a file dialog stands for: a folder to open, a
// file, or a pattern to list by. Folders are resolved the way the system
// resolves them (links followed, ".." taken after them), so the dialog
// returns the file the program will really open, or says what is wrong.
#pragma once

#include "platform/base/ansi_string.h"

// What the dialogs say of a folder typed that is missing, or is a file;
// "%s" takes what was typed.
inline constexpr const char* SFolderNotFound = "找不到文件夹“%s”。\n请检查路径是否正确。";
inline constexpr const char* SNotAFolder = "“%s”不是文件夹。";

enum TTypedKind { tkFolder, tkFile, tkPattern, tkError };

struct TTypedPath {
    TTypedKind Kind = tkError;
    // tkFolder: the folder; tkFile: the file's full name in a folder that
    // exists (the file itself may not); tkPattern: the folder to list.
    AnsiString Path;
    AnsiString Pattern;  // tkPattern: the wildcards of the name part
    AnsiString Message;  // tkError: what is wrong, for the user
};

// Typed (not empty) is absolute or relative to Folder, the absolute folder
// the dialog shows. A trailing delimiter, "." or ".." at the end name a
// folder; every folder on the way must exist.
TTypedPath CheckTypedPath(const AnsiString& Folder, const AnsiString& Typed);
