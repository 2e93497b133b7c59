// The folders the program keeps for the user: a private one it may make
// anew each time (the attachments' temporary folder, the notes folder it
// makes) and the settings folder, which the user may keep elsewhere
// through a link. A refused folder is named by its use (Role, such as
// "设置目录") in the EInOutError raised.
#pragma once

#include "platform/base/ansi_string.h"

// Makes Folder and its missing parents, each with mode 0700. An existing
// Folder must be a real folder of this user: a symbolic link, a file or
// another user's folder is refused, and one of ours that others may read
// is made private.
void EnsurePrivateFolder(const AnsiString& Folder, const AnsiString& Role);
// Makes Folder and its missing parents when it is missing, each with mode
// 0700. One that is there keeps its mode: a folder of this user's, reached
// through symbolic links of this user's or root's, where the files then go
// while the links stay links. A link of another user's anywhere on the way
// (the folder itself, a folder above it, or one above where a link leads),
// a dangling link, another user's folder, or a file is refused, and then
// nothing is made.
void EnsureSettingsFolder(const AnsiString& Folder, const AnsiString& Role);
