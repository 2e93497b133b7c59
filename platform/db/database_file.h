// Operations on whole database files, for when no connection is open on
// them: making a new file with its tables, compacting one, and clearing the
// temporary files a crash left beside one.
#pragma once

#include "platform/base/ansi_string.h"

class TStrings;

// Makes the database FileName with the tables and indexes the statements of
// Schema (one per line, Jet syntax accepted) make. The file appears
// complete or not at all: it is built in a temporary file in the same
// folder in one transaction and then takes its name, never replacing an
// existing file. Raises EDatabaseError (with the engine's or the system's
// reason) when FileName exists, the folder is not writable or a statement
// fails; nothing is left behind then.
void CreateDatabaseFile(const AnsiString& FileName, const TStrings* Schema);

// Rebuilds FileName without its free pages, crash-safe: the compacted copy
// is made beside the file (beside where a link leads), with its
// permissions, owner and group, and replaces it once complete, so until
// then the file holds the old content. A file with other names (hard
// links), or one this user can't give a new file the owner and group of,
// is rebuilt in place through a journal instead. Needs the file to itself.
// Raises as opening a connection does; EDatabaseWriteRefused, naming what
// can't be written, for a file that opens read-only (the file, its folder,
// or what lies beside it); EDatabaseInUse when another program has the
// file open; or EDatabaseError when the rebuild fails. The file then stays
// as it was.
void CompactDatabaseFile(const AnsiString& FileName);

// Removes the temporary files that a create or compaction interrupted by a
// crash left in FileName's folder, with their journals: files of exactly
// the program's own temporary name that no process has open, whatever they
// hold (a copy killed half-way has no header yet), and the journals of
// such files that are gone. A file that may be open anywhere stays: one
// being made or used right now, one opened while the cleaner is at it, and
// one this process can't prove unused (another user's file, a file system
// without leases, or on FUSE or a network, where a lease says nothing
// about other openers). So does FileName itself, whatever its name.
void RemoveStaleTemporaryFiles(const AnsiString& FileName);
