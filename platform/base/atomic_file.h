// Crash-safe saving: the new content goes to a temporary file in the same
// folder, is flushed to disk, and only then takes the old file's name in one
// rename. Whatever happens, FileName holds either the old or the new content.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/ansi_string.h"

// Writes Bytes to FileName through a temporary file and a rename. Raises
// EFCreateError when FileName is read-only (no write bit in its mode, also
// for root) or the temporary file can't be made, EWriteError when it can't
// be written or can't replace FileName; the temporary file is removed on
// every failure.
void WriteFileAtomically(const AnsiString& FileName, std::string_view Bytes);

// The two steps of WriteFileAtomically, for callers that must do something
// in between (and for showing that the old file survives until the second).
//
// Writes Bytes to a new file beside FileName, flushed to disk, with the
// permissions FileName has (or would get); returns its name. A read-only
// FileName is refused before anything is written. The temporary files of
// FileName that a killed process left behind are removed first.
AnsiString WriteTemporaryFile(const AnsiString& FileName, std::string_view Bytes);
// Renames TempName over FileName and flushes the folder; removes TempName
// when that fails.
void ReplaceFile(const AnsiString& TempName, const AnsiString& FileName);
