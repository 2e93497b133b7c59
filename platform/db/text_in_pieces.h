// Reading one long stored text without the engine's copy of it whole: the
// value is read through the engine's incremental reader a piece at a time
// and each piece converted into the GBK text as it comes, so that a text of
// 100 MB costs its GBK form alone, not a 100 MB UTF-8 copy beside it.
#pragma once

#include <cstdint>

#include "platform/base/ansi_string.h"

struct sqlite3;

// The value in Column of Table's row RowId as a memo field reads it: text
// converted from UTF-8 to GBK (invalid bytes as Utf8ToGbk maps them), bytes
// as they are, a number as its decimal text, null as "". Reads the file's
// current read transaction, so that inside one (while another statement of
// db is on a row) it is of that row's moment. Raises as the engine's
// statements do; EDatabaseError when the row is not there.
AnsiString ReadTextInPieces(sqlite3* db, const AnsiString& Table, const AnsiString& Column, int64_t RowId);
