// The folders the program keeps for the user: a private one it may make
// anew each time (the attachments' temporary folder, the notes folder it
// makes) and the settings folder, which the user may keep elsewhere
// through a link. A refused folder is named by its use (Role, such as
// "设置目录") in the EInOutError raised.
#pragma once

#include "platform/base/ansi_string.h"

// Makes Folder and its missing parents; Folder itself gets mode 0700. An
// existing Folder must be a real folder of this user: a symbolic link, a
// file or another user's folder is refused, and one of ours that others
// may read is made private.
void EnsurePrivateFolder(const AnsiString& Folder, const AnsiString& Role);
// Makes Folder and its missing parents when it is missing, Folder itself
// with mode 0700. One that is there keeps its mode: a folder of this
// user's, or a symbolic link of this user's (or a chain of them) to one,
// where the files then go while the link stays a link. A dangling link, a
// link or a folder of another user, or a file is refused.
void EnsureSettingsFolder(const AnsiString& Folder, const AnsiString& Role);
