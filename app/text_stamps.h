// What the notes file keeps so that a program can tell, without reading an
// article's text, whether the text it read is still the one stored: a stamp
// per content row, and the largest node id ever given out. The file's own
// triggers keep both, so every program that writes the file keeps them,
// older versions that know nothing of them included.
#pragma once

#include <cstdint>

#include "platform/base/ansi_string.h"

class TADOConnection;
class TADOQuery;

// A content row as a program read or wrote it. Row is given out once when
// the row is made, Version again whenever its text is written; both come from
// one number the file counts up and never gives out twice. A row with the
// same id made after another was deleted has another Row.
struct TTextStamp {
    int64_t Row = 0;
    int64_t Version = 0;
    bool operator==(const TTextStamp&) const = default;
};

// Adds the stamps' tables and triggers to a file that lacks them, in one
// transaction: rows already there get Row 0 and Version 0; an earlier
// version's trigger that compared texts is replaced. Writes nothing when
// they are there as they should be.
void AddTextStamps(TADOConnection* DataBase);
// Whether the file keeps stamps (a file opened for reading only may not).
bool HasTextStamps(TADOConnection* DataBase);

// The two columns of a stamp in a select from CONTENTS joined by
// kTextStampJoin (0 and 0 for a row with none).
extern const char* const kTextStampColumns;
extern const char* const kTextStampJoin;
// The stamp in fields First and First + 1 of Query's current row.
TTextStamp TextStampAt(TADOQuery* Query, int First);
// The largest node id the file ever held, as an expression.
extern const char* const kLargestNodeIdEver;
