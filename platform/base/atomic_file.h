// Crash-safe saving: the new content goes to a temporary file in the same
// folder, is flushed to disk, and only then takes the old file's name in one
// rename. Whatever happens, FileName holds either the old or the new content.
// A file reached through a symbolic link is saved where the link points, and
// the new file gets the old one's permissions, owner and group.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/ansi_string.h"

struct stat;

// Writes Bytes to FileName through a temporary file and a rename. Raises
// EFCreateError when FileName is read-only (no write bit in its mode, also
// for root) or the temporary file can't be made, EWriteError when it can't
// be written, can't be given FileName's owner and group (another user's
// file in a folder this user may write) or can't replace FileName; the
// temporary file is removed on every failure and FileName stays as it was.
// What is raised carries the system's error number (ErrorCode).
void WriteFileAtomically(const AnsiString& FileName, std::string_view Bytes);

// The two steps of WriteFileAtomically, for callers that must do something
// in between (and for showing that the old file survives until the second).
//
// Writes Bytes to a new file beside FileName (beside its link's target),
// flushed to disk, with the permissions, owner and group FileName has (or
// the permissions it would get); returns its name. A read-only
// FileName is refused before anything is written. The temporary files of
// FileName that a killed process left behind are removed first.
AnsiString WriteTemporaryFile(const AnsiString& FileName, std::string_view Bytes);
// Renames TempName over FileName (over its link's target) and flushes the
// folder; removes TempName when that fails.
void ReplaceFile(const AnsiString& TempName, const AnsiString& FileName);

// What every file replacing another by a rename shares, on the system's
// names:
//
// The file osName stands for: the name its chain of symbolic links ends
// at (which need not exist yet), or osName itself when it is no link.
// Renaming over the link would put a plain file in its place and leave the
// file it points to unchanged.
std::string LinkTarget(const std::string& osName);
// Gives the open file Fd the permission bits, owner and group of Old, the
// owner and group first (changing them may clear set-id bits). False, with
// errno set, when the system refuses: another user's file, or a group this
// user is not in, unless run as root.
bool TakeOwnerAndMode(int Fd, const struct stat& Old);
