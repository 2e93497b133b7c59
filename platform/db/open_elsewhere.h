// Whether another program has a database file open for writing, asked
// before this program opens it.
#pragma once

#include "platform/base/ansi_string.h"

// Whether a program holds the engine's locks on the database file FileName
// (where a link leads). Every connection of this program that may write
// holds them from the moment it is open for as long as it is open; a
// connection that only reads a file that does not change holds none. The system is asked without a lock taken.
// Ask it while this process has no connection open on the file: closing
// any descriptor of a file drops every lock the process holds on it, the
// engine's included.
bool OpenElsewhere(const AnsiString& FileName);
